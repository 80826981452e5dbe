// TMiscData: a jagged table of 16-bit values, the small numbers a game object keeps in a ".md"
// file.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "platform/host/Types.h"

#include <string>
#include <vector>

// Stored as: i16 list count, then per list an i16 length and that many i16 values.
// Final: its loading constructor attaches the file itself, which reaches the right reader
// only while no class derives from it.
class TMiscData final : public TJorpBase {
public:
    explicit TMiscData(TJorpOwner* owner);
    // Registers the ".md" file and, when load is set, reads it.
    TMiscData(TJorpOwner* owner, const TFileMode& mode, bool load, bool keep);
    // Only named: the ".md" extension goes on the name; nothing is registered or loaded.
    TMiscData(int unused, TJorpOwner* owner, const TFileMode& mode);
    ~TMiscData() override = default;

    bool ReadBody() override;
    bool WriteBody() override;
    std::string GetExtension() const override;
    const char* GetHeaderId() const override;

    i16 GetListCount() const { return static_cast<i16>(Lists.size()); }
    // 0 for a list outside the table.
    i16 GetLength(i16 list) const;
    // The values of a list, null for an empty list or one outside the table.
    const i16* GetList(i16 list) const;
    // Replaces the whole table; false, and nothing changed, when it has more lists or a list
    // more values than the 16-bit fields of the file can count.
    bool SetLists(std::vector<std::vector<i16>> lists);
    void Clear() { Lists.clear(); }

private:
    std::vector<std::vector<i16>> Lists;
};
