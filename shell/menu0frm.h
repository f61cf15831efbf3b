#pragma once
// Tmenu0frm: the main window. Its creation step sets up what every screen
// shares (the start-up tune, the splash, the calculators with their one
// pattern detector and its texts, the screen-size notice); its menu bar and
// colour buttons open the board screens and the purpose screens.

#include <QMainWindow>
#include <array>
#include <string>
#include <string_view>

class QAction;
class QPushButton;

namespace hoshi {

class CalendarTable;
class TBoardScreen;
class TdxfColorButton;
class Workbench;

class Tmenu0frm : public QMainWindow {
    Q_OBJECT
public:
    explicit Tmenu0frm(Workbench& workbench);

    // The creation step, run before any other screen exists: the tune of the
    // day and the splash. The workbench makes the calculators after it and
    // then calls screenSizeCheck.
    void FormCreate();
    // The notice for a screen smaller than the boards need.
    void screenSizeCheck();

    void jibanmenuClick();
    void nitibanmenuClick();
    void tukibanmenuClick();
    void nenbanmenuClick();
    void versionmenuClick();
    void oukibtnClick();
    void printmenuClick();
    void settingsClick();
    // A purpose button: shows the purpose screen at the top-left corner.
    void purposeClick(std::string_view name);

    QAction* jibanmenu = nullptr;
    QAction* nitibanmenu = nullptr;
    QAction* tukibanmenu = nullptr;
    QAction* nenbanmenu = nullptr;
    QAction* oukibtn = nullptr;
    QAction* versionmenu = nullptr;
    QAction* Exit1 = nullptr;
    QAction* printmenu = nullptr;

    // kekkon, anzan, syodan, katu, ryokou, kentiku, enzukuri, siken, homon, wagou, hikkosi, endbtn
    std::array<TdxfColorButton*, 12> buttons{};
    TdxfColorButton* endbtn = nullptr;
    QPushButton* settingsButton = nullptr;

protected:
    // Closing the main window ends the program, whatever else is open.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildButtons();
    // Today's key in the table of the screen's kind; shows the screen,
    // positions its table there and computes.
    void showOnToday(TBoardScreen& screen);

    Workbench& wb_;
};

} // namespace hoshi
