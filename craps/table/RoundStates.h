// The round's states at the craps table: the root, the session start, betting, take-down,
// resolution and one pay-out.
#pragma once

#include "craps/table/RoundInput.h"
#include "craps/table/TableRegions.h"
#include "engine/framework/State.h"
#include "platform/host/Types.h"

#include <array>

class TCRoundTable;
class TCasinoCGameLord;
class TResponder;

// Keeps the lord and routes region events to the innermost running state; a state that does
// not handle an event answers true and ignores it.
class TCLordState : public TState, public TCRoundInput {
public:
    explicit TCLordState(TCasinoCGameLord* lord);

    virtual bool EvSpot(TResponder& region, u16 spot, bool held);
    virtual bool EvSeatArea(TResponder& region);

    bool DispatchSpot(TResponder& region, u16 spot, bool held) override;
    bool DispatchSeatArea(TResponder& region) override;

    u8 GetClickPending() const { return ClickPending; }
    // 1 for the first state the lord made, then one more for each: unlike an address, never
    // shared with a state that has been deleted.
    u32 GetSerial() const { return Serial; }

    // This state or one it holds has a roll whose dice are chosen and which is not yet
    // settled.
    bool HoldsRollInPlay() const;
    // This state or one it holds is inside its own update, as while a dialog it opened runs.
    bool HoldsUpdate() const;
    // The innermost of the states this one holds, this one when it holds none.
    const TCLordState& Innermost() const;
    // A click on a spot or the seat area made now would be acted on by this state: only
    // betting before the roll is taken and taking bets down do.
    virtual bool TakesClicks() const { return false; }

protected:
    virtual bool RollInPlay() const { return false; }
    // A roll settled at once because the table is being left: no skit starts, no input is
    // taken, and every wait is already over.
    bool Settling() const;
    // Marks the state as inside its update for as long as it lives.
    class TUpdating {
    public:
        explicit TUpdating(TCLordState& state) : State(state) { ++State.Updating; }
        ~TUpdating() { --State.Updating; }
        TUpdating(const TUpdating&) = delete;
        TUpdating& operator=(const TUpdating&) = delete;

    private:
        TCLordState& State;
    };

    // The betting and the resolution states' flow: between sub-states each runs its own
    // updates; the end of group 0 goes on to group 2, the end of group 1 back to the updates,
    // and the state ends after group 2.
    static TPhaseTable ActPhaseTable();
    TCLordState* HeldLordState() const { return static_cast<TCLordState*>(subState.get()); }
    // A named dealer skit from the start tick; a list without a skit that can play reports a
    // duration of 0, so the step waiting for it goes on at once.
    void StartSkit(i16 list, u32 start, u32& duration);
    bool Ended(u32 now, u32 start, u32 duration) const { return now >= start + duration; }
    u32 CurrentTick() const;
    u32 NextTick() const;

    u8 ClickPending = 0;
    u8 ClickPendingAlso = 0;
    u8 Updating = 0;
    TCasinoCGameLord* Lord;
    // Null without a lord.
    TCRoundTable* Table;

private:
    u32 Serial;
};

// The lord's root: the session start once, then betting and resolution for every roll.
class TCLordMainState : public TCLordState {
public:
    explicit TCLordMainState(TCasinoCGameLord* lord);
    void CreateSubState(int group) override;
    // While no state would act on a click: the session start greeting the players (the table
    // is drawn and looks ready from its first frame), and everything from the moment Roll is
    // taken until the next betting opens. The table holds such a click for that betting.
    bool ClicksWait() const override { return !Innermost().TakesClicks(); }
};

class TInitCState : public TCLordState {
public:
    using TCLordState::TCLordState;
    void Enter() override;
    void Update(u32 now) override;

private:
    u32 SkitStart = 0;
    u32 SkitDuration = 0;
};

// Betting until the dice land.
class TCAct1State : public TCLordState {
public:
    // Idle ticks after which the dealer fills the silence.
    static constexpr u32 StallTicks = 130;
    static constexpr i16 ExpertButton = table_button::Expert;

    explicit TCAct1State(TCasinoCGameLord* lord);
    void Enter() override;
    void Update(u32 now) override;
    void CreateSubState(int group) override;
    void EndSubState(int group) override;
    bool EvSpot(TResponder& region, u16 spot, bool held) override;
    bool EvSeatArea(TResponder& region) override;
    // Until Roll is taken; again when an empty table gives the roll up.
    bool TakesClicks() const override { return RollRequested == 0 && RollBegun == 0; }

    u8 GetRollBegun() const { return RollBegun; }
    u8 GetRollRequested() const { return RollRequested; }
    u8 GetBadBetHold() const { return BadBetHold; }
    u8 GetFreeOddsHold() const { return FreeOddsHold; }
    u8 GetGiveDiceDone() const { return GiveDiceDone; }
    // The roll's steps from the dealer's call on: the dice are chosen, the shooter picks them
    // up, shakes, throws, and they land.
    u8 GetDiceRolled() const { return DiceRolled; }
    u8 GetRollPending() const { return RollPending; }
    u8 GetPickUpRunning() const { return PickUpRunning; }
    u8 GetShakeRunning() const { return ShakeRunning; }
    u8 GetThrowRunning() const { return ThrowRunning; }
    u8 GetDiceLanding() const { return DiceLanding; }

protected:
    bool RollInPlay() const override { return DiceRolled != 0; }

private:
    // Each answers true when this frame's update stops there.
    bool HandleClick();
    bool HandleButtons(u32 now);
    bool RunDealer(u32 now);
    // The roll's steps in their order: the press of Roll, the call (or the no-come call of an
    // empty table), the shooter's pick-up, the shakes and the throw until the dice land.
    bool RunRoll(u32 now);
    bool TakeRollPress(u32 now);
    void StartRollCall();
    bool RunNoCome(u32 now);
    bool StartPickUp();
    void RunShakes(u32 now);
    void RunThrow(u32 now);
    void Idle(u32 tick);

    u16 WarnedSpot = 0xFFFF;
    u16 ClickedSpot = 0;
    // The clicked spot's click was held: its bet is placed as a held click's.
    bool ClickedHeld = false;
    u8 BadBetHold = 0;
    u8 FreeOddsHold = 0;
    u8 RollRequested = 0;
    u8 RollBegun = 0;
    u8 DiceRolled = 0;
    u8 NoComeRunning = 0;
    u8 PickUpRunning = 0;
    u8 RepeatShake = 0;
    u8 DiceLanding = 0;
    u8 StallRunning = 0;
    u8 StallArmed = 0;
    u8 TalkOff = 0;
    u8 AdvicePending = 0;
    u8 AdviceRunning = 0;
    u8 GiveDiceRunning = 0;
    u8 DealerBusy = 0;
    u8 GiveDiceDone = 0;
    u8 TalkRunning = 0;
    u8 RollPending = 0;
    u8 ShakeRunning = 0;
    u8 ThrowRunning = 0;
    u32 SkitStart = 0;
    u32 SkitDuration = 0;
    u32 IdleSince = 0;
    TResponder* PendingRegion = nullptr;
};

// Taking bets down; only Help and the take-down button work meanwhile.
class TCRemoveState : public TCLordState {
public:
    using TCLordState::TCLordState;
    ~TCRemoveState() override;
    void Enter() override;
    void Update(u32 now) override;
    bool EvSpot(TResponder& region, u16 spot, bool held) override;
    bool TakesClicks() const override { return true; }

private:
    u8 SeatEmptied = 0;
    TResponder* PendingRegion = nullptr;
};

// The roll decided: statistics, point, losers, winners seat by seat, the point's end.
class TCAct2State : public TCLordState {
public:
    static constexpr u32 OddsReturnTicks = 12;
    static constexpr u32 StandingMessageTicks = 6;

    explicit TCAct2State(TCasinoCGameLord* lord);
    ~TCAct2State() override;
    void Enter() override;
    void Update(u32 now) override;
    void CreateSubState(int group) override;
    void EndSubState(int group) override;

    i16 GetPaySeat() const { return PaySeat; }

protected:
    bool RollInPlay() const override { return true; }

private:
    // The first position from `from` whose spot wins for the pay seat by the seat's own
    // options and holds its bet; -1 for none.
    i32 FindWinner(u16 from) const;
    void PayLoop();
    // The resolution's steps in their order; each acts only in its own stage. A help button
    // pressed meanwhile takes the whole update.
    bool TakeButton();
    void EndResultCall(u32 now);
    void RunPlaceMark(u32 now);
    void RunOddsReturn(u32 now);
    void ShowStanding(u32 now);
    void RunLosers(u32 now);
    void RunWinners(u32 now);
    void RunGetMark(u32 now);

    u8 ResultRunning = 0;
    u8 PlaceMarkStage = 0;
    u8 OddsReturnStage = 0;
    u8 StandingStage = 0;
    u8 LoserStage = 0;
    u8 WinnerStage = 0;
    u8 ClosingStage = 0;
    u8 PayLoopStage = 0;
    u8 GetMarkStage = 0;
    // Steps due at a tick inside a skit: each fires once, when its tick is reached or at the
    // latest when its stage ends, so a short skit or none cannot skip it.
    u8 PuckPending = 0;
    u8 LosersPending = 0;
    u8 PuckHidePending = 0;
    std::array<u8, 3> PayPending{1, 1, 1};
    i16 PaySeat = 2;
    std::array<u16, table_spot::Count> Order{};
    u16 Position = 0;
    u32 SkitStart = 0;
    u32 SkitDuration = 0;
    u32 PuckOffset = 0;
};

class TCPayOutState : public TCLordState {
public:
    static constexpr u32 AfterSkitTicks = 11;

    TCPayOutState(TCasinoCGameLord* lord, u16 spot);
    void Enter() override;
    void Update(u32 now) override;

private:
    u16 Spot;
    u8 SkitRunning = 0;
    u32 SkitStart = 0;
    u32 SkitDuration = 0;
};
