#pragma once
// Tnenbanfrm: the year board screen. Lists the year table and computes the
// year board of the current record; the ju comes from the year calculation,
// never from the record.

#include "boardscreen.h"
#include "nenban.h"

namespace hoshi {

class Tnenbanfrm : public TBoardScreen {
    Q_OBJECT
public:
    Tnenbanfrm(Tnenban& nenban, TKanMo1& kanmo, QWidget* parent = nullptr);

    void nenbanbtnClick() { compute(); }
    void decode() override;
    void calculate() override;
    const BoardFields& board() const override { return nenban_; }
    QString kansiText() const override;

private:
    Tnenban& nenban_;
};

} // namespace hoshi
