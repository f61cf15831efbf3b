#pragma once
// Glyph helpers shared by the widgets: the navigator's built-in glyphs, drawn
// here with QPainter, and the transparency rule for glyph bitmaps.

#include <QPixmap>

class QWidget;

namespace hoshi::glyphs {

// Side of a built-in navigator glyph in device-independent pixels.
inline constexpr int navigatorGlyphSize = 16;

// The built-in glyph of navigator button `index` (0 first, 1 prior, 2 next,
// 3 last, 4 insert, 5 delete, 6 edit, 7 post, 8 cancel, 9 refresh), drawn for
// device pixel ratio `dpr`. An index outside 0..9 gives a null pixmap.
QPixmap navigator(int index, qreal dpr = 1.0);

// A glyph bitmap as buttons draw it: one with an alpha channel is used as it
// is; one without (a .bmp) becomes transparent wherever it has the colour of
// its bottom-left pixel.
QPixmap transparent(const QPixmap& bitmap);

// The glyph as a widget shows it: greyed out while the widget is disabled.
QPixmap asShown(const QWidget& widget, const QPixmap& glyph);

} // namespace hoshi::glyphs
