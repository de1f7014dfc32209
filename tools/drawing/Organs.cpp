// The organs of the vine as a grower sees them in the field.

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

#include "drawing/Drawing.h"
#include "widgets/LeafShape.h"

namespace drawing {

namespace {
// Main vein directions (degrees, 90 = down) and their share of the radius,
// the same lobes as the leaf outline.
const qreal kVeinAngle[] = {-90, -140, -40, 165, 15};
const qreal kVeinLength[] = {0.92, 0.82, 0.82, 0.62, 0.62};
}  // namespace

QColor leafGreen(bool underside) { return underside ? QColor(160, 188, 128) : QColor(68, 132, 48); }

QPainterPath leafOutline(const LeafGeom &g)
{
    QTransform t;
    t.translate(g.centre.x(), g.centre.y());
    t.rotate(g.angle);
    return t.map(vineLeafPath(g.r));
}

LeafGeom drawLeaf(QPainter &p, QPointF centre, qreal r, qreal angle, bool underside, const QColor &fill)
{
    LeafGeom g{centre, r, angle, underside};
    p.save();
    p.translate(centre);
    p.rotate(angle);
    // Petiole.
    p.setPen(QPen(fill.darker(underside ? 130 : 150), r * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, r * 0.1), QPointF(r * 0.05, r * 0.75));
    const QPainterPath outline = vineLeafPath(r);
    QRadialGradient shade(QPointF(-r * 0.2, -r * 0.3), r * 1.2);
    shade.setColorAt(0, fill.lighter(112));
    shade.setColorAt(1, fill.darker(108));
    p.setPen(QPen(fill.darker(170), std::max<qreal>(0.8, r / 60)));
    p.setBrush(shade);
    p.drawPath(outline);
    // Veins: five main veins from the petiole point, each with side veins.
    const QColor vein = underside ? fill.lighter(125) : fill.darker(135);
    for (int k = 0; k < 5; ++k) {
        const qreal t = qDegreesToRadians(kVeinAngle[k]);
        const QPointF o(0, r * 0.1), end(r * kVeinLength[k] * qCos(t), r * kVeinLength[k] * qSin(t) + r * 0.05);
        p.setPen(QPen(vein, r * (underside ? 0.035 : 0.022), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(o, end);
        p.setPen(QPen(vein, r * (underside ? 0.018 : 0.011), Qt::SolidLine, Qt::RoundCap));
        for (int i = 1; i <= 3; ++i) {
            const QPointF at = o + (end - o) * (i / 4.0);
            for (int side : {-1, 1}) {
                const qreal b = t + side * qDegreesToRadians(42.0);
                const qreal len = r * 0.22 * (1.1 - i * 0.2);
                p.drawLine(at, at + QPointF(len * qCos(b), len * qSin(b)));
            }
        }
    }
    if (underside) {  // the fine down of the underside
        p.setPen(QPen(QColor(235, 240, 225, 70), 0.6));
        Random rnd(quint32(r * 13));
        p.setClipPath(outline);
        for (int i = 0; i < 160; ++i) {
            const QPointF a(rnd.range(-r, r), rnd.range(-r, r));
            p.drawLine(a, a + QPointF(rnd.range(-2, 2), rnd.range(-2, 2)));
        }
    }
    p.restore();
    return g;
}

void drawBerry(QPainter &p, const Berry &b, const QColor &colour)
{
    QRadialGradient g(b.c - QPointF(b.r * 0.35, b.r * 0.4), b.r * 1.35);
    g.setColorAt(0, colour.lighter(165));
    g.setColorAt(0.25, colour.lighter(115));
    g.setColorAt(1, colour.darker(135));
    p.setPen(QPen(colour.darker(180), std::max<qreal>(0.5, b.r / 14)));
    p.setBrush(g);
    p.drawEllipse(b.c, b.r, b.r * 1.05);
}

QList<Berry> drawBunch(QPainter &p, QPointF top, qreal scale, const QString &stage, const QString &variety,
                       quint32 seed, bool drawBerries)
{
    Random rnd(seed);
    const bool flower = stage == QLatin1String("flor");
    const bool young = stage == QLatin1String("verde") || flower;
    const qreal r = scale * (flower ? 3.2 : young ? 6.5 : 10.5);
    QColor colour = QColor(150, 190, 85);
    if (stage == QLatin1String("maduro") || stage == QLatin1String("envero"))
        colour = variety == QLatin1String("blanca") ? QColor(205, 205, 110) : QColor(62, 30, 78);
    // Peduncle and rachis.
    p.setPen(QPen(young ? QColor(110, 150, 60) : QColor(120, 100, 50), scale * 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top, top + QPointF(0, scale * (flower ? 27 : 20)));  // down to the first row of the flower buds
    QList<Berry> out;
    const int rows = flower ? 12 : young ? 10 : 7;
    const qreal width0 = scale * (flower ? 50 : 62);
    for (int row = 0; row < rows; ++row) {
        const qreal y = top.y() + scale * 26 + row * r * 1.55;
        const qreal half = width0 * (1.0 - row / qreal(rows + 1)) * (row == 0 ? 0.8 : 1.0);
        const int count = std::max(1, int(half * 2 / (r * 1.8)));
        for (int i = 0; i < count; ++i) {
            const qreal x = top.x() - half + (i + 0.5) * (half * 2 / count) + rnd.range(-r, r) * 0.25;
            out.append({QPointF(x + (row == 1 ? -r * 0.4 : 0), y + rnd.range(-r, r) * 0.2), r * rnd.range(0.9, 1.08)});
        }
    }
    if (flower) {  // the wing of the inflorescence
        out.append({top + QPointF(-width0 * 0.9, scale * 34), r});
    }
    if (!drawBerries)
        return out;
    // Back row shaded, front row lit: draw from top to bottom.
    for (const Berry &b : out) {
        QColor c = colour;
        if (stage == QLatin1String("envero") && rnd.next() < 0.5)
            c = variety == QLatin1String("blanca") ? QColor(175, 200, 95) : QColor(140, 70, 95);
        if (flower) {
            p.setPen(QPen(QColor(95, 130, 55), 0.7));
            p.setBrush(QColor(170, 200, 95));
            p.drawEllipse(b.c, b.r * 0.8, b.r * 1.1);
        } else {
            drawBerry(p, b, c);
        }
    }
    return out;
}

QList<QLineF> drawShoot(QPainter &p, QPointF base, QPointF tip, qreal thickness, bool leaves, Random &rnd, qreal zigzag)
{
    const QLineF axis(base, tip);
    const QPointF normal = QPointF(-axis.dy(), axis.dx()) / std::max<qreal>(1, axis.length());
    QList<QLineF> segments;
    const int nodes = 5;
    QPointF prev = base;
    for (int i = 1; i <= nodes; ++i) {
        const qreal f = i / qreal(nodes);
        QPointF next = base + (tip - base) * f + QPointF(rnd.range(-4, 4), rnd.range(-3, 3))
            + normal * zigzag * (i % 2 ? 1 : -1) * (i < nodes ? 1 : 0);
        segments.append(QLineF(prev, next));
        prev = next;
    }
    for (int i = 0; i < segments.size(); ++i) {
        const QLineF &s = segments[i];
        const qreal w = thickness * (1.0 - i * 0.12);
        p.setPen(QPen(QColor(95, 150, 60), w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(s);
        p.setPen(QPen(QColor(70, 120, 45), w * 1.25, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(s.p2());  // node
        if (leaves && i < segments.size() - 1) {
            const int side = i % 2 ? 1 : -1;
            const QPointF at = s.p2();
            const qreal lr = thickness * (3.2 - i * 0.25);
            p.setPen(QPen(QColor(80, 130, 50), w * 0.4));
            const QPointF leafAt = at + QPointF(side * lr * 1.3, -lr * 0.6);
            p.drawLine(at, leafAt + QPointF(0, lr * 0.5));
            drawLeaf(p, leafAt, lr, side * 25, false, leafGreen(false));
            // Tendril opposite the leaf.
            QPainterPath tendril(at);
            tendril.cubicTo(at + QPointF(-side * lr * 0.6, -lr * 0.2), at + QPointF(-side * lr * 1.1, lr * 0.3),
                            at + QPointF(-side * lr * 0.8, lr * 0.6));
            p.setPen(QPen(QColor(110, 160, 70), w * 0.25));
            p.setBrush(Qt::NoBrush);
            p.drawPath(tendril);
        }
    }
    // The growing tip.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(165, 200, 95));
    p.drawEllipse(tip, thickness * 0.9, thickness * 0.9);
    return segments;
}

QList<QLineF> drawCane(QPainter &p, QPointF a, QPointF b, qreal thickness, bool buds)
{
    QList<QLineF> segments;
    const int nodes = 4;
    const QPointF step = (b - a) / nodes;
    QLineF axis(a, b);
    const QPointF normal = QPointF(-axis.dy(), axis.dx()) / axis.length();
    for (int i = 0; i < nodes; ++i)
        segments.append(QLineF(a + step * i, a + step * (i + 1)));
    QLinearGradient g(a - normal * thickness, a + normal * thickness);
    g.setColorAt(0, QColor(170, 125, 75));
    g.setColorAt(0.5, QColor(140, 98, 55));
    g.setColorAt(1, QColor(95, 62, 35));
    p.setPen(QPen(QBrush(g), thickness, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    // Fine lengthwise striation of the bark.
    p.setPen(QPen(QColor(110, 75, 40, 120), 0.7));
    for (int k = -1; k <= 1; ++k)
        p.drawLine(a + normal * thickness * 0.25 * k, b + normal * thickness * 0.25 * k);
    for (int i = 1; i < nodes; ++i) {
        const QPointF node = a + step * i;
        p.setPen(QPen(QColor(100, 68, 38), thickness * 1.35, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(node - step * 0.03, node + step * 0.03);
        if (buds)
            drawBud(p, node - normal * thickness * 0.7, thickness * 0.9, QStringLiteral("invierno"));
    }
    return segments;
}

void drawBud(QPainter &p, QPointF at, qreal size, const QString &stage)
{
    p.save();
    p.translate(at);
    if (stage == QLatin1String("punta") || stage == QLatin1String("hoja")) {
        p.setPen(QPen(QColor(90, 60, 35), 1));
        p.setBrush(QColor(130, 90, 55));
        p.drawEllipse(QPointF(0, 0), size * 0.8, size);
        p.setBrush(QColor(150, 205, 80));
        p.setPen(QPen(QColor(90, 140, 50), 1));
        if (stage == QLatin1String("hoja")) {
            for (int i = -1; i <= 1; ++i)
                drawLeaf(p, QPointF(i * size * 1.1, -size * 1.8), size * 0.9, i * 30, false, QColor(150, 200, 80));
        } else {
            p.drawEllipse(QPointF(0, -size * 0.9), size * 0.45, size * 0.7);
        }
    } else if (stage == QLatin1String("algodon")) {
        p.setPen(QPen(QColor(100, 65, 40), 1));
        p.setBrush(QColor(150, 100, 60));
        p.drawEllipse(QPointF(0, 0), size * 0.95, size * 1.3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 238, 228));
        p.drawEllipse(QPointF(0, -size * 0.7), size * 0.6, size * 0.75);
        p.setBrush(QColor(230, 215, 205));
        p.drawEllipse(QPointF(size * 0.15, -size * 0.5), size * 0.35, size * 0.4);
    } else {  // winter bud: two brown scales
        p.setPen(QPen(QColor(70, 45, 25), 1));
        p.setBrush(QColor(120, 78, 45));
        QPainterPath scales;
        scales.moveTo(-size * 0.7, size * 0.3);
        scales.cubicTo(-size * 0.8, -size * 0.6, -size * 0.1, -size * 1.2, 0, -size * 1.2);
        scales.cubicTo(size * 0.1, -size * 1.2, size * 0.8, -size * 0.6, size * 0.7, size * 0.3);
        scales.closeSubpath();
        p.drawPath(scales);
        p.drawLine(QPointF(0, -size * 1.15), QPointF(0, size * 0.2));
    }
    p.restore();
}

QPainterPath drawTrunk(QPainter &p, const QRectF &area)
{
    const qreal cx = area.center().x(), w = area.width() * 0.09;
    const qreal top = area.top(), bottom = area.bottom();
    QPainterPath trunk;
    trunk.moveTo(cx - w, bottom);
    trunk.cubicTo(cx - w * 1.3, bottom - area.height() * 0.4, cx - w * 0.6, top + area.height() * 0.35, cx - w * 3.2,
                  top + area.height() * 0.12);
    trunk.lineTo(cx - w * 2.5, top + area.height() * 0.04);
    trunk.cubicTo(cx - w * 0.2, top + area.height() * 0.25, cx + w * 0.3, top + area.height() * 0.25, cx + w * 2.6,
                  top + area.height() * 0.03);
    trunk.lineTo(cx + w * 3.2, top + area.height() * 0.12);
    trunk.cubicTo(cx + w * 0.8, top + area.height() * 0.4, cx + w * 1.2, bottom - area.height() * 0.4, cx + w, bottom);
    trunk.closeSubpath();
    QLinearGradient g(cx - w * 1.5, 0, cx + w * 1.5, 0);
    g.setColorAt(0, QColor(105, 78, 55));
    g.setColorAt(0.45, QColor(140, 110, 80));
    g.setColorAt(1, QColor(80, 58, 40));
    p.setPen(QPen(QColor(60, 42, 28), 1.5));
    p.setBrush(g);
    p.drawPath(trunk);
    // Shredding bark: long lengthwise strips.
    p.save();
    p.setClipPath(trunk);
    Random rnd(7);
    for (int i = 0; i < 26; ++i) {
        const qreal x = cx + rnd.range(-w * 1.3, w * 1.3), y = rnd.range(top + area.height() * 0.25, bottom);
        p.setPen(QPen(QColor(60, 42, 28, 160), rnd.range(0.8, 2.0)));
        p.drawLine(QPointF(x, y), QPointF(x + rnd.range(-3, 3), y + rnd.range(15, 40)));
    }
    p.restore();
    return trunk;
}

void drawCrossSection(QPainter &p, QPointF c, qreal r)
{
    // Bark ring, sapwood and the growth rings.
    p.setPen(QPen(QColor(70, 48, 30), r * 0.08));
    p.setBrush(QColor(222, 196, 150));
    p.drawEllipse(c, r, r * 0.92);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i < 6; ++i) {
        p.setPen(QPen(QColor(190, 160, 115), 1));
        p.drawEllipse(c, r * i / 6.5, r * 0.92 * i / 6.5);
    }
    p.setPen(QPen(QColor(200, 170, 125), 0.8));
    for (int k = 0; k < 16; ++k) {  // rays
        const qreal t = k * M_PI / 8;
        p.drawLine(c, c + QPointF(r * 0.9 * qCos(t), r * 0.83 * qSin(t)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 110, 70));
    p.drawEllipse(c, r * 0.05, r * 0.05);  // pith
}

void drawSoil(QPainter &p, const QRectF &area, qreal surface)
{
    QLinearGradient g(0, surface, 0, area.bottom());
    g.setColorAt(0, QColor(128, 95, 62));
    g.setColorAt(1, QColor(92, 66, 42));
    p.fillRect(QRectF(area.left(), surface, area.width(), area.bottom() - surface), g);
    Random rnd(11);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        p.setBrush(QColor(70 + int(rnd.range(0, 80)), 52 + int(rnd.range(0, 50)), 35 + int(rnd.range(0, 30)), 180));
        p.drawEllipse(QPointF(rnd.range(area.left(), area.right()), rnd.range(surface + 2, area.bottom())),
                      rnd.range(0.8, 2.6), rnd.range(0.6, 2.0));
    }
}

QList<QLineF> drawRoots(QPainter &p, QPointF collar, qreal size, Random &rnd, bool young)
{
    QList<QLineF> fine;
    const QColor root(200, 165, 120);
    std::function<void(QPointF, qreal, qreal, int)> branch = [&](QPointF from, qreal angle, qreal len, int depth) {
        const QPointF to = from + QPointF(len * qCos(qDegreesToRadians(angle)), len * qSin(qDegreesToRadians(angle)));
        p.setPen(QPen(root.darker(100 + depth * 8), std::max<qreal>(0.8, size * 0.05 / (depth + 1)), Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(from, to);
        if (depth >= (young ? 2 : 3)) {
            fine.append(QLineF(from, to));
            return;
        }
        const int n = depth == 0 ? 2 : 3;
        for (int i = 0; i < n; ++i)
            branch(from + (to - from) * rnd.range(0.4, 1.0), angle + rnd.range(-45, 45), len * rnd.range(0.45, 0.7),
                   depth + 1);
    };
    for (int k = 0; k < (young ? 4 : 5); ++k)
        branch(collar, 90 + (k - 2) * 28 + rnd.range(-8, 8), size * rnd.range(0.6, 0.9), 0);
    return fine;
}

}  // namespace drawing
