#include "tukibanfrm.h"

#include "calendartable.h"
#include "decoders.h"
#include "qtext.h"

namespace hoshi {

namespace {

TBoardScreen::Geometry monthGeometry() {
    TBoardScreen::Geometry g;
    g.caption = QStringLiteral("奇門遁甲 月盤");
    g.client = {743, 600};
    g.fontPx = 12;
    g.panelHeight = 41;
    g.navigator = {342, 35};
    g.gridWidth = 193;
    g.gridTitlePx = 12;
    g.frame = {238, 116};
    g.directionPx = 16;
    g.headerY = 50;
    g.computeCaption = QStringLiteral("鑑定");
    g.printSuffix = QStringLiteral("月盤   鑑定表");
    return g;
}

const std::vector<TBoardScreen::BoundField> monthFields = {
    {QStringLiteral("ymd"), "月", 73},
    {QStringLiteral("DBEdit2"), "干支", 40},
    {QStringLiteral("dbinyou"), "陰陽", 26},
    {QStringLiteral("dbkyoku"), "局", 34},
};

const std::vector<TBoardScreen::Column> monthColumns = {
    {"月", 65, {}}, {"干支", 45, {}}, {"陰陽", 25, {}}, {"局", 40, {}}};

} // namespace

Ttukibanfrm::Ttukibanfrm(Ttukiban& tukiban, Tnenban& nenban, TKanMo1& kanmo, QWidget* parent)
    : TBoardScreen(BoardKind::month, schema::TableKind::Month, kanmo, monthGeometry(), monthFields,
                   monthColumns, parent),
      tukiban_(tukiban), nenban_(nenban) {
    setObjectName(QStringLiteral("tukibanfrm"));
}

void Ttukibanfrm::decode() {
    decodeMonthRecord(table() ? table()->current() : CalendarRecord{}, tukiban_, nenban_);
}

void Ttukibanfrm::calculate() {
    tukiban_.keisan();
}

QString Ttukibanfrm::kansiText() const {
    return kansiName(tukiban_.kan, tukiban_.si) + QStringLiteral(" [立向月盤] 陰 %1 極").arg(tukiban_.kyoku);
}

} // namespace hoshi
