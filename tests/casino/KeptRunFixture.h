// Test support: the casino's gambler manager over a player's folder set apart from the program's,
// its data folder able to refuse new files, with what each start and save point said.
#pragma once

#include "DataFolderRefusing.h"
#include "RecordsFixture.h"

#include "casino/GamblerRecord.h"
#include "support/FileBytes.h"
#include "support/PlayerRoot.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class KeptRunFixture : public CasinoRecords {
protected:
    using Texts = std::vector<std::string>;

    KeptRunFixture() { std::filesystem::create_directories(Player.Path / "data"); }
    void TearDown() override {
        // The run ends while the player's folder is the one it was played in.
        testing::internal::CaptureStderr();
        CasinoRecords::TearDown();
        testing::internal::GetCapturedStderr();
    }

    // The manager as the frame makes it, its calls through Refusing; what it said in Said.
    void Start() {
        Mgr.reset();
        testing::internal::CaptureStderr();
        Mgr = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, false, &Refusing);
        Said = testing::internal::GetCapturedStderr();
    }
    // A fresh start with Joe seated and Ann made and saved.
    void Play() {
        Mgr.reset();
        std::filesystem::remove_all(Player.Path / "data");
        std::filesystem::create_directories(Player.Path / "data");
        Start();
        ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
        Mgr->Save();
        ASSERT_EQ(Frame.Boxes, Texts{});
    }
    // Play again after another case: the last case's manager gone, no kept file left by it,
    // nothing refused and no box told yet.
    void PlayAgain() {
        Mgr.reset();
        for (const char* name : {"otcraps.bad", "data/otcraps.bad"})
            std::filesystem::remove(Player.Path / name);
        Refusing.Error = 0;
        Frame.Boxes.clear();
        Play();
    }
    // Joe has the bankroll, then a save point; whether it got through.
    bool SavePoint(double joe) {
        Joe().SetBankroll(joe);
        testing::internal::CaptureStderr();
        const bool saved = Mgr->SaveSeatedPlayers();
        Said = testing::internal::GetCapturedStderr();
        return saved;
    }
    void End() {
        testing::internal::CaptureStderr();
        Mgr.reset();
        Said = testing::internal::GetCapturedStderr();
    }
    TGamblerRecord Joe() {
        return TGamblerRecord(std::span(Mgr->GetDataBlock(Mgr->GetActive(0)), CasinoRecordSize));
    }
    // The seated Joe's bankroll in the player's file of that name.
    double JoeIn(const std::string& name) const {
        const std::string saved = ReadFileBytes(Player.Path / name);
        EXPECT_EQ(saved.size(), 264131U) << name;
        if (saved.size() < 231 + CasinoRecordSize)
            return -1.0;
        return Decoded(saved.substr(231, CasinoRecordSize)).GetBankroll();
    }
    std::string Host(const std::string& name) const { return (Player.Path / name).string(); }
    std::string SavedAs() const { return Settings.GetString("System", "RunSavedAs", ""); }

    const TScratchDir Player{"player"};
    const TPlayerRoot Root{Player.Path.string()};
    TDataFolderRefusing Refusing;
    std::string Said;
};
