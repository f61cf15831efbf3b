#include "menu0frm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

#include "aboutbox.h"
#include "calendartable.h"
#include "centreonscreen.h"
#include "dxfcolorbutton.h"
#include "errorbox.h"
#include "gamensize.h"
#include "hoshimidb1.h"
#include "jibanfrm.h"
#include "nenbanfrm.h"
#include "nitibanfrm.h"
#include "oukihlp.h"
#include "patterntexts.h"
#include "purposemenu.h"
#include "qtext.h"
#include "selectedprinter.h"
#include "settings.h"
#include "titlefrm.h"
#include "tukibanfrm.h"
#include "versionfrm.h"
#include "workbench.h"

namespace hoshi {

namespace {

// The client area under the menu bar, filled with the background gradient.
class GradientArea : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, width() * 0.35, height());
        g.setColorAt(0, QColor(18, 16, 74));
        g.setColorAt(0.55, QColor(58, 24, 104));
        g.setColorAt(1, QColor(120, 30, 110));
        p.fillRect(rect(), g);
    }
};

// The purpose buttons, left column top to bottom, then the right column,
// by their purposes' short names; "終了" closes the last place.
constexpr std::array<std::string_view, 11> buttonPurposes = {"kekkon", "ninsin", "syodan",   "syori",
                                                             "ryoko",  "myhome", "endukuri", "siken",
                                                             "homon",  "wagou",  "hikkosi"};

} // namespace

Tmenu0frm::Tmenu0frm(Workbench& workbench) : wb_(workbench) {
    setObjectName(QStringLiteral("menu0frm"));
    setWindowTitle(QStringLiteral("KorimakiVer3.7"));
    auto* area = new GradientArea(this);
    area->setFixedSize(790, 512);
    setCentralWidget(area);
    buildMenu();
    buildButtons();
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    adjustSize();
    setFixedSize(sizeHint());
    centreOnScreen(*this);
}

void Tmenu0frm::buildMenu() {
    QMenuBar* bar = menuBar();
    auto item = [&](QAction*& a, const char* name, const QString& text, void (Tmenu0frm::*slot)()) {
        a = bar->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (slot) connect(a, &QAction::triggered, this, slot);
    };
    item(jibanmenu, "jibanmenu", QStringLiteral("時盤表示"), &Tmenu0frm::jibanmenuClick);
    item(nitibanmenu, "nitibanmenu", QStringLiteral("日盤表示"), &Tmenu0frm::nitibanmenuClick);
    item(tukibanmenu, "tukibanmenu", QStringLiteral("月盤表示"), &Tmenu0frm::tukibanmenuClick);
    item(nenbanmenu, "nenbanmenu", QStringLiteral("年盤表示"), &Tmenu0frm::nenbanmenuClick);
    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ"));
    help->setObjectName(QStringLiteral("N1"));
    oukibtn = help->addAction(QStringLiteral("応期盤表参照"));
    oukibtn->setObjectName(QStringLiteral("oukibtn"));
    connect(oukibtn, &QAction::triggered, this, &Tmenu0frm::oukibtnClick);
    versionmenu = help->addAction(QStringLiteral("バージョン"));
    versionmenu->setObjectName(QStringLiteral("versionmenu"));
    connect(versionmenu, &QAction::triggered, this, &Tmenu0frm::versionmenuClick);
    item(Exit1, "Exit1", QStringLiteral("終了"), nullptr);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    item(printmenu, "printmenu", QStringLiteral("プリンタ設定"), &Tmenu0frm::printmenuClick);
}

void Tmenu0frm::buildButtons() {
    QWidget* area = centralWidget();
    QFont captionFont(QStringLiteral("ＭＳ Ｐゴシック"));
    captionFont.setPixelSize(16);
    captionFont.setBold(true);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const Purpose* purpose = i < buttonPurposes.size() ? findPurpose(buttonPurposes[i]) : nullptr;
        auto* b = new TdxfColorButton(area);
        b->setObjectName(purpose ? qs(purpose->button) : QStringLiteral("endbtn"));
        b->setColor(QColor(255, 0, 255));
        b->setCaption({purpose ? qs(purpose->buttonCaption) : QStringLiteral("終了")});
        b->setFont(captionFont);
        QPalette pal = b->palette();
        pal.setColor(QPalette::ButtonText, Qt::white);
        b->setPalette(pal);
        const int col = static_cast<int>(i) / 6, row = static_cast<int>(i) % 6;
        b->setGeometry(25 + col * 380, 22 + row * 68, 360, 54);
        buttons[i] = b;
        if (purpose)
            connect(b, &TdxfColorButton::clicked, this, [this, purpose] { purposeClick(purpose->name); });
    }
    endbtn = buttons.back();
    connect(endbtn, &TdxfColorButton::clicked, this, &QWidget::close);

    settingsButton =
        new QPushButton(QStringLiteral("設定（鑑定書の表紙タイトル・電話番号・起動時のサウンド）"), area);
    settingsButton->setObjectName(QStringLiteral("aboutbtn"));
    settingsButton->setGeometry(25, 446, 740, 44);
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(15);
    settingsButton->setFont(f);
    settingsButton->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                       "stop:0 #6a4aa8, stop:1 #3a1e70);"
                       " border: 1px solid #c8b8f0; border-radius: 8px; }"
                       "QPushButton:pressed { background: #2a1450; }"));
    connect(settingsButton, &QPushButton::clicked, this, &Tmenu0frm::settingsClick);
}

void Tmenu0frm::FormCreate() {
    const Startup& s = wb_.startup;
    const QDate today = s.today();
    if (settings::soundOn()) s.playTune(tuneOfTheDay(today));
    {
        QElapsedTimer shown; // the 6000 ms count from before the splash is made
        shown.start();
        Ttitlefrm splash;
        splash.show();
        splash.repaint();
        QApplication::processEvents(); // paint it at once; the wait itself processes nothing
        s.splashWait(static_cast<int>(std::max<qint64>(0, 6000 - shown.elapsed())));
    }
}

void Tmenu0frm::screenSizeCheck() {
    if (screenTooSmall(wb_.startup.screenSize())) {
        TGamensize notice;
        notice.exec();
    }
}

namespace {

void bringUp(QWidget& w) {
    w.show();
    w.raise();
    w.activateWindow();
}

} // namespace

// Shows a board screen, positions its table on today's key and computes.
// Positioning posts an edit left in the grid; a refusal is reported and the
// board is computed for the record the cursor stays on.
void Tmenu0frm::showOnToday(TBoardScreen& screen) {
    bringUp(screen);
    if (screen.table() && !screen.table()->isOpen()) {
        const std::string_view file = screen.table()->info().fileName;
        QString text = QStringLiteral("暦のテーブル「%1」が開かれていないため、盤を表示できません。")
                           .arg(QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())));
        if (!wb_.calendarError.isEmpty()) text += QStringLiteral("\n（起動時: %1）").arg(wb_.calendarError);
        showErrorBox(&screen, text);
        return;
    }
    try {
        const int length = boardKind(screen.kind()).keyLength();
        if (screen.table()) screen.table()->findKey(dateText(wb_.startup.today()).left(length).toStdString());
    } catch (const std::exception& e) {
        showErrorBox(&screen, e);
    }
    screen.compute();
}

void Tmenu0frm::jibanmenuClick() {
    showOnToday(*wb_.jibanfrm);
}

void Tmenu0frm::nitibanmenuClick() {
    showOnToday(*wb_.nitibanfrm);
}

void Tmenu0frm::tukibanmenuClick() {
    showOnToday(*wb_.tukibanfrm);
}

void Tmenu0frm::nenbanmenuClick() {
    showOnToday(*wb_.nenbanfrm);
}

void Tmenu0frm::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    QApplication::quit();
}

void Tmenu0frm::purposeClick(std::string_view name) {
    TPurposeMenu* menu = wb_.purposeMenu(name);
    if (!menu) return;
    menu->show();
    menu->move(0, 0); // the top-left corner of the desktop, wherever it was left
    menu->raise();
    menu->activateWindow();
}

void Tmenu0frm::oukibtnClick() {
    bringUp(*wb_.oukihlp);
}

void Tmenu0frm::versionmenuClick() {
    bringUp(*wb_.versionfrm);
}

void Tmenu0frm::printmenuClick() {
    runPrinterDialog(this);
}

void Tmenu0frm::settingsClick() {
    bringUp(*wb_.aboutBox);
}

} // namespace hoshi
