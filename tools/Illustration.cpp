#include "Illustration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <vector>

#include <QFontMetricsF>

#include "drawing/Drawing.h"
#include "widgets/LeafShape.h"

namespace Illustration {

namespace {

// The small mark in the lower right corner: the picture is a drawing of the
// demonstration data set, not a photograph.
void drawMark(QPainter &p, const QSize &size)
{
    p.save();
    p.resetTransform();
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(7, int(size.height() * 0.034)));
    p.setFont(f);
    const QString text = QStringLiteral("Ilustración · demostración");
    const QRectF box = QFontMetricsF(f).boundingRect(text).adjusted(-4, -1, 4, 1);
    const QRectF at(size.width() - box.width() - 3, size.height() - box.height() - 3, box.width(), box.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(at, 3, 3);
    p.setPen(QColor(60, 60, 60));
    p.drawText(at, Qt::AlignCenter, text);
    p.restore();
}

// A flower cluster whose buds are still packed into one mass: a tight cone
// of small green buds round the stalk, `length` long from `top` down.
void compactCluster(QPainter &p, QPointF top, qreal length, drawing::Random &rnd)
{
    p.setPen(QPen(QColor(100, 145, 55), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top, top + QPointF(2, length * 0.95));
    const int rows = 11;
    for (int row = 0; row < rows; ++row) {
        const qreal f = row / qreal(rows - 1), y = top.y() + length * (0.08 + 0.86 * f);
        const qreal half = length * 0.26 * (1.0 - 0.75 * f) * (row == 0 ? 0.7 : 1.0);
        const int n = std::max(2, int(half / 3.2));
        for (int i = 0; i < n; ++i) {
            const qreal x = top.x() + 2 * f - half + (i + 0.5) * (half * 2 / n) + rnd.range(-1, 1);
            p.setPen(QPen(QColor(95, 130, 55), 0.7));
            p.setBrush(QColor(160 + int(rnd.range(0, 20)), 195, 90));
            p.drawEllipse(QPointF(x, y + rnd.range(-1, 1)), 3.6, 4.2);
        }
    }
}

// A flower cluster with its buds separated: the main stalk and its side
// branches bare between the buds, every bud on a short stalk of its own.
void separatedCluster(QPainter &p, QPointF top, qreal length, drawing::Random &rnd)
{
    const QColor stalk(100, 145, 55);
    p.setPen(QPen(stalk, 6, Qt::SolidLine, Qt::RoundCap));
    const QPointF first = top + QPointF(0, length * 0.18), last = top + QPointF(6, length * 0.95);
    p.drawLine(top, first);
    p.setPen(QPen(stalk, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(first, last);
    auto bud = [&](QPointF at, qreal angle) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        p.setPen(QPen(QColor(85, 125, 50), 1));
        p.setBrush(QColor(170, 205, 95));
        p.drawEllipse(QPointF(0, 0), 6.8, 8.8);
        p.setPen(QPen(QColor(130, 170, 75), 0.8));  // the cap of the closed flower
        p.drawArc(QRectF(-5.2, -7, 10.4, 7.5), 200 * 16, 140 * 16);
        p.restore();
    };
    const int branches = 8;
    for (int b = 0; b < branches; ++b) {
        const qreal f = b / qreal(branches - 1);
        const QPointF from = first + (last - first) * (0.02 + 0.9 * f);
        const qreal side = b % 2 ? 1 : -1, reach = 74 * (1.0 - 0.7 * f) + 14;
        const QPointF end = from + QPointF(side * reach, reach * 0.45);
        p.setPen(QPen(stalk, 3 - 1.4 * f, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, end);
        const int forks = 2 + int(3 * (1 - f));
        for (int k = 0; k < forks; ++k) {  // the short stalks along the branch, each ending in one bud
            const QPointF on = from + (end - from) * ((k + 1) / qreal(forks));
            const qreal down = k % 2 ? 1 : -1;
            const QPointF tip = on + QPointF(side * rnd.range(5, 9), down * rnd.range(12, 16));
            p.setPen(QPen(stalk, 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(on, tip);
            bud(tip + QPointF(side * 2, down * 7), side * (down > 0 ? -25 : 25) + (down > 0 ? 180 : 0));
        }
        bud(end + QPointF(side * 8, 4), side * -60);
    }
    bud(last + QPointF(0, 10), 180);
}

}  // namespace

QImage drawStage(const QSize &size, const QString &stage, int variant, const QString &caption)
{
    Q_UNUSED(caption)
    // Each stage drawn as the organ that marks it: the bud through its
    // opening, the young shoot, the flower cluster and the bunch through
    // set, closing, veraison and ripeness, and the leaves' autumn colour.
    const char letter = stage.isEmpty() ? 'A' : stage.at(0).toLatin1();
    QString sketch;
    switch (letter) {
    case 'A': sketch = QStringLiteral("organo=yema estado=invierno fondo=invierno"); break;
    case 'B':  // weeping comes before the bud swells: the bud still closed in its scales
        sketch = variant <= 2 ? QStringLiteral("organo=yema estado=invierno fondo=invierno")
                              : QStringLiteral("organo=yema estado=algodon fondo=invierno");
        break;
    case 'C': sketch = QStringLiteral("organo=yema estado=punta"); break;
    case 'D': sketch = QStringLiteral("organo=yema estado=hoja"); break;
    case 'E': sketch = QStringLiteral("organo=pampano capas=raquitico"); break;
    case 'F': sketch = QStringLiteral("organo=pampano capas=inflorescencia"); break;
    case 'G':
    case 'H': sketch = QStringLiteral("fondo=campo"); break;  // drawn below: the shoot and its flower clusters
    case 'I': sketch = QStringLiteral("organo=racimo estado=flor"); break;
    case 'J':
    case 'K':
    case 'L': sketch = QStringLiteral("organo=racimo estado=verde"); break;
    case 'M': sketch = QStringLiteral("organo=racimo estado=envero variedad=tinta"); break;
    case 'N': sketch = QStringLiteral("organo=racimo estado=maduro variedad=tinta"); break;
    default: sketch = QStringLiteral("organo=hojas capas=amarillo,seca"); break;
    }
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    drawing::render(p, QSizeF(size), drawing::parse(sketch), qHash(stage) + variant);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal sx = size.width() / 400.0, sy = size.height() / 300.0;
    p.scale(sx, sy);
    if (letter == 'B' && variant <= 2) {
        // Weeping: the cane pruned at the edge of the picture, its pale cut
        // face wet, the clear sap running down from it in a string of drops.
        p.save();
        p.translate(389, 173);
        p.rotate(-6);
        p.setPen(QPen(QColor(110, 80, 50), 1.5));
        p.setBrush(QColor(225, 205, 160));
        p.drawEllipse(QPointF(0, 0), 7, 15);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 210, 240, 150));
        p.drawEllipse(QPointF(0, 2), 5, 12);
        p.restore();
        p.setPen(QPen(QColor(160, 205, 240, 200), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(388, 186), QPointF(386, 205));
        for (int i = 0; i < 4; ++i) {
            const QPointF drop(386, 214 + i * 22);
            p.setPen(QPen(QColor(90, 140, 190), 1));
            p.setBrush(QColor(160, 205, 240, 230));
            QPainterPath d(drop + QPointF(0, -10));
            d.cubicTo(drop + QPointF(3, -4), drop + QPointF(7, 2), drop + QPointF(0, 7));
            d.cubicTo(drop + QPointF(-7, 2), drop + QPointF(-3, -4), drop + QPointF(0, -10));
            p.drawPath(d);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 220));
            p.drawEllipse(drop + QPointF(-2, 0), 1.5, 2.2);
        }
    }
    if (letter == 'G') {
        // Separated clusters: the shoot grown long, its flower clusters spaced
        // apart along it on their own stalks, the buds still packed tight.
        drawing::Random rnd(variant + 11);
        const QList<QLineF> segs = drawing::drawShoot(p, QPointF(30, 290), QPointF(372, 40), 10, true, rnd);
        for (int k = 1; k <= 2; ++k) {
            const QPointF node = segs[k].p2(), top = node + QPointF(k == 1 ? 34 : 30, 12);
            p.setPen(QPen(QColor(100, 145, 55), 3.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(node, top);
            compactCluster(p, top, k == 1 ? 84 : 76, rnd);
        }
    }
    if (letter == 'H') {
        // Separated flower buds: one cluster close up, its branched stalk
        // open, each bud standing apart at the end of its own short stalk.
        drawing::Random rnd(variant + 17);
        drawing::drawLeaf(p, QPointF(72, 80), 60, -20, false, drawing::leafGreen(false));
        separatedCluster(p, QPointF(226, 0), 262, rnd);
    }
    if (letter == 'I') {  // open flowers: caps fallen, stamens out
        drawing::Random rnd(variant);
        p.setPen(QPen(QColor(230, 205, 60), 1.2));
        for (int i = 0; i < (variant == 3 ? 120 : 25); ++i) {
            const QPointF at(rnd.range(130, 270), rnd.range(60, 230));
            p.drawLine(at, at + QPointF(rnd.range(-4, 4), -6));
            p.drawPoint(at + QPointF(0, -7));
        }
    }
    if (letter == 'O') {  // fallen leaves on the ground
        drawing::Random rnd(variant);
        for (int i = 0; i < (variant == 3 ? 14 : 6); ++i)
            drawing::drawLeaf(p, QPointF(rnd.range(20, 380), rnd.range(250, 290)), 16, rnd.range(0, 360), false,
                              i % 2 ? QColor(210, 160, 50) : QColor(160, 90, 40));
    }
    p.resetTransform();
    drawMark(p, size);
    p.end();
    return img;
}

QImage drawSketch(const QSize &size, const QString &sketch, quint32 seed)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    drawing::render(p, QSizeF(size), drawing::parse(sketch), seed);
    drawMark(p, size);
    p.end();
    return img;
}

QImage draw(const QSize &size, const QString &caption, const QString &subject)
{
    return drawSketch(size, drawing::toText(drawing::fromCaption(caption, subject)), qHash(caption + subject));
}

QByteArray encodeGif(const QImage &source)
{
    // 6×6×6 colour cube plus grey ramp; pixels written as literal LZW codes
    // with a clear code often enough that codes stay 9 bits wide.
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = std::clamp(image.width(), 1, 65535), h = std::clamp(image.height(), 1, 65535);
    QByteArray out("GIF89a");
    auto put16 = [&out](int v) {
        out.append(char(v & 0xff));
        out.append(char((v >> 8) & 0xff));
    };
    put16(w);
    put16(h);
    out.append(char(0xF7));  // global colour table of 256 entries
    out.append(char(0));
    out.append(char(0));
    for (int i = 0; i < 256; ++i) {
        int r, g, b;
        if (i < 216) {
            r = (i / 36) * 51;
            g = (i / 6 % 6) * 51;
            b = (i % 6) * 51;
        } else {
            r = g = b = (i - 216) * 255 / 39;
        }
        out.append(char(r));
        out.append(char(g));
        out.append(char(b));
    }
    out.append(',');
    put16(0);
    put16(0);
    put16(w);
    put16(h);
    out.append(char(0));
    out.append(char(8));  // minimum code size

    QByteArray data;
    quint32 bitBuffer = 0;
    int bitCount = 0;
    auto putCode = [&](int code) {
        bitBuffer |= quint32(code) << bitCount;
        bitCount += 9;
        while (bitCount >= 8) {
            data.append(char(bitBuffer & 0xff));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };
    const int clear = 256, end = 257;
    putCode(clear);
    int sinceClear = 0;
    // Floyd–Steinberg error diffusion, so that soil, bark and leaves keep
    // their shades in the coarse palette.
    std::vector<int> err((w + 2) * 3 * 2, 0);
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(std::min(y, image.height() - 1)));
        int *cur = err.data() + (y % 2) * (w + 2) * 3, *next = err.data() + ((y + 1) % 2) * (w + 2) * 3;
        std::fill(next, next + (w + 2) * 3, 0);
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[std::min(x, image.width() - 1)];
            const int r = std::clamp(qRed(c) + cur[(x + 1) * 3] / 16, 0, 255);
            const int g = std::clamp(qGreen(c) + cur[(x + 1) * 3 + 1] / 16, 0, 255);
            const int b = std::clamp(qBlue(c) + cur[(x + 1) * 3 + 2] / 16, 0, 255);
            int index = (r + 25) / 51 * 36 + (g + 25) / 51 * 6 + (b + 25) / 51;
            int pr = (r + 25) / 51 * 51, pg = (g + 25) / 51 * 51, pb = (b + 25) / 51 * 51;
            if (qAbs(r - g) < 12 && qAbs(g - b) < 12) {
                index = 216 + std::clamp((r + g + b) / 3 * 39 / 255, 0, 39);
                pr = pg = pb = (index - 216) * 255 / 39;
            }
            const int e[3] = {r - pr, g - pg, b - pb};
            for (int k = 0; k < 3; ++k) {
                cur[(x + 2) * 3 + k] += e[k] * 7;
                next[x * 3 + k] += e[k] * 3;
                next[(x + 1) * 3 + k] += e[k] * 5;
                next[(x + 2) * 3 + k] += e[k];
            }
            if (sinceClear == 250) {
                putCode(clear);
                sinceClear = 0;
            }
            putCode(index);
            ++sinceClear;
        }
    }
    putCode(end);
    if (bitCount > 0)
        data.append(char(bitBuffer & 0xff));
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    out.append(';');
    return out;
}

bool save(const QImage &image, const QString &path, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("gif")) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(encodeGif(image)) < 0) {
            if (error)
                *error = f.errorString();
            return false;
        }
        return true;
    }
    const char *format = ext == QLatin1String("bmp") ? "BMP" : ext == QLatin1String("png") ? "PNG" : "JPEG";
    if (!image.save(path, format, format[0] == 'J' ? 85 : -1)) {
        if (error)
            *error = QStringLiteral("no se pudo escribir %1").arg(path);
        return false;
    }
    return true;
}

}  // namespace Illustration
