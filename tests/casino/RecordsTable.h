// Test support: a casino table made from written files (a casino lord, seat players and a
// plain object) in a casino mode window over the gambler manager, each noting its updates.
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

#include <memory>
#include <string>
#include <vector>

template <class T> class TNoting : public T {
public:
    using T::T;
    void Update() override {
        ObjectLog().push_back("update " + this->GetFileMode().Name.GetName());
        T::Update();
    }
};

class TTableLord : public TNoting<TCasinoGameLord> {
public:
    using TNoting::TNoting;
    i16 TestSkitCondition(u16 condition) override { return condition == 7 ? 1 : -1; }
    void SelectSeat(i16 seat) override { CurrentSeat = seat; }
    void DoGameCommand() override { ObjectLog().push_back("lord command"); }
};

// Makes the objects by file name, as a table game does. The check of the objects runs only
// when asked: a fatal end inside the mode's construction would leave it half made.
class TTableWin : public TCasinoModeWin {
public:
    explicit TTableWin(TPalFace* palette) : TCasinoModeWin(nullptr, nullptr, "t", palette, "T") {}
    TGameObject* CreateGameObject(const TFileMode& file, i16, u32) override {
        const std::string name = file.Name.GetName();
        if (name == "lord") {
            auto lord = TJorpBase::CreateAttached<TTableLord>(file, true, false, this, 1, 6);
            SetMainGameObject(lord.get());
            return lord.release();
        }
        if (name == "rail")
            return TJorpBase::CreateAttached<TNoting<TGameObject>>(file, true, false, this)
                .release();
        const auto seat = static_cast<i16>(name[4] - '0');
        auto player =
            TJorpBase::CreateAttached<TNoting<TCasinoPlayer>>(file, true, false, this, seat);
        return ObjectTable[static_cast<size_t>(seat)] = player.release();
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
    bool Flags[3] = {true, true, true};
};

// Joe sits in seat 0 from the start; Ann (record 1, $100) and Bob (record 2, $200) stand.
class CasinoTable : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        Players = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, false);
        ASSERT_TRUE(Players->CreatePlayer("Ann", 0, 100.0) &&
                    Players->CreatePlayer("Bob", 1, 200.0));
    }
    void TearDown() override {
        Mode.reset();
        Window.reset();
        Players.reset();
        ObjectFileFixture::TearDown();
    }
    // Files of new names each time: the data-file manager keeps what it has read.
    void MakeTable(const std::vector<std::string>& members = {"lord", "seat0", "seat1", "seat2",
                                                              "rail"}) {
        const std::string name = "table" + std::to_string(++Tables);
        TGObjList written(nullptr, nullptr, TFileMode(TJorpFileName(name + ".gol"), 0, 0));
        for (const std::string& member : members) {
            auto object = std::make_unique<TGameObject>(nullptr);
            object->SetObjectFileName(TJorpFileName(member));
            ASSERT_TRUE(written.AddMember(object.release()));
        }
        ASSERT_TRUE(written.Save(nullptr));
        Cd.WriteHostFile(name + ".m",
                         Header("MODE", 2, 1) + Le16(3) + Str("") + Str(name + ".gol"));
        Mode.reset();
        Window = std::make_unique<TTableWin>(&GamePalette);
        Window->Players = Players.get();
        Mode = std::make_unique<TJorpMode>(Window.get(), name + ".m", false, 0);
        Frame.Window = Window.get();
        ObjectLog().clear();
    }
    TTableLord& Lord() { return *dynamic_cast<TTableLord*>(Window->GetMainGameObject()); }

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
