// The whole data set, area by area.
#include "tools/databuild/content/Content.h"

#include "resources/Resources.h"
#include "tools/databuild/model/BuildError.h"

namespace {

constexpr const char* TableListName = "\\f1glrd00\\f1glrd00.spl";

} // namespace

TDataSet MakeDataSet() {
    // The names come from the program's own string table.
    RegisterResources();
    TDataSet set;
    AddGameFiles(set);
    AddTableBackground(set);
    AddTableSpriteList(set);
    AddChipObjects(set);
    AddDisplays(set);
    AddButtons(set);
    AddDiceAndPuck(set);
    AddTableSounds(set);
    AddDealer(set);
    AddIntro(set);
    AddSkitCatalogues(set);
    return set;
}

void AddTableSpriteList(TDataSet& set) {
    set.SpriteLists.emplace_back(TableListName);
}

TSpriteListModel& TableSprites(TDataSet& set) {
    TSpriteListModel* list = set.FindSpriteList(TableListName);
    if (list == nullptr)
        throw TBuildError(TableListName, "made after the areas that fill it");
    return *list;
}

std::string TableFile(const std::string& name) {
    return TABLE_DIR + name;
}
