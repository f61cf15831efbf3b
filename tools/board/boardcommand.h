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

#include <string>
#include <vector>

#include "boardrun.h"
#include "recordsource.h"

namespace hoshi::tool {

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

// Computes the board the words name; by-date forms read `calendar` through
// the board run of their kind. Throws UsageError, RecordError (naming the
// key), ConversionError or OutOfRangeError with a one-line reason, and Error
// when a table cannot be opened.
BoardSnapshot computeBoard(const std::vector<std::string>& words, Calculators& calc, const TKanMo1& kanmo,
                           RecordSource* calendar = nullptr);

// The board as a 3×3 grid, south at the top, then one block per direction:
// mark, stems, reading, auspicious pattern and the detector's lines.
std::string renderText(const BoardSnapshot& board);
// The board as one JSON object on one line; the pattern flags are the
// detector's, of the board computed last.
std::string renderJson(const BoardSnapshot& board, const Tkyokaku& kyokaku);
// The reading content as one JSON object: readings and marks [heaven−1][earth−1],
// patternNames (19, entry 0 ""), patternTexts (85 in slot order).
std::string textsJson();
// {"error": message} on one line.
std::string errorJson(const std::string& message);

// Parses a whole decimal integer; ConversionError naming `what` otherwise.
int parseInt(const std::string& text, const char* what);
// "丙寅" → (3, 3); OutOfRangeError for anything else.
std::pair<StemNo, BranchNo> parseKansi(const std::string& text);

} // namespace hoshi::tool
