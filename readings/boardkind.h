#pragma once
// The four kinds of board. The detail and direction-taking texts word their
// lines by kind; the application-wide board-kind marker is the kind's one
// character.

#include <string_view>

namespace hoshi {

enum class BoardKind { year, month, day, hour };

// The marker of a kind: "年", "月", "日" or "時".
constexpr std::string_view boardKindMarker(BoardKind kind) {
    switch (kind) {
    case BoardKind::year:
        return "年";
    case BoardKind::month:
        return "月";
    case BoardKind::day:
        return "日";
    case BoardKind::hour:
        return "時";
    }
    return "";
}

} // namespace hoshi
