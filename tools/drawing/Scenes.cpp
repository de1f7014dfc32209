// Objects of the grower's work drawn over the organ: traps, sprayers, the
// hand lens, labels, bands, nets and bags.

#include <QPainterPath>
#include <QtMath>

#include "drawing/Drawing.h"

namespace drawing {

void drawScene(QPainter &p, const QString &scene, const QSizeF &, Random &rnd)
{
    auto caught = [&](const QRectF &r, int n, const QString &kind) {
        for (int i = 0; i < n; ++i)
            drawOrganism(p, kind, QPointF(rnd.range(r.left() + 8, r.right() - 8), rnd.range(r.top() + 8, r.bottom() - 8)),
                         rnd.range(9, 13), rnd.range(0, 360), rnd);
    };
    auto wire = [&] {
        p.setPen(QPen(QColor(110, 110, 115), 1.5));
        p.drawLine(QPointF(0, 22), QPointF(400, 18));
    };
    if (scene.startsWith(QLatin1String("trampa-amarilla")) || scene.startsWith(QLatin1String("trampa-azul"))) {
        wire();
        const bool blue = scene.startsWith(QLatin1String("trampa-azul"));
        const QRectF plate(120, 50, 160, 200);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.drawLine(QPointF(200, 20), plate.topLeft() + QPointF(80, 0));
        p.setBrush(blue ? QColor(40, 110, 200) : QColor(245, 225, 30));
        p.drawRect(plate);
        p.setPen(QPen(QColor(0, 0, 0, 40), 0.6));  // grid of the plate
        for (int i = 1; i < 8; ++i)
            p.drawLine(plate.topLeft() + QPointF(i * 20, 0), plate.bottomLeft() + QPointF(i * 20, 0));
        caught(plate, 18, blue ? QStringLiteral("trips") : QStringLiteral("cicadelido"));
    } else if (scene.startsWith(QLatin1String("trampa-feromona"))) {
        wire();
        // Delta trap: a white tent with a sticky floor and the dispenser.
        QPolygonF tent{QPointF(110, 200), QPointF(200, 90), QPointF(290, 200)};
        p.setPen(QPen(QColor(120, 120, 120), 1.5));
        p.drawLine(QPointF(200, 20), QPointF(200, 90));
        p.setBrush(QColor(245, 245, 240));
        p.drawPolygon(tent);
        p.setBrush(QColor(250, 250, 200));
        p.drawPolygon(QPolygonF{QPointF(110, 200), QPointF(290, 200), QPointF(270, 225), QPointF(90, 225)});
        caught(QRectF(110, 200, 160, 24), 7, QStringLiteral("mariposa-pardo"));
        p.setBrush(QColor(200, 50, 50));
        p.drawEllipse(QPointF(200, 165), 6, 6);
    } else if (scene.startsWith(QLatin1String("trampa-botella"))) {
        p.setPen(QPen(QColor(120, 120, 120), 1.5));
        p.drawLine(QPointF(200, 0), QPointF(200, 60));
        p.setBrush(QColor(220, 235, 240, 180));
        p.drawRoundedRect(QRectF(160, 60, 80, 170), 20, 20);
        p.setBrush(QColor(170, 60, 60, 200));
        p.drawRect(QRectF(162, 160, 76, 66));
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(175, 110), 6, 6);
        p.drawEllipse(QPointF(225, 110), 6, 6);
        caught(QRectF(165, 160, 70, 60), 8, QStringLiteral("mosca-vinagre"));
    } else if (scene == QLatin1String("pulverizacion") || scene == QLatin1String("espolvoreo")) {
        // A lance at the left and the cone of spray or dust over the organ.
        p.setPen(QPen(QColor(60, 60, 70), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 40), QPointF(60, 70));
        p.setPen(QPen(QColor(30, 30, 30), 9, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(QPointF(62, 71));
        const bool dust = scene == QLatin1String("espolvoreo");
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 700; ++i) {
            const qreal t = rnd.range(-0.35, 0.45), d = rnd.range(10, 330);
            const QPointF at = QPointF(62, 71) + QPointF(qCos(t), qSin(t)) * d;
            p.setBrush(dust ? QColor(235, 220, 60, 150) : QColor(245, 250, 255, 160));
            p.drawEllipse(at, dust ? 1.6 : 1.2, dust ? 1.6 : 1.2);
        }
    } else if (scene == QLatin1String("lupa")) {
        // The hand lens over the organ, magnifying what lies under it.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 40, 45), 9));
        p.drawEllipse(QPointF(240, 130), 75, 75);
        p.setPen(QPen(QColor(200, 200, 205), 3));
        p.drawEllipse(QPointF(240, 130), 75, 75);
        p.setPen(QPen(QColor(30, 30, 30), 16, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(190, 188), QPointF(130, 270));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawEllipse(QPointF(215, 100), 22, 12);
    } else if (scene == QLatin1String("etiqueta")) {
        // A grafted nursery plant with its label.
        p.setPen(QPen(QColor(110, 80, 50), 9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(200, 80), QPointF(200, 200));
        p.setPen(QPen(QColor(120, 90, 60), 14, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(QPointF(200, 150));  // graft union
        p.setBrush(QColor(210, 60, 50));
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.drawRect(QRectF(192, 60, 16, 24));  // wax on the scion
        Random r2(3);
        drawRoots(p, QPointF(200, 200), 80, r2, true);
        p.setPen(QPen(QColor(80, 80, 80), 1));
        p.drawLine(QPointF(204, 120), QPointF(250, 110));
        p.setBrush(QColor(250, 250, 245));
        p.drawRect(QRectF(250, 95, 90, 40));
        p.setBrush(QColor(40, 110, 60));
        p.drawRect(QRectF(250, 95, 90, 10));
        p.setPen(QPen(QColor(120, 120, 120), 1.5));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(258, 112 + i * 7), QPointF(330 - i * 12, 112 + i * 7));
    } else if (scene == QLatin1String("banda")) {
        // A band round the trunk: sticky or corrugated cardboard.
        p.setPen(QPen(QColor(90, 70, 40), 1));
        p.setBrush(QColor(215, 190, 130));
        p.drawRect(QRectF(160, 170, 80, 30));
        p.setPen(QPen(QColor(170, 140, 90), 1.2));
        for (int i = 0; i < 16; ++i)
            p.drawLine(QPointF(162 + i * 5, 170), QPointF(162 + i * 5, 200));
    } else if (scene == QLatin1String("red") || scene == QLatin1String("malla")) {
        p.setPen(QPen(scene == QLatin1String("red") ? QColor(40, 40, 40, 170) : QColor(70, 140, 70, 200), 1));
        const QRectF r = scene == QLatin1String("red") ? QRectF(0, 0, 400, 300) : QRectF(150, 120, 100, 150);
        for (qreal x = r.left(); x < r.right() + r.height(); x += 10) {
            p.drawLine(QPointF(x, r.top()), QPointF(x - r.height(), r.bottom()));
            p.drawLine(QPointF(x - r.height(), r.top()), QPointF(x, r.bottom()));
        }
    } else if (scene == QLatin1String("bolsa")) {
        p.setPen(QPen(QColor(180, 170, 150), 1.5));
        p.setBrush(QColor(240, 236, 225, 235));
        QPainterPath bag;
        bag.moveTo(170, 20);
        bag.lineTo(230, 20);
        bag.cubicTo(290, 80, 300, 240, 260, 280);
        bag.lineTo(140, 280);
        bag.cubicTo(100, 240, 110, 80, 170, 20);
        p.drawPath(bag);
        p.setPen(QPen(QColor(150, 110, 60), 3));
        p.drawLine(QPointF(168, 30), QPointF(232, 30));
    } else if (scene == QLatin1String("tijeras")) {
        p.save();
        p.translate(250, 200);
        p.rotate(-30);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(190, 30, 30));
        p.drawRoundedRect(QRectF(0, -8, 110, 14), 6, 6);
        p.drawRoundedRect(QRectF(0, 6, 110, 14), 6, 6);
        p.setBrush(QColor(200, 200, 205));
        p.drawPolygon(QPolygonF{QPointF(0, -6), QPointF(-60, 0), QPointF(0, 4)});
        p.drawPolygon(QPolygonF{QPointF(0, 8), QPointF(-50, 4), QPointF(0, 18)});
        p.restore();
    } else if (scene == QLatin1String("pintura")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 60, 40));
        p.drawPath([&] { QPainterPath b; b.addEllipse(QPointF(200, 190), 24, 12); return b; }());
    } else if (scene == QLatin1String("pasta")) {
        p.setPen(QPen(QColor(40, 60, 40), 1));
        p.setBrush(QColor(70, 110, 70));
        p.drawEllipse(QPointF(200, 135), 22, 15);
    } else if (scene == QLatin1String("bandeja")) {
        p.setPen(QPen(QColor(150, 150, 150), 2));
        p.setBrush(QColor(250, 250, 250));
        p.drawRect(QRectF(90, 190, 220, 80));
        caught(QRectF(90, 190, 220, 80), 10, QStringLiteral("chinche"));
    } else if (scene == QLatin1String("cinta")) {
        p.setPen(QPen(QColor(230, 230, 240), 5));
        p.drawLine(QPointF(40, 20), QPointF(80, 200));
        p.setPen(QPen(QColor(220, 60, 60), 5));
        p.drawLine(QPointF(320, 20), QPointF(350, 210));
    } else if (scene == QLatin1String("barrena")) {
        p.setPen(QPen(QColor(90, 90, 100), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(300, 10), QPointF(300, 200));
        p.drawLine(QPointF(270, 10), QPointF(330, 10));
        p.setPen(QPen(QColor(60, 60, 70), 3));
        for (int i = 0; i < 6; ++i)
            p.drawLine(QPointF(292, 150 + i * 9), QPointF(308, 155 + i * 9));
    } else if (scene == QLatin1String("difusor")) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(180, 60, 50));
        p.drawRoundedRect(QRectF(190, 120, 20, 60), 6, 6);
    }
}

}  // namespace drawing
