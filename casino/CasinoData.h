// TCasinoData: the bookkeeping of a gambler's ring of sessions: its current slot and its walk.
#pragma once

#include "engine/foundation/Money.h"
#include "platform/host/Types.h"

#include <cstddef>

// 12 bytes in the save file, laid out by TLayoutOf<TCasinoData> (casino/HistoryLayouts.h): the
// current slot, a spare amount and the position of a walk in progress. A slot read from a
// damaged file may lie anywhere in the i16 range; the history decides what that means.
class TCasinoData {
public:
    static constexpr size_t EncodedSize = 12;

    TCasinoData() = default;

    // The first slot and no spare amount; a walk in progress is left as it is.
    void Clear();

    bool Decode(const u8* bytes, size_t size);
    bool Encode(u8* bytes, size_t size) const;

    i16 Current = 0;
    TMoney Reserved;
    i16 Walk = 0;
};
