#include "shell/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QWindow>

#include "core/FileCheck.h"
#include "core/Module1.h"
#include "platform/services/Services.h"
#include "shell/Screen.h"
#include "shell/ScreenRegistry.h"

MainWindow::MainWindow(ScreenRegistry &registry, QWidget *parent)
    : QMainWindow(parent), m_registry(registry), m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("DIAGNÓSTICO Y TRATAMIENTO"));
    m_area->setObjectName(QStringLiteral("qt_mdiarea"));
    m_area->setBackground(QColor(0x80, 0x80, 0x80));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    buildMenus();
    followScreens();
    resize(1200, 860);
}

// The print items follow the screens whose documents they print and the
// consultation. The result screen's opening enables the print menu with the
// result's item; the treatment screen's moves the enabled item to the
// treatment. Leaving the result with its VOLVER or TERMINAR disables the
// menu; otherwise it stays as it was, and prints a closed screen's document
// on its own.
void MainWindow::followScreens()
{
    const QString result = QStringLiteral("ResultadoVid");
    const QString treatment = QStringLiteral("Tratamiento");
    connect(&m_registry, &ScreenRegistry::screenOpened, this, [=, this](const QString &name) {
        if (name == result) {
            setPrintMenuEnabled(true);
            setPrintResultEnabled(true);
            setPrintTreatmentEnabled(false);
        } else if (name == treatment) {
            setPrintTreatmentEnabled(true);
            setPrintResultEnabled(false);
        }
    });
    connect(&module().consultation, &Consultation::resultLeft, this, [this] { setPrintMenuEnabled(false); });
}

QMenu *MainWindow::addMenu(QMenu *parent, const QString &name, const QString &caption)
{
    QMenu *menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_items.insert(name, menu->menuAction());
    m_order << name;
    return menu;
}

QAction *MainWindow::addItem(QMenu *menu, const QString &name, const QString &caption, void (MainWindow::*handler)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    m_items.insert(name, action);
    m_order << name;
    return action;
}

void MainWindow::addSeparator(QMenu *menu, const QString &name)
{
    QAction *sep = menu->addSeparator();
    sep->setObjectName(name);
    m_items.insert(name, sep);
    m_order << name;
}

void MainWindow::buildMenus()
{
    QMenu *archivo = addMenu(nullptr, QStringLiteral("mnu_Archivo"), QStringLiteral("Archivo"));
    addItem(archivo, QStringLiteral("mnu_Archivo_Nuevaconsulta"), QStringLiteral("Nueva consulta"),
            &MainWindow::newConsultation);
    addSeparator(archivo, QStringLiteral("Separador3"));
    QMenu *imprimir = addMenu(archivo, QStringLiteral("mnu_Archivo_Imprimir"), QStringLiteral("Imprimir"));
    QAction *result = addItem(imprimir, QStringLiteral("mnu_Archivo_ResultadoDiagnostico"),
                              QStringLiteral("Resultado del diagnóstico"), nullptr);
    connect(result, &QAction::triggered, this, [this] { printScreenDocument(QStringLiteral("ResultadoVid")); });
    QAction *treatment =
        addItem(imprimir, QStringLiteral("mnu_Archivo_Tratamiento"), QStringLiteral("Tratamiento"), nullptr);
    connect(treatment, &QAction::triggered, this, [this] { printScreenDocument(QStringLiteral("Tratamiento")); });
    addSeparator(archivo, QStringLiteral("Separador"));
    addItem(archivo, QStringLiteral("mnu_Archivo_Cerrar_sesión"), QStringLiteral("Cerrar sesión"),
            &MainWindow::closeSession);
    addItem(archivo, QStringLiteral("mnu_Archivo_Cerar"), QStringLiteral("Cerar"), &MainWindow::exitProgram);

    QMenu *ayuda = addMenu(nullptr, QStringLiteral("mnu_Ayuda"), QStringLiteral("Ayuda"));
    QMenu *contenido = addMenu(ayuda, QStringLiteral("mnu_Ayuda_Contenido"), QStringLiteral("Contenido"));
    addItem(contenido, QStringLiteral("mnu_Ayuda_Contenido_Adicional"), QStringLiteral("Adicional..."),
            &MainWindow::openHelpPage);
    QAction *estados = addItem(contenido, QStringLiteral("mnu_Ayuda_Contenido_Estados"),
                               QStringLiteral("Estados fenológicos y parásitos"), nullptr);
    connect(estados, &QAction::triggered, this, [this] { m_registry.open(QStringLiteral("EstadosF")); });
    addSeparator(ayuda, QStringLiteral("Separador4"));
    QAction *glosario = addItem(ayuda, QStringLiteral("mnu_Ayuda_Glosario"), QStringLiteral("Glosario"), nullptr);
    connect(glosario, &QAction::triggered, this, [this] { m_registry.open(QStringLiteral("Glosario")); });
    QAction *videos = addItem(ayuda, QStringLiteral("mnu_Ayuda_Videos"), QStringLiteral("Videos"), nullptr);
    connect(videos, &QAction::triggered, this, [this] { m_registry.open(QStringLiteral("Videos")); });
    addSeparator(ayuda, QStringLiteral("Separador2"));
    QAction *about = addItem(ayuda, QStringLiteral("mnu_Ayuda_Acercade"), QStringLiteral("Acerca de..."), nullptr);
    connect(about, &QAction::triggered, this, [this] { m_registry.open(QStringLiteral("Acercade")); });
}

bool MainWindow::load()
{
    ModuleState &m = module();
    QString error;
    if (!m.openConnection(&error)) {
        Services::messages().show(
            {QStringLiteral("Error al abrir la base de datos"),
             QStringLiteral("No se puede abrir la base de datos de Sarmo.\n\n%1\n\nEl programa se cerrará.").arg(error),
             MessageIcon::Critical});
        return false;
    }
    m.fillLocations();
    setPrintMenuEnabled(false);
    return true;
}

void MainWindow::setPrintMenuEnabled(bool enabled)
{
    m_items.value(QStringLiteral("mnu_Archivo_Imprimir"))->setEnabled(enabled);
}

void MainWindow::setPrintResultEnabled(bool enabled)
{
    m_items.value(QStringLiteral("mnu_Archivo_ResultadoDiagnostico"))->setEnabled(enabled);
}

void MainWindow::setPrintTreatmentEnabled(bool enabled)
{
    m_items.value(QStringLiteral("mnu_Archivo_Tratamiento"))->setEnabled(enabled);
}

void MainWindow::newConsultation() { m_registry.open(QStringLiteral("Form1")); }

void MainWindow::closeSession()
{
    QStringList order;
    for (int i = 1; i <= 29; ++i)
        order << QStringLiteral("Form%1").arg(i);
    order << QStringLiteral("EstadosF") << QStringLiteral("Glosario") << QStringLiteral("Reproductor")
          << QStringLiteral("ResultadoVid") << QStringLiteral("Tratamiento");
    for (const QString &name : order)
        m_registry.close(name);
}

void MainWindow::exitProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    m_registry.close(QStringLiteral("Reproductor"));
    Services::programEnd().end(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    exitProgram();
}

void MainWindow::openHelpPage()
{
    // The system's handler gets the page's absolute URL: a relative one
    // means nothing to a browser started elsewhere.
    const QString path = module().RutaAyuda + QStringLiteral("\\Sarmo.htm");
    const QString file = QFileInfo(FileCheck::nativePath(path)).absoluteFilePath();
    if (FileCheck::exists(path) && Services::documents().open(QUrl::fromLocalFile(file)))
        return;
    Services::messages().show({QStringLiteral("Ayuda"),
                               QStringLiteral("No se ha podido abrir la página de ayuda:\n\n%1\n\n"
                                              "Compruebe que el archivo existe y que el sistema tiene un "
                                              "programa para ver páginas web.")
                                   .arg(QDir::toNativeSeparators(file)),
                               MessageIcon::Warning});
}

void MainWindow::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        fitToScreen();
    }
    QMainWindow::showEvent(event);
}

void MainWindow::fitToScreen()
{
    // The designed size where the screen's free area holds it, centred;
    // otherwise the window fills that area.
    QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull())
        frame = QMargins(4, 32, 4, 4);  // before the first show the title bar is not known yet
    const QSize outer = size().grownBy(frame);
    if (outer.width() > area.width() || outer.height() > area.height()) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    QRect r(QPoint(), outer);
    r.moveCenter(area.center());
    move(r.topLeft());
}

void MainWindow::printDocument(const QTextDocument *document)
{
    if (!document)
        return;
    int copies = 0;
    if (!Services::printing().askCopies(this, &copies))
        return;
    for (int copy = 1; copy <= copies; ++copy) {
        QTextDocument job;
        job.setDefaultFont(document->defaultFont());
        QTextCursor cursor(&job);
        cursor.insertText(QStringLiteral(" "));
        cursor.insertBlock();
        cursor.insertFragment(QTextDocumentFragment(document));
        if (!Services::printing().printJob(job))
            return;  // a failing printer ends the routine silently
    }
}

void MainWindow::printScreenDocument(const QString &name)
{
    const bool wasOpen = m_registry.isOpen(name);
    Screen *screen = m_registry.openHidden(name);
    if (!screen)
        return;
    printDocument(screen->printableDocument());
    // A screen created only to print its document goes away again.
    if (!wasOpen)
        m_registry.close(name);
}
