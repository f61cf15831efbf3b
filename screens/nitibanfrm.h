#pragma once
// Tnitibanfrm: the day board screen, the workbench's main view. It lists the
// day table, computes the day board of the current record and shows it.
// Two hidden maintenance buttons run the computation over the table.

#include "boardscreen.h"

class QPushButton;

namespace hoshi {

class TDBDUMPForm;

class Tnitibanfrm : public TBoardScreen {
    Q_OBJECT
public:
    Tnitibanfrm(Calculators& calc, const TKanMo1& kanmo, QWidget* parent = nullptr);

    // The window the DUMP run writes to (it is made after this screen).
    void setDumpWindow(TDBDUMPForm* dump) { dump_ = dump; }

    void kanteiClick() { compute(); }

    // Maintenance: compute every record from the first to the last.
    void BitBtn2Click();
    // Maintenance ("DUMP"): 1500 records from the current one into the dump
    // window, one line each: the date, then heaven and earth stem of every
    // outer palace.
    void BitBtn3Click();

    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;

private:
    // Decodes and calculates records without showing them, then shows the
    // board it stops on (on an error the last good one, then the error).
    template <typename Body> void quietRun(Body body);
    TDBDUMPForm* dump_ = nullptr;
};

} // namespace hoshi
