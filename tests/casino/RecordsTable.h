// Test support: a casino table made from written files: a mode whose list names a casino game
// lord, seat players and a plain object, in a casino mode window over the gambler manager.
#pragma once

#include "../engine/foundation/FileMgrFixture.h"
#include "../engine/framework/FakeMedia.h"
#include "../engine/framework/GameObjectFakes.h"
#include "../engine/framework/PlayerMgrFakes.h"

#include "casino/CasinoGameLord.h"
#include "casino/CasinoModeWin.h"
#include "casino/CasinoPlayer.h"
#include "casino/CasinoPlayerData.h"
#include "casino/CasinoPlayerMgr.h"
#include "engine/framework/JorpMode.h"
#include "platform/host/MessageBox.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TNotingCasinoLord : public TCasinoGameLord {
public:
    TNotingCasinoLord(TJorpOwner* owner, u16 unitIndex) : TCasinoGameLord(owner, 1, unitIndex) {}
    void Update() override {
        ObjectLog().push_back("update lord");
        TCasinoGameLord::Update();
    }
    i16 TestSkitCondition(u16 condition) override { return condition == 7 ? 1 : -1; }
    void SelectSeat(i16 seat) override { CurrentSeat = seat; }
    void DoGameCommand() override { ObjectLog().push_back("lord command"); }
};

class TNotingSeat : public TCasinoPlayer {
public:
    using TCasinoPlayer::TCasinoPlayer;
    void Update() override {
        ObjectLog().push_back("update seat" + std::to_string(Seat));
        TCasinoPlayer::Update();
    }
};

class TNotingRail : public TGameObject {
public:
    using TGameObject::TGameObject;
    void Update() override { ObjectLog().push_back("update rail"); }
};

// Makes the objects by file name, as a table game does. The check of the table's objects runs
// only when asked: a fatal end inside the mode's construction would leave it half made.
class TTableWin : public TCasinoModeWin {
public:
    explicit TTableWin(TPalFace* palette)
        : TCasinoModeWin(nullptr, nullptr, "table", palette, "Table") {}
    TGameObject* CreateGameObject(const TFileMode& file, i16 index, u32 data) override {
        const std::string name = file.Name.GetName();
        if (name == "lord") {
            auto lord = TJorpBase::CreateAttached<TNotingCasinoLord>(file, true, false, this, 6);
            SetMainGameObject(lord.get());
            return lord.release();
        }
        if (name.rfind("seat", 0) == 0) {
            const auto seat = static_cast<i16>(name[4] - '0');
            auto player = TJorpBase::CreateAttached<TNotingSeat>(file, true, false, this, seat);
            ObjectTable[static_cast<size_t>(seat)] = player.get();
            return player.release();
        }
        if (name == "rail")
            return TJorpBase::CreateAttached<TNotingRail>(file, true, false, this).release();
        return TCasinoModeWin::CreateGameObject(file, index, data);
    }
    void CheckGameObjects() override {
        if (Checking)
            TCasinoModeWin::CheckGameObjects();
    }
    TPlayerMgr* GetPlayerMgr() const override { return Players; }
    bool StatisticsEnabled() const override { return Flags[0]; }
    bool InstructionEnabled() const override { return Flags[1]; }
    bool LordCommandEnabled() const override { return Flags[2]; }

    TPlayerMgr* Players = nullptr;
    bool Checking = false;
    // Menu flags 15, 16 and 17.
    bool Flags[3] = {true, true, true};
};

class CasinoTable : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        ObjectLog().clear();
        Players = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, false);
        ASSERT_TRUE(Players->CreatePlayer("Ann", 0, 100.0));
        ASSERT_TRUE(Players->CreatePlayer("Bob", 1, 200.0));
    }
    void TearDown() override {
        Mode.reset();
        Window.reset();
        Players.reset();
        ObjectFileFixture::TearDown();
    }
    // The table with these members, its window seeing the manager and heard by it.
    // Each table has files of its own names: the data-file manager keeps what it has read.
    void MakeTable(const std::vector<std::string>& members) {
        const std::string name = "table" + std::to_string(++Tables);
        {
            TGObjList written(nullptr, nullptr, TFileMode(TJorpFileName(name + ".gol"), 0, 0));
            for (const std::string& name : members) {
                auto object = std::make_unique<TGameObject>(nullptr);
                object->SetObjectFileName(TJorpFileName(name));
                object->SetSpriteListName(name + ".spl");
                ASSERT_TRUE(written.AddMember(object.release()));
            }
            ASSERT_TRUE(written.Save(nullptr));
        }
        Cd.WriteHostFile("felt.bmp", "BM");
        Cd.WriteHostFile(name + ".m",
                         Header("MODE", 2, 1) + Le16(3) + Str("felt.bmp") + Str(name + ".gol"));
        Window = std::make_unique<TTableWin>(&GamePalette);
        Window->Players = Players.get();
        Mode = std::make_unique<TJorpMode>(Window.get(), name + ".m", false, 0);
        Frame.Window = Window.get();
        ObjectLog().clear();
    }
    void MakeFullTable() { MakeTable({"lord", "seat0", "seat1", "seat2", "rail"}); }
    TNotingCasinoLord& Lord() {
        return *dynamic_cast<TNotingCasinoLord*>(Window->GetMainGameObject());
    }

    TFakeMediaMaker Makers;
    TFakeSpriteMaker Sprites;
    TFakePal GamePalette{&Makers, nullptr, TFileMode(TJorpFileName("casino.pal"), 0, 4)};
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
    TFakeFrame Frame;
    std::unique_ptr<TCasinoPlayerMgr> Players;
    std::unique_ptr<TTableWin> Window;
    std::unique_ptr<TJorpMode> Mode;
    int Tables = 0;
};
