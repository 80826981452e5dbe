// Engine objects made from the models and saved without a parent, so that each opens its own file.
#include "tools/databuild/EngineFiles.h"

#include "engine/foundation/MiscData.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameFile.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/JorpMode.h"
#include "engine/media/Sprite.h"
#include "engine/media/SpriteList.h"
#include "engine/media/SpriteTable.h"
#include "tools/databuild/BuildError.h"

#include <memory>

namespace {

// A sprite with the model's timeline; its duration is the model's, kept when read.
std::unique_ptr<TSprite> MakeSprite(const TSpriteModel& model) {
    auto sprite = std::make_unique<TSprite>(nullptr);
    sprite->SetFileName(TJorpFileName(model.GetName()));
    sprite->SetObjectType(model.GetType());
    sprite->SetId(model.GetSet());
    sprite->SetFlags(SPF_KEEP_DURATION);
    sprite->Duration = model.Duration();
    TSpriteTable& table = *sprite->GetTable();
    for (const TCellModel& c : model.GetCells()) {
        while (table.GetLastIndex() < static_cast<i16>(c.Row))
            table.AddNewRow();
        auto* row = static_cast<TSpriteRow*>(table.GetRow(static_cast<i16>(c.Row)));
        row->EnsureCell(c.Slot);
        TSpriteCell& cell = *row->GetSpriteCell(c.Slot);
        cell.SetName(c.File);
        cell.Kind = c.IsAnm ? 1 : 0;
        cell.Duration = c.Duration;
        cell.Direction = c.Direction;
        cell.DrawFlag = 0;
        cell.X = c.X;
        cell.Y = c.Y;
        cell.Z = c.Z;
        cell.FirstFrame = c.FirstFrame;
    }
    return sprite;
}

} // namespace

void WriteGameFile(const TGameModel& model) {
    TJorpGame game;
    game.SetFileName(model.Name);
    game.SetPaletteName(model.Palette);
    for (const std::string& mode : model.Modes)
        game.AddMode(mode);
    game.Save(nullptr);
}

void WriteModeFile(const TModeModel& model) {
    TJorpMode mode(0, TFileMode(TJorpFileName(model.Name), 0, 0));
    mode.SetGameType(model.GameType);
    mode.SetBackgroundName(model.Background);
    mode.SetGObjListName(model.ObjectList);
    mode.Save(nullptr);
}

void WriteGameObjectListFile(const TGameObjectListModel& model) {
    // The list writes its entries, then has each member save its own file; members made
    // without files have no parts to save with them.
    TGObjList list(nullptr, nullptr, TFileMode(TJorpFileName(model.Name), 0, 0));
    for (const TGameObjectModel& object : model.Objects) {
        auto member = std::make_unique<TGameObject>(nullptr);
        member->SetObjectFileName(TJorpFileName(object.Name));
        member->SetSpriteListName(object.SpriteList);
        member->SetSkitCatName(object.SkitCat);
        member->SetMiscDataName(object.MiscData);
        member->SetObjectValue(object.Value);
        if (!list.AddMember(member.get()))
            throw TBuildError(object.Name, "the game-object list refuses it");
        member.release();
    }
    list.Save(nullptr);
}

void WriteMiscDataFile(const TMiscDataModel& model) {
    TMiscData data(0, nullptr, TFileMode(TJorpFileName(model.Name), 0, 0));
    data.SetLists(model.Lists);
    data.Save(nullptr);
}

void WriteSpriteListFile(const TSpriteListModel& model) {
    TSpriteListModel sorted = model;
    sorted.Sort();
    TSpriteList list(nullptr, TFileMode(TJorpFileName(model.GetName()), 0, 0), nullptr);
    for (const TSpriteSetModel& set : model.Sets) {
        list.AddActiveList(set.Name);
        const i16 index = static_cast<i16>(list.GetActiveListCount() - 1);
        for (const std::vector<std::string>& state : set.States) {
            list.AddStateToSet(index);
            const i16 stateIndex = static_cast<i16>(list.GetStateCount(index) - 1);
            for (const std::string& member : state)
                list.AddMemberToSetState(index, stateIndex, member);
        }
    }
    for (const TSpriteModel& sprite : sorted.GetSprites()) {
        std::unique_ptr<TSprite> made = MakeSprite(sprite);
        if (!list.Add(made.get()))
            throw TBuildError(sprite.GetName(), "the sprite list refuses it");
        made.release();
    }
    list.Save(nullptr);
}
