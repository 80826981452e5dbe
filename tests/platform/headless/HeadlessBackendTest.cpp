// The headless backend's clock, script and screen, and its screenshots' refusals.
#include "platform/headless/HeadlessBackend.h"
#include "platform/framework/window/Desktop.h"
#include "platform/headless/PngWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(HeadlessBackendTest, WaitingMovesTheClockToTheNextEventOrTheTimeout) {
    THeadlessBackend backend({800, 600}, 1000);
    EXPECT_EQ(GetTickCount64(), 1000u);                  // its clock is the process's clock
    EXPECT_FALSE(backend.WaitEvent(TBackend::Infinite)); // nothing can ever come
    std::vector<int> ran;
    backend.At(1500, [&] { ran.push_back(1); });
    TInputEvent key;
    key.Kind = TInputKind::Key;
    key.VirtualKey = 'A';
    backend.At(1200, key);
    backend.At(1200, [&] { ran.push_back(2); });
    EXPECT_TRUE(backend.WaitEvent(50));
    EXPECT_EQ(backend.Now(), 1050u);
    TInputEvent got;
    EXPECT_FALSE(backend.PollEvent(got));
    EXPECT_TRUE(backend.WaitEvent(TBackend::Infinite));
    EXPECT_EQ(backend.Now(), 1200u);
    ASSERT_TRUE(backend.PollEvent(got));
    EXPECT_EQ(got.VirtualKey, u32{'A'});
    EXPECT_FALSE(backend.PollEvent(got)); // runs the action queued at the same time
    EXPECT_EQ(ran, (std::vector<int>{2}));
    EXPECT_TRUE(backend.WaitEvent(1000));
    EXPECT_EQ(backend.Now(), 1500u);
    EXPECT_FALSE(backend.PollEvent(got));
    EXPECT_EQ(ran, (std::vector<int>{2, 1}));
    EXPECT_TRUE(backend.ScriptEmpty());
}

TEST(HeadlessBackendTest, ScreenshotShowsWhatWasPresented) {
    TTempDir dir;
    THeadlessSession session({320, 200});
    TDesktop& desktop = TDesktop::Get();
    EXPECT_EQ(desktop.GetSystemMetrics(SM_CXSCREEN), 320);
    desktop.GetScreen().Fill({10, 10, 20, 20}, MakeArgb(200, 0, 0));
    // Only presented pixels reach the backend.
    EXPECT_EQ(session.Backend().GetScreen().GetPixel(15, 15), TDesktop::DesktopColor);
    desktop.Present({0, 0, 320, 200});
    const std::string path = dir.Host("screen.png").string();
    ASSERT_TRUE(session.Backend().SaveScreenshot(path));
    const std::optional<TScreenSurface> shot = ReadPng(path);
    ASSERT_TRUE(shot.has_value());
    EXPECT_EQ(shot->GetSize(), TSize(320, 200));
    EXPECT_EQ(shot->GetPixel(15, 15), MakeArgb(200, 0, 0));
    EXPECT_EQ(shot->GetPixel(25, 25), TDesktop::DesktopColor);
}

TEST(HeadlessBackendTest, NotAPngIsRefused) {
    TTempDir dir;
    const std::string path = dir.Host("bad.png").string();
    std::ofstream(path) << "not a picture";
    EXPECT_FALSE(ReadPng(path).has_value());
    EXPECT_FALSE(ReadPng(dir.Host("missing.png").string()).has_value());
    EXPECT_FALSE(WritePng(dir.Host("no/such/dir/x.png").string(), TScreenSurface(TSize(2, 2))));
}

} // namespace
