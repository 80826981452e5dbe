// TCasinoStatDlg's cell window: the grid cleared and shown, paging by section and scrolling
// by session column.
#include "CasinoStatDlg.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/controls/Static.h"
#include "platform/framework/window/Module.h"

namespace {

// The rows each page starts at, and the titles of pages that continue a section.
struct TPage {
    int Top;
    const char* Title;
};
constexpr TPage Pages[] = {
    {1, ""},
    {5, ""},
    {18, ""},
    {30, ""},
    {42, ""},
    {54, ""},
    {70, "TOTAL $ BET (cont'd)"},
    {81, ""},
    {97, "TOTAL $ WON/LOST (cont'd)"},
    {109, ""},
    {125, "% RETURN (cont'd)"},
};
constexpr int PageCount = static_cast<int>(sizeof(Pages) / sizeof(Pages[0]));
constexpr int LabelBase = 560;

int PageOf(int top) {
    for (int i = 0; i < PageCount; ++i)
        if (Pages[i].Top == top)
            return i;
    return 0;
}

} // namespace

std::string TCasinoStatDlg::CutCellText(const std::string& text) {
    if (text.size() < CellWidth)
        return text;
    return text.substr(0, CellWidth) + "+";
}

void TCasinoStatDlg::SetCell(int row, int column, const std::string& text) {
    Cells[row][column]->SetText(text.c_str());
}

std::string TCasinoStatDlg::GetCellText(int row, int column) const {
    if (row < 0 || row >= VisibleRows || column < 0 || column >= VisibleColumns)
        return {};
    return Cells[row][column]->GetText();
}

void TCasinoStatDlg::ClearTable() {
    Grid.Clear();
    SetCell(0, 0, std::string());
}

void TCasinoStatDlg::RefreshGrid() {
    for (int j = 0; j < 4; ++j)
        SetCell(0, j + 1, std::to_string(FirstColumn + j));
    const TModule* module = GetModule();
    for (int k = 1; k < VisibleRows; ++k) {
        const int r = TopRow + k - 1;
        if (r > LastStatRow) {
            for (int c = 0; c < VisibleColumns; ++c)
                SetCell(k, c, std::string());
            continue;
        }
        const u32 label = static_cast<u32>(LabelBase + r);
        SetCell(k, 0, module != nullptr ? module->LoadString(label) : TModule().LoadString(label));
        for (int j = 0; j < 4; ++j)
            SetCell(k, j + 1, CutCellText(Grid.Cells[r][FirstColumn + j]));
        SetCell(k, 5, CutCellText(Grid.Cumulative[r]));
    }
}

void TCasinoStatDlg::ShowPage(int page) {
    TopRow = Pages[page].Top;
    SetCell(0, 0, Pages[page].Title);
    RefreshGrid();
}

void TCasinoStatDlg::PageUp() {
    const int page = PageOf(TopRow);
    if (page == 0) {
        MessageBeep(static_cast<u32>(-1));
        return;
    }
    ShowPage(page - 1);
}

void TCasinoStatDlg::PageDown() {
    const int page = PageOf(TopRow);
    if (page == PageCount - 1) {
        MessageBeep(static_cast<u32>(-1));
        return;
    }
    ShowPage(page + 1);
}

void TCasinoStatDlg::CmPageUp() {
    PageUp();
}

void TCasinoStatDlg::CmPageDown() {
    PageDown();
}

void TCasinoStatDlg::CmColumnLeft() {
    if (FirstColumn <= 1) {
        MessageBeep(static_cast<u32>(-1));
        return;
    }
    --FirstColumn;
    RefreshGrid();
}

void TCasinoStatDlg::CmColumnRight() {
    if (FirstColumn >= LastFirstColumn) {
        MessageBeep(static_cast<u32>(-1));
        return;
    }
    ++FirstColumn;
    RefreshGrid();
}
