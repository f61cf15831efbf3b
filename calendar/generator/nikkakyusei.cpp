#include "nikkakyusei.h"

#include <algorithm>
#include <string>
#include <utility>

#include "errors.h"
#include "vocabulary.h"

namespace hoshi::koyomi {

namespace {

constexpr int kougo = 30;     // 甲午
constexpr int leapSpan = 240; // switch days around a 閏
constexpr int leapTurn = 210; // days of the old direction across a 閏
constexpr int plainSpan = 180;

// The 甲子 on or before a solstice date, and the one after.
int kousiBefore(int day) {
    return day - daySexagenaryIndex(day);
}
int kousiAfter(int day) {
    return kousiBefore(day) + 60;
}
bool isCandidate(int switchDay, int solstice) {
    return switchDay == kousiBefore(solstice) || switchDay == kousiAfter(solstice);
}

std::string dateText(int day) {
    return dayKey(fromDayNumber(day));
}

} // namespace

NikkaKyusei::NikkaKyusei(std::vector<Solstice> solstices, std::span<const CivilDate> leapDates)
    : solstices_(std::move(solstices)) {
    for (const Solstice& s : solstices_) {
        int i = daySexagenaryIndex(s.dayNumber);
        switch_.push_back(i <= 29 ? s.dayNumber - i : s.dayNumber + 60 - i);
    }
    std::vector<int> fixedBy(switch_.size(), -1); // the override day that set each switch day
    for (const CivilDate& date : leapDates) {
        int leap = dayNumber(date);
        if (daySexagenaryIndex(leap) != kougo)
            throw OutOfRangeError("閏の日 " + dayKey(date) + " は甲午の日ではありません。");
        if (solstices_.empty() || leap + 30 < solstices_.front().dayNumber - 60 ||
            leap - leapTurn > solstices_.back().dayNumber + 60)
            continue;
        std::size_t k = 1;
        while (k < solstices_.size() && !(isCandidate(leap + 30, solstices_[k].dayNumber) &&
                                          isCandidate(leap - leapTurn, solstices_[k - 1].dayNumber)))
            ++k;
        if (k >= solstices_.size())
            throw OutOfRangeError("閏の日 " + dayKey(date) + " は、至に近い甲子の 30 日前にありません。");
        for (std::size_t j : {k - 1, k}) {
            int want = j == k ? leap + 30 : leap - leapTurn;
            if (fixedBy[j] >= 0 && switch_[j] != want)
                throw OutOfRangeError("閏の日 " + dateText(fixedBy[j]) + " と " + dayKey(date) +
                                      " は両立しません。");
            switch_[j] = want;
            fixedBy[j] = leap;
        }
    }
    for (std::size_t k = 1; k < switch_.size(); ++k) {
        int span = switch_[k] - switch_[k - 1];
        if (span != plainSpan && span != leapSpan)
            throw OutOfRangeError("閏の日の指定では、切り替え日 " + dateText(switch_[k - 1]) + " と " +
                                  dateText(switch_[k]) + " の間が " + std::to_string(span) +
                                  " 日になります。");
    }
}

NikkaKyusei::Star NikkaKyusei::at(int day) const {
    auto next = std::upper_bound(switch_.begin(), switch_.end(), day);
    if (next == switch_.begin() || next == switch_.end())
        throw OutOfRangeError(dateText(day) + " の日の九星は、計算した切り替え日の範囲の外です。");
    std::size_t k = static_cast<std::size_t>(next - switch_.begin()) - 1;
    bool yang = solstices_[k].winter;
    int offset = day - switch_[k];
    auto count = [](bool up, int from, int steps) { return wrap9(up ? from + steps : from - steps); };
    if (*next - switch_[k] == leapSpan && offset >= leapTurn) {
        int repeated = count(yang, yang ? 1 : 9, leapTurn - 1);
        return {!yang, count(!yang, repeated, offset - leapTurn)};
    }
    return {yang, count(yang, yang ? 1 : 9, offset)};
}

std::vector<int> NikkaKyusei::leapDays() const {
    std::vector<int> out;
    for (std::size_t k = 1; k < switch_.size(); ++k)
        if (switch_[k] - switch_[k - 1] == leapSpan) out.push_back(switch_[k - 1] + leapTurn);
    return out;
}

std::vector<CivilDate> parseLeapTable(std::string_view text, std::string_view source) {
    std::vector<CivilDate> out;
    int lineNo = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNo;
        line = line.substr(0, line.find('#'));
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty()) continue;
        try {
            out.push_back(parseDate(line));
        } catch (const ConversionError& e) {
            throw ConversionError(std::string(source) + " の " + std::to_string(lineNo) + " 行目：" +
                                  e.what());
        }
    }
    return out;
}

} // namespace hoshi::koyomi
