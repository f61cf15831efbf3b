// Start-up and the main menu: the tune of the day, the sound switch, the
// splash wait, the calculators with their pattern texts, the screen-size
// notice, the store's error at start, and the board menu items.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "calendarfixture.h"
#include "calendartable.h"
#include "dxfcolorbutton.h"
#include "errorbox.h"
#include "gamensize.h"
#include "hoshimidb1.h"
#include "jibanfrm.h"
#include "menu0frm.h"
#include "nenbanfrm.h"
#include "nitibanfrm.h"
#include "oukihlp.h"
#include "purposemenu.h"
#include "screenfixture.h"
#include "settings.h"
#include "tukibanfrm.h"
#include "workbench.h"

using namespace hoshi;
using hoshi::test::reportedErrors;

namespace {

// A start-up whose world is the test's: its date, its calendar, no waiting.
struct TestStartup {
    QStringList tunes;
    QList<int> waits;
    QSize screen{1024, 768};
    Startup make(const QDate& today, const QString& folder) {
        Startup s;
        s.today = [today] { return today; };
        s.splashWait = [this](int ms) { waits << ms; };
        s.playTune = [this](const QString& f) { tunes << f; };
        s.screenSize = [this] { return screen; };
        s.calendarFolder = folder;
        return s;
    }
};

} // namespace

class Startups : public QObject {
    Q_OBJECT
    QTemporaryDir settingsDir, calendarDir;

private slots:
    void initTestCase() {
        test::writeCalendarTable(calendarDir.path(), schema::TableKind::Day, test::fixtureDays);
        test::writeCalendarTable(calendarDir.path(), schema::TableKind::Month, test::fixtureMonths);
        test::writeCalendarTable(calendarDir.path(), schema::TableKind::Year, test::fixtureYears);
        setErrorBoxHandler([](QWidget*, const QString& text) { reportedErrors() << text; });
    }
    void init() {
        settings::setFolder(settingsDir.path());
        QFile::remove(settings::filePath());
        reportedErrors().clear();
    }

    void tuneFollowsTheLastDigitOfTheDay() {
        const std::pair<int, const char*> cases[] = {{7, "BGM7.wav"},  {17, "BGM7.wav"}, {27, "BGM7.wav"},
                                                     {10, "BGM0.wav"}, {20, "BGM0.wav"}, {30, "BGM0.wav"},
                                                     {1, "BGM1.wav"},  {31, "BGM1.wav"}};
        for (auto [day, file] : cases) QCOMPARE(tuneOfTheDay(QDate(2026, 1, day)), QString::fromLatin1(file));
        QCOMPARE(dateText(QDate(2001, 5, 3)), QStringLiteral("2001/05/03"));
    }

    void soundSwitchAndSplash_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("plays");
        QTest::newRow("missing file") << QString() << true;
        QTest::newRow("True") << "True" << true;
        QTest::newRow("true") << "true" << false;
        QTest::newRow("False") << "False" << false;
    }
    void soundSwitchAndSplash() {
        QFETCH(QString, stored);
        QFETCH(bool, plays);
        if (!stored.isNull()) settings::setSoundOn(stored == "True");
        if (stored == "true") { // a hand-edited value
            QFile f(settings::filePath());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[sound]\r\ncheck=true\r\n");
        }
        TestStartup t;
        Workbench wb(t.make(QDate(2001, 5, 17), calendarDir.path()));
        wb.create();
        QCOMPARE(t.tunes, plays ? QStringList{"BGM7.wav"} : QStringList{});
        QCOMPARE(t.waits.size(), 1); // what is left of the 6000 ms once the splash is up
        QVERIFY(t.waits[0] > 5000 && t.waits[0] <= 6000);
        QVERIFY(wb.calculators);
        QVERIFY(QString::fromStdString(wb.calculators->kyokaku.kakuText[1]).startsWith("■年悖格："));
        QVERIFY(reportedErrors().isEmpty());
    }

    void screenSizeNotice_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("notice");
        QTest::newRow("800x600") << QSize(800, 600) << false;
        QTest::newRow("1024x768") << QSize(1024, 768) << false;
        QTest::newRow("798x600") << QSize(798, 600) << true;
        QTest::newRow("640x480") << QSize(640, 480) << true;
    }
    void screenSizeNotice() {
        QFETCH(QSize, screen);
        QFETCH(bool, notice);
        TestStartup t;
        t.screen = screen;
        bool shown = false;
        QTimer closer; // closes the notice once its modal loop runs
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<TGamensize*>(QApplication::activeModalWidget())) {
                shown = true;
                d->endbtn->click();
            }
        });
        closer.start(10);
        Workbench wb(t.make(QDate(2001, 5, 3), calendarDir.path()));
        wb.create();
        QCOMPARE(shown, notice);
        QVERIFY(wb.nitibanfrm); // start-up goes on
    }

    void missingCalendarIsReportedAndStartGoesOn() {
        TestStartup t;
        Workbench wb(t.make(QDate(2001, 5, 3), calendarDir.path() + "/none"));
        wb.create();
        QCOMPARE(reportedErrors().size(), 1);
        QVERIFY(reportedErrors().first().contains("暦日.DB"));
        QVERIFY(wb.jibanfrm);
        wb.menu0frm->nitibanmenuClick(); // a closed table: said so, with why, and nothing computed
        QCOMPARE(reportedErrors().size(), 2);
        QVERIFY(reportedErrors().last().startsWith(
            QStringLiteral("暦のテーブル「暦日.DB」が開かれていないため")));
        QVERIFY(reportedErrors().last().contains(reportedErrors().first()));
    }

    void boardMenuItemsOpenOnToday() {
        TestStartup t;
        Workbench wb(t.make(QDate(2001, 5, 4), calendarDir.path()));
        wb.create();
        wb.menu0frm->nitibanmenuClick();
        QVERIFY(wb.nitibanfrm->isVisible());
        QCOMPARE(wb.nitibanfrm->kansi->text(), QStringLiteral("乙丑 [立向日盤] 陽 8 極"));
        wb.menu0frm->jibanmenuClick();
        QCOMPARE(wb.calculators->jiban.jisi, 6);
        QCOMPARE(wb.jibanfrm->boundEdit("ymd")->text(), QStringLiteral("2001/05/04"));
        wb.menu0frm->tukibanmenuClick(); // 2001/05 is not in the fixture: the cursor stays on 2000/12
        QCOMPARE(wb.tukibanfrm->kansi->text(), QStringLiteral("戊子 [立向月盤] 陰 4 極"));
        wb.menu0frm->nenbanmenuClick();
        QCOMPARE(wb.nenbanfrm->kansi->text(), QStringLiteral("辛巳  [立向年盤] 陰 8 極"));
        QVERIFY(reportedErrors().isEmpty());

        QVERIFY(wb.menu0frm->oukibtn->isEnabled());
        wb.menu0frm->oukibtn->trigger();
        QVERIFY(wb.oukihlp->isVisible());
        QVERIFY(wb.menu0frm->endbtn->isEnabled());
        for (TdxfColorButton* b : wb.menu0frm->buttons) QVERIFY(b->isEnabled());
        QCOMPARE(wb.menu0frm->centralWidget()->size(), QSize(790, 512));
        QCOMPARE(wb.menu0frm->windowTitle(), QStringLiteral("KorimakiVer3.7"));
    }

    // Each purpose button shows its screen at the desktop's top-left corner,
    // also after the user moved it; a start shows the found board.
    void purposeButtonsShowTheirScreensAtTheCorner() {
        TestStartup t;
        Workbench wb(t.make(QDate(2001, 5, 3), calendarDir.path()));
        wb.create();
        QCOMPARE(wb.purposeMenus.size(), std::size_t(11));
        QCOMPARE(wb.purposeMenus.front()->objectName(), QStringLiteral("kekkonmenu"));
        QCOMPARE(wb.purposeMenus.back()->objectName(), QStringLiteral("myhomemenu"));
        const std::pair<const char*, const char*> buttons[] = {
            {"kekkon", "kekkon"}, {"anzan", "ninsin"},   {"syodan", "syodan"},     {"katu", "syori"},
            {"ryokou", "ryoko"},  {"kentiku", "myhome"}, {"enzukuri", "endukuri"}, {"siken", "siken"},
            {"homon", "homon"},   {"wagou", "wagou"},    {"hikkosi", "hikkosi"}};
        for (auto [button, purpose] : buttons) {
            auto* b = wb.menu0frm->findChild<TdxfColorButton*>(QString::fromLatin1(button));
            QVERIFY(b);
            TPurposeMenu* m = wb.purposeMenu(purpose);
            QVERIFY(m && !m->isVisible());
            m->move(200, 150);
            emit b->clicked();
            QVERIFY(m->isVisible());
            QCOMPARE(m->pos(), QPoint(0, 0));
        }
        TPurposeMenu* syori = wb.purposeMenu("syori");
        syori->searches[0].start->click();
        QCOMPARE(syori->searches[0].period->text(), QStringLiteral("2001年5月4日"));
        QVERIFY(wb.nitibanfrm->isVisible());
        QCOMPARE(wb.nitibanfrm->kansi->text(), QStringLiteral("乙丑 [立向日盤] 陽 8 極"));
    }

    // Qt's own buttons speak Japanese once the translations are loaded.
    void qtTextsInJapanese() {
        QVERIFY(loadJapaneseTranslations());
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Cancel | QMessageBox::Yes);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
        QVERIFY(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい"))); // "はい(&Y)"
    }

    void aRefusedEditIsReportedWhenAMenuItemPositions() {
        TestStartup t;
        Workbench wb(t.make(QDate(2001, 5, 4), calendarDir.path()));
        wb.create();
        CalendarTable& days = wb.hoshimidb1->Table1;
        days.setField(0, "bad"); // an edit left in the grid with a key it cannot post
        wb.menu0frm->nitibanmenuClick();
        QCOMPARE(reportedErrors().size(), 2); // the refused post, then the compute of the record it stays on
        QVERIFY(reportedErrors().first().contains("bad"));
        QCOMPARE(days.state(), RecordCursor::State::Edit); // the typed key is kept for correction
        days.cancel();
    }

    void yearMenuOnTheSecondOfJanuary() {
        TestStartup t;
        Workbench wb(t.make(QDate(2000, 1, 2), calendarDir.path()));
        wb.create();
        wb.menu0frm->nenbanmenuClick();
        QCOMPARE(wb.nenbanfrm->kansi->text(), QStringLiteral("庚辰  [立向年盤] 陰 9 極"));
        wb.menu0frm->nitibanmenuClick(); // today missing: the first record's board
        QCOMPARE(wb.nitibanfrm->kansi->text(), QStringLiteral("丙寅 [立向日盤] 陽 1 極"));
    }
};

QTEST_MAIN(Startups)
#include "tst_startup.moc"
