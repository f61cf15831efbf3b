#pragma once
// The board run: the one place where a calendar record becomes a board.
// A run of one kind decodes a record into its calculator, calculates, and
// yields a snapshot of the board with everything the screens, reports,
// detail windows and searches read from it. The three steps can be called
// apart: a search decodes and calculates record after record and reads the
// calculator; only the board it stops on becomes a snapshot.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "boardkind.h"
#include "calculators.h"
#include "houitorilines.h"
#include "kanmo1.h"
#include "record.h"
#include "responselines.h"

namespace hoshi {

// The reading of one outer palace.
struct PalaceReading {
    StemNo heaven = 0, earth = 0;   // the plates' stems; 0 for a name that is not a stem
    std::string_view mark, reading; // empty unless both stems are known
    std::string_view patternName;   // the auspicious pattern, "" for none
    std::vector<std::string> lines; // the pattern detector's lines for the palace
};

// The calendar period of a board: year (all kinds), month (month, day and
// hour boards), day of the month (day and hour), hour slot 1..12 (hour).
struct BoardPeriod {
    int year = 0, month = 0, day = 0, slot = 0;
};

// The record a board was read from.
struct RecordInfo {
    std::string key;   // 日, 月 or 年 as stored
    std::string kansi; // 干支, 陰陽 and 局 as stored
    std::string inyou;
    std::string kyoku;
};

struct BoardSnapshot {
    BoardKind kind = BoardKind::year;
    BoardFields fields;             // the calculator's fields for the nine palaces
    int inyou = 0;                  // the dun: 0 yin, 1 yang (year and month boards: always 0)
    std::string kansi;              // the board's own stem and branch, "丙寅"
    std::string header;             // "丙寅 [立向日盤] 陽 1 極", as the screens show it
    std::string rokugi;             // "六儀:戊"
    Palaces<PalaceReading> palaces; // outer palaces only
    std::optional<RecordInfo> record;
    BoardPeriod period; // set for a board read from a record
    // Inputs of the response-period and direction-taking lines (set for a
    // board read from a record).
    ResponseSnapshot response;
    HouitoriSnapshot houitori;

    // The line of the auspicious pattern of palace p in the screen's form,
    // "" when there is none.
    std::string patternLine(PalaceNo p) const;
    // The lines of an outer palace's text box: the direction label and the
    // mark, the reading, and the pattern line when there is one.
    // OutOfRangeError when a stem of the palace is not known.
    std::vector<std::string> memoLines(PalaceNo p) const;
};

// The snapshot of a board the calculators hold (the detector's flags are
// those of the board computed last). Unknown stem names are reported by the
// reading content's lookup and leave that palace's reading empty.
BoardSnapshot makeSnapshot(BoardKind kind, const BoardFields& fields, int inyou, const TKanMo1& kanmo,
                           Tkyokaku& kyokaku, const std::optional<RecordInfo>& record);

class BoardRun {
public:
    BoardRun(BoardKind kind, Calculators& calc, const TKanMo1& kanmo);

    BoardKind kind() const { return kind_; }
    const BoardKindInfo& info() const { return boardKind(kind_); }

    // Decodes a record of the kind's table into the calculator's inputs
    // (`slot` 1..12 for the hour board, not read by the others). Throws at
    // the failing step, as the record decoders do.
    void decode(const CalendarRecord& r, int slot = 0);
    // Calculates the board from the decoded inputs. Judge::auspiciousOnly
    // leaves the shared pattern detector as it was.
    void calculate(Judge judge = Judge::all);
    // The hour board's slot 1..12 alone, the rest of the decoded record kept
    // (the slot is the hour decoder's first, independent step).
    void setSlot(int slot);
    // decode, calculate, snapshot.
    BoardSnapshot run(const CalendarRecord& r, int slot = 0);

    // The board as the calculator holds it now.
    const BoardFields& fields() const;
    int inyou() const;
    BoardPeriod period() const;
    // The pattern detector all calculators share: its flags are those of
    // the board computed last by any of them.
    Tkyokaku& detector() const { return calc_.kyokaku; }
    BoardSnapshot snapshot() const;

private:
    // Calls f with the calculator of the run's kind.
    template <typename F> decltype(auto) onCalculator(F&& f) const {
        switch (kind_) {
        case BoardKind::year:
            return f(calc_.nenban);
        case BoardKind::month:
            return f(calc_.tukiban);
        case BoardKind::day:
            return f(calc_.dayban);
        case BoardKind::hour:
            break;
        }
        return f(calc_.jiban);
    }

    BoardKind kind_;
    Calculators& calc_;
    const TKanMo1& kanmo_;
    std::optional<RecordInfo> record_;
};

} // namespace hoshi
