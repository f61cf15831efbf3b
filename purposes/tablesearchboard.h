#pragma once
// A SearchBoard over a calendar table and the board run of the search's
// kind, with no screen: the command-line search uses it as it is, the
// purpose screens add what the board screen shows when an operation ends.

#include <optional>

#include "boardrun.h"
#include "calendartable.h"
#include "purposesearch.h"

namespace hoshi {

class TableSearchBoard : public SearchBoard {
public:
    // `startSlot`: the hour board's slot for the start's compute.
    TableSearchBoard(CalendarTable& table, BoardRun& run, int startSlot = 6);

    bool findKey(const std::string& key) override { return table_.findKey(key); }
    void next() override { table_.next(); }
    void prior() override { table_.prior(); }
    bool eof() const override { return table_.eof(); }
    bool bof() const override { return table_.bof(); }
    void computeShown() override;
    void calculate(int slot) override;
    const BoardFields& board() const override { return run_.fields(); }
    Period period() const override { return run_.period(); }
    // Views of the table follow the cursor once, when the scan ends. The
    // boards of a scan are calculated without the inauspicious patterns;
    // the one it stops on is calculated again in full, so the shared
    // detector describes it.
    void begin() override;
    void end(bool failed) override;

    CalendarTable& table() { return table_; }
    BoardRun& run() { return run_; }

protected:
    // What a screen shows when the scan ends, before its views follow the
    // cursor; nothing here.
    virtual void finish(bool failed) { (void)failed; }

    // Where the scan calculated without error last (row and slot), and the
    // slot it tried last; set between begin and end.
    struct Place {
        int row = -1, slot = 0;
    };
    std::optional<Place> lastGood_;
    int lastSlot_ = 0;
    bool calculated_ = false;

private:
    CalendarTable& table_;
    BoardRun& run_;
    int startSlot_;
    int decodedRow_ = -1; // the hour record decoded last in this scan
    std::optional<NotificationHold> hold_;
};

} // namespace hoshi
