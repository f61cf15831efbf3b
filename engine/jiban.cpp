#include "jiban.h"

namespace hoshi {

namespace {

// Ju of each term's 上元, 中元, 下元 (first decade).
constexpr std::array<std::array<int, 3>, 24> termJu = {{
    {1, 7, 4}, {2, 8, 5}, {3, 9, 6}, {8, 5, 2}, {9, 6, 3}, {1, 7, 4}, // 冬至 小寒 大寒 立春 雨水 驚蟄
    {3, 9, 6}, {4, 1, 7}, {5, 2, 8}, {4, 1, 7}, {5, 2, 8}, {6, 3, 9}, // 春分 清明 穀雨 立夏 小満 芒種
    {9, 3, 6}, {8, 2, 5}, {7, 1, 4}, {2, 5, 8}, {1, 4, 7}, {9, 3, 6}, // 夏至 小暑 大暑 立秋 處暑 白露
    {7, 1, 4}, {6, 9, 3}, {5, 8, 2}, {6, 9, 3}, {5, 8, 2}, {4, 7, 1}, // 秋分 寒露 霜降 立冬 小雪 大雪
}};

} // namespace

int jikyoku(int sangen, int sekkiNo, int decade) {
    checkRange(sangen, 1, 3, "元");
    checkRange(sekkiNo, 0, 23, "solar-term index");
    checkRange(decade, 1, 6, "decade");
    int first = termJu[static_cast<std::size_t>(sekkiNo)][static_cast<std::size_t>(sangen - 1)];
    return wrap9(sekkiNo <= 11 ? first + (decade - 1) : first - (decade - 1));
}

StemNo hourStem(StemNo nitikan, int jisi) {
    checkRange(nitikan, 1, 10, "day stem");
    checkRange(jisi, 1, 12, "hour");
    static constexpr std::array<int, 5> base = {1, 3, 5, 7, 9}; // 甲己, 乙庚, 丙辛, 丁壬, 戊癸
    int kan = base[static_cast<std::size_t>((nitikan - 1) % 5)] + jisi - 1;
    return kan > 10 ? kan - 10 : kan;
}

void Tjiban::jikan() {
    kan = hourStem(nitikan, jisi);
    si = jisi;
    checkRange(sekkiNo, 0, 23, "solar-term index");
    inyou = sekkiNo <= 11 ? 1 : 0;
    int decade = (sexagenary(kan, si) - 1) / 10 + 1;
    kyoku = jikyoku(sangen, sekkiNo, decade);
}

int Tjiban::kyuguCentre() const {
    checkRange(nitisi, 1, 12, "day branch");
    const int group = (nitisi - 1) % 3; // 子卯午酉, 丑辰未戌, 寅巳申亥
    return yang() ? wrap9((1 + 3 * group) + jisi - 1) : wrap9((9 - 3 * group) - jisi + 1);
}

} // namespace hoshi
