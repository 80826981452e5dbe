// TCasinoCGameLord: the click regions' events (hover help, the table cursor, clicks handed to the
// round states) and the table buttons' events and flags.
#include "craps/table/CrapsGameLord.h"

#include "casino/CasButton.h"
#include "casino/CasMessageDisplay.h"
#include "casino/GamblerRecord.h"
#include "craps/bets/BoxNumbers.h"
#include "craps/bets/TableClickPieces.h"
#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsPlayer.h"
#include "craps/table/RoundInput.h"
#include "craps/table/RoundStates.h"
#include "craps/table/TableRegions.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/JorpMsgPacket.h"
#include "engine/framework/ModeWindow.h"
#include "engine/framework/Responder.h"
#include "engine/media/CursorMgr.h"
#include "engine/media/MediaServices.h"
#include "platform/framework/WinConstants.h"

#include <optional>

namespace {

// The number-box help: buy help from 22, place help from 28, by the box 4, 5, 6, 8, 9, 10.
constexpr int BuyHelp = 22;
constexpr int PlaceHelp = 28;

// Odds help by group (pass, don't pass, come points, don't-come points), each for the pairs
// 4/10, 5/9, 6/8.
constexpr int OddsHelp[4] = {7, 10, 13, 16};

bool IsMouseAt(JorpEventKind kind) {
    return (kind >= JEK_LBUTTONDOWN && kind <= JEK_RBUTTONDBLCLK) || kind == JEK_HOVER_ENTER;
}

// The events of a spot or the seat area that act; a press only takes the mouse.
bool Acts(JorpEventKind kind) {
    return kind == JEK_LBUTTONUP || kind == JEK_LBUTTONDBLCLK || kind == JEK_HOTKEY;
}

} // namespace

i32 TCasinoCGameLord::EvResponder(TResponder* event) {
    if (RoundInput == nullptr || event == nullptr)
        return 1;
    const JorpEventKind kind = event->GetKind();
    // The event itself goes on to the round states; only the spot it stands for is the
    // winner's.
    const u16 id = (IsMouseAt(kind) ? WinningRegion(*event) : event)->GetCode();
    const i16 spot = table_region::SpotOfId(id);
    const bool hover = kind == JEK_HOVER_ENTER || kind == JEK_HOVER_LEAVE;
    if (hover && id != LayoutRegion && id != SeatAreaRegion) {
        if (kind == JEK_HOVER_LEAVE) {
            ShowBoard(StandingMessage);
        } else {
            CopyBettingOptions();
            ShowHoverHelp(spot);
        }
        if (BettingOpen == 0)
            return 1;
        if (kind == JEK_HOVER_LEAVE)
            SetTableCursor(0);
        else if (spot != table_region::NoSpot)
            ChooseSpotCursor(spot);
        return 1;
    }
    const bool seatArea = id == SeatAreaRegion;
    if (table_region::IsSpotId(id) && (kind == JEK_HOTKEY || spot == table_region::NoSpot))
        // The spots have no hot key of their own; the key every responder hears must not
        // put a bet down either, so it goes on to whoever else wants it.
        return 0;
    const bool held = HeldClicks.IsHandingOn() && Acts(kind);
    if ((seatArea || table_region::IsSpotId(id)) && Acts(kind)) {
        if (!held && ClickMustWait()) {
            // Heard again in its turn; the mouse is up, so the region lets it go now.
            event->ReleaseMouse();
            HeldClicks.HoldClick(*event, kind, event->GetPoint(), TurnNow());
            return 1;
        }
        if (held && !TakeHeldTurn())
            return 1;
    }
    if (seatArea)
        return RoundInput->DispatchSeatArea(*event) ? 1 : 0;
    if (table_region::IsSpotId(id)) {
        const bool taken = RoundInput->DispatchSpot(*event, static_cast<u16>(spot), held);
        // The mouse is up: a click made at once after this one goes to the spot it is made on.
        if (kind == JEK_LBUTTONUP)
            event->ReleaseMouse();
        return taken ? 1 : 0;
    }
    if (id == LayoutRegion) {
        if (kind == JEK_HOVER_LEAVE)
            SetTableCursor(0);
        else if (kind == JEK_HOVER_ENTER)
            ChooseLayoutCursor();
    }
    return 1;
}

void TCasinoCGameLord::ShowBoard(i16 message) {
    if (MessageDisplay != nullptr)
        MessageDisplay->ShowMessage(static_cast<TCasMessageId>(message), TMoney(), 0);
}

void TCasinoCGameLord::ShowHoverHelp(i16 spot) {
    using namespace table_spot;
    const bool comingOut = ComeOutFlag == 1;
    auto show = [this](int message) { ShowBoard(static_cast<i16>(message)); };
    switch (spot) {
    case PassLine:
        comingOut ? show(3) : ShowOddsByPoint(0);
        return;
    case DontPass:
        comingOut ? show(4) : ShowOddsByPoint(1);
        return;
    case Come:
        if (!comingOut)
            show(5);
        return;
    case DontCome:
        if (!comingOut)
            show(6);
        return;
    case Field:
        show(21);
        return;
    case Big6:
        show(19);
        return;
    case Big8:
        show(20);
        return;
    case AnyCraps:
        show(45);
        return;
    case AnySeven:
        show(44);
        return;
    case CrapsEleven:
        show(51);
        return;
    case Horn:
        show(50);
        return;
    default:
        break;
    }
    if (spot >= FirstOneRoll && spot < FirstHard) {
        show(46 + (spot - FirstOneRoll));
    } else if (spot >= FirstHard && spot <= LastHard) {
        show(40 + (spot - FirstHard));
    } else if (spot >= FirstBuy && spot < FirstComeNumber) {
        const int box = spot - FirstBuy;
        const int pair = BoxNumberPair(BoxNumberSums[box]);
        show((BetOptions[static_cast<size_t>(pair)] != 0 ? BuyHelp : PlaceHelp) + box);
    } else if (spot >= FirstComeNumber && spot < FirstLay) {
        if (!comingOut)
            ShowOddsByPoint(static_cast<u16>(2 + (spot - FirstComeNumber)));
    } else if (spot >= FirstLay && spot < FirstDontComeNumber) {
        show(34 + (spot - FirstLay));
    } else if (spot >= FirstDontComeNumber && spot < CrapsEleven) {
        if (!comingOut)
            ShowOddsByPoint(static_cast<u16>(8 + (spot - FirstDontComeNumber)));
    }
}

void TCasinoCGameLord::ShowOddsByPoint(u16 k) {
    if (k > 13)
        return;
    const int group = k <= 1 ? k : (k <= 7 ? 2 : 3);
    const i16 sum = k <= 1 ? Point : BoxNumberSums[k <= 7 ? k - 2 : k - 8];
    const int pair = BoxNumberPair(sum);
    if (pair < 0)
        return;
    ShowBoard(static_cast<i16>(OddsHelp[group] + pair));
}

void TCasinoCGameLord::SetTableCursor(u32 cursor) {
    TMediaServices* services = TMediaServices::Current();
    TCursorMgr* cursors = services != nullptr ? services->GetCursorMgr() : nullptr;
    if (cursors == nullptr)
        return;
    cursors->SetCursorData(CURSOR_SLOT_REGION,
                           cursor != 0 ? TCursorData(TJorpApp::GetApp(), cursor) : TCursorData(),
                           true);
}

bool TCasinoCGameLord::LastBetFits() const {
    const TCasinoCPlayer* player = GetCrapsPlayer(CurrentSeat);
    return player != nullptr && player->LastBet.GetValue() > 0.0 &&
           player->LastBet <= GetBankroll(CurrentSeat);
}

void TCasinoCGameLord::ChooseSpotCursor(i16 spotIndex) {
    // With nobody betting there is no gambler whose chips the cursor could speak of.
    const TCBetSpot* spot = GetBetSpot(spotIndex);
    if (CurrentSeat < 0 || spot == nullptr)
        return;
    const bool placing = PlacingBets != 0;
    const TMoney probe(2.0);
    const bool accepts = spot->CanAddChips(CurrentSeat, probe, ComeOutFlag, Point);
    const bool givesBack = spot->CanRemoveChips(CurrentSeat, probe, ComeOutFlag, Point);
    const bool inHand = BetInHand.GetValue() > 0.0;
    const bool lastFits = LastBetFits();
    if (placing && inHand && accepts)
        SetTableCursor(table_cursor::CanBet);
    else if (!placing && givesBack)
        SetTableCursor(table_cursor::TakeBack);
    else if (placing && BetInHand.WholeDollars() == 0 && lastFits && accepts)
        SetTableCursor(table_cursor::CanBet);
    else if (inHand || lastFits)
        SetTableCursor(placing ? table_cursor::NotHere : table_cursor::NothingBack);
    else if (!placing)
        SetTableCursor(table_cursor::NothingBack);
}

void TCasinoCGameLord::ChooseLayoutCursor() {
    if (CurrentSeat < 0)
        return;
    const bool placing = BettingOpen != 0 && PlacingBets != 0;
    const bool takingDown = BettingOpen != 0 && PlacingBets == 0;
    if (placing && (BetInHand.GetValue() > 0.0 || LastBetFits()))
        SetTableCursor(table_cursor::NotHere);
    else if (takingDown)
        SetTableCursor(table_cursor::NothingBack);
}

i32 TCasinoCGameLord::EvButton(u16 button, i32 code, u32) {
    const auto id = static_cast<i16>(button);
    if (code == TCasButton::CodeDisabled) {
        if (id == RollButton && GetBankroll(CurrentSeat).WholeDollars() == 0)
            NoCashNotice();
        return 1;
    }
    const bool release =
        code == TCasButton::CodeLeftRelease || code == TCasButton::CodeRightRelease;
    if ((id == RollButton || id == TCasButton::IdReleasedOutside) && release) {
        LastButtonCode = TCasButton::IdReleasedOutside;
        ButtonBusy = 0;
        return 1;
    }
    LastButtonCode = static_cast<i16>(code);
    if (code == TCasButton::CodePress) {
        if (id == RollButton && TableHasAnyBet())
            ButtonFlags[RollButton] = 1;
        return 1;
    }
    if (id < 0 || id >= ButtonCount)
        return 1;
    if (id == table_button::Statistics)
        TJorpMsgPacket::General(StatisticsCommand, 0, WM_COMMAND).PostToMainWindow();
    ButtonFlags[static_cast<size_t>(id)] = 1;
    return 1;
}

bool TCasinoCGameLord::RoundsHoldClick() const {
    TState* state = GetOwnState();
    while (state != nullptr && state->GetSubState() != nullptr)
        state = state->GetSubState();
    const auto* round = dynamic_cast<const TCLordState*>(state);
    return round != nullptr && round->GetClickPending() != 0;
}

bool TCasinoCGameLord::RoundsWait() const {
    return RoundsHoldClick() || (RoundInput != nullptr && RoundInput->ClicksWait());
}

bool TCasinoCGameLord::ClickMustWait() const {
    return ButtonBusy != 0 || !HeldClicks.IsEmpty() || RoundsWait();
}

THeldTurn TCasinoCGameLord::TurnNow() const {
    const TGamblerRecordView record = GetSeatRecord(CurrentSeat);
    const TCasinoCPlayer* player = GetCrapsPlayer(CurrentSeat);
    const THeldHand hand{BetInHand, player != nullptr ? player->LastBet : TMoney()};
    return {CurrentSeat, record ? record.GetName() : std::string(), hand};
}

bool TCasinoCGameLord::TakeHeldTurn() {
    const THeldTurn* next = HeldClicks.NextTurn();
    const bool noted = next != nullptr;
    const THeldTurn turn = noted ? *next : THeldTurn{};
    const TGamblerRecordView record = GetSeatRecord(turn.Seat);
    switch (HeldClicks.TakeTurn(CurrentSeat, record ? record.GetName() : std::string())) {
    case EHeldClick::LetGo:
        return false;
    case EHeldClick::TurnBack:
        RefreshSeat(turn.Seat);
        break;
    case EHeldClick::Take:
        break;
    }
    if (noted)
        GiveBackHeldHand(turn);
    return true;
}

// The round's start emptied the hand and showed the last bet trimmed to the bankroll; the
// click was made seeing the hand before that, and bets it as a click made then would have.
void TCasinoCGameLord::GiveBackHeldHand(const THeldTurn& turn) {
    TCasinoCPlayer* player = GetCrapsPlayer(CurrentSeat);
    if (player == nullptr)
        return;
    const std::optional<THeldHand> seen =
        HeldClicks.HandSeen(turn, CurrentSeat, GetBankroll(CurrentSeat));
    if (!seen)
        return;
    player->LastBet = seen->LastBet;
    SetHand(seen->InHand);
    ShowBetAmount(BetInHand.GetValue() > 0.0 ? BetInHand : player->LastBet);
}

void TCasinoCGameLord::Tick(u32 tick) {
    TCasinoGameLord::Tick(tick);
    HeldClicks.EndRunWhenEmpty();
    if (ButtonBusy != 0 || HeldClicks.IsEmpty() || RoundsWait())
        return;
    HeldClicks.HandOnFirst();
}

u8 TCasinoCGameLord::GetButtonFlag(i16 button) const {
    return button >= 0 && button < ButtonCount ? ButtonFlags[static_cast<size_t>(button)] : 0;
}

void TCasinoCGameLord::ClearButtonFlag(i16 button) {
    if (button >= 0 && button < ButtonCount)
        ButtonFlags[static_cast<size_t>(button)] = 0;
    auto* window = dynamic_cast<TJorpModeWindow*>(GetModeWindow());
    if (button == table_button::WindowSize) {
        if (TJorpGameFrameWindow* frame = window != nullptr ? window->GetFrame() : nullptr)
            frame->CmEscape();
    } else if (button == table_button::Help) {
        if (window != nullptr)
            window->CmHelp();
    } else if (button == TalkButton) {
        TalkSetting = static_cast<i16>((TalkSetting + 1) % 4);
    }
    ButtonBusy = 0;
}
