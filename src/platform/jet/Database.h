#pragma once
// The program's one connection to the data set's database (Conexion). The
// file is read once when the connection opens; queries are answered over the
// rows with the Jet engine's ordering and comparison rules. Values are matched
// literally: a key or term holding a quote is looked up as it is.

#include <QHash>
#include <QString>

#include "platform/jet/MdbFile.h"
#include "platform/jet/RecordSet.h"

namespace jet {

class Database {
public:
    // Opens the file and checks that it holds the tables Definicion, Fotos and
    // Tratamiento with their columns. On failure returns false with a Spanish
    // message naming the file and what is wrong.
    bool open(const QString &path, QString *error);
    bool isOpen() const { return m_open; }
    void close();
    QString path() const { return m_path; }

    // SELECT * FROM Definicion ORDER BY Palabra
    RecordSet glossary() const;
    // SELECT * FROM Definicion WHERE Palabra= 'term'
    RecordSet glossaryTerm(const QString &term) const;
    // SELECT * FROM <table> WHERE NombreEnfermedad= 'key' ORDER BY Orden,
    // table being "Fotos" or "Tratamiento"
    RecordSet photos(const QString &table, const QString &key) const;

    const TableData *table(const QString &name) const;

    static const QStringList &requiredTables();
    static QStringList requiredColumns(const QString &table);

private:
    QHash<QString, TableData> m_tables;
    QString m_path;
    bool m_open = false;
};

}  // namespace jet
