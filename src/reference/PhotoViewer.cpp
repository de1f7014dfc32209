#include "reference/PhotoViewer.h"
#include "reference/ReferenceWindows.h"

#include <QScreen>
#include <QWindow>

#include "shell/MainWindow.h"
#include "shell/PictureBox.h"
#include "shell/Sarmo.h"
#include "shell/ScreenRegistry.h"
#include "shell/Twips.h"

PhotoViewer::PhotoViewer() : Screen(QStringLiteral("Fotos"))
{
    // No control box: the window closes only by a click on the photo.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Fotos"));
    m_image = new PictureBox(this, PictureBox::Mode::Natural);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->move(0, 0);
    m_image->setCursor(Qt::ArrowCursor);
    connect(m_image, &PictureBox::clicked, this, &PhotoViewer::pictureClicked);
}

void PhotoViewer::load()
{
    keepAboveMainWindow(this);
    if (MainWindow *main = Sarmo::mainWindow())
        main->setEnabled(false);
    if (Screen *estados = Sarmo::registry().find(QStringLiteral("EstadosF")))
        estados->setEnabled(false);
}

void PhotoViewer::pictureClicked()
{
    if (MainWindow *main = Sarmo::mainWindow())
        main->setEnabled(true);
    if (Screen *estados = Sarmo::registry().find(QStringLiteral("EstadosF")))
        estados->setEnabled(true);
    unloadScreen();
}

void PhotoViewer::fitToPicture()
{
    // The outer size of the window: the picture plus the margins that hold
    // the title bar and the borders.
    const QSize outer(m_image->width() + Twips::toPixels(75), m_image->height() + Twips::toPixels(475));
    const QSize decoration = frameGeometry().size() - geometry().size();
    resize(outer - decoration);
}

void PhotoViewer::enlarge(const PictureBox *box)
{
    if (!box || !box->hasPicture())
        return;
    ScreenRegistry &registry = Sarmo::registry();
    auto *viewer = qobject_cast<PhotoViewer *>(registry.openHidden(QStringLiteral("Fotos")));
    if (!viewer)
        return;
    viewer->m_image->setPicture(box->picture(), box->picturePath());
    viewer->fitToPicture();
    registry.open(QStringLiteral("Fotos"));
    // Once shown, the window manager's borders are known: fit again.
    viewer->fitToPicture();
}
