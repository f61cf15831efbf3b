#pragma once
// TPieChart3D: a pie drawn in 3-D with QPainter: a tilted disc whose front
// edge shows shaded side walls, a title above, each slice labelled beside
// it. No legend, no axes, nothing to zoom or pan.

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace hoshi {

class TPieChart3D : public QWidget {
    Q_OBJECT
public:
    struct Slice {
        double value;
        QString label;
        QColor color;
    };

    explicit TPieChart3D(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const { return title_; }
    void clear();
    void addSlice(double value, const QString& label, const QColor& color);
    const std::vector<Slice>& slices() const { return slices_; }

    // The pie's top face and the depth of its wall, for this widget's size.
    QRectF pieRect() const;
    double depth() const;
    // Start angle (degrees, counter-clockwise from 3 o'clock) and span of slice i;
    // the first slice starts at half past ten and the slices run clockwise.
    std::pair<double, double> sliceAngles(std::size_t i) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    std::vector<Slice> slices_;
};

} // namespace hoshi
