#pragma once
// The application's standard error box: shows an error's text. Screens call
// it from their event handlers; nothing below the screens shows a box.

#include <QString>
#include <exception>

class QWidget;

namespace hoshi {

void showErrorBox(QWidget* parent, const QString& text);
void showErrorBox(QWidget* parent, const std::exception& error);

// Tests replace the box with a recorder; an empty handler restores the box.
using ErrorBoxHandler = void (*)(QWidget* parent, const QString& text);
void setErrorBoxHandler(ErrorBoxHandler handler);

} // namespace hoshi
