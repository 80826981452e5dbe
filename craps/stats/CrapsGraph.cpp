// TCrapsGraph: the game name, the statistics' string base and the graphable statistics.
#include "CrapsGraph.h"

#include "resources/Resources.h"

namespace {

constexpr int CrapsStatIds[] = {6, 7, 8, 11, 14, 15, 16, 20, 21, 22, 23, 24, 25, 26, 27, 28};

} // namespace

TCrapsGraph::TCrapsGraph(TWindow* parent, TCasinoStatCalc* calc)
    : TCasinoGraphDlg(parent, calc, IDD_GRAPH) {
    GameName = "Craps";
    StringBase = 560;
    int n = 0;
    for (int id : CrapsStatIds)
        StatIds[n++] = id;
    LastEntry = n - 1;
}

TCrapsGraph::~TCrapsGraph() = default;
