// What a closed menu or box uncovers is painted before the program goes on: a box that comes
// up next stands over the window as it is, even when that window can paint no more by then.
#include "MenuUiFixture.h"

#include "platform/framework/dialogs/MessageBoxUi.h"
#include "platform/framework/draw/Dc.h"

#include <functional>

namespace {

constexpr u32 Felt = MakeArgb(0x00, 0x80, 0x20);

// Paints itself felt until its help command takes away what it paints from, as a table that
// is left takes its picture with it; the command then puts up what Leave says.
class TLeavingClient : public TTestClient {
public:
    void Paint(TDC& dc, bool, TRect&) override {
        if (Painting)
            dc.FillSolidRect(GetClientRect(), Felt);
    }
    void CmLeave() {
        if (Leave)
            Leave(*this);
    }

    bool Painting = true;
    std::function<void(TLeavingClient&)> Leave;

    DECLARE_RESPONSE_TABLE(TLeavingClient);
};

DEFINE_RESPONSE_TABLE1(TLeavingClient, TTestClient)
EV_COMMAND(125, CmLeave), END_RESPONSE_TABLE;

class UncoveredPaintTest : public MenuUiFixture {
protected:
    void SetUp() override {
        TResourceRegistry::Get().AddMenu(5, TestMenuBar());
        Leaving = new TLeavingClient;
        MakeFrame({.Client = Leaving, .Menu = 5});
    }

    // Once the box with this caption is up: its place, and the pixels of where outside it
    // that are not felt; then Enter answers it with its first button.
    void WhenUp(const char* caption, const TRect& where) {
        THeadlessBackend& backend = Fx.Backend();
        backend.After(50, [this, &backend, caption, where] {
            const HWND box = TDesktop::Get().FindWindow(nullptr, caption);
            ASSERT_NE(box, nullptr) << caption;
            const TRect over = box->GetWindowRect();
            Seen.push_back(over);
            for (i32 y = where.top; y < where.bottom; ++y)
                for (i32 x = where.left; x < where.right; ++x)
                    if (!over.Contains({x, y})) {
                        ++Behind;
                        Stale += backend.GetScreen().GetPixel(x, y) != Felt;
                    }
            backend.Key(VK_RETURN, '\r');
        });
    }

    TMessageBoxUi Boxes;
    TLeavingClient* Leaving = nullptr;
    // Each box's place while it was up, and the pixels looked at behind the boxes.
    std::vector<TRect> Seen;
    int Behind = 0;
    int Stale = 0;
};

TEST_F(UncoveredPaintTest, ABoxAfterAMenuCommandShowsTheWindowWhereThePopupWas) {
    Click(BarItem(2));
    ASSERT_NE(TMenuUi::Get().GetPopup(), nullptr);
    const TRect popup = TMenuUi::Get().GetPopup()->GetWindowRect();
    Leaving->Leave = [&](TLeavingClient& client) {
        client.Painting = false;
        WhenUp("Failed", popup);
        MessageBoxExA(Frame, "Not written.", "Failed", MB_OK);
    };
    Click(PopupItem(0));
    ASSERT_EQ(Seen.size(), 1U);
    EXPECT_GT(Behind, 0);
    EXPECT_EQ(Stale, 0) << "pixels of the closed popup still drawn";
}

TEST_F(UncoveredPaintTest, ABoxAfterABoxShowsTheWindowWhereTheFirstBoxWas) {
    Leaving->Leave = [&](TLeavingClient& client) {
        // Larger than the next box on every side, so that some of it stands clear of it.
        WhenUp("Leave", {});
        MessageBoxExA(Frame,
                      "A question wide enough to stand out on either side of the next box\n\n"
                      "Line\nLine\nLine\nLine\n\nLeave?",
                      "Leave", MB_YESNO | MB_ICONQUESTION);
        client.Painting = false;
        WhenUp("Failed", Seen.empty() ? TRect{} : Seen.front());
        MessageBoxExA(Frame, "Not written.", "Failed", MB_OK);
    };
    Click(BarItem(2));
    Click(PopupItem(0));
    ASSERT_EQ(Seen.size(), 2U);
    EXPECT_GT(Behind, 0);
    EXPECT_EQ(Stale, 0) << "pixels of the closed first box still drawn";
}

} // namespace
