#pragma once
// The drawing vocabulary of the demonstration data set's illustrations: an
// organ of the vine as seen in the field, symptom layers laid on it, and the
// organisms that cause them, all drawn with QPainter on a 400 × 300 canvas.
//
// A picture is described by a Sketch, written in dataset/dibujos.tsv as
// space-separated words:
//   organo=hoja cara=enves variedad=tinta capas=pelusilla,aceite:3 bicho=acaro n=3 fondo=suelo
// or derived from the caption when the file is not listed there.

#include <QList>
#include <QPainter>
#include <QString>
#include <QStringList>

namespace drawing {

struct Layer {
    QString name;
    qreal amount = 1;  // how many spots, how much of the organ it covers (1 = the usual)
};

struct Sketch {
    QString organ;  // hoja, envés, racimo, grano, pámpano, sarmiento, yema, tronco, corte, raíz, cepa, suelo…
    bool underside = false;
    QString variety;  // "tinta" or "blanca"
    QString stage;    // racimo: flor, verde, envero, maduro; yema: invierno, algodon, punta
    QList<Layer> layers;
    QString organism;  // oruga, escarabajo, acaro, eriofido, pulgon, nematodo, caracol…
    int count = 1;
    qreal size = 0;      // the organism's length on the canvas; 0 chooses by count
    QString background;  // campo, suelo, claro (a close-up under the lens)
    QString scene;       // trampa-amarilla, pulverizacion, lupa, etiqueta… (an object of the field work)
    bool isEmpty() const { return organ.isEmpty() && organism.isEmpty() && scene.isEmpty(); }
};

// "organo=hoja cara=enves capas=aceite:3,pelusilla bicho=acaro n=2"
Sketch parse(const QString &text);
QString toText(const Sketch &sketch);

// The sketch a caption describes, by its words. `hint` is the pest's key or
// the question screen (its organ and the pest it leads to), used when the
// caption leaves the organ or the symptom unsaid.
Sketch fromCaption(const QString &caption, const QString &hint = QString());

// How the pest named in `hint` is drawn when nothing else is known.
Sketch defaultFor(const QString &hint);

// Draws the sketch over the whole rectangle of the painter's device.
void render(QPainter &p, const QSizeF &size, const Sketch &sketch, quint32 seed);

// Small deterministic random numbers, so every build draws the same pictures.
struct Random {
    quint32 state;
    explicit Random(quint32 seed) : state(seed * 2654435761u + 0x9e3779b9u) { }
    qreal next()  // [0, 1)
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return (state % 100000) / 100000.0;
    }
    qreal range(qreal a, qreal b) { return a + (b - a) * next(); }
};

// Organs. Each draws in canvas coordinates and reports where symptoms go.
struct Berry {
    QPointF c;
    qreal r;
};
struct LeafGeom {
    QPointF centre;
    qreal r = 0, angle = 0;
    bool underside = false;
};

QColor leafGreen(bool underside);
LeafGeom drawLeaf(QPainter &p, QPointF centre, qreal r, qreal angle, bool underside, const QColor &fill);
QPainterPath leafOutline(const LeafGeom &g);
QList<Berry> drawBunch(QPainter &p, QPointF top, qreal scale, const QString &stage, const QString &variety,
                       quint32 seed, bool drawBerries = true);
void drawBerry(QPainter &p, const Berry &b, const QColor &colour);
QList<QLineF> drawShoot(QPainter &p, QPointF base, QPointF tip, qreal thickness, bool leaves, Random &rnd,
                        qreal zigzag = 0);
QList<QLineF> drawCane(QPainter &p, QPointF a, QPointF b, qreal thickness, bool buds);
// A leaf rolled into a cigar, `len` long, hanging at `at`.
void drawCigar(QPainter &p, QPointF at, qreal len, qreal angle);
void drawBud(QPainter &p, QPointF at, qreal size, const QString &stage);
QPainterPath drawTrunk(QPainter &p, const QRectF &area);
void drawCrossSection(QPainter &p, QPointF c, qreal r);
QList<QLineF> drawRoots(QPainter &p, QPointF collar, qreal size, Random &rnd, bool young);
void drawSoil(QPainter &p, const QRectF &area, qreal surface);

// Organisms, centred on `at`, `size` about their body length, heading in degrees.
void drawOrganism(QPainter &p, const QString &kind, QPointF at, qreal size, qreal heading, Random &rnd);

// Objects of field work (traps, sprayers, labels…).
void drawScene(QPainter &p, const QString &scene, const QSizeF &size, Random &rnd);
// The corner the tally card of a count takes, kept clear of the organ's animals.
QRectF tallyCardArea();

}  // namespace drawing
