// The message board: every message id on every roll, icons, the second set, amounts centred in
// the board's line, and a sprite short of parts.
#include "CasinoArt.h"

#include "casino/CasMessageDisplay.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>

namespace {

using namespace boardtest;

constexpr int Keep = -1;
constexpr int None = -1;

class MessageBoard : public ObjectFileFixture {
protected:
    std::unique_ptr<TCasMessageDisplay> Board(int parts = 16) {
        WriteBoardArt(Cd);
        const std::string name = "board" + std::to_string(parts);
        WriteDisplayFile(&Owner, name, parts);
        return TCasMessageDisplay::Make(&Owner, TFileMode(name, 0, FM_LEVEL_NOW));
    }
    // The last message was frame 99 with icon frame 9, so that what a show leaves alone can be
    // told from what it sets.
    static void Prime(TCasMessageDisplay& board) {
        board.ShowFrame(99);
        board.SetIcon(10);
        board.SetFlags(JOF_TIMED_ON);
    }
    // The message frame (Keep: still 99), the icon frame or None, and the amount drawn ("":
    // none) in count characters.
    static void ExpectShown(const TCasMessageDisplay& board, int frame, int icon, i16 count,
                            const char* amount) {
        EXPECT_TRUE(board.GetMessage()->IsShown());
        EXPECT_EQ(board.GetMessage()->GetCurrentData().CurrentFrame, frame == Keep ? 99 : frame);
        EXPECT_EQ(board.GetIcon()->IsShown() ? board.GetIcon()->GetCurrentData().CurrentFrame
                                             : None,
                  icon);
        EXPECT_EQ(DrawnAmount(board, Shift(count), false), amount);
        EXPECT_FALSE(board.HasFlags(JOF_TIMED_ON)) << "redrawn on the next frame";
    }
    // The board centres count characters in its 188-pixel line.
    static i16 Shift(i16 count) { return static_cast<i16>((188 - (8 * count + 41)) / 2); }

    TTickOwner Owner;
};

// Icon frames of the payout messages on the rolls of sumIndex -1 to 10 (icon numbers 1 to 7
// are frames 4, 5, 6, 0, 1, 2, 3 and 8 to 16 frames 7 to 15).
std::map<u32, std::array<int, 12>> PayoutIconFrames() {
    std::map<u32, std::array<int, 12>> t;
    auto fixed = [&](u32 id, std::initializer_list<int> frames) {
        for (int f : frames)
            t[id++].fill(f);
    };
    fixed(52, {0, 0, 0, 0});
    fixed(60, {0, 0});
    fixed(63, {1, 2, 3, 3, 2, 1});
    // Place 6 and 8 (71, 72) pay 7:6, not the 6:5 of the odds on them.
    fixed(69, {8, 9, 7, 7, 9, 8, 4, 5, 6, 6, 5, 4, 12, 13, 13, 12, 11, 12, 15, 14, 14, 15});
    // Rolls:          -1  0  1  2  3  4  5  6  7  8  9 10
    t[56] = t[58] = {0, 0, 0, 1, 2, 3, 0, 3, 2, 1, 0, 0};
    t[57] = t[59] = {0, 0, 0, 4, 5, 6, 0, 6, 5, 4, 0, 0};
    // The field pays 2:1 on a 2 and 3:1 on a 12.
    t[62] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10};
    t[91] = {14, 15, 14, 14, 14, 14, 14, 14, 14, 14, 14, 15};
    t[92] = {12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 14, 12};
    return t;
}

TEST_F(MessageBoard, EveryIdOnEveryRollShowsItsFrameIconAndAmount) {
    const auto payouts = PayoutIconFrames();
    auto board = Board();
    EXPECT_FALSE(board->IsShown());
    for (u32 id = 0; id <= 160; ++id)
        for (i32 sumIndex = -1; sumIndex <= 10; ++sumIndex) {
            SCOPED_TRACE("id " + std::to_string(id) + ", sumIndex " + std::to_string(sumIndex));
            Prime(*board);
            board->ShowMessage(id, TMoney(1234.5), sumIndex);
            if (id <= 51 || id == 93)
                ExpectShown(*board, static_cast<int>(id), None, 0, "");
            else if (id >= 152 && id <= 155)
                ExpectShown(*board, static_cast<int>(id - 100), None, 5, "$1,234");
            else if (payouts.count(id) != 0)
                ExpectShown(*board, static_cast<int>(id),
                            payouts.at(id)[static_cast<size_t>(sumIndex + 1)], 5, "$1,234");
            else
                ExpectShown(*board, Keep, None, 0, "");
        }
}

TEST_F(MessageBoard, IconNumbersByTotalAndIconFramesByNumber) {
    const std::map<i64, u32> icons = {{4, 5},   {10, 5},    {5, 6},    {9, 6},        {6, 7},
                                      {8, 7},   {7, 4},     {-4, 1},   {-10, 1},      {-5, 2},
                                      {-9, 2},  {-6, 3},    {-8, 3},   {-7, 4},       {100, 4},
                                      {200, 5}, {1200, 11}, {1300, 4}, {INT64_MIN, 4}};
    for (const auto& [n, icon] : icons)
        EXPECT_EQ(TCasMessageDisplay::NumberIcon(n), icon) << n;

    auto board = Board();
    // Numbers 0, 17 and beyond leave the frame as it was (15).
    const std::map<u32, int> frames = {{0, 15}, {1, 4},   {3, 6},   {4, 0},   {7, 3},
                                       {8, 7},  {11, 10}, {16, 15}, {17, 15}, {0xFFFFFFFF, 15}};
    for (const auto& [number, frame] : frames) {
        board->SetIcon(16);
        board->SetIcon(number);
        EXPECT_EQ(board->GetIcon()->GetCurrentData().CurrentFrame, frame) << number;
    }
    // Rolls far outside the dice still pick an icon.
    for (i32 sumIndex : {INT32_MAX, INT32_MIN}) {
        board->ShowMessage(62, TMoney(1.0), sumIndex);
        EXPECT_EQ(board->GetIcon()->GetCurrentData().CurrentFrame, 0);
    }
}

TEST_F(MessageBoard, TheSecondSetShowsFramesUpTo43AndIconsFor13To23) {
    auto board = Board();
    const std::map<u32, int> icons = {{0, None},  {13, 7},    {14, 6},    {15, 5},
                                      {16, 4},    {17, 3},    {18, 2},    {19, 1},
                                      {20, 1},    {21, 0},    {22, 0},    {23, 0},
                                      {24, None}, {43, None}, {44, None}, {0xFFFFFFFF, None}};
    for (const auto& [id, icon] : icons) {
        SCOPED_TRACE(id);
        Prime(*board);
        board->ShowMessageSet2(id, TMoney(20.0), 1);
        ExpectShown(*board, id <= 43 ? static_cast<int>(id) : Keep, icon, 2,
                    icon == None ? "" : "$20");
    }
    // Frames alone, but frame 52 carries an amount and chooses its icon.
    board->ShowFrameAmount(52, TMoney(75.0), 1);
    ExpectShown(*board, 52, 1, 2, "$75");
    board->ShowFrameAmount(52, TMoney(75.0), 0);
    ExpectShown(*board, 52, 0, 2, "$75");
    board->ShowFrameAmount(53, TMoney(75.0), 1);
    ExpectShown(*board, 53, None, 0, "");
    board->ShowFrame(7);
    ExpectShown(*board, 7, None, 0, "");
}

TEST_F(MessageBoard, AmountsAreCentredWithTheIconMovingWithTheirWidth) {
    auto board = Board();
    const i16 iconHome = board->GetIcon()->GetTemplate().Base.x;
    for (const TAmountCase& c : AmountCases()) {
        SCOPED_TRACE(c.Text);
        board->HideAll();
        board->ShowAmount(TMoney(c.Amount), 1);
        // The dollar sign's distance from the units: "$0" stands as "$5" does, and a sign
        // closed up past an undrawn separator keeps 5 pixels of its place. Counted otherwise,
        // the sign would lie under the icon.
        const i32 sign = 8 * std::max<i16>(c.Count, 1) + (c.Nudged ? 5 : 0);
        const auto shift = static_cast<i16>((188 - (sign + 41)) / 2);
        EXPECT_EQ(DrawnAmount(*board, shift, c.Nudged), c.Text);
        EXPECT_TRUE(board->GetIcon()->IsShown());
        EXPECT_EQ(board->GetIcon()->GetCurrentData().Position.x,
                  iconHome + 156 - (sign + shift + 20));
    }
}

TEST_F(MessageBoard, ASpriteShortOfAPartEndsTheProgramNamingIt) {
    for (int parts : {15, 14, 9})
        ExpectSetupReport([&] { Board(parts); }, "CasMessageDisplay",
                          "\nParts\n Num: " + std::to_string(parts) + "\n");
}

using BoardGolden = BoardScreen;

TEST_F(BoardGolden, APlaceSixPayoutWithItsOwnIconAndTheLargestAmount) {
    auto board = OnFelt<TCasMessageDisplay>(44, 16);
    board->ShowMessage(71, TMoney(2147483647.0), 4);
    EXPECT_TRUE(Matches({board.get()}, "casino_board_place6_payout", 3));
}

} // namespace
