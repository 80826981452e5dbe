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
#include "craps/table/TableRegions.h"

TCAct2State::TCAct2State(TCasinoCGameLord* lord) : TCLordState(lord) {
    SetPhaseTable(ActPhaseTable());
    for (u16 i = 0; i < Order.size(); ++i)
        Order[i] = i;
}

TCAct2State::~TCAct2State() {
    Lord->MoveComeBets();
    Table->EndFirstRoll();
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
    if (!Settling())
        Lord->ChooseResultSkit(SkitStart, SkitDuration);
}

void TCAct2State::CreateSubState(int group) {
    if (group == 0)
        subState = std::make_unique<TCPayOutState>(Lord, Order[Position]);
}

i32 TCAct2State::FindWinner(u16 from) const {
    if (PaySeat < 0)
        return -1;
    const TCrapsBetOptions options = Lord->CopyBettingOptions(PaySeat);
    for (u16 pos = from; pos < Order.size(); ++pos) {
        TCBetSpot* spot = Lord->GetBetSpot(static_cast<i16>(Order[pos]));
        if (spot != nullptr && spot->HasAmount(PaySeat) &&
            spot->TestWin(Lord->GetDie1(), Lord->GetDie2(), Lord->GetPoint(),
                          Lord->GetComeOutFlag(), options))
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

bool TCAct2State::TakeButton() {
    for (i16 b : {table_button::Help, table_button::WindowSize, table_button::Statistics,
                  table_button::Expert}) {
        if (Lord->GetButtonFlag(b) == 0)
            continue;
        Lord->ClearButtonFlag(b);
        if (b == table_button::Expert)
            Lord->AskGeneral();
        return true;
    }
    return false;
}

void TCAct2State::EndResultCall(u32 now) {
    if (ResultRunning == 0 || !Ended(now, SkitStart, SkitDuration))
        return;
    if (Lord->GetComeOutFlag() != 0 && Lord->SetPoint()) {
        if (TCPuck* puck = Table->Puck())
            puck->Hide();
        stopFlag = true;
        phase = PhaseLeave;
        SkitStart = NextTick();
        PuckOffset = 0;
        SkitDuration = 0;
        if (!Settling())
            Lord->StartPlaceMarkSkit(SkitStart, SkitDuration, PuckOffset);
        PuckPending = 1;
    }
    ResultRunning = 0;
    PlaceMarkStage = 1;
}

void TCAct2State::RunPlaceMark(u32 now) {
    if (PlaceMarkStage == 0)
        return;
    const bool ended = Ended(now, SkitStart, SkitDuration);
    if (PuckPending != 0 && (now >= SkitStart + PuckOffset || ended)) {
        if (TCPuck* puck = Table->Puck())
            puck->SetPoint(Lord->GetPoint());
        PuckPending = 0;
    }
    if (!ended)
        return;
    SkitStart = NextTick();
    SkitDuration = 0;
    if (Lord->ReturnOffOdds()) {
        if (!Settling())
            Lord->PlayOddsReturn(SkitStart, SkitDuration);
        OddsReturnStage = 1;
    } else {
        StartSkit(table_skit::Loser, SkitStart, SkitDuration);
        LoserStage = 1;
        LosersPending = 1;
    }
    PlaceMarkStage = 0;
}

void TCAct2State::RunOddsReturn(u32 now) {
    if (OddsReturnStage == 0 || !Ended(now, SkitStart, SkitDuration))
        return;
    if (TCBetSpot* spot = Lord->GetBetSpot(Lord->GetOddsReturnSpot())) {
        spot->HideChit();
        spot->UpdateChips();
    }
    if (TCasCashDisplay* bank = Table->BankDisplay())
        bank->SetAmount(Lord->GetBankroll(Lord->GetCurrentSeat()));
    SkitStart = NextTick();
    if (Lord->ReturnOffOdds()) {
        SkitDuration = OddsReturnTicks;
    } else {
        OddsReturnStage = 0;
        StandingStage = 1;
        SkitDuration = StandingMessageTicks;
    }
}

void TCAct2State::ShowStanding(u32 now) {
    if (StandingStage == 0 || !Ended(now, SkitStart, SkitDuration))
        return;
    if (TCasMessageDisplay* board = Table->Board())
        board->ShowMessage(static_cast<TCasMessageId>(Table->GetStandingMessage()), TMoney(0.0), 0);
    StandingStage = 0;
    SkitStart = NextTick();
    StartSkit(table_skit::Loser, SkitStart, SkitDuration);
    LoserStage = 1;
    LosersPending = 1;
}

void TCAct2State::RunLosers(u32 now) {
    if (LoserStage == 0)
        return;
    const bool ended = Ended(now, SkitStart, SkitDuration);
    if (LosersPending != 0 && (now >= SkitStart + 4 || ended)) {
        Lord->TestLosingSpots();
        LosersPending = 0;
    }
    if (!ended)
        return;
    LoserStage = 0;
    if (Lord->TestWinningSpots()) {
        SkitStart = NextTick();
        StartSkit(table_skit::Winner, SkitStart, SkitDuration);
        WinnerStage = 1;
    } else {
        ClosingStage = 1;
    }
}

void TCAct2State::RunWinners(u32 now) {
    if (WinnerStage != 0 && Ended(now, SkitStart, SkitDuration)) {
        WinnerStage = 0;
        ClosingStage = 1;
    }
    if (ClosingStage != 0 && Ended(now, SkitStart, SkitDuration)) {
        ClosingStage = 0;
        stopFlag = false;
        PayLoopStage = 1;
    }
}

void TCAct2State::RunGetMark(u32 now) {
    if (GetMarkStage == 0)
        return;
    const bool ending = now + 2 >= SkitStart + SkitDuration;
    if (PuckHidePending != 0 && (now >= SkitStart + 3 || ending)) {
        if (TCPuck* puck = Table->Puck())
            puck->Hide();
        PuckHidePending = 0;
    }
    if (!ending)
        return;
    if (TCPuck* puck = Table->Puck())
        puck->SetPoint(0);
    GetMarkStage = 0;
    stopFlag = false;
    phase = PhaseExit;
}

void TCAct2State::Update(u32 now) {
    const TUpdating updating(*this);
    if (!Settling() && TakeButton())
        return;
    EndResultCall(now);
    RunPlaceMark(now);
    RunOddsReturn(now);
    ShowStanding(now);
    RunLosers(now);
    RunWinners(now);
    if (PayLoopStage != 0)
        PayLoop();
    RunGetMark(now);
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
    if (Lord->GetComeOutFlag() == 0) {
        if (Lord->IsPointOrSeven()) {
            phase = PhaseLeave;
            stopFlag = true;
            SkitStart = NextTick();
            StartSkit(table_skit::GetMark, SkitStart, SkitDuration);
            Table->ClearPoint();
            GetMarkStage = 1;
            PuckHidePending = 1;
            return;
        }
    } else if (Lord->SetPoint()) {
        Table->EndComeOut();
    }
    stopFlag = false;
    phase = PhaseExit;
}

TCPayOutState::TCPayOutState(TCasinoCGameLord* lord, u16 spot) : TCLordState(lord), Spot(spot) {
    // Back to the updates after the pay-out's own skit, never into a sub-state.
    TPhaseTable table = DefaultPhaseTable();
    table[0] = PhaseLeave;
    table[1] = PhaseLeave;
    table[2] = PhaseExit;
    table[3] = PhaseExit;
    table[4] = PhaseExit;
    SetPhaseTable(table);
}

void TCPayOutState::Enter() {
    Table->SetWinningSpot(static_cast<i16>(Spot));
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
    if (TCBetPayOff* payOff = Table->PayOff())
        payOff->Hide();
    const TMoney bankroll = Lord->GetBankroll(Lord->GetCurrentSeat());
    if (TCasCashDisplay* bank = Table->BankDisplay())
        bank->SetAmount(bankroll, 0);
    if (TCasChips* chips = Table->Chips())
        chips->BuildStacks(bankroll, 1);
    SkitRunning = 0;
    if (TCasMessageDisplay* board = Table->Board())
        board->HideAll();
    stopFlag = false;
    phase = PhaseExit;
}
