#include "TestSession.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

#include "app/Screens.h"
#include "core/Module1.h"
#include "shell/Sarmo.h"
#include "shell/Screen.h"
#include "shell/ScreenRegistry.h"

WorkingDirectory::WorkingDirectory(const QString &dir) : m_previous(QDir::currentPath())
{
    m_ok = QDir::setCurrent(dir);
}

WorkingDirectory::~WorkingDirectory() { QDir::setCurrent(m_previous); }

TestSession::TestSession(const QString &folder) : m_folder(folder)
{
    resetModule();
    Services::setMessageService(&messages);
    Services::setPrintService(&printer);
    Services::setDocumentOpener(&documents);
    Services::setProgramEnd(&end);
}

TestSession::~TestSession()
{
    m_app.reset();
    Services::setMessageService(nullptr);
    Services::setPrintService(nullptr);
    Services::setDocumentOpener(nullptr);
    Services::setProgramEnd(nullptr);
    resetModule();
}

bool TestSession::hasDataSet() const { return QFileInfo::exists(Module1::databasePath()); }

bool TestSession::startProgram()
{
    m_app = std::make_unique<Sarmo>(registerScreens);
    if (!m_app->start())
        return false;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(Sarmo::registry().find(QStringLiteral("frmSplash")), &press);
    return Sarmo::mainWindow() != nullptr;
}
