// TJorpModeWindow: mouse and keys through the mode state, the cursor, painting and the
// palette, application activation, and the commands that reach the window.
#include "ModeWindow.h"

#include "engine/framework/DetailLevelDlg.h"
#include "engine/framework/GameFile.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/JorpMsgPacket.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ModePause.h"
#include "engine/framework/ModeState.h"
#include "engine/framework/ResponderList.h"
#include "engine/framework/ScrollMsgDlg.h"
#include "platform/framework/WinApi.h"
#include "platform/host/RuntimeRandom.h"

bool TJorpModeWindow::TakesInput() const {
    return FrameTimer != nullptr &&
           FrameTimer->GetCounter() >= (TakesInputFromFirstFrame() ? 1U : 2U);
}

bool TJorpModeWindow::FollowPress(u8 button, bool down) {
    const bool taken = (PressesTaken & button) != 0;
    PressesTaken = static_cast<u8>(down ? PressesTaken | button : PressesTaken & ~button);
    return down || taken || !TakesInputFromFirstFrame();
}

void TJorpModeWindow::EvLButtonDown(u32 modKeys, const TPoint& point) {
    if (!TakesInput())
        return;
    FollowPress(1, true);
    if (Frame != nullptr)
        Frame->SetMenuVisible(false);
    if (ModeState != nullptr)
        ModeState->EvLButtonDown(modKeys, point);
}

void TJorpModeWindow::EvLButtonUp(u32 modKeys, const TPoint& point) {
    if (TakesInput() && FollowPress(1, false) && ModeState != nullptr)
        ModeState->EvLButtonUp(modKeys, point);
}

void TJorpModeWindow::EvLButtonDblClk(u32 modKeys, const TPoint& point) {
    if (TakesInput() && ModeState != nullptr)
        ModeState->EvLButtonDblClk(modKeys, point);
}

void TJorpModeWindow::EvRButtonDown(u32 modKeys, const TPoint& point) {
    if (!TakesInput())
        return;
    FollowPress(2, true);
    if (Frame != nullptr)
        Frame->SetMenuVisible(false);
    if (ModeState != nullptr)
        ModeState->EvRButtonDown(modKeys, point);
}

void TJorpModeWindow::EvRButtonUp(u32 modKeys, const TPoint& point) {
    if (TakesInput() && FollowPress(2, false) && ModeState != nullptr)
        ModeState->EvRButtonUp(modKeys, point);
}

void TJorpModeWindow::EvRButtonDblClk(u32 modKeys, const TPoint& point) {
    if (TakesInput() && ModeState != nullptr)
        ModeState->EvRButtonDblClk(modKeys, point);
}

void TJorpModeWindow::EvChar(u32 key, u32 repeatCount, u32 flags) {
    if (!TakesInput())
        return;
    if (Frame != nullptr)
        Frame->SetMenuVisible(false);
    if (ModeState != nullptr)
        ModeState->EvChar(key, repeatCount, flags);
}

bool TJorpModeWindow::EvSetCursor(HWND hWndCursor, u32 hitTest, u32 mouseMsg) {
    if (hWndCursor != GetHandle() || hitTest != static_cast<u32>(HTCLIENT))
        return TWindow::EvSetCursor(hWndCursor, hitTest, mouseMsg);
    if (TResponderList* list = GetResponderList()) {
        TPoint p;
        ::GetCursorPos(&p);
        ScreenToClient(p);
        list->DispatchMouse(JEK_CURSOR, 0, p);
    }
    // Without a cursor manager every slot is empty but the standard arrow's.
    const TCursorMgrFace* cursors = GetCursorMgr();
    ApplyCursor(cursors != nullptr ? cursors->GetChosen() : TCursorData(nullptr, IDC_ARROW), false);
    return true;
}

void TJorpModeWindow::SetResponderCursor(const TCursorData& cursor) {
    if (GetCursorMgr() != nullptr) {
        SetCursorSlot(3, cursor);
        return;
    }
    // Without a cursor manager the responder's cursor wins whenever it names one.
    ApplyCursor(cursor.IsSet() ? cursor : TCursorData(nullptr, IDC_ARROW), true);
}

TCursorMgrFace* TJorpModeWindow::GetCursorMgr() const {
    return App != nullptr ? App->GetCursorMgr() : nullptr;
}

void TJorpModeWindow::SetCursorSlot(i32 slot, const TCursorData& cursor) {
    if (TCursorMgrFace* cursors = GetCursorMgr())
        cursors->SetCursorData(slot, cursor, true);
}

void TJorpModeWindow::ApplyCursor(const TCursorData& cursor, bool onlyIfOver) {
    if (onlyIfOver) {
        TPoint p;
        ::GetCursorPos(&p);
        if (::WindowFromPoint(p) != GetHandle())
            return;
    }
    if (!SetCursor(cursor.Module, cursor.Id))
        ::SetCursor(GetCursorHandle());
}

void TJorpModeWindow::Paint(TDC& dc, bool erase, TRect& rect) {
    if (TJorpVideoFace* video = GetVideo())
        video->Paint(dc, erase, rect);
}

bool TJorpModeWindow::EvEraseBkgnd(TDC*) {
    // The video surface paints the whole client area.
    return true;
}

void TJorpModeWindow::EvSetFocus(HWND hWndLostFocus) {
    Invalidate(true);
    if (TJorpVideoFace* video = GetVideo())
        video->ActivatePalette();
    TWindow::EvSetFocus(hWndLostFocus);
}

void TJorpModeWindow::EvKillFocus(HWND hWndGetFocus) {
    TWindow::EvKillFocus(hWndGetFocus);
}

void TJorpModeWindow::EvActivateApp(bool active, u32 threadId) {
    TWindow::EvActivateApp(active, threadId);
}

bool TJorpModeWindow::EvQueryNewPalette() {
    TJorpVideoFace* video = GetVideo();
    return video != nullptr && video->ActivatePalette();
}

void TJorpModeWindow::EvPaletteChanged(HWND hWndPalChg) {
    if (hWndPalChg == GetHandle())
        return;
    if (TJorpVideoFace* video = GetVideo())
        video->DeactivatePalette(true);
}

void TJorpModeWindow::OnAppActivate() {
    if (Frame != nullptr)
        Frame->OnAppActivate(true);
    if (TJorpVideoFace* video = GetVideo())
        video->ActivatePalette();
    OnResume();
    Ready = true;
}

void TJorpModeWindow::OnAppDeactivate() {
    Ready = false;
    if (TJorpVideoFace* video = GetVideo())
        video->DeactivatePalette(false);
    if (Frame != nullptr)
        Frame->OnAppDeactivate(true);
}

void TJorpModeWindow::CmHelp() {
    if (App != nullptr)
        App->WinHelp(HelpCommand, HelpData);
}

void TJorpModeWindow::CmSpeedControl() {
    TModePause pause(this);
    if (TJorpSoundMgrFace* sound = GetSoundMgr())
        sound->StopAll(true);
    TDetailLevelDlg dialog(this, this);
    dialog.Execute();
    WriteDetailLevel();
}

void TJorpModeWindow::ShowScrollMessage(const std::string& caption, std::vector<std::string> lines,
                                        bool pause) {
    TModePause paused(pause ? this : nullptr);
    TScrollMsgDlg dialog(this, caption, std::move(lines));
    dialog.Execute();
}

void TJorpModeWindow::PostCommandToMainWindow(u32 id) {
    TJorpMsgPacket::General(id, 0, WM_COMMAND).PostToMainWindow();
}

void TJorpModeWindow::SwitchToModeNumber(i16 n) {
    TJorpMsgPacket::EngineMessage(JMP_SWITCH_MODE, JMP_SUB_SWITCH,
                                  static_cast<u32>(static_cast<i32>(n)))
        .PostToMainWindow();
}

void TJorpModeWindow::SwitchToModeName(const std::string& name) {
    const TJorpGame* game = App != nullptr ? App->GetGame() : nullptr;
    SwitchToModeNumber(game != nullptr ? game->GetModeIndex(name) : static_cast<i16>(-1));
}

void TJorpModeWindow::FizzleScreen(TBmpFace* bitmap) {
    if (bitmap == nullptr)
        return;
    const i32 width = static_cast<i16>(bitmap->GetWidth());
    const i32 rawHeight = static_cast<i16>(bitmap->GetHeight());
    const i32 height = rawHeight < 0 ? -rawHeight : rawHeight;
    const bool topDown = rawHeight <= 0;
    const u32 stride = ((static_cast<u32>(width) * 8 + 31) / 32) * 4;
    const u8* bits = bitmap->GetBits();
    ShowWindow(SW_SHOWNORMAL);
    Invalidate(true);
    std::unique_ptr<TJorpPaletteDCFace> dc =
        TMediaMaker::Get().MakePaletteDC(this, Mode != nullptr ? Mode->GetPalette() : nullptr);
    if (!dc)
        return;
    auto draw = [&](i32 divisor) { return divisor > 0 ? rtl::rand() % divisor : 0; };
    for (int pass = 0; pass < 75000; ++pass) {
        i32 xy[8];
        for (int i = 0; i < 8; ++i)
            xy[i] = draw(i % 2 == 0 ? width : height);
        if (bits == nullptr)
            continue;
        for (int i = 0; i < 8; i += 2) {
            const i32 x = xy[i];
            const i32 y = xy[i + 1];
            const i32 row = topDown ? y : height - 1 - y;
            const u8 pixel = bits[static_cast<u32>(row) * stride + static_cast<u32>(x)];
            dc->SetPixel(x, y, 0x01000000U | pixel);
        }
    }
}
