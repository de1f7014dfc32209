#include "platform/jet/Database.h"

#include "platform/jet/JetText.h"

#include <algorithm>

namespace jet {

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
    auto it = m_tables.constFind(name);
    return it == m_tables.constEnd() ? nullptr : &it.value();
}

RecordSet Database::glossary() const
{
    const TableData *t = table(QStringLiteral("Definicion"));
    if (!t)
        return {};
    QList<QList<QVariant>> rows = t->rows;
    const int word = t->columnIndex(QStringLiteral("Palabra"));
    std::stable_sort(rows.begin(), rows.end(), [word](const QList<QVariant> &a, const QList<QVariant> &b) {
        return collate(a.value(word).toString(), b.value(word).toString()) < 0;
    });
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
    // Jet puts nulls first in an ascending sort.
    std::stable_sort(rows.begin(), rows.end(), [order](const QList<QVariant> &a, const QList<QVariant> &b) {
        const QVariant x = a.value(order), y = b.value(order);
        if (x.isNull() || y.isNull())
            return x.isNull() && !y.isNull();
        return x.toLongLong() < y.toLongLong();
    });
    return RecordSet(t->columns, rows);
}

}  // namespace jet
