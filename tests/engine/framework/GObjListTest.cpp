// Game-object lists: a written ".gol" read back into members with their own data directories,
// the order of the steps after loading, hostile lists, the frame passes in the mode window's
// order, and taking members out and writing the list again.
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
        Window.Factory = [this](const TFileMode& file) {
            auto* object = new TNotingObject(&Window);
            object->LoadObject(ReadMembers ? file : Unread(file), ReadMembers, false);
            return object;
        };
    }
    void TearDown() override {
        Mode.reset();
        ObjectFileFixture::TearDown();
    }
    // A member's file mode, but not wanted in memory: its file is never looked at.
    static TFileMode Unread(TFileMode file) {
        file.RamLevel = 0;
        return file;
    }
    TGObjList* Read(const std::string& name) {
        TGObjList* list =
            TGObjList::CreateFromFile(&Window, Mode.get(), TFileMode(TJorpFileName(name), 0, 4));
        Window.List = list;
        return list;
    }
    static std::vector<std::string> Names(const TGObjList& list) {
        std::vector<std::string> names;
        for (i16 i = 0; i <= list.GetLastIndex(); ++i)
            names.push_back(list.GetMember(i) ? list.GetMember(i)->GetFileMode().Name.GetText()
                                              : "-");
        return names;
    }

    TFakeSpriteMaker Sprites;
    TFakeModeWindow Window;
    std::unique_ptr<TJorpMode> Mode;
    bool ReadMembers = true;
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
};

TEST_F(GObjListFiles, AWrittenListComesBackAsMembersInTheirOwnDirectories) {
    std::filesystem::create_directories(Cd.Host("tbl"));
    std::filesystem::create_directories(Cd.Host("pit"));
    {
        TGObjList written(nullptr, nullptr, TFileMode(TJorpFileName("objs.gol"), 0, 0));
        const std::pair<const char*, u16> objects[] = {
            {"lord", 7}, {"\\tbl\\seat", 1}, {"\\pit\\dealer", 2}};
        for (const auto& [name, value] : objects) {
            auto object = std::make_unique<TGameObject>(nullptr);
            object->SetObjectFileName(TJorpFileName(name));
            object->SetObjectValue(value);
            ASSERT_TRUE(written.AddMember(object.release()));
        }
        // In the order made: only an unsorted list's SaveIfNeeded sorts it.
        ASSERT_TRUE(written.Save(nullptr));
    }
    EXPECT_EQ(Cd.ReadHostFile("objs.gol"),
              GolFile({{"lord.go", 7}, {"\\tbl\\seat.go", 1}, {"\\pit\\dealer.go", 2}}));
    EXPECT_EQ(Cd.ReadHostFile("tbl/seat.go"),
              GobjFile(2, 1, Str("") + Str("") + Str("") + Le16(1)));

    TGObjList* list = Read("objs.gol");
    ASSERT_TRUE(list->HasFlags(JOF_LOADED));
    EXPECT_EQ(Mode->GetGObjList(), list);
    // Each made at the place it takes, then all resolved, acquired for the next frame,
    // checked by the window and stripped of their set-up data.
    EXPECT_EQ(ObjectLog(),
              (std::vector<std::string>{
                  "make lord.go ram4 at0 value7 flag0", "make \\tbl\\seat.go ram4 at1 value1 flag0",
                  "make \\pit\\dealer.go ram4 at2 value2 flag0", "resolve lord", "resolve seat",
                  "resolve dealer", "acquire 1 lord", "acquire 1 seat", "acquire 1 dealer", "check",
                  "free lord", "free seat", "free dealer"}));
    EXPECT_EQ(Names(*list),
              (std::vector<std::string>{"lord.go", "\\tbl\\seat.go", "\\pit\\dealer.go"}));
    const char* directories[] = {"", "\\tbl\\", "\\pit\\"};
    const u16 values[] = {7, 1, 2};
    for (i16 i = 0; i < 3; ++i) {
        EXPECT_EQ(list->GetMember(i)->GetFileMode().DataLocation, i);
        EXPECT_EQ(Manager->GetData().GetEntry(static_cast<i8>(i)), directories[i]);
        EXPECT_EQ(list->GetMember(i)->GetObjectValue(), values[i]);
    }
    EXPECT_TRUE(list->GetPendingNames().empty());
    EXPECT_TRUE(list->IsSorted());
    EXPECT_TRUE(Boxes.Boxes.empty());

    // The list goes with its mode: the window's seat table first, then the members.
    ObjectLog().clear();
    Window.List = nullptr;
    Mode.reset();
    EXPECT_EQ(ObjectLog(),
              (std::vector<std::string>{"table 0", "gone lord", "gone seat", "gone dealer"}));
}

TEST_F(GObjListFiles, AnEntryTheWindowCannotMakeStopsTheLoadAndKeepsTheMembersBefore) {
    ReadMembers = false;
    Cd.WriteHostFile("objs.gol", GolFile({{"a.go", 0}, {"b.go", 0}, {"c.go", 0}, {"d.go", 0}}));
    Window.Factory = [this](const TFileMode& file) -> TGameObject* {
        if (file.Name.GetText() == "c.go")
            return nullptr;
        auto* object = new TNotingObject(&Window);
        object->LoadObject(Unread(file), false, false);
        return object;
    };
    TGObjList* list = Read("objs.gol");
    EXPECT_FALSE(list->HasFlags(JOF_LOADED));
    EXPECT_EQ(Names(*list), (std::vector<std::string>{"a.go", "b.go"}));
    // Neither checked nor acquired: loading did not finish.
    EXPECT_EQ(ObjectLog(), (std::vector<std::string>{"make a.go ram4 at0 value0 flag0",
                                                     "make b.go ram4 at1 value0 flag0",
                                                     "make c.go ram4 at2 value0 flag0"}));
}

TEST_F(GObjListFiles, HostileListsFailBeforeAnythingIsMade) {
    ReadMembers = false;
    std::vector<std::pair<std::string, u16>> most;
    for (int i = 0; i < 128; ++i)
        most.emplace_back("m" + std::to_string(i) + ".go", 0);
    const std::string three = GolFile({{"a.go", 0}, {"b.go", 1}, {"c.go", 2}});
    std::vector<std::pair<std::string, std::string>> files = {
        {"version 3", GolFile({{"a.go", 0}}, 3)},
        {"version 1", GolFile({{"a.go", 0}}, 1)},
        {"128 entries", GolFile(most)},
        {"count past the bytes", Header("GOL ", 2, 0) + Le16(1000) + Str("a.go") + Le16(0)},
        {"name past the end", Header("GOL ", 2, 0) + Le16(1) + Le16(900) + "a.go" + Le16(0)},
    };
    for (size_t cut = 12; cut < three.size(); ++cut)
        files.emplace_back("cut " + std::to_string(cut), three.substr(0, cut));
    int n = 0;
    for (const auto& [what, bytes] : files) {
        const std::string name = "bad" + std::to_string(n++) + ".gol";
        Cd.WriteHostFile(name, bytes);
        Mode->DeleteGObjList();
        ObjectLog().clear();
        TGObjList* list = Read(name);
        EXPECT_FALSE(list->HasFlags(JOF_LOADED)) << what;
        EXPECT_EQ(list->GetLastIndex(), -1) << what;
        EXPECT_TRUE(ObjectLog().empty()) << what;
    }
    // 127 entries fill the directory table and load.
    most.pop_back();
    Cd.WriteHostFile("full.gol", GolFile(most));
    Mode->DeleteGObjList();
    TGObjList* full = Read("full.gol");
    EXPECT_TRUE(full->HasFlags(JOF_LOADED));
    EXPECT_EQ(full->GetLastIndex(), 126);
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
    ASSERT_EQ(window.GetGObjList()->GetLastIndex(), 0);
    ObjectLog().clear();
    window.FrameUpdate(5);
    EXPECT_EQ(ObjectLog(), (std::vector<std::string>{"run lord", "begin lord 5", "tick 5 lord",
                                                     "post 5 lord", "update lord 5", "run lord"}));
    ObjectLog().clear();
    window.UpdateGameObjects();
    EXPECT_EQ(ObjectLog(), (std::vector<std::string>{"update lord"}));
    mode.reset();
}

TEST_F(GObjListFiles, MembersLeaveByThemselvesAndTheListWritesWhatItHolds) {
    TGObjList list(&Window, Mode.get(), TFileMode(TJorpFileName("left.gol"), 0, 0));
    Window.List = &list;
    auto named = [this](const char* name, u16 value) {
        auto* object = new TNotingObject(&Window);
        object->SetObjectFileName(TJorpFileName(name));
        object->SetObjectValue(value);
        return object;
    };
    TNotingObject* b = named("b", 2);
    TNotingObject* twin = named("a", 9);
    ASSERT_TRUE(list.AddMember(b));
    ASSERT_TRUE(list.AddMember(named("a", 1)));
    ASSERT_TRUE(list.AddMember(twin));
    EXPECT_FALSE(list.AddMember(nullptr));

    // By the object itself, not by the name it shares with another.
    ObjectLog().clear();
    list.RemoveMember(twin);
    EXPECT_EQ(ObjectLog(), (std::vector<std::string>{"delete", "gone a"}));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"b.go", "a.go"}));
    EXPECT_EQ(list.GetMember(1)->GetObjectValue(), 1);

    // Taken out alive, and the list still owns the rest.
    TGameObject* detached = list.DetachAt(0);
    EXPECT_EQ(detached, b);
    EXPECT_TRUE(list.HasFlags(JOF_OWNS_MEMBERS));
    EXPECT_EQ(list.DetachAt(5), nullptr);
    EXPECT_FALSE(list.DeleteAt(-1));
    ASSERT_TRUE(list.AddMember(detached));
    // A list that keeps its places leaves a hole, which is neither counted nor written.
    ASSERT_TRUE(list.AddMember(named("c", 3)));
    list.SetFlags(JOF_KEEPS_PLACES);
    EXPECT_TRUE(list.DeleteAt(1));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"a.go", "-", "c.go"}));
    list.ClearFlags(JOF_KEEPS_PLACES);

    // An unsorted list is sorted by name before it is written; its members are saved with it.
    ObjectLog().clear();
    ASSERT_TRUE(list.SaveIfNeeded());
    EXPECT_EQ(Cd.ReadHostFile("left.gol"), GolFile({{"a.go", 1}, {"c.go", 3}}));
    EXPECT_EQ(Cd.ReadHostFile("c.go"), GobjFile(2, 1, Str("") + Str("") + Str("") + Le16(3)));
    EXPECT_EQ(ObjectLog(), (std::vector<std::string>{"resolve a", "resolve c"}));
    Window.List = nullptr;
}

TEST_F(GObjListFiles, AMemberMadeAtTheEndIsNotAdded) {
    ReadMembers = false;
    TGObjList list(&Window, Mode.get());
    std::unique_ptr<TGameObject> made(list.NewGameObject(TFileMode(TJorpFileName("x.go"), 0, 4)));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetFileMode().DataLocation, 0);
    EXPECT_EQ(list.GetLastIndex(), -1);
    ASSERT_TRUE(list.AddNewAtEnd(TFileMode(TJorpFileName("\\y\\y.go"), 0, 4)));
    EXPECT_EQ(Manager->GetData().GetEntry(0), "\\y\\");
    // Without a mode nothing is made.
    TGObjList orphan(&Window, nullptr);
    EXPECT_EQ(orphan.NewMemberAtEnd(TFileMode(TJorpFileName("z.go"), 0, 4)), nullptr);
}

} // namespace
