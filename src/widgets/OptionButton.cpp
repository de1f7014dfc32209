#include "widgets/OptionButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

OptionButton::OptionButton(const QString &caption, QWidget *parent) : QRadioButton(caption, parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QRect OptionButton::indicatorRect() const
{
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const int w = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, this);
    const int h = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &opt, this);
    const int line = fontMetrics().height();
    return QRect(2, std::max(0, (line - h) / 2) + 2, w, h);
}

int OptionButton::textLeft() const
{
    return indicatorRect().right() + 1 + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
}

int OptionButton::heightForWidth(int width) const
{
    const QRect r =
        fontMetrics().boundingRect(QRect(0, 0, std::max(40, width - textLeft() - 4), 100000), Qt::TextWordWrap, text());
    return std::max(r.height(), indicatorRect().height()) + 4;
}

QSize OptionButton::sizeHint() const
{
    const int width = std::min(520, textLeft() + fontMetrics().horizontalAdvance(text()) + 6);
    return QSize(width, heightForWidth(width));
}

QSize OptionButton::minimumSizeHint() const
{
    // Narrower than its hint, the caption wraps onto more lines: the layout
    // asks heightForWidth for the height at the width it gives.
    return QSize(textLeft() + 200, heightForWidth(sizeHint().width()));
}

bool OptionButton::hitButton(const QPoint &pos) const { return rect().contains(pos); }

void OptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.rect = indicatorRect();
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, opt);
    const QRect textRect(textLeft(), 2, width() - textLeft() - 2, height() - 2);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(textRect, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(textRect, Qt::TextWordWrap, text()).adjusted(-1, 0, 1, 1);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
