// Game files: each version read from hand-made bytes, 2.3 written back, truncated and hostile
// files.
#include "engine/framework/GameFile.h"

#include "../foundation/FileMgrFixture.h"
#include "ObjectBytes.h"
#include "platform/host/MessageBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Body1(const std::string& palette, const std::vector<std::string>& modes) {
    std::string body = Name9(palette) + Le16(static_cast<u16>(modes.size()));
    for (const std::string& m : modes)
        body += Name9(m);
    return body;
}

std::string Body2(const std::string& palette, const std::vector<std::string>& modes) {
    std::string body = Str(palette) + Le16(static_cast<u16>(modes.size()));
    for (const std::string& m : modes)
        body += Str(m);
    return body;
}

std::vector<std::string> ModesOf(const TJorpGame& game) {
    std::vector<std::string> modes;
    for (i16 i = 0; i < game.GetModeCount(); ++i)
        modes.push_back(game.GetModeName(i));
    return modes;
}

using GameFile = ObjectFileFixture;

TEST_F(GameFile, ReadsOneXTwoZeroAndTwoThreeSortedAndRefusesTheRest) {
    const std::string v1 = Body1("casino", {"s4intro", "f1craps"});
    const std::string v2 = Body2("casino.pal", {"s4intro.m", "f1craps.m"});
    const struct {
        u16 Major, Minor;
        const std::string& Body;
        bool Loads;
    } cases[] = {
        {1, 0, v1, true},  {1, 7, v1, true},  {2, 0, v2, true},
        {2, 3, v2, true},  {2, 1, v2, false}, {2, 2, v2, false},
        {2, 4, v2, false}, {3, 0, v2, false}, {0, 9, v1, false},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "game" + std::to_string(n++);
        const std::string bytes = Header("GAME", c.Major, c.Minor) + c.Body;
        Cd.WriteHostFile(name + ".g", bytes);
        TJorpGame game(name);
        const std::string what = std::to_string(c.Major) + "." + std::to_string(c.Minor);
        EXPECT_EQ(game.HasFlags(JOF_LOADED), c.Loads) << what;
        EXPECT_EQ(game.GetBytesRead(), c.Loads ? static_cast<i32>(bytes.size()) : -1) << what;
        EXPECT_EQ(game.GetPaletteName(), c.Loads ? "casino.pal" : "") << what;
        const std::vector<std::string> modes =
            c.Loads ? std::vector<std::string>{"f1craps.m", "s4intro.m"}
                    : std::vector<std::string>{};
        EXPECT_EQ(ModesOf(game), modes) << what;
    }
}

TEST_F(GameFile, LookupsAreCaseSensitiveAndSafeOutsideTheList) {
    Cd.WriteHostFile("look.g", Header("GAME", 2, 3) +
                                   Body2("p.pal", {"s4intro.m", "f1craps.m", "f1craps.m"}));
    TJorpGame game("look");
    ASSERT_EQ(game.GetModeCount(), 3);
    EXPECT_EQ(game.GetModeIndex("s4intro.m"), 2);
    EXPECT_EQ(game.GetModeIndex("F1CRAPS.M"), -1);
    EXPECT_EQ(game.GetModeName(-1) + game.GetModeName(3), "");
    // The first of two equal names goes; the second keeps the number after it.
    EXPECT_TRUE(game.RemoveMode("f1craps.m"));
    EXPECT_EQ(ModesOf(game), (std::vector<std::string>{"f1craps.m", "s4intro.m"}));
    EXPECT_FALSE(game.RemoveMode("nothing.m"));

    // A nameless game asks for no file.
    TMessageBoxRecorder boxes;
    TJorpGame unnamed("");
    EXPECT_EQ(unnamed.GetModeCount(), 0);
    EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(GameFile, WritesTwoThreeByteExactAndUpgradesOneX) {
    const std::string v23 = Header("GAME", 2, 3) + Body2("casino.pal", {"f1craps.m", "s4intro.m"});
    const std::string v10 = Header("GAME", 1, 0) + Body1("casino", {"s4intro", "f1craps"});
    const std::string unsorted =
        Header("GAME", 2, 3) + Body2("casino.pal", {"s4intro.m", "f1craps.m"});
    const struct {
        const char* Name;
        std::string Bytes;
    } cases[] = {{"v23", v23}, {"v10", v10}, {"unsort", unsorted}};
    for (const auto& c : cases) {
        Cd.WriteHostFile(std::string(c.Name) + ".g", c.Bytes);
        TJorpGame game(c.Name);
        ASSERT_TRUE(game.HasFlags(JOF_LOADED)) << c.Name;
        game.SetFileName(std::string("out") + c.Name);
        ASSERT_TRUE(game.Save(nullptr)) << c.Name;
        // Every written file is the sorted 2.3 form with the extensions on the names.
        EXPECT_EQ(Cd.ReadHostFile(std::string("out") + c.Name + ".g"), v23) << c.Name;
    }
}

TEST_F(GameFile, EveryTruncationFailsAndLeavesNoPartOfTheList) {
    const struct {
        const char* What;
        std::string Bytes;
    } files[] = {
        {"2.3", Header("GAME", 2, 3) + Body2("casino.pal", {"s4intro.m", "f1craps.m", "a.m"})},
        {"1.0", Header("GAME", 1, 0) + Body1("casino", {"s4intro", "f1craps", "a"})},
    };
    int n = 0;
    for (const auto& f : files)
        for (size_t cut = 0; cut < f.Bytes.size(); ++cut) {
            const std::string name = "cut" + std::to_string(n++);
            Cd.WriteHostFile(name + ".g", f.Bytes.substr(0, cut));
            TJorpGame game(name);
            EXPECT_FALSE(game.HasFlags(JOF_LOADED)) << f.What << " " << cut;
            EXPECT_EQ(game.GetBytesRead(), -1) << f.What << " " << cut;
            EXPECT_TRUE(game.GetPaletteName().empty() && game.GetModeCount() == 0) << f.What << cut;
        }
}

TEST_F(GameFile, HostileCountsAndNamesFailCleanly) {
    std::string many;
    for (int i = 0; i < 0x8000; ++i)
        many += Str("m" + std::to_string(i) + ".m");
    // The header and the palette's name, before the mode count.
    const std::string head = Header("GAME", 2, 3) + Str("p.pal");
    const struct {
        const char* What;
        std::string Bytes;
        bool Loads;
    } cases[] = {
        {"count past the names", head + Le16(5) + Str("a.m"), false},
        {"largest count", head + Le16(0xFFFF) + Str("a.m"), false},
        {"more modes than can be numbered", head + Le16(0x8000) + many, false},
        {"as many as can be numbered", head + Le16(0x7FFF) + many, true},
        {"zero-length name", head + Le16(1) + Le16(0), false},
        {"name length past the end", head + Le16(1) + Le16(40) + "ab", false},
        {"no modes at all", head + Le16(0), true},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "bad" + std::to_string(n++);
        Cd.WriteHostFile(name + ".g", c.Bytes);
        TJorpGame game(name);
        EXPECT_EQ(game.HasFlags(JOF_LOADED), c.Loads) << c.What;
        if (!c.Loads) {
            EXPECT_EQ(game.GetModeCount(), 0) << c.What;
        }
    }
}

} // namespace
