// TPlayerMgr: the save file: checking and loading it, setting a damaged one aside, making it
// fresh, and every write as one replacement of the whole file.
#include "PlayerMgr.h"

#include "engine/framework/SaveFileHost.h"

#include <cstring>

TSaveFile TPlayerMgr::File() const {
    return TSaveFile(*Host, SaveFilePath);
}

std::unique_ptr<TSaveBlock> TPlayerMgr::ReadBlock(u32 offset, u32 size) {
    std::unique_ptr<TSaveBlock> block = TSaveBlock::Allocate(size);
    if (block && !ReadAt(block->GetData(), offset, size))
        block.reset();
    return block;
}

bool TPlayerMgr::ReadAt(u8* buffer, u32 offset, u32 size) {
    return buffer != nullptr && File().ReadAt(buffer, offset, size);
}

bool TPlayerMgr::WriteAt(const u8* buffer, u32 offset, u32 size) {
    return Commit({{offset, buffer, size}});
}

bool TPlayerMgr::Commit(const std::vector<TPiece>& pieces) {
    if (SavingDisabled || !HeaderBlock || !GameDataBlock)
        return false;
    const i32 size = GetSaveFileSize();
    if (size <= 0)
        return false;
    const TSaveFile file = File();
    // What is not being written stays exactly as the file has it.
    std::vector<u8> image;
    if (!file.ReadWhole(image, static_cast<u32>(size)))
        return false;
    for (const TPiece& piece : pieces) {
        if (piece.Data == nullptr || piece.Offset > image.size() ||
            piece.Size > image.size() - piece.Offset)
            return false;
        std::memcpy(image.data() + piece.Offset, piece.Data, piece.Size);
    }
    return file.Replace(image);
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

bool TPlayerMgr::OpenSaveFile() {
    if (File().Exists())
        return true;
    if (GetPrevRun() != 0)
        ReportSaveError("Save File Not Found");
    return false;
}

bool TPlayerMgr::CheckSaveFileSize() {
    // Reported when the file is set aside.
    return File().GetSize() == GetSaveFileSize();
}

bool TPlayerMgr::CheckSaveHeader() {
    if (!ReadHeader())
        return false;
    TGameHeader stored;
    const bool read = stored.Decode(HeaderBlock->GetData(), HeaderBlock->GetSize());
    const std::unique_ptr<TGameHeader> wanted = NewGameHeader();
    HeaderBlock.reset();
    // The id is not compared: a file that says otherwise but has the right versions is used.
    return read && wanted && stored.Major == wanted->Major && stored.Minor == wanted->Minor;
}

bool TPlayerMgr::CheckSaveFile() {
    return OpenSaveFile() && CheckSaveFileSize() && CheckSaveHeader();
}

bool TPlayerMgr::SetAsideDamagedFile() {
    const std::string kept = File().SetAside();
    if (kept.empty()) {
        SavingDisabled = true;
        ReportSaveError("Save File Corrupted\nThe old file could not be set aside, so nothing "
                        "will be saved until the game is started again.");
        return false;
    }
    ReportSaveError("Save File Corrupted\nThe old file is kept as " + kept + ".");
    return true;
}

bool TPlayerMgr::WriteFreshContents() {
    const i32 size = GetSaveFileSize();
    const i32 headerSize = GetHeaderSize();
    const i32 dataSize = GetGameDataSize();
    const i32 recordSize = GetPlayerDataSize();
    if (size <= 0 || headerSize < 0 || dataSize < 0 || recordSize < 0)
        return false;
    std::vector<u8> image(static_cast<size_t>(size), 0);
    const std::unique_ptr<TGameHeader> header = NewGameHeader();
    const std::unique_ptr<TGameData> data = NewGameData();
    bool ok = header && header->Encode(image.data(), static_cast<size_t>(headerSize)) && data &&
              data->Encode(image.data() + GameDataOffset, static_cast<size_t>(dataSize));
    for (i16 r = 0; ok && r < TableSize; ++r) {
        const std::unique_ptr<TPlayerData> record = NewPlayerData();
        ok = record && record->Encode(image.data() + RecordOffsets[static_cast<size_t>(r)],
                                      static_cast<size_t>(recordSize));
    }
    if (!ok) {
        ReportSaveError("Writing to New Save File Failed");
        return false;
    }
    if (!File().Replace(image)) {
        ReportSaveError("Create New Save File Failed");
        return false;
    }
    return true;
}

bool TPlayerMgr::RecreateSaveFile() {
    if (SavingDisabled)
        return false;
    if (GetPrevRun() != 0)
        ReportSaveError("Creating New Save File");
    return WriteFreshContents();
}

bool TPlayerMgr::ReadAll() {
    if (!ReadHeader()) {
        ReportSaveError("Reading File Header Failed");
        return false;
    }
    if (!ReadGameData()) {
        ReportSaveError("Reading Game Data Failed");
        return false;
    }
    if (!ReadAllRecordSummaries()) {
        ReportSaveError("Reading Player Data Failed");
        return false;
    }
    return true;
}

bool TPlayerMgr::LoadSaveFile() {
    SaveFilePath = SaveDirectory + GetSaveFileName();
    ComputeOffsets();
    SavingDisabled = false;
    HeaderBlock.reset();
    GameDataBlock.reset();
    // A replacement cut short by a crash leaves its temporary file; the file itself is whole.
    File().RemoveStaleTemp();
    if (!CheckSaveFile()) {
        if (File().Exists() && !SetAsideDamagedFile())
            return false;
        if (!RecreateSaveFile())
            return false;
    }
    return ReadAll();
}

bool TPlayerMgr::WriteAll() {
    if (SavingDisabled)
        return false;
    if (!HeaderBlock) {
        ReportSaveError("Write File Header Failed");
        return false;
    }
    if (!GameDataBlock) {
        ReportSaveError("Write Game Data Failed");
        return false;
    }
    std::vector<TPiece> pieces{
        {0, HeaderBlock->GetData(), HeaderBlock->GetSize()},
        {GameDataOffset, GameDataBlock->GetData(), GameDataBlock->GetSize()}};
    for (i16 r = 0; r < TableSize; ++r)
        if (const TSaveBlock* block = DataBlocks[static_cast<size_t>(r)].get())
            pieces.push_back(
                {RecordOffsets[static_cast<size_t>(r)], block->GetData(), block->GetSize()});
    return Commit(pieces);
}

bool TPlayerMgr::SaveFile() {
    StoreActivePlayers();
    if (WriteAll())
        return true;
    // Saving was switched off when the damaged file was reported; once is enough.
    if (!SavingDisabled)
        ReportSaveError("Write Save File Failed");
    return false;
}
