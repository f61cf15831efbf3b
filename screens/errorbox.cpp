#include "errorbox.h"

#include <QApplication>
#include <QMessageBox>

namespace hoshi {

namespace {

ErrorBoxHandler handler = nullptr;

} // namespace

void setErrorBoxHandler(ErrorBoxHandler h) {
    handler = h;
}

void showErrorBox(QWidget* parent, const QString& text) {
    if (handler)
        handler(parent, text);
    else
        QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

void showErrorBox(QWidget* parent, const std::exception& error) {
    showErrorBox(parent, QString::fromStdString(error.what()));
}

} // namespace hoshi
