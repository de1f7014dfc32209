// Time to open each screen of the diagnosis path, photos included: the
// screen is created, runs its load (with the existence checks and picture
// decoding) and is shown, and the events that follow are processed. Each
// screen is opened and closed 15 times; the median is printed.
//
//   bench_screens [screen ...]     (defaults to every question screen, then the
//                                   result and treatment screens for "Mildiu")

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <algorithm>
#include <cstdio>

#include "BenchStats.h"
#include "app/Screens.h"
#include "core/Module1.h"
#include "core/ScreenTable.h"
#include "shell/Sarmo.h"
#include "shell/Screen.h"
#include "shell/ScreenRegistry.h"

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
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
    Sarmo sarmo(registerScreens);
    if (!sarmo.start())
        return 1;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(Sarmo::registry().find(QStringLiteral("frmSplash")), &press);
    settle();
    Sarmo::registry().close(QStringLiteral("Form1"));
    settle();

    QStringList names = app.arguments().mid(1);
    if (names.isEmpty())
        for (const q::ScreenTable &t : q::allScreens())
            names << t.name;
    if (app.arguments().size() == 1)
        names << QStringLiteral("ResultadoVid") << QStringLiteral("Tratamiento");

    ScreenRegistry &registry = Sarmo::registry();
    QList<double> all;
    double worst = 0;
    QString worstName;
    for (const QString &name : names) {
        // The result and treatment screens show one pest: a typical one.
        module().consultation.setKey(QStringLiteral("Mildiu"));
        QList<double> times;
        for (int i = 0; i < 16; ++i) {
            QElapsedTimer t;
            t.start();
            registry.open(name);
            settle();
            const double ms = t.nsecsElapsed() / 1e6;
            registry.close(name);
            settle();
            if (i > 0)  // the first opening warms caches
                times << ms;
        }
        const double m = bench::median(times);
        all << m;
        if (m > worst) {
            worst = m;
            worstName = name;
        }
        std::printf("%-14s median %6.2f ms  (min %.2f, max %.2f)\n", qPrintable(name), m,
                    *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
    }
    std::printf("all screens: median of medians %.2f ms, slowest %s %.2f ms\n", bench::median(all),
                qPrintable(worstName), worst);
    return 0;
}
