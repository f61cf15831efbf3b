#include "vocabulary.h"

#include <string>

namespace hoshi {

int loshu(PalaceNo p) {
    return at(loshuTable, p < 1 ? -1 : p, "palace");
}

PalaceNo loshuPalace(int n) {
    return at(loshuPalaceTable, n < 1 ? -1 : n, "Lo Shu number");
}

int homeMon(PalaceNo p) {
    return at(homeMonTable, p < 1 ? -1 : p, "palace");
}

int sekkiPalace(int sekkiNo) {
    return at(sekkiPalaceTable, sekkiNo, "solar-term index");
}

int riti2ring(PalaceNo p) {
    return p >= 1 && p <= 9 ? clockwiseRingPos[p] : -1;
}

PalaceNo ring2riti(int r) {
    return r >= 1 && r <= 8 ? clockwiseRing[r] : -1;
}

int riti2ord(PalaceNo p) {
    return p >= 1 && p <= 9 ? counterRingPos[p] : -1;
}

PalaceNo ord2riti(int r) {
    return r >= 1 && r <= 8 ? counterRing[r] : -1;
}

PalaceNo ringNext(PalaceNo p, bool clockwise) {
    int r = clockwise ? riti2ring(p) : riti2ord(p);
    if (r < 0) throw OutOfRangeError("宮「" + std::to_string(p) + "」は八方位の宮ではありません。");
    return clockwise ? ring2riti(r % 8 + 1) : ord2riti(r % 8 + 1);
}

bool isKansi(StemNo kan, BranchNo si) {
    return kan >= 1 && kan <= 10 && si >= 1 && si <= 12 && (kan - si) % 2 == 0;
}

static void requireKansi(StemNo kan, BranchNo si) {
    checkRange(kan, 1, 10, "stem");
    checkRange(si, 1, 12, "branch");
    if (!isKansi(kan, si))
        throw OutOfRangeError(
            "干支「" + std::string(kanName[static_cast<std::size_t>(kan)]) +
            std::string(siName[static_cast<std::size_t>(si)]) +
            "」は六十干支にない組み合わせです（陽の干は陽の支と、陰の干は陰の支と組みます）。");
}

int sexagenary(StemNo kan, BranchNo si) {
    requireKansi(kan, si);
    // The n with n ≡ kan (mod 10) and n ≡ si (mod 12), as walking the cycle finds it.
    return floorMod(6 * (kan - 1) - 5 * (si - 1), 60) + 1;
}

std::pair<StemNo, BranchNo> kansiOf(int n) {
    checkRange(n, 1, 60, "sexagenary number");
    return {(n - 1) % 10 + 1, (n - 1) % 12 + 1};
}

StemNo junsyu(StemNo kan, BranchNo si) {
    requireKansi(kan, si);
    int m = floorMod(kan - si, 12);
    return 5 + m / 2;
}

} // namespace hoshi
