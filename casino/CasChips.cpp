// TCasChips: reading the rack, and its chips coming in, going out and being changed.
#include "casino/CasChips.h"

#include "engine/media/Anm.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chips {

i64 ClampedDollars(TMoney amount) {
    constexpr i64 Most = std::numeric_limits<i32>::max();
    return std::clamp<i64>(amount.WholeDollars(), 0, Most);
}

TMoney Clamped(TMoney amount) {
    const double v = amount.GetValue();
    if (std::isnan(v) || v < 0.0)
        return TMoney();
    constexpr double Most = std::numeric_limits<i32>::max();
    return v > Most ? TMoney(Most) : amount;
}

TChipCounts Split(i64 dollars) {
    TChipCounts counts{};
    // Taking a larger amount off than there is (or adding a smaller one) moves no chips.
    dollars = dollars > 0 ? dollars % Drawn : 0;
    for (i16 k = StackCount - 1; k >= 0; --k) {
        counts[static_cast<size_t>(k)] = static_cast<i16>(dollars / Values[k]);
        dollars %= Values[k];
    }
    return counts;
}

void ShowCount(TAnm& stack, i16 count) {
    if (count <= 0) {
        stack.Hide();
        return;
    }
    // A stack has no picture for more than ten chips; the tallest stands in for them.
    stack.GetCurrentData().CurrentFrame = static_cast<u16>(std::min(count, MostPerStack) - 1);
    stack.SelectFrame();
    stack.Show();
}

} // namespace chips

namespace {

using chips::StackCount;
using chips::Values;

// Chips of a stack that are exchanged for one chip of the next stack when it would overflow:
// five ones make a five, five fives a quarter, four quarters a hundred, ten of the rest the
// next one up (ten ten-thousands leave the picture).
constexpr i16 ExchangeRate[StackCount] = {5, 5, 4, 10, 10, 10};

i16 StackOf(i32 value) {
    for (i16 k = 0; k < StackCount; ++k)
        if (Values[k] == value)
            return k;
    return -1;
}

bool IsRailMix(const TChipCounts& counts) {
    return std::all_of(counts.begin(), counts.end(),
                       [](i16 c) { return c >= 0 && c <= chips::MostPerStack; });
}

i64 ValueOf(const TChipCounts& counts) {
    i64 sum = 0;
    for (i16 k = 0; k < StackCount; ++k)
        sum += static_cast<i64>(counts[static_cast<size_t>(k)]) * Values[k];
    return sum;
}

} // namespace

TCasChips::TCasChips(TJorpOwner* owner, const TFileMode& mode) : TSprite(owner, mode) {}

TCasChips::TCasChips(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address)
    : TSprite(owner, mode), Address(address) {}

TCasChips::~TCasChips() = default;

void TCasChips::Build() {
    ReadDriven(Address);
    Address = {};
    Hide();
    BindStacks();
    BindSounds();
}

void TCasChips::BindStacks() {
    for (i16 k = 0; k < StackCount; ++k) {
        TAnm* stack = GetAnm(k);
        if (stack == nullptr)
            FatalAnmSetup("CasChips", "Chips", k);
        stack->Pin();
        Stacks[k] = stack;
    }
}

void TCasChips::BindSounds() {
    for (i16 i = 0; i < 3; ++i)
        ChipSounds[i] = GetWav(i);
}

void TCasChips::HideStacks() {
    for (TAnm* stack : Stacks)
        stack->Hide();
}

i16 TCasChips::GetCount(i16 i) const {
    return i >= 0 && i < StackCount ? Counts[static_cast<size_t>(i)] : i16{0};
}

void TCasChips::ShowStack(i16 k) {
    chips::ShowCount(*Stacks[k], Counts[static_cast<size_t>(k)]);
}

void TCasChips::ShowAllStacks() {
    for (i16 k = 0; k < StackCount; ++k)
        ShowStack(k);
}

void TCasChips::SetAmount(TMoney amount, i16 ones, i16 fives, i16 quarters, i16 hundreds,
                          i16 thousands, i16 tenThousands, u8 sound) {
    HideStacks();
    amount = chips::Clamped(amount);
    const TChipCounts mix = {ones, fives, quarters, hundreds, thousands, tenThousands};
    // The stacks stand for whole dollars; cents of the bankroll have no chip.
    if (IsRailMix(mix) && ValueOf(mix) == chips::ClampedDollars(amount)) {
        AmountShown = amount;
        Counts = mix;
    } else {
        AmountShown = TMoney();
        Counts = {};
    }
    BuildStacks(amount, sound);
}

void TCasChips::BuildStacks(TMoney amount, u8 sound) {
    amount = chips::Clamped(amount);
    if (amount.GetValue() == 0.0) {
        HideStacks();
        AmountShown = TMoney();
        Counts = {};
        return;
    }
    if (amount > AmountShown) {
        AddChips(amount, sound);
    } else if (amount < AmountShown) {
        RemoveChips(amount);
    } else {
        ShowAllStacks();
        ClearFlags(JOF_TIMED_ON);
    }
}

void TCasChips::AddChips(TMoney amount, u8 sound) {
    amount = chips::Clamped(amount);
    const TChipCounts in =
        chips::Split(chips::ClampedDollars(amount) - chips::ClampedDollars(AmountShown));
    if (sound != 0) {
        i32 total = 0;
        for (i16 c : in)
            total += c;
        const i16 wave = total == 1 ? 0 : total <= 4 ? 1 : 2;
        if (total > 0 && ChipSounds[wave] != nullptr)
            PlayWavAt(wave);
    }
    i16 carry = 0;
    for (i16 k = 0; k < StackCount; ++k) {
        const i16 c = static_cast<i16>(in[static_cast<size_t>(k)] + carry);
        carry = 0;
        if (c <= 0)
            continue;
        i16& count = Counts[static_cast<size_t>(k)];
        if (count + c <= chips::MostPerStack) {
            count = static_cast<i16>(count + c);
        } else {
            count = static_cast<i16>(count + c - ExchangeRate[k]);
            carry = k + 1 < StackCount ? i16{1} : i16{0};
        }
        ShowStack(k);
    }
    AmountShown = amount;
    ClearFlags(JOF_TIMED_ON);
}

void TCasChips::RemoveChips(TMoney amount) {
    amount = chips::Clamped(amount);
    const TChipCounts out =
        chips::Split(chips::ClampedDollars(AmountShown) - chips::ClampedDollars(amount));
    for (i16 k = 0; k < StackCount; ++k) {
        const i16 c = out[static_cast<size_t>(k)];
        i16& count = Counts[static_cast<size_t>(k)];
        if (c > 0) {
            if (count - c > 0 || BreakChip(Values[k])) {
                count = static_cast<i16>(count - c);
            } else if (count == c) {
                count = 0;
            } else {
                // No change to be had: half-taken stacks would no longer add up to any
                // amount, so the rack starts again from the fewest chips for the new one.
                Counts = chips::Split(chips::ClampedDollars(amount));
                ShowAllStacks();
                break;
            }
        }
        ShowStack(k);
    }
    AmountShown = amount;
    ClearFlags(JOF_TIMED_ON);
}

bool TCasChips::BreakChip(i32 value) {
    const i16 v = StackOf(value);
    if (v < 0)
        return false;
    // A chip of 100,000 or more that the stacks cannot show.
    const auto hiddenChip = [&] {
        i64 drawn = 0;
        for (i16 k = 0; k < StackCount - 1; ++k)
            drawn += static_cast<i64>(Counts[static_cast<size_t>(k)]) * Values[k];
        return (chips::ClampedDollars(AmountShown) - drawn) / chips::Drawn != 0;
    };
    // A stack of two or more is broken before one would be emptied.
    for (const i16 least : {i16{2}, i16{1}}) {
        for (i16 f = static_cast<i16>(v + 1); f < StackCount; ++f) {
            i16& count = Counts[static_cast<size_t>(f)];
            if (least == 2 ? count >= 2 : count == 1) {
                ChangeChip(Values[f], value);
                --count;
                return true;
            }
        }
        if (hiddenChip()) {
            ChangeChip(static_cast<i32>(chips::Drawn), value);
            return true;
        }
    }
    return false;
}

void TCasChips::ChangeChip(i32 from, i32 value) {
    const i16 v = StackOf(value);
    if (v < 0 || from <= value)
        return;
    ++Counts[static_cast<size_t>(v)];
    i32 rest = from - value;
    for (i16 k = StackCount - 1; k >= 0; --k) {
        Counts[static_cast<size_t>(k)] =
            static_cast<i16>(Counts[static_cast<size_t>(k)] + rest / Values[k]);
        rest %= Values[k];
    }
}
