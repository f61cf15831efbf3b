#pragma once
// hoshikura-board: one board from explicit inputs, as a text grid or JSON.
//
//   year YEAR
//   month YEAR MONTH KANSI KYOKU           (month 1 belongs to the previous solar year)
//   day KANSI INYOU KYOKU SEKKI TUKIKAN
//   hour DAYKANSI SLOT SEKKI SANGEN

#include <string>
#include <vector>

#include "calculators.h"

namespace hoshi::tool {

enum class Kind { Year, Month, Day, Hour };

// A computed board: which calculator holds it and its dun.
struct Board {
    Kind kind = Kind::Year;
    const BoardFields* fields = nullptr;
    int inyou = 0; // 0 yin, 1 yang
};

// Bad words on a command line: wrong count, unknown kind.
class UsageError : public Error {
public:
    using Error::Error;
};

// Computes the board the words name. Throws UsageError, ConversionError or
// OutOfRangeError with a one-line reason.
Board computeBoard(const std::vector<std::string>& words, Calculators& calc);

// The board as a 3×3 grid, south at the top.
std::string renderText(const Board& board, Tkyokaku& kyokaku);
// The board as one JSON object on one line.
std::string renderJson(const Board& board, Tkyokaku& kyokaku);

// Parses a whole decimal integer; ConversionError naming `what` otherwise.
int parseInt(const std::string& text, const char* what);
// "丙寅" → (3, 3); OutOfRangeError for anything else.
std::pair<StemNo, BranchNo> parseKansi(const std::string& text);

} // namespace hoshi::tool
