// Test support: the casino's gambler manager over a program folder, its records' bytes, and a
// table made from written files (a casino lord, seat players, a plain object) in a casino mode
// window, each object noting its updates.
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

constexpr size_t CasinoRecordSize = 13195;

inline std::string Encoded(const TCasinoPlayerData& data) {
    std::string bytes(CasinoRecordSize, '\xEE');
    EXPECT_TRUE(data.Encode(reinterpret_cast<u8*>(bytes.data()), bytes.size()));
    return bytes;
}

inline TCasinoPlayerData Decoded(const std::string& bytes) {
    TCasinoPlayerData data;
    EXPECT_TRUE(data.Decode(reinterpret_cast<const u8*>(bytes.data()), bytes.size()));
    return data;
}

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
        const auto seat = static_cast<size_t>(name[4] - '0');
        return ObjectTable[seat] = TJorpBase::CreateAttached<TNoting<TCasinoPlayer>>(
                                       file, true, false, this, static_cast<i16>(seat))
                                       .release();
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

class CasinoRecords : public ObjectFileFixture {
protected:
    void TearDown() override {
        Mode.reset();
        Window.reset();
        Mgr.reset();
        ObjectFileFixture::TearDown();
    }
    // Made as the frame makes it; its host calls go through Host.
    TCasinoPlayerMgr& Make(bool forceDefault = false) {
        Mgr.reset();
        Mgr = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, forceDefault, &Host);
        return *Mgr;
    }
    std::string File(const char* name = "otcraps.sav") const {
        return Dir.ReadHostFile(std::string("data/") + name);
    }
    std::string RecordOnDisk(i16 r) const {
        return File().substr(231 + CasinoRecordSize * static_cast<size_t>(r), CasinoRecordSize);
    }
    // Once the manager in hand has gone, since its leaving stores its own seats.
    void SeatNames(const char* a, const char* b) {
        Mgr.reset();
        for (int key = 0; key < 3; ++key)
            Settings.WriteStringN("Players", key, key == 0 ? a : key == 1 ? b : "");
    }
    // Joe seated, Ann ($100) and Bob ($200) made, and the table with those members. Files
    // of new names each time: the data-file manager keeps what it has read.
    void MakeTable(const std::vector<std::string>& members = {"lord", "seat0", "seat1", "seat2",
                                                              "rail"}) {
        if (!Mgr) {
            Make();
            ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0) && Mgr->CreatePlayer("Bob", 1, 200.0));
        }
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
        Window->Players = Mgr.get();
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
    TFaultyHost Host;
    std::unique_ptr<TCasinoPlayerMgr> Mgr;
    std::unique_ptr<TTableWin> Window;
    std::unique_ptr<TJorpMode> Mode;
    int Tables = 0;
};
