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
};

// The backend is named by "--backend=NAME" or "--headless" on the command line (both are
// removed before the program sees its arguments), else by the OTCRAPS_BACKEND environment
// variable, else it is the first choice. An unknown name ends with exit code 1.
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
