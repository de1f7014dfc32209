// Start-up time: from launching the program to the main window loaded and the
// home screen ready, without the splash's own 1.8 s of waiting (the splash is
// ended by a key press as soon as it is shown). Each run is a new process, so
// loading the libraries counts. Also reports the peak memory of each run.
//
//   bench_startup [runs]     (run from any folder; uses the build's data set)

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include "BenchStats.h"
#include "app/Screens.h"
#include "shell/Sarmo.h"
#include "shell/Screen.h"
#include "shell/ScreenRegistry.h"

namespace {

long peakKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

int child(int argc, char *argv[])
{
    Sarmo::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Sarmo sarmo(registerScreens);
    if (!sarmo.start())
        return 1;
    Screen *splash = Sarmo::registry().find(QStringLiteral("frmSplash"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(splash, &press);
    QApplication::processEvents();
    if (!Sarmo::registry().isOpen(QStringLiteral("Form1")))
        return 2;
    std::printf("READY %ld\n", peakKiB());
    std::fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "--child") {
        QDir::setCurrent(QStringLiteral(SARMO_BUILD_DIR));
        return child(argc, argv);
    }
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, QByteArray(argv[1]).toInt()) : 15;
    QList<double> times, peaks;
    for (int i = 0; i < runs + 1; ++i) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        if (!p.waitForStarted() || !p.waitForReadyRead(30000)) {
            std::fprintf(stderr, "the program did not start\n");
            return 1;
        }
        const QByteArray line = p.readLine();
        const double ms = t.nsecsElapsed() / 1e6;
        p.waitForFinished(30000);
        if (!line.startsWith("READY")) {
            std::fprintf(stderr, "unexpected output: %s\n", line.constData());
            return 1;
        }
        if (i == 0)
            continue;  // the first run warms the file cache
        times << ms;
        peaks << line.mid(6).trimmed().toDouble() / 1024.0;
    }
    std::printf("start-up to home screen ready (%d runs): median %.1f ms, min %.1f, max %.1f\n", runs,
                bench::median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()));
    std::printf("peak memory (VmHWM): median %.1f MiB\n", bench::median(peaks));
    return 0;
}
