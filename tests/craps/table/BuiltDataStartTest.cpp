// The program from its main function on the data set the build writes: the intro opens, a
// click takes the program to the table, each loaded without a message box, the table as it shows.
#include "ProgramSupport.h"

#include "support/Golden.h"

namespace {

class BuiltDataStart : public ProgramFixture {
protected:
    BuiltDataStart() { Build(); }

    static u32 Frames() {
        const TJorpModeWindow* window = Mode();
        return window->GetFrameTimer() ? window->GetFrameTimer()->GetCounter() : 0;
    }
};

TEST_F(BuiltDataStart, TheIntroThenAClickThenTheTableWithoutAMessageBox) {
    THeadlessBackend& backend = Session.Backend();
    u16 first = 0, second = 0;
    u32 introFrames = 0, tableFrames = 0;
    ::testing::AssertionResult table = ::testing::AssertionFailure() << "never shown";
    backend.At(2500, [&] {
        first = CurrentModeId();
        introFrames = Frames();
        backend.Click(OnMode(320, 240));
    });
    backend.At(4000, [&] {
        second = CurrentModeId();
        tableFrames = Frames();
        table = MatchesGolden(backend.GetScreen(), "program_built_table");
    });
    CloseAt(4100);
    EXPECT_EQ(RunOwlMain(), 0);
    EXPECT_EQ(first, TCasOTCrapsGFW::IntroModeId);
    EXPECT_EQ(second, TCasOTCrapsGFW::CrapsModeId);
    // Each mode ran: its objects loaded and its frames ticked.
    EXPECT_GE(introFrames, 3U);
    EXPECT_GE(tableFrames, 5U);
    EXPECT_TRUE(table);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
}

} // namespace
