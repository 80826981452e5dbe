// TJorpMenuEnable: the frame's record of which of its menu commands are enabled.
#pragma once

#include "platform/host/Types.h"

class TJorpMenuEnable {
public:
    // With all set, every flag starts enabled.
    explicit TJorpMenuEnable(bool all);
    virtual ~TJorpMenuEnable() = default;

    // Sets the five flags, then the derived enablers' own.
    virtual void SetAll(bool enable);
    virtual void SetAllExtra(bool enable);

    // Mode ids of derived frames (string resource ids of mode files), 0xFFFF for none.
    u16 PreviousModeId = 0xFFFF;
    u16 CurrentModeId = 0xFFFF;
    bool Exit = false;
    bool Sound = false;
    bool Music = false;
    bool About = false;
    bool HelpContents = false;
};
