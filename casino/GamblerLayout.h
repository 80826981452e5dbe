// TLayoutOf<TCasinoPlayerData>: a gambler's whole record, 13,195 bytes in the save file.
#pragma once

#include "casino/CasinoPlayerData.h"
#include "casino/HistoryLayouts.h"
#include "engine/framework/PlayerDataLayout.h"

// The engine's 31 bytes, the casino's own fields, then the session history, whose last seven
// bytes are the betting options. Chips are counts of 1, 5, 25, 100, 1000 and 10000 dollars.
template <> struct TLayoutOf<TCasinoPlayerData> {
    using R = TCasinoPlayerData;
    static constexpr size_t Size = R::EncodedSize;
    static constexpr TRecordField<R> Fields[] = {
        BaseField<R, TPlayerData>("Player"),          Field<R, &R::SessionCode>("SessionCode", 31),
        Field<R, &R::Instruction>("Instruction", 35), Field<R, &R::Chips>("Chips", 36),
        Field<R, &R::History>("History", 48),
    };
    static_assert(FieldsTile(Fields, Size));
};

static_assert(FieldNamed<TCasinoPlayerData>("Instruction").At == TCasinoPlayerData::InstructionAt);
static_assert(FieldNamed<TCasinoPlayerData>("Chips").Width == 2 * TCasinoPlayerData::ChipKinds);
static_assert(FieldNamed<TCasinoPlayerData>("History").At == TCasinoPlayerData::HistoryAt);
