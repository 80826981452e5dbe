// TCasinoCGameLord: construction, the table session and round starts, the options copy, the
// table's buttons and the displays every operation refreshes.
#include "craps/table/CrapsGameLord.h"

#include "casino/CasButton.h"
#include "casino/CasCashDisplay.h"
#include "casino/CasChips.h"
#include "casino/CasNamePlate.h"
#include "casino/CasinoPlayerData.h"
#include "craps/table/CrapsAsk.h"
#include "craps/table/CrapsPlayer.h"
#include "craps/table/RoundStates.h"
#include "engine/framework/GObjSp.h"
#include "platform/host/Clock.h"
#include "platform/host/RuntimeRandom.h"

static_assert(THeldTurns::Seats == TCasinoCGameLord::SeatCount);

TCasinoCGameLord::TCasinoCGameLord(TJorpOwner* owner) : TCasinoGameLord(owner, 1, 6) {
    rtl::srand(static_cast<u32>(GetWallSeconds()));
    CurrentSeat = -1;
    Ask = new TCAsk(this);
    BuildRegions();
    auto root = std::make_unique<TCLordMainState>(this);
    RoundInput = root.get();
    InstallState(std::move(root));
}

// The round states work on the lord's fields to their end, so they go while those still exist.
TCasinoCGameLord::~TCasinoCGameLord() {
    RoundInput = nullptr;
    // What waits names regions, which go below, and buttons: none of it is handed on now.
    HeldClicks.Clear();
    DeleteState();
    DeleteRegions();
    delete Ask;
}

TC1GameLord::TC1GameLord(TJorpOwner* owner) : TCasinoCGameLord(owner) {}

TC1GameLord::~TC1GameLord() = default;

void TCasinoCGameLord::LoadSkitLists() {}
void TCasinoCGameLord::BindSprites() {}
void TCasinoCGameLord::TableHook() {}

TCasinoCPlayer* TCasinoCGameLord::GetCrapsPlayer(i16 seat) const {
    return dynamic_cast<TCasinoCPlayer*>(GetSeatPlayer(seat));
}

TCBetSpot* TCasinoCGameLord::GetBetSpot(i16 spot) const {
    return spot >= 0 && spot < SpotCount ? BetSpots[static_cast<size_t>(spot)] : nullptr;
}

TCrapsBetOptions TCasinoCGameLord::CopyBettingOptions(i16 seat) const {
    const TGamblerRecordView record = GetSeatRecord(seat);
    if (!record)
        return BetOptions;
    TCrapsBetOptions options{};
    for (size_t i = 0; i < options.size(); ++i)
        options[i] = record.GetBetOption(i) ? 1 : 0;
    return options;
}

void TCasinoCGameLord::CopyBettingOptions() {
    if (GetSeatPlayerData(CurrentSeat) != nullptr)
        BetOptions = CopyBettingOptions(CurrentSeat);
}

u16 TCasinoCGameLord::StartSession() {
    if (TCasButton* talk = Buttons[TalkButton]) {
        talk->SetUpFrame(11);
        talk->ShowUp();
    }
    PlacingBets = 1;
    BettingOpen = 1;
    StartRegionHover();
    HideAllPlates();
    SetSpriteSetState(1, 0);
    SelectSeat(NextOccupiedSeat(-1));
    ShooterSeat = CurrentSeat;
    const i16 lowest = NextOccupiedSeat(-1);
    if (lowest != -1)
        ShowPlate(lowest);
    ShowBankroll(GetBankroll(lowest));
    for (i16 seat = 0; seat < SeatCount; ++seat) {
        if (GetSeatPlayerData(seat) == nullptr)
            continue;
        BeginSeatSession(seat);
        if (GetBankroll(seat).GetValue() >= OpeningBet)
            if (TCasinoCPlayer* player = GetCrapsPlayer(seat))
                player->LastBet = TMoney(OpeningBet);
    }
    ShowBetAmount(TMoney());
    BetInHand = TMoney();
    DiceLandVariant = 2;
    // Both faces are drawn whether or not the dice are there to show them: the draws belong
    // to the generator's sequence.
    const auto face1 = static_cast<i16>(rtl::rand() % 6);
    const auto face2 = static_cast<i16>(rtl::rand() % 6);
    const i16 saved1 = Die1;
    const i16 saved2 = Die2;
    Die1 = face1;
    Die2 = face2;
    ShowBigDice();
    Die1 = saved1;
    Die2 = saved2;
    if (CurrentSeat != -1 && GetBankroll(CurrentSeat).GetValue() >= OpeningBet) {
        if (TCasinoCPlayer* player = GetCrapsPlayer(CurrentSeat))
            player->LastBet = TMoney(OpeningBet);
        ShowBetAmount(TMoney(OpeningBet));
    }
    CopyBettingOptions();
    ShowButton(TakeDownButton, false);
    return 1;
}

u16 TCasinoCGameLord::StartRound() {
    HeldClicks.NoteRoundStart();
    OddsReturnSpot = 0;
    WinningSpot = 0;
    ShakeCount = 0;
    SetBetButtons(1);
    EnableRegions();
    StandingMessage = 1;
    DiceGiven = 0;
    SessionCloseMode = 0;
    PlayersChangeable = 1;
    BetInHand = TMoney();
    for (i16 seat = 0; seat < SeatCount; ++seat) {
        TCasinoCPlayer* player = GetCrapsPlayer(seat);
        if (player == nullptr || GetSeatPlayerData(seat) == nullptr)
            continue;
        NoteSessionBankroll(seat, true);
        const TMoney bankroll = GetBankroll(seat);
        if (bankroll < player->LastBet)
            player->LastBet = bankroll;
        if (seat == CurrentSeat)
            ShowBetAmount(player->LastBet);
        player->InHand = TMoney();
    }
    if (ComeOutFlag == 1) {
        PointRollCount = 0;
        RecordShootEnd();
        if (Die1 == -1 && Die2 == -1) {
            Die1 = 0;
            Die2 = 0;
        }
    } else {
        PointRollCount = static_cast<u16>(PointRollCount + 1);
        RecordShootRoll();
    }
    RollBeforeLast = LastRoll;
    LastRoll = {Die1, Die2};
    if (ComeOutFlag == 1 && Die1 + Die2 == 5 && PrevComeOutFlag == 0) {
        RefreshSeat(NextOccupiedSeat(ShooterSeat));
        ShooterSeat = CurrentSeat;
        NewShooter = 1;
        ShooterComeOuts = 0;
    } else {
        if (ComeOutFlag == 1)
            ShooterComeOuts = static_cast<u16>(ShooterComeOuts + 1);
        if (FirstRollPending == 0)
            NewShooter = 0;
        RefreshSeat(ShooterSeat);
    }
    PrevComeOutFlag = ComeOutFlag;
    ShowButton(RollButton, TableHasAnyBet());
    return 1;
}

namespace {

// How far ahead of the frame clock a roll settled for leaving the table runs: past the end of
// every skit and pause of the round, so that no step waits.
constexpr u32 SettleLeadTicks = 1u << 24;
// More steps than the longest roll takes (three seats paid on every spot); a round that never
// reaches the next one is given up, leaving the roll as it stands.
constexpr u32 SettleStepLimit = 10000;

} // namespace

// The dice RollDice chose decide: the same states that play the roll run it to the next round's
// start without a frame drawn between, so it pays, takes and counts as a roll played out.
void TCasinoCGameLord::SettleRollInPlay() {
    const TCLordState* root = GetRoundState();
    // A dialog that a round state opened still runs inside that state's update, which must
    // not find its state gone when the dialog returns.
    if (root == nullptr || !root->HoldsRollInPlay() || root->HoldsUpdate())
        return;
    SettlingRoll = 1;
    const u32 now = GetOwnerTick() + SettleLeadTicks;
    for (u32 step = 0; step < SettleStepLimit; ++step) {
        RunState();
        if (!root->HoldsRollInPlay())
            break;
        StateUpdate(now);
    }
    SettlingRoll = 0;
}

// Leaving the table never undoes a roll: one whose dice are out is settled first, which starts
// the next round, so the bets are then left as between rolls. Only a roll that could not be
// settled leaves every bet where it is.
void TCasinoCGameLord::Update() {
    SettleRollInPlay();
    if (SessionCloseMode == 0) {
        for (i16 seat = 0; seat < SeatCount; ++seat)
            if (GetSeatPlayerData(seat) != nullptr)
                UpdateSeat(seat);
    } else if (SessionCloseMode == 1) {
        for (i16 seat = 0; seat < SeatCount; ++seat)
            if (GetSeatPlayerData(seat) != nullptr)
                EndSeatSession(seat);
    }
    TCasinoGameLord::Update();
}

void TCasinoCGameLord::EnableButton(i16 i) {
    if (i >= 0 && i < ButtonCount && Buttons[static_cast<size_t>(i)] != nullptr)
        Buttons[static_cast<size_t>(i)]->SetEnabled(1);
}

void TCasinoCGameLord::DisableButton(i16 i) {
    if (i >= 0 && i < ButtonCount && Buttons[static_cast<size_t>(i)] != nullptr)
        Buttons[static_cast<size_t>(i)]->SetEnabled(0);
}

void TCasinoCGameLord::SetBetButtons(u8 on) {
    for (i16 i = table_button::Clear; i < ButtonCount; ++i)
        if (TCasButton* button = Buttons[static_cast<size_t>(i)])
            button->SetEnabled(on);
}

void TCasinoCGameLord::EnableAllButtons() {
    for (i16 i = 0; i < ButtonCount; ++i)
        EnableButton(i);
}

void TCasinoCGameLord::DisableAllButtons() {
    for (i16 i = 0; i < ButtonCount; ++i)
        DisableButton(i);
}

void TCasinoCGameLord::ShowButton(i16 i, bool enabled) {
    TCasButton* button = i >= 0 && i < ButtonCount ? Buttons[static_cast<size_t>(i)] : nullptr;
    if (button == nullptr)
        return;
    if (enabled)
        button->ShowUp();
    else
        button->ShowDisabled();
}

void TCasinoCGameLord::ShowBankroll(TMoney amount) {
    if (BankCashDisplay != nullptr)
        BankCashDisplay->SetAmount(amount);
}

void TCasinoCGameLord::ShowBetAmount(TMoney amount) {
    if (BetAmountDisplay != nullptr)
        BetAmountDisplay->SetAmount(amount);
}

void TCasinoCGameLord::ShowPlate(i16 seat) {
    if (seat >= 0 && seat < SeatCount && NamePlates[static_cast<size_t>(seat)] != nullptr)
        NamePlates[static_cast<size_t>(seat)]->SetName(SeatName(seat));
}

void TCasinoCGameLord::HidePlate(i16 seat) {
    if (seat >= 0 && seat < SeatCount && NamePlates[static_cast<size_t>(seat)] != nullptr)
        NamePlates[static_cast<size_t>(seat)]->HideName();
}

void TCasinoCGameLord::HideAllPlates() {
    for (i16 seat = 0; seat < SeatCount; ++seat)
        HidePlate(seat);
}
