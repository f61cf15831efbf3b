// The direction detail window on the small fixture calendar: what a
// direction press shows, the shared board-kind marker, a missing picture,
// and the printed report (read back from the PDF) from the window and from
// the board printer.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include "boardprogram.h"
#include "boardscreens.h"
#include "detailfrm.h"
#include "detailreport.h"
#include "detailtexts.h"
#include "pairpictures.h"
#include "piechart3d.h"
#include "printjob.h"
#include "prntunt.h"
#include "qtext.h"
#include "screenfixture.h"
#include "selectedprinter.h"
#include "settings.h"
#include "uifont.h"

using namespace hoshi;
using hoshi::test::reportedErrors;

namespace {

QStringList memoLines(const Tdetailfrm& w) {
    return w.Memo1->toPlainText().split(QLatin1Char('\n'));
}

QString pdfText(const QString& file, const QStringList& options = {}) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            options + QStringList{QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pages(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    p.waitForFinished(30000);
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

} // namespace

class Detail : public QObject {
    Q_OBJECT
    QTemporaryDir settingsDir;
    std::unique_ptr<test::ScreenFixture> fx;
    std::unique_ptr<test::FourBoardScreens> screens;
    Tprntunt module;

    Tdetailfrm* open(TBoardScreen& s) {
        s.setPrintModule(&module);
        s.detaail->click();
        auto windows = s.findChildren<Tdetailfrm*>(QString(), Qt::FindDirectChildrenOnly);
        return windows.isEmpty() ? nullptr : windows.last();
    }

private slots:
    void initTestCase() {
        installFontSubstitutes();
        settings::setFolder(settingsDir.path());
    }
    void cleanupTestCase() { settings::setFolder(QString()); }
    void init() {
        fx = std::make_unique<test::ScreenFixture>();
        screens = std::make_unique<test::FourBoardScreens>(fx->calc, fx->kanmo, fx->store);
        setPictureFolder(QString());
    }
    void cleanup() {
        screens.reset();
        fx.reset();
    }

    void aNewWindowShowsTheSouthEast() {
        screens->day.kanteiClick(); // 2001/05/03: 庚 over 辛 in the south-east
        Tdetailfrm* w = open(screens->day);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(boardKindMarkerText(), QStringLiteral("日"));
        QCOMPARE(w->windowTitle(), QStringLiteral("盤の星の詳細説明"));
        QCOMPARE(w->houi->text(), QStringLiteral("東南"));
        QCOMPARE(w->tenbanlbl->text(), QStringLiteral("庚 : ") + qs(kanSetumei[7]));
        QCOMPARE(w->tibanlbl->text(), QStringLiteral("辛 : ") + qs(kanSetumei[8]));
        QVERIFY(w->kyuseilbl->text().startsWith(screens->day.seiCell[1]->text() + QStringLiteral(" : (")));
        QVERIFY(findName(seiName, w->kyuseilbl->text().section(' ', 0, 0).toStdString(), 1));
        QVERIFY(findName(kyuName, w->kyugulbl->text().section(' ', 0, 0).toStdString(), 1));
        QVERIFY(findName(monName, w->hatimonlbl->text().section(' ', 0, 0).toStdString(), 1));
        QVERIFY(findName(jinName, w->hatijinlbl->text().section(' ', 0, 0).toStdString(), 1));
        QCOMPARE(w->report().heaven, loadPicture("tetu"));
        QCOMPARE(w->report().earth, loadPicture("houseki"));
        QCOMPARE(w->Chart1->slices().size(), std::size_t(3));
        QCOMPARE(w->Chart1->slices()[0].label, QStringLiteral("天盤・地盤"));
        QCOMPARE(w->Chart1->slices()[0].value, 60.0);
        QCOMPARE(w->Chart1->slices()[2].color, QColor(255, 255, 0));
        QCOMPARE(w->size(), QSize(730, 573));
        QVERIFY(!w->b[5]);
        QCOMPARE(w->b[9]->property("Tag").toInt(), 9);
        QVERIFY(reportedErrors().isEmpty());
        // One more window per press.
        open(screens->day);
        QCOMPARE(screens->day.findChildren<Tdetailfrm*>(QString(), Qt::FindDirectChildrenOnly).size(), 2);
    }

    // The memo: the opening line, the board screen's box, the pattern
    // heading only with pattern lines, then the response period.
    void memoOrderWithAndWithoutPatterns() {
        int withPatterns = 0, without = 0;
        const std::pair<TBoardScreen*, std::function<void()>> boards[] = {
            {&screens->day, [this] { screens->day.kanteiClick(); }},
            {&screens->year,
             [this] {
                 fx->store.Table3.findKey("2000");
                 screens->year.nenbanbtnClick();
             }},
            {&screens->month, [this] {
                 fx->store.Table2.findKey("2000/12");
                 screens->month.kanteiClick();
             }}};
        for (const auto& [screen, compute] : boards) {
            compute();
            Tdetailfrm* w = open(*screen);
            for (PalaceNo p : outerPalaces) {
                w->b[static_cast<std::size_t>(p)]->click();
                const QStringList lines = memoLines(*w);
                const QStringList box = screen->Memo[p]->toPlainText().split(QLatin1Char('\n'));
                QCOMPARE(lines.first(), qs(detailOpening));
                QCOMPARE(lines.mid(1, box.size()), box);
                fx->calc.kyokaku.makeList(p);
                const int n = fx->calc.kyokaku.kakuCount;
                int next = 1 + static_cast<int>(box.size());
                if (n > 0) {
                    QCOMPARE(lines[next], qs(detailPatternHeading));
                    next += 1 + n;
                    ++withPatterns;
                } else {
                    QVERIFY(!lines.contains(qs(detailPatternHeading)));
                    ++without;
                }
                QCOMPARE(lines[next], QString());
                QVERIFY(lines[next + 1].startsWith(QStringLiteral("『方位効果が顕現する応期の説明")));
                QCOMPARE(lines.size(), next + 4);
            }
        }
        QVERIFY(withPatterns > 0);
        QVERIFY(without > 0);
    }

    // The marker is the application's: an older window follows the most
    // recent "詳細" press.
    void theSharedMarker() {
        screens->day.kanteiClick();
        Tdetailfrm* dayWindow = open(screens->day);
        fx->store.Table2.findKey("2001/02"); // 甲 over 甲 in the south (伏吟)
        screens->month.kanteiClick();
        open(screens->month);
        QCOMPARE(boardKindMarkerText(), QStringLiteral("月"));
        dayWindow->b[2]->click();
        QCOMPARE(dayWindow->tenbanlbl->text(), QStringLiteral("甲 : ") + qs(kanSetumei[1]));
        QCOMPARE(dayWindow->report().heaven, loadPicture("mori"));
        QCOMPARE(dayWindow->report().earth, loadPicture("mori"));
        QCOMPARE(dayWindow->report().title, QStringLiteral("月盤 方位詳細鑑定表"));
        QCOMPARE(dayWindow->report().header, QStringLiteral("2001年2月  : 南 の方位の詳細鑑定"));
    }

    void aMissingPictureIsReported() {
        screens->day.kanteiClick();
        QTemporaryDir empty;
        setPictureFolder(empty.path());
        Tdetailfrm* w = open(screens->day);
        QCOMPARE(reportedErrors().size(), 1);
        QVERIFY(reportedErrors().first().contains(QStringLiteral("tetu.bmp")));
        QCOMPARE(memoLines(*w), QStringList{qs(detailOpening)}); // the press ended at the pictures
        setPictureFolder(QString());
        w->b[2]->click(); // the window stays usable
        QCOMPARE(reportedErrors().size(), 1);
        QCOMPARE(w->houi->text(), QStringLiteral("南"));
        QVERIFY(memoLines(*w).size() > 4);
    }

    void pictureTable() {
        struct Case {
            const char *heaven, *earth, *hp, *ep;
        };
        const Case cases[] = {{"丁", "庚", "gasuhi", "tetu"},
                              {"甲", "甲", "mori", "mori"},
                              {"癸", "癸", "ooame", "ooame"},
                              {"壬", "己", "dorokawa", "tanbo"},
                              {"辛", "甲", "garasu", "konbo"}};
        for (const Case& c : cases) {
            const auto [h, e] = pairPictures(stemOf(c.heaven), stemOf(c.earth));
            QCOMPARE(QString::fromUtf8(h.data(), h.size()), QString::fromUtf8(c.hp));
            QCOMPARE(QString::fromUtf8(e.data(), e.size()), QString::fromUtf8(c.ep));
        }
        for (int h = 1; h <= 10; ++h)
            for (int e = 1; e <= 10; ++e) {
                const auto [hp, ep] = pairPictures(h, e);
                QVERIFY(std::find(pictureNames.begin(), pictureNames.end(), hp) != pictureNames.end());
                QVERIFY(std::find(pictureNames.begin(), pictureNames.end(), ep) != pictureNames.end());
                QVERIFY(!loadPicture(hp).isNull());
            }
    }

    // The window prints what it shows; the board printer writes the same
    // page for the same board and direction.
    void printedReportFromTheWindowAndTheBoardPrinter() {
        QTemporaryDir dir;
        settings::setOwnerTitle(QStringLiteral("星倉鑑定所"));
        screens->hour.timeBar->setValue(5); // slot 6, 巳
        screens->hour.kanteiClick();
        Tdetailfrm* w = open(screens->hour);
        w->b[4]->click();
        selectedPrinter().setOutputFormat(QPrinter::PdfFormat);
        QString chosen;
        setSaveFileChooser([&](QWidget*, const QString& proposed) {
            chosen = dir.filePath(QFileInfo(proposed).fileName());
            return chosen;
        });
        w->prnbtn->click();
        setSaveFileChooser({});
        selectedPrinter().setOutputFormat(QPrinter::NativeFormat);
        QVERIFY2(reportedErrors().isEmpty(), qPrintable(reportedErrors().join('\n')));
        const QString text = pdfText(chosen);
        QVERIFY2(text.contains(QStringLiteral("立向時盤 方位詳細鑑定表")), qPrintable(text.left(300)));
        QVERIFY(text.simplified().contains(QStringLiteral("2001年5月3日 巳の刻 : 東 の方位の詳細鑑定")));
        QCOMPARE(w->report().header, QStringLiteral("2001年5月3日 巳の刻  : 東 の方位の詳細鑑定"));
        QVERIFY(text.contains(QStringLiteral("■■ 鑑定結果 ■■")));
        QVERIFY(text.contains(QStringLiteral("(著作)星倉鑑定所")));
        QVERIFY(text.contains(w->tenbanlbl->text().section(' ', 0, 0)));

        const QString toolPdf = dir.filePath(QStringLiteral("tool.pdf"));
        QCOMPARE(
            test::runBoardProgram(QStringLiteral(BOARD_PROGRAM),
                                  {QStringLiteral("--db"), fx->dir.path(), QStringLiteral("--pdf"), toolPdf,
                                   QStringLiteral("--detail"), QStringLiteral("東"), QStringLiteral("hour"),
                                   QStringLiteral("2001/05/03"), QStringLiteral("6")},
                                  settingsDir.path()),
            0);
        QCOMPARE(pdfText(toolPdf), text);
    }

    void aLongMemoContinuesOnASecondPage() {
        QTemporaryDir dir;
        DetailReport r;
        r.title = QStringLiteral("日盤 方位詳細鑑定表");
        r.header = QStringLiteral("2001年5月3日  : 東南 の方位の詳細鑑定");
        for (int i = 0; i < 40; ++i) r.memo << QStringLiteral("行%1").arg(i);
        r.ownerTitle = QStringLiteral("星倉");
        const QString file = dir.filePath(QStringLiteral("long.pdf"));
        Tprntunt layout;
        writeReportPdf(file, layout, [&r](QPainter& p, const Tprntunt& l) { paintDetailReport(p, l, r); });
        QCOMPARE(pages(file), 2);
        const QString second = pdfText(
            file, {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("2")});
        QVERIFY(second.contains(QStringLiteral("行39")));
        QVERIFY(!second.contains(QStringLiteral("行15 ")));
        QVERIFY(second.contains(QStringLiteral("(著作)星倉")));
        const QString first = pdfText(
            file, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1")});
        QVERIFY(first.contains(QStringLiteral("行15")));
        QVERIFY(!first.contains(QStringLiteral("行16")));
        QVERIFY(first.contains(QStringLiteral("(著作)星倉")));
    }
};

QTEST_MAIN(Detail)
#include "tst_detail.moc"
