// The message board: every message id on every roll, icons, the second set, amounts laid out in
// the board's line, and a sprite short of parts.
#include "CasAmountCheck.h"

#include "casino/CasMessageDisplay.h"
#include "platform/host/MessageBox.h"
#include "support/ExitTrap.h"
#include "support/Golden.h"

#include <cstdint>
#include <map>

namespace {

using namespace boardtest;

class MessageBoard : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WriteBoardArt(Cd);
    }
    std::unique_ptr<TCasMessageDisplay> Board(int parts = 16) {
        const std::string name = "board" + std::to_string(parts);
        WriteDisplayFile(&Owner, name, parts);
        return TCasMessageDisplay::Make(&Owner, TFileMode(name, 0, FM_LEVEL_NOW));
    }
    // A board whose last message was frame 99 with icon frame 9, so that what a show leaves
    // alone can be told from what it sets.
    static void Prime(TCasMessageDisplay& board) {
        board.ShowFrame(99);
        board.SetIcon(10);
        board.SetFlags(JOF_TIMED_ON);
    }
    static u16 FrameOf(const TAnm* anm) { return anm->GetCurrentData().CurrentFrame; }

    TTickOwner Owner;
};

// The board centres an amount of count characters in its 188-pixel line.
i16 BoardShift(i16 count) {
    return static_cast<i16>((188 - (8 * count + 41)) / 2);
}

constexpr int Keep = -1;
constexpr int NoIcon = -1;

// What one message shows: its frame (Keep: the last one), its icon frame on each roll from
// sumIndex -1 to 10 (NoIcon: hidden), and whether the amount is drawn.
struct TShown {
    int Frame;
    std::array<int, 12> Icons;
    bool Amount;
};

std::array<int, 12> All(int frame) {
    std::array<int, 12> a{};
    a.fill(frame);
    return a;
}

// The board's message table, written as icon frames: icon numbers 1 to 7 are frames 4, 5, 6, 0,
// 1, 2, 3 and numbers 8 to 16 frames 7 to 15.
std::map<u32, TShown> PayoutTable() {
    std::map<u32, TShown> t;
    auto fixed = [&](u32 first, std::initializer_list<int> frames) {
        u32 id = first;
        for (int f : frames) {
            t[id] = {static_cast<int>(id), All(f), true};
            ++id;
        }
    };
    fixed(52, {0, 0, 0, 0});
    // Rolls:                  -1  0  1  2  3  4  5  6  7  8  9  10 (sumIndex)
    const std::array<int, 12> odds = {0, 0, 0, 1, 2, 3, 0, 3, 2, 1, 0, 0};
    const std::array<int, 12> lay = {0, 0, 0, 4, 5, 6, 0, 6, 5, 4, 0, 0};
    t[56] = {56, odds, true};
    t[57] = {57, lay, true};
    t[58] = {58, odds, true};
    t[59] = {59, lay, true};
    fixed(60, {0, 0});
    // The field pays 2:1 on a 2 and 3:1 on a 12, even money on the rest.
    t[62] = {62, {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10}, true};
    fixed(63, {1, 2, 3, 3, 2, 1});
    // Place 6 and 8 pay 7:6, not the 6:5 of the odds on them.
    fixed(69, {8, 9, 7, 7, 9, 8});
    fixed(75, {4, 5, 6, 6, 5, 4});
    fixed(81, {12, 13, 13, 12, 11, 12, 15, 14, 14, 15});
    t[91] = {91, {14, 15, 14, 14, 14, 14, 14, 14, 14, 14, 14, 15}, true};
    t[92] = {92, {12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 14, 12}, true};
    return t;
}

TShown Expected(u32 id) {
    static const std::map<u32, TShown> payouts = PayoutTable();
    if (id <= 51 || id == 93)
        return {static_cast<int>(id), All(NoIcon), false};
    if (id >= 152 && id <= 155)
        return {static_cast<int>(id - 100), All(NoIcon), true};
    const auto it = payouts.find(id);
    return it != payouts.end() ? it->second : TShown{Keep, All(NoIcon), false};
}

TEST_F(MessageBoard, EveryIdOnEveryRollShowsItsFrameIconAndAmount) {
    auto board = Board();
    for (u32 id = 0; id <= 160; ++id)
        for (i32 sumIndex = -1; sumIndex <= 10; ++sumIndex) {
            SCOPED_TRACE("id " + std::to_string(id) + ", sumIndex " + std::to_string(sumIndex));
            const TShown want = Expected(id);
            const int icon = want.Icons[static_cast<size_t>(sumIndex + 1)];
            Prime(*board);
            board->ShowMessage(id, TMoney(1234.5), sumIndex);
            EXPECT_TRUE(board->GetMessage()->IsShown());
            EXPECT_EQ(FrameOf(board->GetMessage()), want.Frame == Keep ? 99 : want.Frame);
            ASSERT_EQ(board->GetIcon()->IsShown(), icon != NoIcon);
            if (icon != NoIcon) {
                EXPECT_EQ(FrameOf(board->GetIcon()), icon);
            }
            EXPECT_EQ(DrawnAmount(*board, BoardShift(5), false), want.Amount ? "$1,234" : "");
            EXPECT_FALSE(board->HasFlags(JOF_TIMED_ON));
        }
}

TEST_F(MessageBoard, NumberIconNamesPayoutRatiosByTotal) {
    const std::map<i64, u32> want = {
        {4, 5},     {10, 5},  {5, 6},    {9, 6},         {6, 7},        {8, 7},   {7, 4},
        {2, 4},     {0, 4},   {-4, 1},   {-10, 1},       {-5, 2},       {-9, 2},  {-6, 3},
        {-8, 3},    {-7, 4},  {100, 4},  {101, 4},       {200, 5},      {299, 5}, {1200, 11},
        {1299, 11}, {700, 4}, {1300, 4}, {INT64_MIN, 4}, {INT64_MAX, 4}};
    for (const auto& [n, icon] : want)
        EXPECT_EQ(TCasMessageDisplay::NumberIcon(n), icon) << n;

    // Rolls far outside the dice still pick an icon.
    auto board = Board();
    for (i32 sumIndex : {INT32_MAX, INT32_MIN, -3})
        for (u32 id : {56U, 57U, 62U, 91U, 92U}) {
            board->ShowMessage(id, TMoney(1.0), sumIndex);
            EXPECT_TRUE(board->GetIcon()->IsShown()) << id << " " << sumIndex;
        }
}

TEST_F(MessageBoard, SetIconTakesNumbersOneToSixteenAndLeavesOthers) {
    auto board = Board();
    const std::array<int, 18> frames = {Keep, 4, 5,  6,  0,  1,  2,  3,  7,
                                        8,    9, 10, 11, 12, 13, 14, 15, Keep};
    for (u32 number = 0; number < frames.size(); ++number) {
        board->SetIcon(16);
        board->SetIcon(number);
        EXPECT_EQ(FrameOf(board->GetIcon()), frames[number] == Keep ? 15 : frames[number])
            << number;
    }
    board->SetIcon(0xFFFFFFFFU);
    EXPECT_EQ(FrameOf(board->GetIcon()), 15);
}

TEST_F(MessageBoard, TheSecondSetShowsFramesUpTo43AndIconsFor13To23) {
    auto board = Board();
    const struct {
        u32 Id;
        int Frame;
        int Icon;
    } cases[] = {{0, 0, NoIcon},
                 {12, 12, NoIcon},
                 {13, 13, 7},
                 {14, 14, 6},
                 {15, 15, 5},
                 {16, 16, 4},
                 {17, 17, 3},
                 {18, 18, 2},
                 {19, 19, 1},
                 {20, 20, 1},
                 {21, 21, 0},
                 {22, 22, 0},
                 {23, 23, 0},
                 {24, 24, NoIcon},
                 {43, 43, NoIcon},
                 {44, Keep, NoIcon},
                 {0xFFFFFFFF, Keep, NoIcon}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Id);
        Prime(*board);
        board->ShowMessageSet2(c.Id, TMoney(20.0), 1);
        EXPECT_TRUE(board->GetMessage()->IsShown());
        EXPECT_EQ(FrameOf(board->GetMessage()), c.Frame == Keep ? 99 : c.Frame);
        ASSERT_EQ(board->GetIcon()->IsShown(), c.Icon != NoIcon);
        if (c.Icon != NoIcon) {
            EXPECT_EQ(FrameOf(board->GetIcon()), c.Icon);
        }
        EXPECT_EQ(DrawnAmount(*board, BoardShift(2), false), c.Icon != NoIcon ? "$20" : "");
        EXPECT_FALSE(board->HasFlags(JOF_TIMED_ON));
    }
}

TEST_F(MessageBoard, AmountsAreCentredInTheLineWithTheIconBeforeThem) {
    auto board = Board();
    const i16 iconHome = board->GetIcon()->GetTemplate().Base.x;
    for (const TAmountCase& c : AmountCases()) {
        SCOPED_TRACE(c.Case);
        board->HideAll();
        board->ShowAmount(TMoney(c.Amount), 1);
        const i16 shift = BoardShift(c.Count);
        EXPECT_EQ(DrawnAmount(*board, shift, c.Nudged), c.Text);
        EXPECT_TRUE(board->GetIcon()->IsShown());
        EXPECT_EQ(board->GetIcon()->GetCurrentData().Position.x,
                  iconHome + 156 - (8 * c.Count + shift + 20));
    }
    // Without the icon the icon stays hidden.
    board->HideAll();
    board->ShowAmount(TMoney(5.0), 0);
    EXPECT_FALSE(board->GetIcon()->IsShown());
    EXPECT_EQ(DrawnAmount(*board, BoardShift(1), false), "$5");
}

TEST_F(MessageBoard, FramesShowAloneButFrame52CarriesItsAmountAndIcon) {
    auto board = Board();
    board->ShowFrameAmount(52, TMoney(75.0), 1);
    EXPECT_EQ(FrameOf(board->GetMessage()), 52);
    EXPECT_EQ(FrameOf(board->GetIcon()), 1);
    EXPECT_TRUE(board->GetIcon()->IsShown());
    EXPECT_EQ(DrawnAmount(*board, BoardShift(2), false), "$75");
    board->ShowFrameAmount(52, TMoney(75.0), 0);
    EXPECT_EQ(FrameOf(board->GetIcon()), 0);

    board->ShowFrameAmount(53, TMoney(75.0), 1);
    EXPECT_EQ(FrameOf(board->GetMessage()), 53);
    EXPECT_FALSE(board->GetIcon()->IsShown());
    EXPECT_EQ(DrawnAmount(*board, 0, false), "");

    board->ShowFrame(7);
    EXPECT_EQ(FrameOf(board->GetMessage()), 7);
    EXPECT_TRUE(board->GetMessage()->IsShown());

    // Hiding leaves the redraw to whoever shows next.
    board->SetFlags(JOF_TIMED_ON);
    board->HideAll();
    EXPECT_TRUE(board->HasFlags(JOF_TIMED_ON));
    for (i16 i = 0; i < 16; ++i)
        EXPECT_FALSE(board->GetAnm(i)->IsShown()) << i;
}

TEST_F(MessageBoard, StartsHiddenWithSixteenPinnedParts) {
    auto board = Board();
    EXPECT_FALSE(board->IsShown());
    EXPECT_TRUE(board->HasFlags(JOF_START_NOW | SPF_DRIVEN));
    for (i16 i = 0; i < 16; ++i) {
        const TAnmData& data = board->GetAnm(i)->GetCurrentData();
        EXPECT_FALSE(board->GetAnm(i)->IsShown()) << i;
        EXPECT_EQ(data.Direction, ANM_HOLD) << i;
        EXPECT_FALSE(data.Has(ANMD_RESET_RANGE) || data.Has(ANMD_LEAVE_WHEN_STOPPED)) << i;
    }
    EXPECT_EQ(board->GetMessage(), board->GetAnm(14));
    EXPECT_EQ(board->GetIcon(), board->GetAnm(15));
    EXPECT_EQ(board->GetPlace(3), board->GetAnm(9));
    EXPECT_EQ(board->GetSeparator(2), board->GetAnm(2));
}

TEST_F(MessageBoard, ASpriteShortOfAPartEndsTheProgramNamingIt) {
    for (int parts : {15, 14, 9}) {
        SCOPED_TRACE(parts);
        TMessageBoxRecorder boxes;
        TExitTrap trap;
        EXPECT_THROW(Board(parts), TProcessExit);
        ASSERT_EQ(boxes.Boxes.size(), 1U);
        EXPECT_EQ(boxes.Boxes[0].Caption, "Fatal Error - Anm Setup");
        EXPECT_NE(boxes.Boxes[0].Text.find("Sprite name: CasMessageDisplay"), std::string::npos);
        EXPECT_NE(boxes.Boxes[0].Text.find("Description: \nParts\n Num: " + std::to_string(parts) +
                                           "\n Exiting Program"),
                  std::string::npos)
            << boxes.Boxes[0].Text;
    }
}

using BoardGolden = MediaFixture;

TEST_F(BoardGolden, APlaceSixPayoutWithItsOwnIconAndTheLargestAmount) {
    WriteBoardArt(Cd);
    WritePal("board", BoardColours());
    WriteBmp("felt", 188, 44, std::vector<u8>(188 * 44, FeltIndex), BoardColours());
    WriteDisplayFile(Window, "board", 16);
    MakeScreen(LoadBmp("felt"), LoadPal("board"));
    auto board = TCasMessageDisplay::Make(Window, TFileMode("board", 0, FM_LEVEL_NOW));
    board->Play(0);
    board->ShowMessage(71, TMoney(2147483647.0), 4);

    Window->FrameCount = 1;
    board->Tick(1);
    Video().RenderFrame();
    App.PumpWaitingMessages();
    EXPECT_TRUE(MatchesGolden(Session.Backend().GetScreen(), "casino_board_place6_payout",
                              TRect{ClientOrigin(), TSize{188, 44}}));
}

} // namespace
