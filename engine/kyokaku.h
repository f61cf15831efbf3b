#pragma once
// Tkyokaku: the one pattern detector all four board calculators share. It
// holds the flags of the inauspicious patterns (凶格) of the board computed
// last, their explanation texts (assigned once at start-up), and the list of
// lines for one palace that makeList builds.
//
// Text slots, 85 in all, in this order (slot numbers 1..85):
//   1..14  single patterns S1..S14 (kakuText)
//   15..33 board patterns B1..B19 (banText)
//   34..43 年格 by stem, 44..53 飛干格 by stem, 54..63 伏吟 by stem,
//   64..71 伏吟 by star and gate, 72..77 反吟 by stem pair,
//   78..85 反吟 by star and gate.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace hoshi {

class Tkyokaku {
public:
    static constexpr int singleCount = 14;
    static constexpr int boardCount = 19;
    static constexpr int textCount = 85;
    static constexpr int listSize = 30;

    using Flag = std::uint8_t;
    template <int N> using PerPalace = std::array<std::array<Flag, N + 1>, 10>; // [palace][k]

    // Single patterns: kakuFlag[slot 1..14][palace 1..9].
    std::array<std::array<Flag, 10>, singleCount + 1> kakuFlag{};
    std::array<std::string, singleCount + 1> kakuText;
    // Board patterns: banFlag[slot 1..19].
    std::array<Flag, boardCount + 1> banFlag{};
    std::array<std::string, boardCount + 1> banText;
    // Families, flags [palace 1..9][k], texts [k].
    PerPalace<10> nenkakuFlag{};
    std::array<std::string, 11> nenkakuText;
    PerPalace<10> hikanFlag{};
    std::array<std::string, 11> hikanText;
    PerPalace<10> fukuginFlag{};
    std::array<std::string, 11> fukuginText;
    PerPalace<8> fukuginSeiFlag{};
    std::array<std::string, 9> fukuginSeiText;
    PerPalace<6> hanginFlag{};
    std::array<std::string, 7> hanginText;
    PerPalace<8> hanginSeiFlag{};
    std::array<std::string, 9> hanginSeiText;

    // The lines of the palace last given to makeList: kakuList[1..kakuCount].
    std::array<std::string, listSize + 1> kakuList;
    int kakuCount = 0;

    // Stores the 85 texts in slot order. The rules never change them.
    void assignTexts(std::span<const std::string_view, textCount> texts);
    // Text of slot 1..85 (OutOfRangeError outside).
    const std::string& text(int slot) const;

    // Rebuilds kakuList/kakuCount for palace p from the flags as they stand:
    // single patterns, then board patterns (listed for any palace), then the
    // families in the order 年格, 飛干格, 伏吟, 伏吟(星門), 反吟, 反吟(星門).
    // OutOfRangeError for p outside 1..9.
    void makeList(int p);

private:
    std::string& textSlot(int slot);
};

} // namespace hoshi
