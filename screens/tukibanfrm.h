#pragma once
// Ttukibanfrm: the month board screen. Lists the month table and computes
// the month board of the current record, the year calculator holding the
// month's solar year.

#include "boardscreen.h"

namespace hoshi {

class Ttukibanfrm : public TBoardScreen {
    Q_OBJECT
public:
    Ttukibanfrm(Calculators& calc, const TKanMo1& kanmo, QWidget* parent = nullptr);

    void kanteiClick() { compute(); }
};

} // namespace hoshi
