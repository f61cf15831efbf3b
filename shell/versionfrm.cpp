#include "versionfrm.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include "centreonscreen.h"
#include "uifont.h"

namespace hoshi {

Tversionfrm::Tversionfrm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("バージョン"));
    setFont(uiFont());
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setFixedSize(498, 265);

    auto* name = new QLabel(QStringLiteral("Korimaki Ver3.7"), this);
    QFont font = uiFont(24);
    font.setBold(true);
    name->setFont(font);
    QPalette palette = name->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    name->setPalette(palette);
    name->setAlignment(Qt::AlignCenter);
    name->setGeometry(0, 40, width(), 56);

    closebtn = new QPushButton(QStringLiteral("閉じる"), this);
    closebtn->setObjectName(QStringLiteral("closebtn"));
    closebtn->resize(96, 30);
    closebtn->move(width() - closebtn->width() - 16, height() - closebtn->height() - 16);
    connect(closebtn, &QPushButton::clicked, this, &QDialog::close);

    centreOnScreen(*this);
}

void Tversionfrm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0x18, 0x1c, 0x5a));
    gradient.setColorAt(1, QColor(0x6a, 0x2c, 0x8c));
    painter.fillRect(rect(), gradient);
}

} // namespace hoshi
