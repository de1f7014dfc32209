#include "widgets/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "widgets/LeafShape.h"

namespace Artwork {

namespace {

QPainterPath leafPath(qreal r) { return vineLeafPath(r); }

}  // namespace

QPixmap vineLeaf(const QSize &size, qreal angle, const QColor &colour)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size.width() / 2.0, size.height() / 2.0);
    p.rotate(angle);
    const qreal r = std::min(size.width(), size.height()) * 0.45;
    p.setPen(QPen(colour.darker(160), std::max<qreal>(1, r / 30)));
    p.setBrush(colour);
    p.drawPath(leafPath(r));
    p.setPen(QPen(colour.darker(180), std::max<qreal>(1, r / 40)));
    for (int k = -2; k <= 2; ++k) {
        const qreal t = qDegreesToRadians(-90.0 + k * 38);
        p.drawLine(QPointF(0, r * 0.1), QPointF(r * 0.75 * qCos(t), r * 0.75 * qSin(t)));
    }
    p.drawLine(QPointF(0, r * 0.1), QPointF(0, r * 0.45));
    return pm;
}

QPixmap vineyard(const QSize &size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = size.width(), h = size.height();
    QLinearGradient sky(0, 0, 0, h * 0.45);
    sky.setColorAt(0, QColor(120, 170, 225));
    sky.setColorAt(1, QColor(215, 232, 245));
    p.fillRect(0, 0, w, h, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 215, 90));
    p.drawEllipse(QPointF(w * 0.8, h * 0.18), h * 0.09, h * 0.09);
    QPainterPath hill;
    hill.moveTo(0, h * 0.45);
    hill.cubicTo(w * 0.3, h * 0.30, w * 0.6, h * 0.55, w, h * 0.38);
    hill.lineTo(w, h);
    hill.lineTo(0, h);
    hill.closeSubpath();
    p.setBrush(QColor(170, 140, 90));
    p.drawPath(hill);
    // Rows of vines converging towards the horizon.
    for (int row = 0; row < 9; ++row) {
        const qreal x0 = w * (row - 4) * 0.22 + w / 2.0;
        const qreal x1 = w * 0.5 + (row - 4) * w * 0.03;
        p.setPen(QPen(QColor(55, 110, 35), h * 0.035, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x0, h), QPointF(x1, h * 0.48));
    }
    return pm;
}

QPixmap grapeBunch(const QSize &size)
{
    QPixmap pm(size);
    pm.fill(QColor(245, 240, 225));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.drawPixmap(QPointF(w * 0.35, 0), vineLeaf(QSize(int(w * 0.6), int(h * 0.5)), 25));
    p.setPen(QPen(QColor(90, 70, 30), std::max<qreal>(1.5, w / 60)));
    p.drawLine(QPointF(w * 0.45, h * 0.08), QPointF(w * 0.45, h * 0.25));
    const qreal r = w * 0.075;
    int rows = 6;
    for (int row = 0; row < rows; ++row) {
        const int count = rows - row;
        for (int i = 0; i < count; ++i) {
            const QPointF c(w * 0.45 + (i - (count - 1) / 2.0) * r * 1.8, h * 0.3 + row * r * 1.6);
            QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.3);
            g.setColorAt(0, QColor(150, 110, 170));
            g.setColorAt(1, QColor(55, 20, 70));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
    }
    return pm;
}

QPixmap puzzlePicture(const QSize &size)
{
    QPixmap pm = vineyard(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize bunch(size.width() / 3, size.height() / 2);
    p.drawPixmap(QPoint(size.width() / 3, size.height() / 2 - bunch.height() / 3), grapeBunch(bunch));
    return pm;
}

const QCursor &handCursor()
{
    static const QCursor cursor = [] {
        QPixmap pm(32, 32);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath hand;
        // Index finger pointing up, the other fingers folded into the palm.
        hand.addRoundedRect(QRectF(11, 1, 5, 16), 2.5, 2.5);
        hand.addRoundedRect(QRectF(9, 13, 15, 15), 4, 4);
        hand.addRoundedRect(QRectF(16, 11, 4.5, 8), 2, 2);
        hand.addRoundedRect(QRectF(20, 12, 4.5, 8), 2, 2);
        hand.addRoundedRect(QRectF(5, 15, 6, 5), 2.5, 2.5);
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawPath(hand.simplified());
        p.end();
        return QCursor(pm, 13, 1);
    }();
    return cursor;
}

}  // namespace Artwork
