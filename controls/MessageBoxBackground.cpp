#include "controls/MessageBoxBackground.h"

#include <QPainter>

namespace tarvelo::controls {

int BackgroundIndex(int x, int width) {
    if (width <= 0) {
        return 128;
    }
    const int d = 255 * (width - x) / width - 127;
    const int value = 128 + d * d * d / 16384; // integer division toward zero
    return ((value % 256) + 256) % 256;
}

QColor BackgroundPaletteColour(int index, QColor edge, QColor centre) {
    const auto blend = [](QColor from, QColor to, int step, int steps) {
        const auto mix = [&](int a, int b) { return a + (b - a) * step / steps; };
        return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
    };
    if (index <= 128) {
        return blend(edge, centre, index, 128);
    }
    return blend(centre, edge, index - 128, 127);
}

QImage RenderBackground(QSize size, QColor edge, QColor centre) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int x = 0; x < size.width(); ++x) {
        painter.setPen(BackgroundPaletteColour(BackgroundIndex(x, size.width()), edge, centre));
        painter.drawLine(x, 0, x, size.height() - 1);
    }
    return image;
}

} // namespace tarvelo::controls
