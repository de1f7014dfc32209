#pragma once
// Base of every window of the system that the screen registry manages:
// the home screen, the question, result and treatment screens (child windows
// of the main window) and the reference windows (top-level windows).

#include <QWidget>

class QTextDocument;

class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(const QString &name, QWidget *parent = nullptr);

    // Runs once, after creation and before the screen is first shown.
    virtual void load() { }
    // Runs once, when the screen is closed by any means.
    virtual void unload() { }
    // Runs when the screen is opened again while it is loaded, before it is
    // brought to the front; most screens keep their state.
    virtual void reopen() { }
    // The rich-text document the print menu prints from this screen, if any.
    virtual QTextDocument *printableDocument() { return nullptr; }

    bool isUnloaded() const { return m_unloaded; }

    // Close this screen (the registry discards it).
    void unloadScreen();

signals:
    void unloaded(Screen *screen);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void finish();
    bool m_unloaded = false;
};
