#include "kyokaku.h"

#include "errors.h"

namespace hoshi {

std::string& Tkyokaku::textSlot(int slot) {
    checkRange(slot, 1, textCount, "pattern text slot");
    int s = slot;
    if (s <= singleCount) return kakuText[s];
    s -= singleCount;
    if (s <= boardCount) return banText[s];
    s -= boardCount;
    if (s <= 10) return nenkakuText[s];
    s -= 10;
    if (s <= 10) return hikanText[s];
    s -= 10;
    if (s <= 10) return fukuginText[s];
    s -= 10;
    if (s <= 8) return fukuginSeiText[s];
    s -= 8;
    if (s <= 6) return hanginText[s];
    s -= 6;
    return hanginSeiText[s];
}

const std::string& Tkyokaku::text(int slot) const {
    return const_cast<Tkyokaku*>(this)->textSlot(slot);
}

void Tkyokaku::assignTexts(std::span<const std::string_view, textCount> texts) {
    for (int slot = 1; slot <= textCount; ++slot) textSlot(slot) = texts[slot - 1];
}

namespace {

using List = std::array<std::string, Tkyokaku::listSize + 1>;

// The rules set at most 21 lines for a palace; flags set by hand beyond the
// list's 30 lines are an error, not an overflow.
void append(List& list, int& n, const std::string& text) {
    checkRange(n + 1, 1, Tkyokaku::listSize, "pattern list line");
    list[static_cast<std::size_t>(++n)] = text;
}

template <std::size_t N, std::size_t M>
void appendFamily(const std::array<Tkyokaku::Flag, N>& flags, const std::array<std::string, M>& texts,
                  List& list, int& n) {
    static_assert(N == M);
    for (std::size_t k = 1; k < N; ++k)
        if (flags[k]) append(list, n, texts[k]);
}

} // namespace

void Tkyokaku::makeList(int p) {
    checkRange(p, 1, 9, "palace");
    for (auto& line : kakuList) line.clear();
    int n = 0;
    for (int s = 1; s <= singleCount; ++s)
        if (kakuFlag[s][p]) append(kakuList, n, kakuText[s]);
    for (int s = 1; s <= boardCount; ++s)
        if (banFlag[s]) append(kakuList, n, banText[s]);
    appendFamily(nenkakuFlag[p], nenkakuText, kakuList, n);
    appendFamily(hikanFlag[p], hikanText, kakuList, n);
    appendFamily(fukuginFlag[p], fukuginText, kakuList, n);
    appendFamily(fukuginSeiFlag[p], fukuginSeiText, kakuList, n);
    appendFamily(hanginFlag[p], hanginText, kakuList, n);
    appendFamily(hanginSeiFlag[p], hanginSeiText, kakuList, n);
    kakuCount = n;
}

} // namespace hoshi
