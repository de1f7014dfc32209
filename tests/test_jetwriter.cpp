// The Jet 4 writer, judged by the readers the program and its users rely on:
// mdbtools' mdb-tables, mdb-schema and mdb-export (libmdb underneath) must
// list every table and column and give back every value exactly as written.
//
// libmdb hands a null and an empty text back the same way (as nothing), so
// the comparisons below treat them alike; nulls in Long Integer columns are
// still told apart from 0.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "JetWriter.h"
#include "platform/jet/MdbFile.h"

using jet::ColumnDef;
using jet::JetWriter;
using jet::TableDef;

Q_DECLARE_METATYPE(jet::TableDef)
Q_DECLARE_METATYPE(jet::ColumnDef)

namespace {

const QString kUnitSep(QChar(0x1F));    // field separator for mdb-export, found in no test text
const QString kRecordSep(QChar(0x1E));  // row separator, likewise

ColumnDef text(const QString &name, int length = 255) { return {name, ColumnDef::Type::Text, length}; }
ColumnDef memo(const QString &name) { return {name, ColumnDef::Type::Memo, 0}; }
ColumnDef longInt(const QString &name) { return {name, ColumnDef::Type::LongInteger, 0}; }

// A text of exactly n characters made by repeating a Spanish sentence.
QString spanish(int n)
{
    static const QString base = QStringLiteral(
        "El oídio (Uncinula necator) cubre el envés de las hojas con un polvillo ceniciento; ¿tratamiento? "
        "¡Azufre en espolvoreo! La cigüeña y el ñandú no tienen nada que ver. ");
    QString s;
    while (s.size() < n)
        s += base;
    s.truncate(n);
    return s;
}

TableDef definicion()
{
    TableDef t{
        QStringLiteral("Definicion"), {text(QStringLiteral("Palabra")), memo(QStringLiteral("Significado"))}, {}};
    t.rows << QList<QVariant>{QStringLiteral("Ápice"),
                              QStringLiteral("Extremo de un órgano; en la vid, del sarmiento.")}
           << QList<QVariant>{QStringLiteral("Año"), QStringLiteral("Dijo \"mildiu\" y luego 'oídio'.")}
           << QList<QVariant>{QStringLiteral("¿Qué es?"), spanish(2000)}
           << QList<QVariant>{QString(255, QChar(u'ñ')), QVariant()}
           << QList<QVariant>{QStringLiteral("Pingüino"), QString()}
           << QList<QVariant>{QStringLiteral("¡Atención!"), QStringLiteral("Línea 1\r\nLínea 2")};
    return t;
}

TableDef photoTable(const QString &name)
{
    TableDef t{name,
               {text(QStringLiteral("NombreEnfermedad")), text(QStringLiteral("Foto")),
                text(QStringLiteral("Descripcion")), longInt(QStringLiteral("Orden"))},
               {}};
    t.rows << QList<QVariant>{QStringLiteral("Mildiu"), QStringLiteral("mildiu1.jpg"),
                              QStringLiteral("Mancha de aceite en el haz"), 1}
           << QList<QVariant>{QStringLiteral("Mildiu"), QStringLiteral("mildiu2.jpg"), spanish(255), -1}
           << QList<QVariant>{QStringLiteral("Oídio"), QVariant(), QStringLiteral("Sin \"foto\" todavía"), QVariant()}
           << QList<QVariant>{QStringLiteral("Botritis"), QStringLiteral("botritis.jpg"), QString(),
                              std::numeric_limits<qint32>::max()}
           << QList<QVariant>{QStringLiteral("Eutipiosis"), QStringLiteral("eutipa.jpg"),
                              QStringLiteral("'Brazo muerto'"), std::numeric_limits<qint32>::min()}
           << QList<QVariant>{QStringLiteral("Yesca"), QStringLiteral("yesca.jpg"), QStringLiteral("Cero"), 0};
    return t;
}

struct Output {
    int exitCode = -1;
    QString out;
    QString err;
};

Output run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    Output o;
    if (!p.waitForFinished(120000)) {
        o.err = QStringLiteral("%1 did not finish: %2").arg(program, p.errorString());
        return o;
    }
    o.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    // Kept whole: a text may begin with U+FEFF, which a plain UTF-8 decode
    // would drop as a byte order mark.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    o.out = utf8(p.readAllStandardOutput());
    o.err = QString::fromUtf8(p.readAllStandardError());
    return o;
}

// mdb-export's default CSV: header line, text quoted with inner quotes
// doubled, numbers bare, nothing for a null (or an empty text).
QString expectedCsv(const TableDef &t)
{
    QStringList names;
    for (const ColumnDef &c : t.columns)
        names << c.name;
    QString csv = names.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const QList<QVariant> &row : t.rows) {
        QStringList fields;
        for (int i = 0; i < row.size(); ++i) {
            const QVariant &v = row.at(i);
            if (v.isNull() || !v.isValid())
                fields << QString();
            else if (t.columns.at(i).type == ColumnDef::Type::LongInteger)
                fields << QString::number(v.toLongLong());
            else if (v.toString().isEmpty())
                fields << QString();
            else
                fields << QLatin1Char('"') + v.toString().replace(QLatin1Char('"'), QLatin1String("\"\""))
                        + QLatin1Char('"');
        }
        csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}

QString expectedSchema(const QList<TableDef> &tables)
{
    QString s;
    for (const TableDef &t : tables) {
        QStringList cols;
        for (const ColumnDef &c : t.columns) {
            QString type;
            switch (c.type) {
            case ColumnDef::Type::Text: type = QStringLiteral("Text (%1)").arg(c.maxLength); break;
            case ColumnDef::Type::Memo: type = QStringLiteral("Memo/Hyperlink (255)"); break;
            case ColumnDef::Type::LongInteger: type = QStringLiteral("Long Integer"); break;
            default: type = QStringLiteral("(no schema text for this type)"); break;
            }
            cols << QStringLiteral("\t[%1]\t\t\t%2").arg(c.name, type);
        }
        s += QStringLiteral("CREATE TABLE [%1]\n (\n%2\n);\n\n").arg(t.name, cols.join(QStringLiteral(", \n")));
    }
    return s + QLatin1Char('\n');
}

// The same text as written, as the readers give it back.
QString asRead(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return QString();
    return v.toString();
}

}  // namespace

class TestJetWriter : public QObject {
    Q_OBJECT

private:
    QString m_tables, m_schema, m_export, m_count;
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    bool writeOrFail(const QString &file, const QList<TableDef> &tables)
    {
        QString error;
        const bool ok = JetWriter::write(file, tables, &error);
        if (!ok)
            qWarning("JetWriter::write failed: %s", qPrintable(error));
        return ok;
    }

    // Every row of a table through mdb-export with separators no test text
    // holds, so texts with quotes, commas and line breaks come back verbatim.
    QList<QStringList> exportedRows(const QString &file, const QString &table)
    {
        const Output o = run(m_export,
                             {QStringLiteral("-H"), QStringLiteral("-Q"), QStringLiteral("-d"), kUnitSep,
                              QStringLiteral("-R"), kRecordSep, file, table});
        if (o.exitCode != 0 || !o.err.isEmpty())
            qWarning("mdb-export %s: exit %d, %s", qPrintable(table), o.exitCode, qPrintable(o.err));
        QList<QStringList> rows;
        QStringList records = o.out.split(kRecordSep);
        if (!records.isEmpty() && records.last().isEmpty())
            records.removeLast();
        for (const QString &r : std::as_const(records))
            rows << r.split(kUnitSep);
        return rows;
    }

    void compareExportCsv(const QString &file, const TableDef &t)
    {
        Output o = run(m_export, {file, t.name});
        QCOMPARE(o.exitCode, 0);
        QCOMPARE(o.err, QString());
        QCOMPARE(o.out, expectedCsv(t));
        // The row count kept in the table definition, which mdb-export does
        // not need but Access and other readers go by.
        if (!m_count.isEmpty()) {
            o = run(m_count, {file, t.name});
            QCOMPARE(o.out.trimmed(), QString::number(t.rows.size()));
        }
    }

    // What Access relies on in every data and LVAL page beyond what libmdb
    // checks: at most 255 rows (a row is addressed by one byte), rows packed
    // from the end of the page downwards without overlapping, and the free
    // space recorded exactly.
    void checkRowPages(const QString &file)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray all = f.readAll();
        QCOMPARE(all.size() % 4096, 0);
        auto u16 = [](const char *p) { return int(quint8(p[0]) | quint8(p[1]) << 8); };
        for (qsizetype at = 4096; at < all.size(); at += 4096) {
            const char *page = all.constData() + at;
            if (page[0] != 0x01)
                continue;
            const int rows = u16(page + 12);
            QVERIFY2(rows >= 1 && rows <= 255, qPrintable(QStringLiteral("page %1: %2 rows").arg(at / 4096).arg(rows)));
            int end = 4096;
            for (int i = 0; i < rows; ++i) {
                const int start = u16(page + 14 + 2 * i) & 0x1FFF;
                QVERIFY2(start < end && start >= 14 + 2 * rows,
                         qPrintable(QStringLiteral("page %1 row %2 at %3").arg(at / 4096).arg(i).arg(start)));
                end = start;
            }
            QCOMPARE(u16(page + 2), end - (14 + 2 * rows));
        }
    }

private slots:
    void initTestCase()
    {
        m_tables = QStandardPaths::findExecutable(QStringLiteral("mdb-tables"));
        m_schema = QStandardPaths::findExecutable(QStringLiteral("mdb-schema"));
        m_export = QStandardPaths::findExecutable(QStringLiteral("mdb-export"));
        m_count = QStandardPaths::findExecutable(QStringLiteral("mdb-count"));  // optional
        if (m_tables.isEmpty() || m_schema.isEmpty() || m_export.isEmpty())
            QSKIP("mdbtools (mdb-tables, mdb-schema, mdb-export) is not installed; install the Debian package "
                  "'mdbtools' to check written databases.");
        QVERIFY(m_dir.isValid());
    }

    // The data set's three tables with the texts and numbers it is made of:
    // every reader lists the same tables and columns and every value.
    void productTablesReadBackExactly()
    {
        const QList<TableDef> tables{definicion(), photoTable(QStringLiteral("Fotos")),
                                     photoTable(QStringLiteral("Tratamiento"))};
        const QString file = path(QStringLiteral("bd2002.mdb"));
        QVERIFY(writeOrFail(file, tables));

        Output o = run(m_tables, {QStringLiteral("-1"), file});
        QCOMPARE(o.exitCode, 0);
        QCOMPARE(o.err, QString());
        QCOMPARE(o.out, QStringLiteral("Definicion\nFotos\nTratamiento\n"));

        o = run(m_tables, {QStringLiteral("-1"), QStringLiteral("-S"), file});
        QCOMPARE(o.exitCode, 0);
        QCOMPARE(o.out, QStringLiteral("MSysObjects\nMSysRelationships\nDefinicion\nFotos\nTratamiento\n"));

        o = run(m_schema, {file});
        QCOMPARE(o.exitCode, 0);
        QCOMPARE(o.err, QString());
        const qsizetype create = o.out.indexOf(QLatin1String("CREATE TABLE"));
        QVERIFY2(create >= 0, qPrintable(o.out));
        QCOMPARE(o.out.mid(create), expectedSchema(tables));

        // One table at a time, as the schema of a single table is asked for.
        o = run(m_schema, {QStringLiteral("-T"), QStringLiteral("Fotos"), file});
        QCOMPARE(o.exitCode, 0);
        QCOMPARE(o.out.mid(o.out.indexOf(QLatin1String("CREATE TABLE"))), expectedSchema({tables.at(1)}));

        // Another SQL dialect walks the catalogue for relationships too.
        o = run(m_schema, {file, QStringLiteral("postgres")});
        QCOMPARE(o.exitCode, 0);
        QVERIFY(o.out.contains(QLatin1String("CREATE TABLE IF NOT EXISTS \"definicion\"")));

        for (const TableDef &t : tables)
            compareExportCsv(file, t);
    }

    // The program's own reader (libmdb through jet::MdbFile) gives back the
    // same tables, columns and values, long memos included.
    void projectReaderGivesBackEveryValue()
    {
        TableDef memos{QStringLiteral("Memos"), {longInt(QStringLiteral("Clave")), memo(QStringLiteral("Texto"))}, {}};
        for (int n : {0, 63, 2000, 2041, 100000})
            memos.rows << QList<QVariant>{n, spanish(n)};
        const QList<TableDef> tables{definicion(), photoTable(QStringLiteral("Fotos")),
                                     photoTable(QStringLiteral("Tratamiento")), memos};
        const QString file = path(QStringLiteral("programa.mdb"));
        QVERIFY(writeOrFail(file, tables));

        QString error;
        QCOMPARE(jet::MdbFile::tableNames(file, &error),
                 (QStringList{QStringLiteral("Definicion"), QStringLiteral("Fotos"), QStringLiteral("Tratamiento"),
                              QStringLiteral("Memos")}));
        QStringList names;
        for (const TableDef &t : tables)
            names << t.name;
        QHash<QString, jet::TableData> read;
        QVERIFY2(jet::MdbFile::readTables(file, names, &read, &error), qPrintable(error));
        for (const TableDef &t : tables) {
            const jet::TableData &d = read.value(t.name);
            QStringList columns;
            for (const ColumnDef &c : t.columns)
                columns << c.name;
            QCOMPARE(d.columns, columns);
            QCOMPARE(d.rows.size(), t.rows.size());
            for (int r = 0; r < t.rows.size(); ++r) {
                for (int c = 0; c < t.columns.size(); ++c) {
                    const QVariant &want = t.rows.at(r).at(c);
                    const QVariant &got = d.rows.at(r).at(c);
                    const QString at =
                        QStringLiteral("%1 row %2 column %3").arg(t.name).arg(r).arg(t.columns.at(c).name);
                    if (t.columns.at(c).type == ColumnDef::Type::LongInteger) {
                        QVERIFY2(got.isNull() == want.isNull(), qPrintable(at));
                        if (!want.isNull())
                            QVERIFY2(got.toLongLong() == want.toLongLong(), qPrintable(at));
                    } else {
                        QVERIFY2(got.toString() == asRead(want), qPrintable(at));
                    }
                }
            }
        }
    }

    void textRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("ascii") << QStringLiteral("Mildiu de la vid");
        QTest::newRow("spanish letters") << QStringLiteral("Ápice ÉÍÓÚ áéíóú ñÑ üÜ ¿Qué? ¡Sí! «ceniza» ºª");
        QTest::newRow("quotes and commas") << QStringLiteral("Dijo \"hola\", luego 'adiós'; \"\"fin\"\"");
        QTest::newRow("line breaks and tabs") << QStringLiteral("uno\r\ndos\nTres\tcuatro");
        QTest::newRow("euro sign") << QStringLiteral("Precio: 12 € por litro");
        QTest::newRow("low byte zero") << QStringLiteral("Āā Ȁ ĀbcĀ");  // U+0100, U+0200: cannot be compressed
        QTest::newRow("latin text with U+0100") << QStringLiteral("Ácido Ā acético, ñ");
        QTest::newRow("starts with U+FEFF") << QString(QChar(0xFEFF)) + QStringLiteral("inicio");
        QTest::newRow("U+FEFF before non-latin") << QString(QChar(0xFEFF)) + QStringLiteral("葡萄");
        QTest::newRow("not latin") << QStringLiteral("葡萄の病気 — виноград");
        QTest::newRow("one character") << QStringLiteral("a");
        QTest::newRow("empty") << QString();
        QTest::newRow("255 characters") << spanish(255);
        QTest::newRow("255 ñ") << QString(255, QChar(u'ñ'));
        QTest::newRow("255 not latin") << QString(255, QChar(u'葡'));
    }

    // A text in a Text column and in a Memo column comes back unchanged
    // whether it is stored compressed or as plain UCS-2.
    void textRoundTrip()
    {
        QFETCH(QString, value);
        TableDef t{QStringLiteral("Textos"), {text(QStringLiteral("Corto")), memo(QStringLiteral("Largo"))}, {}};
        t.rows << QList<QVariant>{value, value} << QList<QVariant>{QStringLiteral("después"), value};
        const QString file = path(QStringLiteral("textos.mdb"));
        QVERIFY(writeOrFail(file, {t}));
        const QList<QStringList> rows = exportedRows(file, t.name);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0), (QStringList{value, value}));
        QCOMPARE(rows.at(1), (QStringList{QStringLiteral("después"), value}));
    }

    // Memos of every size the storage changes at: inline in the row, alone
    // on an LVAL row, and split across LVAL pages; several memos sharing
    // pages, in two memo columns.
    void memosOfEverySize()
    {
        const QList<int> sizes{0, 1, 62, 63, 64, 500, 1024, 1025, 2000, 2040, 2041, 2100, 5000, 20000, 100000};
        TableDef t{QStringLiteral("Memos"),
                   {longInt(QStringLiteral("Clave")), memo(QStringLiteral("Texto")), memo(QStringLiteral("Otro"))},
                   {}};
        for (int i = 0; i < sizes.size(); ++i) {
            const int n = sizes.at(i);
            // The second memo is not latin (never compressible): other byte
            // counts, other boundaries.
            t.rows << QList<QVariant>{i, spanish(n), QString(n / 4, QChar(u'葡'))};
        }
        t.rows << QList<QVariant>{99, QVariant(), QVariant()};
        const QString file = path(QStringLiteral("memos.mdb"));
        QVERIFY(writeOrFail(file, {t}));
        checkRowPages(file);
        const QList<QStringList> rows = exportedRows(file, t.name);
        QCOMPARE(rows.size(), t.rows.size());
        for (int i = 0; i < t.rows.size(); ++i) {
            const QStringList want{QString::number(t.rows.at(i).at(0).toInt()), asRead(t.rows.at(i).at(1)),
                                   asRead(t.rows.at(i).at(2))};
            QVERIFY2(rows.at(i) == want,
                     qPrintable(QStringLiteral("row %1: %2 / %3 characters read back, %4 / %5 written")
                                    .arg(i)
                                    .arg(rows.at(i).value(1).size())
                                    .arg(rows.at(i).value(2).size())
                                    .arg(want.at(1).size())
                                    .arg(want.at(2).size())));
        }
    }

    void thousandsOfRows_data()
    {
        QTest::addColumn<TableDef>("table");
        TableDef treatment{QStringLiteral("Tratamiento"),
                           {text(QStringLiteral("NombreEnfermedad")), text(QStringLiteral("Foto")),
                            text(QStringLiteral("Descripcion")), longInt(QStringLiteral("Orden"))},
                           {}};
        for (int i = 0; i < 3000; ++i)
            treatment.rows << QList<QVariant>{QStringLiteral("Enfermedad nº %1").arg(i / 7),
                                              i % 11 == 0 ? QVariant() : QVariant(QStringLiteral("foto%1.jpg").arg(i)),
                                              spanish(i % 256), i * 977 - 1000000};
        QTest::newRow("3000 rows of Tratamiento") << treatment;

        // Rows of 7 bytes: far more would fit on a page than the 255 rows a
        // page can address.
        TableDef numbers{QStringLiteral("Numeros"), {longInt(QStringLiteral("N"))}, {}};
        for (int i = 0; i < 5000; ++i)
            numbers.rows << QList<QVariant>{i % 97 == 0 ? QVariant() : QVariant(i - 2500)};
        QTest::newRow("5000 tiny rows") << numbers;

        TableDef wide{QStringLiteral("Anchas"),
                      {text(QStringLiteral("A")), text(QStringLiteral("B")), text(QStringLiteral("C")),
                       memo(QStringLiteral("M"))},
                      {}};
        for (int i = 0; i < 1500; ++i)
            wide.rows << QList<QVariant>{QString(255, QChar(u'葡')), spanish(255), QString(255, QChar(u'€')),
                                         spanish(40 + i % 3000)};
        QTest::newRow("1500 rows near the page size") << wide;
    }

    // Many data pages: every row comes back, in the order written.
    void thousandsOfRows()
    {
        QFETCH(TableDef, table);
        const QString file = path(QStringLiteral("filas.mdb"));
        QVERIFY(writeOrFail(file, {table}));
        QVERIFY(QFileInfo(file).size() > 20 * 4096);
        compareExportCsv(file, table);
        checkRowPages(file);
    }

    void numberColumns_data()
    {
        QTest::addColumn<ColumnDef>("column");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("schemaType");
        QTest::addColumn<QStringList>("exported");  // mdb-export's text of each value

        auto col = [](ColumnDef::Type type) { return ColumnDef{QStringLiteral("Orden"), type, 0}; };
        QTest::newRow("Byte") << col(ColumnDef::Type::Byte) << QVariantList{0, 255, QVariant(), 7u} << u"Byte"_qs
                              << QStringList{u"0"_qs, u"255"_qs, QString(), u"7"_qs};
        QTest::newRow("Integer") << col(ColumnDef::Type::Integer) << QVariantList{-32768, 32767, QVariant(), 0}
                                 << u"Integer"_qs << QStringList{u"-32768"_qs, u"32767"_qs, QString(), u"0"_qs};
        QTest::newRow("Single") << col(ColumnDef::Type::Single) << QVariantList{1.5, -0.25f, QVariant(), 10}
                                << u"Single"_qs << QStringList{u"1.5"_qs, u"-0.25"_qs, QString(), u"10"_qs};
        QTest::newRow("Double") << col(ColumnDef::Type::Double) << QVariantList{0.15000001, -2.5e-10, QVariant(), 1e300}
                                << u"Double"_qs
                                << QStringList{u"0.15000001"_qs, u"-2.5e-10"_qs, QString(), u"1e+300"_qs};
        QTest::newRow("Currency") << col(ColumnDef::Type::Currency)
                                  << QVariantList{18, -0.0001, QVariant(), 123456789.1234} << u"Currency"_qs
                                  << QStringList{u"18.0000"_qs, u"-0.0001"_qs, QString(), u"123456789.1234"_qs};
        ColumnDef decimal = col(ColumnDef::Type::Decimal);
        decimal.precision = 28;
        decimal.scale = 3;
        QTest::newRow("Decimal") << decimal
                                 << QVariantList{u"-12.5"_qs, u"0.001"_qs, QVariant(),
                                                 u"1234567890123456789012345.678"_qs, 4}
                                 << u"Numeric (28, 3)"_qs
                                 << QStringList{u"-12.500"_qs, u"0.001"_qs, QString(),
                                                u"1234567890123456789012345.678"_qs, u"4.000"_qs};
        // Yes/No has no null: a null is stored as No.
        QTest::newRow("Yes/No") << col(ColumnDef::Type::YesNo) << QVariantList{true, false, QVariant()} << u"Boolean"_qs
                                << QStringList{u"1"_qs, u"0"_qs, u"0"_qs};
        QTest::newRow("Date/Time") << col(ColumnDef::Type::DateTime)
                                   << QVariantList{QDateTime(QDate(2002, 5, 17), QTime(10, 30, 15), Qt::UTC),
                                                   QDate(1899, 12, 30), QVariant(),
                                                   QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59), Qt::UTC)}
                                   << u"DateTime"_qs
                                   << QStringList{u"2002-05-17 10:30:15"_qs, u"1899-12-30 00:00:00"_qs, QString(),
                                                  u"1999-12-31 23:59:59"_qs};
    }

    // Number, Yes/No and Date/Time columns: mdb-schema names their type and
    // mdb-export gives back each value.
    void numberColumns()
    {
        QFETCH(ColumnDef, column);
        QFETCH(QVariantList, values);
        QFETCH(QString, schemaType);
        QFETCH(QStringList, exported);
        TableDef t{QStringLiteral("Numeros"), {text(QStringLiteral("Clave"), 10), column}, {}};
        for (int i = 0; i < values.size(); ++i)
            t.rows << QList<QVariant>{QString::number(i), values.at(i)};
        const QString file = path(QStringLiteral("numeros.mdb"));
        QVERIFY(writeOrFail(file, {t}));
        const Output o = run(m_schema, {file});
        QCOMPARE(o.exitCode, 0);
        QVERIFY2(o.out.contains(QStringLiteral("[Orden]\t\t\t%1").arg(schemaType)), qPrintable(o.out));
        const Output e =
            run(m_export,
                {QStringLiteral("-H"), QStringLiteral("-Q"), QStringLiteral("-T"), QStringLiteral("%Y-%m-%d %H:%M:%S"),
                 QStringLiteral("-d"), kUnitSep, QStringLiteral("-R"), kRecordSep, file, t.name});
        QCOMPARE(e.err, QString());
        QStringList got;
        for (const QString &r : e.out.split(kRecordSep, Qt::SkipEmptyParts))
            got << r.section(kUnitSep, 1);
        QCOMPARE(got, exported);
    }

    // 255 columns: the table definition runs over several pages.
    void tableWithMostColumns()
    {
        TableDef t{QStringLiteral("Muchas columnas"), {}, {}};
        for (int i = 0; i < 255; ++i)
            t.columns << (i % 3 == 0 ? text(QStringLiteral("Descripción %1").arg(i), 30)
                                     : longInt(QStringLiteral("Número de orden %1").arg(i)));
        for (int r = 0; r < 40; ++r) {
            QList<QVariant> row;
            for (int i = 0; i < 255; ++i) {
                if ((r + i) % 17 == 0)
                    row << QVariant();
                else
                    row << (i % 3 == 0 ? QVariant(QStringLiteral("Ñ%1·%2").arg(r).arg(i)) : QVariant(r * 1000 - i));
            }
            t.rows << row;
        }
        const QString file = path(QStringLiteral("columnas.mdb"));
        QVERIFY(writeOrFail(file, {t}));
        const Output o = run(m_schema, {file});
        QCOMPARE(o.exitCode, 0);
        QCOMPARE(o.err, QString());
        QCOMPARE(o.out.mid(o.out.indexOf(QLatin1String("CREATE TABLE"))), expectedSchema({t}));
        compareExportCsv(file, t);
    }

    void refusesWhatCannotBeStored_data()
    {
        QTest::addColumn<QList<TableDef>>("tables");
        QTest::addColumn<QStringList>("mentions");

        auto photos = [](const QList<QVariant> &row) {
            TableDef t = photoTable(QStringLiteral("Fotos"));
            t.rows << row;
            return t;
        };
        const QString ok = QStringLiteral("x");
        QTest::newRow("text longer than its column")
            << QList<TableDef>{photos({ok, QString(256, QChar(u'a')), ok, 1})}
            << QStringList{QStringLiteral("Fotos"), QStringLiteral("Foto"), QStringLiteral("fila 7"),
                           QStringLiteral("256"), QStringLiteral("255")};
        {
            TableDef t{QStringLiteral("Cortos"), {text(QStringLiteral("Clave"), 10)}, {}};
            t.rows << QList<QVariant>{QStringLiteral("diez letra")} << QList<QVariant>{QStringLiteral("once letras")};
            QTest::newRow("text over a short maximum")
                << QList<TableDef>{t}
                << QStringList{QStringLiteral("Clave"), QStringLiteral("fila 2"), QStringLiteral("11")};
        }
        QTest::newRow("number in a text column") << QList<TableDef>{photos({ok, 12, ok, 1})}
                                                 << QStringList{QStringLiteral("Foto"), QStringLiteral("fila 7")};
        QTest::newRow("text in a long integer column")
            << QList<TableDef>{photos({ok, ok, ok, QStringLiteral("3")})}
            << QStringList{QStringLiteral("Orden"), QStringLiteral("fila 7")};
        QTest::newRow("fraction in a long integer column")
            << QList<TableDef>{photos({ok, ok, ok, 2.5})}
            << QStringList{QStringLiteral("Orden"), QStringLiteral("double")};
        QTest::newRow("boolean in a long integer column")
            << QList<TableDef>{photos({ok, ok, ok, true})}
            << QStringList{QStringLiteral("Orden"), QStringLiteral("bool")};
        QTest::newRow("long integer too large") << QList<TableDef>{photos({ok, ok, ok, qint64(2147483648LL)})}
                                                << QStringList{QStringLiteral("Orden"), QStringLiteral("2147483648")};
        QTest::newRow("long integer too small") << QList<TableDef>{photos({ok, ok, ok, qint64(-2147483649LL)})}
                                                << QStringList{QStringLiteral("Orden"), QStringLiteral("-2147483649")};
        {
            auto typed = [](ColumnDef::Type type, const QVariant &v, int scale = 0) {
                ColumnDef c{QStringLiteral("Valor"), type, 0};
                c.precision = 5;
                c.scale = scale;
                return QList<TableDef>{TableDef{QStringLiteral("T"), {c}, {{v}}}};
            };
            QTest::newRow("256 in a Byte") << typed(ColumnDef::Type::Byte, 256) << QStringList{u"256"_qs, u"Valor"_qs};
            QTest::newRow("40000 in an Integer")
                << typed(ColumnDef::Type::Integer, 40000) << QStringList{u"40000"_qs, u"fila 1"_qs};
            QTest::newRow("text in a Double")
                << typed(ColumnDef::Type::Double, u"1.5"_qs) << QStringList{u"QString"_qs};
            QTest::newRow("number in a Yes/No") << typed(ColumnDef::Type::YesNo, 1) << QStringList{u"Sí/No"_qs};
            QTest::newRow("too many decimals")
                << typed(ColumnDef::Type::Decimal, u"1.234"_qs, 2) << QStringList{u"Valor"_qs, u"decimal"_qs};
            QTest::newRow("too many digits")
                << typed(ColumnDef::Type::Decimal, 123456) << QStringList{u"Valor"_qs, u"5 cifras"_qs};
            QTest::newRow("text in a Date/Time")
                << typed(ColumnDef::Type::DateTime, u"2002-01-01"_qs) << QStringList{u"Fecha/Hora"_qs};
        }
        QTest::newRow("too few values") << QList<TableDef>{photos({ok, ok, ok})}
                                        << QStringList{QStringLiteral("Fotos"), QStringLiteral("fila 7")};
        QTest::newRow("too many values") << QList<TableDef>{photos({ok, ok, ok, 1, 2})}
                                         << QStringList{QStringLiteral("Fotos"), QStringLiteral("fila 7")};
        QTest::newRow("character outside the basic plane")
            << QList<TableDef>{photos({ok, ok, QStringLiteral("uva 🍇"), 1})}
            << QStringList{QStringLiteral("Descripcion"), QStringLiteral("fila 7")};
        {
            TableDef t = definicion();
            t.rows << QList<QVariant>{QStringLiteral("nulo"), QStringLiteral("a") + QChar(0) + QStringLiteral("b")};
            QTest::newRow("NUL character in a memo")
                << QList<TableDef>{t} << QStringList{QStringLiteral("Significado"), QStringLiteral("fila 7")};
        }
        {
            TableDef t{QStringLiteral("Anchas"), {}, {}};
            QList<QVariant> row;
            for (int i = 0; i < 9; ++i) {
                t.columns << text(QStringLiteral("C%1").arg(i));
                row << QString(255, QChar(u'葡'));
            }
            t.rows << QList<QVariant>(9, QStringLiteral("corto")) << row;
            QTest::newRow("row larger than a data page")
                << QList<TableDef>{t}
                << QStringList{QStringLiteral("Anchas"), QStringLiteral("fila 2"), QStringLiteral("4060")};
        }
        {
            TableDef t = definicion();
            t.rows << QList<QVariant>{QStringLiteral("enorme"), QString(0x800000, QChar(u'葡'))};
            QTest::newRow("memo longer than a long value holds")
                << QList<TableDef>{t} << QStringList{QStringLiteral("Significado"), QStringLiteral("fila 7")};
        }
        QTest::newRow("U+FEFF first, storable only as plain UCS-2")
            << QList<TableDef>{photos({ok, ok, QString(QChar(0xFEFF)) + QStringLiteral("Āb"), 1})}
            << QStringList{QStringLiteral("Descripcion"), QStringLiteral("fila 7"), QStringLiteral("U+FEFF")};
        QTest::newRow("empty table name") << QList<TableDef>{TableDef{QString(), {text(QStringLiteral("A"))}, {}}}
                                          << QStringList{QStringLiteral("vacío")};
        QTest::newRow("same table twice, other case")
            << QList<TableDef>{photoTable(QStringLiteral("Fotos")), photoTable(QStringLiteral("FOTOS"))}
            << QStringList{QStringLiteral("FOTOS"), QStringLiteral("repetida")};
        QTest::newRow("same column twice") << QList<TableDef>{TableDef{
            QStringLiteral("T"), {text(QStringLiteral("Foto")), memo(QStringLiteral("foto"))}, {}}}
                                           << QStringList{QStringLiteral("foto"), QStringLiteral("repetida")};
        QTest::newRow("empty column name") << QList<TableDef>{TableDef{QStringLiteral("T"), {text(QString())}, {}}}
                                           << QStringList{QStringLiteral("vacío")};
        QTest::newRow("period in a column name")
            << QList<TableDef>{TableDef{QStringLiteral("T"), {text(QStringLiteral("a.b"))}, {}}}
            << QStringList{QStringLiteral("a.b")};
        QTest::newRow("bracket in a table name")
            << QList<TableDef>{TableDef{QStringLiteral("T[1]"), {text(QStringLiteral("A"))}, {}}}
            << QStringList{QStringLiteral("T[1]")};
        QTest::newRow("leading blank in a name")
            << QList<TableDef>{TableDef{QStringLiteral(" Fotos"), {text(QStringLiteral("A"))}, {}}}
            << QStringList{QStringLiteral("espacio")};
        QTest::newRow("name longer than 64")
            << QList<TableDef>{TableDef{QString(65, QChar(u'n')), {text(QStringLiteral("A"))}, {}}}
            << QStringList{QStringLiteral("65")};
        QTest::newRow("system table name")
            << QList<TableDef>{TableDef{QStringLiteral("MSysObjects"), {text(QStringLiteral("A"))}, {}}}
            << QStringList{QStringLiteral("MSys")};
        QTest::newRow("no columns") << QList<TableDef>{TableDef{QStringLiteral("Vacia"), {}, {}}}
                                    << QStringList{QStringLiteral("Vacia"), QStringLiteral("columnas")};
        QTest::newRow("text length 0") << QList<TableDef>{TableDef{
            QStringLiteral("T"), {text(QStringLiteral("A"), 0)}, {}}}
                                       << QStringList{QStringLiteral("«A»")};
        QTest::newRow("text length 256") << QList<TableDef>{TableDef{
            QStringLiteral("T"), {text(QStringLiteral("A"), 256)}, {}}}
                                         << QStringList{QStringLiteral("256")};
    }

    // A refused write says what and where, and leaves nothing at the path:
    // neither a partial file nor the file that was there before.
    void refusesWhatCannotBeStored()
    {
        QFETCH(QList<TableDef>, tables);
        QFETCH(QStringList, mentions);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("rechazada.mdb"));
        {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("una base de datos anterior");
        }
        QString error;
        QVERIFY(!JetWriter::write(file, tables, &error));
        for (const QString &m : mentions)
            QVERIFY2(error.contains(m), qPrintable(QStringLiteral("«%1» not in: %2").arg(m, error)));
        QVERIFY2(!QFileInfo::exists(file), "a refused write left a file behind");
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // A good write replaces what was at the path in one step and leaves no
    // temporary file; a write to a folder that does not exist fails cleanly.
    void replacesTheFileInOneStep()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("bd.mdb"));
        {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(100000, 'v'));
        }
        QVERIFY(writeOrFail(file, {definicion()}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("bd.mdb")});
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray head = f.read(0x20);
        QVERIFY(head.startsWith(QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20)));
        QCOMPARE(f.size() % 4096, 0);
        compareExportCsv(file, definicion());

        QString error;
        QVERIFY(!JetWriter::write(dir.filePath(QStringLiteral("no/existe/bd.mdb")), {definicion()}, &error));
        QVERIFY(error.contains(QLatin1String("no/existe/bd.mdb")));
    }

    // Tables with no rows, and a file with no user tables at all, are still
    // complete databases.
    void emptyTablesAndEmptyFile()
    {
        const QString file = path(QStringLiteral("vacia.mdb"));
        const TableDef empty{QStringLiteral("Fotos"), photoTable(QStringLiteral("Fotos")).columns, {}};
        QVERIFY(writeOrFail(file, {empty}));
        Output o = run(m_tables, {QStringLiteral("-1"), file});
        QCOMPARE(o.out, QStringLiteral("Fotos\n"));
        compareExportCsv(file, empty);

        QVERIFY(writeOrFail(file, {}));
        o = run(m_tables, {QStringLiteral("-1"), file});
        QCOMPARE(o.exitCode, 0);
        QCOMPARE(o.err, QString());
        QCOMPARE(o.out, QString());
    }

    // The same tables give the same bytes: nothing in a page is left
    // uninitialised or depends on the moment of writing.
    void sameTablesGiveSameBytes()
    {
        const QList<TableDef> tables{definicion(), photoTable(QStringLiteral("Fotos"))};
        const QString a = path(QStringLiteral("a.mdb")), b = path(QStringLiteral("b.mdb"));
        QVERIFY(writeOrFail(a, tables));
        QVERIFY(writeOrFail(b, tables));
        QFile fa(a), fb(b);
        QVERIFY(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        QVERIFY(fa.readAll() == fb.readAll());
    }
};

QTEST_GUILESS_MAIN(TestJetWriter)
#include "test_jetwriter.moc"
