// TPlayerMgr: records, seats, the player operations, record blocks and the seated players in
// the settings file.
#include "PlayerMgr.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/foundation/MemMgr.h"
#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/PlayerMgrOwner.h"
#include "engine/framework/SaveFileHost.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/Log.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
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
      SeatCount(ClampCount(seats)), Owner(owner), Host(&TSaveFileHost::Default()) {
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

bool TPlayerMgr::AllKeptNamesTaken() const {
    // A keep or a folder's move is refused as a name in use only when every name it may take
    // is: those stay taken until the player clears one.
    return Failure != TWriteFailure::Write && LastWriteError == EEXIST;
}

std::pair<std::string, std::string> TPlayerMgr::DescribeWriteFailure() {
    const TSaveFile file = File();
    const std::string reason =
        AllKeptNamesTaken() ? (Failure == TWriteFailure::FolderInTheWay ? file.FolderKeptNames()
                                                                        : file.KeptNames()) +
                                  " are all taken"
                            : std::strerror(LastWriteError != 0 ? LastWriteError : EIO);
    // The save is written under the temporary name first: only a folder standing there makes
    // that name the player's business.
    std::string name = Host->DisplayName(Failure == TWriteFailure::FolderInTheWay
                                             ? file.GetTempPath()
                                             : (WritingTo.empty() ? SaveFilePath : WritingTo));
    std::string what;
    switch (Failure) {
    case TWriteFailure::Write:
        what = "cannot be written (" + reason + ")";
        break;
    case TWriteFailure::FolderInTheWay:
        what = "is a folder where the save is first written, and it cannot be moved aside (" +
               reason + ")";
        break;
    case TWriteFailure::DamagedNotKept:
        what = "is damaged and cannot be set aside (" + reason + ")";
        break;
    case TWriteFailure::ChangedNotKept:
        what = "was changed by another program since the game last read or wrote it, and "
               "cannot be set aside (" +
               reason + ")";
        break;
    case TWriteFailure::AsideNotKept:
        what = "is " + Standing +
               ", which is left as it is, and no name is free to save beside it (" + reason + ")";
        break;
    }
    return {std::move(name), std::move(what)};
}

void TPlayerMgr::SayWriteFailure(const std::string& name, const std::string& what,
                                 const std::string& advice, bool unlessRepeated) {
    const std::string line = "the save could not be written: " + name + " " + what +
                             (advice.empty() ? std::string() : "; " + advice);
    if (unlessRepeated && line == LastSaidFailure)
        return;
    LastSaidFailure = line;
    LogError(line);
}

std::pair<std::string, std::string> TPlayerMgr::LogWriteFailure() {
    auto words = DescribeWriteFailure();
    // Said before any box: the box waits for the player, and the reason belongs beside it.
    SayWriteFailure(words.first, words.second);
    return words;
}

void TPlayerMgr::ReportWriteFailure(const std::string& heading, bool leaving) {
    const auto [name, what] = DescribeWriteFailure();
    // The names stay taken until the player clears some: nothing of this run is on the disk
    // until then.
    const std::string advice =
        AllKeptNamesTaken()
            ? "the gamblers of this run were not saved: move some of those elsewhere so that "
              "the game can save them"
            : std::string();
    LastWriteFailed = true;
    const bool quitting = TDesktop::QuitAsked();
    const std::string failure = name + "\n" + what;
    const bool told = std::find(ToldWriteFailures.begin(), ToldWriteFailures.end(), failure) !=
                      ToldWriteFailures.end();
    const bool box = !quitting && (!told || (leaving && !LastFailureBoxed));
    // Said before any box: the box waits for the player, and the reason belongs beside it.
    // The leaving's second try at the end's save, failing as it did, has nothing new to say
    // unless a box goes with it.
    SayWriteFailure(name, what, advice, leaving && !box);
    // A session's end holds its stop while a box waits; the error output has said it all.
    if (quitting) {
        LastFailureBoxed = false;
        return;
    }
    LastFailureBoxed = box;
    if (!box)
        return;
    if (!told)
        ToldWriteFailures.push_back(failure);
    std::string text = heading + "\n" + failure + ".";
    if (!advice.empty()) {
        // Appended piece by piece: the optimizer misreads a sum of temporaries here as an
        // overlapping copy.
        std::string sentence = advice;
        sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
        text += '\n';
        text += sentence;
        text += '.';
    }
    ReportSaveError(text);
}

void TPlayerMgr::SetSaveFileHost(TSaveFileHost* host) {
    Host = host != nullptr ? host : &TSaveFileHost::Default();
}
