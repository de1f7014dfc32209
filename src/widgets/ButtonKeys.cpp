#include "widgets/ButtonKeys.h"

#include <QKeyEvent>
#include <QPushButton>

bool ButtonKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *button = qobject_cast<QPushButton *>(watched);
        if (button && button->isEnabled() && button->hasFocus() && !key->isAutoRepeat()
            && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
