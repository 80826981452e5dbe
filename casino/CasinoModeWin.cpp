// TCasinoModeWin: the seat table, the per-frame update, the check of the table's objects and
// the current seat's commands.
#include "CasinoModeWin.h"

#include "casino/CasinoGameLord.h"
#include "casino/CasinoMenuEnable.h"
#include "casino/LeaveTableAsk.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ModePause.h"
#include "engine/framework/PlayerMgr.h"
#include "platform/framework/menus/CommandEnabler.h"
#include "platform/framework/window/Desktop.h"
#include "resources/Resources.h"

DEFINE_RESPONSE_TABLE1(TCasinoModeWin, TJorpModeWindow)
EV_COMMAND(CM_STATISTICS, CmStatistics), EV_COMMAND_ENABLE(CM_STATISTICS, CeStatistics),
    EV_COMMAND(CM_INSTRUCTIONMODE, CmInstructionMode),
    EV_COMMAND_ENABLE(CM_INSTRUCTIONMODE, CeInstructionMode),
    EV_COMMAND(CM_GAMELORDCOMMAND, CmGameLordCommand),
    EV_COMMAND_ENABLE(CM_GAMELORDCOMMAND, CeGameLordCommand), END_RESPONSE_TABLE;

TCasinoModeWin::TCasinoModeWin(TJorpApp* app, TJorpGameFrameWindow* frame, std::string modeName,
                               TPalFace* appPalette, std::string title)
    : TJorpModeWindow(app, frame, std::move(modeName), appPalette, std::move(title)) {
    AllocObjectTable(SeatCount);
}

TCasinoModeWin::~TCasinoModeWin() = default;

void TCasinoModeWin::UpdateGameObjects() {
    if (TGameLord* lord = GetMainGameObject())
        lord->Update();
    for (TGameObject* seat : ObjectTable)
        if (seat != nullptr)
            seat->Update();
    TJorpModeWindow::UpdateGameObjects();
}

bool TCasinoModeWin::CanClose() {
    if (!TJorpModeWindow::CanClose())
        return false;
    TCasinoGameLord* lord = GetCasinoLord();
    if (lord == nullptr || TDesktop::Get().IsQuitSignalled())
        return true;
    lord->SettleBeforeLeaving();
    TModePause paused(this);
    return AgreesToLeaveBets(this, *lord, {0, 1, 2});
}

i32 TCasinoModeWin::TestSkitCondition(u16 condition) {
    TCasinoGameLord* lord = GetCasinoLord();
    return lord != nullptr ? lord->TestSkitCondition(condition) : 0;
}

void TCasinoModeWin::CheckGameObjects() {
    if (GetCasinoLord() == nullptr)
        GObjSetupError("GameLord", "unknown");
    for (i16 seat = 0; seat < GetObjectCount(); ++seat)
        if (GetObjectTableEntry(seat) == nullptr)
            GObjSetupError("Human Slot " + std::to_string(seat), "unknown");
}

TCasinoGameLord* TCasinoModeWin::GetCasinoLord() const {
    return dynamic_cast<TCasinoGameLord*>(GetMainGameObject());
}

TGamblerRecord TCasinoModeWin::GetCurrentGamblerRecord() {
    const TCasinoGameLord* lord = GetCasinoLord();
    TPlayerMgr* players = GetPlayerMgr();
    u8* block = lord != nullptr && players != nullptr
                    ? players->GetDataBlock(players->GetActive(lord->GetCurrentSeat()))
                    : nullptr;
    if (block == nullptr)
        return {};
    return TGamblerRecord(std::span(block, static_cast<size_t>(players->GetPlayerDataSize())));
}

void TCasinoModeWin::CmStatistics() {
    const TCasinoGameLord* lord = GetCasinoLord();
    TPlayerMgr* players = GetPlayerMgr();
    const i16 record = players != nullptr
                           ? players->GetActive(lord != nullptr ? lord->GetCurrentSeat() : -1)
                           : i16{-1};
    TModePause paused(this);
    if (TJorpSoundMgrFace* sound = GetSoundMgr())
        sound->StopAll(true);
    if (players != nullptr)
        players->ShowStatsDialog(record);
}

void TCasinoModeWin::CeStatistics(TCommandEnabler& enabler) {
    enabler.Enable(StatisticsEnabled());
}

void TCasinoModeWin::CmInstructionMode() {
    GetCurrentGamblerRecord().ToggleInstructionMode();
}

void TCasinoModeWin::CeInstructionMode(TCommandEnabler& enabler) {
    const TGamblerRecordView record =
        InstructionEnabled() ? GetCurrentGamblerRecord() : TGamblerRecordView();
    enabler.Enable(record.IsValid());
    enabler.SetCheck(record.GetInstructionMode() ? TCommandEnabler::Checked
                                                 : TCommandEnabler::Unchecked);
}

void TCasinoModeWin::CmGameLordCommand() {
    if (TCasinoGameLord* lord = GetCasinoLord())
        lord->DoGameCommand();
}

void TCasinoModeWin::CeGameLordCommand(TCommandEnabler& enabler) {
    enabler.Enable(LordCommandEnabled() && GetCasinoLord() != nullptr);
}

namespace {

// The casino frame's flags; a frame without them (an engine frame) leaves the commands on.
const TCasinoMenuEnable* CasinoFlags(const TJorpGameFrameWindow* frame) {
    return frame ? dynamic_cast<const TCasinoMenuEnable*>(frame->GetMenuEnable()) : nullptr;
}

} // namespace

bool TCasinoModeWin::StatisticsEnabled() const {
    const TCasinoMenuEnable* flags = CasinoFlags(GetFrame());
    return !flags || flags->Statistics;
}

bool TCasinoModeWin::InstructionEnabled() const {
    const TCasinoMenuEnable* flags = CasinoFlags(GetFrame());
    return !flags || flags->InstructionMode;
}

bool TCasinoModeWin::LordCommandEnabled() const {
    const TCasinoMenuEnable* flags = CasinoFlags(GetFrame());
    return !flags || flags->GameLordCommand;
}
