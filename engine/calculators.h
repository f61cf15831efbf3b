#pragma once
// The four board calculators and the one pattern detector they share, wired
// together. The program makes one at start-up; tools and tests make their own.

#include "dayban.h"
#include "jiban.h"
#include "kyokaku.h"
#include "nenban.h"
#include "tukiban.h"

namespace hoshi {

struct Calculators {
    Tkyokaku kyokaku;
    Tnenban nenban;
    Ttukiban tukiban;
    Tdayban dayban;
    Tjiban jiban;

    Calculators() {
        nenban.kyokaku = &kyokaku;
        tukiban.kyokaku = &kyokaku;
        dayban.kyokaku = &kyokaku;
        jiban.kyokaku = &kyokaku;
        tukiban.nenban = &nenban;
    }
    Calculators(const Calculators&) = delete;
    Calculators& operator=(const Calculators&) = delete;
};

} // namespace hoshi
