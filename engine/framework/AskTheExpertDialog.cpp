// TAskTheExpertDialog: placement from the settings and the advice text.
#include "AskTheExpertDialog.h"

#include "DialogPlacement.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"

#include "platform/framework/controls/Edit.h"
#include "platform/framework/window/Desktop.h"

namespace {

const char* const ExpertSection = "Expert";

} // namespace

TAskTheExpertDialog::TAskTheExpertDialog(const std::string& advice, TWindow* parent, u32 resId)
    : TDialog(parent, resId), AdviceEdit(new TEdit(this, 101)), Advice(advice) {}

bool TAskTheExpertDialog::LoadPosition(TPoint& point) const {
    const TJorpIniFile* settings = TEngineContext::Settings;
    if (settings == nullptr)
        return false;
    point.x = settings->GetInt(ExpertSection, "X", 0);
    point.y = settings->GetInt(ExpertSection, "Y", 0);
    return point.x > 0 && point.y > 0;
}

void TAskTheExpertDialog::SetupWindow() {
    TDialog::SetupWindow();
    const TRect r = GetWindowRect();
    const TDesktop& desktop = TDesktop::Get();
    const i32 screenW = desktop.GetSystemMetrics(SM_CXSCREEN);
    const i32 screenH = desktop.GetSystemMetrics(SM_CYSCREEN);
    TPoint stored;
    if (LoadPosition(stored) && screenW - r.Width() > stored.x && screenH - r.Height() > stored.y)
        MoveDialogTo(*this, stored);
    else
        CentreOnScreen(*this);
    AdviceEdit->SetText(Advice.c_str());
}

bool TAskTheExpertDialog::CanClose() {
    if (TJorpIniFile* settings = TEngineContext::Settings) {
        const TRect r = GetWindowRect();
        settings->WriteInt(ExpertSection, "X", r.left);
        settings->WriteInt(ExpertSection, "Y", r.top);
    }
    return true;
}
