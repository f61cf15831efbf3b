#pragma once
// Tnenbanfrm: the year board screen. Lists the year table and computes the
// year board of the current record; the ju comes from the year calculation,
// never from the record.

#include "boardscreen.h"

namespace hoshi {

class Tnenbanfrm : public TBoardScreen {
    Q_OBJECT
public:
    Tnenbanfrm(Calculators& calc, const TKanMo1& kanmo, QWidget* parent = nullptr);

    void nenbanbtnClick() { compute(); }
};

} // namespace hoshi
