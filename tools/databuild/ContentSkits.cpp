// The skit catalogues: the table lord's lists, each played one a single skit of its caption, and
// an empty catalogue for every other game object that names one.
#include "tools/databuild/Content.h"
#include "tools/databuild/SkitLists.h"
#include "tools/databuild/TableObjects.h"

#include <set>

namespace {

constexpr u32 STR_LORD = 13002;
// The portfolio level a list falls back to when the round asks for none of its own.
constexpr i16 StandInLevel = 9;

TSkitListModel StandInList(const TSkitListEntry& entry, const std::string& lord, bool played) {
    const std::string stem = "f100" + entry.Suffix;
    TSkitListModel list{TableFile(stem + ".skl"), {}};
    // An unplayed list stays empty: a skit without rows would be written only by flagging it,
    // and nothing would ever choose it.
    if (played)
        list.Skits.push_back({TableFile(stem + ".sk"),
                              StandInLevel,
                              {{0, 0, lord, CaptionSpriteName(entry), entry.Ticks}}});
    return list;
}

} // namespace

void AddSkitCatalogues(TDataSet& set) {
    const std::string lord = ProgramString(STR_LORD);
    std::set<std::string> played;
    for (const TSkitListEntry* entry : PlayedSkitFiles())
        played.insert(entry->Suffix);

    for (const TGameObjectListModel& objects : set.GameObjectLists)
        for (const TGameObjectModel& object : objects.Objects) {
            if (object.SkitCat.empty())
                continue;
            TSkitCatModel catalogue{object.SkitCat, objects.Name, object.SpriteList, {}};
            if (object.Name == lord) {
                // One file may serve two labels: each file once.
                std::set<std::string> written;
                for (const TSkitListEntry& entry : SkitLists())
                    if (written.insert(entry.Suffix).second)
                        catalogue.Lists.push_back(
                            StandInList(entry, lord, played.count(entry.Suffix) != 0));
            }
            set.SkitCats.push_back(std::move(catalogue));
        }
}
