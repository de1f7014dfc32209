// sarmo-scenarios: runs scenario files against the real application.
//   sarmo-scenarios [--data CARPETA] ARCHIVO.scn|CARPETA ...
// The data set every scenario starts from is --data, else $SARMO_DATA, else
// the demonstration data set of the build.

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

#include "ScenarioFile.h"
#include "ScenarioRunner.h"
#include "shell/Sarmo.h"

namespace {

QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform warns about window operations it cannot do; those
// say nothing about the program. Everything else goes on as before.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))
        || message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    else
        QTextStream(stderr) << qFormatLogMessage(type, context, message) << Qt::endl;
}

// The runner stands in for a desktop whose screen holds the main window at
// its designed size (the offscreen platform's own screen is 800 × 600).
void useDesktopSizedScreen(QTemporaryDir &dir)
{
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen" || !dir.isValid())
        return;
    QFile config(dir.filePath(QStringLiteral("offscreen.json")));
    if (!config.open(QIODevice::WriteOnly))
        return;
    config.write(R"({"screens": [{"name": "escritorio", "x": 0, "y": 0, "width": 1920, "height": 1200,
                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
}

}  // namespace

int main(int argc, char *argv[])
{
    g_previousHandler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir platformDir;
    useDesktopSizedScreen(platformDir);
    Sarmo::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTextStream out(stdout);

    QString data = qEnvironmentVariable("SARMO_DATA", QStringLiteral(SARMO_DEFAULT_DATA));
    QStringList inputs;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data") && i + 1 < args.size())
            data = args[++i];
        else
            inputs << args[i];
    }
    if (inputs.isEmpty()) {
        out << "uso: sarmo-scenarios [--data CARPETA] ARCHIVO.scn|CARPETA ...\n";
        return 2;
    }
    data = QFileInfo(data).absoluteFilePath();

    QStringList files;
    for (const QString &input : inputs) {
        if (QFileInfo(input).isDir()) {
            QStringList found;
            QDirIterator it(input, {QStringLiteral("*.scn")}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                found << QFileInfo(it.next()).absoluteFilePath();
            std::sort(found.begin(), found.end());
            files << found;
        } else {
            files << QFileInfo(input).absoluteFilePath();
        }
    }

    int passed = 0, failed = 0;
    ScenarioRunner runner(data);
    for (const QString &path : files) {
        const ScenarioFile file = readScenarioFile(path);
        if (!file.error.isEmpty()) {
            out << "FAIL " << path << ": " << file.error << "\n";
            ++failed;
            continue;
        }
        for (const ScenarioLine &stray : file.stray) {
            out << "FAIL " << path << ":" << stray.number << ": orden fuera de un escenario: " << stray.text << "\n";
            ++failed;
        }
        for (const Scenario &scenario : file.scenarios) {
            const ScenarioResult r = runner.run(scenario);
            if (r.passed) {
                ++passed;
                out << "PASS " << scenario.title << "\n";
            } else {
                ++failed;
                out << "FAIL " << scenario.title << " (" << QFileInfo(path).fileName() << ":" << r.line << ")\n"
                    << "  línea:    " << r.command << "\n"
                    << "  esperado: " << r.expected << "\n"
                    << "  hallado:  " << r.found << "\n";
            }
            out.flush();
        }
    }
    out << passed << " passed, " << failed << " failed\n";
    out.flush();
    return failed == 0 ? 0 : 1;
}
