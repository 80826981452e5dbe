// TCAct1State: chips, bets, buttons and the dealer's talk until the dice land.
#include "casino/CasButton.h"
#include "casino/CasMessageDisplay.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/RoundStates.h"
#include "craps/table/TableRegions.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/ModeWindowApi.h"

TCAct1State::TCAct1State(TCasinoCGameLord* lord) : TCLordState(lord) {
    SetPhaseTable(ActPhaseTable());
}

void TCAct1State::Idle(u32 tick) {
    IdleSince = tick;
    Table->ResetStalls();
}

void TCAct1State::Enter() {
    Table->OpenBetting();
    Idle(CurrentTick());
    Lord->SetSpriteSetState(1, 0);
    Lord->StartRound();
    stopFlag = true;
    phase = PhaseLeave;
    SkitStart = NextTick();
    StartSkit(table_skit::PlaceBets, SkitStart, SkitDuration);
    TalkRunning = 1;
    DealerBusy = 1;
    AdvicePending = 1;
}

void TCAct1State::CreateSubState(int group) {
    if (group != 1)
        return;
    if (TCasMessageDisplay* board = Table->Board())
        board->ShowMessageSet2(0, TMoney(0.0));
    if (TCasButton* takeDown = Table->Button(table_button::TakeDown))
        takeDown->ShowPressed();
    Table->SetPlacingBets(0);
    // The spot under the mouse now offers its chips back instead of taking more.
    if (TModeWindowApi* window = Table->Window())
        window->PokeHoverResponder();
    subState = std::make_unique<TCRemoveState>(Lord);
}

void TCAct1State::EndSubState(int group) {
    TCLordState::EndSubState(group);
    if (group == 1) {
        stopFlag = true;
        if (TCasMessageDisplay* board = Table->Board())
            board->HideAll();
        Idle(CurrentTick());
        Table->SetPlacingBets(1);
        if (!Lord->SeatHasAnyBet(Lord->GetCurrentSeat()))
            if (TCasButton* takeDown = Table->Button(table_button::TakeDown))
                takeDown->ShowDisabled();
        if (TModeWindowApi* window = Table->Window())
            window->PokeHoverResponder();
    } else if (group == 3) {
        stopFlag = false;
        phase = PhaseExit;
    }
}

bool TCAct1State::EvSpot(TResponder& region, u16 spot, bool held) {
    if (Lord->GetCurrentSeat() == -1 || ClickPending != 0)
        return true;
    switch (region.GetKind()) {
    case JEK_LBUTTONUP:
        ClickedSpot = spot;
        ClickedHeld = held;
        PendingRegion = &region;
        ClickPending = 1;
        break;
    case JEK_LBUTTONDOWN:
        region.CaptureMouse();
        break;
    case JEK_HOTKEY:
        ClickedSpot = spot;
        ClickedHeld = held;
        PendingRegion = &region;
        break;
    default:
        break;
    }
    return true;
}

bool TCAct1State::EvSeatArea(TResponder& region) {
    const JorpEventKind kind = region.GetKind();
    if (kind == JEK_LBUTTONDOWN) {
        region.CaptureMouse();
        region.SetCursorData(TCursorData(TJorpApp::GetApp(), table_cursor::ClosedHand));
    } else if (kind == JEK_LBUTTONUP || kind == JEK_LBUTTONDBLCLK || kind == JEK_HOTKEY) {
        if (region.HoldsCapture())
            region.ReleaseMouse();
        region.SetCursorData(TCursorData(TJorpApp::GetApp(), table_cursor::PointingHand));
        if ((kind == JEK_HOTKEY || region.Contains(region.GetPoint())) &&
            Lord->CountOccupiedSeats() > 1)
            Lord->RefreshNextSeat();
    }
    return true;
}

bool TCAct1State::HandleClick() {
    if (PendingRegion == nullptr)
        return false;
    if (PendingRegion->GetKind() != JEK_HOTKEY)
        PendingRegion->ReleaseMouse();
    const i16 topic = Lord->AnyInstructionMode() ? Lord->BadBetTopic(ClickedSpot) : 0;
    if (topic > 0 && !(BadBetHold != 0 && WarnedSpot == ClickedSpot)) {
        if (TCasButton* expert = Table->Button(table_button::Expert))
            expert->Flash();
        BadBetHold = 1;
        WarnedSpot = ClickedSpot;
    } else {
        BadBetHold = 0;
        FreeOddsHold = 0;
        PendingRegion = nullptr;
        Lord->PlaceBet(static_cast<i16>(ClickedSpot), ClickedHeld);
    }
    if (Lord->TableHasAnyBet())
        if (TCasButton* clear = Table->Button(table_button::Clear))
            clear->Hide();
    ClickPending = 0;
    PendingRegion = nullptr;
    Idle(CurrentTick());
    return false;
}

bool TCAct1State::HandleButtons(u32 now) {
    auto take = [&](i16 b) { return Lord->GetButtonFlag(b) != 0; };
    if (take(table_button::Talk)) {
        // Consuming the flag is what moves the talk setting on, a step for each step of the face.
        Lord->ClearButtonFlag(table_button::Talk);
        Idle(now);
    }
    // From the smallest chip's button to the largest's.
    static constexpr double Chips[] = {1, 5, 25, 100, 1000, 10000};
    for (i16 b = table_button::LastChip; b >= table_button::FirstChip; --b) {
        if (!take(b))
            continue;
        Lord->ClearButtonFlag(b);
        const TMoney chip(Chips[table_button::LastChip - b]);
        if (Lord->GetLastButtonCode() == TCasButton::CodeRightRelease)
            Lord->TakeFromBetInHand(chip);
        else
            Lord->AddToBetInHand(chip);
        Idle(now);
    }
    if (take(table_button::TakeDown)) {
        Lord->ClearButtonFlag(table_button::TakeDown);
        stopFlag = false;
        Idle(now);
        ClickPending = 0;
        phase = StartPhase(1);
        return true;
    }
    if (take(table_button::Clear)) {
        Lord->ClearButtonFlag(table_button::Clear);
        Idle(now);
        Lord->ClearBetInHand();
        ClickPending = 0;
        return true;
    }
    for (i16 b : {table_button::Help, table_button::WindowSize, table_button::Statistics}) {
        if (!take(b))
            continue;
        ClickPending = 0;
        Idle(now);
        Lord->ClearButtonFlag(b);
        return true;
    }
    if (take(table_button::Expert)) {
        ClickPending = 0;
        Idle(now);
        Lord->ClearButtonFlag(table_button::Expert);
        TCasButton* expert = Table->Button(table_button::Expert);
        if (expert != nullptr && expert->GetFlashTick() != 0) {
            expert->StopFlash();
            if (BadBetHold != 0)
                Lord->AskBadBet(WarnedSpot);
            else if (FreeOddsHold != 0)
                Lord->AskFreeOdds();
        } else {
            Lord->AskGeneral();
        }
        BadBetHold = 0;
        FreeOddsHold = 0;
        return true;
    }
    return false;
}

bool TCAct1State::RunDealer(u32 now) {
    if (StallArmed != 0 && now >= IdleSince + StallTicks && TalkOff == 0) {
        SkitStart = NextTick();
        SkitDuration = 0;
        Lord->ChooseStallSkit(SkitStart, SkitDuration);
        StallRunning = 1;
        StallArmed = 0;
        return true;
    }
    if (StallRunning != 0) {
        if (!Ended(now, SkitStart, SkitDuration))
            return true;
        StallRunning = 0;
        StallArmed = 1;
        IdleSince = CurrentTick();
    }
    if (GiveDiceDone == 0 && DealerBusy == 0 && Lord->TableHasAnyBet() && AdvicePending == 0 &&
        GiveDiceRunning == 0) {
        Lord->HideBigDice();
        SkitStart = NextTick();
        SkitDuration = 0;
        Lord->ChooseGiveDiceSkit(SkitStart, SkitDuration);
        GiveDiceRunning = 1;
        return true;
    }
    if (GiveDiceRunning != 0) {
        if (now + 1 < SkitStart + SkitDuration)
            return true;
        GiveDiceDone = 1;
        GiveDiceRunning = 0;
        Lord->ResetDice();
        Idle(CurrentTick());
    }
    if (TalkRunning == 0 && AdvicePending != 0 && GiveDiceRunning == 0 && RollPending == 0) {
        SkitStart = NextTick();
        StartSkit(table_skit::AdvBets, SkitStart, SkitDuration);
        AdvicePending = 0;
        AdviceRunning = 1;
        DealerBusy = 1;
        return true;
    }
    if (AdviceRunning != 0) {
        if (!Ended(now, SkitStart, SkitDuration))
            return true;
        AdviceRunning = 0;
        DealerBusy = 0;
        StallArmed = 1;
        IdleSince = CurrentTick();
    }
    if (TalkRunning != 0) {
        if (Ended(now, SkitStart, SkitDuration)) {
            DealerBusy = 0;
            SkitStart = 0;
            SkitDuration = 0;
            TalkRunning = 0;
            Idle(CurrentTick());
            if (ClickPending != 0) {
                ClickPending = 0;
                ClickPendingAlso = 0;
            }
        }
        return true;
    }
    return false;
}

bool TCAct1State::TakeRollPress(u32 now) {
    if (Lord->GetButtonFlag(table_button::Roll) == 0)
        return false;
    Lord->ClearButtonFlag(table_button::Roll);
    if (RollBegun != 0)
        return true;
    if (Lord->GetShooterSeat() == -1)
        return false;
    Idle(now);
    if (Lord->AnyInstructionMode() && Lord->FreeOddsTopic() > 0 && FreeOddsHold == 0) {
        if (TCasButton* expert = Table->Button(table_button::Expert))
            expert->Flash();
        FreeOddsHold = 1;
        Lord->EnableButton(table_button::Roll);
    } else {
        FreeOddsHold = 0;
        RollRequested = 1;
        Table->CloseBetting();
    }
    return false;
}

void TCAct1State::StartRollCall() {
    if (RollRequested == 0 || GiveDiceDone == 0)
        return;
    RollRequested = 0;
    RollBegun = 1;
    TalkOff = 1;
    SkitStart = NextTick();
    if (Lord->TableHasAnyBet()) {
        if (Lord->GetComeOutFlag() != 0) {
            StartSkit(table_skit::ComeCom, SkitStart, SkitDuration);
        } else {
            SkitDuration = 0;
            Lord->ChoosePointComSkit(SkitStart, SkitDuration);
        }
        Lord->RollDice();
        DiceRolled = 1;
        Lord->RoundHook();
        TalkRunning = 1;
        RollPending = 1;
    } else {
        SkitDuration = 0;
        Lord->ChooseNoComeSkit(SkitStart, SkitDuration);
        NoComeRunning = 1;
    }
}

bool TCAct1State::RunNoCome(u32 now) {
    if (NoComeRunning == 0)
        return false;
    if (!Ended(now, SkitStart, SkitDuration))
        return true;
    // The bets came down between the press and its handling: the round goes on as if the roll
    // had never been asked for, so the next Roll rolls.
    NoComeRunning = 0;
    TalkOff = 0;
    RollBegun = 0;
    Table->OpenBetting();
    Lord->EnableButton(table_button::Roll);
    Idle(CurrentTick());
    return false;
}

bool TCAct1State::StartPickUp() {
    if (TalkRunning != 0 || RollPending == 0)
        return false;
    Lord->HideDice();
    SkitStart = NextTick();
    Lord->HideDice();
    SkitDuration = 0;
    Lord->PlayShooterPickUp(SkitStart, SkitDuration);
    RollPending = 0;
    Table->ArmSessionClose();
    PickUpRunning = 1;
    return true;
}

void TCAct1State::RunShakes(u32 now) {
    if (PickUpRunning != 0 && now + 1 >= SkitStart + SkitDuration) {
        SkitStart = NextTick();
        SkitDuration = 0;
        if (!Settling())
            Lord->ChooseShakeSkit(SkitStart, SkitDuration);
        ShakeRunning = 1;
        Table->FirstShake();
        PickUpRunning = 0;
    }
    if (RepeatShake != 0 && now + 1 >= SkitStart + SkitDuration) {
        RepeatShake = 0;
        ShakeRunning = 1;
    }
    if (ShakeRunning != 0 && now + 1 >= SkitStart + SkitDuration) {
        SkitStart = NextTick();
        SkitDuration = 0;
        // The shooter shakes on while Roll is held down and throws when it is let go; a table
        // being left throws at once.
        if (Lord->GetLastButtonCode() == TCasButton::CodePress && !Settling()) {
            Lord->ChooseShakeSkit(SkitStart, SkitDuration);
            Table->CountShake();
            RepeatShake = 1;
        } else {
            Lord->DisableButton(table_button::Roll);
            if (!Settling())
                Lord->ChooseThrowSkit(SkitStart, SkitDuration);
            ThrowRunning = 1;
        }
        ShakeRunning = 0;
    }
}

void TCAct1State::RunThrow(u32 now) {
    if (ThrowRunning != 0 && Ended(now, SkitStart, SkitDuration)) {
        SkitStart = NextTick();
        SkitDuration = 0;
        if (!Settling())
            Lord->ChooseDiceLandSkit(SkitStart, SkitDuration);
        ThrowRunning = 0;
        DiceLanding = 1;
    }
    if (DiceLanding != 0 && now + 1 >= SkitStart + SkitDuration) {
        Lord->ShowBigDice();
        DiceLanding = 0;
        stopFlag = false;
        phase = StartPhase(0);
    }
}

bool TCAct1State::RunRoll(u32 now) {
    if (TakeRollPress(now))
        return true;
    StartRollCall();
    if (RunNoCome(now) || StartPickUp())
        return true;
    RunShakes(now);
    RunThrow(now);
    return false;
}

void TCAct1State::Update(u32 now) {
    const TUpdating updating(*this);
    // Input waiting when the table is left is dropped: the buttons would open help or a
    // dialog on the way out.
    if (!Settling()) {
        HandleClick();
        if (HandleButtons(now))
            return;
    }
    if (RunDealer(now))
        return;
    RunRoll(now);
}
