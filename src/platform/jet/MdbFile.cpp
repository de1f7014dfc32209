#include "platform/jet/MdbFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

extern "C" {
#include <mdbtools.h>
}

namespace jet {

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

int TableData::columnIndex(const QString &column) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (sameName(columns.at(i), column))
            return i;
    return -1;
}

namespace {

// Largest long value (memo or OLE object) read, in stored bytes: what a long
// value's length field holds, and the most the project's writer stores.
// Anything longer is refused, never cut.
constexpr qint64 kMaxLongValueBytes = 0x00FFFFFF;
constexpr int kLongValueHeader = 12;
constexpr int kOffsetMask = 0x1FFF;

// The file as libmdb reads it: whole pages only. A request for anything past
// the last whole page is remembered, so that a file cut short is told apart
// from one with a few stray bytes after its last page. The stream is
// unbuffered (a buffer would read ahead past the page asked for), so reads
// come in small pieces and are served from the page last read.
struct PageSource {
    int fd = -1;
    qint64 pageSize = 0;
    qint64 wholeBytes = 0;
    qint64 pos = 0;
    bool missing = false;
    qint64 cachedPage = -1;
    QByteArray page;

    static ssize_t read(void *cookie, char *buf, size_t size)
    {
        auto *s = static_cast<PageSource *>(cookie);
        if (size == 0)
            return 0;
        const qint64 number = s->pos / s->pageSize;
        if ((number + 1) * s->pageSize > s->wholeBytes) {
            // A read error, not an end of file: libmdb stops at an error,
            // while at an end of file it would go on through zeroed pages
            // as far as a damaged map or row count leads it.
            s->missing = true;
            errno = EIO;
            return -1;
        }
        if (number != s->cachedPage) {
            s->page.resize(s->pageSize);
            const ssize_t got = ::pread(s->fd, s->page.data(), size_t(s->pageSize), off_t(number * s->pageSize));
            if (got != s->pageSize) {
                s->cachedPage = -1;
                s->missing = true;
                return got < 0 ? -1 : 0;
            }
            s->cachedPage = number;
        }
        const qint64 at = s->pos - number * s->pageSize;
        const qint64 n = std::min<qint64>(qint64(size), s->pageSize - at);
        std::memcpy(buf, s->page.constData() + at, size_t(n));
        s->pos += n;
        return ssize_t(n);
    }

    static int seek(void *cookie, off64_t *offset, int whence)
    {
        auto *s = static_cast<PageSource *>(cookie);
        // libmdb measures the file before each page; the end is reported far
        // away so that every page it wants is asked for, and seen here.
        const qint64 end = std::numeric_limits<qint64>::max() / 4;
        const qint64 base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? s->pos : end;
        const qint64 to = base + *offset;
        if (to < 0)
            return -1;
        s->pos = to;
        *offset = to;
        return 0;
    }

    static int close(void *cookie)
    {
        auto *s = static_cast<PageSource *>(cookie);
        if (s->fd >= 0)
            ::close(s->fd);
        s->fd = -1;
        return 0;
    }
};

struct MdbCloser {
    void operator()(MdbHandle *h) const { mdb_close(h); }
};

struct TableCloser {
    void operator()(MdbTableDef *t) const { mdb_free_tabledef(t); }
};
using TablePtr = std::unique_ptr<MdbTableDef, TableCloser>;

// libmdb walks a table's pages through its usage map without looking whether
// the map is there: a table whose map row is empty would be read through a
// null pointer.
bool hasUsageMap(const MdbTableDef &table) { return table.usage_map && table.map_sz > 0; }

// The catalogue (MSysObjects, on page 2) is read by mdb_read_catalog the same
// way: its definition is checked first.
bool catalogueReadable(MdbHandle *mdb)
{
    MdbCatalogEntry entry{};
    entry.mdb = mdb;
    entry.object_type = MDB_TABLE;
    entry.table_pg = 2;
    std::snprintf(entry.object_name, sizeof entry.object_name, "%s", "MSysObjects");
    const TablePtr table(mdb_read_table(&entry));
    return table && hasUsageMap(*table);
}

// An open file: libmdb's handle reading through the page source (closed
// first, as members are destroyed in reverse order).
struct Opened {
    std::unique_ptr<PageSource> source;
    std::unique_ptr<MdbHandle, MdbCloser> mdb;
    QString path;
    qint64 size = 0;

    explicit operator bool() const { return bool(mdb); }
    QString incomplete() const
    {
        return QStringLiteral("El archivo %1 está incompleto o dañado (%2 bytes).").arg(path).arg(size);
    }
};

// What the first bytes of a Jet file must hold before libmdb is given it.
// Returns the page size, 0 when the file is refused.
qint64 checkHeader(const QString &path, qint64 *size, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QStringLiteral("El archivo %1 no existe.").arg(path);
        return 0;
    }
    if (info.isDir()) {
        *error = QStringLiteral("%1 es una carpeta, no un archivo de base de datos.").arg(path);
        return 0;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("El archivo %1 no se puede leer (%2).").arg(path, file.errorString());
        return 0;
    }
    const QByteArray head = file.read(0x20);
    static const QByteArray magic("\x00\x01\x00\x00", 4);
    const bool jet = head.size() >= 0x15 && head.startsWith(magic)
        && (head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB");
    if (!jet) {
        *error = QStringLiteral("El archivo %1 no es una base de datos de Access (Jet).").arg(path);
        return 0;
    }
    const int version = static_cast<unsigned char>(head.at(0x14));
    const qint64 pageSize = version == 0 ? 2048 : 4096;
    *size = file.size();
    // Header page, its copy and the first page of the system catalogue at
    // least. Bytes after the last whole page are not read; whether the pages
    // before them are all there is seen while reading.
    if (*size < 3 * pageSize) {
        *error = QStringLiteral("El archivo %1 está incompleto o dañado (%2 bytes).").arg(path).arg(*size);
        return 0;
    }
    return pageSize;
}

// Texts, table and column names are converted to UTF-8 whatever MDBICONV or
// MDB_JET3_CHARSET say: libmdb's converters, opened from the environment, are
// replaced by fixed ones. Jet 3 files are in their own code page, Jet 4 and
// later in UCS-2.
void convertToUtf8(MdbHandle *mdb)
{
    const char *source = "UCS-2LE";
    if (mdb->f->jet_version == MDB_VER_JET3) {
        switch (mdb->f->code_page) {
        case 874: source = "WINDOWS-874"; break;
        case 932: source = "SHIFT-JIS"; break;
        case 936: source = "WINDOWS-936"; break;
        case 950: source = "BIG-5"; break;
        case 1250: source = "WINDOWS-1250"; break;
        case 1251: source = "WINDOWS-1251"; break;
        case 1253: source = "WINDOWS-1253"; break;
        case 1254: source = "WINDOWS-1254"; break;
        case 1255: source = "WINDOWS-1255"; break;
        case 1256: source = "WINDOWS-1256"; break;
        case 1257: source = "WINDOWS-1257"; break;
        case 1258: source = "WINDOWS-1258"; break;
        default: source = "WINDOWS-1252"; break;
        }
    }
    mdb_iconv_close(mdb);
    mdb->iconv_in = iconv_open("UTF-8", source);
    mdb->iconv_out = iconv_open(source, "UTF-8");
}

Opened open(const QString &path, QString *error)
{
    Opened o;
    o.path = path;
    const qint64 pageSize = checkHeader(path, &o.size, error);
    if (!pageSize)
        return {};
    const QByteArray native = QFile::encodeName(path);
    o.source = std::make_unique<PageSource>();
    o.source->fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    o.source->pageSize = pageSize;
    o.source->wholeBytes = o.size / pageSize * pageSize;
    FILE *stream = o.source->fd < 0
        ? nullptr
        : fopencookie(o.source.get(), "r", {PageSource::read, nullptr, PageSource::seek, PageSource::close});
    if (!stream) {
        PageSource::close(o.source.get());
        *error = QStringLiteral("El archivo %1 no se puede leer.").arg(path);
        return {};
    }
    setvbuf(stream, nullptr, _IONBF, 0);
    // libmdb opens the file by name; its stream is swapped for the page source
    // before anything past the header page is read.
    o.mdb.reset(mdb_open(native.constData(), MDB_NOFLAGS));
    if (!o.mdb) {
        fclose(stream);
        *error = QStringLiteral("El archivo %1 no se puede abrir como base de datos.").arg(path);
        return {};
    }
    fclose(o.mdb->f->stream);
    o.mdb->f->stream = stream;
    convertToUtf8(o.mdb.get());
    if (!catalogueReadable(o.mdb.get()) || o.source->missing || !mdb_read_catalog(o.mdb.get(), MDB_TABLE)
        || o.source->missing) {
        *error = o.source->missing ? o.incomplete()
                                   : QStringLiteral("El catálogo de la base de datos %1 está dañado.").arg(path);
        return {};
    }
    return o;
}

ColumnType columnType(int mdbType)
{
    switch (mdbType) {
    case MDB_BOOL: return ColumnType::YesNo;
    case MDB_BYTE: return ColumnType::Byte;
    case MDB_INT: return ColumnType::Integer;
    case MDB_LONGINT:
    case MDB_COMPLEX: return ColumnType::LongInteger;
    case MDB_MONEY: return ColumnType::Currency;
    case MDB_FLOAT: return ColumnType::Single;
    case MDB_DOUBLE: return ColumnType::Double;
    case MDB_DATETIME: return ColumnType::DateTime;
    case MDB_TEXT: return ColumnType::Text;
    case MDB_MEMO: return ColumnType::Memo;
    case MDB_NUMERIC: return ColumnType::Decimal;
    default: return ColumnType::Other;
    }
}

// An exact decimal in C notation: the unscaled magnitude with `scale` digits
// after the point.
// A Decimal's 96-bit magnitude, or a Currency's 64-bit one with its sign
// taken off, needs more than 64 bits (GCC and Clang's own 128-bit integer).
__extension__ using Magnitude = unsigned __int128;

QString decimalText(bool negative, Magnitude magnitude, int scale)
{
    QByteArray digits;
    do {
        digits.prepend(char('0' + int(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    const bool zero = digits == "0";
    while (digits.size() <= scale)
        digits.prepend('0');
    if (scale > 0)
        digits.insert(digits.size() - scale, '.');
    if (negative && !zero)
        digits.prepend('-');
    return QString::fromLatin1(digits);
}

// Days since 30 December 1899 as a date and time; before that day the time
// of day still counts forwards (-1.25 is 29 December 1899 at 06:00).
QDateTime dateTime(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 1e7)
        return {};
    const double whole = std::trunc(days);
    const qint64 ms = std::llround(std::fabs(days - whole) * 86400000.0);
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC).addDays(qint64(whole)).addMSecs(ms);
}

QString text(MdbHandle *mdb, const char *bytes, qint64 size)
{
    if (size <= 0)
        return QStringLiteral("");
    // At most three bytes of UTF-8 for each stored byte, whatever the code
    // page or compression.
    std::vector<char> out(size_t(size) * 3 + 8);
    const int n = mdb_unicode2ascii(mdb, bytes, size_t(size), out.data(), out.size());
    return QString::fromUtf8(out.data(), std::max(n, 0));
}

enum class Read { Ok, TooLong, Damaged };

// A long value's stored bytes: kept in the row after its 12-byte header, in
// one row of a long-value page, or in a chain of such rows.
Read longValue(MdbHandle *mdb, const char *field, int size, QByteArray *out)
{
    out->clear();
    if (size == 0)
        return Read::Ok;
    if (size < kLongValueHeader)
        return Read::Damaged;
    const quint32 head = qFromLittleEndian<quint32>(field);
    const quint32 firstRow = qFromLittleEndian<quint32>(field + 4);
    void *buf = nullptr;
    int start = 0;
    size_t length = 0;
    const int pageSize = int(mdb->fmt->pg_size);
    auto row = [&](quint32 pageRow) {
        return mdb_find_pg_row(mdb, int(pageRow), &buf, &start, &length) == 0 && start >= 0
            && qint64(start) + qint64(length) <= pageSize;
    };
    if (head & 0x80000000u) {
        out->append(field + kLongValueHeader, size - kLongValueHeader);
        return Read::Ok;
    }
    if (head & 0x40000000u) {
        if (!row(firstRow))
            return Read::Damaged;
        out->append(static_cast<const char *>(buf) + start, qsizetype(length));
        return Read::Ok;
    }
    const qint64 declared = head & 0x3FFFFFFFu;
    if (declared > kMaxLongValueBytes)
        return Read::TooLong;
    out->reserve(qsizetype(declared));
    for (quint32 next = firstRow; next != 0;) {
        if (!row(next) || length <= 4)
            return Read::Damaged;
        const char *data = static_cast<const char *>(buf) + start;
        if (out->size() + qint64(length) - 4 > declared)
            return Read::Damaged;
        out->append(data + 4, qsizetype(length) - 4);
        next = qFromLittleEndian<quint32>(data);
    }
    return out->size() == declared ? Read::Ok : Read::Damaged;
}

// One field's value from its stored bytes on the row's page.
Read value(MdbHandle *mdb, const MdbColumn *col, const MdbField &f, const char *page, QVariant *out)
{
    *out = QVariant();
    if (col->col_type == MDB_BOOL) {
        // The value is the null-mask bit: set is Yes.
        *out = !f.is_null;
        return Read::Ok;
    }
    if (f.is_null)
        return Read::Ok;
    const int pageSize = int(mdb->fmt->pg_size);
    if (f.start < 0 || f.siz < 0 || f.start + f.siz > pageSize)
        return Read::Damaged;
    const char *p = page + f.start;
    auto needs = [&](int bytes) { return f.siz >= bytes; };
    switch (col->col_type) {
    case MDB_BYTE:
        if (!needs(1))
            return Read::Damaged;
        *out = qlonglong(quint8(p[0]));
        return Read::Ok;
    case MDB_INT:
        if (!needs(2))
            return Read::Damaged;
        *out = qlonglong(qFromLittleEndian<qint16>(p));
        return Read::Ok;
    case MDB_LONGINT:
    case MDB_COMPLEX:
        if (!needs(4))
            return Read::Damaged;
        *out = qlonglong(qFromLittleEndian<qint32>(p));
        return Read::Ok;
    case MDB_FLOAT:
        if (!needs(4))
            return Read::Damaged;
        *out = qFromLittleEndian<float>(p);
        return Read::Ok;
    case MDB_DOUBLE:
        if (!needs(8))
            return Read::Damaged;
        *out = qFromLittleEndian<double>(p);
        return Read::Ok;
    case MDB_DATETIME:
        if (!needs(8))
            return Read::Damaged;
        *out = dateTime(qFromLittleEndian<double>(p));
        return Read::Ok;
    case MDB_MONEY: {
        if (!needs(8))
            return Read::Damaged;
        const qint64 units = qFromLittleEndian<qint64>(p);
        const bool negative = units < 0;
        const Magnitude magnitude = negative ? -static_cast<Magnitude>(units) : static_cast<Magnitude>(units);
        *out = decimalText(negative, magnitude, 4);
        return Read::Ok;
    }
    case MDB_NUMERIC: {
        if (!needs(17))
            return Read::Damaged;
        Magnitude magnitude = 0;
        for (int word = 0; word < 4; ++word)
            magnitude = (magnitude << 32) | qFromLittleEndian<quint32>(p + 1 + 4 * word);
        // libmdb keeps the number of decimals in col_prec.
        *out = decimalText(quint8(p[0]) & 0x80, magnitude, std::clamp(col->col_prec, 0, 38));
        return Read::Ok;
    }
    case MDB_TEXT: *out = text(mdb, p, f.siz); return Read::Ok;
    case MDB_MEMO:
    case MDB_OLE: {
        // Copied first: reading long-value pages reuses libmdb's page buffers.
        const QByteArray field(p, f.siz);
        QByteArray bytes;
        const Read r = longValue(mdb, field.constData(), int(field.size()), &bytes);
        if (r != Read::Ok)
            return r;
        if (col->col_type == MDB_MEMO)
            *out = text(mdb, bytes.constData(), bytes.size());
        else
            *out = bytes;
        return Read::Ok;
    }
    default: *out = QByteArray(p, f.siz); return Read::Ok;
    }
}

MdbCatalogEntry *findTable(MdbHandle *mdb, const QString &name)
{
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && sameName(QString::fromUtf8(entry->object_name), name))
            return entry;
    }
    return nullptr;
}

bool readTable(const Opened &o, const QString &name, TableData *out, QString *why)
{
    MdbHandle *mdb = o.mdb.get();
    MdbCatalogEntry *entry = findTable(mdb, name);
    TablePtr table(entry ? mdb_read_table(entry) : nullptr);
    if (!table) {
        *why = QStringLiteral("falta la tabla %1").arg(name);
        return false;
    }
    const QString stored = QString::fromUtf8(entry->object_name);
    if (!hasUsageMap(*table)) {
        *why = QStringLiteral("el mapa de páginas de la tabla %1 está dañado").arg(stored);
        return false;
    }
    if (!mdb_read_columns(table.get()) || table->num_cols > MDB_MAX_COLS) {
        *why = QStringLiteral("no se pueden leer las columnas de la tabla %1").arg(stored);
        return false;
    }
    const unsigned ncols = table->num_cols;
    out->name = stored;
    out->columns.clear();
    out->types.clear();
    out->rows.clear();
    std::vector<const MdbColumn *> cols(ncols);
    for (unsigned i = 0; i < ncols; ++i) {
        cols[i] = static_cast<const MdbColumn *>(g_ptr_array_index(table->columns, i));
        out->columns << QString::fromUtf8(cols[i]->name);
        out->types << columnType(cols[i]->col_type);
    }
    const int pageSize = int(mdb->fmt->pg_size);
    MdbField fields[MDB_MAX_COLS];
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        // The row just fetched, found again on its page so that its fields
        // can be read as stored: libmdb's own text of a value cannot tell an
        // empty text from a null one.
        int start = 0;
        size_t size = 0;
        const QByteArray page(reinterpret_cast<const char *>(mdb->pg_buf), pageSize);
        const int rowNumber = int(out->rows.size()) + 1;
        auto damaged = [&](const QString &column) {
            *why = column.isEmpty()
                ? QStringLiteral("la fila %1 de la tabla %2 está dañada").arg(rowNumber).arg(stored)
                : QStringLiteral("el valor de la columna %1 en la fila %2 de la tabla %3 está dañado")
                      .arg(column)
                      .arg(rowNumber)
                      .arg(stored);
            return false;
        };
        if (mdb_find_row(mdb, int(table->cur_row) - 1, &start, &size) != 0)
            return damaged({});
        start &= kOffsetMask;
        if (size == 0 || qint64(start) + qint64(size) > pageSize || mdb_crack_row(table.get(), start, size, fields) < 0)
            return damaged({});
        QList<QVariant> row;
        row.reserve(ncols);
        for (unsigned i = 0; i < ncols; ++i) {
            QVariant v;
            switch (value(mdb, cols[i], fields[i], page.constData(), &v)) {
            case Read::Ok: break;
            case Read::TooLong:
                *why = QStringLiteral("el valor de la columna %1 en la fila %2 de la tabla %3 ocupa más de 16 MiB, "
                                      "más de lo que se lee")
                           .arg(out->columns.at(i))
                           .arg(rowNumber)
                           .arg(stored);
                return false;
            case Read::Damaged: return damaged(out->columns.at(i));
            }
            row << v;
        }
        out->rows << row;
    }
    return true;
}

}  // namespace

bool MdbFile::readTables(const QString &path, const QStringList &tables, QHash<QString, TableData> *out, QString *error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    const Opened o = open(path, error);
    if (!o)
        return false;
    out->clear();
    for (const QString &name : tables) {
        TableData data;
        QString why;
        const bool ok = readTable(o, name, &data, &why);
        if (o.source->missing) {
            *error = o.incomplete();
            return false;
        }
        if (!ok) {
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
    const Opened o = open(path, error);
    QStringList names;
    if (!o)
        return names;
    for (unsigned i = 0; i < o.mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(o.mdb->catalog, i));
        const QString name = QString::fromUtf8(entry->object_name);
        if (entry->object_type == MDB_TABLE && !name.startsWith(QLatin1String("MSys"), Qt::CaseInsensitive))
            names << name;
    }
    return names;
}

}  // namespace jet
