#include "oukihlp.h"

#include <QHeaderView>
#include <QPainter>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "centreonscreen.h"
#include "qtext.h"

namespace hoshi {

namespace {

constexpr int column = 40, rowHeight = 26, line = 2;

// One drawing for every grid: the centre cell yellow, the others white,
// black text centred in one line; the 2-pixel lines are the grid's dark
// ground showing between the cells.
class CellPainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect r = option.rect.adjusted(line / 2, line / 2, -(line - line / 2), -(line - line / 2));
        p->fillRect(r, index.row() == 1 && index.column() == 1 ? Qt::yellow : Qt::white);
        p->setPen(Qt::black);
        p->setFont(option.font);
        p->drawText(r, Qt::AlignCenter | Qt::TextSingleLine, index.data().toString());
    }
};

} // namespace

Toukihlp::Toukihlp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("oukihlp"));
    setWindowTitle(QStringLiteral("応期盤表"));
    setFixedSize(460, 385);
    QFont radioFont(QStringLiteral("ＭＳ Ｐゴシック"));
    radioFont.setPixelSize(15);
    radioFont.setBold(true);
    youbtn = new QRadioButton(QStringLiteral("陽局"), this);
    youbtn->setObjectName(QStringLiteral("youbtn"));
    youbtn->setGeometry(130, 10, 90, 26);
    youbtn->setStyleSheet(QStringLiteral("color: blue;"));
    inbtn = new QRadioButton(QStringLiteral("陰局"), this);
    inbtn->setObjectName(QStringLiteral("inbtn"));
    inbtn->setGeometry(250, 10, 90, 26);
    inbtn->setStyleSheet(QStringLiteral("color: red;"));
    for (QRadioButton* r : {youbtn, inbtn}) r->setFont(radioFont);
    youbtn->setChecked(true);

    auto* painter = new CellPainter(this);
    QFont cellFont(QStringLiteral("ＭＳ ゴシック"));
    cellFont.setPixelSize(16);
    const int gridWidth = 3 * column + 2, gridHeight = 3 * rowHeight + 2; // with a 1-pixel border
    for (int i = 1; i <= 9; ++i) {
        auto* g = new QTableWidget(3, 3, this);
        g->setObjectName(QStringLiteral("you%1").arg(i));
        g->setProperty("Tag", i);
        g->horizontalHeader()->hide();
        g->verticalHeader()->hide();
        g->horizontalHeader()->setDefaultSectionSize(column);
        g->verticalHeader()->setDefaultSectionSize(rowHeight);
        g->setShowGrid(false);
        g->setFrameShape(QFrame::NoFrame);
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setSelectionMode(QAbstractItemView::NoSelection);
        g->setFocusPolicy(Qt::NoFocus);
        g->setItemDelegate(painter);
        g->setFont(cellFont);
        g->setStyleSheet(QStringLiteral("QTableWidget { background: #202020; border: 1px solid #202020; }"));
        const int col = (i - 1) % 3, row = (i - 1) / 3;
        g->setGeometry(20 + col * (gridWidth + 24), 50 + row * (gridHeight + 32), gridWidth, gridHeight);
        you[static_cast<std::size_t>(i)] = g;
    }
    you[1]->setEnabled(false); // you1 alone takes no input

    connect(youbtn, &QRadioButton::clicked, this, [this] {
        if (youbtn->isChecked()) fill(ResponseTable::yang);
    });
    connect(inbtn, &QRadioButton::clicked, this, [this] {
        if (inbtn->isChecked()) fill(ResponseTable::yin);
    });
    fill(ResponseTable::yang);
    centreOnScreen(*this);
}

void Toukihlp::fill(ResponseTable table) {
    for (int i = 1; i <= 9; ++i)
        for (PalaceNo p = 1; p <= 9; ++p) {
            QTableWidget* g = you[static_cast<std::size_t>(i)];
            const int c = (p - 1) % 3, r = (p - 1) / 3;
            auto* item = g->item(r, c);
            if (!item) g->setItem(r, c, item = new QTableWidgetItem);
            item->setText(qs(kanName[static_cast<std::size_t>(responseStem(table, i, p))]));
        }
}

QString Toukihlp::cell(int grid, int column, int row) const {
    const QTableWidgetItem* item = you.at(static_cast<std::size_t>(grid))->item(row, column);
    return item ? item->text() : QString();
}

} // namespace hoshi
