#pragma once
// Compact text of a palace for table-driven board checks:
// "heaven/earth star gate nine-star deity", empty names shown as "-".

#include <string>

#include "board.h"

namespace hoshi::test {

inline std::string orDash(std::string_view s) {
    return s.empty() ? std::string("-") : std::string(s);
}

inline std::string palaceText(const BoardFields& b, int p) {
    return orDash(b.ten[p]) + "/" + orDash(b.ti[p]) + " " + orDash(b.sei[p]) + " " + orDash(b.mon[p]) + " " +
           orDash(b.kyu[p]) + " " + orDash(b.jin[p]);
}

inline std::string plate(const Palaces<Name>& names) {
    std::string s;
    for (int p = 1; p <= 9; ++p) s += (p > 1 ? " " : "") + orDash(names[p]);
    return s;
}

} // namespace hoshi::test
