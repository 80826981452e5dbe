// The program's frame on the built data set: which mode opens first, the way to the table and
// its enabler, the table's options and help commands, and a game file without the first mode.
#include "ProgramRun.h"
#include "ProgramSupport.h"

#include "engine/framework/GameLord.h"
#include "platform/framework/help/WinHelp.h"
#include "platform/framework/menus/CommandEnabler.h"

namespace {

class ProgramStart : public ProgramFixture {
protected:
    ProgramStart() { Build(); }

    static TCommandEnabler GoToCraps() {
        TCommandEnabler ce(CM_GOTOCRAPS);
        Frame()->CeGoToCraps(ce);
        return ce;
    }
};

TEST_F(ProgramStart, TheShowSettingChoosesTheFirstMode) {
    struct Case {
        const char* Settings;
        u16 First;
    };
    const Case cases[] = {{nullptr, TCasOTCrapsGFW::IntroModeId},
                          {"[Intro]\nShow=1\n", TCasOTCrapsGFW::IntroModeId},
                          {"[Intro]\nShow=0\n", TCasOTCrapsGFW::CrapsModeId},
                          {"[Intro]\nShow=no\n", TCasOTCrapsGFW::IntroModeId}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Settings ? c.Settings : "no settings");
        std::filesystem::remove(Dir.Host("otcraps.ini"));
        if (c.Settings != nullptr)
            Dir.WriteHostFile("otcraps.ini", c.Settings);
        u16 first = 0;
        const u64 start = Session.Backend().Now();
        Session.Backend().At(start + 800, [&] { first = CurrentModeId(); });
        CloseAt(start + 900);
        EXPECT_EQ(RunOwlMain(), 0);
        EXPECT_EQ(first, c.First);
    }
    EXPECT_TRUE(Boxes.Boxes.empty());
}

// Whichever mode opens first, the table stands whole in a frame of one size: a frame fitted to
// its first mode before the menu bar came would lose the table's bottom rows to the bar.
TEST_F(ProgramStart, TheTableIsWholeInTheSameFrameWithTheIntroOnOrOff) {
    struct TAtTable {
        u16 Mode = 0;
        TRect Frame, Client, Table;
    };
    std::vector<TAtTable> seen;
    for (const char* settings : {"[Intro]\nShow=1\n", "[Intro]\nShow=0\n"}) {
        SCOPED_TRACE(settings);
        Dir.WriteHostFile("otcraps.ini", settings);
        const u64 start = Session.Backend().Now();
        Session.Backend().At(start + 800, [&] { Post(CM_GOTOCRAPS); });
        Session.Backend().At(start + 1600, [&] {
            TDesktop& desktop = TDesktop::Get();
            seen.push_back({CurrentModeId(), desktop.GetWindowRect(Frame()),
                            desktop.ScreenClientRect(Frame()), desktop.GetWindowRect(Mode())});
        });
        CloseAt(start + 1700);
        EXPECT_EQ(RunOwlMain(), 0);
    }
    ASSERT_EQ(seen.size(), 2U);
    for (const TAtTable& at : seen) {
        EXPECT_EQ(at.Mode, TCasOTCrapsGFW::CrapsModeId);
        EXPECT_EQ(at.Table.Size(), TSize(640, 480));
        EXPECT_EQ(at.Client, at.Table);
    }
    EXPECT_EQ(seen[0].Frame, seen[1].Frame);
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(ProgramStart, GoToCrapsLeadsToOneTableHoweverOftenItIsAsked) {
    THeadlessBackend& backend = Session.Backend();
    TCommandEnabler inIntro(0), atTable(0);
    TJorpModeWindow* table = nullptr;
    TGameLord* lord = nullptr;
    u16 previous = 0;
    bool same = false;
    backend.At(800, [&] {
        inIntro = GoToCraps();
        for (int i = 0; i < 6; ++i)
            Post(CM_GOTOCRAPS);
    });
    backend.At(1600, [&] {
        atTable = GoToCraps();
        table = Mode();
        lord = table->GetMainGameObject();
        for (int i = 0; i < 6; ++i)
            Post(CM_GOTOCRAPS);
    });
    backend.At(2400, [&] {
        previous = Frame()->GetCrapsMenuEnable()->PreviousModeId;
        same = Mode() == table && table->GetMainGameObject() == lord;
    });
    CloseAt(2500);
    EXPECT_EQ(RunOwlMain(), 0);
    EXPECT_TRUE(inIntro.IsEnabled());
    EXPECT_EQ(inIntro.GetCheck(), TCommandEnabler::Unchecked);
    EXPECT_FALSE(atTable.IsEnabled());
    EXPECT_EQ(atTable.GetCheck(), TCommandEnabler::Checked);
    EXPECT_NE(lord, nullptr);
    EXPECT_TRUE(same);
    // A table made again would have the table as the mode before it.
    EXPECT_EQ(previous, TCasOTCrapsGFW::IntroModeId);
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(ProgramStart, AtTheTableOptionsWithoutAGamblerSayNoPlayerAndF1AsksForTheTablesHelp) {
    Dir.WriteHostFile("otcraps.ini", "[Intro]\nShow=0\n");
    THeadlessBackend& backend = Session.Backend();
    bool pausedAfter = true;
    ClearWinHelpRequests();
    backend.At(800, [&] { Post(CM_BETOPTIONS); });
    backend.At(1000, [&] {
        pausedAfter = Mode()->IsPaused();
        backend.Key(VK_F1);
    });
    CloseAt(1200);
    EXPECT_EQ(RunOwlMain(), 0);
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Error - Bet Options");
    EXPECT_EQ(Boxes.Boxes[0].Text, "Active player not found.");
    EXPECT_FALSE(pausedAfter);
    const auto help = GetLastWinHelpRequest();
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(help->Command, 1U);
    EXPECT_EQ(help->Data, 3000U);
}

class ProgramStartBroken : public ProgramFixture {};

TEST_F(ProgramStartBroken, AGameFileWithoutTheFirstModeEndsNamingIt) {
    Build([](TDataSet& set) { std::erase(set.Game.Modes, std::string("s4intro.m")); });
    // The real program, since the end comes while its window is half made.
    std::filesystem::copy_file(OTCRAPS_PROGRAM, Dir.Host("otcraps"));
    const TProgramRun run = RunProgram(Dir.Host("otcraps").string(), {"--headless"});
    EXPECT_EQ(run.Code, 1);
    const size_t box = run.Errors.find("[Create Mode Window]");
    ASSERT_NE(box, std::string::npos) << run.Errors;
    EXPECT_NE(run.Errors.find("s4intro.m", box), std::string::npos) << run.Errors;
}

} // namespace
