#pragma once
// The one place where screens are opened and closed. Every screen exists at
// most once: opening a screen that is not loaded creates it, runs its load and
// shows it; opening an open one only brings it to the front; closing discards
// it, so the next opening starts afresh. Child screens live in the main
// window's MDI area; reference windows are top-level windows of their own, so
// disabling the main window does not disable them.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

#include <QMdiArea>
#include <QMdiSubWindow>
class Screen;

class ScreenRegistry : public QObject {
    Q_OBJECT
public:
    enum class Kind { Child, TopLevel };
    using Factory = std::function<Screen *()>;

    explicit ScreenRegistry(QObject *parent = nullptr);
    ~ScreenRegistry() override;

    void setMdiArea(QMdiArea *area) { m_area = area; }
    void add(const QString &name, Kind kind, Factory factory);
    bool knows(const QString &name) const { return m_factories.contains(name); }

    // Shows the screen, creating and loading it first when it is not loaded.
    Screen *open(const QString &name);
    // Creates and loads the screen without showing it (or returns the loaded one).
    Screen *openHidden(const QString &name);
    // Closes (unloads) the screen if it is loaded.
    void close(const QString &name);

    Screen *find(const QString &name) const;
    bool isOpen(const QString &name) const { return find(name) != nullptr; }
    // Names of the loaded screens, in the order they were opened.
    QStringList openNames() const;
    // The window that frames a screen: its MDI sub-window, or itself.
    QWidget *frameOf(const Screen *screen) const;

    // Discards every screen at once (the program ends).
    void discardAll();

signals:
    // A screen was opened, or opened again while open; its load runs next.
    void screenOpened(const QString &name);
    // A screen was unloaded.
    void screenClosed(const QString &name);

private:
    Screen *create(const QString &name);
    void placeTopLevel(QWidget *window) const;
    void forget(Screen *screen);

    struct Entry {
        Kind kind;
        Factory factory;
    };
    QHash<QString, Entry> m_factories;
    QList<QPointer<Screen>> m_loaded;
    QHash<const Screen *, QPointer<QMdiSubWindow>> m_frames;
    QPointer<QMdiArea> m_area;
};
