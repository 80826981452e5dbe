// The gambler list's rows and the new gambler's name checks, without windows.
#include "GamblerFixture.h"

#include "casino/GamblerRules.h"

#include <limits>

namespace {

TEST(GamblerRows, ColumnsAreFixedAndTheBankrollEndsAtColumn34) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        bool Active;
        const char* Name;
        u8 Sex;
        double Bankroll;
        const char* Row;
    } cases[] = {
        {true, "Joe Gambler", 1, 500.0, "  *     Joe Gambler   M       $500"},
        {false, "Amy", 0, 2500.99, "        Amy           F      $2500"},
        {false, "ABCDEFGHIJKL", 7, 0.004, "        ABCDEFGHIJKL  M         $0"},
        // Cents go; a hair under a dollar from adding dimes still counts the dollar.
        {false, "Bo", 1, 0.1 * 10 + 19.0, "        Bo            M        $20"},
        {false, "Neg", 0, -75.5, "        Neg           F       $-75"},
        // Damaged amounts give a number, never an undefined conversion.
        {false, "Nan", 1, nan, "        Nan           M         $0"},
        {false, "Huge", 1, 1e300, "        Huge          M$9223372036854775807"},
        {false, "Inf", 1, -std::numeric_limits<double>::infinity(),
         "        Inf           M$-9223372036854775807"},
    };
    for (const auto& c : cases) {
        const std::string row = TGamblerRows::FormatRow(c.Active, c.Name, c.Sex, c.Bankroll);
        EXPECT_EQ(row, c.Row) << c.Name;
    }
}

class GamblerRules : public GamblerFixture {};

TEST_F(GamblerRules, RowsFollowTheRecordsInUseInRecordOrder) {
    Make({{"Ann", false}, {"Bob", true}, {"Cy", false}});
    ASSERT_TRUE(Mgr.DeletePlayer(0));
    ASSERT_TRUE(Mgr.CreatePlayer("Dee", 0, 2500.0)); // takes record 0 again
    ASSERT_TRUE(Mgr.DeletePlayer(2));
    TGamblerRows rows;
    rows.Build(Mgr);
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.RecordOf(0), 0);
    EXPECT_EQ(rows.RecordOf(1), 1);
    for (int row : {-1, 2, 19, 20})
        EXPECT_EQ(rows.RecordOf(row), -1) << row;
    EXPECT_EQ(rows.RowText(Mgr, 0), "        Dee           F      $2500");
    EXPECT_EQ(rows.RowText(Mgr, 1), "  *     Bob           M       $100");
    EXPECT_EQ(rows.RowText(Mgr, 2), "");
    // Emptied, the map answers for no row at all.
    for (i16 r = 0; r < 2; ++r)
        Mgr.DeactivatePlayer(r), Mgr.DeletePlayer(r);
    rows.Build(Mgr);
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_EQ(rows.RecordOf(0), -1);
}

TEST_F(GamblerRules, NamesAreTrimmedThenCheckedAsTheyWillBeStored) {
    using V = TGamblerName::TVerdict;
    Make({{"Joe Gambler", false}, {"Amy", false}});
    const struct {
        const char* Typed;
        const char* Trimmed;
        V Verdict;
    } cases[] = {
        {"", "", V::Empty},
        {"     ", "", V::Empty},
        {"  Bob  ", "Bob", V::Ok},
        {"Big Al 2", "Big Al 2", V::Ok},
        {"ABCDEFGHIJKL", "ABCDEFGHIJKL", V::Ok},
        // One too many would be cut to a name that might be someone else's.
        {" ABCDEFGHIJKLM ", "ABCDEFGHIJKLM", V::TooLong},
        {"Amy\tLee", "Amy\tLee", V::BadCharacter},
        {"Jo-Jo", "Jo-Jo", V::BadCharacter},
        {"Ren\xC3\xA9", "Ren\xC3\xA9", V::BadCharacter},
        {"Line\nTwo", "Line\nTwo", V::BadCharacter},
        {"Amy", "Amy", V::Taken},
        {" Joe Gambler ", "Joe Gambler", V::Taken},
        // Exactly as stored: case makes another gambler.
        {"amy", "amy", V::Ok},
        {"JOE GAMBLER", "JOE GAMBLER", V::Ok},
    };
    for (const auto& c : cases) {
        const std::string name = TGamblerName::Trim(c.Typed);
        EXPECT_EQ(name, c.Trimmed);
        EXPECT_EQ(TGamblerName::Check(name, Mgr), c.Verdict) << c.Typed;
    }
}

} // namespace
