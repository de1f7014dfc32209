#pragma once
// Reads whole user tables out of a Jet database file through libmdb.
// The file is checked before libmdb sees it, so a damaged or foreign file is
// reported instead of reaching libmdb's parser.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace jet {

struct TableData {
    QString name;
    QStringList columns;             // as stored, in table order
    QList<QList<QVariant>> rows;     // storage order; null values are null QVariants

    int columnIndex(const QString &column) const;  // exact name, -1 when absent
};

class MdbFile {
public:
    // Reads the named tables. On failure returns false and puts a Spanish
    // sentence describing what is wrong with the file into *error.
    static bool readTables(const QString &path, const QStringList &tables,
                           QHash<QString, TableData> *out, QString *error);

    // Every user table name in the file (empty on failure).
    static QStringList tableNames(const QString &path, QString *error = nullptr);
};

}  // namespace jet
