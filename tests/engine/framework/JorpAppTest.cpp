// The engine application: start-up and shutdown order, the display check, one copy of the
// program (and a lock file that cannot be one), a missing or broken data set, and help.
#include "AppFixture.h"

#include "engine/foundation/DetList.h"
#include "engine/foundation/FileMgr.h"
#include "engine/framework/GameFile.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/controls/Static.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/window/FrameWindow.h"

#include "support/NoWait.h"

#include <filesystem>
#include <sys/stat.h>
#include <tuple>

namespace {

// Notes each of the application's own steps, and what the engine context held at the time.
class TRecApp : public TTestApp {
public:
    void CreateIniFile() override { TTestApp::CreateIniFile(), Note("ini+"); }
    void DeleteIniFile() override { Note("ini-"), TTestApp::DeleteIniFile(); }
    void CreateFileMgr() override { TTestApp::CreateFileMgr(), Note("files+"); }
    void DeleteFileMgr() override { Note("files-"), TTestApp::DeleteFileMgr(); }
    bool CheckExtra() override { return Note("extra"), false; }
    void CreateGame() override { TTestApp::CreateGame(), Note("game+"); }
    void DeleteGame() override { Note("game-"), TTestApp::DeleteGame(); }
    void CreatePalette() override { TTestApp::CreatePalette(), Note("pal+"); }
    void DeletePalette() override { Note("pal-"), TTestApp::DeletePalette(); }

    void Note(const std::string& step) {
        // Whether the context holds settings and file manager at the step.
        Log.push_back(step + (TEngineContext::Settings != nullptr ? " S" : "") +
                      (TEngineContext::FileMgr != nullptr ? " F" : ""));
    }
    std::vector<std::string> Log;
};

using JorpAppTest = AppFixture;

TEST_F(JorpAppTest, StartsAndShutsDownInOrderAndRecordsACompletedRun) {
    ASSERT_TRUE(WriteFixtureDataSet(Dir));
    {
        TRecApp app;
        EXPECT_EQ(TEngineContext::Module, &app);
        ASSERT_TRUE(app.StartUp());
        EXPECT_EQ(app.Log, (std::vector<std::string>{"ini+ S", "files+ S F", "extra S F",
                                                     "game+ S F", "pal+ S F"}));
        EXPECT_NE(app.GetFileMgr()->GetDetList()->FindDet("otcraps.det"), nullptr);
        EXPECT_EQ(app.GetGame()->GetModeCount(), 2);
        EXPECT_EQ(Makers.Only("pal"), (std::vector<std::string>{"pal casino.pal"}));
        // A second start makes nothing.
        EXPECT_TRUE(app.StartUp());
        EXPECT_EQ(app.Log.size(), 5U);
        // Help without a file of the program's own name takes the description's name; without
        // a main window it opens nothing.
        EXPECT_EQ(app.GetHelpFilePath(), "c:\\testgame.hlp");
        Dir.WriteHostFile("otcraps.hlp", "help");
        EXPECT_EQ(app.GetHelpFilePath(), "c:\\otcraps.hlp");
        EXPECT_FALSE(app.WinHelp(3, 0));
        app.Log.clear();
        ASSERT_TRUE(app.ShutDown());
        // The file manager goes while the settings still take its values; PrevRun is
        // written before the settings object goes.
        EXPECT_EQ(app.Log,
                  (std::vector<std::string>{"pal- S F", "game- S F", "files- S F", "ini- S"}));
        EXPECT_EQ(ReadBack("System", "PrevRun"), 1);
        EXPECT_TRUE(app.ShutDown());
        EXPECT_EQ(app.Log.size(), 4U);
    }
    EXPECT_EQ(TEngineContext::Settings, nullptr);
    EXPECT_EQ(TEngineContext::FileMgr, nullptr);
    EXPECT_EQ(TEngineContext::Module, nullptr);
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(JorpAppTest, TheDisplayMustHoldTheGameAreaAndOtherColourDepthsWarnWhileAllowed) {
    const char* tooSmall = "Display resolution must be at least 640 by 480, and the number of "
                           "colors recommended is 256.\nPlease install an appropriate SVGA video "
                           "driver.";
    const char* fewer = "The number of colors detected for the current video driver is less than "
                        "256.\nThis will result in extremely poor color quality and poor "
                        "performance.";
    const char* more = "The number of colors detected for the current video driver is greater "
                       "than 256. Depending on your system this could result in slightly slower "
                       "performance.";
    const struct {
        int W, H, Bits;
        const char* Switch; // written 0 first when set
        bool Starts;
        const char* Shown; // the box or the warning; null for none
    } cases[] = {
        {640, 480, 8, nullptr, true, nullptr},         {639, 480, 8, nullptr, false, tooSmall},
        {640, 479, 8, nullptr, false, tooSmall},       {1280, 1024, 4, nullptr, true, fewer},
        {800, 600, 4, "BPP_LT_RECOM", true, nullptr},  {800, 600, 16, nullptr, true, more},
        {800, 600, 24, "BPP_GT_RECOM", true, nullptr},
    };
    ASSERT_TRUE(WriteFixtureDataSet(Dir));
    for (const auto& c : cases) {
        std::filesystem::remove(Dir.Host("otcraps.ini"));
        if (c.Switch != nullptr)
            TJorpIniFile("c:", "\\", "otcraps", "otcraps.ini", true)
                .WriteInt("Warning Msgs", c.Switch, 0);
        Boxes.Boxes.clear();
        std::tie(Makers.ScreenWidth, Makers.ScreenHeight, Makers.ScreenBits) =
            std::tuple(c.W, c.H, c.Bits);
        std::string warned;
        if (c.Starts && c.Shown != nullptr)
            Backend().After(50, [&] {
                auto* w = dynamic_cast<TDialog*>(TDesktop::Get().FindWindow(nullptr, "Warning"));
                ASSERT_NE(w, nullptr);
                warned = dynamic_cast<TStatic*>(w->GetDlgItem(103))->GetText();
                Backend().Key(VK_ESCAPE);
            });
        {
            TTestApp app;
            EXPECT_EQ(app.StartUp(), c.Starts) << c.W << "x" << c.H << "x" << c.Bits;
        }
        const std::string shown = c.Starts ? warned
                                  : Boxes.Boxes.empty()
                                      ? ""
                                      : Boxes.Boxes[0].Caption + ": " + Boxes.Boxes[0].Text;
        EXPECT_EQ(shown, c.Shown == nullptr ? ""
                         : c.Starts         ? c.Shown
                                            : std::string("Fatal Error: ") + c.Shown);
        EXPECT_TRUE(Backend().ScriptEmpty());
        // A failed start writes nothing; a completed one records its run.
        EXPECT_EQ(ReadBack("System", "PrevRun"), c.Starts ? 1 : -1);
    }
}

const std::string SecondCopyLine =
    "otcraps is already running; its window was brought to the front.\n";

TEST_F(JorpAppTest, AWindowWithTheTitleIsBroughtForwardInsteadOfStarting) {
    const struct {
        bool Minimised, Animate;
        int Moves; // at least this many moves of the other window
    } cases[] = {{false, true, 0}, {true, false, 0}, {true, true, 80}};
    ASSERT_TRUE(WriteFixtureDataSet(Dir));
    for (const auto& c : cases) {
        TFrameWindow other(nullptr, "Test Game");
        other.Attr = {WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 100, 120, 300, 200};
        ASSERT_TRUE(other.Create());
        TFrameWindow front(nullptr, "Another");
        front.Attr = {WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 0, 100, 100};
        ASSERT_TRUE(front.Create());
        if (c.Minimised)
            other.ShowWindow(SW_MINIMIZE);
        const TRect before = c.Minimised ? TRect(100, 120, 400, 320) : other.GetWindowRect();
        int moves = 0;
        TDesktop::Get().SetMessageHook([&](HWND w, u32 msg, WPARAM, LPARAM) {
            if (w == &other && msg == WM_MOVE)
                ++moves;
        });
        TTestApp app;
        app.SetAnimatePreviousInstance(c.Animate);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(app.StartUp());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), SecondCopyLine);
        TDesktop::Get().SetMessageHook(nullptr);
        EXPECT_TRUE(Boxes.Boxes.empty());
        EXPECT_FALSE(other.IsIconic());
        EXPECT_EQ(TDesktop::Get().GetTopLevelWindows().front(), &other);
        EXPECT_EQ(other.GetWindowRect(), before);
        if (c.Moves == 0)
            EXPECT_EQ(moves, 0);
        else
            EXPECT_GE(moves, c.Moves);
        // Nothing was started: nothing to write at the end.
        EXPECT_FALSE(app.IsStarted());
    }
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("otcraps.ini")));
}

TEST_F(JorpAppTest, ACopyHoldingTheLockFileIsAskedToComeForward) {
    ASSERT_TRUE(WriteFixtureDataSet(Dir));
    TInstanceLock running;
    ASSERT_EQ(running.Acquire(Dir.Host("otcraps.lck").string()), TInstanceLock::TResult::Acquired);
    TInstanceLock::TakeComeForwardRequest();
    {
        TTestApp app;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(app.StartUp());
        // A copy started from a terminal says why it ends, in one line.
        EXPECT_EQ(testing::internal::GetCapturedStderr(), SecondCopyLine);
    }
    EXPECT_TRUE(TInstanceLock::TakeComeForwardRequest());
    EXPECT_TRUE(Boxes.Boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("otcraps.ini")));

    // The started copy holds the lock until it shuts down.
    running.Release();
    TTestApp first;
    ASSERT_TRUE(first.StartUp());
    EXPECT_EQ(running.Acquire(Dir.Host("otcraps.lck").string()),
              TInstanceLock::TResult::HeldElsewhere);
    first.ShutDown();
    EXPECT_EQ(running.Acquire(Dir.Host("otcraps.lck").string()), TInstanceLock::TResult::Acquired);
}

TEST_F(JorpAppTest, ASecondCopyEndsBeforeItMakesItsSettings) {
    ASSERT_TRUE(WriteFixtureDataSet(Dir));
    TInstanceLock running;
    ASSERT_EQ(running.Acquire(Dir.Host("otcraps.lck").string()), TInstanceLock::TResult::Acquired);
    {
        TRecApp app;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(app.StartUp());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), SecondCopyLine);
        // Settings made would read the running copy's file and write it back when they go.
        EXPECT_TRUE(app.Log.empty()) << app.Log.front();
    }
    EXPECT_TRUE(TInstanceLock::TakeComeForwardRequest());
}

TEST_F(JorpAppTest, ALockPathThatIsNoFileIsToldOnceAndTheGamePlaysOn) {
    ASSERT_TRUE(WriteFixtureDataSet(Dir));
    const std::filesystem::path lock = Dir.Host("otcraps.lck");
    const std::string notAFile = "is not a file (a FIFO, a device or a socket)";
    const struct {
        const char* What;
        std::function<void()> Make;
        std::string Is;
    } cases[] = {
        {"a folder", [&] { std::filesystem::create_directory(lock); }, "is a folder"},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0); }, notAFile},
        {"a link to /dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", lock); },
         notAFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        std::filesystem::remove(lock);
        c.Make();
        Boxes.Boxes.clear();
        TTestApp app;
        EXPECT_TRUE(ReturnsWithoutWaitingOn(lock.string(), [&] { EXPECT_TRUE(app.StartUp()); }));
        ASSERT_EQ(Boxes.Boxes.size(), 1U);
        EXPECT_EQ(Boxes.Boxes[0].Caption, "Warning");
        EXPECT_EQ(Boxes.Boxes[0].Text,
                  "Whether another copy of the game runs cannot be checked: the lock file\n" +
                      lock.string() + "\n" + c.Is +
                      ".\n\nThe game goes on; start only one copy at a time.");
        app.ShutDown();
        EXPECT_FALSE(std::filesystem::is_regular_file(lock));
    }
}

TEST_F(JorpAppTest, AMissingOrBrokenDataSetEndsInOneMessageNamingEveryFile) {
    const std::string data = Dir.Host("data").string() + "/";
    TFixtureDataSet none;
    none.WithCatalogue = false;
    TFixtureDataSet noPalette;
    noPalette.WithPalette = false;
    TFixtureDataSet damaged;
    damaged.GameBytes = "GAME\x02\x00\x03\x00\x00\x00\x00\x00\x09\x00ab";
    TFixtureDataSet noModes;
    noModes.Modes.clear();
    const struct {
        const char* What;
        const TFixtureDataSet& Set;
        bool UnreadablePalette;
        std::vector<std::string> Lines;
    } cases[] = {
        {"nothing",
         none,
         false,
         {"Not found: " + data + "otcraps.det", "Not found: " + data + "casino.g"}},
        // A name that is nowhere is told with the file that named it, which may be what is
        // damaged.
        {"no palette",
         noPalette,
         false,
         {"Not found: " + data + "casino.pal, the palette casino.g in " + data +
          "otcraps.dew names"}},
        // The pack reads: what is damaged is the object inside it, and where.
        {"damaged game",
         damaged,
         false,
         {"Cannot be read: casino.g in " + data +
          "otcraps.dew (damaged at byte 4, where its contents run past its end)"}},
        {"no modes", noModes, false, {"Names no mode: casino.g in " + data + "otcraps.dew"}},
        {"unreadable palette",
         TFixtureDataSet{},
         true,
         {"Cannot be read: casino.pal in " + data + "otcraps.dew (damaged at byte 0)"}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(Dir.Host("data"));
        ASSERT_TRUE(WriteFixtureDataSet(Dir, c.Set));
        Makers.PaletteUnreadable = c.UnreadablePalette;
        Boxes.Boxes.clear();
        int code = 0;
        {
            TTestApp app;
            try {
                app.StartUp();
            } catch (const TProcessExit& e) {
                code = e.Code;
            }
        }
        EXPECT_EQ(code, 1) << c.What;
        ASSERT_EQ(Boxes.Boxes.size(), 1U) << c.What;
        EXPECT_EQ(Boxes.Boxes[0].Caption, "Fatal Error") << c.What;
        std::string text = "The game cannot start without its data files:";
        for (const std::string& line : c.Lines)
            text += "\n" + line;
        EXPECT_EQ(Boxes.Boxes[0].Text, text) << c.What;
        EXPECT_FALSE(std::filesystem::exists(Dir.Host("otcraps.ini"))) << c.What;
    }
}

} // namespace
