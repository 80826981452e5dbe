// TSaveKeeper: the save file's own side of every save: what this run last read or wrote there,
// what stands in its place now, and the one way an image reaches the disk.
#pragma once

#include "engine/framework/SaveFileHost.h"
#include "engine/framework/SaveResult.h"
#include "platform/host/Types.h"

#include <optional>
#include <string>
#include <vector>

// Lays the pieces over the image; false, the image partly laid, when one falls outside it.
bool LayPieces(std::vector<u8>& image, const std::vector<TSavePiece>& pieces);

// Every write is a whole new file put in the old one's place, so a failed write never leaves a
// half-written file. Nothing here tells the player anything: each save answers with a
// TSaveResult, which the teller words.
class TSaveKeeper {
public:
    explicit TSaveKeeper(TSaveFileHost& host) : Host(&host) {}

    void SetHost(TSaveFileHost& host) { Host = &host; }
    TSaveFileHost& GetHost() const { return *Host; }
    void SetPath(std::string path) { Path = std::move(path); }
    const std::string& GetPath() const { return Path; }
    TSaveFile File() const { return TSaveFile(*Host, Path); }
    // The run's own image of the file: its bytes as this run last read or wrote them whole;
    // null when it has none. Whatever stands on the disk now may be another program's.
    const std::vector<u8>* Known() const { return KnownImage ? &*KnownImage : nullptr; }
    // What the player knows the file by, to name it in a message.
    std::string DisplayName(const std::string& path) const { return Host->DisplayName(path); }

    // The file was read whole, and held these bytes.
    void Know(std::vector<u8> bytes) {
        PlaceImage = bytes;
        KnownImage = std::move(bytes);
    }
    // Nothing is known of what the file holds: the run plays from memory, or loads afresh.
    void Forget();

    // One save of a file of size bytes: the pieces laid over the bytes this run last read or
    // wrote (over the file's present bytes when it has none), then put in the file's place as
    // what stands there asks: renamed over its own file; over a file another program changed
    // once that version is kept under a name of its own; written again whole where another
    // program removed it, its folder made again when that went too; beside what is no file,
    // which is left alone, under the first free kept name, and for the rest of the run under
    // that name while it holds what the run last put there; beside a file that refuses to be
    // read the same way. Where the save's own place cannot take the run (its folder full or
    // read-only, or no folder), the folder above it does, under a kept name; another program's
    // version that cannot be kept aside there is left where it stands, and the run goes on in
    // its kept file for the rest of the run. Back in its own place, the result names the kept
    // file the run leaves. Refused, with nothing written, when the file cannot be read for a
    // failing disk.
    TSaveResult Commit(const std::vector<TSavePiece>& pieces, u32 size);
    // The image renamed over whatever file stands in the save's place.
    TSaveResult PutOver(const std::vector<u8>& image);
    // The image put in the file's place once what it holds now has been kept under a name of
    // its own (TSaveFile::Keep); notKept is the failure when no name could be had. Where the
    // save's folder takes no new file (full or read-only), the image goes to the folder above
    // instead, what stands in the save's place left as it is for the rest of the run.
    TSaveResult PutKeepingOld(const std::vector<u8>& image, TWriteFailure notKept);
    // The image of a run whose save could not be read (error, the system's reason), put where
    // what stands in the save's place lets it: beside it, under the first free kept name, when it
    // is no file or a file that refuses the game, which is then left as it is for the rest of
    // the run; in the folder above when the save's folder is no folder, or its place takes
    // nothing. Not written, with the reason, when the disk itself fails to read.
    TSaveResult PutWhereUnread(const std::vector<u8>& image, int error);
    // The image saved beside what stands in the save's place and is no file (described by
    // standing), under the first free kept name.
    TSaveResult PutBeside(const std::vector<u8>& image, const std::string& standing);
    // A replacement cut short by a crash leaves its temporary file; whatever stands under the
    // temporary name is cleared (a folder moved aside).
    TSaveFile::TTempPlace ClearTempPlace() const { return File().ClearTempPlace(); }
    // Another program has taken the run's file from under it: changed or removed it, put what
    // is no file in its place, or made it a file the game may not read (unless the run is saved
    // beside that already).
    bool RunFileMoved();
    // The kept name (a path) the run's file was last written under instead of the save's own
    // place; empty while the run is saved in its place.
    const std::string& GetDiverted() const { return Diverted; }
    // A path the run's file may be kept under: one of the kept names beside the save or in the
    // folder above it.
    bool IsKeptPath(const std::string& path) const;

private:
    // What stands in the save's place against what this run last read or wrote there: the
    // same bytes, others, nothing, something that is no file, or a file that cannot be read.
    // FolderNotAFolder: what stands in the place of the save's folder, or one above it, is
    // no folder, so that nothing can be made in it.
    // Refused: a file that refuses to be read (its permissions), which is only in the way;
    // Unreadable: one the disk fails to read.
    enum class TFound { Known, Changed, Gone, NotAFile, FolderNotAFolder, Refused, Unreadable };
    struct TPlaceLook {
        TFound Found = TFound::Known;
        int Error = 0;
        // What stands there, for NotAFile and FolderNotAFolder, as the start says it.
        std::string Standing;
        // For FolderNotAFolder: the folder it stands in place of.
        std::string Folder;
    };
    // Only with KnownImage.
    TPlaceLook LookAtPlace();
    // What stands in the save's place when it could not be read for error.
    TPlaceLook LookAtUnread(int error);
    // How an image takes a file's place: renamed over it, over it once what it holds now has
    // been kept under a name of its own (TSaveFile::Keep), or beside it under a free one of
    // those names, what stands there left alone.
    enum class TPut { Over, KeepingOld, Aside };
    // The one way an image reaches the disk: written whole under the temporary name (whatever
    // stood there cleared first), then put in the file's place as told, the name a kept file
    // took in the result. Written once the file holds the image, even when only its folder's
    // sync failed; otherwise the failure noted (notKept when no name could be had), and what
    // stood there as it was.
    void PutImage(const TSaveFile& file, const std::vector<u8>& image, TPut how,
                  TWriteFailure notKept, TSaveResult& result);
    void RewriteGoneFile(const std::vector<u8>& image, TSaveResult& result);
    // Over a file another program changed, once that version is kept under a name of its own;
    // where the save's folder takes nothing new, that version is left where it stands and the
    // run saved in the folder above for the rest of the run.
    void SaveOverChanged(const std::vector<u8>& image, TSaveResult& result);
    void SaveBeside(const std::vector<u8>& image, const std::string& standing, TSaveResult& result);
    // The run saved beside a folder that is no folder, in the folder above it, under the first
    // free kept name there.
    void SaveOutside(const std::vector<u8>& image, const TPlaceLook& place, TSaveResult& result);
    // The run put in the folder above the save's, under the first free kept name there, or
    // over the kept name there it was last saved under while that holds the run; whether it
    // got there.
    bool PutOutside(const std::vector<u8>& image, TSaveResult& result);
    // After the save's own place refused the run (the failure in result): the run put in the
    // folder above, the failure kept in the result for the words; the result as it was when
    // that fails too.
    void SaveInstead(const std::vector<u8>& image, TSaveResult& result);
    // The save's path in the folder above its own; empty when it has none.
    std::string OutsidePath() const;
    // A save whose place is left to what stands there: the run goes on into its kept file as
    // long as that holds the run.
    bool KeepsDiverted() const { return PlaceLeft && DivertedHoldsRun(); }
    // The run's file is still under the kept name it was last written to, as the run left it.
    bool DivertedHoldsRun() const;
    // The file now holds the image: every write that reached it ends here.
    void NoteWritten(const TSaveFile& file, const std::vector<u8>& image);

    TSaveFileHost* Host;
    std::string Path;
    // The file's bytes as this run last read or wrote them whole: what it still holds unless
    // another program changed it since.
    std::optional<std::vector<u8>> KnownImage;
    // What the save's own place holds as this run last read or wrote it there: the run's image
    // unless the run went to a kept name while the save stood where it could not be rewritten.
    std::optional<std::vector<u8>> PlaceImage;
    // The kept name the run's file was last written under, beside what is no file in the
    // save's place; empty while it is written in its own place.
    std::string Diverted;
    // What stands in the save's place is not the run's (a damaged save, another program's
    // version, a save the game may not read) and could not be set aside: it is left as it is,
    // and the run saved in its kept file.
    bool PlaceLeft = false;
};
