// Menu resources: the menu bars the frame loads by id.
#include "Resources.h"

#include "platform/framework/ResourceRegistry.h"

void RegisterMenus() {
    // Menu 5, the game's bar: the options the engine itself answers.
    TMenuTemplate game;
    game.Items.push_back({"&Options", 0, 0, {{"Speed &Control", CM_SPEEDCONTROL, 0, {}}}});
    TResourceRegistry::Get().AddMenu(5, std::move(game));
}
