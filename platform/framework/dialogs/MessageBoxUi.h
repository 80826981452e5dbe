// Message boxes drawn as our own dialog and run modally: the presenter the window system
// uses when boxes are shown on a real screen.
#pragma once

#include "platform/host/MessageBox.h"

#include <vector>

// Installs itself as the process's message-box presenter for its lifetime. Each box is a
// dialog with the caption, an icon for the flags, the text and the buttons of the flags;
// it holds every other window still (no timers, no posted messages) until a button is
// chosen, and works with or without an owner and before any application exists.
class TMessageBoxUi : public TMessageBoxPresenter {
public:
    TMessageBoxUi();
    ~TMessageBoxUi() override;
    TMessageBoxUi(const TMessageBoxUi&) = delete;
    TMessageBoxUi& operator=(const TMessageBoxUi&) = delete;

    int Show(const TMessageBoxRequest& request) override;
};

// The buttons a box of these flags shows, left to right, by their answers.
std::vector<int> MessageBoxButtons(u32 flags);
// The answer Esc and the close box give; 0 when the box has no way to cancel.
int MessageBoxEscapeAnswer(u32 flags);
// The answer a box gives when the program is asked to end while it is up: the one that goes
// ahead with nothing (Cancel, else No, else Abort, else OK).
int MessageBoxCancelAnswer(u32 flags);
