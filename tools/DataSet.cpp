#include "DataSet.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include "platform/jet/MdbFile.h"

namespace DataSet {

using jet::ColumnDef;
using jet::TableDef;

TableDef emptyTable(const QString &name)
{
    TableDef t;
    t.name = name;
    if (name == QLatin1String("Definicion")) {
        t.columns = {{QStringLiteral("Palabra"), ColumnDef::Type::Text, 255},
                     {QStringLiteral("Significado"), ColumnDef::Type::Memo, 0}};
    } else {
        t.columns = {{QStringLiteral("NombreEnfermedad"), ColumnDef::Type::Text, 255},
                     {QStringLiteral("Foto"), ColumnDef::Type::Text, 255},
                     {QStringLiteral("Descripcion"), ColumnDef::Type::Text, 255},
                     {QStringLiteral("Orden"), ColumnDef::Type::LongInteger, 0}};
    }
    return t;
}

QList<TableDef> emptyTables()
{
    return {emptyTable(QStringLiteral("Definicion")), emptyTable(QStringLiteral("Fotos")),
            emptyTable(QStringLiteral("Tratamiento"))};
}

namespace {

bool readLines(const QString &path, QStringList *lines, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("%1: %2").arg(path, f.errorString());
        return false;
    }
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd())
        *lines << in.readLine();
    return true;
}

}  // namespace

bool readGlossary(const QString &path, TableDef *table, QString *error)
{
    *table = emptyTable(QStringLiteral("Definicion"));
    QStringList lines;
    if (!readLines(path, &lines, error))
        return false;
    QString term;
    QStringList paragraphs;
    QString current;
    auto flush = [&] {
        if (!current.isEmpty())
            paragraphs << current;
        current.clear();
        if (!term.isEmpty())
            table->rows << QList<QVariant>{term, paragraphs.join(QStringLiteral("\r\n"))};
        paragraphs.clear();
    };
    bool started = false;
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("## "))) {
            flush();
            term = line.mid(3).trimmed();
            started = true;
            continue;
        }
        if (!started)
            continue;  // comments before the first entry
        if (line.isEmpty()) {
            if (!current.isEmpty())
                paragraphs << current;
            current.clear();
            continue;
        }
        current = current.isEmpty() ? line : current + QLatin1Char(' ') + line;
    }
    flush();
    return true;
}

bool readPhotoTable(const QString &path, TableDef *table, QString *error)
{
    const QString name =
        path.contains(QLatin1String("tratamiento")) ? QStringLiteral("Tratamiento") : QStringLiteral("Fotos");
    *table = emptyTable(name);
    QStringList lines;
    if (!readLines(path, &lines, error))
        return false;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty() || lines[i].startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        if (cells.size() != 4) {
            *error = QStringLiteral("%1:%2: se esperaban 4 columnas separadas por tabuladores").arg(path).arg(i + 1);
            return false;
        }
        bool ok = false;
        const int order = cells[3].trimmed().toInt(&ok);
        if (!ok) {
            *error = QStringLiteral("%1:%2: Orden no es un número").arg(path).arg(i + 1);
            return false;
        }
        table->rows << QList<QVariant>{cells[0], cells[1], cells[2], order};
    }
    return true;
}

bool readPhotoTables(const QString &sources, const QString &table, TableDef *out, QString *error)
{
    *out = emptyTable(table);
    const QString folder = sources + QLatin1Char('/') + table.toLower();
    QStringList files = QDir(folder).entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        TableDef part;
        if (!readPhotoTable(folder + QLatin1Char('/') + file, &part, error))
            return false;
        out->rows << part.rows;
    }
    return true;
}

bool readDatabase(const QString &path, QList<TableDef> *tables, QString *error)
{
    QHash<QString, jet::TableData> data;
    QStringList names{QStringLiteral("Definicion"), QStringLiteral("Fotos"), QStringLiteral("Tratamiento")};
    if (!jet::MdbFile::readTables(path, names, &data, error))
        return false;
    tables->clear();
    for (const QString &name : names) {
        TableDef t = emptyTable(name);
        const jet::TableData &d = data[name];
        for (const QList<QVariant> &row : d.rows) {
            QList<QVariant> out;
            for (const ColumnDef &c : t.columns) {
                const int idx = d.columnIndex(c.name);
                out << (idx >= 0 ? row.value(idx) : QVariant());
            }
            t.rows << out;
        }
        *tables << t;
    }
    return true;
}

}  // namespace DataSet
