// The runtime generator's sequence and its replacement by a scripted source.
#include "platform/host/RuntimeRandom.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Sequences worked out by hand from the generator's formula with exact 64-bit arithmetic.
TEST(RuntimeRandom, FollowsTheGeneratorFormula) {
    struct Case {
        u32 Seed;
        std::vector<i32> Expected;
    };
    const Case cases[] = {
        {1, {0, 119927, 950081144, 759785117, 1840109577}},
        {12345, {65, 1480504946, 2010627756, 1092730705, 1491797899}},
    };
    for (const auto& c : cases) {
        rtl::srand(c.Seed);
        for (i32 expected : c.Expected)
            EXPECT_EQ(rtl::rand(), expected) << "seed " << c.Seed;
    }
    // The largest seed stays within 31 bits.
    rtl::srand(0xFFFFFFFFU);
    for (int i = 0; i < 1000; ++i) {
        const i32 r = rtl::rand();
        ASSERT_TRUE(r >= 0 && r <= rtl::RandMax) << r;
    }
}

class TScripted : public TRandomSource {
public:
    void Seed(u32 seed) override { LastSeed = seed; }
    i32 Next() override { return Values[Index++ % Values.size()]; }
    std::vector<i32> Values{4, 2};
    size_t Index = 0;
    u32 LastSeed = 0;
};

TEST(RuntimeRandom, ScriptedSourceReplacesTheGeneratorForItsScope) {
    TScripted scripted;
    {
        TScopedRandomSource scope(scripted);
        rtl::srand(77);
        EXPECT_EQ(scripted.LastSeed, 77U);
        EXPECT_EQ(rtl::rand(), 4);
        EXPECT_EQ(rtl::rand(), 2);
    }
    rtl::srand(1);
    EXPECT_EQ(rtl::rand(), 0);
    EXPECT_EQ(rtl::rand(), 119927);
}

} // namespace
