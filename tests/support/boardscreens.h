#pragma once
// The four board screens on one set of calculators, attached to a store.

#include <array>

#include "hoshimidb1.h"
#include "houitorifrm.h"
#include "jibanfrm.h"
#include "nenbanfrm.h"
#include "nitibanfrm.h"
#include "tukibanfrm.h"

namespace hoshi::test {

struct FourBoardScreens {
    Thouitorifrm houitori{nullptr};
    Tnitibanfrm day;
    Tjibanfrm hour;
    Ttukibanfrm month;
    Tnenbanfrm year;

    FourBoardScreens(Calculators& calc, const TKanMo1& kanmo, Thoshimidb1& store)
        : day(calc, kanmo), hour(calc, kanmo), month(calc, kanmo), year(calc, kanmo) {
        for (TBoardScreen* s : byKind()) {
            s->attach(store);
            s->setBoardScreens(byKind());
            s->setHouitoriWindow(&houitori);
        }
    }
    // By BoardKind: year, month, day, hour.
    std::array<TBoardScreen*, 4> byKind() { return {&year, &month, &day, &hour}; }
};

} // namespace hoshi::test
