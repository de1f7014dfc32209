// Objects of the grower's work drawn over the organ: traps, sprayers, the
// hand lens, labels, bands, nets and bags.

#include <QPainterPath>
#include <QtMath>

#include "drawing/Drawing.h"

namespace drawing {

namespace {

// The grower's hand reaching in from `from` (off the picture, in a sleeve)
// to the wrist at `wrist`, the fingers closed round what it holds there.
// `size` is the width of the palm; a falconer's hand wears a leather glove.
void drawHand(QPainter &p, QPointF from, QPointF wrist, qreal size, bool glove = false)
{
    const QColor skin = glove ? QColor(150, 100, 55) : QColor(228, 182, 148);
    const QLineF arm(from, wrist);
    p.save();
    p.setPen(QPen(glove ? skin.darker(115) : QColor(70, 90, 120), size * 0.7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, arm.pointAt(glove ? 0.6 : 0.85));
    p.setPen(QPen(skin.darker(110), size * 0.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(arm.pointAt(glove ? 0.55 : 0.8), wrist);
    p.translate(wrist);
    p.rotate(-arm.angle());
    p.setPen(QPen(skin.darker(150), std::max<qreal>(0.8, size * 0.03)));
    p.setBrush(skin);
    p.drawEllipse(QPointF(size * 0.32, 0), size * 0.4, size * 0.34);
    for (int k = 0; k < 4; ++k)  // the curled fingers
        p.drawRoundedRect(QRectF(size * 0.55, (-0.3 + k * 0.15) * size, size * 0.3, size * 0.15), size * 0.07,
                          size * 0.07);
    p.setPen(QPen(skin.darker(150), size * 0.19, Qt::SolidLine, Qt::RoundCap));  // the thumb over them
    p.drawLine(QPointF(size * 0.2, -size * 0.3), QPointF(size * 0.62, -size * 0.36));
    p.setPen(QPen(skin, size * 0.14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size * 0.2, -size * 0.3), QPointF(size * 0.62, -size * 0.36));
    p.restore();
}

// A bucket seen from the front, its rim along the top of `r`; without the
// mouth, only its front, drawn again over what has been put in it.
void drawBucket(QPainter &p, const QRectF &r, bool mouth = true)
{
    p.setPen(QPen(QColor(40, 40, 45), 1.2));
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0, QColor(60, 110, 170));
    g.setColorAt(0.4, QColor(110, 160, 215));
    g.setColorAt(1, QColor(40, 80, 130));
    p.setBrush(g);
    p.drawPolygon(QPolygonF{r.topLeft(), r.topRight(), QPointF(r.right() - r.width() * 0.12, r.bottom()),
                            QPointF(r.left() + r.width() * 0.12, r.bottom())});
    if (!mouth)
        return;
    p.setBrush(QColor(30, 50, 80));
    p.drawEllipse(QPointF(r.center().x(), r.top()), r.width() / 2, r.width() * 0.1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 70, 75), 2));
    p.drawArc(QRectF(r.left() + 6, r.top() - r.width() * 0.45, r.width() - 12, r.width() * 0.9), 20 * 16, 140 * 16);
}

// A rotten bunch: brown, shrunken berries and the juice running from them.
void rotBunch(QPainter &p, const QList<Berry> &berries, Random &rnd)
{
    for (const Berry &b : berries) {
        if (rnd.next() < 0.65) {
            drawBerry(p, b, rnd.next() < 0.5 ? QColor(120, 75, 40) : QColor(95, 70, 55));
            if (rnd.next() < 0.3) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(190, 190, 180, 200));
                p.drawEllipse(b.c, b.r * 0.6, b.r * 0.6);
            }
        }
    }
}

// Pruning shears, open, their pivot at `pivot`, the jaws pointing along
// `angle` (degrees, Qt's screen convention) and the red handles behind.
void drawShears(QPainter &p, QPointF pivot, qreal angle, qreal size)
{
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(190, 30, 30));  // the handles
    p.drawPolygon(QPolygonF{QPointF(-size * 0.05, -size * 0.06), QPointF(-size * 1.1, -size * 0.2),
                            QPointF(-size * 1.12, -size * 0.08), QPointF(-size * 0.05, size * 0.02)});
    p.drawPolygon(QPolygonF{QPointF(-size * 0.05, size * 0.06), QPointF(-size * 1.1, size * 0.22),
                            QPointF(-size * 1.12, size * 0.1), QPointF(-size * 0.05, -size * 0.02)});
    QLinearGradient steel(0, -size * 0.2, 0, size * 0.2);
    steel.setColorAt(0, QColor(235, 235, 240));
    steel.setColorAt(1, QColor(140, 140, 150));
    p.setBrush(steel);
    QPainterPath blade;  // the cutting blade, curved, open upwards
    blade.moveTo(0, -size * 0.04);
    blade.cubicTo(QPointF(size * 0.15, -size * 0.18), QPointF(size * 0.35, -size * 0.3),
                  QPointF(size * 0.48, -size * 0.3));
    blade.cubicTo(QPointF(size * 0.35, -size * 0.18), QPointF(size * 0.2, -size * 0.02), QPointF(0, size * 0.04));
    p.drawPath(blade);
    QPainterPath anvil;  // the hooked anvil below
    anvil.moveTo(0, size * 0.04);
    anvil.cubicTo(QPointF(size * 0.15, size * 0.16), QPointF(size * 0.32, size * 0.26),
                  QPointF(size * 0.42, size * 0.2));
    anvil.cubicTo(QPointF(size * 0.3, size * 0.1), QPointF(size * 0.15, size * 0.02), QPointF(0, -size * 0.02));
    p.drawPath(anvil);
    p.setBrush(QColor(90, 90, 95));
    p.drawEllipse(QPointF(0, 0), size * 0.05, size * 0.05);  // the pivot bolt
    p.restore();
}

// Leaves of a shoot grown from a bud infected in winter: small, cupped and
// floured over with the white dust of powdery mildew.
void flaggedLeaf(QPainter &p, QPointF at, qreal r, qreal angle, Random &rnd)
{
    const LeafGeom g = drawLeaf(p, at, r, angle, false, QColor(150, 165, 105));
    const QPainterPath blade = leafOutline(g);
    p.save();
    p.setClipPath(blade);
    p.fillPath(blade, QColor(235, 238, 230, 130));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < int(r * r * 0.35); ++i) {
        p.setBrush(QColor(250, 250, 248, int(rnd.range(120, 230))));
        p.drawEllipse(at + QPointF(rnd.range(-r, r), rnd.range(-r, r)), rnd.range(0.6, 1.5), rnd.range(0.6, 1.5));
    }
    p.setPen(QPen(QColor(120, 135, 90), r * 0.18));  // the rim curled upwards
    p.setBrush(Qt::NoBrush);
    p.drawPath(blade);
    p.restore();
}

}  // namespace

QRectF tallyCardArea() { return QRectF(312, 190, 88, 90); }

void drawScene(QPainter &p, const QString &sceneAndCatch, const QSizeF &size, Random &rnd)
{
    // "revision+conteo": several objects over the same organ.
    if (sceneAndCatch.contains(QLatin1Char('+'))) {
        for (const QString &object : sceneAndCatch.split(QLatin1Char('+'), Qt::SkipEmptyParts))
            drawScene(p, object, size, rnd);
        return;
    }
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
    // The discs of a disc harrow at the picture's edge, cutting into the
    // soil and throwing it over: the painted frame coming in from outside,
    // each concave steel disc on its standard, the turned earth curling off
    // in front of them.
    auto discHarrow = [&](const QPointF &first, qreal scale) {
        const QPointF discs[] = {first, first + QPointF(46, -22) * scale, first + QPointF(92, -44) * scale};
        p.setPen(QPen(QColor(70, 30, 20), 13 * scale, Qt::SolidLine, Qt::FlatCap));  // the frame
        p.drawLine(discs[0] + QPointF(-10, -57) * scale, discs[2] + QPointF(60, -87) * scale);
        p.setPen(QPen(QColor(185, 60, 35), 9 * scale, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(discs[0] + QPointF(-10, -57) * scale, discs[2] + QPointF(60, -87) * scale);
        for (int i = 2; i >= 0; --i) {
            const QPointF c = discs[i];
            p.setPen(QPen(QColor(70, 30, 20), 7 * scale, Qt::SolidLine, Qt::FlatCap));  // the standard
            p.drawLine(c + QPointF(-4, -55 - i * 3) * scale, c);
            p.setPen(QPen(QColor(185, 60, 35), 4 * scale, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(c + QPointF(-4, -55 - i * 3) * scale, c);
            p.save();
            p.translate(c);
            p.rotate(-18);
            QLinearGradient steel(-24 * scale, 0, 24 * scale, 0);
            steel.setColorAt(0, QColor(95, 100, 105));
            steel.setColorAt(0.35, QColor(225, 228, 230));
            steel.setColorAt(1, QColor(120, 125, 130));
            p.setPen(QPen(QColor(50, 52, 55), 1.5));
            p.setBrush(steel);
            p.drawEllipse(QPointF(0, 0), 22 * scale, 44 * scale);
            p.setPen(QPen(QColor(245, 245, 245), 1.5));  // the sharp rim catching the light
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(-20 * scale, -42 * scale, 40 * scale, 84 * scale), 100 * 16, 120 * 16);
            p.setPen(QPen(QColor(50, 52, 55), 1));
            p.setBrush(QColor(70, 72, 75));
            p.drawEllipse(QPointF(0, 0), 5 * scale, 7 * scale);  // the hub
            p.restore();
            QPainterPath slice;  // the earth it turns, over its lower half
            slice.moveTo(c + QPointF(-34, 14) * scale);
            slice.quadTo(c + QPointF(-14, -6) * scale, c + QPointF(12, 12) * scale);
            slice.quadTo(c + QPointF(34, 30) * scale, c + QPointF(40, 60) * scale);
            slice.lineTo(c + QPointF(-34, 60) * scale);
            slice.closeSubpath();
            p.setPen(QPen(QColor(80, 55, 32), 1.2));
            p.setBrush(QColor(118, 84, 52));
            p.drawPath(slice);
            p.setPen(QPen(QColor(90, 62, 38), 0.8));
            for (int k = 0; k < 6; ++k) {  // clods falling off it
                p.setBrush(QColor(int(rnd.range(130, 165)), int(rnd.range(95, 115)), 65));
                p.drawEllipse(c + QPointF(rnd.range(-30, 24), rnd.range(2, 20)) * scale, 3.5 * scale, 2.8 * scale);
            }
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
        if (catchKind.isEmpty()) {
            caught(QRectF(110, 200, 160, 24), 7, QStringLiteral("mariposa-pardo"));
        } else {  // small insects, drawn large enough to be told apart
            for (int i = 0; i < 9; ++i)
                drawOrganism(p, catchKind, QPointF(rnd.range(120, 270), rnd.range(203, 222)), rnd.range(20, 26),
                             rnd.range(150, 210), rnd);
        }
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
    } else if (scene.startsWith(QLatin1String("trampa-agua"))) {
        // A white basin of water on a stake at the edge of the vineyard: the
        // beetles drawn to the white colour drown in it.
        ground(250);
        p.setPen(QPen(QColor(90, 65, 40), 1));
        p.setBrush(QColor(140, 105, 65));
        p.drawRect(QRectF(193, 150, 14, 125));
        QPainterPath basin(QPointF(105, 120));
        basin.lineTo(QPointF(140, 185));
        basin.quadTo(QPointF(200, 200), QPointF(260, 185));
        basin.lineTo(QPointF(295, 120));
        basin.closeSubpath();
        p.setPen(QPen(QColor(170, 170, 175), 1.5));
        p.setBrush(QColor(250, 250, 250));
        p.drawPath(basin);
        p.drawEllipse(QPointF(200, 120), 95, 22);  // the rim
        p.setPen(QPen(QColor(150, 190, 215), 1));
        p.setBrush(QColor(175, 215, 235));
        p.drawEllipse(QPointF(200, 124), 84, 16);  // the water
        p.setPen(QPen(QColor(245, 250, 255, 200), 1.2));
        for (int i = 0; i < 4; ++i)
            p.drawArc(QRectF(140 + i * 28, 118 + (i % 2) * 6, 26, 6), 20 * 16, 140 * 16);
        for (int i = 0; i < 6; ++i)
            drawOrganism(p, catchOr("escarabajo-peludo"),
                         QPointF(135 + i * 26 + rnd.range(-4, 4), 124 + rnd.range(-7, 7)), rnd.range(20, 25),
                         rnd.range(0, 360), rnd);
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
        drawHand(p, QPointF(60, 340), QPointF(140, 248), 40);  // the grower holding it
    } else if (scene == QLatin1String("revision")) {
        // The grower looking the organ over with a small hand lens.
        p.setPen(QPen(QColor(30, 30, 30), 9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(322, 232), QPointF(350, 268));
        p.setPen(QPen(QColor(40, 40, 45), 6));
        p.setBrush(QColor(255, 255, 245, 60));
        p.drawEllipse(QPointF(300, 200), 38, 38);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(288, 186), 12, 7);
        drawHand(p, QPointF(430, 330), QPointF(352, 270), 38);
    } else if (scene == QLatin1String("conteo")) {
        // A small tally card on a clipboard in the bottom right-hand corner,
        // the strokes in fives, and the pencil in hand; the organ and its
        // damage stay in full view.
        const QRectF card = tallyCardArea();
        p.save();
        p.translate(card.topLeft() + QPointF(4, 6));
        p.rotate(-4);
        p.setPen(QPen(QColor(90, 60, 30), 1));
        p.setBrush(QColor(170, 125, 75));
        p.drawRoundedRect(QRectF(0, 0, 76, 70), 3, 3);
        p.setBrush(QColor(250, 250, 245));
        p.drawRect(QRectF(5, 9, 66, 58));
        p.setBrush(QColor(150, 150, 155));
        p.drawRoundedRect(QRectF(26, -4, 24, 10), 2, 2);
        p.setPen(QPen(QColor(150, 170, 200), 0.7));
        for (int row = 1; row < 4; ++row)
            p.drawLine(QPointF(5, 9 + row * 14.5), QPointF(71, 9 + row * 14.5));
        p.setPen(QPen(QColor(40, 40, 50), 1.1, Qt::SolidLine, Qt::RoundCap));
        const int tallies[] = {7, 11, 3, 8};
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < tallies[row]; ++k) {
                const qreal x = 9 + (k / 5) * 18 + (k % 5) * 3, y = 11 + row * 14.5;
                if (k % 5 == 4)
                    p.drawLine(QPointF(x - 13, y + 9), QPointF(x + 1, y + 2));
                else
                    p.drawLine(QPointF(x, y + 1), QPointF(x, y + 10));
            }
        p.restore();
        const QPointF tip = card.topLeft() + QPointF(58, 50);
        p.setPen(QPen(QColor(230, 190, 40), 3.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(tip + QPointF(4, 3), tip + QPointF(30, 26));
        p.setPen(QPen(QColor(60, 60, 60), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tip, tip + QPointF(4, 3));
        drawHand(p, QPointF(430, 330), tip + QPointF(24, 22), 24);
    } else if (scene == QLatin1String("golpe")) {
        // Knocking on the wood with a small hammer to hear where it is hollow.
        p.setPen(QPen(QColor(140, 100, 60), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(244, 150), QPointF(322, 196));
        p.setPen(QPen(QColor(40, 40, 45), 1));
        p.setBrush(QColor(110, 110, 118));
        p.save();
        p.translate(240, 148);
        p.rotate(30);
        p.drawRoundedRect(QRectF(-8, -22, 16, 44), 3, 3);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(250, 250, 240, 220), 2));
        for (int k = 1; k <= 3; ++k)  // the knock
            p.drawArc(QRectF(218 - k * 8, 130 - k * 8, 16 + k * 16, 36 + k * 16), 100 * 16, 70 * 16);
        drawHand(p, QPointF(420, 260), QPointF(318, 194), 38);
    } else if (scene == QLatin1String("recogida") && !catchKind.isEmpty()) {
        // Picking the beetles off the buds by hand at first light, while the
        // cold keeps them still, and dropping them into a bucket: the low
        // sun warms the sky and the catch shows in the bucket's mouth.
        QLinearGradient dawn(0, 0, 0, 170);
        dawn.setColorAt(0, QColor(255, 170, 110, 120));
        dawn.setColorAt(0.5, QColor(255, 205, 150, 60));
        dawn.setColorAt(1, QColor(255, 220, 170, 0));
        p.fillRect(QRectF(0, 0, 400, 170), dawn);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 225, 160, 150));
        p.drawEllipse(QPointF(40, 58), 20, 20);  // the sun just over the hills
        drawBucket(p, QRectF(280, 205, 100, 90));
        for (int i = 0; i < 5; ++i)
            drawOrganism(p, catchKind, QPointF(298 + i * 16, 200 + (i % 2) * 4), 17, rnd.range(0, 360), rnd);
        drawBucket(p, QRectF(280, 205, 100, 90), false);  // the bucket's front over them
        const QPointF from(430, 20), wrist(262, 92);
        const QLineF arm(from, wrist);
        const QPointF ahead = (wrist - from) / arm.length();
        drawHand(p, from, wrist, 40);
        drawOrganism(p, catchKind, wrist + ahead * 30 + QPointF(0, 8), 36, -arm.angle() + 200, rnd);
    } else if (scene == QLatin1String("recogida")) {
        // Picking the rolled leaves by hand into a bucket.
        drawBucket(p, QRectF(280, 205, 100, 90));
        for (int i = 0; i < 4; ++i)
            drawCigar(p, QPointF(300 + i * 20, 205 - (i % 2) * 6), 48, -70 + i * 35);
        drawCigar(p, QPointF(300, 112), 70, 70);
        drawHand(p, QPointF(430, 40), QPointF(312, 92), 40);
    } else if (scene == QLatin1String("deshojado")) {
        // The fruit zone of the row cleared of leaves: the bunches hang in
        // the open under the cordon, the pulled leaves lie on the ground and
        // the hand pulls one more.
        ground(262);
        for (int i = 0; i < 14; ++i)  // the canopy above the cordon
            drawLeaf(p, QPointF(rnd.range(20, 380), rnd.range(15, 70)), rnd.range(26, 36), rnd.range(-40, 40), false,
                     leafGreen(false));
        p.setPen(QPen(QColor(105, 75, 45), 12, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-10, 105), QPointF(410, 100));
        p.setPen(QPen(QColor(110, 150, 60), 2));
        for (int i = 0; i < 9; ++i) {  // the stubs of the pulled leaves' petioles
            const QPointF at(25 + i * 45, 101);
            p.drawLine(at, at + QPointF(rnd.range(-6, 6), 14));
        }
        for (int i = 0; i < 3; ++i)
            drawBunch(p, QPointF(70 + i * 115, 104), 0.62, QStringLiteral("verde"), QString(), quint32(7 + i));
        for (int i = 0; i < 8; ++i)  // the pulled leaves on the ground
            drawLeaf(p, QPointF(20 + i * 48 + rnd.range(-10, 10), 280 + rnd.range(-6, 8)), rnd.range(20, 26),
                     rnd.range(-90, 90), i % 2 == 1, leafGreen(i % 2 == 1).darker(110));
        drawLeaf(p, QPointF(300, 150), 34, 30, false, leafGreen(false));
        drawHand(p, QPointF(430, 210), QPointF(326, 162), 40);
    } else if (scene == QLatin1String("retirada") && catchKind == QLatin1String("momias")) {
        // At winter pruning: the mummified bunches of last year, black,
        // shrivelled and hard, pulled off the bare cordon by hand and dropped
        // into a bucket.
        auto mummies = [&](QPointF top, qreal scale, quint32 seed) {
            const QList<Berry> berries =
                drawBunch(p, top, scale, QStringLiteral("maduro"), QStringLiteral("tinta"), seed);
            for (const Berry &b : berries) {
                drawBerry(p, {b.c, b.r * 0.85}, QColor(38, 32, 36));
                p.setPen(QPen(QColor(90, 80, 85), 0.8));
                p.setBrush(Qt::NoBrush);
                for (int k = 0; k < 3; ++k)  // the wrinkles of the dried skin
                    p.drawArc(QRectF(b.c.x() - b.r * 0.6, b.c.y() - b.r * (0.5 - k * 0.3), b.r * 1.2, b.r * 0.5),
                              200 * 16, 140 * 16);
            }
        };
        ground(262);
        p.setPen(QPen(QColor(100, 72, 45), 14, Qt::SolidLine, Qt::RoundCap));  // the bare cordon
        p.drawLine(QPointF(-10, 40), QPointF(410, 32));
        p.setPen(QPen(QColor(120, 90, 55), 5, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i)  // the spurs left by the pruning
            p.drawLine(QPointF(40 + i * 100, 38), QPointF(50 + i * 100, 14));
        mummies(QPointF(95, 40), 0.55, 51);
        drawBucket(p, QRectF(215, 190, 120, 100));
        for (int i = 0; i < 3; ++i)
            mummies(QPointF(235 + i * 38, 160), 0.28, quint32(52 + i));
        drawBucket(p, QRectF(215, 190, 120, 100), false);
        mummies(QPointF(265, 58), 0.45, 55);
        drawHand(p, QPointF(430, -20), QPointF(282, 52), 38);
    } else if (scene == QLatin1String("raspado")) {
        // Scraping the loose bark off the trunk with a flat blade: the bare
        // wood shows where it has passed, flakes and curls of bark fall to
        // the foot of the vine.
        p.setPen(QPen(QColor(70, 48, 30), 0.8));
        for (int i = 0; i < 22; ++i) {
            const bool falling = i < 6;
            const QPointF at = falling ? QPointF(rnd.range(200, 250), rnd.range(190, 250))
                                       : QPointF(rnd.range(130, 290), rnd.range(262, 290));
            p.save();
            p.translate(at);
            p.rotate(rnd.range(0, 180));
            p.setBrush(rnd.next() < 0.5 ? QColor(110, 80, 50) : QColor(150, 115, 75));
            p.drawRect(QRectF(-5, -2, rnd.range(7, 12), rnd.range(3, 5)));
            p.restore();
        }
        p.save();
        p.translate(214, 172);
        p.rotate(35);
        QLinearGradient steel(0, -16, 0, 16);
        steel.setColorAt(0, QColor(230, 230, 235));
        steel.setColorAt(1, QColor(130, 130, 140));
        p.setPen(QPen(QColor(60, 60, 65), 1));
        p.setBrush(steel);
        p.drawRect(QRectF(-3, -17, 12, 34));  // the blade, its edge on the bark
        p.setBrush(QColor(150, 100, 55));
        p.drawRoundedRect(QRectF(9, -6, 72, 12), 5, 5);  // the wooden handle
        p.restore();
        drawHand(p, QPointF(430, 330), QPointF(292, 240), 40);
    } else if (scene == QLatin1String("escarda")) {
        // Weeding round the foot of a young vine: the soil hoed clean in a
        // ring about the trunk, the weeds still standing beyond it, the ones
        // pulled up wilting on the ground, and the hoe at work in the hand.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(95, 65, 40));
        p.drawEllipse(QPointF(200, 262), 80, 14);
        for (int i = 0; i < 70; ++i) {  // the weeds beyond the ring
            const qreal x = i % 2 ? rnd.range(0, 115) : rnd.range(285, 400);
            const QPointF base(x, rnd.range(254, 296));
            p.setPen(QPen(QColor(70, 130, 50), 1.6));
            p.drawLine(base, base + QPointF(rnd.range(-8, 8), -rnd.range(14, 34)));
        }
        for (int i = 0; i < 5; ++i) {  // pulled weeds, roots and all, wilting
            const QPointF at(rnd.range(130, 180), rnd.range(276, 292));
            p.setPen(QPen(QColor(140, 140, 70), 1.4));
            for (int k = 0; k < 4; ++k)
                p.drawLine(at, at + QPointF(rnd.range(14, 24), rnd.range(-5, 3)));
            p.setPen(QPen(QColor(190, 170, 130), 0.8));
            p.drawLine(at, at + QPointF(-8, 4));
        }
        p.setPen(QPen(QColor(130, 90, 50), 5, Qt::SolidLine, Qt::RoundCap));  // the hoe's handle
        p.drawLine(QPointF(262, 262), QPointF(380, 120));
        p.setPen(QPen(QColor(60, 60, 65), 1));
        p.setBrush(QColor(150, 150, 160));
        p.drawPolygon(QPolygonF{QPointF(244, 256), QPointF(272, 254), QPointF(276, 272), QPointF(240, 274)});
        drawHand(p, QPointF(440, 90), QPointF(360, 132), 36);
    } else if (scene == QLatin1String("retirada")) {
        // Rotten bunches cut and dropped into a bucket, the fallen berries
        // picked up from the ground.
        ground(250);
        drawBucket(p, QRectF(190, 185, 130, 105));
        for (int i = 0; i < 3; ++i) {  // the bunches already in it
            const QList<Berry> in = drawBunch(p, QPointF(215 + i * 40, 150), 0.3, QStringLiteral("maduro"),
                                              QStringLiteral("tinta"), quint32(30 + i));
            rotBunch(p, in, rnd);
        }
        drawBucket(p, QRectF(190, 185, 130, 105), false);  // the bucket's front over them
        const QList<Berry> held =
            drawBunch(p, QPointF(245, 42), 0.5, QStringLiteral("maduro"), QStringLiteral("tinta"), 41);
        rotBunch(p, held, rnd);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 110, 50, 170));
        for (int k = 0; k < 3; ++k)  // juice dripping from it
            p.drawEllipse(QPointF(238 + k * 9, 150 + k * 9), 2.5, 4);
        drawHand(p, QPointF(420, -30), QPointF(262, 36), 38);
        for (int i = 0; i < 14; ++i)  // fallen berries, some still to pick up
            drawBerry(p, {QPointF(rnd.range(20, 170), rnd.range(262, 292)), rnd.range(5, 7)},
                      rnd.next() < 0.6 ? QColor(110, 70, 40) : QColor(70, 40, 70));
    } else if (scene == QLatin1String("cetrero")) {
        // The falconer among the rows, the gloved fist raised for the bird.
        p.setPen(QPen(QColor(40, 50, 40), 1.2));
        p.setBrush(QColor(70, 95, 70));
        QPainterPath body;
        body.moveTo(20, 300);
        body.cubicTo(18, 220, 30, 175, 75, 170);
        body.cubicTo(120, 175, 132, 220, 130, 300);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(QColor(228, 182, 148));
        p.drawEllipse(QPointF(75, 140), 22, 25);
        p.setBrush(QColor(90, 70, 45));  // the hat
        p.drawEllipse(QPointF(75, 120), 36, 8);
        p.drawRoundedRect(QRectF(56, 96, 38, 24), 6, 6);
        drawHand(p, QPointF(115, 200), QPointF(170, 128), 34, true);
        p.setPen(QPen(QColor(40, 40, 40), 1));  // the jesses hanging from the glove
        p.drawLine(QPointF(184, 125), QPointF(190, 150));
        p.drawLine(QPointF(188, 124), QPointF(196, 146));
    } else if (scene == QLatin1String("labor")) {
        // Deep summer tillage: the turned furrows and clods, and the larvae
        // brought up onto them.
        ground(95);
        for (int i = 0; i < 9; ++i) {  // the furrows running away from us
            QPainterPath f(QPointF(-60 + i * 65, 300));
            f.quadTo(QPointF(-30 + i * 60, 180), QPointF(140 + i * 15, 95));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(85, 58, 35), 5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(f);
            p.setPen(QPen(QColor(175, 135, 95), 2, Qt::SolidLine, Qt::RoundCap));
            p.translate(5, 0);
            p.drawPath(f);
            p.translate(-5, 0);
        }
        p.setPen(QPen(QColor(90, 62, 38), 0.8));
        for (int i = 0; i < 60; ++i) {  // the clods
            const qreal y = rnd.range(100, 298);
            const qreal r = 2 + (y - 95) / 28;
            p.setBrush(QColor(int(rnd.range(130, 165)), int(rnd.range(95, 115)), 65));
            p.drawEllipse(QPointF(rnd.range(0, 400), y), r * rnd.range(1, 1.6), r);
        }
        discHarrow(QPointF(296, 232), 1);
        const QString larva = catchKind.isEmpty() ? QStringLiteral("larvac") : catchKind;
        const QPointF at[] = {QPointF(80, 250), QPointF(190, 262), QPointF(160, 185), QPointF(240, 150),
                              QPointF(130, 112)};
        for (int i = 0; i < 5; ++i)
            drawOrganism(p, larva, at[i], 62 - i * 6, rnd.range(-60, 60), rnd);
    } else if (scene == QLatin1String("aves")) {
        // Birds following the tillage, pecking at what it turns up.
        const QPointF at[] = {QPointF(70, 150), QPointF(330, 130), QPointF(210, 118)};
        for (int i = 0; i < 3; ++i)
            drawOrganism(p, QStringLiteral("pajaro"), at[i], 70 - i * 10, 0, rnd);
    } else if (scene == QLatin1String("sacudida") || scene == QLatin1String("sacudida-cepa")) {
        // Shaking the bunch by its stalk, or the vine by its trunk, over the
        // tray below: the hand gripping it, the strokes of the shake either
        // side and a few insects falling.
        const bool vine = scene == QLatin1String("sacudida-cepa");
        const QPointF grip = vine ? QPointF(234, 170) : QPointF(206, 26);
        drawHand(p, vine ? QPointF(440, 140) : QPointF(440, -40), grip, vine ? 40 : 36);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(250, 250, 245, 230), 2.5, Qt::SolidLine, Qt::RoundCap));
        const qreal y = vine ? 70 : 110, w = vine ? 170 : 95;
        for (int side : {-1, 1})
            for (int k = 0; k < 3; ++k) {
                const QRectF arc(200 + side * (w + k * 9) - 12, y - 28 + k * 4, 24, 56 - k * 8);
                p.drawArc(arc, side < 0 ? 120 * 16 : -60 * 16, 120 * 16);
            }
        if (vine)
            for (int i = 0; i < 5; ++i)  // weevils dropping onto the sheet
                drawOrganism(p, catchOr("gorgojo"), QPointF(rnd.range(120, 290), rnd.range(140, 182)), 13,
                             rnd.range(0, 360), rnd);
    } else if (scene == QLatin1String("descalzado")) {
        // Baring the foot of the vine: the hoe's blade in the earth at the
        // collar, the soil dug away and heaped either side.
        QPainterPath pit;  // the hollow dug round the collar, the top roots bared in its shade
        pit.moveTo(122, 40);
        pit.lineTo(278, 40);
        pit.quadTo(QPointF(262, 100), QPointF(200, 104));
        pit.quadTo(QPointF(138, 100), QPointF(122, 40));
        p.setPen(QPen(QColor(60, 40, 25), 2));
        p.setBrush(QColor(40, 28, 18, 110));
        p.drawPath(pit);
        p.setPen(QPen(QColor(85, 58, 35), 1));
        for (int side : {-1, 1}) {  // the heaps of earth thrown up beside it
            p.setBrush(QColor(120, 85, 52));
            p.drawChord(QRectF(200 + side * 105 - 48, 24, 96, 34), 0, 180 * 16);
            p.setBrush(QColor(140, 100, 62));
            for (int i = 0; i < 6; ++i)
                p.drawEllipse(QPointF(200 + side * 105 + rnd.range(-36, 36), rnd.range(30, 40)), rnd.range(3, 6),
                              rnd.range(2.5, 4.5));
        }
        for (const auto &[tone, width] : {std::pair{QColor(60, 40, 22), 9.0}, std::pair{QColor(200, 160, 105), 5.5}}) {
            p.setPen(QPen(tone, width, Qt::SolidLine, Qt::RoundCap));  // the hoe's pale handle, outlined
            p.drawLine(QPointF(262, 60), QPointF(400, 2));
        }
        p.setPen(QPen(QColor(60, 60, 65), 1));
        p.setBrush(QColor(150, 150, 160));
        p.drawPolygon(QPolygonF{QPointF(244, 52), QPointF(272, 50), QPointF(266, 92), QPointF(238, 90)});
        drawHand(p, QPointF(450, 60), QPointF(352, 22), 40);
    } else if (scene == QLatin1String("trampa-cebo")) {
        // A bait trap lifted out of its hole: a pot of soil with germinated
        // seeds buried a few days, the wireworms drawn into it, some still
        // clinging to its sides; the open hole below.
        ground(95);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(55, 38, 24));
        p.drawEllipse(QPointF(200, 222), 78, 20);  // the hole it came out of
        const QPolygonF pot{QPointF(142, 62), QPointF(258, 62), QPointF(242, 182), QPointF(158, 182)};
        p.setPen(QPen(QColor(70, 60, 55), 1.5));
        p.setBrush(QColor(96, 66, 42));  // cut open: the soil inside
        p.drawPolygon(pot);
        for (int i = 0; i < 9; ++i) {  // the germinated grains, sprout up and rootlets down
            const QPointF at(rnd.range(160, 240), rnd.range(80, 170));
            p.setPen(QPen(QColor(240, 240, 225), 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at, at + QPointF(rnd.range(-5, 5), -rnd.range(9, 15)));
            p.setPen(QPen(QColor(225, 215, 190), 0.8));
            for (int k = 0; k < 3; ++k)
                p.drawLine(at, at + QPointF(rnd.range(-7, 7), rnd.range(5, 10)));
            p.setPen(QPen(QColor(150, 110, 50), 0.8));
            p.setBrush(QColor(225, 190, 100));
            p.drawEllipse(at, 5, 3.2);
        }
        for (int i = 0; i < 4; ++i)  // wireworms feeding among the grains
            drawOrganism(p, QStringLiteral("alambre"), QPointF(rnd.range(172, 228), rnd.range(90, 165)), 44,
                         rnd.range(-40, 40) + (i % 2) * 90, rnd);
        p.setPen(QPen(QColor(60, 60, 65), 3));  // the pot's wall, pierced with holes
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(pot);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(35, 30, 28));
        for (int k = 0; k < 5; ++k)
            for (int side : {-1, 1})
                p.drawEllipse(QPointF(200 + side * (56 - k * 3.2), 78 + k * 22), 2.5, 2.5);
        p.setPen(QPen(QColor(60, 60, 65), 1.5));
        p.setBrush(QColor(80, 80, 85));
        p.drawEllipse(QPointF(200, 62), 58, 7);                                       // the rim
        drawOrganism(p, QStringLiteral("alambre"), QPointF(150, 150), 44, 100, rnd);  // on the outside
        drawOrganism(p, QStringLiteral("alambre"), QPointF(120, 250), 42, 20, rnd);   // in the wall of the hole
        drawOrganism(p, QStringLiteral("alambre"), QPointF(290, 245), 42, -30, rnd);
        drawHand(p, QPointF(440, 40), QPointF(262, 66), 36);
    } else if (scene == QLatin1String("desinfeccion")) {
        // The pruning shears dipped in a jar of disinfectant between cuts,
        // held by the handles.
        const QRectF jar(222, 178, 96, 100);
        p.setPen(QPen(QColor(150, 165, 175), 1.5));
        p.setBrush(QColor(230, 240, 245, 110));
        p.drawRect(jar);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 170, 215, 190));  // the disinfectant
        p.drawRect(jar.adjusted(2, 26, -2, -2));
        p.setBrush(QColor(250, 250, 250));
        p.drawRect(QRectF(jar.left() + 14, jar.top() + 52, 68, 26));  // its label
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.drawLine(QPointF(jar.left() + 22, jar.top() + 60), QPointF(jar.left() + 74, jar.top() + 60));
        p.setPen(QPen(QColor(120, 120, 125), 1));
        for (int k = 0; k < 2; ++k)
            p.drawLine(QPointF(jar.left() + 22, jar.top() + 66 + k * 5),
                       QPointF(jar.left() + 64, jar.top() + 66 + k * 5));
        drawShears(p, QPointF(268, 176), 84, 90);
        p.setPen(QPen(QColor(150, 165, 175), 1.5));
        p.setBrush(QColor(230, 240, 245, 60));
        p.drawEllipse(QPointF(jar.center().x(), jar.top()), jar.width() / 2, 7);  // the rim, over the blades
        drawHand(p, QPointF(440, 10), QPointF(262, 108), 36);
    } else if (scene == QLatin1String("acarreo")) {
        // The cankered cane cut out and carried off by hand, a tied bundle
        // of others already gathered at the edge of the plot.
        for (int i = 0; i < 14; ++i) {
            const qreal y = 262 + rnd.range(-10, 10);
            const int tone = int(rnd.range(110, 150));
            p.setPen(QPen(QColor(tone, tone * 7 / 10, tone * 4 / 10), rnd.range(3, 4.5), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(250 + rnd.range(-8, 8), y), QPointF(395 + rnd.range(-8, 8), y + rnd.range(-6, 6)));
        }
        p.setPen(QPen(QColor(210, 190, 120), 4));
        for (int k : {290, 350})
            p.drawLine(QPointF(k, 248), QPointF(k + 3, 276));
        drawHand(p, QPointF(450, 30), QPointF(352, 82), 38);
    } else if (scene == QLatin1String("hoyo")) {
        // A sampling pit dug in the soil: its cut walls, the earth heaped
        // beside it and the spade stuck in the heap.
        QPainterPath pit;
        pit.moveTo(95, 70);
        pit.lineTo(305, 70);
        pit.lineTo(285, 262);
        pit.lineTo(115, 262);
        pit.closeSubpath();
        p.setPen(QPen(QColor(55, 36, 22), 3));
        p.setBrush(QColor(40, 26, 16, 70));
        p.drawPath(pit);
        p.setPen(QPen(QColor(85, 58, 35), 1));
        p.setBrush(QColor(120, 85, 52));
        p.drawChord(QRectF(-10, 44, 110, 52), 0, 180 * 16);
        p.setBrush(QColor(140, 100, 62));
        for (int i = 0; i < 7; ++i)
            p.drawEllipse(QPointF(rnd.range(10, 85), rnd.range(52, 66)), rnd.range(3, 6), rnd.range(2.5, 4.5));
        p.setPen(QPen(QColor(60, 40, 22), 7, Qt::SolidLine, Qt::RoundCap));  // the spade
        p.drawLine(QPointF(48, 58), QPointF(62, 2));
        p.setPen(QPen(QColor(200, 160, 105), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(48, 58), QPointF(62, 2));
        p.setPen(QPen(QColor(60, 60, 65), 1));
        p.setBrush(QColor(150, 150, 160));
        p.drawPolygon(QPolygonF{QPointF(36, 54), QPointF(58, 58), QPointF(54, 80), QPointF(34, 76)});
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
    } else if (scene == QLatin1String("bandajoven")) {
        // A young vine tied to its stake, its thin trunk with a band of
        // corrugated cardboard round it a hand's width above the soil, its
        // first shoots above.
        const qreal surface = 250, cx = 196;
        ground(surface);
        p.setPen(QPen(QColor(150, 120, 80), 6, Qt::SolidLine, Qt::FlatCap));  // the stake
        p.drawLine(QPointF(cx + 20, surface + 6), QPointF(cx + 20, 40));
        p.setPen(QPen(QColor(100, 72, 48), 13, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(cx, surface + 4), QPointF(cx - 2, 92));
        p.setPen(QPen(QColor(140, 105, 72), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 2, surface), QPointF(cx - 4, 96));
        p.setPen(QPen(QColor(200, 190, 150), 2));  // the ties
        for (const qreal y : {120.0, 150.0})
            p.drawLine(QPointF(cx - 6, y), QPointF(cx + 23, y - 2));
        for (const QPointF &tip : {QPointF(100, 30), QPointF(190, 12), QPointF(300, 34)})
            drawShoot(p, QPointF(cx - 2, 94), tip, 4, true, rnd);
        const QRectF band(cx - 14, 182, 28, 30);
        p.setPen(QPen(QColor(90, 70, 40), 1));
        p.setBrush(QColor(215, 190, 130));
        p.drawRoundedRect(band, 3, 3);
        p.setPen(QPen(QColor(170, 140, 90), 1.2));
        for (qreal x = band.left() + 3; x < band.right() - 1; x += 4)
            p.drawLine(QPointF(x, band.top() + 1), QPointF(x, band.bottom() - 1));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 60));  // the light on the round of it
        p.drawRect(QRectF(band.left() + 3, band.top() + 1, 7, band.height() - 2));
    } else if (scene == QLatin1String("red") || scene == QLatin1String("malla")) {
        p.setPen(QPen(scene == QLatin1String("red") ? QColor(40, 40, 40, 170) : QColor(70, 140, 70, 200), 1));
        const QRectF r = scene == QLatin1String("red") ? QRectF(0, 0, 400, 300) : QRectF(150, 120, 100, 150);
        for (qreal x = r.left(); x < r.right() + r.height(); x += 10) {
            p.drawLine(QPointF(x, r.top()), QPointF(x - r.height(), r.bottom()));
            p.drawLine(QPointF(x - r.height(), r.top()), QPointF(x, r.bottom()));
        }
    } else if (scene == QLatin1String("protector")) {
        // A young vine in its wire-mesh tube: the tube stands round the thin
        // trunk up to half its height and goes down into the soil, seen in
        // section below the ground line, so that nothing can gnaw the bark
        // from above or below ground.
        const qreal surface = 212;
        ground(surface);
        const qreal left = 158, right = 242, top = 104, bottom = 282, rx = (right - left) / 2, ry = 10;
        const qreal cx = (left + right) / 2;
        const QColor metal(95, 100, 105), metalBack(120, 120, 115, 150);
        auto mesh = [&](bool front, const QColor &colour, qreal width) {
            // The diamond mesh on a cylinder: each wire winds round it,
            // seen on the near or the far half.
            p.setPen(QPen(colour, width));
            p.setBrush(Qt::NoBrush);
            for (int k = -12; k < 24; ++k) {
                for (const int turn : {-1, 1}) {
                    QPainterPath w;
                    bool started = false;
                    for (int m = 0; m <= 40; ++m) {
                        const qreal y = top + (bottom - top) * m / 40.0;
                        const qreal phase = k * 0.42 + turn * (y - top) / 34.0;
                        const qreal c = qCos(phase), sn = qSin(phase);
                        if ((sn > 0) != front) {
                            started = false;
                            continue;
                        }
                        const QPointF at(cx + rx * c, y + ry * sn);
                        started ? w.lineTo(at) : w.moveTo(at);
                        started = true;
                    }
                    p.drawPath(w);
                }
            }
        };
        mesh(false, metalBack, 1);
        // The young trunk, its roots in the soil, its first shoots above.
        p.setPen(QPen(QColor(100, 72, 48), 13, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx, 292), QPointF(cx - 2, 70));
        p.setPen(QPen(QColor(140, 105, 72), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 2, 288), QPointF(cx - 4, 74));
        for (const QPointF &tip : {QPointF(110, 10), QPointF(200, 4), QPointF(300, 16)})
            drawShoot(p, QPointF(cx - 2, 72), tip, 4.5, true, rnd);
        mesh(true, metal, 1.5);
        p.setPen(QPen(metal.darker(120), 2.2));  // the tube's rim and its two sides
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(cx, top), rx, ry);
        p.drawLine(QPointF(left, top), QPointF(left, bottom));
        p.drawLine(QPointF(right, top), QPointF(right, bottom));
        // Below the ground line the tube is buried: earth over it, the
        // mesh showing faintly through, the soil heaped at its foot.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 78, 48, 150));
        p.drawRect(QRectF(left - 2, surface + 4, right - left + 4, bottom - surface - 2));
        p.setBrush(QColor(115, 82, 52));
        QPainterPath mound(QPointF(left - 40, surface + 2));
        mound.quadTo(QPointF(cx, surface - 18), QPointF(right + 40, surface + 2));
        mound.closeSubpath();
        p.drawPath(mound);
        p.setPen(QPen(QColor(80, 60, 40), 1.5, Qt::DashLine));  // the ground line
        p.drawLine(QPointF(0, surface), QPointF(400, surface));
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
    } else if (scene == QLatin1String("suelta")) {
        // Natural enemies let out of their tube onto the leaves: the tube
        // tipped in the grower's hand, the carrier flakes with the mites in
        // them falling in a stream.
        p.save();
        p.translate(300, 70);
        p.rotate(-35);
        p.setPen(QPen(QColor(120, 120, 130), 1.2));
        p.setBrush(QColor(235, 240, 245, 230));
        p.drawRoundedRect(QRectF(-60, -16, 110, 32), 6, 6);
        p.setBrush(QColor(70, 140, 90));
        p.drawRect(QRectF(-20, -16, 40, 32));  // the label
        p.setBrush(QColor(215, 195, 150));
        p.drawRect(QRectF(-58, -14, 30, 28));  // the carrier inside
        p.restore();
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 160; ++i) {
            const qreal t = rnd.next();
            const QPointF at = QPointF(250, 105) + QPointF(-40 * t + rnd.range(-8, 8) * (0.4 + t), 80 * t);
            p.setBrush(i % 5 ? QColor(215, 195, 150, 230) : QColor(200, 120, 70));
            p.drawEllipse(at, 1.6, 1.3);
        }
        drawHand(p, QPointF(430, 30), QPointF(355, 40), 36);
    } else if (scene == QLatin1String("sacudida-brazo")) {
        // The grower's hand gripping an arm of the vine and shaking it: the
        // shake marked on both sides of the canopy, and the adults dropping
        // off it onto the sheet below.
        drawHand(p, QPointF(440, 120), QPointF(262, 166), 36);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(250, 250, 245, 230), 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 3; ++k) {
            p.drawArc(QRectF(18 - k * 9, 50 + k * 4, 40, 80 - k * 8), 110 * 16, 140 * 16);
            p.drawArc(QRectF(340 + k * 9, 50 + k * 4, 40, 80 - k * 8), -70 * 16, 140 * 16);
            p.drawArc(QRectF(282 + k * 8, 140, 22, 40), -60 * 16, 120 * 16);
        }
        const QString kind = catchOr("gorgojo");
        const QPointF falling[] = {QPointF(120, 168), QPointF(158, 182), QPointF(290, 176), QPointF(318, 160),
                                   QPointF(100, 150)};
        for (const QPointF &at : falling) {
            p.setPen(QPen(QColor(250, 250, 245, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at + QPointF(0, -10), at + QPointF(0, -22));
            p.drawLine(at + QPointF(-4, -9), at + QPointF(-4, -17));
            drawOrganism(p, kind, at, 14, rnd.range(0, 360), rnd);
        }
    } else if (scene == QLatin1String("poda")) {
        // Pruning it out: the grower's hand closes the shears on the cane
        // right at its base, the blades across the wood.
        const QPointF cut(85, 204);     // on the cane, near its base
        const QPointF u(0.766, 0.643);  // from the blades' tips towards the handles
        const QPointF pivot = cut + u * 26;
        p.save();
        p.translate(pivot);
        p.rotate(40);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(200, 202, 208));
        p.drawPolygon(QPolygonF{QPointF(4, -4), QPointF(-30, -16), QPointF(-50, -13), QPointF(-4, 2)});  // blade
        p.setBrush(QColor(150, 152, 158));
        p.drawPolygon(QPolygonF{QPointF(4, 4), QPointF(-26, 15), QPointF(-42, 11), QPointF(-4, -1)});  // anvil
        p.setBrush(QColor(90, 90, 95));
        p.drawEllipse(QPointF(0, 0), 4, 4);
        p.setBrush(QColor(190, 30, 30));
        p.drawRoundedRect(QRectF(6, -12, 84, 11), 5, 5);
        p.drawRoundedRect(QRectF(6, 3, 84, 11), 5, 5);
        p.restore();
        const QPointF grip = pivot + u * 56;
        const QPointF across(-0.643, 0.766);  // the arm comes up from below, across the handles
        drawHand(p, grip + across * 150, grip + across * 14, 40);
    } else if (scene == QLatin1String("cata")) {
        // Digging a small pit at the foot of the vine: the trowel driven into
        // the earth by the roots, the grower's hand on its handle, the dug
        // earth heaped on the surface beside it.
        p.setPen(QPen(QColor(70, 50, 32), 1));
        p.setBrush(QColor(125, 92, 60));
        QPainterPath heap(QPointF(262, 41));
        heap.cubicTo(QPointF(285, 8), QPointF(345, 6), QPointF(372, 41));
        heap.closeSubpath();
        p.drawPath(heap);
        for (int i = 0; i < 14; ++i) {  // clods
            p.setBrush(rnd.next() < 0.5 ? QColor(100, 72, 46) : QColor(145, 110, 75));
            p.drawEllipse(QPointF(rnd.range(275, 360), rnd.range(22, 40)), rnd.range(3, 6), rnd.range(2, 4));
        }
        const QPointF tip(250, 150), top(322, 62);
        const QLineF shaft(tip, top);
        p.save();
        p.translate(tip);
        p.rotate(-shaft.angle());
        p.setPen(QPen(QColor(50, 50, 55), 1.2));
        p.setBrush(QColor(175, 178, 185));
        QPainterPath blade(QPointF(0, 0));  // the pointed blade, in the earth
        blade.cubicTo(QPointF(10, -16), QPointF(30, -18), QPointF(50, -10));
        blade.lineTo(50, 10);
        blade.cubicTo(QPointF(30, 18), QPointF(10, 16), QPointF(0, 0));
        p.drawPath(blade);
        p.setPen(QPen(QColor(120, 122, 128), 1.2));
        p.drawLine(QPointF(6, 0), QPointF(48, 0));
        p.setPen(QPen(QColor(90, 90, 95), 5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(50, 0), QPointF(62, 0));
        p.setPen(QPen(QColor(60, 40, 20), 1));
        p.setBrush(QColor(165, 110, 55));
        p.drawRoundedRect(QRectF(62, -6, 48, 12), 5, 5);  // the wooden handle
        p.restore();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(75, 52, 32, 150));  // the disturbed earth round the blade
        for (int i = 0; i < 10; ++i)
            p.drawEllipse(shaft.pointAt(rnd.range(0.05, 0.5)) + QPointF(rnd.range(-12, 12), rnd.range(-8, 8)),
                          rnd.range(3, 6), rnd.range(2, 4));
        drawHand(p, QPointF(440, 75), top + QPointF(22, 2), 38);
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
    } else if (scene == QLatin1String("serrucho") || scene == QLatin1String("brazoroto")
               || scene == QLatin1String("pasta-brazo")) {
        // An arm sawn off at its base: the fresh cut on the trunk pale and
        // sound, the removed arm lying on the ground with its cut end towards
        // us, showing why it came off: the termites' galleries through the
        // wood (":termitas") or the soft, pale rot ringed by a dark line of a
        // dead arm (":yesca"). The grower's hand still holds the pruning saw.
        // Or ("brazoroto") the arm broken off by the weight of its bunches,
        // hanging to the ground, the break showing the wood hollowed by the
        // termites.
        // Or ("pasta-brazo") a large pruning cut on an arm, close up: the
        // fresh pale face of the wood being covered with wound paste from
        // the brush in the grower's hand, the tin of paste at the foot.
        const bool rot = catchKind == QLatin1String("yesca");
        const bool broken = scene == QLatin1String("brazoroto");
        const bool paste = scene == QLatin1String("pasta-brazo");
        ground(paste ? 268 : 250);
        const QColor barkLight(140, 110, 80), barkDark(85, 62, 42);
        auto limb = [&](QPointF a, QPointF b, qreal w) {  // a length of old wood, shaded across
            const QLineF axis(a, b);
            const QPointF n = QPointF(-axis.dy(), axis.dx()) / axis.length() * w;
            QLinearGradient g(a - n, a + n);
            g.setColorAt(0, barkDark);
            g.setColorAt(0.45, barkLight);
            g.setColorAt(1, barkDark.darker(115));
            p.setPen(QPen(QColor(60, 42, 28), 1.5));
            p.setBrush(g);
            p.drawPolygon(QPolygonF{a - n, b - n * 0.85, b + n * 0.85, a + n});
            p.setPen(QPen(QColor(60, 42, 28, 150), 1));
            for (int i = 0; i < 8; ++i) {  // the shredding bark's lengthwise strips
                const qreal t = rnd.range(0.05, 0.8), off = rnd.range(-0.7, 0.7);
                p.drawLine(axis.pointAt(t) + n * off, axis.pointAt(t + 0.15) + n * off * 0.9);
            }
        };
        if (paste) {
            limb(QPointF(150, 300), QPointF(150, 150), 30);  // the trunk and the arm that stays
            limb(QPointF(146, 162), QPointF(56, 40), 22);
            for (const QPointF &tip : {QPointF(0, 40), QPointF(40, -5), QPointF(110, 4)})
                drawShoot(p, QPointF(58, 44), tip, 5, true, rnd);
            // The other arm cut back to a short thick stump, its cut face
            // turned towards us.
            limb(QPointF(156, 165), QPointF(226, 104), 26);
            const QPointF face(230, 100);
            p.save();
            p.translate(face);
            p.rotate(-40);
            QPainterPath cut;
            cut.addEllipse(QPointF(0, 0), 17, 34);
            p.setPen(QPen(QColor(70, 48, 30), 3));  // the ring of bark round the cut
            p.setBrush(QColor(236, 214, 168));
            p.drawPath(cut);
            p.setPen(QPen(QColor(205, 178, 130), 1));
            p.setBrush(Qt::NoBrush);
            for (int k = 1; k <= 4; ++k)  // the growth rings of the fresh wood
                p.drawEllipse(QPointF(0, 0), 17 * k / 5.0, 34 * k / 5.0);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 90, 60));
            p.drawEllipse(QPointF(0, 0), 2, 3);
            // The paste spread over the upper half of the face and its rim,
            // thick and glossy, the brush strokes in it.
            p.setClipPath(cut.united([] {
                QPainterPath rim;
                rim.addEllipse(QPointF(0, 0), 21, 38);
                return rim;
            }()));
            QPainterPath spread(QPointF(-24, -40));
            spread.lineTo(QPointF(24, -40));
            spread.lineTo(QPointF(24, 4));
            for (int k = 0; k <= 8; ++k)
                spread.lineTo(QPointF(24 - k * 6, (k % 2 ? 10 : 2) - k * 1.5));
            spread.closeSubpath();
            p.setPen(QPen(QColor(35, 60, 40), 1.2));
            p.setBrush(QColor(62, 105, 72));
            p.drawPath(spread);
            p.setPen(QPen(QColor(120, 165, 125), 1.4, Qt::SolidLine, Qt::RoundCap));
            for (int k = 0; k < 5; ++k)
                p.drawLine(QPointF(-14 + k * 6, -30 + k * 2), QPointF(-10 + k * 6, -6 + k));
            p.restore();
            // The brush in the hand, its loaded bristles on the edge of the paste.
            const QPointF bristles(247, 100), grip(318, 62);
            p.setPen(QPen(QColor(150, 95, 45), 7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(grip + QPointF(20, -11), bristles + QPointF(18, -9));
            p.setPen(QPen(QColor(170, 170, 175), 1));
            p.setBrush(QColor(190, 190, 195));  // the metal ferrule
            p.save();
            p.translate(bristles + QPointF(14, -7));
            p.rotate(-28);
            p.drawRect(QRectF(-5, -7, 10, 14));
            p.setPen(QPen(QColor(35, 60, 40), 1));
            p.setBrush(QColor(62, 105, 72));
            QPainterPath tuft(QPointF(-5, -7));
            tuft.lineTo(QPointF(-22, -8));
            tuft.quadTo(QPointF(-26, 0), QPointF(-22, 8));
            tuft.lineTo(QPointF(-5, 7));
            tuft.closeSubpath();
            p.drawPath(tuft);
            p.restore();
            drawHand(p, QPointF(430, 10), grip, 38);
            // The open tin of paste on the ground.
            p.setPen(QPen(QColor(60, 60, 65), 1.2));
            p.setBrush(QColor(175, 180, 185));
            p.drawRect(QRectF(282, 236, 56, 40));
            p.setBrush(QColor(62, 105, 72));
            p.drawEllipse(QPointF(310, 236), 28, 7);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(225, 200, 70));  // its label
            p.drawRect(QRectF(290, 248, 40, 18));
            return;
        }
        // The trunk and the arm that stays, with its green shoots.
        limb(QPointF(150, 262), QPointF(150, 128), 24);
        limb(QPointF(146, 140), QPointF(70, 40), 17);
        for (const QPointF &tip : {QPointF(10, 30), QPointF(60, -5), QPointF(120, 8)})
            drawShoot(p, QPointF(72, 44), tip, 5, true, rnd);
        if (broken) {
            // The arm hanging from the splintered break, its far end on the
            // ground, still bearing its bunches.
            limb(QPointF(190, 118), QPointF(350, 246), 17);
            for (int i = 0; i < 3; ++i)
                drawBunch(p, QPointF(228 + i * 42, 160 + i * 34), 0.42, QStringLiteral("maduro"),
                          QStringLiteral("tinta"), quint32(70 + i));
            limb(QPointF(154, 140), QPointF(180, 110), 19);  // the torn stump left on the trunk
            // The ragged break seen end on: long pale splinters round a thin
            // shell of sound wood, and inside it the hollow the termites ate,
            // dark, with the walls of their galleries standing in it.
            const QPointF end(188, 104);
            p.save();
            p.translate(end);
            p.rotate(-40);
            p.setPen(QPen(QColor(110, 85, 55), 1));
            p.setBrush(QColor(228, 205, 160));
            for (int k = 0; k < 9; ++k) {  // the splinters torn out of the rim, pointing outwards along the arm
                const qreal t = (k + rnd.range(-0.3, 0.3)) * 2 * M_PI / 9, len = rnd.range(8, 24);
                const QPointF base(19 * qCos(t), 33 * qSin(t));
                const QPointF tip = base + QPointF(len, rnd.range(-0.3, 0.3) * len + qSin(t) * len * 0.3);
                p.drawPolygon(QPolygonF{base + QPointF(0, -4), tip, base + QPointF(0, 4)});
            }
            p.setPen(QPen(QColor(70, 48, 30), 2.5));
            p.setBrush(QColor(232, 210, 165));
            p.drawEllipse(QPointF(0, 0), 21, 36);
            QPainterPath hollow;
            hollow.addEllipse(QPointF(0, 0), 16, 30);
            p.setPen(QPen(QColor(120, 85, 50), 1.5));
            p.setBrush(QColor(30, 19, 10));
            p.drawPath(hollow);
            p.setClipPath(hollow);
            p.setPen(QPen(QColor(150, 115, 75), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            for (int k = 0; k < 5; ++k) {  // the thin walls left between the galleries
                QPainterPath wall(QPointF(rnd.range(-14, 14), -30));
                for (int m = 1; m <= 4; ++m)
                    wall.lineTo(QPointF(rnd.range(-14, 14), -30 + m * 15));
                p.drawPath(wall);
            }
            p.restore();
            for (int i = 0; i < 3; ++i)
                drawOrganism(p, QStringLiteral("termita"), end + QPointF((i - 1) * 6, -10 + i * 10), 13, 60 + i * 50,
                             rnd);
        } else {
            // The stump of the removed arm, cut back to clean wood.
            limb(QPointF(154, 140), QPointF(184, 112), 17);
            p.save();
            p.translate(184, 112);
            p.rotate(-45);
            p.setPen(QPen(QColor(70, 48, 30), 2.5));
            p.setBrush(QColor(232, 210, 165));
            p.drawEllipse(QPointF(0, 0), 7, 16);
            p.setPen(QPen(QColor(205, 178, 130), 0.8));
            p.setBrush(Qt::NoBrush);
            for (int k = 1; k <= 3; ++k)
                p.drawEllipse(QPointF(0, 0), 7 * k / 4.0, 16 * k / 4.0);
            p.restore();
            // The removed arm on the ground, its cut end facing us.
            limb(QPointF(236, 238), QPointF(392, 204), 20);
            if (rot)  // dry, bare spurs on the dead arm
                for (int i = 0; i < 3; ++i) {
                    const QPointF at(282 + i * 40, 226 - i * 9);
                    p.setPen(QPen(QColor(110, 85, 60), 3, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(at, at + QPointF(8, -26));
                }
            const QPointF face(236, 238);
            drawCrossSection(p, face, 24);
            QPainterPath disc;
            disc.addEllipse(face, 24 * 0.94, 24 * 0.86);
            p.save();
            p.setClipPath(disc);
            if (rot) {
                const QPainterPath soft = [&] {
                    QPainterPath b;
                    for (int k = 0; k <= 12; ++k) {
                        const qreal t = k * M_PI / 6, rr = 15 * rnd.range(0.85, 1.1);
                        const QPointF at = face + QPointF(rr * qCos(t), rr * qSin(t) * 0.9);
                        k ? b.lineTo(at) : b.moveTo(at);
                    }
                    b.closeSubpath();
                    return b;
                }();
                // A dark brown sector of hard dead wood from the rim inwards,
                // and in the middle the soft, spongy, yellowish rot ringed by
                // its black line.
                QPainterPath sector(face);
                sector.arcTo(QRectF(face - QPointF(26, 26), QSizeF(52, 52)), 200, 70);
                sector.closeSubpath();
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(120, 72, 38));
                p.drawPath(sector);
                p.setPen(QPen(QColor(30, 18, 12), 3));
                p.setBrush(QColor(238, 222, 160));
                p.drawPath(soft);
                p.save();
                p.setClipPath(soft);
                p.setPen(Qt::NoPen);
                for (int i = 0; i < 60; ++i) {  // the spongy texture: pits and fibres
                    const QPointF at = face + QPointF(rnd.range(-14, 14), rnd.range(-13, 13));
                    p.setBrush(i % 3 ? QColor(205, 180, 120) : QColor(150, 120, 75));
                    p.drawEllipse(at, rnd.range(0.8, 1.8), rnd.range(0.8, 1.6));
                }
                p.restore();
            } else {
                p.setPen(QPen(QColor(55, 35, 20), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(Qt::NoBrush);
                for (int i = 0; i < 5; ++i) {  // the galleries eaten through the wood
                    QPointF at = face + QPointF(rnd.range(-12, 12), rnd.range(-12, 12));
                    QPainterPath g(at);
                    for (int k = 0; k < 3; ++k)
                        g.lineTo(at += QPointF(rnd.range(-6, 6), rnd.range(-6, 6)));
                    p.drawPath(g);
                }
                for (int i = 0; i < 3; ++i)  // and the pale workers in them
                    drawOrganism(p, QStringLiteral("termita"), face + QPointF(rnd.range(-10, 10), rnd.range(-10, 10)),
                                 9, rnd.range(0, 360), rnd);
            }
            p.restore();
            // The pruning saw: a curved toothed blade and its handle, in the hand.
            p.save();
            p.translate(212, 84);
            p.rotate(-18);
            QPainterPath blade(QPointF(0, 0));
            blade.quadTo(QPointF(60, -10), QPointF(120, 0));
            blade.lineTo(QPointF(120, 12));
            blade.quadTo(QPointF(60, 4), QPointF(0, 10));
            blade.closeSubpath();
            p.setPen(QPen(QColor(90, 95, 100), 1));
            p.setBrush(QColor(200, 205, 210));
            p.drawPath(blade);
            p.setPen(QPen(QColor(110, 115, 120), 0.8));
            for (int k = 0; k < 20; ++k) {  // the teeth along its lower edge
                const qreal x = 4 + k * 5.6;
                const qreal y = 10 - 6 * (x / 120) * (1 - x / 120) * 4 * 0.5 + 1;
                p.drawLine(QPointF(x, y), QPointF(x + 2.5, y + 3));
            }
            p.setPen(QPen(QColor(30, 30, 30), 1));
            p.setBrush(QColor(200, 60, 30));
            p.drawRoundedRect(QRectF(118, -4, 52, 20), 8, 8);
            p.restore();
            drawHand(p, QPointF(440, 10), QPointF(384, 40), 36);
        }
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
        // Pruned canes gathered in tied bundles on the ground; ":cancros",
        // canes cut out for their cankers, the sunken dark spots with pale
        // centres and raised rims along them, and one cane of the lot in
        // front, close, to show them.
        ground(200);
        const bool cankers = catchKind == QLatin1String("cancros");
        auto canker = [&](QPointF at, qreal angle, qreal len, qreal w) {
            p.save();
            p.translate(at);
            p.rotate(angle);
            p.setPen(QPen(QColor(35, 22, 14), std::max<qreal>(0.8, w * 0.18)));
            p.setBrush(QColor(55, 35, 22));
            p.drawEllipse(QPointF(0, 0), len / 2, w / 2);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(185, 172, 150));
            p.drawEllipse(QPointF(0, 0), len * 0.3, w * 0.22);
            p.restore();
        };
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
                const QLineF cane(QPointF(-rnd.range(80, 100), y * 1.6), QPointF(rnd.range(80, 100), y * 1.3));
                p.drawLine(cane);
                if (cankers && i > 12)  // on the canes on top of the bundle
                    for (int k = 0; k < 2; ++k)
                        canker(cane.pointAt(rnd.range(0.15, 0.85)), -cane.angle(), rnd.range(8, 11), 5.5);
            }
            p.setPen(QPen(QColor(210, 190, 120), 4));
            for (int k : {-40, 40})
                p.drawLine(QPointF(k, -24), QPointF(k + 3, 24));
            p.restore();
        }
        if (cankers) {
            const QLineF front(QPointF(10, 286), QPointF(392, 264));
            drawCane(p, front.p1(), front.p2(), 13, true);
            for (int k = 0; k < 6; ++k)
                canker(front.pointAt(0.1 + k * 0.15 + rnd.range(-0.03, 0.03)) + QPointF(0, rnd.range(-2, 2)),
                       -front.angle(), rnd.range(17, 24), 10);
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
            // With a catch named, its nymph shows in each mass, the head
            // and front legs out of the froth and the rest of it under the
            // bubbles; one mass is seen again under the lens.
            const bool nymphs = !catchKind.isEmpty();
            auto bubbles = [&](QPointF c, qreal w, qreal h, int n, qreal rmin, qreal rmax) {
                p.setPen(QPen(QColor(205, 205, 195), 0.6));
                for (int i = 0; i < n; ++i) {
                    const qreal r = rnd.range(rmin, rmax);
                    p.setBrush(QColor(250, 250, 245, 230));
                    p.drawEllipse(c + QPointF(rnd.range(-w, w), rnd.range(-h, h)), r, r);
                }
            };
            QPointF lensOn;
            for (int k = 0; k < 4; ++k) {
                const QPointF c(60 + k * 90 + rnd.range(-15, 15), rnd.range(170, 230));
                bubbles(c, 18, 12, 60, 2, 5);
                if (nymphs) {
                    const qreal heading = k % 2 ? -20 : 200;
                    drawOrganism(p, catchKind, c + QPointF(k % 2 ? 4 : -4, 2), 24, heading, rnd);
                    bubbles(c + QPointF(k % 2 ? -8 : 8, 3), 8, 6, 14, 2, 4);  // the froth over its tail end
                }
                if (k == 1)
                    lensOn = c;
            }
            if (nymphs) {
                const QPointF centre(300, 72);
                const qreal radius = 62;
                p.setPen(QPen(QColor(250, 250, 245, 200), 1.5, Qt::DashLine));
                p.drawLine(lensOn, centre + (lensOn - centre) / QLineF(lensOn, centre).length() * radius);
                QPainterPath glass;
                glass.addEllipse(centre, radius, radius);
                p.save();
                p.setClipPath(glass);
                p.fillPath(glass, QColor(120, 165, 80));
                p.setPen(QPen(QColor(80, 130, 50), 5, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(centre + QPointF(-70, 60), centre + QPointF(40, -70));  // the blade of grass it sits on
                bubbles(centre + QPointF(0, 8), 52, 40, 120, 5, 11);
                drawOrganism(p, catchKind, centre + QPointF(-2, -2), 80, -30, rnd);
                bubbles(centre + QPointF(-30, 22), 22, 14, 26, 5, 10);
                p.restore();
                p.setPen(QPen(QColor(45, 45, 50), 5));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(centre, radius, radius);
            }
        }
        if (!catchKind.isEmpty() && !froth)
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
        drawHand(p, QPointF(30, 350), QPointF(60, 276), 32);  // the grower holding it
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
    } else if (scene == QLatin1String("deschuponado")) {
        // Suckers pulled off the foot of the trunk by hand: one in the
        // grower's fist, torn away at its base, the others lying on the
        // ground, and the pale scars they left on the bark.
        p.setPen(QPen(QColor(120, 95, 60), 1));
        p.setBrush(QColor(225, 205, 160));
        for (const QPointF &scar : {QPointF(178, 238), QPointF(214, 226), QPointF(190, 252)})
            p.drawEllipse(scar, 5, 4);
        for (int i = 0; i < 2; ++i) {  // the ones already pulled, wilting on the ground
            const QPointF base(40 + i * 60, 276 - i * 6);
            drawShoot(p, base, base + QPointF(90, -10 + i * 8), 4, true, rnd);
            p.setPen(QPen(QColor(225, 205, 160), 3, Qt::SolidLine, Qt::RoundCap));
            p.drawPoint(base);
        }
        // The one being pulled, still springing from the foot of the trunk,
        // the fist closed round it low down.
        const QPointF foot(222, 252);
        drawShoot(p, foot, QPointF(350, 100), 8, true, rnd);
        const QPointF grip(250, 222);
        const QLineF arm(QPointF(450, 340), grip);
        drawHand(p, arm.p1(), arm.pointAt(1 - 48 * 0.6 / arm.length()), 48);
    } else if (scene.startsWith(QLatin1String("carton"))) {
        // A refuge of corrugated cardboard wrapped round the trunk and tied
        // with twine: the open flutes along its edges, the ribs showing
        // through the brown paper; the adults that hid under it overnight
        // are found at its lower edge in the morning.
        const QRectF band(146, 150, 108, 64);
        QLinearGradient kraft(band.left(), 0, band.right(), 0);
        kraft.setColorAt(0, QColor(150, 105, 60));
        kraft.setColorAt(0.4, QColor(205, 160, 100));
        kraft.setColorAt(1, QColor(135, 95, 55));
        QPainterPath wrap;  // curved round the trunk
        wrap.moveTo(band.topLeft());
        wrap.quadTo(QPointF(band.center().x(), band.top() + 12), band.topRight());
        wrap.lineTo(band.bottomRight());
        wrap.quadTo(QPointF(band.center().x(), band.bottom() + 12), band.bottomLeft());
        wrap.closeSubpath();
        p.setPen(QPen(QColor(95, 65, 35), 1.4));
        p.setBrush(kraft);
        p.drawPath(wrap);
        p.save();
        p.setClipPath(wrap);
        for (int i = 0; i < 22; ++i) {  // the ribs of the fluting under the paper
            const qreal x = band.left() + 2 + i * 5;
            p.setPen(QPen(QColor(120, 80, 40, 110), 1.6));
            p.drawLine(QPointF(x, band.top()), QPointF(x, band.bottom() + 14));
            p.setPen(QPen(QColor(235, 200, 150, 90), 1));
            p.drawLine(QPointF(x + 2, band.top()), QPointF(x + 2, band.bottom() + 14));
        }
        p.restore();
        for (const bool top : {true, false}) {  // the open flutes along both edges
            const qreal y0 = top ? band.top() : band.bottom();
            for (int i = 0; i < 21; ++i) {
                const qreal x = band.left() + 3 + i * 5.1;
                const qreal t = (x - band.left()) / band.width();
                const qreal y = y0 + 24 * t * (1 - t);
                p.setPen(QPen(QColor(90, 60, 30), 0.9));
                p.setBrush(QColor(60, 38, 20));
                p.drawChord(QRectF(x - 2.5, y - 3, 5, 6), 0, 180 * 16);
            }
            p.setPen(QPen(QColor(230, 195, 140), 1.4));
            p.setBrush(Qt::NoBrush);
            QPainterPath liner(QPointF(band.left(), y0));
            liner.quadTo(QPointF(band.center().x(), y0 + 12), QPointF(band.right(), y0));
            p.drawPath(liner);
        }
        for (const qreal y : {band.top() + 16, band.bottom() - 14}) {  // the twine, knotted
            QPainterPath twine(QPointF(band.left() - 2, y));
            twine.quadTo(QPointF(band.center().x(), y + 13), QPointF(band.right() + 2, y));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(235, 225, 195), 2.6));
            p.drawPath(twine);
            p.setPen(QPen(QColor(150, 135, 100), 0.8, Qt::DotLine));
            p.drawPath(twine);
            const QPointF knot(band.center().x() + 20, y + 6);
            p.setPen(QPen(QColor(235, 225, 195), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(QColor(235, 225, 195));
            p.drawEllipse(knot, 3, 2.5);
            p.drawLine(knot, knot + QPointF(6, 16));
            p.drawLine(knot, knot + QPointF(12, 12));
        }
        const QString hidden = catchKind.isEmpty() ? QStringLiteral("gorgojo") : catchKind;
        drawOrganism(p, hidden, QPointF(182, 232), 36, 100, rnd);
        drawOrganism(p, hidden, QPointF(226, 228), 32, 70, rnd);
    } else if (scene == QLatin1String("aclareo")) {
        // Thinning the bunches: under the cordon the bunches left hang loose
        // and apart; one more is cut at its stalk with the shears and those
        // already taken off lie on the ground.
        ground(262);
        for (int i = 0; i < 12; ++i)  // the canopy above the cordon
            drawLeaf(p, QPointF(rnd.range(20, 380), rnd.range(10, 56)), rnd.range(24, 34), rnd.range(-40, 40), false,
                     leafGreen(false));
        p.setPen(QPen(QColor(105, 75, 45), 12, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-10, 80), QPointF(410, 74));
        for (const qreal x : {70.0, 330.0}) {  // the bunches kept: loose, the berries apart
            const QList<Berry> all = drawBunch(p, QPointF(x, 80), 0.85, QStringLiteral("envero"),
                                               QStringLiteral("tinta"), quint32(x), false);
            p.setPen(QPen(QColor(110, 150, 60), 1.5));
            for (int i = 0; i < all.size(); i += 2) {
                p.drawLine(QPointF(x, all[i].c.y() - 6), all[i].c);
                drawBerry(p, all[i], i % 4 ? QColor(62, 30, 78) : QColor(140, 70, 95));
            }
        }
        // The one being cut: a crowded bunch, the shears closing on its stalk.
        drawBunch(p, QPointF(200, 80), 0.85, QStringLiteral("envero"), QStringLiteral("tinta"), 23);
        drawShears(p, QPointF(226, 92), 188, 62);
        drawHand(p, QPointF(440, 150), QPointF(300, 104), 40);
        for (int i = 0; i < 3; ++i) {  // the bunches cut off, on the ground
            p.save();
            p.translate(70 + i * 120, 268 + (i % 2) * 8);
            p.rotate(i % 2 ? -72 : 78);
            drawBunch(p, QPointF(0, -40), 0.55, QStringLiteral("envero"), QStringLiteral("tinta"), quint32(40 + i));
            p.restore();
        }
    } else if (scene == QLatin1String("zanjarodal")) {
        // A patch of dying vines cut off from the sound ones by a trench dug
        // all round it: the dark trench in a ring, the earth heaped along
        // its outer side, the spade stuck in it; the dead vines inside, the
        // green ones outside.
        drawSoil(p, QRectF(0, 120, 400, 180), 120);
        auto vine = [&](QPointF foot, qreal k, bool dead) {
            p.setPen(QPen(QColor(95, 70, 45), 7 * k, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(foot, foot + QPointF(0, -55 * k));
            p.setPen(QPen(QColor(95, 70, 45), 4 * k, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(foot + QPointF(0, -55 * k), foot + QPointF(-22 * k, -66 * k));
            p.drawLine(foot + QPointF(0, -55 * k), foot + QPointF(22 * k, -66 * k));
            for (int i = 0; i < (dead ? 4 : 9); ++i)
                drawLeaf(p, foot + QPointF(rnd.range(-34, 34) * k, rnd.range(-100, -64) * k), rnd.range(9, 13) * k,
                         rnd.range(-40, 40) + (dead ? 150 : 0), false,
                         dead ? QColor(int(rnd.range(120, 160)), 95, 55) : leafGreen(false));
        };
        for (const qreal x : {40.0, 120.0, 280.0, 360.0})  // the back row, outside the ring
            vine(QPointF(x, 150), 0.6, false);
        const QPointF c(200, 205);
        p.setPen(QPen(QColor(40, 28, 18), 1.5));
        p.setBrush(QColor(48, 33, 21));  // the trench
        p.drawEllipse(c, 176, 62);
        p.setBrush(QColor(125, 92, 60));  // the ground inside it, isolated
        p.drawEllipse(c + QPointF(0, -4), 150, 46);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 112, 75));  // the lit far wall of the trench
        p.drawChord(QRectF(c.x() - 150, c.y() + 4 - 46 - 6, 300, 104), 0, 180 * 16);
        p.setBrush(QColor(125, 92, 60));
        p.drawEllipse(c + QPointF(0, -4), 148, 44);
        p.setPen(QPen(QColor(100, 72, 45), 1));
        for (int i = 0; i < 46; ++i) {  // the heaped earth along its outer edge
            const qreal a = i * 2 * M_PI / 46;
            const QPointF at = c + QPointF(qCos(a) * 186, qSin(a) * 70);
            p.setBrush(QColor(int(rnd.range(150, 175)), int(rnd.range(112, 128)), 78));
            p.drawEllipse(at, rnd.range(9, 14), rnd.range(5, 8));
        }
        for (const QPointF &foot :
             {QPointF(130, 200), QPointF(200, 190), QPointF(270, 200), QPointF(165, 232), QPointF(240, 232)})
            vine(foot, 0.75, true);
        p.setPen(QPen(QColor(120, 85, 50), 5, Qt::SolidLine, Qt::RoundCap));  // the spade in the heaped earth
        p.drawLine(QPointF(352, 170), QPointF(368, 250));
        p.setPen(QPen(QColor(40, 40, 45), 1));
        p.setBrush(QColor(150, 150, 158));
        p.drawRect(QRectF(358, 246, 20, 26));
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
    } else if (scene == QLatin1String("anochecer")) {
        // Dusk: the light failing, the sky low and warm, the first pale moon.
        QLinearGradient dusk(0, 0, 0, 300);
        dusk.setColorAt(0, QColor(70, 55, 105, 130));
        dusk.setColorAt(0.5, QColor(190, 110, 90, 70));
        dusk.setColorAt(1, QColor(40, 30, 50, 110));
        p.fillRect(QRectF(0, 0, 400, 300), dusk);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 240, 215, 200));
        p.drawEllipse(QPointF(345, 40), 13, 13);
    } else if (scene == QLatin1String("protectores")) {
        // A new planting: each young vine, a thin stem with its first
        // leaves, stands inside a tube of wire mesh held up by a stake.
        ground(232);
        auto guarded = [&](QPointF foot, qreal k) {
            const QRectF tube(foot.x() - 34 * k, foot.y() - 130 * k, 68 * k, 130 * k);
            p.setPen(QPen(QColor(120, 90, 55), 4 * k, Qt::SolidLine, Qt::RoundCap));  // the stake
            p.drawLine(foot + QPointF(30 * k, 6 * k), foot + QPointF(30 * k, -150 * k));
            p.setPen(QPen(QColor(95, 140, 60), 4 * k, Qt::SolidLine, Qt::RoundCap));  // the young stem
            p.drawLine(foot, foot + QPointF(4 * k, -150 * k));
            for (int i = 0; i < 4; ++i)
                drawLeaf(p, foot + QPointF((i % 2 ? 24 : -22) * k, (-120 - i * 18) * k), (16 - i) * k, i % 2 ? 25 : -25,
                         false, leafGreen(false));
            QPainterPath body;
            body.addRect(tube);
            p.save();
            p.setClipPath(body);
            p.fillPath(body, QColor(200, 210, 200, 50));
            p.setPen(QPen(QColor(60, 70, 65, 200), 0.9));
            for (qreal x = tube.left() - tube.height(); x < tube.right(); x += 7 * k) {
                p.drawLine(QPointF(x, tube.bottom()), QPointF(x + tube.height(), tube.top()));
                p.drawLine(QPointF(x, tube.top()), QPointF(x + tube.height(), tube.bottom()));
            }
            p.restore();
            p.setPen(QPen(QColor(70, 80, 75), 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(tube.center().x(), tube.top()), tube.width() / 2, 6 * k);  // its open top
            p.drawLine(tube.topLeft(), tube.bottomLeft());
            p.drawLine(tube.topRight(), tube.bottomRight());
        };
        guarded(QPointF(70, 236), 0.6);
        guarded(QPointF(330, 236), 0.6);
        guarded(QPointF(200, 272), 1.0);
    } else if (scene == QLatin1String("vallado")) {
        // The rabbit fence round the vineyard seen in section: posts and
        // wire mesh above ground, the mesh carried on down into the soil
        // so they cannot dig under it; the rabbits outside, the vines within.
        drawSoil(p, QRectF(0, 190, 400, 110), 190);
        for (int i = 0; i < 3; ++i) {  // the vines inside
            const qreal x = 270 + i * 50;
            drawTrunk(p, QRectF(x - 11, 140, 22, 52));
            for (int k = 0; k < 3; ++k)
                drawLeaf(p, QPointF(x + rnd.range(-20, 20), rnd.range(110, 140)), rnd.range(12, 16), rnd.range(-30, 30),
                         false, leafGreen(false));
        }
        const QRectF mesh(150, 95, 40, 175);
        p.setPen(QPen(QColor(110, 80, 50), 7));  // the post
        p.drawLine(QPointF(170, 80), QPointF(170, 250));
        p.save();
        p.setClipRect(mesh);
        p.setPen(QPen(QColor(70, 75, 75, 230), 1));
        for (qreal y = mesh.top() - 40; y < mesh.bottom(); y += 8) {
            p.drawLine(QPointF(mesh.left(), y), QPointF(mesh.right(), y + 20));
            p.drawLine(QPointF(mesh.left(), y + 20), QPointF(mesh.right(), y));
        }
        p.restore();
        p.setPen(QPen(QColor(250, 240, 200), 1.2, Qt::DashLine));  // where the soil covers it
        p.drawLine(QPointF(140, 192), QPointF(200, 192));
        p.setPen(QPen(QColor(60, 45, 30), 1));
        p.setBrush(QColor(70, 50, 32));
        p.drawEllipse(QPointF(122, 205), 22, 8);  // a scrape the rabbits began against it
        drawOrganism(p, QStringLiteral("conejo"), QPointF(95, 172), 70, 0, rnd);
        drawOrganism(p, QStringLiteral("conejo"), QPointF(30, 180), 55, 0, rnd);
    } else if (scene == QLatin1String("madriguera")) {
        // A rabbits' warren dug into the bank at the edge of the vineyard:
        // the dark mouth of a burrow in the slope, the earth thrown out in
        // front of it, little heaps of round droppings, a rabbit by it and
        // the first row of vines on the flat beyond.
        drawSoil(p, QRectF(0, 228, 400, 72), 228);
        for (int i = 0; i < 3; ++i) {  // the first row
            const qreal x = 265 + i * 55;
            drawTrunk(p, QRectF(x - 14, 170, 28, 60));
            for (int k = 0; k < 4; ++k)
                drawLeaf(p, QPointF(x + rnd.range(-26, 26), rnd.range(130, 170)), rnd.range(14, 19), rnd.range(-30, 30),
                         false, leafGreen(false));
        }
        QPainterPath bank(QPointF(0, 95));  // the bank rising on the left
        bank.cubicTo(QPointF(120, 92), QPointF(170, 150), QPointF(250, 232));
        bank.lineTo(QPointF(250, 300));
        bank.lineTo(QPointF(0, 300));
        bank.closeSubpath();
        QLinearGradient earth(0, 95, 0, 300);
        earth.setColorAt(0, QColor(150, 112, 72));
        earth.setColorAt(1, QColor(110, 78, 48));
        p.setPen(QPen(QColor(95, 68, 42), 1));
        p.setBrush(earth);
        p.drawPath(bank);
        p.setPen(QPen(QColor(110, 140, 60), 1.3));
        for (int i = 0; i < 40; ++i) {  // grass along the top of the bank
            const QPointF at = bank.pointAtPercent(rnd.range(0.0, 0.18));
            p.drawLine(at, at + QPointF(rnd.range(-4, 4), -rnd.range(5, 12)));
        }
        const QPointF hole(118, 168);
        QPainterPath spoil;  // the earth thrown out, fanned down the slope
        spoil.moveTo(hole + QPointF(-30, 12));
        spoil.cubicTo(hole + QPointF(-40, 60), hole + QPointF(50, 70), hole + QPointF(34, 12));
        spoil.closeSubpath();
        p.setPen(QPen(QColor(120, 88, 55), 1));
        p.setBrush(QColor(175, 135, 92));
        p.drawPath(spoil);
        QRadialGradient dark(hole, 30);
        dark.setColorAt(0, QColor(15, 10, 6));
        dark.setColorAt(0.8, QColor(40, 27, 16));
        dark.setColorAt(1, QColor(80, 56, 35));
        p.setPen(QPen(QColor(70, 48, 30), 1.2));
        p.setBrush(dark);
        p.drawChord(QRectF(hole.x() - 30, hole.y() - 24, 60, 48), 0, 180 * 16);
        p.drawRect(QRectF(hole.x() - 30, hole.y() - 0.5, 60, 12));
        p.setPen(QPen(QColor(45, 30, 18), 0.6));
        for (int i = 0; i < 40; ++i) {  // the droppings, round, in little heaps
            const QPointF heap = i < 20 ? QPointF(190, 222) : QPointF(60, 245);
            p.setBrush(rnd.next() < 0.5 ? QColor(70, 52, 32) : QColor(95, 72, 45));
            p.drawEllipse(heap + QPointF(rnd.range(-14, 14), rnd.range(-5, 5)), 3, 3);
        }
        drawOrganism(p, QStringLiteral("conejo"), QPointF(195, 190), 78, 0, rnd);
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
    } else if (scene == QLatin1String("bocas")) {
        // Going along the row after filling the holes in: a burrow mouth
        // opened again by the voles at the foot of the vine, the fresh earth
        // they pushed out fanned before it; the grower marks it with a flag,
        // like the one already standing at the next hole.
        ground(150);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 64, 40, 160));  // its shadow on the ground
        p.drawEllipse(QPointF(122, 176), 62, 10);
        drawTrunk(p, QRectF(10, -200, 220, 372));  // the foot of the vine, going up out of the picture
        {
            // The old foot swelling out where it goes into the ground, the
            // tops of its main roots showing in the earth either side.
            QPainterPath flare(QPointF(99, 128));
            flare.cubicTo(QPointF(100, 150), QPointF(88, 166), QPointF(66, 178));
            flare.lineTo(QPointF(176, 178));
            flare.cubicTo(QPointF(154, 166), QPointF(142, 150), QPointF(141, 128));
            flare.closeSubpath();
            QLinearGradient bark(70, 0, 172, 0);
            bark.setColorAt(0, QColor(95, 70, 48));
            bark.setColorAt(0.45, QColor(140, 110, 80));
            bark.setColorAt(1, QColor(75, 54, 36));
            p.setPen(Qt::NoPen);
            p.setBrush(bark);
            p.drawPath(flare);
            p.setPen(QPen(QColor(60, 42, 28), 1.5));  // its outline on either side, none across the trunk
            p.setBrush(Qt::NoBrush);
            QPainterPath sides(QPointF(99, 128));
            sides.cubicTo(QPointF(100, 150), QPointF(88, 166), QPointF(66, 178));
            sides.moveTo(QPointF(141, 128));
            sides.cubicTo(QPointF(142, 150), QPointF(154, 166), QPointF(176, 178));
            p.drawPath(sides);
            p.setPen(QPen(QColor(60, 42, 28, 170), 1.2));
            for (const qreal x : {104.0, 113.0, 126.0, 136.0})  // the bark's cracks running down into the flare
                p.drawLine(QPointF(x + 1, 132), QPointF(x + (x - 120) * 0.6, 174));
            p.setPen(QPen(QColor(90, 66, 44), 7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(70, 178), QPointF(38, 186));  // roots breaking the surface
            p.drawLine(QPointF(172, 178), QPointF(206, 188));
        }
        auto mouth = [&](QPointF c, qreal r) {
            QPainterPath fan;  // loose, fresh earth spilling out in front of it
            fan.moveTo(c + QPointF(-r * 1.5, -r * 0.1));
            fan.cubicTo(c + QPointF(-r * 2.6, r * 1.9), c + QPointF(r * 2.6, r * 2.0), c + QPointF(r * 1.6, -r * 0.1));
            fan.cubicTo(c + QPointF(r * 0.8, -r * 0.9), c + QPointF(-r * 0.8, -r * 0.9),
                        c + QPointF(-r * 1.5, -r * 0.1));
            p.setPen(QPen(QColor(110, 80, 50), 1));
            p.setBrush(QColor(168, 128, 86));
            p.drawPath(fan);
            p.setPen(QPen(QColor(120, 88, 55), 0.6));
            for (int i = 0; i < int(r * 3); ++i) {  // crumbs and clods of it
                const qreal t = rnd.range(-2.9, -0.25), d = rnd.range(r * 0.8, r * 2.0);
                p.setBrush(QColor(int(rnd.range(150, 190)), int(rnd.range(112, 140)), int(rnd.range(72, 95))));
                p.drawEllipse(c + QPointF(qCos(t) * d, -qSin(t) * d * 0.75), rnd.range(1.2, 3.2), rnd.range(1, 2.4));
            }
            QRadialGradient dark(c, r);  // the open hole going down into the dark
            dark.setColorAt(0, QColor(8, 5, 3));
            dark.setColorAt(0.7, QColor(30, 20, 12));
            dark.setColorAt(1, QColor(70, 48, 30));
            p.setPen(QPen(QColor(60, 40, 25), 1));
            p.setBrush(dark);
            p.drawEllipse(c, r, r * 0.62);
        };
        auto flag = [&](QPointF foot, qreal h) {
            p.setPen(QPen(QColor(230, 225, 215), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(foot, foot + QPointF(2, -h));
            p.setPen(QPen(QColor(150, 40, 20), 0.8));
            p.setBrush(QColor(240, 90, 30));
            p.drawPolygon(QPolygonF{foot + QPointF(2, -h), foot + QPointF(2 + h * 0.42, -h * 0.86),
                                    foot + QPointF(2, -h * 0.72)});
        };
        mouth(QPointF(340, 168), 9);  // further along the row
        flag(QPointF(356, 170), 34);
        mouth(QPointF(215, 232), 24);  // the reopened hole right by the foot
        // The grower's hand pushing the marking flag in beside it.
        const QPointF foot(268, 236);
        p.setPen(QPen(QColor(230, 225, 215), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(foot, foot + QPointF(4, -92));
        p.setPen(QPen(QColor(150, 40, 20), 1));
        p.setBrush(QColor(240, 90, 30));
        p.drawPolygon(QPolygonF{foot + QPointF(4, -92), foot + QPointF(46, -80), foot + QPointF(4, -66)});
        drawHand(p, QPointF(450, 330), foot + QPointF(30, -36), 34);  // the arm coming down from the right
    } else if (scene == QLatin1String("bandera")) {
        // A flag shoot cut out in spring: among the healthy shoots on the
        // arm, the one grown from an infected bud is short, its small leaves
        // cupped and white with mildew; the grower cuts it off at its base.
        p.setPen(QPen(QColor(95, 68, 45), 20, Qt::SolidLine, Qt::RoundCap));  // the arm of the vine
        p.drawLine(QPointF(-20, 236), QPointF(420, 222));
        p.setPen(QPen(QColor(130, 98, 68), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-20, 230), QPointF(420, 216));
        drawShoot(p, QPointF(60, 228), QPointF(20, 30), 9, true, rnd);  // healthy shoots either side
        drawShoot(p, QPointF(330, 222), QPointF(380, 20), 9, true, rnd);
        // The flag shoot: short, its internodes crowded, greyish and floured.
        const QPointF base(190, 226), top(176, 104);
        const QLineF axis(base, top);
        p.setPen(QPen(QColor(140, 160, 100), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(axis);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 60; ++i) {
            p.setBrush(QColor(250, 250, 248, 200));
            p.drawEllipse(axis.pointAt(rnd.next()) + QPointF(rnd.range(-3, 3), rnd.range(-2, 2)), 1, 1);
        }
        for (int i = 0; i < 5; ++i) {
            const QPointF node = axis.pointAt(0.22 + i * 0.17);
            const qreal side = i % 2 ? 1 : -1, r = 26 - i * 2.5;
            p.setPen(QPen(QColor(140, 160, 100), 2));
            p.drawLine(node, node + QPointF(side * r * 0.9, -r * 0.35));
            flaggedLeaf(p, node + QPointF(side * r * 1.1, -r * 0.45), r, side * 30 + 10, rnd);
        }
        flaggedLeaf(p, top + QPointF(0, -8), 13, 0, rnd);
        // The shears closing on it just above the arm.
        drawShears(p, base + QPointF(-30, -10), -4, 110);
        drawHand(p, QPointF(-40, 330), QPointF(66, 236), 36);
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
        if (!dung)  // the harrow turning them in
            discHarrow(QPointF(296, 232), 1);
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
