// TDetLookup: the data-file manager's view of its open catalogues: where a catalogued file lies.
#pragma once

#include "platform/host/Types.h"

#include <string>

// Where a catalogued file's bytes are: inside the pack file named here, at an offset.
struct TDetEntry {
    std::string PackName; // the catalogue's own name with the extension ".dew"
    u32 Offset = 0;
    u32 Size = 0;
};

// The open catalogues, asked in order; the catalogue list implements it.
class TDetLookup {
public:
    virtual ~TDetLookup() = default;
    // The first open catalogue whose tree holds the name fills the entry: true.
    virtual bool Find(const std::string& name, TDetEntry& entry) const = 0;
    // Closes the catalogues nobody uses any more.
    virtual void RemoveUnused() = 0;
};
