#include "detailfrm.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>

#include "boardreport.h"
#include "centreonscreen.h"
#include "detailreport.h"
#include "detailtexts.h"
#include "errorbox.h"
#include "memotext.h"
#include "pairpictures.h"
#include "piechart3d.h"
#include "printjob.h"
#include "prntunt.h"
#include "qtext.h"

namespace hoshi {

namespace {

QString& marker() {
    static QString m;
    return m;
}

std::optional<BoardKind> kindOfMarker(const QString& m) {
    for (const BoardKindInfo& k : boardKinds)
        if (qs(k.marker) == m) return k.kind;
    return std::nullopt;
}

QFont pixelFont(int px, bool bold = false) {
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

} // namespace

void setBoardKindMarker(const QString& m) {
    marker() = m;
}

QString boardKindMarkerText() {
    return marker();
}

Tdetailfrm::Tdetailfrm(const BoardScreens& screens, Tprntunt* printModule, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), screens_(screens),
      prntunt_(printModule) {
    setObjectName(QStringLiteral("detailfrm"));
    setWindowTitle(QStringLiteral("盤の星の詳細説明"));
    setFixedSize(730, 573);
    setFont(pixelFont(12));

    // The compass with the eight direction buttons around it, south at the top.
    guide = new QLabel(
        QStringLiteral("詳\n細\nは\n右\n図\nの\n方\n位\nボ\nタ\nン\nを\n押\nし\nて\n下\nさ\nい"), this);
    guide->setGeometry(4, 6, 16, 216);
    guide->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    guide->setFont(pixelFont(10));
    guide->setStyleSheet(QStringLiteral("color: #303060;"));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(58, 46, 130, 130);
    Image2->setScaledContents(true);
    try {
        Image2->setPixmap(QPixmap::fromImage(loadPicture("compass")));
    } catch (const std::exception&) {
        Image2->setText(QStringLiteral("南\n東　　西\n北")); // the buttons still say where each direction is
        Image2->setAlignment(Qt::AlignCenter);
    }
    const QRect compass = Image2->geometry();
    const int bw = 50, bh = 24;
    for (PalaceNo p : outerPalaces) {
        auto* button = new QPushButton(qs(directionCaption[static_cast<std::size_t>(p)]), this);
        button->setObjectName(QStringLiteral("b%1").arg(p));
        button->setProperty("Tag", p);
        button->setToolTip(QStringLiteral("方位ごとの詳細はこのボタンを押して下さい。"));
        button->setFont(pixelFont(13, true));
        const int col = (p - 1) % 3, row = (p - 1) / 3;
        const int x = col == 0   ? compass.left() - bw + 14
                      : col == 1 ? compass.center().x() - bw / 2
                                 : compass.right() - 14;
        const int y = row == 0   ? compass.top() - bh - 6
                      : row == 1 ? compass.center().y() - bh / 2
                                 : compass.bottom() + 6;
        button->setGeometry(x, y, bw, bh);
        connect(button, &QPushButton::clicked, this, [this, p] { bClick(p); });
        b[static_cast<std::size_t>(p)] = button;
    }

    houi = new QLabel(this);
    houi->setObjectName(QStringLiteral("houi"));
    houi->setGeometry(244, 6, 200, 28);
    houi->setFont(pixelFont(22, true));
    houi->setStyleSheet(QStringLiteral("color: #800000;"));

    auto caption = [this](QLabel*& l, const char* name, const QString& text, QRect r) {
        l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(r);
        l->setFont(pixelFont(13, true));
        l->setStyleSheet(QStringLiteral("color: #000080;"));
    };
    auto value = [this](QLabel*& l, const char* name, QRect r, bool wrap) {
        l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(r);
        l->setWordWrap(wrap);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    };
    caption(tenLabel, "tenLabel", QStringLiteral("●天盤"), QRect(244, 38, 60, 18));
    value(tenbanlbl, "tenbanlbl", QRect(244, 56, 226, 32), true);
    caption(tiLabel, "tiLabel", QStringLiteral("●地盤"), QRect(480, 38, 60, 18));
    value(tibanlbl, "tibanlbl", QRect(480, 56, 240, 32), true);
    tenimg = new QLabel(this);
    tenimg->setObjectName(QStringLiteral("tenimg"));
    tenimg->setGeometry(244, 92, 220, 127);
    tiimg = new QLabel(this);
    tiimg->setObjectName(QStringLiteral("tiimg"));
    tiimg->setGeometry(480, 91, 209, 129);
    for (QLabel* img : {tenimg, tiimg}) {
        img->setScaledContents(true);
        img->setFrameShape(QFrame::Panel);
        img->setFrameShadow(QFrame::Sunken);
    }
    const std::pair<QLabel**, QLabel**> rows[] = {{&kyuLabel, &kyuseilbl},
                                                  {&monLabel, &hatimonlbl},
                                                  {&miyaLabel, &kyugulbl},
                                                  {&kamiLabel, &hatijinlbl}};
    const char* captions[][3] = {{"kyuLabel", "●九星", "kyuseilbl"},
                                 {"monLabel", "●八門", "hatimonlbl"},
                                 {"miyaLabel", "●九宮", "kyugulbl"},
                                 {"kamiLabel", "●八神", "hatijinlbl"}};
    for (int i = 0; i < 4; ++i) {
        const int y = 228 + i * 20;
        caption(*rows[i].first, captions[i][0], QString::fromUtf8(captions[i][1]), QRect(10, y, 56, 18));
        value(*rows[i].second, captions[i][2], QRect(68, y + 1, 652, 18), false);
    }

    Memo1 = makeMemo(this, QRect(10, 312, 609, 153), detailMemoWidth);

    prnbtn = new QPushButton(QStringLiteral("印刷"), this);
    prnbtn->setObjectName(QStringLiteral("prnbtn"));
    prnbtn->setGeometry(630, 330, 90, 32);
    closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("BitBtn1"));
    closeButton->setGeometry(630, 420, 90, 32);
    for (QPushButton* pb : {prnbtn, closeButton}) pb->setFont(pixelFont(14, true));
    connect(prnbtn, &QPushButton::clicked, this, [this] { prnbtnClick(); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);

    Chart1 = new TPieChart3D(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setGeometry(10, 468, 330, 102);
    Chart1->setFont(pixelFont(11));
    Chart1->setTitle(QStringLiteral("吉凶に占める星の重要度"));
    const QString hints[] = {QStringLiteral("それぞれの方位の吉凶を判断する際にはコツがあります。"),
                             QStringLiteral("１．天盤・地盤が６０％を占めるので一番重要視します。"),
                             QStringLiteral("２．次に、九星と八門が３０％を占めるので少し見ます。"),
                             QStringLiteral("３．九宮と八神は参考程度にすれば良いでしょう。")};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(hints[i], this);
        l->setGeometry(350, 482 + i * 20, 376, 18);
        l->setFont(pixelFont(12, i == 0));
    }

    // On creation: the pie's slices, then the south-east direction.
    Chart1->clear();
    Chart1->addSlice(60, QStringLiteral("天盤・地盤"), QColor(255, 0, 255));
    Chart1->addSlice(30, QStringLiteral("九星・八門"), QColor(0, 0, 255));
    Chart1->addSlice(10, QStringLiteral("九宮・八神"), QColor(255, 255, 0));
    centreOnScreen(*this);
    bClick(1);
}

void Tdetailfrm::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(250, 246, 228));
    g.setColorAt(1, QColor(214, 224, 246));
    p.fillRect(rect(), g);
    QWidget::paintEvent(event);
}

void Tdetailfrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->verticalScrollBar()->setValue(0);
}

void Tdetailfrm::bClick(PalaceNo p) {
    houi->setText(b.at(static_cast<std::size_t>(p))->text());
    Memo1->clear();
    appendLine(*Memo1, qs(detailOpening));
    const std::optional<BoardKind> kind = kindOfMarker(marker());
    if (!kind) return;
    TBoardScreen* screen = screens_.at(static_cast<std::size_t>(*kind));
    if (!screen) return;
    const auto i = static_cast<std::size_t>(p);

    // The pictures of the stem pair the screen shows (none before a board).
    const int heaven = stemOf(screen->tenCell[i]->text().toStdString());
    const int earth = stemOf(screen->tiCell[i]->text().toStdString());
    heaven_ = earth_ = QImage();
    if (heaven != 0 && earth != 0) {
        try {
            const auto [h, e] = pairPictures(heaven, earth);
            heaven_ = loadPicture(h);
            earth_ = loadPicture(e);
        } catch (const std::exception& error) {
            tenimg->setPixmap(QPixmap::fromImage(heaven_));
            tiimg->setPixmap(QPixmap());
            showErrorBox(this, error);
            return;
        }
    }
    tenimg->setPixmap(QPixmap::fromImage(heaven_));
    tiimg->setPixmap(QPixmap::fromImage(earth_));
    repaint();

    auto valueOf = [](const QToolButton* cell) {
        return cell->text() + QStringLiteral(" : ") + cell->toolTip();
    };
    tenbanlbl->setText(valueOf(screen->tenCell[i]));
    tibanlbl->setText(valueOf(screen->tiCell[i]));
    kyuseilbl->setText(valueOf(screen->seiCell[i]));
    hatimonlbl->setText(valueOf(screen->monCell[i]));
    kyugulbl->setText(valueOf(screen->kyuCell[i]));
    hatijinlbl->setText(valueOf(screen->jinCell[i]));

    std::vector<std::string> palaceMemo;
    for (const QString& line : screen->Memo[i]->toPlainText().split(QLatin1Char('\n')))
        palaceMemo.push_back(line.toStdString());
    // The detector is shared: its list is that of the board computed last.
    Tkyokaku& detector = screen->run().detector();
    detector.makeList(p);
    const std::vector<std::string> patterns(detector.kakuList.begin() + 1,
                                            detector.kakuList.begin() + 1 + detector.kakuCount);
    std::vector<std::string> response;
    if (screen->shown().record) response = responseLines(*kind, screen->shown().response, p);
    const std::vector<std::string> memo = detailMemo(palaceMemo, patterns, response);
    for (std::size_t k = 1; k < memo.size(); ++k) appendLine(*Memo1, qs(memo[k]));
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->verticalScrollBar()->setValue(0);
}

QStringList Tdetailfrm::memoDisplayedLines() const {
    return displayedLines(*Memo1);
}

DetailReport Tdetailfrm::report() const {
    const std::optional<BoardKind> kind = kindOfMarker(marker());
    if (!kind || !screens_.at(static_cast<std::size_t>(*kind))) throw Error("詳細を表示する盤がありません。");
    TBoardScreen* screen = screens_[static_cast<std::size_t>(*kind)];
    DetailReport r;
    r.title = qs(detailTitle(*kind));
    r.header = detailHeader(*kind, screen->run().period(), houi->text());
    r.ten = tenbanlbl->text();
    r.ti = tibanlbl->text();
    r.kyusei = kyuseilbl->text();
    r.hatimon = hatimonlbl->text();
    r.kyugu = kyugulbl->text();
    r.hatijin = hatijinlbl->text();
    r.memo = memoDisplayedLines();
    r.heaven = heaven_;
    r.earth = earth_;
    BoardReport footer;
    fillFooter(footer);
    r.ownerTitle = footer.ownerTitle;
    r.ownerTel = footer.ownerTel;
    return r;
}

void Tdetailfrm::prnbtnClick() {
    try {
        if (!prntunt_) throw Error("印刷モジュールが用意されていません。");
        const DetailReport r = report();
        QString name = QStringLiteral("詳細鑑定表-") + houi->text() + QStringLiteral(".pdf");
        printReport(this, *prntunt_, name,
                    [&r](QPainter& p, const Tprntunt& layout) { paintDetailReport(p, layout, r); });
    } catch (const std::exception& e) {
        showErrorBox(this, e);
    }
}

} // namespace hoshi
