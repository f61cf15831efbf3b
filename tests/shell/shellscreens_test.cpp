// The settings screen against a settings folder of the test's own, the
// information windows' fixed parts, and the screen-size rule.

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "aboutbox.h"
#include "dbdumpform.h"
#include "gamensize.h"
#include "profilefile.h"
#include "settings.h"
#include "titlefrm.h"
#include "versionfrm.h"

using namespace hoshi;

class ShellScreensTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    void store(const char* file) {
        QFile::remove(settings::filePath());
        if (!file) return;
        QFile f(settings::filePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
    }
    QString stored(const char16_t* section, const char16_t* key) {
        return ProfileFile(settings::filePath()).read(section, key, QStringLiteral("<missing>"));
    }
    // Closes the next message box and returns its text through `text`.
    static void closeNextMessageBox(QString& text) {
        QTimer::singleShot(0, [&text] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                box->accept();
            }
        });
    }

private slots:
    void init() { settings::setFolder(dir.path()); }

    void checkBoxFollowsTheStoredValueAtEachShow() {
        store(nullptr);
        TAboutBox box;
        const struct {
            const char* file;
            bool checked;
        } rows[] = {
            {"[sound]\r\ncheck=False\r\n", false},
            {"[sound]\r\ncheck=True\r\n", true},
            {"[sound]\r\ncheck=true\r\n", false},
            {nullptr, true},
        };
        for (const auto& r : rows) {
            store(r.file);
            box.show();
            QCOMPARE(box.SndCheckBox->isChecked(), r.checked);
            box.hide();
        }
    }

    void clickWritesAtOnce() {
        store("[sound]\r\ncheck=True\r\n");
        TAboutBox box;
        box.show();
        box.SndCheckBox->click();
        QCOMPARE(stored(u"sound", u"check"), QStringLiteral("False"));
        box.SndCheckBox->click();
        QCOMPARE(stored(u"sound", u"check"), QStringLiteral("True"));
    }

    void fieldsAreReadOnceAndSaveWritesBoth() {
        store("[owner]\r\ntitle=\x90\xAF\x82\xCC\x8A\xD3\x92\xE8\x8F\x91\r\ntel=03-1111\r\n");
        TAboutBox box;
        QCOMPARE(box.titlebox->text(), QStringLiteral("星の鑑定書"));
        QCOMPARE(box.telbox->text(), QStringLiteral("03-1111"));

        settings::setOwnerTel(QStringLiteral("changed elsewhere"));
        box.show();
        QCOMPARE(box.telbox->text(), QStringLiteral("03-1111"));

        box.titlebox->setText(QStringLiteral("　奇門遁甲 鑑定書"));
        box.telbox->clear();
        QTest::keyClicks(box.telbox, "090-2222-3333");
        QTest::mouseClick(box.savebtn, Qt::LeftButton);
        QCOMPARE(settings::ownerTitle(), QStringLiteral("　奇門遁甲 鑑定書"));
        QCOMPARE(settings::ownerTel(), QStringLiteral("090-2222-3333"));
        QCOMPARE(box.savedlbl->text(), QStringLiteral("保存しました。"));
        QTest::keyClicks(box.telbox, "4");
        QVERIFY(box.savedlbl->text().isEmpty());
    }

    // A text Shift-JIS cannot hold: the box names the field and the
    // character, and neither stored text changes, though the title was fine.
    void unstorableTextNamesItsFieldAndStoresNothing() {
        store("[owner]\r\ntitle=old\r\ntel=03-1111\r\n");
        TAboutBox box;
        box.show();
        box.titlebox->setText(QStringLiteral("新しい表題"));
        box.telbox->setText(QStringLiteral("03-1111♥"));
        QString text;
        closeNextMessageBox(text);
        box.savebtn->click();
        QCOMPARE(text, QStringLiteral("電話番号(半角数字入力)：「♥」は Shift-JIS で表せない文字のため保存"
                                      "できません。\n保存されている内容は変わっていません。"));
        QCOMPARE(settings::ownerTitle(), QStringLiteral("old"));
        QCOMPARE(settings::ownerTel(), QStringLiteral("03-1111"));
        QVERIFY(box.savedlbl->text().isEmpty());
        QCOMPARE(box.telbox->text(), QStringLiteral("03-1111♥")); // kept for correction
    }

    void refusedWriteShowsTheErrorAndGoesOn() {
        store("[sound]\r\ncheck=True\r\n");
        TAboutBox box;
        box.show();
        settings::setFolder(dir.filePath("hoshimi.ini/sub")); // parent is a regular file
        QString text;
        closeNextMessageBox(text);
        box.SndCheckBox->click();
        QCOMPARE(text, QStringLiteral("hoshimi.ini に書き込めません"));
        QVERIFY(box.SndCheckBox->isChecked());

        text.clear();
        closeNextMessageBox(text);
        box.savebtn->click();
        QCOMPARE(text, QStringLiteral("hoshimi.ini に書き込めません"));
        QVERIFY(box.isVisible());
    }

    void screenSizeThreshold_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("tooSmall");
        QTest::newRow("800x600") << QSize(800, 600) << false;
        QTest::newRow("799x599") << QSize(799, 599) << false;
        QTest::newRow("1024x768") << QSize(1024, 768) << false;
        QTest::newRow("798x600") << QSize(798, 600) << true;
        QTest::newRow("800x598") << QSize(800, 598) << true;
        QTest::newRow("640x480") << QSize(640, 480) << true;
    }
    void screenSizeThreshold() {
        QFETCH(QSize, screen);
        QFETCH(bool, tooSmall);
        QCOMPARE(screenTooSmall(screen), tooSmall);
    }

    void windowsHaveTheirCaptionsAndSizes() {
        TAboutBox about;
        Tversionfrm version;
        Ttitlefrm title;
        TGamensize notice;
        TDBDUMPForm dump;
        const struct {
            QWidget* window;
            const char16_t* caption;
            QSize size;
        } rows[] = {
            {&about, nullptr, {489, 454}},
            {&version, u"バージョン", {498, 265}},
            {&title, nullptr, {612, 562}},
            {&notice, u"画面の大きさの設定を変更して下さい。", {589, 364}},
            {&dump, u"DBDUMPForm", {708, 517}},
        };
        for (const auto& r : rows) {
            r.window->show();
            if (r.caption) QCOMPARE(r.window->windowTitle(), QString::fromUtf16(r.caption));
            QCOMPARE(r.window->size(), r.size);
            QCOMPARE(r.window->minimumSize(), r.window->maximumSize());
        }
        QVERIFY(version.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(title.windowFlags() & Qt::FramelessWindowHint);
    }

    void splashCarriesTheVersion() {
        Ttitlefrm title;
        auto* label = title.findChild<QLabel*>();
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Ver3.7"));
        QCOMPARE(label->pos(), QPoint(496, 56));
        QCOMPARE(label->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(label->font().pixelSize(), 19);
        QVERIFY(label->font().bold());
        QVERIFY(!label->autoFillBackground());
    }

    void noticeShowsFourWrappedLinesAndEndClosesOnlyIt() {
        QWidget owner;
        owner.show();
        TGamensize notice(&owner);
        notice.show();
        QStringList lines;
        for (auto* label : notice.findChildren<QLabel*>()) {
            lines << label->text();
            QVERIFY(label->wordWrap());
            QVERIFY(label->geometry().right() < notice.width());
        }
        QCOMPARE(
            lines,
            QStringList({
                QStringLiteral(
                    "画面のサイズが８００X６００ピクセル以下ですので、全画面を表示することができません。"),
                QStringLiteral("(1) Windowsのコントロールパネルから「画面」をクリックして下さい。"),
                QStringLiteral("(2)"
                               "デイスプレイの詳細または、設定で、画面の領域の大きさを８００X６００ピクセル以"
                               "上の大きさに設定して下さい。"),
                QStringLiteral("(3)以上の設定を変更した上で、再度Korimakiを起動して下さい。"),
            }));
        QCOMPARE(notice.endbtn->text(), QStringLiteral("終了"));
        QTest::mouseClick(notice.endbtn, Qt::LeftButton);
        QVERIFY(!notice.isVisible());
        QVERIFY(owner.isVisible());
    }

    void dumpWindowHoldsMemo1UntilUsedAndHidesOnClose() {
        TDBDUMPForm dump;
        QCOMPARE(dump.Memo1->size(), QSize(700, 441));
        QCOMPARE(dump.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(dump.text(), QStringLiteral("Memo1"));
        dump.show();
        dump.clearLines();
        dump.appendLine(QStringLiteral("2024/01/01 甲乙"));
        dump.appendLine(QStringLiteral("2024/01/02 丙丁"));
        QCOMPARE(dump.text(), QStringLiteral("2024/01/01 甲乙\n2024/01/02 丙丁"));
        QVERIFY(dump.close());
        QVERIFY(dump.isHidden());
        QCOMPARE(dump.text(), QStringLiteral("2024/01/01 甲乙\n2024/01/02 丙丁"));
    }
};

QTEST_MAIN(ShellScreensTest)
#include "shellscreens_test.moc"
