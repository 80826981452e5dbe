// Fuzz target: the one-point reader of a damaged save with its speed-ups against the same reader
// trying every point one by one: both must give the same verdicts on any file.
//
// Input: the place (first byte, modulo 20) a record's bytes are laid over; where in it bytes go
// in or out (second and third bytes, modulo a record's size); how many (fourth byte: 1 to 128,
// or a record's size less 1 to 128 with its top bit), put in (fifth byte odd) or taken out; then
// the record's bytes over a free place's, which the bytes put in repeat.
#include "CasinoJudgeFuzzSupport.h"
#include "FuzzSupport.h"
#include "casino/CasinoPlayerData.h"
#include "support/LoadedSave.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TCasinoJudge& Judge() {
    static TCasinoJudge judge("judgetwinfuzz");
    return judge;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    if (size < 6)
        return 0;
    TCasinoJudge& judge = Judge();
    TCasinoPlayerMgr& mgr = *judge.Mgr;
    constexpr size_t Record = TCasinoPlayerData::EncodedSize;
    const i16 place = static_cast<i16>(data[0] % 20);
    const size_t offset = (static_cast<size_t>(data[1]) << 8 | data[2]) % Record;
    const size_t count = data[3] & 0x80 ? Record - 1 - (data[3] & 0x7F) : 1 + data[3];
    const bool in = (data[4] & 1) != 0;
    const u8* record = data + 5;
    const size_t recordSize = size - 5;
    std::vector<u8> file = judge.Sound;
    const size_t at = mgr.GetRecordOffset(place);
    std::copy_n(record, std::min(recordSize, Record),
                file.begin() + static_cast<std::ptrdiff_t>(at));
    const auto point = static_cast<std::ptrdiff_t>(std::min(at + offset, file.size()));
    if (in) {
        std::vector<u8> put(count);
        for (size_t i = 0; i < count; ++i)
            put[i] = record[i % recordSize];
        file.insert(file.begin() + point, put.begin(), put.end());
    } else {
        file.erase(file.begin() + point,
                   file.begin() +
                       std::min<std::ptrdiff_t>(point + static_cast<std::ptrdiff_t>(count),
                                                static_cast<std::ptrdiff_t>(file.size())));
    }
    const TSaveRecordReader::TRecovery fast = RecoverAsLoaded(mgr, file);
    const TSaveRecordReader::TRecovery every = RecoverAsLoaded(mgr, file, true);
    if (fast.Reader != every.Reader || fast.Whole != every.Whole || fast.LeftOut != every.LeftOut)
        std::abort();
    return 0;
}
