// The splash picture (resource 334) and the window shape made from it.
#pragma once

#include <QImage>
#include <QRegion>

namespace tarvelo::app {

inline constexpr QRgb kTransparentColour = 0xFF00FF; // magenta marks the pixels outside the window

// Our own 480 x 269 picture, drawn in code; its corners are magenta.
QImage SplashPicture();

// The union of the picture's non-magenta pixels, built row by row from one-pixel-high runs.
QRegion ShapeOfPicture(const QImage& picture);

} // namespace tarvelo::app
