#include "platform/jet/MdbFile.h"

#include <QFile>
#include <QFileInfo>

#include <memory>
#include <vector>

extern "C" {
#include <mdbtools.h>
}

namespace jet {

int TableData::columnIndex(const QString &column) const
{
    return int(columns.indexOf(column));
}

namespace {

// Largest value read from one column of one row. Memo texts of the data set
// are a few kilobytes; anything longer is cut here rather than by libmdb.
constexpr size_t kBindSize = 1 << 20;

struct MdbCloser {
    void operator()(MdbHandle *h) const { mdb_close(h); }
};
using MdbPtr = std::unique_ptr<MdbHandle, MdbCloser>;

struct TableCloser {
    void operator()(MdbTableDef *t) const { mdb_free_tabledef(t); }
};
using TablePtr = std::unique_ptr<MdbTableDef, TableCloser>;

// What the first bytes of a Jet file must hold before libmdb is given it.
bool checkHeader(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QStringLiteral("El archivo %1 no existe.").arg(path);
        return false;
    }
    if (info.isDir()) {
        *error = QStringLiteral("%1 es una carpeta, no un archivo de base de datos.").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("El archivo %1 no se puede leer (%2).").arg(path, file.errorString());
        return false;
    }
    const QByteArray head = file.read(0x20);
    static const QByteArray magic("\x00\x01\x00\x00", 4);
    const bool jet = head.size() >= 0x15 && head.startsWith(magic)
                     && (head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB");
    if (!jet) {
        *error = QStringLiteral("El archivo %1 no es una base de datos de Access (Jet).").arg(path);
        return false;
    }
    const int version = static_cast<unsigned char>(head.at(0x14));
    const qint64 pageSize = version == 0 ? 2048 : 4096;
    const qint64 size = file.size();
    // Header page, its copy and the first page of the system catalogue at
    // least; a file cut short ends in the middle of a page.
    if (size < 3 * pageSize || size % pageSize != 0) {
        *error = QStringLiteral("El archivo %1 está incompleto o dañado (%2 bytes).").arg(path).arg(size);
        return false;
    }
    return true;
}

QVariant convert(int type, const char *text, int len)
{
    if (len <= 0)
        return {};
    const QString s = QString::fromUtf8(text, len);
    switch (type) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT: {
        bool ok = false;
        const qlonglong n = s.toLongLong(&ok);
        return ok ? QVariant(n) : QVariant(s);
    }
    default:
        return s;
    }
}

bool readTable(MdbHandle *mdb, const QString &name, TableData *out, QString *error)
{
    QByteArray latin = name.toUtf8();
    TablePtr table(mdb_read_table_by_name(mdb, latin.data(), MDB_TABLE));
    if (!table) {
        *error = QStringLiteral("falta la tabla %1").arg(name);
        return false;
    }
    if (!mdb_read_columns(table.get())) {
        *error = QStringLiteral("no se pueden leer las columnas de la tabla %1").arg(name);
        return false;
    }
    const unsigned ncols = table->num_cols;
    out->name = name;
    out->columns.clear();
    out->rows.clear();
    // Left uninitialised: libmdb writes each value and its length.
    std::vector<std::unique_ptr<char[]>> buffers;
    for (unsigned i = 0; i < ncols; ++i)
        buffers.emplace_back(new char[kBindSize + 1]);
    std::vector<int> lengths(ncols, 0);
    std::vector<int> types(ncols, 0);
    for (unsigned i = 0; i < ncols; ++i) {
        auto *col = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        out->columns << QString::fromUtf8(col->name);
        types[i] = col->col_type;
        mdb_bind_column(table.get(), int(i) + 1, buffers[i].get(), &lengths[i]);
    }
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        QList<QVariant> row;
        row.reserve(ncols);
        for (unsigned i = 0; i < ncols; ++i) {
            const int len = std::min<int>(lengths[i], int(kBindSize));
            row << convert(types[i], buffers[i].get(), len);
        }
        out->rows << row;
    }
    return true;
}

MdbPtr openChecked(const QString &path, QString *error)
{
    if (!checkHeader(path, error))
        return {};
    const QByteArray native = QFile::encodeName(path);
    MdbPtr mdb(mdb_open(native.constData(), MDB_NOFLAGS));
    if (!mdb) {
        *error = QStringLiteral("El archivo %1 no se puede abrir como base de datos.").arg(path);
        return {};
    }
    mdb_set_bind_size(mdb.get(), kBindSize);
    if (!mdb_read_catalog(mdb.get(), MDB_TABLE)) {
        *error = QStringLiteral("El catálogo de la base de datos %1 está dañado.").arg(path);
        return {};
    }
    return mdb;
}

}  // namespace

bool MdbFile::readTables(const QString &path, const QStringList &tables,
                         QHash<QString, TableData> *out, QString *error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    MdbPtr mdb = openChecked(path, error);
    if (!mdb)
        return false;
    out->clear();
    for (const QString &name : tables) {
        TableData data;
        QString why;
        if (!readTable(mdb.get(), name, &data, &why)) {
            *error = QStringLiteral("La base de datos %1 no es válida: %2.").arg(path, why);
            return false;
        }
        out->insert(name, data);
    }
    return true;
}

QStringList MdbFile::tableNames(const QString &path, QString *error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    MdbPtr mdb = openChecked(path, error);
    QStringList names;
    if (!mdb)
        return names;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        const QString name = QString::fromUtf8(entry->object_name);
        if (entry->object_type == MDB_TABLE && !name.startsWith(QLatin1String("MSys")))
            names << name;
    }
    return names;
}

}  // namespace jet
