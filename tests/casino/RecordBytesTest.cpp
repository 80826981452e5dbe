// The save file's bytes against those the hand-written readers and writers made before the
// layouts became field tables: each record read from noise and written again, compared by digest.
#include "casino/CCSession.h"
#include "casino/CasinoCData.h"
#include "casino/CasinoGameData.h"
#include "casino/CasinoPlayerData.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Noise that reaches every f64 pattern over thirteen thousand bytes: NaNs, infinities and
// denormals among them.
std::vector<u8> LayoutNoise(size_t size, u32 seed) {
    std::vector<u8> bytes(size);
    u32 x = seed;
    for (u8& b : bytes) {
        x = x * 1103515245u + 12345u;
        b = static_cast<u8>(x >> 16);
    }
    return bytes;
}

u64 Digest(const std::vector<u8>& bytes) {
    u64 h = 14695981039346656037ull;
    for (u8 b : bytes)
        h = (h ^ b) * 1099511628211ull;
    return h;
}

// The record read from noise and written into an area that holds none of it, so every byte
// of the result was written by the record.
template <class T> std::vector<u8> ReadAndWrite(size_t size, u32 seed) {
    const std::vector<u8> noise = LayoutNoise(size, seed);
    T record;
    EXPECT_TRUE(record.Decode(noise.data(), noise.size()));
    std::vector<u8> out(size, 0xCC);
    EXPECT_TRUE(record.Encode(out.data(), out.size()));
    return out;
}

struct TLayoutCase {
    const char* Name;
    std::vector<u8> (*Make)(u32 seed);
    u64 Digests[3];
};

// Digests of the bytes the earlier readers and writers made from seeds 1, 2 and 3.
const TLayoutCase Cases[] = {
    {"gambler record",
     [](u32 s) { return ReadAndWrite<TCasinoPlayerData>(13195, s); },
     {0xb21b85bc9e20a008ull, 0xcde21d16eebeaa66ull, 0xa7b87dce926ce182ull}},
    {"history",
     [](u32 s) { return ReadAndWrite<TCasinoCData>(13147, s); },
     {0x0429f986a98faa21ull, 0x53d40efc60636007ull, 0x16cfc25395128a53ull}},
    {"craps session",
     [](u32 s) { return ReadAndWrite<TCCSession>(656, s); },
     {0xa75e2b182a0bb51eull, 0xd1c2ec468e8bcb5bull, 0xd577216a2ce9ad57ull}},
    {"game data",
     [](u32 s) { return ReadAndWrite<TCasinoGameData>(223, s); },
     {0xf54faf238d195090ull, 0x031061907dec6cc1ull, 0x0427235b43270e41ull}},
    {"casino session",
     [](u32 s) { return ReadAndWrite<TCasinoSession>(92, s); },
     {0x3380eec1ae72f70eull, 0x099e9b8be27d8ee5ull, 0xd961ba03fce90465ull}},
    {"ring",
     [](u32 s) { return ReadAndWrite<TCasinoData>(12, s); },
     {0x6786e32fc0fc898aull, 0x5ffd454ddaf3f4a7ull, 0xf8d51a42d097eeb6ull}},
    {"engine record",
     [](u32 s) { return ReadAndWrite<TPlayerData>(31, s); },
     {0x982909d85d107ed8ull, 0x92b9247d4445df31ull, 0x40f6a990a2926673ull}},
};

TEST(RecordBytes, EachLayoutWritesTheBytesItWroteBefore) {
    for (const TLayoutCase& c : Cases)
        for (u32 seed = 1; seed <= 3; ++seed) {
            const u64 digest = Digest(c.Make(seed));
            EXPECT_EQ(digest, c.Digests[seed - 1]) << c.Name << " from seed " << seed;
        }
}

} // namespace
