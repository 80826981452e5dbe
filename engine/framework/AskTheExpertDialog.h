// TAskTheExpertDialog: the advisor's text in a read-only box, opened where the player last
// left it on the screen.
#pragma once

#include "platform/framework/dialogs/Dialog.h"

#include <string>

class TEdit;

class TAskTheExpertDialog : public TDialog {
public:
    TAskTheExpertDialog(const std::string& advice, TWindow* parent, u32 resId);

    // At the stored position when there is one and the window fits there, else centred on
    // the screen; then the advice goes into the box.
    void SetupWindow() override;
    // Stores the window's place for next time (so OK stores it and Esc does not).
    bool CanClose() override;

    // The stored position, from section "Expert" of the settings; true only when both
    // values are greater than 0.
    bool LoadPosition(TPoint& point) const;

    TEdit* GetAdviceEdit() const { return AdviceEdit; }

private:
    TEdit* AdviceEdit = nullptr;
    std::string Advice;
};
