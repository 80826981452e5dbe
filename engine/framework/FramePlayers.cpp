// TJorpGameFrameWindow: its player manager, the player command, and what the manager asks of
// the frame.
#include "GameFrameWindow.h"

#include "engine/framework/JorpApp.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ModePause.h"
#include "engine/framework/ModeWindow.h"
#include "engine/framework/PlayerMgr.h"
#include "platform/host/MessageBox.h"

void TJorpGameFrameWindow::CreatePlayerMgr() {
    PlayerMgr = std::make_unique<TPlayerMgr>(this, GetDataDirectory(), 3, 20);
}

void TJorpGameFrameWindow::CmPlayerMgr() {
    if (!PlayerMgr) {
        ShowPlayerMessage("Player Manager doesn't exist", "Error - Player Management");
        return;
    }
    TModePause paused(ModeWindow);
    if (ModeWindow != nullptr && SoundMgr)
        SoundMgr->StopAll(true);
    PlayerMgr->ShowPlayerDialog();
}

void TJorpGameFrameWindow::ShowPlayerMessage(const std::string& text, const std::string& caption) {
    if (App != nullptr)
        App->MessageBox(GetHandle(), text.c_str(), caption.c_str(), MB_OK);
    else
        MessageBoxExA(this, text, caption, MB_OK);
}

bool TJorpGameFrameWindow::AskPlayer(const std::string& text, const std::string& caption) {
    // The game stands still while the player decides; a close of the window while the box is
    // up leaves it up, and a quit signal ends it unanswered, the program with it.
    TModePause paused(ModeWindow);
    const int answer = MessageBoxExA(this, text, caption,
                                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_KEEPONCLOSE);
    return answer == IDYES || TRunEnd::Quitting();
}

TModeWindowApi* TJorpGameFrameWindow::GetCurrentModeWindow() const {
    return ModeWindow;
}
