// A picture from its sketch: the background, the organ, the symptom layers on
// it, and the organisms.

#include <algorithm>
#include <functional>

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "drawing/Drawing.h"

namespace drawing {

namespace {

bool has(const Sketch &s, const char *layer)
{
    for (const Layer &l : s.layers)
        if (l.name == QLatin1String(layer))
            return true;
    return false;
}

qreal amountOf(const Sketch &s, const char *layer)
{
    for (const Layer &l : s.layers)
        if (l.name == QLatin1String(layer))
            return l.amount;
    return 0;
}

QBrush backgroundBrush(const QString &kind)
{
    QLinearGradient g(0, 0, 0, 300);
    if (kind == QLatin1String("claro")) {
        g.setColorAt(0, QColor(238, 236, 226));
        g.setColorAt(1, QColor(214, 212, 200));
    } else if (kind == QLatin1String("invierno")) {
        g.setColorAt(0, QColor(206, 214, 222));
        g.setColorAt(1, QColor(175, 165, 145));
    } else {
        g.setColorAt(0, QColor(196, 218, 232));
        g.setColorAt(0.55, QColor(176, 200, 160));
        g.setColorAt(1, QColor(130, 160, 105));
    }
    return g;
}

QPainterPath blob(Random &rnd, QPointF c, qreal r, qreal stretch = 1)
{
    QPainterPath b;
    for (int k = 0; k <= 12; ++k) {
        const qreal t = k * M_PI / 6, rr = r * rnd.range(0.8, 1.12);
        const QPointF at(c.x() + rr * qCos(t) * stretch, c.y() + rr * qSin(t));
        k ? b.lineTo(at) : b.moveTo(at);
    }
    b.closeSubpath();
    return b;
}

// A point inside the path, away from its edge when possible.
QPointF pointIn(const QPainterPath &path, Random &rnd, qreal shrink = 0.8)
{
    const QRectF b = path.boundingRect();
    const QPointF c = b.center();
    for (int i = 0; i < 80; ++i) {
        const QPointF at(rnd.range(b.left(), b.right()), rnd.range(b.top(), b.bottom()));
        if (path.contains(at) && path.contains(c + (at - c) / shrink))
            return at;
    }
    return c;
}

void softSpot(QPainter &p, QPointF c, qreal r, const QColor &colour)
{
    QRadialGradient g(c, r);
    g.setColorAt(0, colour);
    g.setColorAt(0.65, colour);
    g.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void fuzz(QPainter &p, Random &rnd, QPointF c, qreal r, const QColor &colour, int n, qreal dot = 1.4)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < n; ++i) {
        const qreal a = rnd.range(0, 2 * M_PI), d = r * std::sqrt(rnd.next());
        QColor col = colour;
        col.setAlpha(int(colour.alpha() * rnd.range(0.4, 1)));
        p.setBrush(col);
        const qreal s = rnd.range(0.4, 1.0) * dot;
        p.drawEllipse(QPointF(c.x() + d * qCos(a), c.y() + d * qSin(a)), s, s);
    }
}

// A necrotic spot: brown centre, dark rim, optional yellow halo and black
// fruiting bodies in a ring.
void necrotic(QPainter &p, Random &rnd, QPointF c, qreal r, const QColor &centre, bool halo, bool ring,
              bool hole = false, const QBrush &through = QBrush())
{
    if (halo)
        softSpot(p, c, r * 1.9, QColor(230, 215, 80, 210));
    p.setPen(QPen(QColor(55, 30, 18), std::max<qreal>(0.8, r * 0.14)));
    p.setBrush(centre);
    p.drawPath(blob(rnd, c, r));
    if (ring) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 15, 12));
        for (int k = 0; k < 12; ++k) {
            const qreal t = k * M_PI / 6 + rnd.range(0, 0.3);
            p.drawEllipse(c + QPointF(qCos(t), qSin(t)) * r * 0.62, r * 0.09, r * 0.09);
        }
    }
    if (hole) {
        p.setPen(Qt::NoPen);
        p.setBrush(through);
        p.drawPath(blob(rnd, c, r * 0.6));
    }
}

// A leaf eaten from its edge by caterpillars: round notches cut out of the
// blade, whatever is behind showing through them, and a thin brown scar
// along each eaten edge.
void bittenLeaf(QPainter &p, QPointF at, qreal r, qreal angle, bool underside, const QColor &fill, int bites,
                Random &rnd)
{
    LeafGeom shape;
    shape.centre = at;
    shape.r = r;
    shape.angle = angle;
    shape.underside = underside;
    const QPainterPath outline = leafOutline(shape);
    QPainterPath eaten;
    for (int i = 0; i < bites; ++i) {
        const QPointF edge = outline.pointAtPercent(std::fmod(0.12 + i * 0.27 + rnd.range(0, 0.1), 0.95));
        eaten.addPath(blob(rnd, edge + (edge - at) * 0.04, rnd.range(r * 0.36, r * 0.46)));
    }
    eaten = eaten.simplified();
    QPainterPath keep;
    keep.addRect(QRectF(at - QPointF(r * 3, r * 3), QSizeF(r * 6, r * 6)));
    p.save();
    p.setClipPath(keep.subtracted(eaten));
    drawLeaf(p, at, r, angle, underside, fill);
    p.setClipPath(outline);
    p.setPen(QPen(QColor(120, 95, 45), std::max<qreal>(1, r * 0.03)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(eaten);
    p.restore();
}

// ---------------------------------------------------------------- leaves

void leafLayers(QPainter &p, const Sketch &s, const LeafGeom &g, const QBrush &bg, Random &rnd)
{
    const QPainterPath outline = leafOutline(g);
    const qreal r = g.r;
    const QColor redVar(170, 40, 45), yellowVar(225, 205, 70);
    const bool tinta = s.variety == QLatin1String("tinta");
    p.save();
    p.setClipPath(outline);
    auto veinBands = [&](const QColor &colour, qreal width) {
        p.save();
        p.translate(g.centre);
        p.rotate(g.angle);
        p.setPen(QPen(colour, r * width, Qt::SolidLine, Qt::RoundCap));
        static const qreal ang[] = {-90, -140, -40, 165, 15}, len[] = {0.92, 0.82, 0.82, 0.62, 0.62};
        for (int k = 0; k < 5; ++k) {
            const qreal t = qDegreesToRadians(ang[k]);
            const QPointF o(0, r * 0.1), e(r * len[k] * qCos(t), r * len[k] * qSin(t));
            p.drawLine(o, e);
            for (int i = 1; i <= 3; ++i) {
                const QPointF at = o + (e - o) * (i / 4.0);
                for (int side : {-1, 1}) {
                    const qreal b = t + side * qDegreesToRadians(42.0);
                    p.drawLine(at, at + QPointF(qCos(b), qSin(b)) * r * 0.2 * (1.1 - i * 0.2));
                }
            }
        }
        p.restore();
    };
    auto redrawVeins = [&] {
        p.save();
        p.translate(g.centre);
        p.rotate(g.angle);
        static const qreal ang[] = {-90, -140, -40, 165, 15}, len[] = {0.92, 0.82, 0.82, 0.62, 0.62};
        p.setPen(QPen(QColor(40, 90, 30), r * 0.022, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 5; ++k) {
            const qreal t = qDegreesToRadians(ang[k]);
            p.drawLine(QPointF(0, r * 0.1), QPointF(r * len[k] * qCos(t), r * len[k] * qSin(t)));
        }
        p.restore();
    };
    // Discolorations of the whole blade.
    if (has(s, "bronceado"))
        p.fillPath(outline, QColor(150, 105, 50, 170));
    if (has(s, "plomizo"))
        p.fillPath(outline, QColor(130, 135, 130, 170));
    if (has(s, "palida"))
        p.fillPath(outline, QColor(215, 215, 120, 120));
    if (has(s, "seca"))
        p.fillPath(outline, QColor(150, 110, 60, 210));
    if (has(s, "atigrado")) {
        // Tiger stripes: between the main veins the blade turned yellow
        // (white varieties) or red (red varieties) and dried brown in the
        // middle of each stripe, a broad band of green left along every
        // main vein.
        p.save();
        p.translate(g.centre);
        p.rotate(g.angle);
        const QColor colour = tinta ? QColor(185, 45, 40) : QColor(235, 210, 60);
        const QColor dry(125, 78, 38);
        // The blade less a band along each main vein, wider for the dried
        // middle of the stripe than for its coloured edge.
        const QPainterPath blade = QTransform().rotate(-g.angle).translate(-g.centre.x(), -g.centre.y()).map(outline);
        auto between = [&](qreal band, qreal inner) {
            QPainterPath veins;
            for (qreal a : {-90.0, -140.0, -40.0, 165.0, 15.0, 90.0}) {
                const qreal t = qDegreesToRadians(a);
                veins.moveTo(0, r * 0.1);
                veins.lineTo(r * 1.4 * qCos(t), r * 0.1 + r * 1.4 * qSin(t));
            }
            QPainterPathStroker stroke;
            stroke.setWidth(r * band);
            stroke.setCapStyle(Qt::RoundCap);
            QPainterPath centre;
            centre.addEllipse(QPointF(0, r * 0.1), r * inner, r * inner);
            return blade.subtracted(stroke.createStroke(veins).united(centre)).simplified();
        };
        p.setPen(Qt::NoPen);
        p.fillPath(between(0.24, 0.24), colour);
        p.fillPath(between(0.48, 0.36), dry);
        p.restore();
        redrawVeins();
    }
    if (has(s, "rojo") || has(s, "amarillo")) {
        // Interveinal colour, a green band left along the main veins.
        const QColor c = has(s, "rojo") ? redVar : yellowVar;
        p.fillPath(outline, QColor(c.red(), c.green(), c.blue(), 225));
        veinBands(leafGreen(false), 0.1);
        redrawVeins();
    }
    if (has(s, "sectores")) {  // coloured sectors bounded by veins
        p.save();
        p.translate(g.centre);
        p.rotate(g.angle);
        const QColor c = tinta ? redVar : yellowVar;
        for (auto [a0, a1] : {std::pair<qreal, qreal>{-140, -90}, {15, 165}, {-40, 15}}) {
            QPainterPath wedge(QPointF(0, r * 0.1));
            wedge.arcTo(QRectF(-r * 1.3, -r * 1.2, r * 2.6, r * 2.6), -a0, -(a1 - a0));
            wedge.closeSubpath();
            p.fillPath(wedge, QColor(c.red(), c.green(), c.blue(), 230));
            if (a0 == 15)
                break;
        }
        p.restore();
        redrawVeins();
    }
    if (has(s, "cunas")) {
        // The discoloration that starts at the margin and advances inwards
        // between two main veins: wedges broad at the edge, narrowing to a
        // ragged point halfway to the petiole, the veins left green.
        p.save();
        p.translate(g.centre);
        p.rotate(g.angle);
        const QColor c = tinta ? redVar : yellowVar;
        struct Gap {
            qreal a0, a1, depth;
        };
        const qreal deep = std::clamp<qreal>(amountOf(s, "cunas"), 0.5, 1.6);
        const Gap gaps[] = {{-140, -90, 0.55}, {-40, 15, 0.62}, {165, 220, 0.6}, {-90, -40, 0.75}};
        for (const Gap &gap : gaps) {
            const qreal inner = r * (1 - gap.depth * deep * 0.95);
            const qreal mid = (gap.a0 + gap.a1) / 2, half = (gap.a1 - gap.a0) / 2 - 5;
            for (int pass = 0; pass < 2; ++pass) {  // a paler fringe ahead of the full colour
                const qreal reach = pass ? inner : inner * 0.86;
                QPainterPath wedge;
                const int steps = 8;
                for (int k = 0; k <= steps; ++k) {  // along the first vein, inwards
                    const qreal f = qreal(k) / steps, rr = r * 1.25 - (r * 1.25 - reach) * f;
                    const qreal t = qDegreesToRadians(mid - half * (1 - f * 0.7) + rnd.range(-2.5, 2.5));
                    const QPointF at(rr * qCos(t), rr * qSin(t));
                    k ? wedge.lineTo(at) : wedge.moveTo(at);
                }
                for (int k = steps; k >= 0; --k) {  // and back out along the second
                    const qreal f = qreal(k) / steps, rr = r * 1.25 - (r * 1.25 - reach) * f;
                    const qreal t = qDegreesToRadians(mid + half * (1 - f * 0.7) + rnd.range(-2.5, 2.5));
                    wedge.lineTo(rr * qCos(t), rr * qSin(t));
                }
                wedge.closeSubpath();
                p.fillPath(wedge,
                           pass ? QColor(c.red(), c.green(), c.blue(), 225)
                                : QColor(c.red(), c.green(), c.blue(), 110));
            }
            // The fine veins still show through the coloured tissue.
            p.setPen(QPen(c.darker(150), r * 0.012, Qt::SolidLine, Qt::RoundCap));
            for (int k = -1; k <= 1; ++k) {
                const qreal t = qDegreesToRadians(mid + k * half * 0.5);
                p.drawLine(QPointF(inner * 0.9 * qCos(t), inner * 0.9 * qSin(t)),
                           QPointF(r * 1.1 * qCos(t), r * 1.1 * qSin(t)));
            }
        }
        p.restore();
        redrawVeins();
    }
    if (has(s, "nerviosrojos") || has(s, "nerviosamarillos") || has(s, "bandas")) {
        const QColor c = has(s, "nerviosrojos") ? QColor(175, 55, 45, 200) : QColor(235, 220, 70, 220);
        veinBands(c, 0.09);
        redrawVeins();
    }
    if (has(s, "teselas")) {
        // A yellow mosaic: small angular patches of bright and pale yellow
        // scattered over the green, their edges sharp.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 46; ++i) {
            const QPointF c = pointIn(outline, rnd);
            const qreal size = rnd.range(r * 0.05, r * 0.11);
            QPolygonF patch;
            const int corners = 5 + int(rnd.range(0, 3));
            for (int k = 0; k < corners; ++k) {
                const qreal t = (k + rnd.range(-0.3, 0.3)) * 2 * M_PI / corners;
                patch << c + QPointF(qCos(t), qSin(t)) * size * rnd.range(0.6, 1.2);
            }
            p.setBrush(i % 3 ? QColor(232, 218, 70, 235) : QColor(215, 222, 120, 235));
            p.drawPolygon(patch);
        }
        redrawVeins();
    }
    if (has(s, "mosaico")) {
        for (int i = 0; i < 14; ++i)
            softSpot(p, pointIn(outline, rnd), rnd.range(r * 0.08, r * 0.2), QColor(235, 225, 80, 220));
    }
    if (has(s, "jaspeado")) {
        for (int i = 0; i < 60; ++i) {
            const QPointF at = pointIn(outline, rnd);
            p.setPen(QPen(QColor(225, 235, 170, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at, at + QPointF(rnd.range(-6, 6), rnd.range(-6, 6)));
        }
    }
    if (has(s, "punteado")) {
        const QColor c = has(s, "bronceado") ? QColor(220, 190, 120, 220) : QColor(235, 235, 170, 230);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        for (int i = 0; i < int(260 * std::max<qreal>(0.4, amountOf(s, "punteado"))); ++i)
            p.drawEllipse(pointIn(outline, rnd, 1.0), 1.1, 1.1);
    }
    if (has(s, "plateado")) {
        for (int i = 0; i < 6; ++i) {
            const QPointF c = pointIn(outline, rnd);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(225, 230, 230, 200));
            p.drawPath(blob(rnd, c, rnd.range(r * 0.1, r * 0.18), 1.5));
            p.setBrush(QColor(20, 20, 20));
            for (int k = 0; k < 6; ++k)
                p.drawEllipse(c + QPointF(rnd.range(-r * 0.12, r * 0.12), rnd.range(-r * 0.08, r * 0.08)), 1, 1);
        }
    }
    if (has(s, "aceite")) {  // translucent yellowish oil spots on the upper side
        const int n = int(std::max<qreal>(1, 5 * amountOf(s, "aceite")));
        for (int i = 0; i < n; ++i) {
            const QPointF c = pointIn(outline, rnd, 0.65);
            const qreal rr = rnd.range(r * 0.1, r * 0.17);
            softSpot(p, c, rr * 1.25, QColor(215, 205, 95, 150));
            softSpot(p, c, rr * 0.9, QColor(235, 220, 110, 200));
            if (has(s, "necrosado"))
                softSpot(p, c, rr * 0.45, QColor(140, 95, 45, 230));
        }
    }
    if (has(s, "pelusilla")) {  // white downy sporulation, on the underside under each spot
        const int n = int(std::max<qreal>(1, 5 * amountOf(s, "pelusilla")));
        for (int i = 0; i < n; ++i) {
            const QPointF c = pointIn(outline, rnd, 0.65);
            const qreal rr = rnd.range(r * 0.1, r * 0.17);
            softSpot(p, c, rr * 1.1, QColor(225, 220, 150, 120));
            fuzz(p, rnd, c, rr, QColor(255, 255, 255, 240), 260, 1.6);
        }
    }
    if (has(s, "ceniza")) {  // powdery grey-white coating
        const int n = int(std::max<qreal>(2, 7 * amountOf(s, "ceniza")));
        for (int i = 0; i < n; ++i) {
            const QPointF c = pointIn(outline, rnd, 0.9);
            const qreal rr = rnd.range(r * 0.22, r * 0.4);
            softSpot(p, c, rr, QColor(185, 190, 180, 130));
            fuzz(p, rnd, c, rr * 1.1, QColor(225, 228, 222, 150), 500, 0.9);
        }
    }
    if (has(s, "cleistotecios")) {  // the powdery mildew's fruiting bodies: yellow, then black, specks
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 90; ++i) {
            p.setBrush(i % 3 ? QColor(20, 18, 15) : QColor(225, 190, 40));
            p.drawEllipse(pointIn(outline, rnd, 0.9), 1.6, 1.6);
        }
    }
    if (has(s, "manchas") || has(s, "halo") || has(s, "picnidios") || has(s, "perdigon") || has(s, "translucidas")) {
        // Spots: their colour, size and place come from the modifiers.
        const bool small = has(s, "pequenas") || has(s, "perdigon") || has(s, "translucidas");
        const bool large = has(s, "grandes");
        const qreal amount = std::max({amountOf(s, "manchas"), amountOf(s, "halo"), amountOf(s, "picnidios"),
                                       amountOf(s, "perdigon"), amountOf(s, "translucidas")});
        const int n = int(std::max<qreal>(1, (small ? 16 : large ? 4 : 7) * amount));
        QColor centre = has(s, "oscuras") ? QColor(45, 35, 28)
            : has(s, "rojizas")           ? QColor(140, 60, 40)
            : has(s, "perdigon")          ? QColor(150, 140, 125)
                                          : QColor(150, 100, 55);
        static const qreal veinAngle[] = {-90, -140, -40, 165, 15};
        for (int i = 0; i < n; ++i) {
            QPointF c = pointIn(outline, rnd, 0.85);
            if (has(s, "nervios")) {  // along a main vein
                const qreal t = qDegreesToRadians(veinAngle[i % 5] + g.angle);
                const qreal d = r * rnd.range(0.15, 0.6);
                c = g.centre + QPointF(0, r * 0.1) + QPointF(qCos(t), qSin(t)) * d
                    + QPointF(rnd.range(-1, 1), rnd.range(-1, 1)) * r * 0.05;
            } else if (has(s, "borde")) {  // at the margin of the blade
                c = g.centre + (outline.pointAtPercent(rnd.range(0.1, 0.9)) - g.centre) * 0.88;
            }
            const qreal rr = small ? rnd.range(r * 0.025, r * 0.05)
                : large            ? rnd.range(r * 0.16, r * 0.24)
                                   : rnd.range(r * 0.07, r * 0.12);
            if (has(s, "translucidas")) {
                softSpot(p, c, rr * 1.3, QColor(225, 235, 170, 210));
                continue;
            }
            if (has(s, "difusas")) {
                softSpot(p, c, rr * 1.4, QColor(centre.red(), centre.green(), centre.blue(), 170));
                continue;
            }
            const bool hole = has(s, "perdigon") && i % 2 == 0;
            necrotic(p, rnd, c, rr, centre, has(s, "halo"), has(s, "picnidios"), hole, bg);
        }
    }
    if (has(s, "bordecrispado")) {
        // Only the very edge of the blade dried brown and curled under in
        // little waves, a narrow red (red varieties) or yellow (white
        // varieties) band inside it; the rest of the leaf green.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(tinta ? QColor(180, 40, 45) : QColor(238, 215, 60), r * 0.34));
        p.drawPath(outline);
        p.setPen(QPen(QColor(120, 75, 38), r * 0.14));
        p.drawPath(outline);
        const QColor under = leafGreen(true).darker(115);
        for (int k = 0; k < 34; ++k) {  // the curled-under edge: pale crescents of the underside
            const qreal t = (k + 0.5) / 34;
            const QPointF at = outline.pointAtPercent(t);
            const qreal angle = outline.angleAtPercent(t);
            p.save();
            p.translate(at);
            p.rotate(-angle);
            p.setPen(QPen(QColor(70, 50, 25), 0.9));
            p.setBrush(under);
            p.drawChord(QRectF(-r * 0.05, -r * 0.045, r * 0.1, r * 0.09), 0, -180 * 16);
            p.restore();
        }
    }
    if (has(s, "escaldado")) {
        // Scalded: the blade dried brown in broad zones from the margin
        // well into the leaf, in concentric rings, a yellow (white
        // varieties) or dark red (red varieties) band between the dead
        // tissue and the green left round the base of the veins.
        const QPointF middle = outline.boundingRect().center() + QPointF(0, r * 0.1);
        auto shrunk = [&](qreal f) {
            return QTransform()
                .translate(middle.x(), middle.y())
                .scale(f, f)
                .translate(-middle.x(), -middle.y())
                .map(outline);
        };
        p.setPen(Qt::NoPen);
        p.fillPath(outline, QColor(150, 98, 52));
        p.fillPath(shrunk(0.62), tinta ? QColor(130, 30, 40) : QColor(236, 212, 62));
        QRadialGradient green(middle, r * 0.6);
        green.setColorAt(0, leafGreen(false).lighter(108));
        green.setColorAt(1, leafGreen(false));
        p.fillPath(shrunk(0.48), green);
        p.setBrush(Qt::NoBrush);
        for (const qreal f : {0.72, 0.84, 0.95}) {  // the rings of the advancing scald
            p.setPen(QPen(QColor(115, 70, 36), r * 0.009));
            p.drawPath(shrunk(f));
        }
        redrawVeins();
    }
    if (has(s, "bordeseco") || has(s, "quemado")) {  // scorched from the margin inwards
        p.setBrush(Qt::NoBrush);
        // A yellow band inside the dead margin on white varieties, a red one on red varieties.
        p.setPen(QPen(tinta ? QColor(175, 45, 50, 230) : QColor(235, 215, 80, 230), r * 0.5));
        p.drawPath(outline);
        p.setPen(QPen(QColor(130, 80, 40), r * 0.36));
        p.drawPath(outline);
        if (has(s, "quemado")) {
            p.setPen(QPen(QColor(100, 60, 30), r * 0.015));
            p.drawPath(QTransform()
                           .translate(g.centre.x(), g.centre.y())
                           .scale(0.83, 0.83)
                           .translate(-g.centre.x(), -g.centre.y())
                           .map(outline));
        }
    }
    if (has(s, "ampollas")) {  // raised blisters on the upper side
        for (int i = 0; i < int(8 * std::max<qreal>(0.5, amountOf(s, "ampollas"))); ++i) {
            const QPointF c = pointIn(outline, rnd, 0.8);
            const qreal rr = rnd.range(r * 0.08, r * 0.14);
            QRadialGradient gr(c - QPointF(rr * 0.4, rr * 0.4), rr * 1.3);
            // -mixtas: some blisters still green, others flushed red.
            const bool red = tinta || (has(s, "mixtas") && i % 3 == 1);
            gr.setColorAt(0, red ? QColor(200, 120, 110) : QColor(170, 215, 120));
            gr.setColorAt(1, red ? QColor(120, 60, 50) : QColor(60, 110, 40));
            p.setPen(QPen(QColor(40, 80, 30, 160), 0.8));
            p.setBrush(gr);
            p.drawPath(blob(rnd, c, rr));
        }
    }
    if (has(s, "borra") || has(s, "borraparda")) {  // felt of hairs in hollows on the underside
        const QColor c = has(s, "borraparda") ? QColor(160, 100, 60, 240) : QColor(250, 248, 240, 250);
        for (int i = 0; i < int(8 * std::max<qreal>(0.5, std::max(amountOf(s, "borra"), amountOf(s, "borraparda"))));
             ++i) {
            const QPointF cc = pointIn(outline, rnd, 0.8);
            const qreal rr = rnd.range(r * 0.08, r * 0.14);
            p.setPen(Qt::NoPen);
            p.setBrush(c.darker(115));
            p.drawPath(blob(rnd, cc, rr));
            fuzz(p, rnd, cc, rr, c, 160, 1.8);
        }
    }
    if (has(s, "agallas")) {  // warty galls on the underside
        for (int i = 0; i < int(16 * std::max<qreal>(0.5, amountOf(s, "agallas"))); ++i) {
            const QPointF c = pointIn(outline, rnd, 0.85);
            const qreal rr = rnd.range(r * 0.04, r * 0.07);
            QRadialGradient gr(c - QPointF(rr * 0.3, rr * 0.3), rr * 1.2);
            gr.setColorAt(0, QColor(215, 225, 140));
            gr.setColorAt(1, QColor(160, 90, 60));
            p.setPen(QPen(QColor(110, 70, 40), 0.8));
            p.setBrush(gr);
            p.drawPath(blob(rnd, c, rr));
            p.drawLine(c - QPointF(rr * 0.3, 0), c + QPointF(rr * 0.3, 0));  // its slit
        }
    }
    if (has(s, "ventanas")) {
        for (int i = 0; i < 9; ++i) {
            const QPointF c = pointIn(outline, rnd);
            p.setPen(QPen(QColor(120, 100, 60), 0.8));
            p.setBrush(QColor(225, 230, 190, 220));
            p.drawPath(blob(rnd, c, rnd.range(r * 0.04, r * 0.09), 1.4));
        }
    }
    if (has(s, "melaza") || has(s, "negrilla")) {
        if (has(s, "negrilla"))
            for (int i = 0; i < 7; ++i) {
                const QPointF c = pointIn(outline, rnd);
                const qreal rr = rnd.range(r * 0.12, r * 0.28);
                softSpot(p, c, rr, QColor(25, 25, 22, 220));
                fuzz(p, rnd, c, rr * 1.1, QColor(15, 15, 15, 220), 80, 1.3);
            }
        if (has(s, "melaza"))
            for (int i = 0; i < 22; ++i) {
                const QPointF c = pointIn(outline, rnd);
                const qreal rr = rnd.range(2, 5);
                p.setPen(QPen(QColor(180, 140, 40, 150), 0.6));
                p.setBrush(QColor(230, 200, 90, 150));
                p.drawEllipse(c, rr, rr * 0.8);
                p.setBrush(QColor(255, 255, 255, 230));
                p.setPen(Qt::NoPen);
                p.drawEllipse(c - QPointF(rr * 0.35, rr * 0.3), rr * 0.25, rr * 0.2);
            }
    }
    if (has(s, "gotasoscuras"))  // the bug's small dark drops of honeydew and excrement, glossy
        for (int i = 0; i < int(26 * std::max<qreal>(0.4, amountOf(s, "gotasoscuras"))); ++i) {
            const QPointF c = pointIn(outline, rnd);
            const qreal rr = rnd.range(1.8, 3.4);
            p.setPen(QPen(QColor(30, 18, 10, 230), 0.6));
            p.setBrush(QColor(62, 36, 18, 240));
            p.drawEllipse(c, rr, rr * 0.85);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 250, 235, 220));
            p.drawEllipse(c - QPointF(rr * 0.35, rr * 0.3), rr * 0.28, rr * 0.22);
        }
    if (has(s, "telas")) {
        for (int i = 0; i < 45; ++i) {
            const QPointF a = pointIn(outline, rnd),
                          b = a + QPointF(rnd.range(-r * 0.3, r * 0.3), rnd.range(-r * 0.2, r * 0.2));
            p.setPen(QPen(QColor(40, 60, 30, 110), 1.4));
            p.drawLine(a + QPointF(0.8, 0.8), b + QPointF(0.8, 0.8));
            p.setPen(QPen(QColor(255, 255, 255, 230), 0.9));
            p.drawLine(a, b);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 130, 100, 160));
        for (int i = 0; i < 30; ++i)
            p.drawEllipse(pointIn(outline, rnd), 0.9, 0.9);
    }
    if (has(s, "baba")) {
        // A long, winding, silvery slime trail across the blade.
        QPainterPath trail;
        const QRectF box = outline.boundingRect();
        QPointF at(box.left() + box.width() * 0.2, box.top() + box.height() * 0.3);
        trail.moveTo(at);
        for (int i = 0; i < 5; ++i) {
            const QPointF next = at + QPointF(box.width() * 0.13, rnd.range(-0.05, 0.12) * box.height());
            trail.cubicTo(at + QPointF(box.width() * 0.05, -box.height() * 0.12),
                          next + QPointF(-box.width() * 0.05, box.height() * 0.12), next);
            at = next;
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(
            QPen(QColor(220, 228, 235, 170), std::max<qreal>(4, r * 0.07), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(trail);
        p.setPen(QPen(QColor(255, 255, 255, 240), std::max<qreal>(1.2, r * 0.018), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(trail.translated(-1, -1));
    }
    if (has(s, "arrugada")) {
        p.setPen(QPen(QColor(30, 60, 20, 120), 1));
        for (int i = 0; i < 30; ++i) {
            const QPointF a = pointIn(outline, rnd);
            p.drawArc(QRectF(a, QSizeF(rnd.range(6, 14), rnd.range(4, 8))), 0, 180 * 16);
        }
    }
    p.restore();
    // Rolled or cupped margins: the underside shows along the edge.
    if (has(s, "enrollada") || has(s, "abarquillada")) {
        p.save();
        p.setClipPath(outline);
        p.setBrush(Qt::NoBrush);
        const QColor under = leafGreen(true).darker(has(s, "bronceado") || has(s, "seca") ? 140 : 105);
        p.setPen(QPen(under, r * (has(s, "enrollada") ? 0.28 : 0.16)));
        p.drawPath(outline);
        p.setPen(QPen(QColor(30, 50, 20, 180), 1.2));
        p.drawPath(QTransform()
                       .translate(g.centre.x(), g.centre.y())
                       .scale(0.88, 0.88)
                       .translate(-g.centre.x(), -g.centre.y())
                       .map(outline));
        p.restore();
    }
    // The margin rolled down under the blade: seen from above the edge turns
    // away, a dark band of the rolled tissue with a lit crest along its fold
    // and a shadow cast under it onto whatever is behind.
    if (has(s, "haciaenves")) {
        // The fold runs smooth inside the toothed margin.
        QList<QPointF> round;
        const int samples = 240, window = 9;
        for (int i = 0; i < samples; ++i)
            round << outline.pointAtPercent(qreal(i) / samples);
        QPainterPath crest;
        for (int i = 0; i < samples; ++i) {
            QPointF sum;
            for (int k = -window; k <= window; ++k)
                sum += round[(i + k + samples) % samples];
            const QPointF at = g.centre + (sum / (2 * window + 1) - g.centre) * 0.88;
            i ? crest.lineTo(at) : crest.moveTo(at);
        }
        crest.closeSubpath();
        p.save();
        QPainterPath outside;
        outside.addRect(QRectF(g.centre - QPointF(r * 3, r * 3), QSizeF(r * 6, r * 6)));
        p.setClipPath(outside.subtracted(outline));
        p.fillPath(outline.translated(r * 0.04, r * 0.07), QColor(20, 30, 15, 90));
        p.setClipPath(outline);
        p.setBrush(Qt::NoBrush);
        const QColor roll = tinta || has(s, "bordeseco") ? QColor(95, 35, 30) : leafGreen(true).darker(190);
        p.fillPath(outline.subtracted(crest), roll);
        p.setPen(QPen(roll.darker(150), r * 0.16));
        p.drawPath(outline);
        p.setPen(QPen(roll.darker(230), r * 0.05));
        p.drawPath(outline);
        // The lit fold where the blade bends down.
        p.setPen(QPen(QColor(255, 240, 215, 150), r * 0.022));
        p.drawPath(crest);
        p.restore();
    }
    // Holes and bites show what is behind the leaf.
    p.save();
    p.setPen(QPen(QColor(110, 80, 40), 1));
    p.setBrush(bg);
    if (has(s, "agujeros"))
        for (int i = 0; i < int(8 * std::max<qreal>(0.5, amountOf(s, "agujeros"))); ++i)
            p.drawPath(blob(rnd, pointIn(outline, rnd, 0.8), rnd.range(r * 0.04, r * 0.11), rnd.range(0.8, 1.5)));
    if (has(s, "mordeduras") || has(s, "medialuna")) {
        const int n = int(7 * std::max<qreal>(0.5, std::max(amountOf(s, "mordeduras"), amountOf(s, "medialuna"))));
        for (int i = 0; i < n; ++i) {
            const QPointF at = outline.pointAtPercent(rnd.range(0.08, 0.92));
            const qreal rr = has(s, "medialuna") ? r * 0.07 : rnd.range(r * 0.09, r * 0.2);
            if (has(s, "medialuna"))
                p.drawEllipse(at, rr, rr);
            else
                p.drawPath(blob(rnd, at, rr));
        }
    }
    if (has(s, "devorada")) {
        // Eaten almost whole: only the main veins are left, with ragged
        // shreds of blade along them and round the petiole.
        QPainterPath veins, kept = blob(rnd, g.centre, r * 0.26);
        static const qreal ang[] = {-90, -140, -40, 165, 15}, len[] = {0.85, 0.75, 0.75, 0.55, 0.55};
        for (int k = 0; k < 5; ++k) {
            const qreal t = qDegreesToRadians(ang[k] + g.angle);
            const QPointF dir(qCos(t), qSin(t));
            veins.moveTo(g.centre);
            veins.lineTo(g.centre + dir * r * len[k]);
            for (int i = 1; i <= 3; ++i)
                kept.addPath(blob(rnd, g.centre + dir * r * len[k] * i / 4.0, r * rnd.range(0.05, 0.11)));
        }
        QPainterPathStroker stroke;
        stroke.setWidth(r * 0.07);
        kept = kept.united(stroke.createStroke(veins)).simplified();
        // What was eaten shows what lies behind the leaf, the old edge
        // covered too, so that nothing of the lost outline is left.
        QBrush behind = bg;
        if (behind.style() == Qt::TexturePattern)
            behind.setTransform(p.worldTransform().inverted());
        p.setPen(Qt::NoPen);
        p.setBrush(behind);
        p.drawPath(outline.subtracted(kept));
        p.save();
        QPainterPath around;
        around.addRect(outline.boundingRect().adjusted(-8, -8, 8, 8));
        p.setClipPath(around.subtracted(kept));
        p.strokePath(outline, QPen(behind, 5));
        p.restore();
        p.setPen(QPen(QColor(70, 110, 45), r * 0.03, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(veins);
    }
    if (has(s, "medialunas")) {
        // Half-moons bitten from the margin: round notches cut deep into the
        // blade, whatever is behind showing through, each edged by a thin
        // brown scar.
        p.save();
        QPainterPathStroker margin;  // the blade with its toothed edge line
        margin.setWidth(std::max<qreal>(4, r * 0.05));
        p.setClipPath(outline.united(margin.createStroke(outline)));
        const int n = int(6 * std::max<qreal>(0.5, amountOf(s, "medialunas")));
        for (int i = 0; i < n; ++i) {
            const QPointF edge = outline.pointAtPercent(std::fmod(0.07 + i * 0.8 / n + rnd.range(0, 0.04), 1.0));
            const qreal rr = r * rnd.range(0.15, 0.18);
            const QPointF out = (edge - g.centre) / std::max<qreal>(1, QLineF(edge, g.centre).length());
            p.setPen(QPen(QColor(125, 90, 45), std::max<qreal>(1.6, r * 0.016)));
            p.setBrush(bg);
            p.drawEllipse(edge + out * rr * 0.05, rr, rr);
        }
        p.restore();
    }
    if (has(s, "abanico")) {  // the petiolar sinus wide open
        QPainterPath sinus(g.centre + QPointF(0, r * 0.08));
        sinus.lineTo(g.centre + QPointF(-r * 0.5, r * 0.9));
        sinus.lineTo(g.centre + QPointF(r * 0.5, r * 0.9));
        sinus.closeSubpath();
        p.setPen(Qt::NoPen);
        p.drawPath(sinus.intersected(outline));
        p.setPen(QPen(QColor(60, 100, 40), r * 0.04));
        p.drawLine(g.centre + QPointF(0, r * 0.1), g.centre + QPointF(0, r * 0.75));
    }
    p.restore();
}

// ---------------------------------------------------------------- bunches

void bunchLayers(QPainter &p, const Sketch &s, const QList<Berry> &berries, Random &rnd, const QBrush & /*background*/)
{
    const bool tinta = s.variety != QLatin1String("blanca");
    auto fraction = [&](const char *layer) { return std::clamp(amountOf(s, layer) * 0.35, 0.08, 1.0); };
    auto some = [&](const char *layer, auto each) {
        const qreal f = fraction(layer);
        // A contiguous patch of berries, the way rots spread in a bunch.
        const QPointF centre = berries.isEmpty() ? QPointF() : berries[int(rnd.range(0, berries.size() * 0.8))].c;
        QList<Berry> sorted = berries;
        std::sort(sorted.begin(), sorted.end(), [&](const Berry &a, const Berry &b) {
            return QLineF(a.c, centre).length() < QLineF(b.c, centre).length();
        });
        for (int i = 0; i < int(sorted.size() * f + 0.5); ++i)
            each(sorted[i]);
    };
    if (has(s, "desigual"))
        for (const Berry &b : berries)
            if (rnd.next() < 0.45)
                drawBerry(p, b, tinta ? QColor(150, 120, 90) : QColor(160, 185, 90));
    if (has(s, "pelusilla"))
        some("pelusilla", [&](const Berry &b) {
            drawBerry(p, b, QColor(140, 150, 120));
            fuzz(p, rnd, b.c, b.r * 1.05, QColor(250, 250, 250, 240), 70, 1.4);
        });
    if (has(s, "pardos"))
        some("pardos", [&](const Berry &b) {
            drawBerry(p, b, QColor(120, 80, 60));
            p.setPen(QPen(QColor(70, 40, 30), 0.8));
            p.drawArc(QRectF(b.c - QPointF(b.r * 0.6, b.r * 0.3), QSizeF(b.r * 1.2, b.r * 0.6)), 0, 180 * 16);
        });
    if (has(s, "ceniza"))
        some("ceniza", [&](const Berry &b) {
            softSpot(p, b.c, b.r * 1.05, QColor(215, 215, 210, 150));
            fuzz(p, rnd, b.c, b.r, QColor(240, 240, 236, 230), 160, 1.3);
        });
    if (has(s, "rajados"))
        some("rajados", [&](const Berry &b) {
            p.setPen(QPen(QColor(60, 40, 30), 1.4));
            p.setBrush(QColor(200, 190, 140));
            QPainterPath crack(b.c + QPointF(-b.r * 0.7, -b.r * 0.3));
            crack.lineTo(b.c + QPointF(-b.r * 0.1, b.r * 0.1));
            crack.lineTo(b.c + QPointF(b.r * 0.6, -b.r * 0.1));
            crack.lineTo(b.c + QPointF(b.r * 0.1, b.r * 0.35));
            crack.closeSubpath();
            p.drawPath(crack);
            p.setBrush(QColor(120, 80, 40));
            p.drawEllipse(b.c + QPointF(0, b.r * 0.05), b.r * 0.12, b.r * 0.18);  // a seed shows
        });
    if (has(s, "pardos"))  // berries gone wholly brown, still round: the step before they dry up
        some("pardos", [&](const Berry &b) { drawBerry(p, b, QColor(135, 82, 45)); });
    if (has(s, "arrugados") || has(s, "vaciados") || has(s, "momias")) {
        const char *layer = has(s, "momias") ? "momias" : has(s, "vaciados") ? "vaciados" : "arrugados";
        some(layer, [&](const Berry &b) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(45, 50, 35));  // the shaded inside of the bunch shows round a shrunken berry
            p.drawEllipse(b.c, b.r * 1.0, b.r * 1.03);
            const Berry small{b.c + QPointF(0, b.r * 0.1), b.r * (has(s, "momias") ? 0.78 : 0.85)};
            const QColor c = has(s, "momias") ? QColor(30, 25, 30)
                : has(s, "vaciados")          ? QColor(150, 110, 70)
                : tinta                       ? QColor(70, 40, 55)
                                              : QColor(150, 120, 60);
            drawBerry(p, small, c);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(c.lighter(190), 0.9));
            for (int k = 0; k < 3; ++k)  // wrinkles
                p.drawArc(QRectF(small.c - QPointF(small.r * 0.8, small.r * (0.6 - k * 0.35)),
                                 QSizeF(small.r * 1.6, small.r * 0.5)),
                          200 * 16, 140 * 16);
            if (has(s, "momias")) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(5, 5, 5));
                for (int k = 0; k < 10; ++k)
                    p.drawEllipse(small.c + QPointF(rnd.range(-0.6, 0.6), rnd.range(-0.6, 0.6)) * small.r, 0.9, 0.9);
            }
            if (has(s, "vaciados")) {
                p.setBrush(QColor(60, 35, 20));
                p.drawEllipse(small.c + QPointF(small.r * 0.2, -small.r * 0.1), small.r * 0.35, small.r * 0.25);
            }
        });
    }
    if (has(s, "moho"))  // grey mould: brown berries under a grey felt
        some("moho", [&](const Berry &b) {
            drawBerry(p, b, QColor(110, 75, 55));
            softSpot(p, b.c, b.r * 1.2, QColor(140, 140, 135, 190));
            fuzz(p, rnd, b.c, b.r * 1.2, QColor(120, 120, 115, 240), 200, 1.8);
            fuzz(p, rnd, b.c, b.r * 1.15, QColor(215, 215, 210, 230), 120, 1.4);
        });
    // The secondary moulds, each with its colour: black Aspergillus, olive
    // Alternaria and Cladosporium, blue-green Penicillium, and the coarse
    // white threads with black heads of Rhizopus.
    static const QList<QPair<const char *, QColor>> moulds{{"mohonegro", QColor(25, 22, 20, 240)},
                                                           {"mohooliva", QColor(85, 90, 45, 240)},
                                                           {"mohoazul", QColor(70, 140, 130, 240)},
                                                           {"mohoalgodon", QColor(245, 245, 240, 240)}};
    for (const auto &[name, colour] : moulds)
        if (has(s, name))
            some(name, [&](const Berry &b) {
                drawBerry(p, b, QColor(120, 80, 55));
                fuzz(p, rnd, b.c, b.r * 1.1, colour, 320, 1.9);
                if (QLatin1String(name) == QLatin1String("mohoalgodon")) {
                    p.setPen(QPen(QColor(250, 250, 250, 220), 0.7));
                    for (int k = 0; k < 8; ++k) {
                        const QPointF a = b.c + QPointF(rnd.range(-1, 1), rnd.range(-1, 1)) * b.r;
                        const QPointF e = a + QPointF(rnd.range(-1, 1), rnd.range(-1.3, -0.3)) * b.r * 0.8;
                        p.drawLine(a, e);
                        p.setBrush(QColor(20, 20, 20));
                        p.drawEllipse(e, 1.3, 1.3);
                    }
                }
            });
    if (has(s, "acida"))  // sour rot: brown soft berries leaking juice
        some("acida", [&](const Berry &b) {
            drawBerry(p, b, QColor(140, 85, 45));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 140, 50, 170));
            p.drawEllipse(b.c + QPointF(0, b.r * 1.1), b.r * 0.25, b.r * 0.45);
            p.setBrush(QColor(250, 240, 200, 200));
            p.drawEllipse(b.c - QPointF(b.r * 0.3, b.r * 0.3), b.r * 0.2, b.r * 0.15);
        });
    if (has(s, "ojo"))  // bird's-eye spots
        some("ojo", [&](const Berry &b) {
            const QPointF c = b.c + QPointF(rnd.range(-0.3, 0.3), rnd.range(-0.3, 0.3)) * b.r;
            p.setPen(QPen(QColor(70, 35, 25), b.r * 0.14));
            p.setBrush(QColor(225, 220, 200));
            p.drawEllipse(c, b.r * 0.38, b.r * 0.38);
        });
    if (has(s, "manchas"))
        some("manchas",
             [&](const Berry &b) { softSpot(p, b.c + QPointF(b.r * 0.2, 0), b.r * 0.6, QColor(140, 100, 60, 220)); });
    if (has(s, "cicatrices") || has(s, "corcho"))
        some(has(s, "corcho") ? "corcho" : "cicatrices", [&](const Berry &b) {
            p.setPen(Qt::NoPen);
            const bool silver = has(s, "plateado");
            if (silver)  // a silvery, shining sheet of scar tissue over much of the berry
                p.setPen(QPen(QColor(130, 125, 110), std::max<qreal>(0.5, b.r * 0.06)));
            for (int k = 0; k < (silver ? 3 : 5); ++k) {
                p.setBrush(silver && k < 2 ? QColor(232, 234, 238, 240) : QColor(150, 115, 70, 230));
                p.drawPath(blob(rnd, b.c + QPointF(rnd.range(-0.4, 0.4), rnd.range(-0.5, 0.1)) * b.r,
                                b.r * (silver && k < 2 ? 0.42 : 0.22), 1.5));
            }
            if (silver) {
                p.setPen(
                    QPen(QColor(255, 255, 255, 230), std::max<qreal>(0.6, b.r * 0.08), Qt::SolidLine, Qt::RoundCap));
                p.drawLine(b.c + QPointF(-b.r * 0.35, -b.r * 0.3), b.c + QPointF(b.r * 0.05, -b.r * 0.45));
                p.setPen(Qt::NoPen);
            }
        });
    if (has(s, "huevo"))  // flat, translucent moth eggs; the black head shows before hatching
        some("huevo", [&](const Berry &b) {
            const QPointF c = b.c + QPointF(rnd.range(-0.3, 0.3), rnd.range(-0.3, 0.3)) * b.r;
            p.setPen(QPen(QColor(200, 200, 170, 200), 0.8));
            p.setBrush(QColor(245, 245, 220, 150));
            p.drawEllipse(c, b.r * 0.3, b.r * 0.24);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(20, 20, 20));
            if (has(s, "cabezanegra"))
                p.drawEllipse(c + QPointF(b.r * 0.08, 0), b.r * 0.07, b.r * 0.07);
        });
    if (has(s, "picaduras"))
        some("picaduras", [&](const Berry &b) {
            const QPointF c = b.c + QPointF(rnd.range(-0.3, 0.3), rnd.range(-0.3, 0.3)) * b.r;
            softSpot(p, c, b.r * 0.4, QColor(240, 235, 200, 170));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 30, 20));
            p.drawEllipse(c, b.r * 0.08, b.r * 0.08);
        });
    if (has(s, "abierto"))  // torn open by wasps: a ragged hole into the pale flesh, the must running down
        some("abierto", [&](const Berry &b) {
            const QPointF c = b.c + QPointF(b.r * 0.1, -b.r * 0.2);
            p.setPen(QPen(QColor(60, 25, 40), 1.2));
            p.setBrush(QColor(205, 195, 125));
            p.drawPath(blob(rnd, c, b.r * 0.42, 1.15));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(160, 130, 65, 210));  // the hollow eaten into the flesh
            p.drawPath(blob(rnd, c + QPointF(0, b.r * 0.05), b.r * 0.22));
            const QPointF from = c + QPointF(-b.r * 0.15, b.r * 0.32), to = c + QPointF(-b.r * 0.2, b.r * 1.35);
            QPainterPath run(from);
            run.cubicTo(from + QPointF(-b.r * 0.12, b.r * 0.4), to + QPointF(b.r * 0.1, -b.r * 0.4), to);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(200, 160, 70, 215), b.r * 0.12, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(run);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(205, 165, 75, 230));
            p.drawEllipse(to + QPointF(0, b.r * 0.06), b.r * 0.09, b.r * 0.13);
        });
    if (has(s, "agujero"))
        some("agujero", [&](const Berry &b) {
            p.setPen(QPen(QColor(90, 50, 30), 0.8));
            p.setBrush(QColor(70, 40, 30));
            p.drawEllipse(b.c + QPointF(b.r * 0.2, -b.r * 0.1), b.r * 0.22, b.r * 0.18);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 170, 120, 220));  // frass and silk at the hole
            p.drawEllipse(b.c + QPointF(b.r * 0.35, b.r * 0.15), b.r * 0.15, b.r * 0.1);
        });
    if (has(s, "picoteados"))
        some("picoteados", [&](const Berry &b) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(45, 50, 35));
            p.drawEllipse(b.c, b.r * 1.05, b.r * 1.05);
            p.setPen(QPen(QColor(120, 110, 60), 1.2));
            p.drawLine(b.c - QPointF(0, b.r), b.c);  // the bare pedicel
            p.setBrush(QColor(140, 90, 100));
            p.drawEllipse(b.c, b.r * 0.2, b.r * 0.15);
        });
    if (has(s, "pelicula") && !berries.isEmpty()) {
        // Sooty mould as a dull black film smeared over the berries, patchy
        // and running from one berry onto the next, with no shine of its
        // own; the honeydew it grows on still glistens in drops over it.
        QPainterPath skins;
        for (const Berry &b : berries)
            skins.addEllipse(b.c, b.r, b.r);
        QRectF box = skins.boundingRect();
        p.save();
        p.setClipPath(skins);
        for (int i = 0; i < 7; ++i) {
            const QPointF c(rnd.range(box.left() + box.width() * 0.15, box.right() - box.width() * 0.15),
                            rnd.range(box.top() + box.height() * 0.1, box.bottom() - box.height() * 0.2));
            const qreal r = rnd.range(0.12, 0.2) * box.width();
            softSpot(p, c, r * 1.25, QColor(40, 40, 36, 110));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(38, 37, 33, 175));
            p.drawPath(blob(rnd, c, r, 1.3));
            fuzz(p, rnd, c, r * 1.3, QColor(30, 30, 28, 160), 90, 1.3);
        }
        p.restore();
        p.setPen(QPen(QColor(170, 130, 50, 200), 0.7));
        for (int i = 0; i < 26; ++i) {  // the drops of honeydew
            const Berry &b = berries[int(rnd.range(0, berries.size()))];
            const QPointF at = b.c + QPointF(rnd.range(-0.5, 0.5), rnd.range(-0.5, 0.5)) * b.r;
            const qreal r = rnd.range(2.2, 3.6);
            p.setBrush(QColor(235, 195, 90, 190));
            p.drawEllipse(at, r, r * 1.2);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 245, 240));
            p.drawEllipse(at + QPointF(-r * 0.35, -r * 0.4), r * 0.35, r * 0.3);
            p.setPen(QPen(QColor(170, 130, 50, 200), 0.7));
        }
    } else if (has(s, "negrilla") || has(s, "melaza"))
        for (const Berry &b : berries)
            if (rnd.next() < 0.5) {
                softSpot(p, b.c + QPointF(rnd.range(-0.4, 0.4), rnd.range(-0.4, 0.4)) * b.r, b.r * 0.7,
                         has(s, "negrilla") ? QColor(20, 20, 18, 210) : QColor(240, 220, 120, 150));
                if (has(s, "negrilla") && has(s, "melaza")) {  // the sticky honeydew shining over the soot
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(255, 250, 225, 235));
                    p.drawEllipse(b.c + QPointF(-b.r * 0.3, -b.r * 0.35), b.r * 0.22, b.r * 0.14);
                }
            }
    if (has(s, "telas")) {  // silk threads binding berries or flower buds together
        for (int i = 0; i < 40 && berries.size() > 2; ++i) {
            const Berry &a = berries[int(rnd.range(0, berries.size() * 0.5))];
            const Berry &b = berries[int(rnd.range(0, berries.size() * 0.5))];
            p.setPen(QPen(QColor(90, 90, 80, 120), 1.6));
            p.drawLine(a.c + QPointF(0.8, 0.8), b.c + QPointF(0.8, 0.8));
            p.setPen(QPen(QColor(255, 255, 255, 235), 1.1));
            p.drawLine(a.c, b.c);
        }
    }
    if (has(s, "costras") || has(s, "lesiones")) {  // on the rachis
        if (!berries.isEmpty()) {
            const QPointF top = berries.first().c - QPointF(0, 30);
            p.setPen(QPen(QColor(70, 45, 25), 1));
            p.setBrush(has(s, "costras") ? QColor(130, 95, 60) : QColor(40, 30, 25));
            for (int k = 0; k < 4; ++k)
                p.drawPath(blob(rnd, top + QPointF(rnd.range(-4, 4), 6 + k * 7), 3.2, 0.6));
        }
    }
}

// ---------------------------------------------------------------- stems and wood

void stemLayers(QPainter &p, const Sketch &s, const QList<QLineF> &segments, Random &rnd, bool green)
{
    auto along = [&](qreal t) {
        const qreal pos = t * segments.size();
        const int i = std::clamp(int(pos), 0, int(segments.size()) - 1);
        return segments[i].pointAt(pos - i);
    };
    const QLineF whole(segments.first().p1(), segments.last().p2());
    const qreal angle = -whole.angle();
    if (has(s, "blanquecino")) {  // bleached bark at the base, or at the tip of a badly ripened cane
        p.setPen(QPen(QColor(215, 210, 195), green ? 9 : 13, Qt::SolidLine, Qt::RoundCap));
        if (has(s, "base") || green)
            p.drawLine(along(0.0), along(0.4));
        else
            p.drawLine(along(0.55), along(1.0));
    }
    if (has(s, "islasverdes"))
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(along(rnd.range(0.1, 0.9)));
            p.rotate(angle);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(90, 150, 60));
            p.drawEllipse(QPointF(0, 0), rnd.range(6, 14), 4);
            p.restore();
        }
    auto lesions = [&](int n, qreal len, const QColor &fill, const QColor &rim, qreal from, qreal to) {
        for (int i = 0; i < n; ++i) {
            p.save();
            p.translate(along(rnd.range(from, to)) + QPointF(rnd.range(-1.5, 1.5), rnd.range(-1.5, 1.5)));
            p.rotate(angle);
            p.setPen(QPen(rim, 1.3));
            p.setBrush(fill);
            p.drawEllipse(QPointF(0, 0), len * rnd.range(0.6, 1.2), len * 0.35);
            p.restore();
        }
    };
    if (has(s, "cancros"))
        lesions(7, 8, QColor(175, 170, 160), QColor(25, 20, 15), 0.05, 0.9);
    if (has(s, "manchasnegras"))
        lesions(9, 7, QColor(30, 25, 20), QColor(15, 10, 10), 0.0, has(s, "base") ? 0.4 : 0.9);
    if (has(s, "costras"))  // corky scabs: at the base of a shoot, all along a cane
        lesions(green ? 8 : 12, green ? 8 : 11, QColor(150, 118, 75), QColor(80, 55, 30), 0.0, green ? 0.45 : 0.95);
    if (has(s, "manchasmarrones"))  // diffuse reddish-brown web-like patches
        for (int i = 0; i < 7; ++i)
            fuzz(p, rnd, along(rnd.range(0.05, 0.95)), 9, QColor(95, 45, 30, 220), 90, 1.2);
    if (has(s, "estrias")) {  // corky brown streaks and scars along the internodes
        const QPointF dir(qCos(qDegreesToRadians(-whole.angle())), qSin(qDegreesToRadians(-whole.angle())));
        for (int i = 0; i < 18; ++i) {
            const QPointF a = along(rnd.range(0.05, 0.95)) + QPointF(rnd.range(-2, 2), rnd.range(-2, 2));
            const qreal len = rnd.range(8, 18);
            p.setPen(QPen(QColor(95, 65, 35), 3.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(a, a + dir * len);
            p.setPen(QPen(QColor(165, 125, 80), 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(a + dir * 1.5, a + dir * (len - 1.5));
        }
    }
    if (has(s, "picnidios") || has(s, "pustulas")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(15, 12, 10));
        // On a cane bleached at its end the pycnidia dot the bleached part.
        const bool onBleached = has(s, "blanquecino") && !has(s, "base") && !green;
        const qreal from = onBleached ? 0.55 : 0, to = onBleached ? 1.0 : has(s, "picnidios") ? 0.45 : 1;
        for (int i = 0; i < 70; ++i)
            p.drawEllipse(along(rnd.range(from, to)) + QPointF(rnd.range(-3, 3), rnd.range(-3, 3)), 0.9, 0.9);
    }
    if (has(s, "ceniza"))  // powdery mildew marks on the shoot
        for (int i = 0; i < 6; ++i)
            fuzz(p, rnd, along(rnd.range(0.1, 0.9)), 7, green ? QColor(235, 235, 230, 220) : QColor(70, 40, 30, 200),
                 60);
    if (has(s, "orificio") || has(s, "serrin")) {
        const QPointF at = along(0.5);
        p.setPen(Qt::NoPen);
        if (has(s, "serrin")) {
            p.setBrush(QColor(215, 190, 150));
            for (int i = 0; i < 30; ++i)
                p.drawEllipse(at + QPointF(rnd.range(-6, 6), rnd.range(2, 18)), 1.2, 0.8);
        }
        p.setBrush(QColor(25, 15, 10));
        p.drawEllipse(at, 3.2, 3.2);
    }
    if (has(s, "huevosrojos")) {  // the winter eggs packed round the base of the bud, round and red
        for (int i = 0; i < 34; ++i) {
            const QPointF at = along(0.5) + QPointF(rnd.range(-15, 15), rnd.range(-1, 9));
            p.setPen(QPen(QColor(110, 20, 15), 0.5));
            p.setBrush(QColor(205, 40, 30));
            p.drawEllipse(at, 2.3, 2.3);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 170, 150, 200));
            p.drawEllipse(at + QPointF(-0.7, -0.8), 0.7, 0.7);
        }
    }
}

void woodLayers(QPainter &p, const Sketch &s, const QPainterPath &trunk, Random &rnd)
{
    p.save();
    p.setClipPath(trunk);
    const QRectF b = trunk.boundingRect();
    const QPointF mid(b.center().x(), b.top() + b.height() * 0.55);
    if (has(s, "chancro")) {  // a sunken canker around an old pruning wound
        p.setPen(QPen(QColor(50, 30, 20), 2));
        p.setBrush(QColor(70, 45, 30));
        p.drawPath(blob(rnd, mid, 22, 0.6));
        p.setBrush(QColor(180, 150, 110));
        p.drawEllipse(mid - QPointF(0, 8), 7, 5);  // the wound
    }
    if (has(s, "roida")) {  // gnawed bark, tooth marks in the bare wood
        const QPointF at(b.center().x(), b.bottom() - 25);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(225, 205, 160));
        p.drawPath(blob(rnd, at, 16, 0.9));
        p.setPen(QPen(QColor(170, 140, 100), 1));
        for (int k = 0; k < 10; ++k) {
            const QPointF a = at + QPointF(rnd.range(-10, 10), rnd.range(-12, 10));
            p.drawLine(a, a + QPointF(1.5, 5));
        }
    }
    if (has(s, "dientes")) {
        // Bark stripped off the foot of the trunk by rabbits: the pale wood
        // bare in a ragged patch, scored all over by the paired grooves of
        // their front teeth.
        const QPointF at(b.center().x(), b.bottom() - 48);
        p.setPen(QPen(QColor(90, 60, 35), 1.6));
        p.setBrush(QColor(228, 208, 165));
        p.drawPath(blob(rnd, at, 32, 0.6));
        p.setPen(QPen(QColor(165, 130, 90), 1.3, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 16; ++k) {
            const QPointF a = at + QPointF(rnd.range(-13, 9), rnd.range(-24, 18));
            const QPointF d(2.2, 7.5);
            p.drawLine(a, a + d);
            p.drawLine(a + QPointF(2.6, 0), a + QPointF(2.6, 0) + d);
        }
    }
    if (has(s, "estromas")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 18, 15));
        p.drawPath(blob(rnd, mid - QPointF(0, 30), 20, 0.8));
        p.setBrush(QColor(60, 55, 50));
        for (int i = 0; i < 40; ++i)
            p.drawEllipse(mid - QPointF(0, 30) + QPointF(rnd.range(-12, 12), rnd.range(-14, 14)), 0.8, 0.8);
    }
    if (has(s, "agallas")) {  // crown-gall tumours at the graft union
        // Young galls are whitish and soft; a frost leaves a string of them up the trunk.
        const bool young = has(s, "agallasjovenes"), string = has(s, "cordon");
        for (int i = 0; i < (string ? 8 : 4); ++i) {
            const QPointF at(b.center().x() + rnd.range(-18, 18),
                             string ? b.bottom() - 20 - i * (b.height() * 0.55 / 8) : b.bottom() - rnd.range(20, 60));
            QRadialGradient gr(at - QPointF(5, 5), 20);
            gr.setColorAt(0, young ? QColor(250, 245, 230) : QColor(200, 175, 130));
            gr.setColorAt(1, young ? QColor(205, 195, 165) : QColor(100, 70, 45));
            p.setClipping(false);
            p.setPen(QPen(QColor(70, 50, 30), 1.2));
            p.setBrush(gr);
            p.drawPath(blob(rnd, at, string ? rnd.range(8, 12) : rnd.range(10, 18)));
            p.setPen(QPen(QColor(70, 50, 30), 0.8));
            for (int k = 0; k < 5; ++k)
                p.drawLine(at + QPointF(rnd.range(-8, 8), rnd.range(-8, 8)),
                           at + QPointF(rnd.range(-8, 8), rnd.range(-8, 8)));
            p.setClipPath(trunk);
        }
    }
    if (has(s, "galerias") || has(s, "orificio")) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < (has(s, "galerias") ? 9 : 3); ++i) {
            const QPointF at(b.center().x() + rnd.range(-15, 15),
                             rnd.range(b.top() + b.height() * 0.35, b.bottom() - 10));
            p.setBrush(QColor(205, 180, 140));
            p.drawEllipse(at + QPointF(0, 5), 4, 2.5);
            p.setBrush(QColor(25, 15, 10));
            p.drawEllipse(at, 2.8, 2.8);
        }
    }
    if (has(s, "grietas")) {
        p.setPen(QPen(QColor(35, 22, 15), 2));
        for (int i = 0; i < 6; ++i) {
            QPointF at(b.center().x() + rnd.range(-15, 15), rnd.range(b.top() + b.height() * 0.3, b.bottom() - 20));
            QPainterPath crack(at);
            for (int k = 0; k < 4; ++k)
                crack.lineTo(at += QPointF(rnd.range(-3, 3), rnd.range(5, 10)));
            p.setBrush(Qt::NoBrush);
            p.drawPath(crack);
        }
    }
    if (has(s, "anillo")) {
        // The bark gnawed off all round the foot in a ragged band, the pale
        // wood beneath scored with the fine paired marks of the teeth.
        const qreal top = b.bottom() - 62, bottom = b.bottom() - 22;
        QPainterPath band(QPointF(b.left(), top));
        for (qreal x = b.left(); x <= b.right(); x += 7)
            band.lineTo(QPointF(x, top + rnd.range(-6, 6)));
        for (qreal x = b.right(); x >= b.left(); x -= 7)
            band.lineTo(QPointF(x, bottom + rnd.range(-6, 6)));
        band.closeSubpath();
        p.setPen(QPen(QColor(75, 50, 30), 1.8));
        p.setBrush(QColor(232, 212, 168));
        p.drawPath(band);
        p.setPen(QPen(QColor(185, 150, 105), 1.1, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 60; ++k) {
            const QPointF a(rnd.range(b.left(), b.right()), rnd.range(top + 4, bottom - 6));
            p.drawLine(a, a + QPointF(rnd.range(-1.5, 1.5), 5));
            p.drawLine(a + QPointF(2.2, 0), a + QPointF(2.2 + rnd.range(-1.5, 1.5), 5));
        }
    }
    if (has(s, "abierto")) {
        // The old wood split open lengthwise: inside, the termites' galleries
        // running along the grain, joined across, their walls dark and
        // plastered with earth.
        const QRectF window(b.center().x() - 26, b.top() + b.height() * 0.3, 52, b.height() * 0.6);
        p.setPen(QPen(QColor(90, 62, 40), 2));
        p.setBrush(QColor(220, 192, 145));
        p.drawRoundedRect(window, 16, 24);
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 4; ++k) {
            const qreal x = window.left() + 9 + k * 11.5;
            QPainterPath g(QPointF(x, window.top() + 14));
            for (qreal y = window.top() + 30; y < window.bottom() - 10; y += 16)
                g.lineTo(QPointF(x + rnd.range(-4, 4), y));
            p.setPen(QPen(QColor(70, 45, 28), 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(g);
            p.setPen(QPen(QColor(35, 22, 14), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(g);
        }
        p.setPen(QPen(QColor(35, 22, 14), 3, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 5; ++k) {  // the cross passages between them
            const qreal y = rnd.range(window.top() + 25, window.bottom() - 20);
            const qreal x = window.left() + 9 + int(rnd.range(0, 3)) * 11.5;
            p.drawLine(QPointF(x, y), QPointF(x + 11.5, y + rnd.range(-4, 4)));
        }
    }
    if (has(s, "acanaladuras") || has(s, "punteadomadera")) {
        // The bark taken off: the wood beneath grooved lengthwise, or pitted.
        const QRectF window(b.center().x() - 22, b.top() + b.height() * 0.35, 44, b.height() * 0.5);
        p.setPen(QPen(QColor(90, 62, 40), 1.5));
        p.setBrush(QColor(215, 185, 135));
        p.drawRoundedRect(window, 14, 20);
        if (has(s, "acanaladuras")) {
            for (int k = 0; k < 6; ++k) {
                const qreal x = window.left() + 6 + k * 6.5;
                p.setPen(QPen(QColor(120, 85, 50), 2.4, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(x, window.top() + rnd.range(6, 20)),
                           QPointF(x + rnd.range(-1.5, 1.5), window.bottom() - rnd.range(6, 20)));
                p.setPen(QPen(QColor(240, 220, 180), 0.8));
                p.drawLine(QPointF(x + 1.6, window.top() + 18), QPointF(x + 1.6, window.bottom() - 18));
            }
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(110, 75, 45));
            for (int k = 0; k < 60; ++k)
                p.drawEllipse(QPointF(rnd.range(window.left() + 6, window.right() - 6),
                                      rnd.range(window.top() + 8, window.bottom() - 8)),
                              1.3, 1.8);
        }
    }
    if (has(s, "suberosa")) {  // thick corky bark at the foot, split into plates
        const QRectF foot(b.left(), b.bottom() - 75, b.width(), 75);
        p.fillRect(foot, QColor(150, 118, 82));
        p.setPen(QPen(QColor(55, 35, 22), 2.2));
        for (int k = 0; k < 9; ++k) {
            QPointF at(b.center().x() + rnd.range(-28, 28), foot.top() + rnd.range(0, 20));
            QPainterPath crack(at);
            for (int j = 0; j < 5; ++j)
                crack.lineTo(at += QPointF(rnd.range(-5, 5), rnd.range(8, 14)));
            p.setBrush(Qt::NoBrush);
            p.drawPath(crack);
        }
        p.setPen(QPen(QColor(80, 55, 35), 1.2));
        for (int k = 0; k < 10; ++k) {
            const QPointF a(b.center().x() + rnd.range(-28, 20), foot.top() + rnd.range(10, 70));
            p.drawLine(a, a + QPointF(rnd.range(6, 12), rnd.range(-2, 2)));
        }
    }
    if (has(s, "engrosamiento")) {  // the scion swells above the graft union
        const qreal y = b.bottom() - 70;
        p.setClipping(false);
        QLinearGradient g(b.center().x() - 45, 0, b.center().x() + 45, 0);
        g.setColorAt(0, QColor(95, 70, 48));
        g.setColorAt(0.45, QColor(140, 110, 80));
        g.setColorAt(1, QColor(75, 55, 38));
        const qreal cx = b.center().x();
        QPainterPath left(QPointF(cx - 25, y - 100)), right(QPointF(cx + 25, y - 100));
        left.cubicTo(QPointF(cx - 52, y - 70), QPointF(cx - 54, y), QPointF(cx - 30, y + 18));
        right.cubicTo(QPointF(cx + 52, y - 70), QPointF(cx + 54, y), QPointF(cx + 30, y + 18));
        QPainterPath barrel = left;
        barrel.lineTo(right.currentPosition());
        barrel.connectPath(right.toReversed());
        barrel.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(barrel);
        p.setPen(QPen(QColor(60, 42, 28), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(left);
        p.drawPath(right);
        p.setPen(QPen(QColor(45, 30, 20), 3));
        p.drawLine(QPointF(b.center().x() - 30, y + 20), QPointF(b.center().x() + 30, y + 16));  // the graft line
        p.setPen(QPen(QColor(60, 42, 28, 160), 1.2));
        for (int k = 0; k < 8; ++k) {
            const qreal x = b.center().x() + rnd.range(-30, 30);
            p.drawLine(QPointF(x, y - 65), QPointF(x + rnd.range(-3, 3), y + 5));
        }
        p.setClipPath(trunk);
    }
    if (has(s, "micelio")) {  // bark lifted at the collar: white fans of mycelium on the wood
        const QPointF at(b.center().x(), b.bottom() - 45);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 165, 115));
        p.drawPath(blob(rnd, at, 34, 1.5));
        for (int f = 0; f < 3; ++f) {
            const QPointF root = at + QPointF(rnd.range(-14, 14), 30);
            p.setPen(QPen(QColor(252, 250, 240, 230), 1.3));
            for (int k = 0; k < 14; ++k) {
                const qreal a = qDegreesToRadians(-90 + (k - 6.5) * 7.0);
                p.drawLine(root, root + QPointF(qCos(a), qSin(a)) * rnd.range(30, 52));
            }
        }
    }
    if (has(s, "descortezado")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(185, 150, 105));
        p.drawPath(blob(rnd, mid, 20, 0.7));
    }
    if (has(s, "crias"))  // the mealybug's crawlers, tiny and orange, spreading from under the bark
        for (int i = 0; i < 9; ++i)
            drawOrganism(p, QStringLiteral("cochinilla-anaranjado"),
                         mid + QPointF(rnd.range(-22, 22), (i % 2 ? 1 : -1) * rnd.range(42, 80)), rnd.range(14, 17),
                         rnd.range(-180, 180), rnd);
    p.restore();
}

void sectionLayers(QPainter &p, const Sketch &s, QPointF c, qreal r, Random &rnd)
{
    QPainterPath disc;
    disc.addEllipse(c, r * 0.94, r * 0.86);
    p.save();
    p.setClipPath(disc);
    if (has(s, "cuna")) {  // hard brown necrosis in a wedge, point at the pith
        QPainterPath wedge(c);
        wedge.arcTo(QRectF(c.x() - r * 1.1, c.y() - r * 1.1, r * 2.2, r * 2.2), 40, 70);
        wedge.closeSubpath();
        p.setPen(QPen(QColor(60, 35, 20), 1.5));
        p.setBrush(QColor(115, 70, 40));
        p.drawPath(wedge);
    }
    if (has(s, "yesca")) {  // soft whitish-yellow rot in the centre, ringed by a dark line
        const QPainterPath rot = blob(rnd, c + QPointF(r * 0.1, r * 0.05), r * 0.5);
        p.setPen(QPen(QColor(60, 35, 25), r * 0.05));
        p.setBrush(QColor(240, 228, 185));
        p.drawPath(rot);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(225, 210, 160));
        for (int i = 0; i < 40; ++i)
            p.drawEllipse(c + QPointF(rnd.range(-r * 0.35, r * 0.45), rnd.range(-r * 0.35, r * 0.4)), 2, 1.4);
    }
    if (has(s, "punteado")) {  // black dots of the vessels
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(25, 20, 15));
        for (int i = 0; i < 50; ++i) {
            const qreal a = rnd.range(0, 2 * M_PI), d = r * rnd.range(0.55, 0.85);
            p.drawEllipse(c + QPointF(d * qCos(a), d * 0.9 * qSin(a)), 1.5, 1.5);
        }
    }
    if (has(s, "galerias")) {
        p.setPen(QPen(QColor(60, 40, 25), r * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 5; ++i) {
            QPointF at = c + QPointF(rnd.range(-r * 0.5, r * 0.5), rnd.range(-r * 0.5, r * 0.5));
            QPainterPath g(at);
            for (int k = 0; k < 4; ++k)
                g.lineTo(at += QPointF(rnd.range(-r * 0.2, r * 0.2), rnd.range(-r * 0.2, r * 0.2)));
            p.drawPath(g);
        }
    }
    if (has(s, "excrementos")) {  // the termites' droppings: small pale-brown pellets packed in heaps
        p.setPen(QPen(QColor(110, 80, 50), 0.5));
        for (int h = 0; h < 4; ++h) {
            const QPointF heap = c + QPointF(rnd.range(-r * 0.55, r * 0.55), rnd.range(-r * 0.5, r * 0.5));
            for (int i = 0; i < 16; ++i) {
                p.setBrush(rnd.next() < 0.5 ? QColor(185, 140, 90) : QColor(150, 105, 65));
                p.save();
                p.translate(heap + QPointF(rnd.range(-r * 0.1, r * 0.1), rnd.range(-r * 0.07, r * 0.07)));
                p.rotate(rnd.range(0, 180));
                p.drawEllipse(QPointF(0, 0), r * 0.035, r * 0.02);
                p.restore();
            }
        }
    }
    if (has(s, "necrosis")) {  // a dark sector of dead wood
        QPainterPath sector(c);
        sector.arcTo(QRectF(c.x() - r * 1.1, c.y() - r * 1.1, r * 2.2, r * 2.2), 200, 110);
        sector.closeSubpath();
        p.fillPath(sector, QColor(70, 45, 30, 230));
    }
    p.restore();
}

void rootLayers(QPainter &p, const Sketch &s, const QList<QLineF> &fine, Random &rnd)
{
    for (const QLineF &l : fine) {
        if (has(s, "nudosidades")) {  // yellowish hooked swellings at the rootlet tips
            p.setPen(QPen(QColor(150, 120, 50), 0.8));
            p.setBrush(QColor(230, 205, 110));
            p.drawEllipse(l.p2(), 4.5, 3.2);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(220, 190, 100), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(l.p2() - QPointF(2, 0), QSizeF(7, 7)), 90 * 16, 180 * 16);
        }
        if (has(s, "agallas")) {  // rounded galls strung along the roots
            for (int k = 1; k <= 2; ++k) {
                const QPointF at = l.pointAt(k / 3.0);
                QRadialGradient gr(at - QPointF(1.5, 1.5), 5);
                gr.setColorAt(0, QColor(240, 220, 180));
                gr.setColorAt(1, QColor(180, 140, 95));
                p.setPen(QPen(QColor(140, 100, 60), 0.7));
                p.setBrush(gr);
                p.drawEllipse(at, rnd.range(3.5, 5.5), rnd.range(3, 4.5));
            }
        }
        if (has(s, "puntas")) {  // swollen, browning rootlet tips
            const qreal a = amountOf(s, "puntas");
            if (a > 1) {
                // Seen closer: each tip a club along the rootlet, pale where
                // it starts to swell, dark and dead at its end.
                p.save();
                p.translate(l.p2());
                p.rotate(-l.angle());
                QLinearGradient club(-7 * a, 0, 4 * a, 0);
                club.setColorAt(0, QColor(200, 165, 115));
                club.setColorAt(0.55, QColor(120, 75, 40));
                club.setColorAt(1, QColor(45, 28, 18));
                p.setPen(QPen(QColor(60, 38, 22), 0.9));
                p.setBrush(club);
                p.drawEllipse(QPointF(-1.5 * a, 0), 5 * a, 2.8 * a);
                p.restore();
            } else {
                p.setPen(QPen(QColor(90, 60, 35), 0.8));
                p.setBrush(QColor(150, 105, 60));
                p.drawEllipse(l.p2(), 4, 3.2);
            }
        }
        if (has(s, "masas")) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(150, 100, 50));
            p.drawEllipse(l.pointAt(0.5), 3, 3);
        }
        if (has(s, "roidas") && rnd.next() < 0.6) {  // stubs instead of rootlets
            p.setPen(QPen(QColor(120, 90, 60), 3.5, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(l.pointAt(0.45), l.p2());
            p.setPen(QPen(QColor(100, 70, 45), 3.5, Qt::SolidLine, Qt::FlatCap));
            p.drawPoint(l.pointAt(0.45));
        }
        if (has(s, "comidas")) {
            // Rootlets eaten off: most end short in a pale bitten stump, the
            // rest gnawed bare in patches.
            if (rnd.next() < 0.7) {
                p.setPen(QPen(QColor(112, 80, 50), 4.5, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(l.pointAt(0.42), l.p2());
                p.setPen(QPen(QColor(80, 55, 32), 0.8));
                p.setBrush(QColor(240, 222, 180));
                p.drawEllipse(l.pointAt(0.4), 2.6, 2.6);
            } else {
                p.setPen(QPen(QColor(240, 222, 180), 3, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(l.pointAt(0.3), l.pointAt(0.5));
            }
        }
        if (has(s, "podredumbre")) {
            p.setPen(QPen(QColor(50, 35, 25), 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(l);
        }
        if (has(s, "micelio")) {  // a white felt of mould over the roots
            fuzz(p, rnd, l.pointAt(0.5), QLineF(l).length() * 0.45, QColor(250, 250, 245, 230), 40, 1.6);
            p.setPen(QPen(QColor(250, 250, 245, 220), 0.8));
            for (int k = 0; k < 3; ++k) {
                const QPointF a = l.pointAt(rnd.next());
                p.drawLine(a, a + QPointF(rnd.range(-6, 6), rnd.range(-6, 6)));
            }
        }
    }
    if (has(s, "tuberosidades") && !fine.isEmpty())
        for (int i = 0; i < 5; ++i) {
            const QLineF &l = fine[int(rnd.range(0, fine.size()))];
            const QPointF at = l.p1();
            p.setPen(QPen(QColor(90, 60, 35), 1));
            p.setBrush(QColor(175, 135, 80));
            p.drawEllipse(at, 8, 6);
            p.setPen(QPen(QColor(60, 35, 20), 1.2));
            p.drawLine(at - QPointF(5, 2), at + QPointF(4, 1));
            p.drawLine(at - QPointF(2, -3), at + QPointF(2, 3));
        }
}

// The blunt end of a root cut through by teeth: the pale wood of the cut
// face across the root, ringed by its bark.
void cutEnd(QPainter &p, QPointF at, QPointF along, qreal width)
{
    p.save();
    p.translate(at);
    p.rotate(qRadiansToDegrees(std::atan2(along.y(), along.x())));
    p.setPen(QPen(QColor(110, 75, 45), std::max<qreal>(1, width * 0.12)));
    p.setBrush(QColor(242, 228, 192));
    p.drawEllipse(QPointF(0, 0), width * 0.32, width * 0.56);
    p.setPen(QPen(QColor(200, 170, 120), 0.8));  // the marks of the incisors on the cut face
    for (int k = -1; k <= 1; ++k)
        p.drawLine(QPointF(-width * 0.15, k * width * 0.2), QPointF(width * 0.15, k * width * 0.2 + width * 0.08));
    p.restore();
}

// A root laid out from `a` to `b`, `width` thick at `a` and tapering.
void rootPiece(QPainter &p, QPointF a, QPointF b, qreal width, qreal taper = 0.7)
{
    const QColor bark(150, 108, 68);
    const QLineF l(a, b);
    const int steps = 6;
    for (int i = 0; i < steps; ++i) {
        const qreal w = width * (1 - (1 - taper) * i / qreal(steps));
        p.setPen(QPen(bark.darker(135), w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(l.pointAt(i / qreal(steps)), l.pointAt((i + 1) / qreal(steps)));
    }
    for (int i = 0; i < steps; ++i) {
        const qreal w = width * (1 - (1 - taper) * i / qreal(steps));
        p.setPen(QPen(bark, w * 0.62, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(l.pointAt(i / qreal(steps)) + QPointF(0, -w * 0.1), l.pointAt((i + 1) / qreal(steps)));
    }
}

// A stretch of root whose bark has been gnawed away: the pale wood laid
// bare between ragged edges of bark, scored across by the incisors.
void strippedPatch(QPainter &p, const QLineF &root, qreal from, qreal to, qreal width, Random &rnd)
{
    const QPointF a = root.pointAt(from), b = root.pointAt(to);
    const QLineF seg(a, b);
    const QPointF dir = (b - a) / std::max<qreal>(1, seg.length());
    const QPointF normal(-dir.y(), dir.x());
    QPainterPath bare;  // ragged at both ends where the bark was torn
    const int n = 8;
    bare.moveTo(a + normal * width * 0.42);
    for (int k = 1; k <= n; ++k)
        bare.lineTo(a + (b - a) * (k / qreal(n)) + normal * width * rnd.range(0.32, 0.46));
    for (int k = 0; k < 4; ++k)
        bare.lineTo(b + normal * width * (0.3 - k * 0.22) + dir * rnd.range(-5, 5));
    for (int k = n; k >= 0; --k)
        bare.lineTo(a + (b - a) * (k / qreal(n)) - normal * width * rnd.range(0.32, 0.46));
    for (int k = 0; k < 4; ++k)
        bare.lineTo(a - normal * width * (0.3 - k * 0.22) + dir * rnd.range(-5, 5));
    bare.closeSubpath();
    p.setPen(QPen(QColor(120, 85, 50), 1.1));
    p.setBrush(QColor(240, 226, 188));
    p.drawPath(bare);
    p.save();
    p.setClipPath(bare);
    p.setPen(QPen(QColor(185, 150, 100), 1.1, Qt::SolidLine, Qt::RoundCap));
    const int marks = int(seg.length() / 4.5);
    for (int k = 0; k < marks; ++k) {  // the paired grooves of the teeth, slanting across
        const QPointF c = a + (b - a) * ((k + 0.5) / marks) + normal * rnd.range(-width * 0.12, width * 0.12);
        p.drawLine(c - normal * width * 0.3 - dir * 2, c + normal * width * 0.3 + dir * 2);
    }
    p.restore();
}

// A flower cluster before bloom, seen close: the stalk and its branching
// rachis, every branchlet ending in a tight knot of small round flower
// buds, and the wing on one side near the top. Blackened, it is dry and
// black from stalk to buds, the buds shrivelled.
void drawInflorescence(QPainter &p, QPointF top, qreal h, bool blackened, Random &rnd)
{
    const QColor stalk = blackened ? QColor(30, 24, 20) : QColor(100, 145, 60);
    auto bud = [&](QPointF at, qreal r) {
        QColor c = blackened ? (rnd.next() < 0.8 ? QColor(30, 24, 20) : QColor(75, 52, 32)) : QColor(165, 198, 95);
        QRadialGradient g(at - QPointF(r * 0.35, r * 0.35), r * 1.3);
        g.setColorAt(0, c.lighter(blackened ? 160 : 125));
        g.setColorAt(1, c.darker(125));
        p.setPen(QPen(c.darker(170), 0.6));
        p.setBrush(g);
        if (blackened)
            p.drawEllipse(at, r * rnd.range(0.6, 0.85), r * rnd.range(0.75, 0.95));
        else
            p.drawEllipse(at, r * 0.85, r);
    };
    auto knot = [&](QPointF at, int n, qreal r) {
        for (int i = 0; i < n; ++i) {
            const qreal a = rnd.range(0, 2 * M_PI), d = r * 1.4 * std::sqrt(rnd.next());
            bud(at + QPointF(qCos(a) * d, qSin(a) * d), r);
        }
    };
    const QPointF bottom = top + QPointF(rnd.range(-8, 8), h);
    QPainterPath rachis(top);
    rachis.quadTo(top + QPointF(10, h * 0.5), bottom);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(stalk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rachis);
    const int branches = 8;
    QList<QPair<QPointF, qreal>> ends;
    for (int k = 0; k < branches; ++k) {
        const qreal t = 0.22 + k * 0.7 / branches;
        const QPointF from = rachis.pointAtPercent(t);
        const qreal side = k % 2 ? 1 : -1, len = h * (0.42 - k * 0.04);
        const QPointF to = from + QPointF(side * len * 0.8, len * 0.55);
        p.setPen(QPen(stalk, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
        const QPointF mid = from + (to - from) * 0.55;
        p.setPen(QPen(stalk, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(mid, mid + QPointF(side * len * 0.15, len * 0.4));
        ends.append({to, 4.2});
        ends.append({mid + QPointF(side * len * 0.15, len * 0.4), 3.8});
        ends.append({from + (to - from) * 0.3 + QPointF(0, -4), 3.6});
    }
    const QPointF wing = rachis.pointAtPercent(0.1) + QPointF(-h * 0.38, h * 0.12);  // the wing
    p.setPen(QPen(stalk, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(rachis.pointAtPercent(0.1), wing);
    ends.append({wing, 4});
    ends.append({bottom, 4.2});
    for (const auto &e : ends)
        knot(e.first, 7, e.second);
}

// A thick root dug up and seen close, across the picture, with the
// swellings its layers name on it: tuberosidades, lumps split by cracks and
// rotting dark in them (phylloxera); agallas with masas, round galls each
// with a glossy brown jelly of eggs bulging from its surface (root-knot
// nematode).
void thickRoot(QPainter &p, const Sketch &s, Random &rnd)
{
    const QPointF a(-20, 100), b(420, 205);
    const QLineF axis(a, b);
    const QPointF dir = (b - a) / axis.length();
    const QPointF normal(-dir.y(), dir.x());
    // A length of root, pale against the earth: its dark edge, the tan
    // bark and the light along its top.
    auto limb = [&](QPointF from, QPointF to, qreal w0, qreal w1) {
        const QLineF l(from, to);
        for (int pass = 0; pass < 3; ++pass)
            for (int i = 0; i < 6; ++i) {
                const qreal w = w0 + (w1 - w0) * i / 6.0;
                const QColor c = pass == 0 ? QColor(90, 64, 40)
                    : pass == 1            ? QColor(196, 160, 112)
                                           : QColor(226, 198, 152);
                p.setPen(QPen(c, pass == 0 ? w : pass == 1 ? w - 3 : w * 0.22, Qt::SolidLine, Qt::RoundCap));
                const QPointF lift = pass == 2 ? QPointF(0, -w * 0.22) : QPointF(0, 0);
                p.drawLine(l.pointAt(i / 6.0) + lift, l.pointAt((i + 1) / 6.0) + lift);
            }
    };
    for (int i = 0; i < 5; ++i) {  // the side roots
        const QPointF from = axis.pointAt(0.1 + i * 0.19);
        const qreal side = i % 2 ? 1 : -1;
        limb(from, from + QPointF(rnd.range(-30, 30), side * rnd.range(60, 85)), 11, 5);
    }
    limb(a, b, 46, 34);
    const qreal along = qRadiansToDegrees(std::atan2(dir.y(), dir.x()));
    if (has(s, "tuberosidades")) {
        for (int i = 0; i < 4; ++i) {
            const qreal t = 0.17 + i * 0.22 + rnd.range(-0.02, 0.02);
            const qreal w = 46 * (1 - 0.25 * t);
            const QPointF c = axis.pointAt(t) + normal * (i % 2 ? 0.12 : -0.12) * w;
            const bool rotten = i % 2 == 0;
            p.save();
            p.translate(c);
            p.rotate(along);
            // The swelling of the root itself, lumpy: a few bulges run together.
            QPainterPath lump;
            lump.addEllipse(QPointF(0, 0), rnd.range(40, 46), rnd.range(30, 34));
            for (int k = 0; k < 3; ++k) {
                QPainterPath bulge;
                bulge.addEllipse(QPointF(rnd.range(-26, 26), rnd.range(-16, 16)), rnd.range(16, 22), rnd.range(14, 20));
                lump = lump.united(bulge);
            }
            QRadialGradient gr(QPointF(-10, -14), 52);
            gr.setColorAt(0, QColor(222, 192, 140));
            gr.setColorAt(1, QColor(150, 110, 66));
            p.setPen(QPen(QColor(85, 58, 35), 1.6));
            p.setBrush(gr);
            p.drawPath(lump);
            p.setClipPath(lump);
            if (rotten) {  // the rot spreading dark and soft from the cracks
                softSpot(p, QPointF(rnd.range(-8, 8), rnd.range(-4, 6)), 26, QColor(55, 35, 22, 220));
                softSpot(p, QPointF(rnd.range(10, 22), rnd.range(-10, 10)), 14, QColor(30, 20, 14, 230));
            }
            for (int k = 0; k < 3; ++k) {  // the cracks, gaping, across the lump
                QPolygonF crack;
                QPointF at(rnd.range(-34, -22), rnd.range(-14, 14));
                for (int m = 0; m < 6; ++m) {
                    crack << at;
                    at += QPointF(rnd.range(9, 13), rnd.range(-7, 7));
                }
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(230, 205, 160), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPolyline(crack);
                p.setPen(QPen(QColor(25, 16, 10), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPolyline(crack);
            }
            p.restore();
        }
    }
    if (has(s, "agallas")) {
        const qreal ts[] = {0.12, 0.33, 0.55, 0.78};
        for (int i = 0; i < 4; ++i) {
            const qreal w = 46 * (1 - 0.25 * ts[i]);
            const QPointF c = axis.pointAt(ts[i]) + normal * (i % 2 ? 0.06 : -0.06) * w;
            const qreal rg = rnd.range(26, 32);
            QRadialGradient gr(c - QPointF(rg * 0.35, rg * 0.4), rg * 1.4);
            gr.setColorAt(0, QColor(232, 205, 160));
            gr.setColorAt(1, QColor(165, 125, 80));
            p.setPen(QPen(QColor(100, 70, 42), 1.4));
            p.setBrush(gr);
            p.save();  // the swelling of the root itself, drawn out along it
            p.translate(c);
            p.rotate(along);
            p.drawEllipse(QPointF(0, 0), rg * 1.45, rg);
            p.restore();
            if (has(s, "masas")) {  // the egg mass: a brown jelly bulging from the gall
                const QPointF m = c + QPointF(rnd.range(-0.3, 0.3) * rg, (i % 2 ? 0.55 : -0.55) * rg);
                const qreal rm = rg * rnd.range(0.42, 0.5);
                softSpot(p, m, rm * 1.5, QColor(200, 150, 70, 90));  // the clear jelly round it
                QRadialGradient jelly(m - QPointF(rm * 0.3, rm * 0.35), rm * 1.2);
                jelly.setColorAt(0, QColor(190, 125, 60));
                jelly.setColorAt(1, QColor(100, 55, 22));
                p.setPen(QPen(QColor(80, 45, 20), 1.2));
                p.setBrush(jelly);
                p.drawPath(blob(rnd, m, rm, 1.15));
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(120, 70, 30));
                for (int k = 0; k < 14; ++k)  // the eggs showing in it
                    p.drawEllipse(m + QPointF(rnd.range(-0.7, 0.7) * rm, rnd.range(-0.6, 0.6) * rm), 1.6, 1.1);
                p.setBrush(QColor(255, 245, 225, 200));  // its wet shine
                p.drawEllipse(m - QPointF(rm * 0.35, rm * 0.4), rm * 0.28, rm * 0.14);
            }
        }
    }
}

// The roots of a young vine gnawed by voles: thick roots bitten through
// to blunt stubs, pieces cut off lying loose in the earth, long strips of
// bark stripped to the wood; the vole in its gallery beside them.
void voleRoots(QPainter &p, const Sketch &s, Random &rnd)
{
    const QPointF collar(200, 66);
    p.setPen(QPen(QColor(120, 88, 58), 18, Qt::SolidLine, Qt::FlatCap));  // the young trunk going down
    p.drawLine(QPointF(200, 0), collar);
    struct Root {
        qreal angle, length, cut;  // cut: where it was bitten through (1 = whole)
    };
    const Root roots[] = {{160, 150, 0.5}, {125, 175, 1}, {95, 120, 0.55}, {62, 185, 1}, {28, 140, 0.6}};
    QList<QLineF> main;
    for (const Root &r : roots) {
        const QPointF dir(qCos(qDegreesToRadians(r.angle)), qSin(qDegreesToRadians(r.angle)));
        const QPointF end = collar + dir * r.length * r.cut;
        const qreal width = 15;
        if (r.cut >= 1) {  // a whole root, with its rootlets
            for (int k = 0; k < 5; ++k) {
                const QPointF at = collar + dir * r.length * rnd.range(0.35, 0.95);
                const qreal a = r.angle + (k % 2 ? 1 : -1) * rnd.range(25, 50);
                const QPointF tip = at + QPointF(qCos(qDegreesToRadians(a)), qSin(qDegreesToRadians(a))) * 36;
                p.setPen(QPen(QColor(175, 138, 95), 2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(at, tip);
                p.setPen(QPen(QColor(175, 138, 95), 1));
                p.drawLine(tip, tip + QPointF(rnd.range(-8, 8), rnd.range(4, 12)));
            }
            rootPiece(p, collar, end, width, 0.35);
        } else {
            rootPiece(p, collar, end, width, 0.8);
            cutEnd(p, end, dir, width * 0.9);
        }
        main << QLineF(collar, end);
    }
    if (has(s, "descortezadas")) {  // bark gnawed off in long patches
        strippedPatch(p, main[1], 0.22, 0.62, 14, rnd);
        strippedPatch(p, main[3], 0.2, 0.55, 14, rnd);
        strippedPatch(p, main[2], 0.25, 0.9, 13, rnd);
    }
    // The pieces bitten off, lying loose, both their ends cut.
    const QLineF pieces[] = {QLineF(40, 250, 92, 232), QLineF(130, 268, 172, 280), QLineF(300, 118, 346, 100)};
    for (const QLineF &l : pieces) {
        rootPiece(p, l.p1(), l.p2(), 11, 0.85);
        const QPointF dir = (l.p2() - l.p1()) / l.length();
        cutEnd(p, l.p1(), -dir, 11);
        cutEnd(p, l.p2(), dir, 9.5);
    }
    if (!s.organism.startsWith(QLatin1String("roedor")))
        return;
    // The vole's gallery running through the earth to the roots.
    QPainterPath gallery(QPointF(430, 200));
    gallery.cubicTo(QPointF(380, 215), QPointF(340, 250), QPointF(268, 246));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 48, 30), 46, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(gallery);
    p.setPen(QPen(QColor(42, 28, 17), 38, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(gallery);
    p.save();  // heading along the gallery towards the roots
    p.translate(318, 238);
    p.scale(-1, 1);
    drawOrganism(p, QStringLiteral("roedor"), QPointF(0, 0), s.size > 0 ? s.size : 78, 0, rnd);
    p.restore();
}

// A ripe berry bitten open by a mouse: a ragged mouthful taken out of its
// side, so the berry is no longer round, the pale flesh showing inside the
// torn skin, hollowed where the seeds were eaten, a fragment of seed left.
void bittenBerry(QPainter &p, const Berry &b, const QColor &colour, Random &rnd)
{
    drawBerry(p, b, colour);
    const qreal a = rnd.range(-0.5, M_PI + 0.5);  // bitten from the side or from below, facing us
    const QPointF dir(qCos(a), qSin(a));
    auto ragged = [&](QPointF c, qreal r) {  // the edge left by the teeth, uneven and notched
        QPainterPath edge;
        const int n = 22;
        for (int k = 0; k <= n; ++k) {
            const qreal t = k * 2 * M_PI / n;
            const qreal rr = r * (k % 4 == 1 ? rnd.range(0.72, 0.82) : rnd.range(0.9, 1.08));
            const QPointF at = c + QPointF(qCos(t) * rr, qSin(t) * rr);
            k ? edge.lineTo(at) : edge.moveTo(at);
        }
        edge.closeSubpath();
        return edge;
    };
    QPainterPath berry;
    berry.addEllipse(b.c, b.r, b.r * 1.05);
    const QPainterPath bite = ragged(b.c + dir * b.r * 0.62, b.r * 0.78).intersected(berry);
    // The part taken away: the dark inside of the bunch behind it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 26));
    p.drawPath(bite);
    // The far wall of the berry, pale flesh, hollowed in the middle.
    const QPainterPath wall = ragged(b.c + dir * b.r * 0.2, b.r * 0.58).intersected(bite);
    QRadialGradient flesh(b.c + dir * b.r * 0.35, b.r * 0.7);
    flesh.setColorAt(0, QColor(165, 150, 95));
    flesh.setColorAt(0.6, QColor(222, 220, 160));
    flesh.setColorAt(1, QColor(242, 240, 200));
    p.setBrush(flesh);
    p.drawPath(wall);
    const QPointF seeds = b.c + dir * b.r * 0.3;
    p.setPen(Qt::NoPen);  // the empty hollows of the eaten seeds
    p.setBrush(QColor(185, 170, 110));
    p.drawEllipse(seeds + QPointF(-b.r * 0.14, 0), b.r * 0.09, b.r * 0.15);
    p.drawEllipse(seeds + QPointF(b.r * 0.14, b.r * 0.03), b.r * 0.09, b.r * 0.15);
    if (rnd.next() < 0.5) {  // a broken piece of seed left in the flesh
        p.setPen(QPen(QColor(110, 70, 30), 0.6));
        p.setBrush(QColor(205, 150, 75));
        p.drawPolygon(QPolygonF{seeds + QPointF(-b.r * 0.02, b.r * 0.12), seeds + QPointF(b.r * 0.2, b.r * 0.16),
                                seeds + QPointF(b.r * 0.06, b.r * 0.3)});
    }
    // The torn edge of the skin round the bite, with the cut flesh under it.
    p.save();
    p.setClipPath(berry);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(238, 236, 195), std::max<qreal>(1, b.r * 0.16)));
    p.drawPath(bite);
    p.setPen(QPen(colour.darker(230), std::max<qreal>(0.8, b.r * 0.07)));
    p.drawPath(bite);
    p.restore();
}

// An emptied berry: only its skin left on the pedicel, slack and wrinkled,
// torn open at the bite.
void emptySkin(QPainter &p, const Berry &b, const QColor &colour, Random &rnd)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 26));  // the dark gap in the bunch where the berry was
    p.drawEllipse(b.c, b.r * 0.98, b.r * 1.02);
    // The skin hanging from its pedicel, emptied: a limp, flat, wrinkled bag
    // much narrower than a berry, lighter where it is thin, gaping open at
    // the bottom where it was bitten.
    const QPointF top = b.c - QPointF(0, b.r * 0.95);
    QPainterPath skin(top);
    skin.cubicTo(top + QPointF(b.r * 0.55, b.r * 0.2), top + QPointF(b.r * 0.75, b.r * 1.2),
                 top + QPointF(b.r * 0.45, b.r * 1.75));
    for (int k = 1; k <= 6; ++k)  // the torn, ragged mouth of the bag
        skin.lineTo(top + QPointF(b.r * (0.45 - k * 0.15), b.r * (k % 2 ? 1.6 : 1.85) + rnd.range(-1, 1)));
    skin.cubicTo(top + QPointF(-b.r * 0.75, b.r * 1.2), top + QPointF(-b.r * 0.5, b.r * 0.2), top);
    const QColor slack = colour.lightness() < 100 ? QColor(150, 88, 120) : QColor(200, 175, 105);
    p.setPen(QPen(slack.darker(200), std::max<qreal>(0.9, b.r * 0.08)));
    p.setBrush(slack);
    p.drawPath(skin);
    p.setPen(QPen(slack.lighter(140), std::max<qreal>(0.8, b.r * 0.07)));  // the creases of the slack skin
    p.setBrush(Qt::NoBrush);
    for (int k = -1; k <= 1; ++k) {
        QPainterPath crease(top + QPointF(k * b.r * 0.12, b.r * 0.25));
        crease.quadTo(top + QPointF(k * b.r * 0.5 + b.r * 0.1, b.r * 0.9), top + QPointF(k * b.r * 0.3, b.r * 1.55));
        p.drawPath(crease);
    }
    p.setPen(QPen(QColor(110, 140, 60), std::max<qreal>(1, b.r * 0.12), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top - QPointF(0, b.r * 0.25), top + QPointF(0, b.r * 0.05));  // the pedicel it still hangs from
}

// Ants tending the colony or climbing the trunk, besides the pest itself.
void placeAnts(QPainter &p, const Sketch &s, const QPainterPath &on, Random &rnd)
{
    if (!has(s, "hormigas") || on.isEmpty())
        return;
    for (int i = 0; i < 5; ++i)
        drawOrganism(p, QStringLiteral("hormiga"), pointIn(on, rnd, 0.9), 24, rnd.range(-180, 180), rnd);
}

// Leaves drawn together with silk by a caterpillar into a nest round `c`:
// the blades crumpled over one another, white threads across the gaps and
// dark frass between them. Returns the nest's area.
QPainterPath drawTiedLeaves(QPainter &p, QPointF c, qreal size, Random &rnd)
{
    static const qreal outwards[] = {-150, -70, 20, 110, 175};
    QList<QPainterPath> outlines;
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(outwards[i]);
        const QPointF at = c + QPointF(qCos(a), qSin(a)) * size * 0.42;
        const QColor fill = i % 2 ? leafGreen(true) : leafGreen(false).lighter(105);
        const LeafGeom g = drawLeaf(p, at, size * rnd.range(0.5, 0.62), outwards[i] + 90, i % 2, fill);
        const QPainterPath outline = leafOutline(g);
        p.save();  // the blade folded: its rim turned over, the paler underside showing
        p.setClipPath(outline);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(leafGreen(true).darker(115), g.r * 0.22));
        p.drawPath(outline);
        p.restore();
        outlines << outline;
    }
    for (int i = 0; i < 40; ++i) {  // the silk binding each blade to the next
        const QPainterPath &from = outlines[i % 5], &to = outlines[(i + 1 + i / 5 % 3) % 5];
        const QPointF a = c + (from.pointAtPercent(rnd.range(0.05, 0.95)) - c) * rnd.range(0.35, 0.8);
        const QPointF b = c + (to.pointAtPercent(rnd.range(0.05, 0.95)) - c) * rnd.range(0.35, 0.8);
        p.setPen(QPen(QColor(40, 60, 30, 90), 1.4));
        p.drawLine(a + QPointF(0.8, 0.8), b + QPointF(0.8, 0.8));
        p.setPen(QPen(QColor(255, 255, 255, 225), 0.9));
        p.drawLine(a, b);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 45, 30));
    for (int i = 0; i < 25; ++i)
        p.drawEllipse(c + QPointF(rnd.range(-0.3, 0.3), rnd.range(-0.25, 0.3)) * size, 1.3, 1.3);
    QPainterPath nest;
    nest.addEllipse(c, size * 0.35, size * 0.25);
    return nest;
}

void placeOrganisms(QPainter &p, const Sketch &s, const QPainterPath &organ, Random &rnd, qreal defaultSize)
{
    // A count's tally card keeps its corner: no animal is drawn under it.
    QPainterPath on = organ;
    if (s.scene.contains(QLatin1String("conteo")) && !on.isEmpty()) {
        QPainterPath card;
        card.addRect(tallyCardArea().adjusted(-14, -14, 0, 0));
        on = on.subtracted(card);
    }
    if (s.organism.isEmpty()) {
        placeAnts(p, s, on, rnd);
        return;
    }
    const int n = std::max(1, s.count);
    qreal L = s.size > 0 ? s.size : n == 1 ? defaultSize : std::max<qreal>(12, defaultSize * 0.4 / std::sqrt(n / 3.0));
    const bool animal = s.organism.startsWith(QLatin1String("conejo")) || s.organism.startsWith(QLatin1String("roedor"))
        || s.organism.startsWith(QLatin1String("pajaro")) || s.organism.startsWith(QLatin1String("nido"))
        || s.organism.startsWith(QLatin1String("caracol")) || s.organism.startsWith(QLatin1String("babosa"))
        || s.organism == QLatin1String("liron");
    if (s.size <= 0 && (s.organism.startsWith(QLatin1String("larva")) || s.organism == QLatin1String("alambre")))
        L = std::max<qreal>(L, 34);
    if (animal && s.size <= 0)
        L = std::max<qreal>(L, s.organism.startsWith(QLatin1String("caracol")) ? 40 : 75);
    for (int i = 0; i < n; ++i) {
        const QPointF at = n == 1 && on.isEmpty() ? QPointF(200, 150)
            : n == 1                              ? on.boundingRect().center()
            : on.isEmpty()                        ? QPointF(rnd.range(70, 330), rnd.range(60, 240))
                                                  : pointIn(on, rnd, 0.8);
        QPointF onGround = at;
        // Rabbits and voles stand on the ground, not in the canopy or under the soil.
        if (s.organism.startsWith(QLatin1String("halcon")) && n == 1) {  // a falcon in the sky above the vines
            onGround = QPointF(270, 62);
        } else if (s.organism.startsWith(QLatin1String("pajaro")) && s.organ == QLatin1String("grano") && n == 1) {
            onGround = QPointF(318, 62);  // perched beside the berries it has pecked, not over them
        } else if (s.organism == QLatin1String("liron") && !on.isEmpty()) {
            // A dormouse sits up on the shoulder of the bunch, its feet
            // among the berries, its tail hanging down the side.
            const QRectF b = on.boundingRect();
            // Sat clear of the berries, so the one it eats stands out in
            // front of its chest against the sky.
            onGround = QPointF(b.right() + L * 0.3, b.top() + L * 0.36);
            const qreal feet = onGround.y() + L * 0.45;  // the old wood of the arm it sits on
            drawCane(p, QPointF(b.right() - L * 0.1, feet + 6), QPointF(410, feet - 8), 14, false);
        } else if (s.organism.startsWith(QLatin1String("setas"))) {  // toadstools grow from the soil at the foot
            onGround =
                QPointF(n == 1 ? 150 : rnd.range(100, 300), (s.organ == QLatin1String("cepa") ? 252 : 262) - L * 0.3);
        } else if (s.organism.startsWith(QLatin1String("conejo")) || s.organism.startsWith(QLatin1String("roedor"))
                   || (s.organism.startsWith(QLatin1String("pajaro")) && s.organ == QLatin1String("suelo"))) {
            const qreal ground = s.organ == QLatin1String("suelo") ? 70
                : s.organ == QLatin1String("raiz")                 ? 40
                : s.organ == QLatin1String("tronco")               ? 262
                                                                   : 252;
            onGround = QPointF(n == 1 ? (s.organ == QLatin1String("tronco") ? 110 : 120) : rnd.range(60, 340),
                               ground - L * 0.22);
        }
        if (has(s, "huevos") && !s.organism.startsWith(QLatin1String("huevos"))) {  // her round eggs beside her
            p.setPen(QPen(QColor(200, 200, 170), 0.6));
            p.setBrush(QColor(250, 250, 228, 230));
            for (int k = 0; k < 7; ++k)
                p.drawEllipse(onGround + QPointF(-L * 0.55 - (k % 3) * L * 0.1, (k - 3) * L * 0.09), L * 0.045,
                              L * 0.045);
        }
        const bool moth = s.organism.startsWith(QLatin1String("mariposa"));  // a single moth set out head up
        const qreal heading = animal || s.organism.startsWith(QLatin1String("setas")) ? 0
            : n == 1                                                                  ? (moth ? -90 : -20)
                                                                                      : rnd.range(-180, 180);
        drawOrganism(p, s.organism, onGround, L * (n == 1 ? 1 : rnd.range(0.85, 1.1)), heading, rnd);
    }
    if (has(s, "ninfas") && !on.isEmpty()) {  // the wingless young round the adult
        const QString young = s.organism.section(QLatin1Char('-'), 0, 0) + QStringLiteral("-verde");
        const QPointF centre = on.boundingRect().center();
        for (int i = 0; i < 7; ++i) {
            const qreal a = i * 2 * M_PI / 7 + 0.4;
            drawOrganism(p, young, centre + QPointF(std::cos(a) * L * 0.85, std::sin(a) * L * 0.6),
                         L * rnd.range(0.28, 0.4), rnd.range(-180, 180), rnd);
        }
    }
    if ((has(s, "pulgones") || has(s, "cochinillas")) && !on.isEmpty()) {
        // The prey a predator is feeding on, crowded round it: a colony of
        // green aphids or of mealybugs, each a fraction of its length.
        const bool aphids = has(s, "pulgones");
        const QString prey = aphids ? QStringLiteral("pulgon-verde") : QStringLiteral("cochinilla");
        const QPointF centre = on.boundingRect().center();
        for (int i = 0; i < 11; ++i) {
            const qreal a = i * 2 * M_PI / 11 + rnd.range(-0.2, 0.2);
            const qreal d = rnd.range(0.6, 1.05);
            drawOrganism(p, prey, centre + QPointF(std::cos(a) * L * d, std::sin(a) * L * d * 0.75),
                         L * (aphids ? rnd.range(0.2, 0.26) : rnd.range(0.26, 0.34)), rnd.range(-180, 180), rnd);
        }
    }
    placeAnts(p, s, on, rnd);
}

// A bud bitten by a pest, seen close up on its cane, so the shape of the
// damage tells the pest: a half-moon notch taken out of its base (cutworms),
// shallow ragged gnawings over its surface (weevils, snails, caterpillars),
// a bud eaten down to the scar, the silvery slime of a snail, or a bud on
// the buried part of the plant, under the soil, hollowed out from inside.
// Returns where the pest itself goes, beside the damage.
// The inside of a bud cut lengthwise: an arch from the base, `halfBase`
// either side of it, swelling to `halfWidth` and rising to `height` (all as
// fractions of the bud's size).
QPainterPath budSection(QPointF bud, qreal size, qreal halfBase, qreal halfWidth, qreal height)
{
    QPainterPath inside;
    inside.moveTo(bud + QPointF(-size * halfBase, size * halfBase / 2));
    inside.cubicTo(bud + QPointF(-size * halfWidth, -size * 0.5), bud + QPointF(-size * 0.1, -size * height),
                   bud + QPointF(0, -size * height));
    inside.cubicTo(bud + QPointF(size * 0.1, -size * height), bud + QPointF(size * halfWidth, -size * 0.5),
                   bud + QPointF(size * halfBase, size * halfBase / 2));
    inside.closeSubpath();
    return inside;
}

QPainterPath bittenBudCloseUp(QPainter &p, const Sketch &s, Random &rnd)
{
    const bool buried = has(s, "interior");
    const qreal surface = 96;
    if (buried) {  // the soil in section, the grass at the ground line above
        drawSoil(p, QRectF(0, surface, 400, 300 - surface), surface);
        p.setPen(QPen(QColor(100, 150, 60), 1.5));
        for (int i = 0; i < 80; ++i) {
            const qreal x = rnd.range(0, 400);
            p.drawLine(QPointF(x, surface + 1), QPointF(x + rnd.range(-4, 4), surface - rnd.range(6, 18)));
        }
        p.setPen(QPen(QColor(80, 60, 40), 1.5, Qt::DashLine));
        p.drawLine(QPointF(0, surface), QPointF(400, surface));
    }
    const QList<QLineF> segs = drawCane(p, QPointF(-20, 262), QPointF(420, 226), 40, false);
    if (buried)  // earth clinging to the buried wood
        p.fillRect(QRectF(0, 200, 400, 100), QColor(120, 85, 50, 60));
    const QPointF node = segs[2].p1(), bud = node + QPointF(0, -40);
    const qreal size = has(s, "hueca") || has(s, "seccion") ? 56 : 42;  // a bud opened up is seen closer
    QPainterPath body;  // the bud's outline, as drawBud draws a swelling bud
    body.addEllipse(bud, size * 0.95, size * 1.3);
    const QColor tissue(214, 226, 160), rim(95, 62, 35);
    auto crumbs = [&](QPointF around, int n) {  // the bitten-off bits fallen on the cane
        p.setPen(QPen(QColor(90, 60, 35), 0.6));
        for (int i = 0; i < n; ++i) {
            p.setBrush(rnd.next() < 0.5 ? QColor(150, 105, 62) : tissue);
            p.drawEllipse(around + QPointF(rnd.range(-28, 28), rnd.range(-4, 6)), rnd.range(1.4, 2.6),
                          rnd.range(1, 1.8));
        }
    };
    QPainterPath where;
    if (buried) {
        // Cut lengthwise: the scales outside, and inside, where the green
        // growing point should be, an empty cavity with the larva's frass;
        // the small round hole it went in by at the base.
        drawBud(p, bud, size, QStringLiteral("invierno"));
        const QPainterPath cavity = budSection(bud, size, 0.4, 0.5, 0.95);
        p.setPen(QPen(QColor(210, 185, 140), 3));
        p.setBrush(QColor(38, 24, 14));
        p.drawPath(cavity);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 90, 55));
        for (int i = 0; i < 26; ++i)
            p.drawEllipse(bud + QPointF(rnd.range(-size * 0.3, size * 0.3), rnd.range(-size * 0.2, size * 0.15)), 1.6,
                          1.6);
        p.setPen(QPen(QColor(210, 185, 140), 2));
        p.setBrush(QColor(20, 12, 8));
        p.drawEllipse(bud + QPointF(-size * 0.6, size * 0.22), 5.5, 5);
        where.addEllipse(bud + QPointF(-size * 2.05, size * 0.55), 3, 3);
        return where;
    }
    if (has(s, "hueca")) {
        // Emptied by birds: the scales torn open at the top and the bud
        // hollow inside, nothing green left in it; the next bud pecked away
        // down to a ragged stump.
        drawBud(p, bud, size, QStringLiteral("invierno"));
        QPainterPath hole;
        hole.moveTo(bud + QPointF(-size * 0.5, -size * 0.35));
        for (int k = 1; k < 5; ++k)
            hole.lineTo(bud + QPointF(-size * 0.5 + k * size / 4, -size * (k % 2 ? 0.66 : 0.56)));
        hole.quadTo(bud + QPointF(size * 0.45, size * 0.2), bud + QPointF(0, size * 0.22));
        hole.quadTo(bud + QPointF(-size * 0.45, size * 0.2), bud + QPointF(-size * 0.5, -size * 0.35));
        p.setPen(QPen(QColor(215, 185, 140), 2.5));
        p.setBrush(QColor(30, 19, 11));
        p.drawPath(hole);
        p.setPen(QPen(QColor(70, 45, 25), 1));
        p.setBrush(QColor(130, 86, 50));
        // A torn scale bent back, and shreds of the others fallen beside.
        p.drawPolygon(QPolygonF{bud + QPointF(size * 0.42, -size * 0.5), bud + QPointF(size * 0.9, -size * 0.78),
                                bud + QPointF(size * 0.55, -size * 0.25)});
        for (int k = 0; k < 4; ++k) {
            const QPointF at = bud + QPointF(-size * 1.2 + k * 9, size * 0.75 + (k % 2) * 4);
            p.drawPolygon(QPolygonF{at, at + QPointF(7, -3), at + QPointF(4, 4)});
        }
        const QPointF other = segs[3].p1() + QPointF(0, -26);
        QPolygonF stump;
        for (int k = 0; k <= 8; ++k)
            stump << other + QPointF(-16 + k * 4, k % 2 ? -10 : -3);
        stump << other + QPointF(16, 10) << other + QPointF(-16, 10);
        p.setPen(QPen(QColor(70, 45, 25), 1.2));
        p.setBrush(QColor(125, 82, 48));
        p.drawPolygon(stump);
        p.setBrush(QColor(40, 26, 16));
        p.drawEllipse(other + QPointF(0, -3), 9, 3.5);
        crumbs(node + QPointF(-30, -8), 12);
        where.addEllipse(node + QPointF(-110, 6), 3, 3);
        return where;
    }
    if (has(s, "seccion")) {
        // Cut lengthwise with a knife: sound scales outside, and inside,
        // where the green shoot-to-be should be, dead tissue, black-brown.
        drawBud(p, bud, size, QStringLiteral("invierno"));
        const QPainterPath inside = budSection(bud, size, 0.5, 0.6, 1.02);
        p.setPen(QPen(QColor(225, 200, 150), 3));
        QRadialGradient dead(bud + QPointF(0, -size * 0.4), size * 0.7);
        dead.setColorAt(0, QColor(92, 60, 34));
        dead.setColorAt(1, QColor(128, 86, 48));
        p.setBrush(dead);
        p.drawPath(inside);
        p.setPen(QPen(QColor(20, 12, 6), 1));
        p.setBrush(QColor(42, 27, 16));
        for (int k = -1; k <= 1; ++k) {  // the dead leaflets of the shoot-to-be, blackened, folded round its axis
            const QPointF foot = bud + QPointF(k * size * 0.08, size * 0.1);
            const QPointF tip = bud + QPointF(k * size * 0.3, -size * (k == 0 ? 0.85 : 0.62));
            QPainterPath leaflet(foot);
            leaflet.quadTo((foot + tip) / 2 + QPointF(-size * 0.14, 0), tip);
            leaflet.quadTo((foot + tip) / 2 + QPointF(size * 0.14, 0), foot);
            p.drawPath(leaflet);
        }
        // The knife's blade laid on the cane beside it.
        QPolygonF blade{QPointF(312, 196), QPointF(390, 182), QPointF(394, 189), QPointF(314, 207)};
        p.setPen(QPen(QColor(110, 115, 120), 1));
        p.setBrush(QColor(205, 210, 215));
        p.drawPolygon(blade);
        p.setBrush(QColor(150, 90, 45));
        p.drawRoundedRect(QRectF(258, 196, 56, 13), 6, 6);
        where.addEllipse(node + QPointF(-110, 6), 3, 3);
        return where;
    }
    // What lies behind the bud, to show through where pieces are bitten out of it.
    QBrush behind(QColor(160, 190, 150));
    if (const QImage *canvas = dynamic_cast<const QImage *>(p.device())) {
        behind = QBrush(canvas->copy());
        behind.setTransform(p.worldTransform().inverted());
    }
    drawBud(p, bud, size, QStringLiteral("algodon"));
    // A piece bitten out of the bud's outline: gone, with a band of the
    // pale green inside showing along the edge of the bite.
    auto biteOut = [&](const QPainterPath &piece) {
        const QPainterPath gone = piece.intersected(body);
        QPainterPathStroker edge;
        edge.setWidth(10);
        const QPainterPath band = edge.createStroke(piece).intersected(body).subtracted(gone);
        p.setPen(QPen(rim, 1.2));
        p.setBrush(tissue);
        p.drawPath(band);
        p.setPen(Qt::NoPen);
        p.setBrush(behind);
        p.drawPath(gone);
        p.save();  // and the bud's own outline where the piece was
        p.setClipPath(piece);
        p.strokePath(body, QPen(behind, 4));
        p.restore();
    };
    if (has(s, "medialuna")) {
        // A clean half-moon taken out of the base of the bud.
        QPainterPath bite;
        bite.addEllipse(bud + QPointF(-size * 0.3, size * 1.02), size * 0.9, size * 0.8);
        biteOut(bite);
        crumbs(node + QPointF(-20, -12), 10);
        where.addEllipse(node + QPointF(118, -10), 3, 3);
    }
    if (has(s, "irregular")) {
        // Ragged bites taken here and there out of its sides and top, and
        // shallower gnawings on its face eaten down to the green.
        for (const qreal a : {-150.0, -60.0, 20.0, 160.0}) {
            const qreal t = qDegreesToRadians(a);
            const QPointF at = bud + QPointF(size * 0.95 * qCos(t), size * 1.3 * qSin(t));
            biteOut(blob(rnd, at, size * rnd.range(0.34, 0.44), rnd.range(0.9, 1.3)));
        }
        p.save();
        p.setClipPath(body);
        for (const QPointF &at : {QPointF(-0.2, 0.35), QPointF(0.3, -0.35)}) {
            p.setPen(QPen(rim, 1.4));
            p.setBrush(tissue);
            p.drawPath(blob(rnd, bud + at * size, size * rnd.range(0.14, 0.2), rnd.range(0.8, 1.4)));
        }
        p.restore();
        crumbs(node + QPointF(10, -12), 8);
        where.addEllipse(node + QPointF(-110, 6), 3, 3);
    }
    if (has(s, "devorada")) {
        // The next bud eaten away altogether: only the scar where it sat.
        const QPointF other = segs[3].p1() + QPointF(10, -18);
        p.setPen(QPen(rim, 2));
        p.setBrush(QColor(200, 175, 120));
        p.drawPath(blob(rnd, other, 14, 1.4));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 180, 100));
        p.drawEllipse(other, 6, 4);
        crumbs(other + QPointF(0, 10), 6);
    }
    if (has(s, "baba")) {
        // The silvery slime trail along the cane and up over the bud.
        QPainterPath trail(QPointF(30, 250));
        trail.cubicTo(QPointF(70, 236), QPointF(110, 250), QPointF(150, 238));
        trail.cubicTo(QPointF(175, 230), QPointF(160, 200), bud + QPointF(-size * 0.2, -size * 0.3));
        trail.cubicTo(bud + QPointF(size * 0.2, -size * 0.8), bud + QPointF(size * 0.7, -size * 0.2),
                      bud + QPointF(size * 0.6, size * 0.5));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(220, 228, 235, 170), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(trail);
        p.setPen(QPen(QColor(255, 255, 255, 240), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(trail.translated(-1.5, -1.5));
        where = QPainterPath();
        where.addEllipse(node + QPointF(115, -8), 3, 3);
    }
    if (where.isEmpty())
        where.addEllipse(node + QPointF(110, -8), 3, 3);
    return where;
}

}  // namespace

namespace {

// A vine planted a year or two ago in place of an old trunk: a thin stem
// up the middle of `area`, tied to the stake beside it.
QPainterPath youngVine(QPainter &p, const QRectF &area)
{
    const qreal x = area.center().x();
    p.setPen(QPen(QColor(150, 120, 80), 4, Qt::SolidLine, Qt::FlatCap));  // the stake
    p.drawLine(QPointF(x + 12, area.bottom() + 4), QPointF(x + 12, area.top() - 30));
    QPainterPath stem;
    stem.addRect(QRectF(x - 4, area.top(), 8, area.height()));
    p.setPen(QPen(QColor(70, 50, 30), 1));
    p.setBrush(QColor(115, 80, 50));
    p.drawPath(stem);
    p.setPen(QPen(QColor(200, 190, 150), 1.5));  // the ties
    for (const qreal t : {0.3, 0.7})
        p.drawLine(QPointF(x - 4, area.top() + area.height() * t), QPointF(x + 14, area.top() + area.height() * t));
    return stem;
}

// A length of green shoot from `from` to `to`, cut clean on a slant at `to`
// as by a rabbit's incisors: the pale oval face of the bevel shows.
void bevelCut(QPainter &p, QPointF from, QPointF to, qreal w)
{
    const QLineF axis(from, to);
    p.setPen(QPen(QColor(60, 100, 40), w + 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(axis);
    p.setPen(QPen(QColor(105, 155, 65), w, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(axis);
    p.save();
    p.translate(to);
    p.rotate(-axis.angle() + 50);
    p.setPen(QPen(QColor(70, 110, 45), 1.2));
    p.setBrush(QColor(236, 242, 200));
    p.drawEllipse(QPointF(0, 0), w * 0.5, w * 1.05);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 215, 140));  // the pith
    p.drawEllipse(QPointF(0, 0), w * 0.14, w * 0.3);
    p.restore();
}

}  // namespace

// A leaf rolled into a cigar, `len` long, hanging at `at`.
void drawCigar(QPainter &p, QPointF at, qreal len, qreal angle)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    const qreal w = len * 0.34;
    QLinearGradient g(0, -w / 2, 0, w / 2);
    g.setColorAt(0, QColor(120, 165, 80));
    g.setColorAt(0.5, QColor(80, 140, 55));
    g.setColorAt(1, QColor(45, 90, 35));
    p.setPen(QPen(QColor(40, 80, 30), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(-len / 2, -w / 2, len, w), w * 0.45, w * 0.45);
    p.setPen(QPen(QColor(160, 190, 120), 1));
    for (int i = -2; i <= 2; ++i)
        p.drawArc(QRectF(i * len * 0.16 - w * 0.2, -w / 2, w * 0.4, w), 90 * 16, 180 * 16);
    p.restore();
}

void render(QPainter &p, const QSizeF &size, const Sketch &given, quint32 seed)
{
    // Under the hand lens the animals are seen only inside the lens, large.
    const bool lens = given.scene.section(QLatin1Char('+'), 0, 0) == QLatin1String("lupa") && !given.organism.isEmpty();
    Sketch sketch = given;
    if (lens)
        sketch.organism.clear();
    Random rnd(seed);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QString &organ = sketch.organ;
    const bool underground = organ == QLatin1String("raiz") || organ == QLatin1String("suelo");
    const bool winter = organ == QLatin1String("sarmiento") || sketch.background == QLatin1String("invierno");
    const QBrush bg = backgroundBrush(sketch.background.isEmpty() ? (winter ? QStringLiteral("invierno") : QString())
                                                                  : sketch.background);
    p.fillRect(QRectF(QPointF(0, 0), size), bg);
    // Everything is drawn on a 400 × 300 canvas, centred in the picture.
    const qreal scale = std::min(size.width() / 400, size.height() / 300);
    p.translate((size.width() - 400 * scale) / 2, (size.height() - 300 * scale) / 2);
    p.scale(scale, scale);
    // A soft out-of-focus background of foliage or soil.
    if (!underground && sketch.background != QLatin1String("claro")) {
        for (int i = 0; i < 14; ++i)
            softSpot(p, QPointF(rnd.range(0, 400), rnd.range(120, 300)), rnd.range(25, 60),
                     winter ? QColor(150, 130, 100, 60) : QColor(90, 130, 60, 70));
    }
    if (has(sketch, "lluvia")) {  // just after a shower: the air grey and the last of the rain still falling
        p.fillRect(QRectF(0, 0, 400, 300), QColor(120, 135, 150, 70));
        p.setPen(QPen(QColor(235, 242, 250, 150), 1, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 70; ++i) {
            const QPointF at(rnd.range(-20, 400), rnd.range(-10, 290));
            p.drawLine(at, at + QPointF(5, 16));
        }
    }

    QPainterPath where;  // the organ's area, where organisms sit
    const bool closeOrganism = !sketch.organism.isEmpty() && sketch.count <= 1;
    const qreal organismSize = closeOrganism ? 105 : 70;
    if (organ == QLatin1String("hoja") && has(sketch, "aceite") && has(sketch, "pelusilla")) {
        // Both faces: the upper side with the oil spots and, turned over
        // beside it, the underside with the down under them.
        Sketch upper = sketch, lower = sketch;
        upper.layers.removeIf([](const Layer &l) { return l.name == QLatin1String("pelusilla"); });
        lower.layers.removeIf([](const Layer &l) { return l.name == QLatin1String("aceite"); });
        const LeafGeom a = drawLeaf(p, QPointF(150, 150), 112, -10, false, leafGreen(false));
        Random r1(seed);
        leafLayers(p, upper, a, bg, r1);
        const LeafGeom b = drawLeaf(p, QPointF(312, 182), 82, 18, true, leafGreen(true));
        Random r2(seed);
        leafLayers(p, lower, b, bg, r2);
        placeOrganisms(p, sketch, leafOutline(a), rnd, organismSize);
    } else if (organ == QLatin1String("hoja") && has(sketch, "cigarro")) {
        // A leaf rolled into a cigar, hanging from its half-cut petiole.
        p.setPen(QPen(QColor(90, 120, 50), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(120, 20), QPointF(185, 60));
        p.save();
        p.translate(200, 150);
        p.rotate(75);
        QLinearGradient g(0, -32, 0, 32);
        g.setColorAt(0, QColor(120, 165, 80));
        g.setColorAt(0.5, QColor(80, 140, 55));
        g.setColorAt(1, QColor(45, 90, 35));
        p.setPen(QPen(QColor(40, 80, 30), 1.2));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(-95, -32, 190, 64), 28, 28);
        p.setPen(QPen(QColor(160, 190, 120), 1.5));
        for (int i = -3; i <= 3; ++i)  // the turns of the roll
            p.drawArc(QRectF(i * 24 - 14, -32, 28, 64), 90 * 16, 180 * 16);
        p.setPen(QPen(QColor(120, 100, 60), 2));
        p.drawLine(QPointF(-95, 0), QPointF(-108, -6));
        if (has(sketch, "abierto")) {
            // Opened out: the outer turns of the roll unwound into a flap,
            // its paler inner face showing the white eggs laid between them.
            QPainterPath flap(QPointF(-80, 30));
            flap.cubicTo(QPointF(-60, 95), QPointF(-10, 110), QPointF(20, 96));
            flap.cubicTo(QPointF(50, 110), QPointF(80, 95), QPointF(82, 30));
            flap.closeSubpath();
            p.setPen(QPen(QColor(60, 100, 40), 1.2));
            p.setBrush(QColor(165, 200, 115));
            p.drawPath(flap);
            p.setPen(QPen(QColor(190, 220, 150), 1.2));
            for (int k = -2; k <= 2; ++k)  // its veins
                p.drawLine(QPointF(k * 28, 34), QPointF(k * 30, 88));
            p.setPen(QPen(QColor(200, 195, 170), 0.7));
            p.setBrush(QColor(252, 250, 238));
            for (int k = 0; k < 9; ++k)
                p.drawEllipse(QPointF(-52 + (k % 5) * 26 + (k / 5) * 13, 52 + (k / 5) * 22 + rnd.range(-3, 3)), 6, 4.5);
        }
        p.restore();
        where.addEllipse(QPointF(200, 150), 40, 80);
        placeOrganisms(p, sketch, where, rnd, organismSize * 0.6);
    } else if (organ == QLatin1String("hoja")) {
        bool underside = sketch.underside;
        qreal r = 132, sx = 1, sy = 1;
        if (has(sketch, "pequena"))
            r = 80;
        if (has(sketch, "abanico"))
            sx = 1.2, sy = 0.85;
        const qreal lean = has(sketch, "deforme") ? 0.28 : 0;  // misshapen: one side grown more than the other
        if (has(sketch, "enrollada"))
            sy = 0.8;
        p.save();
        p.translate(200, 150);
        p.scale(sx, sy);
        p.shear(lean, lean * 0.3);
        p.translate(-200, -150);
        QColor fill = leafGreen(underside);
        if (has(sketch, "amarillenta"))
            fill = QColor(190, 190, 80);
        if (has(sketch, "joven"))
            fill = fill.lighter(120);
        // An eaten leaf gives back what lies behind it: the picture as it was
        // before the leaf was drawn.
        QBrush behind = bg;
        if (const QImage *canvas = dynamic_cast<const QImage *>(p.device()); canvas && has(sketch, "devorada"))
            behind = QBrush(canvas->copy());
        const LeafGeom g = drawLeaf(p, QPointF(200, 150), r, has(sketch, "abanico") ? 0 : -8, underside, fill);
        leafLayers(p, sketch, g, behind, rnd);
        where = leafOutline(g);
        if (has(sketch, "aranas"))  // the spider mites' moving forms scattered over the blade
            for (int i = 0; i < 9; ++i)
                drawOrganism(p, QStringLiteral("acaro-amarillo"), pointIn(where, rnd, 0.7), rnd.range(17, 22),
                             rnd.range(-180, 180), rnd);
        p.restore();
        where = QTransform().translate(200, 150).scale(sx, sy).shear(lean, lean * 0.3).translate(-200, -150).map(where);
        placeOrganisms(p, sketch, QTransform().translate(200, 140).scale(0.6, 0.6).translate(-200, -140).map(where),
                       rnd, organismSize);
    } else if (organ == QLatin1String("hojas") || organ == QLatin1String("cepa")) {
        // A vine in the row: trunk, arms and the canopy, with coloured leaves.
        if (organ == QLatin1String("cepa")) {
            drawSoil(p, QRectF(0, 250, 400, 50), 250);
            if (has(sketch, "estiercol")) {  // fresh manure spread in clods over the soil, straw in it
                for (int i = 0; i < 26; ++i) {
                    const QPointF at(rnd.range(5, 395), rnd.range(256, 296));
                    p.setPen(QPen(QColor(40, 28, 18), 0.8));
                    p.setBrush(rnd.next() < 0.5 ? QColor(62, 44, 28) : QColor(80, 58, 34));
                    p.drawPath(blob(rnd, at, rnd.range(4, 8), 1.5));
                    p.setPen(QPen(QColor(200, 170, 90), 1));
                    p.drawLine(at, at + QPointF(rnd.range(-7, 7), rnd.range(-3, 3)));
                }
            }
            if (has(sketch, "rodal")) {  // more young vines of the same patch further along the row, just as bare
                for (const qreal x : {-130.0, 130.0}) {
                    p.save();
                    p.translate(200 + x, 150);
                    p.scale(0.6, 0.6);
                    p.translate(-200, -150);
                    if (has(sketch, "jovenes"))
                        youngVine(p, QRectF(140, 150, 120, 175));
                    else
                        drawTrunk(p, QRectF(140, 150, 120, 175));
                    p.restore();
                }
            }
            if (has(sketch, "camino")) {
                // A dirt track along the row: pale, dry and rutted, a cloud
                // of its dust drifting up over the lowest leaves.
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(214, 196, 158));
                p.drawPolygon(QPolygonF{QPointF(0, 262), QPointF(400, 258), QPointF(400, 300), QPointF(0, 300)});
                p.setPen(QPen(QColor(180, 160, 120), 3));
                p.drawLine(QPointF(0, 272), QPointF(400, 268));
                p.drawLine(QPointF(0, 290), QPointF(400, 287));
                for (int i = 0; i < 10; ++i)
                    softSpot(p, QPointF(rnd.range(0, 400), rnd.range(190, 255)), rnd.range(18, 34),
                             QColor(225, 210, 175, 90));
            }
            const bool bevelled = has(sketch, "biselados");
            const QPainterPath trunk = has(sketch, "jovenes")
                ? youngVine(p, bevelled ? QRectF(140, 120, 120, 135) : QRectF(140, 150, 120, 105))
                : drawTrunk(p, QRectF(140, 150, 120, 105));
            woodLayers(p, sketch, trunk, rnd);
            if (bevelled) {
                // A first-year plant whose shoots the rabbits have cut off a
                // few centimetres above their base, each clean on a slant with
                // the pale face of the cut; the cut tops lie on the ground
                // by it, their leaves already limp.
                const QPointF stubs[][2] = {{QPointF(199, 124), QPointF(176, 92)},
                                            {QPointF(201, 122), QPointF(214, 86)},
                                            {QPointF(198, 136), QPointF(160, 120)},
                                            {QPointF(202, 140), QPointF(238, 118)}};
                for (const auto &st : stubs)
                    bevelCut(p, st[0], st[1], 8);
                const bool card = sketch.scene.split(QLatin1Char('+')).contains(QLatin1String("conteo"));
                const QPointF pieces[][2] = {
                    {QPointF(62, 276), QPointF(128, 262)},
                    {QPointF(250, 281), QPointF(188, 270)},
                    {card ? QPointF(96, 292) : QPointF(330, 266), card ? QPointF(40, 290) : QPointF(388, 280)}};
                for (const auto &pc : pieces) {
                    const QLineF l(pc[0], pc[1]);
                    const QPointF n = QPointF(-l.dy(), l.dx()) / l.length();
                    p.setPen(QPen(QColor(95, 140, 55), 2, Qt::SolidLine, Qt::RoundCap));
                    for (const qreal t : {0.45, 0.9}) {  // the leaves, wilting, on their petioles
                        const QPointF at = l.pointAt(t);
                        const qreal side = t < 0.5 ? -1 : 1;
                        p.drawLine(at, at + n * side * 10);
                        drawLeaf(p, at + n * side * 20, 15, -l.angle() + side * 70, false,
                                 QColor(120, 150, 70).darker(int(rnd.range(95, 115))));
                        p.setPen(QPen(QColor(95, 140, 55), 2, Qt::SolidLine, Qt::RoundCap));
                    }
                    bevelCut(p, pc[1], pc[0], 6);
                }
            }
            if (has(sketch, "bajos")) {
                // Low shoots from the foot of the vine, within reach of the
                // ground: their tender leaves bitten, one cut off short.
                const QList<QLineF> low = drawShoot(p, QPointF(192, 236), QPointF(150, 196), 4.5, true, rnd);
                Q_UNUSED(low);
                p.setPen(QPen(QColor(95, 150, 60), 4.5, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(206, 240), QPointF(222, 222));
                p.setPen(QPen(QColor(90, 130, 55), 1));
                p.setBrush(QColor(215, 235, 170));
                p.drawEllipse(QPointF(222, 222), 3.5, 2.2);  // the slanting cut
            }
        }
        const bool few = has(sketch, "raquitica");
        if (few && organ == QLatin1String("cepa")) {
            // Weak vines: a few short shoots, zigzag with short internodes,
            // and small leaves; smaller vines of the same patch behind.
            auto weakShoots = [&](QPointF offset, qreal k) {
                const bool young = has(sketch, "jovenes");  // from the top of the thin stem, not from arms
                const QPointF arms[] = {
                    young ? QPointF(198, 156) : QPointF(166, 162), young ? QPointF(199, 152) : QPointF(184, 158),
                    young ? QPointF(201, 152) : QPointF(216, 158), young ? QPointF(202, 156) : QPointF(234, 162)};
                for (int i = 0; i < 4; ++i) {
                    const QPointF base = offset + arms[i] * k;
                    const QPointF tip = base + QPointF((i - 1.5) * 30, -rnd.range(60, 80)) * k;
                    const QList<QLineF> segs = drawShoot(p, base, tip, 4.5 * k, false, rnd, 7 * k);
                    const bool pale = has(sketch, "palidas");  // small pale yellowish-green leaves
                    const bool yellowing = has(sketch, "amarillo");
                    for (int n = 1; n < segs.size(); n += 2) {
                        // Yellowing leaves keep a green tinge, and are drawn
                        // big enough to read as leaves rather than flowers.
                        QColor fill = yellowing && rnd.next() < 0.7 ? QColor(205, 195, 85) : leafGreen(false);
                        if (pale)
                            fill = QColor(int(rnd.range(175, 195)), int(rnd.range(195, 210)), int(rnd.range(105, 125)));
                        const qreal side = (n / 2) % 2 ? 1 : -1;
                        const qreal lr = pale || yellowing ? 15 : 10;
                        p.setPen(QPen(QColor(80, 130, 50), 1.2 * k));
                        p.drawLine(segs[n].p2(), segs[n].p2() + QPointF(side * lr, -4) * k);
                        drawLeaf(p, segs[n].p2() + QPointF(side * lr * 1.6, -lr) * k, lr * k, side * 30, false, fill);
                    }
                }
            };
            // A dead vine of the patch: the trunk gone grey, a few bare grey
            // canes left from the last pruning, no leaf on it.
            auto deadVine = [&]() {
                const QPainterPath trunk = drawTrunk(p, QRectF(140, 150, 120, 180));
                p.fillPath(trunk, QColor(160, 158, 150, 170));
                for (const QPointF &arm : {QPointF(170, 158), QPointF(230, 158)}) {
                    const qreal side = arm.x() < 200 ? -1 : 1;
                    for (int k = 0; k < 2; ++k) {
                        QPointF at = arm;
                        QPointF step(side * rnd.range(6, 14) + (k ? side * 10 : -side * 4), -rnd.range(20, 28));
                        for (int n = 0; n < 3; ++n) {
                            const QPointF next = at + step;
                            p.setPen(QPen(QColor(105, 102, 96), 8 - n * 1.5, Qt::SolidLine, Qt::RoundCap));
                            p.drawLine(at, next);
                            p.setPen(QPen(QColor(165, 162, 155), 4 - n, Qt::SolidLine, Qt::RoundCap));
                            p.drawLine(at, next);
                            at = next;
                            step = QPointF(-step.x() * 0.4 + side * 6, step.y() * 0.9);
                        }
                    }
                }
            };
            weakShoots(QPointF(0, 0), 1);
            const bool dead = has(sketch, "seca");   // some vines of the patch already dead
            for (const qreal x : {-135.0, 135.0}) {  // two more vines further along the row
                p.save();
                p.translate(200 + x, 150);
                p.scale(0.55, 0.55);
                p.translate(-200, -150);
                if (dead && x > 0) {
                    deadVine();
                } else {
                    const QPainterPath other = has(sketch, "jovenes") ? youngVine(p, QRectF(140, 150, 120, 180))
                                                                      : drawTrunk(p, QRectF(140, 150, 120, 180));
                    woodLayers(p, sketch, other, rnd);
                    weakShoots(QPointF(0, 0), 1);
                }
                p.restore();
            }
            if (has(sketch, "racimos"))
                for (int i = 0; i < 3; ++i)
                    drawBunch(p, QPointF(110 + i * 90, 120), 0.5, QStringLiteral("maduro"), sketch.variety, seed + i);
            where.addRect(QRectF(80, 60, 240, 140));
            placeOrganisms(p, sketch, where, rnd, organismSize);
            if (!sketch.scene.isEmpty())
                drawScene(p, sketch.scene, QSizeF(400, 300), rnd);
            p.restore();
            return;
        }
        const int leaves = has(sketch, "sinbrotar") || has(sketch, "biselados") ? 0  // buds never opened, shoots cut
            : few                                                               ? 7
                                                                                : 16;
        for (int i = 0; i < leaves; ++i) {
            const QPointF c(rnd.range(60, 340), rnd.range(35, organ == QLatin1String("cepa") ? 150 : 250));
            QColor fill = leafGreen(false);
            const bool upper = c.y() < 90;
            if (has(sketch, "bajas")) {  // only the lower leaves, the ones the dust reaches
                if (has(sketch, "bronceado") && c.y() > 95)
                    fill = QColor(150, 110, 60);
            } else if (has(sketch, "bronceado") && (upper || rnd.next() < 0.5)) {
                fill = QColor(150, 110, 60);
            }
            if (has(sketch, "rojo") && rnd.next() < 0.7)
                fill = QColor(165, 45, 50);
            if ((has(sketch, "amarillo") || has(sketch, "palida")) && rnd.next() < 0.7)
                fill = QColor(215, 195, 70);
            if ((has(sketch, "seca") || has(sketch, "marchita")) && rnd.next() < 0.6)
                fill = QColor(140, 105, 60);
            const qreal r = few ? rnd.range(14, 22) : rnd.range(24, 40);
            const LeafGeom drawn = drawLeaf(p, c, r, rnd.range(-30, 30), false, fill);
            if (has(sketch, "atigrado") && rnd.next() < 0.75)  // tiger-striped between the veins
                leafLayers(p, sketch, drawn, bg, rnd);
            if (has(sketch, "camino") && c.y() > 95) {  // the dust of the track settled on them
                p.save();
                p.setClipPath(leafOutline(drawn));
                fuzz(p, rnd, c, r, QColor(235, 222, 190, 200), 40, 1.1);
                p.restore();
            }
            if (has(sketch, "bordeseco") && rnd.next() < 0.8) {  // the margin scorched brown
                p.save();
                p.setClipPath(leafOutline(drawn));
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(225, 200, 80), r * 0.55));
                p.drawPath(leafOutline(drawn));
                p.setPen(QPen(QColor(130, 85, 45), r * 0.38));
                p.drawPath(leafOutline(drawn));
                p.restore();
            }
            if (has(sketch, "enrollada")) {
                LeafGeom g{c, r, 0, false};
                p.save();
                p.setClipPath(leafOutline(g));
                p.setPen(QPen(leafGreen(true).darker(120), r * 0.3));
                p.setBrush(Qt::NoBrush);
                p.drawPath(leafOutline(g));
                p.restore();
            }
        }
        if (has(sketch, "racimos"))
            for (int i = 0; i < 3; ++i)
                drawBunch(p, QPointF(110 + i * 90, 120), 0.5, QStringLiteral("maduro"), sketch.variety, seed + i);
        if (has(sketch, "caidas") && organ == QLatin1String("cepa"))  // dry leaves fallen early, on the ground
            for (int i = 0; i < 9; ++i)
                drawLeaf(p, QPointF(rnd.range(20, 380), rnd.range(262, 290)), rnd.range(13, 18), rnd.range(-90, 90),
                         i % 3 == 0, QColor(150, 110, 60).darker(int(rnd.range(95, 125))));
        where.addRect(QRectF(80, 60, 240, 140));
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (organ == QLatin1String("hierba")) {
        // Blades of grass close up, long and narrow, one of them arching
        // across the picture to carry the animal.
        auto blade = [&](QPointF base, QPointF tip, qreal w, QPointF bend, const QColor &c) {
            const QPointF mid = (base + tip) / 2 + bend;
            QPainterPath b(base - QPointF(w, 0));
            b.quadTo(mid - QPointF(w * 0.7, 0), tip);
            b.quadTo(mid + QPointF(w * 0.7, 0), base + QPointF(w, 0));
            b.closeSubpath();
            QLinearGradient g(base - QPointF(w, 0), base + QPointF(w, 0));
            g.setColorAt(0, c.darker(115));
            g.setColorAt(0.5, c.lighter(115));
            g.setColorAt(1, c.darker(125));
            p.setPen(QPen(c.darker(160), 0.8));
            p.setBrush(g);
            p.drawPath(b);
            p.setPen(QPen(c.lighter(135), 1));
            QPainterPath rib(base);
            rib.quadTo(mid, tip);
            p.setBrush(Qt::NoBrush);
            p.drawPath(rib);
        };
        for (int i = 0; i < 11; ++i) {
            const qreal x = rnd.range(10, 390);
            blade(QPointF(x, 315), QPointF(x + rnd.range(-80, 80), rnd.range(30, 150)), rnd.range(5, 9),
                  QPointF(rnd.range(-30, 30), 0), QColor(95, 150, 65).darker(int(rnd.range(100, 125))));
        }
        QPainterPath arch(QPointF(40, 310));  // the broad blade arching over
        arch.cubicTo(QPointF(90, 140), QPointF(240, 90), QPointF(380, 150));
        p.setPen(QPen(QColor(70, 120, 45), 26, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arch);
        p.setPen(QPen(QColor(120, 175, 80), 22, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arch);
        p.setPen(QPen(QColor(160, 200, 120), 1.5));
        p.drawPath(arch);
        where.addEllipse(arch.pointAtPercent(0.55), 6, 6);
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (organ == QLatin1String("maleza")) {
        // A weed of the vineyard floor (bindweed): arrow-shaped leaves on a
        // trailing stem, close to the ground.
        drawSoil(p, QRectF(0, 255, 400, 45), 255);
        QList<QPointF> blades;  // the grass around it, the tips of its blades
        if (has(sketch, "hierbas"))
            for (int i = 0; i < 110; ++i) {
                const QPointF foot(rnd.range(-5, 405), 257 + rnd.range(0, 6));
                const QPointF tip = foot + QPointF(rnd.range(-22, 22), -rnd.range(35, 125));
                QPainterPath blade(foot);
                blade.quadTo(QPointF(foot.x(), (foot.y() + tip.y()) / 2), tip);
                p.setBrush(Qt::NoBrush);
                QColor grass(int(rnd.range(80, 140)), int(rnd.range(130, 170)), int(rnd.range(50, 80)));
                if (winter)  // dry and straw-coloured in winter
                    grass = QColor(grass.red() + 60, grass.green() + 5, grass.blue() + 20);
                p.setPen(QPen(grass, rnd.range(1.5, 3), Qt::SolidLine, Qt::RoundCap));
                p.drawPath(blade);
                blades.append(tip);
            }
        QPainterPath stem(QPointF(20, 250));
        stem.cubicTo(QPointF(120, 140), QPointF(260, 230), QPointF(385, 120));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(95, 140, 60), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stem);
        for (int i = 1; i < 6; ++i) {
            const QPointF at = stem.pointAtPercent(i / 6.0);
            const qreal side = i % 2 ? -1 : 1, r = 44;
            p.save();
            p.translate(at);
            p.rotate(side * 35 - 90);
            QPainterPath leaf(QPointF(0, 0));  // the arrow-shaped blade, its two basal lobes
            leaf.lineTo(r * 0.25, 0);
            leaf.cubicTo(r * 0.5, -r * 0.35, r * 1.0, -r * 0.25, r * 1.3, 0);
            leaf.cubicTo(r * 1.0, r * 0.25, r * 0.5, r * 0.35, r * 0.25, 0);
            leaf.moveTo(r * 0.3, -r * 0.02);
            leaf.lineTo(r * 0.12, -r * 0.32);
            leaf.lineTo(r * 0.42, -r * 0.2);
            leaf.moveTo(r * 0.3, r * 0.02);
            leaf.lineTo(r * 0.12, r * 0.32);
            leaf.lineTo(r * 0.42, r * 0.2);
            p.setPen(QPen(QColor(50, 95, 40), 1.2));
            p.setBrush(QColor(95, 150, 70));
            p.drawPath(leaf);
            p.setPen(QPen(QColor(70, 120, 50), 1));
            p.drawLine(QPointF(r * 0.25, 0), QPointF(r * 1.2, 0));
            p.restore();
            where.addEllipse(at + QPointF(side * 18, -30), 22, 16);
        }
        if (has(sketch, "telas")) {
            // The colony's silk tent spun over the weed and the grass: the
            // larvae packed under it, seen through the white sheet.
            QPainterPath tent(QPointF(88, 238));  // drawn up into points where the silk holds on the blades
            QPointF previous(88, 238);
            for (int k = 1; k <= 10; ++k) {
                const qreal f = k / 10.0;
                const QPointF next(88 + f * 232, 240 - qSin(M_PI * f) * rnd.range(95, 135));
                tent.quadTo(previous, (previous + next) / 2);
                previous = next;
            }
            tent.lineTo(previous);
            tent.cubicTo(QPointF(250, 254), QPointF(150, 256), QPointF(88, 238));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 250, 244, 70));
            p.drawPath(tent);
            const int n = std::max(1, sketch.count);  // the larvae side by side, in rows under the sheet
            const qreal L = sketch.size > 0 ? sketch.size : 40;
            for (int i = 0; i < n; ++i) {
                const int row = i % 3;
                const qreal y = 232 - row * 30 + rnd.range(-5, 5);
                const qreal half = 95 - row * 22;
                const QPointF at(203 - half + (i / 3 + 0.5) * 2 * half / ((n + 2 - row) / 3) + rnd.range(-6, 6), y);
                drawOrganism(p, sketch.organism, at, L * rnd.range(0.85, 1.05), (i % 2 ? 180 : 0) + rnd.range(-35, 35),
                             rnd);
            }
            p.setBrush(QColor(252, 252, 248, 45));
            p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
            p.drawPath(tent);
            p.save();
            p.setClipPath(tent);
            p.setPen(QPen(QColor(255, 255, 255, 120), 0.6));
            for (int i = 0; i < 90; ++i) {  // the threads of the sheet, every way
                const QPointF a(rnd.range(80, 330), rnd.range(110, 255));
                const qreal angle = rnd.range(0, M_PI);
                const QPointF d(qCos(angle) * 70, qSin(angle) * 70);
                p.drawLine(a - d, a + d);
            }
            p.restore();
            p.setPen(QPen(QColor(255, 255, 255, 190), 0.7));  // threads tying it to the grass around
            for (const QPointF &tip : std::as_const(blades)) {
                if (tip.x() < 50 || tip.x() > 355 || tip.y() > 200 || tent.contains(tip))
                    continue;
                QPointF nearest = tent.pointAtPercent(0);
                for (int k = 1; k < 60; ++k) {
                    const QPointF at = tent.pointAtPercent(k / 60.0);
                    if (QLineF(tip, at).length() < QLineF(tip, nearest).length())
                        nearest = at;
                }
                p.drawLine(tip, nearest);
            }
        } else {
            placeOrganisms(p, sketch, where, rnd, organismSize);
        }
    } else if (organ == QLatin1String("rama")) {
        // A whole shoot that has not ripened into wood: rubbery, hanging
        // from the arm in an arc, reddish brown, its leaves rolled down and
        // lying over one another like roof tiles.
        QPainterPath axis(QPointF(40, 40));
        axis.cubicTo(QPointF(230, -10), QPointF(370, 80), QPointF(345, 275));
        QLinearGradient g(40, 0, 360, 0);
        g.setColorAt(0, QColor(135, 80, 50));
        g.setColorAt(1, has(sketch, "sinhojas") ? QColor(105, 150, 65) : QColor(150, 95, 60));
        if (has(sketch, "sinhojas"))
            g.setColorAt(0, QColor(95, 140, 60));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(g), 9, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(axis);
        p.setPen(QPen(QColor(110, 75, 40), 14, Qt::SolidLine, Qt::RoundCap));  // the arm it hangs from
        p.drawLine(QPointF(0, 55), QPointF(45, 40));
        QList<QLineF> segs;
        for (int i = 0; i < 8; ++i)
            segs << QLineF(axis.pointAtPercent(i / 8.0), axis.pointAtPercent((i + 1) / 8.0));
        if (!has(sketch, "sinhojas")) {
            for (int i = 1; i < 9; ++i) {
                const QPointF node = axis.pointAtPercent(i / 9.0);
                QColor fill = leafGreen(false);
                if (has(sketch, "rojo") && rnd.next() < 0.85)
                    fill = QColor(160, 45, 45).lighter(int(rnd.range(95, 115)));
                else if (has(sketch, "amarillo") && rnd.next() < 0.85)
                    fill = QColor(220, 195, 60).darker(int(rnd.range(95, 110)));
                const qreal r = 44 - i * 1.5;  // hanging from its petiole, over the leaf below
                const QPointF c = node + QPointF(rnd.range(-8, 4), r * 0.82);
                const LeafGeom lg = drawLeaf(p, c, r, 180 + rnd.range(-18, 18), false, fill);
                p.save();  // the blade rolled down: a darker rolled rim
                p.setClipPath(leafOutline(lg));
                p.setPen(QPen(fill.darker(150), r * 0.28));
                p.setBrush(Qt::NoBrush);
                p.drawPath(leafOutline(lg));
                p.restore();
            }
        }
        stemLayers(p, sketch, segs, rnd, true);
        for (const QLineF &l : segs)
            where.addEllipse(l.center(), 14, 14);
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (organ == QLatin1String("racimo")) {
        QString stage = sketch.stage.isEmpty() ? QStringLiteral("maduro") : sketch.stage;
        // A leaf behind the bunch, as it hangs on the vine.
        drawLeaf(p, QPointF(95, 70), 60, -30, false, leafGreen(false));
        if (has(sketch, "raquis")) {
            // The rachis laid bare on the left, its berries still on the right.
            // Stripped by birds ("desnudo"), the ripe berries are left on
            // clean stalks; rotten, the stalks carry the dark lesions.
            const bool stripped = has(sketch, "desnudo");
            const bool wilted = has(sketch, "marchito");  // the bunch below the rot wilting: dull, wrinkled
            // Sour rot ("mojado"): the stalks brown and soaked with the juice
            // of the soft brown berries still on them.
            const bool soaked = has(sketch, "mojado");
            const QColor stalkColour = soaked ? QColor(115, 78, 40) : QColor(120, 140, 60);
            const QColor bareBerry = soaked                ? QColor(150, 85, 45)
                : wilted                                   ? QColor(150, 130, 85)
                : !stripped                                ? QColor(150, 190, 85)
                : sketch.variety == QLatin1String("tinta") ? QColor(70, 30, 80)
                                                           : QColor(215, 205, 110);
            p.setPen(QPen(stalkColour, 6, Qt::SolidLine, Qt::RoundCap));
            const QPointF top(200, 15), bottom(205, 260);
            p.drawLine(top, bottom);
            QList<QLineF> stalks{QLineF(top, bottom)};
            for (int i = 0; i < 8; ++i) {
                const QPointF at = top + (bottom - top) * (0.12 + i * 0.1);
                const qreal len = 80 * (1 - i * 0.1);
                p.setPen(QPen(stalkColour, 3.5 - i * 0.25, Qt::SolidLine, Qt::RoundCap));
                const QLineF left(at, at + QPointF(-len, len * 0.35)), right(at, at + QPointF(len, len * 0.35));
                p.drawLine(left);
                p.drawLine(right);
                stalks << left;
                for (int k = 1; k <= 3; ++k) {  // bare pedicels
                    p.setPen(QPen(stalkColour, 1.5));
                    p.drawLine(left.pointAt(k / 3.5), left.pointAt(k / 3.5) + QPointF(-4, 8));
                }
                for (int k = 1; k <= 3; ++k) {
                    const QPointF c = right.pointAt(k / 3.5) + QPointF(0, 10);
                    drawBerry(p, {c, wilted ? 9.5 : 11}, bareBerry);
                    if (soaked) {  // the juice running from the soft berry
                        p.setPen(Qt::NoPen);
                        p.setBrush(QColor(190, 140, 60, 190));
                        p.drawEllipse(c + QPointF(1, 12), 2.6, 4.2);
                    }
                    if (wilted) {
                        p.setPen(QPen(QColor(95, 80, 50), 0.9));
                        p.setBrush(Qt::NoBrush);
                        for (int w = 0; w < 2; ++w)
                            p.drawArc(QRectF(c.x() - 6, c.y() - 4 + w * 4, 12, 5), 200 * 16, 140 * 16);
                    }
                }
            }
            if (has(sketch, "plateado"))  // silvery, discoloured patches along the stalks
                for (int i = 0; i < 12; ++i) {
                    const QLineF &l = stalks[int(rnd.range(0, stalks.size()))];
                    const qreal a = rnd.range(0.1, 0.7);
                    p.setPen(QPen(QColor(225, 230, 235, 220), 4.5, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(l.pointAt(a), l.pointAt(std::min<qreal>(1, a + 0.25)));
                }
            if (soaked) {  // the wet shine along the stalks and the drops hanging from them
                for (const QLineF &l : stalks) {
                    p.setPen(QPen(QColor(235, 215, 160, 170), 1.3, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(l.pointAt(0.1) + QPointF(0, -1.5), l.pointAt(0.8) + QPointF(0, -1.5));
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(190, 140, 60, 200));
                    p.drawEllipse(l.pointAt(rnd.range(0.3, 0.9)) + QPointF(0, 4), 2.4, 3.8);
                }
            }
            for (int i = 0; i < (stripped || soaked ? 0 : 14); ++i) {
                const QLineF &l = stalks[int(rnd.range(0, stalks.size()))];
                p.save();
                p.translate(l.pointAt(rnd.range(0.15, 0.9)));
                p.rotate(-l.angle());
                p.setPen(QPen(has(sketch, "costras") ? QColor(90, 60, 35) : QColor(15, 10, 8), 1));
                p.setBrush(has(sketch, "costras") ? QColor(150, 115, 75) : QColor(35, 25, 20));
                p.drawEllipse(QPointF(0, 0), rnd.range(5, 9), 3.2);
                p.restore();
            }
            where.addRect(QRectF(120, 40, 160, 200));
            placeOrganisms(p, sketch, where, rnd, organismSize);
            p.restore();
            return;
        }
        if (has(sketch, "botonesroidos")) {
            // A branch of the young bunch close up: the flower buttons on
            // their pedicels, many of them bitten by beetles: a ragged bite
            // out of the side, the hollow gnawed into the button, some left
            // as a stub on the bare pedicel, crumbs fallen below.
            const QColor stalk(120, 150, 65);
            p.setPen(QPen(stalk, 7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(210, 0), QPointF(195, 290));
            QList<QPair<QPointF, QPointF>> buttons;  // pedicel base, button centre
            for (int i = 0; i < 3; ++i) {
                const QPointF at(208 - i * 5, 40 + i * 85);
                for (int side : {-1, 1}) {
                    const QPointF fork = at + QPointF(side * (62 - i * 8), 26);
                    p.setPen(QPen(stalk, 3.5, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(at, fork);
                    for (int k = 0; k < 5; ++k) {  // a cluster at the end of each branch
                        const qreal a = (k - 2) * 0.75;
                        buttons.append({fork, fork + QPointF(side * (18 + qCos(a) * 26), qSin(a) * 30)});
                    }
                }
            }
            for (const auto &[base, c] : buttons) {
                p.setPen(QPen(stalk, 2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(base, c);
            }
            for (const auto &[base, c] : buttons) {
                const qreal roll = rnd.next();
                const qreal r = 16;
                if (roll < 0.2) {  // eaten down to the pedicel: a brown stub
                    p.setPen(QPen(QColor(90, 70, 40), 1));
                    p.setBrush(QColor(165, 130, 80));
                    p.drawEllipse(c, r * 0.4, r * 0.3);
                    continue;
                }
                p.setPen(QPen(QColor(95, 130, 55), 1));
                p.setBrush(QColor(175, 205, 100));
                p.drawEllipse(c, r * 0.8, r * 1.1);
                if (roll < 0.7) {  // bitten: the bite's ragged edge and the hollow inside
                    const qreal a = rnd.range(0, 2 * M_PI);
                    const QPointF bite = c + QPointF(qCos(a), qSin(a)) * r * 0.75;
                    QPainterPath button;
                    button.addEllipse(c, r * 0.8, r * 1.1);
                    p.save();
                    p.setClipPath(button);
                    p.setPen(QPen(QColor(120, 90, 45), 1.4));
                    p.setBrush(bg);
                    p.drawPath(blob(rnd, bite, r * 0.7));
                    p.restore();
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(150, 110, 60));
                    p.drawEllipse(c + (bite - c) * 0.35, r * 0.32, r * 0.38);
                    p.setBrush(QColor(95, 65, 35));
                    p.drawEllipse(c + (bite - c) * 0.35, r * 0.16, r * 0.2);
                }
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(150, 120, 70));
            for (int i = 0; i < 30; ++i)  // the crumbs
                p.drawEllipse(QPointF(rnd.range(60, 340), rnd.range(270, 296)), 1.4, 1.1);
            for (const auto &[base, c] : buttons)
                where.addEllipse(c, 10, 10);
            placeOrganisms(p, sketch, where, rnd, organismSize);
            p.restore();
            return;
        }
        if (has(sketch, "curvada")) {
            QPainterPath axis(QPointF(150, 12));
            axis.cubicTo(QPointF(480, 40), QPointF(-80, 240), QPointF(260, 288));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(110, 150, 60), 8, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(axis);
            // An inflorescence or a young bunch bent into an S.
            const bool flowers = stage == QLatin1String("flor");
            QList<Berry> buds;
            for (int i = 0; i < (flowers ? 150 : 95); ++i) {
                const qreal t = rnd.range(0.08, 0.98);
                const qreal spread = (flowers ? 22 : 26) * (1.1 - t * 0.5);
                buds.append(
                    {axis.pointAtPercent(t) + QPointF(rnd.range(-spread, spread), rnd.range(-spread, spread) * 0.6),
                     flowers ? 5.5 : rnd.range(7, 9)});
            }
            std::sort(buds.begin(), buds.end(), [](const Berry &a, const Berry &b) { return a.c.y() < b.c.y(); });
            for (const Berry &b : buds) {
                if (flowers) {
                    p.setPen(QPen(QColor(95, 130, 55), 0.7));
                    p.setBrush(QColor(170, 200, 95));
                    p.drawEllipse(b.c, b.r * 0.8, b.r * 1.1);
                } else {
                    drawBerry(p, b, QColor(150, 190, 85));
                }
            }
            bunchLayers(p, sketch, buds, rnd, bg);
            p.restore();
            return;
        }
        QList<Berry> berries = drawBunch(p, QPointF(200, 10),
                                         stage == QLatin1String("flor")        ? 1.9
                                             : stage == QLatin1String("verde") ? 1.7
                                                                               : 1.45,
                                         stage, sketch.variety, seed, !has(sketch, "corrido"));
        if (has(sketch, "corrido")) {
            // A loose bunch: the rachis and its branches show between few,
            // uneven berries, some of them small green ones that never grew.
            QList<QPointF> ends;
            const QPointF top(200, 40);
            p.setPen(QPen(QColor(120, 140, 60), 5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(top, QPointF(200, 225));
            for (int i = 0; i < 7; ++i) {
                const QPointF at(200, 58 + i * 24);
                const qreal len = 62 * (1 - i * 0.11);
                for (int side : {-1, 1}) {
                    const QPointF tip = at + QPointF(side * len, len * 0.55);
                    p.setPen(QPen(QColor(120, 140, 60), 3 - i * 0.25, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(at, tip);
                    p.setPen(QPen(QColor(120, 140, 60), 1.3));
                    for (int k = 1; k <= 2; ++k) {
                        const QPointF q = at + (tip - at) * (k / 2.0);
                        const QPointF e = q + QPointF(side * 2, 8);
                        p.drawLine(q, e);
                        ends << e;
                    }
                }
            }
            QList<Berry> kept;
            const QColor ripe = stage == QLatin1String("verde") ? QColor(150, 190, 85)
                : sketch.variety == QLatin1String("blanca")     ? QColor(205, 205, 110)
                                                                : QColor(62, 30, 78);
            for (const QPointF &e : ends) {
                const qreal roll = rnd.next();
                if (roll < 0.4) {
                    const Berry b{e + QPointF(0, 9), 10.5 * rnd.range(0.75, 1.05)};
                    drawBerry(p, b, ripe);
                    kept.append(b);
                } else if (roll < 0.65) {
                    drawBerry(p, {e + QPointF(0, 4), 3.5}, QColor(150, 190, 85));
                }
            }
            berries = kept;
        }
        if (has(sketch, "seca") || has(sketch, "roidos")) {
            for (const Berry &b : berries)
                if (rnd.next() < (has(sketch, "seca") ? 0.8 : 0.5)) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(has(sketch, "seca") ? QColor(150, 110, 60) : bg);
                    p.drawEllipse(b.c, b.r * 1.1, b.r * 1.2);
                    if (has(sketch, "roidos")) {
                        p.setPen(QPen(QColor(110, 140, 60), 1));
                        p.drawLine(b.c - QPointF(0, b.r), b.c);
                    }
                }
        }
        if (has(sketch, "mordisqueados")) {
            // Berries gnawed by mice or dormice, bitten open or left as empty
            // skins: the berries drawn again from the top, so the ones in
            // front still cover the ones behind.
            const QColor ripe = sketch.variety == QLatin1String("blanca") ? QColor(205, 205, 110) : QColor(62, 30, 78);
            const qreal share = 0.5 * amountOf(sketch, "mordisqueados");
            for (const Berry &b : berries) {
                const qreal roll = rnd.next();
                if (roll < share * 0.6)
                    bittenBerry(p, b, ripe, rnd);
                else if (roll < share)
                    emptySkin(p, b, ripe, rnd);
                else
                    drawBerry(p, b, ripe);
            }
        }
        if (has(sketch, "pelos"))
            for (const Berry &b : berries)
                fuzz(p, rnd, b.c, b.r * 1.4, QColor(250, 245, 235, 230), 30, 1.6);
        bunchLayers(p, sketch, berries, rnd, bg);
        if (has(sketch, "envuelto") && !berries.isEmpty()) {
            // The young bunch dried where it hangs, every flower bud brown and
            // shrivelled, held between two leaves gnawed at their margins
            // that a few silk threads draw together over it.
            for (const Berry &b : berries)
                drawBerry(p, {b.c, b.r * 0.85}, QColor(135, 95, 50));
            const QRectF box = [&] {
                QRectF r;
                for (const Berry &b : berries)
                    r |= QRectF(b.c - QPointF(b.r, b.r), QSizeF(2 * b.r, 2 * b.r));
                return r;
            }();
            const QPointF lc(box.left() - 8, box.center().y() + 8), rc(box.right() + 10, box.center().y() + 18);
            bittenLeaf(p, lc, 60, 75, true, leafGreen(true), 4, rnd);
            bittenLeaf(p, rc, 56, -70, false, leafGreen(false), 4, rnd);
            for (int i = 0; i < 9; ++i) {  // silk from leaf to leaf, sagging across the bunch
                const QPointF a = lc + QPointF(rnd.range(0, 30), rnd.range(-40, 40));
                const QPointF e = rc + QPointF(rnd.range(-30, 0), rnd.range(-40, 40));
                QPainterPath thread(a);
                thread.quadTo((a + e) / 2 + QPointF(0, rnd.range(8, 22)), e);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(40, 50, 30, 90), 2.2));
                p.drawPath(thread.translated(1, 1.2));
                p.setPen(QPen(QColor(255, 255, 255, 235), 1.4));
                p.drawPath(thread);
            }
        }
        QPainterPath area;
        for (const Berry &b : berries)
            area.addEllipse(b.c, b.r, b.r);
        where = area;
        placeOrganisms(p, sketch, area, rnd, organismSize);
    } else if (organ == QLatin1String("grano") && has(sketch, "abierto")) {
        // One berry close up, split open: the pulp inside broken down into a
        // brown mush, the maggots lying in it.
        const QColor skin = sketch.variety == QLatin1String("blanca") ? QColor(205, 205, 110) : QColor(62, 30, 78);
        p.setPen(QPen(QColor(110, 130, 60), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(200, 0), QPointF(200, 40));
        drawBerry(p, {QPointF(200, 165), 122}, skin);
        const QPainterPath wound = blob(rnd, QPointF(204, 172), 84, 1.12);
        QRadialGradient pulp(QPointF(204, 172), 95);
        pulp.setColorAt(0, QColor(215, 190, 120));
        pulp.setColorAt(0.7, QColor(180, 140, 75));
        pulp.setColorAt(1, QColor(120, 85, 45));
        p.setPen(QPen(skin.darker(170), 4));
        p.setBrush(pulp);
        p.drawPath(wound);
        p.save();
        p.setClipPath(wound);
        for (int i = 0; i < 9; ++i)  // the rotting mush, wet and darker in patches
            p.fillPath(blob(rnd, pointIn(wound, rnd, 0.9), rnd.range(10, 22), rnd.range(0.8, 1.5)),
                       QColor(125, 85, 40, 120));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 245, 210, 120));
        for (int i = 0; i < 12; ++i)
            p.drawEllipse(pointIn(wound, rnd, 0.9), rnd.range(2, 4), rnd.range(1, 2));
        p.restore();
        p.setPen(QPen(skin.lighter(130), 1.5));  // the torn skin curled at the edge
        p.setBrush(Qt::NoBrush);
        p.drawPath(QTransform().translate(204, 172).scale(1.04, 1.04).translate(-204, -172).map(wound));
        where = QTransform().translate(204, 172).scale(0.75, 0.75).translate(-204, -172).map(wound);
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (organ == QLatin1String("grano")) {
        // Berries close up on their pedicels.
        const QColor colour = sketch.stage == QLatin1String("verde") ? QColor(150, 190, 85)
            : sketch.variety == QLatin1String("blanca")              ? QColor(205, 205, 110)
                                                                     : QColor(62, 30, 78);
        p.setPen(QPen(QColor(110, 130, 60), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(200, 0), QPointF(200, 40));
        QList<Berry> berries{{QPointF(130, 150), 62}, {QPointF(270, 160), 62}, {QPointF(200, 235), 55}};
        for (const Berry &b : berries) {
            p.setPen(QPen(QColor(110, 130, 60), 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(200, 40), b.c - QPointF(0, b.r));
        }
        for (const Berry &b : berries)
            drawBerry(p, b, colour);
        Sketch one = sketch;
        for (Layer &l : one.layers)
            l.amount = std::max<qreal>(l.amount, 3);
        bunchLayers(p, one, berries, rnd, bg);
        if (has(sketch, "manchitas"))  // many small violet and blackish specks scattered over the skin
            for (const Berry &b : berries)
                for (int i = 0; i < 22; ++i) {
                    const qreal a = rnd.range(0, 2 * M_PI), d = b.r * std::sqrt(rnd.next()) * 0.82;
                    const qreal r = rnd.range(1.6, 4.2);
                    const QColor speck = rnd.next() < 0.5 ? QColor(105, 45, 120) : QColor(35, 20, 35);
                    p.setPen(QPen(speck.darker(140), 0.6));
                    p.setBrush(speck);
                    p.drawEllipse(b.c + QPointF(d * qCos(a), d * qSin(a)), r, r * rnd.range(0.75, 1));
                }
        if (has(sketch, "herida")) {
            // One berry pecked by a bird: a torn gash in the skin showing the
            // pulp, juice running from it, and the rot beginning round it as
            // a soft brown patch on the skin.
            const Berry &b = berries.first();
            const QPointF w = b.c + QPointF(b.r * 0.12, -b.r * 0.1);
            softSpot(p, w, b.r * 0.62, QColor(125, 80, 40, 215));
            softSpot(p, w, b.r * 0.4, QColor(95, 60, 32, 230));
            QPainterPath gash;
            gash.moveTo(w + QPointF(-b.r * 0.26, -b.r * 0.1));
            gash.lineTo(w + QPointF(-b.r * 0.08, -b.r * 0.2));
            gash.lineTo(w + QPointF(b.r * 0.05, -b.r * 0.12));
            gash.lineTo(w + QPointF(b.r * 0.24, -b.r * 0.18));
            gash.lineTo(w + QPointF(b.r * 0.18, b.r * 0.08));
            gash.lineTo(w + QPointF(-b.r * 0.02, b.r * 0.16));
            gash.lineTo(w + QPointF(-b.r * 0.2, b.r * 0.1));
            gash.closeSubpath();
            p.setPen(QPen(QColor(60, 35, 20), 2));
            p.setBrush(QColor(215, 195, 120));
            p.drawPath(gash);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(170, 130, 60, 200));  // the juice running down from it
            p.drawEllipse(w + QPointF(0, b.r * 0.32), b.r * 0.06, b.r * 0.12);
            p.drawEllipse(w + QPointF(b.r * 0.02, b.r * 0.5), b.r * 0.05, b.r * 0.07);
        }
        for (const Berry &b : berries)
            where.addEllipse(b.c, b.r, b.r);
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (organ == QLatin1String("pampano") && has(sketch, "cortado")) {
        // Young shoots on the spur in spring, eaten at night: one cut through
        // near its base, its top fallen and wilting on the ground, and the
        // tender leaves of the others bitten from the edge.
        drawSoil(p, QRectF(0, 248, 400, 52), 248);
        const QList<QLineF> cane = drawCane(p, QPointF(-10, 200), QPointF(410, 172), 20, false);
        auto tenderLeaf = [&](QPointF at, qreal r, qreal angle, int bites, const QColor &fill) {
            bittenLeaf(p, at, r, angle, false, fill, bites, rnd);
        };
        const QColor tender = QColor(150, 195, 90);
        auto shoot = [&](QPointF base, QPointF tip, int bites) {
            const QList<QLineF> segs = drawShoot(p, base, tip, 6, false, rnd);
            for (int i = 0; i < 4; ++i) {
                const qreal side = i % 2 ? 1 : -1, r = 30 - i * 4;
                const QPointF node = segs[i].p2(), at = node + QPointF(side * r * 1.1, -r * 0.5);
                p.setPen(QPen(QColor(90, 140, 55), 1.8));
                p.drawLine(node, at + QPointF(0, r * 0.5));
                tenderLeaf(at, r, side * 25, bites, tender);
            }
        };
        shoot(cane[1].p1() + QPointF(0, -8), QPointF(60, 30), 3);
        shoot(cane[3].p1() + QPointF(0, -8), QPointF(350, 36), 4);
        // The cut one: a green stub with the pale slanting wound.
        const QPointF stub = cane[2].p1() + QPointF(0, -8), wound = stub + QPointF(5, -34);
        p.setPen(QPen(QColor(95, 150, 60), 8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(stub, wound);
        p.save();
        p.translate(wound);
        p.rotate(-25);
        p.setPen(QPen(QColor(90, 130, 55), 1.2));
        p.setBrush(QColor(225, 240, 185));
        p.drawEllipse(QPointF(0, 0), 8, 4);
        p.restore();
        // Its top lying on the soil below, the same pale cut at its end,
        // the leaves limp and dull.
        const QPointF end(128, 276), top(300, 262);
        p.setPen(QPen(QColor(120, 150, 70), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(end, top);
        for (int i = 0; i < 3; ++i) {
            const QPointF node = end + (top - end) * (0.3 + i * 0.28);
            const QPointF at = node + QPointF(10, i % 2 ? 12 : -18);
            p.setPen(QPen(QColor(110, 130, 60), 1.6));
            p.drawLine(node, at);
            tenderLeaf(at, 25 - i * 3, i % 2 ? 160 : 100, 1, QColor(170, 172, 95));
        }
        p.setPen(QPen(QColor(90, 130, 55), 1.2));
        p.setBrush(QColor(225, 240, 185));
        p.drawEllipse(end, 4, 5.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 185, 90));
        p.drawEllipse(top, 5, 5);
        where.addEllipse(stub + QPointF(-42, 8), 4, 4);
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (organ == QLatin1String("pampano") && has(sketch, "cerca")) {
        // The base of a young shoot close up, where it springs from last
        // year's cane: the first internodes, thick and green, with the
        // brown corky crusts cracked across.
        drawCane(p, QPointF(-10, 262), QPointF(410, 232), 34, false);
        const QList<QLineF> segs = drawShoot(p, QPointF(170, 244), QPointF(300, -30), 20, true, rnd);
        const QLineF axis(segs.first().p1(), segs.last().p2());
        const QPointF across = QPointF(-axis.dy(), axis.dx()) / axis.length();
        if (has(sketch, "cancros") || has(sketch, "manchasnegras")) {
            // Sunken cankers, grey in the middle with a black rim, or black
            // elongated spots cracking along their length.
            const bool grey = has(sketch, "cancros");
            for (int i = 0; i < 7; ++i) {
                const QPointF at = axis.pointAt(0.06 + i * 0.075) + across * ((i % 2 ? 1 : -1) * 3.5);
                p.save();
                p.translate(at);
                p.rotate(-axis.angle());
                const qreal len = rnd.range(10, 15);
                p.setPen(QPen(QColor(20, 15, 12), grey ? 2.2 : 1));
                p.setBrush(grey ? QColor(170, 165, 155) : QColor(30, 25, 20));
                p.drawEllipse(QPointF(0, 0), len, 5.5);
                p.setPen(QPen(grey ? QColor(120, 115, 105) : QColor(150, 170, 110), 1));
                p.drawLine(QPointF(-len * 0.6, 0), QPointF(len * 0.6, 0));
                p.restore();
            }
        }
        if (has(sketch, "estrias"))  // corky brown streaks and scars along the internodes
            for (int i = 0; i < 16; ++i) {
                const qreal t = rnd.range(0.04, 0.8), len = rnd.range(16, 30);
                const QPointF at = axis.pointAt(t) + across * rnd.range(-5, 5);
                const QPointF dir = (axis.p2() - axis.p1()) / axis.length();
                p.setPen(QPen(QColor(95, 65, 35), 3.6, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(at, at + dir * len);
                p.setPen(QPen(QColor(170, 130, 85), 1.4, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(at + dir * 2, at + dir * (len - 2));
            }
        for (int i = 0; i < (has(sketch, "costras") ? 7 : 0); ++i) {
            const QPointF at = axis.pointAt(0.06 + i * 0.07) + across * ((i % 2 ? 1 : -1) * 4);
            p.save();
            p.translate(at);
            p.rotate(-axis.angle());
            const qreal len = rnd.range(11, 15), w = rnd.range(5.5, 7.5);
            p.setPen(QPen(QColor(80, 55, 30), 1.2));
            p.setBrush(QColor(150, 115, 72));
            p.drawPath(blob(rnd, QPointF(0, 0), w, len / w));
            p.setPen(QPen(QColor(70, 45, 25), 1));
            for (int k = -1; k <= 1; ++k)  // the cracks across the crust
                p.drawLine(QPointF(k * len * 0.4, -w * 0.7), QPointF(k * len * 0.4 + 2, w * 0.7));
            p.restore();
        }
        for (const QLineF &l : segs)
            where.addEllipse(l.center(), 14, 14);
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (organ == QLatin1String("pampano")) {
        // A stunted shoot is short, thin and zigzag.
        const QList<QLineF> segs = drawShoot(p, QPointF(40, 270),
                                             has(sketch, "marchita")        ? QPointF(300, 120)
                                                 : has(sketch, "raquitico") ? QPointF(190, 150)
                                                 : has(sketch, "bisel")     ? QPointF(215, 135)
                                                 : has(sketch, "nido")      ? QPointF(215, 160)
                                                                            : QPointF(330, 40),
                                             has(sketch, "raquitico") ? 7 : 10, !has(sketch, "sinhojas"), rnd,
                                             has(sketch, "raquitico") ? 9 : 0);
        if (has(sketch, "necrosadas")) {
            // The shoot's leaves dead and dry: each blade drawn again over
            // the green one, brown, with darker dead patches between the
            // veins and the margin curled.
            for (int i = 0; i + 1 < segs.size(); ++i) {
                const qreal side = i % 2 ? 1 : -1, lr = 10 * (3.2 - i * 0.25);
                const QPointF leafAt = segs[i].p2() + QPointF(side * lr * 1.3, -lr * 0.6);
                const LeafGeom dead =
                    drawLeaf(p, leafAt, lr, side * 25, false, QColor(150, 108, 58).darker(int(rnd.range(95, 120))));
                const QPainterPath blade = leafOutline(dead);
                p.save();
                p.setClipPath(blade);
                for (int k = 0; k < 4; ++k)
                    softSpot(p, pointIn(blade, rnd, 0.8), lr * rnd.range(0.2, 0.32), QColor(95, 62, 32, 200));
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(105, 70, 38), lr * 0.18));
                p.drawPath(blade);
                p.restore();
            }
        }
        if (has(sketch, "marchita")) {  // the tip bends down and wilts
            p.setPen(QPen(QColor(120, 150, 70), 6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(300, 120), QPointF(330, 175));
            drawLeaf(p, QPointF(335, 200), 22, 170, true, QColor(160, 170, 90));
        }
        if (has(sketch, "bisel")) {  // cut clean on a slant, as by a rabbit's teeth: the pale cut face at the end
            p.save();
            p.translate(segs.last().p2());
            p.rotate(-35);
            p.setPen(QPen(QColor(90, 130, 55), 1.2));
            p.setBrush(QColor(215, 235, 170));
            p.drawEllipse(QPointF(0, 0), 12, 6);
            p.restore();
        }
        if (has(sketch, "cigarros"))  // several leaves rolled into cigars near the tip
            for (int i = 1; i < segs.size(); ++i)
                drawCigar(p, segs[i].p2() + QPointF(i % 2 ? 16 : -12, 30), 62 - i * 4, 75 + (i % 2 ? -12 : 12));
        if (has(sketch, "cerillas")) {  // petioles left without their blades
            p.setPen(QPen(QColor(120, 100, 60), 2.5, Qt::SolidLine, Qt::RoundCap));
            for (const QLineF &l : segs)
                p.drawLine(l.p2(), l.p2() + QPointF(18, -16));
        }
        stemLayers(p, sketch, segs, rnd, true);
        if (has(sketch, "inflorescencia") || has(sketch, "seca")) {
            // Close up (botones, ennegrecida) the cluster is drawn large, to
            // show its flower buds.
            const bool large = has(sketch, "botones") || has(sketch, "ennegrecida");
            const QPointF top = segs[2].p2() + QPointF(8, 0);
            QList<Berry> fl;
            if (large)
                drawInflorescence(p, top, 120, has(sketch, "ennegrecida"), rnd);
            else
                fl = drawBunch(p, top, 0.55, QStringLiteral("flor"), QString(), seed);
            if (has(sketch, "seca"))
                for (const Berry &b : fl) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(140, 100, 55));
                    p.drawEllipse(b.c, b.r * 0.9, b.r * 1.1);
                }
        }
        for (const QLineF &l : segs)
            where.addEllipse(l.center(), 14, 14);
        if (has(sketch, "nido"))  // the leaves of the tip tied into a nest, the caterpillar in it
            where = drawTiedLeaves(p, segs.last().p2() + QPointF(20, -20), 120, rnd);
        if (has(sketch, "corro") && !sketch.organism.isEmpty()) {
            // A crowd of the bugs at the tip of the shoot: adults and the
            // smaller wingless nymphs side by side, all heading up it, each
            // one apart from the next.
            const QLineF axis(segs.first().p1(), segs.last().p2());
            const QPointF dir = (axis.p2() - axis.p1()) / axis.length(), across(-dir.y(), dir.x());
            const qreal heading = qRadiansToDegrees(std::atan2(dir.y(), dir.x()));
            const qreal adult = sketch.size > 0 ? sketch.size : 46;
            struct Bug {
                qreal along, side, len;
            };
            QList<Bug> bugs;
            const int n = std::max(1, sketch.count);
            for (int tries = 0; tries < 2000 && bugs.size() < n; ++tries) {
                const Bug b{rnd.range(0.45, 0.95) * axis.length(), rnd.range(-40, 40),
                            bugs.size() % 2 ? adult * 0.7 : adult};
                bool clear = true;
                for (const Bug &o : bugs)
                    if (std::abs(o.along - b.along) < (o.len + b.len) * 0.5 + 3 && std::abs(o.side - b.side) < 17)
                        clear = false;
                if (clear)
                    bugs << b;
            }
            const QString nymph = sketch.organism.section(QLatin1Char('-'), 0, 0) + QStringLiteral("-ninfagris");
            for (const Bug &b : bugs)
                drawOrganism(p, b.len < adult ? nymph : sketch.organism, axis.p1() + dir * b.along + across * b.side,
                             b.len, heading + rnd.range(-8, 8), rnd);
        } else if (has(sketch, "subiendo") && !sketch.organism.isEmpty()) {
            // A file of small animals climbing the base of the shoot, all
            // heading up it.
            const int n = std::max(1, sketch.count);
            for (int i = 0; i < n; ++i) {
                const QLineF &seg = segs[std::min<int>(int(i * 3.0 / n), int(segs.size()) - 1)];
                const QPointF dir = (seg.p2() - seg.p1()) / std::max<qreal>(1, seg.length());
                const QPointF at = seg.pointAt(std::fmod(i * 3.0 / n, 1.0) * 0.8 + 0.15)
                    + QPointF(-dir.y(), dir.x()) * rnd.range(-4, 4);
                drawOrganism(p, sketch.organism, at, sketch.size > 0 ? sketch.size : 30,
                             qRadiansToDegrees(std::atan2(dir.y(), dir.x())) + rnd.range(-15, 15), rnd);
            }
        } else {
            placeOrganisms(p, sketch, where, rnd, organismSize);
        }
    } else if (organ == QLatin1String("yema")
               && (has(sketch, "medialuna") || has(sketch, "irregular") || has(sketch, "interior")
                   || has(sketch, "hueca") || has(sketch, "seccion"))) {
        where = bittenBudCloseUp(p, sketch, rnd);
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (organ == QLatin1String("yema") && has(sketch, "aporcado")) {
        // A newly planted graft with the earth ridged up over it, the mound
        // cut open in front to show what it covers: the cutting, the graft
        // union and, above it, the scion's bud buried in the earth and
        // gnawed hollow; only the waxed tip shows above the mound.
        const qreal ground = 232;
        drawSoil(p, QRectF(0, ground, 400, 300 - ground), ground);
        QPainterPath mound(QPointF(30, ground));
        mound.cubicTo(QPointF(100, 62), QPointF(300, 62), QPointF(370, ground));
        mound.closeSubpath();
        QLinearGradient earth(0, 100, 0, ground);
        earth.setColorAt(0, QColor(150, 112, 75));
        earth.setColorAt(1, QColor(112, 80, 50));
        p.setPen(QPen(QColor(85, 60, 38), 2));
        p.setBrush(earth);
        p.drawPath(mound);
        p.save();
        p.setClipPath(mound);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 160; ++i) {  // crumbs and small stones of the earth
            p.setBrush(rnd.next() < 0.7 ? QColor(90, 64, 40, 200) : QColor(185, 160, 125, 200));
            p.drawEllipse(QPointF(rnd.range(30, 370), rnd.range(100, 300)), rnd.range(1, 3), rnd.range(1, 2.4));
        }
        p.restore();
        // The cutting, standing through the mound and into the soil.
        p.setPen(QPen(QColor(70, 48, 30), 16, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(200, 300), QPointF(200, 78));
        p.setPen(QPen(QColor(135, 100, 65), 11, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(198, 300), QPointF(198, 80));
        p.setPen(QPen(QColor(70, 48, 30), 1.2));
        p.setBrush(QColor(165, 130, 85));  // the graft union's callus
        p.drawEllipse(QPointF(200, 212), 14, 9);
        p.setBrush(QColor(200, 50, 45));  // the sealing wax on the scion's tip
        p.drawRoundedRect(QRectF(191, 62, 18, 26), 3, 3);
        Random roots(seed + 1);
        drawRoots(p, QPointF(200, 296), 30, roots, true);
        const QPointF node(210, 158);
        drawBud(p, node, 40, QStringLiteral("invierno"));
        p.setPen(QPen(QColor(60, 35, 20), 1.2));  // eaten hollow
        p.setBrush(QColor(222, 202, 160));
        p.drawPath(blob(rnd, node + QPointF(6, -21), 16));
        p.setBrush(QColor(40, 25, 15));
        p.drawEllipse(node + QPointF(6, -21), 7.5, 7.5);
        if (!sketch.organism.isEmpty())
            drawOrganism(p, sketch.organism, QPointF(278, 150), sketch.size > 0 ? sketch.size : 90, 195, rnd);
    } else if (organ == QLatin1String("sarmiento") || organ == QLatin1String("yema")) {
        const bool bud = organ == QLatin1String("yema");
        QList<QLineF> segs;
        if (bud) {
            // With a tally card in the corner the cane runs a little higher,
            // clear of it.
            const bool card = sketch.scene.split(QLatin1Char('+')).contains(QLatin1String("conteo"));
            segs = drawCane(p, QPointF(-20, card ? 205 : 220), QPointF(420, card ? 150 : 170), 30, false);
        } else if (has(sketch, "partido")) {
            // Snapped at the gallery: the outer piece hangs from a strip of bark.
            segs = drawCane(p, QPointF(20, 230), QPointF(205, 153), 14, true);
            segs += drawCane(p, QPointF(214, 160), QPointF(300, 285), 13, false);
            p.setPen(QPen(QColor(230, 205, 160), 2));
            for (int i = 0; i < 6; ++i) {  // splinters of the broken wood
                p.drawLine(QPointF(203, 148 + i * 2.4), QPointF(216 + i % 3 * 3, 144 + i * 3));
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 18, 10));
            p.drawEllipse(QPointF(207, 154), 3.5, 3.5);
        } else if (has(sketch, "estrellas")) {  // close up, for the spots to read
            // The ripened cane's bark, its nodes only a little swollen.
            const QLineF cane(QPointF(-10, 215), QPointF(410, 105));
            for (int i = 0; i < 5; ++i)
                segs.append(QLineF(cane.pointAt(i / 5.0), cane.pointAt((i + 1) / 5.0)));
            p.setPen(QPen(QColor(90, 60, 35), 56, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(cane);
            p.setPen(QPen(QColor(165, 115, 70), 50, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(cane);
            p.setPen(QPen(QColor(200, 158, 110), 12, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(cane.translated(0, -13));
            const qreal tilt = qRadiansToDegrees(std::atan2(cane.dy(), cane.dx()));
            for (int i = 1; i < segs.size(); ++i) {
                p.save();
                p.translate(segs[i].p1());
                p.rotate(tilt);
                p.setPen(QPen(QColor(90, 60, 35), 1.5));
                p.setBrush(QColor(150, 102, 62));
                p.drawRoundedRect(QRectF(-6, -31, 12, 62), 5, 5);
                p.restore();
                if (i % 2)  // a dormant bud, small beside the spots
                    drawBud(p, segs[i].p1() + QPointF(6, -30), 18, QStringLiteral("invierno"));
            }
        } else {
            segs = drawCane(p, QPointF(20, 230), QPointF(380, 80), 18, true);
        }
        if (bud) {
            const QPointF node = segs[2].p1() + QPointF(0, -16);
            if (has(sketch, "vaciada") || has(sketch, "roida")) {
                drawBud(p, node, 26, QStringLiteral("invierno"));
                p.setPen(QPen(QColor(60, 35, 20), 1));
                p.setBrush(QColor(220, 200, 160));
                p.drawPath(blob(rnd, node + QPointF(4, -14), 11));
                p.setBrush(QColor(40, 25, 15));
                p.drawEllipse(node + QPointF(4, -14), 5, 5);
            } else if (has(sketch, "muerta")) {
                drawBud(p, node, 24, QStringLiteral("invierno"));
                p.fillPath(blob(rnd, node + QPointF(0, -14), 16), QColor(40, 30, 25, 200));
            } else {
                drawBud(p, node, 26, sketch.stage.isEmpty() ? QStringLiteral("invierno") : sketch.stage);
            }
            if (has(sketch, "borraparda"))
                fuzz(p, rnd, node + QPointF(0, -16), 24, QColor(170, 100, 60, 240), 300, 1.8);
            if (has(sketch, "brotado")) {  // the next bud along has just opened into a young shoot
                const QPointF next = segs[3].p1() + QPointF(0, -14);
                drawBud(p, next, 20, QStringLiteral("invierno"));
                drawShoot(p, next + QPointF(0, -10), next + QPointF(28, -120), 5, true, rnd);
            }
            where.addEllipse(node + QPointF(0, -18), 30, 24);
        } else {
            for (const QLineF &l : segs)
                where.addEllipse(l.center(), 12, 12);
        }
        stemLayers(p, sketch, segs, rnd, false);
        if (has(sketch, "yemasroidas"))
            for (int i = 1; i < segs.size(); ++i) {
                const QPointF n = segs[i].p1();
                QLineF axis(segs.first().p1(), segs.last().p2());
                const QPointF normal = QPointF(-axis.dy(), axis.dx()) / axis.length();
                p.setPen(QPen(QColor(60, 35, 20), 1));
                p.setBrush(QColor(215, 190, 150));
                p.drawEllipse(n - normal * 11, 5, 5);
            }
        if (has(sketch, "estrellas") && !bud) {
            // Reddish-brown spots on the bark, their edges running out in
            // fine branching rays like stars.
            QPainterPath cane;
            for (const QLineF &l : segs) {
                cane.moveTo(l.p1());
                cane.lineTo(l.p2());
            }
            QPainterPathStroker stroker;
            stroker.setWidth(50);
            stroker.setCapStyle(Qt::RoundCap);
            p.save();
            p.setClipPath(stroker.createStroke(cane));
            const QLineF whole(segs.first().p1(), segs.last().p2());
            for (int i = 0; i < 6; ++i) {
                const QPointF c = whole.pointAt(0.1 + i * 0.16 + rnd.range(-0.02, 0.02))
                    + QPointF(rnd.range(-4, 4), rnd.range(-8, 8));
                const int rays = 10;
                for (int k = 0; k < rays; ++k) {
                    const qreal a = k * 2 * M_PI / rays + rnd.range(-0.2, 0.2), len = rnd.range(20, 30);
                    const QPointF tip = c + QPointF(qCos(a), qSin(a)) * len;
                    p.setPen(QPen(QColor(120, 50, 30, 230), 2.2, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(c, tip);
                    p.setPen(QPen(QColor(120, 50, 30, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
                    for (int side : {-1, 1}) {  // the rays branch at their ends
                        const qreal b2 = a + side * 0.5;
                        p.drawLine(c + (tip - c) * 0.6, c + (tip - c) * 0.6 + QPointF(qCos(b2), qSin(b2)) * len * 0.45);
                    }
                }
                softSpot(p, c, 11, QColor(105, 40, 25, 240));
            }
            p.restore();
        }
        if (has(sketch, "galeria")) {  // the cane split lengthwise: a tunnel in the pith
            p.setPen(QPen(QColor(235, 220, 180), 10, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(segs[1].pointAt(0.2), segs[2].pointAt(0.6));
            p.setPen(QPen(QColor(60, 35, 20), 5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(segs[1].pointAt(0.6), segs[2].pointAt(0.3));
        }
        if (has(sketch, "grieta") && !bud) {
            // The bark split lengthwise: a dark crack between lifted edges,
            // the round pink eggs laid in it.
            const QLineF crack(segs[1].pointAt(0.2), segs[3].pointAt(0.3));
            const QPointF normal = QPointF(-crack.dy(), crack.dx()) / crack.length();
            QPolygonF gap;
            for (int k = 0; k <= 10; ++k)
                gap << crack.pointAt(k / 10.0) + normal * (k % 2 ? 2.5 : 4.0) * (k == 0 || k == 10 ? 0.2 : 1);
            for (int k = 10; k >= 0; --k)
                gap << crack.pointAt(k / 10.0) - normal * (k % 2 ? 4.0 : 2.5) * (k == 0 || k == 10 ? 0.2 : 1);
            p.setPen(QPen(QColor(190, 160, 120), 1.6));
            p.setBrush(QColor(45, 28, 16));
            p.drawPolygon(gap);
            p.setPen(QPen(QColor(150, 60, 70), 0.5));
            p.setBrush(QColor(240, 150, 165));
            for (int k = 0; k < 26; ++k)
                p.drawEllipse(crack.pointAt(rnd.range(0.08, 0.92)) + normal * rnd.range(-3.5, 3.5), 2.4, 2.4);
            where = QPainterPath();
            for (int k = 1; k < 8; ++k)
                where.addEllipse(crack.pointAt(k / 8.0), 12, 12);
        }
        if (has(sketch, "brotados") && !bud)  // some buds have shot, the others stay closed and dead
            for (int i = 1; i < segs.size(); ++i) {
                QLineF axis(segs.first().p1(), segs.last().p2());
                const QPointF normal = QPointF(-axis.dy(), axis.dx()) / axis.length();
                const QPointF n = segs[i].p1() - normal * 10;
                if (i % 2) {
                    drawShoot(p, n, n + QPointF(-10, -70), 4, true, rnd);
                } else {
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(40, 28, 20));
                    p.drawEllipse(n, 6, 8);
                }
            }
        if (has(sketch, "cerillas") && !bud) {  // petioles left on the cane without their blades, like matches
            for (int i = 1; i < 4; ++i) {
                const QPointF n = segs[i].p1();
                p.setPen(QPen(QColor(150, 120, 70), 3, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(n, n + QPointF(26, 18));
                p.setPen(QPen(QColor(70, 45, 25), 6, Qt::SolidLine, Qt::RoundCap));
                p.drawPoint(n + QPointF(27, 19));
            }
        }
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (organ == QLatin1String("tronco") && has(sketch, "joven")) {
        // A young vine with the earth dug away from its foot: the thin trunk
        // and its first shoots above the ground line and, below it, the
        // buried part with its bark gnawed off down to the pale wood, the
        // young roots underneath.
        const qreal surface = 128;
        drawSoil(p, QRectF(0, surface, 400, 300 - surface), surface);
        QPainterPath pit;  // the face of the hole dug in front of the plant
        pit.moveTo(105, surface);
        pit.lineTo(295, surface);
        pit.lineTo(278, 300);
        pit.lineTo(122, 300);
        pit.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(82, 58, 36, 170));
        p.drawPath(pit);
        p.setPen(QPen(QColor(70, 48, 28), 2.5));
        p.drawLine(QPointF(105, surface), QPointF(122, 300));
        p.drawLine(QPointF(295, surface), QPointF(278, 300));
        p.setPen(QPen(QColor(100, 150, 60), 1.5));  // grass at the ground line, beside the hole
        for (int i = 0; i < 70; ++i) {
            const qreal x = rnd.range(0, 400);
            if (x > 95 && x < 305)
                continue;
            p.drawLine(QPointF(x, surface + 1), QPointF(x + rnd.range(-4, 4), surface - rnd.range(5, 16)));
        }
        drawRoots(p, QPointF(200, 246), 62, rnd, true);
        if (has(sketch, "marchita")) {
            // Wilted: the shoots droop from half their length, the leaves
            // hanging limp, dull and yellowing.
            for (const QPointF &bend : {QPointF(132, 30), QPointF(204, 22), QPointF(278, 34)}) {
                drawShoot(p, QPointF(200, 58), bend, 4.5, false, rnd);
                const QPointF tip = bend + QPointF(bend.x() < 200 ? -30 : 30, 52);
                QPainterPath droop(bend);
                droop.quadTo(bend + QPointF(bend.x() < 200 ? -26 : 26, -4), tip);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(120, 135, 60), 3.5, Qt::SolidLine, Qt::RoundCap));
                p.drawPath(droop);
                for (int k = 0; k < 3; ++k) {
                    const QPointF at = droop.pointAtPercent(0.2 + k * 0.35) + QPointF(k % 2 ? 10 : -10, 16);
                    drawLeaf(p, at, 17 - k * 2, 180 + (k % 2 ? -20 : 20), k % 2 == 1,
                             k == 2 ? QColor(185, 170, 85) : QColor(150, 160, 85));
                }
            }
        } else {
            for (const QPointF &tip : {QPointF(112, 22), QPointF(208, 14), QPointF(296, 26)})
                drawShoot(p, QPointF(200, 58), tip, 4.5, true, rnd);
        }
        QPainterPath trunk(QPointF(181, 250));
        trunk.cubicTo(QPointF(185, 190), QPointF(180, 110), QPointF(187, 62));
        trunk.cubicTo(QPointF(189, 48), QPointF(211, 46), QPointF(213, 62));
        trunk.cubicTo(QPointF(219, 110), QPointF(214, 190), QPointF(220, 250));
        trunk.closeSubpath();
        QLinearGradient bark(182, 0, 218, 0);
        bark.setColorAt(0, QColor(105, 78, 55));
        bark.setColorAt(0.45, QColor(145, 112, 80));
        bark.setColorAt(1, QColor(80, 58, 40));
        p.setPen(QPen(QColor(60, 42, 28), 1.5));
        p.setBrush(bark);
        p.drawPath(trunk);
        p.save();
        p.setClipPath(trunk);
        p.setPen(QPen(QColor(70, 50, 32, 150), 1));
        for (int i = 0; i < 14; ++i) {  // the fine lengthwise lines of the young bark
            const qreal x = rnd.range(184, 216), y = rnd.range(60, 230);
            p.drawLine(QPointF(x, y), QPointF(x + rnd.range(-1.5, 1.5), y + rnd.range(10, 25)));
        }
        p.fillRect(QRectF(150, surface, 100, 300 - surface), QColor(120, 85, 50, 80));  // earth on the buried bark
        if (has(sketch, "roida")) {
            // The bark eaten away in a ragged girdle and in patches, the pale
            // wood scored by the mouthparts.
            auto gnawed = [&](qreal top, qreal bottom) {
                QPainterPath bare(QPointF(170, top));
                for (int k = 1; k <= 8; ++k)
                    bare.lineTo(170 + k * 7.5, top + rnd.range(-5, 5));
                for (int k = 8; k >= 0; --k)
                    bare.lineTo(170 + k * 7.5, bottom + rnd.range(-5, 5));
                bare.closeSubpath();
                p.setPen(QPen(QColor(75, 50, 30), 1.6));
                p.setBrush(QColor(230, 212, 170));
                p.drawPath(bare);
                p.setPen(QPen(QColor(185, 155, 110), 1.1, Qt::SolidLine, Qt::RoundCap));
                for (int k = 0; k < int((bottom - top) / 2.5); ++k) {
                    const QPointF a(rnd.range(183, 217), rnd.range(top + 3, bottom - 3));
                    p.drawLine(a, a + QPointF(rnd.range(-2, 2), 4.5));
                }
            };
            gnawed(158, 200);
            gnawed(214, 232);
            p.setPen(QPen(QColor(75, 50, 30), 1.2));
            p.setBrush(QColor(230, 212, 170));
            p.drawPath(blob(rnd, QPointF(205, 144), 7, 0.8));
        }
        p.restore();
        if (has(sketch, "roida")) {  // bites out of the outline where the wood is eaten deepest
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(95, 68, 42));
            for (const QPointF &at : {QPointF(180, 176), QPointF(221, 190), QPointF(182, 222), QPointF(222, 164)})
                p.drawEllipse(at, 5, 6);
            p.setPen(QPen(QColor(60, 40, 24), 1));
            p.setBrush(QColor(225, 205, 160));  // the crumbs of bark and wood fallen at the foot
            for (int i = 0; i < 16; ++i)
                p.drawEllipse(QPointF(rnd.range(165, 235), rnd.range(244, 258)), 1.6, 1.2);
        }
        p.setPen(QPen(QColor(80, 60, 40), 1.5, Qt::DashLine));  // the ground line across the trunk
        p.drawLine(QPointF(95, surface), QPointF(305, surface));
        where.addEllipse(QPointF(268, 200), 4, 4);
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (organ == QLatin1String("tronco") && has(sketch, "enterrado")) {
        // The foot of the vine dug out: the ground line high on the trunk and,
        // below it, the buried rootstock with its round holes and galleries.
        const qreal surface = 120;
        drawSoil(p, QRectF(0, surface, 400, 300 - surface), surface);
        const QPainterPath trunk = drawTrunk(p, QRectF(90, -20, 220, 330));
        p.save();
        p.setClipPath(trunk);
        p.fillRect(QRectF(0, surface, 400, 300 - surface), QColor(120, 85, 50, 90));  // earth on the buried bark
        p.setPen(QPen(QColor(60, 38, 22), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 4; ++i) {  // the galleries running down the wood
            QPointF at(rnd.range(160, 240), rnd.range(surface + 30, surface + 60));
            QPainterPath g(at);
            for (int k = 0; k < 5; ++k)
                g.lineTo(at += QPointF(rnd.range(-10, 10), rnd.range(12, 20)));
            p.drawPath(g);
        }
        for (int i = 0; i < 10; ++i) {
            const QPointF at(rnd.range(150, 250), rnd.range(surface + 22, 285));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(205, 180, 140));
            p.drawEllipse(at + QPointF(0, 2), 5.5, 4.5);
            p.setBrush(QColor(20, 12, 8));
            p.drawEllipse(at, 4, 4);
        }
        p.restore();
        // The dug pit's walls on either side, and the grass at the ground line.
        p.setPen(QPen(QColor(70, 48, 28), 2.5));
        p.drawLine(QPointF(60, surface), QPointF(95, 300));
        p.drawLine(QPointF(340, surface), QPointF(305, 300));
        p.setPen(QPen(QColor(100, 150, 60), 1.5));
        for (int i = 0; i < 70; ++i) {
            const qreal x = rnd.range(0, 400);
            if (x > 70 && x < 330)
                continue;
            p.drawLine(QPointF(x, surface + 1), QPointF(x + rnd.range(-4, 4), surface - rnd.range(5, 14)));
        }
        p.setPen(QPen(QColor(80, 60, 40), 1.5, Qt::DashLine));  // the ground line across the trunk
        p.drawLine(QPointF(70, surface), QPointF(330, surface));
    } else if (organ == QLatin1String("tronco")) {
        drawSoil(p, QRectF(0, 260, 400, 40), 260);
        const QPainterPath trunk = drawTrunk(p, QRectF(60, 10, 280, 270));
        woodLayers(p, sketch, trunk, rnd);
        where = trunk.intersected([] {
            QPainterPath r;
            r.addRect(160, 110, 80, 150);
            return r;
        }());
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (organ == QLatin1String("corte")) {
        // An arm sawn across, the cut face towards us.
        p.setPen(QPen(QColor(70, 48, 30), 2));
        p.setBrush(QColor(115, 85, 58));
        p.drawRect(QRectF(200, 60, 200, 180));
        drawCrossSection(p, QPointF(200, 150), 105);
        sectionLayers(p, sketch, QPointF(200, 150), 105, rnd);
        where.addEllipse(QPointF(200, 150), 70, 60);
        if (has(sketch, "soldado")) {
            // One soldier among the workers, large in the middle, in the dark
            // chamber of a gallery opened by the cut.
            p.save();
            p.translate(190, 150);
            p.rotate(-25);
            p.setPen(QPen(QColor(150, 115, 75), 2));
            p.setBrush(QColor(45, 28, 15));
            p.drawEllipse(QPointF(0, 0), 58, 26);
            p.restore();
            drawOrganism(p, QStringLiteral("termita-soldado"), QPointF(190, 150), 92, -25, rnd);
            where = where.subtracted([] {
                QPainterPath keep;
                keep.addEllipse(QPointF(190, 150), 74, 44);
                return keep;
            }());
        }
        placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (underground) {
        drawSoil(p, QRectF(0, 0, 400, 300), organ == QLatin1String("raiz") ? 40 : 70);
        if (organ == QLatin1String("raiz") && has(sketch, "barbado")) {
            // A rooted cutting dug up close: the cane of the cutting and the
            // few thick roots at its foot, stripped of their rootlets (broken
            // stubs where they were) and the bark gnawed off in pale patches
            // with ragged edges.
            const QColor bark(150, 110, 70);
            p.setPen(QPen(bark.darker(130), 18, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(200, 0), QPointF(200, 150));
            p.setPen(QPen(bark, 15, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(200, 0), QPointF(200, 150));
            QList<QLineF> roots;
            for (int i = 0; i < 5; ++i) {
                const qreal a = qDegreesToRadians(30.0 + i * 30 + rnd.range(-8, 8));
                const QPointF from(200 + (i - 2) * 4, 148);
                roots << QLineF(from, from + QPointF(qCos(a), qSin(a)) * rnd.range(110, 150));
            }
            for (const QLineF &l : roots) {
                p.setPen(QPen(QColor(120, 85, 50), 12, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(l);
                p.setPen(QPen(QColor(190, 150, 100), 10, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(l);
                p.setPen(QPen(QColor(160, 125, 80), 2.5, Qt::SolidLine, Qt::RoundCap));
                for (int k = 0; k < 4; ++k) {  // the stubs of the eaten rootlets
                    const QPointF at = l.pointAt(rnd.range(0.25, 0.95));
                    const qreal side = k % 2 ? 1 : -1;
                    const QPointF dir = QPointF(-l.dy(), l.dx()) / l.length() * side;
                    p.drawLine(at, at + dir * rnd.range(5, 8));
                }
            }
            auto gnawed = [&](QPointF at, qreal len, qreal angle, qreal half) {
                // A bite out of the side: the root's outline notched, the
                // pale wood showing at the bottom of the notch.
                // The bitten patch is outlined dark, the bared wood bright,
                // scored across by the teeth.
                p.save();
                p.translate(at);
                p.rotate(angle);
                QPainterPath bite;
                bite.moveTo(-len * 0.8, -half - 1);
                for (int k = 1; k < 8; ++k)  // the ragged floor of the bite
                    bite.lineTo(-len * 0.8 + k * len * 0.2, -half + len * 0.35 + (k % 2 ? 1.5 : -1.5));
                bite.lineTo(len * 0.8, -half - 1);
                bite.closeSubpath();
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(112, 80, 52));
                p.drawRect(QRectF(-len * 0.85, -half - 4, len * 1.7, 4));  // the side bitten away
                p.setPen(QPen(QColor(85, 50, 25), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(QColor(252, 244, 218));
                p.drawPath(bite);
                p.setPen(QPen(QColor(170, 120, 70), 0.9));
                for (int k = -2; k <= 2; ++k)  // the tooth marks
                    p.drawLine(QPointF(k * len * 0.25, -half), QPointF(k * len * 0.25 + 1.5, -half + len * 0.25));
                p.restore();
            };
            for (const QLineF &l : roots)
                for (const qreal t : {0.3, 0.65})
                    gnawed(l.pointAt(t + rnd.range(-0.06, 0.06)), rnd.range(11, 14), -l.angle() + (t < 0.5 ? 0 : 180),
                           5);
            gnawed(QPointF(200, 110), 12, 90, 7.5);
            gnawed(QPointF(200, 70), 10, -90, 7.5);
            where.addRect(QRectF(90, 150, 220, 120));
            placeOrganisms(p, sketch, where, rnd, organismSize);
        } else if (organ == QLatin1String("raiz") && has(sketch, "cortadas")) {
            voleRoots(p, sketch, rnd);
        } else if (organ == QLatin1String("raiz") && has(sketch, "raizgruesa")) {
            thickRoot(p, sketch, rnd);
        } else if (organ == QLatin1String("raiz") && has(sketch, "injerto")) {
            // The foot of the vine dug bare: the trunk down to the graft
            // union, a swollen ring just below the ground line, and the thick
            // main roots under it, their bark gnawed off in broad pale
            // patches at the union and along the roots.
            const QColor bark(120, 88, 58), barkDark(85, 60, 38);
            p.setPen(QPen(barkDark, 1.5));
            p.setBrush(bark);
            p.drawRect(QRectF(176, 0, 48, 110));
            QList<QLineF> main;
            std::function<void(QPointF, qreal, qreal, qreal, int)> root = [&](QPointF from, qreal angle, qreal len,
                                                                              qreal w, int depth) {
                const QPointF to =
                    from + QPointF(len * qCos(qDegreesToRadians(angle)), len * qSin(qDegreesToRadians(angle)));
                p.setPen(QPen(QColor(95, 68, 42), w + 2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(from, to);
                p.setPen(QPen(QColor(178, 138, 92), w, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(from, to);
                if (depth == 0)
                    main.append(QLineF(from, to));
                if (depth < 2)
                    for (int k = 0; k < 2; ++k)
                        root(from + (to - from) * rnd.range(0.5, 0.95), angle + rnd.range(-35, 35),
                             len * rnd.range(0.45, 0.65), w * 0.45, depth + 1);
            };
            for (const qreal a : {150.0, 118.0, 90.0, 62.0, 30.0})
                root(QPointF(200, 116), a + rnd.range(-6, 6), rnd.range(120, 170), 16, 0);
            p.setPen(QPen(barkDark, 1.5));  // the graft union over the tops of the roots
            p.setBrush(bark);
            p.drawEllipse(QPointF(200, 104), 31, 14);
            p.drawLine(QPointF(171, 104), QPointF(229, 104));
            if (has(sketch, "roidas")) {
                auto gnawed = [&](QPointF at, qreal w, qreal h, qreal angle) {
                    p.save();
                    p.translate(at);
                    p.rotate(angle);
                    QPainterPath bare;
                    for (int k = 0; k <= 12; ++k) {
                        const qreal t = k * M_PI / 6;
                        const QPointF q(w * qCos(t) * rnd.range(0.85, 1.05), h * qSin(t) * rnd.range(0.8, 1.0));
                        k ? bare.lineTo(q) : bare.moveTo(q);
                    }
                    bare.closeSubpath();
                    p.setPen(QPen(QColor(70, 45, 25), 1.2));
                    p.setBrush(QColor(238, 220, 178));
                    p.drawPath(bare);
                    p.setPen(QPen(QColor(195, 165, 120), 1, Qt::SolidLine, Qt::RoundCap));
                    for (int k = 0; k < int(w / 2); ++k) {  // the tooth marks in the wood
                        const qreal x = rnd.range(-w * 0.7, w * 0.7), y = rnd.range(-h * 0.4, h * 0.4);
                        p.drawLine(QPointF(x - 1.5, y), QPointF(x + 1.5, y + 0.5));
                    }
                    p.restore();
                };
                gnawed(QPointF(196, 110), 24, 6, 0);  // round the graft union
                for (int k = 0; k < main.size(); ++k)
                    if (k != 2)
                        gnawed(main[k].pointAt(0.38), 20, 5.5, -main[k].angle());
            }
            // The adult at the ground line above, for the eye to know the pest.
            if (has(sketch, "adultoantenas"))
                drawOrganism(p, QStringLiteral("escarabajo-antenas"), QPointF(318, 24), 70, 10, rnd);
            if (has(sketch, "adultoabanico"))
                drawOrganism(p, QStringLiteral("escarabajo-abanico"), QPointF(318, 22), 64, 10, rnd);
            where = QPainterPath();
            where.addEllipse(QPointF(110, 232), 3, 3);
        } else if (organ == QLatin1String("raiz") && has(sketch, "corto")) {
            // A weak vine's roots: short, reaching only a little way into the
            // soil, and branched again and again into dense tufts of short
            // rootlets, like a broom.
            p.setPen(QPen(QColor(110, 80, 55), 16, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(200, 0), QPointF(200, 60));
            const QList<QLineF> fine = drawRoots(p, QPointF(200, 58), 88, rnd, false);
            std::function<void(QPointF, qreal, qreal, int)> tuft = [&](QPointF from, qreal angle, qreal len,
                                                                       int depth) {
                const QPointF to =
                    from + QPointF(len * qCos(qDegreesToRadians(angle)), len * qSin(qDegreesToRadians(angle)));
                p.setPen(QPen(QColor(195, 160, 115).darker(100 + depth * 10), 1.6 - depth * 0.35, Qt::SolidLine,
                              Qt::RoundCap));
                p.drawLine(from, to);
                if (depth < 2)
                    for (int k = 0; k < 3; ++k)
                        tuft(from + (to - from) * rnd.range(0.5, 1.0), angle + rnd.range(-50, 50),
                             len * rnd.range(0.5, 0.75), depth + 1);
            };
            for (const QLineF &l : fine)
                for (int k = 0; k < 3; ++k)
                    tuft(l.pointAt(rnd.range(0.4, 1.0)), -l.angle() + rnd.range(-55, 55), rnd.range(10, 18), 0);
            where = QPainterPath();
        } else if (organ == QLatin1String("raiz")) {
            p.setPen(QPen(QColor(110, 80, 55), 22, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(200, 0), QPointF(200, 60));
            const QList<QLineF> fine = drawRoots(p, QPointF(200, 58), 190, rnd, has(sketch, "joven"));
            rootLayers(p, sketch, fine, rnd);
            if (has(sketch, "adultoabanico"))  // the adult at the ground line above, for the eye to know the pest
                drawOrganism(p, QStringLiteral("escarabajo-abanico"), QPointF(318, 22), 64, 10, rnd);
            where.addRect(QRectF(90, 110, 220, 150));
            if (!sketch.organism.isEmpty() && sketch.count <= 1)
                where = QPainterPath();
        } else {
            p.setPen(QPen(QColor(90, 140, 60), 1.5));  // grass at the surface
            for (int i = 0; i < 60; ++i) {
                const qreal x = rnd.range(0, 400);
                p.drawLine(QPointF(x, 70), QPointF(x + rnd.range(-6, 6), rnd.range(40, 62)));
            }
            where.addRect(QRectF(60, 120, 280, 140));
            if (!sketch.organism.isEmpty() && sketch.count <= 1)
                where = QPainterPath();
        }
        if ((!where.isEmpty() || !sketch.organism.isEmpty()) && !has(sketch, "cortadas"))
            placeOrganisms(p, sketch, where, rnd, organismSize);
    } else if (!sketch.scene.isEmpty()) {
        // The scene draws itself.
    } else {
        Sketch alone = sketch;
        if (alone.count > 1 && alone.size <= 0)
            alone.size = 60;
        placeOrganisms(p, alone, QPainterPath(), rnd, 160);
    }
    if (has(sketch, "lluvia") && organ == QLatin1String("yema")) {
        // The cane wet from the rain: a shine along its top, drops beaded on
        // it and hanging from its underside.
        const QLineF cane(QPointF(-20, 220), QPointF(420, 170));
        const QPointF up = QPointF(cane.dy(), -cane.dx()) / cane.length();
        p.setPen(QPen(QColor(255, 255, 255, 110), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(cane.p1() + up * 9, cane.p2() + up * 9);
        auto drop = [&](QPointF at, qreal r, bool hanging) {
            p.setPen(QPen(QColor(120, 140, 160, 200), 0.8));
            p.setBrush(QColor(215, 232, 245, 170));
            if (hanging) {
                QPainterPath d(at);
                d.cubicTo(at + QPointF(-r, r * 0.8), at + QPointF(-r, r * 2.2), at + QPointF(0, r * 2.2));
                d.cubicTo(at + QPointF(r, r * 2.2), at + QPointF(r, r * 0.8), at);
                p.drawPath(d);
                at += QPointF(0, r * 1.4);
            } else {
                p.drawEllipse(at, r, r * 0.8);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 230));
            p.drawEllipse(at + QPointF(-r * 0.35, -r * 0.3), r * 0.3, r * 0.25);
        };
        for (int i = 0; i < 9; ++i)
            drop(cane.pointAt(0.05 + i * 0.11 + rnd.range(-0.02, 0.02)) - up * 14, rnd.range(3.5, 5), true);
        for (int i = 0; i < 14; ++i)
            drop(cane.pointAt(rnd.range(0.02, 0.98)) + up * rnd.range(-6, 10), rnd.range(2, 3.5), false);
    }
    if (!sketch.scene.isEmpty())
        drawScene(p, sketch.scene, QSizeF(400, 300), rnd);
    if (lens) {
        QPainterPath glass;
        glass.addEllipse(QPointF(240, 130), 70, 70);
        p.save();
        p.setClipPath(glass);
        p.fillPath(glass, QColor(255, 255, 240, 70));
        const int n = std::clamp(given.count, 1, 3);
        for (int i = 0; i < n; ++i)
            drawOrganism(p, given.organism,
                         QPointF(240, 130) + (n == 1 ? QPointF(0, 0) : QPointF(-28 + i * 28, (i % 2) * 30 - 12)),
                         n == 1 ? 80 : 42, -20 + i * 35, rnd);
        p.restore();
    }
    p.restore();
}

}  // namespace drawing
