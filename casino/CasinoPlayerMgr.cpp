// TCasinoPlayerMgr: the start-up flow, the default gambler, the record's size and clearing,
// and the two dialogs.
#include "CasinoPlayerMgr.h"

#include "casino/CasinoGameData.h"
#include "casino/CasinoPlayerData.h"
#include "casino/CasinoStatDialog.h"
#include "casino/GamblerDialogRun.h"
#include "casino/HistoryLayouts.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/PlayerMgrOwner.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/host/DateTime.h"
#include "platform/host/PrivateProfile.h"

#include <algorithm>

TCasinoPlayerMgr::TCasinoPlayerMgr(TPlayerMgrOwner* owner, std::string directory, i16 activeLimit,
                                   i16 tableSize, bool forceDefault, TSaveFileHost* host)
    : TPlayerMgr(owner, std::move(directory), activeLimit, tableSize) {
    DefaultName = DefaultGambler;
    SetSaveFileHost(host);
    // A file that cannot be used has been reported; the gamblers below then play from
    // memory, and nothing is saved.
    LoadSaveFile();
    CloseLeftSessions();
    if (forceDefault) {
        DeletePlayer(FindPlayer(DefaultName));
        SetupDefaultGambler();
        return;
    }
    RestoreActivePlayers();
    if (CountActive() == 0)
        SetupDefaultGambler();
}

TCasinoPlayerMgr::~TCasinoPlayerMgr() {
    // At the end of a run the mode window's leaving has just saved: only what changed since,
    // or what did not get through, is written again.
    TPrivateProfileBatch seats;
    SaveOnLeaving();
}

void TCasinoPlayerMgr::Save() {
    // The seated gamblers' names go to the settings in one rewrite.
    TPrivateProfileBatch seats;
    SaveFile();
}

void TCasinoPlayerMgr::ShowPlayerDialog() {
    // The list shows the seated gamblers' bankrolls as they are now.
    CopyActiveBlocksToRecords();
    RunGamblerDialog(*this, GamblerHelpContext);
}

void TCasinoPlayerMgr::ShowStatsDialog(i16 record, TWindow* parent) {
    const TCasinoStatDialogFactory& factory = GetCasinoStatDialogFactory();
    if (!factory) {
        TPlayerMgr::ShowStatsDialog(record, parent);
    } else if (std::unique_ptr<TDialog> dialog = factory(
                   parent != nullptr ? parent : dynamic_cast<TWindow*>(Owner), *this, record)) {
        dialog->Execute();
    }
    FlushInactiveBlocks();
    SaveSeatedPlayers();
}

void TCasinoPlayerMgr::CloseLeftSessions() {
    // The file's time is when the shoot last saved reached it: as near as can be told to when
    // the run stopped.
    const u32 now = TTime().Seconds();
    const u32 lastSaved = std::min(GetLoadedFileWrittenAt().value_or(now), now);
    const auto size = static_cast<size_t>(GetPlayerDataSize());
    for (i16 r = 0; r < GetTableSize(); ++r) {
        if (!IsUsed(r) || IsActive(r) || !LoadDataBlock(r))
            continue;
        u8* block = GetDataBlock(r);
        TCasinoPlayerData record;
        if (!record.Decode(block, size) || !record.CloseLeftSession(lastSaved) ||
            !record.Encode(block, size))
            FreeDataBlock(r);
    }
    FlushInactiveBlocks();
}

bool TCasinoPlayerMgr::CreateGambler(const std::string& name, u8 sex, TMoney bankroll) {
    return CreatePlayer(name, sex, bankroll.GetValue());
}

void TCasinoPlayerMgr::SetupDefaultGambler() {
    CreateDefaultGambler();
    ActivatePlayer(FindPlayer(DefaultName), 0);
}

void TCasinoPlayerMgr::CreateDefaultGambler() {
    if (!IsUsed(FindPlayer(DefaultName)))
        CreatePlayer(DefaultName, 1, DefaultBankroll);
}

i32 TCasinoPlayerMgr::GetGameDataSize() {
    return static_cast<i32>(TCasinoGameData::EncodedSize);
}

std::unique_ptr<TGameData> TCasinoPlayerMgr::NewGameData() {
    return std::make_unique<TCasinoGameData>();
}

i32 TCasinoPlayerMgr::GetPlayerDataSize() {
    return static_cast<i32>(TCasinoPlayerData::EncodedSize);
}

std::unique_ptr<TPlayerData> TCasinoPlayerMgr::NewPlayerData() {
    return std::make_unique<TCasinoPlayerData>();
}

namespace {

// Where the record holds the session ring's current slot.
constexpr size_t CurrentSlotAt =
    TCasinoPlayerData::HistoryAt + FieldNamed<TCasinoData>("Current").At;
// The history's spare amount, just before the options that end the record.
constexpr size_t SpareAt = TCasinoPlayerData::HistoryAt + TCasinoCData::ReservedAt;
static_assert(SpareAt + 8 == TCasinoPlayerData::OptionsAt);

} // namespace

bool TCasinoPlayerMgr::CouldBeWholeRecord(const u8* record, u32 size, TLostBytes lost) {
    // A current session outside the ring is what a shifted or overwritten record shows. The
    // slot alone is read, not the whole record: a damaged file is judged at many readings.
    if (size < TCasinoPlayerData::EncodedSize ||
        !TPlayerMgr::CouldBeWholeRecord(record, size, lost))
        return false;
    // A lost byte of the slot can be 0, its high byte, or a low byte inside the ring.
    const u8 low = record[CurrentSlotAt], high = record[CurrentSlotAt + 1];
    if (lost.Holds(CurrentSlotAt + 1))
        return lost.Holds(CurrentSlotAt) || low < TCasinoCData::SessionSlots;
    if (lost.Holds(CurrentSlotAt))
        return high == 0;
    const auto current = static_cast<i16>(JorpGetU16(record + CurrentSlotAt));
    return current >= 0 && current < TCasinoCData::SessionSlots;
}

bool TCasinoPlayerMgr::CouldBeWrittenRecord(const u8* record, u32 size, TLostBytes lost) {
    // The spare amount is never filled, and the options are written as 0 or 1.
    if (!CouldBeWholeRecord(record, size, lost))
        return false;
    for (size_t i = SpareAt; i < TCasinoPlayerData::EncodedSize; ++i)
        if (!lost.Holds(i) && record[i] > (i < TCasinoPlayerData::OptionsAt ? 0 : 1))
            return false;
    return true;
}

size_t TCasinoPlayerMgr::GetJudgedTail() {
    return TCasinoPlayerData::EncodedSize - SpareAt;
}

size_t TCasinoPlayerMgr::GetJudgedSize() {
    return std::max(TPlayerMgr::GetJudgedSize(), CurrentSlotAt + 2);
}

void TCasinoPlayerMgr::ResetPlayerData(i16 record) {
    if (!IsValidRecord(record))
        return;
    if (GetDataBlock(record) == nullptr && !LoadDataBlock(record))
        return;
    TSaveBlock& block = *DataBlocks[static_cast<size_t>(record)];
    TCasinoPlayerData().Encode(block.GetData(), block.GetSize());
}

std::string TCasinoPlayerMgr::GetSaveFileName() {
    if (const TJorpApp* app = TJorpApp::GetApp())
        return app->GetBaseName() + ".sav";
    // Without an application, the settings file names the program.
    if (const TJorpIniFile* settings = GetIniFile())
        return settings->GetBaseName() + ".sav";
    return TPlayerMgr::GetSaveFileName();
}
