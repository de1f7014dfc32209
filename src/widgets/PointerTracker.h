#pragma once
// Tells a screen which of its named controls the mouse pointer is over.
//
// Qt passes an ignored mouse move up to the parent widget, so a move over a
// button would also reach the frame around it. The tracker instead looks up
// the control under the pointer itself: the deepest widget at that point,
// walked up to the nearest widget the screen has named. The screen itself
// means its bare background.

#include <QObject>
#include <QPoint>
#include <QSet>

class QWidget;

class PointerTracker : public QObject {
    Q_OBJECT
public:
    // Watches root and all its present descendants; call watch() for
    // widgets created later.
    explicit PointerTracker(QWidget *root);
    void watch(QWidget *widget);

    // The named control (or root) at a point in root's coordinates.
    QWidget *controlAt(const QPoint &pos) const;

signals:
    // The pointer moved over control (root itself for the bare background).
    void pointerOver(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_root;
};
