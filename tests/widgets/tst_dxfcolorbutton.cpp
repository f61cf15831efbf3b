#include "dxfcolorbutton.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

using hoshi::TdxfColorButton;

namespace {

// A colour moved the fraction f toward white, per channel.
QColor towardWhite(const QColor& c, double f) {
    auto ch = [f](int v) { return int(std::lround(v + (255 - v) * f)); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

int distance(const QColor& a, const QColor& b) {
    return std::max(
        {std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

} // namespace

class TestDxfColorButton : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> parent;

    TdxfColorButton* makeButton(int group = 0) {
        auto* b = new TdxfColorButton(parent.get());
        b->setGroupIndex(group);
        b->show();
        return b;
    }
    static void click(TdxfColorButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); }

private slots:
    void init() {
        parent = std::make_unique<QWidget>();
        parent->resize(400, 300);
        parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent.get()));
    }
    void cleanup() { parent.reset(); }

    void defaults() {
        TdxfColorButton b;
        QCOMPARE(b.size(), QSize(100, 40));
        QCOMPARE(b.color(), QColor(Qt::white));
        QCOMPARE(b.buttonLayout(), TdxfColorButton::dxfGlyphLeft);
        QCOMPARE(b.groupIndex(), 0);
        QVERIFY(!b.isDown());
        QVERIFY(!b.allowAllUp());
        QVERIFY(b.caption().isEmpty());
    }

    void maskIsTheInscribedEllipse() {
        TdxfColorButton* b = makeButton();
        b->resize(360, 54);
        const QRegion mask = b->mask();
        for (QPoint corner : {QPoint(0, 0), QPoint(359, 0), QPoint(0, 53), QPoint(359, 53), QPoint(20, 5)})
            QVERIFY2(!mask.contains(corner),
                     qPrintable(QStringLiteral("(%1, %2) inside").arg(corner.x()).arg(corner.y())));
        for (QPoint in : {QPoint(180, 27), QPoint(180, 1), QPoint(2, 27), QPoint(357, 27), QPoint(180, 52)})
            QVERIFY2(mask.contains(in),
                     qPrintable(QStringLiteral("(%1, %2) outside").arg(in.x()).arg(in.y())));
    }

    // Fractions toward white: the background two fifths; the highlight point
    // is under the last ellipses, k / (1.2 r) -> 5/6; the centre is last
    // covered at t = 1 / (1 + 0.6 sqrt 2) of the way, giving t / 1.2.
    void faceBlend_data() {
        QTest::addColumn<QColor>("face");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("tolerance");
        const double centre = 1 / (1 + 0.6 * std::sqrt(2.0)) / 1.2;
        for (QColor face : {QColor(Qt::magenta), QColor(0, 0, 128)}) {
            const QString name = face.name();
            QTest::addRow("%s corner", qPrintable(name)) << face << false << QPoint(0, 0) << 0.4 << 0;
            QTest::addRow("%s highlight", qPrintable(name))
                << face << false << QPoint(72, 10) << 5.0 / 6 << 6;
            QTest::addRow("%s centre", qPrintable(name)) << face << false << QPoint(180, 27) << centre << 3;
            QTest::addRow("%s pressed corner", qPrintable(name)) << face << true << QPoint(0, 0) << 0.4 << 0;
            QTest::addRow("%s pressed lowlight", qPrintable(name))
                << face << true << QPoint(266, 39) << 5.0 / 6 << 4;
            // Inside the groove's first ellipse, far from its highlight: near the face colour.
            QTest::addRow("%s pressed groove", qPrintable(name))
                << face << true << QPoint(60, 16) << 0.0 << 8;
        }
    }
    void faceBlend() {
        QFETCH(QColor, face);
        QFETCH(bool, pressed);
        QFETCH(QPoint, at);
        QFETCH(double, fraction);
        QFETCH(int, tolerance);
        TdxfColorButton* b = makeButton();
        b->resize(360, 54);
        b->setColor(face);
        const QImage image = pressed ? b->pressedFace() : b->releasedFace();
        QCOMPARE(image.size(), QSize(360, 54));
        const QColor actual = image.pixelColor(at);
        const QColor expected = towardWhite(face, fraction);
        QVERIFY2(distance(actual, expected) <= tolerance,
                 qPrintable(QStringLiteral("%1 at (%2, %3), expected %4")
                                .arg(actual.name())
                                .arg(at.x())
                                .arg(at.y())
                                .arg(expected.name())));
    }

    void facesFollowTheSize() {
        TdxfColorButton* b = makeButton();
        b->resize(200, 60);
        QCOMPARE(b->releasedFace().size(), QSize(200, 60));
        QCOMPARE(b->pressedFace().size(), QSize(200, 60));
        QVERIFY(b->mask().contains(QPoint(100, 30)));
        QVERIFY(!b->mask().contains(QPoint(1, 1)));
    }

    void clickOnReleaseOnly() {
        TdxfColorButton* b = makeButton();
        QSignalSpy clicked(b, &TdxfColorButton::clicked);
        const QPoint centre = b->rect().center();

        QTest::mousePress(b, Qt::LeftButton, {}, centre);
        QVERIFY(b->isPressed());
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(b, Qt::LeftButton, {}, centre);
        QVERIFY(!b->isPressed());
        QCOMPARE(clicked.count(), 1);

        // Released outside the ellipse: no click. ((0, 0) would mean the
        // centre to QTest.)
        QTest::mousePress(b, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(1, 1));
        QVERIFY(!b->isPressed());
        QCOMPARE(clicked.count(), 1);

        b->setEnabled(false);
        QTest::mouseClick(b, Qt::LeftButton, {}, centre);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(!b->isDown());
    }

    void groupWithoutGroupIndexNeverStaysDown() {
        TdxfColorButton* b = makeButton(0);
        click(b);
        QVERIFY(!b->isDown());
        b->setDown(true);
        QVERIFY(!b->isDown());
    }

    void groupReleasesTheOthers() {
        TdxfColorButton* a = makeButton(1);
        TdxfColorButton* b = makeButton(1);
        TdxfColorButton* other = makeButton(2);
        other->setDown(true);
        QSignalSpy bClicked(b, &TdxfColorButton::clicked);

        click(a);
        QVERIFY(a->isDown());
        QVERIFY(a->isPressed());
        click(b);
        QVERIFY(b->isDown());
        QVERIFY(!a->isDown());
        QVERIFY(other->isDown());

        // Without allowAllUp a second click leaves it down (and still clicks).
        click(b);
        QVERIFY(b->isDown());
        QCOMPARE(bClicked.count(), 2);
        b->setDown(false);
        QVERIFY(b->isDown());
    }

    void allowAllUpLetsTheSecondClickRelease() {
        TdxfColorButton* a = makeButton(3);
        TdxfColorButton* b = makeButton(3);
        a->setAllowAllUp(true);
        QVERIFY(b->allowAllUp()); // shared by the group
        click(b);
        QVERIFY(b->isDown());
        click(b);
        QVERIFY(!b->isDown());
        QVERIFY(!a->isDown());
        b->setDown(true);
        b->setDown(false);
        QVERIFY(!b->isDown());
    }

    void groupsAreKeptPerParent() {
        TdxfColorButton* a = makeButton(1);
        QWidget elsewhere;
        auto* b = new TdxfColorButton(&elsewhere);
        b->setGroupIndex(1);
        a->setDown(true);
        b->setDown(true);
        QVERIFY(a->isDown());
        QVERIFY(b->isDown());
    }
};

QTEST_MAIN(TestDxfColorButton)
#include "tst_dxfcolorbutton.moc"
