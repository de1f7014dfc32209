// libFuzzer target for opening the database: any bytes given as the data
// set's database file must give either an open connection or a start-up
// message, never a crash or a hang. Built and run by scripts/fuzz.sh.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/jet/Database.h"

namespace {
void quiet(QtMsgType, const QMessageLogContext &, const QString &) { }
QTemporaryDir *dir = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quiet);
    dir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = dir->filePath(QStringLiteral("bd2002.mdb"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    f.write(reinterpret_cast<const char *>(data), qint64(size));
    f.close();
    jet::Database db;
    QString error;
    if (db.open(path, &error)) {
        // Use what was read, as the screens do.
        db.glossary();
        db.glossaryTerm(QStringLiteral("Abarquillada"));
        db.photos(QStringLiteral("Fotos"), QStringLiteral("Mildiu"));
        db.photos(QStringLiteral("Tratamiento"), QStringLiteral("Mildiu"));
    } else if (error.isEmpty()) {
        abort();  // a failure must always say what is wrong
    }
    return 0;
}
