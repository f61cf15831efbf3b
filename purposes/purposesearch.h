#pragma once
// The purpose search: from a calendar record, the next (or previous) year,
// month, day or two-hour period whose board has a good direction for a
// purpose, and which directions those are.
//
// The engine owns no board arithmetic and no state between operations. It
// drives a SearchBoard: the cursor of the kind's calendar table, the board
// run that decodes and calculates the current record, and what is shown
// when an operation ends. Its result is the two label texts.

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "boardkind.h"
#include "boardrun.h"
#include "catalogue.h"
#include "kanmo1.h"

namespace hoshi {

// What a search moves and reads. The cursor has the calendar table's
// semantics: a move that finds no record sets the end (or beginning) flag
// and stays; a move that finds one clears both.
class SearchBoard {
public:
    using Period = BoardPeriod;

    virtual ~SearchBoard() = default;

    virtual bool findKey(const std::string& key) = 0; // exact key; stays put on a miss
    virtual void next() = 0;
    virtual void prior() = 0;
    virtual bool eof() const = 0;
    virtual bool bof() const = 0;

    // The start's compute of the starting record, shown as a compute shows
    // it (the hour board at its current slot). Throws as the compute does.
    virtual void computeShown() = 0;
    // Decodes and calculates the current record, without showing it (the
    // hour board at `slot` 1..12). Throws at the failing step.
    virtual void calculate(int slot) = 0;
    virtual const BoardFields& board() const = 0;
    virtual Period period() const = 0;

    // An operation's scan runs between begin and end. `failed`: it ends on
    // an error (which the engine then throws on). The board to show is the
    // one a compute per record would have left on screen.
    virtual void begin() {}
    virtual void end(bool failed) { (void)failed; }
};

// The acceptance rule of a search: a palace qualifies when its stem-pair
// mark is "○" and, where a set is given, its pattern code is in the set.
struct SearchRule {
    std::span<const Kitikaku> set;       // empty: the mark alone
    std::span<const Kitikaku> femaleSet; // the 縁づくり rule's "女" set
    std::function<bool()> female;        // read at the moment each palace is tested

    bool accepts(int patternCode) const;
};

// The label texts of one search.
struct SearchLabels {
    std::string period;
    std::string directions;
};

// How a scan ended.
enum class ScanEnd {
    found,   // a qualifying record; both labels set
    flagSet, // the flag was already set: the period of the board last computed, no directions
    ran_off, // no record before the end (or beginning): labels unchanged
};

class PurposeSearch {
public:
    PurposeSearch(BoardKind kind, SearchRule rule, const TKanMo1& kanmo);

    BoardKind kind() const { return kind_; }

    // Start: position on `todayText` ("yyyy/mm/dd", cut to the kind's key
    // length), compute the starting record (not evaluated), scan forward.
    ScanEnd start(SearchBoard& b, const std::string& todayText, SearchLabels& labels) const;
    // 次 and 前: scan on from wherever the cursor stands.
    ScanEnd next(SearchBoard& b, SearchLabels& labels) const;
    ScanEnd previous(SearchBoard& b, SearchLabels& labels) const;

    // The outer palaces of a board that qualify, in palace order.
    std::vector<PalaceNo> qualifying(const BoardFields& board) const;

    // "<南> <西> " for palaces 2 and 6.
    static std::string directionsText(const std::vector<PalaceNo>& palaces);
    // "2025年", "2025年4月", "2025年4月7日", "2025年4月7日9時" by kind.
    static std::string periodText(BoardKind kind, const SearchBoard::Period& p);

    // The time-bar positions an hour search tries on each day, in order.
    static constexpr int firstHourPosition = 4, lastHourPosition = 10;

private:
    ScanEnd scan(SearchBoard& b, bool forward, SearchLabels& labels) const;

    BoardKind kind_;
    SearchRule rule_;
    const TKanMo1& kanmo_;
};

// The rule of a catalogue search; `female` is read for the 縁づくり rule.
SearchRule ruleOf(const PurposeSearchDef& entry, std::function<bool()> female = {});

} // namespace hoshi
