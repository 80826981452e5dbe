// The run kept under another name while the game runs: another program's version arriving in the
// save's place is left there and the run goes on in its kept file; the run back in its own place
// says which file is its own now; and a run saved nowhere says every way to make room.
#include "KeptRunFixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;

using KeptRunBack = KeptRunFixture;

// The save's folder full or read-only, the run already saved in the player's folder; then another
// program puts another version in the save's place. That version is left as it stands, the run
// goes on in its kept file, told once; a quit signal's end saves the play since there.
TEST_F(KeptRunBack, AnotherVersionArrivingWhileTheRunIsKeptOutsideIsLeftAndTheRunGoesOn) {
    const std::string save = Host("data/otcraps.sav");
    for (const int refused : {ENOSPC, EROFS}) {
        SCOPED_TRACE(refused);
        PlayAgain();
        Refusing.Error = refused;
        EXPECT_TRUE(SavePoint(777.0));
        ASSERT_EQ(Frame.Boxes.size(), 1U);
        std::string other = ReadFileBytes(Player.Path / "data/otcraps.sav");
        TCasinoPlayerData ann = Decoded(other.substr(231 + CasinoRecordSize, CasinoRecordSize));
        ann.SetBankroll(9999.0);
        other.replace(231 + CasinoRecordSize, CasinoRecordSize, Encoded(ann));
        std::ofstream(Player.Path / "data/otcraps.sav", std::ios::binary) << other;

        EXPECT_TRUE(SavePoint(778.0));
        const std::string what = std::string("was changed by another program since the game last "
                                             "read or wrote it, and cannot be set aside (") +
                                 std::strerror(refused) + ")";
        EXPECT_EQ(Said, "otcraps: the save's place cannot take the run: " + save + " " + what +
                            "; that version is left as it is, and the gamblers of this run are "
                            "saved instead as " +
                            Host("otcraps.bad") + "\n");
        ASSERT_EQ(Frame.Boxes.size(), 2U);
        EXPECT_EQ(Frame.Boxes[1],
                  "Save File Changed by Another Program\n" + save + "\n" + what +
                      ".\nThat version is left as it is, and the gamblers of this run are saved "
                      "instead as\n" +
                      Host("otcraps.bad") +
                      "\nPut that file in the save's place as otcraps.sav to play them at the "
                      "next start.");
        EXPECT_EQ(JoeIn("otcraps.bad"), 778.0);

        EXPECT_TRUE(SavePoint(779.0));
        Joe().SetBankroll(780.0);
        {
            const TQuitSignalled quit;
            End();
        }
        EXPECT_EQ(Said, "");
        EXPECT_EQ(Frame.Boxes.size(), 2U);
        EXPECT_EQ(JoeIn("otcraps.bad"), 780.0);
        EXPECT_TRUE(ReadFileBytes(Player.Path / "data/otcraps.sav") == other);
        EXPECT_FALSE(fs::exists(Player.Path / "otcraps.b01"));
        EXPECT_EQ(SavedAs(), "c:\\otcraps.bad");
    }
}

// Kept under another name because the save's place could not take it (its folder full with the
// save standing or gone, the save unreadable), the run goes back to its place once it can: the
// box names the save as the run's file from now on and the kept file as falling behind, the
// settings no longer point at it, and the next start says nothing of it.
TEST_F(KeptRunBack, TheRunBackInItsPlaceSaysWhichFileIsItsOwn) {
    const std::string save = Host("data/otcraps.sav");
    const auto behind = [](const std::string& kept) {
        return "\n" + kept +
               "\nwhere they were saved until now, is left as it is and will fall behind: play "
               "them from the save file at the next start.";
    };
    const struct {
        const char* What;
        std::function<void()> Refuse;
        std::function<void()> Allow;
        const char* Kept;
        std::string Box;
    } cases[] = {
        {"the save standing in a full folder", [&] { Refusing.Error = ENOSPC; },
         [&] { Refusing.Error = 0; }, "otcraps.bad",
         "Save File Written in Its Place\n" + save +
             "\ncan be written again, and the gamblers of this run are saved in it from now on." +
             behind(Host("otcraps.bad"))},
        {"the save gone from a full folder",
         [&] {
             fs::remove(Player.Path / "data/otcraps.sav");
             Refusing.Error = ENOSPC;
         },
         [&] { Refusing.Error = 0; }, "otcraps.bad",
         "Save File Written Again\n" + save +
             "\nhad been removed while the game ran.\nIt is written again with the gamblers of "
             "this run." +
             behind(Host("otcraps.bad"))},
        {"the save unreadable",
         [&] {
             Refusing.BadPath = "c:\\data\\otcraps.sav";
             Refusing.OpenError = EACCES;
         },
         [&] { Refusing.BadPath.clear(); }, "data/otcraps.bad",
         "Save File Written in Its Place\n" + save +
             "\ncan be written again, and the gamblers of this run are saved in it from now on." +
             behind(Host("data/otcraps.bad"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        PlayAgain();
        c.Refuse();
        EXPECT_TRUE(SavePoint(888.0));
        ASSERT_EQ(Frame.Boxes.size(), 1U) << Said;
        EXPECT_EQ(SavedAs(),
                  std::string("c:\\") + (c.Kept[0] == 'd' ? "data\\otcraps.bad" : "otcraps.bad"));
        c.Allow();
        EXPECT_TRUE(SavePoint(999.0));
        ASSERT_EQ(Frame.Boxes.size(), 2U) << Said;
        EXPECT_EQ(Frame.Boxes[1], c.Box);
        EXPECT_EQ(JoeIn("data/otcraps.sav"), 999.0);
        EXPECT_EQ(JoeIn(c.Kept), 888.0);
        EXPECT_EQ(SavedAs(), "");

        EXPECT_TRUE(SavePoint(1000.0));
        End();
        EXPECT_EQ(Frame.Boxes.size(), 2U);
        Start();
        EXPECT_EQ(Frame.Boxes.size(), 2U);
        EXPECT_EQ(Joe().GetBankroll(), 1000.0);
    }
}

// The save gone, its folder full and every kept name in the player's folder taken: the run is
// saved nowhere, and the player is told that moving kept files away would serve as well.
TEST_F(KeptRunBack, ARunSavedNowhereForEveryKeptNameTakenSaysToMoveSomeAway) {
    Play();
    std::ofstream(Player.Path / "otcraps.bad") << "";
    for (int n = 1; n <= 99; ++n)
        std::ofstream(Player.Path /
                      ("otcraps.b" + std::string(n < 10 ? "0" : "") + std::to_string(n)))
            << "";
    fs::remove(Player.Path / "data/otcraps.sav");
    Refusing.Error = ENOSPC;
    EXPECT_FALSE(SavePoint(777.0));
    EXPECT_EQ(Frame.Boxes,
              Texts{"Write Save File Failed\n" + Host("data/otcraps.sav") +
                    "\nis gone, and it cannot be written again (No space left on device).\nThe "
                    "gamblers of this run are saved nowhere yet: free some space on the disk, or "
                    "move some of otcraps.bad and otcraps.b01 to otcraps.b99 in " +
                    Player.Path.string() +
                    " elsewhere, so that the game can save them; it tries again at the next save "
                    "point and when the game ends."});
    Refusing.Error = 0;
}

} // namespace
