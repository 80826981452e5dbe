// TJorpProgress: the progress reporter a loading list reports to, whatever draws it.
#pragma once

#include "platform/host/Types.h"

#include <string>

// The operations of the engine's grouped gauge dialog. Loaders select a gauge, set its
// range to the number of items, then name and count each item. A trailing gauge of -1
// addresses the selected gauge. The base reporter shows nothing and ignores every report.
class TJorpProgress {
public:
    virtual ~TJorpProgress() = default;
    virtual void SetGroup(i32 group) { Group = group; }
    virtual void SelectGauge(i32 gauge) { CurrentGauge = gauge; }
    virtual void SetItemText(const std::string&) {}
    virtual void SetGaugeText(const std::string&, i32 = -1) {}
    virtual void SetGaugeValue(i32, i32 = -1) {}
    virtual void IncrementGauge(i32 = -1) {}
    virtual void DecrementGauge(i32 = -1) {}
    virtual void SetGaugeRange(i32, i32, i32 = -1) {}

protected:
    i32 Group = -1;
    i32 CurrentGauge = -1;
};
