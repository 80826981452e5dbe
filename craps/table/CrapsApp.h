// TCasOTCrapsApp: the craps program's application: its title, file names and frame.
#pragma once

#include "casino/CasinoApp.h"

// The settings, help and save files are named after the program's base name.
class TCasOTCrapsApp : public TCasinoApp {
public:
    TCasOTCrapsApp(const std::string& drive, const std::string& directory,
                   const std::string& baseName);

    void InitFrameSpec(TJorpAppInfo& info) override;
    // The craps frame, made with the program's title.
    TJorpGameFrameWindow* CreateFrameWindow() override;
    std::string GetDetFileName() override;
    bool CheckExtra() override;
};
