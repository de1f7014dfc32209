// The data-set checker on the demonstration data set and on damaged copies.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "DataSet.h"
#include "DataSetCheck.h"
#include "platform/jet/Database.h"

class TestChecker : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void demonstrationSetIsComplete();
    void removedFileIsReported();
    void misCasedFileIsReported();
    void missingColumnAndRowPhotoAreReported();
    void checkerAndProgramAgree_data();
    void checkerAndProgramAgree();

private:
    QString copy();
    QTemporaryDir m_tmp;
    QString m_base;
};

void TestChecker::initTestCase()
{
    if (!QFileInfo::exists(QStringLiteral(SARMO_DATA_DIR "/bd2002.mdb")))
        QSKIP("the demonstration data set has not been built");
}

void TestChecker::init()
{
    m_base = m_tmp.path() + QStringLiteral("/") + QString::fromLatin1(QTest::currentTestFunction());
    // A cheap copy: hard links, replaced rather than written in place.
    QVERIFY(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-al"), QStringLiteral(SARMO_DATA_DIR), m_base})
            == 0);
}

void TestChecker::demonstrationSetIsComplete()
{
    const QStringList problems = DataSetCheck::run(m_base);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestChecker::removedFileIsReported()
{
    QVERIFY(QFile::remove(m_base + QStringLiteral("/Fotos/Melazo/melazo03.jpg")));
    QVERIFY(QFile::remove(m_base + QStringLiteral("/mp3d/mildiu.mp3")));
    const QStringList problems = DataSetCheck::run(m_base);
    QCOMPARE(problems.size(), 2);
    QCOMPARE(problems[0], QStringLiteral("Falta %1/Fotos\\Melazo\\melazo03.jpg").arg(m_base));
    QCOMPARE(problems[1], QStringLiteral("Falta %1/mp3d\\mildiu.mp3").arg(m_base));
}

void TestChecker::misCasedFileIsReported()
{
    QVERIFY(QFile::rename(m_base + QStringLiteral("/Fotos/Meloidogyne/meloidogyne05.JPG"),
                          m_base + QStringLiteral("/Fotos/Meloidogyne/meloidogyne05.jpg")));
    const QStringList problems = DataSetCheck::run(m_base);
    QCOMPARE(problems.size(), 1);
    QVERIFY(problems[0].contains(QStringLiteral("meloidogyne05.JPG")));
    QVERIFY(problems[0].contains(QStringLiteral("hay meloidogyne05.jpg")));
}

void TestChecker::missingColumnAndRowPhotoAreReported()
{
    QList<jet::TableDef> tables;
    QString error;
    QVERIFY2(DataSet::readDatabase(m_base + QStringLiteral("/bd2002.mdb"), &tables, &error), qPrintable(error));
    for (jet::TableDef &t : tables) {
        if (t.name == QLatin1String("Tratamiento")) {
            t.columns.removeLast();  // Orden
            for (QList<QVariant> &row : t.rows)
                row.removeLast();
        }
        if (t.name == QLatin1String("Fotos"))
            t.rows << QList<QVariant>{QStringLiteral("Mildiu"), QStringLiteral("no_existe.jpg"),
                                      QStringLiteral("Una foto que falta"), 99};
    }
    QFile::remove(m_base + QStringLiteral("/bd2002.mdb"));
    QVERIFY2(jet::JetWriter::write(m_base + QStringLiteral("/bd2002.mdb"), tables, &error), qPrintable(error));
    const QStringList problems = DataSetCheck::run(m_base);
    QVERIFY2(problems.contains(QStringLiteral("Falta la columna Orden en la tabla Tratamiento")),
             qPrintable(problems.join(QLatin1Char('\n'))));
    QCOMPARE(problems.size(), 2);
    QVERIFY(problems.join(QLatin1Char('\n')).contains(QStringLiteral("Fotos\\Mildiu\\no_existe.jpg")));
}

void TestChecker::checkerAndProgramAgree_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("opens");
    QTest::newRow("names in lower case") << QStringLiteral("lower") << true;
    QTest::newRow("names in upper case") << QStringLiteral("upper") << true;
    QTest::newRow("a byte after the last page") << QStringLiteral("stray") << true;
    QTest::newRow("cut inside a page") << QStringLiteral("cut") << false;
}

// What the checker accepts, the program opens, and the other way round:
// table and column names in any letter case, bytes after the last page.
void TestChecker::checkerAndProgramAgree()
{
    QFETCH(QString, change);
    QFETCH(bool, opens);
    const QString db = m_base + QStringLiteral("/bd2002.mdb");
    QFile original(db);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    // The copy's file is a hard link to the data set's: replaced, never
    // written in place.
    QVERIFY(QFile::remove(db));
    if (change == QLatin1String("lower") || change == QLatin1String("upper")) {
        QList<jet::TableDef> tables;
        QString error;
        QFile f(db);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        QVERIFY2(DataSet::readDatabase(db, &tables, &error), qPrintable(error));
        for (jet::TableDef &t : tables) {
            t.name = change == QLatin1String("lower") ? t.name.toLower() : t.name.toUpper();
            for (jet::ColumnDef &c : t.columns)
                c.name = change == QLatin1String("lower") ? c.name.toLower() : c.name.toUpper();
        }
        QVERIFY2(jet::JetWriter::write(db, tables, &error), qPrintable(error));
    } else {
        QFile f(db);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray changed = change == QLatin1String("stray") ? bytes + QByteArray(1, '\0') : bytes.left(bytes.size() - 100);
        QVERIFY(f.write(changed) == changed.size());
    }
    const QStringList problems = DataSetCheck::run(m_base);
    QCOMPARE(problems.isEmpty(), opens);
    jet::Database program;
    QString error;
    QCOMPARE(program.open(db, &error), opens);
    if (!opens)
        QVERIFY2(problems.contains(error), qPrintable(problems.join(QLatin1Char('\n')) + QLatin1Char('\n') + error));
}

QTEST_MAIN(TestChecker)
#include "test_checker.moc"
