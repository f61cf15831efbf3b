#include "nenbanfrm.h"

#include <QPushButton>

#include "qtext.h"

namespace hoshi {

namespace {

TBoardScreen::Geometry yearGeometry() {
    TBoardScreen::Geometry g;
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
    return g;
}

const std::vector<TBoardScreen::BoundField> yearFields = {
    {QStringLiteral("ymd"), "年", 57},
    {QStringLiteral("dbkansi"), "干支", 40},
    {QStringLiteral("dbinyou"), "陰陽", 26},
    {QStringLiteral("dbkyoku"), "局", 34},
};

const std::vector<TBoardScreen::Column> yearColumns = {
    {"年", 52, {}, {}}, {"干支", 40, {}, {}}, {"陰陽", 30, {}, {}}, {"局", 50, {}, {}}};

} // namespace

Tnenbanfrm::Tnenbanfrm(Calculators& calc, const TKanMo1& kanmo, QWidget* parent)
    : TBoardScreen(BoardKind::year, calc, kanmo, yearGeometry(), yearFields, yearColumns, parent) {
    setObjectName(QStringLiteral("nenbanfrm"));
    computeButton->setObjectName(QStringLiteral("nenbanbtn"));
}

} // namespace hoshi
