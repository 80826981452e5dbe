// The fuzz targets of game objects, their lists and the save file start from files the engine's
// writers write. Set OTCRAPS_UPDATE_GOLDEN=1 to write the seeds again.
#include "PlayerMgrFakes.h"

#include "../foundation/FileMgrFixture.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameObject.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

class FrameworkFuzzSeeds : public ObjectFileFixture {
protected:
    // Compares the bytes with the seed (or writes the seed when asked to).
    void Check(const std::string& target, const std::string& file, const std::string& bytes) {
        const std::filesystem::path corpus =
            std::filesystem::path(OTCRAPS_SOURCE_DIR) / "tests" / "fuzz" / "corpus" / target;
        const char* update = std::getenv("OTCRAPS_UPDATE_GOLDEN");
        if (update != nullptr && std::string(update) == "1") {
            std::filesystem::create_directories(corpus);
            std::ofstream(corpus / file, std::ios::binary) << bytes;
        }
        std::ifstream in(corpus / file, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes)
            << target << "/" << file;
    }
    std::string Saved(TJorpBase& object) {
        EXPECT_TRUE(object.Save(nullptr));
        return Cd.ReadHostFile(object.GetFileMode().Name.GetText());
    }
    static std::unique_ptr<TGameObject> Named(const std::string& name, const std::string& parts,
                                              u16 value) {
        auto object = std::make_unique<TGameObject>(nullptr);
        object->SetObjectFileName(TJorpFileName(name));
        object->SetSpriteListName(parts.empty() ? "" : parts + ".spl");
        object->SetSkitCatName(parts.empty() ? "" : parts + ".skc");
        object->SetMiscDataName(parts.empty() ? "" : parts + ".md");
        object->SetObjectValue(value);
        return object;
    }
};

TEST_F(FrameworkFuzzSeeds, AreWhatTheWritersWrite) {
    std::filesystem::create_directories(Cd.Host("tbl"));
    Check("gameobject_fuzz", "named.go", Saved(*Named("lord", "tbl\\lord", 7)));
    Check("gameobject_fuzz", "empty.go", Saved(*Named("empty", "", 0)));

    TGObjList list(nullptr, nullptr, TFileMode(TJorpFileName("three.gol"), 0, 0));
    list.AddMember(Named("lord", "lord", 1).release());
    list.AddMember(Named("\\tbl\\seat0", "seat", 2).release());
    list.AddMember(Named("\\tbl\\seat1", "seat", 3).release());
    Check("gobjlist_fuzz", "three.gol", Saved(list));

    // A save file with two players; the stamps are fixed so that the seed does not depend on
    // the time zone it was written in.
    TFakeFrame frame;
    TPlayerMgr players(&frame, "c:\\data\\", 3, 20);
    ASSERT_TRUE(players.LoadSaveFile());
    ASSERT_TRUE(players.CreatePlayer("Ann", 0, 500.0));
    ASSERT_TRUE(players.CreatePlayer("Bob", 1, 1e9));
    std::string save = Dir.ReadHostFile("data/jorp.sav");
    ASSERT_EQ(save.size(), 644U);
    for (size_t i = 8; i < 24; ++i)
        save[i] = static_cast<char>(i);
    Check("savefile_fuzz", "players.sav", save);
}

} // namespace
