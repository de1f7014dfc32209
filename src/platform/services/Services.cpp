#include "platform/services/Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

#include <cstdlib>

namespace {

class RealMessages : public MessageService {
public:
    void show(const MessageBoxData &box) override
    {
        const QMessageBox::Icon icon = box.icon == MessageIcon::Critical ? QMessageBox::Critical
            : box.icon == MessageIcon::Warning                           ? QMessageBox::Warning
                                                                         : QMessageBox::Information;
        QMessageBox mb(icon, box.title, box.text, QMessageBox::Ok, QApplication::activeWindow());
        mb.exec();
    }
};

class RealPrinting : public PrintService {
public:
    bool askCopies(QWidget *parent, int *copies) override
    {
        m_printer.setCopyCount(1);
        QPrintDialog dialog(&m_printer, parent);
        dialog.setWindowTitle(QStringLiteral("Imprimir"));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *copies = std::max(1, m_printer.copyCount());
        // Each copy is printed as a job of its own.
        m_printer.setCopyCount(1);
        m_copies = *copies;
        m_gathered.clear();
        m_jobsGathered = 0;
        return true;
    }

    bool printJob(const QTextDocument &document) override
    {
        if (!m_printer.isValid())
            return false;
        if (m_printer.outputFileName().isEmpty()) {
            document.print(&m_printer);
            return m_printer.printerState() != QPrinter::Error;
        }
        // Printed to a file, each job would overwrite the one before: the
        // copies are gathered, each on new pages, and the file is written
        // once with all of them.
        QTextCursor cursor(&m_gathered);
        cursor.movePosition(QTextCursor::End);
        if (m_jobsGathered > 0) {
            QTextBlockFormat newPage;
            newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.insertBlock(newPage);
        } else {
            m_gathered.setDefaultFont(document.defaultFont());
        }
        cursor.insertFragment(QTextDocumentFragment(&document));
        if (++m_jobsGathered < m_copies)
            return true;
        m_gathered.print(&m_printer);
        m_gathered.clear();
        m_jobsGathered = 0;
        return m_printer.printerState() != QPrinter::Error;
    }

private:
    // At the screen's resolution the document keeps the layout it has on
    // screen: its tab stops, which line list items up, are in screen pixels.
    // Text stays vector text and pictures keep their own resolution.
    QPrinter m_printer{QPrinter::ScreenResolution};
    QTextDocument m_gathered;
    int m_copies = 1;
    int m_jobsGathered = 0;
};

class RealDocuments : public DocumentOpener {
public:
    bool open(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

class RealProgramEnd : public ProgramEnd {
public:
    void end(int status) override
    {
        // Ends the process without unwinding the windows one by one.
        QApplication::closeAllWindows();
        std::exit(status);
    }
};

MessageService *g_messages = nullptr;
PrintService *g_printing = nullptr;
DocumentOpener *g_documents = nullptr;
ProgramEnd *g_end = nullptr;

template <typename Real, typename Base> Base &realInstance()
{
    static Real real;
    return real;
}

}  // namespace

namespace Services {

MessageService &messages() { return g_messages ? *g_messages : realInstance<RealMessages, MessageService>(); }
PrintService &printing() { return g_printing ? *g_printing : realInstance<RealPrinting, PrintService>(); }
DocumentOpener &documents() { return g_documents ? *g_documents : realInstance<RealDocuments, DocumentOpener>(); }
ProgramEnd &programEnd() { return g_end ? *g_end : realInstance<RealProgramEnd, ProgramEnd>(); }

void setMessageService(MessageService *service) { g_messages = service; }
void setPrintService(PrintService *service) { g_printing = service; }
void setDocumentOpener(DocumentOpener *service) { g_documents = service; }
void setProgramEnd(ProgramEnd *service) { g_end = service; }

}  // namespace Services
