// TPlayerMgr: the save file: checking and loading it, setting a damaged one aside, keeping
// the players in memory when it cannot be used, making it fresh, and every write as one
// replacement of the whole file.
#include "PlayerMgr.h"

#include "engine/foundation/PrintableText.h"
#include "engine/framework/SaveFileHost.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/Log.h"
#include "platform/host/PathKind.h"
#include "platform/host/VirtualPath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

const std::string NothingSaved = "\n\nNothing will be saved until the game is started again.";

} // namespace

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
    if (buffer == nullptr)
        return false;
    if (!SavingDisabled)
        return File().ReadAt(buffer, offset, size);
    if (offset > MemoryImage.size() || size > MemoryImage.size() - offset)
        return false;
    std::memcpy(buffer, MemoryImage.data() + offset, size);
    return true;
}

bool TPlayerMgr::WriteAt(const u8* buffer, u32 offset, u32 size) {
    return Commit({{offset, buffer, size}});
}

bool TPlayerMgr::Commit(const std::vector<TPiece>& pieces) {
    LastWriteError = 0;
    Failure = TWriteFailure::Write;
    WritingTo = SaveFilePath;
    Host->ClearError();
    if (!HeaderBlock || !GameDataBlock)
        return false;
    const i32 size = GetSaveFileSize();
    if (size <= 0)
        return false;
    // What is not being written stays exactly as this run last had it, which is what the file
    // holds unless another program changed it since.
    std::vector<u8> image;
    TPlaceLook place;
    if (SavingDisabled) {
        image = MemoryImage;
    } else if (KnownImage && KnownImage->size() == static_cast<size_t>(size)) {
        place = LookAtPlace();
        if (place.Found == TFound::Unreadable) {
            NoteWriteFailure(place.Error);
            return false;
        }
        image = *KnownImage;
    }
    if (image.size() != static_cast<size_t>(size) &&
        (SavingDisabled || !File().ReadWhole(image, static_cast<u32>(size)))) {
        NoteWriteFailure(Host->GetLastError());
        return false;
    }
    for (const TPiece& piece : pieces) {
        if (piece.Data == nullptr || piece.Offset > image.size() ||
            piece.Size > image.size() - piece.Offset)
            return false;
        std::memcpy(image.data() + piece.Offset, piece.Data, piece.Size);
    }
    if (SavingDisabled) {
        MemoryImage = std::move(image);
        return true;
    }
    switch (place.Found) {
    case TFound::Changed:
        return ReplaceChangedFile(image);
    case TFound::Gone:
        return RewriteGoneFile(image);
    case TFound::NotAFile:
        return SaveBeside(image, place.Standing);
    case TFound::Known:
    case TFound::Unreadable:
        break;
    }
    return ReplaceFile(image);
}

TPlayerMgr::TPlaceLook TPlayerMgr::LookAtPlace() {
    int error = 0;
    if (const std::optional<bool> same = File().Holds(*KnownImage, error))
        return {*same ? TFound::Known : TFound::Changed, 0, {}};
    // Said as the start says what stands there.
    const THostPathKind kind = Host->Kind(SaveFilePath);
    if (kind == THostPathKind::Directory || kind == THostPathKind::Other)
        return {TFound::NotAFile, error, DescribeHostPathKind(kind)};
    if (error != ENOENT || kind != THostPathKind::Missing)
        return {TFound::Unreadable, error, {}};
    // A file made at a link's name would land wherever the link points.
    if (Host->IsLinkToNothing(SaveFilePath))
        return {TFound::NotAFile, error, "a link to nothing"};
    return {TFound::Gone, error, {}};
}

bool TPlayerMgr::RunFileMoved() {
    if (SavingDisabled || !KnownImage)
        return false;
    switch (LookAtPlace().Found) {
    case TFound::Changed:
    case TFound::Gone:
        return true;
    case TFound::NotAFile: {
        int error = 0;
        return Diverted.empty() || TSaveFile(*Host, Diverted).Holds(*KnownImage, error) != true;
    }
    case TFound::Known:
    case TFound::Unreadable:
        break;
    }
    // A file that cannot be read was told at the save that met it.
    return false;
}

bool TPlayerMgr::ClearTempPlace() {
    const TSaveFile::TTempPlace place = File().ClearTempPlace();
    if (!place.KeptAs.empty())
        LogError("a folder stood where the save is first written: " +
                 Host->DisplayName(File().GetTempPath()) + " is kept as " + place.KeptAs);
    if (place.Error == 0)
        return true;
    NoteWriteFailure(place.Error, TWriteFailure::FolderInTheWay);
    return false;
}

bool TPlayerMgr::PutImage(const TSaveFile& file, const std::vector<u8>& image, TPut how,
                          TWriteFailure notKept, std::string& kept) {
    kept.clear();
    WritingTo = file.GetPath();
    if (!ClearTempPlace())
        return false;
    Host->ClearError();
    if (!file.WriteTemp(image)) {
        NoteWriteFailure(Host->GetLastError());
        return false;
    }
    const auto notPlaced = [&](int error, TWriteFailure failure) {
        Host->Delete(file.GetTempPath());
        NoteWriteFailure(error, failure);
        return false;
    };
    int error = 0;
    bool synced = true;
    const auto syncError = [this] {
        return Host->GetLastError() != 0 ? Host->GetLastError() : EIO;
    };
    if (how == TPut::Aside) {
        kept = file.PlaceTempAside(synced, &error);
        if (kept.empty())
            return notPlaced(error, notKept);
        WritingTo = file.KeptPath(kept);
        NoteWritten(TSaveFile(*Host, WritingTo), image, synced ? 0 : syncError());
        return true;
    }
    // What the file holds keeps its place until the image stands whole beside it.
    if (how == TPut::KeepingOld) {
        kept = file.Keep(&error);
        if (kept.empty())
            return notPlaced(error, notKept);
    }
    // One rename: the name holds the old file or the image, never neither.
    Host->ClearError();
    bool moved = false;
    if (!file.PlaceTemp(moved)) {
        // Only the rename's reaching the disk is in doubt when it was done: the name holds the
        // image, so the file is the run's own, and the next save must not take it for another
        // program's.
        synced = false;
        if (!moved) {
            NoteWriteFailure(Host->GetLastError());
            if (!kept.empty())
                file.Unkeep(kept);
            kept.clear();
            return false;
        }
    }
    NoteWritten(file, image, synced ? 0 : syncError());
    return true;
}

bool TPlayerMgr::ReplaceFile(const std::vector<u8>& image) {
    std::string kept;
    return PutImage(File(), image, TPut::Over, TWriteFailure::Write, kept);
}

void TPlayerMgr::Tell(const std::string& line, const std::string& box) {
    LogError(line);
    if (!TDesktop::QuitAsked())
        ReportSaveError(box);
}

bool TPlayerMgr::ReplaceChangedFile(const std::vector<u8>& image) {
    // The other version is kept as a damaged file is: whatever it holds, it may be what the
    // player wanted.
    std::string kept;
    if (!PutImage(File(), image, TPut::KeepingOld, TWriteFailure::ChangedNotKept, kept))
        return false;
    const std::string name = Host->DisplayName(SaveFilePath);
    Tell("the save was changed by another program since the game last read or wrote it: " + name +
             " as it was changed is kept as " + kept,
         "Save File Changed by Another Program\n" + name +
             "\nwas changed by another program since the game last read or wrote it.\nThat "
             "version is kept as " +
             kept + ", and the gamblers of this run are saved in its place.");
    return true;
}

bool TPlayerMgr::RewriteGoneFile(const std::vector<u8>& image) {
    // A clean-up may take the folder with the file, or rename it away.
    bool folderGone = false;
    Host->ClearError();
    if (!Host->MakeFolderFor(SaveFilePath, folderGone)) {
        NoteWriteFailure(Host->GetLastError());
        return false;
    }
    if (!ReplaceFile(image))
        return false;
    // The player who removed it on purpose can remove it again once the game has ended.
    const std::string name = Host->DisplayName(SaveFilePath);
    const std::string removed = folderGone ? "had been removed with its folder while the game ran"
                                           : "had been removed while the game ran";
    Tell("the save " + removed + ": " + name + " is written again with the gamblers of this run",
         "Save File Written Again\n" + name + "\n" + removed +
             ".\nIt is written again with the gamblers of this run.");
    return true;
}

bool TPlayerMgr::SaveBeside(const std::vector<u8>& image, const std::string& standing) {
    Standing = standing;
    std::string kept;
    // Told once: the run's later saves go on into the file it was given, as long as nobody
    // else has touched it.
    int error = 0;
    if (!Diverted.empty() && TSaveFile(*Host, Diverted).Holds(*KnownImage, error) == true)
        return PutImage(TSaveFile(*Host, Diverted), image, TPut::Over, TWriteFailure::Write, kept);
    if (!PutImage(File(), image, TPut::Aside, TWriteFailure::AsideNotKept, kept))
        return false;
    // What stands there may be the player's, and a link's target may be anywhere: it is left
    // as it is.
    const std::string name = Host->DisplayName(SaveFilePath);
    Tell("something that is no file stands in the save's place: " + name + " is " + standing +
             ", left as it is; the gamblers of this run are saved beside it as " + kept,
         "Save File Saved Under Another Name\n" + name + "\nis " + standing +
             ", which is left as it is.\nThe gamblers of this run are saved beside it as " + kept +
             "; put that file in its place to play them at the next start.");
    return true;
}

void TPlayerMgr::NoteWritten(const TSaveFile& file, const std::vector<u8>& image, int unsynced) {
    KnownImage = image;
    Diverted = file.GetPath() == SaveFilePath ? std::string() : file.GetPath();
    // What went wrong before is over: a new failure is worth a box again.
    LastWriteFailed = false;
    LastFailureBoxed = false;
    ToldWriteFailures.clear();
    LastSaidFailure.clear();
    // Nothing the player can do about it, and the file holds what it should: said, not boxed.
    if (unsynced != 0)
        LogError("the save is written, but its folder could not be synced, so a crash of the "
                 "system could still undo it: " +
                 Host->DisplayName(file.GetPath()) + " (" + std::strerror(unsynced) + ")");
}

void TPlayerMgr::NoteWriteFailure(int error, TWriteFailure failure) {
    LastWriteError = error;
    Failure = failure;
    LastWriteFailed = true;
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
    // A record beyond the size is read too: the last one lies there when a piece was put in
    // before it.
    const i64 wanted = std::max<i64>(GetSaveFileSize(), 0) + std::max<i64>(GetPlayerDataSize(), 0);
    switch (File().Look(bytes, static_cast<u32>(std::min<i64>(wanted, 0x7FFFFFFF)), size, error)) {
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

std::string TPlayerMgr::RecoveredText(size_t recovered, const std::vector<std::string>& leftOut,
                                      bool fromMemory) {
    std::string told;
    if (recovered == 0)
        told = "No gambler could be recovered from it.";
    else
        told = (recovered == 1 ? std::string("1 gambler was")
                               : std::to_string(recovered) + " gamblers were") +
               " recovered from it" +
               (fromMemory ? ", to be played from memory this run and recovered again at the "
                             "next start."
                           : ".");
    for (size_t i = 0; i < leftOut.size(); ++i)
        told += (i == 0 ? "\nLeft out as damaged: " : ", ") + leftOut[i];
    if (!leftOut.empty())
        told += ".";
    return told;
}

void TPlayerMgr::LogLeftOut(const std::vector<std::string>& leftOut) {
    // A damaged name's bytes may be no text at all: the error output shows them as the program
    // shows any byte that is no text (the quotes and backslashes in a name are escaped already).
    std::string names;
    for (const std::string& name : leftOut)
        names += (names.empty() ? "" : ", ") + JorpPrintable(name);
    LogError("gamblers left out of the damaged save " + Host->DisplayName(SaveFilePath) + ": " +
             names);
}

bool TPlayerMgr::ReplaceDamagedFile(const std::vector<u8>& image, size_t recovered,
                                    const std::vector<std::string>& leftOut) {
    std::string kept;
    if (PutImage(File(), image, TPut::KeepingOld, TWriteFailure::DamagedNotKept, kept)) {
        const std::string told = RecoveredText(recovered, {}, false);
        LogError("the damaged save " + Host->DisplayName(SaveFilePath) + " is kept as " + kept +
                 ": " + told.substr(0, told.size() - 1));
        ReportSaveError("Save File Corrupted\nThe old file is kept as " + kept + ".\n" +
                        RecoveredText(recovered, leftOut, false));
        return true;
    }
    // One box: the file, what kept it where it was and why, and the gamblers played from
    // memory, so that the same gamblers are recovered again at the next start.
    const auto [name, what] = LogWriteFailure();
    std::string told;
    switch (Failure) {
    case TWriteFailure::DamagedNotKept:
        told = what + ", so it stays where it was.";
        break;
    case TWriteFailure::FolderInTheWay:
        told = what + ".\nThe damaged save file stays where it was.";
        break;
    default:
        told = "is damaged, and the file to replace it " + what + ", so it stays where it was.";
        break;
    }
    // The kept names stay taken until the player clears some, and every start meets them.
    const std::string advice = AllKeptNamesTaken() ? " Move some of those elsewhere first, so "
                                                     "that the damaged file can be set aside."
                                                   : "";
    ReportSaveError("Save File Corrupted\n" + name + "\n" + told + "\n" +
                    RecoveredText(recovered, leftOut, true) + NothingSaved + advice);
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
        LogError("the new save file could not be made: " + Host->DisplayName(SaveFilePath));
        ReportSaveError("Writing to New Save File Failed");
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
    if (!failed.empty()) {
        LogError("the save file " + Host->DisplayName(SaveFilePath) + ": " + failed);
        ReportSaveError(failed);
    }
    return failed.empty();
}

void TPlayerMgr::ReportUnreadable(int error) {
    // What stands there is said as the settings say it: no reason of the system's names it.
    const THostPathKind kind = Host->Kind(SaveFilePath);
    const std::string why =
        kind == THostPathKind::Directory || kind == THostPathKind::Other
            ? std::string("is ") + DescribeHostPathKind(kind)
            : std::string("cannot be read (") + std::strerror(error != 0 ? error : EIO) + ")";
    const std::string path = Host->DisplayName(SaveFilePath);
    LogError("the gamblers cannot be loaded: the save file " + path + " " + why +
             "; nothing will be saved until the game is started again");
    ReportSaveError("The gamblers cannot be loaded: the save file\n" + path + "\n" + why + "." +
                    NothingSaved);
}

void TPlayerMgr::KeepInMemory(std::vector<u8> image) {
    SavingDisabled = true;
    KnownImage.reset();
    Diverted.clear();
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
    SaveFilePath = SaveDirectory + GetSaveFileName();
    ComputeOffsets();
    SavingDisabled = false;
    MemoryImage.clear();
    LoadedFileWrittenAt.reset();
    KnownImage.reset();
    Diverted.clear();
    TriedPieces.reset();
    StoredNames.reset();
    HeaderBlock.reset();
    GameDataBlock.reset();
    // The player has been told that his folder cannot be used; nothing in it is touched.
    if (!TVirtualPaths::PlayerFolderUsable()) {
        KeepInMemory();
        return false;
    }
    int error = 0;
    i64 size = -1;
    std::vector<u8> bytes;
    const TSaveFileCheck found = CheckSaveFile(error, bytes, size);
    if (found == TSaveFileCheck::Unreadable) {
        // Not damaged: the gamblers may all be in it. It stays exactly as it is.
        ReportUnreadable(error);
        KeepInMemory();
        return false;
    }
    // A replacement cut short by a crash leaves its temporary file; the file itself is whole.
    // Whatever else stands there is told when it keeps a write from getting through.
    ClearTempPlace();
    if (found == TSaveFileCheck::Missing && GetPrevRun() != 0) {
        LogError("the save file " + Host->DisplayName(SaveFilePath) + " was not found");
        ReportSaveError("Save File Not Found");
    }
    // The gamblers that lie whole in a damaged file go into the fresh one, each in its own
    // place with every byte he had.
    std::vector<TPiece> carried;
    std::vector<std::string> leftOut;
    std::vector<std::string> shownLeftOut;
    TRecovery recovered;
    if (found == TSaveFileCheck::Damaged) {
        recovered = RecoverRecords(bytes, size);
        leftOut = recovered.LeftOut;
        shownLeftOut = recovered.Shown;
        for (const TFoundRecord& record : recovered.Whole)
            carried.push_back({RecordOffsets[static_cast<size_t>(record.Record)],
                               record.Bytes.data(), static_cast<u32>(record.Bytes.size())});
        if (!leftOut.empty())
            LogLeftOut(leftOut);
    }
    if (found != TSaveFileCheck::Missing)
        LoadedFileWrittenAt = Host->WrittenAt(SaveFilePath);
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
    // Told after the damaged file was set aside, and before a missing one is written.
    if (found != TSaveFileCheck::Good && GetPrevRun() != 0) {
        LogError("a new save file is made: " + Host->DisplayName(SaveFilePath));
        ReportSaveError("Creating New Save File");
    }
    if (found == TSaveFileCheck::Missing && !ReplaceFile(image)) {
        const auto [name, what] = LogWriteFailure();
        ReportSaveError("Create New Save File Failed\n" + name + "\n" + what + "." + NothingSaved);
        KeepInMemory(std::move(image));
        return false;
    }
    Host->ClearError();
    if (ReadAllSteps().empty()) {
        if (found == TSaveFileCheck::Good && bytes.size() == static_cast<size_t>(size))
            KnownImage = std::move(bytes);
        return true;
    }
    // Read a moment ago and not now: the disk is failing, and the records not read would
    // be taken for free ones and written over.
    ReportUnreadable(Host->GetLastError());
    LoadedFileWrittenAt.reset();
    KeepInMemory();
    return false;
}

std::vector<TPlayerMgr::TPiece> TPlayerMgr::LoadedPieces() const {
    std::vector<TPiece> pieces{
        {0, HeaderBlock->GetData(), HeaderBlock->GetSize()},
        {GameDataOffset, GameDataBlock->GetData(), GameDataBlock->GetSize()}};
    for (i16 r = 0; r < TableSize; ++r)
        if (const TSaveBlock* block = DataBlocks[static_cast<size_t>(r)].get())
            pieces.push_back(
                {RecordOffsets[static_cast<size_t>(r)], block->GetData(), block->GetSize()});
    return pieces;
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
    return CommitLoaded();
}

bool TPlayerMgr::CommitLoaded() {
    const std::vector<TPiece> pieces = LoadedPieces();
    std::vector<std::pair<u32, std::vector<u8>>> tried;
    tried.reserve(pieces.size());
    for (const TPiece& piece : pieces)
        tried.emplace_back(piece.Offset, std::vector<u8>(piece.Data, piece.Data + piece.Size));
    TriedPieces = std::move(tried);
    return Commit(pieces);
}

std::vector<std::string> TPlayerMgr::SeatedNames() const {
    std::vector<std::string> names;
    for (i16 s = 0; s < SeatCount; ++s)
        names.push_back(GetPlayerName(GetActive(s)));
    return names;
}

bool TPlayerMgr::HasChangedSinceLastSave() const {
    if (!TriedPieces || !StoredNames || !HeaderBlock || !GameDataBlock ||
        *StoredNames != SeatedNames())
        return true;
    const std::vector<TPiece> pieces = LoadedPieces();
    if (pieces.size() != TriedPieces->size())
        return true;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const auto& [offset, bytes] = (*TriedPieces)[i];
        if (pieces[i].Offset != offset || pieces[i].Size != bytes.size() ||
            !std::equal(bytes.begin(), bytes.end(), pieces[i].Data))
            return true;
    }
    return false;
}

bool TPlayerMgr::SaveFile() {
    return SaveAll(false);
}

bool TPlayerMgr::SaveOnLeaving() {
    // The same bytes again would only make the player wait for the disk; a failed save is
    // tried once more, since the player must not leave believing it got through. A file
    // another program changed or removed since, or what is no file in its place, no longer
    // holds this run's gamblers, and the next start would find them lost.
    if (!HasChangedSinceLastSave() && !LastWriteFailed && !RunFileMoved())
        return true;
    return SaveAll(true);
}

bool TPlayerMgr::SaveAll(bool leaving) {
    // The settings keep naming the players of the file this run could not use.
    if (SavingDisabled)
        return false;
    StoreActivePlayers();
    if (WriteAll())
        return true;
    ReportWriteFailure("Write Save File Failed", leaving);
    return false;
}

bool TPlayerMgr::SaveSeatedPlayers() {
    // Without a file read there is nothing to save into; the load told why.
    if (SavingDisabled || !HeaderBlock || !GameDataBlock)
        return false;
    if (CommitLoaded())
        return true;
    ReportWriteFailure("Write Save File Failed");
    return false;
}
