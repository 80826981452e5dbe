// TOTCrapsIntroModeWin: the mode window of the intro, shown once its animation has loaded.
#pragma once

#include "casino/CasinoModeWin.h"

class TOTCrapsIntroModeWin : public TCasinoModeWin {
public:
    TOTCrapsIntroModeWin(TJorpApp* app, TJorpGameFrameWindow* frame, std::string modeName,
                         TPalFace* appPalette, std::string title);

    i32 GetMenuId() override;
    // The intro's lord by its exact file name; any other name is a plain game object.
    TGameObject* CreateGameObject(const TFileMode& file, i16 index, u32 data) override;
    // Without its lord the intro ends the program; it has no seats to check.
    void CheckGameObjects() override;
};
