#include "titlefrm.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include "centreonscreen.h"
#include "programfile.h"

namespace hoshi {

Ttitlefrm::Ttitlefrm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      picture_(programFile(QStringLiteral("title.bmp"))) {
    setFixedSize(612, 562);

    auto* version = new QLabel(QStringLiteral("Ver3.7"), this);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(19);
    font.setBold(true);
    version->setFont(font);
    QPalette palette = version->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    version->setPalette(palette);
    version->move(496, 56);
    version->adjustSize();

    centreOnScreen(*this);
}

void Ttitlefrm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.drawPixmap(rect(), picture_);
        return;
    }
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0x10, 0x12, 0x30));
    gradient.setColorAt(1, QColor(0x30, 0x10, 0x38));
    painter.fillRect(rect(), gradient);
}

} // namespace hoshi
