// TCAct2State: the roll called, the point marked, losers taken, winners paid seat by seat and
// the point's end; TCPayOutState pays one spot.
#include "casino/CasCashDisplay.h"
#include "casino/CasChips.h"
#include "casino/CasMessageDisplay.h"
#include "craps/bets/spots/BetSpot.h"
#include "craps/table/BetPayOff.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/Puck.h"
#include "craps/table/RoundStates.h"

TCAct2State::TCAct2State(TCasinoCGameLord* lord) : TCLordState(lord) {
    TPhaseTable table = DefaultPhaseTable();
    table[0] = PhaseLeave;
    table[1] = StartPhase(2);
    table[2] = PhaseLeave;
    table[3] = PhaseExit;
    table[4] = PhaseExit;
    table[5] = PhaseExit;
    SetPhaseTable(table);
    for (u16 i = 0; i < Order.size(); ++i)
        Order[i] = i;
}

TCAct2State::~TCAct2State() {
    Lord->MoveComeBets();
    Lord->FirstRollPending = 0;
}

void TCAct2State::Enter() {
    for (i16 seat = 2; seat >= 0; --seat)
        if (Lord->GetSeatPlayerData(seat) == nullptr)
            PayPending[static_cast<size_t>(seat)] = 0;
    stopFlag = true;
    phase = PhaseLeave;
    Lord->RecordRollStatistics();
    SkitStart = NextTick();
    ResultRunning = 1;
    SkitDuration = 0;
    Lord->ChooseResultSkit(SkitStart, SkitDuration);
}

void TCAct2State::CreateSubState(int group) {
    if (group == 0)
        subState = new TCPayOutState(Lord, Order[Position]);
}

i32 TCAct2State::FindWinner(u16 from) const {
    if (PaySeat < 0)
        return -1;
    const TCrapsBetOptions options = Lord->CopyBettingOptions(PaySeat);
    for (u16 pos = from; pos < Order.size(); ++pos) {
        TCBetSpot* spot = Lord->GetBetSpot(static_cast<i16>(Order[pos]));
        if (spot != nullptr && spot->HasAmount(PaySeat) &&
            spot->TestWin(Lord->Die1, Lord->Die2, Lord->Point, Lord->ComeOutFlag, options))
            return pos;
    }
    return -1;
}

void TCAct2State::PayLoop() {
    PaySeat = -1;
    for (i16 seat = 2; seat >= 0 && PaySeat == -1; --seat)
        if (PayPending[static_cast<size_t>(seat)] != 0)
            PaySeat = seat;
    if (PaySeat == -1) {
        phase = StartPhase(1);
        PayLoopStage = 0;
        stopFlag = false;
        return;
    }
    Lord->CopyBettingOptions();
    const i32 found = FindWinner(Position);
    if (found < 0) {
        PayPending[static_cast<size_t>(PaySeat)] = 0;
        Position = 0;
        stopFlag = true;
        phase = PhaseLeave;
        return;
    }
    Position = static_cast<u16>(found);
    phase = StartPhase(0);
    PayLoopStage = 0;
}

void TCAct2State::Update(u32 now) {
    auto& flags = Lord->ButtonFlags;
    for (i16 b : {i16{3}, i16{2}, i16{1}, i16{0}}) {
        if (flags[static_cast<size_t>(b)] == 0)
            continue;
        Lord->ClearButtonFlag(b);
        if (b == 0)
            Lord->AskGeneral();
        return;
    }
    TCPuck* puck = Lord->PuckSprite;
    if (ResultRunning != 0 && Ended(now, SkitStart, SkitDuration)) {
        if (Lord->ComeOutFlag != 0 && Lord->SetPoint()) {
            if (puck != nullptr)
                puck->Hide();
            stopFlag = true;
            phase = PhaseLeave;
            SkitStart = NextTick();
            PuckOffset = 0;
            SkitDuration = 0;
            Lord->StartPlaceMarkSkit(SkitStart, SkitDuration, PuckOffset);
            PuckPending = 1;
        }
        ResultRunning = 0;
        PlaceMarkStage = 1;
    }
    if (PlaceMarkStage != 0) {
        const bool ended = Ended(now, SkitStart, SkitDuration);
        if (PuckPending != 0 && (now >= SkitStart + PuckOffset || ended)) {
            if (puck != nullptr)
                puck->SetPoint(Lord->Point);
            PuckPending = 0;
        }
        if (ended) {
            SkitStart = NextTick();
            SkitDuration = 0;
            if (Lord->ReturnOffOdds()) {
                Lord->PlayOddsReturn(SkitStart, SkitDuration);
                OddsReturnStage = 1;
            } else {
                StartSkit(table_skit::Loser, SkitStart, SkitDuration);
                LoserStage = 1;
                LosersPending = 1;
            }
            PlaceMarkStage = 0;
        }
    }
    if (OddsReturnStage != 0 && Ended(now, SkitStart, SkitDuration)) {
        if (TCBetSpot* spot = Lord->GetBetSpot(Lord->OddsReturnSpot)) {
            spot->HideChit();
            spot->UpdateChips();
        }
        if (Lord->BankCashDisplay != nullptr)
            Lord->BankCashDisplay->SetAmount(Lord->GetBankroll(Lord->CurrentSeat));
        SkitStart = NextTick();
        if (Lord->ReturnOffOdds()) {
            SkitDuration = OddsReturnTicks;
        } else {
            OddsReturnStage = 0;
            StandingStage = 1;
            SkitDuration = StandingMessageTicks;
        }
    }
    if (StandingStage != 0 && Ended(now, SkitStart, SkitDuration)) {
        if (Lord->MessageDisplay != nullptr)
            Lord->MessageDisplay->ShowMessage(static_cast<TCasMessageId>(Lord->StandingMessage),
                                              TMoney(0.0), 0);
        StandingStage = 0;
        SkitStart = NextTick();
        StartSkit(table_skit::Loser, SkitStart, SkitDuration);
        LoserStage = 1;
        LosersPending = 1;
    }
    if (LoserStage != 0) {
        const bool ended = Ended(now, SkitStart, SkitDuration);
        if (LosersPending != 0 && (now >= SkitStart + 4 || ended)) {
            Lord->TestLosingSpots();
            LosersPending = 0;
        }
        if (ended) {
            LoserStage = 0;
            if (Lord->TestWinningSpots()) {
                SkitStart = NextTick();
                StartSkit(table_skit::Winner, SkitStart, SkitDuration);
                WinnerStage = 1;
            } else {
                ClosingStage = 1;
            }
        }
    }
    if (WinnerStage != 0 && Ended(now, SkitStart, SkitDuration)) {
        WinnerStage = 0;
        ClosingStage = 1;
    }
    if (ClosingStage != 0 && Ended(now, SkitStart, SkitDuration)) {
        ClosingStage = 0;
        stopFlag = false;
        PayLoopStage = 1;
    }
    if (PayLoopStage != 0)
        PayLoop();
    if (GetMarkStage != 0) {
        const bool ending = now + 2 >= SkitStart + SkitDuration;
        if (PuckHidePending != 0 && (now >= SkitStart + 3 || ending)) {
            if (puck != nullptr)
                puck->Hide();
            PuckHidePending = 0;
        }
        if (ending) {
            if (puck != nullptr)
                puck->SetPoint(0);
            GetMarkStage = 0;
            stopFlag = false;
            phase = PhaseExit;
        }
    }
}

void TCAct2State::EndSubState(int group) {
    if (group == 0) {
        if (TCBetSpot* paid = Lord->GetBetSpot(static_cast<i16>(Order[Position])))
            paid->HideChit();
        TCLordState::EndSubState(group);
        stopFlag = false;
        Lord->CopyBettingOptions();
        // Every spot after the one just paid is tested for the pay seat before it is paid; the
        // paid spot may still hold the seat's bet and is not paid twice.
        const i32 found = Position + 1 < static_cast<i32>(Order.size())
                              ? FindWinner(static_cast<u16>(Position + 1))
                              : -1;
        if (found < 0) {
            phase = PhaseLeave;
            stopFlag = true;
            PayLoopStage = 1;
            if (PaySeat >= 0)
                PayPending[static_cast<size_t>(PaySeat)] = 0;
            Position = 0;
        } else {
            Position = static_cast<u16>(found);
            phase = StartPhase(0);
        }
        return;
    }
    TCLordState::EndSubState(group);
    if (group != 1)
        return;
    if (Lord->ComeOutFlag == 0) {
        if (Lord->IsPointOrSeven()) {
            phase = PhaseLeave;
            stopFlag = true;
            SkitStart = NextTick();
            StartSkit(table_skit::GetMark, SkitStart, SkitDuration);
            Lord->Point = -1;
            GetMarkStage = 1;
            PuckHidePending = 1;
            return;
        }
    } else if (Lord->SetPoint()) {
        Lord->ComeOutFlag = 0;
    }
    stopFlag = false;
    phase = PhaseExit;
}

TCPayOutState::TCPayOutState(TCasinoCGameLord* lord, u16 spot) : TCLordState(lord), Spot(spot) {
    TPhaseTable table = DefaultPhaseTable();
    table[0] = PhaseLeave;
    table[1] = PhaseLeave;
    table[2] = PhaseExit;
    table[3] = PhaseExit;
    table[4] = PhaseExit;
    SetPhaseTable(table);
}

void TCPayOutState::Enter() {
    Lord->WinningSpot = static_cast<i16>(Spot);
    if (Lord->PayOutSpot(static_cast<i16>(Spot))) {
        stopFlag = true;
        phase = PhaseLeave;
        SkitStart = NextTick();
        StartSkit(table_skit::PayOffCom, SkitStart, SkitDuration);
        SkitRunning = 1;
    } else {
        stopFlag = false;
        phase = PhaseExit;
    }
}

void TCPayOutState::Update(u32 now) {
    if (SkitRunning == 0 || now < SkitStart + SkitDuration + AfterSkitTicks)
        return;
    if (TCBetSpot* spot = Lord->GetBetSpot(static_cast<i16>(Spot)))
        spot->UpdateChips();
    if (Lord->PayOffSprite != nullptr)
        Lord->PayOffSprite->Hide();
    const TMoney bankroll = Lord->GetBankroll(Lord->CurrentSeat);
    if (Lord->BankCashDisplay != nullptr)
        Lord->BankCashDisplay->SetAmount(bankroll, 0);
    if (Lord->ChipStacks != nullptr)
        Lord->ChipStacks->BuildStacks(bankroll, 1);
    SkitRunning = 0;
    if (Lord->MessageDisplay != nullptr)
        Lord->MessageDisplay->HideAll();
    stopFlag = false;
    phase = PhaseExit;
}
