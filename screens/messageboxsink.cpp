#include "messageboxsink.h"

#include <QApplication>
#include <QMessageBox>

namespace hoshi {

void MessageBoxSink::information(const std::string& text) {
    QMessageBox::information(parent_, QApplication::applicationDisplayName(), QString::fromStdString(text));
}

} // namespace hoshi
