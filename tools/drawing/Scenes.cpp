// Objects of the grower's work drawn over the organ: traps, sprayers, the
// hand lens, labels, bands, nets and bags.

#include <QPainterPath>
#include <QtMath>

#include "drawing/Drawing.h"

namespace drawing {

void drawScene(QPainter &p, const QString &sceneAndCatch, const QSizeF &, Random &rnd)
{
    // "bandeja:gorgojo-verde": what the tray, trap or net has caught, when
    // not the usual for it.
    const QString scene = sceneAndCatch.section(QLatin1Char(':'), 0, 0);
    const QString catchKind = sceneAndCatch.section(QLatin1Char(':'), 1);
    auto catchOr = [&](const char *usual) { return catchKind.isEmpty() ? QLatin1String(usual) : catchKind; };
    auto ground = [&](qreal surface) {
        drawSoil(p, QRectF(0, surface, 400, 300 - surface), surface);
        p.setPen(QPen(QColor(120, 140, 70), 1.2));
        for (int i = 0; i < 50; ++i) {
            const qreal x = rnd.range(0, 400);
            p.drawLine(QPointF(x, surface + 2), QPointF(x + rnd.range(-4, 4), surface - rnd.range(4, 12)));
        }
    };
    auto caught = [&](const QRectF &r, int n, const QString &kind) {
        for (int i = 0; i < n; ++i)
            drawOrganism(p, kind,
                         QPointF(rnd.range(r.left() + 8, r.right() - 8), rnd.range(r.top() + 8, r.bottom() - 8)),
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
        caught(plate, 18, blue ? catchOr("trips") : catchOr("cicadelido"));
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
        caught(QRectF(165, 160, 70, 60), 8, catchOr("mosca-vinagre"));
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
        p.drawPath([&] {
            QPainterPath b;
            b.addEllipse(QPointF(200, 190), 24, 12);
            return b;
        }());
    } else if (scene == QLatin1String("pasta")) {
        p.setPen(QPen(QColor(40, 60, 40), 1));
        p.setBrush(QColor(70, 110, 70));
        p.drawEllipse(QPointF(200, 135), 22, 15);
    } else if (scene.startsWith(QLatin1String("bandeja"))) {  // a white tray, or a dark card for pale insects
        const bool dark = scene == QLatin1String("bandeja-oscura");
        p.setPen(QPen(QColor(150, 150, 150), 2));
        p.setBrush(dark ? QColor(40, 40, 48) : QColor(250, 250, 250));
        p.drawRect(QRectF(90, 190, 220, 80));
        for (int i = 0; i < 10; ++i)
            drawOrganism(p, catchOr("chinche"), QPointF(rnd.range(110, 290), rnd.range(205, 255)), rnd.range(14, 19),
                         rnd.range(0, 360), rnd);
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
    } else if (scene == QLatin1String("arranque")) {
        // A vine pulled out, lying on the ground with its trunk and roots,
        // beside the hole it left.
        ground(215);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 50, 32));
        p.drawEllipse(QPointF(95, 240), 70, 16);
        p.save();
        p.translate(150, 205);
        p.rotate(78);
        drawTrunk(p, QRectF(-70, -185, 140, 185));
        Random r2(9);
        drawRoots(p, QPointF(0, -2), 110, r2, false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 80, 52));  // clods of earth still on the roots
        for (int i = 0; i < 9; ++i)
            p.drawEllipse(QPointF(r2.range(-35, 35), r2.range(8, 60)), r2.range(5, 11), r2.range(4, 8));
        p.restore();
    } else if (scene == QLatin1String("haz")) {
        // Pruned canes gathered in tied bundles on the ground.
        ground(200);
        for (int b = 0; b < 2; ++b) {
            const QPointF c(135 + b * 150, 215 + b * 30);
            p.save();
            p.translate(c);
            p.rotate(-12 + b * 18);
            for (int i = 0; i < 22; ++i) {
                const qreal y = rnd.range(-18, 18);
                const int tone = int(rnd.range(110, 160));
                p.setPen(
                    QPen(QColor(tone, tone * 7 / 10, tone * 4 / 10), rnd.range(3, 5), Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(-rnd.range(80, 100), y * 1.6), QPointF(rnd.range(80, 100), y * 1.3));
            }
            p.setPen(QPen(QColor(210, 190, 120), 4));
            for (int k : {-40, 40})
                p.drawLine(QPointF(k, -24), QPointF(k + 3, 24));
            p.restore();
        }
    } else if (scene == QLatin1String("triturado")) {
        // The shredder's chips of pruned wood spread on the ground behind it.
        ground(120);
        p.setPen(QPen(QColor(60, 20, 20), 1.5));
        p.setBrush(QColor(200, 50, 40));
        p.drawRoundedRect(QRectF(20, 60, 150, 80), 8, 8);
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(60, 145), 22, 22);
        p.drawEllipse(QPointF(140, 145), 22, 22);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 320; ++i) {
            const int tone = int(rnd.range(150, 215));
            p.setBrush(QColor(tone, tone * 3 / 4, tone / 2));
            p.save();
            p.translate(rnd.range(140, 400), rnd.range(150, 300));
            p.rotate(rnd.range(0, 180));
            p.drawRect(QRectF(-4, -1.5, rnd.range(5, 10), 3));
            p.restore();
        }
    } else if (scene == QLatin1String("manga")) {
        // A sweep net over the grass of the margin, with the insects caught.
        ground(230);
        p.setPen(QPen(QColor(120, 90, 50), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(390, 285), QPointF(262, 104));
        QPainterPath bag;  // the mesh bag hanging from the ring
        bag.moveTo(120, 100);
        bag.cubicTo(118, 190, 150, 250, 182, 258);
        bag.cubicTo(218, 250, 258, 185, 260, 100);
        bag.closeSubpath();
        p.setPen(QPen(QColor(200, 200, 195), 1));
        p.setBrush(QColor(250, 250, 245, 190));
        p.drawPath(bag);
        p.save();
        p.setClipPath(bag);
        p.setPen(QPen(QColor(190, 190, 185), 0.6));
        for (int i = 0; i < 30; ++i) {
            p.drawLine(QPointF(50 + i * 8, 60), QPointF(50 + i * 8 - 60, 270));
            p.drawLine(QPointF(50 + i * 8 - 100, 60), QPointF(50 + i * 8 - 40, 270));
        }
        p.restore();
        p.setPen(QPen(QColor(80, 80, 85), 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(190, 100), 70, 26);
        for (int i = 0; i < 6; ++i)
            drawOrganism(p, catchOr("cicadelido"), QPointF(rnd.range(150, 225), rnd.range(150, 235)), rnd.range(16, 22),
                         rnd.range(0, 360), rnd);
    } else if (scene == QLatin1String("hierba") || scene == QLatin1String("espuma")) {
        // The grass of the margin or the cover crop: dry, or green with the
        // froth masses of spittlebug nymphs.
        const bool froth = scene == QLatin1String("espuma");
        for (int i = 0; i < 260; ++i) {
            const qreal x = rnd.range(-10, 410), h = rnd.range(60, 170);
            p.setPen(QPen(froth ? QColor(int(rnd.range(70, 120)), int(rnd.range(130, 170)), 60)
                                : QColor(int(rnd.range(170, 215)), int(rnd.range(145, 180)), int(rnd.range(70, 100))),
                          rnd.range(1.2, 2.6), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, 300), QPointF(x + rnd.range(-25, 25), 300 - h));
        }
        if (froth) {
            for (int k = 0; k < 4; ++k) {
                const QPointF c(60 + k * 90 + rnd.range(-15, 15), rnd.range(170, 230));
                p.setPen(QPen(QColor(215, 215, 205), 0.6));
                for (int i = 0; i < 60; ++i) {
                    const qreal r = rnd.range(2, 5);
                    p.setBrush(QColor(250, 250, 245, 230));
                    p.drawEllipse(c + QPointF(rnd.range(-18, 18), rnd.range(-12, 12)), r, r);
                }
            }
        }
        if (!catchKind.isEmpty())
            for (int i = 0; i < 6; ++i)
                drawOrganism(p, catchKind, QPointF(rnd.range(40, 360), rnd.range(170, 260)), 22, rnd.range(-60, 60),
                             rnd);
    } else if (scene == QLatin1String("linterna")) {
        // Night: only the torch's beam lights the organ.
        QPainterPath dark;
        dark.addRect(QRectF(-10, -10, 420, 320));
        QPainterPath beam;
        beam.addEllipse(QPointF(215, 140), 120, 100);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(8, 10, 25, 225));
        p.drawPath(dark.subtracted(beam));
        QRadialGradient edge(QPointF(215, 140), 120);
        edge.setColorAt(0.75, QColor(8, 10, 25, 0));
        edge.setColorAt(1, QColor(8, 10, 25, 150));
        p.setBrush(edge);
        p.drawPath(beam);
        p.save();
        p.translate(40, 275);
        p.rotate(-35);
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(60, 60, 70));
        p.drawRoundedRect(QRectF(0, -10, 70, 20), 4, 4);
        p.setBrush(QColor(255, 245, 190));
        p.drawRect(QRectF(70, -13, 8, 26));
        p.restore();
    } else if (scene == QLatin1String("muestras")) {
        // Cane samples in a labelled bag for the laboratory.
        QPainterPath bag;
        bag.addRoundedRect(QRectF(110, 60, 180, 210), 12, 12);
        p.setPen(QPen(QColor(170, 180, 190), 1.5));
        p.setBrush(QColor(235, 242, 248, 170));
        p.drawPath(bag);
        for (int i = 0; i < 7; ++i) {
            const qreal x = 135 + i * 20 + rnd.range(-4, 4);
            drawCane(p, QPointF(x, 95 + rnd.range(0, 12)), QPointF(x + rnd.range(-12, 12), 250), 9, false);
        }
        p.setPen(QPen(QColor(170, 180, 190), 1.5));
        p.setBrush(QColor(235, 242, 248, 90));
        p.drawPath(bag);
        p.setPen(QPen(QColor(200, 40, 40), 4));
        p.drawLine(QPointF(115, 78), QPointF(285, 78));
        p.setPen(QPen(QColor(80, 80, 80), 1));
        p.setBrush(QColor(250, 250, 240));
        p.drawRect(QRectF(150, 180, 100, 50));
        p.setPen(QPen(QColor(90, 90, 120), 1.5));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(160, 193 + i * 12), QPointF(238 - i * 15, 193 + i * 12));
    } else if (scene == QLatin1String("zanja")) {
        // A trench dug in the foreground, its earth heaped beside it.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 42, 27));
        p.drawPolygon(QPolygonF{QPointF(0, 262), QPointF(400, 256), QPointF(400, 284), QPointF(0, 292)});
        p.setBrush(QColor(145, 110, 72));
        QPainterPath heap;
        heap.moveTo(0, 262);
        heap.cubicTo(100, 238, 300, 234, 400, 256);
        heap.lineTo(400, 260);
        heap.lineTo(0, 266);
        p.drawPath(heap);
        p.setPen(QPen(QColor(90, 90, 95), 5, Qt::SolidLine, Qt::RoundCap));  // the spade
        p.drawLine(QPointF(330, 170), QPointF(350, 255));
        p.setBrush(QColor(150, 150, 155));
        p.drawRect(QRectF(342, 250, 16, 22));
    } else if (scene == QLatin1String("aporcado")) {
        // Earth ridged up round the foot of the trunk.
        QPainterPath mound;
        mound.moveTo(60, 300);
        mound.cubicTo(120, 215, 280, 215, 340, 300);
        mound.closeSubpath();
        QLinearGradient g(0, 215, 0, 300);
        g.setColorAt(0, QColor(150, 112, 75));
        g.setColorAt(1, QColor(105, 75, 48));
        p.setPen(QPen(QColor(90, 65, 40), 1));
        p.setBrush(g);
        p.drawPath(mound);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 60; ++i) {
            p.setBrush(QColor(95, 68, 42, 200));
            p.drawEllipse(QPointF(rnd.range(100, 300), rnd.range(240, 295)), rnd.range(1, 3), rnd.range(1, 2.5));
        }
    } else if (scene == QLatin1String("chupon")) {
        // A healthy sucker from the foot of the old trunk, kept to renew it.
        drawShoot(p, QPointF(222, 255), QPointF(345, 95), 8, true, rnd);
    } else if (scene == QLatin1String("teja")) {
        // A roof tile laid on the ground by the trunk as a refuge, lifted to
        // show the snails and slugs gathered under it.
        ground(150);
        p.setPen(QPen(QColor(110, 80, 55), 1));
        p.setBrush(QColor(120, 90, 60));
        p.drawRect(QRectF(40, 20, 36, 135));  // the foot of the trunk
        for (int i = 0; i < 4; ++i)
            drawOrganism(p, i == 3 ? QStringLiteral("babosa") : QStringLiteral("caracol"),
                         QPointF(150 + i * 55, 235 + (i % 2) * 18), 48, 0, rnd);
        QPainterPath tile;
        tile.moveTo(110, 200);
        tile.cubicTo(150, 120, 300, 110, 350, 175);
        tile.lineTo(360, 150);
        tile.cubicTo(300, 80, 150, 95, 105, 175);
        tile.closeSubpath();
        QLinearGradient g(0, 100, 0, 200);
        g.setColorAt(0, QColor(210, 110, 70));
        g.setColorAt(1, QColor(150, 70, 40));
        p.setPen(QPen(QColor(110, 50, 30), 1.5));
        p.setBrush(g);
        p.drawPath(tile);
    } else if (scene == QLatin1String("cebo")) {
        // Blue bait pellets scattered on the soil of the row.
        ground(110);
        p.setPen(QPen(QColor(20, 40, 110), 0.6));
        for (int i = 0; i < 140; ++i) {
            p.setBrush(QColor(50, 90, int(rnd.range(170, 220))));
            const QPointF at(rnd.range(10, 390), rnd.range(125, 295));
            p.drawEllipse(at, 2.6 + (at.y() - 110) / 90, 2 + (at.y() - 110) / 120);
        }
    } else if (scene == QLatin1String("posadero")) {
        // A T-shaped perch for birds of prey standing over the vines.
        p.setPen(QPen(QColor(110, 80, 50), 6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(330, 295), QPointF(330, 45));
        p.setPen(QPen(QColor(110, 80, 50), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(300, 45), QPointF(360, 45));
    } else if (scene == QLatin1String("toperas")) {
        // Mounds of loose earth and the open mouths of burrows at the foot of the vines.
        for (int i = 0; i < 4; ++i) {
            const QPointF c(60 + i * 95 + rnd.range(-15, 15), 272 + rnd.range(-6, 8));
            QPainterPath mound;
            mound.moveTo(c + QPointF(-34, 14));
            mound.cubicTo(c + QPointF(-20, -26), c + QPointF(20, -26), c + QPointF(34, 14));
            mound.closeSubpath();
            p.setPen(QPen(QColor(95, 68, 42), 1));
            p.setBrush(QColor(150, 112, 74));
            p.drawPath(mound);
            if (i % 2 == 0) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(35, 24, 15));
                p.drawEllipse(c + QPointF(40, 10), 11, 6);
            }
        }
    } else if (scene == QLatin1String("restos") || scene == QLatin1String("estiercol")) {
        // Crop residues chopped into the soil, or dung spread on it.
        const bool dung = scene == QLatin1String("estiercol");
        ground(110);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < (dung ? 90 : 220); ++i) {
            const QPointF at(rnd.range(5, 395), rnd.range(115, 295));
            if (dung) {
                p.setBrush(QColor(int(rnd.range(55, 80)), int(rnd.range(38, 52)), 25));
                p.drawEllipse(at, rnd.range(5, 11), rnd.range(3, 6));
            } else {
                p.setBrush(rnd.next() < 0.6 ? QColor(110, 150, 60) : QColor(200, 190, 90));
                p.save();
                p.translate(at);
                p.rotate(rnd.range(0, 180));
                p.drawRect(QRectF(-5, -1.5, rnd.range(6, 14), 3));
                p.restore();
            }
        }
    } else if (scene == QLatin1String("estacion")) {
        // A warning station in the row: a mast with the rain gauge, the
        // logger box and its solar panel, and a leaf-wetness sensor.
        p.setPen(QPen(QColor(150, 150, 155), 5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(320, 290), QPointF(320, 40));
        p.setPen(QPen(QColor(60, 60, 65), 1));
        p.setBrush(QColor(230, 230, 225));
        p.drawPolygon(
            QPolygonF{QPointF(298, 40), QPointF(342, 40), QPointF(334, 70), QPointF(306, 70)});  // the gauge's funnel
        p.drawRect(QRectF(308, 70, 24, 40));
        p.setBrush(QColor(40, 60, 110));
        p.drawPolygon(
            QPolygonF{QPointF(323, 125), QPointF(375, 112), QPointF(382, 145), QPointF(330, 158)});  // solar panel
        p.setPen(QPen(QColor(90, 110, 160), 0.8));
        for (int k = 1; k < 4; ++k)
            p.drawLine(QPointF(323 + k * 13, 125 - k * 3.2), QPointF(330 + k * 13, 158 - k * 3.2));
        p.setPen(QPen(QColor(60, 60, 65), 1));
        p.setBrush(QColor(215, 215, 210));
        p.drawRect(QRectF(300, 175, 40, 50));  // the logger
        p.setBrush(QColor(60, 160, 80));
        p.drawEllipse(QPointF(310, 185), 3, 3);
        p.setPen(QPen(QColor(80, 80, 85), 2));
        p.drawLine(QPointF(320, 150), QPointF(270, 150));  // the wetness sensor among the leaves
        p.setBrush(QColor(120, 95, 60));
        p.drawRect(QRectF(245, 144, 26, 14));
    } else if (scene == QLatin1String("difusor")) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(180, 60, 50));
        p.drawRoundedRect(QRectF(190, 120, 20, 60), 6, 6);
    }
}

}  // namespace drawing
