// TOTCrapsIntroModeWin: its settings, menu and lord.
#include "IntroModeWin.h"

#include "craps/table/IntroGameLord.h"
#include "resources/Resources.h"

namespace {

constexpr const char* IntroLordFile = "\\s4glrd00\\s4glrd00.go";

} // namespace

TOTCrapsIntroModeWin::TOTCrapsIntroModeWin(TJorpApp* app, TJorpGameFrameWindow* frame,
                                           std::string modeName, TPalFace* appPalette,
                                           std::string title)
    : TCasinoModeWin(app, frame, std::move(modeName), appPalette, std::move(title)) {
    // A black screen behind the animation, shown only when there is something to show.
    PlainBackground = true;
    PlainColour = 0;
    ShowBeforeLoading = false;
}

i32 TOTCrapsIntroModeWin::GetMenuId() {
    return static_cast<i32>(IDM_INTRO);
}

TGameObject* TOTCrapsIntroModeWin::CreateGameObject(const TFileMode& file, i16 index, u32 data) {
    if (file.Name.GetText() == IntroLordFile) {
        TOTCrapsIntroGameLord* lord = TOTCrapsIntroGameLord::Create(this, file).release();
        SetMainGameObject(lord);
        return lord;
    }
    return TCasinoModeWin::CreateGameObject(file, index, data);
}

void TOTCrapsIntroModeWin::CheckGameObjects() {
    if (GetCasinoLord() == nullptr)
        GObjSetupError("GameLord", "intro glrd");
}
