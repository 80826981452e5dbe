// TCasinoModeWin: the mode window of a casino table: a casino game lord, three seats, and the
// commands that act on the gambler in the current seat.
#pragma once

#include "casino/GamblerRecord.h"
#include "engine/framework/ModeWindow.h"

class TCasinoGameLord;
class TCommandEnabler;

// The table game makes the lord and fills the three seat entries while the mode's objects are
// made; every frame then updates the lord, the seats and the objects, in that order.
class TCasinoModeWin : public TJorpModeWindow {
public:
    static constexpr i16 SeatCount = 3;

    TCasinoModeWin(TJorpApp* app, TJorpGameFrameWindow* frame, std::string modeName,
                   TPalFace* appPalette, std::string title);
    ~TCasinoModeWin() override;

    void UpdateGameObjects() override;
    // Before the table is closed (the program's exit, the window's close, a mode switch), a
    // roll in flight is played out and the player asked whether to leave bets that may not be
    // taken down to the house; a quit signal asks nothing.
    bool CanClose() override;
    // The lord's answer; 0 without one.
    i32 TestSkitCondition(u16 condition) override;
    // A mode without its casino lord or with an empty seat ends the program.
    void CheckGameObjects() override;

    // The lord, when the mode's lord is a casino lord.
    TCasinoGameLord* GetCasinoLord() const;
    // The record of the gambler in the lord's current seat; invalid without one.
    TGamblerRecord GetCurrentGamblerRecord();

    void CmStatistics();
    void CeStatistics(TCommandEnabler& enabler);
    void CmInstructionMode();
    void CeInstructionMode(TCommandEnabler& enabler);
    void CmGameLordCommand();
    void CeGameLordCommand(TCommandEnabler& enabler);

protected:
    // What the casino frame's menu flags allow (statistics, instruction mode, the lord's
    // command); a frame without casino flags allows all three.
    virtual bool StatisticsEnabled() const;
    virtual bool InstructionEnabled() const;
    virtual bool LordCommandEnabled() const;

private:
    DECLARE_RESPONSE_TABLE(TCasinoModeWin);
};
