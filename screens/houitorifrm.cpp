#include "houitorifrm.h"

#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include "boardreport.h"
#include "centreonscreen.h"
#include "errorbox.h"
#include "memotext.h"
#include "printjob.h"
#include "prntunt.h"
#include "qtext.h"

namespace hoshi {

void paintHouitoriPage(QPainter& p, const Tprntunt& layout, const QStringList& lines) {
    p.setBrush(Qt::white);
    p.setPen(Qt::black);
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPointSize(12);
    p.setFont(font);
    const int width = p.device()->width() - layout.mmDots[10] - layout.mmDots[1];
    int i = 0;
    for (const QString& line : lines)
        for (const QString& part : wrapLine(p, line, width))
            Tprntunt::textOut(p, layout.mm(10, 30) + QPoint(0, i++ * layout.mmDots[5]), part);
}

Thouitorifrm::Thouitorifrm(Tprntunt* printModule, QWidget* parent)
    : QWidget(parent, Qt::Window), prntunt_(printModule) {
    setObjectName(QStringLiteral("houitorifrm"));
    setWindowTitle(QStringLiteral("方位取りの時期"));
    setFixedSize(649, 325);
    Memo1 = makeMemo(this, QRect(0, 0, 649, 265), houitoriMemoWidth);
    QFont buttonFont(QStringLiteral("ＭＳ Ｐゴシック"));
    buttonFont.setPixelSize(14);
    buttonFont.setBold(true);
    prnbtn = new QPushButton(QStringLiteral("プリント出力"), this);
    prnbtn->setObjectName(QStringLiteral("prnbtn"));
    prnbtn->setGeometry(170, 280, 130, 32);
    closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("BitBtn1"));
    closeButton->setGeometry(350, 280, 130, 32);
    for (QPushButton* b : {prnbtn, closeButton}) b->setFont(buttonFont);
    connect(prnbtn, &QPushButton::clicked, this, [this] { prnbtnClick(); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    centreOnScreen(*this);
}

void Thouitorifrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->verticalScrollBar()->setValue(0);
}

void Thouitorifrm::showLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) text << qs(line);
    Memo1->setPlainText(text.join(QLatin1Char('\n')));
    show();
    raise();
    activateWindow();
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->verticalScrollBar()->setValue(0);
}

QStringList Thouitorifrm::displayedLines() const {
    return hoshi::displayedLines(*Memo1);
}

void Thouitorifrm::prnbtnClick() {
    try {
        if (!prntunt_) throw Error("印刷モジュールが用意されていません。");
        const QStringList lines = displayedLines();
        printReport(this, *prntunt_, QStringLiteral("方位取りの時期.pdf"),
                    [&lines](QPainter& p, const Tprntunt& layout) { paintHouitoriPage(p, layout, lines); });
    } catch (const std::exception& e) {
        showErrorBox(this, e);
    }
}

} // namespace hoshi
