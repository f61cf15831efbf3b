// The purpose search engine against a scripted calendar: every record's
// boards are set palace by palace, so each case shows one rule of the scan.
#include "purposesearch.h"

#include <gtest/gtest.h>

#include <map>

#include "catalogue.h"

using namespace hoshi;

namespace {

struct NoSink : MessageSink {
    void information(const std::string&) override {}
};

// One palace of a scripted board.
struct Palace {
    PalaceNo p;
    const char* ten;
    const char* ti;
    Kitikaku code = Kitikaku::none;
};

// Every outer palace 乙/乙 (×) unless given; 甲/甲 and 丁/丁 are ○.
BoardFields makeBoard(std::initializer_list<Palace> palaces) {
    BoardFields b;
    for (PalaceNo p = 1; p <= 9; ++p) b.ten[p] = b.ti[p] = "乙";
    for (const Palace& q : palaces) {
        b.ten[q.p] = q.ten;
        b.ti[q.p] = q.ti;
        b.kitikaku[q.p] = code(q.code);
    }
    return b;
}

// A calendar of day records 2030/01/01, 2030/01/02, …, each with a board
// per slot (slot 0: the day board); a board not given is all ×.
struct ScriptedBoard : SearchBoard {
    struct Record {
        std::map<int, BoardFields> boards;
        bool bad = false;
    };
    std::vector<Record> records;
    int row = 0;
    bool atEnd = false, atBeginning = false;
    BoardFields current = makeBoard({});
    Period last;
    std::vector<std::pair<int, int>> calculated; // (row, slot)
    int begins = 0, ends = 0, failedEnds = 0, startSlot = 6;

    explicit ScriptedBoard(std::size_t n) : records(n) {}
    std::string key(int r) const {
        return "2030/01/" + std::string(r + 1 < 10 ? "0" : "") + std::to_string(r + 1);
    }

    bool findKey(const std::string& k) override {
        for (int r = 0; r < static_cast<int>(records.size()); ++r)
            if (key(r) == k) {
                row = r;
                atEnd = atBeginning = false;
                return true;
            }
        return false;
    }
    void next() override {
        if (row + 1 < static_cast<int>(records.size())) {
            ++row;
            atEnd = atBeginning = false;
        } else {
            atEnd = true;
        }
    }
    void prior() override {
        if (row > 0) {
            --row;
            atEnd = atBeginning = false;
        } else {
            atBeginning = true;
        }
    }
    bool eof() const override { return atEnd; }
    bool bof() const override { return atBeginning; }
    void computeShown() override { calculate(startSlot); }
    void calculate(int slot) override {
        calculated.emplace_back(row, slot);
        last = {2030, 1, row + 1, slot};
        const Record& r = records[static_cast<std::size_t>(row)];
        if (r.bad) throw ConversionError("'x' is not a valid integer value (ju)");
        auto it = r.boards.find(slot);
        current = it == r.boards.end() ? makeBoard({}) : it->second;
    }
    const BoardFields& board() const override { return current; }
    Period period() const override { return last; }
    void begin() override { ++begins; }
    void end(bool failed) override {
        ++ends;
        failedEnds += failed;
    }
};

struct Search : ::testing::Test {
    NoSink sink;
    TKanMo1 kanmo{sink};
    const PurposeSearchDef& kekkonMonth = findPurpose("kekkon")->searches[1];
    PurposeSearch day(const PurposeSearchDef& entry, std::function<bool()> female = {}) {
        return PurposeSearch(BoardKind::day, ruleOf(entry, std::move(female)), kanmo);
    }
    PurposeSearch hour(const PurposeSearchDef& entry) {
        return PurposeSearch(BoardKind::hour, ruleOf(entry), kanmo);
    }
};

TEST_F(Search, PalacesQualifyByMarkAndSet) {
    // The kekkon set {乙奇得使, 地遁, 竜遁, 虎遁, 風遁}.
    const PurposeSearch s = day(kekkonMonth);
    struct Case {
        BoardFields b;
        std::string directions;
    };
    const Case cases[] = {
        // Three in palace order, each label with its space; the centre never.
        {makeBoard({{9, "甲", "甲", Kitikaku::futon},
                    {2, "丁", "丁", Kitikaku::titon},
                    {6, "甲", "甲", Kitikaku::otuKiTokusi},
                    {5, "甲", "甲", Kitikaku::koton}}),
         "<南> <西> <北西> "},
        // ○ with a pattern outside the set; × with a pattern in it; ○ and no pattern.
        {makeBoard({{1, "甲", "甲", Kitikaku::otuKiSyoden},
                    {2, "乙", "乙", Kitikaku::otuKiTokusi},
                    {3, "丁", "丁", Kitikaku::none}}),
         ""},
        {makeBoard({{7, "丁", "丁", Kitikaku::unton}}), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(PurposeSearch::directionsText(s.qualifying(c.b)), c.directions);

    // Mark only (引越し): every ○, whatever its pattern.
    const PurposeSearch markOnly = day(findPurpose("hikkosi")->searches[0]);
    EXPECT_EQ(PurposeSearch::directionsText(markOnly.qualifying(makeBoard(
                  {{4, "甲", "甲", Kitikaku::none}, {8, "丁", "丁", Kitikaku::unton}, {5, "甲", "甲"}}))),
              "<東> <北> ");
}

TEST_F(Search, CatalogueSetsAsTheMethodGivesThem) {
    const BoardFields unton = makeBoard({{1, "甲", "甲", Kitikaku::unton}});
    const BoardFields otuSyoden = makeBoard({{1, "甲", "甲", Kitikaku::otuKiSyoden}});
    auto accepts = [&](const char* purpose, int search, const BoardFields& b) {
        return !day(findPurpose(purpose)->searches[static_cast<std::size_t>(search)]).qualifying(b).empty();
    };
    EXPECT_TRUE(accepts("ninsin", 0, unton));
    EXPECT_TRUE(accepts("ryoko", 0, unton));
    EXPECT_FALSE(accepts("kekkon", 1, unton));
    int otuSyodenAccepted = 0;
    for (const Purpose& p : purposes())
        for (std::size_t i = 0; i < p.searches.size(); ++i)
            if (!p.searches[i].set.empty())
                otuSyodenAccepted += accepts(std::string(p.name).c_str(), int(i), otuSyoden);
    EXPECT_EQ(otuSyodenAccepted, 2); // the two searches of 旅行
    EXPECT_EQ(purposes().size(), 11u);
    EXPECT_EQ(findPurpose("旅行"), findPurpose("ryoko"));
    EXPECT_EQ(findPurpose("Ryoko"), nullptr);
}

TEST_F(Search, EndukuriReadsItsRadioButtonsAtEachPress) {
    bool female = false;
    const PurposeSearch s = day(findPurpose("endukuri")->searches[0], [&] { return female; });
    ScriptedBoard b(4);
    b.records[1].boards[0] = makeBoard({{3, "甲", "甲", Kitikaku::titon}});        // 地遁: 女 only
    b.records[2].boards[0] = makeBoard({{4, "丁", "丁", Kitikaku::seiryuHensyu}}); // 青竜返首: 男 only
    SearchLabels l;
    ASSERT_EQ(s.start(b, "2030/01/01", l), ScanEnd::found);
    EXPECT_EQ(l.period, "2030年1月3日");
    EXPECT_EQ(l.directions, "<東> ");
    female = true;
    ASSERT_EQ(s.previous(b, l), ScanEnd::found);
    EXPECT_EQ(l.period, "2030年1月2日");
    EXPECT_EQ(l.directions, "<南西> ");
}

TEST_F(Search, StartNeverOffersTheStartingRecord) {
    const PurposeSearch s = day(findPurpose("hikkosi")->searches[0]);
    ScriptedBoard b(3);
    b.records[0].boards[0] = makeBoard({{1, "甲", "甲"}});
    b.records[2].boards[0] = makeBoard({{2, "甲", "甲"}});
    SearchLabels l{"日", ""};
    ASSERT_EQ(s.start(b, "2030/01/01", l), ScanEnd::found);
    EXPECT_EQ(l.period, "2030年1月3日");
    EXPECT_EQ(b.calculated.front(), std::make_pair(0, b.startSlot)); // shown, not evaluated
    // Today missing: the start goes on from where the cursor stands.
    b.row = 1;
    ASSERT_EQ(s.start(b, "2031/05/05", l), ScanEnd::found);
    EXPECT_EQ(l.period, "2030年1月3日");
}

TEST_F(Search, HourSearchTriesSevenPeriodsInAscendingOrder) {
    const PurposeSearch s = hour(findPurpose("siken")->searches[0]); // {乙奇得使, 玉女守門, 人遁, 鬼遁}
    ScriptedBoard b(5);
    const BoardFields good = makeBoard({{8, "甲", "甲", Kitikaku::jinton}});
    for (int slot : {1, 2, 3, 4, 12}) b.records[1].boards[slot] = good; // 23時 1時 3時 5時 21時: never tried
    b.records[1].boards[8] = good;                                      // 13時
    b.records[1].boards[10] = good;                                     // 17時
    b.records[2].boards[9] = good;
    b.records[3].boards[7] = b.records[3].boards[11] = good;
    SearchLabels l;
    ASSERT_EQ(s.start(b, "2030/01/01", l), ScanEnd::found);
    EXPECT_EQ(l.period, "2030年1月2日13時");
    EXPECT_EQ(l.directions, "<北> ");
    ASSERT_EQ(s.next(b, l), ScanEnd::found); // the later 17時 of the same day is never offered
    EXPECT_EQ(l.period, "2030年1月3日15時");
    for (auto [row, slot] : std::vector(b.calculated.begin() + 1, b.calculated.end())) {
        EXPECT_GE(slot, 5);
        EXPECT_LE(slot, 11);
    }
    ASSERT_EQ(s.next(b, l), ScanEnd::found);
    EXPECT_EQ(l.period, "2030年1月4日11時"); // the earliest of the day
    ASSERT_EQ(s.previous(b, l), ScanEnd::found);
    EXPECT_EQ(l.period, "2030年1月3日15時");
    ASSERT_EQ(s.previous(b, l), ScanEnd::found); // backward too, the day's earliest period
    EXPECT_EQ(l.period, "2030年1月2日13時");
    // A day that does not qualify leaves the last slot tried at 19時.
    b.calculated.clear();
    ASSERT_EQ(s.previous(b, l), ScanEnd::ran_off);
    EXPECT_EQ(b.calculated.back(), std::make_pair(0, 11));
}

TEST_F(Search, EndAndBeginningOfTheTable) {
    const PurposeSearch s = day(findPurpose("hikkosi")->searches[0]);
    ScriptedBoard b(4);
    b.records[1].boards[0] = makeBoard({{1, "甲", "甲"}});
    SearchLabels l;
    ASSERT_EQ(s.start(b, "2030/01/01", l), ScanEnd::found);
    const SearchLabels found = l;
    // Nothing more: the scan walks to the end and leaves both labels.
    EXPECT_EQ(s.next(b, l), ScanEnd::ran_off);
    EXPECT_EQ(l.period, found.period);
    EXPECT_EQ(l.directions, found.directions);
    EXPECT_EQ(b.row, 3);
    EXPECT_TRUE(b.eof());
    // A second 次: the period of the board last computed, no directions.
    EXPECT_EQ(s.next(b, l), ScanEnd::flagSet);
    EXPECT_EQ(l.period, "2030年1月4日");
    EXPECT_EQ(l.directions, "");
    // 前 still works.
    EXPECT_EQ(s.previous(b, l), ScanEnd::found);
    EXPECT_EQ(l.period, "2030年1月2日");
    // At the first record 前 runs off, labels unchanged; again: the flag is set.
    EXPECT_EQ(s.previous(b, l), ScanEnd::ran_off);
    EXPECT_EQ(l.period, "2030年1月2日");
    EXPECT_EQ(s.previous(b, l), ScanEnd::flagSet);
    EXPECT_EQ(l.period, "2030年1月1日");
    EXPECT_EQ(b.begins, b.ends);
    EXPECT_EQ(b.failedEnds, 0);
}

TEST_F(Search, AnUndecodableRecordEndsTheOperation) {
    const PurposeSearch s = day(findPurpose("hikkosi")->searches[0]);
    ScriptedBoard b(4);
    b.records[2].bad = true;
    b.records[3].boards[0] = makeBoard({{9, "甲", "甲"}});
    SearchLabels l{"日", ""};
    EXPECT_THROW(s.start(b, "2030/01/01", l), ConversionError);
    EXPECT_EQ(l.period, "日"); // both labels unchanged
    EXPECT_EQ(b.row, 2);       // the cursor on the failing record
    EXPECT_EQ(b.failedEnds, 1);
    ASSERT_EQ(s.next(b, l), ScanEnd::found); // 次 moves on from it
    EXPECT_EQ(l.period, "2030年1月4日");
    EXPECT_EQ(l.directions, "<北西> ");
}

TEST(PeriodText, ByKind) {
    const SearchBoard::Period p{2025, 4, 7, 6};
    EXPECT_EQ(PurposeSearch::periodText(BoardKind::year, p), "2025年");
    EXPECT_EQ(PurposeSearch::periodText(BoardKind::month, p), "2025年4月");
    EXPECT_EQ(PurposeSearch::periodText(BoardKind::day, p), "2025年4月7日");
    EXPECT_EQ(PurposeSearch::periodText(BoardKind::hour, p), "2025年4月7日9時");
    EXPECT_EQ(PurposeSearch::periodText(BoardKind::hour, {2026, 1, 1, 1}), "2026年1月1日23時");
}

} // namespace
