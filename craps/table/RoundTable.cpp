// TCLordRoundTable: the round's operations on the lord's fields and sprites.
#include "craps/table/RoundTable.h"

#include "craps/bets/TableClickPieces.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/TableRegions.h"
#include "engine/framework/Responder.h"

void TCLordRoundTable::OpenBetting() {
    SetRollAreaTaking(true);
    Lord.BettingOpen = 1;
}

void TCLordRoundTable::CloseBetting() {
    Lord.BettingOpen = 0;
    SetRollAreaTaking(false);
}

// The pass line's pieces beside the roll area come and go with it.
void TCLordRoundTable::SetRollAreaTaking(bool taking) {
    for (size_t slot = 0; slot < table_region::SlotCount; ++slot) {
        TResponder* area = Lord.ClickRegions[slot];
        if (area == nullptr || !table_region::GoesWithRollArea(slot))
            continue;
        if (taking)
            area->Register();
        else
            area->Unregister();
    }
}

void TCLordRoundTable::SetPlacingBets(u8 placing) {
    Lord.PlacingBets = placing;
}

void TCLordRoundTable::ResetStalls() {
    Lord.StallCount = 0;
}

void TCLordRoundTable::FirstShake() {
    Lord.ShakeCount = 1;
}

void TCLordRoundTable::CountShake() {
    ++Lord.ShakeCount;
}

void TCLordRoundTable::ArmSessionClose() {
    Lord.SessionCloseMode = 1;
}

i16 TCLordRoundTable::GetStandingMessage() const {
    return Lord.StandingMessage;
}

void TCLordRoundTable::SetStandingMessage(i16 message) {
    Lord.StandingMessage = message;
}

void TCLordRoundTable::EndFirstRoll() {
    Lord.FirstRollPending = 0;
}

void TCLordRoundTable::SetWinningSpot(i16 spot) {
    Lord.WinningSpot = spot;
}

void TCLordRoundTable::EndComeOut() {
    Lord.ComeOutFlag = 0;
}

void TCLordRoundTable::ClearPoint() {
    Lord.Point = -1;
}

u32 TCLordRoundTable::NextStateSerial() {
    return ++Lord.RoundStatesMade;
}

TCasButton* TCLordRoundTable::Button(i16 button) const {
    return button >= 0 && button < table_button::Count ? Lord.Buttons[static_cast<size_t>(button)]
                                                       : nullptr;
}

TCasMessageDisplay* TCLordRoundTable::Board() const {
    return Lord.MessageDisplay;
}

TCasCashDisplay* TCLordRoundTable::BankDisplay() const {
    return Lord.BankCashDisplay;
}

TCasChips* TCLordRoundTable::Chips() const {
    return Lord.ChipStacks;
}

TCPuck* TCLordRoundTable::Puck() const {
    return Lord.PuckSprite;
}

TCBetPayOff* TCLordRoundTable::PayOff() const {
    return Lord.PayOffSprite;
}

TModeWindowApi* TCLordRoundTable::Window() const {
    return Lord.GetModeWindow();
}
