#pragma once
// Draws the splash picture and the program icon with QPainter: a night sky
// over a nine-palace compass (Lo Shu numbers, the eight trigrams with south
// at the top), the Big Dipper, and the titles in the IPA Mincho font.
// Needs a QGuiApplication (the offscreen platform will do) for the fonts.

#include <QImage>
#include <QSize>
#include <QString>

namespace hoshi::assets {

inline constexpr QSize kTitleSize{612, 562};
inline constexpr int kIconSize = 256;

QImage paintTitle();
QImage paintIcon(int size = kIconSize);

// Writes "title.bmp" and "hoshikura.png" into `dir` (created when missing).
// Throws std::runtime_error when a file cannot be written.
void writeArt(const QString& dir);

} // namespace hoshi::assets
