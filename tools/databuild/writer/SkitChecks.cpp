// The dealer's skits checked for his hand on the puck and his silence when told to keep quiet.
#include "tools/databuild/writer/SkitChecks.h"

#include "tools/databuild/content/Content.h"
#include "tools/databuild/content/ContentDealer.h"
#include "tools/databuild/content/SkitContent.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/writer/WaveLevels.h"

#include <algorithm>

namespace {

// The lists whose skits the round moves the puck in, and the gesture that must move it.
struct TPuckList {
    const char* Suffix;
    TGesture Hand;
};
constexpr TPuckList PuckLists[] = {{"kcpm", TGesture::MarkPuck}, {"kcgm", TGesture::LiftPuck}};

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

// Whether a skit's criteria keep it from playing with the talk setting at silent.
bool NeverSilent(const TSkitModel& skit) {
    return Implied(skit.Criteria, cond::Talk0) == -1;
}

bool Speaks(const TDataSet& set, const TSpriteListModel* sprites, const TSkitModel& skit) {
    for (const TSkitCellModel& cell : skit.Cells) {
        const TSpriteModel* sprite = sprites != nullptr ? sprites->Find(cell.Sprite) : nullptr;
        if (sprite == nullptr)
            continue;
        for (const TCellModel& member : sprite->GetCells())
            if (!member.IsAnm && set.FindRaw(member.File) != nullptr &&
                WaveRoleOf(member.File) == TWaveRole::Voice)
                return true;
    }
    return false;
}

} // namespace

void CheckDealerSkits(const TDataSet& set) {
    for (const TSkitCatModel& catalogue : set.SkitCats) {
        const TSpriteListModel* sprites = set.FindSpriteList(catalogue.SpriteList);
        for (const TSkitListModel& list : catalogue.Lists)
            for (const TSkitModel& skit : list.Skits) {
                for (const TPuckList& puck : PuckLists) {
                    if (list.Name != TableFile(std::string("f100") + puck.Suffix + ".skl"))
                        continue;
                    const std::string hand = GestureSpriteStart(puck.Hand);
                    if (std::none_of(skit.Cells.begin(), skit.Cells.end(),
                                     [&](const TSkitCellModel& cell) {
                                         return StartsWith(cell.Sprite, hand);
                                     }))
                        throw TBuildError(skit.Name, "moves the puck without the dealer's hand");
                }
                if (!NeverSilent(skit) && Speaks(set, sprites, skit))
                    throw TBuildError(skit.Name, "speaks while the dealer is told to keep quiet");
            }
    }
}
