#include "screensearchboard.h"

#include "errorbox.h"
#include "jibanfrm.h"

namespace hoshi {

ScreenSearchBoard::ScreenSearchBoard(TBoardScreen& screen)
    : TableSearchBoard(*screen.table(), screen.run()), screen_(screen) {}

void ScreenSearchBoard::computeShown() {
    screen_.decode();
    screen_.calculate();
    screen_.showBoard();
}

void ScreenSearchBoard::finish(bool failed) {
    if (calculated_) {
        try {
            if (!failed)
                screen_.showBoard();
            else if (lastGood_)
                screen_.showSnapshot(run().run(table().record(lastGood_->row), lastGood_->slot));
        } catch (const std::exception& e) {
            showErrorBox(&screen_, e);
        }
        // The time bar stands where the scan set it last.
        if (auto* hour = qobject_cast<Tjibanfrm*>(&screen_)) hour->setSlotQuietly(lastSlot_);
    }
}

} // namespace hoshi
