#pragma once
// Writes Jet 4 database files (the format of Access 2000, ".mdb") holding
// user tables of Text, Memo and Long Integer columns. The data-set builder and
// the tests use it so that every database they make is in the data set's own
// format and is read back through libmdb exactly as a grower's file would be.

#include <QList>
#include <QString>
#include <QVariant>

namespace jet {

struct ColumnDef {
    enum class Type { Text, Memo, LongInteger };
    QString name;
    Type type = Type::Text;
    int maxLength = 255;  // characters, Text columns only (1..255)
};

struct TableDef {
    QString name;
    QList<ColumnDef> columns;
    // One QVariant per column, in column order. A null QVariant writes a null
    // value; Text and Memo take strings, Long Integer takes integers.
    QList<QList<QVariant>> rows;
};

class JetWriter {
public:
    // Writes the tables to a new file at path (replacing any file there).
    // Returns false, with a clear message in *error naming the table, column and row, when a
    // value cannot be stored (text too long for its column, a row larger than
    // a data page, a value of the wrong type, an invalid name); nothing is
    // left at path in that case.
    static bool write(const QString &path, const QList<TableDef> &tables, QString *error = nullptr);
};

}  // namespace jet
