// TCasinoStatCalc: the drivers, the cell rules and the arithmetic of the statistics table.
#include "craps/stats/CasinoStatCalc.h"

#include "casino/CasinoPlayerData.h"
#include "craps/stats/StatCalcOwner.h"
#include "platform/host/DateTime.h"
#include "platform/host/MessageBox.h"

#include <cfloat>
#include <cmath>
#include <cstdio>

TCasinoStatCalc::TCasinoStatCalc(TStatCalcOwner* owner) : Owner(owner) {}

TCasinoStatCalc::~TCasinoStatCalc() {
    // The hooks of a derived calculator are gone by now: only the base's (empty) ones close.
    EndCompute();
    EndFormat();
}

void TCasinoStatCalc::Refresh() {
    TCasinoPlayerData* record = Owner != nullptr ? Owner->GetStatRecord() : nullptr;
    EndCompute();
    EndFormat();
    ComputeHookActive = false;
    FormatHookActive = false;
    Record = record;
    Computed = false;
    Formatted = false;
    GetSessionPtrs();
}

void TCasinoStatCalc::Calculate() {
    Refresh();
    if (Record == nullptr || Computed)
        return;
    if (!ComputeHookActive) {
        BeginCompute();
        ComputeHookActive = true;
    }
    ComputeAll();
    Computed = true;
}

void TCasinoStatCalc::Format() {
    if (Record == nullptr || Formatted)
        return;
    if (!FormatHookActive) {
        BeginFormat();
        FormatHookActive = true;
    }
    FormatAll();
    Formatted = true;
}

void TCasinoStatCalc::FillDialog() {
    Refresh();
    Calculate();
    Format();
    if (Record != nullptr)
        CopyToDialog();
}

bool TCasinoStatCalc::GetGraphData(int, float*, int) {
    return false;
}

void TCasinoStatCalc::GetSessionPtrs() {
    MessageBoxExA(Owner != nullptr ? Owner->GetStatWindow() : nullptr,
                  "base GetSessionPtrs() called.\nAbout to blow up.", "Error", MB_OK);
}

bool TCasinoStatCalc::IsOpenAt(int position) const {
    return SessionAt(position).IsOpen();
}

double TCasinoStatCalc::CurrentBankroll() const {
    return Record != nullptr ? Record->GetBankroll() : 0.0;
}

// ---- Cell rules and arithmetic.

std::string TCasinoStatCalc::FormatDateCell(u32 time) {
    const TDate date{TTime(time)};
    return FormatDateText(date.Month(), date.DayOfMonth(), date.Year());
}

std::string TCasinoStatCalc::FormatDateText(u32 month, u32 day, u32 year) {
    const u32 shortYear = year < 2000 ? year - 1900 : year - 2000;
    char text[40];
    std::snprintf(text, sizeof text, "%02u/%02u/%02u", month, day, shortYear);
    return text;
}

std::string TCasinoStatCalc::FormatHoursCell(u32 seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%02u:%02u", seconds / 3600U, seconds % 3600U / 60U);
    return text;
}

std::string TCasinoStatCalc::FormatIntCell(i32 value) {
    return std::to_string(value);
}

std::string TCasinoStatCalc::FormatLongCell(i32 value) {
    return std::to_string(value);
}

std::string TCasinoStatCalc::FormatMoney(double amount) {
    return TMoney(amount).Format(false, false, false);
}

std::string TCasinoStatCalc::FormatFloatCell(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f",
                  std::isfinite(value) ? static_cast<double>(value) : 0.0);
    return text;
}

float TCasinoStatCalc::RatioOf(double numerator, double denominator, float dflt) {
    const float d = ToFloat(denominator);
    return d != 0.0f ? ToFloat(numerator) / d : dflt;
}

float TCasinoStatCalc::PercentOf(double numerator, double denominator, float dflt) {
    const float d = ToFloat(denominator);
    return d != 0.0f ? ToFloat(numerator) / d * 100.0f : dflt;
}

float TCasinoStatCalc::ReturnPercent(i64 wonLost, i64 bet, float dflt) {
    if (bet == 0)
        return dflt;
    // In doubles first: whole dollars pinned at the 64-bit ends must not overflow the sum.
    const float sum = ToFloat(static_cast<double>(wonLost) + static_cast<double>(bet));
    return sum / ToFloat(static_cast<double>(bet)) * 100.0f;
}

float TCasinoStatCalc::PerHour(i64 wonLost, u32 seconds, float dflt) {
    const float hours = static_cast<float>(seconds) * (1.0f / 3600.0f);
    return hours > 0.0f ? ToFloat(static_cast<double>(wonLost)) / hours : dflt;
}

double TCasinoStatCalc::AverageMoney(double sum, i32 count, double dflt) {
    return count != 0 ? sum / count : dflt;
}

i64 TCasinoStatCalc::Dollars(double amount) {
    return std::isfinite(amount) ? TMoney(amount).WholeDollars() : 0;
}

float TCasinoStatCalc::ToFloat(double value) {
    if (std::isnan(value))
        return 0.0f;
    if (value > FLT_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(value);
}
