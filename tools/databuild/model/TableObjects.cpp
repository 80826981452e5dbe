// The table-object catalogue as the craps program reads it, and the binding minima of its classes.
#include "tools/databuild/model/TableObjects.h"

#include "platform/framework/ResourceRegistry.h"
#include "tools/databuild/model/BuildError.h"

#include <algorithm>

namespace {

std::vector<TTableObject> MakeObjects() {
    // The string ids in the order the lord fills its names: codes 1, 3-27, 29-78.
    std::vector<u32> ids = {13090, 13085, 13086, 13087, 13084, 13088, 13089};
    for (u32 id = 13006; id <= 13011; ++id)
        ids.push_back(id);
    for (u32 id = 13076; id <= 13083; ++id)
        ids.push_back(id);
    ids.insert(ids.end(), {13074, 13073, 13069, 13070, 13071});
    for (u32 id = 13063; id <= 13068; ++id)
        ids.push_back(id);
    ids.push_back(13012);
    for (u32 id = 13015; id <= 13057; ++id)
        ids.push_back(id);
    std::vector<TTableObject> objects;
    u16 code = 1;
    for (u32 id : ids) {
        objects.push_back({code, id});
        code = static_cast<u16>(code + 1);
        if (code == 2 || code == 28)
            code = static_cast<u16>(code + 1);
    }
    return objects;
}

// Frames a chip stack of each denomination needs ($1 to $10000): a bet is at most $100,000.
constexpr u16 LineStackFrames[6] = {4, 4, 3, 9, 9, 10};
constexpr u16 OddsStackFrames[6] = {4, 4, 3, 9, 9, 9};

// Digit places and separators of an amount: the separators are parts 2, 6 and 10.
std::vector<u16> AmountFrames() {
    std::vector<u16> frames(14, 11);
    frames[2] = frames[6] = frames[10] = 1;
    return frames;
}

} // namespace

const std::vector<TTableObject>& TableObjects() {
    static const std::vector<TTableObject> objects = MakeObjects();
    return objects;
}

u32 TableObjectString(u16 code) {
    for (const TTableObject& o : TableObjects())
        if (o.Code == code)
            return o.StringId;
    return 0;
}

bool IsOddsSpot(int spot) {
    using namespace table_spot;
    const auto inSix = [spot](i16 first) { return spot >= first && spot < first + 6; };
    return spot == PassLine || spot == DontPass || inSix(FirstComeNumber) ||
           inSix(FirstDontComeNumber);
}

TBindingNeeds NeedsOf(u16 code) {
    TBindingNeeds needs;
    if (code == TO_SOUND) {
        needs.Waves = 11;
        needs.Label = "Sound Sprite";
    } else if (code >= TO_PLATE_FIRST && code < TO_PLATE_FIRST + 3) {
        needs.MinFrames.assign(13, 36);
        needs.MinFrames[0] = 1;
        needs.Label = "Name Plate";
    } else if (code == TO_BOARD) {
        needs.MinFrames = AmountFrames();
        needs.MinFrames.insert(needs.MinFrames.end(), {94, 16});
        needs.Label = "Message Display";
    } else if (code == TO_BANK || code == TO_HAND) {
        needs.MinFrames = AmountFrames();
        needs.Label = "Cash Display";
    } else if (code >= TO_BUTTON_FIRST && code < TO_BUTTON_FIRST + BUTTON_COUNT) {
        const int button = code - TO_BUTTON_FIRST;
        needs.MinFrames = {static_cast<u16>(button == 13 ? 12 : button == 2 ? 4 : 3)};
        needs.Label = "button";
    } else if (code == TO_PAYOUT) {
        for (int row = 0; row < 3; ++row)
            needs.MinFrames.insert(needs.MinFrames.end(), OddsStackFrames, OddsStackFrames + 6);
        needs.Label = "CBetPayOff";
    } else if (code == TO_PUCK) {
        needs.MinFrames = {7};
        needs.Label = "CPuck";
    } else if (code >= TO_DICE_FIRST && code < TO_DICE_FIRST + 3) {
        needs.MinFrames = {1};
        needs.Label = "CDice";
    } else if (code >= TO_BIG_DIE_FIRST && code < TO_BIG_DIE_FIRST + 6) {
        needs.MinFrames = {6};
        needs.Label = "bigdice";
    } else if (code == TO_RACK) {
        needs.MinFrames.assign(6, 10);
        needs.Label = "CasChips";
    } else if (code >= TO_SPOT_FIRST && code < TO_SPOT_FIRST + SPOT_COUNT) {
        for (int seat = 0; seat < 3; ++seat)
            needs.MinFrames.insert(needs.MinFrames.end(), LineStackFrames, LineStackFrames + 6);
        needs.MinFrames.insert(needs.MinFrames.end(), {3, 1, 1, 1});
        if (IsOddsSpot(code - TO_SPOT_FIRST))
            for (int seat = 0; seat < 3; ++seat)
                needs.MinFrames.insert(needs.MinFrames.end(), OddsStackFrames, OddsStackFrames + 6);
        needs.Label = "CBetSpot";
    }
    needs.Anms = static_cast<u16>(needs.MinFrames.size());
    return needs;
}

TBindingNeeds PickNeeds(int pick) {
    TBindingNeeds needs;
    needs.MinFrames = {1};
    needs.Anms = 1;
    needs.Label = "pick" + std::to_string(pick);
    return needs;
}

std::string ProgramString(u32 id) {
    const std::optional<std::string> text = TResourceRegistry::Get().FindString(id);
    if (!text)
        throw TBuildError("string " + std::to_string(id), "the program has no such string");
    return *text;
}
