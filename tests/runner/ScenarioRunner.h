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
    Outcome execute(const QStringList &line);

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
    Outcome noDatabase();
    Outcome wait(const QString &milliseconds);
    Outcome printAnswer(const QStringList &w);
    Outcome snapshot(const QString &screen, const QString &file);

    // Checking: "expect WHAT ARGS...", each WHAT checked by one function.
    struct Expectation {
        QString what;
        QStringList args;
        QStringList line;
        Failure usage(const char *form) const { return {QString::fromUtf8(form), line.join(QLatin1Char(' '))}; }
    };
    Outcome expect(const QStringList &w);
    bool isRunning() const;
    bool screenIsOpen(const QString &name) const;
    Outcome expectOpen(const Expectation &e);
    Outcome expectOnly(const Expectation &e);
    Outcome expectFront(const Expectation &e);
    Outcome expectVar(const Expectation &e);
    Outcome expectText(const Expectation &e);
    Outcome expectEnabled(const Expectation &e);
    Outcome expectVisible(const Expectation &e);
    Outcome expectSelected(const Expectation &e);
    Outcome expectPicture(const Expectation &e);
    Outcome expectSamePicture(const Expectation &e);
    Outcome expectPointer(const Expectation &e);
    Outcome expectList(const Expectation &e);
    Outcome expectMissing(const Expectation &e);
    Outcome expectNoMessage(const Expectation &e);
    Outcome expectPrinted(const Expectation &e);
    Outcome expectPrintJob(const Expectation &e);
    Outcome expectPlaying(const Expectation &e);
    Outcome expectOpenedDocument(const Expectation &e);
    Outcome expectFocus(const Expectation &e);
    Outcome expectWindowSize(const Expectation &e);
    Outcome expectEnded(const Expectation &e);

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
