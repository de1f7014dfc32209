#include "widgets/Named.h"

#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include "widgets/Artwork.h"

namespace named {

QPushButton *button(QWidget *parent, const char *name, const QString &caption, Pointer pointer)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    if (pointer == Pointer::Hand)
        b->setCursor(Artwork::handCursor());
    b->setMinimumHeight(30);
    return b;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, Wrap wrap)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(wrap == Wrap::On);
    return l;
}

QLabel *picture(QWidget *parent, const char *name, const QPixmap &pixmap)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setPixmap(pixmap);
    l->setFixedSize(pixmap.size());
    return l;
}

}  // namespace named

void closeOnEscape(QWidget *window, const std::function<void()> &close)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, close);
}
