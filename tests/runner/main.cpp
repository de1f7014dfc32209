// sarmo-scenarios: runs scenario files against the real application.
//   sarmo-scenarios [--data CARPETA] ARCHIVO.scn|CARPETA ...
// The data set every scenario starts from is --data, else $SARMO_DATA, else
// the demonstration data set of the build.

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

#include "ScenarioFile.h"
#include "ScenarioRunner.h"
#include "shell/Sarmo.h"

namespace {

// The offscreen platform warns about window operations it cannot do; those
// say nothing about the program.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))
        || message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    Q_UNUSED(previous);
    QTextStream(stderr) << qFormatLogMessage(type, context, message) << Qt::endl;
}

}  // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
