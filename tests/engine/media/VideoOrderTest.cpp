// The surface's contractual call orders: set-up, tear-down, invalidating everything and a frame.
#include "engine/media/Video.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// Notes each step as the base surface takes it, without a window or WinG.
class TLoggingVideo : public TJorpVideo {
public:
    TLoggingVideo() : TJorpVideo(nullptr, nullptr, nullptr, 0, 0) {}
    ~TLoggingVideo() override { Teardown(); }

    std::string Log;

#define LOGGED(type, name, base)                                                                   \
    type name() override {                                                                         \
        Log += Log.empty() ? #name : " " #name;                                                    \
        return base::name();                                                                       \
    }
    LOGGED(bool, CreateDirtyList, TJorpVideo)
    LOGGED(bool, CreatePendingList, TJorpVideo)
    LOGGED(bool, CreateRepaintList, TJorpVideo)
    LOGGED(bool, CreateBufferDC, TJorpVideo)
    LOGGED(bool, CreatePalette, TJorpVideo)
    LOGGED(bool, CreateBackBuffer, TJorpVideo)
    LOGGED(void, InvalidateAll, TJorpVideo)
    LOGGED(void, ReleaseBackBuffer, TJorpVideo)
    LOGGED(void, DeleteBackBuffer, TJorpVideo)
    LOGGED(void, DeletePalette, TJorpVideo)
    LOGGED(void, DeleteBufferDC, TJorpVideo)
    LOGGED(void, DeleteRepaintList, TJorpVideo)
    LOGGED(void, DeletePendingList, TJorpVideo)
    LOGGED(void, DeleteDirtyList, TJorpVideo)
    LOGGED(void, CollectDirty, TJorpVideo)
    LOGGED(void, DrawBackground, TJorpVideo)
    LOGGED(void, DrawGraphics, TJorpVideo)
    LOGGED(void, InvalidateUpdateRect, TJorpVideo)
#undef LOGGED
};

std::string Take(std::string& log) {
    return std::exchange(log, {});
}

TEST(VideoOrder, EachOperationTakesItsStepsInOrder) {
    TLoggingVideo video;
    EXPECT_TRUE(video.IsPaletteActive());
    video.RenderFrame();
    EXPECT_EQ(Take(video.Log), "");
    video.Setup();
    EXPECT_EQ(Take(video.Log), "CreateDirtyList CreatePendingList CreateRepaintList CreateBufferDC "
                               "CreatePalette CreateBackBuffer InvalidateAll DrawBackground "
                               "DrawGraphics");
    video.Setup();
    EXPECT_EQ(Take(video.Log), "");
    video.RenderFrame();
    EXPECT_EQ(Take(video.Log), "CollectDirty DrawBackground DrawGraphics InvalidateUpdateRect");
    video.SetBackground(nullptr);
    EXPECT_EQ(Take(video.Log), "InvalidateAll DrawBackground DrawGraphics");
    video.SetPaletteSource(nullptr);
    EXPECT_EQ(Take(video.Log),
              "DeletePalette CreatePalette InvalidateAll DrawBackground DrawGraphics");
    video.Teardown();
    EXPECT_EQ(Take(video.Log), "ReleaseBackBuffer DeleteBackBuffer DeletePalette DeleteBufferDC "
                               "DeleteRepaintList DeletePendingList DeleteDirtyList");
    video.Teardown();
    EXPECT_EQ(Take(video.Log), "");
}

} // namespace
