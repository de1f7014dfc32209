#include "platform/jet/Database.h"

#include "platform/jet/JetText.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace jet {

namespace {

// Exact order of two decimals in C notation ("-12.50", "3", "0.0001").
int compareDecimal(const QString &a, const QString &b)
{
    struct Parts {
        bool negative;
        QStringView whole, fraction;
    };
    auto parts = [](const QString &s) {
        QStringView v(s);
        const bool negative = v.startsWith(u'-');
        if (negative || v.startsWith(u'+'))
            v = v.mid(1);
        const qsizetype point = v.indexOf(u'.');
        QStringView whole = point < 0 ? v : v.left(point), fraction = point < 0 ? QStringView() : v.mid(point + 1);
        while (!whole.isEmpty() && whole.front() == u'0')
            whole = whole.mid(1);
        while (!fraction.isEmpty() && fraction.back() == u'0')
            fraction.chop(1);
        return Parts{negative && !(whole.isEmpty() && fraction.isEmpty()), whole, fraction};
    };
    const Parts x = parts(a), y = parts(b);
    if (x.negative != y.negative)
        return x.negative ? -1 : 1;
    int magnitude = x.whole.size() != y.whole.size() ? (x.whole.size() < y.whole.size() ? -1 : 1) : 0;
    if (magnitude == 0)
        magnitude = x.whole.compare(y.whole);
    if (magnitude == 0)
        magnitude = x.fraction.compare(y.fraction);
    magnitude = magnitude < 0 ? -1 : magnitude > 0 ? 1 : 0;
    return x.negative ? -magnitude : magnitude;
}

template <typename T> int threeWay(const T &x, const T &y) { return x < y ? -1 : y < x ? 1 : 0; }

// The order of ORDER BY on a column of this type, ascending: nulls first,
// numbers by value (exactly, whatever their type), texts in the glossary's
// Spanish order, Yes before No (Jet's Yes is -1), dates chronologically.
int compareValues(ColumnType type, const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return int(!a.isNull()) - int(!b.isNull());
    switch (type) {
    case ColumnType::Byte:
    case ColumnType::Integer:
    case ColumnType::LongInteger: return threeWay(a.toLongLong(), b.toLongLong());
    case ColumnType::Single:
    case ColumnType::Double: {
        const double x = a.toDouble(), y = b.toDouble();
        if (std::isnan(x) || std::isnan(y))
            return int(!std::isnan(x)) - int(!std::isnan(y));
        return threeWay(x, y);
    }
    case ColumnType::Currency:
    case ColumnType::Decimal: return compareDecimal(a.toString(), b.toString());
    case ColumnType::YesNo: return threeWay(!a.toBool(), !b.toBool());
    case ColumnType::DateTime: {
        const QDateTime x = a.toDateTime(), y = b.toDateTime();
        if (!x.isValid() || !y.isValid())
            return int(x.isValid()) - int(y.isValid());
        return threeWay(x, y);
    }
    case ColumnType::Text:
    case ColumnType::Memo: return collate(a.toString(), b.toString());
    case ColumnType::Other: break;
    }
    return threeWay(a.toByteArray(), b.toByteArray());
}

// The rows sorted on one column, ties kept in storage order.
void sortRows(QList<QList<QVariant>> &rows, const TableData &t, int column)
{
    const ColumnType type = t.types.value(column, ColumnType::Other);
    std::stable_sort(rows.begin(), rows.end(), [type, column](const QList<QVariant> &a, const QList<QVariant> &b) {
        return compareValues(type, a.value(column), b.value(column)) < 0;
    });
}

}  // namespace

const QStringList &Database::requiredTables()
{
    static const QStringList tables{QStringLiteral("Definicion"), QStringLiteral("Fotos"),
                                    QStringLiteral("Tratamiento")};
    return tables;
}

QStringList Database::requiredColumns(const QString &table)
{
    if (table == QLatin1String("Definicion"))
        return {QStringLiteral("Palabra"), QStringLiteral("Significado")};
    return {QStringLiteral("NombreEnfermedad"), QStringLiteral("Foto"), QStringLiteral("Descripcion"),
            QStringLiteral("Orden")};
}

bool Database::open(const QString &path, QString *error)
{
    close();
    QString dummy;
    if (!error)
        error = &dummy;
    QHash<QString, TableData> tables;
    if (!MdbFile::readTables(path, requiredTables(), &tables, error))
        return false;
    for (const QString &name : requiredTables()) {
        const TableData &t = tables[name];
        for (const QString &column : requiredColumns(name)) {
            if (t.columnIndex(column) < 0) {
                *error = QStringLiteral("La base de datos %1 no es válida: a la tabla %2 le falta la columna %3.")
                             .arg(path, name, column);
                return false;
            }
        }
    }
    m_tables = std::move(tables);
    m_path = path;
    m_open = true;
    return true;
}

void Database::close()
{
    m_tables.clear();
    m_open = false;
}

const TableData *Database::table(const QString &name) const
{
    for (auto it = m_tables.constBegin(); it != m_tables.constEnd(); ++it)
        if (sameName(it.key(), name))
            return &it.value();
    return nullptr;
}

RecordSet Database::glossary() const
{
    const TableData *t = table(QStringLiteral("Definicion"));
    if (!t)
        return {};
    QList<QList<QVariant>> rows = t->rows;
    sortRows(rows, *t, t->columnIndex(QStringLiteral("Palabra")));
    return RecordSet(t->columns, rows);
}

RecordSet Database::glossaryTerm(const QString &term) const
{
    const TableData *t = table(QStringLiteral("Definicion"));
    if (!t)
        return {};
    const int word = t->columnIndex(QStringLiteral("Palabra"));
    QList<QList<QVariant>> rows;
    for (const QList<QVariant> &row : t->rows) {
        const QVariant v = row.value(word);
        if (!v.isNull() && textEquals(v.toString(), term))
            rows << row;
    }
    return RecordSet(t->columns, rows);
}

RecordSet Database::photos(const QString &tableName, const QString &key) const
{
    const TableData *t = table(tableName);
    if (!t)
        return {};
    const int name = t->columnIndex(QStringLiteral("NombreEnfermedad"));
    const int order = t->columnIndex(QStringLiteral("Orden"));
    QList<QList<QVariant>> rows;
    for (const QList<QVariant> &row : t->rows) {
        const QVariant v = row.value(name);
        if (!v.isNull() && textEquals(v.toString(), key))
            rows << row;
    }
    sortRows(rows, *t, order);
    return RecordSet(t->columns, rows);
}

}  // namespace jet
