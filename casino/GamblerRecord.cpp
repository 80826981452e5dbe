// TGamblerRecordView and TGamblerRecord: each field found through the record's table.
#include "GamblerRecord.h"

#include "casino/GamblerLayout.h"

namespace {

using TGambler = TCasinoPlayerData;

constexpr size_t RecordSize = TLayoutOf<TGambler>::Size;
constexpr const TRecordField<TGambler>& PlayerPart = FieldNamed<TGambler>("Player");
constexpr const TRecordField<TGambler>& SessionCode = FieldNamed<TGambler>("SessionCode");
constexpr const TRecordField<TGambler>& Instruction = FieldNamed<TGambler>("Instruction");
constexpr const TRecordField<TGambler>& Chips = FieldNamed<TGambler>("Chips");
constexpr size_t HistoryAt = FieldNamed<TGambler>("History").At;
constexpr size_t RingAt = HistoryAt + FieldNamed<TCasinoCData>("Ring").At;
constexpr const TRecordField<TCasinoCData>& Sessions = FieldNamed<TCasinoCData>("Sessions");
constexpr const TRecordField<TCasinoCData>& Options = FieldNamed<TCasinoCData>("Options");
constexpr size_t SessionsAt = HistoryAt + Sessions.At;
constexpr const TRecordField<TPlayerData>& Bankroll = FieldNamed<TPlayerData>("Bankroll");
constexpr size_t BankrollAt = PlayerPart.At + Bankroll.At;
constexpr size_t OptionsAt = HistoryAt + Options.At;

// Each field is read and written with the codec of the width its table gives it.
static_assert(PlayerPart.Width == TFieldCodec<TPlayerData>::Width);
static_assert(Bankroll.Width == TFiniteF64Codec::Width);
static_assert(SessionCode.Width == TFieldCodec<u32>::Width);
static_assert(Instruction.Width == TFieldCodec<u8>::Width);
static_assert(Chips.Width == TGambler::ChipKinds * TFieldCodec<u16>::Width);
static_assert(Sessions.Width == TCasinoCData::SessionSlots * TFieldCodec<TCCSession>::Width);
static_assert(Options.Width == TCasinoCData::OptionCount * TFieldCodec<u8>::Width);

} // namespace

TGamblerRecordView::TGamblerRecordView(std::span<const u8> bytes) {
    if (bytes.data() != nullptr && bytes.size() >= RecordSize)
        Bytes = bytes.first(RecordSize);
}

namespace {

TPlayerData PlayerOf(std::span<const u8> bytes) {
    TPlayerData player;
    if (!bytes.empty())
        TFieldCodec<TPlayerData>::Read(player, bytes.data() + PlayerPart.At);
    return player;
}

} // namespace

std::string TGamblerRecordView::GetName() const {
    return IsValid() ? PlayerOf(Bytes).GetName() : std::string();
}

u8 TGamblerRecordView::GetSex() const {
    return IsValid() ? PlayerOf(Bytes).GetSex() : u8{0};
}

double TGamblerRecordView::GetBankroll() const {
    return IsValid() ? TFiniteF64Codec::Get(Bytes.data() + BankrollAt) : 0.0;
}

u32 TGamblerRecordView::GetSessionCode() const {
    u32 code = 0;
    if (IsValid())
        TFieldCodec<u32>::Read(code, Bytes.data() + SessionCode.At);
    return code;
}

bool TGamblerRecordView::GetInstructionMode() const {
    return IsValid() && Bytes[Instruction.At] != 0;
}

u16 TGamblerRecordView::GetChipCount(size_t i) const {
    u16 count = 0;
    if (IsValid() && i < TGambler::ChipKinds)
        TFieldCodec<u16>::Read(count, Bytes.data() + Chips.At + i * TFieldCodec<u16>::Width);
    return count;
}

bool TGamblerRecordView::GetBetOption(size_t i) const {
    return IsValid() && i < TCasinoCData::OptionCount && Bytes[OptionsAt + i] != 0;
}

bool TGamblerRecordView::Decode(TCasinoPlayerData& data) const {
    return IsValid() && DecodeRecord(data, Bytes);
}

size_t TGamblerRecordView::CurrentSessionAt() const {
    if (!IsValid())
        return 0;
    TCasinoData ring;
    TFieldCodec<TCasinoData>::Read(ring, Bytes.data() + RingAt);
    if (ring.Current < 0 || ring.Current >= TCasinoCData::SessionSlots)
        return 0;
    return SessionsAt + static_cast<size_t>(ring.Current) * TFieldCodec<TCCSession>::Width;
}

bool TGamblerRecordView::DecodeCurrentSession(TCCSession& session) const {
    const size_t at = CurrentSessionAt();
    if (at == 0)
        return false;
    TFieldCodec<TCCSession>::Read(session, Bytes.data() + at);
    return true;
}

TGamblerRecord::TGamblerRecord(std::span<u8> bytes) : TGamblerRecordView(bytes) {
    if (IsValid())
        Writable = bytes.first(RecordSize);
}

// The field alone: the rest of the record keeps its bytes, even those a decode would tidy.
void TGamblerRecord::SetBankroll(double bankroll) {
    if (IsValid())
        TFiniteF64Codec::Write(bankroll, At(BankrollAt));
}

void TGamblerRecord::ToggleInstructionMode() {
    if (IsValid())
        *At(Instruction.At) = *At(Instruction.At) == 0 ? 1 : 0;
}

void TGamblerRecord::SetChipCount(size_t i, u16 count) {
    if (IsValid() && i < TGambler::ChipKinds)
        TFieldCodec<u16>::Write(count, At(Chips.At + i * TFieldCodec<u16>::Width));
}

void TGamblerRecord::SetBetOption(size_t i, bool set) {
    if (IsValid() && i < TCasinoCData::OptionCount)
        *At(OptionsAt + i) = set ? 1 : 0;
}

bool TGamblerRecord::Edit(const std::function<void(TCasinoPlayerData&)>& change) {
    TCasinoPlayerData data;
    if (!Decode(data))
        return false;
    change(data);
    return EncodeRecord(data, Writable);
}

bool TGamblerRecord::EditCurrentSession(const std::function<bool(TCCSession&)>& change) {
    const size_t at = CurrentSessionAt();
    if (at == 0)
        return false;
    TCCSession session;
    TFieldCodec<TCCSession>::Read(session, Bytes.data() + at);
    if (change(session))
        TFieldCodec<TCCSession>::Write(session, At(at));
    return true;
}
