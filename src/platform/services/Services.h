#pragma once
// Seams for what would block a headless run or leave the process: message
// boxes, the print dialog and printer, the system's document opener, and
// ending the program. The real services show dialogs or quit; tests install
// recorders that answer at once.

#include <QString>

class QTextDocument;
class QUrl;
class QWidget;

enum class MessageIcon { Critical, Warning, Information };

struct MessageBoxData {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Critical;
    // The data set's messages all have one OK button.
};

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void show(const MessageBoxData &box) = 0;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // Shows the print dialog. Returns false when the user cancels or the
    // dialog fails; otherwise *copies holds the number of copies chosen.
    virtual bool askCopies(QWidget *parent, int *copies) = 0;
    // Prints one job holding the whole document. False on failure.
    virtual bool printJob(const QTextDocument &document) = 0;
};

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // Hands a document (a file:// URL) to the system's default handler;
    // false when it fails.
    virtual bool open(const QUrl &url) = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Ends the program at once with the given exit status.
    virtual void end(int status) = 0;
};

namespace Services {

MessageService &messages();
PrintService &printing();
DocumentOpener &documents();
ProgramEnd &programEnd();

// Replace a service (nullptr restores the real one). The caller keeps
// ownership of what it installs.
void setMessageService(MessageService *service);
void setPrintService(PrintService *service);
void setDocumentOpener(DocumentOpener *service);
void setProgramEnd(ProgramEnd *service);

}  // namespace Services
