#pragma once
// Draws the small stem pictures (one scene per image name: rain, river, a
// great tree, …) and the eight-direction compass with QPainter, in one flat
// style with soft gradients. Output is deterministic. Needs a QGuiApplication
// (the offscreen platform will do) for the compass labels.

#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <string_view>

namespace hoshi::assets {

inline constexpr QSize kStemPictureSize{220, 127};
inline constexpr QSize kCompassSize{130, 130};

inline constexpr std::array<std::string_view, 32> kStemPictureNames = {
    "ame",     "doro",    "dorokawa", "garasu", "gasuhi", "hana",     "hasami", "hi",
    "houseki", "huboku",  "iwa",      "kabin",  "kawa",   "kin",      "konbo",  "kusabana",
    "maki",    "mizuumi", "mori",     "ono",    "ooame",  "ro",       "siba",   "taiboku",
    "taiyo",   "takibi",  "tanbo",    "teibo",  "tetu",   "turukusa", "yama",   "zassou"};

// The picture saved as NAME.bmp. Throws std::invalid_argument for an unknown name.
QImage paintStemPicture(std::string_view name);

// A compass rose with south at the top, east at the left.
QImage paintCompass();

// Writes the 32 NAME.bmp pictures and "compass.bmp" (24-bit) into `dir`
// (created when missing). Throws std::runtime_error when a file cannot be written.
void writeStemPictures(const QString& dir);

} // namespace hoshi::assets
