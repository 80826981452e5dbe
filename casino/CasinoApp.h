// TCasinoApp: the application every casino game starts from: its caption and icon, the
// settings file named after the program, the casino game file and frame, the catalogue.
#pragma once

#include "engine/framework/JorpApp.h"

class TCasinoApp : public TJorpApp {
public:
    TCasinoApp(const std::string& drive, const std::string& directory, const std::string& baseName);

    void InitFrameSpec(TJorpAppInfo& info) override;
    u16 GetFrameIconId() override;
    void CreateIniFile() override;
    void CreateGame() override;
    // A top-level TCasinoGameFrameWindow that applies no style of its own.
    TJorpGameFrameWindow* CreateFrameWindow() override;
    // <base>.det.
    std::string GetDetFileName() override;
    // The game file string resource names.
    std::string GetGameFileName() override;
};
