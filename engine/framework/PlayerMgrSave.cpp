// TPlayerMgr: the save file: checking and loading it, setting a damaged one aside, keeping
// the players in memory when it cannot be used, making it fresh, and every write as one
// replacement of the whole file.
#include "PlayerMgr.h"

#include "engine/framework/SaveFileHost.h"
#include "platform/host/VirtualPath.h"

#include <algorithm>
#include <cstring>

TSaveFile TPlayerMgr::File() const {
    return Keeper.File();
}

std::unique_ptr<TSaveBlock> TPlayerMgr::ReadBlock(u32 offset, u32 size) {
    std::unique_ptr<TSaveBlock> block = TSaveBlock::Allocate(size);
    if (block && !ReadAt(block->GetData(), offset, size))
        block.reset();
    return block;
}

bool TPlayerMgr::ReadAt(u8* buffer, u32 offset, u32 size) {
    // A gambler is never taken from whatever stands on the disk now, which another program may
    // have put there or taken away: only from what this run read and wrote itself.
    const std::vector<u8>* image = SavingDisabled ? &MemoryImage : Keeper.Known();
    if (buffer == nullptr || image == nullptr || offset > image->size() ||
        size > image->size() - offset)
        return false;
    std::memcpy(buffer, image->data() + offset, size);
    return true;
}

bool TPlayerMgr::WriteAt(const u8* buffer, u32 offset, u32 size) {
    return Commit({{offset, buffer, size}});
}

bool TPlayerMgr::NoteResult(TSaveResult result) {
    LastSave = std::move(result);
    Teller.SayTempFolderMoved(LastSave.TempFolderKeptAs);
    LastWriteFailed = !LastSave.Written();
    if (LastSave.Written()) {
        Teller.NoteWritten(LastSave);
        NoteWhereKept();
    }
    return LastSave.Written();
}

bool TPlayerMgr::Commit(const std::vector<TPiece>& pieces) {
    LastSave = TSaveResult();
    LastSave.WrittenTo = GetSaveFilePath();
    Host().ClearError();
    if (!HeaderBlock || !GameDataBlock)
        return false;
    const i32 size = GetSaveFileSize();
    if (size <= 0)
        return false;
    if (!SavingDisabled) {
        if (!NoteResult(Keeper.Commit(pieces, static_cast<u32>(size))))
            return false;
        Teller.TellMoved(LastSave);
        return true;
    }
    std::vector<u8> image = MemoryImage;
    if (image.size() != static_cast<size_t>(size)) {
        LastSave.Error = Host().GetLastError();
        LastWriteFailed = true;
        return false;
    }
    if (!LayPieces(image, pieces))
        return false;
    MemoryImage = std::move(image);
    return true;
}

bool TPlayerMgr::ClearTempPlace() {
    const TSaveFile::TTempPlace place = Keeper.ClearTempPlace();
    Teller.SayTempFolderMoved(place.KeptAs);
    if (place.Error == 0)
        return true;
    LastSave = TSaveResult();
    LastSave.WrittenTo = GetSaveFilePath();
    LastSave.Failure = TWriteFailure::FolderInTheWay;
    LastSave.Error = place.Error;
    LastWriteFailed = true;
    return false;
}

void TPlayerMgr::ComputeOffsets() {
    GameDataOffset = static_cast<u32>(GetHeaderSize());
    const u32 first = GameDataOffset + static_cast<u32>(GetGameDataSize());
    for (i16 r = 0; r < TableSize; ++r)
        RecordOffsets[static_cast<size_t>(r)] =
            first + static_cast<u32>(r) * static_cast<u32>(GetPlayerDataSize());
}

bool TPlayerMgr::ReadHeader() {
    HeaderBlock = ReadBlock(0, static_cast<u32>(GetHeaderSize()));
    return HeaderBlock != nullptr;
}

bool TPlayerMgr::ReadGameData() {
    GameDataBlock = ReadBlock(GameDataOffset, static_cast<u32>(GetGameDataSize()));
    return GameDataBlock != nullptr;
}

bool TPlayerMgr::ReadRecordSummary(i16 record) {
    if (!IsValidRecord(record))
        return false;
    const std::unique_ptr<TSaveBlock> block = ReadBlock(RecordOffsets[static_cast<size_t>(record)],
                                                        static_cast<u32>(GetPlayerDataSize()));
    return block && Records[static_cast<size_t>(record)].Decode(block->GetData(), block->GetSize());
}

bool TPlayerMgr::ReadAllRecordSummaries() {
    for (i16 r = 0; r < TableSize; ++r)
        if (!ReadRecordSummary(r))
            return false;
    return true;
}

bool TPlayerMgr::CheckSaveFileSize(i64 size) {
    // Reported when the file is set aside.
    return size == GetSaveFileSize();
}

bool TPlayerMgr::CheckSaveHeader(const std::vector<u8>& bytes) {
    TGameHeader stored;
    const i32 headerSize = GetHeaderSize();
    const bool read = headerSize >= 0 && bytes.size() >= static_cast<size_t>(headerSize) &&
                      stored.Decode(bytes.data(), static_cast<size_t>(headerSize));
    const std::unique_ptr<TGameHeader> wanted = NewGameHeader();
    // The id is not compared: a file that says otherwise but has the right versions is used.
    return read && wanted && stored.Major == wanted->Major && stored.Minor == wanted->Minor;
}

i64 TPlayerMgr::GetSaveReadSize() {
    return std::max<i64>(GetSaveFileSize(), 0) + std::max<i64>(GetPlayerDataSize(), 0);
}

TPlayerMgr::TSaveFileCheck TPlayerMgr::CheckSaveFile(int& error) {
    std::vector<u8> bytes;
    return CheckSaveFile(error, bytes);
}

TPlayerMgr::TSaveFileCheck TPlayerMgr::CheckSaveFile(int& error, std::vector<u8>& bytes) {
    i64 size = -1;
    return CheckSaveFile(error, bytes, size);
}

TPlayerMgr::TSaveFileCheck TPlayerMgr::CheckSaveFile(int& error, std::vector<u8>& bytes,
                                                     i64& size) {
    size = -1;
    switch (File().Look(bytes, static_cast<u32>(std::min<i64>(GetSaveReadSize(), 0x7FFFFFFF)), size,
                        error)) {
    case TSaveFile::TLook::Missing:
        return TSaveFileCheck::Missing;
    case TSaveFile::TLook::Unreadable:
        return TSaveFileCheck::Unreadable;
    case TSaveFile::TLook::Read:
        break;
    }
    // A record whose amounts are no numbers, or whose name is no text, is as damaged as a
    // file cut short: a bit gone wrong on the disk, or a file not written by the game.
    return CheckSaveFileSize(size) && CheckSaveHeader(bytes) && HoldsOnlyWholeRecords(bytes)
               ? TSaveFileCheck::Good
               : TSaveFileCheck::Damaged;
}

bool TPlayerMgr::ReplaceDamagedFile(const std::vector<u8>& image, size_t recovered,
                                    const std::vector<std::string>& leftOut) {
    if (NoteResult(Keeper.PutKeepingOld(image, TWriteFailure::DamagedNotKept))) {
        if (LastSave.Way == TSaveResult::TWay::KeepingOld)
            Teller.TellDamagedKept(LastSave.Kept, recovered, leftOut);
        else
            Teller.TellDamagedSavedInstead(LastSave, recovered, leftOut);
        return true;
    }
    Teller.TellDamagedNotKept(LastSave, recovered, leftOut);
    KeepInMemory(image);
    return false;
}

bool TPlayerMgr::BuildFreshImage(std::vector<u8>& image) {
    const i32 size = GetSaveFileSize();
    const i32 headerSize = GetHeaderSize();
    const i32 dataSize = GetGameDataSize();
    const i32 recordSize = GetPlayerDataSize();
    if (size <= 0 || headerSize < 0 || dataSize < 0 || recordSize < 0)
        return false;
    image.assign(static_cast<size_t>(size), 0);
    const std::unique_ptr<TGameHeader> header = NewGameHeader();
    const std::unique_ptr<TGameData> data = NewGameData();
    bool ok = header && header->Encode(image.data(), static_cast<size_t>(headerSize)) && data &&
              data->Encode(image.data() + GameDataOffset, static_cast<size_t>(dataSize));
    for (i16 r = 0; ok && r < TableSize; ++r) {
        const std::unique_ptr<TPlayerData> record = NewPlayerData();
        ok = record && record->Encode(image.data() + RecordOffsets[static_cast<size_t>(r)],
                                      static_cast<size_t>(recordSize));
    }
    return ok;
}

bool TPlayerMgr::BuildImage(const std::vector<TPiece>& carried, std::vector<u8>& image) {
    if (!BuildFreshImage(image)) {
        Teller.TellImageNotMade();
        return false;
    }
    for (const TPiece& piece : carried)
        if (piece.Offset <= image.size() && piece.Size <= image.size() - piece.Offset)
            std::memcpy(image.data() + piece.Offset, piece.Data, piece.Size);
    return true;
}

std::string TPlayerMgr::ReadAllSteps() {
    if (!ReadHeader())
        return "Reading File Header Failed";
    if (!ReadGameData())
        return "Reading Game Data Failed";
    if (!ReadAllRecordSummaries())
        return "Reading Player Data Failed";
    return std::string();
}

bool TPlayerMgr::ReadAll() {
    const std::string failed = ReadAllSteps();
    if (!failed.empty())
        Teller.TellReadFailed(failed);
    return failed.empty();
}

void TPlayerMgr::KeepInMemory(std::vector<u8> image) {
    SavingDisabled = true;
    Keeper.Forget();
    HeaderBlock.reset();
    GameDataBlock.reset();
    MemoryImage = std::move(image);
    // Read back through the steps of a load, which now read from memory.
    if ((MemoryImage.empty() && !BuildFreshImage(MemoryImage)) || !ReadAllSteps().empty()) {
        MemoryImage.clear();
        HeaderBlock.reset();
        GameDataBlock.reset();
    }
}

bool TPlayerMgr::LoadSaveFile() {
    Keeper.SetPath(SaveDirectory + GetSaveFileName());
    ComputeOffsets();
    SavingDisabled = false;
    MemoryImage.clear();
    LoadedFileWrittenAt.reset();
    Keeper.Forget();
    TriedPieces.reset();
    StoredNames.reset();
    HeaderBlock.reset();
    GameDataBlock.reset();
    // The player has been told that his folder cannot be used; nothing in it is touched.
    if (!TVirtualPaths::PlayerFolderUsable()) {
        KeepInMemory();
        return false;
    }
    TellWhereLastRunIs();
    int error = 0;
    i64 size = -1;
    std::vector<u8> bytes;
    const TSaveFileCheck found = CheckSaveFile(error, bytes, size);
    // Not damaged: the gamblers may all be in it. It stays exactly as it is.
    if (found == TSaveFileCheck::Unreadable ||
        (found == TSaveFileCheck::Missing && Host().FolderInTheWay(GetSaveFilePath())))
        return LoadUnread(error);
    // A replacement cut short by a crash leaves its temporary file; the file itself is whole.
    // Whatever else stands there is told when it keeps a write from getting through.
    ClearTempPlace();
    // A file made at a link's name would land wherever the link points (a folder not mounted
    // yet): the link is left as it is, and told as a save point tells it.
    const bool linkToNothing =
        found == TSaveFileCheck::Missing && Host().IsLinkToNothing(GetSaveFilePath());
    if (found == TSaveFileCheck::Missing && GetPrevRun() != 0 && !linkToNothing)
        Teller.TellNotFound();
    // The gamblers that lie whole in a damaged file go into the fresh one, each in its own
    // place with every byte he had.
    std::vector<TPiece> carried;
    std::vector<std::string> leftOut;
    std::vector<std::string> shownLeftOut;
    TSaveRecordReader::TRecovery recovered;
    if (found == TSaveFileCheck::Damaged) {
        recovered = RecordReader().Recover(bytes, size);
        leftOut = recovered.LeftOut;
        shownLeftOut = recovered.Shown;
        for (const TSaveRecordReader::TFoundRecord& record : recovered.Whole)
            carried.push_back({RecordOffsets[static_cast<size_t>(record.Record)],
                               record.Bytes.data(), static_cast<u32>(record.Bytes.size())});
        if (!leftOut.empty())
            Teller.SayLeftOut(leftOut);
    }
    if (found != TSaveFileCheck::Missing)
        LoadedFileWrittenAt = Host().WrittenAt(GetSaveFilePath());
    std::vector<u8> image;
    if (found != TSaveFileCheck::Good && !BuildImage(carried, image)) {
        LoadedFileWrittenAt.reset();
        return false;
    }
    if (found == TSaveFileCheck::Damaged &&
        !ReplaceDamagedFile(image, carried.size(), shownLeftOut)) {
        LoadedFileWrittenAt.reset();
        return false;
    }
    // Told after the damaged file was set aside, and before a missing one is written; a run
    // saved under a kept name instead was told where.
    if (found != TSaveFileCheck::Good && GetPrevRun() != 0 && !linkToNothing &&
        Keeper.GetDiverted().empty())
        Teller.TellCreating();
    if (found == TSaveFileCheck::Missing) {
        if (!NoteResult(linkToNothing ? Keeper.PutBeside(image, "a link to nothing")
                                      : Keeper.PutOver(image))) {
            Teller.TellCreateFailed(LastSave);
            KeepInMemory(std::move(image));
            return false;
        }
        Teller.TellMoved(LastSave);
    }
    if (found == TSaveFileCheck::Good && bytes.size() == static_cast<size_t>(size))
        Keeper.Know(std::move(bytes));
    return ReadLoaded();
}

bool TPlayerMgr::ReadLoaded() {
    Host().ClearError();
    if (ReadAllSteps().empty())
        return true;
    // Nothing could be taken from what was read (no memory for it): the records not read would
    // be taken for free ones and written over.
    Teller.TellUnreadable(Host().GetLastError());
    LoadedFileWrittenAt.reset();
    KeepInMemory();
    return false;
}
