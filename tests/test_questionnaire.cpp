// The question screens' tables hold together: every text they name exists,
// every box an action touches exists, every rule leads somewhere real, and
// every screen value is one the result screen can go back to.

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>

#include "core/Descriptions.h"
#include "core/ScreenTable.h"
#include "screens/QuestionScreen.h"

using namespace q;

class TestQuestionnaire : public QObject {
    Q_OBJECT
private slots:
    void textKeysExist();
    void actionsAndConditionsNameRealControls();
    void rulesLeadToRealScreens();
    void screenValuesAreUnique();
    void photoPathsAreWellFormed();
    void descriptionFormat();
    void descriptionsFitTheHintBox();
};

void TestQuestionnaire::textKeysExist()
{
    QStringList missing;
    for (const ScreenTable &t : allScreens()) {
        auto need = [&](const QString &key) {
            if (!key.isEmpty() && !Descriptions::has(key))
                missing << t.name + QStringLiteral(": ") + key;
        };
        for (const BoxDef &b : t.boxes) {
            need(b.text);
            for (const auto &[option, key] : b.textByOption)
                need(key);
        }
        for (const OptionDef &o : t.options)
            if (o.hint.kind == OptionHint::Kind::Description)
                need(o.hint.textKey);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

void TestQuestionnaire::actionsAndConditionsNameRealControls()
{
    for (const ScreenTable &t : allScreens()) {
        QSet<int> options;
        for (const OptionDef &o : t.options) {
            QVERIFY2(!options.contains(o.index), qPrintable(t.name));
            options.insert(o.index);
            QVERIFY2(o.index >= 1 && o.index <= 13, qPrintable(t.name));
            QVERIFY2(!o.caption.isEmpty(), qPrintable(t.name));
            for (const Action &a : o.actions) {
                if (a.kind == Action::Kind::StoreKey)
                    QVERIFY2(!a.value.isEmpty(), qPrintable(t.name));
                else
                    QVERIFY2(t.box(a.box),
                             qPrintable(QStringLiteral("%1 Option%2 Image%3").arg(t.name).arg(o.index).arg(a.box)));
            }
        }
        for (const BoxDef &b : t.boxes) {
            QVERIFY2(b.index >= 1 && b.index <= 7, qPrintable(t.name));
            for (const auto &[option, key] : b.textByOption)
                QVERIFY2(options.contains(option), qPrintable(t.name + QStringLiteral(" ") + key));
            for (const Condition *c : {&b.click, &b.hand})
                for (int option : c->options)
                    QVERIFY2(options.contains(option), qPrintable(t.name));
        }
        for (const auto &[index, photo] : t.loadPhotos)
            QVERIFY2(t.box(index), qPrintable(t.name));
    }
}

void TestQuestionnaire::rulesLeadToRealScreens()
{
    QSet<QString> names{QStringLiteral("ResultadoVid"), QStringLiteral("Form1")};
    for (const ScreenTable &t : allScreens())
        names.insert(t.name);
    for (const ScreenTable &t : allScreens()) {
        QVERIFY2(!t.rules.isEmpty(), qPrintable(t.name));
        for (const Rule &r : t.rules) {
            QVERIFY2(names.contains(r.target), qPrintable(t.name + QStringLiteral(" → ") + r.target));
            for (int option : r.options)
                QVERIFY2(t.option(option), qPrintable(t.name));
            // Only the organ screens send the user to the shared honeydew screen.
            if (r.target == QLatin1String("Form3"))
                QVERIFY2(r.setsOrgano, qPrintable(t.name));
        }
        QVERIFY2(t.volverByOrgano || names.contains(t.volver), qPrintable(t.name));
    }
}

void TestQuestionnaire::screenValuesAreUnique()
{
    QHash<QString, QString> seen;
    for (const ScreenTable &t : allScreens()) {
        if (t.sintoma.isNull())
            continue;
        QVERIFY2(
            !seen.contains(t.sintoma),
            qPrintable(t.name + QStringLiteral(" and ") + seen.value(t.sintoma) + QStringLiteral(": ") + t.sintoma));
        seen.insert(t.sintoma, t.name);
    }
    QVERIFY(!seen.contains(QStringLiteral("Diagnóstico")));
}

void TestQuestionnaire::photoPathsAreWellFormed()
{
    // A location, "\" and a relative name: "\Folder\file.ext" or "\file.ext".
    static const QRegularExpression shape(QStringLiteral(R"(^\\([^\\/]+\\)?[^\\/]+\.(jpg|JPG|gif|bmp)$)"));
    for (const ScreenTable &t : allScreens()) {
        QStringList photos;
        for (const auto &[index, photo] : t.loadPhotos)
            photos << photo;
        for (const OptionDef &o : t.options)
            for (const Action &a : o.actions)
                if (a.kind == Action::Kind::Load)
                    photos << a.value;
        for (const QString &p : photos)
            QVERIFY2(shape.match(p).hasMatch(), qPrintable(t.name + QStringLiteral(": ") + p));
    }
}

void TestQuestionnaire::descriptionFormat()
{
    const auto entries = Descriptions::parse(QStringLiteral("# comentario\n[Form2.Image1.Option7]\nPrimera línea\n"
                                                            "segunda línea.\n\n[Form3.Image1]\nOtra.\n[vacía]\n"));
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0].first, QStringLiteral("Form2.Image1.Option7"));
    QCOMPARE(entries[0].second, QStringLiteral("Primera línea segunda línea."));
    QCOMPARE(entries[1].second, QStringLiteral("Otra."));
    QCOMPARE(entries[2].second, QString());
    // Every text ends as the screens need: with a full stop after SIGUIENTE.
    for (const QString &key : Descriptions::keys())
        QVERIFY2(Descriptions::text(key).endsWith(QLatin1String("SIGUIENTE.")), qPrintable(key));
}

void TestQuestionnaire::descriptionsFitTheHintBox()
{
    // Each description is read whole in the hint box, without scrolling (the
    // test also runs at 1.5 and 2 times scale).
    QWidget screen;
    QPlainTextEdit *hint = QuestionScreen::makeHintBox(&screen);
    screen.show();
    QStringList cut;
    for (const QString &key : Descriptions::keys()) {
        hint->setPlainText(Descriptions::text(key));
        QCoreApplication::processEvents();
        if (hint->verticalScrollBar()->maximum() > 0)
            cut << key;
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestQuestionnaire)
#include "test_questionnaire.moc"
