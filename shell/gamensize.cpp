#include "gamensize.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "centreonscreen.h"
#include "uifont.h"

namespace hoshi {

bool screenTooSmall(QSize screen) {
    return screen.width() < 799 || screen.height() < 599;
}

TGamensize::TGamensize(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("画面の大きさの設定を変更して下さい。"));
    setFont(uiFont());
    setFixedSize(589, 364);

    static const char16_t* const lines[] = {
        u"画面のサイズが８００X６００ピクセル以下ですので、全画面を表示することができません。",
        u"(1) Windowsのコントロールパネルから「画面」をクリックして下さい。",
        u"(2)"
        u"デイスプレイの詳細または、設定で、画面の領域の大きさを８００X６００ピクセル以上の大きさに設定して下"
        u"さい。",
        u"(3)以上の設定を変更した上で、再度Korimakiを起動して下さい。",
    };
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 24, 24, 16);
    column->setSpacing(14);
    for (const char16_t* line : lines) {
        auto* label = new QLabel(QString::fromUtf16(line), this);
        label->setWordWrap(true);
        label->setFont(uiFont(12));
        column->addWidget(label);
    }
    column->addStretch(1);

    endbtn = new QPushButton(QStringLiteral("終了"), this);
    endbtn->setObjectName(QStringLiteral("endbtn"));
    endbtn->setMinimumWidth(96);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(endbtn);
    column->addLayout(row);
    connect(endbtn, &QPushButton::clicked, this, &QDialog::accept);

    centreOnScreen(*this);
}

} // namespace hoshi
