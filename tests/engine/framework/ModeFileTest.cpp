// Mode files: each layout read from hand-made bytes, 2.1 written back byte for byte, damaged
// and hostile files, and the mode's graphics and list.
#include "engine/framework/GObjList.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/ModeWindow.h"

#include "../foundation/FileMgrFixture.h"
#include "FakeMedia.h"
#include "ObjectBytes.h"
#include "platform/host/MessageBox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string Body1(const std::string& bg, const std::vector<std::string>& objects) {
    std::string body = Le16(3) + Name9(bg) + Le16(static_cast<u16>(objects.size()));
    for (const std::string& o : objects)
        body += Name9(o);
    return body;
}

std::string Body20(const std::string& bg, const std::vector<std::string>& objects) {
    std::string body = Le16(3) + Str(bg) + Le16(static_cast<u16>(objects.size()));
    for (const std::string& o : objects)
        body += Str(o);
    return body;
}

std::string Body21(const std::string& bg, const std::string& list) {
    return Le16(3) + Str(bg) + Str(list);
}

// A game object naming no parts, with its value.
std::string GoFile(u16 value = 0) {
    return Header("GOBJ", 2, 1) + Str("") + Str("") + Str("") + Le16(value);
}

std::string GolFile(const std::vector<std::pair<std::string, u16>>& entries) {
    std::string bytes = Header("GOL ", 2, 0) + Le16(static_cast<u16>(entries.size()));
    for (const auto& [name, value] : entries)
        bytes += Str(name) + Le16(value);
    return bytes;
}

class ModeFile : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        Cd.WriteHostFile("felt.bmp", "BM");
        Window = std::make_unique<TJorpModeWindow>(nullptr, nullptr, "m", &GamePalette, "Mode");
    }
    void TearDown() override {
        Window.reset();
        ObjectFileFixture::TearDown();
    }

    // The file names of the list's members.
    static std::vector<std::string> Members(const TGObjList& list) {
        std::vector<std::string> names;
        for (i16 i = 0; i <= list.GetLastIndex(); ++i)
            names.push_back(list.GetMember(i)->GetFileMode().Name.GetText());
        return names;
    }

    // The mode of a file, owned by the test (the window forgets it when it goes).
    std::unique_ptr<TJorpMode> Load(const std::string& name, const std::string& bytes) {
        Cd.WriteHostFile(name, bytes);
        return std::make_unique<TJorpMode>(Window.get(), name, false, 0);
    }

    TFakeMediaMaker Makers;
    TFakePal GamePalette{&Makers, nullptr, TFileMode(TJorpFileName("casino.pal"), 0, 4)};
    std::unique_ptr<TJorpModeWindow> Window;
    TMessageBoxRecorder Boxes;
};

TEST_F(ModeFile, ReadsOneXTwoZeroAndTwoOneAndRefusesOtherVersions) {
    Cd.WriteHostFile("objs.gol", GolFile({{"lord.go", 0}, {"seat.go", 5}}));
    for (const char* go : {"lord/lord.go", "seat1/seat1.go", "tbl/lord.go", "seat.go", "lord.go"})
        Cd.WriteHostFile(go, GoFile());
    const std::string v1 = Body1("felt", {"lord", "seat1"});
    const std::string v20 = Body20("felt.bmp", {"tbl\\lord.go", "seat.go"});
    const std::string v21 = Body21("felt.bmp", "objs.gol");
    // An old name is both the object's folder and its file.
    const std::vector<std::string> v1Names{"\\lord\\lord.go", "\\seat1\\seat1.go"};
    // A member takes its file the way every engine object does, as a path from the root.
    const std::vector<std::string> v20Names{"\\tbl\\lord.go", "seat.go"};
    const std::vector<std::string> v21Names{"lord.go", "seat.go"};
    const struct {
        u16 Major, Minor;
        const std::string& Body;
        bool Loads;
        const std::vector<std::string>* Entries;
        const char* ListName;
    } cases[] = {
        {1, 0, v1, true, &v1Names, "m0.gol"},   {1, 9, v1, true, &v1Names, "m1.gol"},
        {2, 0, v20, true, &v20Names, "m2.gol"}, {2, 1, v21, true, &v21Names, "objs.gol"},
        {2, 2, v21, false, nullptr, ""},        {3, 1, v21, false, nullptr, ""},
        {0, 1, v1, false, nullptr, ""},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "m" + std::to_string(n++) + ".m";
        Makers.Log.clear();
        auto mode = Load(name, Header("MODE", c.Major, c.Minor) + c.Body);
        const std::string what = std::to_string(c.Major) + "." + std::to_string(c.Minor);
        EXPECT_EQ(mode->HasFlags(JOF_LOADED), c.Loads) << what;
        if (!c.Loads) {
            // Nothing of a refused file is made.
            EXPECT_TRUE(Makers.Log.empty()) << what;
            EXPECT_EQ(mode->GetGObjList(), nullptr) << what;
            continue;
        }
        EXPECT_EQ(mode->GetGameType(), JGT_CRAPS) << what;
        EXPECT_EQ(mode->GetBackgroundName(), "felt.bmp") << what;
        // The palette is the game's; the screen manager gets the background and palette.
        EXPECT_EQ(Makers.Log,
                  (std::vector<std::string>{"pal casino.pal", "bmp felt.bmp", "screen"}))
            << what;
        auto* screen = static_cast<TFakeScreenMgr*>(mode->GetScreenMgr());
        EXPECT_EQ(screen->Background, mode->GetBackground()) << what;
        EXPECT_EQ(screen->Palette, mode->GetPalette()) << what;
        ASSERT_NE(mode->GetGObjList(), nullptr) << what;
        EXPECT_EQ(Members(*mode->GetGObjList()), *c.Entries) << what;
        EXPECT_EQ(mode->GetGObjListName(), c.ListName) << what;
        EXPECT_TRUE(Boxes.Boxes.empty()) << what;
    }
}

TEST_F(ModeFile, WritesTwoOneByteExactAndUpgradesTheOlderLayouts) {
    // Read as written: the list file was sorted when it was saved, so it stays in its order.
    const std::string list = GolFile({{"b.go", 1}, {"a.go", 0}});
    // The values written are the members' own.
    Cd.WriteHostFile("b.go", GoFile(1));
    Cd.WriteHostFile("a.go", GoFile(0));
    Cd.WriteHostFile("lord/lord.go", GoFile(1));
    Cd.WriteHostFile("seat/seat.go", GoFile(0));
    const std::string v21 = Header("MODE", 2, 1) + Body21("felt.bmp", "objs.gol");
    Cd.WriteHostFile("objs.gol", list);
    auto mode = Load("round.m", v21);
    ASSERT_TRUE(mode->HasFlags(JOF_LOADED));
    std::filesystem::remove(Cd.Host("round.m"));
    std::filesystem::remove(Cd.Host("objs.gol"));
    ASSERT_TRUE(mode->SaveIfNeeded());
    EXPECT_EQ(Cd.ReadHostFile("round.m"), v21);
    EXPECT_EQ(Cd.ReadHostFile("objs.gol"), list);

    // A 1.x mode is written as 2.1 naming a list of its own, whose entries go in name order.
    auto old = Load("old.m", Header("MODE", 1, 0) + Body1("felt", {"seat", "lord"}));
    ASSERT_TRUE(old->HasFlags(JOF_LOADED));
    ASSERT_TRUE(old->SaveIfNeeded());
    EXPECT_EQ(Cd.ReadHostFile("old.m"), Header("MODE", 2, 1) + Body21("felt.bmp", "old.gol"));
    EXPECT_EQ(Cd.ReadHostFile("old.gol"),
              GolFile({{"\\lord\\lord.go", 1}, {"\\seat\\seat.go", 0}}));
}

TEST_F(ModeFile, EmptyListNameGivesAnEmptyListNamedAfterTheMode) {
    auto mode = Load("bare.m", Header("MODE", 2, 1) + Body21("felt.bmp", ""));
    EXPECT_TRUE(mode->HasFlags(JOF_LOADED));
    EXPECT_EQ(mode->GetGObjListName(), "bare.gol");
    ASSERT_NE(mode->GetGObjList(), nullptr);
    EXPECT_EQ(mode->GetGObjList()->GetLastIndex(), -1);
}

TEST_F(ModeFile, EveryTruncationAndHostileCountFailsCleanly) {
    Cd.WriteHostFile("objs.gol", GolFile({{"lord.go", 0}}));
    for (const char* go : {"lord/lord.go", "seat/seat.go", "lord.go", "seat.go"})
        Cd.WriteHostFile(go, GoFile());
    std::vector<std::string> files = {
        Header("MODE", 1, 0) + Body1("felt", {"lord", "seat"}),
        Header("MODE", 2, 0) + Body20("felt.bmp", {"lord.go", "seat.go"}),
        Header("MODE", 2, 1) + Body21("felt.bmp", "objs.gol"),
    };
    int n = 0;
    for (const std::string& file : files)
        for (size_t cut = 0; cut < file.size(); ++cut) {
            auto mode = Load("cut" + std::to_string(n++) + ".m", file.substr(0, cut));
            EXPECT_FALSE(mode->HasFlags(JOF_LOADED)) << file.substr(0, 8) << " cut " << cut;
        }
    const struct {
        const char* What;
        std::string Bytes;
    } hostile[] = {
        {"count past the names",
         Header("MODE", 2, 0) + Le16(3) + Str("felt.bmp") + Le16(9) + Str("a.go")},
        {"largest count", Header("MODE", 1, 0) + Le16(3) + Name9("felt") + Le16(0xFFFF)},
        {"name longer than the file",
         Header("MODE", 2, 0) + Le16(3) + Str("felt.bmp") + Le16(1) + Le16(5000) + "ab"},
        {"list file that is not there", Header("MODE", 2, 1) + Body21("felt.bmp", "gone.gol")},
        {"list file of another version", Header("MODE", 2, 1) + Body21("felt.bmp", "v3.gol")},
    };
    Cd.WriteHostFile("v3.gol", Header("GOL ", 3, 0) + Le16(0));
    for (const auto& h : hostile) {
        auto mode = Load("bad" + std::to_string(n++) + ".m", h.Bytes);
        EXPECT_FALSE(mode->HasFlags(JOF_LOADED)) << h.What;
    }
    // A missing list is not asked for on a CD.
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(ModeFile, PlainAndDefaultModesNeverOpenABitmap) {
    Window->Attr.X = 4;
    Window->Attr.Y = 2;
    Cd.WriteHostFile("plain.m", Header("MODE", 2, 1) + Body21("felt.bmp", ""));
    auto plain = std::make_unique<TJorpMode>(Window.get(), "plain.m", true, 0x1C7);
    auto* mono = dynamic_cast<TFakeBmp*>(plain->GetBackground());
    ASSERT_NE(mono, nullptr);
    // The window's rectangle, and the low byte of the colour.
    EXPECT_EQ(mono->Rect, TRect(4, 2, 644, 482));
    EXPECT_EQ(mono->Colour, 0xC7);

    Makers.Log.clear();
    TJorpMode defaults(Window.get(), true, 0);
    EXPECT_EQ(Window->GetMode(), &defaults);
    EXPECT_EQ(Makers.Log, (std::vector<std::string>{"pal casino.pal", "mono 0", "screen"}));
    ASSERT_NE(defaults.GetGObjList(), nullptr);
    EXPECT_EQ(defaults.GetGObjList()->GetLastIndex(), -1);
    EXPECT_TRUE(Makers.Only("bmp").empty());
}

TEST_F(ModeFile, AMissingBackgroundIsNotAskedForOnACd) {
    auto missing = Load("nobg.m", Header("MODE", 2, 1) + Body21("gone.bmp", ""));
    EXPECT_TRUE(missing->HasFlags(JOF_LOADED));
    EXPECT_EQ(missing->GetBackground(), nullptr);
    EXPECT_TRUE(Makers.Only("bmp").empty());
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(ModeFile, RefreshPaletteNeverLeavesTheSurfaceOnADeletedPalette) {
    auto mode = Load("pal.m", Header("MODE", 2, 1) + Body21("felt.bmp", ""));
    auto* screen = static_cast<TFakeScreenMgr*>(mode->GetScreenMgr());
    EXPECT_TRUE(mode->RefreshPalette());
    EXPECT_NE(screen->Palette, nullptr);
    EXPECT_EQ(screen->Palette, mode->GetPalette());
    Makers.MakePalettes = false;
    EXPECT_FALSE(mode->RefreshPalette());
    EXPECT_EQ(screen->Palette, nullptr);
    EXPECT_EQ(Makers.DanglingPalettes, 0);
}

} // namespace
