#pragma once
// MDIForm1: the frame of the program. Its menus reach every screen; its MDI
// area holds the home screen, the question screens and the result and
// treatment screens.

#include <QHash>
#include <QMainWindow>

class QAction;
class QMdiArea;
class QMenu;
class QTextDocument;
class ScreenRegistry;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The menus open and close screens through the registry.
    explicit MainWindow(ScreenRegistry &registry, QWidget *parent = nullptr);

    // The main window's load: opens the connection, fills the locations and
    // disables the print menu. False when the database cannot be opened; the
    // message has been shown then.
    bool load();

    QMdiArea *mdiArea() const { return m_area; }
    // A menu item by its name (a submenu by its name too).
    QAction *menuItem(const QString &name) const { return m_items.value(name); }
    QStringList menuItemNames() const { return m_order; }

    // Enables or disables the print menu items.
    void setPrintMenuEnabled(bool enabled);
    void setPrintResultEnabled(bool enabled);
    void setPrintTreatmentEnabled(bool enabled);

    // The print routine: dialog, number of copies, one job per copy, each a
    // line holding a single space followed by the whole document.
    void printDocument(const QTextDocument *document);

    // Menu handlers.
    void newConsultation();
    void closeSession();
    void exitProgram();
    void openHelpPage();
    void printScreenDocument(const QString &screen);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitToScreen();
    QMenu *addMenu(QMenu *parent, const QString &name, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, void (MainWindow::*handler)());
    void addSeparator(QMenu *menu, const QString &name);
    void buildMenus();
    void followScreens();

    ScreenRegistry &m_registry;
    QMdiArea *m_area;
    QHash<QString, QAction *> m_items;
    QStringList m_order;
    bool m_ending = false;
    bool m_placed = false;
};
