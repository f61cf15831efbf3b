#include "dbdumpform.h"

#include <QPlainTextEdit>

#include "centreonscreen.h"
#include "uifont.h"

namespace hoshi {

TDBDUMPForm::TDBDUMPForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("DBDUMPForm"));
    setFont(uiFont());
    setFixedSize(708, 517);

    Memo1 = new QPlainTextEdit(QStringLiteral("Memo1"), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(4, 4, 700, 441);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setReadOnly(true);

    centreOnScreen(*this);
}

void TDBDUMPForm::clearLines() {
    Memo1->clear();
}

void TDBDUMPForm::appendLine(const QString& line) {
    Memo1->appendPlainText(line);
}

QString TDBDUMPForm::text() const {
    return Memo1->toPlainText();
}

} // namespace hoshi
