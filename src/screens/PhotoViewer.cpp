#include "screens/PhotoViewer.h"
#include "widgets/Named.h"

#include <QScreen>
#include <QWindow>

#include "shell/MainWindow.h"
#include "shell/Sarmo.h"
#include "shell/ScreenRegistry.h"
#include "widgets/PictureBox.h"
#include "widgets/Twips.h"

PhotoViewer::PhotoViewer() : Screen(QStringLiteral("Fotos"))
{
    // No control box: the window closes by a click on the photo (or Escape,
    // or the window manager's close, which do the same).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Fotos"));
    m_image = new PictureBox(this, PictureBox::Mode::Natural);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->move(0, 0);
    m_image->setCursor(Qt::ArrowCursor);
    m_image->setKeyboardClickable(true);
    connect(m_image, &PictureBox::clicked, this, &PhotoViewer::pictureClicked);
    closeOnEscape(this, [this] { pictureClicked(); });
}

void PhotoViewer::load()
{
    if (MainWindow *main = Sarmo::mainWindow())
        main->setEnabled(false);
    if (Screen *estados = Sarmo::registry().find(QStringLiteral("EstadosF")))
        estados->setEnabled(false);
}

void PhotoViewer::pictureClicked() { unloadScreen(); }

void PhotoViewer::unload()
{
    if (MainWindow *main = Sarmo::mainWindow())
        main->setEnabled(true);
    if (Screen *estados = Sarmo::registry().find(QStringLiteral("EstadosF")))
        estados->setEnabled(true);
}

void PhotoViewer::fitToPicture()
{
    // The outer size of the window: the picture plus the margins that hold
    // the title bar and the borders. Where the window manager draws a title
    // bar of its own, that takes the margins' place and the picture fills
    // the window, with no blank strip under it.
    const QSize picture = m_image->size();
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.top() > frame.bottom()) {
        resize(picture);
        return;
    }
    const QSize outer(picture.width() + Twips::toPixels(75), picture.height() + Twips::toPixels(475));
    const QSize decoration(frame.left() + frame.right(), frame.top() + frame.bottom());
    resize(outer - decoration);
}

bool PhotoViewer::event(QEvent *event)
{
    // The window manager's frame becomes known once the window is mapped,
    // by the time it is moved into its frame or activated.
    const bool handled = Screen::event(event);
    const QEvent::Type type = event->type();
    if ((type == QEvent::Move || type == QEvent::WindowActivate) && m_image->hasPicture())
        fitToPicture();
    return handled;
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
