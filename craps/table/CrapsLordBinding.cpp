// TC1GameLord: table 1's files loaded, every table object checked and put on the table, and the
// dealer's skit lists found; anything missing ends the program.
#include "craps/table/CrapsGameLord.h"

#include "casino/CasButton.h"
#include "casino/CasCashDisplay.h"
#include "casino/CasChips.h"
#include "casino/CasMessageDisplay.h"
#include "casino/CasNamePlate.h"
#include "craps/bets/spots/BetSpot.h"
#include "craps/table/BetPayOff.h"
#include "craps/table/Dice.h"
#include "craps/table/Puck.h"
#include "craps/table/TableObjectType.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/Responder.h"
#include "engine/media/Sprite.h"
#include "platform/host/Clock.h"
#include "platform/host/RuntimeRandom.h"

namespace {

std::string ProgramString(const TJorpBase* object, u32 id) {
    std::string text;
    return JorpLoadString(text, object, id);
}

// A list of the dealer's: its label in a report and the string resource naming its file.
struct TSkitListEntry {
    const char* Label;
    u32 StringId;
};

constexpr TSkitListEntry SkitListEntries[table_skit::Count] = {
    {"placemark", 13120},
    {"getmark", 13121},
    // Results 1 to 28: the strings of results 16 and 23-28 lie apart.
    {"result", 13122},
    {"result", 13123},
    {"result", 13124},
    {"result", 13125},
    {"result", 13126},
    {"result", 13127},
    {"result", 13128},
    {"result", 13129},
    {"result", 13130},
    {"result", 13131},
    {"result", 13132},
    {"result", 13133},
    {"result", 13134},
    {"result", 13135},
    {"result", 13136},
    {"result", 13147},
    {"result", 13138},
    {"result", 13139},
    {"result", 13140},
    {"result", 13141},
    {"result", 13142},
    {"result", 13143},
    {"result", 13161},
    {"result", 13162},
    {"result", 13163},
    {"result", 13164},
    {"result", 13165},
    {"result", 13166},
    {"greetplayers", 13098},
    {"PlaceBets", 13099},
    {"PreSpinCom", 13100},
    {"AdvBets", 13107},
    {"ShakeA", 13108},
    {"ShakeB", 13109},
    {"ShakeC", 13110},
    {"ThrowA", 13111},
    {"ThrowB", 13112},
    {"ThrowC", 13113},
    {"DiceLandA", 13114},
    {"DiceLandB", 13115},
    {"DiceLandC", 13116},
    {"StallA", 13117},
    {"StallB", 13118},
    {"StallC", 13119},
    {"Winner", 13101},
    {"PayOffCom", 13105},
    {"PointCom4", 13151},
    {"PointCom5", 13152},
    {"PointCom6", 13153},
    {"PointCom8", 13154},
    {"PointCom9", 13155},
    {"PointComA", 13157},
    {"ComeCom", 13150},
    {"NoComeComA", 13156},
    {"NoComeComB", 13148},
    {"NoComeComC", 13149},
    {"ESHAKEA", 13144},
    {"ESHAKEB", 13145},
    {"ESHAKEC", 13146},
    {"GiveDiceA", 13158},
    {"GiveDiceB", 13159},
    {"GiveDiceC", 13160},
    {"Loser", 13102},
};

constexpr u32 SoundString = 13090;
constexpr u32 FirstPickString = 13091;
constexpr u32 FirstSpotString = 13015;
constexpr u32 ChipStacksString = 13012;
constexpr u32 FirstPlateString = 13085;
constexpr u32 FirstBigDiceString = 13063;
constexpr u32 MessageString = 13084;
constexpr u32 BankCashString = 13088;
constexpr u32 BetAmountString = 13089;
constexpr u32 FirstDiceString = 13069;
constexpr u32 PuckString = 13073;
constexpr u32 PayOffString = 13074;
u32 ButtonString(i16 button) {
    return button < table_button::FirstChip
               ? 13006U + static_cast<u32>(button)
               : 13076U + static_cast<u32>(button - table_button::FirstChip);
}

// The list's place of the object itself: a list holding two entries of one name keeps the
// later object, which a lookup by name would miss.
i16 PlaceOf(TGObjSp& lord, const TJorpBase* object) {
    for (i16 i = 0; i <= lord.LastSpriteIndex(); ++i)
        if (lord.GetSpriteAt(i) == object)
            return i;
    return -1;
}

// The screen is larger than the game's window both ways, so the window-size button has
// nothing to do. Without a frame the game's window is taken to fill the screen.
bool ScreenLargerThanGame() {
    const TJorpApp* app = TJorpApp::GetApp();
    const TJorpGameFrameWindow* frame = app != nullptr ? app->GetFrame() : nullptr;
    return frame != nullptr && !frame->IsSmallScreen();
}

} // namespace

void TCasinoCGameLord::PrepareObjects() {
    for (i16 place = 0; place < table_object::NameCount; ++place)
        JorpLoadString(ObjectNames[static_cast<size_t>(place)], this,
                       table_object::NameStringId(place));
}

u16 TCasinoCGameLord::GetPickSprite(i16 n) const {
    return n >= 0 && n <= PickCount ? PickSprites[static_cast<size_t>(n)] : NoIndex;
}

u16 TCasinoCGameLord::GetSkitList(i16 list) const {
    return list >= 0 && list < table_skit::Count ? SkitLists[static_cast<size_t>(list)] : NoIndex;
}

std::unique_ptr<TC1GameLord> TC1GameLord::Create(TJorpOwner* owner, const TFileMode& file) {
    auto lord = TJorpBase::CreateAttached<TC1GameLord>(file, true, false, owner);
    lord->LoadTable();
    return lord;
}

void TC1GameLord::LoadTable() {
    rtl::srand(static_cast<u32>(GetWallSeconds()));
    // Both parts stay in memory for the lord's life.
    TFileMode part(TJorpFileName(SpriteListName), 0, FM_LEVEL_NOW, 0, FileMode.DataLocation);
    LoadSpriteList(part);
    part.Name = TJorpFileName(SkitCatName);
    LoadSkitCat(part);
    BindSprites();
    LoadSkitLists();
}

void TC1GameLord::BindSprites() {
    auto report = [this](u32 id, const std::string& label) {
        SpriteSetupError(ProgramString(this, id), label);
    };
    if (SoundSprite == nullptr)
        report(SoundString, "Sounds");
    for (i16 n = 0; n <= PickCount; ++n)
        PickSprites[static_cast<size_t>(n)] = static_cast<u16>(
            FindSpriteIndex(ProgramString(this, FirstPickString + static_cast<u32>(n))));

    for (i16 spot = 0; spot < SpotCount; ++spot)
        if (BetSpots[static_cast<size_t>(spot)] == nullptr)
            report(FirstSpotString + static_cast<u32>(spot), "Bet Spot " + std::to_string(spot));
    for (i16 button = 0; button < ButtonCount; ++button)
        if (Buttons[static_cast<size_t>(button)] == nullptr)
            report(ButtonString(button), "Button" + std::to_string(button));
    if (ChipStacks == nullptr)
        report(ChipStacksString, "Chip Stacks");
    for (i16 seat = 0; seat < SeatCount; ++seat)
        if (NamePlates[static_cast<size_t>(seat)] == nullptr)
            report(FirstPlateString + static_cast<u32>(seat),
                   "NamePlate" + std::to_string(seat + 1));
    for (i16 die = 0; die < BigDiceCount; ++die)
        if (BigDiceSprites[static_cast<size_t>(die)] == nullptr)
            report(FirstBigDiceString + static_cast<u32>(die), "BigDice" + std::to_string(die + 1));
    if (MessageDisplay == nullptr)
        report(MessageString, "MessageDisplay");
    if (BankCashDisplay == nullptr)
        report(BankCashString, "BankCashDisplay");
    if (BetAmountDisplay == nullptr)
        report(BetAmountString, "BetAmountDisplay");
    // The odds animation may be missing: it is then never played.
    for (i16 n = 0; n < PickCount; ++n)
        if (PickSprites[static_cast<size_t>(n)] == NoIndex)
            report(FirstPickString + static_cast<u32>(n), "pick" + std::to_string(n + 1));
    for (i16 die = 0; die < DiceCount; ++die)
        if (DiceSprites[static_cast<size_t>(die)] == nullptr)
            report(FirstDiceString + static_cast<u32>(die),
                   std::string("Dice") + static_cast<char>('A' + die));
    if (PuckSprite == nullptr)
        report(PuckString, "Puck");
    if (PayOffSprite == nullptr)
        report(PayOffString, "BetPayOff");

    auto use = [this](const TJorpBase* object) {
        UseSpriteAt(PlaceOf(*this, object), GetNextTick());
    };
    for (const TCDice* die : DiceSprites)
        use(die);
    use(PuckSprite);
    use(PayOffSprite);
    for (const TCBetSpot* spot : BetSpots)
        use(spot);
    use(ChipStacks);
    for (const TCBigDice* die : BigDiceSprites)
        use(die);
    for (i16 button = 0; button < ButtonCount; ++button) {
        TCasButton* b = Buttons[static_cast<size_t>(button)];
        use(b);
        // On a large screen the window cannot change size: the button shows it is not
        // available and takes no clicks.
        if (button == table_button::WindowSize && ScreenLargerThanGame()) {
            b->SetUpFrame(1);
            b->ShowUp();
            if (TResponder* responder = b->GetResponder())
                responder->Unregister();
        }
    }
    for (const TCasNamePlate* plate : NamePlates)
        use(plate);
    use(MessageDisplay);
    use(BankCashDisplay);
    use(BetAmountDisplay);
}

void TC1GameLord::LoadSkitLists() {
    for (i16 n = 0; n < table_skit::Count; ++n) {
        const TSkitListEntry& entry = SkitListEntries[n];
        const std::string file = ProgramString(this, entry.StringId);
        const i16 index = IndexOfSkitList(file);
        if (index == -1)
            SpriteSetupError(file, entry.Label);
        SkitLists[static_cast<size_t>(n)] = static_cast<u16>(index);
    }
}

void TC1GameLord::TableHook() {}
