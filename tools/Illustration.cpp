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
#include "shell/LeafShape.h"

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

void berries(QPainter &p, QPointF top, qreal r, int rows, const QColor &light, const QColor &dark, qreal coloured,
             quint32 seed)
{
    for (int row = 0; row < rows; ++row) {
        const int count = std::max(1, rows - row);
        for (int i = 0; i < count; ++i) {
            const quint32 h = seed * 2654435761u + quint32(row * 31 + i) * 40503u;
            const bool dark_ = (h % 100) < coloured * 100;
            const QPointF c(top.x() + (i - (count - 1) / 2.0) * r * 1.9, top.y() + row * r * 1.7);
            QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.3);
            g.setColorAt(0, (dark_ ? dark : light).lighter(140));
            g.setColorAt(1, dark_ ? dark : light);
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
    }
}

void leafAt(QPainter &p, QPointF centre, qreal r, const QColor &colour, qreal angle)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(QPen(colour.darker(160), std::max<qreal>(1, r / 30)));
    p.setBrush(colour);
    p.drawPath(vineLeafPath(r));
    p.restore();
}

}  // namespace

QImage drawStage(const QSize &size, const QString &stage, int variant, const QString &caption)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    QLinearGradient bg(0, 0, 0, h);
    const bool autumn = stage == QLatin1String("O");
    bg.setColorAt(0, autumn ? QColor(235, 225, 200) : QColor(215, 232, 245));
    bg.setColorAt(1, autumn ? QColor(210, 190, 160) : QColor(200, 220, 190));
    p.fillRect(img.rect(), bg);
    const bool closeUp = variant != 2;  // the second photo of a stage is a wider view
    const qreal s = closeUp ? 1.0 : 0.65;
    // The cane, across the picture.
    p.setPen(QPen(QColor(120, 85, 45), h * 0.05 * s, Qt::SolidLine, Qt::RoundCap));
    const QPointF a(w * 0.05, h * 0.34), b(w * 0.95, h * 0.26);
    p.drawLine(a, b);
    const QPointF node = a + (b - a) * 0.45;
    const char letter = stage.isEmpty() ? 'A' : stage.at(0).toLatin1();
    auto bud = [&](const QColor &colour, qreal size, bool cotton) {
        p.setPen(QPen(colour.darker(150), 2));
        p.setBrush(colour);
        p.drawEllipse(node + QPointF(0, -h * 0.06 * s * size), w * 0.05 * s * size, h * 0.08 * s * size);
        if (cotton) {
            p.setBrush(QColor(245, 240, 230));
            p.setPen(Qt::NoPen);
            p.drawEllipse(node + QPointF(0, -h * 0.13 * s * size), w * 0.03 * s, h * 0.03 * s);
        }
    };
    const QColor green(80, 150, 55), young(150, 200, 80);
    switch (letter) {
    case 'A': bud(QColor(110, 70, 40), 1.0, false); break;
    case 'B':
        if (variant == 2) {  // weeping: sap drops at the pruning cut
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(150, 200, 240, 200));
            for (int i = 0; i < 3; ++i)
                p.drawEllipse(b + QPointF(-w * 0.02, h * (0.05 + 0.06 * i)), w * 0.012, h * 0.02);
        }
        bud(QColor(140, 95, 55), 1.3, true);
        break;
    case 'C': bud(QColor(140, 95, 55), 1.3, false); bud(young, 0.6, false); break;
    case 'D':
        for (int i = 0; i < 3; ++i)
            leafAt(p, node + QPointF((i - 1) * w * 0.05 * s, -h * 0.12 * s), h * 0.07 * s, young, -30 + i * 30);
        break;
    case 'E':
        for (int i = 0; i < 4; ++i)
            leafAt(p, node + QPointF((i - 1.5) * w * 0.12 * s, -h * 0.2 * s), h * 0.12 * s, green, -40 + i * 25);
        break;
    default: {
        // From stage F on: leaves and a bunch that grows and ripens.
        for (int i = 0; i < 3; ++i)
            leafAt(p, node + QPointF((i - 1) * w * 0.22 * s, -h * 0.22 * s), h * 0.14 * s,
                   autumn ? QColor(220 - i * 20, 160 - i * 30, 40) : green, -30 + i * 30);
        if (autumn) {
            for (int i = 0; i < 4 + variant * 3; ++i)
                leafAt(p, QPointF(w * (0.1 + 0.2 * (i % 5)), h * (0.62 + 0.04 * (i % 3))), h * 0.05,
                       QColor(200, 120 - (i % 3) * 30, 30), i * 47);
            break;
        }
        qreal r = h * 0.018;
        int rows = 5;
        QColor light = young, dark = young;
        qreal coloured = 0;
        switch (letter) {
        case 'F': r = h * 0.008; rows = 4; break;
        case 'G': r = h * 0.009; rows = 5; break;
        case 'H': r = h * 0.011; rows = 6; light = QColor(190, 210, 110); break;
        case 'I': r = h * 0.011; rows = 6; light = QColor(235, 230, 150); break;
        case 'J': r = h * 0.012; rows = 6; break;
        case 'K': r = h * 0.02; rows = 6; light = QColor(120, 180, 70); break;
        case 'L': r = h * 0.026; rows = 6; light = QColor(110, 170, 60); break;
        case 'M': r = h * 0.028; rows = 6; light = QColor(120, 170, 70); dark = QColor(90, 30, 90);
            coloured = variant % 2 ? 0.15 : 0.55; break;
        case 'N': r = h * 0.03; rows = 6; light = dark = QColor(70, 20, 80); coloured = 1; break;
        default: break;
        }
        p.setPen(QPen(QColor(90, 110, 40), 2));
        p.drawLine(node, node + QPointF(0, h * 0.06));
        berries(p, node + QPointF(0, h * 0.06 + r), r * (closeUp ? 1.0 : 0.8), rows, light, dark, coloured,
                qHash(stage) + variant);
        if (letter == 'I') {  // stamens of the open flowers
            p.setPen(QPen(QColor(220, 200, 60), 1));
            for (int i = 0; i < 12; ++i)
                p.drawLine(node + QPointF((i - 6) * r * 1.2, h * 0.1 + (i % 4) * r * 1.5),
                           node + QPointF((i - 6) * r * 1.2 + r, h * 0.1 + (i % 4) * r * 1.5 - r * 1.2));
        }
        break;
    }
    }
    Q_UNUSED(caption)
    drawMark(p, size);
    p.end();
    return img;
}

QImage drawSpec(const QSize &size, const QString &spec, quint32 seed)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    drawing::render(p, QSizeF(size), drawing::parse(spec), seed);
    drawMark(p, size);
    p.end();
    return img;
}

QImage draw(const QSize &size, const QString &caption, const QString &subject)
{
    return drawSpec(size, drawing::toText(drawing::fromCaption(caption, subject)), qHash(caption + subject));
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
