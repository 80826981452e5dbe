// Libraries loaded by name: built into the program and bound from tables, with use counts.
#pragma once

#include "Types.h"

#include <string>
#include <vector>

// The game's optional libraries (the wave mixer, the 8-bit back buffer) are parts of this
// program. They register their entry points under the library's file name, and the
// engine's loader finds them by that name as it would find a shared library.
using TProcAddress = void (*)();

struct TLibraryEntry {
    const char* Name;
    TProcAddress Address;
};

class THostModule;

// A later registration of the same name replaces the entry table.
void RegisterBuiltinLibrary(const std::string& fileName, std::vector<TLibraryEntry> entries);
void UnregisterBuiltinLibraries();

// Old load error codes, reported for a failed load.
constexpr u32 LOAD_ERROR_FILE_NOT_FOUND = 2;

// Names compare without regard to case. Each load counts one use of the library; null when
// there is no such library (GetLastLoadError says why).
THostModule* LoadLibraryA(const std::string& fileName);
u32 GetLastLoadError();
// Null for a name the library does not have, or a module no longer loaded.
TProcAddress GetProcAddress(THostModule* module, const std::string& name);
// Takes one use off; false for a module that holds no use (nothing is freed twice).
bool FreeLibrary(THostModule* module);
// Uses the module holds; 0 once the last use is freed.
int GetModuleUseCount(const THostModule* module);
