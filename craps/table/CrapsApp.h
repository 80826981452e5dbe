// TCasOTCrapsApp: the craps program's application: its title and file names.
#pragma once

#include "engine/framework/JorpApp.h"

// The program's title and base name; the settings file named after the program; the game
// file from string 10000; the data catalogue; a frame with the program's style and icon.
class TCasOTCrapsApp : public TJorpApp {
public:
    TCasOTCrapsApp(const std::string& drive, const std::string& directory,
                   const std::string& baseName);

    void InitFrameSpec(TJorpAppInfo& info) override;
    u16 GetFrameIconId() override;
    void CreateIniFile() override;
    TJorpGameFrameWindow* CreateFrameWindow() override;
    std::string GetDetFileName() override;
    bool CheckExtra() override;
    std::string GetGameFileName() override;
};
