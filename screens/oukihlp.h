#pragma once
// Toukihlp: "応期盤表", the response boards for reference. Nine 3 × 3 grids
// stand where the nine palaces stand on a board; grid i shows response
// board i of the dun chosen with "陽局" or "陰局". Made once at start-up;
// the dun chosen last stays between openings.

#include <QWidget>
#include <array>

#include "oukiban.h"

class QRadioButton;
class QTableWidget;

namespace hoshi {

class Toukihlp : public QWidget {
    Q_OBJECT
public:
    explicit Toukihlp(QWidget* parent = nullptr);

    QRadioButton* youbtn = nullptr;
    QRadioButton* inbtn = nullptr;
    std::array<QTableWidget*, 10> you{}; // you[1..9]

    // Writes the table's boards into the nine grids.
    void fill(ResponseTable table);
    // The stem name in cell (column, row) of grid i.
    QString cell(int grid, int column, int row) const;
};

} // namespace hoshi
