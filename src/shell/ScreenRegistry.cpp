#include "shell/ScreenRegistry.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWindow>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "shell/Screen.h"

ScreenRegistry::ScreenRegistry(QObject *parent) : QObject(parent) { }

ScreenRegistry::~ScreenRegistry() { discardAll(); }

void ScreenRegistry::add(const QString &name, Kind kind, Factory factory)
{
    m_factories.insert(name, {kind, std::move(factory)});
}

Screen *ScreenRegistry::find(const QString &name) const
{
    for (const QPointer<Screen> &s : m_loaded)
        if (s && !s->isUnloaded() && s->objectName() == name)
            return s;
    return nullptr;
}

QStringList ScreenRegistry::openNames() const
{
    QStringList names;
    for (const QPointer<Screen> &s : m_loaded)
        if (s && !s->isUnloaded())
            names << s->objectName();
    return names;
}

QWidget *ScreenRegistry::frameOf(const Screen *screen) const
{
    if (!screen)
        return nullptr;
    const QPointer<QMdiSubWindow> frame = m_frames.value(screen);
    return frame ? static_cast<QWidget *>(frame.data()) : const_cast<Screen *>(screen);
}

Screen *ScreenRegistry::create(const QString &name)
{
    auto it = m_factories.constFind(name);
    if (it == m_factories.constEnd())
        return nullptr;
    Screen *screen = it->factory();
    screen->setObjectName(name);
    m_loaded << screen;
    if (it->kind == Kind::Child && m_area) {
        QMdiSubWindow *frame = new QMdiSubWindow;
        frame->setWidget(screen);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        m_area->addSubWindow(frame);
        frame->hide();
        m_frames.insert(screen, frame);
    } else {
        screen->setAttribute(Qt::WA_DeleteOnClose);
    }
    connect(screen, &Screen::unloaded, this, &ScreenRegistry::forget);
    emit screenOpened(name);
    // The load runs before the screen is first shown; it may close the
    // screen again or open others.
    screen->load();
    if (screen->isUnloaded())
        return nullptr;
    // Sized to what the load left on it.
    if (screen->layout())
        screen->layout()->activate();
    if (QMdiSubWindow *frame = m_frames.value(screen)) {
        frame->resize(frame->sizeHint().expandedTo(frame->minimumSizeHint()));
        frame->move(0, 0);
    } else if (!screen->testAttribute(Qt::WA_Resized))
        screen->adjustSize();
    return screen;
}

Screen *ScreenRegistry::openHidden(const QString &name)
{
    if (Screen *s = find(name))
        return s;
    return create(name);
}

Screen *ScreenRegistry::open(const QString &name)
{
    Screen *screen = find(name);
    if (screen) {
        emit screenOpened(name);
        screen->reopen();
    } else
        screen = create(name);
    if (!screen)
        return nullptr;
    if (QMdiSubWindow *frame = m_frames.value(screen)) {
        // Showing a child screen shows the main window that holds it.
        if (QWidget *main = m_area->window(); !main->isVisible())
            main->show();
        frame->show();
        frame->raise();
        if (m_area)
            m_area->setActiveSubWindow(frame);
    } else {
        if (!screen->isVisible())
            placeTopLevel(screen);
        screen->show();
        screen->raise();
        screen->activateWindow();
    }
    return screen;
}

void ScreenRegistry::placeTopLevel(QWidget *window) const
{
    // A window opened over the main window belongs to it: the window manager
    // keeps it above the main window and moves it along. Before the main
    // window is shown (the splash) it is centred on the screen.
    QWidget *main = m_area ? m_area->window() : nullptr;
    const bool over = main && main->isVisible();
    if (over) {
        window->winId();
        main->winId();
        window->windowHandle()->setTransientParent(main->windowHandle());
    }
    QScreen *screen = over ? main->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(over ? main->frameGeometry().center() : area.center());
    // Wholly on the screen, the title bar first when it cannot all fit.
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    window->move(frame.topLeft());
}

void ScreenRegistry::close(const QString &name)
{
    if (Screen *s = find(name))
        s->unloadScreen();
}

void ScreenRegistry::forget(Screen *screen)
{
    const QString name = screen->objectName();
    QPointer<QMdiSubWindow> frame = m_frames.take(screen);
    m_loaded.removeAll(screen);
    if (frame) {
        frame->hide();
        frame->deleteLater();
    } else {
        screen->hide();
        screen->deleteLater();
    }
    emit screenClosed(name);
}

void ScreenRegistry::discardAll()
{
    const QList<QPointer<Screen>> loaded = m_loaded;
    m_loaded.clear();
    for (const QPointer<Screen> &s : loaded) {
        if (!s)
            continue;
        QPointer<QMdiSubWindow> frame = m_frames.take(s);
        s->disconnect(this);
        QObject *owner = frame ? static_cast<QObject *>(frame.data()) : static_cast<QObject *>(s.data());
        delete owner;
    }
    m_frames.clear();
}
