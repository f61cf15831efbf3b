#pragma once
// The 85 explanation lines of the inauspicious patterns (凶格), in the text
// slot order of Tkyokaku (engine/kyokaku.h). Each line is "■" + label +
// colon + explanation; the ten 年格 labels end in a half-width ":", all
// others in a full-width "：".

#include <array>
#include <string_view>

#include "kyokaku.h"

namespace hoshi {

// The texts, slot 1 at index 0.
const std::array<std::string_view, Tkyokaku::textCount>& patternTexts();

// Stores the texts in the detector's slots. Start-up calls it once, right
// after creating the detector and before handing it to the calculators.
void assignPatternTexts(Tkyokaku& kyokaku);

} // namespace hoshi
