// Game-object lists: a written ".gol" read back into members with their own data directories,
// the steps after loading in order, hostile lists, the frame passes in the mode window's order,
// and members taken out before the list is written again.
#include "GameObjectFakes.h"

#include "../foundation/FileMgrFixture.h"
#include "FakeMedia.h"
#include "engine/foundation/FileMgr.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/ModeWindow.h"
#include "platform/host/MessageBox.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::string GolFile(const std::vector<std::pair<std::string, u16>>& entries, u16 major = 2) {
    std::string bytes = Header("GOL ", major, 0) + Le16(static_cast<u16>(entries.size()));
    for (const auto& [name, value] : entries)
        bytes += Str(name) + Le16(value);
    return bytes;
}

class GObjListFiles : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        ObjectLog().clear();
        // A mode without a window, whose own empty list the tests replace.
        Mode = std::make_unique<TJorpMode>(nullptr, true, 0);
        Mode->DeleteGObjList();
        Window.Factory = [this](const TFileMode& file) -> TGameObject* {
            if (file.Name.GetText() == Refused)
                return nullptr;
            auto* object = new TNotingObject(&Window);
            // An unread member is not wanted in memory, so its file is never looked at.
            TFileMode unread = file;
            unread.RamLevel = 0;
            object->LoadObject(ReadMembers ? file : unread, ReadMembers, false);
            return object;
        };
    }
    void TearDown() override {
        Mode.reset();
        ObjectFileFixture::TearDown();
    }
    TGObjList* Read(const std::string& name, const std::string& bytes) {
        Cd.WriteHostFile(name, bytes);
        Mode->DeleteGObjList();
        ObjectLog().clear();
        return TGObjList::CreateFromFile(&Window, Mode.get(), TFileMode(TJorpFileName(name), 0, 4));
    }
    static std::string Names(const TGObjList& list) {
        std::string names;
        for (i16 i = 0; i <= list.GetLastIndex(); ++i)
            names +=
                (list.GetMember(i) ? list.GetMember(i)->GetFileMode().Name.GetText() : "-") + " ";
        return names;
    }

    TFakeSpriteMaker Sprites;
    TFakeModeWindow Window;
    std::unique_ptr<TJorpMode> Mode;
    bool ReadMembers = true;
    std::string Refused;
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
};

TEST_F(GObjListFiles, AWrittenListComesBackAsMembersInTheirOwnDirectories) {
    std::filesystem::create_directories(Cd.Host("tbl"));
    std::filesystem::create_directories(Cd.Host("pit"));
    {
        TGObjList written(nullptr, nullptr, TFileMode(TJorpFileName("objs.gol"), 0, 0));
        for (const auto& [name, value] :
             {std::pair{"lord", 7}, std::pair{"\\tbl\\seat", 1}, std::pair{"\\pit\\dealer", 2}}) {
            auto* object = new TGameObject(nullptr);
            object->SetObjectFileName(TJorpFileName(name));
            object->SetObjectValue(static_cast<u16>(value));
            ASSERT_TRUE(written.AddMember(object));
        }
        // In the order made: only an unsorted list's SaveIfNeeded sorts it.
        ASSERT_TRUE(written.Save(nullptr));
    }
    const std::string gol =
        GolFile({{"lord.go", 7}, {"\\tbl\\seat.go", 1}, {"\\pit\\dealer.go", 2}});
    EXPECT_EQ(Cd.ReadHostFile("objs.gol"), gol);
    EXPECT_EQ(Cd.ReadHostFile("tbl/seat.go"),
              GobjFile(2, 1, Str("") + Str("") + Str("") + Le16(1)));

    TGObjList* list = Read("objs.gol", gol);
    ASSERT_TRUE(list->HasFlags(JOF_LOADED));
    EXPECT_EQ(Mode->GetGObjList(), list);
    // Each made at the place it takes, then all resolved, acquired for the next frame, checked
    // by the window and stripped of their set-up data.
    EXPECT_EQ(ObjectLog(),
              (std::vector<std::string>{
                  "make lord.go ram4 at0 value7 flag0", "make \\tbl\\seat.go ram4 at1 value1 flag0",
                  "make \\pit\\dealer.go ram4 at2 value2 flag0", "resolve lord", "resolve seat",
                  "resolve dealer", "acquire1 lord", "acquire1 seat", "acquire1 dealer", "check",
                  "free lord", "free seat", "free dealer"}));
    const char* directories[] = {"", "\\tbl\\", "\\pit\\"};
    for (i16 i = 0; i < 3; ++i) {
        EXPECT_EQ(list->GetMember(i)->GetFileMode().DataLocation, i);
        EXPECT_EQ(Manager->GetData().GetEntry(static_cast<i8>(i)), directories[i]);
    }
    EXPECT_EQ(list->GetMember(0)->GetObjectValue(), 7);
    EXPECT_TRUE(list->IsSorted() && list->GetPendingNames().empty());
    EXPECT_TRUE(Boxes.Boxes.empty());

    // The list goes with its mode: the window's seat table first, then the members.
    ObjectLog().clear();
    Mode.reset();
    EXPECT_EQ(ObjectLog(),
              (std::vector<std::string>{"table 0", "gone lord", "gone seat", "gone dealer"}));
}

TEST_F(GObjListFiles, AnEntryTheWindowCannotMakeStopsTheLoadAndKeepsTheMembersBefore) {
    ReadMembers = false;
    Refused = "c.go";
    TGObjList* list =
        Read("objs.gol", GolFile({{"a.go", 0}, {"b.go", 0}, {"c.go", 0}, {"d.go", 0}}));
    EXPECT_FALSE(list->HasFlags(JOF_LOADED));
    EXPECT_EQ(Names(*list), "a.go b.go ");
    // Neither acquired nor checked: loading did not finish.
    EXPECT_EQ(ObjectLog().size(), 3U);
}

TEST_F(GObjListFiles, HostileListsFailBeforeAnythingIsMade) {
    ReadMembers = false;
    std::vector<std::pair<std::string, u16>> most;
    for (int i = 0; i < 128; ++i)
        most.emplace_back("m" + std::to_string(i) + ".go", 0);
    const std::string three = GolFile({{"a.go", 0}, {"b.go", 1}, {"c.go", 2}});
    std::vector<std::string> files = {
        GolFile({{"a.go", 0}}, 3), GolFile({{"a.go", 0}}, 1), GolFile(most),
        // A count the bytes cannot hold; a name longer than the file.
        Header("GOL ", 2, 0) + Le16(1000) + Str("a.go") + Le16(0),
        Header("GOL ", 2, 0) + Le16(1) + Le16(900) + "a.go" + Le16(0)};
    for (size_t cut = 12; cut < three.size(); ++cut)
        files.push_back(three.substr(0, cut));
    int n = 0;
    for (const std::string& bytes : files) {
        const std::string name = "bad" + std::to_string(n++) + ".gol";
        TGObjList* list = Read(name, bytes);
        EXPECT_FALSE(list->HasFlags(JOF_LOADED)) << name;
        EXPECT_EQ(list->GetLastIndex(), -1) << name;
        EXPECT_TRUE(ObjectLog().empty()) << name;
    }
    // 127 entries fill the directory table and load.
    most.pop_back();
    TGObjList* full = Read("full.gol", GolFile(most));
    EXPECT_TRUE(full->HasFlags(JOF_LOADED));
    EXPECT_EQ(full->GetMember(126)->GetFileMode().DataLocation, 126);
}

// A mode window whose members note their passes.
class TNotingModeWindow : public TJorpModeWindow {
public:
    explicit TNotingModeWindow(TPalFace* palette)
        : TJorpModeWindow(nullptr, nullptr, "objects", palette, "Objects") {}
    TGameObject* CreateGameObject(const TFileMode& file, i16, u32) override {
        auto* object = new TNotingObject(this);
        object->LoadObject(file, true, false);
        object->WithState();
        return object;
    }
};

TEST_F(GObjListFiles, TheWindowDrivesItsMembersInTheFrameOrder) {
    TFakeMediaMaker makers;
    TFakePal palette{&makers, nullptr, TFileMode(TJorpFileName("casino.pal"), 0, 4)};
    TNotingModeWindow window(&palette);
    Cd.WriteHostFile("lord.go", GobjFile(2, 1, Str("") + Str("") + Str("") + Le16(0)));
    Cd.WriteHostFile("objs.gol", GolFile({{"lord.go", 0}}));
    Cd.WriteHostFile("objects.m",
                     Header("MODE", 2, 1) + Le16(3) + Str("felt.bmp") + Str("objs.gol"));
    Cd.WriteHostFile("felt.bmp", "BM");
    auto mode = std::make_unique<TJorpMode>(&window, "objects.m", false, 0);
    ObjectLog().clear();
    // Runs, begins, stops, starts, updates, runs again; deactivation updates.
    window.FrameUpdate(5);
    window.UpdateGameObjects();
    EXPECT_EQ(ObjectLog(),
              (std::vector<std::string>{"run lord", "begin lord5", "tick5 lord", "post5 lord",
                                        "update lord5", "run lord", "update lord"}));
}

// The passes take every member as a game object, so nothing else may join.
TEST_F(GObjListFiles, OnlyGameObjectsJoin) {
    TGObjList list(&Window, Mode.get(), TFileMode(TJorpFileName("only.gol"), 0, 0));
    TJorpBase plain(nullptr);
    TJorpList& asList = list;
    EXPECT_FALSE(asList.Add(&plain));
    EXPECT_EQ(list.GetLastIndex(), -1);
    auto* object = new TNotingObject(&Window);
    ASSERT_TRUE(asList.Add(object));
    ASSERT_EQ(list.GetLastIndex(), 0);
    EXPECT_EQ(list.GetMember(0), object);
    EXPECT_EQ(list.GetMember(1), nullptr);
}

TEST_F(GObjListFiles, MembersLeaveByThemselvesAndTheListWritesWhatItHolds) {
    ReadMembers = false;
    TGObjList list(&Window, Mode.get(), TFileMode(TJorpFileName("left.gol"), 0, 0));
    auto named = [this](const char* name, u16 value) {
        auto* object = new TNotingObject(&Window);
        object->SetObjectFileName(TJorpFileName(name));
        object->SetObjectValue(value);
        return object;
    };
    TNotingObject* b = named("b", 2);
    TNotingObject* twin = named("a", 9);
    for (TNotingObject* object : {b, named("a", 1), twin})
        ASSERT_TRUE(list.AddMember(object));
    // By the object itself, not by the name it shares with another.
    ObjectLog().clear();
    list.RemoveMember(twin);
    EXPECT_EQ(ObjectLog(), (std::vector<std::string>{"delete", "gone a"}));
    EXPECT_EQ(list.GetMember(1)->GetObjectValue(), 1);
    // Taken out alive; the list still owns the rest.
    EXPECT_EQ(list.DetachAt(0), b);
    EXPECT_TRUE(list.HasFlags(JOF_OWNS_MEMBERS));
    EXPECT_EQ(list.DetachAt(5), nullptr);
    ASSERT_TRUE(list.AddMember(b));
    ASSERT_TRUE(list.AddMember(named("c", 3)));
    // A list that keeps its places leaves a hole, which is neither counted nor written.
    list.SetFlags(JOF_KEEPS_PLACES);
    EXPECT_TRUE(list.DeleteAt(1));
    EXPECT_EQ(Names(list), "a.go - c.go ");
    // Sorted by name before it is written, its members saved with it.
    ObjectLog().clear();
    ASSERT_TRUE(list.SaveIfNeeded());
    EXPECT_EQ(Cd.ReadHostFile("left.gol"), GolFile({{"a.go", 1}, {"c.go", 3}}));
    EXPECT_EQ(Cd.ReadHostFile("c.go"), GobjFile(2, 1, Str("") + Str("") + Str("") + Le16(3)));
    EXPECT_EQ(ObjectLog(), (std::vector<std::string>{"resolve a", "resolve c"}));
    // A member made for the end of the list is not added; without a mode none is made.
    std::unique_ptr<TGameObject> made(
        list.NewGameObject(TFileMode(TJorpFileName("\\x\\x.go"), 0, 0)));
    EXPECT_EQ(made->GetFileMode().DataLocation, 3);
    EXPECT_EQ(Manager->GetData().GetEntry(3), "\\x\\");
    EXPECT_EQ(TGObjList(&Window, nullptr).NewMemberAtEnd(TFileMode(TJorpFileName("z.go"), 0, 4)),
              nullptr);
}

} // namespace
