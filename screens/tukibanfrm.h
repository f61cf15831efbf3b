#pragma once
// Ttukibanfrm: the month board screen. Lists the month table and computes
// the month board of the current record, the year calculator holding the
// month's solar year.

#include "boardscreen.h"
#include "nenban.h"
#include "tukiban.h"

namespace hoshi {

class Ttukibanfrm : public TBoardScreen {
    Q_OBJECT
public:
    Ttukibanfrm(Ttukiban& tukiban, Tnenban& nenban, TKanMo1& kanmo, QWidget* parent = nullptr);

    void kanteiClick() { compute(); }
    void decode() override;
    void calculate() override;
    const BoardFields& board() const override { return tukiban_; }
    QString kansiText() const override;

private:
    Ttukiban& tukiban_;
    Tnenban& nenban_;
};

} // namespace hoshi
