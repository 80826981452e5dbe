// The table's Statistics button in a run of the real program opens the statistics of the
// gambler in the current seat, and the frame's Statistics command does the same.
#include "ProgramSupport.h"

#include "casino/CasButton.h"
#include "craps/stats/CasinoStatDlg.h"
#include "craps/stats/StatCalcCraps.h"
#include "craps/table/CrapsGameLord.h"
#include "platform/framework/window/Desktop.h"
#include "support/Golden.h"

#include <cstdlib>
#include <ctime>

namespace {

class StatsFromTable : public ProgramFixture {
protected:
    StatsFromTable() {
        setenv("TZ", "UTC", 1);
        tzset();
        // 9 September 2001, 01:46:40 UTC.
        Session.Backend().GetClock() = TFakeClock(Session.Backend().Now(), 1'000'000'000);
        Build();
    }
    static TCasinoCGameLord* Lord() {
        return dynamic_cast<TCasinoCGameLord*>(Mode()->GetMainGameObject());
    }
    static TCasinoStatDlg* OpenStats() {
        for (HWND w : TDesktop::Get().GetTopLevelWindows())
            if (auto* dialog = dynamic_cast<TCasinoStatDlg*>(w))
                return dialog;
        return nullptr;
    }
    // Past the title card, then `open` in the table, then a look at the dialog it shows.
    void RunWith(const std::function<void()>& open,
                 const std::function<void(TCasinoStatDlg&)>& seen) {
        THeadlessBackend& backend = Session.Backend();
        backend.After(1500, [&, this] {
            backend.Click(OnMode(320, 240));
            backend.After(1500, [&, this] {
                open();
                backend.After(500, [&, this] {
                    Opened = OpenStats();
                    if (Opened != nullptr) {
                        seen(*Opened);
                        const TRect r = TDesktop::Get().ScreenClientRect(Opened->GetDlgItem(IDOK));
                        backend.Click(r.TopLeft().Offset(r.Width() / 2, r.Height() / 2));
                    }
                    CloseAt(backend.Now() + 500);
                });
            });
        });
        CloseAt(60'000);
        EXPECT_EQ(RunOwlMain(), 0);
    }

    TCasinoStatDlg* Opened = nullptr;
};

TEST_F(StatsFromTable, TheStatisticsButtonOpensTheSeatedGamblersStatistics) {
    std::string caption;
    int sessions = -2;
    RunWith([] { Lord()->EvButton(1, TCasButton::CodeLeftRelease, 0); },
            [&](TCasinoStatDlg& d) {
                caption = d.GetCaption();
                sessions = d.GetCalculator().GetLastIndex() + 1;
                EXPECT_TRUE(MatchesGolden(TDesktop::Get().GetScreen(), "stats_from_table",
                                          d.GetWindowRect()));
            });
    ASSERT_NE(Opened, nullptr);
    EXPECT_EQ(caption, "Craps Statistics for Joe Gambler");
    // The session he sat down to is in play.
    EXPECT_EQ(sessions, 1);
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(StatsFromTable, TheStatisticsCommandOpensTheSameDialog) {
    std::string caption;
    RunWith([this] { Post(CM_STATISTICS); }, [&](TCasinoStatDlg& d) { caption = d.GetCaption(); });
    EXPECT_EQ(caption, "Craps Statistics for Joe Gambler");
}

} // namespace
