// Reading speed of the RTF reader on the demonstration data set's documents
// (all result and treatment documents), and of `unrtf --text` on the same
// files in the same run, for comparison. Medians of 9 rounds.
//
//   bench_rtf [folder ...]    (defaults to the build's ResultadoVid and Tratamiento)

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>

#include "BenchStats.h"
#include "platform/rtf/RtfReader.h"

namespace { }  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList folders = app.arguments().mid(1);
    if (folders.isEmpty())
        folders << QStringLiteral(SARMO_DATA_DIR "/ResultadoVid") << QStringLiteral(SARMO_DATA_DIR "/Tratamiento");
    QStringList files;
    QList<QByteArray> contents;
    qint64 bytes = 0;
    for (const QString &folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.rtf")}, QDir::Files);
        while (it.hasNext()) {
            files << it.next();
            QFile f(files.last());
            f.open(QIODevice::ReadOnly);
            contents << f.readAll();
            bytes += contents.last().size();
        }
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "no documents found\n");
        return 1;
    }
    const double mb = bytes / (1024.0 * 1024.0);
    QList<double> ours;
    for (int round = 0; round < 10; ++round) {
        QElapsedTimer t;
        t.start();
        for (const QByteArray &data : contents) {
            QTextDocument doc;
            rtf::readRtf(data, &doc);
        }
        if (round > 0)
            ours << t.nsecsElapsed() / 1e9;
    }
    std::printf("%d documents, %.2f MiB\n", int(files.size()), mb);
    std::printf("Sarmo RTF reader (to QTextDocument): median %.1f ms per round, %.2f MiB/s\n",
                bench::median(ours) * 1000, mb / bench::median(ours));

    if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty()) {
        std::printf("unrtf not installed: no comparison\n");
        return 0;
    }
    QList<double> theirs;
    for (int round = 0; round < 4; ++round) {
        QElapsedTimer t;
        t.start();
        for (const QString &file : files) {
            QProcess p;
            p.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), file});
            p.waitForFinished(30000);
            p.readAll();
        }
        if (round > 0)
            theirs << t.nsecsElapsed() / 1e9;
    }
    std::printf("unrtf --text (one process per file):  median %.1f ms per round, %.2f MiB/s\n",
                bench::median(theirs) * 1000, mb / bench::median(theirs));
    return 0;
}
