#include "widgets/PointerTracker.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

PointerTracker::PointerTracker(QWidget *root) : QObject(root), m_root(root) { watch(root); }

void PointerTracker::watch(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    const auto children = widget->findChildren<QWidget *>();
    for (QWidget *child : children) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

QWidget *PointerTracker::controlAt(const QPoint &pos) const
{
    // Qt's own inner widgets (a combo box's line edit, a scroll area's
    // viewport) have no name or one starting with "qt_", and count as their
    // owner; drawn shapes do not take the pointer at all.
    QWidget *w = m_root->childAt(pos);
    while (w && w != m_root
           && (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))
               || w->property("pointerTransparent").toBool()))
        w = w->parentWidget();
    return w ? w : m_root;
}

bool PointerTracker::eventFilter(QObject *watched, QEvent *event)
{
    QPointF global;
    switch (event->type()) {
    case QEvent::MouseMove: global = static_cast<QMouseEvent *>(event)->globalPosition(); break;
    case QEvent::Enter: global = static_cast<QEnterEvent *>(event)->globalPosition(); break;
    default: return false;
    }
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || !w->isVisible())
        return false;
    // A move that a child ignores reaches its parents too; the control is
    // found from the pointer's position, so every copy names the same one.
    emit pointerOver(controlAt(m_root->mapFromGlobal(global.toPoint())));
    return false;
}
