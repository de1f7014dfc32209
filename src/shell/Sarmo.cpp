#include "shell/Sarmo.h"

#include <QGuiApplication>
#include <QIcon>

#include "platform/services/Services.h"
#include "questionnaire/QuestionScreen.h"
#include "reference/MediaWindows.h"
#include "reference/PhotoViewer.h"
#include "reference/ReferenceWindows.h"
#include "result/ResultScreen.h"
#include "treatment/TreatmentScreen.h"
#include "shell/ButtonKeys.h"
#include "shell/HomeScreen.h"
#include "shell/MainWindow.h"
#include "shell/Module1.h"
#include "shell/ScreenRegistry.h"
#include "shell/Splash.h"

namespace {
Sarmo *g_instance = nullptr;
}

Sarmo::Sarmo() : m_registry(new ScreenRegistry(this))
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/sarmo-%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
    QCoreApplication::instance()->installEventFilter(new ButtonKeys(this));
    g_instance = this;
    resetModule();
    registerScreens();
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

void Sarmo::registerScreens()
{
    using Kind = ScreenRegistry::Kind;
    m_registry->add(QStringLiteral("frmSplash"), Kind::TopLevel, [] { return new Splash; });
    m_registry->add(QStringLiteral("Form1"), Kind::Child, [] { return new HomeScreen; });
    for (const q::ScreenTable &table : q::allScreens()) {
        const q::ScreenTable *t = &table;
        m_registry->add(table.name, Kind::Child, [t] { return new QuestionScreen(*t); });
    }
    m_registry->add(QStringLiteral("Fotos"), Kind::TopLevel, [] { return new PhotoViewer; });
    m_registry->add(QStringLiteral("ResultadoVid"), Kind::Child, [] { return new ResultScreen; });
    m_registry->add(QStringLiteral("Tratamiento"), Kind::Child, [] { return new TreatmentScreen; });
    m_registry->add(QStringLiteral("Glosario"), Kind::TopLevel, [] { return new Glosario; });
    m_registry->add(QStringLiteral("EstadosF"), Kind::TopLevel, [] { return new EstadosF; });
    m_registry->add(QStringLiteral("Acercade"), Kind::TopLevel, [] { return new Acercade; });
    m_registry->add(QStringLiteral("Reproductor"), Kind::TopLevel, [] { return new Reproductor; });
    m_registry->add(QStringLiteral("Videos"), Kind::TopLevel, [] { return new VideosWindow; });
}

bool Sarmo::createMainWindow()
{
    if (m_main)
        return true;
    m_main = new MainWindow;
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
