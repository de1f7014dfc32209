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
