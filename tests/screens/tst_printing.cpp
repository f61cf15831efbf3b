// Printing: the print module's layout at several resolutions, the board
// report as printed (read back from the PDF with pdftotext -bbox), the
// board screens and the board printer drawing the same page, and a real
// job through the print service to a CUPS PDF queue.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "boardprogram.h"
#include "boardreport.h"
#include "boardscreens.h"
#include "printjob.h"
#include "prntunt.h"
#include "screenfixture.h"
#include "selectedprinter.h"
#include "settings.h"
#include "uifont.h"

using namespace hoshi;
using hoshi::test::reportedErrors;

namespace {

// A word of a PDF page, its box in millimetres from the printable area's
// origin (the report page has 5 mm margins).
struct Word {
    QString text;
    QRectF box;
};

constexpr double margin = 5.0;

QList<Word> words(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression re(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> out;
    const double mmPerPt = 25.4 / 72.0;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QPointF a(m.captured(1).toDouble() * mmPerPt - margin,
                        m.captured(2).toDouble() * mmPerPt - margin);
        const QPointF b(m.captured(3).toDouble() * mmPerPt - margin,
                        m.captured(4).toDouble() * mmPerPt - margin);
        out << Word{m.captured(5).replace(QStringLiteral("&amp;"), QStringLiteral("&")), QRectF(a, b)};
    }
    return out;
}

// The word with this text whose top-left is within 1.5 mm of (x, y) mm.
bool printedAt(const QList<Word>& ws, const QString& text, double x, double y) {
    for (const Word& w : ws)
        if (w.text == text && std::abs(w.box.left() - x) < 1.5 && std::abs(w.box.top() - y) < 1.5)
            return true;
    return false;
}

QString pdfIn(const QTemporaryDir& dir, const QString& name) {
    return dir.filePath(name);
}

} // namespace

class Printing : public QObject {
    Q_OBJECT
    QTemporaryDir settingsDir;

    static BoardReport sampleReport() {
        BoardReport r;
        r.suffix = QStringLiteral("日盤   鑑定表");
        r.header = {QStringLiteral("2001/05/03"), QStringLiteral("丙寅"), QStringLiteral("陽"),
                    QStringLiteral("1")};
        const char* names[] = {"", "天蓬", "一白", "甲", "休門", "直符", "乙"};
        for (int s = 1; s <= 6; ++s)
            for (int p = 1; p <= 9; ++p)
                r.slot[static_cast<std::size_t>(s)][static_cast<std::size_t>(p)] =
                    QString::fromUtf8(names[s]) + (s == 3 || s == 6 ? QString() : QString::number(p));
        r.memo[1] = {QStringLiteral("一行目"), QStringLiteral("二行目"), QStringLiteral("三行目"),
                     QStringLiteral("四行目"), QStringLiteral("五行目")};
        // A reading of about forty full-width characters.
        const QString reading = QStringLiteral(
            "鉄の斧が岩山にはね返されるように、力ずくで進めても徒労に終わり、怪我をしやすい方位です。");
        for (PalaceNo p : outerPalaces)
            if (p != 1)
                r.memo[static_cast<std::size_t>(p)] = {QStringLiteral("<南東> ×"), reading,
                                                       QStringLiteral("■格:風遁")};
        return r;
    }

    static QList<Word> printed(const BoardReport& r, const QString& file) {
        Tprntunt layout;
        writeReportPdf(file, layout, [&r](QPainter& p, const Tprntunt& l) { paintBoardReport(p, l, r); });
        return words(file);
    }

private slots:
    void initTestCase() {
        installFontSubstitutes();
        settings::setFolder(settingsDir.path());
        if (QProcess::execute(QStringLiteral("pdftotext"), {QStringLiteral("-v")}) < 0)
            QFAIL("pdftotext (poppler-utils) is needed to read the printed pages");
    }
    void cleanupTestCase() { settings::setFolder(QString()); }

    void layoutAtSeveralResolutions() {
        struct Case {
            int dpi;
            float dotsPerMm;
            int mm20, mm275;
        };
        const Case cases[] = {{600, 23.62205f, 472, 6496},
                              {300, 11.811024f, 236, 3248},
                              {360, 14.173228f, 283, 3898},
                              {1200, 47.24409f, 945, 12992}};
        for (const Case& c : cases) {
            Tprntunt t;
            t.prepareLayout(c.dpi);
            QCOMPARE(t.dotsPerMm, c.dotsPerMm);
            QCOMPARE(t.mmDots[20], c.mm20);
            QCOMPARE(t.mmDots[275], c.mm275);
            QCOMPARE(t.gridX[4], t.mmDots[170]);
            QCOMPARE(t.gridY[1], t.mmDots[30]);
            QCOMPARE(t.slotPos[6][9],
                     QPoint(t.mmDots[155], t.mmDots[108])); // palace 9 at (120, 90) + (35, 18)
            QCOMPARE(t.memoPos[6], QPoint(t.mmDots[130], t.mmDots[180]));
            QCOMPARE(t.titlePos, QPoint(t.mmDots[60], t.mmDots[10]));
        }
        QCOMPARE(Tprntunt::roundDots(2.5), 2);
        QCOMPARE(Tprntunt::roundDots(3.5), 4);
        QCOMPARE(Tprntunt::roundDots(472.44), 472);
        Tprntunt t;
        QVERIFY_THROWS_EXCEPTION(OutOfRangeError, t.prepareLayout(0));
    }

    void reportPositionsAndFooter() {
        QTemporaryDir dir;
        BoardReport r = sampleReport();
        r.ownerTitle = QStringLiteral("星倉鑑定所");
        r.ownerTel = QStringLiteral("03-1234-5678");
        const QList<Word> ws = printed(r, pdfIn(dir, QStringLiteral("r.pdf")));
        QVERIFY(!ws.isEmpty());
        QVERIFY(printedAt(ws, QStringLiteral("奇門遁甲"), 60, 10));
        QVERIFY(printedAt(ws, QStringLiteral("2001/05/03,丙寅,陽,1"), 20, 20));
        for (auto [text, x, y] : {std::tuple{"南", 90, 26}, {"北", 90, 117}, {"東", 17, 70}, {"西", 167, 70}})
            QVERIFY2(printedAt(ws, QString::fromUtf8(text), x, y), text);
        for (int p = 1; p <= 9; ++p) {
            const int x0 = 20 + 50 * ((p - 1) % 3), y0 = 30 + 30 * ((p - 1) / 3);
            const int dx[] = {0, 5, 20, 35, 5, 20, 35}, dy[] = {0, 7, 7, 7, 18, 18, 18};
            for (int s = 1; s <= 6; ++s)
                QVERIFY2(printedAt(ws, r.slot[static_cast<std::size_t>(s)][static_cast<std::size_t>(p)],
                                   x0 + dx[s], y0 + dy[s]),
                         qPrintable(QStringLiteral("slot %1 palace %2").arg(s).arg(p)));
        }
        // A five-line box: 5 mm apart, the last 20 mm below the block's top.
        for (int i = 0; i < 5; ++i) QVERIFY(printedAt(ws, r.memo[1][i], 20, 130 + 5 * i));
        QVERIFY(printedAt(ws, QStringLiteral("(著作)星倉鑑定所"), 40, 275));
        QVERIFY(printedAt(ws, QStringLiteral("03-1234-5678"), 40, 275) ||
                std::any_of(ws.begin(), ws.end(),
                            [](const Word& w) { return w.text == QStringLiteral("03-1234-5678"); }));
        QVERIFY(
            std::any_of(ws.begin(), ws.end(), [](const Word& w) { return w.text == QStringLiteral("TEL"); }));

        // The other two footers: no number, nothing at all.
        r.ownerTel.clear();
        QList<Word> titleOnly = printed(r, pdfIn(dir, QStringLiteral("t.pdf")));
        QVERIFY(printedAt(titleOnly, QStringLiteral("(著作)星倉鑑定所"), 40, 275));
        QVERIFY(std::none_of(titleOnly.begin(), titleOnly.end(),
                             [](const Word& w) { return w.text == QStringLiteral("TEL"); }));
        r.ownerTitle.clear();
        QVERIFY(
            printedAt(printed(r, pdfIn(dir, QStringLiteral("n.pdf"))), QStringLiteral("(著作)"), 40, 275));
    }

    // Each reading is broken within its block: no two blocks' texts meet,
    // nothing crosses the printable width, a block keeps its 5 mm pitch.
    void readingsStayInTheirBlocks() {
        QTemporaryDir dir;
        const QList<Word> ws = printed(sampleReport(), pdfIn(dir, QStringLiteral("w.pdf")));
        const double printableWidth = 210 - 2 * margin;
        QList<QPair<int, QRectF>> blocks;
        for (const Word& w : ws) {
            QVERIFY2(w.box.right() <= printableWidth, qPrintable(w.text));
            if (w.box.top() < 128 || w.box.top() > 272) continue;
            const int col = w.box.left() < 73 ? 0 : w.box.left() < 128 ? 1 : 2;
            const int row = w.box.top() < 178 ? 0 : w.box.top() < 228 ? 1 : 2;
            QVERIFY2(w.box.right() <= 20 + 55 * col + 50 + 0.5, qPrintable(w.text)); // within its 50 mm
            blocks << qMakePair(row * 3 + col, w.box);
        }
        for (const auto& a : blocks)
            for (const auto& b : blocks)
                if (a.first != b.first) QVERIFY(!a.second.intersects(b.second));
        // The reading of the south block took several lines, 5 mm apart.
        QList<double> tops;
        for (const auto& b : blocks)
            if (b.first == 1 && std::none_of(tops.begin(), tops.end(),
                                             [&](double t) { return std::abs(t - b.second.top()) < 0.3; }))
                tops << b.second.top();
        QVERIFY(tops.size() >= 4);
        std::sort(tops.begin(), tops.end());
        for (int i = 1; i < tops.size(); ++i) QVERIFY(std::abs(tops[i] - tops[i - 1] - 5) < 0.3);
    }

    // The board screen prints what it shows; the board printer writes the
    // same page for the same record.
    void screenAndBoardPrinterPrintTheSamePage() {
        test::ScreenFixture fx;
        test::FourBoardScreens screens(fx.calc, fx.kanmo, fx.store);
        Tprntunt module;
        QTemporaryDir dir;
        settings::setOwnerTitle(QStringLiteral("星倉鑑定所"));
        settings::setOwnerTel(QString());
        struct Case {
            TBoardScreen* screen;
            std::function<void()> compute;
            QStringList args;
            QString header;
        };
        const Case cases[] = {
            {&screens.day,
             [&] { screens.day.kanteiClick(); },
             {QStringLiteral("day"), QStringLiteral("2001/05/03")},
             QStringLiteral("2001/05/03,丙寅,陽,1")},
            {&screens.hour,
             [&] {
                 screens.hour.timeBar->setValue(5);
                 screens.hour.kanteiClick();
             },
             {QStringLiteral("hour"), QStringLiteral("2001/05/03"), QStringLiteral("6")},
             QStringLiteral("2001/05/03")}, // then "巳の刻,丙寅,陽,1" as the next word
            {&screens.month,
             [&] {
                 fx.store.Table2.findKey("2001/02");
                 screens.month.kanteiClick();
             },
             {QStringLiteral("month"), QStringLiteral("2001/02")},
             QStringLiteral("2001/02,庚寅,陽,2")},
            {&screens.year,
             [&] {
                 fx.store.Table3.findKey("1984");
                 screens.year.nenbanbtnClick();
             },
             {QStringLiteral("date"), QStringLiteral("year"), QStringLiteral("1984")},
             QStringLiteral("1984,甲子,陰,5")},
        };
        selectedPrinter().setOutputFormat(QPrinter::PdfFormat); // the PDF path, whatever is installed
        QString chosen;
        setSaveFileChooser([&](QWidget*, const QString& proposed) {
            chosen = proposed;
            return dir.filePath(QFileInfo(proposed).fileName());
        });
        for (const Case& c : cases) {
            c.screen->setPrintModule(&module);
            c.compute();
            QVERIFY(c.screen->prnbtn->isEnabled());
            c.screen->prnbtn->click();
            QVERIFY2(reportedErrors().isEmpty(), qPrintable(reportedErrors().join('\n')));
            const QString screenPdf = dir.filePath(QFileInfo(chosen).fileName());
            QVERIFY2(QFileInfo::exists(screenPdf), qPrintable(screenPdf));
            const QString toolPdf = dir.filePath(QStringLiteral("tool.pdf"));
            const QStringList args =
                QStringList{QStringLiteral("--db"), fx.dir.path(), QStringLiteral("--pdf"), toolPdf} + c.args;
            QCOMPARE(test::runBoardProgram(QStringLiteral(BOARD_PROGRAM), args, settingsDir.path()), 0);
            const QList<Word> a = words(screenPdf), b = words(toolPdf);
            QVERIFY(!a.isEmpty());
            QCOMPARE(a.size(), b.size());
            for (int i = 0; i < a.size(); ++i) {
                QCOMPARE(a[i].text, b[i].text);
                QVERIFY(std::abs(a[i].box.left() - b[i].box.left()) < 0.05);
                QVERIFY(std::abs(a[i].box.top() - b[i].box.top()) < 0.05);
            }
            QVERIFY2(printedAt(a, c.header, 20, 20), qPrintable(c.header));
            QVERIFY(printedAt(a, QStringLiteral("(著作)星倉鑑定所"), 40, 275));
        }
        QCOMPARE(QFileInfo(chosen).fileName(), QStringLiteral("鑑定表-年盤-1984.pdf"));
        const QList<Word> hourWords = words(dir.filePath(QStringLiteral("鑑定表-時盤-2001-05-03-巳.pdf")));
        QVERIFY(std::any_of(hourWords.begin(), hourWords.end(),
                            [](const Word& w) { return w.text == QStringLiteral("巳の刻,丙寅,陽,1"); }));
        setSaveFileChooser({});
        selectedPrinter().setOutputFormat(QPrinter::NativeFormat);
    }

    void aFailingJobIsReported() {
        test::ScreenFixture fx;
        test::FourBoardScreens screens(fx.calc, fx.kanmo, fx.store);
        Tprntunt module;
        screens.day.setPrintModule(&module);
        screens.day.kanteiClick();
        selectedPrinter().setOutputFormat(QPrinter::PdfFormat);
        setSaveFileChooser(
            [](QWidget*, const QString&) { return QStringLiteral("/nonexistent/folder/x.pdf"); });
        screens.day.prnbtn->click();
        QCOMPARE(reportedErrors().size(), 1);
        QVERIFY(reportedErrors().first().contains(QStringLiteral("/nonexistent/folder/x.pdf")));
        QVERIFY(!QGuiApplication::overrideCursor());
        setSaveFileChooser(
            [](QWidget*, const QString&) { return QString(); }); // cancelled: nothing, no error
        screens.day.prnbtn->click();
        QCOMPARE(reportedErrors().size(), 1);
        setSaveFileChooser({});
        selectedPrinter().setOutputFormat(QPrinter::NativeFormat);
    }

    // A real job through the print service to the CUPS PDF queue that the
    // test script sets up.
    void throughThePrintService() {
        const QString queue = QStringLiteral("HoshikuraPDF");
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-p"), queue});
        if (!lpstat.waitForFinished(10000) || lpstat.exitCode() != 0)
            QSKIP("no CUPS queue HoshikuraPDF: the print service could not be started here "
                  "(scripts/start-cups.sh)");
        test::ScreenFixture fx;
        test::FourBoardScreens screens(fx.calc, fx.kanmo, fx.store);
        Tprntunt module;
        screens.day.setPrintModule(&module);
        screens.day.kanteiClick();
        QPrinter& printer = selectedPrinter();
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(queue);
        const QStringList outDirs = {QDir::homePath() + QStringLiteral("/PDF"),
                                     QStringLiteral("/var/spool/cups-pdf/ANONYMOUS")};
        auto pdfs = [&] {
            QStringList all;
            for (const QString& d : outDirs)
                for (const QFileInfo& f : QDir(d).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
                    all << f.absoluteFilePath();
            return all;
        };
        const QStringList before = pdfs();
        screens.day.prnbtn->click();
        QVERIFY2(reportedErrors().isEmpty(), qPrintable(reportedErrors().join('\n')));
        QString out;
        QElapsedTimer waited;
        waited.start();
        while (out.isEmpty() && waited.elapsed() < 60000) {
            for (const QString& f : pdfs())
                if (!before.contains(f) && !words(f).isEmpty()) out = f;
            if (out.isEmpty()) QTest::qWait(250);
        }
        QVERIFY2(!out.isEmpty(), "the CUPS PDF queue wrote no file within 60 s");
        // The queue prints through PostScript, so its PDF's glyphs come back
        // without their characters; what was printed is checked by its
        // layout: the same words, each where the same report put it.
        const QList<Word> ws = words(out);
        QTemporaryDir dir;
        const BoardReport r = screens.day.report();
        Tprntunt layout;
        const QString direct = dir.filePath(QStringLiteral("direct.pdf"));
        writeReportPdf(direct, layout, [&r](QPainter& p, const Tprntunt& l) { paintBoardReport(p, l, r); });
        const QList<Word> expected = words(direct);
        QVERIFY(!ws.isEmpty() && !expected.isEmpty());
        // Aligned on the title's first word (its glyph boxes are taller, so
        // the bottoms are compared); a word or two may run together.
        const QPointF shift = QPointF(ws[0].box.left(), ws[0].box.bottom()) -
                              QPointF(expected[0].box.left(), expected[0].box.bottom());
        int found = 0;
        for (const Word& e : expected)
            found += std::any_of(ws.begin(), ws.end(), [&](const Word& w) {
                return std::abs(w.box.left() - e.box.left() - shift.x()) < 0.5 &&
                       std::abs(w.box.bottom() - e.box.bottom() - shift.y()) < 1.0;
            });
        QVERIFY2(
            found >= expected.size() * 95 / 100,
            qPrintable(
                QStringLiteral("%1 of %2 words where the report puts them").arg(found).arg(expected.size())));
        QVERIFY(std::abs(ws.size() - expected.size()) <= 3);
        QFile::remove(out);
    }
};

QTEST_MAIN(Printing)
#include "tst_printing.moc"
