#pragma once
// Ttitlefrm: the splash screen, a borderless window exactly the size of its
// picture "title.bmp" from the program's folder, with the version over it.
// Start-up creates it, shows it for its wait and releases it.

#include <QPixmap>
#include <QWidget>

namespace hoshi {

class Ttitlefrm : public QWidget {
    Q_OBJECT
public:
    explicit Ttitlefrm(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_; // null when the file is missing: a dark gradient instead
};

} // namespace hoshi
