#pragma once
// Illustrations that stand in for photographs in the demonstration data set,
// and image files written in the formats the data set uses (JPEG, GIF, BMP).

#include <QImage>
#include <QString>

namespace Illustration {

// A drawing of what the caption describes: the organ, its symptoms and the
// organism (see drawing/Drawing.h), with a small mark in a corner that it
// is an illustration of the demonstration data set. `subject` is the pest
// or the question screen, for what the caption leaves unsaid.
QImage draw(const QSize &size, const QString &caption, const QString &subject = QString());

// The same, from a drawing sketch ("organo=hoja capas=aceite …").
QImage drawSketch(const QSize &size, const QString &sketch, quint32 seed);

// A drawing of a growth stage of the vine ("A" winter bud … "O" leaf fall),
// in the variant given by the photo number, with the demonstration mark.
QImage drawStage(const QSize &size, const QString &stage, int variant, const QString &caption);

// Writes the image in the format its extension names (.jpg/.jpeg, .gif,
// .bmp, .png; letter case ignored). GIF files are written by our own encoder,
// since Qt reads GIF but does not write it.
bool save(const QImage &image, const QString &path, QString *error = nullptr);

QByteArray encodeGif(const QImage &image);

}  // namespace Illustration
