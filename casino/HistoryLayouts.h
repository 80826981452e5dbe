// TLayoutOf the ring's bookkeeping (12 bytes) and the session history (13,147 bytes).
#pragma once

#include "casino/CasinoCData.h"
#include "casino/SessionLayouts.h"

// The walk position is -1 when none is in progress, 0 in a new record.
template <> struct TLayoutOf<TCasinoData> {
    using R = TCasinoData;
    static constexpr size_t Size = R::EncodedSize;
    static constexpr TRecordField<R> Fields[] = {
        Field<R, &R::Current>("Current", 0),
        Field<R, &R::Reserved>("Reserved", 2),
        Field<R, &R::Walk>("Walk", 10),
    };
    static_assert(FieldsTile(Fields, Size));
};

// Twenty craps sessions, a spare amount and the seven option bytes, kept as stored.
template <> struct TLayoutOf<TCasinoCData> {
    using R = TCasinoCData;
    static constexpr size_t Size = R::EncodedSize;
    static constexpr TRecordField<R> Fields[] = {
        BaseField<R, TCasinoData>("Ring"),
        Field<R, &R::Sessions>("Sessions", 12),
        Field<R, &R::ReservedC>("Reserved", 13132),
        Field<R, &R::BetOptions>("Options", 13140),
    };
    static_assert(FieldsTile(Fields, Size));
};

static_assert(FieldNamed<TCasinoCData>("Sessions").At == TCasinoCData::SessionsAt);
static_assert(FieldNamed<TCasinoCData>("Reserved").At == TCasinoCData::ReservedAt);
static_assert(FieldNamed<TCasinoCData>("Options").At == TCasinoCData::OptionsAt);
static_assert(FieldNamed<TCasinoCData>("Options").Width == TCasinoCData::OptionCount);
