#pragma once
// Runs scenarios against the real application, headless: each scenario gets
// its own copy of the data set and a freshly started program in this
// process; the seams that would block (message boxes, print dialog, the
// document opener, ending the program) are recorders.

#include <QDir>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include "JetWriter.h"
#include "Recorders.h"
#include "ScenarioFile.h"

class QWidget;
class QObject;
class Sarmo;

struct ScenarioResult {
    bool passed = true;
    int line = 0;
    QString command;
    QString expected;
    QString found;
};

class ScenarioRunner {
public:
    // dataSet: the folder of the data set every scenario starts from.
    explicit ScenarioRunner(QString dataSet);
    ~ScenarioRunner();

    ScenarioResult run(const Scenario &scenario);

private:
    struct Failure {
        QString expected;
        QString found;
    };
    using Outcome = std::optional<Failure>;

    bool setUp(QString *error);
    void tearDown();
    Outcome execute(const QStringList &w);

    // World
    Outcome worldRemove(const QString &path);
    Outcome worldRename(const QString &path, const QString &newName);
    Outcome worldImage(const QString &path, const QString &w, const QString &h);
    Outcome worldFile(const QString &path, const QString &text);
    Outcome worldImport(const QString &from, const QString &path);
    Outcome worldTable(const QStringList &w);
    Outcome writeTables();

    // Driving
    Outcome start();
    Outcome pointerAction(const QString &kind, const QString &target);
    Outcome menu(const QString &name);
    Outcome pick(const QString &target, const QString &item);
    Outcome typeText(const QString &target, const QString &text);
    Outcome erase(const QString &target);
    Outcome key(const QString &target, const QString &name);
    Outcome closeScreen(const QString &name);
    Outcome windowManagerClose(const QString &name);
    Outcome press(const QString &name);
    QWidget *frontWindow() const;
    QWidget *keyboardFocus() const;
    Outcome solve(const QString &target);

    // Checking
    Outcome expect(const QStringList &w);

    // Targets
    QWidget *screenWidget(const QString &name) const;  // the screen (or main window)
    QWidget *frameOf(QWidget *screen) const;           // the window framing it
    QObject *findTarget(const QString &target, QString *why) const;
    QWidget *findWidget(const QString &target, QString *why) const;
    bool windowAccepts(QWidget *w) const;
    void bringToFront(QWidget *w) const;
    QPoint actionPoint(QWidget *target, bool screen) const;  // in target's coordinates
    QString dataPath(const QString &path) const;             // full path in this scenario's copy
    QString relativeDataPath(const QString &builtOrNative) const;
    void settle() const;

    QString m_source;
    QString m_scenarioDir;
    QString m_savedCwd;
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_base;  // this scenario's data set
    std::unique_ptr<Sarmo> m_app;
    bool m_started = false;
    MessageRecorder m_messages;
    PrintRecorder m_printer;
    DocumentRecorder m_documents;
    EndRecorder m_end;
    QList<jet::TableDef> m_tables;
    bool m_tablesLoaded = false;
    QPointer<QWidget> m_hoverWidget;
    QPoint m_hoverPoint;
    bool m_hovered = false;
};
