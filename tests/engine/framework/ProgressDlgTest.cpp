// The progress dialogs: the gauge dialog's steps and limits, the loading screen's choice of
// gauge, the silent reporter, and the gauge dialog a list makes for itself.
#include "EngineDialogFixture.h"

#include "engine/foundation/JorpList.h"
#include "engine/foundation/JorpOwner.h"
#include "engine/framework/GaugeDlg.h"
#include "engine/framework/LoadDlg.h"

#include "platform/framework/controls/Gauge.h"
#include "platform/framework/controls/Static.h"
#include "platform/framework/window/FrameWindow.h"

namespace {

const TColor Yellow{255, 255, 0};
const TRect Bar1{20, 160, 300, 175};
const TRect Bar2{20, 180, 300, 195};

class ProgressDlgTest : public EngineDialogFixture {
protected:
    ~ProgressDlgTest() override { TJorpList::SetGaugeFactory(nullptr); }
};

TEST_F(ProgressDlgTest, TheGaugeDialogCountsWithinItsRangeWhereThePlaceholderWas) {
    TGaugeDlg dialog(nullptr, nullptr, "Loading Sprites");
    ASSERT_TRUE(dialog.Create());
    TGauge* gauge = dialog.GetGauge();
    ASSERT_EQ(dialog.GetDlgItem(1000), gauge) << "the placeholder is gone";
    const TRect placeholder = dialog.MapDialogRect({20, 12, 154, 38});
    EXPECT_EQ(ScreenClient(gauge),
              placeholder.OffsetBy(ScreenClient(&dialog).left, ScreenClient(&dialog).top));
    const std::pair<std::function<void()>, int> steps[] = {
        {[&] { dialog.SetGaugeRange(0, 10); }, 0},
        {[&] {
             for (int i = 0; i < 7; ++i)
                 dialog.IncrementGauge();
         },
         7},
        {[&] { dialog.DecrementGauge(5); }, 6},
        {[&] { dialog.SetGaugeValue(50); }, 10},
        {[&] { dialog.SetGaugeValue(-50, 2); }, 0},
        {[&] { dialog.DecrementGauge(); }, 0},
        // A minimum above the maximum leaves one value.
        {[&] { dialog.SetGaugeRange(10, 3), dialog.IncrementGauge(); }, 10},
        {[&] {
             dialog.SetGaugeRange(0, 0x7FFFFFFF);
             dialog.SetGaugeValue(0x7FFFFFFF);
             dialog.IncrementGauge();
         },
         0x7FFFFFFF},
    };
    for (const auto& [step, expected] : steps) {
        step();
        EXPECT_EQ(gauge->GetValue(), expected);
    }
    dialog.SetGaugeRange(0, 10);
    dialog.SetGaugeValue(4);
    EXPECT_EQ(gauge->FormatText(), "Num: 4");
    // A title is a picture of the text, never a format that reads arguments.
    dialog.SetGaugeText("100%% %s %n %d");
    EXPECT_EQ(gauge->FormatText(), "100% %s %n 4");
    dialog.SetItemText("craps_table_layout_felt.sp");
    EXPECT_EQ(dialog.GetItemStatic()->GetText(), "craps_table_layout_");
}

TEST_F(ProgressDlgTest, ALoadingScreenReportsToTheGaugeNamedOrSelected) {
    using TDo = std::function<void(TLoadDlg&)>;
    struct Case {
        bool TwoGauges;
        TDo Do;
        int Gauge1, Gauge2; // -1: no such gauge
    };
    const Case cases[] = {
        {true, [](TLoadDlg& d) { d.IncrementGauge(); }, 0, 0}, // nothing selected at first
        {true, [](TLoadDlg& d) { d.SelectGauge(1), d.IncrementGauge(), d.IncrementGauge(); }, 2, 0},
        {true, [](TLoadDlg& d) { d.SetGaugeValue(5, 2); }, 0, 5},
        {true, [](TLoadDlg& d) { d.SetGaugeValue(5, 3); }, 0, 0},
        {true, [](TLoadDlg& d) { d.SelectGauge(2), d.IncrementGauge(), d.IncrementGauge(1); }, 1,
         1},
        {false, [](TLoadDlg& d) { d.SelectGauge(2), d.IncrementGauge(); }, 0, -1},
        {false, [](TLoadDlg& d) { d.SelectGauge(1), d.SetGaugeRange(3, 4); }, 3, -1},
    };
    for (const Case& c : cases) {
        auto dialog = c.TwoGauges
                          ? std::make_unique<TLoadDlg>(nullptr, nullptr, nullptr, 0, Bar1, Bar2,
                                                       Yellow, Yellow)
                          : std::make_unique<TLoadDlg>(nullptr, nullptr, nullptr, 0, Bar1, Yellow);
        ASSERT_TRUE(dialog->Create());
        for (TGauge* g : {dialog->GetGauge1(), dialog->GetGauge2()})
            if (g != nullptr)
                g->SetRange(0, 10);
        c.Do(*dialog);
        EXPECT_EQ(dialog->GetGauge1()->GetValue(), c.Gauge1) << c.Gauge1 << c.Gauge2;
        TGauge* second = dialog->GetGauge2();
        EXPECT_EQ(second != nullptr ? second->GetValue() : -1, c.Gauge2) << c.Gauge1 << c.Gauge2;
    }
}

TEST_F(ProgressDlgTest, TheSilentReporterAcceptsEverythingAndShowsNothing) {
    auto window = TopWindow({80, 60, 720, 540});
    App.PumpWaitingMessages();
    const TScreenSurface before = Screen();
    TJorpGroupGaugeDlg silent(window.get(), window.get(), nullptr, 0, IDD_SILENTGAUGE);
    ASSERT_TRUE(silent.Create());
    TJorpProgress& reporter = silent;
    reporter.SetGroup(4), reporter.SelectGauge(1), reporter.SetGaugeRange(0, 3);
    reporter.SetItemText("dealer.skl"), reporter.IncrementGauge();
    App.PumpWaitingMessages();
    EXPECT_FALSE(silent.IsWindowVisible());
    EXPECT_EQ(silent.GetGroup(), 4);
    int changed = 0;
    for (i32 y = 0; y < 600; ++y)
        for (i32 x = 0; x < 800; ++x)
            changed += Screen().GetPixel(x, y) != before.GetPixel(x, y);
    EXPECT_EQ(changed, 0);
}

TEST_F(ProgressDlgTest, WithoutTheirTemplatesReportersIgnoreEveryCall) {
    TResourceRegistry::Get().Clear();
    TGaugeDlg gauge(nullptr, nullptr, "Loading");
    TLoadDlg load(nullptr, nullptr, nullptr, 0x000E, Bar1, Yellow);
    EXPECT_FALSE(gauge.Create() || load.Create());
    for (TJorpProgress* p :
         {static_cast<TJorpProgress*>(&gauge), static_cast<TJorpProgress*>(&load)})
        p->SelectGauge(1), p->SetGaugeRange(0, 5), p->SetItemText("x"), p->IncrementGauge();
    EXPECT_TRUE(TDesktop::Get().GetTopLevelWindows().empty());
}

// An owner without a progress dialog of its own; as a mode window, a window too.
class TPlainOwner : public TJorpOwner {
public:
    const u32* GetFrameCounter() const override { return nullptr; }
    bool IsHoldSet() const override { return false; }
    TJorpProgress* GetProgress() const override { return nullptr; }
};
class TOwnerWindow : public TWindow, public TPlainOwner {};

TEST_F(ProgressDlgTest, AListWithoutAReporterShowsAndEndsAGaugeDialogOverTheOwnersWindow) {
    TJorpList::SetGaugeFactory(CreateListGaugeDlg);
    TOwnerWindow owner;
    owner.Attr = {WS_POPUP | WS_VISIBLE, 0, 100, 50, 640, 480};
    ASSERT_TRUE(owner.Create());
    TJorpList list(&owner);
    TJorpProgress* progress = list.StartGauge("Loading Sprites");
    auto* dialog = dynamic_cast<TGaugeDlg*>(progress);
    ASSERT_TRUE(dialog != nullptr && dialog->IsWindow());
    EXPECT_EQ(dialog->GetCaption(), "Loading Sprites");
    EXPECT_EQ(dialog->GetParent(), &owner);
    EXPECT_EQ(dialog->GetOwner(), &list);
    const TRect r = dialog->GetWindowRect();
    EXPECT_EQ(r.TopLeft(), TPoint(100 + 320 - r.Width() / 2, 50 + 240 - r.Height() / 2));
    // The loaders' protocol.
    progress->SelectGauge(1);
    progress->SetGaugeRange(0, 3);
    for (const char* name : {"chip.sp", "dice.sp", "puck.sp"})
        progress->SetItemText(name), progress->IncrementGauge();
    EXPECT_EQ(dialog->GetGauge()->GetValue(), 3);
    list.EndGauge(progress);
    EXPECT_TRUE(owner.GetChildren().empty());
    EXPECT_EQ(TDesktop::Get().FindWindow(nullptr, "Loading Sprites"), nullptr);
}

TEST_F(ProgressDlgTest, AListGaugeWithoutAnOwnerWindowGoesOverTheMainWindowOrAlone) {
    TJorpList::SetGaugeFactory(CreateListGaugeDlg);
    TPlainOwner plain;
    TFrameWindow* frame = nullptr;
    for (bool withMain : {false, true}) {
        if (withMain) {
            App.SetMainWindow(frame = new TFrameWindow(nullptr, "Main"));
            ASSERT_TRUE(frame->Create());
        }
        // A gauge never ended goes with its list.
        TJorpList list(&plain);
        auto* dialog = dynamic_cast<TGaugeDlg*>(list.StartGauge("Loading"));
        ASSERT_TRUE(dialog != nullptr && dialog->IsWindowVisible());
        EXPECT_EQ(dialog->GetParent(), frame);
    }
    EXPECT_TRUE(frame->GetChildren().empty());
    App.SetMainWindow(nullptr);
    delete frame;
}

} // namespace
