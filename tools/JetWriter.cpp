#include "JetWriter.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

// File layout, in the order the pages are written:
//   0  header page (its tail masked with RC4 as Jet 4 does)
//   1  global usage map (row 0; a set bit would mean "free page", none is)
//   2  MSysObjects table definition (always page 2: readers start there)
//   then, table by table (MSysRelationships, the user tables, and finally the
//   rest of MSysObjects, whose rows need every other table's page):
//      table definition page(s), LVAL pages of each long-value column,
//      data pages, and the page(s) holding the table's usage-map rows.
// Usage maps are inline ("type 0") maps: a start page and one bit per page.
// A table's data map lists its data pages only, never its LVAL or map pages,
// because readers walk that map and take every listed page's rows as the
// table's rows.

namespace jet {
namespace {

constexpr int kPageSize = 4096;
constexpr int kRowCountOffset = 12;  // data pages: row count, then one offset per row
constexpr int kDataPageHeader = 14;
constexpr int kPageRowSpace = kPageSize - kDataPageHeader;  // rows plus their offsets
constexpr int kMaxRowsPerPage = 255;                        // a row is addressed by one byte
constexpr int kMaxRowBytes = 4060;                          // largest record Access keeps on a data page
constexpr int kMaxPageRowBytes = kPageRowSpace - 2;         // one row alone on a page
constexpr int kTdefHeader = 63;                             // bytes before the column entries
constexpr int kTdefContinuationHeader = 8;
constexpr int kColumnEntry = 25;
constexpr int kMapHeader = 5;      // map type, start page
constexpr int kMapMinBitmap = 64;  // Access's inline maps cover 512 pages
constexpr int kMaxPages = (kMaxPageRowBytes - kMapHeader) * 8;
constexpr int kLongValueHeader = 12;
constexpr int kInlineLongValueMax = 64;             // longer values go to LVAL pages
constexpr int kChainLinkBytes = 4;                  // next-row pointer of a multi-page value
constexpr quint32 kLongValueMaxBytes = 0x00FFFFFF;  // length field readers accept unflagged
constexpr int kMaxCompressedMemoChars = 1024;
constexpr int kMaxNameChars = 64;
constexpr int kMaxColumns = 255;
constexpr quint32 kJetMagic = 0x0659;
constexpr quint16 kSortGeneral = 0x0409;
constexpr quint16 kCodePage = 1252;
constexpr quint32 kSystemObjectFlag = 0x80000000u;
constexpr qint32 kContainerParent = 0x0F000000;
constexpr qint32 kDatabasesContainer = 0x0F000001;
constexpr qint32 kTablesContainer = 0x0F000002;
constexpr qint32 kRelationshipsContainer = 0x0F000003;
constexpr qint16 kObjectTable = 1;
constexpr qint16 kObjectContainer = 3;

enum ColType : quint8 {
    kBool = 0x01,
    kByte = 0x02,
    kInteger = 0x03,
    kLongInt = 0x04,
    kMoney = 0x05,
    kFloat = 0x06,
    kDouble = 0x07,
    kDateTime = 0x08,
    kBinary = 0x09,
    kText = 0x0A,
    kOle = 0x0B,
    kMemo = 0x0C,
    kNumeric = 0x10,
};

void put16(QByteArray &b, int at, quint16 v) { qToLittleEndian(v, b.data() + at); }
void put32(QByteArray &b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }
void append16(QByteArray &b, quint16 v)
{
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}
void append32(QByteArray &b, quint32 v)
{
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}

quint32 pageRow(int page, int row) { return (quint32(page) << 8) | quint32(row); }

// ---------------------------------------------------------------------------
// Values

struct Cell {
    bool null = true;
    QByteArray bytes;  // fixed columns: the stored bytes; others: the encoded text
};

struct Column {
    QString name;
    quint8 type = kText;
    int length = 0;  // the definition's column length in bytes (0 for long values)
    bool fixed = false;
    bool longValue = false;
    bool textual = false;
    int precision = 0;  // Decimal columns
    int scale = 0;
    int number = 0;
    int varIndex = 0;
    int fixedOffset = 0;
};

struct Table {
    QString name;
    bool system = false;
    QList<Column> columns;
    QList<QList<Cell>> rows;
    int varCount = 0;
    int fixedBytes = 0;
};

Column makeColumn(const QString &name, quint8 type, int textChars = 0)
{
    Column c;
    c.name = name;
    c.type = type;
    switch (type) {
    case kBool:
        c.fixed = true;
        c.length = 0;
        break;  // the value is the row's null-mask bit
    case kByte:
        c.fixed = true;
        c.length = 1;
        break;
    case kInteger:
        c.fixed = true;
        c.length = 2;
        break;
    case kLongInt:
        c.fixed = true;
        c.length = 4;
        break;
    case kFloat:
        c.fixed = true;
        c.length = 4;
        break;
    case kMoney:
    case kDouble:
    case kDateTime:
        c.fixed = true;
        c.length = 8;
        break;
    case kNumeric:
        c.fixed = true;
        c.length = 17;
        break;
    case kBinary: c.length = 255; break;
    case kText:
        c.textual = true;
        c.length = textChars * 2;
        break;
    case kMemo:
        c.textual = true;
        c.longValue = true;
        break;
    case kOle: c.longValue = true; break;
    }
    return c;
}

// Numbers the columns, places the fixed ones in the fixed area and orders the
// variable ones: ordinary first, long values last (a long value can move to
// its own page, so it is the one best kept at the end of the row).
void arrangeColumns(Table &t)
{
    int fixedOffset = 0, varIndex = 0;
    for (int i = 0; i < t.columns.size(); ++i) {
        Column &c = t.columns[i];
        c.number = i;
        if (c.fixed) {
            c.fixedOffset = fixedOffset;
            fixedOffset += c.length;
        } else if (!c.longValue) {
            c.varIndex = varIndex++;
        }
    }
    for (Column &c : t.columns)
        if (c.longValue)
            c.varIndex = varIndex++;
    t.varCount = varIndex;
    t.fixedBytes = fixedOffset;
}

QByteArray ucs2(const QString &s)
{
    QByteArray out;
    out.reserve(s.size() * 2);
    for (QChar ch : s)
        append16(out, ch.unicode());
    return out;
}

// Jet 4 "Unicode compression": after the marker FF FE, characters up to U+00FF
// take one byte; a zero byte switches to two-byte characters and back. A
// character whose low byte is zero cannot be written in the two-byte mode
// (the zero would read as a switch), so such a text is not compressible.
std::optional<QByteArray> compressed(const QString &s)
{
    QByteArray out("\xff\xfe", 2);
    bool oneByte = true;
    for (QChar ch : s) {
        const char16_t u = ch.unicode();
        if (u <= 0xFF) {
            if (!oneByte) {
                out.append('\0');
                oneByte = true;
            }
            out.append(char(u));
        } else {
            if ((u & 0xFF) == 0)
                return std::nullopt;
            if (oneByte) {
                out.append('\0');
                oneByte = false;
            }
            append16(out, u);
        }
    }
    return out;
}

// The stored form of a text: compressed when that is shorter and allowed,
// plain UCS-2 otherwise. Plain UCS-2 starting with U+FEFF would read as the
// compression marker, so it is compressed whatever its length or refused.
std::optional<QByteArray> storedText(const QString &s, bool mayCompress)
{
    QByteArray plain = ucs2(s);
    const bool ambiguous = !s.isEmpty() && s.front().unicode() == 0xFEFF;
    if (mayCompress || ambiguous) {
        std::optional<QByteArray> c = compressed(s);
        if (c && (ambiguous || c->size() < plain.size()))
            return c;
    }
    if (ambiguous)
        return std::nullopt;
    return plain;
}

Cell nullCell() { return {}; }
Cell longCell(qint32 v)
{
    Cell c{false, QByteArray(4, '\0')};
    put32(c.bytes, 0, quint32(v));
    return c;
}
Cell intCell(qint16 v)
{
    Cell c{false, QByteArray(2, '\0')};
    put16(c.bytes, 0, quint16(v));
    return c;
}
Cell dateCell(double days)
{
    Cell c{false, QByteArray(8, '\0')};
    quint64 bits;
    std::memcpy(&bits, &days, sizeof bits);
    qToLittleEndian(bits, c.bytes.data());
    return c;
}
Cell textCell(const QString &s)
{
    // Only used for names already checked to be compressible or plain.
    return Cell{false, storedText(s, true).value_or(ucs2(s))};
}

// ---------------------------------------------------------------------------
// Checking what the caller gives

QString quoted(const QString &s) { return QStringLiteral("«%1»").arg(s); }

QString where(const QString &table, const QString &column = {}, int row = -1)
{
    QString w = QStringLiteral("tabla %1").arg(quoted(table));
    if (!column.isNull())
        w += QStringLiteral(", columna %1").arg(quoted(column));
    if (row >= 0)
        w += QStringLiteral(", fila %1").arg(row + 1);
    return w;
}

// Characters every reader gives back as written: no NUL (texts are read as C
// strings) and nothing outside the Basic Multilingual Plane (read as UCS-2).
QString badCharacter(const QString &s)
{
    for (int i = 0; i < s.size(); ++i) {
        const QChar ch = s.at(i);
        if (ch.unicode() == 0)
            return QStringLiteral("contiene el carácter nulo (U+0000) en la posición %1").arg(i + 1);
        if (ch.isSurrogate())
            return QStringLiteral("contiene un carácter fuera del plano básico de Unicode en la posición %1, "
                                  "que los lectores de Jet no devuelven")
                .arg(i + 1);
    }
    return {};
}

QString badName(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("el nombre está vacío");
    if (name.size() > kMaxNameChars)
        return QStringLiteral("el nombre tiene %1 caracteres y Access admite %2").arg(name.size()).arg(kMaxNameChars);
    if (name.front().isSpace() || name.back().isSpace())
        return QStringLiteral("el nombre empieza o termina con un espacio");
    const QString bad = badCharacter(name);
    if (!bad.isEmpty())
        return QStringLiteral("el nombre ") + bad;
    for (QChar ch : name) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            return QStringLiteral("el nombre contiene caracteres de control");
        if (QStringLiteral(".!`[]\"").contains(ch))
            return QStringLiteral("el nombre contiene el carácter «%1», que Access no admite en nombres").arg(ch);
    }
    if (name.startsWith(QLatin1String("MSys"), Qt::CaseInsensitive))
        return QStringLiteral("los nombres que empiezan por «MSys» son de las tablas del sistema");
    if (storedText(name, true) == std::nullopt)
        return QStringLiteral("el nombre empieza con U+FEFF y no se puede guardar sin ambigüedad");
    return {};
}

std::optional<qint64> integerValue(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::SChar:
    case QMetaType::Char: return v.toLongLong();
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar: {
        const qulonglong u = v.toULongLong();
        if (u > qulonglong(std::numeric_limits<qint64>::max()))
            return std::numeric_limits<qint64>::max();
        return qint64(u);
    }
    default: return std::nullopt;
    }
}

bool isNullValue(const QVariant &v) { return !v.isValid() || v.isNull(); }

constexpr int kMaxDecimalDigits = 28;

quint8 fixedType(ColumnDef::Type type)
{
    switch (type) {
    case ColumnDef::Type::Byte: return kByte;
    case ColumnDef::Type::Integer: return kInteger;
    case ColumnDef::Type::Single: return kFloat;
    case ColumnDef::Type::Double: return kDouble;
    case ColumnDef::Type::Currency: return kMoney;
    case ColumnDef::Type::Decimal: return kNumeric;
    case ColumnDef::Type::YesNo: return kBool;
    case ColumnDef::Type::DateTime: return kDateTime;
    default: return kLongInt;
    }
}

std::optional<double> numberValue(const QVariant &v)
{
    if (const std::optional<qint64> n = integerValue(v))
        return double(*n);
    if (v.metaType().id() == QMetaType::Double || v.metaType().id() == QMetaType::Float)
        return v.toDouble();
    return std::nullopt;
}

Cell bytesCell(const void *data, int size) { return Cell{false, QByteArray(static_cast<const char *>(data), size)}; }

// Jet's Decimal: a sign byte (0x80 for negative) and the unscaled value as a
// 128-bit magnitude stored as four 32-bit little-endian words, most
// significant word first.
std::optional<QByteArray> decimalBytes(const QVariant &v, int precision, int scale)
{
    QString text;
    if (const std::optional<qint64> n = integerValue(v))
        text = QString::number(*n);
    else if (v.metaType().id() == QMetaType::QString)
        text = v.toString();
    else
        return std::nullopt;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative || text.startsWith(QLatin1Char('+')))
        text.remove(0, 1);
    QString whole = text.section(QLatin1Char('.'), 0, 0), fraction = text.section(QLatin1Char('.'), 1);
    if (text.count(QLatin1Char('.')) > 1 || (whole.isEmpty() && fraction.isEmpty()) || fraction.size() > scale)
        return std::nullopt;
    QString digits = whole + fraction.leftJustified(scale, QLatin1Char('0'));
    for (QChar ch : std::as_const(digits))
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits.remove(0, 1);
    if (digits.size() > precision)
        return std::nullopt;
    __extension__ unsigned __int128 magnitude = 0;
    for (QChar ch : std::as_const(digits))
        magnitude = magnitude * 10 + unsigned(ch.unicode() - '0');
    QByteArray b(17, '\0');
    b[0] = char(negative && magnitude != 0 ? 0x80 : 0x00);
    for (int word = 0; word < 4; ++word)
        put32(b, 1 + 4 * (3 - word), quint32(quint64(magnitude >> (32 * word)) & 0xFFFFFFFFu));
    return b;
}

// Days since 30 December 1899; before that day the time of day is still
// counted forwards, so -1.25 is 29 December 1899 at 06:00.
std::optional<double> dateValue(const QVariant &v)
{
    QDateTime when;
    if (v.metaType().id() == QMetaType::QDateTime)
        when = v.toDateTime();
    else if (v.metaType().id() == QMetaType::QDate)
        when = v.toDate().startOfDay(Qt::UTC);
    else
        return std::nullopt;
    if (!when.isValid())
        return std::nullopt;
    const qint64 days = QDate(1899, 12, 30).daysTo(when.date());
    const double time = when.time().msecsSinceStartOfDay() / 86400000.0;
    return days >= 0 ? double(days) + time : double(days) - time;
}

// The stored bytes of a value of a fixed-size column; the reason it cannot
// be stored otherwise.
QString fixedCell(const ColumnDef &cd, const QVariant &v, Cell *out)
{
    const QString type = QString::fromLatin1(v.typeName());
    auto integer = [&](const QString &kind, qint64 low, qint64 high, std::optional<qint64> *n) -> QString {
        *n = integerValue(v);
        if (!*n)
            return QStringLiteral("un campo %1 necesita un número entero y el valor es de tipo %2").arg(kind, type);
        if (**n < low || **n > high)
            return QStringLiteral("%1 no cabe en un %2 (%3 a %4)").arg(**n).arg(kind).arg(low).arg(high);
        return {};
    };
    std::optional<qint64> n;
    QString why;
    switch (cd.type) {
    case ColumnDef::Type::Byte:
        why = integer(QStringLiteral("Byte"), 0, 255, &n);
        if (why.isEmpty()) {
            const quint8 b = quint8(*n);
            *out = bytesCell(&b, 1);
        }
        return why;
    case ColumnDef::Type::Integer:
        why = integer(QStringLiteral("Entero"), std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max(),
                      &n);
        if (why.isEmpty())
            *out = intCell(qint16(*n));
        return why;
    case ColumnDef::Type::LongInteger:
        why = integer(QStringLiteral("Entero largo"), std::numeric_limits<qint32>::min(),
                      std::numeric_limits<qint32>::max(), &n);
        if (why.isEmpty())
            *out = longCell(qint32(*n));
        return why;
    case ColumnDef::Type::Single:
    case ColumnDef::Type::Double:
    case ColumnDef::Type::Currency: {
        const std::optional<double> x = numberValue(v);
        if (!x || !std::isfinite(*x))
            return QStringLiteral("un campo numérico necesita un número finito y el valor es de tipo %1").arg(type);
        if (cd.type == ColumnDef::Type::Single) {
            const float f = float(*x);
            quint32 bits;
            std::memcpy(&bits, &f, sizeof bits);
            *out = Cell{false, QByteArray(4, '\0')};
            put32(out->bytes, 0, bits);
        } else if (cd.type == ColumnDef::Type::Double) {
            *out = dateCell(*x);  // the same eight bytes: a little-endian double
        } else {
            // Ten-thousandths in a 64-bit integer.
            if (std::fabs(*x) >= 922337203685477.0)
                return QStringLiteral("%1 no cabe en un campo Moneda").arg(*x);
            const qint64 units = std::llround(*x * 10000.0);
            *out = Cell{false, QByteArray(8, '\0')};
            qToLittleEndian(units, out->bytes.data());
        }
        return {};
    }
    case ColumnDef::Type::Decimal: {
        const std::optional<QByteArray> b = decimalBytes(v, cd.precision, cd.scale);
        if (!b)
            return QStringLiteral("el valor no es un número decimal de %1 cifras con %2 decimales como máximo")
                .arg(cd.precision)
                .arg(cd.scale);
        *out = Cell{false, *b};
        return {};
    }
    case ColumnDef::Type::YesNo:
        if (v.metaType().id() != QMetaType::Bool)
            return QStringLiteral("un campo Sí/No necesita un valor booleano y el valor es de tipo %1").arg(type);
        // Yes sets the column's null-mask bit; No leaves it clear.
        *out = v.toBool() ? Cell{false, {}} : nullCell();
        return {};
    case ColumnDef::Type::DateTime: {
        const std::optional<double> days = dateValue(v);
        if (!days)
            return QStringLiteral("un campo Fecha/Hora necesita una fecha válida y el valor es de tipo %1").arg(type);
        *out = dateCell(*days);
        return {};
    }
    default: return QStringLiteral("tipo de columna desconocido");
    }
}

bool convertTable(const TableDef &def, Table *out, QString *error)
{
    QString why = badName(def.name);
    if (!why.isEmpty()) {
        *error = QStringLiteral("Tabla %1: %2.").arg(quoted(def.name), why);
        return false;
    }
    if (def.columns.isEmpty()) {
        *error = QStringLiteral("Tabla %1: no tiene columnas.").arg(quoted(def.name));
        return false;
    }
    if (def.columns.size() > kMaxColumns) {
        *error = QStringLiteral("Tabla %1: tiene %2 columnas y Access admite %3.")
                     .arg(quoted(def.name))
                     .arg(def.columns.size())
                     .arg(kMaxColumns);
        return false;
    }
    Table t;
    t.name = def.name;
    for (const ColumnDef &cd : def.columns) {
        why = badName(cd.name);
        if (!why.isEmpty()) {
            *error = QStringLiteral("En la %1: %2.").arg(where(def.name, cd.name), why);
            return false;
        }
        for (const Column &other : std::as_const(t.columns)) {
            if (other.name.compare(cd.name, Qt::CaseInsensitive) == 0) {
                *error =
                    QStringLiteral("Tabla %1: la columna %2 está repetida.").arg(quoted(def.name), quoted(cd.name));
                return false;
            }
        }
        switch (cd.type) {
        case ColumnDef::Type::Text:
            if (cd.maxLength < 1 || cd.maxLength > 255) {
                *error = QStringLiteral("En la %1: la longitud %2 no es válida para un campo de texto (1 a 255).")
                             .arg(where(def.name, cd.name))
                             .arg(cd.maxLength);
                return false;
            }
            t.columns << makeColumn(cd.name, kText, cd.maxLength);
            break;
        case ColumnDef::Type::Memo: t.columns << makeColumn(cd.name, kMemo); break;
        case ColumnDef::Type::Decimal:
            if (cd.precision < 1 || cd.precision > kMaxDecimalDigits || cd.scale < 0 || cd.scale > cd.precision) {
                *error = QStringLiteral("En la %1: la precisión %2 y la escala %3 no son válidas para un campo "
                                        "decimal (precisión de 1 a %4, escala de 0 a la precisión).")
                             .arg(where(def.name, cd.name))
                             .arg(cd.precision)
                             .arg(cd.scale)
                             .arg(kMaxDecimalDigits);
                return false;
            }
            t.columns << makeColumn(cd.name, kNumeric);
            t.columns.last().precision = cd.precision;
            t.columns.last().scale = cd.scale;
            break;
        default: t.columns << makeColumn(cd.name, fixedType(cd.type)); break;
        }
    }
    arrangeColumns(t);

    t.rows.reserve(def.rows.size());
    for (int r = 0; r < def.rows.size(); ++r) {
        const QList<QVariant> &values = def.rows.at(r);
        if (values.size() != def.columns.size()) {
            *error = QStringLiteral("En la %1: tiene %2 valores y la tabla tiene %3 columnas.")
                         .arg(where(def.name, {}, r))
                         .arg(values.size())
                         .arg(def.columns.size());
            return false;
        }
        QList<Cell> cells;
        cells.reserve(values.size());
        for (int c = 0; c < values.size(); ++c) {
            const QVariant &v = values.at(c);
            const ColumnDef &cd = def.columns.at(c);
            const QString at = where(def.name, cd.name, r);
            if (isNullValue(v)) {
                cells << nullCell();
                continue;
            }
            if (cd.type != ColumnDef::Type::Text && cd.type != ColumnDef::Type::Memo) {
                Cell cell;
                why = fixedCell(cd, v, &cell);
                if (!why.isEmpty()) {
                    *error = QStringLiteral("En la %1: %2.").arg(at, why);
                    return false;
                }
                cells << cell;
                continue;
            }
            if (v.metaType().id() != QMetaType::QString) {
                *error =
                    QStringLiteral("En la %1: un campo de texto o memo necesita un texto y el valor es de tipo %2.")
                        .arg(at, QString::fromLatin1(v.typeName()));
                return false;
            }
            const QString s = v.toString();
            why = badCharacter(s);
            if (!why.isEmpty()) {
                *error = QStringLiteral("En la %1: el texto %2.").arg(at, why);
                return false;
            }
            if (cd.type == ColumnDef::Type::Text && s.size() > cd.maxLength) {
                *error = QStringLiteral("En la %1: el texto tiene %2 caracteres y la columna admite %3.")
                             .arg(at)
                             .arg(s.size())
                             .arg(cd.maxLength);
                return false;
            }
            const bool mayCompress = cd.type == ColumnDef::Type::Text || s.size() <= kMaxCompressedMemoChars;
            std::optional<QByteArray> stored = storedText(s, mayCompress);
            if (!stored) {
                *error = QStringLiteral("En la %1: el texto empieza con U+FEFF y contiene caracteres que impiden "
                                        "guardarlo sin ambigüedad.")
                             .arg(at);
                return false;
            }
            if (quint64(stored->size()) > kLongValueMaxBytes) {
                *error = QStringLiteral("En la %1: el memo tiene %2 caracteres y ocupa %3 bytes; un valor largo "
                                        "admite como máximo %4 bytes.")
                             .arg(at)
                             .arg(s.size())
                             .arg(stored->size())
                             .arg(kLongValueMaxBytes);
                return false;
            }
            cells << Cell{false, *stored};
        }
        t.rows << cells;
    }
    *out = t;
    return true;
}

// ---------------------------------------------------------------------------
// Pages

class PageFile {
public:
    int newPage()
    {
        m_pages.append(QByteArray(kPageSize, '\0'));
        return int(m_pages.size() - 1);
    }
    QByteArray &page(int n) { return m_pages[n]; }
    int count() const { return int(m_pages.size()); }
    const QList<QByteArray> &pages() const { return m_pages; }

private:
    QList<QByteArray> m_pages;
};

// Rows packed into pages laid out as data pages: page type 1, free space,
// owner (a table definition page, "LVAL", or 0 for usage-map pages), row
// count and row offsets, the rows themselves stored from the end of the page
// backwards.
class RowPages {
public:
    RowPages(PageFile &file, QByteArray owner, int firstPage = -1)
        : m_file(file), m_owner(std::move(owner)), m_firstPage(firstPage)
    { }

    // Room for one more row on the current page (0 when there is none).
    int room() const
    {
        if (m_pages.isEmpty() || m_pages.last().rows.size() >= kMaxRowsPerPage)
            return 0;
        return std::max(0, kPageRowSpace - m_pages.last().used - 2);
    }

    void startPage()
    {
        const int n = m_firstPage >= 0 && m_pages.isEmpty() ? m_firstPage : m_file.newPage();
        m_pages.append(Page{n, {}, 0});
    }

    quint32 add(const QByteArray &row)
    {
        Q_ASSERT(row.size() <= kMaxPageRowBytes);
        if (room() < row.size())
            startPage();
        Page &p = m_pages.last();
        p.rows.append(row);
        p.used += int(row.size()) + 2;
        return pageRow(p.number, int(p.rows.size() - 1));
    }

    QByteArray &row(quint32 ref)
    {
        const int page = int(ref >> 8);
        for (Page &p : m_pages)
            if (p.number == page)
                return p.rows[int(ref & 0xFF)];
        Q_UNREACHABLE();
    }

    QList<int> pages() const
    {
        QList<int> out;
        for (const Page &p : m_pages)
            out << p.number;
        return out;
    }

    // Pages that could still take a row, for the free-space maps.
    QList<int> pagesWithRoom() const
    {
        QList<int> out;
        for (const Page &p : m_pages)
            if (p.rows.size() < kMaxRowsPerPage && kPageRowSpace - p.used > 2)
                out << p.number;
        return out;
    }

    void render()
    {
        for (const Page &p : std::as_const(m_pages)) {
            QByteArray &b = m_file.page(p.number);
            b[0] = 0x01;
            b[1] = 0x01;
            put16(b, 2, quint16(kPageRowSpace - p.used));
            std::memcpy(b.data() + 4, m_owner.constData(), 4);
            put16(b, kRowCountOffset, quint16(p.rows.size()));
            int end = kPageSize;
            for (int i = 0; i < p.rows.size(); ++i) {
                const QByteArray &r = p.rows.at(i);
                end -= int(r.size());
                std::memcpy(b.data() + end, r.constData(), size_t(r.size()));
                put16(b, kDataPageHeader + 2 * i, quint16(end));
            }
        }
    }

private:
    struct Page {
        int number;
        QList<QByteArray> rows;
        int used;  // bytes of rows and their offsets
    };
    PageFile &m_file;
    QByteArray m_owner;
    int m_firstPage;
    QList<Page> m_pages;
};

QByteArray ownerBytes(int tdefPage)
{
    QByteArray o(4, '\0');
    put32(o, 0, quint32(tdefPage));
    return o;
}

// An inline usage map: type 0, the first page it covers, one bit per page.
std::optional<QByteArray> inlineMap(QList<int> pages, int minBits = 0)
{
    std::sort(pages.begin(), pages.end());
    const int start = pages.isEmpty() ? 0 : pages.first();
    const int span = std::max(pages.isEmpty() ? 0 : pages.last() - start + 1, minBits);
    const int bitmap = std::max(kMapMinBitmap, (span + 7) / 8);
    if (kMapHeader + bitmap > kMaxPageRowBytes)
        return std::nullopt;
    QByteArray m(kMapHeader + bitmap, '\0');
    m[0] = 0x00;
    put32(m, 1, quint32(start));
    for (int p : pages) {
        const int bit = p - start;
        m[kMapHeader + bit / 8] = char(quint8(m[kMapHeader + bit / 8]) | (1u << (bit % 8)));
    }
    return m;
}

int rowBytes(const Table &t, const QList<int> &varSizes)
{
    const int mask = (int(t.columns.size()) + 7) / 8;
    int size = 2 + t.fixedBytes + mask;
    if (t.varCount > 0) {
        size += 2 + 2 * t.varCount + 2;
        for (int s : varSizes)
            size += s;
    }
    return size;
}

// One row as Jet 4 stores it: column count, fixed area, variable data, end of
// the variable data, the variable columns' offsets last to first, their
// count, and the null mask (bit set = value present).
QByteArray rowImage(const Table &t, const QList<Cell> &cells)
{
    QByteArray row;
    append16(row, quint16(t.columns.size()));
    const int fixedStart = int(row.size());
    row.append(QByteArray(t.fixedBytes, '\0'));
    for (const Column &c : t.columns)
        if (c.fixed && !cells.at(c.number).null)
            std::memcpy(row.data() + fixedStart + c.fixedOffset, cells.at(c.number).bytes.constData(),
                        size_t(c.length));
    if (t.varCount > 0) {
        QList<const Column *> byVar(t.varCount, nullptr);
        for (const Column &c : t.columns)
            if (!c.fixed)
                byVar[c.varIndex] = &c;
        QList<quint16> offsets;
        for (const Column *c : std::as_const(byVar)) {
            offsets << quint16(row.size());
            const Cell &cell = cells.at(c->number);
            if (!cell.null)
                row.append(cell.bytes);
        }
        append16(row, quint16(row.size()));
        for (int i = int(offsets.size()) - 1; i >= 0; --i)
            append16(row, offsets.at(i));
        append16(row, quint16(t.varCount));
    }
    QByteArray mask((int(t.columns.size()) + 7) / 8, '\0');
    for (const Column &c : t.columns)
        if (!cells.at(c.number).null)
            mask[c.number / 8] = char(quint8(mask[c.number / 8]) | (1u << (c.number % 8)));
    row.append(mask);
    return row;
}

QByteArray longValueHeader(quint32 lengthAndFlags, quint32 ref)
{
    QByteArray h(kLongValueHeader, '\0');
    put32(h, 0, lengthAndFlags);
    put32(h, 4, ref);
    return h;
}

// The table definition as one byte stream, page header included; pages after
// the first continue it behind their own 8-byte header.
QByteArray tableDefinition(const Table &t, quint32 usedMap, quint32 freeMap,
                           const QList<std::pair<quint32, quint32>> &longValueMaps)
{
    QByteArray b(kTdefHeader, '\0');
    b[0] = 0x02;
    b[1] = 0x01;
    put32(b, 12, kJetMagic);
    put32(b, 16, quint32(t.rows.size()));
    b[24] = 0x01;  // autonumbering on, as Access writes it
    b[40] = char(t.system ? 0x53 : 0x4E);
    put16(b, 41, quint16(t.columns.size()));
    put16(b, 43, quint16(t.varCount));
    put16(b, 45, quint16(t.columns.size()));
    put32(b, 47, 0);  // logical indexes
    put32(b, 51, 0);  // index entries
    put32(b, 55, usedMap);
    put32(b, 59, freeMap);
    for (const Column &c : t.columns) {
        QByteArray e(kColumnEntry, '\0');
        e[0] = char(c.type);
        put32(e, 1, kJetMagic);
        put16(e, 5, quint16(c.number));
        put16(e, 7, quint16(c.fixed ? 0 : c.varIndex));
        put16(e, 9, quint16(c.number));
        if (c.textual)
            put16(e, 11, kSortGeneral);
        if (c.type == kNumeric) {
            e[11] = char(c.precision);
            e[12] = char(c.scale);
        }
        e[15] = char(c.fixed ? 0x03 : 0x02);
        e[16] = char(c.textual ? 0x01 : 0x00);  // Unicode compression
        put16(e, 21, quint16(c.fixed ? c.fixedOffset : 0));
        put16(e, 23, quint16(c.length));
        b.append(e);
    }
    for (const Column &c : t.columns) {
        const QByteArray name = ucs2(c.name);
        append16(b, quint16(name.size()));
        b.append(name);
    }
    int lv = 0;
    for (const Column &c : t.columns) {
        if (!c.longValue)
            continue;
        append16(b, quint16(c.number));
        append32(b, longValueMaps.at(lv).first);
        append32(b, longValueMaps.at(lv).second);
        ++lv;
    }
    append16(b, 0xFFFF);
    put32(b, 8, quint32(b.size()));
    return b;
}

int definitionPages(int bytes)
{
    // A reader moves to the next page as soon as a field reaches the end of
    // one, so a definition ending exactly there still needs the next page.
    int pages = 1;
    for (int rest = bytes - kPageSize; rest >= 0; rest -= kPageSize - kTdefContinuationHeader)
        ++pages;
    return pages;
}

void writeDefinition(PageFile &file, const QList<int> &pages, const QByteArray &def)
{
    int from = 0;
    for (int i = 0; i < pages.size(); ++i) {
        QByteArray &b = file.page(pages.at(i));
        const int at = i == 0 ? 0 : kTdefContinuationHeader;
        const int n = std::min<int>(int(def.size()) - from, kPageSize - at);
        if (n > 0)
            std::memcpy(b.data() + at, def.constData() + from, size_t(n));
        from += std::max(n, 0);
        b[0] = 0x02;
        b[1] = 0x01;
        put16(b, 2, quint16(kPageSize - at - std::max(n, 0)));
        put32(b, 4, quint32(i + 1 < pages.size() ? pages.at(i + 1) : 0));
    }
}

class Layout {
public:
    explicit Layout(PageFile &file) : m_file(file) { }

    // Lays one table out; tdefPage is its definition page when already
    // reserved (MSysObjects), -1 to take the next free one.
    bool place(Table &t, int tdefPage, int *placedAt, QString *error)
    {
        QList<std::pair<quint32, quint32>> noMaps;
        for (const Column &c : std::as_const(t.columns))
            if (c.longValue)
                noMaps.append({0, 0});
        const int defBytes = int(tableDefinition(t, 0, 0, noMaps).size());
        QList<int> defPages;
        defPages << (tdefPage >= 0 ? tdefPage : m_file.newPage());
        while (defPages.size() < definitionPages(defBytes))
            defPages << m_file.newPage();
        *placedAt = defPages.first();

        // Long values: inline when short and the row has room, otherwise in
        // the column's LVAL pages, as one row (up to a page) or as a chain of
        // rows each pointing to the next.
        QList<RowPages *> lval;
        for (const Column &c : std::as_const(t.columns))
            lval << (c.longValue ? new RowPages(m_file, QByteArray("LVAL", 4)) : nullptr);
        const auto cleanup = qScopeGuard([&] { qDeleteAll(lval); });

        RowPages data(m_file, ownerBytes(defPages.first()));
        for (int r = 0; r < t.rows.size(); ++r) {
            QList<Cell> cells = t.rows.at(r);
            QList<int> varSizes(t.varCount, 0);
            for (const Column &c : std::as_const(t.columns)) {
                if (c.fixed || cells.at(c.number).null)
                    continue;
                varSizes[c.varIndex] = c.longValue ? kLongValueHeader : int(cells.at(c.number).bytes.size());
            }
            int size = rowBytes(t, varSizes);
            if (size > kMaxRowBytes) {
                *error = QStringLiteral("En la %1: la fila ocupa %2 bytes y una página de datos admite como máximo "
                                        "%3.")
                             .arg(where(t.name, {}, r))
                             .arg(size)
                             .arg(kMaxRowBytes);
                return false;
            }
            for (const Column &c : std::as_const(t.columns)) {
                if (!c.longValue || cells.at(c.number).null)
                    continue;
                Cell &cell = cells[c.number];
                const QByteArray value = cell.bytes;
                const quint32 length = quint32(value.size());
                if (value.size() <= kInlineLongValueMax && size + value.size() <= kMaxRowBytes) {
                    size += int(value.size());
                    cell.bytes = longValueHeader(length | 0x80000000u, 0) + value;
                } else if (value.size() <= kMaxPageRowBytes) {
                    const quint32 ref = lval[c.number]->add(value);
                    cell.bytes = longValueHeader(length | 0x40000000u, ref);
                } else {
                    cell.bytes = longValueHeader(length, chain(*lval[c.number], value));
                }
            }
            data.add(rowImage(t, cells));
        }

        // Usage maps: data pages, pages with room, and the same two for each
        // long-value column's LVAL pages.
        RowPages maps(m_file, ownerBytes(0));
        auto addMap = [&](const QList<int> &pages, quint32 *ref) {
            const std::optional<QByteArray> m = inlineMap(pages);
            if (!m) {
                *error =
                    QStringLiteral("La tabla %1 ocupa demasiadas páginas para un mapa de uso.").arg(quoted(t.name));
                return false;
            }
            *ref = maps.add(*m);
            return true;
        };
        quint32 usedMap = 0, freeMap = 0;
        if (!addMap(data.pages(), &usedMap) || !addMap(data.pagesWithRoom(), &freeMap))
            return false;
        QList<std::pair<quint32, quint32>> lvMaps;
        for (const Column &c : std::as_const(t.columns)) {
            if (!c.longValue)
                continue;
            quint32 used = 0, free = 0;
            if (!addMap(lval[c.number]->pages(), &used) || !addMap(lval[c.number]->pagesWithRoom(), &free))
                return false;
            lvMaps.append({used, free});
        }

        writeDefinition(m_file, defPages, tableDefinition(t, usedMap, freeMap, lvMaps));
        for (RowPages *p : std::as_const(lval))
            if (p)
                p->render();
        data.render();
        maps.render();
        return true;
    }

private:
    // Stores a value too long for one row as linked rows; returns the first.
    static quint32 chain(RowPages &pages, const QByteArray &value)
    {
        constexpr int kReuseAtLeast = 512;  // smaller leftovers start a new page
        QList<quint32> refs;
        int from = 0;
        while (from < value.size()) {
            int room = pages.room() - kChainLinkBytes;
            if (room < kReuseAtLeast) {
                pages.startPage();
                room = pages.room() - kChainLinkBytes;
            }
            const int n = std::min<int>(room, int(value.size()) - from);
            refs << pages.add(QByteArray(kChainLinkBytes, '\0') + value.mid(from, n));
            from += n;
        }
        for (int i = 0; i + 1 < refs.size(); ++i)
            put32(pages.row(refs.at(i)), 0, refs.at(i + 1));
        return refs.first();
    }

    PageFile &m_file;
};

// ---------------------------------------------------------------------------
// The system tables

// Access's creation stamp for every object; fixed so that the same tables
// always give the same file.
double creationDate() { return double(QDate(1899, 12, 30).daysTo(QDate(2002, 1, 1))); }

Table catalogTable()
{
    Table t;
    t.name = QStringLiteral("MSysObjects");
    t.system = true;
    t.columns = {
        makeColumn(QStringLiteral("Id"), kLongInt),
        makeColumn(QStringLiteral("ParentId"), kLongInt),
        makeColumn(QStringLiteral("Name"), kText, 255),
        makeColumn(QStringLiteral("Type"), kInteger),
        makeColumn(QStringLiteral("DateCreate"), kDateTime),
        makeColumn(QStringLiteral("DateUpdate"), kDateTime),
        makeColumn(QStringLiteral("Owner"), kBinary),
        makeColumn(QStringLiteral("Flags"), kLongInt),
        makeColumn(QStringLiteral("Database"), kMemo),
        makeColumn(QStringLiteral("Connect"), kMemo),
        makeColumn(QStringLiteral("ForeignName"), kText, 255),
        makeColumn(QStringLiteral("RmtInfoShort"), kBinary),
        makeColumn(QStringLiteral("RmtInfoLong"), kOle),
        makeColumn(QStringLiteral("Lv"), kOle),
        makeColumn(QStringLiteral("LvProp"), kOle),
        makeColumn(QStringLiteral("LvModule"), kOle),
        makeColumn(QStringLiteral("LvExtra"), kOle),
    };
    arrangeColumns(t);
    return t;
}

QList<Cell> catalogRow(const Table &catalog, qint32 id, qint32 parent, const QString &name, qint16 type, quint32 flags)
{
    QList<Cell> cells(catalog.columns.size());
    const double stamp = creationDate();
    cells[0] = longCell(id);
    cells[1] = longCell(parent);
    cells[2] = textCell(name);
    cells[3] = intCell(type);
    cells[4] = dateCell(stamp);
    cells[5] = dateCell(stamp);
    cells[7] = longCell(qint32(flags));
    return cells;
}

Table relationshipsTable()
{
    Table t;
    t.name = QStringLiteral("MSysRelationships");
    t.system = true;
    t.columns = {
        makeColumn(QStringLiteral("ccolumn"), kLongInt),
        makeColumn(QStringLiteral("grbit"), kLongInt),
        makeColumn(QStringLiteral("icolumn"), kLongInt),
        makeColumn(QStringLiteral("szColumn"), kText, 64),
        makeColumn(QStringLiteral("szObject"), kText, 64),
        makeColumn(QStringLiteral("szReferencedColumn"), kText, 64),
        makeColumn(QStringLiteral("szReferencedObject"), kText, 64),
        makeColumn(QStringLiteral("szRelationship"), kText, 64),
    };
    arrangeColumns(t);
    return t;
}

// RC4, as Jet 4 masks the header page from 0x18 on with the key 0x6b39dac7.
void rc4(const QByteArray &key, char *data, int length)
{
    quint8 s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = quint8(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + quint8(key[i % key.size()])) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (int n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[n] = char(quint8(data[n]) ^ s[(s[i] + s[j]) & 0xFF]);
    }
}

void writeHeader(QByteArray &b)
{
    b[0] = 0x00;
    b[1] = 0x01;
    std::memcpy(b.data() + 4, "Standard Jet DB", 16);  // with its terminating zero
    put32(b, 0x14, 1);                                 // Jet 4
    put16(b, 0x3C, kCodePage);
    put32(b, 0x3E, 0);  // no encryption key
    // No password: the 40-byte password field holds the mask derived from the
    // creation date, which cancels out to an empty password.
    const double created = creationDate();
    QByteArray mask(4, '\0');
    put32(mask, 0, quint32(qint32(created)));
    for (int i = 0; i < 40; ++i)
        b[0x42 + i] = mask[i % 4];
    put16(b, 0x6E, kSortGeneral);
    QByteArray date = dateCell(created).bytes;
    std::memcpy(b.data() + 0x72, date.constData(), 8);
    QByteArray key(4, '\0');
    put32(key, 0, 0x6b39dac7u);
    rc4(key, b.data() + 0x18, 128);
}

bool buildFile(const QList<TableDef> &defs, PageFile *file, QString *error)
{
    QList<Table> tables;
    for (const TableDef &def : defs) {
        Table t;
        if (!convertTable(def, &t, error))
            return false;
        for (const Table &other : std::as_const(tables)) {
            if (other.name.compare(t.name, Qt::CaseInsensitive) == 0) {
                *error = QStringLiteral("La tabla %1 está repetida.").arg(quoted(t.name));
                return false;
            }
        }
        tables << t;
    }

    const int headerPage = file->newPage();
    const int globalMapPage = file->newPage();
    const int catalogPage = file->newPage();
    Layout layout(*file);

    Table relationships = relationshipsTable();
    int relationshipsPage = 0;
    if (!layout.place(relationships, -1, &relationshipsPage, error))
        return false;
    QList<int> userPages;
    for (Table &t : tables) {
        int page = 0;
        if (!layout.place(t, -1, &page, error))
            return false;
        userPages << page;
        if (file->count() > kMaxPages)
            break;
    }

    Table catalog = catalogTable();
    catalog.rows << catalogRow(catalog, kDatabasesContainer, kContainerParent, QStringLiteral("Databases"),
                               kObjectContainer, kSystemObjectFlag)
                 << catalogRow(catalog, kTablesContainer, kContainerParent, QStringLiteral("Tables"), kObjectContainer,
                               kSystemObjectFlag)
                 << catalogRow(catalog, kRelationshipsContainer, kContainerParent, QStringLiteral("Relationships"),
                               kObjectContainer, kSystemObjectFlag)
                 << catalogRow(catalog, catalogPage, kTablesContainer, catalog.name, kObjectTable, kSystemObjectFlag)
                 << catalogRow(catalog, relationshipsPage, kTablesContainer, relationships.name, kObjectTable,
                               kSystemObjectFlag);
    for (int i = 0; i < tables.size() && i < userPages.size(); ++i)
        catalog.rows << catalogRow(catalog, userPages.at(i), kTablesContainer, tables.at(i).name, kObjectTable, 0);
    int placed = 0;
    if (!layout.place(catalog, catalogPage, &placed, error))
        return false;

    if (file->count() > kMaxPages) {
        *error = QStringLiteral("La base de datos necesitaría más de %1 páginas (unos %2 MB), más de lo que este "
                                "escritor guarda.")
                     .arg(kMaxPages)
                     .arg(qint64(kMaxPages) * kPageSize / 1000000);
        return false;
    }
    // Page 1, row 0: the global usage map, covering every page of the file
    // with no page marked free.
    RowPages global(*file, ownerBytes(0), globalMapPage);
    QList<int> none;
    global.add(*inlineMap(none, file->count()));
    global.render();
    writeHeader(file->page(headerPage));
    return true;
}

}  // namespace

bool JetWriter::write(const QString &path, const QList<TableDef> &tables, QString *error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    auto fail = [&](const QString &message) {
        *error = message;
        if (!path.isEmpty() && QFileInfo(path).isFile())
            QFile::remove(path);
        return false;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("No se ha indicado la ruta del archivo de base de datos."));

    PageFile file;
    QString why;
    if (!buildFile(tables, &file, &why))
        return fail(QStringLiteral("No se puede escribir %1. %2").arg(path, why));

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("No se puede crear %1: %2.").arg(path, out.errorString()));
    for (const QByteArray &page : file.pages()) {
        if (out.write(page) != page.size()) {
            const QString reason = out.errorString();
            out.cancelWriting();
            return fail(QStringLiteral("No se puede escribir %1: %2.").arg(path, reason));
        }
    }
    if (!out.commit())
        return fail(QStringLiteral("No se puede terminar de escribir %1: %2.").arg(path, out.errorString()));
    return true;
}

}  // namespace jet
