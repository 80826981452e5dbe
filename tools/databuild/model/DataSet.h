// TDataSet: the whole data set in memory before anything is written: the media files as bytes
// and the engine objects as models.
#pragma once

#include "engine/media/AnmEncoder.h"
#include "engine/media/MediaEncoders.h"
#include "tools/databuild/model/SpriteModel.h"
#include "tools/databuild/model/TableDrawing.h"
#include "tools/databuild/sound/Wave.h"

#include <string>
#include <utility>
#include <vector>

class TCanvas;

// A file written as it is: palette, bitmap, animation or wave.
struct TRawFile {
    std::string Name;
    std::vector<u8> Bytes;
    // An animation's frame count; 0 for other files.
    u16 Frames = 0;
};

// "GAME" 2.3: the palette and the modes, by file name.
struct TGameModel {
    std::string Name = "casino.g";
    std::string Palette;
    std::vector<std::string> Modes;
};

// "MODE" 2.1: game type, background bitmap and game-object list.
struct TModeModel {
    std::string Name;
    i16 GameType = 0;
    std::string Background;
    std::string ObjectList;
};

// "GOBJ" 2.1: the files of a game object's sprite list, skit catalogue and misc data.
struct TGameObjectModel {
    std::string Name;
    std::string SpriteList;
    std::string SkitCat;
    std::string MiscData;
    u16 Value = 0;
};

// "GOL " 2.0: the mode's game objects, written with the list; an object's index is its place.
struct TGameObjectListModel {
    std::string Name;
    std::vector<TGameObjectModel> Objects;
};

// "MDAT" 1.0: lists of 16-bit values.
struct TMiscDataModel {
    std::string Name;
    std::vector<std::vector<i16>> Lists;
};

// One sprite start of a skit: the object by its ".go" name and the sprite by its ".sp" name; the
// writer stores their positions in the mode's object list and the object's sorted sprite list.
struct TSkitCellModel {
    u16 Row = 0;
    u8 Place = 0;
    std::string Object;
    std::string Sprite;
    u32 Duration = 0;
};

// "SKIT" 1.1 inside its list, entered in the portfolio at its level. A skit without cells is
// written flagged as empty on purpose.
struct TSkitModel {
    std::string Name;
    i16 Level = 9;
    std::vector<TSkitCellModel> Cells;
    // (condition, answer it needs: +1 holds, -1 does not); none = always a candidate.
    std::vector<std::pair<u8, i8>> Criteria;
};

// "KLST" 2.0 with its portfolio.
struct TSkitListModel {
    std::string Name;
    std::vector<TSkitModel> Skits;
};

// "CAT " 2.0: a game object's lists. Cells name objects of ObjectList and sprites of SpriteList.
struct TSkitCatModel {
    std::string Name;
    std::string ObjectList;
    std::string SpriteList;
    std::vector<TSkitListModel> Lists;
};

class TDataSet {
public:
    void AddPalette(const std::string& name, const TColourTable& colours);
    // The canvas's pixels as an 8-bit bitmap with the colour table.
    void AddBitmap(const std::string& name, const TCanvas& picture, const TColourTable& colours);
    void AddAnm(const std::string& name, const std::vector<TAnmFrameSource>& frames, u16 refX = 0,
                u16 refY = 0);
    void AddWave(const std::string& name, const TSamples& samples);

    const TRawFile* FindRaw(const std::string& name) const;
    TSpriteListModel* FindSpriteList(const std::string& name);
    const TSpriteListModel* FindSpriteList(const std::string& name) const;
    const TGameObjectListModel* FindGameObjectList(const std::string& name) const;
    const std::vector<TRawFile>& GetRawFiles() const { return Raw; }
    std::vector<TRawFile>& GetRawFiles() { return Raw; }

    // Every file the set writes, in the engine's name order.
    std::vector<std::string> FileNames() const;

    // Checks the whole set against the engine's limits and the program's needs; throws a build
    // error naming the first item at fault.
    void Check() const;

    TGameModel Game;
    std::vector<TModeModel> Modes;
    std::vector<TGameObjectListModel> GameObjectLists;
    std::vector<TMiscDataModel> MiscData;
    std::vector<TSpriteListModel> SpriteLists;
    std::vector<TSkitCatModel> SkitCats;

private:
    std::vector<TRawFile> Raw;
};
