// TGaugeDlg: the gauge in place of the placeholder, its steps and the item text; the lists'
// gauge factory.
#include "GaugeDlg.h"

#include "resources/Resources.h"

#include "engine/foundation/JorpList.h"
#include "engine/foundation/JorpOwner.h"

#include "platform/framework/controls/Gauge.h"
#include "platform/framework/controls/Static.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/framework/window/FrameWindow.h"

namespace {

// The item's text limit, counting the terminating NUL as the framework does: item names
// longer than that are cut rather than wrapped over the line below.
constexpr u32 ItemTextLimit = 20;

} // namespace

TGaugeDlg::TGaugeDlg(void* owner, TWindow* parent, const char* caption, TModule* module)
    : TJorpGroupGaugeDlg(owner, parent, nullptr, BDF_NOCLICKCLOSE, IDD_GAUGE, caption, module),
      Placeholder(new TGauge(this, 1000)), ItemStatic(new TStatic(this, 1001, ItemTextLimit)) {}

void TGaugeDlg::SetupWindow() {
    TJorpGroupGaugeDlg::SetupWindow();
    if (Placeholder == nullptr || !Placeholder->IsWindow())
        return;
    const TRect r = Placeholder->GetWindowRect();
    const TPoint topLeft = TDesktop::Get().ScreenToClient(GetHandle(), r.TopLeft());
    delete Placeholder;
    Placeholder = nullptr;
    Gauge = new TGauge(this, "Num: %d", 1000, topLeft.x, topLeft.y, r.Width(), r.Height(), true, 1);
    Gauge->Create();
}

void TGaugeDlg::SetItemText(const std::string& text) {
    ItemStatic->SetText(text.substr(0, ItemTextLimit - 1).c_str());
    // Shown at once, like the gauge: the loop does not run while items load.
    ItemStatic->UpdateWindow();
}

void TGaugeDlg::SetGaugeText(const std::string& text, i32) {
    if (Gauge != nullptr)
        Gauge->SetCaption(text.c_str());
}

void TGaugeDlg::SetGaugeValue(i32 value, i32) {
    ShowGaugeValue(Gauge, value);
}

void TGaugeDlg::IncrementGauge(i32) {
    if (Gauge != nullptr)
        ShowGaugeValue(Gauge, static_cast<i64>(Gauge->GetValue()) + 1);
}

void TGaugeDlg::DecrementGauge(i32) {
    if (Gauge != nullptr)
        ShowGaugeValue(Gauge, static_cast<i64>(Gauge->GetValue()) - 1);
}

void TGaugeDlg::SetGaugeRange(i32 minValue, i32 maxValue, i32) {
    if (Gauge != nullptr)
        Gauge->SetRange(minValue, maxValue);
}

TJorpProgress* CreateListGaugeDlg(TJorpList& list, TJorpOwner* owner, const std::string& caption) {
    // The owner is a mode window when it is a window at all.
    TWindow* parent = dynamic_cast<TWindow*>(owner);
    if (parent == nullptr || !parent->IsWindow()) {
        TApplication* app = TApplication::GetCurrent();
        parent = app != nullptr ? app->GetMainWindow() : nullptr;
        if (parent != nullptr && !parent->IsWindow())
            parent = nullptr;
    }
    auto* dialog = new TGaugeDlg(&list, parent, caption.c_str());
    dialog->Create();
    return dialog;
}
