#pragma once
// The eleven purposes: each screen's names and texts and the searches it
// offers, each search with its kind, its control names and its acceptance
// rule. The purpose screens, the main window's buttons and the
// command-line search are all built from this one table.

#include <span>
#include <string_view>
#include <vector>

#include "boardkind.h"
#include "vocabulary.h"

namespace hoshi {

// The controls of one search on its screen (start, 前, 次, period label,
// heading "吉の方位", direction label).
struct SearchControls {
    std::string_view start, previous, next, period, heading, directions;
};

struct PurposeSearchDef {
    BoardKind kind;
    SearchControls controls;
    // Pattern codes a qualifying palace must carry; empty: the mark alone.
    std::span<const Kitikaku> set;
    // The 縁づくり search: the set when "女" is selected (`set` is "男"'s).
    std::span<const Kitikaku> femaleSet;
};

struct Purpose {
    std::string_view name;                      // short name: "kekkon"
    std::string_view screenClass;               // "Tkekkonmenu"
    std::string_view caption;                   // window caption: "結婚式"
    std::string_view heading;                   // heading strip: "結婚式"
    std::string_view button;                    // the main window's button: "kekkon"
    std::string_view buttonCaption;             // "結婚式に良い日"
    std::span<const PurposeSearchDef> searches; // top to bottom
};

// The purposes in the order the program creates their screens.
std::span<const Purpose> purposes();
// By short name or window caption; nullptr for any other text.
const Purpose* findPurpose(std::string_view nameOrCaption);

// The start button's caption of a kind: "良い年検索開始" … "良い時刻検索開始".
std::string_view startCaption(BoardKind kind);
// The period label's text before the first result: "年", "月", "日", "時刻".
std::string_view periodPlaceholder(BoardKind kind);

} // namespace hoshi
