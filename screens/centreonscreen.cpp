#include "centreonscreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace hoshi {

void centreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame(QPoint(), window.size());
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace hoshi
