// TSaveResult: what one save did on the disk: where the image went, or what kept it from going
// there and why, and what was kept aside under which name.
#pragma once

#include "platform/host/Types.h"

#include <cerrno>
#include <string>

// A piece of the file's image, at its offset.
struct TSavePiece {
    u32 Offset;
    const u8* Data;
    u32 Size;
};

// What a write that failed could not do: write the file, clear the temporary name of a
// folder, keep a damaged file, or one another program changed, under a name of its own, find a
// name to save beside what is no file in the save's place, or write anything at all where the
// save has gone.
enum class TWriteFailure {
    Write,
    FolderInTheWay,
    DamagedNotKept,
    ChangedNotKept,
    AsideNotKept,
    Gone
};

struct TSaveResult {
    // How the image reached the disk: renamed over the file; over it once what stood there
    // was kept under a name of its own; written again where another program removed it;
    // beside what is no file in the save's place, under a kept name found for it; or, when
    // what stands in the folder's place is no folder, beside that in the folder above.
    enum class TWay { NotWritten, Over, KeepingOld, Rewritten, Beside, Outside };
    TWay Way = TWay::NotWritten;
    // The file the write aimed at, on success or failure; for a save that found its folder no
    // folder and could not be written in the folder above, the save itself, which is what
    // failed for the player.
    std::string WrittenTo;
    // Set when nothing was written: what failed and the system's reason (0 when none was
    // given).
    TWriteFailure Failure = TWriteFailure::Write;
    int Error = 0;
    // The kept name (without folder) of what stood there (KeepingOld) or of the run's own
    // file (Beside).
    std::string Kept;
    // What stood in the save's place, for Beside and AsideNotKept, as the start says it.
    std::string Standing;
    // For Outside, and for AsideNotKept and Gone when the folder is no folder: that folder,
    // as the player knows it; Standing then says what it is.
    std::string Folder;
    // Rewritten: the save's folder had gone too and was made again.
    bool FolderGone = false;
    // The file holds the image, but its folder's sync failed with this reason.
    int Unsynced = 0;
    // For Outside when the save's own place could not take the run (Failure and Error then
    // say what it met there, as a failed save tells it).
    bool Instead = false;
    // For Beside, Outside and AsideNotKept: the save is a file that refuses to be read, for
    // this reason.
    int Unread = 0;
    // A folder found under the temporary name was moved aside under this name.
    std::string TempFolderKeptAs;
    // Saved instead of the save's place, where another program's version stands that could not
    // be set aside: that version is left as it is.
    bool OtherLeft = false;
    // Written in the save's own place again: the kept name (a path) the run was saved under
    // until this save, which holds an older state of its gamblers now.
    std::string LeftBehind;
    // Saved nowhere with every kept name in the folder above taken too: that folder, as the
    // player knows it.
    std::string OutsideTaken;

    bool Written() const { return Way != TWay::NotWritten; }
    // A keep or a folder's move is refused as a name in use only when every name it may take
    // is: those stay taken until the player clears one.
    bool AllKeptNamesTaken() const { return Failure != TWriteFailure::Write && Error == EEXIST; }
};
