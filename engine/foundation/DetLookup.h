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

// A catalogue found damaged: the path its bytes were read from, and what is wrong with it.
struct TDetDamage {
    std::string Catalogue;
    std::string Problem;
};

// The open catalogues, asked in order; the catalogue list implements it.
class TDetLookup {
public:
    virtual ~TDetLookup() = default;
    // The first open catalogue whose tree holds the name fills the entry: true.
    virtual bool Find(const std::string& name, TDetEntry& entry) const = 0;
    // Closes the catalogues nobody uses any more.
    virtual void RemoveUnused() = 0;

    // A name no catalogue holds, and no disk either: true, with the damage, when a catalogue
    // shows signs of having lost it, so that no disk is asked for in vain.
    virtual bool ExplainMissing(const std::string& name, TDetDamage& damage) const {
        (void)name, (void)damage;
        return false;
    }
    // A catalogued name whose bytes lie past the end of a pack of packSize bytes: true, with
    // the damage, when the fault is the catalogue's entry rather than a pack cut short.
    virtual bool ExplainShortPack(const std::string& name, u64 packSize, TDetDamage& damage) const {
        (void)name, (void)packSize, (void)damage;
        return false;
    }
};
