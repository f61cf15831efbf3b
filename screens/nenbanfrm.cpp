#include "nenbanfrm.h"

#include <QPushButton>

#include "calendartable.h"
#include "decoders.h"
#include "qtext.h"

namespace hoshi {

namespace {

TBoardScreen::Geometry yearGeometry() {
    TBoardScreen::Geometry g;
    g.caption = QStringLiteral("奇門遁甲 年の万年暦");
    g.client = {741, 586};
    g.fontPx = 12;
    g.panelHeight = 41;
    g.navigator = {342, 36};
    g.gridWidth = 193;
    g.gridTitlePx = 12;
    g.frame = {236, 110};
    g.directionPx = 16;
    g.headerY = 46;
    g.computeCaption = QStringLiteral("年盤作成");
    g.printSuffix = QStringLiteral("年盤   鑑定表");
    return g;
}

const std::vector<TBoardScreen::BoundField> yearFields = {
    {QStringLiteral("ymd"), "年", 57},
    {QStringLiteral("dbkansi"), "干支", 40},
    {QStringLiteral("dbinyou"), "陰陽", 26},
    {QStringLiteral("dbkyoku"), "局", 34},
};

const std::vector<TBoardScreen::Column> yearColumns = {
    {"年", 52, {}}, {"干支", 40, {}}, {"陰陽", 30, {}}, {"局", 50, {}}};

} // namespace

Tnenbanfrm::Tnenbanfrm(Tnenban& nenban, TKanMo1& kanmo, QWidget* parent)
    : TBoardScreen(BoardKind::year, schema::TableKind::Year, kanmo, yearGeometry(), yearFields, yearColumns,
                   parent),
      nenban_(nenban) {
    setObjectName(QStringLiteral("nenbanfrm"));
    computeButton->setObjectName(QStringLiteral("nenbanbtn"));
}

void Tnenbanfrm::decode() {
    decodeYearRecord(table() ? table()->current() : CalendarRecord{}, nenban_);
}

void Tnenbanfrm::calculate() {
    nenban_.keisan();
}

QString Tnenbanfrm::kansiText() const {
    return kansiName(nenban_.kan, nenban_.si) + QStringLiteral("  [立向年盤] 陰 %1 極").arg(nenban_.kyoku);
}

} // namespace hoshi
