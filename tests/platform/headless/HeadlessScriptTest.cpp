// Scripts of input for the headless backend: what a line means, bad and hostile files refused
// by line, and a script played to its end by a program that then ends.
#include "platform/headless/HeadlessScript.h"
#include "platform/framework/PlatformMain.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/FrameWindow.h"
#include "platform/headless/PngWriter.h"
#include "platform/host/Clock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<THeadlessStep> Parse(const std::string& text, std::string* error = nullptr) {
    std::vector<THeadlessStep> steps;
    std::string why;
    EXPECT_TRUE(ParseHeadlessScript(text, steps, why)) << why;
    if (error != nullptr)
        *error = why;
    return steps;
}

TEST(HeadlessScriptTest, EachVerbReadsItsArguments) {
    const std::vector<THeadlessStep> steps = Parse("# a run\r\n"
                                                   "\n"
                                                   "  1500 click 320 240   # past the intro\r\n"
                                                   "1600\tmove -3 0x10\n"
                                                   "1700 key 0x0d 13\n"
                                                   "1700 key 27\n"
                                                   "1800 type ~\n"
                                                   "1900 shot /tmp/a dir/table shot.png  \n"
                                                   "1000 close\n"
                                                   "2000 wheel 100 50 -3");
    ASSERT_EQ(steps.size(), 8U);
    const struct {
        u32 Line;
        u64 Time;
        THeadlessVerb Verb;
    } expected[] = {
        {3, 1500, THeadlessVerb::Click}, {4, 1600, THeadlessVerb::Move},
        {5, 1700, THeadlessVerb::Key},   {6, 1700, THeadlessVerb::Key},
        {7, 1800, THeadlessVerb::Type},  {8, 1900, THeadlessVerb::Shot},
        {9, 1000, THeadlessVerb::Close}, {10, 2000, THeadlessVerb::Wheel},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].Line, expected[i].Line) << i;
        EXPECT_EQ(steps[i].Time, expected[i].Time) << i;
        EXPECT_EQ(steps[i].Verb, expected[i].Verb) << i;
    }
    EXPECT_EQ(steps[0].Pos, TPoint(320, 240));
    EXPECT_EQ(steps[1].Pos, TPoint(-3, 16));
    EXPECT_EQ(steps[2].VirtualKey, VK_RETURN);
    EXPECT_EQ(steps[2].Char, 13U);
    EXPECT_EQ(steps[3].Char, 0U);
    EXPECT_EQ(steps[4].Char, static_cast<u32>('~'));
    EXPECT_EQ(steps[5].Path, "/tmp/a dir/table shot.png");
    EXPECT_EQ(steps[7].Pos, TPoint(100, 50));
    EXPECT_EQ(steps[7].Notches, -3);
    EXPECT_TRUE(Parse("").empty());
    EXPECT_TRUE(Parse("# nothing but words\n\n   \n").empty());
}

TEST(HeadlessScriptTest, ABadLineIsRefusedByNumberWithItsReason) {
    const struct {
        const char* Text;
        const char* Error;
    } cases[] = {
        {"1000 jump 3 4", "line 1: unknown verb"},
        {"# c\n1000 click 3", "line 2: click takes two coordinates"},
        {"1000 click 3 4 5", "line 1: click takes two coordinates"},
        {"1000 move 3 y", "line 1: move takes two coordinates"},
        {"1000 click 40000 4", "line 1: click takes two coordinates"},
        {"1000 click 0x 4", "line 1: click takes two coordinates"},
        {"soon click 3 4", "line 1: the time is not a number"},
        {"-5 close", "line 1: the time is not a number"},
        {"99999999999999999999999 close", "line 1: the time is not a number"},
        {"1000000001 close", "line 1: the time is not a number"},
        {"1000", "line 1: no verb after the time"},
        {"1000 key", "line 1: key takes"},
        {"1000 key 0", "line 1: key takes"},
        {"1000 key 13 256", "line 1: key takes"},
        {"1000 key 13 10 1", "line 1: key takes"},
        {"1000 type ab", "line 1: type takes one printable character"},
        {"1000 type", "line 1: type takes one printable character"},
        {"1000 type \x01", "line 1: type takes one printable character"},
        {"1000 shot", "line 1: shot takes the path"},
        {"1000 close now", "line 1: close takes nothing"},
        {"1000 wheel 3 4", "line 1: wheel takes two coordinates and the notches"},
        {"1000 wheel 3 4 0", "line 1: wheel takes two coordinates and the notches"},
        {"1000 wheel 3 4 101", "line 1: wheel takes two coordinates and the notches"},
        {"1000 wheel 3 y 1", "line 1: wheel takes two coordinates and the notches"},
        {"1000 close\n1000 click 1 2\n\x7f\x80\x00zz", "line 3: the time is not a number"},
    };
    for (const auto& c : cases) {
        // The whole text, NUL bytes included.
        const std::string text(c.Text, std::char_traits<char>::length(c.Text) +
                                           (std::string_view(c.Text).ends_with("\x80") ? 2 : 0));
        std::vector<THeadlessStep> steps(1);
        std::string error;
        EXPECT_FALSE(ParseHeadlessScript(text, steps, error)) << c.Text;
        EXPECT_EQ(error.rfind(c.Error, 0), 0U) << c.Text << " -> " << error;
        // Nothing half read is handed back.
        EXPECT_EQ(steps.size(), 1U) << c.Text;
    }
    // The quoted line shows only what prints, and only its start.
    std::vector<THeadlessStep> steps;
    std::string error;
    ASSERT_FALSE(
        ParseHeadlessScript(std::string("12 \x1b[2J") + std::string(500, 'x'), steps, error));
    EXPECT_EQ(error, "line 1: unknown verb (\"12 ?[2J" + std::string(33, 'x') + "\")");
}

TEST(HeadlessScriptTest, BinaryHugeAndMissingFilesAreRefusedCleanly) {
    TTempDir dir;
    std::mt19937 random(25);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(random() % 300, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random());
        // Half the rounds start like a script, so the reader goes past the time.
        if (round % 2 == 0)
            bytes = "1000 click 1 2\n1200 " + bytes;
        std::vector<THeadlessStep> steps;
        std::string error;
        if (!ParseHeadlessScript(bytes, steps, error)) {
            EXPECT_EQ(error.rfind("line ", 0), 0U) << error;
        }
        EXPECT_LE(error.size(), 120U);
    }

    THeadlessBackend backend;
    std::string error;
    dir.WriteHostFile("huge.txt", std::string((1 << 20) + 1, '#'));
    EXPECT_FALSE(LoadHeadlessScript(backend, dir.Host("huge.txt").string(), error));
    EXPECT_NE(error.find("longer than a script"), std::string::npos) << error;
    EXPECT_FALSE(LoadHeadlessScript(backend, dir.Host("none.txt").string(), error));
    EXPECT_NE(error.find("none.txt: cannot be read"), std::string::npos) << error;
    EXPECT_FALSE(LoadHeadlessScript(backend, dir.Path.string(), error));
    EXPECT_NE(error.find("cannot be read"), std::string::npos) << error;
    dir.WriteHostFile("bad.txt", "1000 click 1 2\n1100 click 1\n");
    EXPECT_FALSE(LoadHeadlessScript(backend, dir.Host("bad.txt").string(), error));
    EXPECT_EQ(error, dir.Host("bad.txt").string() +
                         ": line 2: click takes two coordinates (\"1100 click 1\")");
    // A refused file queues nothing, not even its good lines.
    EXPECT_TRUE(backend.ScriptEmpty());
}

// What the scripted program saw, for the test after PlatformMain has returned.
struct TPadRun {
    std::vector<TPoint> Clicks;
    std::string Keys;
    u64 EndedAt = 0;
};
TPadRun LastRun;

// Notes clicks and characters, and paints a square where it was clicked.
class TPad : public TWindow {
public:
    TPad() : TWindow(nullptr, "Pad") {
        Attr.W = 200;
        Attr.H = 100;
    }
    void EvLButtonDown(u32, const TPoint& p) {
        LastRun.Clicks.push_back(p);
        InvalidateRect({p.x, p.y, p.x + 4, p.y + 4}, false);
    }
    void EvChar(u32 key, u32, u32) { LastRun.Keys += static_cast<char>(key); }
    void Paint(TDC& dc, bool, TRect&) override {
        for (const TPoint& p : LastRun.Clicks)
            dc.FillSolidRect({p.x, p.y, p.x + 4, p.y + 4}, 0xFF00FF00U);
    }

    DECLARE_RESPONSE_TABLE(TPad);
};

DEFINE_RESPONSE_TABLE1(TPad, TWindow)
EV_WM_LBUTTONDOWN, EV_WM_CHAR, END_RESPONSE_TABLE;

class TPadFrame : public TFrameWindow {
public:
    TPadFrame() : TFrameWindow(nullptr, "Pad", new TPad, true) {
        Attr.Style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        Attr.X = 20;
        Attr.Y = 20;
    }
};

class TPadApp : public TApplication {
public:
    TPadApp() : TApplication("Pad") {}
    void InitMainWindow() override { SetMainWindow(new TPadFrame); }
};

int PadMain(int, char**) {
    TPadApp app;
    const int code = app.Run();
    LastRun.EndedAt = GetTickCount();
    return code;
}

TEST(HeadlessScriptTest, PlatformMainPlaysTheScriptAndTheRunEndsAfterItsLastStep) {
    TResourceRegistry::Get().Clear();
    TTempDir dir;
    const std::string shot = dir.Host("pad.png").string();
    // The frame shrinks to its client, whose area holds the click.
    dir.WriteHostFile("run.txt", "1200 click 100 100\n"
                                 "1300 type q\n"
                                 "1300 key 13 13\n"
                                 "5000 shot " +
                                     shot +
                                     "\n"
                                     "5000 type z\n");
    int made = 0;
    const TBackendChoice choices[] = {
        {"sdl",
         [&] {
             ++made;
             return std::unique_ptr<TBackend>();
         }},
        {"headless",
         [] {
             return std::make_unique<THeadlessBackend>(TSize{640, 480});
         },
         [](TBackend& b, const std::string& path, std::string& error) {
             return LoadHeadlessScript(static_cast<THeadlessBackend&>(b), path, error);
         },
         HeadlessScriptUsage},
    };
    std::string scriptArg = "--script=" + dir.Host("run.txt").string();
    char prog[] = "/tmp/otcraps";
    char headless[] = "--headless";
    char* argv[] = {prog, headless, scriptArg.data(), nullptr};
    LastRun = {};
    // No close in the script: the end after its last step ends the run, at that step's time,
    // once the input of that time has been taken.
    EXPECT_EQ(PlatformMain(3, argv, PadMain, choices), 0);
    EXPECT_EQ(LastRun.EndedAt, 5000U);
    ASSERT_EQ(LastRun.Clicks.size(), 1U);
    EXPECT_EQ(LastRun.Keys, "q\rz");
    const auto png = ReadPng(shot);
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->GetSize(), TSize(640, 480));
    // The click's square was on the desktop the shot took.
    bool square = false;
    for (i32 y = 0; y < 480; ++y)
        for (i32 x = 0; x < 640; ++x)
            square = square || (png->GetPixel(x, y) | 0xFF000000U) == 0xFF00FF00U;
    EXPECT_TRUE(square);

    // A script for a backend that plays none, or a bad one, ends the run before it starts.
    char* argv2[] = {prog, scriptArg.data(), nullptr};
    EXPECT_EQ(PlatformMain(2, argv2, PadMain, choices), 1);
    EXPECT_EQ(made, 0);
    dir.WriteHostFile("run.txt", "1200 click 30\n");
    EXPECT_EQ(PlatformMain(3, argv, PadMain, choices), 1);
    TResourceRegistry::Get().Clear();
}

} // namespace
