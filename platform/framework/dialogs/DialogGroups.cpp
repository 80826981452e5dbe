// TDialog's keyboard walk: the next tab stop for Tab and Shift+Tab, and the arrows' round of a
// radio group.
#include "Dialog.h"

#include "platform/framework/controls/Button.h"

#include <algorithm>

namespace {

bool CanTakeFocus(const TWindow* w) {
    return w->IsWindow() && w->IsWindowVisible() && w->IsWindowEnabled();
}

// The radio buttons of a button's group: the group boxes and other controls of its run are
// no stops of the arrows.
std::vector<TRadioButton*> RadiosOfGroup(const TRadioButton& radio) {
    std::vector<TRadioButton*> radios;
    for (TWindow* w : radio.GetGroup())
        if (auto* r = dynamic_cast<TRadioButton*>(w))
            radios.push_back(r);
    return radios;
}

// Where the keyboard enters a tab stop: a radio group at its checked button, so that Tab
// shows the choice made; at the stop itself when none that can take the focus is checked.
TWindow* GroupEntry(TWindow* stop) {
    const auto* radio = dynamic_cast<const TRadioButton*>(stop);
    if (radio == nullptr)
        return stop;
    for (TRadioButton* r : RadiosOfGroup(*radio))
        if (r->GetCheck() == BF_CHECKED && CanTakeFocus(r))
            return r;
    return stop;
}

} // namespace

TWindow* TDialog::NextTabStop(TWindow* from, bool backwards) const {
    const std::vector<TWindow*> all = GetControlsInOrder();
    const size_t n = all.size();
    if (n == 0)
        return nullptr;
    const auto at = std::find(all.begin(), all.end(), from);
    // With no control to start from, Tab takes the first stop and Shift+Tab the last.
    size_t start = backwards ? 0 : n - 1;
    if (at != all.end())
        start = static_cast<size_t>(at - all.begin());
    // A group is left whole: its other buttons are passed over, tab stops or not.
    std::vector<TRadioButton*> leaving;
    if (const auto* radio = dynamic_cast<const TRadioButton*>(from))
        leaving = RadiosOfGroup(*radio);
    for (size_t k = 1; k <= n; ++k) {
        TWindow* w = all[backwards ? (start + n - k) % n : (start + k) % n];
        if ((w->Attr.Style & WS_TABSTOP) == 0 || !CanTakeFocus(w) ||
            std::find(leaving.begin(), leaving.end(), w) != leaving.end())
            continue;
        return GroupEntry(w);
    }
    return nullptr;
}

void TDialog::MoveInRadioGroup(TWindow* focus, bool backwards) {
    auto* radio = dynamic_cast<TRadioButton*>(focus);
    if (radio == nullptr)
        return;
    const std::vector<TRadioButton*> radios = RadiosOfGroup(*radio);
    const size_t n = radios.size();
    const size_t start =
        static_cast<size_t>(std::find(radios.begin(), radios.end(), radio) - radios.begin());
    for (size_t k = 1; k < n; ++k) {
        TRadioButton* next = radios[backwards ? (start + n - k) % n : (start + k) % n];
        if (!CanTakeFocus(next))
            continue;
        FocusControl(next);
        // Reached means chosen, as a click chooses: an automatic button checks itself, a plain
        // one tells the dialog, which checks it. The choice already made is not made again.
        if (next->GetCheck() != BF_CHECKED)
            next->Press();
        return;
    }
}
