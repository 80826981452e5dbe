// TCRemoveState: the current seat takes bets down until the button is released again or
// nothing is left.
#include "casino/CasButton.h"
#include "casino/CasMessageDisplay.h"
#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/RoundStates.h"
#include "craps/table/TableRegions.h"
#include "engine/framework/Responder.h"

void TCRemoveState::Enter() {
    Table->SetStandingMessage(2);
    if (TCasMessageDisplay* board = Table->Board())
        board->ShowMessage(2, TMoney(0.0), 0);
    stopFlag = true;
    phase = PhaseLeave;
    Lord->DisableAllButtons();
    Lord->EnableButton(table_button::TakeDown);
    Lord->EnableButton(table_button::Help);
}

TCRemoveState::~TCRemoveState() {
    for (i16 b : {table_button::TakeDown, table_button::Help})
        if (TCasButton* button = Table->Button(b))
            button->ShowUp();
    Lord->EnableAllButtons();
    Table->SetStandingMessage(1);
}

bool TCRemoveState::EvSpot(TResponder& region, u16 spot, bool) {
    const TCBetSpot* bet = Lord->GetBetSpot(static_cast<i16>(spot));
    const bool held = bet != nullptr && bet->HasAmount(Lord->GetCurrentSeat());
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
    if (PendingRegion != nullptr) {
        if (PendingRegion->GetKind() != JEK_HOTKEY)
            PendingRegion->ReleaseMouse();
        if (!Lord->SeatHasAnyBet(Lord->GetCurrentSeat()))
            SeatEmptied = 1;
        PendingRegion = nullptr;
    } else if (Lord->GetButtonFlag(table_button::TakeDown) != 0) {
        Lord->ClearButtonFlag(table_button::TakeDown);
        stopFlag = false;
        phase = PhaseExit;
    } else if (Lord->GetButtonFlag(table_button::Help) != 0) {
        Lord->ClearButtonFlag(table_button::Help);
        ClickPending = 0;
    } else if (SeatEmptied != 0) {
        SeatEmptied = 0;
        stopFlag = false;
        phase = PhaseExit;
    }
}
