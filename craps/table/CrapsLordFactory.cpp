// TCasinoCGameLord: the table objects by name and by code, made in two steps and kept in the
// lord's references.
#include "craps/table/CrapsGameLord.h"

#include "casino/CasButton.h"
#include "casino/CasCashDisplay.h"
#include "casino/CasChips.h"
#include "casino/CasMessageDisplay.h"
#include "casino/CasNamePlate.h"
#include "craps/bets/spots/BoxNumberSpots.h"
#include "craps/bets/spots/ComeSpots.h"
#include "craps/bets/spots/LineSpots.h"
#include "craps/bets/spots/NumberSpots.h"
#include "craps/bets/spots/OneRollSpots.h"
#include "craps/table/BetPayOff.h"
#include "craps/table/Dice.h"
#include "craps/table/Puck.h"
#include "craps/table/TableObjectType.h"
#include "craps/table/TableSound.h"
#include "engine/framework/JorpApp.h"

namespace {

using namespace table_object;

enum class TObjectClass : u8 {
    Plain,
    Sound,
    NamePlate,
    Message,
    BankCash,
    BetAmount,
    Button,
    PayOff,
    Puck,
    Dice,
    BigDice,
    ChipStacks,
    BetSpot,
};

// The class of every code 0 to 78, looked up directly.
constexpr auto ClassOfCode = [] {
    std::array<TObjectClass, Last + 1> table{};
    table[Sound] = TObjectClass::Sound;
    for (int i = 0; i < 3; ++i) {
        table[FirstNamePlate + i] = TObjectClass::NamePlate;
        table[FirstDice + i] = TObjectClass::Dice;
    }
    table[MessageDisplay] = TObjectClass::Message;
    table[BankCashDisplay] = TObjectClass::BankCash;
    table[BetAmountDisplay] = TObjectClass::BetAmount;
    for (int i = 0; i < TCasinoCGameLord::ButtonCount; ++i)
        table[FirstButton + i] = TObjectClass::Button;
    table[PayOff] = TObjectClass::PayOff;
    table[Puck] = TObjectClass::Puck;
    for (int i = 0; i < TCasinoCGameLord::BigDiceCount; ++i)
        table[FirstBigDice + i] = TObjectClass::BigDice;
    table[ChipStacks] = TObjectClass::ChipStacks;
    for (int i = 0; i < TCasinoCGameLord::SpotCount; ++i)
        table[FirstBetSpot + i] = TObjectClass::BetSpot;
    return table;
}();

// A hot key of 0 is none: a typed character never reaches that button.
struct TButtonLayout {
    TRect Rect;
    u16 Priority;
    char HotKey;
};

constexpr TButtonLayout ButtonLayouts[TCasinoCGameLord::ButtonCount] = {
    {{1, 430, 50, 479}, 100, 'x'},     {{170, 430, 219, 479}, 100, 0},
    {{223, 464, 258, 479}, 100, 0},    {{376, 464, 412, 479}, 100, 0},
    {{416, 430, 468, 452}, 100, 'c'},  {{416, 454, 468, 479}, 100, 'r'},
    {{472, 455, 489, 479}, 100, '4'},  {{491, 455, 508, 479}, 100, '5'},
    {{510, 455, 527, 479}, 100, '6'},  {{529, 455, 546, 479}, 100, '7'},
    {{548, 455, 564, 479}, 100, '8'},  {{566, 455, 584, 479}, 100, '9'},
    {{587, 432, 639, 460}, 100, '\r'}, {{587, 462, 639, 479}, 125, 'p'},
};

enum class TSpotKind : u8 {
    Pass,
    DoNotPass,
    Come,
    DoNotCome,
    Field,
    Big,
    AnyCraps,
    OneRoll,
    Hard,
    Buy,
    ComeNum,
    Lay,
    DoNotComeNum,
    Craps11,
};

// A spot's number is a sum index; for C and E and the horn it is the variant flag.
struct TSpotLayout {
    TSpotKind Kind;
    i16 Number;
    i16 Id;
};

constexpr TSpotLayout SpotLayouts[TCasinoCGameLord::SpotCount] = {
    {TSpotKind::Pass, 0, 52},         {TSpotKind::DoNotPass, 0, 53},
    {TSpotKind::Come, 0, 54},         {TSpotKind::DoNotCome, 0, 55},
    {TSpotKind::Field, 0, 62},        {TSpotKind::Big, 4, 60},
    {TSpotKind::Big, 6, 61},          {TSpotKind::AnyCraps, 0, 86},
    {TSpotKind::OneRoll, 5, 85},      {TSpotKind::OneRoll, 0, 87},
    {TSpotKind::OneRoll, 1, 88},      {TSpotKind::OneRoll, 9, 89},
    {TSpotKind::OneRoll, 10, 90},     {TSpotKind::Hard, 2, 81},
    {TSpotKind::Hard, 4, 82},         {TSpotKind::Hard, 6, 83},
    {TSpotKind::Hard, 8, 84},         {TSpotKind::Buy, 2, 63},
    {TSpotKind::Buy, 3, 64},          {TSpotKind::Buy, 4, 65},
    {TSpotKind::Buy, 6, 66},          {TSpotKind::Buy, 7, 67},
    {TSpotKind::Buy, 8, 68},          {TSpotKind::ComeNum, 2, 54},
    {TSpotKind::ComeNum, 3, 54},      {TSpotKind::ComeNum, 4, 54},
    {TSpotKind::ComeNum, 6, 54},      {TSpotKind::ComeNum, 7, 54},
    {TSpotKind::ComeNum, 8, 54},      {TSpotKind::Lay, 2, 75},
    {TSpotKind::Lay, 3, 76},          {TSpotKind::Lay, 4, 77},
    {TSpotKind::Lay, 6, 78},          {TSpotKind::Lay, 7, 79},
    {TSpotKind::Lay, 8, 80},          {TSpotKind::DoNotComeNum, 2, 55},
    {TSpotKind::DoNotComeNum, 3, 55}, {TSpotKind::DoNotComeNum, 4, 55},
    {TSpotKind::DoNotComeNum, 6, 55}, {TSpotKind::DoNotComeNum, 7, 55},
    {TSpotKind::DoNotComeNum, 8, 55}, {TSpotKind::Craps11, 0, 92},
    {TSpotKind::Craps11, 1, 91},
};

// Constructed, then built: from the list's image at the address, or from the object's own file.
template <class T, class... Extra>
std::unique_ptr<T> Built(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address,
                         const Extra&... extra) {
    auto object = address.IsNull() ? std::make_unique<T>(owner, mode, extra...)
                                   : std::make_unique<T>(owner, mode, address, extra...);
    object->Build();
    return object;
}

// The list drops an object whose read failed and deletes it: the lord must not keep it.
template <class Reference, class T> TSprite* Kept(Reference*& reference, std::unique_ptr<T> made) {
    if (made->GetBytesRead() >= 0)
        reference = made.get();
    return made.release();
}

std::unique_ptr<TCBetSpot> BuiltSpot(const TSpotLayout& s, TJorpOwner* owner, const TFileMode& mode,
                                     TEmbeddedAddress at) {
    switch (s.Kind) {
    case TSpotKind::Pass:
        return Built<TBetPass>(owner, mode, at, s.Id);
    case TSpotKind::DoNotPass:
        return Built<TBetDoNotPass>(owner, mode, at, s.Id);
    case TSpotKind::Come:
        return Built<TBetCome>(owner, mode, at, s.Id);
    case TSpotKind::DoNotCome:
        return Built<TBetDoNotCome>(owner, mode, at, s.Id);
    case TSpotKind::Field:
        return Built<TBetField>(owner, mode, at, s.Id);
    case TSpotKind::Big:
        return Built<TBetBig>(owner, mode, at, s.Number, s.Id);
    case TSpotKind::AnyCraps:
        return Built<TBetAnyCraps>(owner, mode, at, s.Id);
    case TSpotKind::OneRoll:
        return Built<TBet1Roll>(owner, mode, at, s.Number, s.Id);
    case TSpotKind::Hard:
        return Built<TBetHard>(owner, mode, at, s.Number, s.Id);
    case TSpotKind::Buy:
        return Built<TBetBuy>(owner, mode, at, s.Number, s.Id);
    case TSpotKind::ComeNum:
        return Built<TBetComeNum>(owner, mode, at, s.Number, s.Id);
    case TSpotKind::Lay:
        return Built<TBetLay>(owner, mode, at, s.Number, s.Id);
    case TSpotKind::DoNotComeNum:
        return Built<TBetDoNotComeNum>(owner, mode, at, s.Number, s.Id);
    case TSpotKind::Craps11:
        return Built<TBetCraps11>(owner, mode, at, s.Id, static_cast<u8>(s.Number));
    }
    return nullptr;
}

} // namespace

u16 TCasinoCGameLord::ObjectTypeFromName(const std::string& name) {
    for (i16 place = 0; place < NameCount; ++place)
        if (ObjectNames[static_cast<size_t>(place)] == name)
            return static_cast<u16>(CodeOfNamePlace(place));
    return 0;
}

const std::string& TCasinoCGameLord::GetObjectName(i16 place) const {
    static const std::string none;
    return place >= 0 && place < NameCount ? ObjectNames[static_cast<size_t>(place)] : none;
}

TJorpBase* TCasinoCGameLord::CreateObject(const std::string& name, u16 type,
                                          TEmbeddedAddress address) {
    // An object in the list's image is held with the list; one of its own file is needed now.
    const TFileMode mode(TJorpFileName(name), 0, address.IsNull() ? FM_LEVEL_NOW : 0, 0,
                         FileMode.DataLocation);
    const auto code = static_cast<TableObjectType>(type);
    const TObjectClass kind =
        code >= 0 && code <= Last ? ClassOfCode[static_cast<size_t>(code)] : TObjectClass::Plain;
    TJorpOwner* owner = Owner;
    switch (kind) {
    case TObjectClass::Plain:
        break;
    case TObjectClass::Sound:
        return Kept(SoundSprite, Built<TRSound>(owner, mode, address));
    case TObjectClass::NamePlate:
        return Kept(NamePlates[static_cast<size_t>(code - FirstNamePlate)],
                    Built<TCasNamePlate>(owner, mode, address, TCasNamePlate::MaxGlyphs));
    case TObjectClass::Message:
        return Kept(MessageDisplay, Built<TCasMessageDisplay>(owner, mode, address));
    case TObjectClass::BankCash:
        return Kept(BankCashDisplay, Built<TCasCashDisplay>(owner, mode, address));
    case TObjectClass::BetAmount:
        return Kept(BetAmountDisplay, Built<TCasCashDisplay>(owner, mode, address));
    case TObjectClass::Button: {
        const auto button = static_cast<u16>(code - FirstButton);
        const TButtonLayout& layout = ButtonLayouts[button];
        TModule* program = TJorpApp::GetApp();
        return Kept(Buttons[button],
                    Built<TCasButton>(owner, mode, address,
                                      TCasButtonTarget{this, &ButtonBusy, &HeldClicks.GetPresses()},
                                      layout.Priority, layout.Rect, button, u8{1}, layout.HotKey,
                                      TCursorData(program, table_cursor::PointingHand),
                                      TCursorData(program, table_cursor::ClosedHand)));
    }
    case TObjectClass::PayOff:
        return Kept(PayOffSprite, Built<TCBetPayOff>(owner, mode, address));
    case TObjectClass::Puck:
        return Kept(PuckSprite, Built<TCPuck>(owner, mode, address));
    case TObjectClass::Dice:
        return Kept(DiceSprites[static_cast<size_t>(code - FirstDice)],
                    Built<TCDice>(owner, mode, address));
    case TObjectClass::BigDice:
        return Kept(BigDiceSprites[static_cast<size_t>(code - FirstBigDice)],
                    Built<TCBigDice>(owner, mode, address));
    case TObjectClass::ChipStacks:
        return Kept(ChipStacks, Built<TCasChips>(owner, mode, address));
    case TObjectClass::BetSpot: {
        const auto spot = static_cast<size_t>(code - FirstBetSpot);
        return Kept(BetSpots[spot], BuiltSpot(SpotLayouts[spot], owner, mode, address));
    }
    }
    if (address.IsNull())
        return TSprite::MakeNamed(true, false, owner, mode).release();
    return TSprite::MakeEmbedded(address, owner, mode).release();
}
