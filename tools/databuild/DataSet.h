// TDataSet: the whole data set in memory before anything is written: the media files as bytes
// and the engine objects as models.
#pragma once

#include "engine/media/AnmEncoder.h"
#include "engine/media/MediaEncoders.h"
#include "tools/databuild/SpriteModel.h"
#include "tools/databuild/Wave.h"

#include <string>
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

private:
    std::vector<TRawFile> Raw;
};
