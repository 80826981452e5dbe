// TCasinoCGameLord: the game lord of a craps table (seats, the bet in hand, the roll and its
// payoff) and TC1GameLord, the lord of table 1.
#pragma once

#include "casino/CasPressQueue.h"
#include "casino/CasinoGameLord.h"
#include "craps/bets/BetOptions.h"
#include "craps/table/HeldClicks.h"
#include "craps/table/RoundTable.h"
#include "craps/table/TableRegions.h"
#include "craps/table/TableSkitLists.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCAsk;
class TCCSession;
class TCBetPayOff;
class TCBetSpot;
class TCBigDice;
class TCDice;
class TCPuck;
class TCasButton;
class TCRoundInput;
class TCasCashDisplay;
class TCasChips;
class TCasMessageDisplay;
class TCasNamePlate;
class TCasinoCPlayer;
class TMoneyLedger;
class TRSound;
class TResponder;

class TCasinoCGameLord : public TCasinoGameLord {
public:
    static constexpr i16 SpotCount = table_spot::Count;
    static constexpr i16 ButtonCount = table_button::Count;
    // How many click regions the table has, the added pieces among them (TableClickPieces.h).
    static const i16 RegionCount;
    static constexpr i16 ObjectNameCount = 76;
    static constexpr i16 BigDiceCount = 6;
    static constexpr i16 DiceCount = 3;
    // The table limit per spot and seat.
    static constexpr double TableLimit = 100000.0;
    // A gambler who can cover it starts every session with this last bet.
    static constexpr double OpeningBet = 5.0;
    static constexpr i16 TakeDownButton = table_button::TakeDown;
    static constexpr i16 RollButton = table_button::Roll;
    static constexpr i16 TalkButton = table_button::Talk;

    explicit TCasinoCGameLord(TJorpOwner* owner);
    ~TCasinoCGameLord() override;

    // The game leaves the table: a roll whose dice are chosen is settled first, then the bets
    // that may come down come down and the sessions end.
    void Update() override;
    // After the sprites' frame, a press that waited is handed on once what came before it has
    // been taken.
    void Tick(u32 tick) override;
    void SetupSeat(i16 seat) override;
    void UpdateSeat(i16 seat) override;
    // A roll whose dice are chosen is played out first, as leaving the table would.
    void SettleBeforeLeaving() override;
    // The line bets once a point is on, and the come and don't-come stakes on their numbers;
    // nothing while a roll is under way, as the table is then left with every bet in place.
    std::vector<TLeftBet> BetsLeftBehind(i16 seat) const override;
    // The stake of the seat on the spot that a take-down would leave there.
    TMoney StakeLeftBehind(i16 spot, i16 seat) const;
    void SelectSeat(i16 seat) override;

    // Appended virtual operations; the table's own lord fills them.
    virtual void LoadSkitLists();
    virtual void BindSprites();
    virtual void TableHook();

    void RefreshSeat(i16 seat);
    void RefreshNextSeat();
    u16 StartSession();
    u16 StartRound();
    // The current gambler's options; nothing without one.
    void CopyBettingOptions();
    // A seat's own options (bytes above 1 count as on); the copied ones for an empty seat.
    TCrapsBetOptions CopyBettingOptions(i16 seat) const;

    // The bet in hand, placing and taking down.
    u16 AddToBetInHand(TMoney amount);
    u16 TakeFromBetInHand(TMoney amount);
    u16 ClearBetInHand();
    u16 RepeatLastBet();
    // `held`: the click was made while the table held it, and is heard in its turn.
    u16 PlaceBet(i16 spot, bool held = false);
    u16 TakeDownBet(i16 spot);
    static u16 ChipSoundClass(TMoney amount);
    bool SeatHasAnyBet(i16 seat) const;
    bool TableHasAnyBet() const;

    // The roll and its settling, in the order the round runs them.
    void RollDice();
    virtual void RoundHook();
    // Each decided bet of the roll into its gambler's session; called before anything is
    // settled.
    void RecordRollStatistics();
    // What the seat still has on the table after its take-down, into its gambler's session
    // as bets lost; called before the house takes it.
    void RecordForfeits(i16 seat);
    bool SetPoint();
    // The dealer's place-mark skit chosen for the start tick: its duration, and the tick within
    // it at which the puck lands on the point (left as it was without a box-number point).
    void StartPlaceMarkSkit(u32& start, u32& duration, u32& landing);
    bool ReturnOffOdds();
    void TestLosingSpots();
    bool TestWinningSpots();
    bool PayOutSpot(i16 spot);
    virtual void PayoutHook();
    bool IsPointOrSeven();
    void MoveComeBets();

    // The table's dice and buttons.
    void ResetDice();
    void HideDice();
    void ShowBigDice();
    void HideBigDice();
    void EnableButton(i16 i);
    void DisableButton(i16 i);
    void SetBetButtons(u8 on);
    void EnableAllButtons();
    void DisableAllButtons();

    // Null in play.
    void SetMoneyLedger(TMoneyLedger* ledger) { Ledger = ledger; }
    // True while a roll is being settled at once because the table is being left.
    bool IsSettlingRoll() const { return SettlingRoll != 0; }

    TCasinoCPlayer* GetCrapsPlayer(i16 seat) const;
    TMoney GetBetInHand() const { return BetInHand; }
    i16 GetShooterSeat() const { return ShooterSeat; }
    i16 GetDie1() const { return Die1; }
    i16 GetDie2() const { return Die2; }
    i16 GetPoint() const { return Point; }
    u8 GetComeOutFlag() const { return ComeOutFlag; }
    const TCrapsBetOptions& GetBetOptions() const { return BetOptions; }
    i16 GetWinningSpot() const { return WinningSpot; }
    i16 GetOddsReturnSpot() const { return OddsReturnSpot; }
    TCBetSpot* GetBetSpot(i16 spot) const;

    // The root state, made with the lord; the region events go to it.
    class TCLordState* GetRoundState() const;
    // What the round states do to the table beyond the operations above.
    TCRoundTable& GetRoundTable() { return RoundTable; }

    // The advisor: what it would say about a bet or a roll, and the advice shown.
    bool AnyInstructionMode() const;
    // 0 when the spot is no bad bet, else the topic 1 to 18.
    i16 BadBetTopic(u16 spot) const;
    // 0 when every bet of the gamblers in instruction mode has its full free odds, else 1 to 5.
    i16 FreeOddsTopic() const;
    void AskBadBet(u16 spot);
    void AskFreeOdds();
    void AskGeneral();
    // The last advice built; empty before the first.
    const std::string& GetAdviceText() const;

protected:
    // Shows or hides a seat's gambler on the rail, the plates and the displays; each of the
    // table's sprites may be missing while the table is being bound.
    void ShowRack(i16 seat);
    void SaveRackCounts(i16 seat);
    void ShowBankroll(TMoney amount);
    void ShowBetAmount(TMoney amount);
    void ShowPlate(i16 seat);
    void HidePlate(i16 seat);
    void HideAllPlates();
    void ShowButton(i16 i, bool enabled);
    void PlayTableSound(i16 sound);
    void LayOutPayout(i16 seat, TMoney win);
    // Opens or closes the seat's session in its record.
    void BeginSeatSession(i16 seat);
    void EndSeatSession(i16 seat);
    // The seat's current session takes the bankroll as its peak when higher and, when asked,
    // as its low when lower.
    void NoteSessionBankroll(i16 seat, bool low);
    // The round start's shoot bookkeeping: a shoot closed before a come-out roll, a roll
    // counted while a point is on.
    void RecordShootEnd();
    void RecordShootRoll();
    // Each seated seat's current session read, changed and written back in its record. An
    // empty seat, or a current slot outside the ring (a damaged file), is left alone.
    void ChangeSeatSessions(const std::function<void(i16 seat, TCCSession& session)>& change);
    std::string SeatName(i16 seat) const;
    void Notify(const char* caption, const char* text) const;
    void NoCashNotice();
    // The roll the round states hold, played to the next round's start in one go.
    void SettleRollInPlay();
    // The hand of the current seat, the lord's and the seat player's copy together.
    void SetHand(TMoney amount);
    // What the seat has on the spot, stake and odds.
    TMoney SeatMoney(const TCBetSpot& spot, i16 seat) const;

    // Table objects; the sprite list owns them.
    TRSound* SoundSprite = nullptr;
    TCAsk* Ask = nullptr;
    std::array<TCDice*, DiceCount> DiceSprites{};
    TCPuck* PuckSprite = nullptr;
    TCBetPayOff* PayOffSprite = nullptr;
    std::array<TCBetSpot*, SpotCount> BetSpots{};
    std::array<TCBigDice*, BigDiceCount> BigDiceSprites{};
    std::array<TCasNamePlate*, SeatCount> NamePlates{};
    std::array<TCasButton*, ButtonCount> Buttons{};
    TCasMessageDisplay* MessageDisplay = nullptr;
    TCasCashDisplay* BankCashDisplay = nullptr;
    TCasCashDisplay* BetAmountDisplay = nullptr;
    TCasChips* ChipStacks = nullptr;
    std::vector<TResponder*> ClickRegions = std::vector<TResponder*>(RegionCount, nullptr);

    TMoney BetInHand;
    u16 PointRollCount = 0;
    i16 OddsReturnSpot = 0;
    u16 ShooterComeOuts = 0;
    i16 WinningSpot = 0;
    i16 TalkSetting = 3;
    u16 ShakeCount = 0;
    u16 StallCount = 0;
    i16 StandingMessage = 0;
    u16 RollCount = 0;
    i16 LastButtonCode = 0;
    i16 ShooterSeat = 0;
    u16 DiceLandVariant = 0;
    i16 Die1 = -1;
    i16 Die2 = -1;
    std::array<i16, 2> LastRoll{};
    std::array<i16, 2> RollBeforeLast{};
    i16 Point = -1;
    u16 SessionCloseMode = 0;
    u8 ComeOutFlag = 1;
    TCrapsBetOptions BetOptions{};
    u8 PlacingBets = 0;
    u8 BettingOpen = 0;
    u8 NewShooter = 1;
    u8 DiceGiven = 0;
    u8 FirstRollPending = 1;
    u8 PrevComeOutFlag = 0;
    std::array<u8, ButtonCount> ButtonFlags{};
    std::array<std::string, ObjectNameCount> ObjectNames;
    // Round states made so far; each takes the count as its serial.
    u32 RoundStatesMade = 0;
    u8 SettlingRoll = 0;

    TMoneyLedger* Ledger = nullptr;

    // The round states' one way into the fields above.
    friend class TCLordRoundTable;
    TCLordRoundTable RoundTable{*this};

    // Table objects: the catalogue, the factory, the binding.
public:
    static constexpr i16 PickCount = 6;
    // Where a sprite or skit list was not found.
    static constexpr u16 NoIndex = 0xFFFF;

    // The code whose object name equals the name exactly; 0 for none.
    u16 ObjectTypeFromName(const std::string& name) override;
    // The object of the code's class, read from the list's image at the address (from its own
    // file when the address is null), kept in the lord's reference for the code.
    TJorpBase* CreateObject(const std::string& name, u16 type, TEmbeddedAddress address) override;
    // Reads the object names from the program's strings.
    void PrepareObjects() override;

    const std::string& GetObjectName(i16 place) const;
    // Pick-up animations 0 to 5, then the odds animation (6): their sprite-list indices.
    u16 GetPickSprite(i16 n) const;
    // A dealer skit list's index in the catalogue, by its table_skit place.
    u16 GetSkitList(i16 list) const;

    // Dealer skits and skit conditions.
    // Each chooser plays the list the moment calls for at the start tick (moved on when the
    // engine finds a later free tick) and gives its duration; false when no list applies or
    // no skit of it could start. The shooter's lists go by seat: 1 the first, 0 the second, 2
    // the third.
    bool ChooseGiveDiceSkit(u32& start, u32& duration);
    bool ChooseStallSkit(u32& start, u32& duration);
    bool ChooseShakeSkit(u32& start, u32& duration);
    bool ChooseThrowSkit(u32& start, u32& duration);
    // Also draws which of the three big-dice pairs shows the landing.
    bool ChooseDiceLandSkit(u32& start, u32& duration);
    bool ChooseNoComeSkit(u32& start, u32& duration);
    bool ChoosePointComSkit(u32& start, u32& duration);
    // The call of the roll in hand, before the point moves for it.
    bool ChooseResultSkit(u32& start, u32& duration);
    bool ChooseEShakeSkit(u32& start, u32& duration);
    // Closes the table for the throw and starts the shooter's pick-up animation; an empty
    // shooter seat changes nothing.
    bool PlayShooterPickUp(u32& start, u32& duration);
    bool PlayOddsReturn(u32& start, u32& duration);
    // Conditions 0 to 138 answer +1 or -1, every other number 0. Asking changes nothing but
    // the generator's sequence (the chance conditions draw).
    i16 TestSkitCondition(u16 condition) override;

    // Click regions, hover help and the table buttons.
    static constexpr u16 SeatAreaRegion = table_region::SeatAreaId;
    static constexpr u16 LayoutRegion = table_region::LayoutId;
    static constexpr u16 StatisticsCommand = 1022;
    // The regions in their slots, registered with the mode window when it hosts them.
    void BuildRegions();
    void DeleteRegions();
    // Hover help over the spots that open and close with betting.
    void EnableRegions();
    void DisableRegions();
    // The session start's hover: every region but the seat-change area.
    void StartRegionHover();
    // Hover help and the table cursor; clicks go on to the round states. Nothing before the
    // round states exist.
    i32 EvResponder(TResponder* region) override;
    // The odds help for the line bets (k 0, 1) and the come and don't-come points (2 to 13).
    void ShowOddsByPoint(u16 k);
    // One flag per button for the betting state; the Roll button's press, the others' release.
    i32 EvButton(u16 button, i32 code, u32 value) override;
    void ClearButtonFlag(i16 button);
    // Where the region events go: the round states, unless a test listens in their place;
    // null takes every region event and ignores it.
    void SetRoundInput(TCRoundInput* input) { RoundInput = input; }
    TResponder* GetClickRegion(i16 slot) const;
    u8 GetButtonFlag(i16 button) const;
    i16 GetLastButtonCode() const { return LastButtonCode; }
    i16 GetTalkSetting() const { return TalkSetting; }

protected:
    std::array<u16, PickCount + 1> PickSprites{NoIndex, NoIndex, NoIndex, NoIndex,
                                               NoIndex, NoIndex, NoIndex};
    std::array<u16, table_skit::Count> SkitLists{};
    // Set by a table button whose action waits for the betting state; until the state has
    // taken it, the presses and clicks made meanwhile wait in HeldClicks in the order made.
    u8 ButtonBusy = 0;
    THeldClicks HeldClicks;

    // Click regions, hover help and the table buttons.
    TCRoundInput* RoundInput = nullptr;

private:
    // A click of a spot or the seat area waits while something made before it has not been
    // taken (a button's action, a press still queued, a click the betting state holds) or
    // the rounds have not yet come to betting.
    bool ClickMustWait() const;
    // The betting state holds a click it takes on its next update.
    bool RoundsHoldClick() const;
    // The rounds cannot take a click now that they will take in its turn.
    bool RoundsWait() const;
    // The gambler whose turn it is now, and his hand.
    THeldTurn TurnNow() const;
    // A held click heard again goes to the gambler who made it: the turn goes back to him
    // when the table moved it on meanwhile, with the hand he saw when he clicked. False when
    // he has left, and the click goes.
    bool TakeHeldTurn();
    // The hand of the held click's note, when a round started after the click emptied it.
    void GiveBackHeldHand(const THeldTurn& turn);

    // The region an event at its point stands for: of the registered regions there, the one
    // whose click rank comes first (TResponder::ComesBefore).
    TResponder* WinningRegion(TResponder& region) const;
    // The board's help for the spot under the mouse.
    void ShowHoverHelp(i16 spot);
    void ShowBoard(i16 message);
    void SetTableCursor(u32 cursor);
    void ChooseSpotCursor(i16 spot);
    void ChooseLayoutCursor();
    // The current gambler's last bet is above 0 and at most his bankroll.
    bool LastBetFits() const;
};

// Craps table 1: its data files, skit lists and sprite set are named by its binding.
class TC1GameLord : public TCasinoCGameLord {
public:
    explicit TC1GameLord(TJorpOwner* owner);
    ~TC1GameLord() override;

    // Table objects: the catalogue, the factory, the binding.
    // The lord of the game-object file with its table loaded and bound; a table missing
    // anything the game needs ends the program.
    static std::unique_ptr<TC1GameLord> Create(TJorpOwner* owner, const TFileMode& file);
    // The second step after the file is read: the sprite list (which makes every table object)
    // and the skit catalogue the file names, then the binding.
    void LoadTable();
    void LoadSkitLists() override;
    void BindSprites() override;
    void TableHook() override;
};
