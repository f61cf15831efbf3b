#pragma once
// The SearchBoard of a purpose screen: the board screen of the search's
// kind and its shared calendar cursor. Every record is decoded and
// calculated by the screen's board run; only the board a scan stops on is
// shown, once: the found board, at the end of the table the last record's
// board, on an error the last board calculated without error. The grid and
// bound fields follow the cursor with one notification.

#include "boardscreen.h"
#include "tablesearchboard.h"

namespace hoshi {

class ScreenSearchBoard : public TableSearchBoard {
public:
    explicit ScreenSearchBoard(TBoardScreen& screen);

    void computeShown() override; // the screen's own compute steps, errors thrown

protected:
    void finish(bool failed) override;

private:
    TBoardScreen& screen_;
};

} // namespace hoshi
