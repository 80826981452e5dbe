// TPlayerMgr: the players of the game: their records, the seats of the active ones, and the
// save file that keeps them between runs; TSaveBlock, a piece of that file in memory.
#pragma once

#include "engine/framework/PlayerData.h"
#include "engine/framework/SaveHeader.h"
#include "engine/framework/SaveKeeper.h"
#include "engine/framework/SaveRecordReader.h"
#include "engine/framework/SaveResult.h"
#include "engine/framework/SaveTeller.h"
#include "platform/host/Types.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TJorpIniFile;
class TPlayerMgrOwner;
class TWindow;

// Counted in the engine's memory total (JorpRamInUse) for as long as it lives.
class TSaveBlock {
public:
    // Size zero bytes; null when the memory cannot be had.
    static std::unique_ptr<TSaveBlock> Allocate(u32 size);
    ~TSaveBlock();
    TSaveBlock(const TSaveBlock&) = delete;
    TSaveBlock& operator=(const TSaveBlock&) = delete;

    u8* GetData() { return Bytes.get(); }
    const u8* GetData() const { return Bytes.get(); }
    u32 GetSize() const { return Size; }

private:
    TSaveBlock(std::unique_ptr<u8[]> bytes, u32 size);

    std::unique_ptr<u8[]> Bytes;
    u32 Size;
};

// The save file holds a header, the game data, then TableSize records, each at a fixed
// offset; a record's first 31 bytes are its TPlayerData. Derived managers make the game data
// and records larger. The manager keeps the roster and lays it into the file's image; the
// keeper (TSaveKeeper) puts each image on the disk as a whole new file in the old one's place,
// and the teller (TSaveTeller) words what came of it. A file that cannot be read is never taken
// for a damaged one: it stays as it is.
class TPlayerMgr {
public:
    static constexpr i16 MaxRecords = 20;

    // Seats and records are held to 1..20. Nothing is read yet.
    TPlayerMgr(TPlayerMgrOwner* owner, std::string directory, i16 seats, i16 records);
    // Frees every block without writing it.
    virtual ~TPlayerMgr();
    TPlayerMgr(const TPlayerMgr&) = delete;
    TPlayerMgr& operator=(const TPlayerMgr&) = delete;

    // Virtual operations, in slot order after the destructor.
    virtual void Save();
    virtual void ShowPlayerDialog();
    // The parent is the window the dialog stands over; none stands for the owner.
    virtual void ShowStatsDialog(i16 record, TWindow* parent = nullptr);
    // The record has just taken a seat.
    virtual void OnActivate(i16 record, u32 value);
    virtual void SetupDefaultGambler();
    virtual void CreateDefaultGambler();
    virtual i32 GetHeaderSize();
    virtual std::unique_ptr<TGameHeader> NewGameHeader();
    virtual i32 GetGameDataSize();
    virtual std::unique_ptr<TGameData> NewGameData();
    virtual i32 GetPlayerDataSize();
    virtual std::unique_ptr<TPlayerData> NewPlayerData();
    // The engine's defaults on the loaded block's first 31 bytes; nothing without a block.
    virtual void ResetPlayerData(i16 record);
    virtual std::string GetSaveFileName();
    virtual i32 GetSaveFileSize();
    // The record's bytes hold a gambler the game can take as he stands: the engine's record
    // of the form save_record::CouldBeGambler holds it to. A derived record adds its own
    // fields; counters are never judged, so that no real gambler is thrown out.
    bool IsWholeRecord(const u8* record, u32 size) { return CouldBeWholeRecord(record, size, {}); }
    // Whether some values of the lost bytes (the mark among them, which could then be 1) make
    // the record whole; with none lost, whether it is.
    virtual bool CouldBeWholeRecord(const u8* record, u32 size, TLostBytes lost);
    // How many leading bytes of a record the record checks read: records alike in them are
    // judged alike. The mark is the first of them.
    virtual size_t GetJudgedSize();
    // A whole record as the game itself writes one, which a derived record may know more of
    // than IsWholeRecord asks (spare bytes it never fills, flags it writes as 0 or 1): a
    // damaged file is read by it first. Its checks read the first GetJudgedSize() bytes and
    // the last GetJudgedTail(), and no others.
    bool IsWrittenRecord(const u8* record, u32 size) {
        return CouldBeWrittenRecord(record, size, {});
    }
    virtual bool CouldBeWrittenRecord(const u8* record, u32 size, TLostBytes lost);
    virtual size_t GetJudgedTail();

    // Record queries, from the records in memory.
    i16 FindPlayer(const std::string& name) const;
    std::string GetPlayerName(i16 record) const;
    bool IsUsed(i16 record) const;
    double GetBankroll(i16 record) const;
    u8 GetSex(i16 record) const;
    i16 FirstFreeRecord() const;
    bool HasFreeRecord() const;
    i16 CountUsed() const;
    // The window (or other owner) whose dialogs the manager's own dialogs stand over.
    TPlayerMgrOwner* GetOwner() const { return Owner; }

    // Seats.
    i16 GetActive(i16 seat) const;
    bool IsSeatTaken(i16 seat) const;
    i16 CountActive() const;
    i16 GetSeatOf(i16 record) const;
    bool IsActive(i16 record) const;
    i16 FirstFreeSeat() const;
    bool SetSeat(i16 seat, i16 record);
    bool TakeFreeSeat(i16 record);
    void ClearSeatEntry(i16 seat);

    // Player operations; failures are reported by the result only, except that a record
    // whose block cannot be written back when its seat empties is reported.
    // False for a record that holds a seat already, with every seat taken, or when the
    // record cannot be read; nothing stays loaded then.
    bool ActivatePlayer(i16 record, u32 value);
    bool DeactivatePlayer(i16 record);
    // The seat's record is written back to the file and let go.
    void ClearSeat(i16 seat);
    // The name is cut to 12 characters before it is compared with the others.
    bool CreatePlayer(const std::string& name, u8 sex, double bankroll);
    bool DeletePlayer(i16 record);
    bool CanChangePlayers() const;
    void NotifyActivated(i16 seat);
    void NotifyDeactivated(i16 seat);

    // Record data blocks. A seated record's block is what its seat player points at: it is
    // never read again while the record holds the seat.
    bool LoadDataBlock(i16 record);
    bool WriteDataBlock(i16 record);
    void FreeDataBlock(i16 record);
    bool CopyBlockToRecord(i16 record);
    bool CopyActiveBlocksToRecords();
    void FlushInactiveBlocks();
    void FreeAllBlocks();
    // The record's block, or null while none is loaded; writable only through a writable
    // manager.
    u8* GetDataBlock(i16 record);
    const u8* GetDataBlock(i16 record) const;

    // What the load found the save file to be.
    enum class TSaveFileCheck { Good, Missing, Damaged, Unreadable };

    // The save file. False when the file was not loaded; the players then live in a file
    // image in memory when saving has been disabled (the gamblers recovered from a damaged
    // file that could not be replaced, or else a fresh one), so the game can still be played.
    bool LoadSaveFile();
    // A failed save keeps what the file holds.
    bool SaveFile();
    // The save at the end of a run: written when something changed since the last save was
    // tried, when that save failed, or when another program changed or removed the file, or
    // put what is no file in its place, since this run last read or wrote it. Its failure is
    // boxed when the player has not been told that very failure yet, or when it leaves the
    // run saved nowhere.
    bool SaveOnLeaving();
    // Before the game ends, while the player can still go back to the table: the run saved as
    // it stands. A failure is put to him with what went wrong and what he can do; false when
    // he chooses to go back, true when he ends without it, when the save got through, or when
    // this run saves nothing. Once he has chosen to end, the leaving's saves box nothing more.
    bool SaveBeforeEnding();
    // True once the player chose to end the game without the run when that save failed.
    bool EndsUnsaved() const { return RunEnd->EndsUnsaved(); }
    // How near its end the run is: the application's, handed over by the frame that made the
    // manager; a manager made without one keeps its own.
    void SetRunEnd(TRunEnd& runEnd);
    TRunEnd& GetRunEnd() { return *RunEnd; }
    // What a save would write (the header, the game data, the loaded records and the seated
    // players' names) differs from what the last save tried to write, whether that save got
    // through or not; true until a save has been tried.
    bool HasChangedSinceLastSave() const;
    // The loaded records (the seated players'), the header and the game data, through the
    // same replacement as SaveFile, so that a crash loses only what came after. Called often:
    // a failure is told once, until a save gets through again.
    bool SaveSeatedPlayers();
    bool ReadAll();
    bool WriteAll();
    // Reads the file once from its start. Only a file that was read whole and is not of its
    // size or its versions, or holds a used record that is not whole (IsWholeRecord), two of
    // one name, or a place that is neither used nor the game's blank (HoldsOnlyWholeRecords),
    // is Damaged; one that could not be read is Unreadable, with the system's reason in error.
    TSaveFileCheck CheckSaveFile(int& error);
    // The same, keeping what was read (at most the file's size and one record more) in bytes.
    TSaveFileCheck CheckSaveFile(int& error, std::vector<u8>& bytes);
    // The same, with the file's size (-1 when it was not read).
    TSaveFileCheck CheckSaveFile(int& error, std::vector<u8>& bytes, i64& size);
    // How much of the save file the load reads and judges: its size and one record more, where
    // the last record lies when a record's worth was put in before it.
    i64 GetSaveReadSize();
    // The reader of a damaged file of this save: its places, sizes, blank and record form.
    TSaveRecordReader RecordReader();
    // Every record marked used in the bytes is whole, no two of them of one name, and every
    // other one marked free and the game's blank; true too for another version's file.
    bool HoldsOnlyWholeRecords(const std::vector<u8>& bytes) {
        return RecordReader().HoldsOnlyWholeRecords(bytes);
    }
    bool CheckSaveFileSize(i64 size);
    // The versions of the header at the start of the bytes.
    bool CheckSaveHeader(const std::vector<u8>& bytes);
    void ComputeOffsets();
    bool ReadHeader();
    bool ReadGameData();
    bool ReadRecordSummary(i16 record);
    bool ReadAllRecordSummaries();
    bool ReadAt(u8* buffer, u32 offset, u32 size);
    // The bytes at the offset, with the rest of the file as it is.
    bool WriteAt(const u8* buffer, u32 offset, u32 size);
    std::unique_ptr<TSaveBlock> ReadBlock(u32 offset, u32 size);

    // The seated players' names in the settings file.
    void StoreActivePlayers();
    std::string GetStoredActiveName(i16 seat) const;
    void RestoreActivePlayers();
    TJorpIniFile* GetIniFile() const;

    // Where the file's calls go; the host's own when null.
    void SetSaveFileHost(TSaveFileHost* host);
    const std::string& GetSaveFilePath() const { return Keeper.GetPath(); }
    const std::string& GetSaveDirectory() const { return SaveDirectory; }
    // Set when the file could not be read, a missing or damaged one could not be replaced, or
    // the player's folder cannot be used: nothing reaches the disk this run, and the players
    // are kept in memory only.
    bool IsSavingDisabled() const { return SavingDisabled; }
    // The record in memory; a default one for an invalid index.
    const TPlayerData& GetRecord(i16 record) const;
    i16 GetTableSize() const { return TableSize; }
    i16 GetSeatCount() const { return SeatCount; }
    u32 GetRecordOffset(i16 record) const;
    u32 GetGameDataOffset() const { return GameDataOffset; }
    const TSaveBlock* GetHeaderBlock() const { return HeaderBlock.get(); }
    const TSaveBlock* GetGameDataBlock() const { return GameDataBlock.get(); }
    const std::string& GetDefaultName() const { return DefaultName; }
    // When the file the players were loaded from had last been written (a damaged one
    // included), as the class library's time of day; nothing for a file made afresh or kept
    // in memory, or when the system cannot tell.
    std::optional<u32> GetLoadedFileWrittenAt() const { return LoadedFileWrittenAt; }

protected:
    bool IsValidRecord(i16 record) const { return record >= 0 && record < TableSize; }
    bool IsValidSeat(i16 seat) const { return seat >= 0 && seat < SeatCount; }
    // A box with the save file's caption.
    void ReportSaveError(const std::string& text);
    // The write that failed last, told by the teller (TSaveTeller::ReportWriteFailure).
    void ReportWriteFailure(const std::string& heading);
    i32 GetPrevRun() const;

    std::unique_ptr<TSaveBlock> HeaderBlock;
    std::unique_ptr<TSaveBlock> GameDataBlock;
    u32 GameDataOffset = 0;
    std::array<TPlayerData, MaxRecords> Records;
    std::array<std::unique_ptr<TSaveBlock>, MaxRecords> DataBlocks;
    std::array<u32, MaxRecords> RecordOffsets{};
    std::array<i16, MaxRecords> Seats;
    std::string SaveDirectory;
    i16 TableSize;
    i16 SeatCount;
    std::string DefaultName = "John Dough";
    TPlayerMgrOwner* Owner;

private:
    using TPiece = TSavePiece;
    TSaveFile File() const;
    TSaveFileHost& Host() const { return Keeper.GetHost(); }
    // What the game writes in a free place (DeletePlayer leaves it so too); empty when it
    // cannot be made.
    const std::vector<u8>& GetFreePlace();
    std::vector<u8> FreePlace;
    // What a crashed replacement left under the temporary name cleared at the start; false,
    // with the failure noted, when a folder there cannot be moved aside.
    bool ClearTempPlace();
    // A write's result kept as the last save's, and a write that got through noted; whether it
    // did.
    bool NoteResult(TSaveResult result);
    bool SaveAll();
    // The header, the game data and every loaded block, at their offsets.
    std::vector<TPiece> LoadedPieces() const;
    // One save of the pieces through the keeper (TSaveKeeper::Commit), its result in LastSave
    // and what it met told. Refused before the header and game data were read. While saving
    // is disabled the memory image takes the pieces.
    bool Commit(const std::vector<TPiece>& pieces);
    // The image (the gamblers recovered in a fresh file) written beside a damaged file, the
    // damaged file kept under a name of its own (TSaveFile::Keep), and the image renamed over
    // it; reported with the number of gamblers carried and the names of those left out.
    // False when the image cannot be written or the file cannot be kept: the damaged file
    // then stays as it is, told in one box with the reason, and the run plays the image from
    // memory, so that the same gamblers are recovered again at the next start.
    bool ReplaceDamagedFile(const std::vector<u8>& image, size_t recovered,
                            const std::vector<std::string>& leftOut);
    // The file image of a fresh file.
    bool BuildFreshImage(std::vector<u8>& image);
    // A fresh image with the carried records in their places.
    bool BuildImage(const std::vector<TPiece>& carried, std::vector<u8>& image);
    // Commit of every loaded piece, remembered as the last save tried.
    bool CommitLoaded();
    std::vector<std::string> SeatedNames() const;
    // The message of the first step of ReadAll that fails; empty when all are read.
    std::string ReadAllSteps();
    // Saving off for the run: the players come from the image (a fresh one when none is
    // given) kept in memory, which every later read and write goes to instead of the disk.
    void KeepInMemory(std::vector<u8> image = {});
    // The steps of a load read from what the keeper knows, or from memory; false, with saving
    // off and the player told, when they cannot be.
    bool ReadLoaded();
    // The start found no save it could read (error, the system's reason): a fresh run saved
    // where what stands in the save's place lets it (TSaveKeeper::PutWhereUnread), or else
    // played from memory; told either way.
    bool LoadUnread(int error);
    // Where the run's gamblers are saved noted in the settings when that changed: the kept file
    // they were saved in instead of the save, or nothing while they are in the save.
    void NoteWhereKept();
    // The last run's gamblers were saved in a kept file, and are not in the save: the player is
    // told where, once.
    void TellWhereLastRunIs();
    // The kept file is there, and is not what the save holds.
    bool HoldsOtherThanSave(const std::string& kept);

    bool SavingDisabled = false;
    // The file's bytes while saving is disabled.
    std::vector<u8> MemoryImage;
    std::optional<u32> LoadedFileWrittenAt;
    // What the last save tried to write: each loaded piece's offset and bytes, and the
    // seated players' names as the settings were last given them.
    std::optional<std::vector<std::pair<u32, std::vector<u8>>>> TriedPieces;
    std::optional<std::vector<std::string>> StoredNames;
    // The file side of every save (the host the file's calls go through, and the file's path),
    // and the words for what came of it.
    TSaveKeeper Keeper;
    TRunEnd OwnRunEnd;
    TRunEnd* RunEnd = &OwnRunEnd;
    TSaveTeller Teller;
    // What the last commit did; a failure's words come from it.
    TSaveResult LastSave;
    // The last write failed; nothing has got through since.
    bool LastWriteFailed = false;
    // What the settings say of where the run's gamblers are saved (NoteWhereKept); nothing
    // until the load has read it.
    std::optional<std::string> KeptNoted;
};
