// TLayoutOf<TCasinoGameData>: the casino's 223 bytes of game data in the save file.
#pragma once

#include "casino/CasinoGameData.h"
#include "engine/framework/RecordLayout.h"

// The engine's four stamps, then fields nothing reads after the block is made: they are only
// carried from the file back to it.
template <> struct TLayoutOf<TCasinoGameData> {
    using R = TCasinoGameData;
    static constexpr size_t Size = R::EncodedSize;
    static constexpr TRecordField<R> Fields[] = {
        Field<R, &R::Stamps>("Stamps", 0),  Field<R, &R::First>("First", 16),
        Field<R, &R::Second>("Second", 20), Field<R, &R::Amount>("Amount", 24),
        Field<R, &R::Counts>("Counts", 32), Field<R, &R::Amounts>("Amounts", 64),
        Field<R, &R::Spare>("Spare", 136),  Field<R, &R::Tail>("Tail", 211),
    };
    static_assert(FieldsTile(Fields, Size));
};
