#pragma once
// The stem-pair pictures: for a heaven-plate stem over an earth-plate stem,
// the picture of each (the heaven stem's image acting on the earth's). A
// name N is the bitmap N + ".bmp" beside the program.

#include <array>
#include <string_view>
#include <utility>

#include "vocabulary.h"

namespace hoshi {

// The 32 picture names.
inline constexpr std::array<std::string_view, 32> pictureNames = {
    "ame",     "doro",    "dorokawa", "garasu", "gasuhi", "hana",     "hasami", "hi",
    "houseki", "huboku",  "iwa",      "kabin",  "kawa",   "kin",      "konbo",  "kusabana",
    "maki",    "mizuumi", "mori",     "ono",    "ooame",  "ro",       "siba",   "taiboku",
    "taiyo",   "takibi",  "tanbo",    "teibo",  "tetu",   "turukusa", "yama",   "zassou"};

// (heaven picture, earth picture) of a stem pair, StemNo 1..10 each;
// OutOfRangeError outside.
std::pair<std::string_view, std::string_view> pairPictures(StemNo heaven, StemNo earth);

} // namespace hoshi
