// TDetList: the data-file manager's open catalogues, asked in order for every file it locates.
#pragma once

#include "engine/foundation/Det.h"
#include "engine/foundation/DetLookup.h"
#include "engine/foundation/JorpList.h"
#include "platform/host/Types.h"

#include <string>

// Owns its catalogues: removing one deletes it.
class TDetList : public TJorpList, public TDetLookup {
public:
    TDetList();
    ~TDetList() override;

    // The node of the first catalogue, in list order, that holds the name; null when none.
    TDirEntry* Find(const std::string& name) const;
    // The same answer in the form the data-file manager takes it.
    bool Find(const std::string& name, TDetEntry& entry) const override;
    // Deletes every catalogue that nobody has open any more.
    void RemoveUnused() override;
    // A damaged catalogue that explains a name it does not hold: the folder the name would be
    // in is out of order (lookups search it by halving), or holds a name one flipped bit away,
    // or the catalogue's tree ended before its file did.
    bool ExplainMissing(const std::string& name, TDetDamage& damage) const override;
    // An entry that lies past the end of its pack although every other file of the catalogue
    // fits in it, and which is not the last of them (where a pack cut short would end).
    bool ExplainShortPack(const std::string& name, u64 packSize, TDetDamage& damage) const override;

    // Opens a catalogue by name (".det" is put on it), reading it at once; a catalogue that
    // is open already only counts one more user. False for an empty name or when the
    // catalogue cannot be listed.
    bool OpenDet(const std::string& name);
    // One user fewer; the catalogue keeps answering until RemoveUnused. False when no open
    // catalogue has the name.
    bool CloseDet(const std::string& name);

    // The open catalogue of that name, or null.
    TDet* FindDet(const std::string& name) const;
    // The catalogue at a place, null for an empty place or one outside the list.
    TDet* GetDetAt(i16 index) const;
};
