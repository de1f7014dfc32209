#pragma once
// Writes Jet 4 database files (the format of Access 2000, ".mdb") holding
// user tables of Text, Memo, number, Yes/No and Date/Time columns. The data-set builder and
// the tests use it so that every database they make is in the data set's own
// format and is read back through libmdb exactly as a grower's file would be.
//
// What a written file holds: the header page, the system catalogue
// MSysObjects (with the Tables, Databases and Relationships containers), an
// empty MSysRelationships and one table per TableDef, each with its own data
// pages, long-value (LVAL) pages and usage maps. There are no indexes, no
// properties and no password. Text is stored as UCS-2 with Jet's Unicode
// compression where it is shorter (memos only up to 1,024 characters, as
// Access does). Writing the same tables twice gives byte-identical files.

#include <QList>
#include <QString>
#include <QVariant>

namespace jet {

struct ColumnDef {
    enum class Type { Text, Memo, LongInteger, Byte, Integer, Single, Double, Currency, Decimal, YesNo, DateTime };
    QString name;
    Type type = Type::Text;
    int maxLength = 255;  // characters, Text columns only (1..255)
    int precision = 18;   // Decimal only: digits in all (1..28) and after the point (0..precision)
    int scale = 0;
};

struct TableDef {
    QString name;
    QList<ColumnDef> columns;
    // One QVariant per column, in column order. A null or invalid QVariant
    // writes a null value (Yes/No has no null: it writes No); Text and Memo
    // take QString (an empty string is stored as such, not as null); Byte,
    // Integer and Long Integer take any integer type within their range
    // (0..255, -32768..32767, -2147483648..2147483647); Single and Double take
    // any number; Currency takes a number, kept to four decimal places;
    // Decimal takes an integer or a QString such as "-12.50" (C notation, at
    // most the column's scale after the point and its precision in all);
    // Yes/No takes bool; Date/Time takes QDateTime or QDate. Anything else is
    // refused.
    QList<QList<QVariant>> rows;
};

class JetWriter {
public:
    // Writes the tables to a new file at path (replacing any file there). The
    // file is written under a temporary name and renamed into place once
    // complete.
    //
    // Returns false, with a clear (Spanish) message in *error naming the
    // table, column and row (rows counted from 1), when a value cannot be
    // stored: a text longer than its column's maxLength, a memo longer than
    // a long value can hold (16 MiB of stored text), a row larger than a data
    // page holds (4,060 bytes, memos counting 12 bytes when kept apart), a
    // value of the wrong type, a character readers cannot give back (U+0000
    // or one outside the Basic Multilingual Plane), a row with the wrong
    // number of values, or an invalid name: empty, longer than 64 characters,
    // with leading or trailing blanks, control characters or . ! ` [ ] ",
    // starting with "MSys", or repeated (names compare ignoring case). Also
    // when the file would exceed 32,600 pages (about 130 MB). Nothing is left
    // at path in that case: not a partial file, nor any file that was there
    // before.
    static bool write(const QString &path, const QList<TableDef> &tables, QString *error = nullptr);
};

}  // namespace jet
