#pragma once
// Positions and sizes of the screens are given in twips (1/1440 inch). Qt
// lays widgets out in device-independent pixels of 1/96 inch, so one pixel is
// 15 twips at any screen density; Qt scales to the physical pixels itself.

#include <QRect>
#include <QSize>

namespace Twips {

constexpr int kPerPixel = 15;

constexpr int toPixels(int twips) { return (twips + kPerPixel / 2) / kPerPixel; }
constexpr int fromPixels(int pixels) { return pixels * kPerPixel; }
inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
inline QSize size(int width, int height) { return QSize(toPixels(width), toPixels(height)); }

}  // namespace Twips
