// The program's own images, drawn in code: ribbon button images (one per button, 32 x 32 and 16 x 16
// from the same drawing), panel icons, the application button image.
#pragma once

#include <QPixmap>

namespace tarvelo::app {

inline constexpr int kRibbonImageCount = 9;

QPixmap RibbonLargeImage(int index); // resource 320, 32 x 32
QPixmap RibbonSmallImage(int index); // resource 325, 16 x 16
QPixmap PanelIcon(int index);        // resource 113, 16 x 16
QPixmap ApplicationButtonImage();    // resource 323, 52 x 52

} // namespace tarvelo::app
