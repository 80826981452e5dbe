// TCasinoGraphDlg's painting: frame, session axis, value scale, bars, zero line and value axis,
// with the paint DC's own pen, brush and font.
#include "CasinoGraphDlg.h"

#include "GraphScale.h"

#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiObject.h"

#include <string>

namespace {

const TColor GainColor{7, 103, 0};
const TColor LossColor{179, 0, 0};

} // namespace

void TCasinoGraphDlg::EvPaint() {
    TPaintDC dc(*this);
    // A layout too small for the session labels was reported at set-up and the dialog is
    // closing: nothing of the chart is drawn.
    if (!AxisFits)
        return;
    dc.Rectangle(Frame);
    DrawXAxisLabels(dc);
    DrawSessionLabel(dc);
    DrawBars(dc);
    DrawZeroLine(dc);
    DrawYAxis(dc);
}

bool TCasinoGraphDlg::AxisLabelsFit(TDC& dc) const {
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    return BarEdges[Positions] - Origin.x > 41 * tm.tmAveCharWidth;
}

void TCasinoGraphDlg::DrawXAxisLabels(TDC& dc) {
    i32 widths[2] = {0, 0};
    dc.GetCharWidth('0', '1', widths);
    const int c = widths[0];
    for (int i = 0; i < Positions; ++i) {
        const int t = i + 1;
        dc.MoveTo(BarEdges[i + 1], Origin.y - 3);
        dc.LineTo(BarEdges[i + 1], Origin.y + 3);
        const int y = Origin.y + (t % 2 == 1 ? 2 : 4);
        const int x = (BarEdges[i + 1] - BarEdges[i]) / 2 + BarEdges[i] - (t <= 9 ? c / 2 : c);
        dc.TextOut(x, y, std::to_string(t));
    }
}

void TCasinoGraphDlg::DrawSessionLabel(TDC& dc) {
    static const std::string text = "Session Number";
    dc.SetBkMode(TRANSPARENT);
    const int width = dc.GetTextExtent(text).cx;
    dc.TextOut((Frame.right - Frame.left) / 2 + Frame.left - width / 2, Frame.bottom + 5, text);
}

void TCasinoGraphDlg::ComputeRange() {
    const GraphScale::TRange r = GraphScale::ComputeRange(Values);
    Minimum = r.Minimum;
    Maximum = r.Maximum;
    Range = r.Range;
}

void TCasinoGraphDlg::DrawBars(TDC& dc) {
    ComputeRange();
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    const int th = tm.tmHeight;
    const int cw = tm.tmAveCharWidth;
    const int p = (Origin.y - AxisTop.y) / Divisions;
    for (int k = 0; k < Divisions; ++k) {
        const int y = Origin.y - k * p;
        dc.MoveTo(Origin.x - 3, y);
        dc.LineTo(Origin.x + 3, y);
        LabelY[k] = y - th / 2;
    }
    Unit = GraphScale::ChooseUnit(Range, Divisions);
    ScaleBase = GraphScale::ScaleBase(Minimum, Unit);
    for (int k = 0; k < Divisions; ++k) {
        const std::string text = std::to_string(GraphScale::TickValue(ScaleBase, Unit, k));
        dc.TextOut(Origin.x - (static_cast<int>(text.size()) + 1) * cw, LabelY[k], text);
    }
    TopTickY = Origin.y - (Divisions - 1) * p;
    // Where no label is 0 (values far below zero) the line still lies where 0 would be, held
    // within the frame with the bars.
    ZeroLine = GraphScale::RowOf(0, ScaleBase, Unit, Origin.y, p, Frame.top, Frame.bottom);
    for (int i = 0; i < Positions; ++i) {
        if (Values[i] > GraphScale::ValueCap)
            Values[i] = GraphScale::ValueCap;
        const float v = Values[i];
        const int end = GraphScale::BarEnd(v, ZeroLine, Unit, p, Frame.top, Frame.bottom);
        const TRect bar{BarEdges[i], std::min(ZeroLine, end), BarEdges[i + 1],
                        std::max(ZeroLine, end)};
        dc.FillRect(bar, TBrush(v >= 0 ? GainColor : LossColor));
    }
}

void TCasinoGraphDlg::DrawZeroLine(TDC& dc) {
    dc.MoveTo(Origin.x, ZeroLine);
    dc.LineTo(BarEdges[Positions], ZeroLine);
}

void TCasinoGraphDlg::DrawYAxis(TDC& dc) {
    dc.MoveTo(Origin);
    dc.LineTo(AxisTop.x, TopTickY);
}
