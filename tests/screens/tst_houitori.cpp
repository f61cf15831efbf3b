// The direction-taking window from the board screens' "方位取" on the
// fixture calendar, its printout (from the window and the board printer),
// and the response-period table screen.
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "boardscreens.h"
#include "oukihlp.h"
#include "printjob.h"
#include "prntunt.h"
#include "screenfixture.h"
#include "selectedprinter.h"
#include "uifont.h"

using namespace hoshi;
using hoshi::test::reportedErrors;

namespace {

// The eight condition lines: the stem named in each, in order, and the ending.
QStringList conditions(const QString& text, QString* ending = nullptr) {
    QStringList stems;
    static const QRegularExpression re(
        QStringLiteral("^ ●(東南|南|南西|東|西|北東|北|北西)の方位が「(.)」(.*)$"));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const auto m = re.match(line);
        if (!m.hasMatch()) continue;
        stems << m.captured(2);
        if (ending) *ending = m.captured(3);
    }
    return stems;
}

const QString yangEnding = QStringLiteral("になっており、かつ吉方位である。");
const QString yinEnding = QStringLiteral("になっていて、かつ吉方位である。");

} // namespace

class Houitori : public QObject {
    Q_OBJECT
    std::unique_ptr<test::ScreenFixture> fx;
    std::unique_ptr<test::FourBoardScreens> screens;

    QString text() const { return screens->houitori.Memo1->toPlainText(); }

private slots:
    void initTestCase() { installFontSubstitutes(); }
    void init() {
        fx = std::make_unique<test::ScreenFixture>();
        screens = std::make_unique<test::FourBoardScreens>(fx->calc, fx->kanmo, fx->store);
    }
    void cleanup() {
        screens.reset();
        fx.reset();
    }

    void conditionsByDunAndKind() {
        struct Case {
            const char* name;
            std::function<void()> compute;
            TBoardScreen* screen;
            QStringList stems;
            QString ending;
        };
        auto day = [this](const char* key, const char* inyou) {
            return [this, key, inyou] {
                fx->store.Table1.findKey(key);
                fx->store.Table1.edit();
                fx->store.Table1.setField(2, inyou);
                fx->store.Table1.post();
                screens->day.kanteiClick();
            };
        };
        const Case cases[] = {
            // 乙丑, yang dun: yang board 1.
            {"yang day", day("2001/05/04", "陽"), &screens->day,
             QStringLiteral("丙 辛 癸 丁 己 庚 壬 戊").split(' '), yangEnding},
            // The same day in yin dun: yin board 1.
            {"yin day", day("2001/05/04", "陰"), &screens->day,
             QStringLiteral("戊 壬 庚 己 丁 癸 辛 丙").split(' '), yinEnding},
            // 庚寅 month, a 陽 record: the month board is always yin; 庚 → yin board 6.
            {"month",
             [this] {
                 fx->store.Table2.findKey("2001/02");
                 screens->month.kanteiClick();
             },
             &screens->month, QStringLiteral("辛 丙 癸 壬 戊 乙 丁 己").split(' '), yinEnding},
            // 甲子 1984: 甲 stands for its 六儀 戊, yin board 4.
            {"year 甲",
             [this] {
                 fx->store.Table3.findKey("1984");
                 screens->year.nenbanbtnClick();
             },
             &screens->year, QStringLiteral("己 癸 辛 庚 丙 丁 壬 乙").split(' '), yinEnding},
        };
        for (const Case& c : cases) {
            c.compute();
            QVERIFY(c.screen->houitori->isEnabled());
            c.screen->houitori->click();
            QVERIFY2(reportedErrors().isEmpty(), qPrintable(reportedErrors().join('\n')));
            QVERIFY(screens->houitori.isVisible());
            QString ending;
            QCOMPARE(conditions(text(), &ending), c.stems);
            QCOMPARE(ending, c.ending);
            QVERIFY(!text().contains(QStringLiteral("●中")));
        }
    }

    void hourExecutionLineAndReplacement() {
        screens->hour.timeBar->setValue(5); // slot 6: 9時
        screens->hour.kanteiClick();
        screens->hour.houitori->click();
        const QStringList lines = text().split(QLatin1Char('\n'));
        QCOMPARE(lines[0], QStringLiteral("『ここでは、計画を実行するこの日時の前に効果的な\"方位取り\"を行う"
                                          "秘伝の内容について説明します。』"));
        QCOMPARE(lines[3],
                 QStringLiteral("■実行日：2001/05/03日9時 の場合の方位取りの条件は下記のようになります。"));
        QCOMPARE(lines[4], QStringLiteral("■方位取りの時刻の条件一覧"));
        QCOMPARE(conditions(text()).size(), 8);
        // Another board screen's press replaces the text of the open window.
        screens->day.kanteiClick();
        screens->day.houitori->click();
        QVERIFY(text().startsWith(QStringLiteral("『ここでは、計画を実行するこの日の前に")));
        QVERIFY(text().contains(
            QStringLiteral("■実行日：2001/05/03日の場合の方位取りの条件は下記のようになります。")));
        QVERIFY(!text().contains(QStringLiteral("時刻の条件一覧")));
    }

    // The printout: the memo's lines from (10 mm, 30 mm), 5 mm apart; the
    // board printer writes the same page.
    void printout() {
        QTemporaryDir dir;
        screens->day.kanteiClick();
        screens->day.houitori->click();
        Tprntunt module;
        Thouitorifrm window(&module);
        window.showLines(houitoriLines(BoardKind::day, screens->day.shown().houitori));
        selectedPrinter().setOutputFormat(QPrinter::PdfFormat);
        QString chosen;
        setSaveFileChooser([&](QWidget*, const QString& proposed) {
            return chosen = dir.filePath(QFileInfo(proposed).fileName());
        });
        window.prnbtn->click();
        setSaveFileChooser({});
        selectedPrinter().setOutputFormat(QPrinter::NativeFormat);
        QVERIFY2(reportedErrors().isEmpty(), qPrintable(reportedErrors().join('\n')));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), chosen, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString html = QString::fromUtf8(p.readAllStandardOutput());
        static const QRegularExpression word(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)")re"));
        QList<double> tops;
        double left = 1e9;
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            const double x = m.captured(1).toDouble() * 25.4 / 72 - 5,
                         y = m.captured(2).toDouble() * 25.4 / 72 - 5;
            left = std::min(left, x);
            if (tops.isEmpty() || std::abs(tops.back() - y) > 0.3) tops << y;
        }
        QVERIFY(std::abs(left - 10) < 1.0);
        QVERIFY(std::abs(tops.first() - 30) < 1.0);
        for (int i = 1; i < tops.size(); ++i) { // empty lines leave a gap of whole lines
            const double lines = (tops[i] - tops[i - 1]) / 5;
            QVERIFY(lines > 0.9 && std::abs(lines - std::round(lines)) < 0.06);
        }
        QVERIFY(tops.size() >= 14);
        QVERIFY(!html.contains(QStringLiteral("(著作)"))); // no footer

        const QString toolPdf = dir.filePath(QStringLiteral("tool.pdf"));
        QProcess tool;
        tool.start(QStringLiteral(BOARD_PROGRAM),
                   {QStringLiteral("--db"), fx->dir.path(), QStringLiteral("--pdf"), toolPdf,
                    QStringLiteral("--houitori"), QStringLiteral("day"), QStringLiteral("2001/05/03")});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        auto plain = [](const QString& f) {
            QProcess t;
            t.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), f, QStringLiteral("-")});
            t.waitForFinished(30000);
            return QString::fromUtf8(t.readAllStandardOutput());
        };
        QCOMPARE(plain(toolPdf), plain(chosen));
    }

    void responseTableScreen() {
        Toukihlp t;
        QCOMPARE(t.windowTitle(), QStringLiteral("応期盤表"));
        QCOMPARE(t.size(), QSize(460, 385));
        QVERIFY(t.youbtn->isChecked());
        QVERIFY(!t.you[1]->isEnabled());
        QVERIFY(t.you[2]->isEnabled());
        const QString middles = QStringLiteral("乙丙丁戊己庚辛壬癸");
        auto grid = [&t](int i) {
            QString s;
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c) s += t.cell(i, c, r);
            return s;
        };
        for (int i = 1; i <= 9; ++i) QCOMPARE(t.cell(i, 1, 1), middles.mid(i - 1, 1));
        QCOMPARE(grid(1), QStringLiteral("丙辛癸丁乙己庚壬戊"));
        t.inbtn->click();
        QCOMPARE(grid(1), QStringLiteral("戊壬庚己乙丁癸辛丙"));
        for (int i = 1; i <= 9; ++i) QCOMPARE(t.cell(i, 1, 1), middles.mid(i - 1, 1));
        t.inbtn->click(); // still selected: no change
        QCOMPARE(grid(1), QStringLiteral("戊壬庚己乙丁癸辛丙"));
        t.youbtn->click();
        QCOMPARE(grid(1), QStringLiteral("丙辛癸丁乙己庚壬戊"));
    }
};

QTEST_MAIN(Houitori)
#include "tst_houitori.moc"
