#pragma once
// Decoders for the picture formats of older word processors that Qt does not
// read by itself: Windows metafiles (WMF, through libwmf), enhanced metafiles
// (EMF, through libemf2svg), device-independent bitmaps (a BMP file without its
// file header) and device-dependent bitmaps (bare rows of bits).
//
// Every function takes untrusted bytes: sizes are checked before anything is
// decoded, and a picture that cannot be read gives a null image.

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace rtf::detail {

// Largest metafile handed to a metafile library.
constexpr qsizetype kMaxMetafileBytes = 8 * 1024 * 1024;

// The pixel size a device-independent bitmap says it has; invalid when the
// header is not a bitmap header.
QSize dibSize(const QByteArray &dib);
// The bitmap itself, with the BMP file header put in front.
QImage decodeDib(const QByteArray &dib);
// Rows of bits with no header, as \wbitmap stores them: 1, 8 (grey), 24 or 32
// bits a pixel, widthBytes bytes a row.
QImage decodeDdb(const QByteArray &bits, int width, int height, int bitsPerPixel, int widthBytes);

// A metafile drawn as SVG; empty when it cannot be read.
QByteArray wmfToSvg(const QByteArray &wmf);
QByteArray emfToSvg(const QByteArray &emf);
// The size an SVG document asks for, in its own units; invalid when it is not
// one that can be drawn.
QSize svgSize(const QByteArray &svg);
// The SVG drawn on a white-free (transparent) image of the given size.
QImage renderSvg(const QByteArray &svg, QSize size);

}  // namespace rtf::detail
