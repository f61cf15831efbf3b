#pragma once
// TBoardScreen: what the four board screens share. A board screen lists a
// calendar table in a grid, shows the current record's fields and a
// captioned navigator in a top panel, and draws the board: nine palaces in
// screen order (south at the top), each with six cells (star, nine-star,
// heaven stem / gate, deity, earth stem) and, except the centre, a text box
// of readings.
//
// The compute operation is three steps that can be called apart: decode the
// current record into the calculator's inputs, calculate the board, show
// it. A screen states only what differs: its geometry, its table, its
// decoder and calculator, and its header text.

#include <QPointer>
#include <QWidget>
#include <vector>

#include "board.h"
#include "boardkind.h"
#include "calendargrid.h"
#include "captiondbnavi.h"
#include "schema.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace hoshi {

class CalendarModel;
class CalendarTable;
class TKanMo1;
class Thoshimidb1;

class TBoardScreen : public QWidget {
    Q_OBJECT
public:
    // Where things stand on one screen; everything else follows from these.
    struct Geometry {
        QString caption;
        QSize client;
        int fontPx = 12;
        int panelHeight = 51;
        QSize navigator{342, 41};
        int gridWidth = 289;
        int gridTitlePx = 15;
        QPoint frame{309, 115}; // top-left of the board frame (455 × 428)
        int directionPx = 17;
        int headerY = 60; // the labels and the action buttons above the board
        QString east = QStringLiteral(" 東 "), west = QStringLiteral(" 西 "); // the side labels
        QString computeCaption;
        QString printSuffix;
    };
    // A read-only field of the top panel bound to the current record.
    struct BoundField {
        QString name;
        std::string_view field;
        int width;
    };
    // A grid column: field, width in pixels, title when it differs from the
    // field name, and a text of the field's widest form.
    struct Column {
        std::string_view field;
        int width;
        QString title;
        QString sample;
    };
    // The day table's columns, as the day and hour screens show them.
    static const std::vector<Column>& dayColumns();

    TBoardScreen(BoardKind kind, schema::TableKind table, TKanMo1& kanmo, const Geometry& g,
                 const std::vector<BoundField>& fields, const std::vector<Column>& columns, QWidget* parent);

    // Binds the grid, the fields and the navigator to the calendar store
    // once it exists.
    void attach(Thoshimidb1& store);
    CalendarTable* table() const { return table_; }
    BoardKind kind() const { return kind_; }

    // The compute operation: decode, calculate, show. An error ends it at
    // the failing step and is shown in the standard error box; the board
    // keeps what it showed.
    void compute();
    // The three steps, each throwing hoshi::Error.
    virtual void decode() = 0;
    virtual void calculate() = 0;
    void showBoard();

    // The board of the last calculation, as the calculator holds it.
    virtual const BoardFields& board() const = 0;
    virtual QString kansiText() const = 0;
    // The pattern line's prefix: "■格：" (the day board writes "■格:").
    virtual QString patternPrefix() const { return QStringLiteral("■格："); }
    // kanName + siName, OutOfRangeError outside the tables.
    static QString kansiName(StemNo kan, BranchNo si);

    // Components, reached by name as the screens' handlers and later screens
    // (detail, direction-taking, printing, searches) read them.
    QWidget* Panel1 = nullptr;
    TCaptionDBNavi* CaptionDBNavi1 = nullptr;
    QPushButton* computeButton = nullptr; // hidden; its click is the compute operation
    std::vector<QLineEdit*> boundEdits;
    CalendarGrid* DBGrid1 = nullptr;
    QLabel* kansi = nullptr;
    QLabel* rokugilbl = nullptr;
    QPushButton* houitori = nullptr;
    QPushButton* detaail = nullptr;
    QPushButton* prnbtn = nullptr;
    QPushButton* BitBtn1 = nullptr;
    Palaces<QToolButton*> tenCell{}, tiCell{}, seiCell{}, monCell{}, kyuCell{}, jinCell{};
    Palaces<QPlainTextEdit*> Memo{}; // none for palace 5
    QLineEdit* boundEdit(const QString& name) const;

protected:
    // Grid click, navigator click: move there, then compute. Screens may override.
    virtual void DBGrid1CellClick();
    virtual void CaptionDBNavi1Click(TCaptionDBNavi::Button button);
    void paintEvent(QPaintEvent* event) override;

    TKanMo1& kanmo_;

private:
    void buildPanel(const std::vector<BoundField>& fields);
    void buildGrid(const std::vector<Column>& columns);
    void buildBoard();
    void refreshBoundFields();
    void followCursor(int row);
    void gridRowChanged(int row);
    void fillTextBox(PalaceNo p, const BoardFields& b);

    BoardKind kind_;
    schema::TableKind tableKind_;
    Geometry g_;
    std::vector<BoundField> fields_;
    std::vector<Column> columns_;
    CalendarTable* table_ = nullptr;
    CalendarModel* model_ = nullptr;
    bool following_ = false;
};

} // namespace hoshi
