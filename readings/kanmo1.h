#pragma once
// TKanMo1: the reading content of a palace's stem pair and the stem lookup.
//
// Every table is indexed [heaven-plate stem][earth-plate stem] by StemNo
// 1..10 (甲..癸):
//   reading  one or two sentences without line breaks: the heaven stem's
//            image standing over the earth stem's image, then what that
//            brings to the direction;
//   mark     "○" (favourable) or "×" (unfavourable), 41 and 59 of them;
// and by pattern code 0..kitikakuCount (Kitikaku):
//   patternName  the auspicious pattern (吉格) a calculator records per
//                palace in kitikaku; code 0 is "" (no pattern).
// All of it is constant. One instance is created at start-up; it carries
// only the sink that the lookup reports unknown names to.

#include <array>
#include <string_view>

#include "messagesink.h"
#include "vocabulary.h"

namespace hoshi {

class TKanMo1 {
public:
    static constexpr int patternCount = kitikakuCount;

    explicit TKanMo1(MessageSink& sink) : sink_(sink) {}

    // Stem lookup.
    // Given:    name, a stem name as shown on a board.
    // Returned: the first i in 0..10 with kanName[i] == name (exact string
    //           equality), so "" gives 0 silently; 0 for any other text,
    //           after the sink has shown name + ":Not Found プログラムエラー".
    // Notes:    0 means no stem. Callers pass the result straight to the
    //           accessors below, which stop the operation with an
    //           OutOfRangeError for it.
    int lookupStem(std::string_view name) const;

    // Given: heaven, earth in 1..10. Throws OutOfRangeError outside.
    static std::string_view reading(StemNo heaven, StemNo earth);
    static std::string_view mark(StemNo heaven, StemNo earth);
    static bool isGood(StemNo heaven, StemNo earth) { return mark(heaven, earth) == "○"; }

    // Given: code in 0..patternCount. Throws OutOfRangeError outside.
    static std::string_view patternName(int code);

private:
    MessageSink& sink_;
};

} // namespace hoshi
