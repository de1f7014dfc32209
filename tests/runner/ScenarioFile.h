#pragma once
// Reading scenario files: one command a line, words separated by blanks,
// double-quoted words taken letter for letter, "#" comments, and a scenario
// starting at each `scenario "title"` line.

#include <QList>
#include <QString>
#include <QStringList>

struct ScenarioLine {
    int number = 0;  // 1-based line number in the file
    QString text;    // the line as written
    QStringList words;
    QString error;  // set when the line cannot be read (unclosed quote)
};

struct Scenario {
    QString title;
    QString file;  // the scenario file it came from
    int line = 0;  // line of its `scenario` command
    QList<ScenarioLine> lines;
};

struct ScenarioFile {
    QString path;
    QList<Scenario> scenarios;
    QList<ScenarioLine> stray;  // commands before the first scenario
    QString error;              // the file could not be read
};

// Splits one line into words; false with *error for an unclosed quote.
bool splitWords(const QString &line, QStringList *words, QString *error);

ScenarioFile parseScenarioText(const QString &text, const QString &path = QString());
ScenarioFile readScenarioFile(const QString &path);
