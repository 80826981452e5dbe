// Fuzz target: arbitrary bytes as a gambler's record stored in a damaged save file, recovered as
// the game recovers it: laid over one place of a sound file, in its place or some bytes early or
// late. A record recovered must be one the game can seat and play on.
//
// Input: the place (first byte, modulo 20), how the file around it is changed (second byte:
// modulo 4, kept, bytes taken out just before the place, or zeros put in there, a record's worth
// more with the last, which takes the file past what the load reads; divided by 4, one less than
// how many), then the record's bytes over a free place's.
#include "CasinoJudgeFuzzSupport.h"
#include "FuzzSupport.h"
#include "casino/CasinoPlayerData.h"
#include "support/LoadedSave.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TCasinoJudge& Judge() {
    static TCasinoJudge judge("recordcheckfuzz");
    return judge;
}

// What the game relies on in a record it seats: its engine fields sane, and its current session
// a slot of the ring, which the statistics of his play reach.
void ExpectPlayable(const u8* bytes) {
    // The amounts as stored: the record reads a non-number as 0.
    for (const size_t at : {size_t{15}, size_t{23}}) {
        const double amount = JorpGetF64(bytes + at);
        if (!(amount > -0.005 && amount < 1e12))
            std::abort();
    }
    TCasinoPlayerData record;
    if (!record.Decode(bytes, TCasinoPlayerData::EncodedSize) || record.GetUsed() != 1 ||
        record.GetName().empty() || record.GetSex() > 1 ||
        record.GetHistory().GetCurrentSession() == nullptr)
        std::abort();
    record.BeginSession(1, TMoney(5.0));
    record.EndSession();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    if (size < 2)
        return 0;
    TCasinoJudge& judge = Judge();
    TCasinoPlayerMgr& mgr = *judge.Mgr;
    const i16 place = static_cast<i16>(data[0] % 20);
    const int change = data[1] % 4;
    const auto count = static_cast<std::ptrdiff_t>(1 + data[1] / 4);
    std::vector<u8> file = judge.Sound;
    const auto at = static_cast<std::ptrdiff_t>(mgr.GetRecordOffset(place));
    std::copy_n(data + 2, std::min(size - 2, TCasinoPlayerData::EncodedSize), file.begin() + at);
    if (change == 1)
        file.erase(file.begin() + at - count, file.begin() + at);
    else if (change >= 2)
        file.insert(file.begin() + at,
                    static_cast<size_t>(count) + (change == 3 ? TCasinoPlayerData::EncodedSize : 0),
                    u8{0});

    const bool sound = change == 0 && mgr.HoldsOnlyWholeRecords(file);
    const TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(mgr, file);
    const std::vector<TSaveRecordReader::TFoundRecord>& found = recovery.Whole;
    const std::vector<std::string>& leftOut = recovery.LeftOut;
    std::vector<bool> taken(static_cast<size_t>(mgr.GetTableSize()), false);
    for (const TSaveRecordReader::TFoundRecord& record : found) {
        if (record.Record < 0 || record.Record >= mgr.GetTableSize() ||
            record.Bytes.size() != TCasinoPlayerData::EncodedSize ||
            taken[static_cast<size_t>(record.Record)])
            std::abort();
        taken[static_cast<size_t>(record.Record)] = true;
        ExpectPlayable(record.Bytes.data());
    }
    // A file the load takes as it stands has every record marked used judged whole, in its
    // place, and nobody to name.
    if (sound) {
        for (i16 r = 0; r < mgr.GetTableSize(); ++r)
            if (file[mgr.GetRecordOffset(r)] != 0 && !taken[static_cast<size_t>(r)])
                std::abort();
        if (!leftOut.empty())
            std::abort();
    }
    // Names in quotes, then at most one count of those whose names cannot be read.
    for (size_t i = 0; i < leftOut.size(); ++i) {
        const std::string& told = leftOut[i];
        const bool named = told.size() >= 3 && told.front() == '"' && told.back() == '"' &&
                           told.size() <= 2 * TPlayerData::MaxNameLength + 2;
        if (!named && (i + 1 != leftOut.size() || told.find(" whose name") == std::string::npos))
            std::abort();
    }
    return 0;
}
