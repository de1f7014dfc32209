#include "ScenarioFile.h"

#include <QFile>

bool splitWords(const QString &line, QStringList *words, QString *error)
{
    words->clear();
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        while (i < n && line[i].isSpace())
            ++i;
        if (i >= n)
            break;
        if (line[i] == QLatin1Char('"')) {
            const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0) {
                *error = QStringLiteral("comillas sin cerrar");
                return false;
            }
            *words << line.mid(i + 1, close - i - 1);
            i = close + 1;
            if (i < n && !line[i].isSpace()) {
                *error = QStringLiteral("falta un blanco después de las comillas");
                return false;
            }
        } else {
            const qsizetype start = i;
            while (i < n && !line[i].isSpace())
                ++i;
            *words << line.mid(start, i - start);
        }
    }
    return true;
}

ScenarioFile parseScenarioText(const QString &text, const QString &path)
{
    ScenarioFile file;
    file.path = path;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString raw = lines[i];
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        const QString trimmed = raw.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        ScenarioLine line;
        line.number = i + 1;
        line.text = trimmed;
        if (!splitWords(raw, &line.words, &line.error))
            line.words.clear();
        if (line.error.isEmpty() && line.words.value(0) == QLatin1String("scenario")) {
            Scenario s;
            s.title = line.words.value(1);
            s.file = path;
            s.line = line.number;
            if (line.words.size() != 2)
                line.error = QStringLiteral("se esperaba: scenario \"título\"");
            if (!line.error.isEmpty())
                s.lines << line;  // reported when the scenario runs
            file.scenarios << s;
            continue;
        }
        if (file.scenarios.isEmpty())
            file.stray << line;
        else
            file.scenarios.last().lines << line;
    }
    return file;
}

ScenarioFile readScenarioFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ScenarioFile file;
        file.path = path;
        file.error = f.errorString();
        return file;
    }
    return parseScenarioText(QString::fromUtf8(f.readAll()), path);
}
