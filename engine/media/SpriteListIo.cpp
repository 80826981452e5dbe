// TSpriteList: the ".spl" body, read in versions 1.2, 1.3, 2.0 and 2.3 and written in 2.3.
#include "engine/media/SpriteList.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/FileMgrParts.h"
#include "engine/foundation/SpriteCreator.h"
#include "engine/media/Sprite.h"
#include "engine/media/SpriteSet.h"

std::string TSpriteList::FullName(const std::string& name) const {
    TJorpFileMgr* manager = TEngineContext::FileMgr;
    const std::string directory =
        manager != nullptr ? manager->GetData().GetEntry(static_cast<i8>(FileMode.DataLocation))
                           : std::string();
    return directory + name + ".sp";
}

bool TSpriteList::ReadMemberName(bool oldNames, std::string& name) {
    if (!oldNames)
        return ReadString(name);
    std::string shortName;
    if (!ReadName9(shortName))
        return false;
    name = FullName(shortName);
    return true;
}

bool TSpriteList::ReadBody() {
    bool oldNames = false;
    bool storedTypes = true;
    if (HeaderMajor == 1 && (HeaderMinor == 2 || HeaderMinor == 3)) {
        oldNames = true;
        storedTypes = HeaderMinor == 3;
    } else if (!(HeaderMajor == 2 && (HeaderMinor == 0 || HeaderMinor == 3))) {
        return false;
    }
    u16 count = 0;
    if (!ReadU16(count))
        return false;
    // Places are numbered in 16 bits: a count beyond them fails before anything is made.
    const i32 places = static_cast<i32>(GetCount()) + count;
    if (places > MAX_PLACES || (places > Capacity && !Grow(static_cast<i16>(places))))
        return false;
    bool prepared = false;
    if (!storedTypes && count > 0 && Creator != nullptr) {
        Creator->PrepareObjects();
        prepared = true;
    }
    std::vector<TEntry> entries;
    for (u16 i = 0; i < count; ++i) {
        TEntry entry;
        if (!ReadMemberName(oldNames, entry.Name))
            return false;
        if (storedTypes) {
            if (!ReadU16(entry.Type))
                return false;
        } else if (Creator != nullptr) {
            entry.Type = Creator->ObjectTypeFromName(entry.Name);
        }
        entries.push_back(std::move(entry));
    }
    if (!ReadSets(oldNames) || !ReadSprites(entries, prepared))
        return false;
    SortByName();
    return true;
}

bool TSpriteList::ReadSets(bool oldNames) {
    u16 sets = 0;
    if (!ReadU16(sets))
        return false;
    // Set 0 is not stored.
    for (u16 j = 1; j < sets; ++j) {
        std::string setName;
        u16 states = 0;
        if (!ReadName9(setName) || !AddActiveList(setName) || !ReadU16(states))
            return false;
        const i16 set = static_cast<i16>(GetActiveListCount() - 1);
        for (u16 k = 0; k < states; ++k) {
            u16 members = 0;
            if (!AddStateToSet(set) || !ReadU16(members))
                return false;
            const i16 state = static_cast<i16>(GetStateCount(set) - 1);
            for (u16 m = 0; m < members; ++m) {
                std::string name;
                if (!ReadMemberName(oldNames, name) || !AddMemberToSetState(set, state, name))
                    return false;
            }
        }
    }
    return true;
}

bool TSpriteList::ReadSprites(const std::vector<TEntry>& entries, bool prepared) {
    if (entries.empty())
        return true;
    // The creator prepares its table data before it builds the first of its objects.
    if (!prepared && Creator != nullptr)
        Creator->PrepareObjects();
    TJorpProgress* gauge = StartGauge("Loading Sprites");
    gauge->SelectGauge(1);
    gauge->SetGaugeRange(0, static_cast<i32>(entries.size()) - 1);
    for (const TEntry& entry : entries) {
        gauge->SetItemText(entry.Name);
        TSprite* sprite = NewSpriteFromFile(entry.Name, entry.Type, GetReadPosition());
        // A sprite that failed to read gives no byte count to step over, and a list with
        // a hole where it should be would be read out of step: the whole read fails.
        if (sprite == nullptr || !SkipChild(*sprite) || !Add(sprite)) {
            delete sprite;
            EndGauge(gauge);
            return false;
        }
        gauge->IncrementGauge();
    }
    EndGauge(gauge);
    return true;
}

bool TSpriteList::WriteBody() {
    if (!WriteU16(static_cast<u16>(GetCount())))
        return false;
    for (i16 i = 0; i <= LastIndex; ++i) {
        const TSprite* sprite = GetSprite(i);
        if (sprite == nullptr || !WriteString(sprite->GetFileMode().Name.GetText()) ||
            !WriteU16(sprite->GetObjectType()))
            return false;
    }
    if (!WriteU16(static_cast<u16>(GetActiveListCount())))
        return false;
    for (i16 j = 1; j < GetActiveListCount(); ++j) {
        std::string setName = GetSetName(j);
        const i16 states = GetStateCount(j);
        if (!WriteName9(setName) || !WriteU16(static_cast<u16>(states)))
            return false;
        for (i16 k = 0; k < states; ++k) {
            const i16 members = GetStateMemberCount(j, k);
            if (!WriteU16(static_cast<u16>(members)))
                return false;
            for (i16 m = 0; m < members; ++m)
                if (!WriteString(GetStateMemberName(j, k, m)))
                    return false;
        }
    }
    for (i16 i = 0; i <= LastIndex; ++i) {
        TSprite* sprite = GetSprite(i);
        if (sprite == nullptr || !sprite->Save(WriteFile))
            return false;
    }
    return true;
}
