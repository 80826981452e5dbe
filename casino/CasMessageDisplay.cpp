// TCasMessageDisplay: which message, icon and amount each board message shows.
#include "casino/CasMessageDisplay.h"

#include "engine/media/Anm.h"

#include <algorithm>
#include <array>

namespace {

// How far an amount's dollar sign stands left of its units digit, in pixels. "$0" stands as
// "$5" does, though it counts no characters; a sign in the place past an undrawn separator
// keeps 5 pixels of that place.
i32 SignDistance(i32 dollars) {
    const i16 count = TCasAmountLayout::CharacterCount(dollars);
    const bool pastSeparator = count == 3 || count == 7 || count == 11;
    return 8 * std::max<i16>(count, 1) + (pastSeparator ? 5 : 0);
}

constexpr TCasMessageId FirstPayoutId = 52;
constexpr TCasMessageId LastPayoutId = 92;
constexpr TCasMessageId OddsReturnedId = 93;
constexpr TCasMessageId FirstLineOddsId = 152;
constexpr TCasMessageId LastLineOddsId = 155;

// Icon numbers of the payout messages 52 to 92 that do not depend on the roll (0: they do).
// Place 6 and 8 pay 7:6 and have an icon of their own, not the 6:5 of the odds.
constexpr std::array<u8, LastPayoutId - FirstPayoutId + 1> PayoutIcons = {
    4,  4,  4,  4,         // 52-55 line bets, even money
    0,  0,  0,  0,         // 56-59 by the roll
    4,  4,                 // 60, 61
    0,                     // 62 the field, by the roll
    5,  6,  7,  7,  6,  5, // 63-68 buy
    9,  10, 8,  8,  10, 9, // 69-74 place
    1,  2,  3,  3,  2,  1, // 75-80 lay
    13, 14, 14, 13,        // 81-84 hardways
    12, 13,                // 85 any seven, 86 any craps
    16, 15, 15, 16,        // 87-90 the 2, 3, 11 and 12
    0,  0};                // 91 horn, 92 C and E, by the roll

// Icon frames of the second set's ids 13 to 23.
constexpr std::array<u16, 11> Set2IconFrames = {7, 6, 5, 4, 3, 2, 1, 1, 0, 0, 0};

} // namespace

TCasMessageDisplay::TCasMessageDisplay(TJorpOwner* owner, const TFileMode& mode)
    : TSprite(owner, mode) {}

TCasMessageDisplay::TCasMessageDisplay(TJorpOwner* owner, const TFileMode& mode,
                                       TEmbeddedAddress address)
    : TSprite(owner, mode), Address(address) {}

TCasMessageDisplay::~TCasMessageDisplay() = default;

void TCasMessageDisplay::Build() {
    ReadDriven(Address);
    Address = {};
    Hide();
    BindParts();
}

void TCasMessageDisplay::BindParts() {
    Amount.Bind(*this, "CasMessageDisplay");
    for (i16 i = MessagePart; i <= IconPart; ++i)
        if (GetAnm(i) == nullptr)
            FatalAnmSetup("CasMessageDisplay", "Parts", i);
    Message = GetAnm(MessagePart);
    Icon = GetAnm(IconPart);
    Message->Pin();
    Icon->Pin();
}

void TCasMessageDisplay::HideAll() {
    for (int k = 0; k < TCasAmountLayout::PlaceCount; ++k)
        GetPlace(k)->Hide();
    Message->Hide();
    Icon->Hide();
    for (int j = 0; j < TCasAmountLayout::SeparatorCount; ++j)
        GetSeparator(j)->Hide();
}

u32 TCasMessageDisplay::NumberIcon(i64 n) {
    if (n > 100) {
        const i64 total = n / 100;
        // The field pays 2:1 on a 2 and 3:1 on a 12.
        return total == 2 ? 5 : total == 12 ? 11 : 4;
    }
    switch (n) {
    case 4:
    case 10:
        return 5;
    case 5:
    case 9:
        return 6;
    case 6:
    case 8:
        return 7;
    case -4:
    case -10:
        return 1;
    case -5:
    case -9:
        return 2;
    case -6:
    case -8:
        return 3;
    default:
        return 4;
    }
}

u32 TCasMessageDisplay::PayoutIcon(TCasMessageId id, i64 total) {
    switch (id) {
    case 56:
    case 58:
        return NumberIcon(total);
    case 57:
    case 59:
        return NumberIcon(-total);
    case 62:
        return NumberIcon(total * 100);
    case 91:
        return total == 2 || total == 12 ? 16 : 15;
    case 92:
        return total == 11 ? 15 : 13;
    default:
        return PayoutIcons[id - FirstPayoutId];
    }
}

void TCasMessageDisplay::SetIcon(u32 iconNumber) {
    // The lay ratios come after the odds and even money in the icon's frames.
    constexpr std::array<u16, 8> FirstFrames = {0, 4, 5, 6, 0, 1, 2, 3};
    if (iconNumber >= 1 && iconNumber <= 7)
        SetIconFrame(FirstFrames[iconNumber]);
    else if (iconNumber >= 8 && iconNumber <= 16)
        SetIconFrame(static_cast<u16>(iconNumber - 1));
}

void TCasMessageDisplay::SetIconFrame(u16 frame) {
    Icon->GetCurrentData().CurrentFrame = frame;
    Icon->SelectFrame();
}

void TCasMessageDisplay::SetMessageFrame(u32 frame) {
    Message->GetCurrentData().CurrentFrame = static_cast<u16>(frame);
    Message->SelectFrame();
}

void TCasMessageDisplay::ShowMessage(TCasMessageId id, TMoney amount, i32 sumIndex) {
    HideAll();
    const i64 total = i64{sumIndex} + 2;
    if (id < FirstPayoutId || id == OddsReturnedId) {
        SetMessageFrame(id);
    } else if (id <= LastPayoutId) {
        SetMessageFrame(id);
        SetIcon(PayoutIcon(id, total));
        ShowAmount(amount, 1);
    } else if (id >= FirstLineOddsId && id <= LastLineOddsId) {
        SetMessageFrame(id - 100);
        ShowAmount(amount, 0);
    }
    // Any other id shows the last message again, alone.
    Message->Show();
    ClearFlags(JOF_TIMED_ON);
}

void TCasMessageDisplay::ShowMessageSet2(TCasMessageId id, TMoney amount, u32) {
    HideAll();
    if (id <= 43)
        SetMessageFrame(id);
    if (id >= 13 && id <= 23) {
        SetIconFrame(Set2IconFrames[id - 13]);
        ShowAmount(amount, 1);
    }
    Message->Show();
    ClearFlags(JOF_TIMED_ON);
}

void TCasMessageDisplay::ShowFrame(u16 frame) {
    HideAll();
    SetMessageFrame(frame);
    Message->Show();
    ClearFlags(JOF_TIMED_ON);
}

void TCasMessageDisplay::ShowFrameAmount(u32 frame, TMoney amount, u8 flag) {
    HideAll();
    SetMessageFrame(frame);
    if (frame == FirstPayoutId) {
        SetIconFrame(flag != 0 ? 1 : 0);
        ShowAmount(amount, 1);
    }
    Message->Show();
    ClearFlags(JOF_TIMED_ON);
}

void TCasMessageDisplay::ShowAmount(TMoney amount, u8 showIcon) {
    const i32 dollars = TCasAmountLayout::Dollars(amount);
    // The amount is centred in the board's 188-pixel line and the icon stands 3 pixels left of
    // its dollar sign: placed by a count of characters that were not all drawn, it covered
    // the sign.
    const i32 sign = SignDistance(dollars);
    const auto shift = static_cast<i16>((188 - (sign + 41)) / 2);
    Amount.Lay(dollars, shift);
    HomeCasPartX(*Icon);
    MoveCasPartX(*Icon, 156 - (sign + shift + 20));
    if (showIcon != 0)
        Icon->Show();
    ClearFlags(JOF_TIMED_ON);
}
