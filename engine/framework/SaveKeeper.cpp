// TSaveKeeper: looking at what stands in the save's place, and putting the run's image there or
// beside it.
#include "SaveKeeper.h"

#include "platform/host/PathKind.h"

#include <cerrno>
#include <cstring>

bool LayPieces(std::vector<u8>& image, const std::vector<TSavePiece>& pieces) {
    for (const TSavePiece& piece : pieces) {
        if (piece.Data == nullptr || piece.Offset > image.size() ||
            piece.Size > image.size() - piece.Offset)
            return false;
        std::memcpy(image.data() + piece.Offset, piece.Data, piece.Size);
    }
    return true;
}

void TSaveKeeper::Forget() {
    KnownImage.reset();
    PlaceImage.reset();
    Diverted.clear();
    PlaceLeft = false;
}

namespace {

// A write that failed for the folder's sake rather than the disk's: somewhere else can take it.
bool RefusesNewFiles(int error) {
    return error == ENOSPC || error == EDQUOT || error == EROFS || error == EACCES ||
           error == EPERM;
}

// Nothing new could be made in the save's folder (full, read-only, not the player's), though
// what stands there was left whole.
bool RefusedByFolder(const TSaveResult& result) {
    return !result.Written() && result.Failure == TWriteFailure::Write &&
           RefusesNewFiles(result.Error);
}

} // namespace

TSaveResult TSaveKeeper::Commit(const std::vector<TSavePiece>& pieces, u32 size) {
    TSaveResult result;
    result.WrittenTo = Path;
    Host->ClearError();
    // What is not being written stays exactly as this run last had it, which is what the file
    // holds unless another program changed it since.
    std::vector<u8> image;
    TPlaceLook place;
    const bool known = KnownImage && KnownImage->size() == size;
    // What stands in the save's place was left to itself: only the run's kept file is written.
    const bool diverted = known && KeepsDiverted();
    if (known && !diverted) {
        place = LookAtPlace();
        // A disk that fails to read may fail to write beside it too; a file that refuses the
        // game is only in the way.
        if (place.Found == TFound::Unreadable) {
            result.Error = place.Error;
            return result;
        }
    }
    if (known)
        image = *KnownImage;
    if (image.size() != size && !File().ReadWhole(image, size)) {
        result.Error = Host->GetLastError();
        return result;
    }
    if (!LayPieces(image, pieces))
        return result;
    if (diverted) {
        PutImage(TSaveFile(*Host, Diverted), image, TPut::Over, TWriteFailure::Write, result);
        return result;
    }
    switch (place.Found) {
    case TFound::Changed:
        SaveOverChanged(image, result);
        return result;
    case TFound::Gone:
        RewriteGoneFile(image, result);
        if (!result.Written())
            SaveInstead(image, result);
        return result;
    case TFound::NotAFile:
        SaveBeside(image, place.Standing, result);
        if (!result.Written())
            SaveInstead(image, result);
        return result;
    case TFound::Refused:
        SaveBeside(image, place.Standing, result);
        result.Unread = place.Error;
        if (!result.Written())
            SaveInstead(image, result);
        return result;
    case TFound::FolderNotAFolder:
        SaveOutside(image, place, result);
        return result;
    case TFound::Known:
    case TFound::Unreadable:
        break;
    }
    PutImage(File(), image, TPut::Over, TWriteFailure::Write, result);
    // The save stands, but its folder takes nothing new (full, read-only, not the player's):
    // the run goes where it can be written, and the save is left as the last save put it.
    if (RefusedByFolder(result))
        SaveInstead(image, result);
    return result;
}

void TSaveKeeper::SaveOverChanged(const std::vector<u8>& image, TSaveResult& result) {
    // The other version is kept as a damaged file is: whatever it holds, it may be what the
    // player wanted.
    PutImage(File(), image, TPut::KeepingOld, TWriteFailure::ChangedNotKept, result);
    if (!RefusedByFolder(result))
        return;
    // Nothing can be kept beside it: the other version stays where it stands, and the run goes
    // on where it can be written, there for the rest of the run.
    result.Failure = TWriteFailure::ChangedNotKept;
    SaveInstead(image, result);
    if (!result.Written())
        return;
    result.OtherLeft = true;
    PlaceLeft = true;
}

TSaveResult TSaveKeeper::PutOver(const std::vector<u8>& image) {
    TSaveResult result;
    result.WrittenTo = Path;
    PutImage(File(), image, TPut::Over, TWriteFailure::Write, result);
    // The save stands, but its folder takes nothing new (full, read-only, not the player's):
    // the run goes where it can be written, and the save is left as the last save put it.
    if (RefusedByFolder(result))
        SaveInstead(image, result);
    return result;
}

TSaveResult TSaveKeeper::PutKeepingOld(const std::vector<u8>& image, TWriteFailure notKept) {
    TSaveResult result;
    result.WrittenTo = Path;
    PutImage(File(), image, TPut::KeepingOld, notKept, result);
    // What stands there is never replaced unless kept first: it stays, and the run is saved
    // where it can be.
    if (RefusedByFolder(result)) {
        SaveInstead(image, result);
        PlaceLeft = result.Written();
    }
    return result;
}

TSaveResult TSaveKeeper::PutWhereUnread(const std::vector<u8>& image, int error) {
    TSaveResult result;
    result.WrittenTo = Path;
    result.Error = error;
    const TPlaceLook place = LookAtUnread(error);
    switch (place.Found) {
    case TFound::FolderNotAFolder:
        SaveOutside(image, place, result);
        return result;
    case TFound::NotAFile:
    case TFound::Refused:
        SaveBeside(image, place.Standing, result);
        if (place.Found == TFound::Refused)
            result.Unread = place.Error;
        if (!result.Written())
            SaveInstead(image, result);
        // A save the game may not read may hold every gambler: the run never goes over it.
        PlaceLeft = result.Written() && place.Found == TFound::Refused;
        return result;
    case TFound::Gone:
        return PutOver(image);
    case TFound::Known:
    case TFound::Changed:
    case TFound::Unreadable:
        break;
    }
    return result;
}

TSaveResult TSaveKeeper::PutBeside(const std::vector<u8>& image, const std::string& standing) {
    TSaveResult result;
    result.WrittenTo = Path;
    result.Standing = standing;
    PutImage(File(), image, TPut::Aside, TWriteFailure::AsideNotKept, result);
    return result;
}

TSaveKeeper::TPlaceLook TSaveKeeper::LookAtPlace() {
    int error = 0;
    // Another program changed it only when it holds something other than what this run left in
    // that place, which the run's later saves went past while it could not be rewritten.
    const std::vector<u8>& left = PlaceImage ? *PlaceImage : *KnownImage;
    if (const std::optional<bool> same = File().Holds(left, error))
        return {*same ? TFound::Known : TFound::Changed, 0, {}, {}};
    return LookAtUnread(error);
}

TSaveKeeper::TPlaceLook TSaveKeeper::LookAtUnread(int error) {
    // Said as the start says what stands there.
    const THostPathKind kind = Host->Kind(Path);
    if (kind == THostPathKind::Directory || kind == THostPathKind::Other)
        return {TFound::NotAFile, error, DescribeHostPathKind(kind), {}};
    // A file made at a link's name would land wherever the link points; a loop of links holds
    // nothing either.
    if (kind == THostPathKind::Missing && Host->IsLinkToNothing(Path))
        return {TFound::NotAFile, error, "a link to nothing", {}};
    if (kind == THostPathKind::Missing)
        if (const auto folder = Host->FolderInTheWay(Path))
            return {TFound::FolderNotAFolder, error, folder->Standing, folder->Folder};
    if (kind == THostPathKind::Regular && (error == EACCES || error == EPERM))
        return {TFound::Refused,
                error,
                std::string("a file the game cannot read (") + std::strerror(error) + ")",
                {}};
    if (error != ENOENT || kind != THostPathKind::Missing)
        return {TFound::Unreadable, error, {}, {}};
    return {TFound::Gone, error, {}, {}};
}

bool TSaveKeeper::RunFileMoved() {
    if (!KnownImage)
        return false;
    // The save's place was left to what stands there: only the run's kept file counts.
    if (PlaceLeft)
        return !DivertedHoldsRun();
    switch (LookAtPlace().Found) {
    case TFound::Changed:
    case TFound::Gone:
        return true;
    case TFound::NotAFile:
    case TFound::FolderNotAFolder:
    case TFound::Refused:
        return !DivertedHoldsRun();
    case TFound::Known:
    case TFound::Unreadable:
        break;
    }
    // A file that cannot be read was told at the save that met it.
    return false;
}

void TSaveKeeper::PutImage(const TSaveFile& file, const std::vector<u8>& image, TPut how,
                           TWriteFailure notKept, TSaveResult& result) {
    result.Way = TSaveResult::TWay::NotWritten;
    result.Kept.clear();
    result.WrittenTo = file.GetPath();
    const auto failed = [&result](int error, TWriteFailure failure) {
        result.Error = error;
        result.Failure = failure;
    };
    const TSaveFile::TTempPlace temp = file.ClearTempPlace();
    result.TempFolderKeptAs = temp.KeptAs;
    if (temp.Error != 0)
        return failed(temp.Error, TWriteFailure::FolderInTheWay);
    Host->ClearError();
    if (!file.WriteTemp(image))
        return failed(Host->GetLastError(), TWriteFailure::Write);
    const auto notPlaced = [&](int error, TWriteFailure failure) {
        Host->Delete(file.GetTempPath());
        failed(error, failure);
    };
    int error = 0;
    bool synced = true;
    const auto syncError = [this] {
        return Host->GetLastError() != 0 ? Host->GetLastError() : EIO;
    };
    if (how == TPut::Aside) {
        result.Kept = file.PlaceTempAside(synced, &error);
        if (result.Kept.empty())
            return notPlaced(error, notKept);
        result.WrittenTo = file.KeptPath(result.Kept);
        result.Unsynced = synced ? 0 : syncError();
        result.Way = TSaveResult::TWay::Beside;
        NoteWritten(TSaveFile(*Host, result.WrittenTo), image);
        return;
    }
    // What the file holds keeps its place until the image stands whole beside it.
    if (how == TPut::KeepingOld) {
        result.Kept = file.Keep(&error);
        if (result.Kept.empty())
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
            failed(Host->GetLastError(), TWriteFailure::Write);
            if (!result.Kept.empty())
                file.Unkeep(result.Kept);
            result.Kept.clear();
            return;
        }
    }
    result.Unsynced = synced ? 0 : syncError();
    result.Way = how == TPut::KeepingOld ? TSaveResult::TWay::KeepingOld : TSaveResult::TWay::Over;
    // The player was told to play from the kept file: back in its place, the run leaves it
    // behind, which he must be told too.
    if (file.GetPath() == Path && !Diverted.empty())
        result.LeftBehind = Diverted;
    NoteWritten(file, image);
}

void TSaveKeeper::RewriteGoneFile(const std::vector<u8>& image, TSaveResult& result) {
    // A clean-up may take the folder with the file, or rename it away.
    bool folderGone = false;
    Host->ClearError();
    if (!Host->MakeFolderFor(Path, folderGone)) {
        result.Error = Host->GetLastError();
        result.Failure = TWriteFailure::Gone;
        return;
    }
    PutImage(File(), image, TPut::Over, TWriteFailure::Write, result);
    if (result.Written()) {
        result.Way = TSaveResult::TWay::Rewritten;
        result.FolderGone = folderGone;
    } else if (result.Failure == TWriteFailure::Write) {
        // Nothing of the run is on the disk now: not the same failure as one that leaves the
        // last save standing.
        result.Failure = TWriteFailure::Gone;
    }
}

void TSaveKeeper::SaveBeside(const std::vector<u8>& image, const std::string& standing,
                             TSaveResult& result) {
    result.Standing = standing;
    // Told once: the run's later saves go on into the file it was given, as long as nobody
    // else has touched it.
    if (DivertedHoldsRun()) {
        PutImage(TSaveFile(*Host, Diverted), image, TPut::Over, TWriteFailure::Write, result);
        return;
    }
    // What stands there may be the player's, and a link's target may be anywhere: it is left
    // as it is.
    PutImage(File(), image, TPut::Aside, TWriteFailure::AsideNotKept, result);
}

bool TSaveKeeper::DivertedHoldsRun() const {
    int error = 0;
    return !Diverted.empty() && KnownImage &&
           TSaveFile(*Host, Diverted).Holds(*KnownImage, error) == true;
}

void TSaveKeeper::NoteWritten(const TSaveFile& file, const std::vector<u8>& image) {
    KnownImage = image;
    if (file.GetPath() == Path)
        PlaceImage = image;
    Diverted = file.GetPath() == Path ? std::string() : file.GetPath();
}
