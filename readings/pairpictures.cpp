#include "pairpictures.h"

namespace hoshi {

namespace {

struct Pair {
    std::string_view heaven, earth;
};
using Row = std::array<Pair, 10>;

// [heaven − 1][earth − 1], earth stems 甲 乙 丙 丁 戊 己 庚 辛 壬 癸.
// clang-format off
constexpr std::array<Row, 10> table = {{
    {{{"mori", "mori"}, {"taiboku", "turukusa"}, {"taiboku", "taiyo"}, {"maki", "takibi"}, {"taiboku", "iwa"},
      {"taiboku", "tanbo"}, {"taiboku", "ono"}, {"konbo", "garasu"}, {"huboku", "kawa"}, {"taiboku", "ame"}}}, // 甲
    {{{"turukusa", "taiboku"}, {"siba", "siba"}, {"hana", "taiyo"}, {"siba", "hi"}, {"zassou", "iwa"},
      {"hana", "tanbo"}, {"hana", "hasami"}, {"hana", "hasami"}, {"hana", "kawa"}, {"hana", "ame"}}}, // 乙
    {{{"taiyo", "taiboku"}, {"taiyo", "hana"}, {"taiyo", "taiyo"}, {"taiyo", "hi"}, {"taiyo", "iwa"},
      {"taiyo", "tanbo"}, {"taiyo", "tetu"}, {"taiyo", "houseki"}, {"taiyo", "mizuumi"}, {"taiyo", "ame"}}}, // 丙
    {{{"takibi", "maki"}, {"hi", "hana"}, {"hi", "taiyo"}, {"hi", "hi"}, {"hi", "iwa"},
      {"hi", "tanbo"}, {"gasuhi", "tetu"}, {"hi", "houseki"}, {"hi", "kawa"}, {"hi", "ame"}}}, // 丁
    {{{"iwa", "taiboku"}, {"kabin", "hana"}, {"yama", "taiyo"}, {"ro", "hi"}, {"yama", "yama"},
      {"iwa", "tanbo"}, {"iwa", "tetu"}, {"iwa", "houseki"}, {"teibo", "kawa"}, {"yama", "ame"}}}, // 戊
    {{{"tanbo", "taiboku"}, {"tanbo", "kusabana"}, {"tanbo", "taiyo"}, {"ro", "hi"}, {"tanbo", "iwa"},
      {"tanbo", "tanbo"}, {"tanbo", "tetu"}, {"doro", "houseki"}, {"doro", "kawa"}, {"doro", "ame"}}}, // 己
    {{{"ono", "taiboku"}, {"hasami", "hana"}, {"tetu", "taiyo"}, {"tetu", "gasuhi"}, {"tetu", "iwa"},
      {"tetu", "tanbo"}, {"tetu", "tetu"}, {"tetu", "houseki"}, {"kin", "mizuumi"}, {"kin", "ame"}}}, // 庚
    {{{"garasu", "konbo"}, {"hasami", "hana"}, {"houseki", "taiyo"}, {"houseki", "hi"}, {"houseki", "iwa"},
      {"houseki", "tanbo"}, {"houseki", "tetu"}, {"houseki", "houseki"}, {"houseki", "mizuumi"}, {"houseki", "ame"}}}, // 辛
    {{{"kawa", "huboku"}, {"kawa", "hana"}, {"mizuumi", "taiyo"}, {"kawa", "hi"}, {"mizuumi", "teibo"},
      {"dorokawa", "tanbo"}, {"kawa", "tetu"}, {"kawa", "houseki"}, {"kawa", "kawa"}, {"kawa", "ame"}}}, // 壬
    {{{"ame", "taiboku"}, {"ame", "hana"}, {"ame", "taiyo"}, {"ame", "hi"}, {"ame", "iwa"},
      {"ame", "tanbo"}, {"ame", "tetu"}, {"ame", "houseki"}, {"ame", "mizuumi"}, {"ooame", "ooame"}}}, // 癸
}};
// clang-format on

} // namespace

std::pair<std::string_view, std::string_view> pairPictures(StemNo heaven, StemNo earth) {
    checkRange(heaven, 1, 10, "heaven-plate stem");
    checkRange(earth, 1, 10, "earth-plate stem");
    const Pair& p = table[static_cast<std::size_t>(heaven - 1)][static_cast<std::size_t>(earth - 1)];
    return {p.heaven, p.earth};
}

} // namespace hoshi
