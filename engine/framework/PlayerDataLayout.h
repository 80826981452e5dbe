// TLayoutOf<TPlayerData>: the engine's first 31 bytes of every record in the save file.
#pragma once

#include "engine/framework/PlayerData.h"
#include "engine/framework/RecordLayout.h"

template <> struct TLayoutOf<TPlayerData> {
    using R = TPlayerData;
    static constexpr size_t Size = R::EncodedSize;
    static constexpr TRecordField<R> Fields[] = {
        Field<R, &R::Used>("Used", 0),
        Field<R, &R::Name, TTextCodec<R::NameField>>("Name", 1),
        Field<R, &R::Sex>("Sex", 14),
        Field<R, &R::Bankroll, TFiniteF64Codec>("Bankroll", 15),
        Field<R, &R::StartBankroll, TFiniteF64Codec>("StartBankroll", 23),
    };
    static_assert(FieldsTile(Fields, Size));
};
