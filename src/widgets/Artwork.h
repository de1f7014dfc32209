#pragma once
// Pictures the program draws itself: the splash and about box pictures, the
// home screen's decorations and puzzle picture, and the hand pointer.

#include <QCursor>
#include <QPixmap>

namespace Artwork {

QPixmap vineyard(const QSize &size);    // rows of vines on a hillside
QPixmap grapeBunch(const QSize &size);  // a bunch of black grapes with a leaf
QPixmap vineLeaf(const QSize &size, qreal angleDegrees = 0, const QColor &colour = QColor(60, 130, 40));
QPixmap puzzlePicture(const QSize &size);  // the picture cut into the home screen's tiles
const QCursor &handCursor();               // 32 × 32 pointing hand

}  // namespace Artwork
