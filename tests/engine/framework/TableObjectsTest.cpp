// A table's game objects in a mode window: a written ".gol" and four written ".go" files make a
// game lord, two seat players and a plain object; a player is seated and stood up through the
// player manager, and the lord and players hear of it in their order.
#include "GameObjectFakes.h"
#include "PlayerMgrFakes.h"

#include "../foundation/FileMgrFixture.h"
#include "FakeMedia.h"
#include "engine/framework/GameLord.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/ModeWindow.h"
#include "engine/framework/Player.h"
#include "platform/host/MessageBox.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class TNotingLord : public TGameLord {
public:
    using TGameLord::TGameLord;
    i32 Query(u64 value) override { return static_cast<i32>(value * 2); }
    void SetupSeat(i16 seat) override {
        ObjectLog().push_back("lord sets up " + std::to_string(seat));
    }
    void UpdateSeat(i16 seat) override {
        ObjectLog().push_back("lord updates " + std::to_string(seat));
    }
    void Lock(bool locked) { PlayersChangeable = locked ? 0 : 1; }
};

class TNotingPlayer : public TPlayer {
public:
    using TPlayer::TPlayer;
    void OnActivated(i16 seat) override {
        ObjectLog().push_back("seat" + std::to_string(Seat) + " hears " + std::to_string(seat));
        TPlayer::OnActivated(seat);
    }
    void OnDeactivated(i16 seat) override {
        ObjectLog().push_back("seat" + std::to_string(Seat) + " leaves " + std::to_string(seat));
        TPlayer::OnDeactivated(seat);
    }
};

// The craps table's way of making its objects: the lord and the seat players by file name,
// anything else as the engine makes it.
class TTableWindow : public TJorpModeWindow {
public:
    explicit TTableWindow(TPalFace* palette)
        : TJorpModeWindow(nullptr, nullptr, "table", palette, "Table") {}
    TGameObject* CreateGameObject(const TFileMode& file, i16 index, u32 data) override {
        const std::string name = file.Name.GetName();
        if (name == "lord") {
            auto lord = TJorpBase::CreateAttached<TNotingLord>(file, true, false, this);
            SetMainGameObject(lord.get());
            return lord.release();
        }
        if (name.rfind("seat", 0) == 0) {
            const i16 seat = static_cast<i16>(name[4] - '0');
            if (GetObjectCount() == 0)
                AllocObjectTable(2);
            auto player = TJorpBase::CreateAttached<TNotingPlayer>(file, true, false, this, seat);
            ObjectTable[static_cast<size_t>(seat)] = player.get();
            return player.release();
        }
        return TJorpModeWindow::CreateGameObject(file, index, data);
    }
    TPlayerMgr* GetPlayerMgr() const override { return Players; }
    TPlayerMgr* Players = nullptr;
};

class TableObjects : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        ObjectLog().clear();
        {
            TGObjList written(nullptr, nullptr, TFileMode(TJorpFileName("table.gol"), 0, 0));
            for (const char* name : {"lord", "seat0", "seat1", "rail"}) {
                auto object = std::make_unique<TGameObject>(nullptr);
                object->SetObjectFileName(TJorpFileName(name));
                object->SetSpriteListName(std::string(name) + ".spl");
                ASSERT_TRUE(written.AddMember(object.release()));
            }
            ASSERT_TRUE(written.Save(nullptr));
        }
        Cd.WriteHostFile("felt.bmp", "BM");
        Cd.WriteHostFile("table.m",
                         Header("MODE", 2, 1) + Le16(3) + Str("felt.bmp") + Str("table.gol"));
        Window = std::make_unique<TTableWindow>(&GamePalette);
        Mode = std::make_unique<TJorpMode>(Window.get(), "table.m", false, 0);
        Window->Players = &Players;
        Frame.Window = Window.get();
        ASSERT_TRUE(Players.LoadSaveFile());
        ASSERT_TRUE(Players.CreatePlayer("Ann", 0, 750.0));
        ObjectLog().clear();
    }
    void TearDown() override {
        Mode.reset();
        Window.reset();
        ObjectFileFixture::TearDown();
    }
    TNotingPlayer& Seat(i16 n) {
        return *dynamic_cast<TNotingPlayer*>(Window->GetObjectTableEntry(n));
    }

    TFakeMediaMaker Makers;
    TFakeSpriteMaker Sprites;
    TFakePal GamePalette{&Makers, nullptr, TFileMode(TJorpFileName("casino.pal"), 0, 4)};
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
    TFakeFrame Frame;
    TPlayerMgr Players{&Frame, "c:\\data\\", 3, 20};
    std::unique_ptr<TTableWindow> Window;
    std::unique_ptr<TJorpMode> Mode;
};

TEST_F(TableObjects, ALordAndTwoSeatPlayersHearASeatTakenAndLeftInTheirOrder) {
    ASSERT_EQ(Window->GetGObjList()->GetLastIndex(), 3);
    auto* lord = dynamic_cast<TNotingLord*>(Window->GetMainGameObject());
    ASSERT_NE(lord, nullptr);
    EXPECT_EQ(Window->GetGameObject(0), lord);
    EXPECT_EQ(Window->QueryGameLord(21), 42);
    // Lords and players read their names only; the plain object made its sprite list.
    EXPECT_EQ(lord->GetSpriteListName(), "lord.spl");
    EXPECT_EQ(lord->GetSpriteList(), nullptr);
    EXPECT_EQ(Seat(1).GetSeat(), 1);
    EXPECT_NE(Window->GetGameObject(3)->GetSpriteList(), nullptr);
    const i16 uses = Seat(0).GetUseCount();

    ASSERT_TRUE(Players.ActivatePlayer(0, 0));
    EXPECT_EQ(ObjectLog(),
              (std::vector<std::string>{"seat0 hears 0", "seat1 hears 0", "lord sets up 0"}));
    ASSERT_NE(Seat(0).GetRecordData(), nullptr);
    EXPECT_EQ(Seat(0).GetRecordData(), Players.GetDataBlock(0));
    TPlayerData seated;
    seated.Decode(Seat(0).GetRecordData(), TPlayerData::EncodedSize);
    EXPECT_EQ(seated.GetName(), "Ann");
    EXPECT_EQ(Seat(0).GetUseCount(), uses + 1);
    EXPECT_EQ(Seat(1).GetRecordData(), nullptr);
    EXPECT_EQ(Seat(1).GetUseCount(), uses);

    ObjectLog().clear();
    ASSERT_TRUE(Players.DeactivatePlayer(0));
    EXPECT_EQ(ObjectLog(),
              (std::vector<std::string>{"lord updates 0", "seat0 leaves 0", "seat1 leaves 0"}));
    EXPECT_EQ(Seat(0).GetRecordData(), nullptr);
    EXPECT_EQ(Seat(0).GetUseCount(), uses);

    // While the lord says no, nobody sits down.
    lord->Lock(true);
    EXPECT_FALSE(Players.ActivatePlayer(0, 0));
    EXPECT_EQ(Players.CountActive(), 0);
    lord->Lock(false);
}

TEST_F(TableObjects, TheFirstUpdateBindsAPlayerSeatedBeforeTheModeAndReleasesItOnce) {
    // Seated while no mode window was on screen: the players did not hear of it.
    Frame.Window = nullptr;
    ASSERT_TRUE(Players.ActivatePlayer(0, 0));
    EXPECT_TRUE(ObjectLog().empty());
    const i16 uses = Seat(0).GetUseCount();
    Window->UpdateGameObjects();
    EXPECT_EQ(Seat(0).GetRecordData(), Players.GetDataBlock(0));
    EXPECT_EQ(Seat(0).GetUseCount(), uses - 1);
    EXPECT_EQ(Seat(1).GetRecordData(), nullptr);
    EXPECT_EQ(Seat(1).GetUseCount(), uses);
    Window->UpdateGameObjects();
    EXPECT_EQ(Seat(0).GetUseCount(), uses - 1);
    EXPECT_EQ(Seat(0).GetUpdated(), 1);

    // A player of a window without a player manager binds nothing.
    Window->Players = nullptr;
    Seat(0).BindRecord();
    EXPECT_EQ(Seat(0).GetRecordData(), nullptr);
}

TEST_F(TableObjects, WhenTheModeGoesTheWindowForgetsItsLordAndPlayers) {
    Mode.reset();
    EXPECT_EQ(Window->GetMainGameObject(), nullptr);
    EXPECT_EQ(Window->GetObjectCount(), 0);
    EXPECT_EQ(Window->GetObjectTableEntry(0), nullptr);
    EXPECT_EQ(Window->QueryGameLord(21), 0);
    EXPECT_TRUE(Window->CanChangePlayers());
    // Seat notices now go nowhere.
    ASSERT_TRUE(Players.ActivatePlayer(0, 0));
    EXPECT_TRUE(ObjectLog().empty());
}

} // namespace
