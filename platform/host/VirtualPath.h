// Translation of the engine's DOS-style virtual paths to host paths at the disk boundary.
#pragma once

#include <optional>
#include <string>

// The engine names every file with a drive letter and backslashes. Drive c: is the
// directory that holds the executable; other letters (the CD location) can be given
// a root of their own. Paths without a drive are taken relative to c:.
class TVirtualPaths {
public:
    // Roots are host directories; an empty root removes the mapping.
    static void SetDriveRoot(char driveLetter, const std::string& hostRoot);
    static std::optional<std::string> GetDriveRoot(char driveLetter);
    static void ClearDriveRoots();

    // Sets drive c: to the directory holding the running executable.
    static void MapProgramDirectory(const char* argv0);

    // The program's own path as the engine sees it.
    static std::string ProgramPath() { return "c:\\otcraps.exe"; }

    // The host path for a virtual path, or nothing when the drive has no root or the
    // path would climb out of its root.
    static std::optional<std::string> ToHost(const std::string& virtualPath);

    // False once the player's folder could not be made or written: the player has been told,
    // and nothing is saved for the rest of the run.
    static bool PlayerFolderUsable();
    static void SetPlayerFolderUsable(bool usable);
};
