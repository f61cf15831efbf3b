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
    run_.decode(table_.current(), slot);
    run_.calculate();
    lastGood_ = Place{table_.recNo(), slot};
}

void TableSearchBoard::begin() {
    lastGood_.reset();
    calculated_ = false;
    hold_.emplace(table_);
}

void TableSearchBoard::end(bool) {
    hold_.reset();
}

} // namespace hoshi
