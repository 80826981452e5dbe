// TCasinoStatDlg: one gambler's statistics as a paged table of sixteen rows by four sessions
// and a cumulative column, with a gambler switch and the graph of the same figures.
#pragma once

#include "StatCalcOwner.h"
#include "StatGrid.h"

#include "platform/framework/dialogs/Dialog.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class TButton;
class TCasinoPlayerData;
class TComboBox;
class TPlayerMgr;
class TStatCalcCraps;
class TStatic;

class TCasinoStatDlg : public TDialog, public TStatCalcOwner {
public:
    static constexpr int VisibleRows = 17;
    static constexpr int VisibleColumns = 6;
    static constexpr int LastStatRow = 138;
    static constexpr int LastFirstColumn = 22;
    // Texts this long or longer are cut to this length and marked with "+".
    static constexpr size_t CellWidth = 10;

    // The gambler in `record` is shown first; any slot not in use (-1 for an empty seat)
    // shows the first gambler listed.
    TCasinoStatDlg(TWindow* parent, TPlayerMgr& players, i16 record);
    ~TCasinoStatDlg() override;

    void SetupWindow() override;

    TCasinoPlayerData* GetStatRecord() override { return Record.get(); }
    TStatGrid& GetStatGrid() override { return Grid; }
    TWindow* GetStatWindow() override { return this; }

    void CmShowGraph();
    void CmPageUp();
    void CmPageDown();
    void CmColumnLeft();
    void CmColumnRight();
    void EvGamblerChange();

    // The view, read by tests.
    int GetTopRow() const { return TopRow; }
    int GetFirstColumn() const { return FirstColumn; }
    std::string GetCellText(int row, int column) const;
    const std::vector<u16>& GetGamblerList() const { return Gamblers; }
    int GetSelectedIndex() const { return Selected; }
    TStatCalcCraps& GetCalculator() { return *Calc; }

    // A cell's text as the cell window shows it.
    static std::string CutCellText(const std::string& text);

private:
    void BuildGamblerList();
    void SelectGambler();
    void FillGamblerCombo();
    void SetCaptionText();
    void ShowStatistics();
    void ClearTable();
    void RefreshGrid();
    void PageUp();
    void PageDown();
    void ShowPage(int page);
    void SetCell(int row, int column, const std::string& text);

    TPlayerMgr& Players;
    // A decoded copy of the shown gambler's record; null for nobody.
    std::unique_ptr<TCasinoPlayerData> Record;
    std::unique_ptr<TStatCalcCraps> Calc;
    TStatGrid Grid;
    std::vector<u16> Gamblers;
    int Selected = -1;
    int TopRow = 1;
    int FirstColumn = 1;
    TButton* GraphButton;
    TStatic* GameNameText;
    TComboBox* GamblerCombo;
    std::array<TButton*, 4> ArrowButtons{};
    std::array<std::array<TStatic*, VisibleColumns>, VisibleRows> Cells{};

    DECLARE_RESPONSE_TABLE(TCasinoStatDlg);
};
