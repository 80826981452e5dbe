// TOTCrapsIntroGameLord: loading, starting and ending the intro.
#include "IntroGameLord.h"

#include "craps/table/IntroModeWin.h"
#include "engine/framework/Responder.h"
#include "resources/Resources.h"

namespace {

constexpr u16 RegionPriority = 1;
constexpr u16 RegionId = 1;
constexpr i32 IntroWidth = 640;
constexpr i32 IntroHeight = 480;

} // namespace

TOTCrapsIntroGameLord::TOTCrapsIntroGameLord(TOTCrapsIntroModeWin* window)
    : TCasinoGameLord(window, 0, 0), Window(window) {}

TOTCrapsIntroGameLord::~TOTCrapsIntroGameLord() {
    if (WholeWindow != nullptr)
        WholeWindow->Unregister();
}

std::unique_ptr<TOTCrapsIntroGameLord> TOTCrapsIntroGameLord::Create(TOTCrapsIntroModeWin* window,
                                                                     const TFileMode& file) {
    auto lord = TJorpBase::CreateAttached<TOTCrapsIntroGameLord>(file, true, false, window);
    lord->Setup();
    return lord;
}

void TOTCrapsIntroGameLord::Setup() {
    LoadSpriteList(
        TFileMode(TJorpFileName(SpriteListName), 0, FM_LEVEL_NOW, 0, FileMode.DataLocation));
    WholeWindow =
        std::make_unique<TResponder>(Window, RegionPriority, TRect(0, 0, IntroWidth, IntroHeight),
                                     RegionId, this, true, JORP_ANY_KEY, TCursorData(), false);
    StartIntro();
}

void TOTCrapsIntroGameLord::StartIntro() {
    IntroSprite = GetSpriteAt(0);
    if (IntroSprite == nullptr)
        return;
    EndTick = GetSpriteDuration(0);
    UseSpriteAt(0, GetNextTick());
}

i32 TOTCrapsIntroGameLord::EvResponder(TResponder* responder) {
    if (responder == nullptr)
        return 0;
    switch (responder->GetKind()) {
    case JEK_LBUTTONUP:
    case JEK_RBUTTONUP:
    case JEK_HOTKEY:
        End();
        return 1;
    default:
        return 0;
    }
}

void TOTCrapsIntroGameLord::Tick(u32 tick) {
    if (tick >= EndTick)
        End();
    TCasinoGameLord::Tick(tick);
}

void TOTCrapsIntroGameLord::End() {
    if (Ended)
        return;
    Ended = true;
    if (Window != nullptr)
        Window->PostCommandToMainWindow(CM_GOTOCRAPS);
}
