// Menu resources: the menu bars the frame loads by id.
#include "Resources.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinConstants.h"

void RegisterMenus() {
    // Menu 5, the casino's bar. The table's mode window answers the betting options, the speed
    // command and the expert's two; the frame answers the rest.
    TMenuTemplate casino;
    casino.Items.push_back(
        {"&File",
         0,
         MF_POPUP,
         {{"Create/Delete &Gambler", CM_PLAYERMGR, 0, {}}, {"E&xit Game", CM_EXITGAME, 0, {}}}});
    casino.Items.push_back({"&Options",
                            0,
                            MF_POPUP,
                            {{"&Betting Options", CM_BETOPTIONS, 0, {}},
                             {"&Sound", CM_SOUND, 0, {}},
                             {"Show &Intro at Startup", CM_SHOWINTRO, 0, {}},
                             {"Speed &Control", CM_SPEEDCONTROL, 0, {}}}});
    casino.Items.push_back({"&Ask the Expert",
                            0,
                            MF_POPUP,
                            {{"&Statistics", CM_STATISTICS, 0, {}},
                             {"&Instruction Mode", CM_INSTRUCTIONMODE, 0, {}}}});
    casino.Items.push_back({"&Help",
                            0,
                            MF_POPUP,
                            {{"&Contents", CM_HELPCONTENTS, 0, {}},
                             {"View Game &Credits", CM_VIEWCREDITS, 0, {}},
                             {"&About", CM_ABOUT, 0, {}}}});
    TResourceRegistry::Get().AddMenu(IDM_CASINO, std::move(casino));

    // Menu 13, the intro's bar: its only way on is to the table.
    TMenuTemplate intro;
    intro.Items.push_back({"&File", 0, MF_POPUP, {{"Go To &Craps", CM_GOTOCRAPS, 0, {}}}});
    TResourceRegistry::Get().AddMenu(IDM_INTRO, std::move(intro));
}
