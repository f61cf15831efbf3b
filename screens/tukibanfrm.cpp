#include "tukibanfrm.h"

#include "qtext.h"

namespace hoshi {

namespace {

TBoardScreen::Geometry monthGeometry() {
    TBoardScreen::Geometry g;
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
    return g;
}

const std::vector<TBoardScreen::BoundField> monthFields = {
    {QStringLiteral("ymd"), "月", 73},
    {QStringLiteral("DBEdit2"), "干支", 40},
    {QStringLiteral("dbinyou"), "陰陽", 26},
    {QStringLiteral("dbkyoku"), "局", 34},
};

const std::vector<TBoardScreen::Column> monthColumns = {
    {"月", 65, {}, {}}, {"干支", 45, {}, {}}, {"陰陽", 25, {}, {}}, {"局", 40, {}, {}}};

} // namespace

Ttukibanfrm::Ttukibanfrm(Calculators& calc, const TKanMo1& kanmo, QWidget* parent)
    : TBoardScreen(BoardKind::month, calc, kanmo, monthGeometry(), monthFields, monthColumns, parent) {
    setObjectName(QStringLiteral("tukibanfrm"));
}

} // namespace hoshi
