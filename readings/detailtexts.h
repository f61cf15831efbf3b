#pragma once
// The texts of the direction detail: the direction buttons' captions, the
// fixed lines of the detail memo and its order, and the printed report's
// title and date text.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "boardkind.h"
#include "boardrun.h"

namespace hoshi {

// The direction buttons' captions by PalaceNo ("" for the centre).
inline constexpr std::array<std::string_view, 10> directionCaption = {"", "東南", "南",   "南西", "東",
                                                                      "", "西",   "北東", "北",   "北西"};

inline constexpr std::string_view detailOpening =
    "『 天盤と地盤の関係から吉凶の概要を判断します。ここが決めてとなります。』";
inline constexpr std::string_view detailPatternHeading =
    "『 該当する奇門遁甲４０格の凶格を説明します。参考程度に見ます。』";

// The memo of a direction: the opening line, the palace's text box, the
// pattern heading and lines when there are any, the response lines.
std::vector<std::string> detailMemo(const std::vector<std::string>& palaceMemo,
                                    const std::vector<std::string>& patternLines,
                                    const std::vector<std::string>& responseLines);

// "日盤 方位詳細鑑定表" by kind.
std::string detailTitle(BoardKind kind);
// "2001年5月3日 " (the hour board: "2001年5月3日 巳の刻 ", by the slot's branch).
std::string detailDateText(BoardKind kind, const BoardPeriod& period);

// The value labels of a palace: name + " : " + its description.
struct DetailValues {
    std::string ten, ti, kyusei, hatimon, kyugu, hatijin;
};
DetailValues detailValues(const BoardFields& b, PalaceNo p);

} // namespace hoshi
