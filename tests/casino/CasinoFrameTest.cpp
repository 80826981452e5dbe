// The casino frame with fake media: its enablers against the flags, the sound item, the pause
// around its dialogs, switching by number and name with their boxes, and the intro setting.
#include "FrameFixture.h"

#include "engine/framework/JorpTime.h"
#include "engine/framework/PlayerMgr.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/chrome/Chrome.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/draw/BitmapResources.h"
#include "platform/framework/menus/CommandEnabler.h"
#include "platform/framework/menus/MenuUi.h"
#include "platform/framework/window/Desktop.h"
#include "tests/support/Golden.h"

#include <algorithm>
#include <filesystem>

namespace {

using Lines = std::vector<std::string>;

// Popups of the casino's bar.
constexpr int FilePopup = 0;
constexpr int OptionsPopup = 1;
constexpr int HelpPopup = 3;

using CasinoFrameTest = CasinoFrameFixture;

TEST_F(CasinoFrameTest, EachFlagGraysItsOwnItemAndNoOther) {
    StartGame();
    StartMode();
    struct TItem {
        int Popup;
        u32 Id;
        bool TCasinoMenuEnable::*Flag;
    };
    const TItem items[] = {
        {FilePopup, CM_PLAYERMGR, &TCasinoMenuEnable::PlayerMgr},
        {FilePopup, CM_EXITGAME, &TCasinoMenuEnable::Exit},
        {OptionsPopup, CM_SOUND, &TCasinoMenuEnable::Sound},
        {HelpPopup, CM_HELPCONTENTS, &TCasinoMenuEnable::HelpContents},
        {HelpPopup, CM_ABOUT, &TCasinoMenuEnable::About},
    };
    TCasinoMenuEnable& flags = *Frame().GetCasinoMenuEnable();
    for (const TItem& off : items) {
        flags.SetAll(true);
        flags.*off.Flag = false;
        for (const TItem& item : items)
            EXPECT_EQ(ItemState(Frame(), item.Popup, item.Id).Grayed, item.Id == off.Id)
                << item.Id << " with the flag of " << off.Id << " off";
    }
    // Credits never depend on the flags.
    flags.SetAll(false);
    TCommandEnabler credits(CM_CREDITS, &Frame());
    Frame().EvCommandEnable(credits);
    EXPECT_TRUE(credits.GetHandled() && credits.IsEnabled());
}

TEST_F(CasinoFrameTest, TheSoundItemShowsTheMixerAndFlipsIt) {
    const struct {
        const char* What;
        bool Present, Muted;
        bool Grayed, Checked;
        bool MutedAfterChoosing;
    } cases[] = {
        {"sounding", true, false, false, true, true},
        {"muted", true, true, false, false, false},
        {"no wave device", false, false, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        App.reset();
        Makers.Mixer = {c.Present, c.Muted};
        StartGame();
        const TItemState before = ItemState(Frame(), OptionsPopup, CM_SOUND);
        EXPECT_EQ(before.Grayed, c.Grayed);
        EXPECT_EQ(before.Checked, c.Checked);
        Frame().SendMessage(WM_COMMAND, CM_SOUND, 0);
        EXPECT_EQ(Makers.Mixer.Muted, c.MutedAfterChoosing);
        if (c.Present) {
            EXPECT_EQ(ItemState(Frame(), OptionsPopup, CM_SOUND).Checked, !c.MutedAfterChoosing);
        }
    }
}

class CasinoPauseTest : public CasinoFrameFixture {
protected:
    u32 FrameCount() { return Frame().GetModeWindow()->GetFrameTimer()->GetCounter(); }
    // Sends the command and notes whether a dialog came up over a paused, silent game; the
    // dialog is closed with Esc. False when no dialog came.
    bool RunCommand(u32 id) {
        Opened = false;
        Makers.Log.clear();
        Backend().After(100, [this] {
            TWindow* dialog = TDesktop::Get().GetActiveWindow();
            Opened = dialog != nullptr && dialog != &Frame();
            PausedInside = Frame().GetModeWindow()->IsPaused();
            Stopped = std::count(Makers.Log.begin(), Makers.Log.end(), "sound stop");
            AtOpen = FrameCount();
            Backend().After(1000, [this] {
                AtClose = FrameCount();
                Backend().Key(VK_ESCAPE);
            });
        });
        Frame().SendMessage(WM_COMMAND, id, 0);
        return Opened;
    }
    bool Opened = false;
    bool PausedInside = false;
    long Stopped = 0;
    u32 AtOpen = 0, AtClose = 0;
};

TEST_F(CasinoPauseTest, AboutAndCreditsPauseTheGameAndLeaveAnEarlierPauseInPlace) {
    StartGame();
    TJorpModeWindow& mode = StartMode();
    TDibImage credits;
    credits.Width = credits.Height = 4;
    credits.Colors = {{0x20, 0x60, 0x10, 0}};
    credits.Pixels.assign(16, 0);
    ASSERT_TRUE(TBitmapResources::Get().Add(99, credits));
    const u32 commands[] = {CM_ABOUT, CM_CREDITS};
    for (u32 id : commands) {
        for (bool pausedBefore : {false, true}) {
            SCOPED_TRACE(testing::Message() << id << (pausedBefore ? " paused" : ""));
            mode.SetPaused(pausedBefore);
            ASSERT_TRUE(RunCommand(id));
            EXPECT_TRUE(PausedInside);
            EXPECT_EQ(Stopped, 1);
            EXPECT_EQ(AtClose, AtOpen);
            EXPECT_EQ(mode.IsPaused(), pausedBefore);
            const u32 after = FrameCount();
            App->RunFor(1000);
            EXPECT_EQ(FrameCount() > after, !pausedBefore);
        }
    }
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(CasinoPauseTest, CreditsWithoutTheirPictureDoNothing) {
    // The program's resources hold the picture: this program goes without it.
    TBitmapResources::Get().Clear();
    StartGame();
    TJorpModeWindow& mode = StartMode();
    EXPECT_FALSE(RunCommand(CM_CREDITS));
    EXPECT_TRUE(Makers.Log.empty());
    // The scripted look finds the game itself, running.
    App->RunFor(2000);
    EXPECT_FALSE(Opened);
    EXPECT_FALSE(PausedInside);
    EXPECT_FALSE(mode.IsPaused());
    EXPECT_FALSE(Frame().ShowBitmapDialog(99));
}

TEST_F(CasinoFrameTest, SwitchingByNumberOrNameSaysWhatWentWrong) {
    StartGame();
    // No start-up mode has been chosen: the frame begins without a mode window.
    EXPECT_EQ(Frame().GetModeWindow(), nullptr);
    EXPECT_EQ(Frame().GetStartupMode(), -1);
    const Lines made{"Create Mode Window: Default mode Win Created"};
    const Lines refused{"Switch Mode: Internal error, no switch attempted"};
    const struct {
        const char* What;
        std::function<bool(TCasinoGameFrameWindow&)> Switch;
        bool Switched;
        Lines Said;
        i16 Showing;
    } cases[] = {
        {"by number", [](auto& f) { return f.SwitchMode(1); }, true, made, 1},
        {"by name", [](auto& f) { return f.SwitchModeByName("f1craps.m"); }, true, made, 0},
        {"a name of another case", [](auto& f) { return f.SwitchModeByName("F1CRAPS.M"); }, false,
         refused, 0},
        {"an unknown name", [](auto& f) { return f.SwitchModeByName("nomode.m"); }, false, refused,
         0},
        {"past the last", [](auto& f) { return f.SwitchMode(2); }, false, refused, 0},
        {"negative", [](auto& f) { return f.SwitchMode(-1); }, false, refused, 0},
        {"the mode showing", [](auto& f) { return f.SwitchMode(0); }, true, {}, 0},
    };
    for (const auto& c : cases) {
        Boxes.Boxes.clear();
        EXPECT_EQ(c.Switch(Frame()), c.Switched) << c.What;
        EXPECT_EQ(Said(), c.Said) << c.What;
        EXPECT_EQ(Frame().GetShowingMode(), c.Showing) << c.What;
        ASSERT_NE(Frame().GetModeWindow(), nullptr) << c.What;
        EXPECT_EQ(Frame().GetModeWindow()->GetModeName(), Frame().GetModeName(c.Showing));
    }
    EXPECT_EQ(Frame().GetModeName(2), "");
}

TEST_F(CasinoFrameTest, TheIntroSettingIsReadOnceAndWrittenAtEachToggle) {
    const struct {
        const char* Stored; // null: no key
        bool Shown;
    } cases[] = {{nullptr, true}, {"0", false}, {"1", true}, {"7", true}, {"-1", true},
                 {"+0", false},   {"no", true}, {"", true},  {"x1", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Stored != nullptr ? c.Stored : "(none)");
        App.reset();
        std::filesystem::remove(Dir.Host("otcraps.ini"));
        if (c.Stored != nullptr)
            Dir.WriteHostFile("otcraps.ini", std::string("[Intro]\r\nShow=") + c.Stored + "\r\n");
        StartGame();
        EXPECT_EQ(Frame().GetShowIntro(), c.Shown);
        EXPECT_EQ(ItemState(Frame(), OptionsPopup, CM_SHOWINTRO).Checked, c.Shown);
    }
    // Each toggle is in the file at once, not at exit.
    for (int expected : {0, 1, 0}) {
        Frame().SendMessage(WM_COMMAND, CM_SHOWINTRO, 0);
        EXPECT_EQ(ReadBack("Intro", "Show"), expected);
        EXPECT_EQ(ItemState(Frame(), OptionsPopup, CM_SHOWINTRO).Checked, expected == 1);
    }
}

TEST_F(CasinoFrameTest, ASettingsFileThatCannotBeWrittenLeavesTheToggleToThisRun) {
    StartGame();
    StartMode();
    // The tests run as root, for whom no folder is read-only: a folder where the file
    // should be keeps it from being replaced, and one where it would be kept instead.
    std::filesystem::remove(Dir.Host("otcraps.ini"));
    std::filesystem::create_directory(Dir.Host("otcraps.ini"));
    std::filesystem::create_directories(Dir.Host("data/otcraps.ini"));
    EXPECT_FALSE(Frame().WriteShowIntro());
    Frame().SendMessage(WM_COMMAND, CM_SHOWINTRO, 0);
    EXPECT_FALSE(Frame().GetShowIntro());
    // The player is told once, however many writes fail.
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Error - Settings File");
    EXPECT_NE(Boxes.Boxes[0].Text.find(Dir.Host("otcraps.ini").string() + "\nis a folder."),
              std::string::npos)
        << Boxes.Boxes[0].Text;
    const u32 before = Frame().GetModeWindow()->GetFrameTimer()->GetCounter();
    App->RunFor(500);
    EXPECT_GT(Frame().GetModeWindow()->GetFrameTimer()->GetCounter(), before);
}

TEST_F(CasinoFrameTest, TheOptionsMenuOverTheGameLooksClassic) {
    StartGame();
    StartMode();
    const auto centre = [](const TRect& r) {
        return TPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    Backend().Click(centre(ChromeLayout::MenuBarItemRects(&Frame()).at(OptionsPopup)));
    App->PumpWaitingMessages();
    TPopupMenuWindow* popup = TMenuUi::Get().GetPopup();
    ASSERT_NE(popup, nullptr);
    Backend().MouseMove(centre(popup->ItemRects().at(1)));
    App->PumpWaitingMessages();
    EXPECT_EQ(popup->GetSelection(), 1);
    // The caption, the bar and the pop-up; the fake media draws no game under them.
    const TRect frame = Frame().GetWindowRect();
    const TRect area(frame.left, frame.top, frame.right, popup->GetWindowRect().bottom + 8);
    EXPECT_TRUE(MatchesGolden(Backend().GetScreen(), "casino_menu_options", area));
    TMenuUi::Get().Cancel();
}

} // namespace
