// TDetailLevelDlg: the level shown and the level chosen.
#include "DetailLevelDlg.h"

#include "DetailLevelHost.h"

#include "resources/Resources.h"

#include "platform/framework/controls/Button.h"

DEFINE_RESPONSE_TABLE1(TDetailLevelDlg, TDialog)
EV_COMMAND(IDOK, CmOk), END_RESPONSE_TABLE;

namespace {

constexpr int FirstRadioId = 101;
constexpr i16 RichestLevel = 3;

} // namespace

TDetailLevelDlg::TDetailLevelDlg(TWindow* parent, TDetailLevelHost* window)
    : TDialog(parent, IDD_DETAILLEVEL), Window(window) {
    for (int i = 0; i < 4; ++i)
        Radios[i] = new TRadioButton(this, FirstRadioId + i);
}

TRadioButton* TDetailLevelDlg::GetRadio(int level) const {
    return level >= 0 && level <= RichestLevel ? Radios[RichestLevel - level] : nullptr;
}

void TDetailLevelDlg::SetupWindow() {
    TDialog::SetupWindow();
    if (Window == nullptr)
        return;
    SetCaption((Window->GetSettingsSection() + " Game Speed Control").c_str());
    for (TRadioButton* radio : Radios)
        radio->Uncheck();
    // A level the buttons do not know shows as the richest.
    TRadioButton* shown = GetRadio(Window->GetDetailLevel());
    (shown != nullptr ? shown : Radios[0])->Check();
}

void TDetailLevelDlg::CmOk() {
    if (Window != nullptr) {
        i16 level = 0;
        for (int i = 0; i < 3; ++i)
            if (Radios[i]->GetCheck() == BF_CHECKED) {
                level = static_cast<i16>(RichestLevel - i);
                break;
            }
        Window->SetDetailLevel(level);
    }
    TDialog::CmOk();
}
