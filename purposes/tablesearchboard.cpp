#include "tablesearchboard.h"

namespace hoshi {

TableSearchBoard::TableSearchBoard(CalendarTable& table, BoardRun& run, int startSlot)
    : table_(table), run_(run), startSlot_(startSlot) {}

void TableSearchBoard::computeShown() {
    run_.decode(table_.current(), startSlot_);
    run_.calculate();
}

void TableSearchBoard::calculate(int slot) {
    calculated_ = true;
    lastSlot_ = slot;
    // The seven periods of a day share the decoded record: only the slot changes.
    if (run_.kind() == BoardKind::hour && decodedRow_ == table_.recNo()) {
        run_.setSlot(slot);
    } else {
        decodedRow_ = -1;
        run_.decode(table_.current(), slot);
        decodedRow_ = table_.recNo();
    }
    run_.calculate(Judge::auspiciousOnly);
    lastGood_ = Place{table_.recNo(), slot};
}

void TableSearchBoard::begin() {
    lastGood_.reset();
    calculated_ = false;
    decodedRow_ = -1;
    hold_.emplace(table_);
}

void TableSearchBoard::end(bool failed) {
    if (calculated_ && !failed) run_.calculate(Judge::all);
    finish(failed);
    hold_.reset();
}

} // namespace hoshi
