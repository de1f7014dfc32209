#pragma once
// Test doubles for the seams that would block a headless run: message boxes
// are recorded and answered OK, the print dialog answers as told and print
// jobs are kept as text, the document opener and the end of the program are
// recorded.

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "platform/services/Services.h"

class MessageRecorder : public MessageService {
public:
    void show(const MessageBoxData &box) override { shown << box; }
    QList<MessageBoxData> shown;
    int checked = 0;
};

class PrintRecorder : public PrintService {
public:
    bool askCopies(QWidget *, int *copies) override;
    bool printJob(const QTextDocument &document) override;

    // How the next dialog is answered: a number of copies, or 0 to cancel.
    // Without an answer the dialog is accepted with one copy.
    int nextAnswer = 1;
    bool answerGiven = false;
    int dialogs = 0;
    QStringList jobs;  // plain text of each job
};

class DocumentRecorder : public DocumentOpener {
public:
    bool open(const QUrl &url) override
    {
        opened << url;
        return true;
    }
    QList<QUrl> opened;
};

class EndRecorder : public ProgramEnd {
public:
    void end(int code) override
    {
        if (!ended) {
            ended = true;
            status = code;
        }
    }
    bool ended = false;
    int status = 0;
};
