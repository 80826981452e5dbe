// The gambler list driven by scripted clicks and keys: its rows and buttons, the focus handed
// to Done, (de)activation and its refusals, deleting, statistics and leaving with nobody seated.
#include "GamblerFixture.h"

#include "casino/GamblerDialog.h"

#include "engine/framework/DialogPlacement.h"

namespace {

class GamblerDialogTest : public GamblerFixture {
protected:
    using Steps = std::vector<std::function<void(TDialog*)>>;
    // Runs the list; the steps run once it is on screen, a little apart, and must close it.
    int RunList(const Steps& steps) {
        TGamblerDialog dialog(nullptr, IDD_GAMBLER, Mgr, 1000);
        std::vector<std::function<void()>> bound;
        for (const auto& step : steps)
            bound.push_back([&dialog, step] { step(&dialog); });
        RunSteps(Backend(), std::move(bound), 40);
        return dialog.Execute();
    }
    // What the list shows and allows: each row, then each button as "text" or "(text)" when
    // gray.
    std::vector<std::string> Shown(TDialog* d) {
        std::vector<std::string> shown;
        for (int row = 0; row < ListOf(d)->GetCount(); ++row)
            shown.push_back(ListOf(d)->GetString(row));
        for (int id : {200, 203, 204, 205, 201}) {
            TButton* b = ButtonOf(d, id);
            shown.push_back(b->IsWindowEnabled() ? b->GetText() : "(" + b->GetText() + ")");
        }
        return shown;
    }
    std::function<void(TDialog*)> Click(int id) {
        return [this, id](TDialog* d) { ClickIn(d->GetDlgItem(id)); };
    }
    void Answer(TDialog*) { Messages.push_back(AnswerMessage()); }

    const std::function<void(TDialog*)> Done = Click(201);
    std::vector<std::string> Messages;
};

using Lines = std::vector<std::string>;

TEST_F(GamblerDialogTest, RowsInRecordOrderAndButtonsForEachSelection) {
    Make({{"Ann", false}, {"Bob", true}, {"Cy", false}});
    std::vector<Lines> seen;
    const auto see = [&](TDialog* d) { seen.push_back(Shown(d)); };
    TRect placed;
    EXPECT_EQ(RunList({[&](TDialog* d) {
                           placed = d->GetWindowRect();
                           see(d);
                           ClickRow(d, 1);
                       },
                       [&](TDialog* d) { see(d), ClickRow(d, 2); }, see, Done}),
              IDOK);
    EXPECT_EQ(placed.TopLeft(), TPoint((800 - placed.Width()) / 2, (600 - placed.Height()) / 2));
    const std::string ann = "        Ann           M       $100",
                      bob = "  *     Bob           M       $100",
                      cy = "        Cy            M       $100";
    ASSERT_EQ(seen.size(), 3U);
    EXPECT_EQ(seen[0], (Lines{ann, bob, cy, "(&Activate)", "&Create", "(&Delete)", "(&Statistics)",
                              "Do&ne"}));
    EXPECT_EQ(seen[1],
              (Lines{ann, bob, cy, "De&Activate", "&Create", "(&Delete)", "&Statistics", "Do&ne"}));
    EXPECT_EQ(seen[2],
              (Lines{ann, bob, cy, "&Activate", "&Create", "&Delete", "&Statistics", "Do&ne"}));
    EXPECT_TRUE(Mgr.IsActive(1));
    EXPECT_EQ(Mgr.CountActive(), 1);
}

TEST_F(GamblerDialogTest, ActivatingWithTheKeyboardGraysDeleteAndTheFocusGoesToDone) {
    Make({{"Ann", true}, {"Bob", false}});
    HWND focusAfter = nullptr, done = nullptr;
    Lines after;
    RunList({[&](TDialog* d) { ClickRow(d, 1); },
             [&](TDialog* d) {
                 d->FocusControl(d->GetDlgItem(204));
                 // The mnemonic of "&Activate", typed while Delete has the focus.
                 Backend().Type('a');
             },
             [&](TDialog* d) {
                 focusAfter = TDesktop::Get().GetFocus();
                 done = d->GetDlgItem(201);
                 after = Shown(d);
                 Backend().Key(VK_RETURN);
             }});
    EXPECT_TRUE(Mgr.IsActive(1));
    ASSERT_EQ(after.size(), 7U);
    EXPECT_EQ(after[2], "De&Activate");
    EXPECT_EQ(after[4], "(&Delete)");
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(focusAfter, done);
}

TEST_F(GamblerDialogTest, DoubleClicksActivateAndDeactivateButNotPastTheSeatLimit) {
    Make({{"A", true}, {"B", true}, {"C", false}, {"D", false}});
    RunList({[&](TDialog* d) { ClickRow(d, 2, 2); },            // C takes the third seat
             [&](TDialog* d) { Answer(d), ClickRow(d, 3, 2); }, // D cannot: every seat is taken
             [&](TDialog* d) { Answer(d), ClickRow(d, 0, 2); }, // A leaves
             Done});
    EXPECT_EQ(Messages, (Lines{"", ""}));
    EXPECT_FALSE(Mgr.IsActive(0));
    EXPECT_TRUE(Mgr.IsActive(1) && Mgr.IsActive(2));
    EXPECT_FALSE(Mgr.IsActive(3));
}

TEST_F(GamblerDialogTest, ARoundInPlayRefusesChangesWithAMessageAndChangesNothing) {
    Make({{"Ann", true}, {"Bob", false}});
    Round.Allow = false;
    Lines after;
    // The list takes clicks again once each message has gone.
    RunList({[&](TDialog* d) { ClickRow(d, 0, 2); }, [&](TDialog* d) { Answer(d); },
             [&](TDialog* d) { ClickRow(d, 1); }, Click(200), [&](TDialog* d) { Answer(d); },
             [&](TDialog* d) { after = Shown(d); }, Done});
    EXPECT_EQ(Messages, (Lines{"Can't DeActivate Gambler at this time: The Current round in play "
                               "must be completed before any gambler can be DeActivated.",
                               "Can't Activate Gambler at this time: Error - Activate Gambler"}));
    EXPECT_TRUE(Mgr.IsActive(0));
    EXPECT_FALSE(Mgr.IsActive(1));
    EXPECT_EQ(after[0], "  *     Ann           M       $100");
}

TEST_F(GamblerDialogTest, DeletingAnInactiveJoeMakesAFreshOne) {
    Make({{"Joe Gambler", false}, {"Ann", true}});
    ASSERT_EQ(Mgr.GetBankroll(0), 100.0);
    std::string asked;
    Lines after;
    RunList({[&](TDialog* d) { ClickRow(d, 0); }, Click(204),
             [&](TDialog*) {
                 TDialog* confirm = Open("Delete Gambler");
                 ASSERT_NE(confirm, nullptr);
                 asked = StaticText(confirm, 203);
                 ClickIn(confirm->GetDlgItem(200));
             },
             [&](TDialog* d) { after = Shown(d); }, Done});
    EXPECT_EQ(asked, "About to delete Joe Gambler");
    // A new record, not the old one kept: $500 again, unseated, after Ann.
    EXPECT_EQ(Mgr.FindPlayer("Joe Gambler"), 0);
    EXPECT_EQ(Mgr.GetBankroll(0), 500.0);
    EXPECT_FALSE(Mgr.IsActive(0));
    EXPECT_EQ(after[0], "        Joe Gambler   M       $500");
}

TEST_F(GamblerDialogTest, CancellingADeleteKeepsTheGamblerAndStillMakesSureJoeExists) {
    Make({{"Ann", true}, {"Bob", false}});
    RunList({[&](TDialog* d) { ClickRow(d, 1); }, Click(204),
             [&](TDialog*) { Backend().Key(VK_ESCAPE); }, Done});
    EXPECT_EQ(Mgr.FindPlayer("Bob"), 1);
    EXPECT_EQ(Mgr.FindPlayer("Joe Gambler"), 2);
    EXPECT_FALSE(Mgr.IsActive(2));
}

TEST_F(GamblerDialogTest, LeavingWithNobodySeatedSeatsJoeByDoneOrEscape) {
    for (bool escape : {false, true}) {
        Make({{escape ? "Esc" : "Done", false}});
        RunList({escape ? [this](TDialog*) { Backend().Key(VK_ESCAPE); } : Done});
        const i16 joe = Mgr.FindPlayer("Joe Gambler");
        EXPECT_EQ(Mgr.GetActive(0), joe) << escape;
        EXPECT_EQ(Mgr.CountActive(), 1);
        // Seated, nobody else is made on the next leave.
        RunList({Done});
        EXPECT_EQ(Mgr.CountActive(), 1);
        ASSERT_TRUE(Mgr.DeactivatePlayer(joe));
    }
    EXPECT_EQ(Mgr.CountUsed(), 3);
}

TEST_F(GamblerDialogTest, TwentyGamblersGrayCreateAndStatisticsGoesToTheManager) {
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(Mgr.CreatePlayer("G" + std::to_string(i), i % 2, 10.0 * i));
    Lines shown;
    TDialog* list = nullptr;
    RunList({[&](TDialog* d) { list = d, shown = Shown(d), ClickRow(d, 4); }, Click(205), Done});
    ASSERT_EQ(shown.size(), 25U);
    EXPECT_EQ(shown[21], "(&Create)");
    EXPECT_EQ(shown[19], "        G19           M       $190");
    EXPECT_EQ(Mgr.StatsShown, (std::vector<i16>{4}));
    // The statistics stand over the list, not over the frame behind it.
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Mgr.StatsParents, (std::vector<TWindow*>{list}));
}

} // namespace
