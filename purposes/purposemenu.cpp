#include "purposemenu.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "boardscreen.h"
#include "centreonscreen.h"
#include "datetext.h"
#include "errorbox.h"
#include "qtext.h"
#include "screensearchboard.h"

namespace hoshi {

namespace {

constexpr int clientWidth = 300;
constexpr int stripHeight = 34;
constexpr int searchHeight = 150;
constexpr int radioHeight = 30;

QFont pixelFont(int px, bool bold = false) {
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// The hourglass for as long as an operation runs.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TPurposeMenu::TPurposeMenu(const Purpose& entry, const BoardScreens& screens, const TKanMo1& kanmo,
                           std::function<QDate()> today, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      purpose_(entry), screens_(screens), today_(std::move(today)) {
    setObjectName(qs(entry.screenClass.substr(1)));
    setWindowTitle(qs(entry.caption));
    const bool radios = !entry.searches.empty() && !entry.searches.front().femaleSet.empty();
    setFixedSize(clientWidth, stripHeight + static_cast<int>(entry.searches.size()) * searchHeight +
                                  (radios ? radioHeight : 0) + 8);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(236, 233, 216));
    setPalette(pal);

    headingStrip = new QLabel(qs(entry.heading), this);
    headingStrip->setObjectName(QStringLiteral("heading"));
    headingStrip->setGeometry(0, 0, clientWidth, stripHeight);
    headingStrip->setAlignment(Qt::AlignCenter);
    headingStrip->setFont(pixelFont(20, true));
    headingStrip->setStyleSheet(QStringLiteral("color: #fff8d0; background: qlineargradient(x1:0, y1:0, "
                                               "x2:1, y2:0, stop:0 #3a1e70, stop:1 #7a2a80);"));

    int y = stripHeight + 8;
    for (std::size_t i = 0; i < entry.searches.size(); ++i) {
        const PurposeSearchDef& s = entry.searches[i];
        const SearchControls& c = s.controls;
        Search w;
        auto button = [&](std::string_view name, const QString& text, QRect r) {
            auto* b = new QPushButton(text, this);
            b->setObjectName(qs(name));
            b->setGeometry(r);
            b->setFont(pixelFont(14, true));
            return b;
        };
        auto label = [&](std::string_view name, const QString& text, int top, int px, bool bold) {
            auto* l = new QLabel(text, this);
            l->setObjectName(qs(name));
            l->setGeometry(8, top, clientWidth - 16, px + 8);
            l->setAlignment(Qt::AlignCenter);
            l->setFont(pixelFont(px, bold));
            return l;
        };
        w.start = button(c.start, qs(startCaption(s.kind)), QRect(50, y, 200, 30));
        w.previous = button(c.previous, QStringLiteral("前"), QRect(50, y + 34, 96, 26));
        w.next = button(c.next, QStringLiteral("次"), QRect(154, y + 34, 96, 26));
        w.period = label(c.period, qs(periodPlaceholder(s.kind)), y + 66, 16, true);
        w.heading = label(c.heading, QStringLiteral("吉の方位"), y + 90, 13, false);
        w.directions = label(c.directions, QString(), y + 110, 16, true);
        w.period->setStyleSheet(QStringLiteral("color: #000080;"));
        w.directions->setStyleSheet(QStringLiteral("color: #b00000;"));
        const int index = static_cast<int>(i);
        connect(w.start, &QPushButton::clicked, this, [this, index] { startClick(index); });
        connect(w.next, &QPushButton::clicked, this, [this, index] { nextClick(index); });
        connect(w.previous, &QPushButton::clicked, this, [this, index] { previousClick(index); });
        searches.push_back(w);
        engines_.emplace_back(s.kind, ruleOf(s, [this] { return female && female->isChecked(); }), kanmo);
        y += searchHeight;
    }
    if (radios) {
        male = new QRadioButton(QStringLiteral("男"), this);
        male->setObjectName(QStringLiteral("male"));
        male->setGeometry(90, y, 60, 24);
        male->setChecked(true);
        female = new QRadioButton(QStringLiteral("女"), this);
        female->setObjectName(QStringLiteral("female"));
        female->setGeometry(160, y, 60, 24);
        for (QRadioButton* r : {male, female}) r->setFont(pixelFont(15, true));
    }
}

void TPurposeMenu::startClick(int i) {
    runSearch(i, Op::start);
}

void TPurposeMenu::nextClick(int i) {
    runSearch(i, Op::next);
}

void TPurposeMenu::previousClick(int i) {
    runSearch(i, Op::previous);
}

void TPurposeMenu::runSearch(int i, Op op) {
    const Search& w = searches.at(static_cast<std::size_t>(i));
    const PurposeSearch& engine = engines_.at(static_cast<std::size_t>(i));
    TBoardScreen& screen = *screens_.at(static_cast<std::size_t>(engine.kind()));
    if (!screen.table()) return;
    BusyCursor busy;
    if (op == Op::start) {
        screen.show();
        screen.raise();
        raise();
        activateWindow();
    }
    SearchLabels labels{w.period->text().toStdString(), w.directions->text().toStdString()};
    ScreenSearchBoard board(screen);
    try {
        switch (op) {
        case Op::start:
            engine.start(board, dateText(today_()).toStdString(), labels);
            break;
        case Op::next:
            engine.next(board, labels);
            break;
        case Op::previous:
            engine.previous(board, labels);
            break;
        }
    } catch (const std::exception& e) {
        showErrorBox(this, e);
    }
    w.period->setText(qs(labels.period));
    w.directions->setText(qs(labels.directions));
}

} // namespace hoshi
