// TDataSet::Check: the engine's limits and the program's needs, checked before a byte is written.
#include "tools/databuild/content/Background.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/BitmapPicture.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/DataNames.h"
#include "tools/databuild/model/DataSet.h"
#include "tools/databuild/writer/EngineFiles.h"

#include <algorithm>
#include <set>

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A file of the set by name, whatever kind it is.
bool Holds(const TDataSet& set, const std::string& name) {
    const std::vector<std::string> names = set.FileNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

void CheckCell(const TDataSet& set, const TCellModel& cell, const std::string& item) {
    if (cell.Slot >= CELLS_PER_ROW)
        throw TBuildError(item, "row " + std::to_string(cell.Row) + " has more than " +
                                    std::to_string(CELLS_PER_ROW) + " cells");
    CheckDataName(cell.File, item);
    const TRawFile* file = set.FindRaw(cell.File);
    if (file == nullptr)
        throw TBuildError(item, "names " + cell.File + ", which the data set does not hold");
    if (cell.IsAnm != EndsWith(cell.File, ".anm") || (!cell.IsAnm && !EndsWith(cell.File, ".wav")))
        throw TBuildError(item, cell.File + " is not the kind of file the cell plays");
    if (!cell.IsAnm && cell.Duration >= WAVE_DURATION_LIMIT)
        throw TBuildError(item, "a wave cell of " + std::to_string(cell.Duration) +
                                    " ticks (the engine keeps 15 bits)");
    if (cell.IsAnm && (cell.FirstFrame < 0 || cell.FirstFrame >= file->Frames))
        throw TBuildError(item, "first frame " + std::to_string(cell.FirstFrame) + " of " +
                                    cell.File + ", which has " + std::to_string(file->Frames));
}

void CheckNeeds(const TDataSet& set, const TSpriteModel& sprite, const std::string& item) {
    const TBindingNeeds& needs = sprite.Needs;
    if (sprite.AnmCount() < needs.Anms)
        throw TBuildError(item, "has " + std::to_string(sprite.AnmCount()) + " animations; " +
                                    needs.Label + " binds " + std::to_string(needs.Anms));
    if (sprite.WaveCount() < needs.Waves)
        throw TBuildError(item, "has " + std::to_string(sprite.WaveCount()) + " waves; " +
                                    needs.Label + " binds " + std::to_string(needs.Waves));
    for (size_t i = 0; i < needs.MinFrames.size(); ++i) {
        const TCellModel* cell = sprite.Anm(static_cast<u16>(i));
        const TRawFile* file = cell != nullptr ? set.FindRaw(cell->File) : nullptr;
        const u16 frames = file != nullptr ? file->Frames : 0;
        if (frames < needs.MinFrames[i])
            throw TBuildError(item + " animation " + std::to_string(i),
                              std::to_string(frames) + " frames; " + needs.Label + " shows " +
                                  std::to_string(needs.MinFrames[i]));
    }
}

void CheckSpriteList(const TDataSet& set, const TSpriteListModel& list) {
    const std::string& name = list.GetName();
    if (list.GetSprites().size() > 0x7FFF)
        throw TBuildError(name, "too many sprites");
    std::set<std::string> seen;
    for (const TSpriteModel& sprite : list.GetSprites()) {
        const std::string item = name + ": " + sprite.GetName();
        CheckDataName(sprite.GetName(), item);
        if (!EndsWith(sprite.GetName(), ".sp"))
            throw TBuildError(item, "a sprite's name ends in \".sp\"");
        if (!seen.insert(sprite.GetName()).second)
            throw TBuildError(item, "the list holds this name twice");
        if (sprite.GetSet() > list.Sets.size())
            throw TBuildError(item, "names set " + std::to_string(sprite.GetSet()) +
                                        ", which the list does not have");
        for (const TCellModel& cell : sprite.GetCells())
            CheckCell(set, cell, item);
        CheckNeeds(set, sprite, item);
    }
    for (size_t s = 0; s < list.Sets.size(); ++s) {
        const TSpriteSetModel& spriteSet = list.Sets[s];
        const std::string item = name + ": set " + std::to_string(s + 1);
        if (spriteSet.Name.empty() || spriteSet.Name.size() > 8)
            throw TBuildError(item, "a set's name has 1 to 8 characters");
        for (const std::vector<std::string>& state : spriteSet.States)
            for (const std::string& member : state)
                if (list.Find(member) == nullptr)
                    throw TBuildError(item, "names " + member + ", which the list does not hold");
    }
}

// The mixer has eight channels for everything at the table: a skit keeps to a few.
constexpr size_t MaxSkitWaves = 3;

size_t SkitWaves(const TDataSet& set, const TSkitCatModel& catalogue, const TSkitModel& skit) {
    const TSpriteListModel* sprites = set.FindSpriteList(catalogue.SpriteList);
    size_t waves = 0;
    for (const TSkitCellModel& cell : skit.Cells) {
        const TSpriteModel* sprite = sprites != nullptr ? sprites->Find(cell.Sprite) : nullptr;
        waves += sprite != nullptr ? sprite->WaveCount() : 0;
    }
    return waves;
}

void CheckSkitCat(const TDataSet& set, const TSkitCatModel& catalogue) {
    if (!EndsWith(catalogue.Name, ".skc"))
        throw TBuildError(catalogue.Name, "a skit catalogue's name ends in \".skc\"");
    std::set<std::string> lists;
    for (const TSkitListModel& list : catalogue.Lists) {
        const std::string item = catalogue.Name + ": " + list.Name;
        if (!EndsWith(list.Name, ".skl"))
            throw TBuildError(item, "a skit list's name ends in \".skl\"");
        if (!lists.insert(list.Name).second)
            throw TBuildError(item, "the catalogue holds this list twice");
        // A list the round asks for must always have a skit to give, whatever the table's state.
        const bool fallback =
            std::any_of(list.Skits.begin(), list.Skits.end(), [](const TSkitModel& skit) {
                return skit.Level == 9 && skit.Criteria.empty();
            });
        if (!list.Skits.empty() && !fallback)
            throw TBuildError(item, "no skit on level 9 without criteria");
        std::set<std::string> skits;
        for (const TSkitModel& skit : list.Skits) {
            const std::string skitItem = item + ": " + skit.Name;
            CheckDataName(skit.Name, skitItem);
            if (!EndsWith(skit.Name, ".sk"))
                throw TBuildError(skitItem, "a skit's name ends in \".sk\"");
            if (!skits.insert(skit.Name).second)
                throw TBuildError(skitItem, "the list holds this skit twice");
            if (skit.Level < 0 || skit.Level > 9)
                throw TBuildError(skitItem,
                                  "level " + std::to_string(skit.Level) + " is not one of 0 to 9");
            for (const auto& [condition, answer] : skit.Criteria)
                if (condition > 138 || (answer != 1 && answer != -1))
                    throw TBuildError(skitItem, "criterion " + std::to_string(condition) + " = " +
                                                    std::to_string(answer) +
                                                    " is not a condition the program answers");
            if (SkitWaves(set, catalogue, skit) > MaxSkitWaves)
                throw TBuildError(
                    skitItem, "plays " + std::to_string(SkitWaves(set, catalogue, skit)) +
                                  " waves; a skit plays at most " + std::to_string(MaxSkitWaves));
            for (const TSkitCellModel& cell : skit.Cells) {
                if (cell.Place >= CELLS_PER_ROW)
                    throw TBuildError(skitItem, "row " + std::to_string(cell.Row) +
                                                    " has more than " +
                                                    std::to_string(CELLS_PER_ROW) + " cells");
                if (cell.Row > 0x7FFE)
                    throw TBuildError(skitItem, "row " + std::to_string(cell.Row) +
                                                    " is past the table's last");
                if (SkitObjectIndex(set, catalogue, cell.Object) == 0xFFFF)
                    throw TBuildError(skitItem, "names object " + cell.Object + ", which " +
                                                    catalogue.ObjectList + " does not list");
                if (SkitSpriteIndex(set, catalogue, cell.Sprite) == 0xFFFF)
                    throw TBuildError(skitItem, "names sprite " + cell.Sprite + ", which " +
                                                    catalogue.SpriteList + " does not hold");
            }
        }
    }
}

// A click on a drawn spot must land on the spot: the shapes held against the program's regions,
// and the layout's lines looked for in the bitmap as it will be written.
void CheckTableShapes(const TDataSet& set) {
    const std::string name = TableFile(TABLE_BACKGROUND);
    const TRawFile* background = set.FindRaw(name);
    if (background == nullptr)
        return;
    const std::optional<TCanvas> picture = BitmapPicture(background->Bytes);
    if (!picture)
        throw TBuildError(name, "the bitmap cannot be read back");
    std::vector<std::string> faults = ShapeFaults(TableShapes());
    if (faults.empty())
        faults = DrawnLineFaults(TableShapes(), picture->Pixels(), picture->Width(),
                                 picture->Height(), LineColour());
    if (!faults.empty())
        throw TBuildError(name, faults.front());
}

} // namespace

void TDataSet::Check() const {
    const std::vector<std::string> names = FileNames();
    for (size_t i = 0; i < names.size(); ++i) {
        CheckDataName(names[i], names[i]);
        if (i > 0 && names[i] == names[i - 1])
            throw TBuildError(names[i], "the data set holds this file twice");
    }
    const TRawFile* palette = FindRaw(Game.Palette);
    if (palette == nullptr || palette->Bytes.size() != 1024)
        throw TBuildError(Game.Name, "names palette \"" + Game.Palette +
                                         "\", which the data set does not hold as 256 colours");
    std::set<std::string> modes;
    for (const std::string& mode : Game.Modes) {
        if (!modes.insert(mode).second)
            throw TBuildError(Game.Name, "lists mode " + mode + " twice");
        bool found = false;
        for (const TModeModel& m : Modes)
            found = found || m.Name == mode;
        if (!found)
            throw TBuildError(Game.Name,
                              "lists mode " + mode + ", which the data set does not hold");
    }
    for (const TModeModel& mode : Modes) {
        if (!mode.Background.empty() && FindRaw(mode.Background) == nullptr)
            throw TBuildError(mode.Name, "names background " + mode.Background +
                                             ", which the data set does not hold");
        // An empty list name gives the mode no game objects and no message about it.
        if (mode.ObjectList.empty())
            throw TBuildError(mode.Name, "names no game-object list");
        bool found = false;
        for (const TGameObjectListModel& list : GameObjectLists)
            found = found || list.Name == mode.ObjectList;
        if (!found)
            throw TBuildError(mode.Name, "names game-object list " + mode.ObjectList +
                                             ", which the data set does not hold");
    }
    for (const TGameObjectListModel& list : GameObjectLists) {
        // Objects are numbered in 7 bits where skits name them.
        if (list.Objects.size() > 127)
            throw TBuildError(list.Name, "more than 127 game objects");
        for (const TGameObjectModel& object : list.Objects) {
            if (!EndsWith(object.Name, ".go"))
                throw TBuildError(list.Name, "lists " + object.Name + " as a game object");
            // The engine loads every part an object names, at once and for good.
            for (const std::string& part : {object.SpriteList, object.MiscData})
                if (!part.empty() && !Holds(*this, part))
                    throw TBuildError(object.Name,
                                      "names " + part + ", which the data set does not hold");
            if (!object.SkitCat.empty() && !Holds(*this, object.SkitCat))
                throw TBuildError(object.Name,
                                  "names " + object.SkitCat + ", which the data set does not hold");
        }
    }
    for (const TMiscDataModel& data : MiscData) {
        if (data.Lists.size() > 0x7FFF)
            throw TBuildError(data.Name, "too many lists");
        for (const std::vector<i16>& list : data.Lists)
            if (list.size() > 0x7FFF)
                throw TBuildError(data.Name, "a list too long for its 16-bit count");
    }
    for (const TSpriteListModel& list : SpriteLists)
        CheckSpriteList(*this, list);
    for (const TSkitCatModel& catalogue : SkitCats)
        CheckSkitCat(*this, catalogue);
    CheckTableShapes(*this);
}
