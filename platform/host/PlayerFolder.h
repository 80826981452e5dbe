// The player's own folder: where it is, its making at first use, an earlier build's files taken
// into it, and the folder the game's data is read from.
#pragma once

#include <functional>
#include <string>

// Looks up one environment variable (null when unset); tests pass their own.
using TEnvironment = std::function<const char*(const char*)>;
const char* HostEnvironment(const char* name);

// OTCRAPS_HOME when set, else $XDG_DATA_HOME/otcraps (only an absolute XDG_DATA_HOME counts),
// else ~/.local/share/otcraps. A relative OTCRAPS_HOME is taken from the working directory.
std::string LocatePlayerFolder(const TEnvironment& environment);

// The game's data is read from beside the program when a data folder is there, else from the
// installed data folder (<prefix>/share/otcraps for a program in <prefix>/bin) when that holds
// one, else from beside the program, where a missing data set is then reported.
std::string LocateDataFolder(const std::string& programDirectory);

// Makes a host folder with every folder above it that is missing, private to the player (mode
// 0700); made (when given) tells whether any was. The errno of the first step that failed, 0
// when the folder and its parents are directories.
int MakePlayerFolders(const std::string& folder, bool* made = nullptr);

// Makes the player's folder ready for the run: made with its data folder where missing (mode
// 0700, parents as needed), proved writable, and given the save and settings an earlier build
// kept beside the program when it has none of its own (those stay where they were). A data
// folder that cannot be made or written in is left to the save to tell: the player's folder
// takes the run then. When neither can be written, one box names the folder and the reason and
// the folder is marked unusable, so that nothing is saved. True when the folder can be used.
bool PreparePlayerFolder(const std::string& folder, const std::string& programDirectory);

// One run's mapping: drive c: to the data folder, the names the program writes to the player's
// folder, which is prepared at their first use (a run that writes nothing makes nothing).
// The player's folder is unmapped again when the run ends.
class TPlayerFolderMapping {
public:
    explicit TPlayerFolderMapping(const char* argv0,
                                  const TEnvironment& environment = HostEnvironment);
    ~TPlayerFolderMapping();
    TPlayerFolderMapping(const TPlayerFolderMapping&) = delete;
    TPlayerFolderMapping& operator=(const TPlayerFolderMapping&) = delete;
};
