#include "shell/Sarmo.h"

#include <QGuiApplication>
#include <QIcon>

#include "core/Module1.h"
#include "platform/services/Services.h"
#include "shell/MainWindow.h"
#include "shell/ScreenRegistry.h"
#include "widgets/ButtonKeys.h"

namespace {
Sarmo *g_instance = nullptr;
}

Sarmo::Sarmo(const ScreenList &screens) : m_registry(new ScreenRegistry(this))
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/sarmo-%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
    QCoreApplication::instance()->installEventFilter(new ButtonKeys(this));
    g_instance = this;
    resetModule();
    screens(*m_registry);
}

Sarmo::~Sarmo()
{
    m_registry->discardAll();
    delete m_main;
    if (g_instance == this)
        g_instance = nullptr;
}

void Sarmo::prepareProcess()
{
    if (qEnvironmentVariableIsEmpty("VK_ICD_FILENAMES") && qEnvironmentVariableIsEmpty("VK_DRIVER_FILES"))
        qputenv("VK_ICD_FILENAMES", "/dev/null");
}

Sarmo *Sarmo::instance() { return g_instance; }
ScreenRegistry &Sarmo::registry() { return *g_instance->m_registry; }
MainWindow *Sarmo::mainWindow() { return g_instance ? g_instance->m_main.data() : nullptr; }

bool Sarmo::createMainWindow()
{
    if (m_main)
        return true;
    m_main = new MainWindow(*m_registry);
    m_registry->setMdiArea(m_main->mdiArea());
    if (!m_main->load()) {
        Services::programEnd().end(1);
        return false;
    }
    return true;
}

bool Sarmo::start()
{
    Screen *splash = m_registry->open(QStringLiteral("frmSplash"));
    return splash != nullptr && m_main;
}
