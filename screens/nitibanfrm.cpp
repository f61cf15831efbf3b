#include "nitibanfrm.h"

#include <QPushButton>

#include "calendartable.h"
#include "dbdumpform.h"
#include "decoders.h"
#include "errorbox.h"
#include "qtext.h"

namespace hoshi {

namespace {

TBoardScreen::Geometry dayGeometry() {
    TBoardScreen::Geometry g;
    g.caption = QStringLiteral("Hoshikura・日盤");
    g.client = {800, 600};
    g.fontPx = 15;
    g.panelHeight = 51;
    g.navigator = {342, 41};
    g.gridWidth = 289;
    g.gridTitlePx = 15;
    g.frame = {309, 115};
    g.directionPx = 17;
    g.headerY = 58;
    g.east = QStringLiteral("東 ");
    g.west = QStringLiteral("西 ");
    g.computeCaption = QStringLiteral("鑑定");
    g.printSuffix = QStringLiteral("日盤   鑑定表");
    return g;
}

const std::vector<TBoardScreen::BoundField> dayFields = {
    {QStringLiteral("ymd"), "日", 95},       {QStringLiteral("DBEdit2"), "干支", 40},
    {QStringLiteral("dbinyou"), "陰陽", 26}, {QStringLiteral("dbkyoku"), "局", 34},
    {QStringLiteral("sekki"), "節気", 40},   {QStringLiteral("DBEdit6"), "3元", 40},
};

} // namespace

Tnitibanfrm::Tnitibanfrm(Tdayban& dayban, TKanMo1& kanmo, QWidget* parent)
    : TBoardScreen(BoardKind::day, schema::TableKind::Day, kanmo, dayGeometry(), dayFields, dayColumns(),
                   parent),
      dayban_(dayban) {
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

void Tnitibanfrm::decode() {
    decodeDayRecord(table() ? table()->current() : CalendarRecord{}, dayban_);
}

void Tnitibanfrm::calculate() {
    dayban_.keisan();
}

QString Tnitibanfrm::kansiText() const {
    return kansiName(dayban_.kan, dayban_.si) + QStringLiteral(" [立向日盤] ") +
           qs(inyouName[dayban_.inyou ? 1 : 0]) + QStringLiteral(" %1 極").arg(dayban_.kyoku);
}

template <typename Body> void Tnitibanfrm::quietRun(Body body) {
    if (!table()) return;
    Tdayban lastGood = dayban_;
    try {
        NotificationHold hold(*table());
        body([&] {
            decode();
            calculate();
            lastGood = dayban_;
        });
    } catch (const std::exception& e) {
        // The screen shows the last board calculated without error; the
        // calculator keeps what the failing record left in it, as a
        // compute of that record alone would.
        std::swap(dayban_, lastGood);
        try {
            showBoard();
        } catch (const std::exception&) {
        }
        std::swap(dayban_, lastGood);
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
            for (PalaceNo p : outerPalaces)
                line += ',' + QString::fromStdString(dayban_.ten[p]) + ',' +
                        QString::fromStdString(dayban_.ti[p]);
            dump_->appendLine(line);
            table()->next();
        }
    });
}

} // namespace hoshi
