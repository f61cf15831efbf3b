#include "board.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace hoshi::steps {

namespace {

// Assigns a table name. Names of one table share a length, so the common
// case overwrites the characters in place.
inline void setName(Name& dst, Name src) {
    dst = src;
}

void requireOuter(PalaceNo p, const char* what) {
    if (riti2ring(p) < 0)
        throw OutOfRangeError(fieldName(what) + "「" + std::to_string(p) + "」は八方位の宮ではありません。");
}

} // namespace

void junsyu(BoardFields& b) {
    b.jungan = hoshi::junsyu(b.kan, b.si);
    setName(b.junganName, kanName[b.jungan]);
}

void tiban(BoardFields& b, bool yang) {
    checkRange(b.kyoku, 1, 9, "ju");
    for (int j = 0; j < 9; ++j) {
        int L = wrap9(yang ? b.kyoku + j : b.kyoku - j);
        PalaceNo p = loshuPalaceTable[L];
        b.tiNo[p] = j + 1;
        setName(b.ti[p], rokugiName[j + 1]);
    }
    b.junpos = 0;
    for (PalaceNo p = 1; p <= 9 && !b.junpos; ++p)
        if (b.ti[p] == b.junganName) b.junpos = p;
    b.kanpos = b.junpos;
    if (b.kan != 1) {
        b.kanpos = 0;
        for (PalaceNo p = 1; p <= 9 && !b.kanpos; ++p)
            if (b.ti[p] == kanName[b.kan]) b.kanpos = p;
    }
    setName(b.ti[b.junpos], kanName[1]);
}

void tenban(BoardFields& b, CentreRule rule) {
    bool fukugin = b.junpos == 5 || b.kan == 1 || (!rule.toSekki && b.kanpos == 5);
    b.ten[5] = {};
    if (fukugin) {
        for (PalaceNo p : outerPalaces) setName(b.ten[p], b.ti[p]);
        return;
    }
    PalaceNo target = b.kanpos == 5 ? rule.sekkiPalace : b.kanpos;
    requireOuter(target, "solar-term palace");
    int a = riti2ring(target) - riti2ring(b.junpos);
    for (int k = 1; k <= 8; ++k) {
        int r = k + a;
        if (r > 8) r -= 8;
        if (r < 1) r += 8;
        setName(b.ten[ring2riti(r)], rokugiName[b.tiNo[ring2riti(k)]]);
    }
    setName(b.ten[target], kanName[1]);
}

void kyusei(BoardFields& b) {
    int v = loshu(b.junpos);
    int base = loshu(b.kanpos);
    for (int L = 1; L <= 9; ++L) {
        PalaceNo p = loshuPalaceTable[L];
        b.seiNo[p] = wrap9(v + (L - base));
        setName(b.sei[p], seiName[b.seiNo[p]]);
    }
}

void hatimon(BoardFields& b, bool yang) {
    PalaceNo p0 = 5;
    if (b.junpos != 5) {
        checkRange(b.kan, 1, 10, "stem");
        int L = wrap9(yang ? loshu(b.junpos) + (b.kan - 1) : loshu(b.junpos) - (b.kan - 1));
        p0 = loshuPalaceTable[L];
    }
    if (p0 == 5) {
        for (PalaceNo p = 1; p <= 9; ++p) {
            b.monNo[p] = homeMonTable[p];
            setName(b.mon[p], monName[b.monNo[p]]);
        }
        return;
    }
    int g = homeMonTable[b.junpos];
    PalaceNo p = p0;
    for (int k = 0; k < 8; ++k) {
        int n = g + k;
        if (n > 8) n -= 8;
        b.monNo[p] = n;
        setName(b.mon[p], monName[n]);
        p = ringNext(p, true);
    }
    b.monNo[5] = 0;
    b.mon[5] = {};
}

void kyugu(BoardFields& b, int centre) {
    checkRange(centre, 1, 9, "nine-star centre");
    for (int L = 1; L <= 9; ++L) {
        PalaceNo p = loshuPalaceTable[L];
        b.kyuNo[p] = wrap9(centre + (L - 5));
        setName(b.kyu[p], kyuName[b.kyuNo[p]]);
    }
}

void hatijin(BoardFields& b, bool yang, CentreRule rule) {
    PalaceNo s = b.kanpos;
    if (s == 5) s = rule.toSekki ? rule.sekkiPalace : 6;
    requireOuter(s, "deity start palace");
    b.jinNo[5] = 0;
    b.jin[5] = {};
    for (int k = 1; k <= 8; ++k) {
        b.jinNo[s] = k;
        setName(b.jin[s], jinName[k]);
        s = ringNext(s, yang);
    }
}

namespace {

// Names are compared as exact strings. To keep the rules cheap, each name is
// first turned into its number in its table (0 when it is no entry), and the
// rules then compare numbers: equal numbers exactly when equal names. Every
// table name is at most 7 bytes, so a name packs into one integer with its
// length, and equal packs mean equal strings.
constexpr std::uint64_t pack(std::string_view s) {
    if (s.size() > 7) return ~std::uint64_t{0};
    std::uint64_t v = s.size();
    for (char ch : s) v = (v << 8) | static_cast<unsigned char>(ch);
    return v;
}

template <std::size_t N>
constexpr std::array<std::uint64_t, N> packTable(const std::array<std::string_view, N>& t) {
    std::array<std::uint64_t, N> packed{};
    for (std::size_t i = 0; i < N; ++i) packed[i] = pack(t[i]);
    return packed;
}

constexpr auto seiPacked = packTable(seiName);
constexpr auto monPacked = packTable(monName);
constexpr auto jinPacked = packTable(jinName);

// `guess` is the entry the calculator's own number points to, tried first;
// the answer is the same without it. A name that views the guessed entry
// itself (as the steps set them) is that entry without reading its text.
template <std::size_t N>
int codeOf(const std::array<std::uint64_t, N>& table, Name name, int guess = 0,
           const std::array<std::string_view, N>* names = nullptr) {
    if (names && guess > 0 && static_cast<std::size_t>(guess) < N) {
        const std::string_view g = (*names)[static_cast<std::size_t>(guess)];
        if (name.data() == g.data() && name.size() == g.size()) return guess;
    }
    if (name.empty() || name.size() > 7) return 0;
    const std::uint64_t v = pack(name);
    if (guess > 0 && static_cast<std::size_t>(guess) < N && table[static_cast<std::size_t>(guess)] == v)
        return guess;
    for (std::size_t i = 1; i < N; ++i)
        if (table[i] == v) return static_cast<int>(i);
    return 0;
}

struct Codes {
    Palaces<int> T{}, E{}, S{}, M{}, J{};
};

Codes codesOf(const BoardFields& b) {
    Codes c;
    for (PalaceNo p : outerPalaces) {
        c.T[p] = stemOf(b.ten[p]);
        c.E[p] = stemOf(b.ti[p]);
        c.S[p] = codeOf(seiPacked, b.sei[p], b.seiNo[p], &seiName);
        c.M[p] = codeOf(monPacked, b.mon[p], b.monNo[p], &monName);
        c.J[p] = codeOf(jinPacked, b.jin[p], b.jinNo[p], &jinName);
    }
    return c;
}

// Stems, stars, gates and deities by number, for the rule tables below.
enum : int { KOU = 1, OTU, HEI, TEI, BO, KI, KOU7, SIN, JIN, KI10 };
enum : int { TENPOU = 1, TENNAI, TENCHU, TENPO, TENKIN, TENSIN, TENCHU7, TENNIN, TENEI };
enum : int { KYUMON = 1, SEIMON, SYOMON, TOMON, KEIMON, SIMON, KYOMON, KAIMON };
enum : int { TAIIN = 3, KYUTI = 7, KYUTEN = 8 };

bool goodGate(int m) {
    return m == KYUMON || m == SEIMON || m == KEIMON || m == KAIMON;
}

struct Pair {
    int a, b;
};
// 伏吟 and 反吟 by star and gate, pair k at index k − 1.
constexpr std::array<Pair, 8> fukuginSeiPairs = {{{TENPOU, KYUMON},
                                                  {TENNAI, SIMON},
                                                  {TENNIN, SEIMON},
                                                  {TENCHU, SYOMON},
                                                  {TENPO, TOMON},
                                                  {TENEI, KEIMON},
                                                  {TENCHU7, KYOMON},
                                                  {TENSIN, KAIMON}}};
constexpr std::array<Pair, 8> hanginSeiPairs = {{{TENEI, KYUMON},
                                                 {TENNAI, SEIMON},
                                                 {TENCHU7, SYOMON},
                                                 {TENSIN, TOMON},
                                                 {TENNIN, SIMON},
                                                 {TENPOU, KEIMON},
                                                 {TENCHU, KYOMON},
                                                 {TENPO, KAIMON}}};
// 反吟 by stem pair (heaven, earth).
constexpr std::array<Pair, 6> hanginPairs = {
    {{BO, SIN}, {KI, JIN}, {KOU7, KI10}, {SIN, BO}, {JIN, KI}, {KI10, KOU7}}};
// Single patterns S1..S14 with a fixed pair (S1..S3 depend on the board's stems).
constexpr std::array<Pair, 15> singlePairs = {{{0, 0},
                                               {HEI, 0},
                                               {KI10, 0},
                                               {JIN, 0},
                                               {KOU7, KI},
                                               {KOU7, KOU7},
                                               {KOU7, JIN},
                                               {KOU7, KI10},
                                               {KOU7, KOU},
                                               {KOU, KOU7},
                                               {OTU, SIN},
                                               {SIN, OTU},
                                               {HEI, KOU7},
                                               {TEI, KI10},
                                               {KI10, TEI}}};
// 時干入墓 B14..B18: own stem and branch, and the stem on the heaven plate of a palace.
struct Nyubo {
    int kan, si, palace;
};
constexpr std::array<Nyubo, 5> jikanNyubo = {
    {{OTU, 8, 3}, {HEI, 11, 9}, {BO, 11, 9}, {SIN, 2, 7}, {JIN, 5, 1}}};

template <std::size_t N> int pairIndex(const std::array<Pair, N>& pairs, int a, int b) {
    for (std::size_t k = 0; k < N; ++k)
        if (pairs[k].a == a && pairs[k].b == b) return static_cast<int>(k) + 1;
    return 0;
}

} // namespace

namespace {

void kitikaku(BoardFields& b, const Codes& c) {
    b.kitikaku.fill(code(Kitikaku::none));
    int Z = 0; // the 直使 gate, when there is one
    if (b.junpos != 5) Z = homeMon(b.junpos);
    bool zGood = Z != 0 && goodGate(Z);

    if (c.T[4] == OTU) b.kitikaku[4] = code(Kitikaku::otuKiSyoden);
    if (c.T[2] == HEI) b.kitikaku[2] = code(Kitikaku::heiKiSyoden);
    if (c.T[6] == TEI) b.kitikaku[6] = code(Kitikaku::teiKiSyoden);

    // The order of the rules is the method's: the last rule that holds
    // decides. So where both hold, 雲遁 (18) overwrites 虎遁 (16) at the
    // north-east, as the method's own boards show.
    for (PalaceNo p : outerPalaces) {
        const int T = c.T[p], E = c.E[p], M = c.M[p], J = c.J[p];
        int& k = b.kitikaku[p];
        if (T == KOU && E == HEI) k = code(Kitikaku::seiryuHensyu);
        if (T == HEI && E == KOU) k = code(Kitikaku::hityoTetuketu);
        if (T == OTU && E == KI) k = code(Kitikaku::otuKiTokusi);
        if (T == HEI && E == BO) k = code(Kitikaku::heiKiTokusi);
        if (T == TEI && E == JIN) k = code(Kitikaku::teiKiTokusi);
        if (T == TEI && zGood && M == Z) k = code(Kitikaku::gyokujoSyumon);
        if (T == TEI && M == KYUMON && J == TAIIN) k = code(Kitikaku::jinton);
        if (T == HEI && E == BO && M == SEIMON) k = code(Kitikaku::tenton);
        if (T == OTU && E == KI && M == KAIMON) k = code(Kitikaku::titon);
        if (T == HEI && M == SEIMON && J == KYUTEN) k = code(Kitikaku::sinton);
        if (T == TEI && M == KAIMON && J == KYUTI) k = code(Kitikaku::kiton);
        if (p == 9 && T == OTU && M == KAIMON) k = code(Kitikaku::ryuton);
        if (p == 7 && T == OTU && M == SEIMON) k = code(Kitikaku::koton);
        if (p == 1 && T == OTU && goodGate(M)) k = code(Kitikaku::futon);
        if (p == 7 && T == OTU && goodGate(M)) k = code(Kitikaku::unton);
    }
}

void kyokaku(BoardFields& b, StemNo k2, const Codes& c) {
    if (!b.kyokaku) throw std::logic_error("board calculator has no pattern detector");
    Tkyokaku& d = *b.kyokaku;
    const int K = b.kan;
    auto ownStem = [&](int code) { return code != 0 && (code == K || (k2 != 0 && code == k2)); };

    // 1. Single patterns.
    for (auto& row : d.kakuFlag) row.fill(0);
    for (PalaceNo p : outerPalaces) {
        const int T = c.T[p], E = c.E[p];
        d.kakuFlag[1][p] = T == HEI && ownStem(E);
        d.kakuFlag[2][p] = T == KI10 && E != 0 && E == K;
        d.kakuFlag[3][p] = T == JIN && E != 0 && E == K;
        for (int s = 4; s <= Tkyokaku::singleCount; ++s)
            d.kakuFlag[s][p] = T == singlePairs[s].a && E == singlePairs[s].b;
    }

    // 2. 五不遇時.
    d.banFlag[19] =
        k2 != 0 && ((k2 == KOU && K == KOU7) || (k2 == OTU && K == SIN) || (k2 == TEI && K == KI10));

    // 3. Families; the centre takes part in none.
    for (PalaceNo p = 1; p <= 9; ++p) {
        d.nenkakuFlag[p].fill(0);
        d.hikanFlag[p].fill(0);
        d.fukuginFlag[p].fill(0);
        d.fukuginSeiFlag[p].fill(0);
        d.hanginFlag[p].fill(0);
        d.hanginSeiFlag[p].fill(0);
    }
    const bool kValid = K >= 1 && K <= 10;
    for (PalaceNo p : outerPalaces) {
        const int T = c.T[p], E = c.E[p];
        if (kValid && T == KOU7 && ownStem(E)) d.nenkakuFlag[p][K] = 1;
        if (kValid && ownStem(T) && E == KOU7) d.hikanFlag[p][K] = 1;
        if (T != 0 && T == E) d.fukuginFlag[p][T] = 1; // equal stem names
        if (int k = pairIndex(fukuginSeiPairs, c.S[p], c.M[p])) d.fukuginSeiFlag[p][k] = 1;
        if (int k = pairIndex(hanginPairs, T, E)) d.hanginFlag[p][k] = 1;
        if (int k = pairIndex(hanginSeiPairs, c.S[p], c.M[p])) d.hanginSeiFlag[p][k] = 1;
    }

    // 4. Board patterns B1..B18 on fixed palaces.
    d.banFlag[1] = c.M[2] == KYUMON;
    d.banFlag[2] = c.M[4] == KAIMON;
    d.banFlag[3] = c.M[8] == SEIMON;
    d.banFlag[4] = c.M[6] == KEIMON;
    d.banFlag[5] = c.T[4] == BO;
    d.banFlag[6] = c.T[3] == KI;
    d.banFlag[7] = c.T[7] == KOU7;
    d.banFlag[8] = c.T[2] == SIN;
    d.banFlag[9] = c.T[1] == JIN;
    d.banFlag[10] = c.T[1] == KI10;
    d.banFlag[11] = c.T[3] == OTU;
    d.banFlag[12] = c.T[9] == HEI;
    d.banFlag[13] = c.T[9] == TEI;
    for (int i = 0; i < 5; ++i) {
        const Nyubo& n = jikanNyubo[static_cast<std::size_t>(i)];
        d.banFlag[14 + i] = b.kan == n.kan && b.si == n.si && c.T[n.palace] == n.kan;
    }
}

} // namespace

void kitikakuHantei(BoardFields& b) {
    kitikaku(b, codesOf(b));
}

void kyokakuHantei(BoardFields& b, StemNo k2) {
    kyokaku(b, k2, codesOf(b));
}

void hantei(BoardFields& b, StemNo k2, Judge judge) {
    const Codes c = codesOf(b);
    kitikaku(b, c);
    if (judge == Judge::all) kyokaku(b, k2, c);
}

} // namespace hoshi::steps
