// TPlayerMgrOwner: what the player manager asks of the frame window that owns it.
#pragma once

#include <string>

class TModeWindowApi;

// The frame owns the manager's message boxes and knows the mode window on screen, through
// which seat changes reach the game lord and the seat players. Tests stand in for it.
class TPlayerMgrOwner {
public:
    virtual ~TPlayerMgrOwner() = default;
    // A box with an OK button over the frame.
    virtual void ShowPlayerMessage(const std::string& text, const std::string& caption) = 0;
    // A question with Yes and No over the frame, No the default; true for Yes. An owner with
    // nobody to ask lets the game go on as if Yes had been said.
    virtual bool AskPlayer(const std::string& /*text*/, const std::string& /*caption*/) {
        return true;
    }
    // The current mode window, or null while there is none.
    virtual TModeWindowApi* GetCurrentModeWindow() const = 0;
};
