// The shared design's units in Qt's: colours, and places in logical pixels
// (Qt scales those for higher densities by itself).
#pragma once

#include <QColor>
#include <QRect>

#include "colour.h"
#include "twip_layout.h"

namespace velmora {

inline QColor ToQColor(Colour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

inline QRect ToQRectOfPixels(layout::PixelRect r) {
    return QRect(r.left, r.top, r.width, r.height);
}

inline QRect ToQRect(layout::TwipRect twips) {
    return ToQRectOfPixels(layout::ToPixels(twips));
}

}  // namespace velmora
