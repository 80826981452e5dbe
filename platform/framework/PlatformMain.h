// The program's entry below OwlMain: picks a backend, attaches it and runs the program.
#pragma once

#include "Backend.h"

#include <functional>
#include <memory>
#include <span>
#include <string>

struct TBackendChoice {
    std::string Name;
    std::function<std::unique_ptr<TBackend>()> Create;
    // Queues a script of input read from a host file on a backend this choice made; false
    // with error when the file is bad. Empty for backends that play no scripts.
    std::function<bool(TBackend&, const std::string& hostPath, std::string& error)> LoadScript = {};
    // What a script file holds, for the message that refuses one.
    std::string ScriptUsage = {};
    // Called on the backend once the program's main function has returned, while it is still
    // attached, boxes can still be shown and the player's folder is still mapped: what the
    // backend keeps between runs is written then. Empty for backends that keep nothing.
    std::function<void(TBackend&)> Finish = {};
};

// The backend is named by "--backend=NAME" or "--headless" on the command line (both are
// removed before the program sees its arguments), else by the OTCRAPS_BACKEND environment
// variable, else it is the first choice. An unknown name ends with exit code 1.
// "--script=FILE" (removed too) plays a file of input on a backend that takes scripts (the
// headless one); a bad file, or a backend that takes none, ends with exit code 1.
// "--help" prints the usage and "--version" the program's version, to stdout, and both end
// with exit code 0 before any backend starts. Any other argument that starts with "-" is
// refused with the usage on stderr and exit code 2; the rest reach the program.
int PlatformMain(int argc, char** argv, int (*owlMain)(int, char**),
                 std::span<const TBackendChoice> backends);

// The backends the program offers, best first: its main registers them before calling
// PlatformMain, and the first one registered is the default. Registering a name again
// replaces that choice where it stands.
void RegisterBackend(TBackendChoice choice);
std::span<const TBackendChoice> GetRegisteredBackends();
void ClearRegisteredBackends();

// PlatformMain over the registered backends.
int PlatformMain(int argc, char** argv, int (*owlMain)(int, char**));
