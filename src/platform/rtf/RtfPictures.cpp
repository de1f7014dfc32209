#include "platform/rtf/RtfPictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdlib>
#include <cstring>

extern "C" {
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>
}

namespace rtf::detail {

namespace {

constexpr int kMaxSide = 10000;
constexpr qint64 kMaxArea = 16'000'000;
constexpr int kPadding = 256;

quint32 le32(const QByteArray &b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }

quint16 le16(const QByteArray &b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }

bool acceptable(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide && width * height <= kMaxArea;
}

}  // namespace

QSize dibSize(const QByteArray &dib)
{
    if (dib.size() < 12)
        return {};
    const quint32 headerSize = le32(dib, 0);
    qint64 width = 0, height = 0;
    if (headerSize == 12) {  // OS/2 BITMAPCOREHEADER
        width = le16(dib, 4);
        height = le16(dib, 6);
    } else if (headerSize >= 40 && headerSize <= 124 && dib.size() >= 40) {
        width = qint32(le32(dib, 4));
        height = qint32(le32(dib, 8));
    } else {
        return {};
    }
    height = height < 0 ? -height : height;
    if (!acceptable(width, height))
        return {};
    return QSize(int(width), int(height));
}

QImage decodeDib(const QByteArray &dib)
{
    if (!dibSize(dib).isValid())
        return {};
    const quint32 headerSize = le32(dib, 0);
    quint32 paletteBytes = 0;
    if (headerSize == 12) {
        const quint16 bpp = le16(dib, 10);
        paletteBytes = bpp <= 8 ? (1u << bpp) * 3 : 0;
    } else {
        const quint16 bpp = le16(dib, 14);
        const quint32 compression = le32(dib, 16);
        quint32 colours = le32(dib, 32);
        if (colours == 0 && bpp <= 8)
            colours = 1u << bpp;
        if (colours > 256)
            return {};
        paletteBytes = colours * 4;
        if (headerSize == 40 && (compression == 3 || compression == 6))  // BI_BITFIELDS masks
            paletteBytes += compression == 3 ? 12 : 16;
    }
    const quint32 offset = 14 + headerSize + paletteBytes;
    if (offset > quint32(dib.size()) + 14)
        return {};
    QByteArray file;
    file.reserve(14 + dib.size());
    file.append("BM", 2);
    char field[4];
    qToLittleEndian<quint32>(quint32(14 + dib.size()), field);
    file.append(field, 4);
    file.append(4, '\0');
    qToLittleEndian<quint32>(offset, field);
    file.append(field, 4);
    file.append(dib);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    if (!reader.size().isValid() || !acceptable(reader.size().width(), reader.size().height()))
        return {};
    return reader.read();
}

QImage decodeDdb(const QByteArray &bits, int width, int height, int bitsPerPixel, int widthBytes)
{
    if (!acceptable(width, height))
        return {};
    if (bitsPerPixel != 1 && bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)
        return {};
    const qint64 rowBits = qint64(width) * bitsPerPixel;
    const qint64 minimumRow = (rowBits + 7) / 8;
    qint64 stride = widthBytes > 0 ? widthBytes : (rowBits + 15) / 16 * 2;  // rows are word-aligned
    if (stride < minimumRow || stride * height > bits.size())
        return {};
    const auto *data = reinterpret_cast<const uchar *>(bits.constData());
    QImage image;
    switch (bitsPerPixel) {
    case 1:
        image = QImage(width, height, QImage::Format_Mono);
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        break;
    case 8: image = QImage(width, height, QImage::Format_Grayscale8); break;
    case 24: image = QImage(width, height, QImage::Format_RGB32); break;
    default: image = QImage(width, height, QImage::Format_RGB32); break;
    }
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const uchar *row = data + stride * y;
        uchar *out = image.scanLine(y);
        if (bitsPerPixel == 1 || bitsPerPixel == 8) {
            std::memcpy(out, row, size_t(minimumRow));
        } else {
            auto *px = reinterpret_cast<QRgb *>(out);
            const int step = bitsPerPixel / 8;
            for (int x = 0; x < width; ++x) {
                const uchar *p = row + qsizetype(x) * step;
                px[x] = qRgb(p[2], p[1], p[0]);
            }
        }
    }
    return image;
}

QByteArray wmfToSvg(const QByteArray &wmf)
{
    if (wmf.size() < 18 || wmf.size() > kMaxMetafileBytes)
        return {};
    // A metafile as Word stores it: the standard header, with or without the
    // "placeable" header in front (key 0x9AC6CDD7).
    const bool placeable = le32(wmf, 0) == 0x9AC6CDD7u;
    const qsizetype header = placeable ? 22 : 0;
    if (wmf.size() < header + 18)
        return {};
    const quint16 type = le16(wmf, header);
    const quint16 headerWords = le16(wmf, header + 2);
    if ((type != 1 && type != 2) || headerWords != 9)
        return {};
    // libwmf sizes its buffers from the header: the largest record and the
    // records themselves must be what the bytes hold, or it would allocate
    // what the header claims.
    const qint64 words = (wmf.size() - header) / 2;
    const qint64 maxRecord = le32(wmf, header + 12);
    if (maxRecord < 3 || maxRecord > words)
        return {};
    for (qint64 at = header + 18;;) {
        if (at + 6 > wmf.size())
            return {};
        const qint64 size = le32(wmf, at);
        if (size < 3 || size > maxRecord || at + size * 2 > wmf.size())
            return {};
        if (le16(wmf, at + 4) == 0)  // the end-of-file record
            break;
        at += size * 2;
    }

    wmfAPI *api = nullptr;
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof options);
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        return {};
    }
    QByteArray copy = wmf + QByteArray(kPadding, '\0');  // the library reads from a non-const buffer
    // The file size the header gives, no more than there is.
    if (le32(wmf, header + 6) > quint32(words))
        qToLittleEndian<quint32>(quint32(words), copy.data() + header + 6);
    QByteArray svg;
    wmfD_Rect bbox;
    std::memset(&bbox, 0, sizeof bbox);
    if (wmf_mem_open(api, reinterpret_cast<unsigned char *>(copy.data()), long(wmf.size())) == wmf_E_None) {
        if (wmf_scan(api, 0, &bbox) == wmf_E_None) {
            unsigned int width = 0, height = 0;
            wmf_display_size(api, &width, &height, 96, 96);
            wmf_svg_t *device = WMF_SVG_GetData(api);
            device->out = wmf_stream_create(api, nullptr);
            device->Description = const_cast<char *>("picture");
            device->bbox = bbox;
            device->width = width;
            device->height = height;
            device->flags |= WMF_SVG_INLINE_IMAGES;
            const bool played = device->out && width > 0 && height > 0 && width <= 100000 && height <= 100000
                && wmf_play(api, 0, &bbox) == wmf_E_None;
            if (device->out) {
                char *text = nullptr;
                unsigned long length = 0;
                wmf_stream_destroy(api, device->out, &text, &length);
                device->out = nullptr;
                if (played && text)
                    svg = QByteArray(text, qsizetype(length));
                // The memory stream's buffer belongs to the API and goes with it.
            }
        }
        wmf_mem_close(api);
    }
    wmf_api_destroy(api);
    return svg;
}

QByteArray emfToSvg(const QByteArray &emf)
{
    if (emf.size() < 88 || emf.size() > kMaxMetafileBytes)
        return {};
    // EMR_HEADER first, with the " EMF" signature.
    if (le32(emf, 0) != 1 || le32(emf, 40) != 0x464D4520u)
        return {};
    const quint32 headerSize = le32(emf, 4);
    if (headerSize < 88 || headerSize > quint32(emf.size()))
        return {};
    // Every record whole and in the bytes, up to the end-of-file record,
    // before the library walks them; the header's total no more than that.
    if (le32(emf, 48) > quint32(emf.size()))
        return {};
    // The header's description and pixel format inside the header.
    const qint64 descriptionChars = le32(emf, 64), descriptionAt = le32(emf, 68);
    if (descriptionChars > 0 && (descriptionAt < 88 || descriptionAt + descriptionChars * 2 > headerSize))
        return {};
    if (headerSize >= 100) {
        const qint64 formatBytes = le32(emf, 88), formatAt = le32(emf, 92);
        if (formatBytes > 0 && (formatAt < 88 || formatAt + formatBytes > headerSize))
            return {};
    }
    for (qsizetype at = 0;;) {
        if (at + 8 > emf.size())
            return {};
        const quint32 size = le32(emf, at + 4);
        if (size < 8 || size % 4 != 0 || size > quint32(emf.size() - at))
            return {};
        if (le32(emf, at) == 14)  // EMR_EOF
            break;
        at += size;
    }
    // Zeros after the end: a record read as a larger structure than it is
    // reads zeros, not whatever follows in memory.
    QByteArray copy = emf + QByteArray(kPadding, '\0');
    generatorOptions options;
    std::memset(&options, 0, sizeof options);
    options.nameSpace = const_cast<char *>("");
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    char *text = nullptr;
    size_t length = 0;
    const int ok = emf2svg(copy.data(), size_t(emf.size()), &text, &length, &options);
    QByteArray svg;
    if (ok && text)
        svg = QByteArray(text, qsizetype(length));
    std::free(text);
    return svg;
}

QSize svgSize(const QByteArray &svg)
{
    if (svg.isEmpty())
        return {};
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QSizeF size = renderer.viewBoxF().size();
    if (size.isEmpty())
        size = renderer.defaultSize();
    if (size.isEmpty())
        return {};
    return size.toSize().expandedTo(QSize(1, 1));
}

QImage renderSvg(const QByteArray &svg, QSize size)
{
    if (!acceptable(size.width(), size.height()))
        return {};
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

}  // namespace rtf::detail
