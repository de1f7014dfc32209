// The data-set checker on the demonstration data set and on damaged copies,
// and the glossary against the words the data set's texts use.

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "DataSet.h"
#include "DataSetCheck.h"
#include "core/Descriptions.h"
#include "core/ScreenTable.h"
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
    void glossaryDefinesTheVocabularyInUse_data();
    void glossaryDefinesTheVocabularyInUse();

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
        const QByteArray changed =
            change == QLatin1String("stray") ? bytes + QByteArray(1, '\0') : bytes.left(bytes.size() - 100);
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

namespace {

QString sourceFolder()
{
    QDir dir = QFileInfo(QStringLiteral(__FILE__)).absoluteDir();
    dir.cdUp();
    return dir.absolutePath();
}

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Lower case and without accents, so "Raspón", "RASPON" and "raspón" are one word.
QString folded(const QString &text)
{
    const QString decomposed = text.toLower().normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    return out;
}

// The term as whole words, each word also in its plural in -s or -es.
QString termPattern(const QString &term)
{
    QStringList words;
    for (const QString &word : folded(term).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        words << QRegularExpression::escape(word) + QStringLiteral("(?:e?s)?");
    return words.join(QStringLiteral("\\s+"));
}

// The glossary word names the term, in the singular or in the plural.
bool sameTerm(const QString &term, const QString &word)
{
    auto whole = [](const QString &pattern, const QString &text) {
        return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(folded(text)).hasMatch();
    };
    return whole(termPattern(term), word) || whole(termPattern(word), term);
}

// name → text of every file of a folder of the sources.
QList<QPair<QString, QString>> sourceFiles(const QString &folder, const QString &filter)
{
    QList<QPair<QString, QString>> texts;
    const QDir dir(sourceFolder() + QStringLiteral("/dataset/") + folder);
    for (const QString &name : dir.entryList({filter}, QDir::Files, QDir::Name))
        texts.append({folder + QLatin1Char('/') + name, readText(dir.filePath(name))});
    return texts;
}

}  // namespace

void TestChecker::glossaryDefinesTheVocabularyInUse_data()
{
    QTest::addColumn<QString>("texts");
    QTest::newRow("result and treatment documents") << QStringLiteral("documents");
    QTest::newRow("photo captions") << QStringLiteral("captions");
    QTest::newRow("question screens") << QStringLiteral("questions");
    QTest::newRow("video narrations") << QStringLiteral("videos");
}

// Every word of the technical vocabulary that the texts a grower reads use has
// its entry in the glossary the program shows.
void TestChecker::glossaryDefinesTheVocabularyInUse()
{
    QFETCH(QString, texts);
    QList<QPair<QString, QString>> read;  // where → text
    QList<jet::TableDef> tables;
    QString error;
    QVERIFY2(DataSet::readDatabase(m_base + QStringLiteral("/bd2002.mdb"), &tables, &error), qPrintable(error));
    if (texts == QLatin1String("documents")) {
        read << sourceFiles(QStringLiteral("documentos/resultado"), QStringLiteral("*.txt"))
             << sourceFiles(QStringLiteral("documentos/tratamiento"), QStringLiteral("*.txt"));
    } else if (texts == QLatin1String("captions")) {
        for (const jet::TableDef &t : tables)
            if (t.name != QLatin1String("Definicion"))
                for (const QList<QVariant> &row : t.rows)
                    read.append({t.name + QLatin1Char(' ') + row[1].toString(), row[2].toString()});
    } else if (texts == QLatin1String("questions")) {
        for (const QString &key : Descriptions::keys())
            read.append({key, Descriptions::text(key)});
        for (const q::ScreenTable &screen : q::allScreens()) {
            read.append({screen.name, screen.title});
            for (const q::OptionDef &option : screen.options)
                read.append({screen.name, option.caption});
        }
    } else {
        read << sourceFiles(QStringLiteral("videos"), QStringLiteral("*.txt"));
    }
    QVERIFY(read.size() > 1);
    for (auto &[where, text] : read)
        text = folded(text);

    QStringList glossary;
    for (const jet::TableDef &t : tables)
        if (t.name == QLatin1String("Definicion"))
            for (const QList<QVariant> &row : t.rows)
                glossary << row[0].toString();
    QStringList vocabulary;
    const QString list = readText(sourceFolder() + QStringLiteral("/dataset/vocabulario.txt"));
    for (const QString &line : list.split(QLatin1Char('\n'))) {
        const QString term = line.trimmed();
        if (!term.isEmpty() && !term.startsWith(QLatin1Char('#')))
            vocabulary << term;
    }
    QVERIFY2(vocabulary.size() > 50, "vocabulario.txt is missing or nearly empty");

    QStringList missing;
    for (const QString &term : vocabulary) {
        if (std::any_of(glossary.cbegin(), glossary.cend(), [&](const QString &word) { return sameTerm(term, word); }))
            continue;
        const QRegularExpression used(QStringLiteral("(?<!\\w)") + termPattern(term) + QStringLiteral("(?!\\w)"),
                                      QRegularExpression::UseUnicodePropertiesOption);
        for (const auto &[where, text] : read) {
            if (used.match(text).hasMatch()) {
                missing << QStringLiteral("%1 (used in %2)").arg(term, where);
                break;
            }
        }
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("Used but not in the glossary:\n") + missing.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestChecker)
#include "test_checker.moc"
