// The data set built into a temporary program folder and read back through the engine's data-file
// manager: its catalogue, files, sprite lists and animations, and pictures composed from them.
#pragma once

#include "../../engine/foundation/FileMgrFixture.h"
#include "../../engine/media/SpriteSupport.h"
#include "TestDataSet.h"
#include "engine/foundation/Det.h"
#include "engine/foundation/DetList.h"
#include "engine/framework/GameObject.h"
#include "engine/media/Anm.h"
#include "engine/media/Pal.h"
#include "engine/media/Sprite.h"
#include "engine/media/SpriteList.h"
#include "platform/framework/draw/Surface.h"
#include "support/QuietModeWindow.h"
#include "tools/databuild/writer/Build.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// Read as one block: a character at a time, the pack's megabytes take seconds under the sanitizers.
inline std::string HostFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (in && in.peek() != std::ifstream::traits_type::eof())
        bytes << in.rdbuf();
    return bytes.str();
}

// One catalogued file: its path from the root and its place in the pack.
struct TCatalogued {
    std::string Name;
    u32 Offset;
    u32 Size;
};

inline void CollectCatalogued(const TDirEntry& node, const std::string& path,
                              std::vector<TCatalogued>& out) {
    for (i16 i = 0; i < node.GetChildCount(); ++i) {
        const TDirEntry& child = *node.GetChild(i);
        if (child.IsDirectory())
            CollectCatalogued(child, path + child.GetName(), out);
        else
            out.push_back({path + child.GetName(), child.GetOffset(), child.GetSize()});
    }
}

// Only the face a game-object list reads its members through: each entry becomes a game object
// holding the names its file gives, with nothing loaded.
class TReadingWindow : public TQuietModeWindow {
public:
    TGameObject* CreateGameObject(const TFileMode& file, i16, u32) override {
        return TJorpBase::CreateAttached<TGameObject>(file, true, false, this).release();
    }
};

// The animation member with its image read, showing a frame: its rectangle is where the engine
// draws that frame.
inline TRect16 ShowFrame(TAnm& anm, u16 frame) {
    TFileMode now = anm.GetFileMode();
    now.RamLevel = FM_LEVEL_NOW;
    anm.ChangeFile(now);
    anm.GetCurrentData().CurrentFrame = frame;
    anm.SelectFrameRect();
    return anm.GetRect();
}

class BuiltDataFixture : public ObjectFileFixture {
protected:
    // The data set into the program's data folder (c:\data\), its catalogue opened.
    void Build(bool loose = false) {
        std::string error;
        ASSERT_TRUE(loose ? BuildDataSet({Dir.Host("data"), true}, error, MadeSet())
                          : PutDataSet(Dir.Host("data"), error))
            << error;
        ASSERT_TRUE(Manager->OpenDet("otcraps"));
    }

    std::vector<TCatalogued> Catalogued() {
        std::vector<TCatalogued> files;
        const TDet* det = Manager->GetDetList()->FindDet("otcraps.det");
        if (det != nullptr && det->GetRoot() != nullptr)
            CollectCatalogued(*det->GetRoot(), "", files);
        return files;
    }

    // A file's bytes as the engine reads them: from the pack when catalogued.
    std::string EngineBytes(const std::string& name) {
        TJorpBaseFile* image = Register(TFileMode(TJorpFileName(name), 0, FM_LEVEL_NOW));
        return image != nullptr && image->GetData() != nullptr ? ImageBytes(*image) : std::string();
    }

    std::unique_ptr<TSpriteList> LoadSpriteList(const std::string& name) {
        const TFileMode mode(TJorpFileName(name), 0, FM_LEVEL_NOW);
        return TJorpBase::CreateAttached<TSpriteList>(mode, true, false, &Owner, mode, nullptr);
    }

    TTickOwner Owner;
};

// An 8-bit picture the engine draws into, shown through a palette as a screen surface.
class TTablePicture {
public:
    TTablePicture() : Target(640, 480, true, 0) {}

    bool DrawBitmap(TBmp& bitmap) { return bitmap.CopyTo(Target, {0, 0, 640, 480}); }
    // A member's frame where the engine puts it.
    bool DrawFrame(TAnm& anm, u16 frame) {
        ShowFrame(anm, frame);
        return anm.DrawFrame(Target, {0, 0, 640, 480});
    }
    TScreenSurface Surface(const TRGBQuadPalette& colours) const {
        TScreenSurface out(TSize{640, 480});
        for (i32 y = 0; y < 480; ++y)
            for (i32 x = 0; x < 640; ++x) {
                const RGBQUAD& c = colours.At(Target.At(x, y));
                out.SetPixel(x, y, MakeArgb(c.rgbRed, c.rgbGreen, c.rgbBlue));
            }
        return out;
    }

private:
    TPixelTarget Target;
};
