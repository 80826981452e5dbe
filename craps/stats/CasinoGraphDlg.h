// TCasinoGraphDlg: a bar chart of one statistic over a gambler's last twenty sessions, the
// statistic picked from a combo box; the game's graph names the statistics it offers.
#pragma once

#include "platform/framework/dialogs/Dialog.h"

#include <array>
#include <string>

class TCasinoStatCalc;
class TComboBox;
class TDC;

class TCasinoGraphDlg : public TDialog {
public:
    static constexpr int Positions = 20;
    static constexpr int MaxStats = 25;
    static constexpr int IdOk = 123;
    static constexpr int IdStatCombo = 124;

    // Runs the calculator's Calculate at once; the calculator is borrowed.
    TCasinoGraphDlg(TWindow* parent, TCasinoStatCalc* calc, u32 resId);
    ~TCasinoGraphDlg() override;

    void SetupWindow() override;
    virtual void FillStatList();
    virtual void FetchGraphData();
    virtual std::string GetGraphTitle() const;
    void ShowTitle();

    void EvPaint();
    void CmClose();
    void EvStatChange();

    // What the chart is built from, read by tests.
    int GetDivisions() const { return Divisions; }
    const TRect& GetPlotFrame() const { return Frame; }
    TPoint GetOrigin() const { return Origin; }
    const std::array<int, Positions + 1>& GetBarEdges() const { return BarEdges; }
    const std::array<float, Positions>& GetValues() const { return Values; }
    int GetSelectedEntry() const { return Selected; }
    float GetUnit() const { return Unit; }
    float GetMinimum() const { return Minimum; }
    float GetMaximum() const { return Maximum; }
    int GetZeroLine() const { return ZeroLine; }
    int GetScaleBase() const { return ScaleBase; }
    // False when the session axis is too short for its labels; the dialog then ends at once.
    bool Fits() const { return AxisFits; }

protected:
    std::string GameName;
    std::string TitleSeparator = " - ";
    int StringBase = 0;
    std::array<int, MaxStats> StatIds{};
    int LastEntry = -1;

private:
    std::string StatLabel(int entry) const;
    void LayOutFrame();
    void LayOutAxes();
    void CountDivisions(TDC& dc);
    void LayOutBars();
    bool AxisLabelsFit(TDC& dc) const;
    void DrawXAxisLabels(TDC& dc);
    void DrawSessionLabel(TDC& dc);
    void ComputeRange();
    void DrawBars(TDC& dc);
    void DrawZeroLine(TDC& dc);
    void DrawYAxis(TDC& dc);

    TWindow* ParentWindow;
    int Divisions = 16;
    int ScreenWidth;
    int ScreenHeight;
    int WindowWidth = 0;
    int WindowHeight = 0;
    TRect Frame{};
    TPoint AxisTop{};
    TPoint Origin{};
    TPoint AxisEnd{};
    int TopTickY = 0;
    std::array<int, Positions + 1> BarEdges{};
    std::array<int, Positions> LabelY{};
    float Minimum = 0;
    float Maximum = 0;
    float Range = 0;
    int ZeroLine = 0;
    float Unit = 1;
    int ScaleBase = 0;
    int Selected = 1;
    TCasinoStatCalc* Calc;
    TComboBox* StatCombo;
    std::array<float, Positions> Values{};
    bool AxisFits = true;

    DECLARE_RESPONSE_TABLE(TCasinoGraphDlg);
};
