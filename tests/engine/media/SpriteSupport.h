// What the animation, sprite and sound tests share: hand-made byte images, an owner with a frame
// counter, a creator over a sprite list, a bitmap to draw into, frames and table sprites.
#pragma once

#include "engine/foundation/JorpOwner.h"
#include "engine/foundation/SpriteCreator.h"
#include "engine/media/AnmEncoder.h"
#include "engine/media/Bmp.h"
#include "engine/media/Sprite.h"
#include "engine/media/SpriteList.h"
#include "engine/media/SpriteTable.h"

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Bytes written field by field, little-endian, for old versions and damaged files.
struct TBytes {
    TBytes& B(u8 v) {
        Data.push_back(v);
        return *this;
    }
    TBytes& W(std::initializer_list<i32> words) {
        for (i32 w : words)
            B(static_cast<u8>(w)).B(static_cast<u8>(w >> 8));
        return *this;
    }
    TBytes& D(u32 v) { return W({static_cast<i32>(v & 0xFFFF), static_cast<i32>(v >> 16)}); }
    // The length with its NUL, then the bytes and the NUL.
    TBytes& Str(const std::string& s) {
        W({static_cast<i32>(s.size() + 1)});
        return Raw({s.begin(), s.end()}).B(0);
    }
    TBytes& Name9(std::string s) {
        s.resize(9, '\0');
        return Raw({s.begin(), s.end()});
    }
    TBytes& Header(const char* tag, u16 major, u16 minor) {
        return Raw({tag, tag + 4}).W({major, minor}).D(0);
    }
    TBytes& Raw(const std::vector<u8>& bytes) {
        Data.insert(Data.end(), bytes.begin(), bytes.end());
        return *this;
    }
    TEmbeddedAddress Address() const { return {Data.data(), static_cast<u32>(Data.size())}; }

    std::vector<u8> Data;
};

// An owner whose frame counter a test moves by hand.
struct TTickOwner : TJorpOwner {
    const u32* GetFrameCounter() const override { return &Tick; }
    bool IsHoldSet() const override { return false; }
    TJorpProgress* GetProgress() const override { return Progress; }
    void ResolveGameObjects() override { ++Resolves; }

    u32 Tick = 0;
    TJorpProgress* Progress = nullptr;
    int Resolves = 0;
};

// A game object's factory and lookups over one sprite list: plain sprites read in place.
struct TFakeCreator : TSpriteCreator {
    explicit TFakeCreator(TTickOwner* owner) : Owner(owner) {}
    TJorpBase* CreateObject(const std::string& name, u16 type, TEmbeddedAddress address) override {
        Made.push_back({name, type});
        if (name == RefuseName)
            return nullptr;
        return TSprite::MakeEmbedded(address, Owner, TFileMode(name, 0, 0)).release();
    }
    u16 ObjectTypeFromName(const std::string& name) override { return Types[name]; }
    void PrepareObjects() override { ++Prepared; }
    i16 FindSpriteIndex(const std::string& name) override { return List->IndexOf(name); }
    TJorpBase* GetSpriteAt(i16 index) override { return List->GetAt(index); }
    u32 GetCreatorTick() const override { return Owner->Tick; }

    TTickOwner* Owner;
    TSpriteList* List = nullptr;
    std::map<std::string, u16> Types;
    std::string RefuseName;
    int Prepared = 0;
    std::vector<std::pair<std::string, u16>> Made;
};

// A bitmap at the screen's origin with pixels of its own, filled with a sentinel.
class TPixelTarget : public TBmp {
public:
    TPixelTarget(i32 width, i32 height, bool topDown, u8 fill)
        : Pixels(static_cast<size_t>((width + 3) / 4 * 4 * height), fill) {
        auto info = std::make_unique<TBitmapInfo>(256);
        info->Get()->bmiHeader.biWidth = width;
        info->Get()->bmiHeader.biHeight = topDown ? -height : height;
        AdoptBits(std::move(info), Pixels.data(), nullptr);
    }
    // The pixel at a screen point.
    u8 At(i32 x, i32 y) const {
        return Pixels[static_cast<size_t>((IsTopDown() ? y : PixelHeight() - 1 - y) * GetPitch() +
                                          x)];
    }
    std::vector<u8> Pixels;
};

// A frame whose pixel colours tell each pixel apart, opaque where the test says.
inline TAnmFrameSource MakeFrame(i16 width, i16 height, i16 hotX, i16 hotY,
                                 bool (*opaque)(i32 x, i32 y), u8 bias = 0) {
    TAnmFrameSource f{width, height, hotX, hotY, {}, {}};
    for (i32 y = 0; y < height; ++y)
        for (i32 x = 0; x < width; ++x) {
            f.Pixels.push_back(static_cast<u8>(bias + 1 + x + 7 * y));
            f.Opaque.push_back(opaque(x, y) ? 1 : 0);
        }
    return f;
}

inline bool AllOpaque(i32, i32) {
    return true;
}

// One named cell of a sprite's table.
struct TCellSpec {
    i16 Row = 0;
    u8 Slot = 0;
    std::string Name;
    u8 Kind = 1;
    u32 Duration = 0;
    i32 Direction = 1;
    i16 X = 0, Y = 0, Z = 0;
};

// An empty sprite of that file name whose table holds the cells, as the builder makes them.
inline std::unique_ptr<TSprite> MakeTableSprite(TJorpOwner* owner, const std::string& name,
                                                const std::vector<TCellSpec>& cells) {
    auto sprite = std::make_unique<TSprite>(owner);
    sprite->SetFileName(name);
    TSpriteTable& table = *sprite->GetTable();
    for (const TCellSpec& c : cells) {
        while (table.GetLastIndex() < c.Row)
            table.AddNewRow();
        auto* row = static_cast<TSpriteRow*>(table.GetRow(c.Row));
        row->EnsureCell(c.Slot);
        TSpriteCell& cell = *row->GetSpriteCell(c.Slot);
        cell.SetName(c.Name);
        cell.Kind = c.Kind;
        cell.Duration = c.Duration;
        cell.Direction = c.Direction;
        cell.X = c.X;
        cell.Y = c.Y;
        cell.Z = c.Z;
    }
    return sprite;
}
