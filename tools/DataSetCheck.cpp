#include "DataSetCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include "core/DataLocations.h"
#include "core/FileCheck.h"
#include "core/PhenologicalStages.h"
#include "core/ResultCatalogue.h"
#include "core/ScreenTable.h"
#include "core/TreatmentCatalogue.h"
#include "platform/jet/Database.h"
#include "platform/jet/MdbFile.h"

namespace DataSetCheck {

namespace {

// "Falta": and, when a file of the same name in other letter case is there,
// which one, since the program will not take it.
QString missing(const QString &builtPath)
{
    const QFileInfo info(FileCheck::nativePath(builtPath));
    const QString expected = FileCheck::expectedName(builtPath);
    const QStringList entries = info.dir().entryList(QDir::Files);
    for (const QString &e : entries)
        if (e.compare(expected, Qt::CaseInsensitive) == 0 && e != expected)
            return QStringLiteral("Falta %1 (hay %2, que difiere en mayúsculas o minúsculas)").arg(builtPath, e);
    if (info.isDir())
        return QStringLiteral("Falta %1 (hay una carpeta con ese nombre)").arg(builtPath);
    return QStringLiteral("Falta %1").arg(builtPath);
}

void checkFile(const QString &builtPath, QStringList *problems, QSet<QString> *seen)
{
    if (seen->contains(builtPath))
        return;
    seen->insert(builtPath);
    if (!FileCheck::exists(builtPath))
        *problems << missing(builtPath);
}

}  // namespace

QStringList run(const QString &base)
{
    QStringList problems;
    QSet<QString> seen;
    const DataLocations where(base);
    const QString fotos = where.photos();

    checkFile(fotos + QStringLiteral("\\Imagen1.jpg"), &problems, &seen);
    for (const q::ScreenTable &t : q::allScreens()) {
        for (const auto &[box, photo] : t.loadPhotos)
            checkFile(fotos + photo, &problems, &seen);
        for (const q::OptionDef &o : t.options)
            for (const q::Action &a : o.actions)
                if (a.kind == q::Action::Kind::Load)
                    checkFile(fotos + a.value, &problems, &seen);
    }
    for (const PhenologicalStages::Stage &s : PhenologicalStages::all()) {
        checkFile(fotos + s.firstPhoto, &problems, &seen);
        checkFile(fotos + s.secondPhoto, &problems, &seen);
    }
    for (const ResultCatalogue::Entry &e : ResultCatalogue::entries()) {
        checkFile(where.results() + QLatin1Char('\\') + ResultCatalogue::resultDocument(e), &problems, &seen);
        checkFile(where.audio() + QLatin1Char('\\') + ResultCatalogue::audioFile(e), &problems, &seen);
    }
    for (const TreatmentCatalogue::Entry &e : TreatmentCatalogue::entries())
        checkFile(where.treatments() + QLatin1Char('\\') + e.document, &problems, &seen);
    for (const char *video : {"video01.mpg", "video02.mpg", "video03.mpg", "video04.mpg", "video06.mpg"})
        checkFile(where.videos() + QLatin1Char('\\') + QLatin1String(video), &problems, &seen);
    checkFile(where.help() + QStringLiteral("\\Sarmo.htm"), &problems, &seen);

    // The database: its tables, their columns, and the photo of every row.
    const QString db = where.database();
    QString error;
    const QStringList tables = jet::MdbFile::tableNames(db, &error);
    if (!error.isEmpty()) {
        problems << error;
        return problems;
    }
    for (const QString &table : jet::Database::requiredTables()) {
        // Table and column names are matched as Jet matches them: whatever
        // their letter case.
        if (!std::any_of(tables.begin(), tables.end(), [&](const QString &n) { return jet::sameName(n, table); })) {
            problems << QStringLiteral("Falta la tabla %1 en %2").arg(table, db);
            continue;
        }
        QHash<QString, jet::TableData> data;
        if (!jet::MdbFile::readTables(db, {table}, &data, &error)) {
            problems << error;
            continue;
        }
        const jet::TableData &t = data[table];
        bool complete = true;
        for (const QString &column : jet::Database::requiredColumns(table)) {
            if (t.columnIndex(column) < 0) {
                problems << QStringLiteral("Falta la columna %1 en la tabla %2").arg(column, table);
                complete = false;
            }
        }
        if (!complete || table == QLatin1String("Definicion"))
            continue;
        const int key = t.columnIndex(QStringLiteral("NombreEnfermedad"));
        const int file = t.columnIndex(QStringLiteral("Foto"));
        for (int i = 0; i < t.rows.size(); ++i) {
            const QString k = t.rows[i].value(key).toString(), f = t.rows[i].value(file).toString();
            const QString path = fotos + QLatin1Char('\\') + k + QLatin1Char('\\') + f;
            if (f.isEmpty())
                problems << QStringLiteral("La fila %1 de la tabla %2 (%3) no tiene foto").arg(i + 1).arg(table, k);
            else if (!FileCheck::exists(path, f))
                problems << missing(path) + QStringLiteral(" (fila %1 de la tabla %2)").arg(i + 1).arg(table);
        }
    }
    return problems;
}

}  // namespace DataSetCheck
