#include "Illustration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "shell/LeafShape.h"

namespace Illustration {

namespace {

enum class Organ { Leaf, Bunch, Cane, Trunk, Root, Bud, Insect, Generic };

Organ organFor(const QString &text)
{
    const QString t = text.toLower();
    auto has = [&t](const char *w) { return t.contains(QString::fromUtf8(w)); };
    if (has("larva") || has("adulto") || has("insecto") || has("oruga") || has("hembra") || has("macho")
        || has("ninfa") || has("pulg") || has("mosca") || has("avispa") || has("ácaro"))
        return Organ::Insect;
    if (has("racimo") || has("grano") || has("baya") || has("uva") || has("raquis"))
        return Organ::Bunch;
    if (has("raíz") || has("raic") || has("raíces") || has("cuello"))
        return Organ::Root;
    if (has("tronco") || has("brazo") || has("madera") || has("cepa") || has("corteza"))
        return Organ::Trunk;
    if (has("sarmiento") || has("pámpano") || has("brote") || has("entrenudo"))
        return Organ::Cane;
    if (has("yema"))
        return Organ::Bud;
    if (has("hoja") || has("limbo") || has("envés") || has("haz"))
        return Organ::Leaf;
    return Organ::Generic;
}

QPainterPath leafPath(qreal r)
{
    return vineLeafPath(r);
}

void drawLeaf(QPainter &p, const QRectF &area, quint32 seed)
{
    const qreal r = std::min(area.width(), area.height()) * 0.42;
    p.save();
    p.translate(area.center());
    p.setPen(QPen(QColor(40, 90, 30), r / 40));
    p.setBrush(QColor(80, 150, 55));
    p.drawPath(leafPath(r));
    p.setPen(QPen(QColor(35, 80, 25), r / 50));
    for (int k = -2; k <= 2; ++k) {
        const qreal t = qDegreesToRadians(-90.0 + k * 38);
        p.drawLine(QPointF(0, r * 0.1), QPointF(r * 0.75 * qCos(t), r * 0.75 * qSin(t)));
    }
    // Symptom spots.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const quint32 h = seed * 2654435761u + i * 40503u;
        const qreal a = (h % 360) * M_PI / 180, d = r * 0.2 + (h / 360 % 50) / 100.0 * r;
        p.setBrush(QColor(150 + h % 60, 120 + h % 40, 40, 200));
        p.drawEllipse(QPointF(d * qCos(a), -qAbs(d * qSin(a)) * 0.9), r * 0.07, r * 0.06);
    }
    p.restore();
}

void drawBunch(QPainter &p, const QRectF &area)
{
    const qreal r = std::min(area.width(), area.height()) * 0.06;
    const QPointF top(area.center().x(), area.top() + area.height() * 0.15);
    p.setPen(QPen(QColor(90, 70, 30), r / 2));
    p.drawLine(top, top + QPointF(0, r * 2));
    for (int row = 0; row < 6; ++row) {
        const int count = 6 - row;
        for (int i = 0; i < count; ++i) {
            const QPointF c(top.x() + (i - (count - 1) / 2.0) * r * 1.85, top.y() + r * 3 + row * r * 1.65);
            QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.3);
            g.setColorAt(0, QColor(160, 120, 180));
            g.setColorAt(1, QColor(60, 25, 75));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
    }
}

void drawCane(QPainter &p, const QRectF &area)
{
    p.setPen(QPen(QColor(120, 85, 45), area.height() * 0.05, Qt::SolidLine, Qt::RoundCap));
    const QPointF a(area.left() + area.width() * 0.1, area.bottom() - area.height() * 0.2);
    const QPointF b(area.right() - area.width() * 0.1, area.top() + area.height() * 0.3);
    p.drawLine(a, b);
    p.setPen(QPen(QColor(90, 60, 30), area.height() * 0.07, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < 4; ++i)
        p.drawPoint(a + (b - a) * (i / 4.0));
}

void drawTrunk(QPainter &p, const QRectF &area)
{
    QPainterPath trunk;
    const qreal cx = area.center().x(), w = area.width() * 0.12;
    trunk.moveTo(cx - w, area.bottom());
    trunk.cubicTo(cx - w * 1.4, area.center().y(), cx - w * 0.5, area.top() + area.height() * 0.35,
                  cx - w * 3, area.top() + area.height() * 0.15);
    trunk.lineTo(cx - w * 2.2, area.top() + area.height() * 0.1);
    trunk.cubicTo(cx, area.top() + area.height() * 0.3, cx + w * 0.5, area.top() + area.height() * 0.3,
                  cx + w * 2.6, area.top() + area.height() * 0.12);
    trunk.lineTo(cx + w * 3, area.top() + area.height() * 0.2);
    trunk.cubicTo(cx + w, area.center().y(), cx + w * 1.2, area.center().y(), cx + w, area.bottom());
    trunk.closeSubpath();
    p.setPen(QPen(QColor(70, 45, 25), 2));
    p.setBrush(QColor(125, 90, 60));
    p.drawPath(trunk);
}

void drawRoot(QPainter &p, const QRectF &area)
{
    p.fillRect(QRectF(area.left(), area.top() + area.height() * 0.25, area.width(), area.height() * 0.75),
               QColor(140, 105, 70));
    p.setPen(QPen(QColor(225, 200, 160), area.height() * 0.025, Qt::SolidLine, Qt::RoundCap));
    const QPointF o(area.center().x(), area.top() + area.height() * 0.25);
    for (int k = -3; k <= 3; ++k)
        p.drawLine(o, o + QPointF(k * area.width() * 0.1, area.height() * (0.45 + 0.05 * (3 - qAbs(k)))));
}

void drawBud(QPainter &p, const QRectF &area)
{
    drawCane(p, area);
    p.setPen(QPen(QColor(90, 50, 30), 2));
    p.setBrush(QColor(170, 110, 70));
    p.drawEllipse(area.center(), area.width() * 0.06, area.height() * 0.1);
}

void drawInsect(QPainter &p, const QRectF &area)
{
    drawLeaf(p, area, 7);
    p.save();
    p.translate(area.center() + QPointF(area.width() * 0.05, -area.height() * 0.05));
    const qreal s = std::min(area.width(), area.height()) * 0.05;
    p.setPen(QPen(Qt::black, s / 4));
    for (int i = -1; i <= 1; ++i) {
        p.drawLine(QPointF(i * s, 0), QPointF(i * s * 1.8, -s * 2));
        p.drawLine(QPointF(i * s, 0), QPointF(i * s * 1.8, s * 2));
    }
    p.setBrush(QColor(60, 50, 40));
    p.drawEllipse(QPointF(0, 0), s * 2.4, s * 1.1);
    p.drawEllipse(QPointF(s * 2.8, 0), s * 0.8, s * 0.8);
    p.restore();
}

}  // namespace

namespace {

void drawCaptionAndMark(QPainter &p, const QSize &size, const QString &caption)
{
    const qreal w = size.width(), h = size.height();
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(8, int(h * 0.05)));
    p.setFont(f);
    p.setPen(QColor(30, 40, 25));
    p.drawText(QRectF(w * 0.05, h * 0.74, w * 0.9, h * 0.16), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               caption);
    const QRectF band(0, h * 0.9, w, h * 0.1);
    p.fillRect(band, QColor(120, 30, 40));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, QStringLiteral("ILUSTRACIÓN · DATOS DE DEMOSTRACIÓN"));
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
    drawCaptionAndMark(p, size, caption);
    p.end();
    return img;
}

QImage draw(const QSize &size, const QString &caption, const QString &subject)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const quint32 seed = qHash(caption + subject);
    QLinearGradient bg(0, 0, 0, size.height());
    bg.setColorAt(0, QColor(222, 232, 210));
    bg.setColorAt(1, QColor(196, 214, 180));
    p.fillRect(img.rect(), bg);

    const qreal w = size.width(), h = size.height();
    const QRectF art(w * 0.05, h * 0.05, w * 0.9, h * 0.62);
    // The subject (the screen or the pest) decides the organ when it names
    // one; otherwise the caption does.
    Organ organ = organFor(subject);
    if (organ == Organ::Generic)
        organ = organFor(caption);
    switch (organ) {
    case Organ::Leaf:
    case Organ::Generic: drawLeaf(p, art, seed); break;
    case Organ::Bunch: drawBunch(p, art); break;
    case Organ::Cane: drawCane(p, art); break;
    case Organ::Trunk: drawTrunk(p, art); break;
    case Organ::Root: drawRoot(p, art); break;
    case Organ::Bud: drawBud(p, art); break;
    case Organ::Insect: drawInsect(p, art); break;
    }

    // Caption and the demonstration mark.
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(8, int(h * 0.045)));
    p.setFont(f);
    p.setPen(QColor(30, 40, 25));
    const QRectF textArea(w * 0.05, h * 0.68, w * 0.9, h * 0.22);
    p.drawText(textArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption);
    const QRectF band(0, h * 0.9, w, h * 0.1);
    p.fillRect(band, QColor(120, 30, 40));
    QFont mark = f;
    mark.setBold(true);
    mark.setPixelSize(std::max(7, int(h * 0.05)));
    p.setFont(mark);
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, QStringLiteral("ILUSTRACIÓN · DATOS DE DEMOSTRACIÓN"));
    p.end();
    return img;
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
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(std::min(y, image.height() - 1)));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[std::min(x, image.width() - 1)];
            const int r = qRed(c), g = qGreen(c), b = qBlue(c);
            int index = (r + 25) / 51 * 36 + (g + 25) / 51 * 6 + (b + 25) / 51;
            if (qAbs(r - g) < 12 && qAbs(g - b) < 12)
                index = 216 + std::clamp((r + g + b) / 3 * 39 / 255, 0, 39);
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
