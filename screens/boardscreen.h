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
// its snapshot. The board run of the screen's kind does the first two and
// makes the snapshot. A screen states only what differs: its geometry, its
// fields and columns, and (the hour screen) the slot it computes.

#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

#include "boardrun.h"
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
class Tprntunt;
class Thouitorifrm;
struct BoardReport;

class TBoardScreen;
// The four board screens by BoardKind.
using BoardScreens = std::array<TBoardScreen*, 4>;

class TBoardScreen : public QWidget {
    Q_OBJECT
public:
    // Where things stand on one screen; everything else follows from these.
    struct Geometry {
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

    TBoardScreen(BoardKind kind, Calculators& calc, const TKanMo1& kanmo, const Geometry& g,
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
    // The three steps, each throwing hoshi::Error: decode the current
    // record, calculate, show the snapshot of the calculated board.
    void decode();
    void calculate();
    void showBoard();
    // Shows a snapshot: the header, the cells with their hints and the text
    // boxes in palace order. A palace whose stems are unknown ends it with
    // OutOfRangeError; the boxes after it keep their lines.
    void showSnapshot(const BoardSnapshot& s);

    // The board of the last calculation, as the calculator holds it.
    const BoardFields& board() const { return run_.fields(); }
    BoardRun& run() { return run_; }
    // The snapshot the screen shows (empty fields before the first show).
    const BoardSnapshot& shown() const { return shown_; }
    // The hour slot 1..12 the screen computes (the hour screen's time bar);
    // the other kinds have none.
    virtual int slot() const { return 0; }

    // The print module the screen prints with (made at start-up after the
    // board screens).
    void setPrintModule(Tprntunt* module) { prntunt_ = module; }
    // The four board screens, which the detail windows read by kind.
    void setBoardScreens(const BoardScreens& screens) { screens_ = screens; }
    // The direction-taking window (made once at start-up).
    void setHouitoriWindow(Thouitorifrm* window) { houitoriWindow_ = window; }
    // "方位取": the direction-taking text of the board the screen shows, in
    // the direction-taking window.
    void houitoriClick();
    // "詳細": sets the board-kind marker to this screen's kind and opens
    // one more detail window, owned by this screen, on 東南.
    void detaailClick();
    // "印刷": the board report as the screen shows it, on the selected
    // printer or into a PDF file; an error is shown in the error box.
    void prnbtnClick();
    // The report of what the screen shows: the record's fields as
    // displayed, the calculator's values, the text boxes' lines, the
    // footer from the settings file.
    BoardReport report() const;

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

private:
    void buildPanel(const std::vector<BoundField>& fields);
    void buildGrid();
    void buildBoard();
    void refreshBoundFields();
    void followCursor(int row);
    void gridRowChanged(int row);
    void fillTextBox(PalaceNo p, const BoardSnapshot& s);

    BoardKind kind_;
    BoardRun run_;
    Tprntunt* prntunt_ = nullptr;
    BoardScreens screens_{};
    Thouitorifrm* houitoriWindow_ = nullptr;
    BoardSnapshot shown_;
    Geometry g_;
    std::vector<BoundField> fields_;
    std::vector<Column> columns_;
    CalendarTable* table_ = nullptr;
    CalendarModel* model_ = nullptr;
    bool following_ = false;
};

} // namespace hoshi
