// The video surface in a mode window on the headless desktop: what a frame redraws, invalidates
// and shows, z order, set-up and tear-down, palette realisation, and what it leaves behind.
#include "MediaFixture.h"

#include "engine/framework/ResponderList.h"
#include "engine/media/JorpDC.h"
#include "engine/media/ScreenMgr.h"

#include <string>
#include <vector>

namespace {

// A one-colour graphic that notes every area it is asked to draw into.
class TRecordingGr : public TBmpMono {
public:
    TRecordingGr(TJorpOwner* owner, TRect16 r, u8 colour, i16 z)
        : TBmpMono(owner, r.left, r.top, static_cast<i16>(r.Width()), static_cast<i16>(r.Height()),
                   colour) {
        SetZ(z);
    }
    bool Draw(TJorpDC& dc, const TRect16& rect) override {
        Drawn.push_back(rect);
        return TBmpMono::Draw(dc, rect);
    }
    void MoveTo(i32 x, i32 y) {
        const TRect16 r = GetRect();
        SetRect({x, y, x + r.Width(), y + r.Height()});
    }
    std::vector<TRect16> Drawn;
};

constexpr u8 Ground = 20;

class Surface : public MediaFixture {
protected:
    void SetUp() override {
        MediaFixture::SetUp();
        WritePal("mode", RampColours());
        Palette = LoadPal("mode");
        Background = Keep(std::make_unique<TBmpMono>(Window, 0, 0, 640, 480, Ground));
    }
    void Open() {
        MakeScreen(Background, Palette);
        App.PumpWaitingMessages();
    }
    TRecordingGr* Add(TRect16 r, u8 colour, i16 z = 0) {
        TRecordingGr* g = Keep(std::make_unique<TRecordingGr>(Window, r, colour, z));
        EXPECT_TRUE(g->AddToVideo());
        return g;
    }
    // The desktop pixel at a client point.
    u32 ScreenPixel(i32 x, i32 y) {
        const TPoint o = ClientOrigin();
        return Session.Backend().GetScreen().GetPixel(o.x + x, o.y + y);
    }
    // What an index of the surface's palette looks like on the screen.
    u32 Shown(u8 index) {
        const RGBQUAD q = Video().GetPalette()->GetColourTable()->At(index);
        return MakeArgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
    // The back buffer's index at a client point.
    u8 BufferIndex(i32 x, i32 y) {
        TVideoBmp* buffer = Video().GetBackBuffer();
        const i32 row = buffer->IsTopDown() ? y : 479 - y;
        return buffer->GetTargetBits()[row * buffer->GetPitch() + x];
    }
    // The index at a client point, in the back buffer and as shown on the screen.
    void ExpectShows(i32 x, i32 y, u8 index, const std::string& what) {
        EXPECT_EQ(BufferIndex(x, y), index) << what << " at " << x << "," << y;
        EXPECT_EQ(ScreenPixel(x, y), Shown(index)) << what << " at " << x << "," << y;
    }

    TPal* Palette = nullptr;
    TBmpMono* Background = nullptr;
};

TEST_F(Surface, AFrameWithNothingChangedShowsNothing) {
    Open();
    // The blit lands in the client area, which is not at the desktop's origin.
    ASSERT_NE(ClientOrigin(), (TPoint{0, 0}));
    ExpectShows(0, 0, Ground, "set up");
    ExpectShows(639, 479, Ground, "set up");
    EXPECT_NE(ScreenPixel(-1, -1), Shown(Ground));
    EXPECT_NE(ScreenPixel(640, 480), Shown(Ground));
    Add({100, 100, 140, 140}, 30);
    Window->BuildFrame();
    ExpectShows(100, 100, 30, "added");
    const int paints = Window->Paints;
    const u32 presents = Session.Backend().GetPresentCount();
    for (int i = 0; i < 3; ++i)
        Window->BuildFrame();
    EXPECT_TRUE(Video().GetUpdateRect().IsEmpty());
    TRect pending;
    EXPECT_FALSE(TDesktop::Get().GetUpdateRect(Window->GetHandle(), pending));
    EXPECT_EQ(Window->Paints, paints);
    EXPECT_EQ(Session.Backend().GetPresentCount(), presents);
}

TEST_F(Surface, AMovedGraphicRepaintsWhereItWasAndWhereItIs) {
    Open();
    TRecordingGr* g = Add({101, 100, 133, 132}, 30);
    Window->BuildFrame();
    // Moved twice in one frame: the area last painted is the one repainted.
    g->MoveTo(200, 150);
    g->MoveTo(302, 200);
    Video().SetDeferUpdate(true);
    Window->BuildFrame();
    // Left rounded down and right up to fours, in client coordinates.
    EXPECT_EQ(Video().GetUpdateRect(), (TRect16{100, 100, 336, 232}));
    TRect invalid;
    ASSERT_TRUE(TDesktop::Get().GetUpdateRect(Window->GetHandle(), invalid));
    EXPECT_EQ(invalid, (TRect{100, 100, 336, 232}));
    Window->UpdateWindow();
    ExpectShows(101, 100, Ground, "old place");
    ExpectShows(250, 170, Ground, "between");
    ExpectShows(302, 200, 30, "new place");
    ExpectShows(333, 231, 30, "new place");
    ExpectShows(334, 231, Ground, "beside it");

    // The box stays on the surface; wholly off it, there is nothing to show.
    g->MoveTo(-30, 470);
    Window->BuildFrame();
    EXPECT_EQ(Video().GetUpdateRect(), (TRect16{0, 200, 336, 480}));
    g->MoveTo(700, 600);
    Window->BuildFrame();
    g->MoveTo(800, 600);
    Window->BuildFrame();
    EXPECT_TRUE(Video().GetUpdateRect().IsEmpty());
}

std::vector<TRect16> Rects(TJorpRectList& list) {
    std::vector<TRect16> out;
    for (const TRect16* r = list.First(); r != nullptr; r = list.Next())
        out.push_back(*r);
    return out;
}

// A frame takes the changes into its two lists in one walk: each list gets what collecting
// alone gives (moved, changed in part, in part and moved, untouched), and every mark is gone.
TEST_F(Surface, TakingTheChangesFillsBothListsAndClearsTheMarks) {
    Open();
    TRecordingGr* moved = Add({10, 10, 30, 30}, 30);
    TRecordingGr* part = Add({100, 10, 140, 50}, 31);
    TRecordingGr* partMoved = Add({200, 10, 240, 50}, 32);
    TRecordingGr* partEmpty = Add({300, 10, 340, 50}, 33);
    Add({400, 10, 440, 50}, 34);
    Window->BuildFrame();
    moved->MoveTo(15, 12);
    part->MarkChangedWithin({105, 12, 110, 20});
    part->MarkChangedWithin({120, 30, 125, 40});
    partMoved->MarkChangedWithin({205, 12, 210, 20});
    partMoved->MoveTo(210, 20);
    partEmpty->MarkChangedWithin({});
    TGrList& graphics = Video().GetGraphics();
    TJorpRectList expected;
    graphics.CollectDirty(expected);
    // The part changed in two places gives both.
    ASSERT_EQ(Rects(expected).size(), 6U);
    for (const i32 policy : {0, 1, 2}) {
        std::unique_ptr<TJorpRectList> first = NewRectList(policy);
        std::unique_ptr<TJorpRectList> second = NewRectList(policy);
        std::unique_ptr<TJorpRectList> alone = NewRectList(policy);
        graphics.CollectDirty(*alone);
        EXPECT_TRUE(graphics.TakeDirty(*first, *second));
        EXPECT_EQ(Rects(*first), Rects(*alone)) << "policy " << policy;
        EXPECT_EQ(Rects(*second), Rects(*alone)) << "policy " << policy;
        for (TGr* g = graphics.First(); g != nullptr; g = graphics.Next())
            EXPECT_FALSE(g->IsChanged() || g->GetDrawData().Has(GRD_PART));
        TJorpRectList after;
        graphics.CollectDirty(after);
        EXPECT_TRUE(Rects(after).empty());
        // Out of z order, which the walk notices for the frame's sort.
        moved->SetZ(9);
        EXPECT_FALSE(graphics.TakeDirty(after, after));
        moved->SetZ(0);
        EXPECT_TRUE(graphics.TakeDirty(after, after));
        // Marked again for the next policy.
        moved->MoveTo(20, 14);
        part->MarkChangedWithin({105, 12, 110, 20});
        partMoved->MarkChangedWithin({205, 12, 210, 20});
        partMoved->MoveTo(212, 22);
    }
}

// A graphic changed in places far apart keeps them apart, up to its limit, past which their box
// is taken; a change of the whole picture outweighs them.
TEST_F(Surface, AGraphicChangedInPlacesKeepsThemApartUpToItsLimit) {
    Open();
    TRecordingGr* g = Add({100, 100, 300, 300}, 30);
    Window->BuildFrame();
    const TRect16 places[] = {{104, 104, 120, 120}, {}, {280, 280, 296, 296}};
    g->MarkChangedWithin(places, 3);
    TJorpRectList list;
    Video().GetGraphics().CollectDirty(list);
    EXPECT_EQ(Rects(list), (std::vector<TRect16>{places[0], places[2]}));
    Video().GetGraphics().ClearDirty();
    std::vector<TRect16> many;
    for (size_t i = 0; i <= GR_CHANGED_PARTS; ++i)
        many.push_back({static_cast<i32>(100 + 20 * i), 100, static_cast<i32>(110 + 20 * i), 110});
    g->MarkChangedWithin(many.data(), many.size() - 1);
    g->MarkChangedWithin(many.back());
    TJorpRectList box;
    Video().GetGraphics().CollectDirty(box);
    EXPECT_EQ(Rects(box), (std::vector<TRect16>{{100, 100, 270, 110}}));
    Video().GetGraphics().ClearDirty();
    g->MarkChanged();
    g->MarkChangedWithin(places, 3);
    TJorpRectList whole;
    Video().GetGraphics().CollectDirty(whole);
    EXPECT_EQ(Rects(whole), (std::vector<TRect16>{g->GetRect(), g->GetRect()}));
}

// Changed in two places, it is redrawn and shown there only: a pixel of the back buffer between
// them, changed behind the surface's back, does not reach the screen as the box would bring it.
TEST_F(Surface, AGraphicChangedInPlacesIsRedrawnAndShownOnlyThere) {
    Open();
    TRecordingGr* g = Add({100, 100, 300, 300}, 30);
    Window->BuildFrame();
    g->Drawn.clear();
    TVideoBmp* buffer = Video().GetBackBuffer();
    ASSERT_TRUE(buffer->IsTopDown());
    buffer->GetTargetBits()[static_cast<size_t>(200 * buffer->GetPitch() + 200)] = 77;
    const TRect16 places[] = {{104, 104, 120, 120}, {280, 280, 296, 296}};
    g->MarkChangedWithin(places, 2);
    Window->BuildFrame();
    EXPECT_EQ(g->Drawn, (std::vector<TRect16>{places[0], places[1]}));
    EXPECT_EQ(ScreenPixel(200, 200), Shown(30));
    EXPECT_EQ(ScreenPixel(110, 110), Shown(30));
    // Not redrawn either.
    EXPECT_EQ(buffer->GetTargetBits()[static_cast<size_t>(200 * buffer->GetPitch() + 200)], 77);
}

// Sorted by depth either way, equal depths keeping their order, and a list in order already
// (the usual case, looked at every frame) left as it is.
TEST_F(Surface, GraphicsSortByDepthEitherWay) {
    Open();
    std::vector<TRecordingGr*> added;
    for (const i16 z : {3, 1, 2, 1, 3})
        added.push_back(Add({10, 10, 20, 20}, 30, z));
    TGrList& graphics = Video().GetGraphics();
    const auto order = [&] {
        std::vector<size_t> out;
        for (TGr* g = graphics.First(); g != nullptr; g = graphics.Next())
            for (size_t i = 0; i < added.size(); ++i)
                if (g == added[i])
                    out.push_back(i);
        return out;
    };
    ASSERT_TRUE(graphics.Sort());
    EXPECT_EQ(order(), (std::vector<size_t>{1, 3, 2, 0, 4}));
    ASSERT_TRUE(graphics.Sort());
    EXPECT_EQ(order(), (std::vector<size_t>{1, 3, 2, 0, 4}));
    ASSERT_TRUE(graphics.Sort(true));
    EXPECT_EQ(order(), (std::vector<size_t>{0, 4, 2, 1, 3}));
    ASSERT_TRUE(graphics.Sort(true));
    EXPECT_EQ(order(), (std::vector<size_t>{0, 4, 2, 1, 3}));
    added[2]->SetZ(5);
    ASSERT_TRUE(graphics.Sort());
    EXPECT_EQ(order(), (std::vector<size_t>{1, 3, 0, 4, 2}));
}

TEST_F(Surface, ALeavingGraphicsAreaIsRepaintedNextFrame) {
    Open();
    TRecordingGr* removed = Add({10, 10, 50, 50}, 30);
    auto deleted = std::make_unique<TRecordingGr>(Window, TRect16{100, 10, 140, 50}, 31, 0);
    ASSERT_TRUE(deleted->AddToVideo());
    Window->BuildFrame();
    ExpectShows(20, 20, 30, "shown");
    ExpectShows(120, 20, 31, "shown");

    EXPECT_TRUE(removed->RemoveFromVideo());
    EXPECT_FALSE(removed->IsInVideo());
    EXPECT_TRUE(removed->RemoveFromVideo());
    deleted.reset();
    EXPECT_EQ(Video().GetGraphics().GetCount(), 0);
    Window->BuildFrame();
    ExpectShows(20, 20, Ground, "removed");
    ExpectShows(120, 20, Ground, "deleted");
    // Added twice, listed once.
    EXPECT_TRUE(removed->AddToVideo());
    EXPECT_TRUE(removed->AddToVideo());
    EXPECT_EQ(Video().GetGraphics().GetCount(), 1);
}

TEST_F(Surface, HigherZIsDrawnOnTopWhateverTheOrderOfAdding) {
    Open();
    Add({0, 0, 60, 60}, 33, 3);
    Add({20, 20, 80, 80}, 31, 1);
    Add({40, 40, 100, 100}, 32, 2);
    Window->BuildFrame();
    ExpectShows(10, 10, 33, "z 3 alone");
    ExpectShows(30, 30, 33, "3 over 1");
    ExpectShows(50, 50, 33, "3 over 1 and 2");
    ExpectShows(70, 70, 32, "2 over 1");
    ExpectShows(65, 25, 31, "1 alone");
    ExpectShows(90, 90, 32, "2 alone");
}

// The frames after: a list found in order is drawn as it stands, and a depth changed since is
// sorted in before anything is drawn.
TEST_F(Surface, ADepthChangedBetweenFramesIsDrawnInItsNewPlace) {
    Open();
    TRecordingGr* low = Add({0, 0, 60, 60}, 31, 1);
    TRecordingGr* high = Add({20, 20, 80, 80}, 32, 2);
    Window->BuildFrame();
    ExpectShows(30, 30, 32, "2 over 1");
    low->SetZ(3);
    low->MarkChanged();
    Window->BuildFrame();
    ExpectShows(30, 30, 31, "3 over 2");
    high->SetZ(4);
    high->MarkChanged();
    Window->BuildFrame();
    ExpectShows(30, 30, 32, "4 over 3");
    high->MarkChanged();
    Window->BuildFrame();
    ExpectShows(30, 30, 32, "4 over 3 again");
}

TEST_F(Surface, AGraphicOnlyTouchingADirtyAreaIsNotDrawnIntoIt) {
    Open();
    TRecordingGr* still = Add({0, 0, 50, 50}, 30);
    TRecordingGr* mover = Add({50, 0, 60, 10}, 31);
    Window->BuildFrame();
    still->Drawn.clear();
    mover->Drawn.clear();
    mover->MoveTo(50, 5);
    Window->BuildFrame();
    // The dirty area (50, 0, 60, 15) shares the still graphic's right edge only.
    EXPECT_TRUE(still->Drawn.empty());
    EXPECT_EQ(mover->Drawn, (std::vector<TRect16>{{50, 0, 60, 15}}));
    // One pixel in, and it is drawn, clipped to the area.
    mover->MoveTo(49, 5);
    Window->BuildFrame();
    EXPECT_EQ(still->Drawn, (std::vector<TRect16>{{49, 5, 60, 15}}));
    ExpectShows(49, 5, 31, "mover on top");
    ExpectShows(49, 4, 30, "still beside it");
}

TEST_F(Surface, SetUpAndTornDownOnceEachAndNothingOutlivesTheSurface) {
    const int dcs = GdiLiveDcCount();
    const int objects = GdiLiveObjectCount();
    Open();
    TVideoWinG& video = Video();
    TVideoBmp* buffer = video.GetBackBuffer();
    EXPECT_TRUE(video.Setup());
    EXPECT_EQ(video.GetBackBuffer(), buffer);
    EXPECT_EQ(GdiLiveDcCount(), dcs + 1);
    EXPECT_TRUE(video.Teardown());
    EXPECT_TRUE(video.Teardown());
    EXPECT_EQ(video.GetBackBuffer(), nullptr);
    EXPECT_EQ(GdiLiveDcCount(), dcs);
    EXPECT_EQ(GdiLiveObjectCount(), objects);
    // Torn down, it renders and paints nothing and takes graphics without harm.
    Add({0, 0, 10, 10}, 30);
    Window->BuildFrame();
    Window->Invalidate(false);
    Window->UpdateWindow();
    EXPECT_TRUE(video.Setup());
    Window->UpdateWindow();
    ExpectShows(5, 5, 30, "set up again");

    // Standing for the frame window, which holds WinG too: the surface gives back only its
    // own use, and every DC and object it made.
    ASSERT_TRUE(TJorpWinG::LoadWinG());
    EXPECT_EQ(TJorpWinG::Get()->GetUseCount(), 2);
    Window->ScreenMgr.reset();
    EXPECT_EQ(GdiLiveDcCount(), dcs);
    EXPECT_EQ(GdiLiveObjectCount(), objects);
    EXPECT_EQ(TJorpWinG::Get()->GetUseCount(), 1);
    EXPECT_TRUE(TJorpWinG::UnloadWinG(true));
    EXPECT_EQ(TJorpWinG::Get(), nullptr);
}

TEST_F(Surface, GraphicsOutliveTheirSurfaceAndJoinTheNextOne) {
    Open();
    TRecordingGr* g = Add({0, 0, 10, 10}, 30);
    Window->BuildFrame();
    Window->ScreenMgr.reset();
    EXPECT_FALSE(g->IsInVideo());
    EXPECT_EQ(g->GetVideo(), nullptr);
    // No surface for the owner: nowhere to go.
    EXPECT_FALSE(g->AddToVideo());
    EXPECT_TRUE(g->RemoveFromVideo());

    Open();
    EXPECT_TRUE(g->AddToVideo());
    EXPECT_EQ(g->GetVideo(), &Video());
    Window->BuildFrame();
    ExpectShows(5, 5, 30, "on the new surface");

    // Each window finds its own manager, and its responders there; an owner that is no such
    // window has none.
    TStandInModeWindow other;
    TJorpScreenMgr elsewhere(&other, Background, Palette);
    EXPECT_EQ(TJorpScreenMgr::ForOwner(&other), &elsewhere);
    EXPECT_EQ(TJorpScreenMgr::ForOwner(Window), Window->ScreenMgr.get());
    EXPECT_EQ(Window->ScreenMgr->GetResponders()->GetWindow(), Window);
    TBmpMono orphan(nullptr, 0, 0, 4, 4, 1);
    EXPECT_FALSE(orphan.AddToVideo());
}

TEST_F(Surface, PaletteRealisationFollowsTheActiveFlag) {
    Open();
    HWND mode = Window->GetHandle();
    // Realising invalidates the window.
    const auto realised = [mode] {
        TRect invalid;
        return TDesktop::Get().GetUpdateRect(mode, invalid) && ValidateRect(mode, nullptr);
    };
    realised();
    Frame->PaletteChanges.clear();

    // Active from the start: nothing to do.
    EXPECT_TRUE(Video().IsPaletteActive());
    EXPECT_FALSE(Video().ActivatePalette());
    EXPECT_FALSE(realised());
    // Another program's palette: realised in the background, and inactive.
    Window->SendMessage(WM_PALETTECHANGED, HwndToParam(Frame->GetHandle()), 0);
    EXPECT_FALSE(Video().IsPaletteActive());
    EXPECT_TRUE(realised());
    Video().DeactivatePalette(false);
    EXPECT_FALSE(realised());
    Video().DeactivatePalette(true);
    EXPECT_TRUE(realised());
    EXPECT_TRUE(Frame->PaletteChanges.empty());

    // Back in the foreground: realised, and every top-level window hears whose palette it is;
    // the mode window ignores its own.
    EXPECT_EQ(Window->SendMessage(WM_QUERYNEWPALETTE), 1);
    EXPECT_TRUE(Video().IsPaletteActive());
    EXPECT_TRUE(realised());
    EXPECT_EQ(Frame->PaletteChanges, std::vector<HWND>{mode});
    EXPECT_EQ(Window->SendMessage(WM_QUERYNEWPALETTE), 0);
}

TEST_F(Surface, ANewPaletteOrBackgroundKeepsTheGraphicsOverIt) {
    Open();
    Add({10, 10, 20, 20}, 30);
    Window->BuildFrame();
    WritePal("other", RampColours(100));
    EXPECT_TRUE(Window->ScreenMgr->SetPalette(LoadPal("other")));
    App.PumpWaitingMessages();
    // The back buffer's colour table follows the palette: the same index, a new colour.
    const RGBQUAD q = RampColours(100)[30];
    EXPECT_EQ(ScreenPixel(15, 15), MakeArgb(q.rgbRed, q.rgbGreen, q.rgbBlue));
    ExpectShows(15, 15, 30, "new palette");
    ExpectShows(300, 300, Ground, "new palette");

    EXPECT_TRUE(Window->ScreenMgr->SetBackground(
        Keep(std::make_unique<TBmpMono>(Window, 0, 0, 640, 480, 40))));
    App.PumpWaitingMessages();
    ExpectShows(15, 15, 30, "new background");
    ExpectShows(300, 300, 40, "new background");
    // Without a surface there is nothing to set.
    Window->ScreenMgr->DeleteVideo();
    EXPECT_FALSE(Window->ScreenMgr->SetBackground(Background));
    EXPECT_FALSE(Window->ScreenMgr->SetPalette(Palette));
}

TEST_F(Surface, AWinGWithoutAllItsEntryPointsLeavesASurfaceThatDrawsNothing) {
    std::vector<TLibraryEntry> entries = {
        {"WinGCreateDC", reinterpret_cast<TProcAddress>(&WinGCreateDC)},
        {"WinGRecommendDIBFormat", reinterpret_cast<TProcAddress>(&WinGRecommendDIBFormat)},
        {"WinGCreateBitmap", reinterpret_cast<TProcAddress>(&WinGCreateBitmap)},
        {"WinGBitBlt", reinterpret_cast<TProcAddress>(&WinGBitBlt)},
    };
    RegisterBuiltinLibrary("wing32.dll", entries);
    TMessageBoxRecorder boxes;
    EXPECT_FALSE(TJorpWinG::LoadWinG());
    EXPECT_EQ(TJorpWinG::Get(), nullptr);
    Open();
    EXPECT_EQ(Video().GetBufferDC(), nullptr);
    EXPECT_EQ(Video().GetBackBuffer(), nullptr);
    TRecordingGr* g = Add({0, 0, 10, 10}, 30);
    Window->BuildFrame();
    Window->Invalidate(false);
    Window->UpdateWindow();
    EXPECT_TRUE(g->Drawn.empty());
    EXPECT_TRUE(boxes.Boxes.empty());
    Window->ScreenMgr.reset();
    EXPECT_EQ(TJorpWinG::Get(), nullptr);
}

} // namespace
