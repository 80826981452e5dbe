// TGaugeDlg: the small "Gauge Dialog" a list opens for itself when nothing else reports its
// loading: one gauge and the name of the item being loaded.
#pragma once

#include "JorpGroupGaugeDlg.h"

#include <string>

class TGauge;
class TJorpList;
class TJorpOwner;
class TStatic;

class TGaugeDlg : public TJorpGroupGaugeDlg {
public:
    TGaugeDlg(void* owner, TWindow* parent, const char* caption, TModule* module = nullptr);

    // Puts the gauge where the template's placeholder control is.
    void SetupWindow() override;

    // The name of the item being loaded, cut to 19 characters and shown at once.
    void SetItemText(const std::string& text) override;
    // One gauge: the gauge arguments are ignored.
    void SetGaugeText(const std::string& text, i32 gauge = -1) override;
    void SetGaugeValue(i32 value, i32 gauge = -1) override;
    void IncrementGauge(i32 gauge = -1) override;
    void DecrementGauge(i32 gauge = -1) override;
    void SetGaugeRange(i32 minValue, i32 maxValue, i32 gauge = -1) override;

    // Null until the window is set up.
    TGauge* GetGauge() const { return Gauge; }
    TStatic* GetItemStatic() const { return ItemStatic; }

private:
    TGauge* Gauge = nullptr;
    TGauge* Placeholder = nullptr;
    TStatic* ItemStatic = nullptr;
};

// The gauge a list makes for itself (TJorpList::SetGaugeFactory): a TGaugeDlg with the
// caption, over the owner's window, else the main window, else on its own; shown at once.
TJorpProgress* CreateListGaugeDlg(TJorpList& list, TJorpOwner* owner, const std::string& caption);
