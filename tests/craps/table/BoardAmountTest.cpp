// The message board of the built table writing a payout: the ratio's icon stands clear of the
// amount, whose dollar sign always shows, and a win under a dollar reads "$0" laid out as "$5".
#include "TableBindingSupport.h"

#include "casino/CasMessageDisplay.h"
#include "engine/media/Anm.h"

namespace {

class BoardAmount : public TableBindingFixture {
protected:
    void SetUp() override {
        TableBindingFixture::SetUp();
        BuildWithout();
        LoadLord();
    }
    // The amount parts drawn, left to right.
    std::vector<TRect16> Drawn() const {
        std::vector<TRect16> parts;
        for (i16 i = 0; i < 14; ++i)
            if (const TAnm* part = Lord->MessageDisplay->GetAnm(i); part->IsShown())
                parts.push_back(part->GetRect());
        return parts;
    }
};

TEST_F(BoardAmount, TheIconStandsClearOfTheAmountAndAWinUnderADollarReadsAsFiveDoes) {
    TCasMessageDisplay& board = *Lord->MessageDisplay;
    // "LAY 4 WINS", whose icon reads 1:2.
    constexpr u32 Lay4Wins = 75;
    for (double amount : {0.0, 0.5, 5.0, 12.0, 999.0, 1000.0, 123456.0, 2147483647.0}) {
        SCOPED_TRACE(amount);
        board.ShowMessage(Lay4Wins, TMoney(amount), -1);
        ASSERT_TRUE(board.GetIcon()->IsShown());
        const TRect16 icon = board.GetIcon()->GetRect();
        const std::vector<TRect16> parts = Drawn();
        ASSERT_GE(parts.size(), 2U);
        EXPECT_EQ(board.GetAnm(TCasAmountLayout::PlacePart[0])->GetCurrentData().CurrentFrame,
                  static_cast<u16>(static_cast<i64>(amount) % 10 + 1));
        for (const TRect16& part : parts)
            EXPECT_LE(icon.right, part.left) << "the icon covers a character at " << part.left;
    }
    board.ShowMessage(Lay4Wins, TMoney(0.25), -1);
    const TRect16 zeroIcon = board.GetIcon()->GetRect();
    const std::vector<TRect16> zero = Drawn();
    board.ShowMessage(Lay4Wins, TMoney(5.0), -1);
    EXPECT_EQ(board.GetIcon()->GetRect(), zeroIcon);
    EXPECT_EQ(Drawn(), zero);
}

} // namespace
