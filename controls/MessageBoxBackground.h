// The message box's background: filled column by column from a 256-entry palette that blends from the
// edge colour to the centre colour and back; the column's index follows a cubic curve, so the middle
// is flat and light and the edges are shaded.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace tarvelo::controls {

// Index into the palette for column x of a client area width pixels wide.
int BackgroundIndex(int x, int width);
// Entries 0..128 blend edge -> centre, 128..255 centre -> edge.
QColor BackgroundPaletteColour(int index, QColor edge, QColor centre);
QImage RenderBackground(QSize size, QColor edge, QColor centre);

} // namespace tarvelo::controls
