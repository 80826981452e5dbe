// Translation of the engine's DOS-style virtual paths to host paths at the disk boundary.
#pragma once

#include <functional>
#include <optional>
#include <string>

// The engine names every file with a drive letter and backslashes. Drive c: is the
// directory that holds the game's data (beside the executable, or the installed data
// folder); other letters (the CD location) can be given a root of their own. Paths without
// a drive are taken relative to c:. The files the program writes keep their names on c:
// but, once a player root is set, live in the player's own folder instead.
class TVirtualPaths {
public:
    // Roots are host directories; an empty root removes the mapping.
    static void SetDriveRoot(char driveLetter, const std::string& hostRoot);
    static std::optional<std::string> GetDriveRoot(char driveLetter);
    // Removes every drive root and the player root.
    static void ClearDriveRoots();

    // Sets drive c: to the directory holding the running executable.
    static void MapProgramDirectory(const char* argv0);
    // The directory holding the running executable (argv0 only when the system cannot say).
    static std::string ProgramDirectory(const char* argv0);

    // The program's own path as the engine sees it.
    static std::string ProgramPath() { return "c:\\otcraps.exe"; }

    // The host folder the names the program writes are mapped to; empty maps them to c:'s
    // root like every other name. firstUse runs once, before the first such name is handed
    // out, so that the folder is made only by a run that uses it.
    static void SetPlayerRoot(const std::string& hostRoot, std::function<void()> firstUse = {});
    static std::optional<std::string> GetPlayerRoot();
    // Where the files the program writes on a drive live: the player root for c: when one
    // is set, else the drive's root.
    static std::optional<std::string> GetWritableRoot(char driveLetter);

    // True for the names of drive c: the program writes (its settings, its save file and
    // whatever is set aside from it or moved out of its way, their temporary files, its lock
    // and its buffer folder).
    static bool IsWritableName(const std::string& virtualPath);

    // The host path for a virtual path, or nothing when the drive has no root or the
    // path would climb out of its root.
    static std::optional<std::string> ToHost(const std::string& virtualPath);
    // The same without the player folder's first use: for a look that must change nothing,
    // such as a second copy's at the lock of the copy that runs.
    static std::optional<std::string> PeekHost(const std::string& virtualPath);

    // False once the player's folder could not be made or written: the player has been told,
    // and nothing is saved for the rest of the run.
    static bool PlayerFolderUsable();
    static void SetPlayerFolderUsable(bool usable);
};
