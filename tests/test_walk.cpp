// A walk over the whole questionnaire on the demonstration data set: every
// option of every question screen is chosen and followed with SIGUIENTE
// (which reaches the next screen or the result screen and its treatment),
// and no file the program looks for is missing or unreadable.

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "TestSession.h"
#include "core/Module1.h"
#include "core/ScreenTable.h"
#include "screens/QuestionScreen.h"
#include "shell/Sarmo.h"
#include "shell/ScreenRegistry.h"

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

class TestWalk : public QObject {
    Q_OBJECT
private slots:
    void everyOptionOfEveryScreen();
};

void TestWalk::everyOptionOfEveryScreen()
{
    TestSession session(QStringLiteral(SARMO_BUILD_DIR));
    if (!session.hasDataSet())
        QSKIP("the demonstration data set has not been built");
    QVERIFY(session.startProgram());
    settle();
    ScreenRegistry &registry = Sarmo::registry();
    for (const q::ScreenTable &table : q::allScreens()) {
        for (const q::OptionDef &option : table.options) {
            for (const QString &name : registry.openNames())
                registry.close(name);
            settle();
            auto *screen = qobject_cast<QuestionScreen *>(registry.open(table.name));
            QVERIFY2(screen, qPrintable(table.name));
            QRadioButton *radio = screen->option(option.index);
            radio->click();
            screen->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
            settle();
            // From a result, on to its treatment.
            if (Screen *result = registry.find(QStringLiteral("ResultadoVid"))) {
                result->findChild<QPushButton *>(QStringLiteral("Command5"))->click();
                settle();
            }
            QVERIFY2(session.messages.shown.isEmpty(),
                     qPrintable(QStringLiteral("%1 Option%2: %3")
                                    .arg(table.name)
                                    .arg(option.index)
                                    .arg(session.messages.shown.value(0).text)));
        }
    }
}

QTEST_MAIN(TestWalk)
#include "test_walk.moc"
