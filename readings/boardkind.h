#pragma once
// The four kinds of board and what tells them apart outside the
// calculators: the calendar table a board is read from (and so the form of
// its key), the application-wide board-kind marker, the screen's caption,
// its header tag and pattern prefix, and the suffix of its printed title.

#include <array>
#include <string_view>

#include "schema.h"

namespace hoshi {

enum class BoardKind { year, month, day, hour };

struct BoardKindInfo {
    BoardKind kind;
    schema::TableKind table;        // the hour board reads the day table
    std::string_view marker;        // "年", "月", "日", "時"
    std::string_view caption;       // the board screen's window caption
    std::string_view headerTag;     // between the stem-branch and the dun in the header
    std::string_view patternPrefix; // before the auspicious pattern's name ("■格:" on the day board)
    std::string_view printSuffix;   // after the reader's title on the printed report

    constexpr std::string_view keyForm() const { return schema::info(table).keyForm; }
    constexpr int keyLength() const { return static_cast<int>(keyForm().size()); }
};

inline constexpr std::array<BoardKindInfo, 4> boardKinds = {{
    {BoardKind::year, schema::TableKind::Year, "年", "奇門遁甲 年の万年暦", "  [立向年盤] ", "■格：",
     "年盤   鑑定表"},
    {BoardKind::month, schema::TableKind::Month, "月", "奇門遁甲 月盤", " [立向月盤] ", "■格：",
     "月盤   鑑定表"},
    {BoardKind::day, schema::TableKind::Day, "日", "Hoshikura・日盤", " [立向日盤] ",
     "■格:", "日盤   鑑定表"},
    {BoardKind::hour, schema::TableKind::Day, "時", "奇門遁甲・時盤", " [立向時盤] ", "■格：",
     "時盤   鑑定表"},
}};

constexpr const BoardKindInfo& boardKind(BoardKind kind) {
    return boardKinds[static_cast<std::size_t>(kind)];
}

// The marker of a kind: "年", "月", "日" or "時".
constexpr std::string_view boardKindMarker(BoardKind kind) {
    return boardKind(kind).marker;
}

} // namespace hoshi
