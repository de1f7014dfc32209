// The data-set checker on the demonstration data set and on damaged copies.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "DataSet.h"
#include "DataSetCheck.h"

class TestChecker : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void demonstrationSetIsComplete();
    void removedFileIsReported();
    void misCasedFileIsReported();
    void missingColumnAndRowPhotoAreReported();

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

QTEST_MAIN(TestChecker)
#include "test_checker.moc"
