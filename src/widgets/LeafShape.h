#pragma once
// The outline of a vine leaf: five rounded, toothed lobes and the petiole
// sinus at the bottom, centred on the origin, radius r. Shared by the
// program's own pictures and the data-set builder's illustrations.

#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

inline QPainterPath vineLeafPath(qreal r)
{
    // Lobe directions in degrees (screen coordinates, 90 = down).
    static const qreal lobes[] = {-90, -140, -40, 170, 10};
    static const qreal sizes[] = {1.0, 0.9, 0.9, 0.72, 0.72};
    QPainterPath path;
    const int steps = 360;
    for (int i = 0; i <= steps; ++i) {
        const qreal deg = 90 + 360.0 * i / steps;  // start and end at the sinus
        qreal lobe = 0;
        for (int k = 0; k < 5; ++k) {
            qreal d = std::fmod(std::abs(deg - lobes[k]), 360.0);
            d = std::min(d, 360 - d);
            lobe = std::max(lobe, sizes[k] * std::exp(-(d / 34) * (d / 34)));
        }
        qreal radius = r * (0.45 + 0.55 * lobe);
        radius += r * 0.035 * std::abs(std::sin(qDegreesToRadians(deg) * 36));  // teeth
        qreal sinus = std::fmod(std::abs(deg - 90), 360.0);
        sinus = std::min(sinus, 360 - sinus);
        if (sinus < 22)
            radius *= 0.25 + 0.75 * sinus / 22;
        const qreal t = qDegreesToRadians(deg);
        const QPointF p(radius * std::cos(t), radius * std::sin(t));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}
