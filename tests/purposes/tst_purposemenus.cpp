// The purpose screens on the small fixture calendar (three days from
// 2001/05/03): what the labels and the board screens show after each
// press, the shared day-table flag, and the catalogue's controls.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

#include "boardscreens.h"
#include "calendartable.h"
#include "jibanfrm.h"
#include "nenbanfrm.h"
#include "nitibanfrm.h"
#include "purposemenu.h"
#include "screenfixture.h"
#include "tukibanfrm.h"

using namespace hoshi;
using hoshi::test::reportedErrors;

class PurposeMenus : public QObject {
    Q_OBJECT
    std::unique_ptr<test::ScreenFixture> fx;
    std::unique_ptr<test::FourBoardScreens> screens;
    Tnitibanfrm* day = nullptr;
    Tjibanfrm* hour = nullptr;
    Ttukibanfrm* month = nullptr;
    Tnenbanfrm* year = nullptr;
    std::vector<std::unique_ptr<TPurposeMenu>> menus;

    TPurposeMenu& menu(const char* name) {
        for (auto& m : menus)
            if (m->purpose().name == name) return *m;
        throw std::runtime_error(name);
    }
    static QString labels(const TPurposeMenu::Search& s) {
        return s.period->text() + QLatin1Char('|') + s.directions->text();
    }

private slots:
    void init() {
        fx = std::make_unique<test::ScreenFixture>();
        screens = std::make_unique<test::FourBoardScreens>(fx->calc, fx->kanmo, fx->store);
        day = &screens->day;
        hour = &screens->hour;
        month = &screens->month;
        year = &screens->year;
        const BoardScreens boards = screens->byKind();
        for (const Purpose& p : purposes())
            menus.push_back(
                std::make_unique<TPurposeMenu>(p, boards, fx->kanmo, [] { return QDate(2001, 5, 3); }));
    }
    void cleanup() {
        menus.clear();
        screens.reset();
        fx.reset();
    }

    void controlsFromTheCatalogue() {
        TPurposeMenu& ryoko = menu("ryoko");
        QCOMPARE(ryoko.windowTitle(), QStringLiteral("旅行"));
        QCOMPARE(ryoko.searches.size(), std::size_t(2));
        QCOMPARE(ryoko.searches[0].start->objectName(), QStringLiteral("tukiserch"));
        QCOMPARE(ryoko.searches[0].start->text(), QStringLiteral("良い月検索開始"));
        QCOMPARE(ryoko.searches[0].heading->objectName(), QStringLiteral("Label3"));
        QCOMPARE(ryoko.searches[1].start->objectName(), QStringLiteral("dayserch"));
        QCOMPARE(ryoko.searches[1].period->text(), QStringLiteral("日"));
        QCOMPARE(ryoko.searches[1].heading->text(), QStringLiteral("吉の方位"));
        QVERIFY(ryoko.searches[0].start->y() < ryoko.searches[1].start->y());
        TPurposeMenu& syori = menu("syori"); // a day search started by jiserch
        QCOMPARE(syori.searches[0].start->objectName(), QStringLiteral("jiserch"));
        QCOMPARE(syori.searches[0].start->text(), QStringLiteral("良い日検索開始"));
        QCOMPARE(syori.searches[0].directions->objectName(), QStringLiteral("daykiti"));
        QCOMPARE(menu("siken").searches[0].period->text(), QStringLiteral("時刻"));
        QCOMPARE(menu("myhome").headingStrip->text(), QStringLiteral("ﾏｲﾎｰﾑ.社屋の建築"));
        QVERIFY(menu("endukuri").male->isChecked());
        QVERIFY(!menu("kekkon").male);
        QCOMPARE(menu("kekkon").objectName(), QStringLiteral("kekkonmenu"));
    }

    // 勝利 searches days for {青竜返首, 飛鳥跌穴, 丙奇得使, 丙奇昇殿, 天遁, 神遁}.
    void daySearchShowsTheFoundBoardAndWalksToTheEnd() {
        TPurposeMenu& m = menu("syori");
        const TPurposeMenu::Search& s = m.searches[0];
        s.start->click();
        QCOMPARE(labels(s), QStringLiteral("2001年5月4日|<南> "));
        QCOMPARE(fx->store.Table1.recNo(), 1);
        QVERIFY(day->isVisible());
        QCOMPARE(day->kansi->text(), QStringLiteral("乙丑 [立向日盤] 陽 8 極"));
        QCOMPARE(day->boundEdit("ymd")->text(), QStringLiteral("2001/05/04"));
        QCOMPARE(day->DBGrid1->currentIndex().row(), 1);
        s.next->click();
        QCOMPARE(labels(s), QStringLiteral("2001年5月5日|<南> <東> "));
        QCOMPARE(day->kansi->text(), QStringLiteral("丙寅 [立向日盤] 陰 1 極"));
        s.next->click(); // the end: labels unchanged
        QCOMPARE(labels(s), QStringLiteral("2001年5月5日|<南> <東> "));
        QVERIFY(fx->store.Table1.eof());
        s.next->click(); // again: the last period, no directions
        QCOMPARE(labels(s), QStringLiteral("2001年5月5日|"));
        s.previous->click();
        QCOMPARE(labels(s), QStringLiteral("2001年5月4日|<南> "));
        QCOMPARE(day->kansi->text(), QStringLiteral("乙丑 [立向日盤] 陽 8 極"));
        QVERIFY(reportedErrors().isEmpty());
    }

    // 商談 searches hours for the same set; the day and hour searches share
    // the day table's cursor and its end flag.
    void hourSearchAndTheSharedEndFlag() {
        const TPurposeMenu::Search& d = menu("syori").searches[0];
        d.start->click();
        const TPurposeMenu::Search& h = menu("syodan").searches[0];
        h.start->click();
        QCOMPARE(labels(h), QStringLiteral("2001年5月4日7時|<南西> ")); // 丙奇得使
        QVERIFY(hour->isVisible());
        QCOMPARE(hour->timeBar->value(), 4);
        QCOMPARE(hour->tlabel->text(), QStringLiteral("07-09時の運勢"));
        QCOMPARE(hour->kansi->text(), QStringLiteral("庚辰 [立向時盤] 陽 2 極"));
        h.next->click();
        QCOMPARE(labels(h), QStringLiteral("2001年5月5日15時|<南西> ")); // 青竜返首
        QCOMPARE(hour->timeBar->value(), 8);
        h.next->click();
        QVERIFY(fx->store.Table1.eof());
        d.next->click(); // the day search meets the flag at once: the day board last computed
        QCOMPARE(labels(d), QStringLiteral("2001年5月4日|"));
        QVERIFY(reportedErrors().isEmpty());
    }

    void anErrorShowsTheLastGoodBoardAndNextMovesOn() {
        auto days = test::fixtureDays;
        days[1][3] = "x"; // a stored record no post would accept
        menus.clear();
        screens.reset();
        fx.reset(); // first: the old fixture's end restores the real error box
        fx = std::make_unique<test::ScreenFixture>(days);
        screens = std::make_unique<test::FourBoardScreens>(fx->calc, fx->kanmo, fx->store);
        day = &screens->day;
        for (const Purpose& p : purposes())
            menus.push_back(std::make_unique<TPurposeMenu>(p, screens->byKind(), fx->kanmo,
                                                           [] { return QDate(2001, 5, 3); }));
        const TPurposeMenu::Search& s = menu("syori").searches[0];
        s.start->click();
        QCOMPARE(reportedErrors().size(), 1);
        QCOMPARE(labels(s), QStringLiteral("日|"));
        QCOMPARE(fx->store.Table1.recNo(), 1);                                   // on the failing record
        QCOMPARE(day->kansi->text(), QStringLiteral("丙寅 [立向日盤] 陽 1 極")); // the start's board
        s.next->click();
        QCOMPARE(labels(s), QStringLiteral("2001年5月5日|<南> <東> "));
    }

    // The months: 2000/12 has 飛鳥跌穴 (男) south-west and 丁奇得使 (neither
    // set) south; 2001/01 and 2001/02 have no pattern.
    void endukuriSwitchesItsSetBetweenPresses() {
        TPurposeMenu& m = menu("endukuri");
        const TPurposeMenu::Search& s = m.searches[0];
        s.start->click(); // 2001/05 is not in the table: from 2000/12 on, nothing
        QVERIFY(month->isVisible());
        QCOMPARE(labels(s), QStringLiteral("月|"));
        QVERIFY(fx->store.Table2.eof());
        m.female->click();
        s.previous->click();
        QCOMPARE(labels(s), QStringLiteral("月|"));
        QVERIFY(fx->store.Table2.bof());
        fx->store.Table2.last(); // the grid moved between presses
        m.male->click();
        s.previous->click();
        QCOMPARE(labels(s), QStringLiteral("2000年12月|<南西> "));
        QCOMPARE(month->kansi->text(), QStringLiteral("戊子 [立向月盤] 陰 4 極"));
        QVERIFY(reportedErrors().isEmpty());
    }
};

QTEST_MAIN(PurposeMenus)
#include "tst_purposemenus.moc"
