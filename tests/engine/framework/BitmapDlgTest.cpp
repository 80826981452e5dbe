// TBitmapDlg: sized to its picture and drawn 1:1 as soon as it is made, explicit sizes,
// closing by clicks and by its one-shot timer, and life without a picture.
#include "EngineDialogFixture.h"

#include "engine/framework/BitmapDlg.h"

#include "platform/framework/chrome/Theme.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/draw/GdiObject.h"

namespace {

constexpr u32 PictureId = 40;

u32 Rgb(const RGBQUAD& q) {
    return (static_cast<u32>(q.rgbRed) << 16) | (static_cast<u32>(q.rgbGreen) << 8) | q.rgbBlue;
}

class BitmapDlgTest : public EngineDialogFixture {
protected:
    std::unique_ptr<TBitmap> Picture(i32 w, i32 h) {
        AddPicture(PictureId, w, h);
        return std::make_unique<TBitmap>(App, PictureId);
    }
    u32 At(TPoint p) const { return Screen().GetPixel(p.x, p.y) & 0xFFFFFFU; }
};

TEST_F(BitmapDlgTest, SizedToItsBitmapItShowsItOneToOneAsSoonAsItIsCreated) {
    auto bitmap = Picture(320, 215);
    TBitmapDlg dialog(nullptr, nullptr, bitmap.get(), BDF_SIZETOBITMAP, IDD_BITMAP);
    // No message is handled after Create: it has painted by itself.
    ASSERT_TRUE(dialog.Create());
    const TRect client = ScreenClient(&dialog);
    EXPECT_EQ(dialog.GetWindowRect(), TRect({240, 192}, {320, 215})) << "centred, no frame";
    EXPECT_EQ(client, dialog.GetWindowRect());
    const TDibImage image = TestPicture(320, 215);
    int off = 0;
    for (i32 y = 0; y < image.Height; ++y)
        for (i32 x = 0; x < image.Width; ++x)
            off += At(client.TopLeft().Offset(x, y)) !=
                   Rgb(image.Colors[image.Pixels[static_cast<size_t>(y * image.Width + x)]]);
    EXPECT_EQ(off, 0);
    EXPECT_FALSE(dialog.GetOkButton()->IsWindowVisible());
}

TEST_F(BitmapDlgTest, AnExplicitSizeGoesToTheParentsClientOriginOrTheScreenCentre) {
    auto bitmap = Picture(64, 48);
    // A caption puts the parent's client origin below its window origin.
    TWindow parent;
    parent.Attr = {WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 37, 41, 500, 400};
    ASSERT_TRUE(parent.Create());
    for (TWindow* p : {&parent, static_cast<TWindow*>(nullptr)}) {
        TBitmapDlg dialog(nullptr, p, bitmap.get(), BDF_SIZETOBITMAP, IDD_BITMAP, nullptr, 0, 200,
                          150);
        ASSERT_TRUE(dialog.Create());
        const TPoint origin = p != nullptr ? ScreenClient(p).TopLeft() : TPoint(300, 225);
        EXPECT_EQ(dialog.GetWindowRect(), TRect(origin, {200, 150}));
        // Stretched over exactly the client area: the picture's frame is on every edge.
        const TRect c = ScreenClient(&dialog);
        for (TPoint corner : {c.TopLeft(), TPoint{c.right - 1, c.bottom - 1}})
            EXPECT_EQ(At(corner), Rgb(TestPicture(1, 1).Colors[1]));
    }
}

TEST_F(BitmapDlgTest, EnterClosesItWithOkAsAClickDoesUnlessFlagFourIsSet) {
    auto bitmap = Picture(120, 90);
    for (u16 flags :
         std::initializer_list<u16>{BDF_SIZETOBITMAP, BDF_SIZETOBITMAP | BDF_NOCLICKCLOSE}) {
        TBitmapDlg dialog(nullptr, nullptr, bitmap.get(), flags, IDD_BITMAP);
        During(50, [&] { Backend().Key(VK_RETURN, 13); });
        During(100, [&] { dialog.Destroy(77); });
        EXPECT_EQ(dialog.Execute(), (flags & BDF_NOCLICKCLOSE) == 0 ? IDOK : 77) << flags;
    }
}

TEST_F(BitmapDlgTest, ClicksOfEitherButtonCloseWithOkUnlessFlagFourIsSet) {
    auto bitmap = Picture(120, 90);
    for (u16 flags :
         std::initializer_list<u16>{BDF_SIZETOBITMAP, BDF_SIZETOBITMAP | BDF_NOCLICKCLOSE})
        for (TMouseButton button : {TMouseButton::Left, TMouseButton::Right}) {
            TBitmapDlg dialog(nullptr, nullptr, bitmap.get(), flags, IDD_BITMAP);
            During(50, [&] { ClickIn(&dialog, button); });
            const bool closes = (flags & BDF_NOCLICKCLOSE) == 0;
            if (!closes)
                During(100, [&] { dialog.Destroy(77); });
            EXPECT_EQ(dialog.Execute(), closes ? IDOK : 77) << flags;
        }
}

// Refuses to close when told to, so that it can outlive its timer.
class TTimedBitmapDlg : public TBitmapDlg {
public:
    TTimedBitmapDlg(bool stubborn)
        : TBitmapDlg(nullptr, nullptr, nullptr, BDF_NOCLICKCLOSE, IDD_BITMAP, nullptr, 3000),
          Stubborn(stubborn) {}
    bool CanClose() override { return !Stubborn; }
    bool Stubborn;
};

TEST_F(BitmapDlgTest, ItsTimerClosesItWithOkAfterTheElapseAndFiresOnce) {
    for (bool stubborn : {false, true}) {
        TTimedBitmapDlg dialog(stubborn);
        int timers = 0;
        TDesktop::Get().SetMessageHook(
            [&](HWND w, u32 msg, WPARAM, LPARAM) { timers += w == &dialog && msg == WM_TIMER; });
        if (stubborn)
            During(20000, [&] { dialog.Destroy(77); });
        const u64 start = Backend().Now();
        EXPECT_EQ(dialog.Execute(), stubborn ? 77 : IDOK);
        TDesktop::Get().SetMessageHook(nullptr);
        EXPECT_GE(Backend().Now() - start, stubborn ? 20000u : 3000u);
        EXPECT_LT(Backend().Now() - start, stubborn ? 20100u : 3100u);
        EXPECT_EQ(timers, 1);
    }
}

TEST_F(BitmapDlgTest, WithoutAPictureItIsAPlainDialogOfItsTemplatesSize) {
    TBitmap missing(App, 999);
    TBitmapDlg dialog(nullptr, nullptr, &missing, BDF_SIZETOBITMAP | BDF_SHOWOK, IDD_BITMAP,
                      nullptr, 0, 50, 40);
    ASSERT_TRUE(dialog.Create());
    const TRect c = ScreenClient(&dialog);
    EXPECT_GT(c.Width(), 50);
    EXPECT_EQ(Screen().GetPixel(c.left + 2, c.top + 2), Theme::Face);
    EXPECT_TRUE(dialog.GetOkButton()->IsWindowVisible());
}

} // namespace
