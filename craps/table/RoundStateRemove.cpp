// TCRemoveState: the current seat takes bets down until the button is released again or
// nothing is left.
#include "casino/CasButton.h"
#include "casino/CasMessageDisplay.h"
#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/RoundStates.h"
#include "engine/framework/Responder.h"

void TCRemoveState::Enter() {
    Lord->StandingMessage = 2;
    if (Lord->MessageDisplay != nullptr)
        Lord->MessageDisplay->ShowMessage(2, TMoney(0.0), 0);
    stopFlag = true;
    phase = PhaseLeave;
    Lord->DisableAllButtons();
    Lord->EnableButton(TCasinoCGameLord::TakeDownButton);
    Lord->EnableButton(TCAct1State::HelpButton);
}

TCRemoveState::~TCRemoveState() {
    for (i16 b : {TCasinoCGameLord::TakeDownButton, TCAct1State::HelpButton})
        if (TCasButton* button = Lord->Buttons[static_cast<size_t>(b)])
            button->ShowUp();
    Lord->EnableAllButtons();
    Lord->StandingMessage = 1;
}

bool TCRemoveState::EvSpot(TResponder& region, u16 spot) {
    const TCBetSpot* bet = Lord->GetBetSpot(static_cast<i16>(spot));
    const bool held = bet != nullptr && bet->HasAmount(Lord->CurrentSeat);
    switch (region.GetKind()) {
    case JEK_LBUTTONUP:
        if (held) {
            Lord->TakeDownBet(static_cast<i16>(spot));
            PendingRegion = &region;
        } else {
            region.ReleaseMouse();
        }
        break;
    case JEK_LBUTTONDOWN:
        region.CaptureMouse();
        break;
    case JEK_HOTKEY:
        if (held)
            Lord->TakeDownBet(static_cast<i16>(spot));
        PendingRegion = &region;
        break;
    default:
        break;
    }
    return true;
}

void TCRemoveState::Update(u32) {
    auto& flags = Lord->ButtonFlags;
    if (PendingRegion != nullptr) {
        if (PendingRegion->GetKind() != JEK_HOTKEY)
            PendingRegion->ReleaseMouse();
        if (!Lord->SeatHasAnyBet(Lord->CurrentSeat))
            SeatEmptied = 1;
        PendingRegion = nullptr;
    } else if (flags[TCasinoCGameLord::TakeDownButton] != 0) {
        Lord->ClearButtonFlag(TCasinoCGameLord::TakeDownButton);
        stopFlag = false;
        phase = PhaseExit;
    } else if (flags[TCAct1State::HelpButton] != 0) {
        Lord->ClearButtonFlag(TCAct1State::HelpButton);
        ClickPending = 0;
    } else if (SeatEmptied != 0) {
        SeatEmptied = 0;
        stopFlag = false;
        phase = PhaseExit;
    }
}
