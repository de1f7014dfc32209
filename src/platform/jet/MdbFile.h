#pragma once
// Reads whole user tables out of a Jet database file through libmdb.
// The file is checked before libmdb sees it, so a damaged or foreign file is
// reported instead of reaching libmdb's parser; while libmdb reads, every page
// it asks for must be in the file.
//
// libmdb finds the fields of each row; the values are decoded here from the
// stored bytes, so that nothing in the environment (locale, MDBICONV) changes
// what is read: texts always come back as Unicode, numbers exactly.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace jet {

// A column's type, and the QVariant each of its values is read as:
enum class ColumnType {
    Text,         // QString; an empty text is an empty string, never null
    Memo,         // QString, whole (up to 16 MiB as stored)
    Byte,         // qlonglong
    Integer,      // qlonglong
    LongInteger,  // qlonglong
    Single,       // float
    Double,       // double
    Currency,     // QString, exact in C notation with four decimals: "18.0000"
    Decimal,      // QString, exact in C notation with the column's scale: "-1.50"
    YesNo,        // bool, never null
    DateTime,     // QDateTime (UTC: no daylight-saving gaps)
    Other,        // QByteArray of the stored bytes (binary, replication ID, OLE object)
};

struct TableData {
    QString name;                 // as stored
    QStringList columns;          // as stored, in table order
    QList<ColumnType> types;      // one per column
    QList<QList<QVariant>> rows;  // storage order; null values are null QVariants

    // Letter case ignored, as Jet matches names; -1 when absent.
    int columnIndex(const QString &column) const;
};

// Whether two table or column names name the same thing for Jet: equal
// ignoring letter case (Unicode case folding, so "AÑO" is "año").
bool sameName(const QString &a, const QString &b);

class MdbFile {
public:
    // Reads the named tables (found whatever the letter case of their names)
    // into *out, keyed by the names asked for. On failure returns false and
    // puts a Spanish sentence describing what is wrong with the file into
    // *error.
    static bool readTables(const QString &path, const QStringList &tables, QHash<QString, TableData> *out,
                           QString *error);

    // Every user table name in the file (empty on failure).
    static QStringList tableNames(const QString &path, QString *error = nullptr);
};

}  // namespace jet
