// TCrapsGraph: the craps table's graph, offering sixteen of its statistics.
#pragma once

#include "CasinoGraphDlg.h"

class TCrapsGraph : public TCasinoGraphDlg {
public:
    TCrapsGraph(TWindow* parent, TCasinoStatCalc* calc);
    ~TCrapsGraph() override;
};
