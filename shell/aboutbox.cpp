#include "aboutbox.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "centreonscreen.h"
#include "errorbox.h"
#include "errors.h"
#include "programfile.h"
#include "selectedprinter.h"
#include "settings.h"
#include "uifont.h"

namespace hoshi {

namespace {

QWidget* headerPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);
    panel->setMinimumHeight(96);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(16, 12, 16, 12);
    row->setSpacing(16);

    const QPixmap icon(programFile(QStringLiteral("hoshikura.png")));
    if (!icon.isNull()) {
        auto* iconLabel = new QLabel(panel);
        iconLabel->setPixmap(icon.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        iconLabel->setFixedSize(64, 64);
        row->addWidget(iconLabel);
    }
    auto* name = new QLabel(QStringLiteral("Korimaki Ver3.7"), panel);
    QFont font = uiFont(18);
    font.setBold(true);
    name->setFont(font);
    row->addWidget(name, 1);
    return panel;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("設定"));
    setFont(uiFont());
    setFixedSize(489, 454);

    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(4);
    grid->setHorizontalSpacing(12);
    titlebox = new QLineEdit(group);
    titlebox->setObjectName(QStringLiteral("titlebox"));
    // Qt cannot switch an input method into Japanese mode; the field leaves
    // it on and free, so the reader's Japanese entry applies.
    titlebox->setInputMethodHints(Qt::ImhNone);
    telbox = new QLineEdit(group);
    telbox->setObjectName(QStringLiteral("telbox"));
    // Input method off: keys go in as half-width characters. The hints do
    // not restrict what is typed, hyphens and brackets included.
    telbox->setAttribute(Qt::WA_InputMethodEnabled, false);
    telbox->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
    savebtn = new QPushButton(QStringLiteral("保存"), group);
    savebtn->setObjectName(QStringLiteral("savebtn"));
    grid->addWidget(new QLabel(QStringLiteral("鑑定書印刷表紙タイトル"), group), 0, 0);
    grid->addWidget(titlebox, 1, 0);
    grid->addItem(new QSpacerItem(0, 8), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("電話番号(半角数字入力)"), group), 3, 0);
    grid->addWidget(telbox, 4, 0);
    grid->addWidget(savebtn, 1, 1, 4, 1, Qt::AlignBottom);
    savedlbl = new QLabel(group);
    savedlbl->setObjectName(QStringLiteral("savedlbl"));
    grid->addWidget(savedlbl, 5, 0, 1, 2);

    SndCheckBox = new QCheckBox(QStringLiteral("起動時にサンウドを鳴らす"), this);
    SndCheckBox->setObjectName(QStringLiteral("SndCheckBox"));
    SndCheckBox->setChecked(true);

    auto* bar = new QFrame(this);
    bar->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* barRow = new QHBoxLayout(bar);
    barRow->setContentsMargins(8, 8, 8, 8);
    prnbtn = new QPushButton(QStringLiteral("プリンタ設定"), bar);
    prnbtn->setObjectName(QStringLiteral("prnbtn"));
    closebtn = new QPushButton(QStringLiteral("閉じる"), bar);
    closebtn->setObjectName(QStringLiteral("closebtn"));
    barRow->addWidget(prnbtn);
    barRow->addStretch(1);
    barRow->addWidget(closebtn);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(14);
    column->addWidget(headerPanel(this));
    column->addWidget(group);
    column->addWidget(SndCheckBox);
    column->addStretch(1);
    column->addWidget(bar);

    connect(savebtn, &QPushButton::clicked, this, &TAboutBox::savebtnClick);
    // The confirmation holds only until the texts change again.
    connect(titlebox, &QLineEdit::textEdited, savedlbl, &QLabel::clear);
    connect(telbox, &QLineEdit::textEdited, savedlbl, &QLabel::clear);
    connect(SndCheckBox, &QCheckBox::clicked, this, &TAboutBox::SndCheckBoxClick);
    connect(prnbtn, &QPushButton::clicked, this, &TAboutBox::prnbtnClick);
    connect(closebtn, &QPushButton::clicked, this, &QDialog::close);

    titlebox->setText(settings::ownerTitle());
    telbox->setText(settings::ownerTel());
    centreOnScreen(*this);
}

void TAboutBox::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TAboutBox::FormShow() {
    SndCheckBox->setChecked(settings::soundOn());
}

// Both texts or neither: when the second is refused, the first goes back to
// what was stored. A text the file cannot hold is reported under its field's
// caption; a refused write keeps its own words.
void TAboutBox::savebtnClick() {
    savedlbl->clear();
    const QString storedTitle = settings::ownerTitle();
    const auto refuse = [this](const char16_t* caption, const Error& e) {
        if (dynamic_cast<const ConversionError*>(&e))
            showErrorBox(this, QString::fromUtf16(caption) + QStringLiteral("：") +
                                   QString::fromStdString(e.what()) +
                                   QStringLiteral("\n保存されている内容は変わっていません。"));
        else
            showErrorBox(this, e);
    };
    try {
        settings::setOwnerTitle(titlebox->text());
    } catch (const Error& e) {
        refuse(u"鑑定書印刷表紙タイトル", e);
        return;
    }
    try {
        settings::setOwnerTel(telbox->text());
    } catch (const Error& e) {
        try {
            settings::setOwnerTitle(storedTitle);
        } catch (const Error&) {
            // the same file took a write a moment ago; nothing more to do
        }
        refuse(u"電話番号(半角数字入力)", e);
        return;
    }
    savedlbl->setText(QStringLiteral("保存しました。"));
}

void TAboutBox::SndCheckBoxClick() {
    try {
        settings::setSoundOn(SndCheckBox->isChecked());
    } catch (const Error& e) {
        showErrorBox(this, e);
        FormShow(); // the box shows what is stored
    }
}

void TAboutBox::prnbtnClick() {
    runPrinterDialog(this);
}

} // namespace hoshi
