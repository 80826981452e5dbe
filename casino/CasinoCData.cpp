// TCasinoCData: the ring of sessions, its walk, the betting options, and its bytes through
// their table.
#include "CasinoCData.h"

#include "casino/HistoryLayouts.h"

#include <algorithm>

namespace {

constexpr u8 DefaultBetOptions[TCasinoCData::OptionCount] = {1, 0, 0, 0, 1, 0, 1};

} // namespace

void TCasinoCData::Clear() {
    TCasinoData::Clear();
    ReservedC = TMoney();
    SetDefaultBetOptions();
    for (TCCSession& session : Sessions)
        session.Clear();
}

void TCasinoCData::SetDefaultBetOptions() {
    std::copy_n(DefaultBetOptions, OptionCount, BetOptions.begin());
}

bool TCasinoCData::GetBetOption(size_t i) const {
    return i < OptionCount && BetOptions[i] != 0;
}

void TCasinoCData::NextSessionSlot() {
    if (!InRing(Current)) {
        Current = 0;
        return;
    }
    if (Current == 0 && !InUse(0))
        return;
    Current = static_cast<i16>((Current + 1) % SessionSlots);
}

void TCasinoCData::BeginSession(TMoney bankroll, u16 gameCode, TMoney betUnit) {
    NextSessionSlot();
    Sessions[static_cast<size_t>(Current)].Begin(bankroll, gameCode, betUnit);
}

void TCasinoCData::EndSession(TMoney bankroll) {
    if (TCCSession* session = GetCurrentSession())
        session->End(bankroll);
}

TCCSession* TCasinoCData::GetCurrentSession() {
    return InRing(Current) ? &Sessions[static_cast<size_t>(Current)] : nullptr;
}

i16 TCasinoCData::FirstSession() {
    Walk = -1;
    if (!InRing(Current) || !InUse(Current))
        return -1;
    // Ends at the current slot at the latest, which is in use.
    for (i16 step = 1; step <= SessionSlots; ++step) {
        const auto slot = static_cast<i16>((Current + step) % SessionSlots);
        if (InUse(slot)) {
            Walk = slot;
            break;
        }
    }
    return Walk;
}

i16 TCasinoCData::NextSession() {
    // A stored walk position is not trusted any more than the current slot.
    if (!InRing(Walk) || !InRing(Current)) {
        Walk = -1;
        return -1;
    }
    Walk = static_cast<i16>((Walk + 1) % SessionSlots);
    if (Walk == Current) {
        Walk = -1;
        return InUse(Current) ? Current : i16{-1};
    }
    if (!InUse(Walk)) {
        Walk = -1;
        return -1;
    }
    return Walk;
}

const TCCSession* TCasinoCData::GetSession(i16 slot) const {
    return InRing(slot) ? &Sessions[static_cast<size_t>(slot)] : nullptr;
}

bool TCasinoCData::Decode(const u8* bytes, size_t size) {
    return bytes != nullptr && DecodeRecord(*this, std::span(bytes, size));
}

bool TCasinoCData::Encode(u8* bytes, size_t size) const {
    return bytes != nullptr && EncodeRecord(*this, std::span(bytes, size));
}
