#pragma once
// The running program: the main window, the screen registry and the start
// sequence. One instance exists at a time; the scenario runner creates and
// discards many in one process.

#include <QObject>
#include <QPointer>

#include <functional>

class MainWindow;
class ScreenRegistry;

class Sarmo : public QObject {
    Q_OBJECT
public:
    // The screens the program is made of are registered by the caller (the
    // program's own list is app/Screens.h).
    using ScreenList = std::function<void(ScreenRegistry &)>;
    explicit Sarmo(const ScreenList &screens);
    ~Sarmo() override;

    // Opens the splash, whose load creates the main window hidden and opens
    // the database. False when the program could not start (the message was
    // shown and the program was ended).
    bool start();

    // Settings of the process made before the application object exists.
    // Qt Multimedia's GStreamer back end starts every device provider, and
    // the Vulkan one loads the system's Vulkan drivers (with a software
    // renderer that maps tens of megabytes); Sarmo draws with the CPU and
    // never uses Vulkan, so the drivers are not offered to it.
    static void prepareProcess();

    static Sarmo *instance();
    static ScreenRegistry &registry();
    static MainWindow *mainWindow();

    // Creates the main window and runs its load (the splash's first step).
    bool createMainWindow();

private:
    ScreenRegistry *m_registry;
    QPointer<MainWindow> m_main;
};
