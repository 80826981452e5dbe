// TDetailLevelHost: what the game-speed dialog reads and sets on the mode window that opens it.
#pragma once

#include "platform/host/Types.h"

#include <string>

// The mode window lives above the dialogs; it implements this face so that the dialog can
// be tested under a stand-in.
class TDetailLevelHost {
public:
    virtual ~TDetailLevelHost() = default;
    // The game speed, 3 (richest) to 0 (fastest).
    virtual i16 GetDetailLevel() const = 0;
    virtual void SetDetailLevel(i16 level) = 0;
    // The settings section that holds the window's keys ("Craps" for the table).
    virtual std::string GetSettingsSection() const = 0;
};
