// Fuzz target: arbitrary bytes as a gambler's record in the save file (a short input over a
// default record), whose session history is walked, played on and written back.
#include "FuzzSupport.h"
#include "casino/CasinoPlayerData.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

// Keeps what was read from being optimised away.
volatile double CasinoRecordFuzzSink = 0;

namespace {

std::vector<u8> Encoded(const TCasinoPlayerData& record) {
    std::vector<u8> bytes(TCasinoPlayerData::EncodedSize);
    if (!record.Encode(bytes.data(), bytes.size()))
        std::abort();
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    std::vector<u8> bytes = Encoded(TCasinoPlayerData());
    std::copy_n(data, std::min(size, bytes.size()), bytes.begin());
    TCasinoPlayerData record;
    if (!record.Decode(bytes.data(), bytes.size()))
        std::abort();
    double sum = record.GetBankroll() + record.GetStartBankroll() + record.GetSessionCode() +
                 record.GetInstructionMode() + record.GetBetOption(3);
    for (i16 i = 0; i < 6; ++i)
        sum += record.GetChipCount(i);
    TCasinoCData& history = record.GetHistory();
    for (i16 slot = history.FirstSession(); slot >= 0; slot = history.NextSession())
        if (const TCCSession* session = history.GetSession(slot))
            sum += session->IsUsed() + session->IsOpen();

    // What a record is written as reads back as that.
    const std::vector<u8> written = Encoded(record);
    TCasinoPlayerData again;
    if (!again.Decode(written.data(), written.size()) || Encoded(again) != written)
        std::abort();

    // A session played on it: opened, its statistics reached, closed, and written.
    record.BeginSession(1, TMoney(5.0));
    if (TCCSession* current = history.GetCurrentSession())
        sum += current->IsOpen();
    record.EndSession();
    sum += static_cast<double>(Encoded(record).size());
    CasinoRecordFuzzSink = sum;
    return 0;
}
