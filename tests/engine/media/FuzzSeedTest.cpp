// The media fuzz targets start from files the engine's writers write. Set OTCRAPS_UPDATE_GOLDEN=1
// to write the seeds again.
#include "SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/media/MediaEncoders.h"

#include "support/FuzzSeed.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

class MediaFuzzSeeds : public ObjectFileFixture {
protected:
    static std::string Text(const std::vector<u8>& bytes) { return {bytes.begin(), bytes.end()}; }
    std::string Saved(TJorpBase& object) {
        object.Save(nullptr);
        return Cd.ReadHostFile(object.GetFileMode().Name.GetText());
    }

    TTickOwner Owner;
};

bool Holed(i32 x, i32 y) {
    return (x + y) % 3 != 0;
}

TEST_F(MediaFuzzSeeds, AreWhatTheWritersWrite) {
    CheckFuzzSeed(
        "anm_fuzz", "two_frames.anm",
        Text(TAnmEncoder::Encode(
            {MakeFrame(6, 4, 2, 1, &Holed), MakeFrame(3, 5, 0, 4, &AllOpaque, 30)}, 7, 9)));
    CheckFuzzSeed("anm_fuzz", "no_frames.anm", Text(TAnmEncoder::Encode({}, 0, 0)));

    auto cells = MakeTableSprite(
        &Owner, "cells", {{0, 0, "spin.anm", 1, 4, 1, 3, 4, 5}, {1, 7, "bell.wav", 0, 9, 1}});
    CheckFuzzSeed("sprite_fuzz", "cells.sp", Saved(*cells));
    auto bare = MakeTableSprite(&Owner, "bare", {});
    CheckFuzzSeed("sprite_fuzz", "bare.sp", Saved(*bare));

    TSpriteList list(&Owner, TFileMode("sets.spl", 0, 0), nullptr);
    list.Add(MakeTableSprite(&Owner, "one", {{0, 0, "spin.anm"}}).release());
    list.Add(MakeTableSprite(&Owner, "two", {{0, 2, "bell.wav", 0, 3}}).release());
    list.GetSprite(1)->SetId(1);
    list.AddActiveList("idle");
    list.AddStateToSet(1);
    list.AddStateToSet(1);
    list.AddMemberToSetState(1, 0, "one.sp");
    list.AddMemberToSetState(1, 1, "two.sp");
    CheckFuzzSeed("spritelist_fuzz", "sets.spl", Saved(list));

    TColourTable colours{};
    for (int i = 0; i < 256; ++i)
        colours[static_cast<size_t>(i)] = {static_cast<u8>(i), static_cast<u8>(255 - i), 40, 0};
    std::vector<u8> pixels(15);
    for (u8 i = 0; i < 15; ++i)
        pixels[i] = static_cast<u8>(i * 9);
    CheckFuzzSeed("enginebmp_fuzz", "small.bmp", Text(TBmpEncoder::Encode(5, 3, pixels, colours)));
    CheckFuzzSeed("pal_fuzz", "ramp.pal", Text(TPalEncoder::Encode(colours)));
}

} // namespace
