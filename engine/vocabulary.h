#pragma once
// The vocabulary of the method: how stems, branches, palaces, stars, gates,
// nine-stars, deities and solar terms are numbered, their names and short
// descriptions, and the palace geometry the plates turn on. Constant tables
// and pure functions only; every other part of the program takes its names
// from here.
//
// Numbering (all plain ints):
//   StemNo 1..10 (甲..癸), BranchNo 1..12 (子..亥), PalaceNo 1..9 in screen
//   order with south at the top (1 SE, 2 S, 3 SW, 4 E, 5 centre, 6 W, 7 NE,
//   8 N, 9 NW), RokugiNo 1..9 (order of laying the earth plate), SeiNo 1..9,
//   MonNo 0..8, KyuNo 1..9, JinNo 0..8, sexagenary number 1..60 (甲子 = 1),
//   solar-term index 0..23 (冬至 = 0).
// Where a table has an entry 0 it is "" and means "none".

#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "errors.h"

namespace hoshi {

using StemNo = int;
using BranchNo = int;
using PalaceNo = int;

// T1 stems, T2 branches.
inline constexpr std::array<std::string_view, 11> kanName = {"",   "甲", "乙", "丙", "丁", "戊",
                                                             "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 13> siName = {"",   "子", "丑", "寅", "卯", "辰", "巳",
                                                            "午", "未", "申", "酉", "戌", "亥"};

// T3 stem descriptions (hint of a stem cell).
inline constexpr std::array<std::string_view, 11> kanSetumei = {
    "",
    "（きのえ）出発・起源・出世・発展・樹木・木材",
    "（きのと）安定・きれいな草花",
    "（ひのえ）財を得る・強引・潔く潔白・太陽",
    "（ひのと）物事の判断力・真偽の区別・文明の象・炎",
    "（つちのえ）要領が良い・信用・育成・発展・岩石",
    "（つちのと）魅力・情愛・忍耐力・順応性・田園の土",
    "（かのえ）健康・剛健・急進的・斧・刃物",
    "（かのと）道を究める・宝石・ガラス",
    "（みずのえ）戦いで勝利・湖・川",
    "（みずのと）現状維持・安定・停止・中断・雨露",
};

// T4 palaces, indexed by PalaceNo (entry 0 unused).
inline constexpr std::array<std::string_view, 10> houiLabel = {
    "", "<南東> ", "<南> ", "<南西> ", "<東> ", "", "<西> ", "<北東> ", "<北> ", "<北西> "};
inline constexpr std::array<int, 10> loshuTable = {0, 4, 9, 2, 3, 5, 7, 8, 1, 6};
inline constexpr std::array<int, 10> loshuPalaceTable = {0, 8, 3, 4, 1, 5, 9, 6, 7, 2};
inline constexpr std::array<int, 10> homeMonTable = {0, 4, 5, 6, 3, 0, 7, 2, 1, 8};
// Clockwise ring 1, 2, 3, 6, 9, 8, 7, 4; counter-clockwise ring 1, 4, 7, 8, 9, 6, 3, 2.
inline constexpr std::array<int, 10> clockwiseRingPos = {0, 1, 2, 3, 8, -1, 4, 7, 6, 5};
inline constexpr std::array<int, 9> clockwiseRing = {0, 1, 2, 3, 6, 9, 8, 7, 4};
inline constexpr std::array<int, 10> counterRingPos = {0, 1, 8, 7, 2, -1, 6, 3, 4, 5};
inline constexpr std::array<int, 9> counterRing = {0, 1, 4, 7, 8, 9, 6, 3, 2};
// Outer palaces in ascending order, the order every per-palace rule visits.
inline constexpr std::array<int, 8> outerPalaces = {1, 2, 3, 4, 6, 7, 8, 9};

// T5 the order in which the six 六儀 and the three 三奇 are laid.
inline constexpr std::array<std::string_view, 10> rokugiName = {"",   "戊", "己", "庚", "辛",
                                                                "壬", "癸", "丁", "丙", "乙"};
inline constexpr std::array<int, 10> rokugiStem = {0, 5, 6, 7, 8, 9, 10, 4, 3, 2};

// T6 Qimen stars.
inline constexpr std::array<std::string_view, 10> seiName = {"",     "天蓬", "天内", "天冲", "天輔",
                                                             "天禽", "天心", "天柱", "天任", "天英"};
inline constexpr std::array<std::string_view, 10> seiSetumei = {
    "",
    "(てんほう)頭が切れ、何事に対しても適切に対応できる。短所：不安定・軽薄・色情",
    "(てんない)思慮深く、謙虚で間違いのない堅い動きができる。短所：疑い深い・愚痴",
    "(てんちゅう)勤勉に働き、出世、福をもたらし、短所はありません。",
    "(てんほ)文学、学術に優れ、優雅で落ち着きがある。短所：世間知らずでこせこせする",
    "(てんきん)意気盛んで、古き体制を捨て新しいことをやる。短所：激烈・節操なく暴走",
    "(てんしん)質実剛健で、勇気があり、正義感強く財を司る。短所：無分別・強引・危険",
    "(てんちゅう)仁義を尊び、勇猛で正義のために命をかける。短所：狡猾・狂暴・自暴自棄",
    "(てんにん)円満で平和主義で慎重で人を援助する。短所：ずるがしこく人を落とし入れる",
    "(てんえい)心正しく、責任感が強く、世の中に精一杯尽くす。短所：無責任・拝金主義",
};

// T7 gates.
inline constexpr std::array<std::string_view, 9> monName = {"",     "休門", "生門", "傷門", "杜門",
                                                            "景門", "死門", "驚門", "開門"};
inline constexpr std::array<std::string_view, 9> monSetumei = {
    "",
    "(きゅうもん)休息に入り次の活動への準備する時期。機知・楽観",
    "(せいもん)生気がみなぎる時期。積極的・気まぐれ",
    "(しょうもん)朝の慌ただしい時期。粗野・暴走的・怒り",
    "(ともん)仕事が起動に乗る前の時期。非積極的・優柔不断・疑惑的",
    "(けいもん)活発に活動する時期。正直・情熱・虚栄",
    "(しもん)活動が低下しつつある時期。堅実・頑固・停止・現状維持",
    "(きょうもん)無理に活動しようとする時期。負けず嫌い・虚偽・無理強い",
    "(かいもん)心身ともに開放される時期。穏健・威厳・慰安",
};

// T8 nine-stars.
inline constexpr std::array<std::string_view, 10> kyuName = {"",     "一白", "二黒", "三碧", "四禄",
                                                             "五黄", "六白", "七赤", "八白", "九紫"};
inline constexpr std::array<std::string_view, 10> kyuSetumei = {
    "",
    "(いっぱく)冷静沈着・知能・浪費・性欲・激動の人生",
    "(じこく)従順・柔和・不十分・防御的・警戒・消極",
    "(さんぺき)急激・怒り・ケンカ・口論・自分勝手・独走",
    "(しろく)温和・不定・信用・道徳",
    "(ごおう)陰険・残忍・凶悪・支配・闘争・陰謀",
    "(ろっぱく)質実剛健・武勇・果敢・迷いがない",
    "(しちせき)二枚舌・享楽・積極的・行動の挫折",
    "(はっぱく)反逆・停滞・動揺・活動・転落",
    "(きゅうし)聡明・熱心・華美・演出・発明・発見・創造",
};

// T9 deities, in the order they are laid around the ring from the 直符.
inline constexpr std::array<std::string_view, 9> jinName = {"",     "直符", "縢蛇", "太陰", "六合",
                                                            "勾陳", "朱雀", "九地", "九天"};
inline constexpr std::array<std::string_view, 9> jinSetumei = {
    "",
    "(ちょくふ)気品・育成と発育・凶事があっても滅殺・神仏",
    "(とうだ)偽り・不正・疑い",
    "(たいいん)正直・慈愛・陰となって人を助ける・清潔",
    "(りくごう)和平・平和・善良・男女の出会い",
    "(こうちん)猛烈・権力・訴訟・交通事故",
    "(すじゃく)聡明・よこしまな考え・陰謀・悪事",
    "(きゅうち)優雅・柔和・謙虚・従順",
    "(きゅうてん)公平・希望・願望成就",
};

// T10 dun names: 0 陰 (yin), 1 陽 (yang).
inline constexpr std::array<std::string_view, 2> inyouName = {"陰", "陽"};

// T11 the 24 solar terms and a 25th entry repeating the first; the forms
// 驚蟄 and 處暑 are those of the calendar data.
inline constexpr std::array<std::string_view, 25> sekkiName = {
    "冬至", "小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至",
    "小暑", "大暑", "立秋", "處暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
// Palace of the season each term belongs to (never the centre).
inline constexpr std::array<int, 24> sekkiPalaceTable = {8, 8, 8, 7, 7, 7, 4, 4, 4, 1, 1, 1,
                                                         2, 2, 2, 3, 3, 3, 6, 6, 6, 9, 9, 9};

// T12 the three periods of a term, 1..3.
inline constexpr std::array<std::string_view, 4> sangenName = {"", "上元", "中元", "下元"};

// T13 the two-hour periods by BranchNo, labelled by their starting hour.
inline constexpr std::array<std::string_view, 13> jikokuName = {
    "", "23時", "1時", "3時", "5時", "7時", "9時", "11時", "13時", "15時", "17時", "19時", "21時"};

// Checked table read: throws OutOfRangeError naming `what` for an index
// outside the table.
template <typename T, std::size_t N>
constexpr const T& at(const std::array<T, N>& table, int i, const char* what) {
    if (i < 0 || static_cast<std::size_t>(i) >= N) checkRange(i, 0, static_cast<long long>(N) - 1, what);
    return table[static_cast<std::size_t>(i)];
}

// Exact equality of two names, byte by byte (the names are a few bytes: a
// loop beats a library call).
constexpr bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// Reverse lookup: the first index whose name equals `name` exactly, searched
// from index `from`; nullopt when none does.
template <std::size_t N>
constexpr std::optional<int> findName(const std::array<std::string_view, N>& table, std::string_view name,
                                      int from = 0) {
    for (std::size_t i = static_cast<std::size_t>(from); i < N; ++i)
        if (sameName(table[i], name)) return static_cast<int>(i);
    return std::nullopt;
}

// StemNo 1..10 of a stem name (exact equality), 0 for any other text. The
// ten names are three UTF-8 bytes each; they are compared as one integer.
constexpr unsigned packStem(std::string_view s) {
    return static_cast<unsigned>(static_cast<unsigned char>(s[0])) << 16 |
           static_cast<unsigned>(static_cast<unsigned char>(s[1])) << 8 |
           static_cast<unsigned>(static_cast<unsigned char>(s[2]));
}
inline constexpr std::array<unsigned, 11> kanPacked = [] {
    std::array<unsigned, 11> t{};
    for (std::size_t i = 1; i < t.size(); ++i) t[i] = packStem(kanName[i]);
    return t;
}();
// The ten names hash to ten different slots of 32 by their last two bytes;
// one comparison then confirms the candidate.
constexpr unsigned stemSlot(unsigned packed) {
    return (((packed >> 8) & 0xFFu) * 4u ^ (packed & 0xFFu)) & 31u;
}
inline constexpr std::array<unsigned char, 32> stemBySlot = [] {
    std::array<unsigned char, 32> t{};
    for (unsigned char i = 1; i <= 10; ++i) {
        const unsigned s = stemSlot(kanPacked[i]);
        if (t[s] != 0) throw "two stems share a slot";
        t[s] = i;
    }
    return t;
}();
constexpr int stemOf(std::string_view name) {
    if (name.size() != 3) return 0;
    const unsigned v = packStem(name);
    const int i = stemBySlot[stemSlot(v)];
    return kanPacked[static_cast<std::size_t>(i)] == v && i != 0 ? i : 0;
}

// Palace geometry. Throw OutOfRangeError outside 1..9.
int loshu(PalaceNo p);
PalaceNo loshuPalace(int n);
int homeMon(PalaceNo p);
int sekkiPalace(int sekkiNo);

// Ring positions: -1 for the centre or a number outside 1..9 (or 1..8).
int riti2ring(PalaceNo p);
PalaceNo ring2riti(int r);
int riti2ord(PalaceNo p);
PalaceNo ord2riti(int r);

// One step of a ring walk: the palace after p, clockwise or counter-clockwise.
PalaceNo ringNext(PalaceNo p, bool clockwise);

// The remainder of a by m in 0..m-1, for any sign of a (m > 0).
constexpr int floorMod(long long a, int m) {
    const long long r = a % m;
    return static_cast<int>(r < 0 ? r + m : r);
}

// Brings n into 1..9 by adding or subtracting 9 (the Lo Shu numbers and the
// nine-star cycle).
constexpr int wrap9(int n) {
    int m = (n - 1) % 9;
    return (m < 0 ? m + 9 : m) + 1;
}

// True when (kan, si) is a pair of the sixty-cycle: both in range, same parity.
bool isKansi(StemNo kan, BranchNo si);

// Sexagenary number 1..60 of a pair (OutOfRangeError for a pair not in the cycle).
int sexagenary(StemNo kan, BranchNo si);
std::pair<StemNo, BranchNo> kansiOf(int n);

// 旬首: the 六儀 stem 5..10 heading the decade that holds (kan, si).
StemNo junsyu(StemNo kan, BranchNo si);

// Stem and branch of a year (1984 = 甲子), any year.
constexpr std::pair<StemNo, BranchNo> nenKansi(int nen) {
    return {floorMod(nen - 1984LL, 10) + 1, floorMod(nen - 1984LL, 12) + 1};
}
// The stem of a year alone.
constexpr StemNo yearStem(int nen) {
    return nenKansi(nen).first;
}
// The stem of the solar month that begins in Gregorian month `month` of
// `year` (the 寅 month of 1984 is 丙寅).
constexpr StemNo monthStem(int year, int month) {
    return floorMod(12LL * (year - 1984) + month, 10) + 1;
}
// Month 1 (the 丑 month) belongs to the solar year before its calendar year.
constexpr int solarYearOfMonth(int year, int month) {
    return month == 1 ? year - 1 : year;
}

// The eighteen auspicious patterns (吉格), by the code a calculator records
// per palace in kitikaku (0: none).
enum class Kitikaku : int {
    none,
    seiryuHensyu,  // 青竜返首
    hityoTetuketu, // 飛鳥跌穴
    otuKiTokusi,   // 乙奇得使
    heiKiTokusi,   // 丙奇得使
    teiKiTokusi,   // 丁奇得使
    otuKiSyoden,   // 乙奇昇殿
    heiKiSyoden,   // 丙奇昇殿
    teiKiSyoden,   // 丁奇昇殿
    gyokujoSyumon, // 玉女守門
    jinton,        // 人遁
    tenton,        // 天遁
    titon,         // 地遁
    sinton,        // 神遁
    kiton,         // 鬼遁
    ryuton,        // 竜遁
    koton,         // 虎遁
    futon,         // 風遁
    unton,         // 雲遁
    count_         // past the last
};
inline constexpr int kitikakuCount = static_cast<int>(Kitikaku::count_) - 1;
constexpr int code(Kitikaku k) {
    return static_cast<int>(k);
}

} // namespace hoshi
