// TCasinoStatDlg: set-up, the gambler list and switch, the caption and the graph.
#include "CasinoStatDlg.h"

#include "CrapsGraph.h"
#include "StatCalcCraps.h"

#include "casino/CasinoPlayerData.h"
#include "engine/framework/PlayerMgr.h"
#include "resources/Resources.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Static.h"

namespace {

constexpr int IdShowGraph = 137;
constexpr int IdGameName = 114;
constexpr int IdGambler = 115;
constexpr int IdPageUp = 110;
constexpr int IdPageDown = 111;
constexpr int IdColumnLeft = 112;
constexpr int IdColumnRight = 113;

const std::string GameName = "Craps";

} // namespace

DEFINE_RESPONSE_TABLE1(TCasinoStatDlg, TDialog)
EV_BN_CLICKED(IdShowGraph, CmShowGraph), EV_BN_CLICKED(IdPageUp, CmPageUp),
    EV_BN_CLICKED(IdPageDown, CmPageDown), EV_BN_CLICKED(IdColumnLeft, CmColumnLeft),
    EV_BN_CLICKED(IdColumnRight, CmColumnRight),
    EV_CBN_SELCHANGE(IdGambler, EvGamblerChange), END_RESPONSE_TABLE;

TCasinoStatDlg::TCasinoStatDlg(TWindow* parent, TPlayerMgr& players, i16 record)
    : TDialog(parent, IDD_STATS), Players(players) {
    BuildGamblerList();
    for (size_t i = 0; i < Gamblers.size(); ++i)
        if (static_cast<i16>(Gamblers[i]) == record)
            Selected = static_cast<int>(i);
    if (Selected < 0 && !Gamblers.empty())
        Selected = 0;
    Calc = std::make_unique<TStatCalcCraps>(this);
    SelectGambler();
    // Child windows: the window tree deletes them with the dialog.
    GraphButton = new TButton(this, IdShowGraph);
    GameNameText = new TStatic(this, IdGameName);
    GamblerCombo = new TComboBox(this, IdGambler);
    using TFace = TButton::TArrowFace;
    const std::array<std::pair<int, TFace>, 4> arrows = {{{IdPageUp, TFace::Up},
                                                          {IdPageDown, TFace::Down},
                                                          {IdColumnLeft, TFace::Left},
                                                          {IdColumnRight, TFace::Right}}};
    for (size_t i = 0; i < arrows.size(); ++i) {
        ArrowButtons[i] = new TButton(this, arrows[i].first);
        ArrowButtons[i]->SetArrowFace(arrows[i].second);
    }
    for (int r = 0; r < VisibleRows; ++r)
        for (int c = 0; c < VisibleColumns; ++c)
            Cells[r][c] = new TStatic(this, IDC_STATCELL + VisibleColumns * r + c);
    ClearTable();
}

TCasinoStatDlg::~TCasinoStatDlg() = default;

void TCasinoStatDlg::BuildGamblerList() {
    Gamblers.clear();
    for (i16 s = 0; s < Players.GetTableSize(); ++s)
        if (Players.IsUsed(s))
            Gamblers.push_back(static_cast<u16>(s));
}

void TCasinoStatDlg::SelectGambler() {
    if (Selected < 0 || Selected >= static_cast<int>(Gamblers.size()))
        return;
    Players.FlushInactiveBlocks();
    const i16 slot = static_cast<i16>(Gamblers[static_cast<size_t>(Selected)]);
    if (Players.GetDataBlock(slot) == nullptr)
        Players.LoadDataBlock(slot);
    // The calculator reads a decoded copy: a block that is missing or too short for a
    // gambler's record shows nobody rather than bytes past its end.
    Record.reset();
    const u8* block = Players.GetDataBlock(slot);
    const i32 size = Players.GetPlayerDataSize();
    if (block != nullptr && size > 0) {
        auto decoded = std::make_unique<TCasinoPlayerData>();
        if (decoded->Decode(block, static_cast<size_t>(size)))
            Record = std::move(decoded);
    }
    Calc->Refresh();
}

void TCasinoStatDlg::SetupWindow() {
    TDialog::SetupWindow();
    const TRect window = GetWindowRect();
    SetWindowPos(nullptr, (GetSystemMetrics(SM_CXSCREEN) - window.Width()) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - window.Height()) / 2, window.Width(),
                 window.Height(), SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    FillGamblerCombo();
    GameNameText->SetText(GameName.c_str());
    SetCaptionText();
    for (int r = 0; r < VisibleRows; ++r)
        for (int c = 0; c < VisibleColumns; ++c)
            SetCell(r, c, std::string());
    SetCell(0, 5, "Cumulative");
    ShowStatistics();
}

void TCasinoStatDlg::FillGamblerCombo() {
    for (u16 slot : Gamblers)
        GamblerCombo->AddString(Players.GetPlayerName(static_cast<i16>(slot)).c_str());
    GamblerCombo->SetSelIndex(Selected);
}

void TCasinoStatDlg::SetCaptionText() {
    const std::string name = Record != nullptr ? Record->GetName() : std::string("Nobody");
    SetCaption((GameName + " " + "Statistics" + " " + "for" + " " + name).c_str());
}

void TCasinoStatDlg::ShowStatistics() {
    TopRow = 1;
    FirstColumn = std::max(1, Calc->GetLastIndex() - 2);
    SetCaptionText();
    ClearTable();
    RefreshGrid();
    Calc->FillDialog();
    RefreshGrid();
    GraphButton->EnableWindow(true);
}

void TCasinoStatDlg::EvGamblerChange() {
    if (Gamblers.size() == 1)
        return;
    Selected = GamblerCombo->GetSelIndex();
    if (Selected < 0 || Selected >= static_cast<int>(Gamblers.size()))
        Selected = 0;
    SelectGambler();
    ShowStatistics();
}

void TCasinoStatDlg::CmShowGraph() {
    TCrapsGraph graph(this, Calc.get());
    graph.Execute();
}
