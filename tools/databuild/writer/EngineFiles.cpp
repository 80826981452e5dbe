// Engine objects made from the models and saved without a parent, so that each opens its own file.
#include "tools/databuild/writer/EngineFiles.h"

#include "engine/foundation/MiscData.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameFile.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/Skit.h"
#include "engine/framework/SkitCat.h"
#include "engine/framework/SkitCell.h"
#include "engine/framework/SkitList.h"
#include "engine/framework/SkitPortfolio.h"
#include "engine/framework/SkitRow.h"
#include "engine/framework/SkitTable.h"
#include "engine/media/Sprite.h"
#include "engine/media/SpriteList.h"
#include "engine/media/SpriteTable.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/DataNames.h"

#include <algorithm>
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

std::unique_ptr<TSkit> MakeSkit(const TDataSet& set, const TSkitCatModel& catalogue,
                                const TSkitModel& model) {
    auto skit =
        std::make_unique<TSkit>(nullptr, nullptr, TFileMode(TJorpFileName(model.Name), 0, 0));
    if (model.Cells.empty())
        skit->SetFlags(SKIT_EMPTY_TABLE_OK);
    for (const auto& [condition, answer] : model.Criteria)
        skit->SetCriterion(condition, answer);
    TSkitTable& table = *skit->GetTable();
    for (const TSkitCellModel& c : model.Cells) {
        const u16 object = SkitObjectIndex(set, catalogue, c.Object);
        const u16 sprite = SkitSpriteIndex(set, catalogue, c.Sprite);
        if (object == TSkitCell::NONE || sprite == TSkitCell::NONE)
            throw TBuildError(model.Name, "a cell names " + c.Object + " " + c.Sprite +
                                              ", which the data set does not hold");
        while (table.GetLastIndex() < static_cast<i16>(c.Row))
            table.AddNewRow();
        TSkitCell* cell = table.GetSkitRow(static_cast<i16>(c.Row))->EnsureCell(c.Place);
        if (cell == nullptr)
            throw TBuildError(model.Name, "a row has more than 8 cells");
        cell->SetObjectName(c.Object);
        cell->SetSpriteName(c.Sprite);
        cell->SetObjectIndex(object);
        cell->SetSpriteIndex(sprite);
        cell->SetDuration(c.Duration);
    }
    return skit;
}

void WriteSkitListFile(const TDataSet& set, const TSkitCatModel& catalogue,
                       const TSkitListModel& model) {
    // The reader sorts the skits by name; the portfolio stores positions in that order.
    std::vector<const TSkitModel*> skits;
    for (const TSkitModel& skit : model.Skits)
        skits.push_back(&skit);
    std::stable_sort(skits.begin(), skits.end(), [](const TSkitModel* a, const TSkitModel* b) {
        return NameBefore(a->Name, b->Name);
    });
    TSkitList list(nullptr, nullptr, TFileMode(TJorpFileName(model.Name), 0, 0));
    for (size_t i = 0; i < skits.size(); ++i) {
        std::unique_ptr<TSkit> skit = MakeSkit(set, catalogue, *skits[i]);
        const std::string stored = skit->GetFileMode().Name.GetText();
        if (!list.Add(skit.get()))
            throw TBuildError(skits[i]->Name, "the skit list refuses it");
        skit.release();
        if (!list.GetPortfolio()->AddElement(skits[i]->Level, stored, static_cast<u16>(i)))
            throw TBuildError(skits[i]->Name, "level " + std::to_string(skits[i]->Level) +
                                                  " is not one of the portfolio's");
    }
    if (!list.Save(nullptr))
        throw TBuildError(model.Name, "the skit list cannot be written");
}

} // namespace

u16 SkitObjectIndex(const TDataSet& set, const TSkitCatModel& catalogue,
                    const std::string& object) {
    const TGameObjectListModel* list = set.FindGameObjectList(catalogue.ObjectList);
    if (list != nullptr)
        for (size_t i = 0; i < list->Objects.size(); ++i)
            if (list->Objects[i].Name == object)
                return static_cast<u16>(i);
    return TSkitCell::NONE;
}

u16 SkitSpriteIndex(const TDataSet& set, const TSkitCatModel& catalogue,
                    const std::string& sprite) {
    const TSpriteListModel* list = set.FindSpriteList(catalogue.SpriteList);
    const i16 index = list != nullptr ? list->IndexOf(sprite) : i16{-1};
    return index < 0 ? TSkitCell::NONE : static_cast<u16>(index);
}

void WriteSkitCatalogueFile(const TDataSet& set, const TSkitCatModel& model) {
    TSkitCat catalogue(nullptr, nullptr, TFileMode(TJorpFileName(model.Name), 0, 0));
    for (const TSkitListModel& list : model.Lists) {
        WriteSkitListFile(set, model, list);
        auto entry = std::make_unique<TSkitList>(nullptr, nullptr,
                                                 TFileMode(TJorpFileName(list.Name), 0, 0));
        if (!catalogue.Add(entry.get()))
            throw TBuildError(list.Name, "the skit catalogue refuses it");
        entry.release();
    }
    if (!catalogue.Save(nullptr))
        throw TBuildError(model.Name, "the skit catalogue cannot be written");
}

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
