// Game objects: every "GOBJ" version read and the parts it names made, 2.1 written back byte for
// byte, damaged files that name nothing, the member factory, and the fatal sprite report.
#include "GameObjectFakes.h"

#include "../foundation/FileMgrFixture.h"
#include "engine/foundation/MiscData.h"
#include "engine/framework/SkitCat.h"
#include "platform/host/MessageBox.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class GameObjectFiles : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        ObjectLog().clear();
    }
    // A misc-data file of one list, so that a part named by a file can be read.
    void WriteMiscData(const std::string& name) {
        TMiscData data(0, nullptr, TFileMode(TJorpFileName(name), 0, 0));
        ASSERT_TRUE(data.SetLists({{4, 5}}));
        ASSERT_TRUE(data.Save(nullptr));
    }
    // An empty skit catalogue, so that a catalogue named by a file can be read.
    void WriteCatalogue(const std::string& name) {
        TSkitCat catalogue(nullptr, nullptr, TFileMode(TJorpFileName(name), 0, 0));
        ASSERT_TRUE(catalogue.Save(nullptr));
    }
    std::unique_ptr<TGameObject> Load(const std::string& name, u8 location = 5) {
        return TGameObject::CreateLoaded(&Window, TFileMode(TJorpFileName(name), 0, 4, 0, location),
                                         true, false);
    }

    TFakeSpriteMaker Sprites;
    TFakeModeWindow Window;
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
};

// What a loaded object names and made: its three names and value, what the sprite maker
// was asked, and its misc data's file, location and whether it was read.
std::string Made(const TGameObject& o) {
    std::string text = o.GetSpriteListName() + "|" + o.GetSkitCatName() + "|" +
                       o.GetMiscDataName() + "|" + std::to_string(o.GetObjectValue());
    for (const std::string& line : ObjectLog())
        text += "|" + line;
    if (const TMiscData* misc = o.GetMiscData())
        text += "|md " + Levels(misc->GetFileMode()) + (misc->HasFlags(JOF_LOADED) ? " read" : "");
    return text + (o.GetSkitCat() != nullptr ? "|catalogue" : "");
}

TEST_F(GameObjectFiles, EveryVersionNamesItsPartsAndMakesThem) {
    std::string groups = Le16(3);
    for (int g = 0; g < 3; ++g)
        groups += Le16(2) + Name9("old" + std::to_string(g)) + Name9("older");
    const std::string old = Name9("dealer") + Name9("talk");
    std::filesystem::create_directories(Cd.Host("tbl"));
    for (const char* misc : {"tbl\\dealer", "tbl\\pit", "tbl\\own"})
        WriteMiscData(misc);
    for (const char* catalogue : {"tbl\\talk", "tbl\\pit", "b"})
        WriteCatalogue(catalogue);
    const std::string oldMade =
        "\\tbl\\dealer.spl|\\tbl\\talk.skc|\\tbl\\dealer.md|0|list \\tbl\\dealer.spl ram4 at5 load|"
        "md \\tbl\\dealer.md ram";
    // Old names go beside the object's file; the misc data of 1.0 and 1.1 is only named.
    // Derived names take the engine's form of a path; stored names are kept as stored.
    const std::pair<std::string, std::string> cases[] = {
        {GobjFile(1, 0, old + groups), oldMade + "0 at5|catalogue"},
        {GobjFile(1, 1, old), oldMade + "0 at5|catalogue"},
        {GobjFile(1, 2, old), oldMade + "4 at5 read|catalogue"},
        {GobjFile(2, 0, Str("tbl\\pit.spl") + Str("tbl\\pit.skc")),
         "tbl\\pit.spl|tbl\\pit.skc|\\tbl\\pit.md|0|list tbl\\pit.spl ram4 at5 load|"
         "md \\tbl\\pit.md ram4 at5 read|catalogue"},
        {GobjFile(2, 1, Str("a.spl") + Str("b.skc") + Str("\\tbl\\own.md") + Le16(0xBEEF)),
         "a.spl|b.skc|\\tbl\\own.md|48879|list a.spl ram4 at5 load|md \\tbl\\own.md ram4 at5 "
         "read|catalogue"},
    };
    int n = 0;
    for (const auto& [bytes, made] : cases) {
        ObjectLog().clear();
        // One file per case: the file manager keeps what it measured of a name.
        const std::string file = "lord" + std::to_string(n++);
        Cd.WriteHostFile("tbl/" + file + ".go", bytes);
        auto object = Load("tbl\\" + file + ".go");
        EXPECT_TRUE(object->HasFlags(JOF_LOADED)) << made;
        EXPECT_EQ(Made(*object), made);
    }
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(GameObjectFiles, OtherVersionsAndEveryShortFileNameNoPart) {
    const std::string v10 =
        GobjFile(1, 0, Name9("a") + Name9("b") + Le16(1) + Le16(1) + Name9("c"));
    const std::string v21 = GobjFile(2, 1, Str("a.spl") + Str("b.skc") + Str("c.md") + Le16(9));
    std::vector<std::string> files = {
        GobjFile(2, 2, Str("a.spl") + Str("b.skc") + Str("c.md") + Le16(9)),
        GobjFile(3, 0, Str("a.spl") + Str("b.skc")),
        GobjFile(1, 3, Name9("a") + Name9("b")),
        GobjFile(1, 0, Name9("a") + Name9("b") + Le16(0xFFFF) + Le16(2)),
        GobjFile(2, 0, Le16(4000) + "a.spl"),
    };
    for (const std::string& whole : {v10, v21})
        for (size_t cut = 12; cut < whole.size(); ++cut)
            files.push_back(whole.substr(0, cut));
    int n = 0;
    for (const std::string& bytes : files) {
        ObjectLog().clear();
        const std::string name = "bad" + std::to_string(n++) + ".go";
        Cd.WriteHostFile(name, bytes);
        auto object = Load(name);
        EXPECT_FALSE(object->HasFlags(JOF_LOADED)) << name;
        EXPECT_EQ(Made(*object), "|||0") << name;
    }
    // Nothing asked for an empty name.
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(GameObjectFiles, TwoOneIsWrittenByteForByteEvenWithEmptyNames) {
    const struct {
        const char *Sprites, *Skits, *Misc;
        u16 Value;
    } cases[] = {{"", "", "", 0}, {"tbl\\a.spl", "", "tbl\\a.md", 0x1234}};
    int n = 0;
    for (const auto& c : cases) {
        TGameObject written(nullptr);
        const std::string name = "w" + std::to_string(n++);
        written.SetObjectFileName(TJorpFileName(name));
        written.SetSpriteListName(c.Sprites);
        written.SetSkitCatName(c.Skits);
        written.SetMiscDataName(c.Misc);
        written.SetObjectValue(c.Value);
        ASSERT_TRUE(written.SaveIfNeeded());
        const std::string bytes = Cd.ReadHostFile(name + ".go");
        EXPECT_EQ(bytes,
                  GobjFile(2, 1, Str(c.Sprites) + Str(c.Skits) + Str(c.Misc) + Le16(c.Value)));
        // Read back and written again, unchanged.
        auto read = TJorpBase::CreateAttached<TGameObject>(
            TFileMode(TJorpFileName(name + ".go"), 0, 4), true, false, nullptr);
        std::filesystem::remove(Cd.Host(name + ".go"));
        ASSERT_TRUE(read->SaveIfNeeded());
        EXPECT_EQ(Cd.ReadHostFile(name + ".go"), bytes);
    }
}

// A lord of the kind a game derives: its own preparation and type codes.
class TPreparingObject : public TGameObject {
public:
    using TGameObject::TGameObject;
    void PrepareFirst() override { ObjectLog().push_back("first"); }
    void PrepareSecond() override { ObjectLog().push_back("second"); }
    u16 ObjectTypeFromName(const std::string& name) override { return name == "chip.sp" ? 35 : 0; }
    TJorpBase* CreateObject(const std::string& name, u16 type, TEmbeddedAddress address) override {
        ObjectLog().push_back("type " + std::to_string(type));
        return TGameObject::CreateObject(name, type, address);
    }
};

TEST_F(GameObjectFiles, TheFactoryPreparesOnceAndMakesInlineAndFiledSprites) {
    Sprites.MemberNames = {"chip.sp", "dice.sp"};
    Cd.WriteHostFile("lord.go", GobjFile(2, 1, Str("lord.spl") + Str("") + Str("") + Le16(0)));
    auto lord = std::make_unique<TPreparingObject>(&Window);
    lord->LoadObject(TFileMode(TJorpFileName("lord.go"), 0, 4, 0, 9), true, false);
    // Prepared once although the list asked before each member; each member read from its
    // own file at RAM level 4 in the lord's location.
    EXPECT_EQ(ObjectLog(),
              (std::vector<std::string>{"list lord.spl ram4 at9 load", "first", "second", "type 35",
                                        "sprite file chip.sp ram4 at9", "type 0",
                                        "sprite file dice.sp ram4 at9"}));
    EXPECT_EQ(lord->GetObjectsPrepared(), 1);
    EXPECT_EQ(lord->LastSpriteIndex(), 1);

    // A member stored inside the list is read from there, at RAM level 0.
    ObjectLog().clear();
    const u8 image[4] = {};
    std::unique_ptr<TJorpBase> inline_(
        lord->CreateObject("cell.sp", 0, TEmbeddedAddress{image, 4}));
    ASSERT_NE(inline_, nullptr);
    EXPECT_EQ(ObjectLog(), (std::vector<std::string>{"type 0", "inline sprite cell.sp ram0 at9"}));
}

TEST(GameObject, ASpriteThatCannotBeSetUpEndsTheProgramWithItsName) {
    TMessageBoxRecorder boxes;
    TExitTrap exits;
    TGameObject lord(nullptr);
    try {
        lord.SpriteSetupError("pick3", "ha08.sp");
        ADD_FAILURE() << "the report returned";
    } catch (const TProcessExit& exit) {
        EXPECT_EQ(exit.Code, 1);
    }
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Sprite Setup");
    EXPECT_EQ(boxes.Boxes[0].Text,
              "Error setting up pick3\n Sprite Name: ha08.sp\n Exiting program");
    EXPECT_EQ(boxes.Boxes[0].Flags, MB_TASKMODAL);
}

} // namespace
