// The game file, its palette, the craps and intro mode files, their game-object lists and the
// lords' misc data.
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/TableObjects.h"

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

    // The lord first: skit cells name objects by their place in the list. The seats' parts
    // are named after their files and empty: the table's lord owns every sprite and skit.
    const std::string lord = ProgramString(STR_LORD);
    TGameObjectListModel table{TableFile("f1craps.gol"), {}};
    table.Objects.push_back(
        {lord, TableFile("f1glrd00.spl"), TableFile("f1glrd00.skc"), TableFile("f1glrd00.md"), 0});
    set.MiscData.push_back({TableFile("f1glrd00.md"), {}});
    for (u32 id = STR_LORD + 1; id <= STR_LORD + 3; ++id) {
        const std::string seat = ProgramString(id);
        const std::string stem = seat.substr(0, seat.size() - 3);
        table.Objects.push_back({seat, stem + ".spl", stem + ".skc", stem + ".md", 0});
        set.SpriteLists.emplace_back(stem + ".spl");
        set.MiscData.push_back({stem + ".md", {}});
    }
    set.GameObjectLists.push_back(table);

    // The intro's lord reads only its sprite list.
    const std::string intro = std::string(INTRO_DIR) + "s4glrd00";
    set.GameObjectLists.push_back(
        {std::string(INTRO_DIR) + "s4intro.gol",
         {{intro + ".go", intro + ".spl", intro + ".skc", intro + ".md", 0}}});
    set.MiscData.push_back({intro + ".md", {}});
}
