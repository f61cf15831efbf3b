#pragma once
// The program's objects, each made once at start-up and reached by name:
// the main window, the calculators and their shared pattern detector, the
// reading content, the calendar store and every screen. Screens are hidden,
// not destroyed, when closed; everything goes with the workbench at exit.

#include <QString>
#include <memory>
#include <string_view>
#include <vector>

#include "calculators.h"
#include "startup.h"

namespace hoshi {

class MessageBoxSink;
class TAboutBox;
class TDBDUMPForm;
class TKanMo1;
class Tprntunt;
class TPurposeMenu;
class Thoshimidb1;
class Tjibanfrm;
class Tmenu0frm;
class Tnenbanfrm;
class Tnitibanfrm;
class Ttukibanfrm;
class Tversionfrm;
class Toukihlp;
class Thouitorifrm;

class Workbench {
public:
    explicit Workbench(Startup startup);
    ~Workbench();

    // The start-up order: the main window and its creation step (tune and
    // splash), the calculators with their pattern texts, the screen-size
    // notice, then the day board screen, the calendar store, the month, year and hour board
    // screens, the print module, the eleven purpose screens and the small windows. Nothing is
    // shown yet.
    void create();

    // The purpose screen of a catalogue short name ("kekkon"); nullptr for none.
    TPurposeMenu* purposeMenu(std::string_view name) const;

    Startup startup;
    std::unique_ptr<Calculators> calculators;
    std::unique_ptr<MessageBoxSink> messages;
    std::unique_ptr<TKanMo1> kanMo1;
    std::unique_ptr<Thoshimidb1> hoshimidb1;
    QString calendarError; // why the calendar did not open at start-up ("" when it did)
    // Screens after the store, so that they go first at exit.
    std::unique_ptr<Tnitibanfrm> nitibanfrm;
    std::unique_ptr<Ttukibanfrm> tukibanfrm;
    std::unique_ptr<Tnenbanfrm> nenbanfrm;
    std::unique_ptr<Tjibanfrm> jibanfrm;
    std::unique_ptr<Tprntunt> prntunt;
    // The eleven purpose screens in the catalogue's order (Tkekkonmenu first).
    std::vector<std::unique_ptr<TPurposeMenu>> purposeMenus;
    std::unique_ptr<Tversionfrm> versionfrm;
    std::unique_ptr<Toukihlp> oukihlp;
    std::unique_ptr<Thouitorifrm> houitorifrm;
    std::unique_ptr<TAboutBox> aboutBox;
    std::unique_ptr<TDBDUMPForm> dbdumpForm;
    std::unique_ptr<Tmenu0frm> menu0frm;
};

} // namespace hoshi
