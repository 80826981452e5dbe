// TCasinoGraphDlg: set-up (list, title, centring, frame, axes, divisions, bar edges), the
// statistic's values fetched from the calculator, and statistic changes.
#include "CasinoGraphDlg.h"

#include "CasinoStatCalc.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/window/Module.h"

#include <algorithm>

DEFINE_RESPONSE_TABLE1(TCasinoGraphDlg, TDialog)
EV_WM_PAINT, EV_BN_CLICKED(TCasinoGraphDlg::IdOk, CmClose),
    EV_CBN_SELCHANGE(TCasinoGraphDlg::IdStatCombo, EvStatChange), END_RESPONSE_TABLE;

TCasinoGraphDlg::TCasinoGraphDlg(TWindow* parent, TCasinoStatCalc* calc, u32 resId)
    : TDialog(parent, resId), ParentWindow(parent), ScreenWidth(GetSystemMetrics(SM_CXSCREEN)),
      ScreenHeight(GetSystemMetrics(SM_CYSCREEN)), Calc(calc),
      StatCombo(new TComboBox(this, IdStatCombo)) {
    if (Calc != nullptr)
        Calc->Calculate();
}

// The combo box is a child window: the window tree deletes it.
TCasinoGraphDlg::~TCasinoGraphDlg() = default;

void TCasinoGraphDlg::SetupWindow() {
    TDialog::SetupWindow();
    FillStatList();
    ShowTitle();
    const TRect window = GetWindowRect();
    WindowWidth = window.Width();
    WindowHeight = window.Height();
    SetWindowPos(nullptr, (ScreenWidth - WindowWidth) / 2, (ScreenHeight - WindowHeight) / 2,
                 WindowWidth, WindowHeight,
                 SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    LayOutFrame();
    LayOutAxes();
    {
        TClientDC dc(*this);
        CountDivisions(dc);
        LayOutBars();
        // The fit depends only on the layout and the font, both fixed from here on: asked once,
        // so that a screen too small says so once and the dialog ends before any chart is drawn.
        AxisFits = AxisLabelsFit(dc);
    }
    FetchGraphData();
    if (!AxisFits) {
        MessageBox("Inadequate resolution", "Graph not available", MB_OK);
        PostMessage(WM_CLOSE);
    }
}

std::string TCasinoGraphDlg::StatLabel(int entry) const {
    if (entry < 0 || entry > LastEntry || entry >= MaxStats)
        return {};
    const u32 id = static_cast<u32>(StringBase + StatIds[entry]);
    const TModule* module = GetModule();
    std::string label = module != nullptr ? module->LoadString(id) : TModule().LoadString(id);
    if (label.size() > 255)
        label.resize(255);
    return label;
}

void TCasinoGraphDlg::FillStatList() {
    for (int i = 0; i <= LastEntry && i < MaxStats; ++i)
        StatCombo->AddString(StatLabel(i).c_str());
    StatCombo->SetSelIndex(Selected);
}

void TCasinoGraphDlg::FetchGraphData() {
    if (Calc == nullptr || Selected < 0 || Selected > LastEntry)
        return;
    Values.fill(0);
    if (!Calc->GetGraphData(StatIds[Selected], Values.data(), Positions))
        MessageBox("Unknown error receiving data from statcalc", "Error - Graph", MB_OK);
}

std::string TCasinoGraphDlg::GetGraphTitle() const {
    return GameName + TitleSeparator + StatLabel(Selected);
}

void TCasinoGraphDlg::ShowTitle() {
    SetCaption(GetGraphTitle().c_str());
}

void TCasinoGraphDlg::CmClose() {
    Destroy(IDCANCEL);
}

void TCasinoGraphDlg::EvStatChange() {
    const int n = StatCombo->GetSelIndex();
    if (n < 0 || n > LastEntry)
        return;
    Selected = n;
    FetchGraphData();
    ShowTitle();
    Invalidate(true);
}

void TCasinoGraphDlg::LayOutFrame() {
    Frame =
        TRect{15, 40, WindowWidth - 15, WindowHeight - 15 - GetSystemMetrics(SM_CYCAPTION) - 20};
}

void TCasinoGraphDlg::LayOutAxes() {
    Origin = TPoint{Frame.left + 65, Frame.bottom - 25};
    AxisTop = TPoint{Frame.left + 65, Frame.top + 5};
    AxisEnd = TPoint{Frame.right - 10, Frame.bottom - 25};
}

void TCasinoGraphDlg::CountDivisions(TDC& dc) {
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    const int line = std::max(1, tm.tmHeight + tm.tmExternalLeading);
    // A tall font on a short window would leave no division (and divide by zero later).
    Divisions = std::clamp((Origin.y - AxisTop.y) / line, 1, 19);
}

void TCasinoGraphDlg::LayOutBars() {
    const int w = (AxisEnd.x - Origin.x) / Positions;
    for (int i = 0; i <= Positions; ++i)
        BarEdges[i] = Origin.x + i * w;
}
