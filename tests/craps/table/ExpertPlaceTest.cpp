// The Expert's window moved by a drag on its title bar and closed with OK opens where it was left,
// in the same run and after the program starts again.
#include "ProgramSupport.h"

#include "platform/framework/window/Desktop.h"

namespace {

class ExpertPlace : public ProgramFixture {
protected:
    ExpertPlace() { Build(); }

    // One run straight to the table: x asks the Expert, the action runs on his window, and the
    // key ends it; the window's place as it opened is returned.
    std::optional<TRect> OpenExpert(const std::function<void(HWND)>& act, u32 endKey) {
        THeadlessBackend& backend = Session.Backend();
        const u64 start = backend.Now();
        std::optional<TRect> opened;
        backend.At(start + 1500, [&backend] { backend.Key('X', 'x'); });
        backend.At(start + 2500, [&] {
            TDesktop& desktop = TDesktop::Get();
            const HWND expert = desktop.GetActiveWindow();
            if (expert == nullptr || expert == Frame())
                return;
            opened = desktop.GetWindowRect(expert);
            act(expert);
        });
        backend.At(start + 3500, [&backend, endKey] { backend.Key(endKey); });
        CloseAt(start + 4500);
        EXPECT_EQ(RunOwlMain(), 0);
        return opened;
    }
};

TEST_F(ExpertPlace, ADraggedExpertOpensWhereHeWasLeftWithOkAlsoAfterARestart) {
    Dir.WriteHostFile("otcraps.ini", "[Intro]\nShow=0\n");
    THeadlessBackend& backend = Session.Backend();
    TRect dragged;
    const std::optional<TRect> first = OpenExpert(
        [&](HWND expert) {
            TDesktop& desktop = TDesktop::Get();
            const TRect r = desktop.GetWindowRect(expert);
            const TPoint grip{r.left + 60, r.top + 8};
            backend.MouseButton(grip, TMouseButton::Left, true);
            backend.MouseMove({grip.x - 40, grip.y + 30});
            backend.MouseButton({grip.x - 70, grip.y + 60}, TMouseButton::Left, false);
            // Input is taken at the next poll; the place is read after it.
            backend.After(10,
                          [&dragged, expert] { dragged = TDesktop::Get().GetWindowRect(expert); });
        },
        VK_RETURN);
    ASSERT_TRUE(first.has_value()) << "the Expert never opened";
    EXPECT_EQ(dragged, first->OffsetBy(-70, 60));
    // Moved again and closed with Esc: the place kept is the one left with OK.
    const std::optional<TRect> again = OpenExpert(
        [&](HWND expert) {
            const TRect r = TDesktop::Get().GetWindowRect(expert);
            backend.MouseButton({r.left + 60, r.top + 8}, TMouseButton::Left, true);
            backend.MouseButton({r.left + 160, r.top + 8}, TMouseButton::Left, false);
        },
        VK_ESCAPE);
    ASSERT_TRUE(again.has_value()) << "the Expert never opened again";
    EXPECT_EQ(*again, dragged);
    const std::optional<TRect> third = OpenExpert([](HWND) {}, VK_RETURN);
    ASSERT_TRUE(third.has_value()) << "the Expert never opened a third time";
    EXPECT_EQ(*third, dragged);
}

} // namespace
