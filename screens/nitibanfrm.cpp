#include "nitibanfrm.h"

#include <QPushButton>

#include "calendartable.h"
#include "dbdumpform.h"
#include "errorbox.h"
#include "qtext.h"

namespace hoshi {

namespace {

TBoardScreen::Geometry dayGeometry() {
    TBoardScreen::Geometry g;
    g.client = {800, 600};
    g.fontPx = 15;
    g.gridTitlePx = 15;
    g.directionPx = 17;
    g.headerY = 58;
    g.east = QStringLiteral("東 ");
    g.west = QStringLiteral("西 ");
    g.computeCaption = QStringLiteral("鑑定");
    return g;
}

const std::vector<TBoardScreen::BoundField> dayFields = {
    {QStringLiteral("ymd"), "日", 95},       {QStringLiteral("DBEdit2"), "干支", 40},
    {QStringLiteral("dbinyou"), "陰陽", 26}, {QStringLiteral("dbkyoku"), "局", 34},
    {QStringLiteral("sekki"), "節気", 40},   {QStringLiteral("DBEdit6"), "3元", 40},
};

} // namespace

Tnitibanfrm::Tnitibanfrm(Calculators& calc, const TKanMo1& kanmo, QWidget* parent)
    : TBoardScreen(BoardKind::day, calc, kanmo, dayGeometry(), dayFields, dayColumns(), parent) {
    setObjectName(QStringLiteral("nitibanfrm"));
    BitBtn2 = new QPushButton(QStringLiteral("BitBtn2"), Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn3 = new QPushButton(QStringLiteral("DUMP"), Panel1);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn2->hide();
    BitBtn3->hide();
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
}

// The run remembers the row of the last record calculated without error;
// on an error it shows that record's board (recalculated: nothing else was
// shown since), then the error. With no good record before the error the
// screen keeps what it showed, as a compute of the failing record would.
template <typename Body> void Tnitibanfrm::quietRun(Body body) {
    if (!table()) return;
    int lastGood = -1;
    try {
        NotificationHold hold(*table());
        body([&] {
            decode();
            calculate();
            lastGood = table()->recNo();
        });
    } catch (const std::exception& e) {
        try {
            if (lastGood >= 0) showSnapshot(run().run(table()->record(lastGood), slot()));
        } catch (const std::exception& again) {
            showErrorBox(this, again);
        }
        showErrorBox(this, e);
        return;
    }
    try {
        showBoard();
    } catch (const std::exception& e) {
        showErrorBox(this, e);
    }
}

void Tnitibanfrm::BitBtn2Click() {
    quietRun([this](auto computeRecord) {
        table()->first();
        while (!table()->eof()) {
            computeRecord();
            table()->next();
        }
    });
}

void Tnitibanfrm::BitBtn3Click() {
    if (!dump_) return;
    dump_->show();
    dump_->clearLines();
    quietRun([this](auto computeRecord) {
        for (int i = 0; i < 1500; ++i) {
            computeRecord();
            QString line = QString::fromStdString(table()->current().key());
            const BoardFields& b = board();
            for (PalaceNo p : outerPalaces) line += ',' + qs(b.ten[p]) + ',' + qs(b.ti[p]);
            dump_->appendLine(line);
            table()->next();
        }
    });
}

} // namespace hoshi
