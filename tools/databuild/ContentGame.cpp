// The game file, its palette, the craps and intro mode files, their game-object lists and the
// lords' misc data.
#include "tools/databuild/Colours.h"
#include "tools/databuild/Content.h"
#include "tools/databuild/TableObjects.h"

namespace {

constexpr u32 STR_GAME = 10000;
constexpr u32 STR_CRAPS_MODE = 10003;
constexpr u32 STR_INTRO_MODE = 10067;
constexpr i16 GAME_TYPE_CRAPS = 3;
// The lord's game object, then the three seats'.
constexpr u32 STR_LORD = 13002;

} // namespace

void AddGameFiles(TDataSet& set) {
    set.Game.Name = ProgramString(STR_GAME);
    set.Game.Palette = "casino.pal";
    set.Game.Modes = {ProgramString(STR_CRAPS_MODE), ProgramString(STR_INTRO_MODE)};
    set.AddPalette(set.Game.Palette, GamePalette());

    set.Modes.push_back({ProgramString(STR_CRAPS_MODE), GAME_TYPE_CRAPS, TableFile("f1craps.bmp"),
                         TableFile("f1craps.gol")});
    // The intro paints a plain background and never opens one.
    set.Modes.push_back(
        {ProgramString(STR_INTRO_MODE), 0, "", std::string(INTRO_DIR) + "s4intro.gol"});

    // The lord first: skit cells name objects by their place in the list.
    TGameObjectListModel table{TableFile("f1craps.gol"), {}};
    for (u32 id = STR_LORD; id <= STR_LORD + 3; ++id)
        table.Objects.push_back(ProgramString(id));
    set.GameObjectLists.push_back(table);
    set.GameObjectLists.push_back(
        {std::string(INTRO_DIR) + "s4intro.gol", {std::string(INTRO_DIR) + "s4glrd00.go"}});

    // Named by the game objects; the craps program never reads them.
    set.MiscData.push_back({TableFile("f1glrd00.md"), {}});
    set.MiscData.push_back({std::string(INTRO_DIR) + "s4glrd00.md", {}});
}
