#include "jibanfrm.h"

#include <QLabel>
#include <QSlider>
#include <QStyle>

#include "calendartable.h"
#include "qtext.h"

namespace hoshi {

namespace {

TBoardScreen::Geometry hourGeometry() {
    TBoardScreen::Geometry g;
    g.client = {800, 600};
    g.fontPx = 12;
    g.panelHeight = 37;
    g.navigator = {342, 33};
    g.gridWidth = 281;
    g.gridTitlePx = 12;
    g.frame = {309, 150};
    g.directionPx = 16;
    g.headerY = 104;
    g.computeCaption = QStringLiteral("時盤鑑定");
    return g;
}

const std::vector<TBoardScreen::BoundField> hourFields = {
    {QStringLiteral("ymd"), "日", 113},      {QStringLiteral("DBEdit2"), "干支", 40},
    {QStringLiteral("dbinyou"), "陰陽", 26}, {QStringLiteral("dbkyoku"), "局", 34},
    {QStringLiteral("sekki"), "節気", 40},   {QStringLiteral("DBEdit6"), "3元", 40},
};

constexpr std::array<const char*, 12> slotLabels = {"23時", "01時", "03時", "05時", "07時", "09時",
                                                    "11時", "13時", "15時", "17時", "19時", "21時"};

} // namespace

QString Tjibanfrm::slotText(int position) {
    checkRange(position, 0, 11, "time-bar position");
    const int start = (position * 2 + 23) % 24;
    return QStringLiteral("%1-%2時の運勢")
        .arg(start, 2, 10, QLatin1Char('0'))
        .arg((start + 2) % 24, 2, 10, QLatin1Char('0'));
}

Tjibanfrm::Tjibanfrm(Calculators& calc, const TKanMo1& kanmo, QWidget* parent)
    : TBoardScreen(BoardKind::hour, calc, kanmo, hourGeometry(), hourFields, dayColumns(), parent) {
    setObjectName(QStringLiteral("jibanfrm"));

    timeBar = new QSlider(Qt::Horizontal, this);
    timeBar->setObjectName(QStringLiteral("timeBar"));
    timeBar->setGeometry(296, 51, 489, 38);
    timeBar->setRange(0, 12);
    timeBar->setPageStep(1);
    timeBar->setSingleStep(1);
    timeBar->setTickPosition(QSlider::TicksAbove);
    timeBar->setTickInterval(12); // only the two ends are marked
    timeBar->setValue(5);
    timeBar->setToolTip(QStringLiteral("スイッチをマウスで押したまま移動してください。"));
    timeBar->setStyleSheet(QStringLiteral("QSlider::groove:horizontal { height: 6px; background: #d8d8e8; "
                                          "border: 1px solid #8888aa; margin-top: 12px; }"
                                          "QSlider::handle:horizontal { width: 30px; margin: -8px 0; "
                                          "background: #ffdd00; border: 1px solid #886600;"
                                          " border-radius: 3px; }"));
    connect(timeBar, &QSlider::valueChanged, this, [this] { timeBarChange(); });

    // Each slot's label stands centred under the thumb's place for it.
    const int thumb = 30, groove = timeBar->width() - thumb;
    auto tickCentre = [&](int v) {
        return timeBar->x() + thumb / 2 + QStyle::sliderPositionFromValue(0, 12, v, groove);
    };
    for (int i = 0; i < 12; ++i) {
        auto* l = new QLabel(QString::fromUtf8(slotLabels[static_cast<std::size_t>(i)]), this);
        l->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        QFont f = l->font();
        f.setPixelSize(12);
        l->setFont(f);
        l->setStyleSheet(QStringLiteral("color: yellow;"));
        l->setAlignment(Qt::AlignHCenter);
        l->setGeometry(tickCentre(i) - 20, 88, 40, 14);
        Label[static_cast<std::size_t>(i + 1)] = l;
    }

    tlabel = new QLabel(QStringLiteral("時刻を指定してください。"), this);
    tlabel->setObjectName(QStringLiteral("tlabel"));
    QFont tf = tlabel->font();
    tf.setPixelSize(12);
    tf.setBold(true);
    tlabel->setFont(tf);
    tlabel->setStyleSheet(QStringLiteral("color: yellow;"));
    tlabel->setGeometry(440, 40, 200, 14);
}

void Tjibanfrm::timeBarChange() {
    if (timeBar->value() > 11) {
        timeBar->setValue(11); // notifies again, and that call computes
        return;
    }
    tlabel->setText(slotText(timeBar->value()));
    kanteiClick();
}

void Tjibanfrm::setSlotQuietly(int slot) {
    checkRange(slot, 1, 12, "hour slot");
    const QSignalBlocker quiet(timeBar);
    timeBar->setValue(slot - 1);
    tlabel->setText(slotText(slot - 1));
}

int Tjibanfrm::slot() const {
    return timeBar->value() + 1;
}

} // namespace hoshi
