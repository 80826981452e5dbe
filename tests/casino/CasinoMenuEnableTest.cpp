// The casino's menu flags: what a new enabler holds and how setting all reaches each flag.
#include "casino/CasinoMenuEnable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Flags 8 to 18 as a string of 0s and 1s, then the two words.
std::string Flags(const TCasinoMenuEnable& e) {
    std::string out;
    for (bool flag : {e.Exit, e.Sound, e.Music, e.About, e.HelpContents, e.PlayerMgr, e.Spare,
                      e.Statistics, e.InstructionMode, e.GameLordCommand, e.Extra})
        out += flag ? '1' : '0';
    return out + " " + std::to_string(e.Word1) + " " + std::to_string(e.Word2);
}

TEST(CasinoMenuEnableTest, NewEnablersAndSettingAll) {
    TCasinoMenuEnable all(true);
    EXPECT_EQ(Flags(all), "11111111110 0 0");
    EXPECT_EQ(all.PreviousModeId, 0xFFFF);
    EXPECT_EQ(all.CurrentModeId, 0xFFFF);
    TCasinoMenuEnable none(false);
    EXPECT_EQ(Flags(none), "00000000000 0 0");

    const struct {
        const char* What;
        void (*Step)(TJorpMenuEnable&);
        const char* After; // from all set
    } cases[] = {
        {"set all off", [](TJorpMenuEnable& e) { e.SetAll(false); }, "00000000000 7 9"},
        {"set all on", [](TJorpMenuEnable& e) { e.SetAll(true); }, "11111111111 7 9"},
        {"extra on", [](TJorpMenuEnable& e) { e.SetAllExtra(true); }, "11111111111 7 9"},
    };
    for (const auto& c : cases) {
        TCasinoMenuEnable e(true);
        e.Word1 = 7;
        e.Word2 = 9;
        // Through the engine's type, as the frame holds it.
        c.Step(e);
        EXPECT_EQ(Flags(e), c.After) << c.What;
    }
}

} // namespace
