#include "workbench.h"

#include "aboutbox.h"
#include "dbdumpform.h"
#include "errorbox.h"
#include "hoshimidb1.h"
#include "houitorifrm.h"
#include "jibanfrm.h"
#include "kanmo1.h"
#include "menu0frm.h"
#include "messageboxsink.h"
#include "nenbanfrm.h"
#include "nitibanfrm.h"
#include "oukihlp.h"
#include "patterntexts.h"
#include "prntunt.h"
#include "purposemenu.h"
#include "tukibanfrm.h"
#include "versionfrm.h"

namespace hoshi {

Workbench::Workbench(Startup s) : startup(std::move(s)) {}

Workbench::~Workbench() = default;

TPurposeMenu* Workbench::purposeMenu(std::string_view name) const {
    for (const auto& m : purposeMenus)
        if (m->purpose().name == name) return m.get();
    return nullptr;
}

void Workbench::create() {
    menu0frm = std::make_unique<Tmenu0frm>(*this);
    menu0frm->FormCreate();
    calculators = std::make_unique<Calculators>();
    assignPatternTexts(calculators->kyokaku);
    menu0frm->screenSizeCheck();

    messages = std::make_unique<MessageBoxSink>();
    kanMo1 = std::make_unique<TKanMo1>(*messages);
    nitibanfrm = std::make_unique<Tnitibanfrm>(*calculators, *kanMo1);
    hoshimidb1 = std::make_unique<Thoshimidb1>();
    if (auto error = hoshimidb1->hoshimidb1Create(startup.calendarFolder)) {
        calendarError = *error;
        showErrorBox(nullptr, *error);
    }
    nitibanfrm->attach(*hoshimidb1);
    tukibanfrm = std::make_unique<Ttukibanfrm>(*calculators, *kanMo1);
    tukibanfrm->attach(*hoshimidb1);
    nenbanfrm = std::make_unique<Tnenbanfrm>(*calculators, *kanMo1);
    nenbanfrm->attach(*hoshimidb1);
    jibanfrm = std::make_unique<Tjibanfrm>(*calculators, *kanMo1);
    jibanfrm->attach(*hoshimidb1);
    const BoardScreens boards = {nenbanfrm.get(), tukibanfrm.get(), nitibanfrm.get(), jibanfrm.get()};
    prntunt = std::make_unique<Tprntunt>();
    for (TBoardScreen* s : boards) {
        s->setPrintModule(prntunt.get());
        s->setBoardScreens(boards);
    }
    for (const Purpose& p : purposes())
        purposeMenus.push_back(std::make_unique<TPurposeMenu>(p, boards, *kanMo1, startup.today));
    versionfrm = std::make_unique<Tversionfrm>();
    oukihlp = std::make_unique<Toukihlp>();
    houitorifrm = std::make_unique<Thouitorifrm>(prntunt.get());
    for (TBoardScreen* s : boards) s->setHouitoriWindow(houitorifrm.get());
    aboutBox = std::make_unique<TAboutBox>();
    dbdumpForm = std::make_unique<TDBDUMPForm>();
    nitibanfrm->setDumpWindow(dbdumpForm.get());
}

} // namespace hoshi
