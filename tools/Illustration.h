#pragma once
// Illustrations that stand in for photographs in the demonstration data set,
// and image files written in the formats the data set uses (JPEG, GIF, BMP).

#include <QImage>
#include <QString>

namespace Illustration {

// A drawing of the organ the caption names (leaf, bunch, cane, trunk, root,
// bud or an insect), with the caption and a visible mark that it belongs to
// the demonstration data set.
QImage draw(const QSize &size, const QString &caption, const QString &subject = QString());

// A drawing of a growth stage of the vine ("A" winter bud … "O" leaf fall),
// in the variant given by the photo number, with the stage's name and the
// demonstration mark.
QImage drawStage(const QSize &size, const QString &stage, int variant, const QString &caption);

// Writes the image in the format its extension names (.jpg/.jpeg, .gif,
// .bmp, .png; letter case ignored). GIF files are written by our own encoder,
// since Qt reads GIF but does not write it.
bool save(const QImage &image, const QString &path, QString *error = nullptr);

QByteArray encodeGif(const QImage &image);

}  // namespace Illustration
