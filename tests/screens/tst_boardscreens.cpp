// The four board screens on a small calendar: what a compute shows, which
// triggers recompute, how errors leave the board, the hour screen's time bar
// and the day table's cursor shared by the day and hour screens.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include "boardscreens.h"
#include "calendartable.h"
#include "dbdumpform.h"
#include "jibanfrm.h"
#include "nenbanfrm.h"
#include "nitibanfrm.h"
#include "qtext.h"
#include "screenfixture.h"
#include "tukibanfrm.h"

using namespace hoshi;
using hoshi::test::reportedErrors;

namespace {

QStringList memoLines(const TBoardScreen& s, int p) {
    return s.Memo[p]->toPlainText().split('\n');
}

// A text box of a fixture board: its first line, the stems of its reading
// and its pattern line ("" for none).
struct Box {
    int palace;
    const char* first;
    const char* heaven;
    const char* earth;
    const char* pattern;
};

QStringList expectedMemo(const Box& b) {
    const int h = *findName(kanName, b.heaven, 1), e = *findName(kanName, b.earth, 1);
    QStringList lines{QString::fromUtf8(b.first), qs(TKanMo1::reading(h, e))};
    if (*b.pattern) lines << QString::fromUtf8(b.pattern);
    return lines;
}

} // namespace

class BoardScreensTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::ScreenFixture> fx;
    std::unique_ptr<test::FourBoardScreens> screens;
    Tnitibanfrm* day = nullptr;
    Tjibanfrm* hour = nullptr;
    Ttukibanfrm* month = nullptr;
    Tnenbanfrm* year = nullptr;

private slots:
    void init() {
        fx = std::make_unique<test::ScreenFixture>();
        screens = std::make_unique<test::FourBoardScreens>(fx->calc, fx->kanmo, fx->store);
        day = &screens->day;
        hour = &screens->hour;
        month = &screens->month;
        year = &screens->year;
    }
    void cleanup() {
        screens.reset();
        fx.reset();
    }

    void dayComputeFillsCellsTooltipsAndTextBoxes() {
        day->kanteiClick();
        QVERIFY(reportedErrors().isEmpty());
        QCOMPARE(day->kansi->text(), QStringLiteral("丙寅 [立向日盤] 陽 1 極"));
        QCOMPARE(day->rokugilbl->text(), QStringLiteral("六儀:戊"));
        const Tdayban& b = fx->calc.dayban;
        for (int p = 1; p <= 9; ++p) {
            QCOMPARE(day->tiCell[p]->text(), qs(b.ti[p]));
            QCOMPARE(day->tenCell[p]->text(), qs(b.ten[p]));
            QCOMPARE(day->seiCell[p]->toolTip(), qs(seiSetumei[b.seiNo[p]]));
            QCOMPARE(day->kyuCell[p]->toolTip(), qs(kyuSetumei[b.kyuNo[p]]));
            QCOMPARE(day->jinCell[p]->toolTip(), qs(jinSetumei[b.jinNo[p]]));
            QCOMPARE(day->tiCell[p]->toolTip(), qs(kanSetumei[*findName(kanName, b.ti[p], 1)]));
            if (p == 5) continue;
            QCOMPARE(day->monCell[p]->toolTip(), qs(monSetumei[b.monNo[p]]));
        }
        // 2001/05/03: 丙寅, yang dun, ju 1, month stem 壬.
        const Box boxes[] = {{1, "<南東> ×", "庚", "辛", ""},
                             {2, "<南> ×", "辛", "乙", ""},
                             {3, "<南西> ○", "乙", "己", "■格:乙奇得使"},
                             {4, "<東> ×", "丙", "庚", ""},
                             {6, "<西> ○", "己", "丁", ""},
                             {7, "<北東> ○", "甲", "丙", "■格:青竜返首"},
                             {8, "<北> ○", "癸", "甲", ""},
                             {9, "<北西> ×", "丁", "癸", ""}};
        for (const Box& box : boxes) QCOMPARE(memoLines(*day, box.palace), expectedMemo(box));
        QVERIFY(!day->Memo[5]);
        QCOMPARE(day->monCell[5]->text(), QString());
        QCOMPARE(day->tenCell[5]->text(), QString());
        QCOMPARE(day->tenCell[5]->toolTip(), QString()); // not a stem: the empty tooltip
        QCOMPARE(day->tiCell[1]->text(), QStringLiteral("辛"));
        QCOMPARE(memoLines(*day, 1).first(), QStringLiteral("<南東> ×"));
        QCOMPARE(day->DBGrid1->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("節入日"));
        QCOMPARE(day->DBGrid1->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("時刻"));
    }

    void patternLineHasTheBoardsColon() {
        fx->store.Table1.findKey("2001/05/04");
        day->kanteiClick();
        QCOMPARE(fx->calc.dayban.kitikaku[1], 17);
        QCOMPARE(memoLines(*day, 1).size(), 3);
        QCOMPARE(memoLines(*day, 1).at(2), QStringLiteral("■格:風遁"));
        QCOMPARE(memoLines(*day, 2).at(2), QStringLiteral("■格:丙奇昇殿"));

        fx->store.Table3.findKey("1984"); // 丙 in the south: 丙奇昇殿
        year->nenbanbtnClick();
        QCOMPARE(memoLines(*year, 2).at(2), QStringLiteral("■格：丙奇昇殿"));
    }

    void gridClickAndNavigatorRecompute() {
        day->kanteiClick();
        day->DBGrid1->setCurrentIndex(day->DBGrid1->model()->index(1, 0));
        QCOMPARE(fx->store.Table1.recNo(), 1);
        QCOMPARE(day->kansi->text(),
                 QStringLiteral("丙寅 [立向日盤] 陽 1 極")); // moving alone does not compute
        emit day->DBGrid1->clicked(day->DBGrid1->currentIndex());
        QCOMPARE(day->kansi->text(), QStringLiteral("乙丑 [立向日盤] 陽 8 極"));

        struct Step {
            TCaptionDBNavi::Button button;
            const char* kansi;
        };
        const Step steps[] = {{TCaptionDBNavi::First, "丙寅 [立向日盤] 陽 1 極"},
                              {TCaptionDBNavi::Last, "丙寅 [立向日盤] 陰 1 極"},
                              {TCaptionDBNavi::Prior, "乙丑 [立向日盤] 陽 8 極"},
                              {TCaptionDBNavi::Next, "丙寅 [立向日盤] 陰 1 極"},
                              {TCaptionDBNavi::Refresh, "丙寅 [立向日盤] 陰 1 極"}};
        for (const Step& s : steps) {
            day->kansi->clear();
            day->CaptionDBNavi1->clickButton(s.button);
            QCOMPARE(day->kansi->text(), QString::fromUtf8(s.kansi));
        }
        QVERIFY(reportedErrors().isEmpty());
    }

    void insertedEmptyRecordReportsAndKeepsTheBoard() {
        day->kanteiClick();
        const QString before = day->Memo[1]->toPlainText();
        day->CaptionDBNavi1->clickButton(TCaptionDBNavi::Insert);
        QCOMPARE(reportedErrors().size(), 1);
        QCOMPARE(day->kansi->text(), QStringLiteral("丙寅 [立向日盤] 陽 1 極"));
        QCOMPARE(day->Memo[1]->toPlainText(), before);
        QCOMPARE(day->boundEdit("ymd")->text(), QString());
        day->CaptionDBNavi1->clickButton(TCaptionDBNavi::Cancel);
        QCOMPARE(fx->store.Table1.recordCount(), 3);
        QCOMPARE(day->boundEdit("ymd")->text(), QStringLiteral("2001/05/03"));
        QCOMPARE(reportedErrors().size(), 1);
    }

    void gridEditPostsAndRefusalKeepsTypedValues() {
        QAbstractItemModel* m = day->DBGrid1->model();
        QVERIFY(m->setData(m->index(0, 3), "2", Qt::EditRole));
        day->CaptionDBNavi1->clickButton(TCaptionDBNavi::Post);
        QCOMPARE(day->kansi->text(), QStringLiteral("丙寅 [立向日盤] 陽 2 極"));
        QVERIFY(m->setData(m->index(0, 0), "2001/05/04", Qt::EditRole)); // a key that exists
        day->CaptionDBNavi1->clickButton(TCaptionDBNavi::Post);
        QCOMPARE(reportedErrors().size(), 1);
        QCOMPARE(m->data(m->index(0, 0)).toString(), QStringLiteral("2001/05/04"));
        day->CaptionDBNavi1->clickButton(TCaptionDBNavi::Cancel);
        QCOMPARE(m->data(m->index(0, 0)).toString(), QStringLiteral("2001/05/03"));
    }

    void typingInTheGridEditsAndPostPostsIt() {
        day->show();
        day->kanteiClick();
        QAbstractItemModel* m = day->DBGrid1->model();
        day->DBGrid1->setFocus();
        day->DBGrid1->setCurrentIndex(m->index(0, 3)); // 局 of 2001/05/03
        QTest::keyClick(day->DBGrid1, Qt::Key_4);      // typing opens the editor
        QCOMPARE(fx->store.Table1.state(), RecordCursor::State::Edit);
        QVERIFY(day->CaptionDBNavi1->button(TCaptionDBNavi::Post)->isEnabled());
        day->CaptionDBNavi1->clickButton(TCaptionDBNavi::Post); // the open editor is committed first
        QCOMPARE(fx->store.Table1.state(), RecordCursor::State::Browse);
        QCOMPARE(m->data(m->index(0, 3)).toString(), QStringLiteral("4"));
        QCOMPARE(day->kansi->text(), QStringLiteral("丙寅 [立向日盤] 陽 4 極"));
        QVERIFY(reportedErrors().isEmpty());
    }

    void unknownStemIsReportedAndStopsAtThatPalace() {
        day->kanteiClick();
        const QString lastBox = day->Memo[9]->toPlainText();
        fx->calc.dayban.ten[3] = "子"; // not a stem
        try {
            day->showBoard();
            QFAIL("no error");
        } catch (const OutOfRangeError&) {
        }
        QCOMPARE(fx->sink.messages, QStringList{QStringLiteral("子:Not Found プログラムエラー")});
        QVERIFY(day->Memo[3]->toPlainText().isEmpty());
        QCOMPARE(day->Memo[9]->toPlainText(), lastBox); // the boxes after it keep their lines
        QCOMPARE(day->tenCell[3]->toolTip(), QString());
    }

    void dumpWritesOneLinePerRecordAndShowsTheLast() {
        TDBDUMPForm dump;
        day->setDumpWindow(&dump);
        day->BitBtn3Click();
        const QStringList lines = dump.text().split('\n');
        QCOMPARE(lines.size(), 1500); // the last record repeats at the end of the table
        QVERIFY(lines[0].startsWith(QStringLiteral("2001/05/03,庚,辛,辛,乙,")));
        QCOMPARE(lines[0].count(','), 16);
        QCOMPARE(lines[2], lines[1499]);
        QCOMPARE(day->kansi->text(), QStringLiteral("丙寅 [立向日盤] 陰 1 極"));
        day->BitBtn2Click();
        QVERIFY(fx->store.Table1.eof());
        QCOMPARE(day->kansi->text(), QStringLiteral("丙寅 [立向日盤] 陰 1 極"));
    }

    // A maintenance run that meets a bad record shows the last good board,
    // then the error; the cursor stays on the bad record.
    void quietRunErrorShowsTheLastGoodBoard() {
        auto days = test::fixtureDays;
        days[2][2] = "晴"; // a stored record no post would accept
        screens.reset();
        fx.reset(); // first: the old fixture's end restores the real error box
        fx = std::make_unique<test::ScreenFixture>(days);
        screens = std::make_unique<test::FourBoardScreens>(fx->calc, fx->kanmo, fx->store);
        day = &screens->day;
        day->kanteiClick();
        reportedErrors().clear();
        day->BitBtn2Click();
        QCOMPARE(reportedErrors().size(), 1);
        QVERIFY(reportedErrors().first().contains(QStringLiteral("晴")));
        QCOMPARE(fx->store.Table1.recNo(), 2);
        QCOMPARE(day->kansi->text(), QStringLiteral("乙丑 [立向日盤] 陽 8 極"));
        QCOMPARE(memoLines(*day, 1).at(2), QStringLiteral("■格:風遁"));
    }

    void yearAndMonthHeaders() {
        fx->store.Table3.findKey("1984");
        year->nenbanbtnClick();
        QCOMPARE(year->kansi->text(),
                 QStringLiteral("甲子  [立向年盤] 陰 7 極")); // the ju of 1984, not the record's 5
        QCOMPARE(year->rokugilbl->text(), QStringLiteral("六儀:戊"));
        fx->store.Table3.findKey("2001"); // a 陽 record still reads 陰
        year->nenbanbtnClick();
        QCOMPARE(year->kansi->text(), QStringLiteral("辛巳  [立向年盤] 陰 8 極"));

        fx->store.Table2.findKey("2001/01");
        month->kanteiClick();
        QCOMPARE(fx->calc.nenban.nen, 2000);
        QCOMPARE(month->kansi->text(), QStringLiteral("己丑 [立向月盤] 陰 3 極"));
        QCOMPARE(fx->calc.tukiban.kyuNo[5], 3);
        fx->store.Table2.findKey("2001/02");
        month->kanteiClick();
        QCOMPARE(fx->calc.nenban.nen, 2001);
        QCOMPARE(month->kansi->text(), QStringLiteral("庚寅 [立向月盤] 陰 2 極"));
        QCOMPARE(memoLines(*month, 1), expectedMemo({1, "<南東> ×", "丙", "丙", ""}));
        QCOMPARE(memoLines(*month, 4), expectedMemo({4, "<東> ×", "乙", "乙", "■格：乙奇昇殿"}));
    }

    void decodingErrorsAreReportedAndTheBoardKept() {
        struct Case {
            TBoardScreen* screen;
            CalendarTable* table;
            int field;
            const char* text;
        };
        day->kanteiClick();
        hour->kanteiClick();
        month->kanteiClick();
        year->nenbanbtnClick();
        const Case cases[] = {{day, &fx->store.Table1, 2, "晴"},
                              {hour, &fx->store.Table1, 4, "処暑"},
                              {month, &fx->store.Table2, 3, "１"},
                              {year, &fx->store.Table3, 1, "甲"}};
        for (const Case& c : cases) {
            const QString kansi = c.screen->kansi->text(), box = c.screen->Memo[1]->toPlainText();
            reportedErrors().clear();
            c.table->setField(c.field, c.text);
            c.screen->compute();
            QCOMPARE(reportedErrors().size(), 1);
            QCOMPARE(c.screen->kansi->text(), kansi);
            QCOMPARE(c.screen->Memo[1]->toPlainText(), box);
            c.table->cancel();
        }
    }

    void hourTimeBar() {
        QCOMPARE(hour->timeBar->value(), 5);
        QCOMPARE(hour->tlabel->text(), QStringLiteral("時刻を指定してください。"));
        hour->kanteiClick(); // the first compute is for slot 6 and keeps the waiting label
        QCOMPARE(fx->calc.jiban.jisi, 6);
        QCOMPARE(hour->tlabel->text(), QStringLiteral("時刻を指定してください。"));

        hour->timeBar->setValue(7); // 未: 乙未 on a 丙寅 day under 立夏 中元
        QCOMPARE(hour->tlabel->text(), QStringLiteral("13-15時の運勢"));
        QCOMPARE(hour->kansi->text(), QStringLiteral("乙未 [立向時盤] 陽 4 極"));
        QCOMPARE(hour->rokugilbl->text(), QStringLiteral("六儀:辛"));
        QCOMPARE(memoLines(*hour, 4), expectedMemo({4, "<東> ○", "甲", "乙", ""}));

        hour->timeBar->setValue(12);
        QCOMPARE(hour->timeBar->value(), 11);
        QCOMPARE(hour->tlabel->text(), QStringLiteral("21-23時の運勢"));
        QCOMPARE(fx->calc.jiban.jisi, 12);

        hour->timeBar->setValue(0);
        QCOMPARE(hour->tlabel->text(), QStringLiteral("23-01時の運勢"));
        QCOMPARE(fx->calc.jiban.si, 1); // 子
        for (int pos = 0; pos < 12; ++pos)
            QVERIFY(Tjibanfrm::slotText(pos).endsWith(QStringLiteral("時の運勢")));
    }

    void dayAndHourShareTheDayCursor() {
        day->kanteiClick();
        hour->kanteiClick();
        const QString hourKansi = hour->kansi->text();
        day->CaptionDBNavi1->clickButton(TCaptionDBNavi::Next);
        QCOMPARE(hour->boundEdit("ymd")->text(), QStringLiteral("2001/05/04"));
        QCOMPARE(hour->DBGrid1->currentIndex().row(), 1);
        QCOMPARE(hour->kansi->text(), hourKansi); // the hour board is not recomputed
        hour->CaptionDBNavi1->clickButton(TCaptionDBNavi::Next);
        QCOMPARE(day->boundEdit("ymd")->text(), QStringLiteral("2001/05/05"));
        QCOMPARE(day->kansi->text(), QStringLiteral("乙丑 [立向日盤] 陽 8 極"));
        QCOMPARE(fx->calc.jiban.niti, 5); // its own navigator recomputes its board
    }
};

QTEST_MAIN(BoardScreensTest)
#include "tst_boardscreens.moc"
