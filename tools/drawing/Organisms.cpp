// The pests and their natural enemies, drawn with their own body plans:
// insects with six legs, spider mites with eight, eriophyid mites long and
// with two pairs at the front, worm-shaped nematodes, snails, birds and
// mammals.

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "drawing/Drawing.h"

namespace drawing {

namespace {

QColor named(const QString &name, const QColor &fallback)
{
    static const QList<QPair<QString, QColor>> colours{
        {QStringLiteral("azul"), QColor(40, 70, 140)},        {QStringLiteral("negro"), QColor(30, 28, 28)},
        {QStringLiteral("pardo"), QColor(110, 72, 40)},       {QStringLiteral("verde"), QColor(60, 150, 80)},
        {QStringLiteral("rojo"), QColor(190, 35, 30)},        {QStringLiteral("amarillo"), QColor(225, 200, 70)},
        {QStringLiteral("blanco"), QColor(240, 236, 220)},    {QStringLiteral("gris"), QColor(120, 118, 110)},
        {QStringLiteral("anaranjado"), QColor(225, 130, 40)}, {QStringLiteral("rosa"), QColor(220, 150, 160)},
        {QStringLiteral("castano"), QColor(140, 80, 40)},     {QStringLiteral("ocre"), QColor(170, 130, 70)}};
    for (const auto &[n, c] : colours)
        if (name == n)
            return c;
    return fallback;
}

enum class Wings { None, Elytra, Clear, Fringed, Roof, Half };
enum class Antennae { None, Short, Long, Fan, Elbowed };

struct Body {
    qreal headR = 0.09, thoraxL = 0.18, thoraxW = 0.14, abdomenL = 0.5, abdomenW = 0.22;
    int legPairs = 3;
    qreal legLen = 0.3;
    Antennae antennae = Antennae::Short;
    Wings wings = Wings::None;
    QColor colour{90, 70, 50};
    QColor wingColour{230, 235, 240, 110};
    bool snout = false, stripes = false, hairy = false, spots = false, sheen = false;
};

// A body seen from above, head towards +x, length L.
void drawBody(QPainter &p, const Body &b, qreal L)
{
    const qreal ax = -L * 0.18;  // abdomen centre
    const QPointF thorax(L * 0.16, 0), head(L * 0.16 + L * b.thoraxL * 0.5 + L * b.headR * 0.8, 0);
    const qreal legW = std::max<qreal>(0.7, L * 0.025);
    // Legs.
    p.setPen(QPen(b.colour.darker(150), legW, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < b.legPairs; ++i) {
        const qreal x = b.legPairs == 4 ? L * (0.22 - i * 0.14)
            : b.legPairs == 2           ? L * (0.3 - i * 0.07)
                                        : L * (0.22 - i * 0.09);
        const qreal spread = b.legPairs == 2 ? 0.4 : 1.0;
        for (int s : {-1, 1}) {
            const qreal fwd = (1.5 - i) * 0.35 * spread;
            QPainterPath leg(QPointF(x, 0));
            const QPointF knee(x + L * b.legLen * fwd * 0.6, s * L * b.legLen * 0.7);
            leg.lineTo(knee);
            leg.lineTo(knee + QPointF(L * b.legLen * fwd * 0.7, s * L * b.legLen * 0.45));
            p.drawPath(leg);
        }
    }
    // Antennae.
    if (b.antennae != Antennae::None) {
        const qreal len = b.antennae == Antennae::Long ? L * 0.7 : L * 0.22;
        for (int s : {-1, 1}) {
            const QPointF base = head + QPointF(L * b.headR * 0.6, s * L * b.headR * 0.4);
            QPointF end = base + QPointF(len * 0.8, s * len * 0.6);
            if (b.antennae == Antennae::Elbowed) {
                const QPointF elbow = base + QPointF(len * 0.4, s * len * 0.05);
                p.drawLine(base, elbow);
                p.drawLine(elbow, end = elbow + QPointF(len * 0.3, s * len * 0.45));
            } else {
                p.drawLine(base, end);
            }
            if (b.antennae == Antennae::Fan) {
                for (int k = -2; k <= 2; ++k)
                    p.drawLine(end, end + QPointF(L * 0.08, s * L * 0.02 * k + s * L * 0.03));
            }
        }
    }
    // Wings under the body's outline (fly, wasp, thrips, leafhopper).
    p.setPen(QPen(b.wingColour.darker(160), std::max<qreal>(0.6, L * 0.012)));
    p.setBrush(b.wingColour);
    if (b.wings == Wings::Clear) {
        for (int s : {-1, 1}) {
            p.save();
            p.translate(thorax);
            p.rotate(s * 155);
            p.drawEllipse(QPointF(L * 0.32, 0), L * 0.34, L * 0.11);
            p.restore();
        }
    } else if (b.wings == Wings::Fringed) {
        for (int s : {-1, 1}) {
            const QPointF a = thorax, e = thorax + QPointF(-L * 0.75, s * L * 0.08);
            p.drawLine(a, e);
            p.setPen(QPen(b.wingColour.darker(130), 0.5));
            for (int k = 0; k < 14; ++k) {
                const QPointF at = a + (e - a) * (k / 14.0);
                p.drawLine(at, at + QPointF(-L * 0.02, s * L * 0.06));
            }
            p.setPen(QPen(b.wingColour.darker(160), std::max<qreal>(0.6, L * 0.012)));
        }
    }
    // Abdomen, thorax, head.
    QRadialGradient g(QPointF(ax + L * 0.05, -L * b.abdomenW * 0.3), L * b.abdomenL * 0.7);
    g.setColorAt(0, b.colour.lighter(b.sheen ? 190 : 140));
    g.setColorAt(1, b.colour.darker(120));
    p.setPen(QPen(b.colour.darker(170), std::max<qreal>(0.6, L * 0.015)));
    p.setBrush(g);
    p.drawEllipse(QPointF(ax, 0), L * b.abdomenL * 0.5, L * b.abdomenW * 0.5);
    if (b.stripes) {
        p.save();
        QPainterPath clip;
        clip.addEllipse(QPointF(ax, 0), L * b.abdomenL * 0.5, L * b.abdomenW * 0.5);
        p.setClipPath(clip);
        p.setPen(QPen(QColor(25, 22, 15), L * 0.045));
        for (int k = -2; k <= 2; ++k)
            p.drawLine(QPointF(ax + k * L * 0.09, -L), QPointF(ax + k * L * 0.09, L));
        p.restore();
    }
    if (b.legPairs >= 4 || b.wings == Wings::None) {  // segments of larvae and nymphs
        p.setPen(QPen(b.colour.darker(140), 0.6));
        for (int k = -2; k <= 2; ++k)
            p.drawLine(QPointF(ax + k * L * b.abdomenL * 0.15, -L * b.abdomenW * 0.4),
                       QPointF(ax + k * L * b.abdomenL * 0.15, L * b.abdomenW * 0.4));
    }
    p.setPen(QPen(b.colour.darker(170), std::max<qreal>(0.6, L * 0.015)));
    p.setBrush(b.colour.darker(110));
    if (b.thoraxL > 0)
        p.drawEllipse(thorax, L * b.thoraxL * 0.5, L * b.thoraxW * 0.5);
    p.setBrush(b.colour.darker(135));
    p.drawEllipse(head, L * b.headR, L * b.headR);
    if (b.snout) {
        p.setPen(QPen(b.colour.darker(150), L * 0.05, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(head, head + QPointF(L * 0.22, 0));
    }
    if (b.wings == Wings::Elytra || b.wings == Wings::Roof || b.wings == Wings::Half) {
        // Wing cases or roof-like wings over the abdomen, with the middle line.
        QPainterPath e;
        const qreal x0 = thorax.x() - L * b.thoraxL * 0.5;
        const qreal len = b.wings == Wings::Roof ? L * 0.78 : L * b.abdomenL * 0.95;
        const qreal wid = L * b.abdomenW * (b.wings == Wings::Roof ? 0.42 : 0.52);
        e.moveTo(x0, -wid);
        e.cubicTo(x0 - len * 0.7, -wid * 1.05, x0 - len, -wid * 0.4, x0 - len, 0);
        e.cubicTo(x0 - len, wid * 0.4, x0 - len * 0.7, wid * 1.05, x0, wid);
        e.closeSubpath();
        QLinearGradient eg(0, -wid, 0, wid);
        const QColor ec = b.wings == Wings::Half
            ? QColor(b.wingColour.red(), b.wingColour.green(), b.wingColour.blue(), 170)
            : b.colour;
        eg.setColorAt(0, ec.lighter(b.sheen ? 200 : 130));
        eg.setColorAt(0.5, ec);
        eg.setColorAt(1, ec.darker(140));
        p.setPen(QPen(ec.darker(180), std::max<qreal>(0.6, L * 0.012)));
        p.setBrush(eg);
        p.drawPath(e);
        p.drawLine(QPointF(x0, 0), QPointF(x0 - len, 0));
    }
    if (b.spots) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 240, 235));
        for (int k = 0; k < 6; ++k)
            p.drawEllipse(QPointF(ax + (k % 3 - 1) * L * 0.13, (k < 3 ? -1 : 1) * L * b.abdomenW * 0.22), L * 0.03,
                          L * 0.03);
    }
    if (b.hairy) {
        p.setPen(QPen(b.colour.lighter(160), 0.6));
        Random rnd(quint32(L * 7));
        for (int k = 0; k < 40; ++k) {
            const qreal t = rnd.range(0, 2 * M_PI);
            const QPointF at(ax + L * b.abdomenL * 0.5 * qCos(t), L * b.abdomenW * 0.5 * qSin(t));
            p.drawLine(at, at * 1.0 + QPointF(qCos(t), qSin(t)) * L * 0.07);
        }
    }
    // Eyes.
    p.setPen(Qt::NoPen);
    p.setBrush(b.wings == Wings::Clear && b.colour.red() > 150 ? QColor(180, 20, 20) : QColor(20, 20, 20));
    for (int s : {-1, 1})
        p.drawEllipse(head + QPointF(L * b.headR * 0.4, s * L * b.headR * 0.55), L * b.headR * 0.3, L * b.headR * 0.3);
}

// Segmented larva: a caterpillar (with prolegs), a curved white grub or a
// thin wireworm. `curve` bends it into a C.
void drawLarva(QPainter &p, qreal L, const QColor &colour, const QColor &headColour, qreal thickness, qreal curve,
               bool legs, bool prolegs, bool hairy, bool dots)
{
    const int n = 12;
    QList<QPointF> spine;
    for (int i = 0; i <= n; ++i) {
        const qreal t = i / qreal(n);
        if (curve > 0) {
            const qreal a = M_PI * (0.15 + 1.35 * t) * curve;
            spine.append(QPointF(L * 0.45 * qCos(a + M_PI / 2), L * 0.45 * qSin(a + M_PI / 2) - L * 0.1));
        } else {
            spine.append(QPointF(-L / 2 + L * t, L * 0.04 * qSin(t * 7)));
        }
    }
    const qreal r = L * thickness * 0.5;
    for (int i = 0; i <= n; ++i) {
        const qreal w = r * (i == 0 ? 0.7 : i == n ? 0.85 : 1.0) * (curve > 0 && i < 3 ? 1.15 : 1.0);
        if (prolegs && (i == 1 || (i >= 5 && i <= 8))) {
            p.setPen(QPen(colour.darker(150), r * 0.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(spine[i], spine[i] + QPointF(0, r * 1.2));
        }
        if (legs && i >= n - 3 && i < n) {
            p.setPen(QPen(headColour.darker(120), r * 0.22, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(spine[i], spine[i] + QPointF(r * 0.6, r * 1.4));
        }
        QRadialGradient g(spine[i] - QPointF(w * 0.3, w * 0.4), w * 1.4);
        g.setColorAt(0, colour.lighter(135));
        g.setColorAt(1, colour.darker(125));
        p.setPen(QPen(colour.darker(150), 0.6));
        p.setBrush(i == n ? QBrush(headColour) : QBrush(g));
        p.drawEllipse(spine[i], w, w);
        if (dots && i < n && i % 2 == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(25, 25, 25));
            p.drawEllipse(spine[i] + QPointF(0, -w * 0.45), w * 0.18, w * 0.18);
        }
        if (hairy && i < n) {
            p.setPen(QPen(QColor(230, 210, 170), 0.7));
            for (int k = 0; k < 6; ++k) {
                const qreal a = qDegreesToRadians(-160 + k * 28.0);
                p.drawLine(spine[i], spine[i] + QPointF(qCos(a), qSin(a)) * w * 2.4);
            }
        }
    }
    // Mouthparts.
    p.setPen(QPen(QColor(40, 25, 15), r * 0.25));
    p.drawPoint(spine[n] + (spine[n] - spine[n - 1]) * 0.7);
}

void drawSnail(QPainter &p, qreal L, const QColor &shell, bool slug)
{
    QPainterPath foot;
    foot.moveTo(-L * 0.5, L * 0.12);
    foot.cubicTo(-L * 0.2, L * 0.2, L * 0.3, L * 0.2, L * 0.5, L * 0.05);
    foot.cubicTo(L * 0.55, -L * 0.08, L * 0.35, -L * 0.15, L * 0.2, -L * 0.08);
    foot.cubicTo(-L * 0.1, -L * 0.1, -L * 0.4, 0, -L * 0.5, L * 0.12);
    p.setPen(QPen(QColor(90, 80, 65), 1));
    p.setBrush(slug ? QColor(125, 100, 80) : QColor(170, 150, 120));
    p.drawPath(foot);
    p.setPen(QPen(QColor(90, 80, 65), L * 0.025, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(L * 0.38, -L * 0.05), QPointF(L * 0.5, -L * 0.3));
    p.drawLine(QPointF(L * 0.42, -L * 0.04), QPointF(L * 0.6, -L * 0.22));
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(L * 0.5, -L * 0.3), L * 0.02, L * 0.02);
    p.drawEllipse(QPointF(L * 0.6, -L * 0.22), L * 0.02, L * 0.02);
    if (slug) {
        p.setPen(QPen(QColor(95, 75, 60), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(L * 0.15, -L * 0.02), L * 0.12, L * 0.07);  // mantle
        return;
    }
    // Coiled shell.
    QRadialGradient g(QPointF(-L * 0.12, -L * 0.3), L * 0.35);
    g.setColorAt(0, shell.lighter(130));
    g.setColorAt(1, shell.darker(130));
    p.setPen(QPen(shell.darker(170), 1));
    p.setBrush(g);
    p.drawEllipse(QPointF(-L * 0.05, -L * 0.2), L * 0.3, L * 0.28);
    QPainterPath spiral;
    for (int i = 0; i <= 60; ++i) {
        const qreal t = i / 60.0 * 4 * M_PI, rr = L * 0.27 * (1 - i / 66.0);
        const QPointF at(-L * 0.05 + rr * qCos(t), -L * 0.2 + rr * 0.95 * qSin(t));
        i ? spiral.lineTo(at) : spiral.moveTo(at);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shell.darker(200), 1.1));
    p.drawPath(spiral);
}

void drawBird(QPainter &p, qreal L, bool blackbird = false)
{
    // A starling on a perch, seen from the side, pecking (head towards +x);
    // a blackbird is all black, with its long tail, orange-yellow bill and
    // the yellow ring round its eye.
    if (blackbird) {
        p.setPen(QPen(QColor(10, 10, 12), 1));
        p.setBrush(QColor(22, 22, 26));
        QPainterPath tail;
        tail.moveTo(-L * 0.3, -L * 0.02);
        tail.lineTo(-L * 0.85, L * 0.12);
        tail.lineTo(-L * 0.82, L * 0.2);
        tail.lineTo(-L * 0.28, L * 0.08);
        tail.closeSubpath();
        p.drawPath(tail);
        QPainterPath body;
        body.moveTo(L * 0.35, -L * 0.15);
        body.cubicTo(L * 0.25, L * 0.2, -L * 0.2, L * 0.22, -L * 0.4, L * 0.06);
        body.cubicTo(-L * 0.3, -L * 0.12, L * 0.1, -L * 0.3, L * 0.35, -L * 0.15);
        p.drawPath(body);
        p.drawEllipse(QPointF(L * 0.36, -L * 0.2), L * 0.12, L * 0.11);
        p.setBrush(QColor(38, 38, 44));  // the folded wing, a shade lighter
        p.drawEllipse(QPointF(-L * 0.08, -L * 0.01), L * 0.3, L * 0.11);
        p.setPen(QPen(QColor(170, 90, 10), 1));
        p.setBrush(QColor(245, 160, 30));
        QPainterPath beak;
        beak.moveTo(L * 0.45, -L * 0.245);
        beak.lineTo(L * 0.66, -L * 0.19);
        beak.lineTo(L * 0.45, -L * 0.15);
        beak.closeSubpath();
        p.drawPath(beak);
        p.setPen(QPen(QColor(240, 190, 40), std::max<qreal>(1, L * 0.012)));
        p.setBrush(QColor(10, 10, 10));
        p.drawEllipse(QPointF(L * 0.39, -L * 0.23), L * 0.028, L * 0.028);
        p.setPen(QPen(QColor(60, 45, 35), L * 0.025));
        p.drawLine(QPointF(0, L * 0.14), QPointF(L * 0.02, L * 0.32));
        p.drawLine(QPointF(L * 0.08, L * 0.12), QPointF(L * 0.1, L * 0.32));
        return;
    }
    p.setPen(QPen(QColor(20, 20, 25), 1));
    p.setBrush(QColor(40, 42, 55));
    QPainterPath body;
    body.moveTo(L * 0.35, -L * 0.15);
    body.cubicTo(L * 0.2, L * 0.15, -L * 0.2, L * 0.2, -L * 0.55, L * 0.05);
    body.lineTo(-L * 0.3, -L * 0.05);
    body.cubicTo(-L * 0.1, -L * 0.2, L * 0.2, -L * 0.3, L * 0.35, -L * 0.15);
    p.drawPath(body);
    p.drawEllipse(QPointF(L * 0.36, -L * 0.2), L * 0.11, L * 0.1);
    p.setBrush(QColor(230, 190, 40));
    QPainterPath beak;
    beak.moveTo(L * 0.45, -L * 0.23);
    beak.lineTo(L * 0.62, -L * 0.16);
    beak.lineTo(L * 0.45, -L * 0.15);
    p.drawPath(beak);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(L * 0.39, -L * 0.23), L * 0.02, L * 0.02);
    // Wing and speckles.
    p.setBrush(QColor(55, 60, 75));
    p.drawEllipse(QPointF(-L * 0.05, -L * 0.02), L * 0.28, L * 0.1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 220, 200));
    Random rnd(5);
    for (int i = 0; i < 14; ++i)
        p.drawEllipse(QPointF(rnd.range(-L * 0.3, L * 0.25), rnd.range(-L * 0.1, L * 0.08)), 0.9, 0.9);
    p.setPen(QPen(QColor(160, 110, 60), L * 0.025));
    p.drawLine(QPointF(0, L * 0.12), QPointF(L * 0.02, L * 0.3));
    p.drawLine(QPointF(L * 0.08, L * 0.1), QPointF(L * 0.1, L * 0.3));
}

void drawMammal(QPainter &p, qreal L, bool rabbit)
{
    const QColor fur = rabbit ? QColor(150, 120, 90) : QColor(110, 90, 70);
    p.setPen(QPen(fur.darker(160), 1));
    p.setBrush(fur);
    p.drawEllipse(QPointF(-L * 0.1, 0), L * 0.36, L * 0.22);        // body
    p.drawEllipse(QPointF(L * 0.3, -L * 0.1), L * 0.15, L * 0.12);  // head
    if (rabbit) {
        for (int k = 0; k < 2; ++k) {
            p.save();
            p.translate(L * (0.25 + k * 0.05), -L * 0.2);
            p.rotate(-20 - k * 15);
            p.drawEllipse(QPointF(0, -L * 0.16), L * 0.05, L * 0.17);
            p.restore();
        }
        p.setBrush(QColor(245, 245, 240));
        p.drawEllipse(QPointF(-L * 0.46, -L * 0.05), L * 0.07, L * 0.07);  // white tail
    } else {
        p.drawEllipse(QPointF(L * 0.28, -L * 0.2), L * 0.05, L * 0.05);  // round ear
        p.setPen(QPen(fur.darker(130), L * 0.02, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-L * 0.45, L * 0.05), QPointF(-L * 0.65, L * 0.12));  // short tail
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 15, 10));
    p.drawEllipse(QPointF(L * 0.34, -L * 0.13), L * 0.025, L * 0.025);
    p.setPen(QPen(fur.darker(140), L * 0.04, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-L * 0.3, L * 0.15), QPointF(-L * 0.28, L * 0.24));
    p.drawLine(QPointF(L * 0.1, L * 0.15), QPointF(L * 0.12, L * 0.24));
}

// The garden dormouse (lirón careto) sitting up, seen from the side and
// facing left, eating a berry held in its front paws: grey-brown back, white
// belly and cheeks, the black mask through the eye to the large rounded
// ear, and the long tail ending in a black-and-white tuft. `L` is its height
// from ears to feet.
void drawDormouse(QPainter &p, qreal L)
{
    p.save();
    p.scale(-1, 1);  // drawn facing +x, turned to face left
    const QColor back(128, 112, 100), crown(150, 105, 75), white(246, 244, 238), pink(225, 170, 160);
    const QPen outline(QColor(70, 58, 50), std::max<qreal>(0.8, L * 0.008));
    // The tail hanging down behind, grey-brown, then black, then the white tip.
    QPainterPath tail(QPointF(-L * 0.16, L * 0.36));
    tail.cubicTo(QPointF(-L * 0.42, L * 0.5), QPointF(-L * 0.38, L * 0.85), QPointF(-L * 0.2, L * 1.02));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(back.darker(140), L * 0.075, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(QPen(back, L * 0.055, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    const QPointF tuftFrom = tail.pointAtPercent(0.72), tip = tail.pointAtPercent(1.0);
    const qreal tuftAngle = qRadiansToDegrees(std::atan2(tip.y() - tuftFrom.y(), tip.x() - tuftFrom.x()));
    p.save();
    p.translate(tuftFrom);
    p.rotate(tuftAngle);
    const qreal tl = QLineF(tuftFrom, tip).length();
    p.setPen(outline);
    p.setBrush(QColor(25, 22, 20));  // the bushy black end of the tail
    p.drawEllipse(QRectF(0, -L * 0.06, tl + L * 0.05, L * 0.12));
    p.setBrush(white);  // and its white tip
    p.drawEllipse(QRectF(tl - L * 0.03, -L * 0.055, L * 0.14, L * 0.11));
    p.restore();
    // The hind leg and foot gripping what it sits on.
    p.setPen(outline);
    p.setBrush(back.darker(110));
    p.drawEllipse(QPointF(-L * 0.05, L * 0.3), L * 0.16, L * 0.13);
    p.setBrush(pink.darker(110));
    p.drawEllipse(QPointF(L * 0.1, L * 0.42), L * 0.09, L * 0.035);
    // The body sitting up, the white belly to the front.
    QPainterPath body;
    body.addEllipse(QPointF(0, L * 0.13), L * 0.18, L * 0.28);
    p.setBrush(back);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawEllipse(QPointF(L * 0.15, L * 0.17), L * 0.12, L * 0.3);
    p.restore();
    // The head: round, with a brown crown, white cheek and throat and a
    // short pointed muzzle.
    const QPointF head(L * 0.1, -L * 0.24);
    QPainterPath skull;
    skull.addEllipse(head, L * 0.15, L * 0.13);
    QPainterPath muzzle(head + QPointF(L * 0.05, -L * 0.1));
    muzzle.cubicTo(head + QPointF(L * 0.16, -L * 0.07), head + QPointF(L * 0.25, -L * 0.01),
                   head + QPointF(L * 0.27, L * 0.03));
    muzzle.cubicTo(head + QPointF(L * 0.22, L * 0.08), head + QPointF(L * 0.12, L * 0.12),
                   head + QPointF(L * 0.04, L * 0.12));
    muzzle.closeSubpath();
    skull = skull.united(muzzle);
    // The large rounded ear behind the eye.
    p.setBrush(pink.darker(115));
    p.drawEllipse(head + QPointF(-L * 0.05, -L * 0.15), L * 0.085, L * 0.1);
    p.setBrush(pink);
    p.drawEllipse(head + QPointF(-L * 0.045, -L * 0.145), L * 0.05, L * 0.065);
    p.setBrush(crown);
    p.drawPath(skull);
    p.save();
    p.setClipPath(skull);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawEllipse(head + QPointF(L * 0.06, L * 0.12), L * 0.2, L * 0.085);
    // The black mask from the muzzle through the eye to the ear.
    QPainterPath mask(head + QPointF(L * 0.22, L * 0.0));
    mask.cubicTo(head + QPointF(L * 0.14, -L * 0.03), head + QPointF(L * 0.0, -L * 0.05),
                 head + QPointF(-L * 0.16, -L * 0.02));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 18, 16), L * 0.055, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mask);
    p.restore();
    p.setPen(QPen(QColor(70, 58, 50), std::max<qreal>(0.8, L * 0.008)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(skull);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 8, 8));  // the large eye in the mask
    p.drawEllipse(head + QPointF(L * 0.08, -L * 0.035), L * 0.032, L * 0.029);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(head + QPointF(L * 0.09, -L * 0.046), L * 0.01, L * 0.01);
    p.setBrush(pink.darker(130));  // the nose
    p.drawEllipse(head + QPointF(L * 0.265, L * 0.03), L * 0.02, L * 0.017);
    p.setPen(QPen(QColor(60, 55, 50), std::max<qreal>(0.5, L * 0.004)));  // whiskers
    for (int k = -1; k <= 1; ++k)
        p.drawLine(head + QPointF(L * 0.22, L * 0.04), head + QPointF(L * 0.36, L * (0.02 + k * 0.04)));
    // The berry held up to the mouth in both front paws, bitten into.
    p.setPen(outline);
    p.setBrush(back);  // the foreleg raised to the berry
    p.drawEllipse(QPointF(L * 0.08, L * 0.04), L * 0.05, L * 0.1);
    const QPointF berry(L * 0.2, -L * 0.0);  // held against the white chest, under the muzzle
    const qreal br = L * 0.13;
    QRadialGradient g(berry - QPointF(br * 0.35, br * 0.4), br * 1.35);
    g.setColorAt(0, QColor(62, 30, 78).lighter(165));
    g.setColorAt(0.25, QColor(62, 30, 78).lighter(115));
    g.setColorAt(1, QColor(62, 30, 78).darker(135));
    p.setPen(QPen(QColor(30, 15, 40), std::max<qreal>(0.6, L * 0.006)));
    p.setBrush(g);
    p.drawEllipse(berry, br, br * 1.05);
    // The bite facing us: a wide ragged mouthful of pale green flesh, the
    // torn purple skin round it and the hollows of the eaten seeds.
    QPainterPath bite;
    for (int k = 0; k <= 18; ++k) {
        const qreal t = k * 2 * M_PI / 18;
        const qreal rr = br * (k % 3 == 1 ? 0.62 : 0.74);
        const QPointF at = berry + QPointF(br * 0.12, -br * 0.12) + QPointF(qCos(t) * rr, qSin(t) * rr);
        k ? bite.lineTo(at) : bite.moveTo(at);
    }
    bite.closeSubpath();
    QPainterPath whole;
    whole.addEllipse(berry, br, br * 1.05);
    bite = bite.intersected(whole);
    p.setPen(QPen(QColor(250, 248, 225), std::max<qreal>(1, br * 0.12)));
    p.setBrush(QColor(232, 236, 178));
    p.drawPath(bite);
    p.setPen(QPen(QColor(40, 20, 50), std::max<qreal>(0.6, L * 0.005)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bite);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 175, 110));
    p.drawEllipse(berry + QPointF(br * 0.0, -br * 0.05), br * 0.11, br * 0.18);
    p.drawEllipse(berry + QPointF(br * 0.28, -br * 0.12), br * 0.11, br * 0.18);
    p.setBrush(pink);  // the small hands round it
    p.setPen(outline);
    p.drawEllipse(berry + QPointF(-br * 0.8, br * 0.65), L * 0.035, L * 0.028);
    p.drawEllipse(berry + QPointF(br * 0.6, br * 0.8), L * 0.035, L * 0.028);
    p.restore();
}

void drawNest(QPainter &p, qreal L)
{
    // Paper wasp nest: a disc of hexagonal cells on a stalk.
    p.setPen(QPen(QColor(110, 100, 85), 1.2));
    p.drawLine(QPointF(0, -L * 0.55), QPointF(0, -L * 0.3));
    p.setBrush(QColor(200, 190, 170));
    p.drawEllipse(QPointF(0, 0), L * 0.45, L * 0.32);
    for (int row = -3; row <= 3; ++row)
        for (int col = -4; col <= 4; ++col) {
            const QPointF c(col * L * 0.1 + (row % 2) * L * 0.05, row * L * 0.085);
            if (c.x() * c.x() / 0.16 + c.y() * c.y() / 0.08 > L * L)
                continue;
            QPolygonF hex;
            for (int k = 0; k < 6; ++k)
                hex << c + QPointF(L * 0.05 * qCos(k * M_PI / 3 + M_PI / 6), L * 0.05 * qSin(k * M_PI / 3 + M_PI / 6));
            p.setBrush((row + col) % 3 ? QColor(170, 160, 140) : QColor(245, 240, 225));
            p.drawPolygon(hex);
        }
}

}  // namespace

void drawOrganism(QPainter &p, const QString &kindAndColour, QPointF at, qreal L, qreal heading, Random &rnd)
{
    const QString kind = kindAndColour.section(QLatin1Char('-'), 0, 0);
    const QString colourName = kindAndColour.section(QLatin1Char('-'), 1);
    p.save();
    p.translate(at);
    p.rotate(heading);
    Body b;
    auto insect = [&](const QColor &fallback) {
        b.colour = named(colourName, fallback);
        drawBody(p, b, L);
    };
    if (kind == QLatin1String("oruga")) {
        // -cabezanegra: a green caterpillar with a shining black head.
        const QColor c = named(colourName, QColor(120, 150, 80));
        const QColor head = colourName == QLatin1String("cabezanegra") ? QColor(20, 18, 15) : c.darker(180);
        drawLarva(p, L, c, head, 0.13, 0, false, true, false, false);
    } else if (kind == QLatin1String("orugapeluda")) {
        // A dark, almost black body with a tuft of reddish brown hairs
        // rising from a wart on each side of every segment and a lighter
        // line of warts along the back.
        const qreal thickness = 0.15, w = L * thickness * 0.5;
        const int n = 12;
        auto spineAt = [&](int i) {
            const qreal t = i / qreal(n);
            return QPointF(-L / 2 + L * t, L * 0.04 * qSin(t * 7));
        };
        const QColor hairs[] = {QColor(150, 70, 35, 220), QColor(185, 95, 45, 220), QColor(110, 55, 30, 230)};
        auto tufts = [&](bool under) {  // the tufts behind the body first, then the ones over it
            for (int i = 1; i < n; ++i) {
                for (int side : {-1, 1}) {
                    if ((side > 0) != under)
                        continue;
                    const QPointF wart = spineAt(i) + QPointF(0, side * w * 0.55);
                    for (int k = 0; k < 9; ++k) {
                        const qreal a = qDegreesToRadians(side * 90.0 + (k - 4) * 13.0 + rnd.range(-5, 5));
                        p.setPen(
                            QPen(hairs[(i + k) % 3], std::max<qreal>(0.6, L * 0.006), Qt::SolidLine, Qt::RoundCap));
                        p.drawLine(wart, wart + QPointF(qCos(a), qSin(a)) * w * rnd.range(1.5, 2.1));
                    }
                }
            }
        };
        tufts(true);
        drawLarva(p, L, named(colourName, QColor(42, 34, 30)), QColor(20, 16, 14), thickness, 0, false, true, false,
                  false);
        tufts(false);
        p.setPen(Qt::NoPen);
        for (int i = 1; i < n; ++i) {
            p.setBrush(QColor(200, 90, 45));
            p.drawEllipse(spineAt(i) + QPointF(0, -w * 0.55), w * 0.16, w * 0.16);
            p.setBrush(QColor(225, 190, 120));
            p.drawEllipse(spineAt(i) + QPointF(0, -w * 0.05), w * 0.1, w * 0.1);
        }
    } else if (kind == QLatin1String("larvac") && colourName == QLatin1String("recta")) {
        // The castañeta's larva: stout, straight, creamy white, thickest
        // behind the small brown head, with short legs.
        drawLarva(p, L, QColor(246, 236, 205), QColor(160, 100, 45), 0.26, 0, true, false, false, false);
    } else if (kind == QLatin1String("larvac")) {  // white grub with legs and a brown head
        drawLarva(p, L, named(colourName, QColor(240, 232, 210)), QColor(170, 100, 40), 0.3, 1, true, false, false,
                  false);
    } else if (kind == QLatin1String("larvaapoda")) {  // legless weevil larva
        drawLarva(p, L, named(colourName, QColor(242, 238, 222)), QColor(150, 100, 50), 0.28, 1, false, false, false,
                  false);
    } else if (kind == QLatin1String("larvamosca")) {  // fly maggot: legless, pointed at the head end
        // -gris: the bibionid's larva, greyish brown with a dark head capsule.
        const bool capsule = colourName == QLatin1String("gris");
        const QColor c = capsule ? QColor(125, 115, 100) : named(colourName, QColor(245, 242, 228));
        QPainterPath body;
        body.moveTo(L * 0.5, 0);
        body.cubicTo(L * 0.38, -L * 0.05, L * 0.15, -L * 0.13, -L * 0.2, -L * 0.14);
        body.cubicTo(-L * 0.45, -L * 0.14, -L * 0.52, -L * 0.08, -L * 0.5, 0);
        body.cubicTo(-L * 0.52, L * 0.08, -L * 0.45, L * 0.14, -L * 0.2, L * 0.14);
        body.cubicTo(L * 0.15, L * 0.13, L * 0.38, L * 0.05, L * 0.5, 0);
        QRadialGradient g(QPointF(-L * 0.05, -L * 0.05), L * 0.5);
        g.setColorAt(0, c.lighter(108));
        g.setColorAt(1, c.darker(122));
        p.setPen(QPen(c.darker(150), std::max<qreal>(0.6, L * 0.012)));
        p.setBrush(g);
        p.drawPath(body);
        p.save();
        p.setClipPath(body);
        p.setPen(QPen(c.darker(135), std::max<qreal>(0.5, L * 0.008)));
        for (int k = 0; k < 10; ++k) {  // the rings of the body
            const qreal x = -L * 0.42 + k * L * 0.085;
            p.drawLine(QPointF(x, -L * 0.2), QPointF(x + L * 0.01, L * 0.2));
        }
        p.restore();
        if (capsule) {
            p.setPen(QPen(QColor(20, 15, 10), 0.8));
            p.setBrush(QColor(35, 25, 18));
            p.drawEllipse(QPointF(L * 0.47, 0), L * 0.07, L * 0.06);
            p.setPen(QPen(c.darker(160), std::max<qreal>(0.5, L * 0.008)));  // rows of short spines
            for (int k = 0; k < 9; ++k) {
                const qreal x = -L * 0.38 + k * L * 0.085;
                p.drawLine(QPointF(x, -L * 0.12), QPointF(x - L * 0.015, -L * 0.16));
                p.drawLine(QPointF(x, L * 0.12), QPointF(x - L * 0.015, L * 0.16));
            }
        } else {
            p.setPen(QPen(QColor(25, 20, 15), std::max<qreal>(0.8, L * 0.018), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(L * 0.44, -L * 0.012), QPointF(L * 0.52, -L * 0.03));  // mouth hooks
            p.drawLine(QPointF(L * 0.44, L * 0.012), QPointF(L * 0.52, L * 0.03));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 45, 30));
        p.drawEllipse(QPointF(-L * 0.47, -L * 0.04), L * 0.018, L * 0.018);  // the rear spiracles
        p.drawEllipse(QPointF(-L * 0.47, L * 0.04), L * 0.018, L * 0.018);
    } else if (kind == QLatin1String("pupa")) {  // fly puparium: a brown barrel with ring lines
        QRadialGradient g(QPointF(-L * 0.1, -L * 0.1), L * 0.55);
        g.setColorAt(0, QColor(190, 120, 60));
        g.setColorAt(1, QColor(105, 55, 25));
        p.setPen(QPen(QColor(80, 40, 20), std::max<qreal>(0.6, L * 0.015)));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(-L * 0.5, -L * 0.24, L, L * 0.48), L * 0.22, L * 0.22);
        p.setPen(QPen(QColor(90, 45, 20), std::max<qreal>(0.5, L * 0.01)));
        for (int k = 1; k < 8; ++k) {
            const qreal x = -L * 0.5 + k * L / 8;
            p.drawArc(QRectF(x - L * 0.03, -L * 0.23, L * 0.06, L * 0.46), 90 * 16, 180 * 16);
        }
    } else if (kind == QLatin1String("halcon")) {  // a falcon seen from below in flight: long pointed wings
        const QColor back(120, 85, 55), belly(225, 205, 170);
        p.setPen(QPen(back.darker(150), std::max<qreal>(0.8, L * 0.01)));
        for (int s : {-1, 1}) {
            QPainterPath wing;
            wing.moveTo(L * 0.12, s * L * 0.05);
            wing.cubicTo(L * 0.1, s * L * 0.3, -L * 0.05, s * L * 0.5, -L * 0.2, s * L * 0.62);
            wing.cubicTo(-L * 0.12, s * L * 0.4, -L * 0.1, s * L * 0.2, -L * 0.1, s * L * 0.05);
            wing.closeSubpath();
            p.setBrush(back);
            p.drawPath(wing);
            p.setPen(QPen(back.darker(170), std::max<qreal>(0.6, L * 0.006)));
            for (int k = 1; k < 5; ++k)  // the barring of the flight feathers
                p.drawLine(QPointF(-L * 0.02 - k * L * 0.03, s * L * (0.18 + k * 0.09)),
                           QPointF(-L * 0.1 - k * L * 0.02, s * L * (0.16 + k * 0.09)));
            p.setPen(QPen(back.darker(150), std::max<qreal>(0.8, L * 0.01)));
        }
        QPainterPath tail;
        tail.moveTo(-L * 0.18, -L * 0.05);
        tail.lineTo(-L * 0.45, -L * 0.09);
        tail.lineTo(-L * 0.45, L * 0.09);
        tail.lineTo(-L * 0.18, L * 0.05);
        tail.closeSubpath();
        p.setBrush(back.lighter(110));
        p.drawPath(tail);
        p.setBrush(belly);
        p.drawEllipse(QPointF(0, 0), L * 0.22, L * 0.08);
        p.setBrush(back.darker(120));
        p.drawEllipse(QPointF(L * 0.24, 0), L * 0.07, L * 0.06);
        p.setBrush(QColor(230, 190, 60));
        p.drawPolygon(QPolygonF{QPointF(L * 0.3, -L * 0.02), QPointF(L * 0.36, 0), QPointF(L * 0.3, L * 0.02)});
    } else if (kind == QLatin1String("capullo")) {  // a moth's chrysalis in its white silk cocoon
        p.setPen(QPen(QColor(200, 195, 185), 0.8));
        p.setBrush(QColor(248, 246, 240, 215));
        p.drawEllipse(QPointF(0, 0), L * 0.5, L * 0.26);
        QRadialGradient g(QPointF(-L * 0.05, -L * 0.05), L * 0.3);
        g.setColorAt(0, QColor(175, 110, 55));
        g.setColorAt(1, QColor(110, 60, 25));
        p.setPen(QPen(QColor(90, 50, 20), 0.8));
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), L * 0.3, L * 0.12);
        p.setPen(QPen(QColor(255, 255, 252, 200), std::max<qreal>(0.5, L * 0.008)));
        for (int k = 0; k < 16; ++k) {  // the silk over it
            const qreal from = rnd.range(0, 2 * M_PI), to = from + rnd.range(1.5, 3);
            p.drawLine(QPointF(L * 0.48 * qCos(from), L * 0.25 * qSin(from)),
                       QPointF(L * 0.48 * qCos(to), L * 0.25 * qSin(to)));
        }
    } else if (kind == QLatin1String("setas")) {  // honey fungus: a clump of honey-coloured toadstools
        Random r2(17);
        for (int k = 0; k < 7; ++k) {
            const qreal x = (k - 3) * L * 0.13 + r2.range(-L * 0.03, L * 0.03);
            const qreal h = L * r2.range(0.35, 0.6), cap = L * r2.range(0.12, 0.18);
            p.setPen(QPen(QColor(170, 150, 110), L * 0.04, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x * 0.5, L * 0.3), QPointF(x, L * 0.3 - h));
            QPainterPath c;
            c.moveTo(x - cap, L * 0.3 - h + cap * 0.2);
            c.cubicTo(x - cap, L * 0.3 - h - cap * 0.9, x + cap, L * 0.3 - h - cap * 0.9, x + cap,
                      L * 0.3 - h + cap * 0.2);
            c.closeSubpath();
            QRadialGradient g(QPointF(x, L * 0.3 - h - cap * 0.4), cap * 1.2);
            g.setColorAt(0, QColor(150, 95, 35));
            g.setColorAt(1, QColor(215, 170, 80));
            p.setPen(QPen(QColor(120, 80, 35), 0.8));
            p.setBrush(g);
            p.drawPath(c);
        }
    } else if (kind == QLatin1String("larvagris")) {  // cutworm curled up
        drawLarva(p, L, QColor(120, 115, 100), QColor(70, 55, 40), 0.2, 1.05, false, true, false, false);
    } else if (kind == QLatin1String("larvaaltica")) {
        drawLarva(p, L, QColor(120, 85, 50), QColor(30, 25, 20), 0.22, 0, true, false, false, true);
    } else if (kind == QLatin1String("alambre")) {  // wireworm: thin, hard, shiny orange, three tiny leg pairs
        QPainterPath worm;
        for (int i = 0; i <= 30; ++i) {
            const qreal t = i / 30.0;
            const QPointF point(-L / 2 + L * t, L * 0.05 * qSin(t * 6));
            i ? worm.lineTo(point) : worm.moveTo(point);
        }
        p.setBrush(Qt::NoBrush);
        for (int k = 1; k <= 3; ++k) {  // legs behind the head
            const QPointF leg = worm.pointAtPercent(0.93 - k * 0.035);
            p.setPen(QPen(QColor(140, 80, 30), std::max<qreal>(0.6, L * 0.012)));
            p.drawLine(leg + QPointF(0, -L * 0.03), leg + QPointF(L * 0.01, -L * 0.06));
            p.drawLine(leg + QPointF(0, L * 0.03), leg + QPointF(L * 0.01, L * 0.06));
        }
        p.setPen(QPen(QColor(140, 75, 25), L * 0.075, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(worm);
        p.setPen(QPen(QColor(225, 150, 55), L * 0.058, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(worm);
        p.setPen(QPen(QColor(250, 215, 140), L * 0.015, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(worm.translated(0, -L * 0.013));
        p.setPen(QPen(QColor(150, 85, 30), std::max<qreal>(0.5, L * 0.007)));
        for (int k = 1; k < 13; ++k) {  // the hard rings
            const QPointF ring = worm.pointAtPercent(k / 13.0);
            p.drawLine(ring + QPointF(0, -L * 0.03), ring + QPointF(0, L * 0.03));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 60, 20));
        p.drawEllipse(worm.pointAtPercent(1.0), L * 0.04, L * 0.033);
    } else if (kind == QLatin1String("escarabajo")) {
        b.wings = Wings::Elytra;
        b.abdomenL = 0.56;
        b.abdomenW = 0.36;
        b.thoraxW = 0.24;
        b.legLen = 0.32;
        b.sheen = true;
        if (colourName == QLatin1String("peludo")) {  // hairy black chafer
            b.hairy = true;
            b.sheen = false;
            b.colour = QColor(35, 30, 28);
            drawBody(p, b, L);
        } else if (colourName == QLatin1String("manchas")) {
            b.spots = true;
            b.colour = QColor(25, 25, 30);
            drawBody(p, b, L);
        } else if (colourName == QLatin1String("antenas")) {  // long-horned, chestnut
            b.antennae = Antennae::Long;
            b.colour = QColor(140, 80, 40);
            drawBody(p, b, L);
        } else if (colourName == QLatin1String("abanico")) {  // cockchafer
            b.antennae = Antennae::Fan;
            b.colour = QColor(150, 95, 50);
            b.abdomenL = 0.62;
            drawBody(p, b, L);
        } else if (colourName == QLatin1String("cilindrico")) {  // bark beetle, thick and cylindrical
            b.abdomenW = 0.3;
            b.abdomenL = 0.6;
            b.headR = 0.07;
            b.thoraxL = 0.3;
            b.thoraxW = 0.3;
            b.sheen = false;
            b.colour = QColor(55, 35, 25);
            drawBody(p, b, L);
            // The hind end of the wing cases cut off steeply and ringed with
            // short spines.
            p.setPen(QPen(b.colour.darker(140), std::max<qreal>(0.8, L * 0.025), Qt::SolidLine, Qt::RoundCap));
            for (const qreal t : {140.0, 155.0, 170.0, 190.0, 205.0, 220.0}) {
                const qreal a = qDegreesToRadians(t);
                const QPointF edge(-L * 0.18 + L * 0.3 * qCos(a), L * 0.15 * qSin(a));
                p.drawLine(edge, edge + QPointF(qCos(a), qSin(a)) * L * 0.07);
            }
        } else if (colourName == QLatin1String("hembra")) {
            // The flightless female: short wing cases over the front of a
            // huge soft abdomen swollen with eggs, its rings showing.
            p.setPen(QPen(QColor(110, 70, 40), std::max<qreal>(0.6, L * 0.015)));
            p.setBrush(QColor(185, 130, 75));
            p.drawEllipse(QPointF(-L * 0.3, 0), L * 0.4, L * 0.27);
            for (int k = 1; k <= 4; ++k)
                p.drawArc(QRectF(-L * 0.3 - L * 0.4 + k * L * 0.12, -L * 0.25, L * 0.2, L * 0.5), 100 * 16, 160 * 16);
            b.antennae = Antennae::Long;
            b.colour = QColor(140, 80, 40);
            b.abdomenL = 0.3;
            b.abdomenW = 0.3;
            drawBody(p, b, L);
        } else if (colourName == QLatin1String("estrecho")) {  // click beetle
            b.abdomenW = 0.22;
            b.abdomenL = 0.62;
            b.thoraxW = 0.2;
            b.colour = QColor(110, 75, 45);
            drawBody(p, b, L);
        } else {
            insect(QColor(40, 70, 140));
        }
    } else if (kind == QLatin1String("gorgojo")) {  // weevil: snout, elbowed antennae
        b.wings = Wings::Elytra;
        b.snout = true;
        b.antennae = Antennae::Elbowed;
        b.abdomenL = 0.5;
        b.abdomenW = 0.34;
        b.thoraxW = 0.2;
        b.headR = 0.07;
        b.sheen = colourName == QLatin1String("verde");
        if (colourName == QLatin1String("gris")) {  // short and rounded, grey scales
            b.abdomenL = 0.46;
            b.abdomenW = 0.44;
            b.thoraxW = 0.24;
        }
        insect(QColor(60, 50, 45));
    } else if (kind == QLatin1String("hormiga")) {  // ant: round head, thin waist, round gaster, elbowed antennae
        b.headR = 0.1;
        b.thoraxL = 0.22;
        b.thoraxW = 0.1;
        b.abdomenL = 0.36;
        b.abdomenW = 0.26;
        b.legLen = 0.42;
        b.antennae = Antennae::Elbowed;
        insect(QColor(45, 30, 25));
    } else if (kind == QLatin1String("larvamariquita")) {  // ladybird larva: long, dark, warty, orange spots
        b.abdomenL = 0.62;
        b.abdomenW = 0.24;
        b.thoraxL = 0.18;
        b.thoraxW = 0.2;
        b.headR = 0.06;
        b.legLen = 0.3;
        b.antennae = Antennae::Short;
        b.colour = QColor(45, 45, 55);
        drawBody(p, b, L);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 130, 40));
        for (int s : {-1, 1}) {
            p.drawEllipse(QPointF(L * 0.16, s * L * 0.06), L * 0.03, L * 0.03);
            p.drawEllipse(QPointF(-L * 0.12, s * L * 0.07), L * 0.035, L * 0.03);
        }
    } else if (kind == QLatin1String("mariquita")) {
        b.wings = Wings::Elytra;
        b.abdomenL = 0.6;
        b.abdomenW = 0.56;
        b.thoraxW = 0.3;
        b.headR = 0.08;
        b.colour = QColor(200, 30, 25);
        b.legLen = 0.2;
        drawBody(p, b, L);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (int k = 0; k < 6; ++k)
            p.drawEllipse(QPointF(-L * 0.18 + (k % 3 - 1) * L * 0.14, (k < 3 ? -1 : 1) * L * 0.13), L * 0.05, L * 0.05);
    } else if (kind == QLatin1String("pulgon") && colourName == QLatin1String("alado")) {
        // The winged aphid: a small pear-shaped body, the thorax dark, short
        // legs, long antennae, the two siphunculi at the rear and two long
        // clear wings held roof-like over the back, well beyond the body.
        const QColor green(135, 165, 70), dark(30, 30, 26);
        const qreal thin = std::max<qreal>(0.8, L * 0.014);
        p.setPen(QPen(dark, thin, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 3; ++k)  // three pairs of short legs
            for (int s : {-1, 1}) {
                const qreal x = L * (0.14 - k * 0.09);
                QPolygonF leg{QPointF(x, s * L * 0.05), QPointF(x + L * (0.05 - k * 0.04), s * L * 0.17),
                              QPointF(x + L * (0.02 - k * 0.06), s * L * 0.25)};
                p.drawPolyline(leg);
            }
        for (int s : {-1, 1}) {  // the antennae, longer than the body is wide
            QPainterPath a(QPointF(L * 0.27, s * L * 0.025));
            a.cubicTo(QPointF(L * 0.45, s * L * 0.08), QPointF(L * 0.6, s * L * 0.2), QPointF(L * 0.72, s * L * 0.24));
            p.drawPath(a);
        }
        QPainterPath pear;
        pear.moveTo(L * 0.04, 0);
        pear.cubicTo(QPointF(L * 0.04, -L * 0.12), QPointF(-L * 0.16, -L * 0.23), QPointF(-L * 0.33, -L * 0.18));
        pear.cubicTo(QPointF(-L * 0.5, -L * 0.13), QPointF(-L * 0.54, L * 0.13), QPointF(-L * 0.33, L * 0.18));
        pear.cubicTo(QPointF(-L * 0.16, L * 0.23), QPointF(L * 0.04, L * 0.12), QPointF(L * 0.04, 0));
        QRadialGradient g(QPointF(-L * 0.15, -L * 0.05), L * 0.3);
        g.setColorAt(0, green.lighter(125));
        g.setColorAt(1, green.darker(130));
        p.setPen(QPen(green.darker(170), thin));
        p.setBrush(g);
        p.drawPath(pear);
        p.setBrush(green.darker(140));
        p.drawEllipse(QPointF(-L * 0.52, 0), L * 0.035, L * 0.025);    // the cauda
        p.setPen(QPen(dark, L * 0.045, Qt::SolidLine, Qt::RoundCap));  // the siphunculi, standing out behind
        for (int s : {-1, 1})
            p.drawLine(QPointF(-L * 0.36, s * L * 0.1), QPointF(-L * 0.52, s * L * 0.19));
        p.setPen(QPen(green.darker(170), thin));
        p.setBrush(dark);
        p.drawEllipse(QPointF(L * 0.12, 0), L * 0.1, L * 0.085);   // thorax
        p.drawEllipse(QPointF(L * 0.23, 0), L * 0.055, L * 0.06);  // head
        p.setBrush(QColor(150, 30, 25));
        for (int s : {-1, 1})
            p.drawEllipse(QPointF(L * 0.24, s * L * 0.045), L * 0.02, L * 0.02);
        for (int s : {-1, 1}) {  // the wings, laid back along the body
            QPainterPath w(QPointF(L * 0.12, s * L * 0.03));
            w.cubicTo(QPointF(L * 0.0, s * L * 0.16), QPointF(-L * 0.5, s * L * 0.22),
                      QPointF(-L * 0.85, s * L * 0.08));
            w.cubicTo(QPointF(-L * 0.88, s * L * 0.03), QPointF(-L * 0.6, -s * L * 0.02),
                      QPointF(L * 0.12, s * L * 0.0));
            p.setPen(QPen(QColor(80, 85, 95, 220), thin));
            p.setBrush(QColor(230, 240, 250, 55));
            p.drawPath(w);
            p.setPen(QPen(QColor(70, 70, 60, 200), thin * 1.6));  // the leading vein and its dark stigma
            p.setBrush(Qt::NoBrush);
            QPainterPath vein(QPointF(L * 0.1, s * L * 0.06));
            vein.cubicTo(QPointF(-L * 0.05, s * L * 0.155), QPointF(-L * 0.25, s * L * 0.19),
                         QPointF(-L * 0.36, s * L * 0.185));
            p.drawPath(vein);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 60, 50, 210));
            p.drawEllipse(QPointF(-L * 0.4, s * L * 0.18), L * 0.05, L * 0.018);
            p.setPen(QPen(QColor(90, 90, 100, 160), thin * 0.8));
            for (int k = 0; k < 3; ++k)  // the oblique veins
                p.drawLine(QPointF(-L * (0.3 + k * 0.1), s * L * 0.17), QPointF(-L * (0.4 + k * 0.14), s * L * 0.06));
        }
    } else if (kind == QLatin1String("pulgon") || kind == QLatin1String("filoxera")) {
        // -alado: a winged adult; -momia: swollen, bronze and stiff, parasitised.
        const bool mummy = colourName == QLatin1String("momia");
        b.abdomenL = 0.55;
        b.abdomenW = mummy ? 0.5 : 0.4;
        b.thoraxL = 0.14;
        b.thoraxW = 0.22;
        b.headR = 0.08;
        b.legLen = mummy ? 0.2 : 0.35;
        b.antennae = kind == QLatin1String("pulgon") ? Antennae::Long : Antennae::Short;
        if (colourName == QLatin1String("alado")) {
            b.wings = Wings::Clear;
            b.wingColour = QColor(215, 225, 238, 210);
        }
        b.sheen = mummy;
        insect(kind == QLatin1String("filoxera") ? QColor(220, 190, 60)
                   : mummy                       ? QColor(175, 125, 60)
                                                 : QColor(60, 60, 50));
        if (mummy) {  // the parasitoid's round exit hole
            p.setPen(QPen(QColor(90, 55, 25), 0.6));
            p.setBrush(QColor(40, 25, 12));
            p.drawEllipse(QPointF(-L * 0.25, -L * 0.05), L * 0.06, L * 0.06);
        }
        if (kind == QLatin1String("pulgon") && !mummy) {  // the two siphunculi
            p.setPen(QPen(b.colour.darker(160), L * 0.04, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(-L * 0.3, -L * 0.1), QPointF(-L * 0.48, -L * 0.16));
            p.drawLine(QPointF(-L * 0.3, L * 0.1), QPointF(-L * 0.48, L * 0.16));
        }
    } else if (kind == QLatin1String("caparazon") && colourName == QLatin1String("ninfa")) {
        // The overwintering larva: small, flat and oval, translucent brown,
        // with a paler rim and the faint ridge down its back, pressed into
        // a crack of the bark (drawn dark behind it).
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(45, 28, 15));
        QPainterPath crack(QPointF(-L * 0.85, L * 0.05));
        crack.cubicTo(QPointF(-L * 0.3, -L * 0.22), QPointF(L * 0.3, L * 0.24), QPointF(L * 0.85, -L * 0.04));
        crack.cubicTo(QPointF(L * 0.3, L * 0.36), QPointF(-L * 0.3, -L * 0.06), QPointF(-L * 0.85, L * 0.05));
        p.drawPath(crack);
        p.setPen(QPen(QColor(90, 55, 25), std::max<qreal>(0.6, L * 0.02)));
        p.setBrush(QColor(185, 130, 70, 235));
        p.drawEllipse(QPointF(0, 0), L * 0.34, L * 0.2);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(235, 200, 150, 200), std::max<qreal>(0.5, L * 0.018)));
        p.drawEllipse(QPointF(0, 0), L * 0.28, L * 0.15);
        p.setPen(QPen(QColor(120, 75, 35), std::max<qreal>(0.5, L * 0.015)));
        p.drawLine(QPointF(-L * 0.24, 0), QPointF(L * 0.24, 0));
        for (int k = -2; k <= 2; ++k)  // the segments, faint
            p.drawLine(QPointF(k * L * 0.09, -L * 0.12), QPointF(k * L * 0.09, L * 0.12));
    } else if (kind == QLatin1String("caparazon")) {  // soft scale: a brown dome
        // -amarillo: the flat yellow young larvae settled on the leaf;
        // -parasitado: with the round exit hole of a parasitoid;
        // -levantado: the dome lifted off the heap of pink eggs under it.
        const bool young = colourName == QLatin1String("amarillo");
        const bool lifted = colourName == QLatin1String("levantado");
        if (lifted) {
            for (int i = 0; i < 60; ++i) {
                const QPointF e(rnd.range(-L * 0.42, L * 0.42), rnd.range(-L * 0.1, L * 0.3));
                if ((e.x() * e.x()) / (L * L * 0.18) + ((e.y() - L * 0.1) * (e.y() - L * 0.1)) / (L * L * 0.05) > 1)
                    continue;
                p.setPen(QPen(QColor(170, 90, 100), 0.5));
                p.setBrush(QColor(235, 160, 170));
                p.drawEllipse(e, L * 0.035, L * 0.028);
            }
            p.translate(L * 0.1, -L * 0.32);
            p.rotate(-28);
        }
        QRadialGradient g(QPointF(-L * 0.1, -L * 0.15), L * 0.6);
        g.setColorAt(0, young ? QColor(245, 225, 120) : QColor(200, 140, 80));
        g.setColorAt(1, young ? QColor(200, 170, 60) : QColor(100, 55, 25));
        p.setPen(QPen(young ? QColor(160, 130, 40) : QColor(70, 40, 20), 1));
        p.setBrush(g);
        if (lifted) {  // seen from below as it is lifted: the hollow of the dome
            p.drawChord(QRectF(-L * 0.5, -L * 0.4, L, L * 0.8), 0, 180 * 16);
            p.setBrush(QColor(150, 95, 55));
            p.drawEllipse(QPointF(0, 0), L * 0.5, L * 0.09);
        } else {
            p.drawEllipse(QPointF(0, 0), L * 0.5, young ? L * 0.3 : L * 0.4);
            p.setPen(QPen(QColor(240, 220, 180, 140), 1));
            p.drawArc(QRectF(-L * 0.3, -L * 0.28, L * 0.4, L * 0.3), 60 * 16, 90 * 16);
        }
        if (colourName == QLatin1String("parasitado")) {
            p.setPen(QPen(QColor(60, 35, 20), 0.8));
            p.setBrush(QColor(30, 20, 12));
            p.drawEllipse(QPointF(L * 0.12, -L * 0.08), L * 0.08, L * 0.08);
        }
    } else if (kind == QLatin1String("cochinilla") && colourName == QLatin1String("ovisaco")) {
        // The adult female with her egg sac: a loose mass of white cottony
        // wax behind her, larger than she is, the yellow eggs showing in it
        // and the orange crawlers leaving it.
        const QPointF sac(-L * 0.72, 0);
        p.setPen(QPen(QColor(245, 245, 240, 200), std::max<qreal>(0.6, L * 0.01)));
        for (int i = 0; i < 40; ++i) {  // the loose threads at its edge
            const qreal a = rnd.range(0, 2 * M_PI);
            const QPointF from = sac + QPointF(qCos(a) * L * 0.45, qSin(a) * L * 0.32);
            p.drawLine(from,
                       from
                           + QPointF(qCos(a + rnd.range(-0.6, 0.6)), qSin(a + rnd.range(-0.6, 0.6))) * L
                               * rnd.range(0.08, 0.18));
        }
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 90; ++i) {
            const qreal a = rnd.range(0, 2 * M_PI), d = std::sqrt(rnd.next());
            const int w = int(rnd.range(228, 252));
            p.setBrush(QColor(w, w, w - 6, int(rnd.range(190, 240))));
            p.drawEllipse(sac + QPointF(qCos(a) * L * 0.42 * d, qSin(a) * L * 0.3 * d), L * rnd.range(0.07, 0.14),
                          L * rnd.range(0.06, 0.11));
        }
        p.setBrush(QColor(235, 190, 80));
        for (int i = 0; i < 16; ++i)
            p.drawEllipse(sac + QPointF(rnd.range(-L * 0.3, L * 0.3), rnd.range(-L * 0.18, L * 0.18)), L * 0.022,
                          L * 0.028);
        drawOrganism(p, QStringLiteral("cochinilla"), QPointF(0, 0), L, 0, rnd);
        const QPointF crawlers[] = {QPointF(-L * 0.3, L * 0.42), QPointF(L * 0.1, L * 0.5),
                                    QPointF(-L * 1.1, -L * 0.42), QPointF(L * 0.45, -L * 0.35),
                                    QPointF(-L * 0.7, L * 0.48)};
        for (const QPointF &c : crawlers)
            drawOrganism(p, QStringLiteral("cochinilla-anaranjado"), c, L * 0.2, rnd.range(-180, 180), rnd);
    } else if (kind == QLatin1String("cochinilla") && colourName == QLatin1String("anaranjado")) {
        // The mealybug's crawlers: tiny, orange, still bare of wax.
        p.setPen(QPen(QColor(150, 70, 20), std::max<qreal>(0.5, L * 0.02)));
        for (int s : {-1, 1})  // the antennae
            p.drawLine(QPointF(L * 0.4, s * L * 0.08), QPointF(L * 0.6, s * L * 0.22));
        p.setPen(QPen(QColor(150, 70, 20), 0.7));
        p.setBrush(QColor(235, 140, 50));
        p.drawEllipse(QPointF(0, 0), L * 0.45, L * 0.24);
        p.setPen(QPen(QColor(170, 90, 30), std::max<qreal>(0.5, L * 0.03)));
        for (int s : {-1, 1})
            for (int k = -1; k <= 1; ++k)
                p.drawLine(QPointF(k * L * 0.15, s * L * 0.22), QPointF(k * L * 0.15 + L * 0.05, s * L * 0.36));
    } else if (kind == QLatin1String("cochinilla") && colourName == QLatin1String("macho")) {
        // The winged male mealybug: tiny, pink-grey, one pair of pale wings
        // and two long white tail filaments.
        p.setPen(QPen(QColor(245, 245, 240), std::max<qreal>(0.6, L * 0.025)));
        for (int s : {-1, 1})
            p.drawLine(QPointF(-L * 0.3, s * L * 0.03), QPointF(-L * 0.85, s * L * 0.14));
        b.wings = Wings::Clear;
        b.wingColour = QColor(235, 235, 240, 190);
        b.abdomenL = 0.45;
        b.abdomenW = 0.18;
        b.thoraxW = 0.16;
        b.headR = 0.07;
        b.legLen = 0.22;
        b.antennae = Antennae::Long;
        b.colour = QColor(170, 110, 110);
        drawBody(p, b, L);
    } else if (kind == QLatin1String("cochinilla")) {  // mealybug: white, waxy, with filaments
        p.setPen(QPen(QColor(235, 232, 225), L * 0.03, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 9; ++k)
            for (int s : {-1, 1}) {
                const qreal x = -L * 0.4 + k * L * 0.1;
                p.drawLine(QPointF(x, s * L * 0.2), QPointF(x * 1.1, s * L * (k == 0 ? 0.45 : 0.3)));
            }
        p.setPen(QPen(QColor(200, 195, 185), 0.8));
        p.setBrush(QColor(240, 238, 232));
        p.drawEllipse(QPointF(0, 0), L * 0.45, L * 0.24);
        p.setPen(QPen(QColor(205, 200, 190), 0.8));
        for (int k = -3; k <= 3; ++k)
            p.drawLine(QPointF(k * L * 0.1, -L * 0.2), QPointF(k * L * 0.1, L * 0.2));
    } else if (kind == QLatin1String("cicadelido") && colourName == QLatin1String("salivazo")) {
        // The spittlebug's adult, a froghopper: short and stout, broad across
        // the head, the brown forewings held like a roof and crossed by two
        // pale bands.
        b.wings = Wings::Roof;
        b.abdomenL = 0.62;
        b.abdomenW = 0.46;
        b.thoraxW = 0.42;
        b.headR = 0.13;
        b.legLen = 0.22;
        b.antennae = Antennae::None;
        insect(QColor(135, 98, 58));
        p.setPen(QPen(QColor(225, 200, 150, 220), L * 0.05, Qt::SolidLine, Qt::RoundCap));
        for (const qreal x : {-0.05, -0.3}) {
            p.drawLine(QPointF(L * x, -L * 0.19), QPointF(L * (x - 0.08), -L * 0.04));
            p.drawLine(QPointF(L * x, L * 0.19), QPointF(L * (x - 0.08), L * 0.04));
        }
    } else if (kind == QLatin1String("cicadelido")) {  // leafhopper: wedge of roof-like wings
        b.wings = Wings::Roof;
        b.abdomenL = 0.5;
        b.abdomenW = 0.3;
        b.thoraxW = 0.28;
        b.headR = 0.1;
        b.legLen = 0.2;
        b.antennae = Antennae::None;
        insect(QColor(110, 180, 70));
    } else if (kind == QLatin1String("ninfa")) {  // wingless leafhopper nymph
        b.abdomenL = 0.5;
        b.abdomenW = 0.28;
        b.thoraxW = 0.24;
        b.headR = 0.11;
        b.legLen = 0.28;
        insect(QColor(200, 225, 170));
    } else if (kind == QLatin1String("chinche") && colourName == QLatin1String("ninfagris")) {
        // The grey bug's nymph: smaller and stouter than the adult, wingless,
        // the short dark wing pads on its back, antennae held forward.
        b.abdomenL = 0.52;
        b.abdomenW = 0.3;
        b.thoraxL = 0.18;
        b.thoraxW = 0.24;
        b.headR = 0.08;
        b.legLen = 0.3;
        b.antennae = Antennae::Short;
        b.colour = QColor(158, 152, 140);
        drawBody(p, b, L);
        p.setPen(QPen(QColor(95, 90, 82), std::max<qreal>(0.6, L * 0.015)));
        p.setBrush(QColor(110, 105, 96));
        for (int s : {-1, 1})  // the wing pads
            p.drawEllipse(QPointF(L * 0.02, s * L * 0.07), L * 0.1, L * 0.05);
        p.setPen(QPen(QColor(120, 115, 105), std::max<qreal>(0.5, L * 0.012)));
        for (int k = 1; k <= 3; ++k)  // the segments of the abdomen
            p.drawLine(QPointF(-L * (0.1 + k * 0.1), -L * 0.11), QPointF(-L * (0.1 + k * 0.1), L * 0.11));
    } else if (kind == QLatin1String("eriofido") && colourName == QLatin1String("alargado")) {
        // The rust mite under the lens: a long spindle of a body, pale and
        // ringed along all its length, tapering to the tail; a small shield
        // over the front and, right behind the snout, two short jointed legs
        // on each side, spread sideways and ending in a feathered claw.
        const QColor c(232, 212, 168);
        const qreal line = std::max<qreal>(0.7, L * 0.012);
        for (int i = 0; i < 2; ++i)
            for (int s : {-1, 1}) {
                const QPointF hip(L * (0.25 - i * 0.06), s * L * 0.07);
                const QPointF knee = hip + QPointF(L * (0.005 - i * 0.01), s * L * 0.06);
                const QPointF foot = knee + QPointF(-L * (0.01 + i * 0.015), s * L * 0.04);
                p.setPen(QPen(c.darker(150), L * 0.022, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(Qt::NoBrush);
                p.drawPolyline(QPolygonF{hip, knee, foot});
                p.setPen(QPen(c.darker(170), line * 0.7));
                for (int k = -1; k <= 1; ++k)  // the feather claw
                    p.drawLine(foot, foot + QPointF(L * 0.025, s * L * 0.012 + k * L * 0.012));
            }
        QPainterPath body(QPointF(L * 0.4, 0));  // snout
        body.cubicTo(QPointF(L * 0.38, -L * 0.08), QPointF(L * 0.2, -L * 0.1), QPointF(0, -L * 0.095));
        body.cubicTo(QPointF(-L * 0.3, -L * 0.08), QPointF(-L * 0.5, -L * 0.035), QPointF(-L * 0.56, 0));
        body.cubicTo(QPointF(-L * 0.5, L * 0.035), QPointF(-L * 0.3, L * 0.08), QPointF(0, L * 0.095));
        body.cubicTo(QPointF(L * 0.2, L * 0.1), QPointF(L * 0.38, L * 0.08), QPointF(L * 0.4, 0));
        QLinearGradient g(0, -L * 0.1, 0, L * 0.1);
        g.setColorAt(0, c.lighter(110));
        g.setColorAt(0.5, c);
        g.setColorAt(1, c.darker(125));
        p.setPen(QPen(c.darker(160), line));
        p.setBrush(g);
        p.drawPath(body);
        p.save();
        p.setClipPath(body);
        p.setPen(QPen(c.darker(135), line * 0.8));
        for (int k = 0; k < 26; ++k) {  // the rings of the body
            const qreal x = L * 0.2 - k * L * 0.028;
            p.drawArc(QRectF(x - L * 0.012, -L * 0.11, L * 0.024, L * 0.22), -90 * 16, 180 * 16);
        }
        p.restore();
        p.setPen(QPen(c.darker(150), line));
        p.setBrush(c.darker(110));  // the shield over the front, and the snout
        p.drawEllipse(QPointF(L * 0.27, 0), L * 0.09, L * 0.075);
        p.setBrush(c.darker(135));  // the mouthparts, a small cone ahead of the legs
        p.drawPolygon(QPolygonF{QPointF(L * 0.355, -L * 0.035), QPointF(L * 0.44, 0), QPointF(L * 0.355, L * 0.035)});
        p.setPen(QPen(c.darker(150), line * 0.8));  // the two long bristles of the tail
        p.drawLine(QPointF(-L * 0.55, -L * 0.01), QPointF(-L * 0.68, -L * 0.04));
        p.drawLine(QPointF(-L * 0.55, L * 0.01), QPointF(-L * 0.68, L * 0.04));
    } else if (kind == QLatin1String("chinche") && colourName == QLatin1String("alargado")) {
        // The grey bug of the vine: long and narrow, the leathery grey front of
        // the forewings and their clear membranous tips overlapping past the
        // end of the body, long antennae and slender legs.
        const QColor c(140, 137, 128);
        b.abdomenL = 0.62;
        b.abdomenW = 0.19;
        b.thoraxL = 0.16;
        b.thoraxW = 0.2;
        b.headR = 0.065;
        b.antennae = Antennae::None;
        b.legLen = 0.21;
        b.colour = c;
        drawBody(p, b, L);
        const qreal line = std::max<qreal>(0.6, L * 0.012);
        for (int s : {-1, 1}) {  // the antennae, four joints, held forward
            QPointF joint(L * 0.33, s * L * 0.03);
            const QPointF steps[] = {QPointF(L * 0.1, s * L * 0.05), QPointF(L * 0.14, s * L * 0.04),
                                     QPointF(L * 0.11, s * L * 0.05), QPointF(L * 0.1, s * L * 0.06)};
            for (int k = 0; k < 4; ++k) {
                p.setPen(QPen(c.darker(k == 3 ? 190 : 150), std::max<qreal>(0.7, L * (k == 3 ? 0.018 : 0.012)),
                              Qt::SolidLine, Qt::RoundCap));
                p.drawLine(joint, joint + steps[k]);
                joint += steps[k];
            }
        }
        p.setPen(QPen(QColor(150, 155, 160), line));  // the membranes, one over the other, veined
        p.setBrush(QColor(228, 232, 236, 175));
        for (int s : {1, -1}) {
            const QPointF centre(-L * 0.42, s * L * 0.025);
            p.drawEllipse(centre, L * 0.17, L * 0.075);
            for (int k = -1; k <= 1; ++k)
                p.drawLine(centre + QPointF(L * 0.12, k * L * 0.02), centre + QPointF(-L * 0.12, k * L * 0.035));
        }
        QPainterPath wings;  // the leathery fronts of the forewings
        for (int s : {-1, 1}) {
            QPainterPath half(QPointF(L * 0.08, s * L * 0.112));
            half.cubicTo(QPointF(-L * 0.05, s * L * 0.118), QPointF(-L * 0.2, s * L * 0.112),
                         QPointF(-L * 0.3, s * L * 0.085));
            half.lineTo(-L * 0.33, s * L * 0.012);
            half.lineTo(-L * 0.04, s * L * 0.004);
            half.closeSubpath();
            wings.addPath(half);
        }
        QLinearGradient wg(0, -L * 0.12, 0, L * 0.12);
        wg.setColorAt(0, c.lighter(135));
        wg.setColorAt(0.5, c);
        wg.setColorAt(1, c.darker(130));
        p.setPen(QPen(c.darker(180), line));
        p.setBrush(wg);
        p.drawPath(wings);
        QPainterPath pronotum(QPointF(L * 0.07, -L * 0.112));  // narrow, wider behind
        pronotum.lineTo(L * 0.235, -L * 0.065);
        pronotum.lineTo(L * 0.235, L * 0.065);
        pronotum.lineTo(L * 0.07, L * 0.112);
        pronotum.closeSubpath();
        p.setBrush(c.darker(108));
        p.drawPath(pronotum);
        p.setBrush(c.lighter(112));  // the small scutellum
        p.drawPolygon(QPolygonF{QPointF(L * 0.07, -L * 0.05), QPointF(L * 0.07, L * 0.05), QPointF(-L * 0.06, 0)});
        p.setPen(Qt::NoPen);
        p.setBrush(c.darker(165));
        for (int s : {-1, 1})  // the dark spot at the end of each leathery part
            p.drawEllipse(QPointF(-L * 0.29, s * L * 0.06), L * 0.022, L * 0.014);
        p.save();
        p.setClipPath(wings.united(pronotum));
        for (int k = 0; k < 40; ++k)  // the fine dark punctures
            p.drawEllipse(QPointF(rnd.range(-L * 0.32, L * 0.23), rnd.range(-L * 0.11, L * 0.11)), L * 0.006,
                          L * 0.006);
        p.restore();
    } else if (kind == QLatin1String("chinche")) {
        // A shield bug: broad, flat, shield-shaped, with short legs, the
        // triangle of the scutellum and the membranous wing tips overlapping.
        b.abdomenL = 0.6;
        b.abdomenW = 0.4;
        b.thoraxW = 0.4;
        b.thoraxL = 0.16;
        b.headR = 0.07;
        b.antennae = Antennae::Short;
        b.legLen = 0.2;
        const QColor c = named(colourName, QColor(125, 112, 92));
        b.colour = c;
        drawBody(p, b, L);
        QPainterPath shield;
        shield.moveTo(L * 0.27, -L * 0.1);
        shield.lineTo(L * 0.2, -L * 0.23);
        shield.cubicTo(L * 0.02, -L * 0.24, -L * 0.3, -L * 0.21, -L * 0.44, -L * 0.05);
        shield.lineTo(-L * 0.46, 0);
        shield.lineTo(-L * 0.44, L * 0.05);
        shield.cubicTo(-L * 0.3, L * 0.21, L * 0.02, L * 0.24, L * 0.2, L * 0.23);
        shield.lineTo(L * 0.27, L * 0.1);
        shield.closeSubpath();
        QLinearGradient sg(0, -L * 0.3, 0, L * 0.3);
        sg.setColorAt(0, c.lighter(135));
        sg.setColorAt(0.5, c);
        sg.setColorAt(1, c.darker(135));
        p.setPen(QPen(c.darker(190), std::max<qreal>(0.7, L * 0.014)));
        p.setBrush(sg);
        p.drawPath(shield);
        p.setBrush(QColor(225, 230, 235, 190));  // the clear membranes of the wing tips
        p.drawChord(QRectF(-L * 0.5, -L * 0.15, L * 0.34, L * 0.3), 90 * 16, 180 * 16);
        p.setBrush(c.lighter(115));  // the scutellum
        p.drawPolygon(QPolygonF{QPointF(L * 0.13, -L * 0.13), QPointF(L * 0.13, L * 0.13), QPointF(-L * 0.22, 0)});
        p.setPen(QPen(c.darker(170), std::max<qreal>(0.6, L * 0.01)));
        p.drawLine(QPointF(L * 0.13, -L * 0.22), QPointF(L * 0.13, L * 0.22));  // the back of the pronotum
        p.setPen(Qt::NoPen);
        p.setBrush(c.darker(160));
        for (int k = 0; k < 24; ++k)  // the fine dark punctures
            p.drawEllipse(QPointF(rnd.range(-L * 0.2, L * 0.2), rnd.range(-L * 0.2, L * 0.2)), L * 0.008, L * 0.008);
    } else if (kind == QLatin1String("trips")) {
        b.wings = Wings::Fringed;
        b.abdomenL = 0.62;
        b.abdomenW = 0.14;
        b.thoraxW = 0.14;
        b.thoraxL = 0.16;
        b.headR = 0.06;
        b.legLen = 0.16;
        b.wingColour = QColor(200, 190, 160, 160);
        insect(QColor(215, 180, 80));
    } else if (kind == QLatin1String("larvatrips")) {
        b.abdomenL = 0.62;
        b.abdomenW = 0.16;
        b.thoraxW = 0.14;
        b.headR = 0.06;
        b.legLen = 0.16;
        insect(QColor(240, 225, 130));
    } else if (kind == QLatin1String("acaro")) {  // spider mite: round, eight legs
        b.legPairs = 4;
        b.thoraxL = 0;
        b.abdomenL = 0.8;
        b.abdomenW = 0.62;
        b.headR = 0.06;
        b.legLen = 0.62;
        b.antennae = Antennae::None;
        insect(QColor(200, 40, 30));
        if (colourName == QLatin1String("amarillo")) {  // the two dark side spots
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 50, 20, 200));
            p.drawEllipse(QPointF(-L * 0.1, -L * 0.17), L * 0.12, L * 0.08);
            p.drawEllipse(QPointF(-L * 0.1, L * 0.17), L * 0.12, L * 0.08);
        }
        if (colourName == QLatin1String("rojo")) {
            // The red mite's female: rows of white warts on her back, each
            // bearing a long pale bristle.
            p.setPen(QPen(QColor(250, 245, 235), std::max<qreal>(0.7, L * 0.012)));
            for (int k = 0; k < 10; ++k) {
                const qreal s = k < 5 ? -1 : 1, x = -L * 0.32 + (k % 5) * L * 0.14;
                p.drawLine(QPointF(x, s * L * 0.14), QPointF(x - L * 0.1, s * L * 0.5));
            }
            p.setPen(QPen(QColor(200, 190, 180), 0.5));
            p.setBrush(QColor(252, 250, 245));
            for (int k = 0; k < 10; ++k)
                p.drawEllipse(QPointF(-L * 0.32 + (k % 5) * L * 0.14, (k < 5 ? -1 : 1) * L * 0.14), L * 0.032,
                              L * 0.032);
        } else {
            p.setPen(QPen(QColor(250, 250, 240), 0.7));  // bristles
            for (int k = 0; k < 8; ++k)
                p.drawLine(QPointF(-L * 0.3 + (k % 4) * L * 0.15, (k < 4 ? -1 : 1) * L * 0.2),
                           QPointF(-L * 0.35 + (k % 4) * L * 0.15, (k < 4 ? -1 : 1) * L * 0.38));
        }
    } else if (kind == QLatin1String("fitoseido")) {  // predatory mite: pear-shaped, pale, long legs
        b.legPairs = 4;
        b.thoraxL = 0;
        b.abdomenL = 0.7;
        b.abdomenW = 0.44;
        b.headR = 0.05;
        b.legLen = 0.8;  // the legs reach well beyond the body: a quick runner
        b.antennae = Antennae::None;
        insect(QColor(225, 180, 120));
    } else if (kind == QLatin1String("eriofido")) {  // worm-like, two pairs of legs at the front
        b.legPairs = 2;
        b.thoraxL = 0.12;
        b.thoraxW = 0.2;
        b.abdomenL = 1.0;
        b.abdomenW = 0.2;
        b.headR = 0.06;
        b.legLen = 0.2;
        b.antennae = Antennae::None;
        insect(QColor(235, 210, 160));
        p.setPen(QPen(QColor(200, 170, 120), 0.6));
        for (int k = 0; k < 16; ++k)
            p.drawLine(QPointF(-L * 0.6 + k * L * 0.05, -L * 0.09), QPointF(-L * 0.6 + k * L * 0.05, L * 0.09));
    } else if (kind == QLatin1String("avispa") || kind == QLatin1String("avispon")) {
        b.wings = Wings::Clear;
        b.stripes = true;
        b.abdomenL = 0.5;
        b.abdomenW = 0.24;
        b.thoraxW = 0.2;
        b.headR = 0.09;
        b.antennae = Antennae::Elbowed;
        b.legLen = 0.3;
        insect(kind == QLatin1String("avispon") ? QColor(190, 120, 40) : QColor(235, 200, 30));
    } else if (kind == QLatin1String("mosca")) {
        b.wings = Wings::Clear;
        b.abdomenL = 0.42;
        b.abdomenW = 0.28;
        b.thoraxW = 0.3;
        b.thoraxL = 0.24;
        b.headR = 0.12;
        b.legLen = 0.3;
        b.antennae = Antennae::None;
        if (colourName == QLatin1String("vinagre")) {  // small tan fly with red eyes
            b.colour = QColor(190, 140, 80);
            b.stripes = false;
            drawBody(p, b, L);
        } else if (colourName == QLatin1String("fruta")) {  // banded wings
            b.wingColour = QColor(230, 200, 120, 150);
            b.colour = QColor(180, 120, 60);
            drawBody(p, b, L);
        } else if (colourName == QLatin1String("peluda")) {
            b.hairy = true;
            b.colour = QColor(25, 25, 25);
            b.abdomenL = 0.55;
            b.abdomenW = 0.22;
            b.wingColour = QColor(90, 90, 100, 120);
            drawBody(p, b, L);
        } else {
            insect(QColor(60, 60, 60));
        }
    } else if (kind == QLatin1String("mariposa")) {
        // A moth set out as in a collection: forewings spread sideways with
        // their cross bands, the rounded hindwings behind, thin antennae.
        const QColor wing = named(colourName, QColor(150, 120, 80));
        const qreal pw = std::max<qreal>(0.6, L * 0.01);
        for (int s : {-1, 1}) {
            QPainterPath hind;
            hind.moveTo(-L * 0.02, s * L * 0.05);
            hind.cubicTo(-L * 0.05, s * L * 0.38, -L * 0.3, s * L * 0.42, -L * 0.36, s * L * 0.22);
            hind.cubicTo(-L * 0.38, s * L * 0.1, -L * 0.3, s * L * 0.04, -L * 0.02, s * L * 0.05);
            p.setPen(QPen(wing.darker(170), pw));
            p.setBrush(wing.lighter(118));
            p.drawPath(hind);
        }
        for (int s : {-1, 1}) {
            QPainterPath fore;
            fore.moveTo(L * 0.12, s * L * 0.04);
            fore.cubicTo(L * 0.14, s * L * 0.25, L * 0.1, s * L * 0.5, L * 0.04, s * L * 0.62);
            fore.lineTo(-L * 0.2, s * L * 0.46);
            fore.cubicTo(-L * 0.12, s * L * 0.3, -L * 0.08, s * L * 0.14, -L * 0.04, s * L * 0.05);
            fore.closeSubpath();
            QLinearGradient g(0, 0, 0, s * L * 0.6);
            g.setColorAt(0, wing.darker(110));
            g.setColorAt(1, wing.lighter(108));
            p.setPen(QPen(wing.darker(180), pw));
            p.setBrush(g);
            p.drawPath(fore);
            p.save();
            p.setClipPath(fore);
            if (colourName == QLatin1String("jaspeado")) {
                // The grape moth's forewings: a mosaic of brown, bluish grey
                // and cream patches, edged in dark.
                static const QColor tiles[] = {QColor(120, 85, 55), QColor(140, 150, 165), QColor(225, 210, 175),
                                               QColor(95, 70, 50), QColor(170, 135, 95)};
                p.setPen(QPen(QColor(70, 50, 35, 160), std::max<qreal>(0.5, L * 0.006)));
                for (int k = 0; k < 26; ++k) {
                    p.setBrush(tiles[k % 5]);
                    p.drawEllipse(QPointF(rnd.range(-L * 0.2, L * 0.15), s * rnd.range(L * 0.05, L * 0.6)),
                                  rnd.range(L * 0.035, L * 0.07), rnd.range(L * 0.03, L * 0.055));
                }
            }
            p.setPen(QPen(wing.darker(165), L * 0.022));  // the cross bands
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(L * 0.16, s * L * 0.2), QPointF(-L * 0.1, s * L * 0.16));
            p.drawLine(QPointF(L * 0.14, s * L * 0.42), QPointF(-L * 0.18, s * L * 0.36));
            p.setPen(Qt::NoPen);
            p.setBrush(wing.darker(190));
            p.drawEllipse(QPointF(L * 0.02, s * L * 0.3), L * 0.035, L * 0.03);  // the discal spot
            p.restore();
        }
        p.setPen(QPen(wing.darker(190), pw));
        p.setBrush(wing.darker(135));
        p.drawEllipse(QPointF(-L * 0.14, 0), L * 0.22, L * 0.055);  // abdomen
        p.drawEllipse(QPointF(L * 0.1, 0), L * 0.08, L * 0.065);    // thorax
        p.drawEllipse(QPointF(L * 0.2, 0), L * 0.04, L * 0.04);     // head
        p.setBrush(Qt::NoBrush);
        for (int s : {-1, 1}) {
            QPainterPath antenna(QPointF(L * 0.22, s * L * 0.02));
            antenna.quadTo(QPointF(L * 0.36, s * L * 0.05), QPointF(L * 0.44, s * L * 0.2));
            p.drawPath(antenna);
        }
    } else if (kind == QLatin1String("termita") && colourName == QLatin1String("alado")) {
        // The winged adult of the swarm: a dark brown body under two pairs
        // of long, equal, smoky wings reaching well past the abdomen.
        p.setPen(QPen(QColor(120, 110, 100, 200), std::max<qreal>(0.6, L * 0.012)));
        p.setBrush(QColor(235, 232, 225, 170));
        for (const qreal side : {-1.0, 1.0})
            for (const qreal spread : {6.0, 14.0}) {
                p.save();
                p.rotate(180 + side * spread);
                p.drawEllipse(QRectF(L * 0.05, -L * 0.075, L * 0.95, L * 0.15));
                p.restore();
            }
        b.abdomenL = 0.45;
        b.abdomenW = 0.2;
        b.thoraxW = 0.16;
        b.headR = 0.12;
        b.legLen = 0.22;
        insect(QColor(70, 45, 30));
    } else if (kind == QLatin1String("termita") && colourName == QLatin1String("soldado")) {
        // The soldier: a pale body like the workers' behind a large, long
        // yellow-brown head armed with two dark crossed mandibles.
        b.abdomenL = 0.42;
        b.abdomenW = 0.2;
        b.thoraxW = 0.14;
        b.headR = 0.05;
        b.legLen = 0.24;
        insect(QColor(238, 228, 205));
        p.setPen(QPen(QColor(70, 35, 10), std::max<qreal>(1.2, L * 0.035), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (const qreal side : {-1.0, 1.0}) {
            QPainterPath jaw(QPointF(L * 0.52, side * L * 0.06));
            jaw.cubicTo(QPointF(L * 0.64, side * L * 0.09), QPointF(L * 0.74, side * L * 0.04),
                        QPointF(L * 0.78, -side * L * 0.03));
            p.drawPath(jaw);
        }
        QLinearGradient shine(0, -L * 0.12, 0, L * 0.12);
        shine.setColorAt(0, QColor(215, 165, 45));
        shine.setColorAt(0.4, QColor(245, 205, 80));
        shine.setColorAt(1, QColor(185, 125, 30));
        p.setPen(QPen(QColor(120, 75, 20), std::max<qreal>(0.8, L * 0.015)));
        p.setBrush(shine);
        p.drawRoundedRect(QRectF(L * 0.14, -L * 0.11, L * 0.42, L * 0.22), L * 0.09, L * 0.09);
    } else if (kind == QLatin1String("termita")) {
        b.abdomenL = 0.55;
        b.abdomenW = 0.24;
        b.thoraxW = 0.16;
        b.headR = 0.12;
        b.legLen = 0.26;
        insect(QColor(235, 225, 200));
        p.setPen(QPen(QColor(150, 80, 30), L * 0.03));
        p.drawLine(QPointF(L * 0.5, -L * 0.03), QPointF(L * 0.6, -L * 0.06));
        p.drawLine(QPointF(L * 0.5, L * 0.03), QPointF(L * 0.6, L * 0.06));
    } else if (kind == QLatin1String("nematodo")) {
        QPainterPath worm;
        for (int i = 0; i <= 40; ++i) {
            const qreal t = i / 40.0;
            const QPointF point(-L / 2 + L * t, L * 0.12 * qSin(t * 2.6 * M_PI));
            i ? worm.lineTo(point) : worm.moveTo(point);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(120, 110, 90), L * 0.05, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(worm);
        p.setPen(QPen(QColor(235, 228, 205), L * 0.035, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(worm);
        // The long feeding stylet inside the head end, the way it shows under the microscope.
        const QPointF tip = worm.pointAtPercent(1.0), back = worm.pointAtPercent(0.86);
        p.setPen(QPen(QColor(90, 70, 45), std::max<qreal>(0.8, L * 0.012), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tip, back);
        p.setBrush(QColor(90, 70, 45));
        p.drawEllipse(back, L * 0.01, L * 0.01);
    } else if (kind == QLatin1String("agalla") && colourName == QLatin1String("filoxera")) {
        // A phylloxera leaf gall cut open: the green wart's wall, its pale
        // hollow and, inside, the yellow female among her eggs.
        p.setPen(QPen(QColor(95, 120, 50), 1.8));
        p.setBrush(QColor(150, 170, 80));
        p.drawEllipse(QPointF(0, 0), L * 0.7, L * 0.55);
        p.setPen(QPen(QColor(170, 150, 100), 1));
        p.setBrush(QColor(238, 228, 190));
        p.drawEllipse(QPointF(0, 0), L * 0.56, L * 0.42);
        p.setPen(QPen(QColor(175, 145, 40), 0.6));
        p.setBrush(QColor(245, 215, 90));
        for (int k = 0; k < 22; ++k) {  // the eggs heaped round her
            const qreal a = rnd.range(0, 2 * M_PI), d = rnd.range(0.3, 0.48);
            p.drawEllipse(QPointF(std::cos(a) * L * d, std::sin(a) * L * d * 0.78), L * 0.04, L * 0.027);
        }
        drawOrganism(p, QStringLiteral("filoxera"), QPointF(-L * 0.02, 0), L * 0.42, 0, rnd);
    } else if (kind == QLatin1String("pera")) {  // root-knot female: white and pear-shaped, in her opened gall
        p.setPen(QPen(QColor(120, 85, 50), 1.5));
        p.setBrush(QColor(205, 170, 120));
        p.drawEllipse(QPointF(-L * 0.05, 0), L * 0.75, L * 0.55);
        p.setBrush(QColor(235, 215, 175));
        p.drawEllipse(QPointF(-L * 0.05, 0), L * 0.62, L * 0.43);
        QPainterPath pear;
        pear.moveTo(L * 0.5, 0);
        pear.cubicTo(L * 0.3, -L * 0.06, L * 0.15, -L * 0.3, -L * 0.15, -L * 0.3);
        pear.cubicTo(-L * 0.55, -L * 0.3, -L * 0.55, L * 0.3, -L * 0.15, L * 0.3);
        pear.cubicTo(L * 0.15, L * 0.3, L * 0.3, L * 0.06, L * 0.5, 0);
        QRadialGradient g(QPointF(-L * 0.2, -L * 0.1), L * 0.5);
        g.setColorAt(0, QColor(255, 255, 250));
        g.setColorAt(1, QColor(215, 210, 195));
        p.setPen(QPen(QColor(170, 160, 140), 1));
        p.setBrush(g);
        p.drawPath(pear);
    } else if (kind == QLatin1String("caracol")) {
        drawSnail(p, L, named(colourName, QColor(160, 120, 70)), false);
    } else if (kind == QLatin1String("babosa")) {
        drawSnail(p, L, QColor(), true);
    } else if (kind == QLatin1String("pajaro")) {  // -mirlo: a blackbird
        drawBird(p, L, colourName == QLatin1String("mirlo"));
    } else if (kind == QLatin1String("conejo")) {
        drawMammal(p, L, true);
    } else if (kind == QLatin1String("roedor")) {
        drawMammal(p, L, false);
    } else if (kind == QLatin1String("liron")) {
        drawDormouse(p, L);
    } else if (kind == QLatin1String("nido")) {
        drawNest(p, L);
    } else if (kind == QLatin1String("huevos")) {
        const QColor c = named(colourName, QColor(245, 235, 180));
        for (int i = 0; i < 9; ++i) {
            const QPointF e((i % 3 - 1) * L * 0.22 + rnd.range(-1, 1), (i / 3 - 1) * L * 0.2 + rnd.range(-1, 1));
            QRadialGradient g(e - QPointF(L * 0.03, L * 0.03), L * 0.12);
            g.setColorAt(0, c.lighter(130));
            g.setColorAt(1, c.darker(125));
            p.setPen(QPen(c.darker(160), 0.5));
            p.setBrush(g);
            p.drawEllipse(e, L * 0.09, L * 0.11);
        }
    } else {
        insect(QColor(80, 65, 45));
    }
    p.restore();
}

}  // namespace drawing
