// The help file's reader against damaged files, and the help window the program's requests
// open: topics by context, a second request in the same window, links, scrolling, Esc, Enter,
// its Close button and HELP_QUIT, the wheel, a missing or damaged file reported in a box, and
// what is no file turned down without waiting on it.
#include "FrameFixture.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/controls/ControlConstants.h"
#include "platform/framework/help/HelpWindow.h"
#include "platform/framework/help/WinHelp.h"
#include "support/Golden.h"
#include "support/NoWait.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

THelpSpan Text(const std::string& text) {
    return {text, -1};
}

// Contents (0) linking to a long table topic (1, context 3000) and gamblers (2, context 1000).
THelpBook SampleBook() {
    THelpBook book;
    book.Topics.push_back({"contents", "Contents", 0, {}});
    book.Topics[0].Blocks.push_back(
        {THelpBlockKind::Paragraph,
         {Text("Pick a topic: "), {"the table", 1}, Text(", or "), {"gamblers", 2}, Text(".")}});
    THelpTopic table{"table", "Playing at the craps table", 3000, {}};
    table.Blocks.push_back({THelpBlockKind::Heading, {Text("The bets")}});
    for (int i = 0; i < 30; ++i)
        table.Blocks.push_back(
            {THelpBlockKind::Bullet,
             {Text("Bet number " + std::to_string(i) +
                   " pays what the table says and the text runs on long enough to wrap onto a "
                   "second line of the window.")}});
    table.Blocks.push_back({THelpBlockKind::Paragraph, {{"Back to the contents", 0}}});
    book.Topics.push_back(table);
    book.Topics.push_back({"gamblers", "Gamblers", 1000, {}});
    book.Topics[2].Blocks.push_back({THelpBlockKind::Paragraph, {Text("Up to twenty.")}});
    return book;
}

std::string Bytes(const THelpBook& book) {
    const std::vector<u8> bytes = EncodeHelpFile(book);
    return std::string(bytes.begin(), bytes.end());
}

std::optional<THelpBook> Read(const std::string& bytes, std::string* why = nullptr) {
    return ReadHelpFile(reinterpret_cast<const u8*>(bytes.data()), bytes.size(), why);
}

TEST(HelpFileReader, ABookReadsBackAsItWasWritten) {
    const THelpBook book = SampleBook();
    const auto back = Read(Bytes(book));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, book);
    EXPECT_EQ(back->FindContext(3000), 1);
    EXPECT_EQ(back->FindContext(1000), 2);
    EXPECT_EQ(back->FindContext(0), -1);
    EXPECT_EQ(back->FindContext(42), -1);
}

TEST(HelpFileReader, DamagedFilesAreRefusedWithTheirReason) {
    const std::string good = Bytes(SampleBook());
    auto with = [&](std::size_t at, char byte) {
        std::string bytes = good;
        bytes[at] = byte;
        return bytes;
    };
    // The first link of topic 0: tag 4, version 2, count 2, context 4, key 2+8, title 2+8,
    // blocks 2, kind 1, spans 2, then the first span's link and text (2+14), the second's link.
    const std::size_t secondLink = 4 + 2 + 2 + 4 + 10 + 10 + 2 + 1 + 2 + 2 + 16;
    ASSERT_EQ(good.substr(secondLink + 4, 9), "the table");
    const struct {
        const char* What;
        std::string Bytes;
        const char* Why;
    } cases[] = {
        {"empty", "", "not a help file"},
        {"another tag", with(0, 'X'), "not a help file"},
        {"another version", with(4, 2), "another version"},
        {"no topics", good.substr(0, 6) + std::string(2, '\0'), "no topics"},
        {"a link past the last topic", with(secondLink, 3), "a link to no topic"},
        {"a block of unknown kind", with(4 + 2 + 2 + 4 + 10 + 10 + 2, 7), "unknown kind"},
        {"a byte after the end", good + "x", "bytes after"},
        {"a text longer than the file", with(secondLink + 2, 0x7F), "cut short"},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_FALSE(Read(c.Bytes, &why).has_value()) << c.What;
        EXPECT_NE(why.find(c.Why), std::string::npos) << c.What << ": " << why;
    }
    // Every shorter file is refused, none is read past its end.
    for (std::size_t size = 0; size < good.size(); ++size)
        EXPECT_FALSE(Read(good.substr(0, size)).has_value()) << size;
}

TEST(HelpFileReader, TheEncoderRefusesWhatTheReaderWouldRefuse) {
    THelpBook dangling = SampleBook();
    dangling.Topics[2].Blocks[0].Spans[0].Link = 3;
    THelpBook longText = SampleBook();
    longText.Topics[2].Blocks[0].Spans[0].Text = std::string(HELP_MAX_TEXT + 1, 'a');
    for (const THelpBook& book : {THelpBook{}, dangling, longText}) {
        std::string why;
        EXPECT_TRUE(EncodeHelpFile(book, &why).empty());
        EXPECT_FALSE(why.empty());
    }
}

class HelpWindowTest : public FrameFixture {
protected:
    void SetUp() override {
        ClearWinHelpRequests();
        // Esc is a command of the frame behind the help, as at the table.
        TAccelTable table;
        table.Entries = {{FVIRTKEY, static_cast<u16>(VK_ESCAPE), 123}};
        TResourceRegistry::Get().AddAccelerators(124, table);
        TFrameSetup setup;
        setup.AccelTable = 124;
        MakeFrame(setup);
        Dir.WriteHostFile("otcraps.hlp", Bytes(SampleBook()));
    }
    void TearDown() override { ClearWinHelpRequests(); }

    void Pump() { App.PumpWaitingMessages(); }
    bool Ask(u32 command, u32 data, const char* path = "c:\\otcraps.hlp") {
        const bool shown = WinHelpA(Frame, path, command, data);
        Pump();
        return shown;
    }
    THelpWindow& Help() {
        THelpWindow* help = GetHelpWindow();
        EXPECT_NE(help, nullptr);
        return *help;
    }
    TPoint OnHelp(TPoint client) {
        Help().ClientToScreen(client);
        return client;
    }
    void Key(u32 vk) {
        Fx.Backend().Key(vk);
        Pump();
    }
    void Click(TPoint client) {
        Fx.Backend().Click(OnHelp(client));
        Pump();
    }
    // The middle of the first run that leads to the topic, in client pixels.
    TPoint LinkTo(i32 topic) {
        for (const THelpRun& run : Help().GetRuns())
            if (run.Link == topic) {
                const TRect text = Help().TextArea();
                return {(run.Box.left + run.Box.right) / 2,
                        text.top + (run.Box.top + run.Box.bottom) / 2 - Help().GetScroll()};
            }
        ADD_FAILURE() << "no link to " << topic;
        return {};
    }

    TTempDir Dir;
    TMessageBoxRecorder Boxes;
};

TEST_F(HelpWindowTest, RequestsNeedALiveWindowAndAPath) {
    EXPECT_FALSE(WinHelpA(nullptr, "c:\\otcraps.hlp", HELP_CONTENTS, 0));
    auto* gone = new TWindow(Frame, "gone");
    ASSERT_TRUE(gone->Create());
    gone->Destroy();
    EXPECT_FALSE(WinHelpA(gone, "c:\\otcraps.hlp", HELP_CONTENTS, 0));
    delete gone;
    EXPECT_FALSE(WinHelpA(Frame, nullptr, HELP_CONTENTS, 0));
    EXPECT_FALSE(GetLastWinHelpRequest().has_value());
    EXPECT_EQ(GetHelpWindow(), nullptr);
}

TEST_F(HelpWindowTest, EachRequestShowsItsTopicInTheOneHelpWindow) {
    const struct {
        u32 Command, Data;
        int Topic;
    } cases[] = {
        {HELP_CONTEXT, 3000, 1}, {HELP_CONTEXT, 1000, 2}, {HELP_CONTENTS, 0, 0},
        {HELP_CONTEXT, 3000, 1}, // an id the file does not hold opens the contents
        {HELP_CONTEXT, 4242, 0},
    };
    THelpWindow* first = nullptr;
    for (const auto& c : cases) {
        ASSERT_TRUE(Ask(c.Command, c.Data)) << c.Data;
        THelpWindow& help = Help();
        if (first == nullptr)
            first = &help;
        EXPECT_EQ(&help, first) << "a second request replaces the topic in the same window";
        EXPECT_EQ(help.GetTopic(), c.Topic) << c.Data;
        EXPECT_EQ(help.GetCaption(), "Help - " + SampleBook().Topics[c.Topic].Title);
        EXPECT_EQ(TDesktop::Get().GetActiveWindow(), &help);
        EXPECT_EQ(GetLastWinHelpRequest()->Data, c.Data);
    }
    EXPECT_TRUE(Boxes.Boxes.empty());
    // A refused request leaves the accepted one in place.
    EXPECT_FALSE(WinHelpA(nullptr, "c:\\other.hlp", HELP_CONTEXT, 1000));
    EXPECT_EQ(GetLastWinHelpRequest()->Path, "c:\\otcraps.hlp");
    EXPECT_EQ(GetLastWinHelpRequest()->Data, 4242U);
    // The help window is a top-level window of its own.
    const auto tops = TDesktop::Get().GetTopLevelWindows();
    EXPECT_NE(std::find(tops.begin(), tops.end(), first), tops.end());
}

TEST_F(HelpWindowTest, EscAndHelpQuitCloseTheWindowAndANewRequestOpensItAgain) {
    ASSERT_TRUE(Ask(HELP_CONTEXT, 3000));
    Key(VK_ESCAPE);
    EXPECT_EQ(GetHelpWindow(), nullptr);
    // The frame's own handlers never saw the key.
    EXPECT_EQ(Frame->Escapes, 0);
    ASSERT_TRUE(Ask(HELP_CONTEXT, 1000));
    EXPECT_EQ(Help().GetTopic(), 2);
    EXPECT_TRUE(Ask(HELP_QUIT, 0));
    EXPECT_EQ(GetHelpWindow(), nullptr);
    EXPECT_EQ(GetLastWinHelpRequest()->Command, HELP_QUIT);
    // Quitting with nothing open is harmless.
    EXPECT_TRUE(Ask(HELP_QUIT, 0));
    ASSERT_TRUE(Ask(HELP_CONTENTS, 0));
    // The owner takes the help along when it goes.
    Frame->Destroy();
    Pump();
    EXPECT_EQ(GetHelpWindow(), nullptr);
}

TEST_F(HelpWindowTest, ItsCloseButtonAndEnterCloseItAndTheKeysStayTheHelps) {
    ASSERT_TRUE(Ask(HELP_CONTEXT, 3000));
    const TRect close = Help().CloseButtonArea();
    ASSERT_FALSE(close.IsEmpty());
    EXPECT_FALSE(close.Touches(Help().TextArea())) << "the button stands in the header band";
    EXPECT_FALSE(close.Touches(Help().ScrollBarArea()));
    const TPoint middle{(close.left + close.right) / 2, (close.top + close.bottom) / 2};
    Click(middle);
    EXPECT_EQ(GetHelpWindow(), nullptr) << "a click on Close";

    // A press on Close let go elsewhere closes nothing, and the keys still go to the help, not
    // to the frame's accelerators behind it.
    ASSERT_TRUE(Ask(HELP_CONTEXT, 3000));
    THeadlessBackend& backend = Fx.Backend();
    backend.MouseButton(OnHelp(middle), TMouseButton::Left, true);
    backend.MouseMove(OnHelp({middle.x, 200}));
    backend.MouseButton(OnHelp({middle.x, 200}), TMouseButton::Left, false);
    Pump();
    ASSERT_NE(GetHelpWindow(), nullptr);
    Key(DLG_VK_DOWN);
    EXPECT_GT(Help().GetScroll(), 0);
    Key(VK_ESCAPE);
    EXPECT_EQ(GetHelpWindow(), nullptr);
    EXPECT_EQ(Frame->Escapes, 0);

    ASSERT_TRUE(Ask(HELP_CONTEXT, 1000));
    Key(VK_RETURN);
    EXPECT_EQ(GetHelpWindow(), nullptr) << "Enter presses the default Close";
}

// Help asked for from a modal dialog is owned by the main window, which the dialog holds
// disabled: as the help closes the dialog in front takes the keys again, and a key that can only
// reach the disabled window is nobody's rather than waiting for it.
TEST_F(HelpWindowTest, HelpClosedOverAModalWindowGivesItTheKeysAndTheWindowItHoldsNone) {
    TWindow* dialog = MakePopup("dialog");
    ASSERT_NE(dialog, nullptr);
    TDesktop& desktop = TDesktop::Get();
    desktop.EnableWindow(Frame, false);
    ASSERT_EQ(desktop.GetActiveWindow(), dialog);
    ASSERT_TRUE(Ask(HELP_CONTEXT, 1000));
    Key(VK_ESCAPE);
    EXPECT_EQ(GetHelpWindow(), nullptr);
    EXPECT_EQ(desktop.GetActiveWindow(), dialog);
    Fx.Only({WM_KEYDOWN});
    Key(VK_RETURN);
    EXPECT_EQ(Fx.Take(), (std::vector<std::string>{"dialog KEYDOWN 13 x1"}));
    // A dialog gone before its loop gives the owner back leaves the owner active, still held.
    dialog->Destroy();
    Pump();
    ASSERT_EQ(desktop.GetActiveWindow(), Frame);
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_EQ(Fx.Take(), (std::vector<std::string>{}));
    EXPECT_EQ(Frame->Escapes, 0);
    desktop.EnableWindow(Frame, true);
    Key(VK_ESCAPE);
    EXPECT_EQ(Frame->Escapes, 1);
    delete dialog;
}

TEST_F(HelpWindowTest, AMissingOrDamagedFileIsReportedInABoxNamingItOnThisMachine) {
    const struct {
        const char* What;
        const char* Path;
        std::string Bytes;
        // Where the box says the file is: on this machine, or as asked outside every drive.
        std::string Shown;
    } cases[] = {
        {"missing", "c:\\nothere.hlp", "", Dir.Host("nothere.hlp").string()},
        {"outside every drive", "q:\\otcraps.hlp", "", "q:\\otcraps.hlp"},
        {"damaged", "c:\\broken.hlp", Bytes(SampleBook()).substr(0, 40),
         Dir.Host("broken.hlp").string()},
        {"not a help file", "c:\\text.hlp", "title: Contents\n", Dir.Host("text.hlp").string()},
    };
    for (const auto& c : cases) {
        if (!c.Bytes.empty())
            Dir.WriteHostFile(std::string(c.Path).substr(3), c.Bytes);
        Boxes.Boxes.clear();
        EXPECT_FALSE(Ask(HELP_CONTEXT, 3000, c.Path)) << c.What;
        ASSERT_EQ(Boxes.Boxes.size(), 1U) << c.What;
        EXPECT_EQ(Boxes.Boxes[0].Caption, "Help");
        EXPECT_EQ(Boxes.Boxes[0].Text.rfind("The help file " + c.Shown + " cannot be shown: ", 0),
                  0U)
            << Boxes.Boxes[0].Text;
        EXPECT_EQ(GetHelpWindow(), nullptr) << c.What;
    }
}

TEST_F(HelpWindowTest, AFolderAFifoOrADeviceInTheFilesPlaceIsReportedWithoutWaiting) {
    const std::filesystem::path path = Dir.Host("otcraps.hlp");
    const std::string notAFile = "it is not a file (a FIFO, a device or a socket)";
    const struct {
        const char* What;
        std::function<void()> Make;
        std::string Why;
    } cases[] = {
        {"a folder", [&] { std::filesystem::create_directory(path); }, "it is a folder"},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }, notAFile},
        {"a link to /dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", path); },
         notAFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        std::filesystem::remove(path);
        c.Make();
        Boxes.Boxes.clear();
        EXPECT_TRUE(ReturnsWithoutWaitingOn(path.string(), [&] {
            EXPECT_FALSE(WinHelpA(Frame, "c:\\otcraps.hlp", HELP_CONTEXT, 3000));
        }));
        ASSERT_EQ(Boxes.Boxes.size(), 1U);
        EXPECT_EQ(Boxes.Boxes[0].Text,
                  "The help file " + path.string() + " cannot be shown: " + c.Why + ".");
        EXPECT_EQ(GetHelpWindow(), nullptr);
    }
}

TEST_F(HelpWindowTest, LinksLeadToTheirTopicsAndTextIsNotALink) {
    ASSERT_TRUE(Ask(HELP_CONTENTS, 0));
    // "Pick a topic: " keeps its space before the link; ", or " follows the link unspaced.
    const std::vector<THelpRun>& runs = Help().GetRuns();
    for (size_t i = 1; i < runs.size(); ++i)
        if (runs[i].Link == 1) {
            EXPECT_LT(runs[i - 1].Box.right, runs[i].Box.left);
            ASSERT_LT(i + 1, runs.size());
            EXPECT_EQ(runs[i].Box.right, runs[i + 1].Box.left);
        }
    const TPoint toTable = LinkTo(1);
    Click({toTable.x, toTable.y});
    EXPECT_EQ(Help().GetTopic(), 1);
    // Plain text and the header lead nowhere.
    EXPECT_EQ(Help().LinkAt({Help().TextArea().left + 12, Help().TextArea().top + 14}), -1);
    EXPECT_EQ(Help().LinkAt({20, 5}), -1);
    Key(DLG_VK_END);
    Click(LinkTo(0));
    EXPECT_EQ(Help().GetTopic(), 0);
    EXPECT_EQ(Help().GetScroll(), 0) << "a new topic starts at its top";
    Click(LinkTo(2));
    EXPECT_EQ(Help().GetTopic(), 2);
}

TEST_F(HelpWindowTest, KeysAndTheScrollBarScrollWithinTheText) {
    ASSERT_TRUE(Ask(HELP_CONTEXT, 3000));
    THelpWindow& help = Help();
    const i32 max = help.GetMaxScroll();
    ASSERT_GT(max, help.TextArea().Height()) << "the long topic must not fit";
    Key(DLG_VK_UP);
    EXPECT_EQ(help.GetScroll(), 0) << "nothing above the top";
    Key(DLG_VK_DOWN);
    const i32 line = help.GetScroll();
    EXPECT_GT(line, 0);
    Key(DLG_VK_NEXT);
    const i32 page = help.GetScroll() - line;
    EXPECT_GT(page, 4 * line);
    EXPECT_LT(page, help.TextArea().Height());
    Key(DLG_VK_END);
    EXPECT_EQ(help.GetScroll(), max);
    Key(DLG_VK_NEXT);
    EXPECT_EQ(help.GetScroll(), max) << "nothing below the bottom";
    Key(DLG_VK_HOME);
    EXPECT_EQ(help.GetScroll(), 0);

    const TRect bar = help.ScrollBarArea();
    const i32 x = (bar.left + bar.right) / 2;
    Click({x, bar.bottom - 4});
    EXPECT_EQ(help.GetScroll(), line) << "the down arrow";
    Click({x, bar.bottom - 24});
    EXPECT_EQ(help.GetScroll(), line + page) << "the track below the thumb";
    Click({x, bar.top + 4});
    EXPECT_EQ(help.GetScroll(), page) << "the up arrow";
    // Dragging the thumb to the bottom of the track reaches the end.
    help.ScrollTo(max / 2);
    Pump();
    THeadlessBackend& backend = Fx.Backend();
    const TPoint thumb = OnHelp({x, help.TextArea().top + 16 + (bar.Height() - 32) / 2});
    backend.MouseButton(thumb, TMouseButton::Left, true);
    backend.MouseMove(OnHelp({x, bar.bottom + 40}));
    backend.MouseButton(OnHelp({x, bar.bottom + 40}), TMouseButton::Left, false);
    Pump();
    EXPECT_EQ(help.GetScroll(), max);
}

TEST_F(HelpWindowTest, TheWheelScrollsThreeLinesANotchWithinTheText) {
    ASSERT_TRUE(Ask(HELP_CONTEXT, 3000));
    THelpWindow& help = Help();
    Key(DLG_VK_DOWN);
    const i32 line = help.GetScroll();
    ASSERT_GT(line, 0);
    Key(DLG_VK_HOME);
    const TRect text = help.TextArea();
    const TPoint at = OnHelp({(text.left + text.right) / 2, (text.top + text.bottom) / 2});
    auto wheel = [&](i32 notches) {
        Fx.Backend().MouseMove(at);
        Fx.Backend().Wheel(at, notches);
        Pump();
        return help.GetScroll();
    };
    EXPECT_EQ(wheel(-1), 3 * line) << "toward the user: down the text";
    EXPECT_EQ(wheel(-2), 9 * line);
    EXPECT_EQ(wheel(1), 6 * line);
    EXPECT_EQ(wheel(100), 0) << "nothing above the top";
    EXPECT_EQ(wheel(-100), help.GetMaxScroll()) << "nothing below the bottom";
}

TEST_F(HelpWindowTest, TheWindowLooksRightAfterAWheelTurn) {
    ASSERT_TRUE(Ask(HELP_CONTEXT, 3000));
    const TRect text = Help().TextArea();
    const TPoint at = OnHelp({(text.left + text.right) / 2, (text.top + text.bottom) / 2});
    Fx.Backend().MouseMove(at);
    Fx.Backend().Wheel(at, -2);
    Pump();
    EXPECT_TRUE(MatchesGolden(TDesktop::Get().GetScreen(), "help_window_wheel",
                              TDesktop::Get().GetWindowRect(&Help())));
}

TEST_F(HelpWindowTest, TheWindowLooksRight) {
    ASSERT_TRUE(Ask(HELP_CONTEXT, 3000));
    Key(DLG_VK_DOWN);
    EXPECT_TRUE(MatchesGolden(TDesktop::Get().GetScreen(), "help_window",
                              TDesktop::Get().GetWindowRect(&Help())));
}

} // namespace
