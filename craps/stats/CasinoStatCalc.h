// TCasinoStatCalc: turns a gambler's sessions into the texts of the statistics table and the
// number series of the graphs; the rows every casino game shares live here.
#pragma once

#include "engine/foundation/Money.h"
#include "platform/host/Types.h"

#include <array>
#include <string>

class TCasinoCData;
class TCasinoPlayerData;
class TCCSession;
class TStatCalcOwner;

// The drivers run the passes in a fixed order because later rows read earlier ones: the
// average bet reads the bet counts, Return % and the hourly rate read the won/lost values,
// and the hourly rate reads the seconds after they were raised to a minute. A game's
// calculator gathers the sessions and adds its own rows through the protected slots.
class TCasinoStatCalc {
public:
    static constexpr int MaxSessions = 20;
    // Row ids run 1..LastStatId; the text table is indexed by id.
    static constexpr int LastStatId = 138;

    // A null owner gives no record, ever: every pass then leaves the texts as they are.
    explicit TCasinoStatCalc(TStatCalcOwner* owner);
    virtual ~TCasinoStatCalc();
    TCasinoStatCalc(const TCasinoStatCalc&) = delete;
    TCasinoStatCalc& operator=(const TCasinoStatCalc&) = delete;

    // Takes the owner's record again and gathers its sessions; the next passes recompute.
    void Refresh();
    // Refresh, then the compute pass.
    void Calculate();
    // The format pass over what the last compute pass left; does not refresh.
    void Format();
    // Recomputes and reformats from the records as they are now and copies into the grid.
    void FillDialog();

    // Sessions in view minus one; -1 when there are none. Valid after Refresh.
    int GetLastIndex() const { return LastIndex; }

    // Writes the values of at most `capacity` sessions, oldest first, for a graphable id.
    // The base graphs nothing.
    virtual bool GetGraphData(int id, float* values, int capacity);

    // Cell rules shared by every game's rows.
    static std::string FormatDateCell(u32 time);
    // Month, day and two-digit year: the year less 1900 before 2000, less 2000 from then on.
    static std::string FormatDateText(u32 month, u32 day, u32 year);
    static std::string FormatHoursCell(u32 seconds);
    static std::string FormatIntCell(i32 value);
    static std::string FormatLongCell(i32 value);
    // Whole dollars, no cents or separators; a non-number or infinite amount shows $0.
    static std::string FormatMoney(double amount);
    // Two decimals; a non-number or infinite value shows 0.00.
    static std::string FormatFloatCell(float value);

    // Arithmetic of the rows: every divisor of 0 gives the default.
    static float RatioOf(double numerator, double denominator, float dflt);
    static float PercentOf(double numerator, double denominator, float dflt);
    // (won or lost + bet) / bet * 100 over whole dollars.
    static float ReturnPercent(i64 wonLost, i64 bet, float dflt);
    static float PerHour(i64 wonLost, u32 seconds, float dflt);
    static double AverageMoney(double sum, i32 count, double dflt);
    // Whole dollars toward zero; 0 for a non-number or an infinite amount, so that a damaged
    // record cannot poison a maximum or a minimum.
    static i64 Dollars(double amount);
    static i64 Dollars(TMoney amount) { return Dollars(amount.GetValue()); }
    // Single precision, saturating at the float range; a non-number gives 0.
    static float ToFloat(double value);

protected:
    struct TRowTexts {
        std::array<std::string, MaxSessions> Sessions;
        std::string Cumulative;
    };

    virtual void BeginCompute() {}
    virtual void BeginFormat() {}
    virtual void EndCompute() {}
    virtual void EndFormat() {}
    virtual void CopyToDialog() {}
    virtual void ComputeAll();
    virtual void FormatAll();
    // A game's calculator knows where its sessions are; the base has none to give.
    virtual void GetSessionPtrs();
    virtual void ComputeDate();
    virtual void FormatDate();
    virtual void FormatHoursPlayed();
    virtual void ComputeHoursPlayed();
    virtual std::string GetGameName(i16 gameCode, TMoney betUnit);
    virtual void FormatGameType();
    virtual void ComputeGameType() {}
    virtual void FormatTotalBets();
    virtual void ComputeTotalBets();
    virtual void FormatTotalAmountBet();
    virtual void ComputeTotalAmountBet();
    virtual void FormatAverageBet();
    virtual void ComputeAverageBet();
    virtual void FormatStartingBankroll();
    virtual void ComputeStartingBankroll();
    virtual void FormatEndingBankroll();
    virtual void ComputeEndingBankroll();
    virtual void FormatWonLost();
    virtual void ComputeWonLost();
    virtual void FormatReturnPct();
    virtual void ComputeReturnPct();
    virtual void FormatWonLostPerHour();
    virtual void ComputeWonLostPerHour();
    virtual void FormatPeakLevel();
    virtual void ComputePeakLevel();
    virtual void FormatLowLevel();
    virtual void ComputeLowLevel();

    int SessionCount() const { return LastIndex + 1; }
    const TCCSession& SessionAt(int position) const {
        return *Sessions[static_cast<size_t>(position)];
    }
    bool IsOpenAt(int position) const;
    // The gambler's bankroll now: what the money rows show with no session in view.
    double CurrentBankroll() const;
    TRowTexts& Row(int id) { return Texts[static_cast<size_t>(id)]; }
    const TRowTexts& Row(int id) const { return Texts[static_cast<size_t>(id)]; }

    TStatCalcOwner* Owner;
    TCasinoPlayerData* Record = nullptr;
    bool ComputeHookActive = false;
    bool FormatHookActive = false;
    bool Computed = false;
    bool Formatted = false;
    TCasinoCData* History = nullptr;
    std::array<const TCCSession*, MaxSessions> Sessions{};
    int LastIndex = -1;

    // Texts by row id; rows without texts stay empty.
    std::array<TRowTexts, LastStatId + 1> Texts;
    const std::string InPlayText = "in play";
    const std::string EmptyText;

    // Per session, by position.
    std::array<u32, MaxSessions> Seconds{};
    std::array<i32, MaxSessions> BetCount{};
    std::array<double, MaxSessions> AverageBet{};
    std::array<double, MaxSessions> WonLost{};
    std::array<float, MaxSessions> ReturnPct{};
    std::array<double, MaxSessions> WonLostPerHour{};

    // Cumulative.
    u32 LatestStart = 0;
    u32 TotalSeconds = 0;
    i32 TotalBetCount = 0;
    double TotalAmountBet = 0.0;
    double AverageBetAll = 0.0;
    double StartingBankroll = 0.0;
    double EndingBankroll = 0.0;
    bool AnyOpen = false;
    double WonLostAll = 0.0;
    float ReturnPctAll = 0.0f;
    double WonLostPerHourAll = 0.0;
    double PeakLevel = 0.0;
    double LowLevel = 0.0;
};
