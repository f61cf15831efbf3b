#include "oukiban.h"

#include <array>
#include <string_view>

#include "errors.h"

namespace hoshi {

namespace {

using Board = std::array<StemNo, 10>; // [palace 1..9]
using Table = std::array<Board, 10>;  // [board 1..9]

// One board as printed: the stem names of palaces 1..9 (SE, S, SW, E, centre,
// W, NE, N, NW), three bytes each. A name that is not a stem stops the build.
consteval Board board(std::string_view stems) {
    Board b{};
    for (std::size_t p = 1; p <= 9; ++p) {
        auto n = findName(kanName, stems.substr((p - 1) * 3, 3), 1);
        if (!n) throw "not a stem name";
        b[p] = *n;
    }
    return b;
}

// 陽局
constexpr Table yangTable = {{
    {},
    board("丙辛癸丁乙己庚壬戊"),
    board("丁庚壬癸丙戊己辛乙"),
    board("癸己辛壬丁乙戊庚丙"),
    board("乙壬丁丙戊庚辛癸己"),
    board("戊癸丙乙己辛壬丁庚"),
    board("己丁乙戊庚壬癸丙辛"),
    board("庚丙戊己辛癸丁乙壬"),
    board("辛乙己庚壬丁丙戊癸"),
    board("壬戊庚辛癸丙乙己丁"),
}};

// 陰局
constexpr Table yinTable = {{
    {},
    board("戊壬庚己乙丁癸辛丙"),
    board("乙辛己戊丙癸壬庚丁"),
    board("丙庚戊乙丁壬辛己癸"),
    board("己癸辛庚戊丙丁壬乙"),
    board("庚丁壬辛己乙丙癸戊"),
    board("辛丙癸壬庚戊乙丁己"),
    board("壬乙丁癸辛己戊丙庚"),
    board("癸戊丙丁壬庚己乙辛"),
    board("丁己乙丙癸辛庚戊壬"),
}};

const Table& tableOf(ResponseTable t) {
    return t == ResponseTable::yang ? yangTable : yinTable;
}

} // namespace

StemNo responseStem(ResponseTable table, int board, PalaceNo p) {
    checkRange(board, 1, 9, "response board");
    checkRange(p, 1, 9, "palace");
    return tableOf(table)[static_cast<std::size_t>(board)][static_cast<std::size_t>(p)];
}

std::optional<int> findResponseBoard(ResponseTable table, PalaceNo p, StemNo stem) {
    checkRange(p, 1, 9, "palace");
    const Table& t = tableOf(table);
    for (int i = 1; i <= 9; ++i)
        if (t[static_cast<std::size_t>(i)][static_cast<std::size_t>(p)] == stem) return i;
    return std::nullopt;
}

} // namespace hoshi
