// The program's own pictures (loading screen, splash and About, credits, cursors, icon), drawn
// in true colour, and the C++ tables they are compiled into.
#pragma once

#include "platform/host/Types.h"

#include <array>
#include <string>
#include <vector>

enum class TPictureKind : u8 { Bitmap, Cursor, Icon };

// One picture under one or more resource ids; 0xAARRGGBB pixels, top row first.
struct TResourcePicture {
    TPictureKind Kind = TPictureKind::Bitmap;
    std::vector<u32> Ids;
    i32 Width = 0;
    i32 Height = 0;
    i32 HotX = 0;
    i32 HotY = 0;
    std::vector<u32> Argb;
};

// Where the loading screen's two gauge bars are drawn over bitmap 4 (right, bottom exclusive).
constexpr i32 LOAD_BARS_LEFT = 20;
constexpr i32 LOAD_BARS_TOP = 160;
constexpr i32 LOAD_BARS_RIGHT = 300;
constexpr i32 LOAD_BARS_BOTTOM = 195;

std::vector<TResourcePicture> MakeResourcePictures();
// The program's icon (resource 1001) drawn at size x size pixels; the resource is the 32 one,
// the desktop's menus take larger ones.
TResourcePicture ProgramIcon(i32 size);

// An opaque picture brought down to at most 256 colours for an 8-bit bitmap.
struct TIndexedPicture {
    std::vector<std::array<u8, 3>> Colours;
    std::vector<u8> Pixels;
};
TIndexedPicture Quantise(const std::vector<u32>& argb);

// The source of a C++ file defining ResourceImageTables (resources/ResourceImageTables.h).
std::string ResourceImageSource(const std::vector<TResourcePicture>& pictures);
