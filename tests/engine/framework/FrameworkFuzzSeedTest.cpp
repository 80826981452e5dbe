// The fuzz targets of game objects, their lists and the save file start from files the engine's
// writers write. Set OTCRAPS_UPDATE_GOLDEN=1 to write the seeds again.
#include "PlayerMgrFakes.h"

#include "../foundation/FileMgrFixture.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameObject.h"

#include "support/FuzzSeed.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

TGameObject* Named(const std::string& name, const std::string& parts, u16 value) {
    auto* object = new TGameObject(nullptr);
    object->SetObjectFileName(TJorpFileName(name));
    if (!parts.empty()) {
        object->SetSpriteListName(parts + ".spl");
        object->SetSkitCatName(parts + ".skc");
        object->SetMiscDataName(parts + ".md");
    }
    object->SetObjectValue(value);
    return object;
}

TEST_F(ObjectFileFixture, TheFrameworkFuzzSeedsAreWhatTheWritersWrite) {
    std::filesystem::create_directories(Cd.Host("tbl"));
    std::unique_ptr<TGameObject> named(Named("named", "tbl\\lord", 7));
    std::unique_ptr<TGameObject> empty(Named("empty", "", 0));
    ASSERT_TRUE(named->Save(nullptr) && empty->Save(nullptr));
    CheckFuzzSeed("gameobject_fuzz", "named.go", Cd.ReadHostFile("named.go"));
    CheckFuzzSeed("gameobject_fuzz", "empty.go", Cd.ReadHostFile("empty.go"));
    TGObjList list(nullptr, nullptr, TFileMode(TJorpFileName("three.gol"), 0, 0));
    for (const char* name : {"lord", "\\tbl\\seat0", "\\tbl\\seat1"})
        list.AddMember(Named(name, name, static_cast<u16>(list.GetCount() + 1)));
    ASSERT_TRUE(list.Save(nullptr));
    CheckFuzzSeed("gobjlist_fuzz", "three.gol", Cd.ReadHostFile("three.gol"));

    // A save file with two players; the stamps are fixed so that the seed does not depend on
    // the time zone it was written in.
    TFakeFrame frame;
    TPlayerMgr players(&frame, "c:\\data\\", 3, 20);
    ASSERT_TRUE(players.LoadSaveFile() && players.CreatePlayer("Ann", 0, 500.0) &&
                players.CreatePlayer("Bob", 1, 1e9));
    std::string save = Dir.ReadHostFile("data/jorp.sav");
    for (size_t i = 8; i < 24; ++i)
        save[i] = static_cast<char>(i);
    CheckFuzzSeed("savefile_fuzz", "players.sav", save);
}

} // namespace
