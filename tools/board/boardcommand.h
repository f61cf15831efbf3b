#pragma once
// hoshikura-board: one board from explicit inputs or from its calendar
// record, as a text grid or JSON.
//
// From explicit inputs:
//   year YEAR
//   month YEAR MONTH KANSI KYOKU           (month 1 belongs to the previous solar year)
//   day KANSI INYOU KYOKU SEKKI TUKIKAN
//   hour DAYKANSI SLOT SEKKI SANGEN
// By date, decoded from the calendar record with that exact key:
//   date year YYYY
//   month YYYY/MM
//   day YYYY/MM/DD
//   hour YYYY/MM/DD SLOT
// A date with a slash is read from the calendar; a year, having none, needs
// the word "date" (which may precede any by-date form).

#include <optional>
#include <string>
#include <vector>

#include "calculators.h"
#include "houitorilines.h"
#include "kanmo1.h"
#include "recordsource.h"
#include "responselines.h"

namespace hoshi::tool {

// What a board read by date carries beyond its fields: the record's key and
// 陰陽 text, and the inputs of its response and direction-taking lines.
struct CalendarInfo {
    std::string key;
    std::string inyou;
    ResponseSnapshot response;
    HouitoriSnapshot houitori;
};

// A computed board: which calculator holds it and its dun.
struct Board {
    BoardKind kind = BoardKind::year;
    const BoardFields* fields = nullptr;
    int inyou = 0;                        // 0 yin, 1 yang
    std::optional<CalendarInfo> calendar; // set for a board read by date
};

// Bad words on a command line: wrong count, unknown kind, a bad key form.
class UsageError : public Error {
public:
    using Error::Error;
};

// A by-date command whose record is missing or cannot be decoded.
class RecordError : public Error {
public:
    using Error::Error;
};

// True when the words name a board by date: they start with "date", or the
// word after the kind holds a slash.
bool isByDate(const std::vector<std::string>& words);

// Computes the board the words name; by-date forms read `calendar`.
// Throws UsageError, RecordError (naming the key), ConversionError or
// OutOfRangeError with a one-line reason, and Error when a table cannot be
// opened.
Board computeBoard(const std::vector<std::string>& words, Calculators& calc,
                   RecordSource* calendar = nullptr);

// The board as a 3×3 grid, south at the top, then one block per direction:
// mark, stems, reading, auspicious pattern and the detector's lines.
std::string renderText(const Board& board, Tkyokaku& kyokaku, const TKanMo1& kanmo);
// The board as one JSON object on one line.
std::string renderJson(const Board& board, Tkyokaku& kyokaku, const TKanMo1& kanmo);
// The reading content as one JSON object: readings and marks [heaven−1][earth−1],
// patternNames (19, entry 0 ""), patternTexts (85 in slot order).
std::string textsJson();

// Parses a whole decimal integer; ConversionError naming `what` otherwise.
int parseInt(const std::string& text, const char* what);
// "丙寅" → (3, 3); OutOfRangeError for anything else.
std::pair<StemNo, BranchNo> parseKansi(const std::string& text);

} // namespace hoshi::tool
