#include "captiondbnavi.h"
#include "fakecursor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using hoshi::TCaptionDBNavi;
using Button = TCaptionDBNavi::Button;
using State = hoshi::RecordCursor::State;

Q_DECLARE_METATYPE(State)

namespace {

const Button allButtons[] = {TCaptionDBNavi::First,  TCaptionDBNavi::Prior,  TCaptionDBNavi::Next,
                             TCaptionDBNavi::Last,   TCaptionDBNavi::Insert, TCaptionDBNavi::Delete,
                             TCaptionDBNavi::Edit,   TCaptionDBNavi::Post,   TCaptionDBNavi::Cancel,
                             TCaptionDBNavi::Refresh};

void moveOver(QWidget* target, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, target->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

} // namespace

class TestCaptionDBNavi : public QObject {
    Q_OBJECT

    std::unique_ptr<TCaptionDBNavi> navi;
    std::unique_ptr<FakeCursor> fake;
    FakeCursor& cursor() { return *fake; }

private slots:
    void init() {
        fake = std::make_unique<FakeCursor>();
        navi = std::make_unique<TCaptionDBNavi>();
        navi->setCursor(fake.get());
        navi->show();
        QVERIFY(QTest::qWaitForWindowExposed(navi.get()));
    }
    void cleanup() {
        navi.reset();
        fake.reset();
    }

    void defaults() {
        TCaptionDBNavi fresh;
        QCOMPARE(fresh.size(), QSize(451, 40));
        QCOMPARE(fresh.visibleButtons(), TCaptionDBNavi::AllButtons);
        QVERIFY(fresh.showCaption());
        QVERIFY(fresh.showGlyph());
        QCOMPARE(fresh.captionLayout(), TCaptionDBNavi::cbBottom);
        QCOMPARE(fresh.naviBorders(), TCaptionDBNavi::nbFrame);
        QCOMPARE(fresh.onMoveColor(), QColor(Qt::blue));
        for (Button b : allButtons) QVERIFY2(!fresh.button(b)->isEnabled(), "no cursor: all disabled");
    }

    void clickActsThenSignals_data() {
        QTest::addColumn<Button>("button");
        QTest::addColumn<QString>("op");
        QTest::addColumn<State>("state");
        QTest::newRow("first") << TCaptionDBNavi::First << "first" << State::Browse;
        QTest::newRow("prior") << TCaptionDBNavi::Prior << "prior" << State::Browse;
        QTest::newRow("next") << TCaptionDBNavi::Next << "next" << State::Browse;
        QTest::newRow("last") << TCaptionDBNavi::Last << "last" << State::Browse;
        QTest::newRow("insert") << TCaptionDBNavi::Insert << "insert" << State::Browse;
        QTest::newRow("delete") << TCaptionDBNavi::Delete << "remove" << State::Browse;
        QTest::newRow("edit") << TCaptionDBNavi::Edit << "edit" << State::Browse;
        QTest::newRow("post") << TCaptionDBNavi::Post << "post" << State::Edit;
        QTest::newRow("cancel") << TCaptionDBNavi::Cancel << "cancel" << State::Insert;
        QTest::newRow("refresh") << TCaptionDBNavi::Refresh << "refresh" << State::Browse;
    }
    void clickActsThenSignals() {
        QFETCH(Button, button);
        QFETCH(QString, op);
        QFETCH(State, state);
        cursor().currentState = state;
        navi->updateButtons();
        connect(navi.get(), &TCaptionDBNavi::clicked, this, [this](Button b) {
            cursor().calls << QStringLiteral("clicked %1").arg(TCaptionDBNavi::indexOf(b));
        });
        QSignalSpy failed(navi.get(), &TCaptionDBNavi::actionFailed);

        QTest::mouseClick(navi->button(button), Qt::LeftButton);

        const QStringList expected{op, QStringLiteral("clicked %1").arg(TCaptionDBNavi::indexOf(button))};
        QCOMPARE(cursor().calls, expected);
        QCOMPARE(failed.count(), 0);
    }

    void failingActionReportsInsteadOfClick() {
        cursor().failOn = QStringLiteral("next");
        QSignalSpy clicked(navi.get(), &TCaptionDBNavi::clicked);
        QSignalSpy failed(navi.get(), &TCaptionDBNavi::actionFailed);

        QTest::mouseClick(navi->button(TCaptionDBNavi::Next), Qt::LeftButton);

        QCOMPARE(cursor().calls, QStringList{"next"});
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0).at(0).value<Button>(), TCaptionDBNavi::Next);
        QCOMPARE(failed.at(0).at(1).toString(), QStringLiteral("next refused"));
        QVERIFY(!navi->button(TCaptionDBNavi::Next)->isDown());
    }

    void inactiveCursorIsLeftAlone() {
        cursor().currentState = State::Inactive;
        QSignalSpy clicked(navi.get(), &TCaptionDBNavi::clicked);
        navi->clickButton(TCaptionDBNavi::First);
        QVERIFY(cursor().calls.isEmpty());
        QCOMPARE(clicked.count(), 1);
    }

    void clickButtonWithoutCursorStillSignals() {
        navi->setCursor(nullptr);
        QSignalSpy clicked(navi.get(), &TCaptionDBNavi::clicked);
        navi->clickButton(TCaptionDBNavi::Refresh);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(cursor().calls.isEmpty());
    }

    void enablingFollowsCursor_data() {
        QTest::addColumn<State>("state");
        QTest::addColumn<bool>("bof");
        QTest::addColumn<bool>("eof");
        QTest::addColumn<QString>("enabled"); // one digit per button, button order
        QTest::newRow("browse") << State::Browse << false << false << "1111111001";
        QTest::newRow("at beginning") << State::Browse << true << false << "0011111001";
        QTest::newRow("at end") << State::Browse << false << true << "1100111001";
        QTest::newRow("empty") << State::Browse << true << true << "0000101001";
        QTest::newRow("editing") << State::Edit << false << false << "1111110111";
        QTest::newRow("inserting") << State::Insert << false << false << "1111110111";
        QTest::newRow("inactive") << State::Inactive << false << false << "0000000000";
    }
    void enablingFollowsCursor() {
        QFETCH(State, state);
        QFETCH(bool, bof);
        QFETCH(bool, eof);
        QFETCH(QString, enabled);
        cursor().currentState = state;
        cursor().atBof = bof;
        cursor().atEof = eof;
        navi->updateButtons();
        QString actual;
        for (Button b : allButtons) actual += navi->button(b)->isEnabled() ? u'1' : u'0';
        QCOMPARE(actual, enabled);
    }

    void stateIsReadAfterEachAction() {
        connect(navi.get(), &TCaptionDBNavi::clicked, this,
                [this] { QVERIFY(navi->button(TCaptionDBNavi::Post)->isEnabled()); });
        cursor().currentState = State::Edit; // what edit() would leave
        QTest::mouseClick(navi->button(TCaptionDBNavi::Refresh), Qt::LeftButton);
        QVERIFY(!navi->button(TCaptionDBNavi::Edit)->isEnabled());
    }

    void captions_data() {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<bool>("show");
        QTest::addColumn<QStringList>("expected");
        const QStringList builtin{"&First",  "&Prior", "&Next", "&Last",   "&Insert",
                                  "&Delete", "&Edit",  "&Post", "&Cancel", "&Refresh"};
        const QStringList board{"先頭", "前へ", "後へ", "最後", "挿入",
                                "削除", "編集", "登録", "取消", "更新"};
        QTest::newRow("built-in") << QStringList() << true << builtin;
        QTest::newRow("board screens") << board << true << board;
        QTest::newRow("partial, empty lines keep built-ins")
            << QStringList{"先頭", "", "後へ"} << true
            << QStringList{"先頭",    "&Prior", "後へ",  "&Last",   "&Insert",
                           "&Delete", "&Edit",  "&Post", "&Cancel", "&Refresh"};
        QTest::newRow("hidden") << board << false << QStringList(10, QString());
    }
    void captions() {
        QFETCH(QStringList, captions);
        QFETCH(bool, show);
        QFETCH(QStringList, expected);
        navi->setCaptions(captions);
        navi->setShowCaption(show);
        QStringList actual;
        for (Button b : allButtons) actual << navi->caption(b);
        QCOMPARE(actual, expected);
    }

    void glyphReplacementAndReset() {
        const QImage builtin = TCaptionDBNavi::defaultGlyph(TCaptionDBNavi::Edit).toImage();
        QCOMPARE(navi->glyph(TCaptionDBNavi::Edit).toImage(), builtin);
        QVERIFY(TCaptionDBNavi::defaultGlyph(TCaptionDBNavi::Edit).toImage() !=
                TCaptionDBNavi::defaultGlyph(TCaptionDBNavi::Post).toImage());

        QPixmap own(12, 12);
        own.fill(Qt::transparent);
        {
            QPainter p(&own);
            p.fillRect(2, 2, 8, 8, Qt::darkGreen);
        }
        navi->setGlyph(TCaptionDBNavi::Edit, own);
        QCOMPARE(navi->glyph(TCaptionDBNavi::Edit).toImage(), own.toImage());
        QCOMPARE(navi->glyph(TCaptionDBNavi::Post).toImage(),
                 TCaptionDBNavi::defaultGlyph(TCaptionDBNavi::Post).toImage());

        navi->setGlyph(TCaptionDBNavi::Edit, QPixmap());
        QCOMPARE(navi->glyph(TCaptionDBNavi::Edit).toImage(), builtin);
    }

    void bitmapWithoutAlphaIsTransparentInItsCornerColour() {
        QImage bmp(8, 8, QImage::Format_RGB32);
        bmp.fill(Qt::magenta);
        bmp.setPixelColor(4, 4, Qt::black);
        navi->setGlyph(TCaptionDBNavi::First, QPixmap::fromImage(bmp));
        const QImage shown = navi->glyph(TCaptionDBNavi::First).toImage();
        QCOMPARE(qAlpha(shown.pixel(0, 7)), 0);
        QCOMPARE(shown.pixelColor(4, 4), QColor(Qt::black));
    }

    void captionColourFollowsMouse() {
        QSignalSpy moved(navi.get(), &TCaptionDBNavi::mouseMoved);
        const QColor normal = navi->palette().color(QPalette::Active, QPalette::ButtonText);
        auto colours = [this] {
            QList<QColor> c;
            for (Button b : allButtons) c << navi->captionColor(b);
            return c;
        };
        auto onlyAt = [&](int hot, const QColor& colour) {
            QList<QColor> c(10, normal);
            if (hot >= 0) c[hot] = colour;
            return c;
        };

        QAbstractButton* next = navi->button(TCaptionDBNavi::Next);
        moveOver(next, QPoint(5, 5));
        QCOMPARE(colours(), onlyAt(2, Qt::blue));
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.at(0).at(2).toInt(), 2);
        QCOMPARE(moved.at(0).at(3).toPoint(), next->geometry().topLeft() + QPoint(5, 5));

        moveOver(navi->button(TCaptionDBNavi::Post), QPoint(5, 5)); // disabled while browsing
        QCOMPARE(moved.last().at(2).toInt(), 7);
        QCOMPARE(colours(), onlyAt(7, Qt::blue));

        navi->setOnMoveColor(Qt::red);
        moveOver(navi->button(TCaptionDBNavi::Refresh), QPoint(3, 3));
        QCOMPARE(colours(), onlyAt(9, Qt::red));
        QCOMPARE(moved.last().at(2).toInt(), 9);

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(navi.get(), &leave);
        QCOMPARE(colours(), onlyAt(-1, Qt::red));
    }

    void visibleButtonsShareTheWidth() {
        navi->resize(342, 41);
        navi->setVisibleButtons(TCaptionDBNavi::AllButtons &
                                ~TCaptionDBNavi::Buttons(TCaptionDBNavi::Delete));
        QVERIFY(navi->button(TCaptionDBNavi::Delete)->isHidden());
        int x = 0;
        for (Button b : allButtons) {
            if (b == TCaptionDBNavi::Delete) continue;
            QCOMPARE(navi->button(b)->geometry(), QRect(x, 0, 38, 41));
            x += 38;
        }
        QSignalSpy moved(navi.get(), &TCaptionDBNavi::mouseMoved);
        moveOver(navi->button(TCaptionDBNavi::Edit), QPoint(1, 1));
        QCOMPARE(moved.at(0).at(2).toInt(), TCaptionDBNavi::indexOf(TCaptionDBNavi::Edit));
    }

    void flatBordersInsetTheButtons_data() {
        QTest::addColumn<TCaptionDBNavi::NaviBorders>("borders");
        QTest::addColumn<QRect>("firstButton");
        QTest::newRow("none") << TCaptionDBNavi::nbNone << QRect(0, 0, 46, 40);
        QTest::newRow("frame") << TCaptionDBNavi::nbFrame << QRect(1, 1, 45, 38);
        QTest::newRow("top and bottom") << TCaptionDBNavi::nbTopBottom << QRect(0, 1, 46, 38);
        QTest::newRow("left and right") << TCaptionDBNavi::nbLeftRight << QRect(1, 0, 45, 40);
    }
    void flatBordersInsetTheButtons() {
        QFETCH(TCaptionDBNavi::NaviBorders, borders);
        QFETCH(QRect, firstButton);
        navi->resize(451, 40);
        navi->setFlat(true);
        navi->setNaviBorders(borders);
        QCOMPARE(navi->button(TCaptionDBNavi::First)->geometry(), firstButton);
    }

    void backBitmapSetsButtonFaceColour() {
        QPixmap tile(8, 8);
        tile.fill(Qt::yellow);
        navi->setBackBitmap(tile);
        QCOMPARE(navi->palette().color(QPalette::Window), navi->palette().color(QPalette::Button));
    }
};

QTEST_MAIN(TestCaptionDBNavi)
#include "tst_captiondbnavi.moc"
