#include "boardscreen.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>

#include "boardreport.h"
#include "calendarmodel.h"
#include "calendartable.h"
#include "centreonscreen.h"
#include "decoders.h"
#include "detailfrm.h"
#include "errorbox.h"
#include "hoshimidb1.h"
#include "houitorifrm.h"
#include "printjob.h"
#include "prntunt.h"
#include "qtext.h"

namespace hoshi {

namespace {

constexpr int frameWidth = 455, frameHeight = 428;
constexpr QSize cellSize{38, 22};
constexpr QSize memoSize{137, 75};
const QColor navy(0, 0, 128);
const QColor frameYellow(255, 221, 0);

QFont pixelFont(const QString& family, int px, bool bold = false) {
    QFont f(family);
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// Esc in the grid drops the edit of the current record, as a data-bound
// grid does.
class GridKeys : public QObject {
public:
    GridKeys(QObject* parent, std::function<void()> onEscape)
        : QObject(parent), onEscape_(std::move(onEscape)) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) onEscape_();
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> onEscape_;
};

} // namespace

TBoardScreen::TBoardScreen(BoardKind kind, Calculators& calc, const TKanMo1& kanmo, const Geometry& g,
                           const std::vector<BoundField>& fields, const std::vector<Column>& columns,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), kind_(kind), run_(kind, calc, kanmo), g_(g), fields_(fields),
      columns_(columns) {
    setWindowTitle(qs(boardKind(kind).caption));
    setFixedSize(g.client);
    setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), g.fontPx));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, navy);
    setPalette(pal);

    buildPanel(fields);
    buildGrid();
    buildBoard();
    centreOnScreen(*this);
}

void TBoardScreen::buildPanel(const std::vector<BoundField>& fields) {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, g_.client.width(), g_.panelHeight);
    Panel1->setAutoFillBackground(true);
    QPalette pp = Panel1->palette();
    pp.setColor(QPalette::Window, QColor(212, 208, 200));
    Panel1->setPalette(pp);

    CaptionDBNavi1 = new TCaptionDBNavi(Panel1);
    CaptionDBNavi1->setObjectName(QStringLiteral("CaptionDBNavi1"));
    CaptionDBNavi1->setGeometry(4, (g_.panelHeight - g_.navigator.height()) / 2, g_.navigator.width(),
                                g_.navigator.height());
    CaptionDBNavi1->setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    CaptionDBNavi1->setVisibleButtons(TCaptionDBNavi::AllButtons &
                                      ~TCaptionDBNavi::Buttons(TCaptionDBNavi::Delete));
    CaptionDBNavi1->setCaptions({QStringLiteral("先頭"), QStringLiteral("前へ"), QStringLiteral("後へ"),
                                 QStringLiteral("最後"), QStringLiteral("挿入"), QStringLiteral("削除"),
                                 QStringLiteral("編集"), QStringLiteral("登録"), QStringLiteral("取消"),
                                 QStringLiteral("更新")});
    connect(CaptionDBNavi1, &TCaptionDBNavi::actionStarting, this, [this] { DBGrid1->commitOpenEditor(); });
    connect(CaptionDBNavi1, &TCaptionDBNavi::clicked, this,
            [this](TCaptionDBNavi::Button b) { CaptionDBNavi1Click(b); });
    connect(CaptionDBNavi1, &TCaptionDBNavi::actionFailed, this,
            [this](TCaptionDBNavi::Button, const QString& text) { showErrorBox(this, text); });

    computeButton = new QPushButton(g_.computeCaption, Panel1);
    computeButton->setObjectName(QStringLiteral("kantei"));
    computeButton->hide();
    connect(computeButton, &QPushButton::clicked, this, [this] { compute(); });

    int x = g_.navigator.width() + 14;
    const int h = 22;
    for (const BoundField& f : fields) {
        auto* e = new QLineEdit(Panel1);
        e->setObjectName(f.name);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
        e->setGeometry(x, (g_.panelHeight - h) / 2, f.width, h);
        e->setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 13));
        boundEdits.push_back(e);
        x += f.width + 4;
        if (f.name == QStringLiteral("ymd") && kind_ == BoardKind::year) {
            auto* unit = new QLabel(QStringLiteral("年"), Panel1);
            unit->setGeometry(x, (g_.panelHeight - h) / 2, 16, h);
            x += 20;
        }
    }
}

QLineEdit* TBoardScreen::boundEdit(const QString& name) const {
    for (QLineEdit* e : boundEdits)
        if (e->objectName() == name) return e;
    return nullptr;
}

void TBoardScreen::buildGrid() {
    DBGrid1 = new CalendarGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(0, g_.panelHeight, g_.gridWidth, g_.client.height() - g_.panelHeight);
    DBGrid1->setFrameShape(QFrame::NoFrame);
    DBGrid1->setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    DBGrid1->horizontalHeader()->setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), g_.gridTitlePx));
    DBGrid1->horizontalHeader()->setMinimumSectionSize(12);
    DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    DBGrid1->verticalHeader()->setFixedWidth(12);
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 1));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    DBGrid1->setWordWrap(false);
    DBGrid1->setTextElideMode(Qt::ElideNone);
    DBGrid1->setStyleSheet(
        QStringLiteral("QTableView::item { padding: 0px 2px; } QHeaderView::section { padding: 0px 1px; }"));
    DBGrid1->installEventFilter(new GridKeys(DBGrid1, [this] {
        if (table_ && table_->state() != RecordCursor::State::Browse) {
            table_->cancel();
            refreshBoundFields();
        }
    }));
    connect(DBGrid1, &QTableView::clicked, this, [this](const QModelIndex&) { DBGrid1CellClick(); });
    connect(DBGrid1, &CalendarGrid::editingStarted, this, [this](int row) {
        if (!table_) return;
        try {
            if (row != table_->recNo()) table_->moveTo(row);
            table_->edit();
        } catch (const std::exception& e) {
            showErrorBox(this, e);
        }
    });
}

void TBoardScreen::buildBoard() {
    const QPoint f = g_.frame;
    const int cw = frameWidth / 3, ch = frameHeight / 3;

    kansi = new QLabel(QStringLiteral("干支"), this);
    kansi->setObjectName(QStringLiteral("kansi"));
    rokugilbl = new QLabel(QStringLiteral("六儀"), this);
    rokugilbl->setObjectName(QStringLiteral("rokugilbl"));
    for (QLabel* l : {kansi, rokugilbl}) {
        l->setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 15, true));
        l->setStyleSheet(QStringLiteral("color: yellow;"));
    }
    kansi->setGeometry(f.x(), g_.headerY, 260, 20);
    rokugilbl->setGeometry(f.x(), g_.headerY + 21, 200, 20);

    struct Action {
        QPushButton*& button;
        const char* name;
        QString caption;
    };
    const Action actions[] = {{houitori, "houitori", QStringLiteral("方位取")},
                              {detaail, "detaail", QStringLiteral("詳細")},
                              {prnbtn, "prnbtn", QStringLiteral("印刷")},
                              {BitBtn1, "BitBtn1", QStringLiteral("閉じる")}};
    int bx = f.x() + frameWidth - 4 * 53 + 3;
    for (const Action& a : actions) {
        a.button = new QPushButton(a.caption, this);
        a.button->setObjectName(QString::fromLatin1(a.name));
        a.button->setGeometry(bx, g_.headerY + 2, 50, 28);
        a.button->setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 13));
        bx += 53;
    }
    connect(houitori, &QPushButton::clicked, this, [this] { houitoriClick(); });
    connect(detaail, &QPushButton::clicked, this, [this] { detaailClick(); });
    connect(prnbtn, &QPushButton::clicked, this, [this] { prnbtnClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::hide);

    auto direction = [&](const QString& text, int x, int y, int w, Qt::Alignment align) {
        auto* l = new QLabel(text, this);
        l->setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), g_.directionPx, true));
        l->setStyleSheet(QStringLiteral("color: white;"));
        l->setAlignment(align);
        l->setGeometry(x, y, w, g_.directionPx + 4);
    };
    direction(QStringLiteral(" 南 "), f.x(), f.y() - g_.directionPx - 5, frameWidth, Qt::AlignHCenter);
    direction(QStringLiteral(" 北 "), f.x(), f.y() + frameHeight + 2, frameWidth, Qt::AlignHCenter);
    // The side labels stand between the grid and the frame.
    const int sideWidth = f.x() - g_.gridWidth - 2;
    const bool eastFits = QFontMetrics(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), g_.directionPx, true))
                              .horizontalAdvance(g_.east) <= sideWidth;
    direction(g_.east, g_.gridWidth + 1, f.y() + frameHeight / 2 - 10, sideWidth,
              eastFits ? Qt::AlignRight : Qt::AlignLeft);
    direction(g_.west, f.x() + frameWidth + 3, f.y() + frameHeight / 2 - 10,
              g_.client.width() - f.x() - frameWidth - 3, Qt::AlignLeft);

    const QFont cellFont = pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 13, true);
    for (PalaceNo p = 1; p <= 9; ++p) {
        const int x0 = f.x() + ((p - 1) % 3) * cw + (cw - 3 * cellSize.width() - 2 * 6) / 2;
        const int y0 = f.y() + ((p - 1) / 3) * ch + 8;
        auto cell = [&](const char* prefix, int col, int row) {
            auto* b = new QToolButton(this);
            b->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(prefix)).arg(p));
            b->setGeometry(x0 + col * (cellSize.width() + 6), y0 + row * (cellSize.height() + 3),
                           cellSize.width(), cellSize.height());
            b->setFont(cellFont);
            b->setFocusPolicy(Qt::NoFocus);
            b->setAutoRaise(true);
            return b;
        };
        seiCell[p] = cell("sei", 0, 0);
        kyuCell[p] = cell("kyu", 1, 0);
        tenCell[p] = cell("ten", 2, 0);
        monCell[p] = cell("mon", 0, 1);
        jinCell[p] = cell("jin", 1, 1);
        tiCell[p] = cell("ti", 2, 1);
        tenCell[p]->setProperty("plate", "ten");
        tiCell[p]->setProperty("plate", "ti");
        if (p == 5) continue;
        auto* m = new QPlainTextEdit(this);
        m->setObjectName(QStringLiteral("Memo%1").arg(p));
        m->setGeometry(f.x() + ((p - 1) % 3) * cw + (cw - memoSize.width()) / 2 + 1,
                       y0 + 2 * cellSize.height() + 10, memoSize.width(), memoSize.height() - 8);
        m->setFont(pixelFont(QStringLiteral("ＭＳ ゴシック"), 12));
        m->setReadOnly(true);
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        Memo[p] = m;
    }
    setStyleSheet(QStringLiteral(
        "QToolButton { background: #f7f3e3; color: #101060; border: 1px solid #b8a35a; border-radius: 2px; }"
        "QToolButton[plate=\"ten\"] { background: #fff6c8; }"
        "QToolButton[plate=\"ti\"] { background: #e6eefc; }"
        "QToolButton:hover { border-color: #ff8800; }"));
}

void TBoardScreen::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(frameYellow, 2));
    const QRect r(g_.frame, QSize(frameWidth, frameHeight));
    painter.drawRect(r);
    for (int i = 1; i < 3; ++i) {
        painter.drawLine(r.left() + i * frameWidth / 3, r.top(), r.left() + i * frameWidth / 3, r.bottom());
        painter.drawLine(r.left(), r.top() + i * frameHeight / 3, r.right(), r.top() + i * frameHeight / 3);
    }
}

void TBoardScreen::attach(Thoshimidb1& store) {
    table_ = &store.table(boardKind(kind_).table);
    model_ = &store.model(boardKind(kind_).table);
    DBGrid1->setModel(model_);
    // Each column takes its own width, or more where the font needs it to
    // show the field's widest form and its title whole.
    const QFontMetrics cellMetrics(DBGrid1->font()), titleMetrics(DBGrid1->horizontalHeader()->font());
    for (const Column& col : columns_) {
        int c = table_->fieldIndex(col.field);
        if (c < 0) continue;
        const QString title = col.title.isEmpty() ? qs(col.field) : col.title;
        const int need =
            std::max(cellMetrics.horizontalAdvance(col.sample), titleMetrics.horizontalAdvance(title)) + 6;
        DBGrid1->setColumnWidth(c, std::max(col.width, need));
        if (!col.title.isEmpty()) model_->setHeaderData(c, Qt::Horizontal, col.title);
    }
    CaptionDBNavi1->setCursor(table_);
    connect(table_, &CalendarTable::currentChanged, this, [this](int row) { followCursor(row); });
    connect(table_, &CalendarTable::rowChanged, this, [this](int) { refreshBoundFields(); });
    connect(table_, &CalendarTable::recordsChanged, this, [this] {
        refreshBoundFields();
        followCursor(table_->recNo());
    });
    connect(table_, &CalendarTable::stateChanged, CaptionDBNavi1,
            [this] { CaptionDBNavi1->updateButtons(); });
    // The model is shared by every grid on the table: only the grid that
    // wrote the cell reports its refusal.
    connect(model_, &CalendarModel::failed, this, [this](const QString& text) {
        if (DBGrid1->committing()) showErrorBox(this, text);
    });
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now, const QModelIndex&) {
                if (now.isValid()) gridRowChanged(now.row());
            });
    followCursor(table_->recNo());
    refreshBoundFields();
}

void TBoardScreen::refreshBoundFields() {
    if (!table_) return;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        boundEdits[i]->setText(table_->fieldText(fields_[i].field));
    CaptionDBNavi1->updateButtons();
}

// The grid shows the table's current record wherever the cursor was moved from.
void TBoardScreen::followCursor(int row) {
    refreshBoundFields();
    if (row < 0 || !model_ || following_) return;
    following_ = true;
    QModelIndex cur = DBGrid1->currentIndex();
    QModelIndex target = model_->index(row, cur.isValid() ? cur.column() : 0);
    if (cur.row() != row) {
        DBGrid1->setCurrentIndex(target);
        DBGrid1->scrollTo(target);
    }
    following_ = false;
}

// Keyboard or mouse moved the grid's current row: move the cursor there,
// without recomputing.
void TBoardScreen::gridRowChanged(int row) {
    if (following_ || !table_ || row == table_->recNo()) return;
    try {
        table_->moveTo(row);
    } catch (const std::exception& e) {
        showErrorBox(this, e);
        followCursor(table_->recNo());
    }
}

const std::vector<TBoardScreen::Column>& TBoardScreen::dayColumns() {
    static const std::vector<Column> columns = {
        {"日", 65, {}, QStringLiteral("0000/00/00")},
        {"干支", 38, {}, QStringLiteral("甲子")},
        {"陰陽", 20, {}, QStringLiteral("陰")},
        {"局", 28, {}, QStringLiteral("0")},
        {"節気", 32, {}, QStringLiteral("冬至")},
        {"3元", 32, {}, QStringLiteral("上元")},
        {"節入り日", 30, QStringLiteral("節入日"), QStringLiteral("00/00")},
        {"時刻", 20, {}, QStringLiteral("00:00")},
    };
    return columns;
}

void TBoardScreen::DBGrid1CellClick() {
    compute();
}

void TBoardScreen::CaptionDBNavi1Click(TCaptionDBNavi::Button) {
    compute();
}

void TBoardScreen::compute() {
    try {
        decode();
        calculate();
        showBoard();
    } catch (const std::exception& e) {
        showErrorBox(this, e);
    }
}

void TBoardScreen::decode() {
    run_.decode(table_ ? table_->current() : CalendarRecord{}, slot());
}

void TBoardScreen::calculate() {
    run_.calculate();
}

void TBoardScreen::showBoard() {
    showSnapshot(run_.snapshot());
}

void TBoardScreen::showSnapshot(const BoardSnapshot& s) {
    shown_ = s;
    const BoardFields& b = s.fields;
    kansi->setText(qs(s.header));
    rokugilbl->setText(qs(s.rokugi));
    for (PalaceNo p = 1; p <= 9; ++p) {
        tiCell[p]->setText(qs(b.ti[p]));
        tiCell[p]->setToolTip(qs(kanSetumei[static_cast<std::size_t>(stemNumber(b.ti[p]))]));
    }
    for (PalaceNo p = 1; p <= 9; ++p) {
        tenCell[p]->setText(qs(b.ten[p]));
        tenCell[p]->setToolTip(qs(kanSetumei[static_cast<std::size_t>(stemNumber(b.ten[p]))]));
    }
    for (PalaceNo p = 1; p <= 9; ++p) {
        seiCell[p]->setText(qs(b.sei[p]));
        seiCell[p]->setToolTip(qs(at(seiSetumei, b.seiNo[p], "star")));
    }
    for (PalaceNo p = 1; p <= 9; ++p) {
        if (p == 5) continue;
        monCell[p]->setText(qs(b.mon[p]));
        monCell[p]->setToolTip(qs(at(monSetumei, b.monNo[p], "gate")));
    }
    for (PalaceNo p = 1; p <= 9; ++p) {
        kyuCell[p]->setText(qs(b.kyu[p]));
        kyuCell[p]->setToolTip(qs(at(kyuSetumei, b.kyuNo[p], "nine-star")));
    }
    for (PalaceNo p = 1; p <= 9; ++p) {
        jinCell[p]->setText(qs(b.jin[p]));
        jinCell[p]->setToolTip(qs(at(jinSetumei, b.jinNo[p], "deity")));
    }
    for (PalaceNo p : outerPalaces) fillTextBox(p, s);
}

void TBoardScreen::fillTextBox(PalaceNo p, const BoardSnapshot& s) {
    QPlainTextEdit* m = Memo[p];
    m->clear();
    for (const std::string& line : s.memoLines(p)) m->appendPlainText(qs(line));
    m->moveCursor(QTextCursor::Start);
    m->verticalScrollBar()->setValue(0);
}

BoardReport TBoardScreen::report() const {
    BoardReport r;
    r.suffix = qs(boardKind(kind_).printSuffix);
    // The key field is the first bound field; the others by their names.
    auto shown = [this](std::string_view field) {
        for (std::size_t i = 0; i < fields_.size(); ++i)
            if (fields_[i].field == field) return boundEdits[i]->text();
        return QString();
    };
    QString first = boundEdits.front()->text();
    if (kind_ == BoardKind::hour)
        first += QStringLiteral(" ") + qs(at(siName, slot(), "hour slot")) + QStringLiteral("の刻");
    r.header = {first, shown("干支"), shown("陰陽"), shown("局")};
    fillSlots(r, board());
    for (PalaceNo p : outerPalaces)
        r.memo[static_cast<std::size_t>(p)] = Memo[p]->toPlainText().split(QLatin1Char('\n'));
    fillFooter(r);
    return r;
}

void TBoardScreen::houitoriClick() {
    try {
        if (!houitoriWindow_) throw Error("方位取りの画面が用意されていません。");
        HouitoriSnapshot in = shown_.houitori;
        in.ymd = boundEdits.front()->text().toStdString(); // the date field as shown
        houitoriWindow_->showLines(houitoriLines(kind_, in));
    } catch (const std::exception& e) {
        showErrorBox(this, e);
    }
}

void TBoardScreen::detaailClick() {
    setBoardKindMarker(qs(boardKind(kind_).marker));
    BoardScreens screens = screens_;
    screens[static_cast<std::size_t>(kind_)] = this;
    auto* window = new Tdetailfrm(screens, prntunt_, this);
    window->show();
}

void TBoardScreen::prnbtnClick() {
    try {
        if (!prntunt_) throw Error("印刷モジュールが用意されていません。");
        const BoardReport r = report();
        QString key = r.header.value(0).section(QLatin1Char(' '), 0, 0);
        if (kind_ == BoardKind::hour) key += QLatin1Char('-') + qs(at(siName, slot(), "hour slot"));
        printReport(this, *prntunt_, reportFileName(kind_, key),
                    [&r](QPainter& p, const Tprntunt& layout) { paintBoardReport(p, layout, r); });
    } catch (const std::exception& e) {
        showErrorBox(this, e);
    }
}

} // namespace hoshi
