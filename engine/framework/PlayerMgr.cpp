// TPlayerMgr: records, seats, the player operations, record blocks and the seated players in
// the settings file.
#include "PlayerMgr.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/foundation/MemMgr.h"
#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/PlayerMgrOwner.h"
#include "engine/framework/SaveFileHost.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

std::unique_ptr<TSaveBlock> TSaveBlock::Allocate(u32 size) {
    std::unique_ptr<u8[]> bytes(new (std::nothrow) u8[size == 0 ? 1 : size]());
    if (!bytes)
        return nullptr;
    return std::unique_ptr<TSaveBlock>(new TSaveBlock(std::move(bytes), size));
}

TSaveBlock::TSaveBlock(std::unique_ptr<u8[]> bytes, u32 size)
    : Bytes(std::move(bytes)), Size(size) {
    JorpRamAdd(Size);
}

TSaveBlock::~TSaveBlock() {
    JorpRamRemove(Size);
}

namespace {

i16 ClampCount(i16 n) {
    return static_cast<i16>(std::clamp<int>(n, 1, TPlayerMgr::MaxRecords));
}

} // namespace

TPlayerMgr::TPlayerMgr(TPlayerMgrOwner* owner, std::string directory, i16 seats, i16 records)
    : SaveDirectory(std::move(directory)), TableSize(ClampCount(records)),
      SeatCount(ClampCount(seats)), Owner(owner), Keeper(TSaveFileHost::Default()),
      Teller(Keeper, OwnRunEnd, [this](const std::string& text) { ReportSaveError(text); }) {
    Seats.fill(-1);
}

TPlayerMgr::~TPlayerMgr() = default;

void TPlayerMgr::Save() {}

void TPlayerMgr::ShowPlayerDialog() {
    CopyActiveBlocksToRecords();
    if (Owner != nullptr)
        Owner->ShowPlayerMessage("This is a default dialog.", "Player Management Dialog");
}

void TPlayerMgr::ShowStatsDialog(i16, TWindow*) {
    if (Owner != nullptr)
        Owner->ShowPlayerMessage("This is a default dialog.", "Player Statistics Dialog");
}

void TPlayerMgr::OnActivate(i16, u32) {}
void TPlayerMgr::SetupDefaultGambler() {}
void TPlayerMgr::CreateDefaultGambler() {}

i32 TPlayerMgr::GetHeaderSize() {
    return static_cast<i32>(TGameHeader::EncodedSize);
}

std::unique_ptr<TGameHeader> TPlayerMgr::NewGameHeader() {
    return std::make_unique<TGameHeader>();
}

i32 TPlayerMgr::GetGameDataSize() {
    return static_cast<i32>(TGameData::EncodedSize);
}

std::unique_ptr<TGameData> TPlayerMgr::NewGameData() {
    return std::make_unique<TGameData>();
}

i32 TPlayerMgr::GetPlayerDataSize() {
    return static_cast<i32>(TPlayerData::EncodedSize);
}

std::unique_ptr<TPlayerData> TPlayerMgr::NewPlayerData() {
    return std::make_unique<TPlayerData>();
}

void TPlayerMgr::ResetPlayerData(i16 record) {
    const u8* block = GetDataBlock(record);
    if (block == nullptr)
        return;
    TPlayerData data;
    data.SetDefaults();
    data.Encode(DataBlocks[static_cast<size_t>(record)]->GetData(),
                DataBlocks[static_cast<size_t>(record)]->GetSize());
}

std::string TPlayerMgr::GetSaveFileName() {
    return "jorp.sav";
}

i32 TPlayerMgr::GetSaveFileSize() {
    return GetHeaderSize() + GetGameDataSize() + TableSize * GetPlayerDataSize();
}

const TPlayerData& TPlayerMgr::GetRecord(i16 record) const {
    static const TPlayerData none;
    return IsValidRecord(record) ? Records[static_cast<size_t>(record)] : none;
}

u32 TPlayerMgr::GetRecordOffset(i16 record) const {
    return IsValidRecord(record) ? RecordOffsets[static_cast<size_t>(record)] : 0;
}

i16 TPlayerMgr::FindPlayer(const std::string& name) const {
    for (i16 r = 0; r < TableSize; ++r)
        if (IsUsed(r) && Records[static_cast<size_t>(r)].GetName() == name)
            return r;
    return -1;
}

std::string TPlayerMgr::GetPlayerName(i16 record) const {
    return IsValidRecord(record) ? GetRecord(record).GetName() : std::string();
}

bool TPlayerMgr::IsUsed(i16 record) const {
    return IsValidRecord(record) && GetRecord(record).GetUsed() != 0;
}

double TPlayerMgr::GetBankroll(i16 record) const {
    return IsValidRecord(record) ? GetRecord(record).GetBankroll() : 0.0;
}

u8 TPlayerMgr::GetSex(i16 record) const {
    return IsValidRecord(record) ? GetRecord(record).GetSex() : u8{1};
}

i16 TPlayerMgr::FirstFreeRecord() const {
    for (i16 r = 0; r < TableSize; ++r)
        if (!IsUsed(r))
            return r;
    return -1;
}

bool TPlayerMgr::HasFreeRecord() const {
    return IsValidRecord(FirstFreeRecord());
}

i16 TPlayerMgr::CountUsed() const {
    i16 n = 0;
    for (i16 r = 0; r < TableSize; ++r)
        n = static_cast<i16>(n + (IsUsed(r) ? 1 : 0));
    return n;
}

i16 TPlayerMgr::GetActive(i16 seat) const {
    return IsValidSeat(seat) ? Seats[static_cast<size_t>(seat)] : i16{-1};
}

bool TPlayerMgr::IsSeatTaken(i16 seat) const {
    return IsValidRecord(GetActive(seat));
}

i16 TPlayerMgr::CountActive() const {
    i16 n = 0;
    for (i16 s = 0; s < SeatCount; ++s)
        n = static_cast<i16>(n + (IsSeatTaken(s) ? 1 : 0));
    return n;
}

i16 TPlayerMgr::GetSeatOf(i16 record) const {
    if (!IsValidRecord(record))
        return -1;
    for (i16 s = 0; s < SeatCount; ++s)
        if (Seats[static_cast<size_t>(s)] == record)
            return s;
    return -1;
}

bool TPlayerMgr::IsActive(i16 record) const {
    return GetSeatOf(record) >= 0;
}

i16 TPlayerMgr::FirstFreeSeat() const {
    for (i16 s = 0; s < SeatCount; ++s)
        if (!IsSeatTaken(s))
            return s;
    return -1;
}

bool TPlayerMgr::SetSeat(i16 seat, i16 record) {
    if (!IsValidRecord(record) || !IsValidSeat(seat) || IsSeatTaken(seat))
        return false;
    Seats[static_cast<size_t>(seat)] = record;
    return true;
}

bool TPlayerMgr::TakeFreeSeat(i16 record) {
    return SetSeat(FirstFreeSeat(), record);
}

void TPlayerMgr::ClearSeatEntry(i16 seat) {
    if (IsSeatTaken(seat))
        Seats[static_cast<size_t>(seat)] = -1;
}

bool TPlayerMgr::ActivatePlayer(i16 record, u32 value) {
    if (!CanChangePlayers())
        return false;
    // A second seat would load the block again under the first seat's player.
    if (!IsValidRecord(record) || IsActive(record) || FirstFreeSeat() < 0)
        return false;
    if (!LoadDataBlock(record))
        return false;
    if (!TakeFreeSeat(record)) {
        FreeDataBlock(record);
        return false;
    }
    OnActivate(record, value);
    NotifyActivated(GetSeatOf(record));
    return true;
}

bool TPlayerMgr::DeactivatePlayer(i16 record) {
    if (!CanChangePlayers())
        return false;
    ClearSeat(GetSeatOf(record));
    return true;
}

void TPlayerMgr::ClearSeat(i16 seat) {
    if (!IsValidSeat(seat))
        return;
    const i16 record = GetActive(seat);
    NotifyDeactivated(seat);
    ClearSeatEntry(seat);
    // The summary the gambler list reads must show what the player leaves with, not what he
    // sat down with.
    CopyBlockToRecord(record);
    if (GetDataBlock(record) != nullptr && !WriteDataBlock(record) && !SavingDisabled)
        ReportWriteFailure("Write Player Data Failed");
    FreeDataBlock(record);
}

bool TPlayerMgr::CreatePlayer(const std::string& name, u8 sex, double bankroll) {
    if (!HasFreeRecord())
        return false;
    TPlayerData data;
    data.SetName(name);
    // Compared as it will be stored: two long names alike in their first 12 characters are
    // the same name.
    if (FindPlayer(data.GetName()) != -1)
        return false;
    const i16 record = FirstFreeRecord();
    if (!LoadDataBlock(record))
        return false;
    ResetPlayerData(record);
    TSaveBlock& block = *DataBlocks[static_cast<size_t>(record)];
    data.Decode(block.GetData(), block.GetSize());
    data.SetName(name);
    data.SetSex(sex);
    data.SetBankroll(bankroll);
    data.SetStartBankroll(bankroll);
    data.SetUsed(1);
    data.Encode(block.GetData(), block.GetSize());
    if (!WriteDataBlock(record)) {
        FreeDataBlock(record);
        return false;
    }
    CopyBlockToRecord(record);
    FreeDataBlock(record);
    return true;
}

bool TPlayerMgr::DeletePlayer(i16 record) {
    if (!IsUsed(record))
        return true;
    if (IsActive(record))
        return false;
    auto& block = DataBlocks[static_cast<size_t>(record)];
    if (!block && !LoadDataBlock(record)) {
        // A record that cannot be read is still cleared: a whole record of zeros with the
        // defaults in front.
        block = TSaveBlock::Allocate(static_cast<u32>(std::max(GetPlayerDataSize(), 0)));
        if (!block)
            return false;
    }
    ResetPlayerData(record);
    if (!WriteDataBlock(record)) {
        FreeDataBlock(record);
        return false;
    }
    CopyBlockToRecord(record);
    FreeDataBlock(record);
    return true;
}

bool TPlayerMgr::CanChangePlayers() const {
    TModeWindowApi* window = Owner != nullptr ? Owner->GetCurrentModeWindow() : nullptr;
    return window == nullptr || window->CanChangePlayers();
}

void TPlayerMgr::NotifyActivated(i16 seat) {
    if (TModeWindowApi* window = Owner != nullptr ? Owner->GetCurrentModeWindow() : nullptr)
        window->OnPlayerActivated(seat);
}

void TPlayerMgr::NotifyDeactivated(i16 seat) {
    if (TModeWindowApi* window = Owner != nullptr ? Owner->GetCurrentModeWindow() : nullptr)
        window->OnPlayerDeactivated(seat);
}

bool TPlayerMgr::LoadDataBlock(i16 record) {
    if (!IsValidRecord(record) || IsActive(record))
        return false;
    FreeDataBlock(record);
    const i32 size = GetPlayerDataSize();
    if (size < static_cast<i32>(TPlayerData::EncodedSize))
        return false;
    DataBlocks[static_cast<size_t>(record)] =
        ReadBlock(RecordOffsets[static_cast<size_t>(record)], static_cast<u32>(size));
    return DataBlocks[static_cast<size_t>(record)] != nullptr;
}

bool TPlayerMgr::WriteDataBlock(i16 record) {
    const u8* block = GetDataBlock(record);
    if (block == nullptr)
        return false;
    return WriteAt(block, RecordOffsets[static_cast<size_t>(record)],
                   DataBlocks[static_cast<size_t>(record)]->GetSize());
}

void TPlayerMgr::FreeDataBlock(i16 record) {
    if (IsValidRecord(record))
        DataBlocks[static_cast<size_t>(record)].reset();
}

bool TPlayerMgr::CopyBlockToRecord(i16 record) {
    if (!IsValidRecord(record))
        return false;
    if (const TSaveBlock* block = DataBlocks[static_cast<size_t>(record)].get())
        Records[static_cast<size_t>(record)].Decode(block->GetData(), block->GetSize());
    return true;
}

bool TPlayerMgr::CopyActiveBlocksToRecords() {
    for (i16 s = 0; s < SeatCount; ++s)
        if (IsSeatTaken(s))
            CopyBlockToRecord(GetActive(s));
    return true;
}

void TPlayerMgr::FlushInactiveBlocks() {
    std::vector<TPiece> pieces;
    for (i16 r = 0; r < TableSize; ++r)
        if (const TSaveBlock* block = DataBlocks[static_cast<size_t>(r)].get();
            block && !IsActive(r))
            pieces.push_back(
                {RecordOffsets[static_cast<size_t>(r)], block->GetData(), block->GetSize()});
    if (pieces.empty())
        return;
    if (!Commit(pieces) && !SavingDisabled)
        ReportWriteFailure("Write Player Data Failed");
    for (i16 r = 0; r < TableSize; ++r)
        if (!IsActive(r))
            FreeDataBlock(r);
}

void TPlayerMgr::FreeAllBlocks() {
    for (i16 r = 0; r < TableSize; ++r)
        FreeDataBlock(r);
}

u8* TPlayerMgr::GetDataBlock(i16 record) {
    return const_cast<u8*>(std::as_const(*this).GetDataBlock(record));
}

const u8* TPlayerMgr::GetDataBlock(i16 record) const {
    if (!IsValidRecord(record))
        return nullptr;
    const TSaveBlock* block = DataBlocks[static_cast<size_t>(record)].get();
    return block != nullptr ? block->GetData() : nullptr;
}

TJorpIniFile* TPlayerMgr::GetIniFile() const {
    return TEngineContext::Settings;
}

void TPlayerMgr::StoreActivePlayers() {
    StoredNames = SeatedNames();
    const TJorpIniFile* settings = GetIniFile();
    if (settings == nullptr)
        return;
    for (i16 s = 0; s < SeatCount; ++s)
        settings->WriteStringN(settings->GetPlayersSection(), s,
                               (*StoredNames)[static_cast<size_t>(s)]);
}

std::string TPlayerMgr::GetStoredActiveName(i16 seat) const {
    const TJorpIniFile* settings = GetIniFile();
    return settings != nullptr ? settings->GetStringN(settings->GetPlayersSection(), seat, "")
                               : std::string();
}

void TPlayerMgr::RestoreActivePlayers() {
    // A name that is not there, or that a seat holds already, seats nobody.
    for (i16 s = 0; s < SeatCount; ++s) {
        const std::string name = GetStoredActiveName(s);
        if (!name.empty())
            ActivatePlayer(FindPlayer(name), 0);
    }
}

i32 TPlayerMgr::GetPrevRun() const {
    const TJorpIniFile* settings = GetIniFile();
    return settings != nullptr ? settings->GetInt(settings->GetSystemSection(), "PrevRun", 0) : 0;
}

void TPlayerMgr::ReportSaveError(const std::string& text) {
    if (Owner != nullptr)
        Owner->ShowPlayerMessage(text, "Error - Save File");
}

void TPlayerMgr::ReportWriteFailure(const std::string& heading) {
    LastWriteFailed = true;
    Teller.ReportWriteFailure(LastSave, heading);
}

void TPlayerMgr::SetRunEnd(TRunEnd& runEnd) {
    RunEnd = &runEnd;
    Teller.SetRunEnd(runEnd);
}

void TPlayerMgr::SetSaveFileHost(TSaveFileHost* host) {
    Keeper.SetHost(host != nullptr ? *host : TSaveFileHost::Default());
}
