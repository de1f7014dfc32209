// The data layer as the screens use it: databases written by the project's
// own Jet writer and read back through jet::Database and jet::MdbFile (libmdb
// underneath); Jet's ordering and comparison rules in the glossary and photo
// queries; the record set's stepping; the existence check of data files and
// its message; and every way the start-up connection can fail.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <limits>

#include <unistd.h>

#include "DataSet.h"
#include "JetWriter.h"
#include "TestSession.h"
#include "core/FileCheck.h"
#include "core/Module1.h"
#include "platform/jet/Database.h"
#include "platform/jet/MdbFile.h"
#include "platform/jet/RecordSet.h"
#include "platform/services/Services.h"
#include "widgets/FileMessages.h"

using jet::ColumnDef;
using jet::Database;
using jet::JetWriter;
using jet::RecordSet;
using jet::TableDef;

Q_DECLARE_METATYPE(jet::ColumnDef)

namespace {

const QString kDefinicion = QStringLiteral("Definicion");
const QString kFotos = QStringLiteral("Fotos");
const QString kTratamiento = QStringLiteral("Tratamiento");

// A text of exactly n characters made by repeating Spanish sentences that
// hold every accented letter, ñ, ü and both kinds of quote.
QString spanish(int n)
{
    static const QString base =
        QStringLiteral("El oídio cubre el envés de la hoja con un polvillo ceniciento; la cigüeña "
                       "anida en el año de la vendimia. ¿Azufre? ¡Sí! Dijo \"mildiu\" y 'botritis'. "
                       "ÁÉÍÓÚ Ñ Ü áéíóú. ");
    QString s;
    while (s.size() < n)
        s += base;
    s.truncate(n);
    return s;
}

QList<QVariant> wordRow(const QVariant &word, const QVariant &meaning) { return {word, meaning}; }

QList<QVariant> photoRow(const QVariant &key, const QVariant &photo, const QVariant &description, const QVariant &order)
{
    return {key, photo, description, order};
}

// The three tables with the given rows, in the data set's schema.
QList<TableDef> tables(const QList<QList<QVariant>> &words, const QList<QList<QVariant>> &photos = {},
                       const QList<QList<QVariant>> &treatments = {})
{
    QList<TableDef> t = DataSet::emptyTables();
    t[0].rows = words;
    t[1].rows = photos;
    t[2].rows = treatments;
    return t;
}

bool writeDatabase(const QString &path, const QList<TableDef> &t)
{
    QString error;
    if (!JetWriter::write(path, t, &error)) {
        qWarning("JetWriter::write(%s) failed: %s", qPrintable(path), qPrintable(error));
        return false;
    }
    return true;
}

// Every value of a column, from the current row to the end.
QStringList column(RecordSet rs, const QString &name)
{
    QStringList values;
    for (; !rs.eof(); rs.moveNext())
        values << rs.value(name);
    return values;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestData : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    MessageRecorder m_messages;
    // A small valid database: every start-up failure is tried on a
    // connection that was open on it, which must not stay open.
    QString m_good;
    // The fixture of the photo and record-set tests.
    QString m_photos;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Writes a database holding only these glossary rows and opens it.
    bool openGlossary(Database *db, const QList<QList<QVariant>> &words)
    {
        const QString file = path(QStringLiteral("glosario.mdb"));
        if (!writeDatabase(file, tables(words)))
            return false;
        QString error;
        if (!db->open(file, &error)) {
            qWarning("open failed: %s", qPrintable(error));
            return false;
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Services::setMessageService(&m_messages);

        m_good = path(QStringLiteral("bueno.mdb"));
        QVERIFY(writeDatabase(m_good,
                              tables({wordRow(QStringLiteral("Cepa"), QStringLiteral("Planta de la vid."))},
                                     {photoRow(QStringLiteral("Melazo"), QStringLiteral("melazo01.jpg"),
                                               QStringLiteral("Hojas pegajosas"), 1)})));

        // Storage order deliberately differs from the order the queries give.
        QList<QList<QVariant>> photos{
            photoRow(QStringLiteral("Melazo"), QStringLiteral("melazo03.jpg"), QStringLiteral("tercera"), 3),
            photoRow(QStringLiteral("Mildiu"), QStringLiteral("mildiu2.jpg"), QStringLiteral("haz"), 2),
            photoRow(QStringLiteral("Melazo"), QStringLiteral("melazo10.jpg"), QStringLiteral("décima"), 10),
            photoRow(QStringLiteral("Melazo"), QStringLiteral("melazo01.jpg"), QStringLiteral("primera"), 1),
            photoRow(QStringLiteral("MELAZO"), QStringLiteral("melazo02.jpg"), QStringLiteral("segunda"), 2),
            photoRow(QStringLiteral("melazo"), QStringLiteral("melazo02b.jpg"), QStringLiteral("segunda bis"), 2),
            photoRow(QStringLiteral("Mildiu"), QStringLiteral("mildiu1.jpg"), QStringLiteral("envés"), 1),
            photoRow(QStringLiteral("Melazo"), QStringLiteral("melazo-sin-orden.jpg"), QString(), QVariant()),
            photoRow(QStringLiteral("Melazo"), QStringLiteral("melazo-negativo.jpg"), QString(), -5),
            photoRow(QStringLiteral("Melazo"), QStringLiteral("melazo09.jpg"), QStringLiteral("novena"), 9),
            photoRow(QStringLiteral("Oídio"), QStringLiteral("oidio1.jpg"), QStringLiteral("con acento"), 1),
            photoRow(QStringLiteral("Oidio"), QStringLiteral("oidio-sin-acento.jpg"), QStringLiteral("sin acento"), 1),
            photoRow(QStringLiteral("O'Neil"), QStringLiteral("comilla.jpg"), QStringLiteral("comilla"), 1),
            photoRow(QStringLiteral("' OR '1'='1"), QStringLiteral("inyeccion.jpg"), QStringLiteral("inyección"), 1),
            photoRow(QStringLiteral("Yesca"), QStringLiteral("yesca1.jpg"), QStringLiteral("madera"), 1),
            photoRow(QStringLiteral("Yesca"), QStringLiteral("yesca2.jpg"), QStringLiteral("tronco"), 2),
            photoRow(QStringLiteral("Yesca"), QStringLiteral("yesca3.jpg"), QStringLiteral("brazo"), 3),
            photoRow(QVariant(), QStringLiteral("sin-clave.jpg"), QString(), 1),
        };
        // Many rows sharing each Orden, stored out of order.
        for (int i = 0; i < 36; ++i)
            photos << photoRow(QStringLiteral("Filoxera"), QStringLiteral("filoxera-%1-%2.jpg").arg(2 - i % 3).arg(i),
                               QString(), 2 - i % 3);
        const QList<QList<QVariant>> treatments{
            photoRow(QStringLiteral("Melazo"), QStringLiteral("melazo-t2.rtf"), QStringLiteral("aceite"), 2),
            photoRow(QStringLiteral("Melazo"), QStringLiteral("melazo-t1.rtf"), QStringLiteral("jabón"), 1),
            photoRow(QStringLiteral("Yesca"), QStringLiteral("yesca-t1.rtf"), QStringLiteral("poda"), 1),
        };
        m_photos = path(QStringLiteral("fotos.mdb"));
        QVERIFY(writeDatabase(m_photos, tables({}, photos, treatments)));
    }

    void cleanupTestCase()
    {
        Services::setMessageService(nullptr);
        resetModule();
    }

    void init() { m_messages.shown.clear(); }

    // ---------------------------------------------------------------------
    // Round trip: what the writer stores, the program reads back exactly.

    void roundTrip_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QVariant>("meaning");      // Significado (Memo)
        QTest::addColumn<QVariant>("description");  // Descripcion (Text 255)
        QTest::addColumn<QVariant>("order");        // Orden (Long Integer)

        QTest::newRow("accents") << QStringLiteral("Ápice")
                                 << QVariant(QStringLiteral("Extremo de un órgano; en la vid, el del sarmiento."))
                                 << QVariant(QStringLiteral("ÁÉÍÓÚ áéíóú")) << QVariant(1);
        QTest::newRow("eñe") << QStringLiteral("Año")
                             << QVariant(QStringLiteral("La viña en el año de la señal: Ñandú, ñu."))
                             << QVariant(QStringLiteral("Señal en la viña")) << QVariant(2);
        QTest::newRow("diaeresis") << QStringLiteral("Pingüino")
                                   << QVariant(QStringLiteral("Cigüeña, agüero, vergüenza; GÜE."))
                                   << QVariant(QStringLiteral("Güemes")) << QVariant(3);
        QTest::newRow("quotes") << QStringLiteral("O'Neil")
                                << QVariant(QStringLiteral("Dijo \"mildiu\" y luego 'oídio'; ''doble'' y \"\"."))
                                << QVariant(QStringLiteral("'")) << QVariant(4);
        QTest::newRow("inverted marks and symbols")
            << QStringLiteral("¿Qué es?")
            << QVariant(QStringLiteral("¡Atención! 1º, 2ª, ½ dosis, 30 €, «ceniza», —raya—…"))
            << QVariant(QStringLiteral("ºª€«»")) << QVariant(5);
        QTest::newRow("line breaks") << QStringLiteral(
            "Varias líneas") << QVariant(QStringLiteral("Primera línea.\r\nSegunda línea.\r\n\r\nOtro párrafo."))
                                     << QVariant(QStringLiteral("a\tb")) << QVariant(6);
        QTest::newRow("blanks around") << QStringLiteral("  Envés  ") << QVariant(QStringLiteral("  sangría  "))
                                       << QVariant(QStringLiteral(" ")) << QVariant(7);
        QTest::newRow("digits stay text") << QStringLiteral("007") << QVariant(QStringLiteral("0012"))
                                          << QVariant(QStringLiteral("1e3")) << QVariant(8);
        QTest::newRow("255 characters") << spanish(255) << QVariant(spanish(255)) << QVariant(spanish(255))
                                        << QVariant(9);
        QTest::newRow("255 ñ") << QString(255, QChar(u'ñ')) << QVariant(QString(255, QChar(u'Ñ')))
                               << QVariant(QString(255, QChar(u'ü'))) << QVariant(10);
        QTest::newRow("memo 1024") << QStringLiteral("m1024") << QVariant(spanish(1024)) << QVariant() << QVariant(11);
        QTest::newRow("memo 1025") << QStringLiteral("m1025") << QVariant(spanish(1025)) << QVariant() << QVariant(12);
        QTest::newRow("memo 2000") << QStringLiteral("m2000") << QVariant(spanish(2000)) << QVariant() << QVariant(13);
        QTest::newRow("memo 30000") << QStringLiteral("m30000") << QVariant(spanish(30000)) << QVariant()
                                    << QVariant(14);
        QTest::newRow("nulls") << QStringLiteral("Nulo") << QVariant() << QVariant() << QVariant();
        QTest::newRow("order zero") << QStringLiteral("Cero") << QVariant(QStringLiteral("0")) << QVariant()
                                    << QVariant(0);
        QTest::newRow("order negative") << QStringLiteral("Negativo") << QVariant(QStringLiteral("-1")) << QVariant()
                                        << QVariant(-1);
        QTest::newRow("order largest") << QStringLiteral("Máximo") << QVariant(QStringLiteral("max")) << QVariant()
                                       << QVariant(std::numeric_limits<qint32>::max());
        QTest::newRow("order smallest") << QStringLiteral("Mínimo") << QVariant(QStringLiteral("min")) << QVariant()
                                        << QVariant(std::numeric_limits<qint32>::min());
    }

    // Each value comes back through MdbFile and through the queries exactly
    // as written; nulls stay nulls, numbers stay numbers and texts that look
    // like numbers stay texts.
    void roundTrip()
    {
        QFETCH(QString, word);
        QFETCH(QVariant, meaning);
        QFETCH(QVariant, description);
        QFETCH(QVariant, order);

        const QString file = path(QStringLiteral("ida-y-vuelta.mdb"));
        // Neighbouring rows make sure the right row is found, not just a row.
        QVERIFY(writeDatabase(file,
                              tables({wordRow(QStringLiteral("Antes"), QStringLiteral("a")), wordRow(word, meaning),
                                      wordRow(QStringLiteral("Después"), QStringLiteral("d"))},
                                     {photoRow(word, QStringLiteral("foto.jpg"), description, order)},
                                     {photoRow(word, QStringLiteral("trat.rtf"), description, order)})));

        QHash<QString, jet::TableData> read;
        QString error;
        QVERIFY2(jet::MdbFile::readTables(file, {kDefinicion, kFotos}, &read, &error), qPrintable(error));
        const jet::TableData &words = read.value(kDefinicion);
        QCOMPARE(words.columns, (QStringList{QStringLiteral("Palabra"), QStringLiteral("Significado")}));
        QCOMPARE(words.rows.size(), 3);
        QCOMPARE(words.rows.at(1).at(0).toString(), word);
        QCOMPARE(words.rows.at(1).at(1).isNull(), meaning.isNull());
        QCOMPARE(words.rows.at(1).at(1).toString(), meaning.toString());
        const jet::TableData &photos = read.value(kFotos);
        QCOMPARE(photos.rows.size(), 1);
        QCOMPARE(photos.rows.at(0).at(2).toString(), description.toString());
        QCOMPARE(photos.rows.at(0).at(3).isNull(), order.isNull());
        if (!order.isNull())
            QCOMPARE(photos.rows.at(0).at(3).toLongLong(), order.toLongLong());

        Database db;
        QVERIFY2(db.open(file, &error), qPrintable(error));
        RecordSet term = db.glossaryTerm(word);
        QCOMPARE(term.recordCount(), 1);
        QCOMPARE(term.value(QStringLiteral("Palabra")), word);
        QCOMPARE(term.value(QStringLiteral("Significado")), meaning.toString());
        QCOMPARE(term.rawValue(QStringLiteral("Significado")).isNull(), meaning.isNull());

        for (const QString &table : {kFotos, kTratamiento}) {
            RecordSet rs = db.photos(table, word);
            QCOMPARE(rs.recordCount(), 1);
            QCOMPARE(rs.value(QStringLiteral("Descripcion")), description.toString());
            QCOMPARE(rs.rawValue(QStringLiteral("Orden")).isNull(), order.isNull());
            if (!order.isNull()) {
                QCOMPARE(rs.rawValue(QStringLiteral("Orden")).toLongLong(), order.toLongLong());
                QCOMPARE(rs.value(QStringLiteral("Orden")), QString::number(order.toLongLong()));
            }
        }
    }

    // ---------------------------------------------------------------------
    // Glossary order: Spanish alphabetical order ignoring case.

    void glossaryOrder_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("realistic list")
            << QStringList{u"zarcillo"_qs,  u"ñu"_qs,    u"Nudo"_qs,         u"año"_qs,   u"ano"_qs,
                           u"Ápice"_qs,     u"apice"_qs, u"Abarquillada"_qs, u"ábaco"_qs, u"Envero"_qs,
                           u"Sarmiento"_qs, u"yema"_qs,  u"Brote"_qs,        u"Cepa"_qs,  u"pámpano"_qs,
                           u"Racimo"_qs,    u"hoja"_qs}
            << QStringList{u"ábaco"_qs,   u"Abarquillada"_qs, u"ano"_qs,       u"año"_qs,  u"apice"_qs,   u"Ápice"_qs,
                           u"Brote"_qs,   u"Cepa"_qs,         u"Envero"_qs,    u"hoja"_qs, u"Nudo"_qs,    u"ñu"_qs,
                           u"pámpano"_qs, u"Racimo"_qs,       u"Sarmiento"_qs, u"yema"_qs, u"zarcillo"_qs};
        QTest::newRow("capital accented letter among its letter")
            << QStringList{u"Zarcillo"_qs, u"Ápice"_qs, u"Bacteriosis"_qs, u"Ácaros"_qs, u"Antracnosis"_qs}
            << QStringList{u"Ácaros"_qs, u"Antracnosis"_qs, u"Ápice"_qs, u"Bacteriosis"_qs, u"Zarcillo"_qs};
        QTest::newRow("case does not order")
            << QStringList{u"Zarcillo"_qs, u"abarquillada"_qs, u"ENVÉS"_qs, u"brote"_qs, u"Cepa"_qs, u"cepillo"_qs}
            << QStringList{u"abarquillada"_qs, u"brote"_qs, u"Cepa"_qs, u"cepillo"_qs, u"ENVÉS"_qs, u"Zarcillo"_qs};
        QTest::newRow("ñ after n") << QStringList{u"oídio"_qs, u"ñandú"_qs, u"nudo"_qs,
                                                  u"nácar"_qs, u"Ñu"_qs,    u"nylon"_qs}
                                   << QStringList{u"nácar"_qs, u"nudo"_qs, u"nylon"_qs,
                                                  u"ñandú"_qs, u"Ñu"_qs,   u"oídio"_qs};
        QTest::newRow("ñ inside a word") << QStringList{u"año"_qs, u"anona"_qs, u"ano"_qs, u"añublo"_qs, u"anzuelo"_qs}
                                         << QStringList{u"ano"_qs, u"anona"_qs, u"anzuelo"_qs, u"año"_qs, u"añublo"_qs};
        QTest::newRow("accents only break ties")
            << QStringList{u"envés"_qs, u"enves"_qs, u"envero"_qs, u"ápices"_qs, u"apicultura"_qs}
            << QStringList{u"ápices"_qs, u"apicultura"_qs, u"envero"_qs, u"enves"_qs, u"envés"_qs};
        QTest::newRow("tie broken by accent whatever the storage order")
            << QStringList{u"Ápice"_qs, u"apice"_qs, u"ápice"_qs} << QStringList{u"apice"_qs, u"Ápice"_qs, u"ápice"_qs};
        QTest::newRow("ch and ll are not letters of their own")
            << QStringList{u"ciclo"_qs, u"chancro"_qs, u"cepa"_qs, u"lobo"_qs, u"llaga"_qs, u"lima"_qs}
            << QStringList{u"cepa"_qs, u"chancro"_qs, u"ciclo"_qs, u"lima"_qs, u"llaga"_qs, u"lobo"_qs};
        QTest::newRow("diaeresis among u words")
            << QStringList{u"pinzas"_qs, u"pingüino"_qs, u"pinguino"_qs, u"pinar"_qs}
            << QStringList{u"pinar"_qs, u"pinguino"_qs, u"pingüino"_qs, u"pinzas"_qs};
        QTest::newRow("shorter word first") << QStringList{u"hojas"_qs, u"hoja"_qs, u"Hojarasca"_qs, u"ho"_qs}
                                            << QStringList{u"ho"_qs, u"hoja"_qs, u"Hojarasca"_qs, u"hojas"_qs};
        QTest::newRow("no words") << QStringList{} << QStringList{};
    }

    // SELECT * FROM Definicion ORDER BY Palabra
    void glossaryOrder()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, expected);
        QList<QList<QVariant>> rows;
        for (const QString &w : stored)
            rows << wordRow(w, QStringLiteral("Definición de ") + w);
        Database db;
        QVERIFY(openGlossary(&db, rows));
        const RecordSet rs = db.glossary();
        QCOMPARE(rs.recordCount(), stored.size());
        QCOMPARE(column(rs, QStringLiteral("Palabra")), expected);
        // Whole rows move: each word keeps its own definition.
        for (RecordSet r = rs; !r.eof(); r.moveNext())
            QCOMPARE(r.value(QStringLiteral("Significado")),
                     QStringLiteral("Definición de ") + r.value(QStringLiteral("Palabra")));
    }

    void glossaryTies_data()
    {
        QTest::addColumn<QStringList>("stored");    // "word|tag"
        QTest::addColumn<QStringList>("expected");  // tags in result order

        QTest::newRow("exact duplicates") << QStringList{u"Poda|1"_qs, u"Cepa|c"_qs, u"Poda|2"_qs, u"Poda|3"_qs}
                                          << QStringList{u"c"_qs, u"1"_qs, u"2"_qs, u"3"_qs};
        QTest::newRow("exact duplicates stored backwards")
            << QStringList{u"Poda|3"_qs, u"Poda|2"_qs, u"Cepa|c"_qs, u"Poda|1"_qs}
            << QStringList{u"c"_qs, u"3"_qs, u"2"_qs, u"1"_qs};
        QTest::newRow("case-only differences")
            << QStringList{u"PODA|mayúsculas"_qs, u"poda|minúsculas"_qs, u"Poda|capital"_qs}
            << QStringList{u"mayúsculas"_qs, u"minúsculas"_qs, u"capital"_qs};
        {
            // Enough rows for a sort that is not stable to show it.
            QStringList stored, expected;
            for (int i = 0; i < 40; ++i) {
                stored << u"Poda|%1"_qs.arg(i) << u"Cepa|c%1"_qs.arg(i % 3 == 0 ? i : -i);
                expected << u"c%1"_qs.arg(i % 3 == 0 ? i : -i);
            }
            for (int i = 0; i < 40; ++i)
                expected << QString::number(i);
            QTest::newRow("many duplicates") << stored << expected;
        }
        QTest::newRow("accented duplicates") << QStringList{u"Envés|b"_qs, u"Enves|x"_qs, u"envés|c"_qs, u"Envés|d"_qs}
                                             << QStringList{u"x"_qs, u"b"_qs, u"c"_qs, u"d"_qs};
    }

    // Rows whose words compare equal keep the order they are stored in.
    void glossaryTies()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, expected);
        QList<QList<QVariant>> rows;
        for (const QString &s : stored)
            rows << wordRow(s.section(QLatin1Char('|'), 0, 0), s.section(QLatin1Char('|'), 1));
        Database db;
        QVERIFY(openGlossary(&db, rows));
        QCOMPARE(column(db.glossary(), QStringLiteral("Significado")), expected);
    }

    // A row without a word sorts first, as Jet puts nulls first.
    void glossaryNullWordFirst()
    {
        Database db;
        QVERIFY(openGlossary(&db,
                             {wordRow(QStringLiteral("Cepa"), QStringLiteral("c")),
                              wordRow(QVariant(), QStringLiteral("sin palabra")),
                              wordRow(QStringLiteral("ábaco"), QStringLiteral("a"))}));
        QCOMPARE(column(db.glossary(), QStringLiteral("Significado")),
                 (QStringList{u"sin palabra"_qs, u"a"_qs, u"c"_qs}));
    }

    // ---------------------------------------------------------------------
    // Looking a term up: WHERE Palabra= 'term'.

    void glossaryTerm_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QStringList>("found");  // the stored words found, in storage order

        QTest::newRow("same text") << u"Abarquillada"_qs << QStringList{u"Abarquillada"_qs};
        QTest::newRow("lower case") << u"abarquillada"_qs << QStringList{u"Abarquillada"_qs};
        QTest::newRow("upper case") << u"ABARQUILLADA"_qs << QStringList{u"Abarquillada"_qs};
        QTest::newRow("accent missing") << u"Enves"_qs << QStringList{u"Enves"_qs};
        QTest::newRow("accent present") << u"Envés"_qs << QStringList{u"Envés"_qs};
        QTest::newRow("accent with other case") << u"ENVÉS"_qs << QStringList{u"Envés"_qs};
        QTest::newRow("accent on the wrong letter") << u"Énves"_qs << QStringList{};
        QTest::newRow("capital accented letter") << u"ápice"_qs << QStringList{u"ÁPICE"_qs};
        QTest::newRow("capital accent dropped") << u"apice"_qs << QStringList{};
        QTest::newRow("eñe in other case") << u"AÑO"_qs << QStringList{u"Año"_qs};
        QTest::newRow("n for ñ") << u"Ano"_qs << QStringList{};
        QTest::newRow("diaeresis") << u"PINGÜINO"_qs << QStringList{u"Pingüino"_qs};
        QTest::newRow("diaeresis dropped") << u"Pinguino"_qs << QStringList{};
        QTest::newRow("prefix") << u"Abarquillad"_qs << QStringList{};
        QTest::newRow("longer") << u"Abarquilladas"_qs << QStringList{};
        QTest::newRow("wildcard *") << u"Abar*"_qs << QStringList{};
        QTest::newRow("wildcard %") << u"Abar%"_qs << QStringList{};
        QTest::newRow("wildcard ?") << u"Env?s"_qs << QStringList{};
        QTest::newRow("empty") << QString() << QStringList{};
        QTest::newRow("every row stored twice") << u"poda"_qs << QStringList{u"Poda"_qs, u"PODA"_qs};
        QTest::newRow("apostrophe") << u"O'Neil"_qs << QStringList{u"O'Neil"_qs};
        QTest::newRow("apostrophe, other case") << u"o'neil"_qs << QStringList{u"O'Neil"_qs};
        QTest::newRow("apostrophe doubled") << u"O''Neil"_qs << QStringList{};
        QTest::newRow("injection") << u"' OR '1'='1"_qs << QStringList{u"' OR '1'='1"_qs};
        QTest::newRow("injection, other case") << u"' or '1'='1"_qs << QStringList{u"' OR '1'='1"_qs};
        QTest::newRow("injection not stored") << u"x' OR 'a'='a"_qs << QStringList{};
        QTest::newRow("one quote") << u"'"_qs << QStringList{u"'"_qs};
        QTest::newRow("two quotes") << u"''"_qs << QStringList{u"''"_qs};
        QTest::newRow("three quotes") << u"'''"_qs << QStringList{};
        QTest::newRow("comment and semicolon") << u"Cepa'; --"_qs << QStringList{u"Cepa'; --"_qs};
        QTest::newRow("double quote") << u"\""_qs << QStringList{u"\""_qs};
        QTest::newRow("brackets") << u"[Cepa]"_qs << QStringList{};
    }

    // Equality ignores letter case but not accents; the value is taken
    // literally, quotes and all.
    void glossaryTerm()
    {
        QFETCH(QString, term);
        QFETCH(QStringList, found);
        const QStringList stored{u"Abarquillada"_qs, u"Envés"_qs, u"Enves"_qs,     u"ÁPICE"_qs,       u"Año"_qs,
                                 u"Pingüino"_qs,     u"Poda"_qs,  u"O'Neil"_qs,    u"' OR '1'='1"_qs, u"'"_qs,
                                 u"''"_qs,           u"PODA"_qs,  u"Cepa'; --"_qs, u"\""_qs,          u"Cepa"_qs};
        QList<QList<QVariant>> rows;
        for (const QString &w : stored)
            rows << wordRow(w, QStringLiteral("def:") + w);
        rows << wordRow(QVariant(), QStringLiteral("sin palabra"));
        Database db;
        QVERIFY(openGlossary(&db, rows));
        const RecordSet rs = db.glossaryTerm(term);
        QCOMPARE(rs.state(), RecordSet::Open);
        QCOMPARE(rs.recordCount(), found.size());
        QCOMPARE(column(rs, QStringLiteral("Palabra")), found);
        QStringList meanings;
        for (const QString &w : found)
            meanings << QStringLiteral("def:") + w;
        QCOMPARE(column(rs, QStringLiteral("Significado")), meanings);
        // The table is untouched by any lookup.
        QCOMPARE(db.glossary().recordCount(), rows.size());
    }

    // ---------------------------------------------------------------------
    // Photos and treatments of a key, by Orden.

    void photos_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("files");  // Foto, in result order

        const QStringList melazo{u"melazo-sin-orden.jpg"_qs, u"melazo-negativo.jpg"_qs, u"melazo01.jpg"_qs,
                                 u"melazo02.jpg"_qs,         u"melazo02b.jpg"_qs,       u"melazo03.jpg"_qs,
                                 u"melazo09.jpg"_qs,         u"melazo10.jpg"_qs};
        QTest::newRow("by Orden, nulls first, equal Orden in storage order") << kFotos << u"Melazo"_qs << melazo;
        QTest::newRow("key in lower case") << kFotos << u"melazo"_qs << melazo;
        QTest::newRow("key in upper case") << kFotos << u"MELAZO"_qs << melazo;
        QTest::newRow("stored in order") << kFotos << u"Yesca"_qs
                                         << QStringList{u"yesca1.jpg"_qs, u"yesca2.jpg"_qs, u"yesca3.jpg"_qs};
        {
            QStringList filoxera;
            for (int order = 0; order < 3; ++order)
                for (int i = 0; i < 36; ++i)
                    if (2 - i % 3 == order)
                        filoxera << u"filoxera-%1-%2.jpg"_qs.arg(order).arg(i);
            QTest::newRow("many equal Orden values") << kFotos << u"Filoxera"_qs << filoxera;
        }
        QTest::newRow("other key") << kFotos << u"Mildiu"_qs << QStringList{u"mildiu1.jpg"_qs, u"mildiu2.jpg"_qs};
        QTest::newRow("accented key") << kFotos << u"Oídio"_qs << QStringList{u"oidio1.jpg"_qs};
        QTest::newRow("unaccented key") << kFotos << u"Oidio"_qs << QStringList{u"oidio-sin-acento.jpg"_qs};
        QTest::newRow("apostrophe") << kFotos << u"O'Neil"_qs << QStringList{u"comilla.jpg"_qs};
        QTest::newRow("injection") << kFotos << u"' OR '1'='1"_qs << QStringList{u"inyeccion.jpg"_qs};
        QTest::newRow("one quote") << kFotos << u"'"_qs << QStringList{};
        QTest::newRow("prefix of a key") << kFotos << u"Mela"_qs << QStringList{};
        QTest::newRow("empty key") << kFotos << QString() << QStringList{};
        QTest::newRow("no rows") << kFotos << u"Botritis"_qs << QStringList{};
        QTest::newRow("treatments") << kTratamiento << u"Melazo"_qs
                                    << QStringList{u"melazo-t1.rtf"_qs, u"melazo-t2.rtf"_qs};
        QTest::newRow("treatments, other case") << kTratamiento << u"yESCA"_qs << QStringList{u"yesca-t1.rtf"_qs};
        QTest::newRow("key only in the other table") << kTratamiento << u"Mildiu"_qs << QStringList{};
    }

    // SELECT * FROM <table> WHERE NombreEnfermedad= 'key' ORDER BY Orden
    void photos()
    {
        QFETCH(QString, table);
        QFETCH(QString, key);
        QFETCH(QStringList, files);
        Database db;
        QString error;
        QVERIFY2(db.open(m_photos, &error), qPrintable(error));
        const RecordSet rs = db.photos(table, key);
        QCOMPARE(rs.state(), RecordSet::Open);
        QCOMPARE(rs.recordCount(), files.size());
        QCOMPARE(column(rs, QStringLiteral("Foto")), files);
        for (const QString &k : column(rs, QStringLiteral("NombreEnfermedad")))
            QVERIFY2(k.compare(key, Qt::CaseInsensitive) == 0, qPrintable(k));
    }

    // ---------------------------------------------------------------------
    // What a grower's own file may hold: Orden of any type, names in any
    // letter case, bytes after the last page, empty texts, long memos, and an
    // environment that asks libmdb for another encoding.

    void photoOrderByType_data()
    {
        QTest::addColumn<ColumnDef>("orden");
        QTest::addColumn<QVariantList>("stored");
        QTest::addColumn<QList<int>>("expected");  // storage positions, in result order

        auto col = [](ColumnDef::Type type) { return ColumnDef{u"Orden"_qs, type, 0}; };
        QTest::newRow("Byte") << col(ColumnDef::Type::Byte) << QVariantList{200, 3, QVariant(), 0, 3}
                              << QList<int>{2, 3, 1, 4, 0};
        QTest::newRow("Integer") << col(ColumnDef::Type::Integer) << QVariantList{10, -32768, 2, QVariant(), 1}
                                 << QList<int>{3, 1, 4, 2, 0};
        QTest::newRow("Single") << col(ColumnDef::Type::Single) << QVariantList{10, 1.5, 0.15000001, 2, -1e-3}
                                << QList<int>{4, 2, 1, 3, 0};
        QTest::newRow("Double") << col(ColumnDef::Type::Double)
                                << QVariantList{10, 2, 1.5, 0.15000001, QVariant(), -1e-3, 2.5e2, 2, 0.15}
                                << QList<int>{4, 5, 8, 3, 2, 1, 7, 0, 6};
        QTest::newRow("Currency") << col(ColumnDef::Type::Currency)
                                  << QVariantList{18, 1.5,        0.0001,           -2,
                                                  10, QVariant(), 12345678901.2345, 12345678901.2344}
                                  << QList<int>{5, 3, 2, 1, 4, 0, 7, 6};
        ColumnDef decimal = col(ColumnDef::Type::Decimal);
        decimal.precision = 28;
        decimal.scale = 4;
        QTest::newRow("Decimal") << decimal << QVariantList{u"10"_qs,
                                                            u"2"_qs,
                                                            u"1.5"_qs,
                                                            u"-0.0001"_qs,
                                                            u"12345678901234567890.1235"_qs,
                                                            u"12345678901234567890.1234"_qs}
                                 << QList<int>{3, 2, 1, 0, 5, 4};
        ColumnDef textual = col(ColumnDef::Type::Text);
        textual.maxLength = 10;
        QTest::newRow("Text") << textual << QVariantList{u"10"_qs,   u"2"_qs,   u"1"_qs, u"b"_qs, u"A"_qs,
                                                         QVariant(), QString(), u"Ñ"_qs, u"N"_qs}
                              << QList<int>{5, 6, 2, 0, 1, 4, 3, 8, 7};
        QTest::newRow("Yes/No") << col(ColumnDef::Type::YesNo) << QVariantList{false, true, false, true}
                                << QList<int>{1, 3, 0, 2};
        QTest::newRow("Date/Time") << col(ColumnDef::Type::DateTime)
                                   << QVariantList{QDateTime(QDate(2002, 5, 17), QTime(10, 0), Qt::UTC),
                                                   QDate(1999, 12, 31),
                                                   QDateTime(QDate(1899, 12, 29), QTime(12, 0), Qt::UTC),
                                                   QDateTime(QDate(1899, 12, 29), QTime(6, 0), Qt::UTC), QVariant()}
                                   << QList<int>{4, 3, 2, 1, 0};
    }

    // ORDER BY Orden follows the column's own type, as Jet sorts it.
    void photoOrderByType()
    {
        QFETCH(ColumnDef, orden);
        QFETCH(QVariantList, stored);
        QFETCH(QList<int>, expected);
        QList<TableDef> t = tables({});
        QList<QList<QVariant>> rows;
        for (int i = 0; i < stored.size(); ++i)
            rows << photoRow(u"Mildiu"_qs, u"f%1.jpg"_qs.arg(i), QString(), stored.at(i));
        for (int table : {1, 2}) {
            t[table].columns[3] = orden;
            t[table].rows = rows;
        }
        const QString file = path(u"orden.mdb"_qs);
        QVERIFY(writeDatabase(file, t));
        Database db;
        QString error;
        QVERIFY2(db.open(file, &error), qPrintable(error));
        QStringList want;
        for (int i : expected)
            want << u"f%1.jpg"_qs.arg(i);
        QCOMPARE(column(db.photos(kFotos, u"Mildiu"_qs), u"Foto"_qs), want);
        QCOMPARE(column(db.photos(kTratamiento, u"mildiu"_qs), u"Foto"_qs), want);
    }

    void namesInAnyCase_data()
    {
        QTest::addColumn<QStringList>("tableNames");  // Definicion, Fotos, Tratamiento
        QTest::addColumn<QStringList>(
            "columnNames");  // Palabra, Significado, NombreEnfermedad, Foto, Descripcion, Orden

        QTest::newRow("lower case") << QStringList{u"definicion"_qs, u"fotos"_qs, u"tratamiento"_qs}
                                    << QStringList{u"palabra"_qs, u"significado"_qs, u"nombreenfermedad"_qs,
                                                   u"foto"_qs,    u"descripcion"_qs, u"orden"_qs};
        QTest::newRow("upper case") << QStringList{u"DEFINICION"_qs, u"FOTOS"_qs, u"TRATAMIENTO"_qs}
                                    << QStringList{u"PALABRA"_qs, u"SIGNIFICADO"_qs, u"NOMBREENFERMEDAD"_qs,
                                                   u"FOTO"_qs,    u"DESCRIPCION"_qs, u"ORDEN"_qs};
        QTest::newRow("mixed") << QStringList{u"DeFiNiCiOn"_qs, u"Fotos"_qs, u"tRATAMIENTO"_qs}
                               << QStringList{u"Palabra"_qs, u"sIGNIFICADO"_qs, u"NombreEnfermedad"_qs,
                                              u"fOTO"_qs,    u"Descripcion"_qs, u"oRDEN"_qs};
    }

    // Tables and columns are found whatever the letter case of their names,
    // Spanish letters included, by the queries and by the record sets.
    void namesInAnyCase()
    {
        QFETCH(QStringList, tableNames);
        QFETCH(QStringList, columnNames);
        QList<TableDef> t = tables({wordRow(u"Cepa"_qs, u"c"_qs), wordRow(u"Año"_qs, u"a"_qs)},
                                   {photoRow(u"Mildiu"_qs, u"m2.jpg"_qs, u"segunda"_qs, 2),
                                    photoRow(u"Mildiu"_qs, u"m1.jpg"_qs, u"primera"_qs, 1)},
                                   {photoRow(u"Mildiu"_qs, u"t1.rtf"_qs, u"trat"_qs, 1)});
        for (int i = 0; i < 3; ++i) {
            t[i].name = tableNames.at(i);
            for (int c = 0; c < t[i].columns.size(); ++c)
                t[i].columns[c].name = columnNames.at(i == 0 ? c : 2 + c);
        }
        t[1].columns << ColumnDef{u"año"_qs, ColumnDef::Type::Text, 10};
        for (QList<QVariant> &row : t[1].rows)
            row << u"2002"_qs;
        const QString file = path(u"nombres.mdb"_qs);
        QVERIFY(writeDatabase(file, t));
        Database db;
        QString error;
        QVERIFY2(db.open(file, &error), qPrintable(error));
        QCOMPARE(column(db.glossary(), u"Significado"_qs), (QStringList{u"a"_qs, u"c"_qs}));
        QCOMPARE(db.glossaryTerm(u"año"_qs).value(u"Palabra"_qs), u"Año"_qs);
        const RecordSet rs = db.photos(kFotos, u"Mildiu"_qs);
        QCOMPARE(column(rs, u"Foto"_qs), (QStringList{u"m1.jpg"_qs, u"m2.jpg"_qs}));
        QCOMPARE(column(rs, u"Descripcion"_qs), (QStringList{u"primera"_qs, u"segunda"_qs}));
        QCOMPARE(rs.value(u"AÑO"_qs), u"2002"_qs);
        QCOMPARE(column(db.photos(kTratamiento, u"Mildiu"_qs), u"Foto"_qs), QStringList{u"t1.rtf"_qs});
    }

    void bytesAfterTheLastPage_data()
    {
        QTest::addColumn<int>("extra");
        QTest::newRow("one byte") << 1;
        QTest::newRow("a few bytes") << 37;
        QTest::newRow("all but one byte of a page") << 4095;
    }

    // A file with a few bytes after its last whole page opens and reads as
    // the same file without them (a file cut inside a page it needs does not,
    // as startUpFailure shows).
    void bytesAfterTheLastPage()
    {
        QFETCH(int, extra);
        const QString file = path(u"sobrante.mdb"_qs);
        QVERIFY(writeBytes(file, readBytes(m_photos) + QByteArray(extra, '\x5a')));
        Database db, whole;
        QString error;
        QVERIFY2(db.open(file, &error), qPrintable(error));
        QVERIFY2(whole.open(m_photos, &error), qPrintable(error));
        for (const QString &key : {u"Melazo"_qs, u"Filoxera"_qs})
            QCOMPARE(column(db.photos(kFotos, key), u"Foto"_qs), column(whole.photos(kFotos, key), u"Foto"_qs));
        QCOMPARE(column(db.photos(kTratamiento, u"Melazo"_qs), u"Foto"_qs),
                 (QStringList{u"melazo-t1.rtf"_qs, u"melazo-t2.rtf"_qs}));
    }

    void emptyTexts_data()
    {
        QTest::addColumn<QString>("query");  // glossary, term or photos
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QStringList>("found");  // tags, in result order

        QTest::newRow("ORDER BY Palabra: nulls, then empty texts")
            << u"glossary"_qs << QString()
            << QStringList{u"nulo"_qs, u"vacío 1"_qs, u"vacío 2"_qs, u"ábaco"_qs, u"Cepa"_qs};
        QTest::newRow("WHERE Palabra=''") << u"term"_qs << QString() << QStringList{u"vacío 1"_qs, u"vacío 2"_qs};
        QTest::newRow("WHERE NombreEnfermedad=''") << u"photos"_qs << QString() << QStringList{u"vacía"_qs};
        QTest::newRow("a key still finds its rows")
            << u"photos"_qs << u"Mildiu"_qs << QStringList{u"sin nombre de foto"_qs, u"foto nula"_qs};
    }

    // An empty text is not null: the queries tell them apart as Jet does.
    void emptyTexts()
    {
        QFETCH(QString, query);
        QFETCH(QString, argument);
        QFETCH(QStringList, found);
        const QString file = path(u"vacios.mdb"_qs);
        QVERIFY(writeDatabase(
            file,
            tables({wordRow(u"Cepa"_qs, u"Cepa"_qs), wordRow(u""_qs, u"vacío 1"_qs), wordRow(QVariant(), u"nulo"_qs),
                    wordRow(u"ábaco"_qs, u"ábaco"_qs), wordRow(u""_qs, u"vacío 2"_qs)},
                   {photoRow(u"Mildiu"_qs, u""_qs, u"sin nombre de foto"_qs, 1),
                    photoRow(u""_qs, u"v.jpg"_qs, u"vacía"_qs, 1), photoRow(QVariant(), u"n.jpg"_qs, u"nula"_qs, 1),
                    photoRow(u"Mildiu"_qs, QVariant(), u"foto nula"_qs, 2)})));
        Database db;
        QString error;
        QVERIFY2(db.open(file, &error), qPrintable(error));
        if (query == QLatin1String("glossary"))
            QCOMPARE(column(db.glossary(), u"Significado"_qs), found);
        else if (query == QLatin1String("term"))
            QCOMPARE(column(db.glossaryTerm(argument), u"Significado"_qs), found);
        else
            QCOMPARE(column(db.photos(kFotos, argument), u"Descripcion"_qs), found);
        // An empty photo name is read as empty, not as null.
        const RecordSet photos = db.photos(kFotos, u"Mildiu"_qs);
        QVERIFY(!photos.rawValue(u"Foto"_qs).isNull());
        QCOMPARE(photos.value(u"Foto"_qs), QString());
    }

    void environmentDoesNotChangeTexts_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("MDBICONV=ISO-8859-1") << QByteArray("MDBICONV") << QByteArray("ISO-8859-1");
        QTest::newRow("MDBICONV=ASCII") << QByteArray("MDBICONV") << QByteArray("ASCII");
        QTest::newRow("MDBICONV=UTF-16") << QByteArray("MDBICONV") << QByteArray("UTF-16");
        QTest::newRow("MDBICONV unknown") << QByteArray("MDBICONV") << QByteArray("NO-EXISTE");
    }

    // Texts and names come back as written whatever the session's environment
    // asks libmdb for.
    void environmentDoesNotChangeTexts()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        const QString word = u"Pingüino ÁÉÍÓÚ ñÑ € ¿?"_qs, meaning = spanish(3000);
        QList<TableDef> t = tables({wordRow(word, meaning)}, {photoRow(u"Oídio"_qs, u"oídio.jpg"_qs, u"Año"_qs, 1)});
        t[1].columns << ColumnDef{u"Descripción"_qs, ColumnDef::Type::Text, 20};
        t[1].rows[0] << u"envés"_qs;
        const QString file = path(u"entorno.mdb"_qs);
        QVERIFY(writeDatabase(file, t));
        const QByteArray before = qgetenv(variable.constData());
        const bool had = qEnvironmentVariableIsSet(variable.constData());
        qputenv(variable.constData(), value);
        Database db;
        QString error;
        const bool opened = db.open(file, &error);
        if (had)
            qputenv(variable.constData(), before);
        else
            qunsetenv(variable.constData());
        QVERIFY2(opened, qPrintable(error));
        const RecordSet term = db.glossaryTerm(word);
        QCOMPARE(term.value(u"Palabra"_qs), word);
        QCOMPARE(term.value(u"Significado"_qs), meaning);
        const RecordSet photo = db.photos(kFotos, u"OÍDIO"_qs);
        QCOMPARE(photo.value(u"Foto"_qs), u"oídio.jpg"_qs);
        QCOMPARE(photo.value(u"Descripción"_qs), u"envés"_qs);
    }

    void longMemos_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<bool>("pastTheLimit");  // the stored length made larger than 16 MiB

        QTest::newRow("600,000 á") << QString(600'000, QChar(u'á')) << false;
        QTest::newRow("five million v") << QString(5'000'000, QLatin1Char('v')) << false;
        // 16 MiB less two bytes as stored: the most the writer stores.
        QTest::newRow("largest stored") << QString(0x7FFFFF, QChar(u'葡')) << false;
        QTest::newRow("longer than 16 MiB") << QString(600'000, QChar(u'á')) << true;
    }

    // A memo is read whole; one longer than 16 MiB refuses the database
    // rather than showing part of it.
    void longMemos()
    {
        QFETCH(QString, memo);
        QFETCH(bool, pastTheLimit);
        const QString file = path(u"memos.mdb"_qs);
        QVERIFY(writeDatabase(file, tables({wordRow(u"Larga"_qs, memo), wordRow(u"Corta"_qs, u"breve"_qs)})));
        if (pastTheLimit) {
            // The memo's length field in its row: stored length, no flags.
            QByteArray bytes = readBytes(file);
            QByteArray length(4, '\0');
            qToLittleEndian(quint32(memo.size() * 2), length.data());
            const qsizetype at = bytes.indexOf(length);
            QVERIFY(at > 0 && bytes.indexOf(length, at + 1) < 0);
            bytes[at + 3] = 0x01;
            QVERIFY(writeBytes(file, bytes));
        }
        Database db;
        QString error;
        if (pastTheLimit) {
            QVERIFY(!db.open(file, &error));
            QVERIFY2(error.contains(file) && error.contains(u"16 MiB"_qs) && error.contains(u"Significado"_qs),
                     qPrintable(error));
            return;
        }
        QVERIFY2(db.open(file, &error), qPrintable(error));
        QVERIFY(db.glossaryTerm(u"Larga"_qs).value(u"Significado"_qs) == memo);
        QCOMPARE(db.glossaryTerm(u"Corta"_qs).value(u"Significado"_qs), u"breve"_qs);
    }

    // ---------------------------------------------------------------------
    // Record sets.

    void emptyResult_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("moves");  // N next, P previous, F first

        for (const QString &q : {u"photos"_qs, u"term"_qs}) {
            QTest::addRow("%s, untouched", qPrintable(q)) << q << QString();
            QTest::addRow("%s, moveNext", qPrintable(q)) << q << u"NN"_qs;
            QTest::addRow("%s, moveFirst", qPrintable(q)) << q << u"F"_qs;
            QTest::addRow("%s, movePrevious", qPrintable(q)) << q << u"P"_qs;
            QTest::addRow("%s, movePrevious then moveFirst", qPrintable(q)) << q << u"PPF"_qs;
            QTest::addRow("%s, every move", qPrintable(q)) << q << u"NPFNPPNF"_qs;
        }
    }

    // A query that selects nothing: the set is open and at once past the end
    // and before the start, whatever moves the screen makes on it.
    void emptyResult()
    {
        QFETCH(QString, query);
        QFETCH(QString, moves);
        Database db;
        QString error;
        QVERIFY2(db.open(m_photos, &error), qPrintable(error));
        RecordSet rs =
            query == QLatin1String("photos") ? db.photos(kFotos, u"Botritis"_qs) : db.glossaryTerm(u"Inexistente"_qs);
        for (QChar m : moves) {
            if (m == u'N')
                rs.moveNext();
            else if (m == u'P')
                rs.movePrevious();
            else
                rs.moveFirst();
        }
        QCOMPARE(rs.state(), RecordSet::Open);
        QCOMPARE(rs.recordCount(), 0);
        QCOMPARE(rs.bof(), true);
        // Whatever the moves, an empty set is at its end: a loop over
        // "not end of rows" never runs.
        QCOMPARE(rs.eof(), true);
        QCOMPARE(rs.value(u"Foto"_qs), QString());
        QCOMPARE(rs.value(u"Palabra"_qs), QString());
        QVERIFY(!rs.rawValue(u"Orden"_qs).isValid());
    }

    // Stepping through three rows to the end, back to the start, and closing.
    void recordSetStepping()
    {
        Database db;
        QString error;
        QVERIFY2(db.open(m_photos, &error), qPrintable(error));
        RecordSet rs = db.photos(kFotos, u"Yesca"_qs);
        const QString foto = u"Foto"_qs;
        QCOMPARE(rs.state(), RecordSet::Open);
        QVERIFY(rs.isOpen());
        QCOMPARE(rs.recordCount(), 3);

        // At the first row, neither end.
        QVERIFY(!rs.bof());
        QVERIFY(!rs.eof());
        QCOMPARE(rs.value(foto), u"yesca1.jpg"_qs);
        QCOMPARE(rs.rawValue(u"Orden"_qs).toLongLong(), 1);
        QCOMPARE(rs.value(u"NoExiste"_qs), QString());

        rs.moveNext();
        QCOMPARE(rs.value(foto), u"yesca2.jpg"_qs);
        rs.moveNext();
        QCOMPARE(rs.value(foto), u"yesca3.jpg"_qs);
        QVERIFY(!rs.eof());
        rs.moveNext();
        QVERIFY(rs.eof());
        QVERIFY(!rs.bof());
        QCOMPARE(rs.value(foto), QString());
        // Past the end stays past the end, and one step back is the last row.
        rs.moveNext();
        rs.moveNext();
        QVERIFY(rs.eof());
        rs.movePrevious();
        QVERIFY(!rs.eof());
        QCOMPARE(rs.value(foto), u"yesca3.jpg"_qs);

        rs.movePrevious();
        rs.movePrevious();
        QCOMPARE(rs.value(foto), u"yesca1.jpg"_qs);
        QVERIFY(!rs.bof());
        rs.movePrevious();
        QVERIFY(rs.bof());
        QVERIFY(!rs.eof());
        QCOMPARE(rs.value(foto), QString());
        // Before the start stays before the start, and one step on is the
        // first row.
        rs.movePrevious();
        rs.movePrevious();
        QVERIFY(rs.bof());
        rs.moveNext();
        QVERIFY(!rs.bof());
        QCOMPARE(rs.value(foto), u"yesca1.jpg"_qs);

        // moveFirst from the end and from before the start.
        while (!rs.eof())
            rs.moveNext();
        rs.moveFirst();
        QCOMPARE(rs.value(foto), u"yesca1.jpg"_qs);
        rs.movePrevious();
        rs.moveFirst();
        QCOMPARE(rs.value(foto), u"yesca1.jpg"_qs);
        QCOMPARE(rs.recordCount(), 3);

        // A copy steps on its own.
        RecordSet copy = rs;
        copy.moveNext();
        QCOMPARE(copy.value(foto), u"yesca2.jpg"_qs);
        QCOMPARE(rs.value(foto), u"yesca1.jpg"_qs);

        rs.close();
        QCOMPARE(rs.state(), RecordSet::Closed);
        QVERIFY(!rs.isOpen());
        QCOMPARE(rs.recordCount(), -1);
        QVERIFY(rs.eof());
        QVERIFY(rs.bof());
        QCOMPARE(rs.value(foto), QString());
        // Moves on a closed set change nothing.
        rs.moveNext();
        rs.movePrevious();
        rs.moveFirst();
        QCOMPARE(rs.state(), RecordSet::Closed);
        QCOMPARE(rs.recordCount(), -1);
        QCOMPARE(rs.value(foto), QString());
        rs.close();
        QCOMPARE(rs.state(), RecordSet::Closed);
        // Closing one set leaves the others and the connection alone.
        QCOMPARE(copy.value(foto), u"yesca2.jpg"_qs);
        QCOMPARE(db.photos(kFotos, u"Yesca"_qs).recordCount(), 3);

        // A set that was never opened.
        const RecordSet none;
        QCOMPARE(none.state(), RecordSet::Closed);
        QCOMPARE(none.recordCount(), -1);
        QVERIFY(none.eof() && none.bof());
    }

    // ---------------------------------------------------------------------
    // Existence check of data files.

    void fileExists_data()
    {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("expectedName");
        QTest::addColumn<bool>("present");

        QTest::newRow("present") << u"datos/sarmo/Fotos\\Melazo\\melazo03.jpg"_qs << u"melazo03.jpg"_qs << true;
        QTest::newRow("present, slashes only")
            << u"datos/sarmo/Fotos/Melazo/melazo03.jpg"_qs << u"melazo03.jpg"_qs << true;
        QTest::newRow("present, backslashes only")
            << u"datos\\sarmo\\Fotos\\Melazo\\melazo03.jpg"_qs << u"melazo03.jpg"_qs << true;
        QTest::newRow("present, name with blanks and accents")
            << u"datos/sarmo/Tratamiento\\Oídio tratamiento.rtf"_qs << u"Oídio tratamiento.rtf"_qs << true;
        QTest::newRow("missing") << u"datos/sarmo/Fotos\\Melazo\\melazo04.jpg"_qs << u"melazo04.jpg"_qs << false;
        QTest::newRow("missing folder") << u"datos/sarmo/Fotos\\Yesca\\yesca01.jpg"_qs << u"yesca01.jpg"_qs << false;
        QTest::newRow("extension in other case")
            << u"datos/sarmo/Fotos\\Meloidogyne\\meloidogyne05.JPG"_qs << u"meloidogyne05.JPG"_qs << false;
        QTest::newRow("name in other case")
            << u"datos/sarmo/Fotos\\Melazo\\Melazo03.jpg"_qs << u"Melazo03.jpg"_qs << false;
        QTest::newRow("folder in other case")
            << u"datos/sarmo/Fotos\\melazo\\melazo03.jpg"_qs << u"melazo03.jpg"_qs << false;
        QTest::newRow("folder in place of the file")
            << u"datos/sarmo/Fotos\\Melazo\\carpeta.jpg"_qs << u"carpeta.jpg"_qs << false;
        QTest::newRow("a location itself") << u"datos/sarmo/Fotos\\Melazo"_qs << u"Melazo"_qs << false;
        QTest::newRow("empty name after backslash") << u"datos/sarmo/Fotos\\"_qs << QString() << false;
        QTest::newRow("empty name after slash") << u"datos/sarmo/Fotos\\Melazo/"_qs << QString() << false;
        QTest::newRow("empty path") << QString() << QString() << false;
        QTest::newRow("trailing blank") << u"datos/sarmo/Fotos\\Melazo\\melazo03.jpg "_qs << u"melazo03.jpg "_qs
                                        << false;
        QTest::newRow("symbolic link") << u"datos/sarmo/Fotos\\Melazo\\enlace.jpg"_qs << u"enlace.jpg"_qs << true;
        QTest::newRow("symbolic link, name with brackets")
            << u"datos/sarmo/Fotos\\Melazo\\foto[1].jpg"_qs << u"foto[1].jpg"_qs << true;
        QTest::newRow("dangling symbolic link") << u"datos/sarmo/Fotos\\Melazo\\roto.jpg"_qs << u"roto.jpg"_qs << false;
    }

    // A file is there only when a regular file's directory entry bears
    // exactly the name asked for.
    void fileExists()
    {
        QFETCH(QString, built);
        QFETCH(QString, expectedName);
        QFETCH(bool, present);

        QTemporaryDir root;
        QVERIFY(root.isValid());
        QDir d(root.path());
        QVERIFY(d.mkpath(u"datos/sarmo/Fotos/Melazo/carpeta.jpg"_qs));
        QVERIFY(d.mkpath(u"datos/sarmo/Fotos/Meloidogyne"_qs));
        QVERIFY(d.mkpath(u"datos/sarmo/Tratamiento"_qs));
        QVERIFY(writeBytes(d.filePath(u"datos/sarmo/Fotos/Melazo/melazo03.jpg"_qs), "jpg"));
        QVERIFY(writeBytes(d.filePath(u"datos/sarmo/Fotos/Meloidogyne/meloidogyne05.jpg"_qs), "jpg"));
        QVERIFY(writeBytes(d.filePath(u"datos/sarmo/Tratamiento/Oídio tratamiento.rtf"_qs), "{\\rtf1}"));
        QVERIFY(QFile::link(u"melazo03.jpg"_qs, d.filePath(u"datos/sarmo/Fotos/Melazo/enlace.jpg"_qs)));
        QVERIFY(QFile::link(u"melazo03.jpg"_qs, d.filePath(u"datos/sarmo/Fotos/Melazo/foto[1].jpg"_qs)));
        QVERIFY(QFile::link(u"no-existe.jpg"_qs, d.filePath(u"datos/sarmo/Fotos/Melazo/roto.jpg"_qs)));
        // A file that only a pattern would match, next to the bracketed link.
        QVERIFY(writeBytes(d.filePath(u"datos/sarmo/Fotos/Melazo/foto1.jpg"_qs), "jpg"));

        const WorkingDirectory cwd(root.path());
        QVERIFY(cwd.ok());
        QCOMPARE(FileCheck::expectedName(built), expectedName);
        // A link's own name is compared letter for letter, not as a
        // wildcard pattern ("foto[1].jpg").
        QCOMPARE(FileCheck::exists(built), present);
        QCOMPARE(FileCheck::exists(built, expectedName), present);
        QCOMPARE(FileCheck::check(built), present);
        // check() reports a missing file, and nothing else.
        QCOMPARE(m_messages.shown.size(), present ? 0 : 1);
        if (!present)
            QCOMPARE(m_messages.shown.constFirst().text, FileCheck::missingText(built));
    }

    void missingMessage_data()
    {
        QTest::addColumn<QString>("built");
        QTest::newRow("photo") << u"datos/sarmo/Fotos\\Melazo\\melazo03.jpg"_qs;
        QTest::newRow("treatment") << u"datos/sarmo/Tratamiento\\Oídio tratamiento.rtf"_qs;
        QTest::newRow("audio") << u"datos/sarmo/mp3d\\pregunta1.mp3"_qs;
        QTest::newRow("empty") << QString();
    }

    // The missing-file message: the path as built, then a fixed sentence,
    // in a critical "Error de carga" box.
    void missingMessage()
    {
        QFETCH(QString, built);
        const QString text =
            built + u" no encontrado. El archivo ha sido modificado, eliminado o ha cambiado de ubicación."_qs;
        QCOMPARE(FileCheck::missingText(built), text);

        FileCheck::reportMissing(built);
        QCOMPARE(m_messages.shown.size(), 1);
        const MessageBoxData box = m_messages.shown.constFirst();
        QCOMPARE(box.title, u"Error de carga"_qs);
        QCOMPARE(box.text, text);
        QCOMPARE(int(box.icon), int(MessageIcon::Critical));

        m_messages.shown.clear();
        QTemporaryDir root;
        const WorkingDirectory cwd(root.path());
        QVERIFY(!FileCheck::check(built));
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown.constFirst().title, u"Error de carga"_qs);
        QCOMPARE(m_messages.shown.constFirst().text, text);
        QCOMPARE(int(m_messages.shown.constFirst().icon), int(MessageIcon::Critical));
    }

    // ---------------------------------------------------------------------
    // Start-up: the connection and the data locations.

    // The program started in a folder holding the data set: the locations
    // name its folders and the connection opens on its database.
    void startUpWithDataSet()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QDir d(root.path());
        const QStringList folders{u"Fotos"_qs, u"ResultadoVid"_qs, u"Tratamiento"_qs,
                                  u"mp3d"_qs,  u"Sarmo_web"_qs,    u"Videos"_qs};
        for (const QString &f : folders) {
            QVERIFY(d.mkpath(u"datos/sarmo/"_qs + f));
            QVERIFY(writeBytes(d.filePath(u"datos/sarmo/%1/en-%1.txt"_qs.arg(f)), "x"));
        }
        QVERIFY(QFile::copy(m_photos, d.filePath(u"datos/sarmo/bd2002.mdb"_qs)));
        const WorkingDirectory cwd(root.path());
        QVERIFY(cwd.ok());

        resetModule();
        ModuleState &m = module();
        m.fillLocations();
        const QList<QPair<QString, QString>> locations{
            {m.RutaFotos, u"Fotos"_qs}, {m.RutaResultados, u"ResultadoVid"_qs}, {m.RutaTratamientos, u"Tratamiento"_qs},
            {m.RutaAudio, u"mp3d"_qs},  {m.RutaAyuda, u"Sarmo_web"_qs},         {m.RutaVideos, u"Videos"_qs}};
        for (const auto &[location, folder] : locations) {
            QCOMPARE(location, u"datos/sarmo/"_qs + folder);
            QVERIFY2(FileCheck::exists(location + u"\\en-"_qs + folder + u".txt"_qs), qPrintable(location));
        }

        QString error;
        QVERIFY2(m.openConnection(&error), qPrintable(error));
        QVERIFY(m.Conexion.isOpen());
        QCOMPARE(column(m.Conexion.photos(kFotos, u"Yesca"_qs), u"Foto"_qs),
                 (QStringList{u"yesca1.jpg"_qs, u"yesca2.jpg"_qs, u"yesca3.jpg"_qs}));
        // The same module until it is reset.
        QCOMPARE(&module(), &m);
        resetModule();
        QVERIFY(!module().Conexion.isOpen());
        QVERIFY(module().RutaFotos.isEmpty());
    }

    void startUpFailure_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");  // part of the message saying what is wrong

        QTest::newRow("file missing") << u"missing"_qs << u"no existe"_qs;
        QTest::newRow("folder named bd2002.mdb") << u"folder"_qs << u"carpeta"_qs;
        QTest::newRow("unreadable") << u"unreadable"_qs << u"no se puede leer"_qs;
        QTest::newRow("zero bytes") << u"empty"_qs << u"no es una base de datos"_qs;
        QTest::newRow("cut in the middle of a page") << u"cutMidPage"_qs << u"incompleto"_qs;
        QTest::newRow("cut to the header page") << u"cutHeaderPage"_qs << u"incompleto"_qs;
        QTest::newRow("cut to the first header bytes") << u"cutHeaderBytes"_qs << u"incompleto"_qs;
        QTest::newRow("cut at a page boundary") << u"cutPageBoundary"_qs << QString();
        QTest::newRow("random bytes") << u"random"_qs << u"no es una base de datos"_qs;
        QTest::newRow("Jet header then random pages") << u"headerThenRandom"_qs << QString();
        QTest::newRow("text file") << u"text"_qs << u"no es una base de datos"_qs;
        QTest::newRow("no table Definicion") << u"drop:Definicion"_qs << u"Definicion"_qs;
        QTest::newRow("no table Fotos") << u"drop:Fotos"_qs << u"Fotos"_qs;
        QTest::newRow("no table Tratamiento") << u"drop:Tratamiento"_qs << u"Tratamiento"_qs;
        QTest::newRow("no tables at all") << u"drop:all"_qs << u"Definicion"_qs;
        QTest::newRow("Fotos without Orden") << u"column:Fotos:Orden"_qs << u"Orden"_qs;
        QTest::newRow("Tratamiento without Orden") << u"column:Tratamiento:Orden"_qs << u"Orden"_qs;
        QTest::newRow("Fotos without NombreEnfermedad")
            << u"column:Fotos:NombreEnfermedad"_qs << u"NombreEnfermedad"_qs;
        QTest::newRow("Definicion without Significado") << u"column:Definicion:Significado"_qs << u"Significado"_qs;
    }

    // Every way the database can be unusable at start-up: the open fails
    // with a Spanish sentence naming the file and what is wrong with it.
    void startUpFailure()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        if (damage == QLatin1String("unreadable") && geteuid() == 0)
            QSKIP("Running as root, which can read a file without read permission.");

        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(QDir(root.path()).mkpath(u"datos/sarmo"_qs));
        const QString file = root.filePath(u"datos/sarmo/bd2002.mdb"_qs);
        const QByteArray good = readBytes(m_photos);
        QVERIFY(good.size() >= 4 * 4096);
        QVERIFY(good.size() % 4096 == 0);

        if (damage == QLatin1String("missing")) {
        } else if (damage == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(file));
        } else if (damage == QLatin1String("unreadable")) {
            QVERIFY(writeBytes(file, good));
            QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions()));
        } else if (damage == QLatin1String("empty")) {
            QVERIFY(writeBytes(file, QByteArray()));
        } else if (damage == QLatin1String("cutMidPage")) {
            QVERIFY(writeBytes(file, good.left(good.size() / 4096 / 2 * 4096 + 1234)));
        } else if (damage == QLatin1String("cutHeaderPage")) {
            QVERIFY(writeBytes(file, good.left(4096)));
        } else if (damage == QLatin1String("cutHeaderBytes")) {
            QVERIFY(writeBytes(file, good.left(0x80)));
        } else if (damage == QLatin1String("cutPageBoundary")) {
            QVERIFY(writeBytes(file, good.left(good.size() / 4096 / 2 * 4096)));
        } else if (damage == QLatin1String("random")) {
            QRandomGenerator rng(2002);
            QByteArray bytes(16 * 4096, Qt::Uninitialized);
            for (char &c : bytes)
                c = char(rng.bounded(256));
            QVERIFY(writeBytes(file, bytes));
        } else if (damage == QLatin1String("headerThenRandom")) {
            QRandomGenerator rng(57);
            QByteArray bytes = good.left(4096);
            while (bytes.size() < good.size())
                bytes.append(char(rng.bounded(256)));
            QVERIFY(writeBytes(file, bytes));
        } else if (damage == QLatin1String("text")) {
            QByteArray text;
            while (text.size() < 16 * 4096)
                text += "Standard Jet DB? No: esto es un archivo de texto con la lista de la compra.\r\n";
            QVERIFY(writeBytes(file, text.left(16 * 4096)));
        } else if (damage.startsWith(QLatin1String("drop:"))) {
            const QString table = damage.section(QLatin1Char(':'), 1);
            QList<TableDef> t = tables({wordRow(u"Cepa"_qs, u"c"_qs)});
            t.erase(std::remove_if(t.begin(), t.end(),
                                   [&](const TableDef &d) { return table == QLatin1String("all") || d.name == table; }),
                    t.end());
            if (table == QLatin1String("all"))  // a database with other tables only
                t << TableDef{u"Otra"_qs, {{u"Palabra"_qs, ColumnDef::Type::Text, 50}}, {}};
            QVERIFY(writeDatabase(file, t));
        } else if (damage.startsWith(QLatin1String("column:"))) {
            const QString table = damage.section(QLatin1Char(':'), 1, 1);
            const QString col = damage.section(QLatin1Char(':'), 2);
            QList<TableDef> t =
                tables({wordRow(u"Cepa"_qs, u"c"_qs)}, {photoRow(u"Melazo"_qs, u"m.jpg"_qs, u"d"_qs, 1)},
                       {photoRow(u"Melazo"_qs, u"m.rtf"_qs, u"d"_qs, 1)});
            for (TableDef &d : t) {
                if (d.name != table)
                    continue;
                int i = 0;
                while (d.columns.at(i).name != col)
                    ++i;
                d.columns.removeAt(i);
                for (QList<QVariant> &row : d.rows)
                    row.removeAt(i);
            }
            QVERIFY(writeDatabase(file, t));
        } else {
            QFAIL("unknown damage");
        }

        // Database::open on the full path, on a connection that was open.
        Database db;
        QString error;
        QVERIFY2(db.open(m_good, &error), qPrintable(error));
        error.clear();
        QVERIFY(!db.open(file, &error));
        QVERIFY(!db.isOpen());
        QVERIFY2(error.contains(file), qPrintable(error));
        if (!reason.isEmpty())
            QVERIFY2(error.contains(reason), qPrintable(error));
        // Nothing is left from the database that was open before.
        QVERIFY(db.glossary().eof());
        QVERIFY(db.glossaryTerm(u"Cepa"_qs).eof());
        QVERIFY(db.photos(kFotos, u"Melazo"_qs).eof());

        // The program's own start-up, from the folder holding datos/.
        {
            const WorkingDirectory cwd(root.path());
            QVERIFY(cwd.ok());
            resetModule();
            QString startUpError;
            QVERIFY(!module().openConnection(&startUpError));
            QVERIFY(!module().Conexion.isOpen());
            QVERIFY2(startUpError.contains(u"datos/sarmo/bd2002.mdb"_qs), qPrintable(startUpError));
            if (!reason.isEmpty())
                QVERIFY2(startUpError.contains(reason), qPrintable(startUpError));
            // A Spanish sentence.
            QVERIFY2(startUpError.startsWith(u"El "_qs) || startUpError.startsWith(u"La "_qs)
                         || startUpError.startsWith(u"datos/"_qs),
                     qPrintable(startUpError));
            QVERIFY2(startUpError.endsWith(QLatin1Char('.')), qPrintable(startUpError));
            resetModule();
        }
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // An open without a place for the message still fails cleanly.
    void startUpFailureWithoutErrorText()
    {
        Database db;
        QVERIFY(!db.open(path(u"no-existe.mdb"_qs), nullptr));
        QVERIFY(!db.isOpen());
        QVERIFY(db.open(m_good, nullptr));
        QVERIFY(db.isOpen());
    }
};

QTEST_MAIN(TestData)
#include "test_data.moc"
