// TCasinoGameFrameWindow: the File, Options and Help commands, their enablers, and the
// pause around the dialogs they open.
#include "CasinoGameFrameWindow.h"

#include "casino/CasinoMenuEnable.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ModePause.h"
#include "platform/framework/draw/BitmapResources.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/help/WinHelp.h"
#include "platform/framework/menus/CommandEnabler.h"

#include <memory>

DEFINE_RESPONSE_TABLE1(TCasinoGameFrameWindow, TJorpGameFrameWindow)
EV_COMMAND(CM_PLAYERMGR, CmPlayerMgr), EV_COMMAND_ENABLE(CM_PLAYERMGR, CePlayerMgr),
    EV_COMMAND(CM_EXITGAME, CmExit), EV_COMMAND_ENABLE(CM_EXITGAME, CeExit),
    EV_COMMAND(CM_SOUND, CmSound), EV_COMMAND_ENABLE(CM_SOUND, CeSound),
    EV_COMMAND(CM_MUSIC, CmMusic), EV_COMMAND_ENABLE(CM_MUSIC, CeMusic),
    EV_COMMAND(CM_HELPCONTENTS, CmHelpContents), EV_COMMAND_ENABLE(CM_HELPCONTENTS, CeHelpContents),
    EV_COMMAND(CM_ABOUT, CmAbout), EV_COMMAND_ENABLE(CM_ABOUT, CeAbout),
    EV_COMMAND(CM_CREDITS, CmCredits), EV_COMMAND_ENABLE(CM_CREDITS, CeCredits),
    EV_COMMAND(CM_SHOWINTRO, CmToggleShowIntro),
    EV_COMMAND_ENABLE(CM_SHOWINTRO, CeToggleShowIntro), END_RESPONSE_TABLE;

namespace {

// The credits picture the command asks for, which the program does not have.
constexpr u32 IDB_CREDITS = 99;

// A flag of the casino's enabler; off while there is none (before the frame is set up).
bool Flag(const TCasinoGameFrameWindow& frame, bool TCasinoMenuEnable::*flag) {
    const TCasinoMenuEnable* enable = frame.GetCasinoMenuEnable();
    return enable != nullptr && enable->*flag;
}

bool EngineFlag(const TCasinoGameFrameWindow& frame, bool TJorpMenuEnable::*flag) {
    const TJorpMenuEnable* enable = frame.GetMenuEnable();
    return enable != nullptr && enable->*flag;
}

} // namespace

void TCasinoGameFrameWindow::RunPaused(TDialog& dialog) {
    TModePause paused(ModeWindow);
    if (ModeWindow != nullptr && SoundMgr)
        SoundMgr->StopAll(true);
    dialog.Execute();
}

bool TCasinoGameFrameWindow::ShowBitmapDialog(u32 bitmapId, u16 flags, u32 resId) {
    // An empty dialog where a picture was meant says nothing the player can use.
    if (App == nullptr || TBitmapResources::Get().Find(bitmapId) == nullptr)
        return false;
    TBitmap bitmap(*App, bitmapId);
    TBitmapDlg dialog(this, this, &bitmap, flags, resId);
    RunPaused(dialog);
    return true;
}

void TCasinoGameFrameWindow::CePlayerMgr(TCommandEnabler& ce) {
    ce.Enable(Flag(*this, &TCasinoMenuEnable::PlayerMgr));
}

void TCasinoGameFrameWindow::CeExit(TCommandEnabler& ce) {
    ce.Enable(EngineFlag(*this, &TJorpMenuEnable::Exit));
}

void TCasinoGameFrameWindow::CmSound() {
    if (SoundMgr && SoundMgr->HasWaveMixer())
        SoundMgr->SetMuted(!SoundMgr->IsMuted());
}

void TCasinoGameFrameWindow::CeSound(TCommandEnabler& ce) {
    const bool mixer = SoundMgr && SoundMgr->HasWaveMixer();
    ce.Enable(EngineFlag(*this, &TJorpMenuEnable::Sound) && mixer);
    ce.SetCheck(mixer && !SoundMgr->IsMuted() ? TCommandEnabler::Checked
                                              : TCommandEnabler::Unchecked);
}

void TCasinoGameFrameWindow::CmMusic() {
    Say("not imp yet", "Toggle Music");
}

void TCasinoGameFrameWindow::CeMusic(TCommandEnabler& ce) {
    ce.Enable(EngineFlag(*this, &TJorpMenuEnable::Music));
}

void TCasinoGameFrameWindow::CmHelpContents() {
    if (App != nullptr)
        App->WinHelp(HELP_CONTENTS, 0);
}

void TCasinoGameFrameWindow::CeHelpContents(TCommandEnabler& ce) {
    ce.Enable(EngineFlag(*this, &TJorpMenuEnable::HelpContents));
}

void TCasinoGameFrameWindow::CmAbout() {
    if (App == nullptr)
        return;
    TBitmap bitmap(*App, GetAboutBitmapId());
    TBitmapDlg dialog(this, this, &bitmap, BDF_SIZETOBITMAP, IDD_BITMAP);
    RunPaused(dialog);
}

void TCasinoGameFrameWindow::CeAbout(TCommandEnabler& ce) {
    ce.Enable(EngineFlag(*this, &TJorpMenuEnable::About));
}

void TCasinoGameFrameWindow::CmCredits() {
    ShowBitmapDialog(IDB_CREDITS);
}

void TCasinoGameFrameWindow::CeCredits(TCommandEnabler& ce) {
    ce.Enable(true);
}

void TCasinoGameFrameWindow::CmToggleShowIntro() {
    ShowIntro = !ShowIntro;
    WriteShowIntro();
}

void TCasinoGameFrameWindow::CeToggleShowIntro(TCommandEnabler& ce) {
    ce.SetCheck(ShowIntro ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);
}
