#include "shell/Screen.h"

#include <QCloseEvent>

Screen::Screen(const QString &name, QWidget *parent) : QWidget(parent) { setObjectName(name); }

void Screen::unloadScreen()
{
    if (m_unloaded)
        return;
    QWidget *frame = parentWidget() && parentWidget()->inherits("QMdiSubWindow") ? parentWidget() : this;
    if (!frame->close())
        finish();
}

void Screen::closeEvent(QCloseEvent *event)
{
    event->accept();
    finish();
}

void Screen::finish()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    unload();
    emit unloaded(this);
}
