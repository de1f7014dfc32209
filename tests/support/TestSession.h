#pragma once
// What a test of the running program changes, for the life of one object:
// the message boxes, the print dialog, the document opener and the end of
// the program are recorded instead of reaching the desktop, the working
// directory is the given folder, and the program's state starts empty. The
// destructor puts all of it back, also when a failed check leaves the test
// early.

#include <QString>

#include <memory>

#include "Recorders.h"

class Sarmo;

// Changes the working directory for the life of the object.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const QString &dir);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory &) = delete;
    WorkingDirectory &operator=(const WorkingDirectory &) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_previous;
    bool m_ok = false;
};

class TestSession {
public:
    // folder: the working directory for the session.
    explicit TestSession(const QString &folder);
    ~TestSession();
    TestSession(const TestSession &) = delete;
    TestSession &operator=(const TestSession &) = delete;

    // True when the folder holds a data set (its database file).
    bool hasDataSet() const;
    // Starts Sarmo with its screens and ends the splash as a key press does.
    bool startProgram();

    MessageRecorder messages;
    PrintRecorder printer;
    DocumentRecorder documents;
    EndRecorder end;

private:
    WorkingDirectory m_folder;
    std::unique_ptr<Sarmo> m_app;
};
