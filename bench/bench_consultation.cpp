// A scripted consultation over every organ branch: from the home screen,
// every option of every question screen followed with SIGUIENTE, each result
// screen on to its treatment and back, with photos enlarged and the
// commentary played; then the reference windows. Reports the time taken and
// the process's peak memory (VmHWM).

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>

#include "app/Screens.h"
#include "core/ScreenTable.h"
#include "platform/services/Services.h"
#include "screens/QuestionScreen.h"
#include "shell/Sarmo.h"
#include "shell/ScreenRegistry.h"

namespace {

class Quiet : public MessageService {
public:
    void show(const MessageBoxData &) override { ++count; }
    int count = 0;
};

long statusKiB(const char *field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray name(field);
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void press(Screen *screen, const char *button)
{
    if (screen)
        if (auto *b = screen->findChild<QPushButton *>(QLatin1String(button)))
            b->click();
    settle();
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Sarmo::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QDir::setCurrent(QStringLiteral(SARMO_BUILD_DIR));
    Quiet messages;
    Services::setMessageService(&messages);
    QElapsedTimer timer;
    timer.start();
    {
        Sarmo sarmo(registerScreens);
        if (!sarmo.start())
            return 1;
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(Sarmo::registry().find(QStringLiteral("frmSplash")), &key);
        settle();
        ScreenRegistry &registry = Sarmo::registry();
        int steps = 0;
        for (const q::ScreenTable &table : q::allScreens()) {
            for (const q::OptionDef &option : table.options) {
                for (const QString &name : registry.openNames())
                    registry.close(name);
                settle();
                auto *screen = qobject_cast<QuestionScreen *>(registry.open(table.name));
                screen->option(option.index)->click();
                press(screen, "Command2");
                if (Screen *result = registry.find(QStringLiteral("ResultadoVid"))) {
                    press(result, "Command1");
                    press(result, "Command7");
                    press(result, "Command5");
                    if (Screen *treatment = registry.find(QStringLiteral("Tratamiento"))) {
                        press(treatment, "Command4");
                        press(treatment, "Command1");
                    }
                }
                ++steps;
                if (steps % 33 == 0)
                    std::printf("after %d paths: %.1f MiB in use\n", steps, statusKiB("VmRSS:") / 1024.0);
            }
        }
        for (const char *window : {"Glosario", "EstadosF", "Videos", "Acercade"}) {
            registry.open(QLatin1String(window));
            settle();
            registry.close(QLatin1String(window));
            settle();
        }
        std::printf("consultation: %d paths in %.1f s, %d messages\n", steps, timer.nsecsElapsed() / 1e9,
                    messages.count);
    }
    std::printf("peak memory (VmHWM): %.1f MiB, at the end %.1f MiB (%.1f MiB of it mapped files, %.1f MiB "
                "allocated)\n",
                statusKiB("VmHWM:") / 1024.0, statusKiB("VmRSS:") / 1024.0, statusKiB("RssFile:") / 1024.0,
                statusKiB("RssAnon:") / 1024.0);
    Services::setMessageService(nullptr);
    return 0;
}
