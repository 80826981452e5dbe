// The gambler file damaged on the disk: cut short (its whole gamblers carried over) or with a bit
// flipped anywhere, or barred to the player; each kept aside or left as it is, told once, and
// the game starts. Also the record seed of the casino record fuzz target.
#include "DamagedSaveFixture.h"

#include "casino/GamblerRecord.h"
#include "platform/host/Clock.h"
#include "platform/host/RuntimeRandom.h"
#include "support/FuzzSeed.h"
#include "support/LoadedSave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <limits>
#include <set>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace damaged_save;

TEST_F(DamagedSave, ACutFileIsKeptAsideWholeAndEveryGamblerWholeInItCarriedIntoTheFreshOne) {
    // Twelve gamblers who have each played a session, so that no two records are alike.
    Make();
    for (int n = 1; n < 12; ++n)
        ASSERT_TRUE(Mgr->CreatePlayer("G" + std::to_string(n), 1, 100.0 * n));
    for (i16 r = 1; r < 12; ++r) {
        ASSERT_TRUE(Mgr->LoadDataBlock(r));
        TGamblerRecord(std::span(Mgr->GetDataBlock(r), CasinoRecordSize))
            .Edit([r](TCasinoPlayerData& data) {
                data.BeginSession(1, TMoney(1.0));
                data.SetBankroll(data.GetBankroll() + r);
                data.EndSession();
            });
        ASSERT_TRUE(Mgr->WriteDataBlock(r));
        Mgr->FreeDataBlock(r);
    }
    SeatNames("", "");
    const std::string good = File();
    Frame.Boxes.clear();

    Settings.WriteInt("System", "PrevRun", 1);
    // At the edges of the records, then at seeded lengths up to past the twelfth.
    std::vector<size_t> lengths = {0,
                                   230,
                                   231 + 5,
                                   231 + CasinoRecordSize - 1,
                                   231 + CasinoRecordSize,
                                   231 + 12 * CasinoRecordSize,
                                   good.size() - 1};
    TLcgRandom random;
    random.Seed(7);
    for (int n = 0; n < 10; ++n)
        lengths.push_back(static_cast<size_t>(random.Next()) % (231 + 13 * CasinoRecordSize));
    std::set<size_t> counts;
    for (const size_t length : lengths) {
        SCOPED_TRACE(length);
        const std::string cut = good.substr(0, length);
        const size_t whole =
            length < 231 ? 0 : std::min<size_t>((length - 231) / CasinoRecordSize, 12);
        counts.insert(whole);
        SeatNames("", "");
        std::filesystem::remove(Dir.Host("data/otcraps.bad"));
        Dir.WriteHostFile("data/otcraps.sav", cut);
        Frame.Boxes.clear();
        Make();
        const std::string told = whole == 0 ? "No gambler could be recovered from it."
                                 : whole == 1
                                     ? "1 gambler was recovered from it."
                                     : std::to_string(whole) + " gamblers were recovered from it.";
        // The gambler the cut goes through is named where his name is still there whole.
        const size_t cutRecordAt = 231 + whole * CasinoRecordSize;
        // Where only his mark is left, he is told without it.
        const std::string leftOut =
            whole >= 12 || length <= cutRecordAt ? ""
            : length < cutRecordAt + 14
                ? "\nLeft out as damaged: " + std::string(Nameless) + "."
                : "\nLeft out as damaged: " +
                      Told(whole == 0 ? std::string("Joe Gambler") : "G" + std::to_string(whole)) +
                      ".";
        EXPECT_EQ(Frame.Boxes,
                  (Texts{KeptAside + "\n" + told + leftOut, "Creating New Save File"}));
        EXPECT_EQ(File("otcraps.bad"), cut);
        ASSERT_EQ(File().size(), good.size());
        // Each gambler carried over has every byte he had, where he had it.
        for (i16 r = 0; r < static_cast<i16>(whole); ++r)
            EXPECT_TRUE(RecordOnDisk(r) ==
                        good.substr(231 + CasinoRecordSize * r, CasinoRecordSize))
                << r;
        for (i16 r = static_cast<i16>(whole); r < 20; ++r)
            EXPECT_FALSE(r > 0 && Mgr->IsUsed(r)) << r;
        // Without Joe among them, a fresh Joe sits down.
        EXPECT_EQ(Mgr->CountUsed(), std::max<size_t>(whole, 1));
        EXPECT_EQ(Mgr->GetBankroll(0),
                  whole == 0 ? 500.0 : Decoded(good.substr(231, CasinoRecordSize)).GetBankroll());
        ExpectStartedAndSaving("cut");
    }
    // The seeded cuts carried different numbers of them.
    EXPECT_GT(counts.size(), 6U);
}

// Every place holds a gambler, the last one ending where the file ends: the file is sound.
TEST_F(DamagedSave, ASaveWithEveryPlaceUsedReopensAsItStands) {
    Make();
    for (int n = 1; n < 20; ++n)
        ASSERT_TRUE(Mgr->CreatePlayer("G" + std::to_string(n), n % 2, 10.0 * n));
    ASSERT_FALSE(Mgr->HasFreeRecord());
    SeatNames("", "");
    const std::string full = File();
    Frame.Boxes.clear();
    Make();
    EXPECT_EQ(Frame.Boxes, Texts{});
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.bad")));
    EXPECT_EQ(Mgr->CountUsed(), 20);
    EXPECT_EQ(Mgr->GetPlayerName(19), "G19");
    EXPECT_EQ(Mgr->GetBankroll(19), 190.0);
    ExpectStartedAndSaving("full");
    Mgr.reset();
    EXPECT_EQ(File(), full);
}

// A file whose records are not as the game writes them: shifted by a byte, so that the records
// after the shift lie whole a byte early or late and come back from there, or of the right size
// with an amount, a name, a sex, a used mark or a session slot no play leaves. Only whole
// gamblers come back, the count told is theirs, those left out are named where their names can
// be read, and the file is kept aside as it was.
TEST_F(DamagedSave, OnlyRecordsSaneInEveryJudgedFieldComeBack) {
    const std::string good = GoodFile();
    const size_t ann = 231 + CasinoRecordSize, bob = ann + CasinoRecordSize;
    const auto with = [&good](size_t at, const std::string& bytes) {
        return good.substr(0, at) + bytes + good.substr(at + bytes.size());
    };
    const auto amount = [&with](size_t at, double value) {
        std::string bytes(8, '\0');
        JorpPutF64(reinterpret_cast<u8*>(bytes.data()), value);
        return with(at, bytes);
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* What;
        std::string Bytes;
        std::vector<std::string> Back;
        const char* LeftOut;
    } cases[] = {
        // The records in their places read as Bob and the free places turned into records
        // whose used mark is no 1, or whose name is no text: Bob lies whole a byte later.
        {"a byte put into Ann's name field",
         good.substr(0, ann + 5) + "X" + good.substr(ann + 5),
         {"Joe Gambler", "Bob"},
         "Ann"},
        // Read in her place, Ann would start with $6,553,600: she could as well be a gambler
        // with the byte put in one earlier.
        {"a byte put in at the top of Ann's starting bankroll",
         good.substr(0, ann + 30) + "A" + good.substr(ann + 30),
         {"Joe Gambler", "Bob"},
         "Ann"},
        // Bob's engine fields are as written, but the history after the byte is his no more.
        {"a byte taken from Bob's history",
         good.substr(0, bob + 5000) + good.substr(bob + 5001),
         {"Joe Gambler", "Ann"},
         "Bob"},
        {"Ann's bankroll no number", amount(ann + 15, nan), {"Joe Gambler", "Bob"}, "Ann"},
        {"Ann's bankroll infinite", amount(ann + 15, inf), {"Joe Gambler", "Bob"}, "Ann"},
        {"Ann's starting bankroll negative",
         amount(ann + 23, -0.01),
         {"Joe Gambler", "Bob"},
         "Ann"},
        {"Bob's bankroll a trillion", amount(bob + 15, 1e12), {"Joe Gambler", "Ann"}, "Bob"},
        // Nearer zero than any sum of the game's amounts comes: other fields' bytes.
        {"Ann's bankroll the least double",
         amount(ann + 15, std::numeric_limits<double>::denorm_min()),
         {"Joe Gambler", "Bob"},
         "Ann"},
        {"Bob's starting bankroll 1e-300", amount(bob + 23, 1e-300), {"Joe Gambler", "Ann"}, "Bob"},
        {"Ann's bankroll just below the least a sum leaves",
         amount(ann + 15, -9.9e-19),
         {"Joe Gambler", "Bob"},
         "Ann"},
        // The writer clears the name field before the name goes in.
        {"a byte after the NUL of Ann's name", with(ann + 6, "Q"), {"Joe Gambler", "Bob"}, "Ann"},
        {"Bob's sex 2", with(bob + 14, "\2"), {"Joe Gambler", "Ann"}, "Bob"},
        {"Bob's session slot outside the ring",
         with(bob + 48, std::string("\x14\0", 2)),
         {"Joe Gambler", "Ann"},
         "Bob"},
        {"Bob's session slot negative", with(bob + 48, "\xff\xff"), {"Joe Gambler", "Ann"}, "Bob"},
        // No name to give: she is told all the same.
        {"Ann's name filling its field",
         with(ann + 1, std::string(13, 'A')),
         {"Joe Gambler", "Bob"},
         Nameless},
        {"Ann's name with a control character",
         with(ann + 1, "A\nn"),
         {"Joe Gambler", "Bob"},
         Nameless},
        {"Ann's name with DEL", with(ann + 1, "An\x7f"), {"Joe Gambler", "Bob"}, Nameless},
        // Only the mark went wrong: every other byte is Bob's as the game wrote him.
        {"Bob's used mark 2", with(bob, "\2"), {"Joe Gambler", "Ann", "Bob"}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        ASSERT_NE(c.Bytes, good);
        SeatNames("", "");
        std::filesystem::remove(Dir.Host("data/otcraps.bad"));
        Dir.WriteHostFile("data/otcraps.sav", c.Bytes);
        Frame.Boxes.clear();
        Make();
        const std::string back = c.Back.size() == 1 ? "1 gambler was recovered from it."
                                                    : std::to_string(c.Back.size()) +
                                                          " gamblers were recovered from it.";
        EXPECT_EQ(
            Frame.Boxes,
            Texts{KeptAside + "\n" + back +
                  (c.LeftOut != nullptr ? "\nLeft out as damaged: " + Told(c.LeftOut) + "." : "")});
        EXPECT_EQ(File("otcraps.bad"), c.Bytes);
        const size_t changedAt = static_cast<size_t>(
            std::mismatch(good.begin(), good.end(), c.Bytes.begin(), c.Bytes.end()).first -
            good.begin());
        std::vector<std::string> used;
        for (i16 r = 0; r < 20; ++r) {
            if (!Mgr->IsUsed(r))
                continue;
            used.push_back(Mgr->GetPlayerName(r));
            // Each carried with every byte the file had for him; one after the change, or
            // whose mark it was, lay whole as he was written.
            const size_t place = 231 + CasinoRecordSize * static_cast<size_t>(r);
            EXPECT_TRUE(RecordOnDisk(r) ==
                        (place < changedAt ? c.Bytes : good).substr(place, CasinoRecordSize))
                << r;
        }
        EXPECT_EQ(used, c.Back);
        ExpectStartedAndSaving(c.What);
    }

    // The largest amount that is still no trillion, what rounding leaves of nothing (as little
    // as 2^-59 from sums of amounts of a cent or more), and nothing at all, are sound.
    std::string sound = good;
    JorpPutF64(reinterpret_cast<u8*>(sound.data()) + ann + 15, 999'999'999'999.99);
    JorpPutF64(reinterpret_cast<u8*>(sound.data()) + ann + 23, std::ldexp(1.0, -59));
    JorpPutF64(reinterpret_cast<u8*>(sound.data()) + bob + 15, 0.3 - 0.1 - 0.2);
    JorpPutF64(reinterpret_cast<u8*>(sound.data()) + 231 + 15, 0.0);
    SeatNames("", "");
    Dir.WriteHostFile("data/otcraps.sav", sound);
    Frame.Boxes.clear();
    Make();
    EXPECT_TRUE(Frame.Boxes.empty());
    EXPECT_EQ(Mgr->GetBankroll(1), 999'999'999'999.99);
    EXPECT_LT(Mgr->GetBankroll(2), 0.0);
    EXPECT_EQ(Mgr->GetBankroll(0), 0.0);
    EXPECT_EQ(Mgr->GetRecord(1).GetStartBankroll(), std::ldexp(1.0, -59));
    EXPECT_EQ(Mgr->CountUsed(), 3);
}

// The header's versions, a used mark, a free place (which holds the game's blank) and the judged
// fields of a used record tell a damaged file; these seeded flips leave every judged field sane,
// and whatever a flip made of any other byte of a gambler stays a gambler the game can seat and
// save.
TEST_F(DamagedSave, AFlippedBitIsKeptAsideWhereTheFileShowsItAndOtherwiseReadAsItStands) {
    const std::string good = GoodFile();
    TLcgRandom random;
    random.Seed(11);
    int keptAside = 0, read = 0;
    for (int n = 0; n < 30; ++n) {
        // Every tenth flip lands in the header.
        const size_t at = static_cast<size_t>(random.Next()) % (n % 10 == 0 ? 8 : good.size());
        std::string flipped = good;
        flipped[at] = static_cast<char>(flipped[at] ^ (1 << (random.Next() % 8)));
        SCOPED_TRACE(at);
        SeatNames("", "");
        std::filesystem::remove(Dir.Host("data/otcraps.bad"));
        Dir.WriteHostFile("data/otcraps.sav", flipped);
        Frame.Boxes.clear();
        Make();
        const size_t inPlaces = at < 231 ? 0 : at - 231;
        if (at >= 4 && at < 8) {
            ++keptAside;
            // A file of the save's size is the save whatever its versions say: the head is
            // damaged like any other byte, and every gambler comes back.
            EXPECT_EQ(Frame.Boxes, Texts{KeptAside + "\n3 gamblers were recovered from it."});
            EXPECT_EQ(File("otcraps.bad"), flipped);
            EXPECT_EQ(Mgr->CountUsed(), 3);
        } else if (at >= 231 &&
                   (inPlaces >= 3 * CasinoRecordSize || inPlaces % CasinoRecordSize == 0)) {
            ++keptAside;
            ASSERT_FALSE(Frame.Boxes.empty());
            EXPECT_EQ(Frame.Boxes[0].rfind(KeptAside + "\n", 0), 0U) << Frame.Boxes[0];
            EXPECT_EQ(File("otcraps.bad"), flipped);
            // Each of the three comes back as he was written, his mark whatever it became.
            for (i16 r = 0; r < 3; ++r)
                EXPECT_TRUE(RecordOnDisk(r) ==
                            good.substr(231 + CasinoRecordSize * r, CasinoRecordSize))
                    << r;
        } else {
            ++read;
            EXPECT_EQ(Frame.Boxes, Texts{});
            EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.bad")));
            // Nobody the file holds is lost; a flipped default gambler is made again.
            int used = 0;
            for (size_t r = 0; r < 20; ++r)
                used += flipped[231 + r * CasinoRecordSize] != 0;
            EXPECT_GE(Mgr->CountUsed(), used);
        }
        ExpectStartedAndSaving("flipped");
        Mgr.reset();
        ASSERT_EQ(File().size(), good.size());
    }
    EXPECT_GT(keptAside, 0);
    EXPECT_GT(read, 0);
}

// The run, played afresh, is saved beside it: the file may hold every gambler, and is never
// written over.
TEST_F(DamagedSave, AFileThePlayerMayNotReadIsToldOnceLeftAsItIsAndTheRunSavedBesideIt) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads a file whatever its permissions say";
    const std::string good = GoodFile();
    const std::filesystem::path save = Dir.Host("data/otcraps.sav");
    std::filesystem::permissions(save, std::filesystem::perms::none);
    Make();
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_NE(Frame.Boxes[0].find("cannot be read (Permission denied)"), std::string::npos);
    EXPECT_NE(Frame.Boxes[0].find("saved beside it as otcraps.bad"), std::string::npos);
    ASSERT_GE(Mgr->GetActive(0), 0);
    Mgr->Save();
    Mgr.reset();
    EXPECT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_EQ(File("otcraps.bad").size(), good.size());
    std::filesystem::permissions(save, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    EXPECT_EQ(File(), good);
}

// A file cut short, started where no file can be written: the damaged file stays whole under
// its name, its gamblers play from memory, told in one box with the file and the reason, and
// the next start recovers them again.
TEST_F(DamagedSave, ACutFileThatCannotBeReplacedStaysAndItsGamblersPlayFromMemory) {
    const std::string good = GoodFile();
    const std::string cut = good.substr(0, good.size() - 100);
    const std::string told = "Save File Corrupted\n<c:\\data\\otcraps.sav>\nis damaged, and the "
                             "file to replace it cannot be written (";
    const std::string recovered =
        "), so it stays where it was.\n3 gamblers were recovered from it, to be played from "
        "memory this run and recovered again at the next start.\n\nNothing will be saved "
        "until the game is started again.";
    for (const TFaultyHost::TStep step : {TFaultyHost::FailCreateTemp, TFaultyHost::FailWrite,
                                          TFaultyHost::FailMove, TFaultyHost::None}) {
        SCOPED_TRACE(step);
        SeatNames("", "");
        Dir.WriteHostFile("data/otcraps.sav", cut);
        Frame.Boxes.clear();
        testing::internal::CaptureStderr();
        // The system's own refusal where no fault is injected: a file may grow no larger.
        rlimit old{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = step == TFaultyHost::None ? 200 : old.rlim_cur;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        Host.Armed = step;
        Make();
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldSignal);
        const std::string reason =
            step == TFaultyHost::None ? "File too large" : "Input/output error";
        EXPECT_NE(testing::internal::GetCapturedStderr().find("otcraps.sav> cannot be written (" +
                                                              reason + ")"),
                  std::string::npos);
        EXPECT_EQ(Frame.Boxes, Texts{told + reason + recovered});
        EXPECT_TRUE(Mgr->IsSavingDisabled());
        EXPECT_EQ((Texts{Mgr->GetPlayerName(0), Mgr->GetPlayerName(1), Mgr->GetPlayerName(2)}),
                  (Texts{"Joe Gambler", "Ann", "Bob"}));
        EXPECT_EQ(Mgr->GetBankroll(2), 200.0);
        EXPECT_EQ(Mgr->CountUsed(), 3);
        ASSERT_GE(Mgr->GetActive(0), 0);
        EXPECT_TRUE(Mgr->CreatePlayer("Cy", 1, 50.0));
        Mgr->Save();
        Mgr.reset();
        EXPECT_EQ(Frame.Boxes.size(), 1U);
        EXPECT_EQ(File(), cut);
        EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.bad")));
        EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.tmp")));

        // Room again: the same three come back, and the damaged file is kept.
        Frame.Boxes.clear();
        Make();
        EXPECT_EQ(Frame.Boxes, Texts{KeptAside + "\n3 gamblers were recovered from it."});
        EXPECT_EQ(Mgr->CountUsed(), 3);
        EXPECT_EQ(Mgr->FindPlayer("Bob"), 2);
        EXPECT_EQ(File("otcraps.bad"), cut);
        EXPECT_EQ(File().size(), good.size());
        std::filesystem::remove(Dir.Host("data/otcraps.bad"));
    }
}

// One byte taken out of a save or put into it: every gambler comes back with every byte he was
// written with, or is left out and told, by his name (changed by the byte where it lies in it)
// or as one whose name cannot be read; nobody comes back who was not written. Judged in memory:
// some 170,000 files.

TEST_F(DamagedSaveSweep, EveryGamblerComesBackAsWrittenOrIsToldFromAnyByteTakenOutOrPutIn) {
    const std::string three = ThreeGamblers();
    const std::string alone = JoeAlone();
    std::vector<int> everyByte(257);
    for (int change = -1; change < 256; ++change)
        everyByte[static_cast<size_t>(change + 1)] = change;
    const struct {
        const char* What;
        const std::string& Written;
        std::vector<i16> Places;
        size_t Offsets;
        // -1 takes the byte out; any other value is put in before it.
        std::vector<int> Changes;
    } sweeps[] = {
        {"three gamblers", three, {0, 1, 2, 3, 19}, 50, everyByte},
        {"Joe alone", alone, {0, 1, 19}, 50, everyByte},
        {"Ann's whole record", three, {1}, CasinoRecordSize, {-1, 0x00, 0x01, 0x41, 0xFF}},
        // Place -1: the file's head, its versions among it.
        {"three gamblers' head", three, {-1}, 8, everyByte},
        {"Joe alone's head", alone, {-1}, 8, everyByte},
    };
    size_t files = 0;
    std::array<size_t, 5> leftOut{};
    for (const auto& sweep : sweeps) {
        const std::vector<u8> good(sweep.Written.begin(), sweep.Written.end());
        std::vector<std::string> names;
        for (i16 r = 0; r < 20 && good[231 + r * CasinoRecordSize] == 1; ++r)
            names.push_back(Decoded(sweep.Written.substr(231 + r * CasinoRecordSize)).GetName());
        ASSERT_EQ(names.size(), &sweep.Written == &three ? 3U : 1U) << sweep.What;
        // The file with a byte put in at one point, and with one taken out, each moved on
        // from the point before rather than made again.
        std::vector<u8> put, taken;
        size_t putAt = good.size(), takenAt = good.size();
        const auto moveTo = [&good](std::vector<u8>& file, size_t& point, size_t at, int in) {
            if (file.empty() || at < point) {
                file.assign(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(at));
                if (in > 0)
                    file.push_back(0);
                file.insert(file.end(), good.begin() + static_cast<std::ptrdiff_t>(at) + (in < 0),
                            good.end());
                point = at;
            }
            for (; point < at; ++point)
                file[point] = good[point];
        };
        for (const i16 place : sweep.Places) {
            for (size_t k = 0; k < sweep.Offsets; ++k) {
                const size_t at =
                    place < 0 ? k : 231 + static_cast<size_t>(place) * CasinoRecordSize + k;
                for (const int change : sweep.Changes) {
                    if (change < 0) {
                        moveTo(taken, takenAt, at, -1);
                    } else {
                        moveTo(put, putAt, at, 1);
                        put[at] = static_cast<u8>(change);
                    }
                    const std::vector<u8>& damaged = change < 0 ? taken : put;
                    ++files;
                    const auto what = [&] {
                        return std::string(sweep.What) + ": place " + std::to_string(place) +
                               " offset " + std::to_string(k) +
                               (change < 0 ? " taken out" : " put in " + std::to_string(change));
                    };
                    std::vector<bool> back(names.size(), false);
                    TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(*Mgr, damaged);
                    for (const TSaveRecordReader::TFoundRecord& found : recovery.Whole) {
                        const auto r = static_cast<size_t>(found.Record);
                        ASSERT_LT(r, names.size()) << what() << ": a gambler never written";
                        ASSERT_TRUE(found.Bytes.size() == CasinoRecordSize &&
                                    std::memcmp(found.Bytes.data(),
                                                good.data() + 231 + r * CasinoRecordSize,
                                                CasinoRecordSize) == 0)
                            << what() << ": " << names[r] << " altered";
                        back[r] = true;
                    }
                    // Each gambler not back is told: by his name, by his name with the byte
                    // changed in it, or among those whose names cannot be read.
                    std::vector<std::string> told = Names(recovery.LeftOut);
                    size_t nameless = 0;
                    if (!told.empty() && told.back().find(" whose name") != std::string::npos) {
                        nameless = static_cast<size_t>(std::stoul(told.back()));
                        told.pop_back();
                    }
                    for (size_t g = 0; g < names.size(); ++g) {
                        if (back[g])
                            continue;
                        ++leftOut[static_cast<size_t>(&sweep - sweeps)];
                        // The gambler the byte lies in, or the one before whose own last byte
                        // could as well be the byte put in or the mark taken out after him
                        // (or the byte put in after the mark, where it is the mark's value).
                        EXPECT_TRUE(static_cast<i16>(g) == place ||
                                    (k <= 1 && static_cast<i16>(g) + 1 == place))
                            << what() << ": " << names[g] << " left out";
                        auto named = std::find(told.begin(), told.end(), names[g]);
                        if (named == told.end() && static_cast<i16>(g) == place)
                            named = std::find_if(told.begin(), told.end(),
                                                 [&](const std::string& name) {
                                                     return OneByteApart(name, names[g]);
                                                 });
                        if (named != told.end())
                            told.erase(named);
                        else
                            ASSERT_GT(nameless--, 0U) << what() << ": " << names[g] << " not told";
                    }
                    // Nor is anybody told who was never written.
                    EXPECT_TRUE(told.empty() && nameless == 0)
                        << what() << ": " << (told.empty() ? "a nameless gambler" : told[0]);
                }
            }
        }
    }
    EXPECT_EQ(files, 5U * 50 * 257 + 3U * 50 * 257 + 5U * CasinoRecordSize + 2U * 8 * 257);
    // How many are left out, sweep by sweep: a record check that reads a byte its judged head
    // or tail does not lay in, or asks less of the game's own form, changes them.
    EXPECT_EQ(leftOut, (std::array<size_t, 5>{28483, 9597, 65899, 0, 0}));
}

// The damage reported by players, through the whole start: one byte at a free place brings
// back nobody who was never made, and every gambler left out is told in the box and on the
// error output.
TEST_F(DamagedSaveSweep, OneByteAtAFreePlaceOrInANameIsToldAsItIs) {
    const std::string three = ThreeGamblers();
    const std::string alone = JoeAlone();
    const size_t free1 = 231 + CasinoRecordSize, free3 = 231 + 3 * CasinoRecordSize;
    // Ann with an option byte the game never writes, which it reads as set.
    std::string odd = three;
    odd[231 + 2 * CasinoRecordSize - 2] = '\2';
    const size_t bobChips = 231 + 2 * CasinoRecordSize + 40;
    const struct {
        const char* What;
        const std::string& Written;
        std::string Bytes;
        Texts Back;
        const char* LeftOut;
    } cases[] = {
        // The mark taken out, the record before lends the place its last byte 1 as a mark; the
        // byte after the mark put in, the place reads a byte late. Either way it would read as
        // the game's blank marked used: nobody, and no point that makes somebody of it.
        {"the first free place's mark taken out of Joe's save",
         alone,
         alone.substr(0, free1) + alone.substr(free1 + 1),
         {"Joe Gambler"},
         nullptr},
        {"a byte 1 put in after the first free place's mark in Joe's save",
         alone,
         alone.substr(0, free1 + 1) + '\1' + alone.substr(free1 + 1),
         {"Joe Gambler"},
         nullptr},
        {"the fourth place's mark taken out of a save of three",
         three,
         three.substr(0, free3) + three.substr(free3 + 1),
         {"Joe Gambler", "Ann Seed", "Bob Decoy"},
         nullptr},
        // A control character put into Joe's name: only one point leaves him whole.
        {"a byte 7 put into Joe's name",
         three,
         three.substr(0, 232) + '\7' + three.substr(232),
         {"Joe Gambler", "Ann Seed", "Bob Decoy"},
         nullptr},
        {"a byte 7 put in after Joe's mark, and his name's first letter changed",
         three,
         three.substr(0, 232) + "\7X" + three.substr(234),
         {"Ann Seed", "Bob Decoy"},
         Nameless},
        // In Ann's chips: her history would read a byte off.
        {"a byte put into Ann's chips",
         three,
         three.substr(0, 13459) + 'A' + three.substr(13459),
         {"Joe Gambler", "Bob Decoy"},
         "Ann Seed"},
        // No point leaves Ann as the game writes her: she is taken as she is whole.
        {"a byte put into Bob's chips, Ann with an odd option",
         odd,
         odd.substr(0, bobChips) + 'A' + odd.substr(bobChips),
         {"Joe Gambler", "Ann Seed"},
         "Bob Decoy"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        SeatNames("", "");
        std::filesystem::remove(Dir.Host("data/otcraps.bad"));
        Dir.WriteHostFile("data/otcraps.sav", c.Bytes);
        Frame.Boxes.clear();
        testing::internal::CaptureStderr();
        Make();
        const std::string logged = testing::internal::GetCapturedStderr();
        const std::string back = c.Back.empty()       ? "No gambler could be recovered from it."
                                 : c.Back.size() == 1 ? "1 gambler was recovered from it."
                                                      : std::to_string(c.Back.size()) +
                                                            " gamblers were recovered from it.";
        const std::string leftOut =
            c.LeftOut != nullptr ? "\nLeft out as damaged: " + Told(c.LeftOut) + "." : "";
        ASSERT_FALSE(Frame.Boxes.empty());
        EXPECT_EQ(Frame.Boxes[0], KeptAside + "\n" + back + leftOut);
        const size_t told =
            logged.find(std::string("left out of the damaged save <c:\\data\\otcraps.sav>: ") +
                        (c.LeftOut != nullptr ? Told(c.LeftOut) : "") + "\n");
        EXPECT_EQ(told != std::string::npos, c.LeftOut != nullptr) << logged;
        EXPECT_EQ(File("otcraps.bad"), c.Bytes);
        // Each gambler carried is the one written, byte for byte; nobody else is there but a
        // fresh Joe where Joe was left out.
        Texts used;
        for (i16 r = 0; r < 20; ++r) {
            if (!Mgr->IsUsed(r))
                continue;
            used.push_back(Mgr->GetPlayerName(r));
            if (std::find(c.Back.begin(), c.Back.end(), used.back()) != c.Back.end()) {
                EXPECT_EQ(RecordOnDisk(r),
                          c.Written.substr(231 + CasinoRecordSize * static_cast<size_t>(r),
                                           CasinoRecordSize))
                    << used.back();
            }
        }
        Texts expected = c.Back;
        if (std::find(expected.begin(), expected.end(), "Joe Gambler") == expected.end())
            expected.insert(expected.begin(), "Joe Gambler");
        EXPECT_EQ(used, expected);
        ExpectStartedAndSaving(c.What);
    }
}

// A damaged file's readings are judged on their judged head and tail alone, laid into an
// otherwise empty record: the record checks must read no other byte. Each other byte set to
// each of three values leaves every verdict as it was, for a gambler whole and for one whose
// slot or spare bytes are not as the game writes them.
TEST_F(DamagedSaveSweep, TheRecordChecksReadNoByteOutsideTheJudgedHeadAndTail) {
    const std::string three = ThreeGamblers();
    const size_t head = Mgr->GetJudgedSize(), tail = Mgr->GetJudgedTail();
    ASSERT_LT(head, CasinoRecordSize - tail);
    std::vector<std::vector<u8>> records;
    for (const size_t at : {size_t{231}, size_t{231 + CasinoRecordSize}}) {
        records.emplace_back(three.begin() + static_cast<std::ptrdiff_t>(at),
                             three.begin() + static_cast<std::ptrdiff_t>(at + CasinoRecordSize));
    }
    records.push_back(records[1]);
    records.back()[head - 1] = 0x7F;
    records.push_back(records[1]);
    records.back()[CasinoRecordSize - tail] = 1;
    const auto verdicts = [&](const std::vector<u8>& record) {
        return std::array<bool, 4>{
            Mgr->IsWholeRecord(record.data(), CasinoRecordSize),
            Mgr->IsWrittenRecord(record.data(), CasinoRecordSize),
            Mgr->CouldBeWholeRecord(record.data(), CasinoRecordSize, {1, 3}),
            Mgr->CouldBeWrittenRecord(record.data(), CasinoRecordSize, {head - 2, head})};
    };
    ASSERT_EQ(verdicts(records[1]), (std::array<bool, 4>{true, true, true, true}));
    ASSERT_EQ(verdicts(records[2])[0], false);
    ASSERT_EQ(verdicts(records[3]), (std::array<bool, 4>{true, false, true, false}));
    size_t changed = 0;
    for (std::vector<u8>& record : records) {
        const std::array<bool, 4> expected = verdicts(record);
        for (size_t i = head; i < CasinoRecordSize - tail; ++i) {
            const u8 kept = record[i];
            for (const u8 value : {u8{0x00}, u8{0x01}, u8{0xFF}}) {
                record[i] = value;
                changed += verdicts(record) != expected;
            }
            record[i] = kept;
        }
    }
    EXPECT_EQ(changed, 0U);
}

// A record whose bytes a file lost could be whole exactly when some values of them make it so:
// held against every value of one lost byte anywhere in the judged head and tail, and of two in
// the amounts, the slot and the name, each over a record whole and ones that are not.
TEST_F(DamagedSaveSweep, LostBytesCouldBeWhateverMakesTheRecordWhole) {
    const std::string three = ThreeGamblers();
    const size_t head = Mgr->GetJudgedSize(), tail = Mgr->GetJudgedTail();
    const std::vector<u8> ann(three.begin() + static_cast<std::ptrdiff_t>(231 + CasinoRecordSize),
                              three.begin() +
                                  static_cast<std::ptrdiff_t>(231 + 2 * CasinoRecordSize));
    std::vector<std::vector<u8>> records = {ann, ann, ann, ann, ann, ann, ann};
    // A bankroll nearer zero than any sum, a name with a control character, an option of 2,
    // a bankroll of 2^-63 (its exponent's low bits in the byte below its top one), a session
    // slot of 48, and a bankroll of 1.125 * 2^-60, just short of the least a sum leaves: only
    // the most its lost mantissa byte can add brings it there.
    std::fill_n(records[1].begin() + 16, 5, u8{0x11});
    records[1][22] = 0x00;
    records[2][4] = 0x07;
    records[3][CasinoRecordSize - 1] = 2;
    records[4][21] = 0x00;
    records[4][22] = 0x3C;
    records[5][head - 2] = 48;
    std::fill_n(records[6].begin() + 15, 6, u8{0});
    records[6][21] = 0x32;
    records[6][22] = 0x3C;
    const auto couldBe = [&](std::vector<u8>& record, size_t from, size_t to) {
        // Every value of the lost bytes, tried.
        const std::vector<u8> kept(record.begin() + static_cast<std::ptrdiff_t>(from),
                                   record.begin() + static_cast<std::ptrdiff_t>(to));
        bool whole = false;
        for (u32 values = 0; !whole && values < (1U << (8 * (to - from))); ++values) {
            for (size_t i = from; i < to; ++i)
                record[i] = static_cast<u8>(values >> (8 * (i - from)));
            whole = Mgr->IsWrittenRecord(record.data(), CasinoRecordSize);
        }
        std::copy(kept.begin(), kept.end(), record.begin() + static_cast<std::ptrdiff_t>(from));
        return whole;
    };
    std::vector<std::pair<size_t, size_t>> lost;
    for (size_t i = 0; i < CasinoRecordSize; i = i + 1 == head ? CasinoRecordSize - tail : i + 1)
        lost.emplace_back(i, i + 1);
    for (const size_t at : {size_t{1}, size_t{5}, size_t{20}, size_t{21}, size_t{29}, head - 2})
        lost.emplace_back(at, at + 2);
    std::vector<std::vector<std::pair<size_t, size_t>>> whole(records.size());
    for (size_t r = 0; r < records.size(); ++r) {
        for (const auto& [from, to] : lost) {
            const bool expected = couldBe(records[r], from, to);
            if (expected)
                whole[r].emplace_back(from, to);
            EXPECT_EQ(Mgr->CouldBeWrittenRecord(records[r].data(), CasinoRecordSize, {from, to}),
                      expected)
                << "record " << r << ", bytes " << from << " to " << to << " lost";
        }
    }
    // Ann whole whatever she lost; the others only where what they lost holds their fault.
    EXPECT_EQ(whole[0], lost);
    using Lost = std::vector<std::pair<size_t, size_t>>;
    EXPECT_EQ(whole[1], (Lost{{22, 23}, {21, 23}}));
    EXPECT_EQ(whole[2], (Lost{{4, 5}}));
    EXPECT_EQ(whole[3], (Lost{{CasinoRecordSize - 1, CasinoRecordSize}}));
    EXPECT_EQ(whole[4], (Lost{{21, 22}, {22, 23}, {20, 22}, {21, 23}}));
    EXPECT_EQ(whole[5], (Lost{{head - 2, head - 1}, {head - 2, head}}));
    EXPECT_EQ(whole[6], (Lost{{20, 21}, {21, 22}, {22, 23}, {20, 22}, {21, 23}}));
}

// A mark is 0 or 1 and a free place holds the game's blank: a place that is neither is damage.
// Each gambler whose mark alone went wrong comes back as he was written; one whose other bytes
// went too is told; nobody else is touched.
TEST_F(DamagedSaveSweep, APlaceDamagedInPlaceBringsItsGamblerBackOrTellsHim) {
    const std::string three = ThreeGamblers();
    const std::vector<u8> good(three.begin(), three.end());
    struct TCase {
        std::string What;
        std::vector<u8> Bytes;
        std::vector<i16> Back;
        Texts LeftOut;
    };
    std::vector<TCase> cases;
    for (i16 g = 0; g < 3; ++g) {
        const auto mark = static_cast<std::ptrdiff_t>(231 + CasinoRecordSize * g);
        const std::string who = "gambler " + std::to_string(g);
        for (int value = 0; value < 256; ++value) {
            if (value == 1)
                continue;
            std::vector<u8> bytes = good;
            bytes[static_cast<size_t>(mark)] = static_cast<u8>(value);
            cases.push_back({who + "'s mark " + std::to_string(value), bytes, {0, 1, 2}, {}});
        }
        // A lost disk block: the head of the record reads 0, his name with it. Joe has played;
        // Ann and Bob never did, and what is left of them is the blank's: nothing tells them from
        // a free place whose head a lost write zeroed, and a free place tells nobody.
        std::vector<u8> zeroed = good;
        std::fill_n(zeroed.begin() + mark, 512, u8{0});
        std::vector<i16> others;
        for (i16 r = 0; r < 3; ++r)
            if (r != g)
                others.push_back(r);
        cases.push_back({who + "'s first 512 bytes zeroed", zeroed, others,
                         g == 0 ? Texts{Nameless} : Texts{}});
        // Taken with the first letter of his name, the mark leaves none to tell him by.
        std::vector<u8> twoOut = good;
        twoOut.erase(twoOut.begin() + mark, twoOut.begin() + mark + 2);
        cases.push_back({"two bytes out at " + who + "'s mark", twoOut, others, {Nameless}});
    }
    ASSERT_EQ(cases.size(), 3U * 257);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_FALSE(Mgr->HoldsOnlyWholeRecords(c.Bytes));
        const TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(*Mgr, c.Bytes);
        std::vector<i16> back;
        for (const TSaveRecordReader::TFoundRecord& found : recovery.Whole) {
            back.push_back(found.Record);
            const size_t place = 231 + CasinoRecordSize * static_cast<size_t>(found.Record);
            EXPECT_TRUE(found.Bytes.size() == CasinoRecordSize &&
                        std::equal(found.Bytes.begin(), found.Bytes.end(), good.begin() + place))
                << found.Record;
        }
        EXPECT_EQ(back, c.Back);
        EXPECT_EQ(recovery.LeftOut, c.LeftOut);
    }
}

// Through the start: the box and the error output name each gambler left out, in quotes, the
// error output with any byte that is no text written out; the nameless are counted, "more" only
// after somebody named.
TEST_F(DamagedSaveSweep, EveryGamblerLeftOutIsToldInTheBoxAndOnTheErrorOutput) {
    const std::string three = ThreeGamblers();
    const size_t joe = 231, ann = joe + CasinoRecordSize, bob = ann + CasinoRecordSize;
    const size_t free3 = bob + CasinoRecordSize;
    const auto with = [&three](std::vector<std::pair<size_t, std::string>> changes) {
        std::string bytes = three;
        for (const auto& [at, text] : changes)
            bytes.replace(at, text.size(), text);
        return bytes;
    };
    const std::string none(13, '\0');
    const struct {
        const char* What;
        std::string Bytes;
        Texts Back;
        // What the box says after the count; what the error output says, empty when nothing.
        std::string Box;
        std::string Logged;
    } cases[] = {
        {"Joe's mark 0",
         with({{joe, std::string(1, '\0')}}),
         {"Joe Gambler", "Ann Seed", "Bob Decoy"},
         "",
         ""},
        {"a free place's mark 2",
         with({{free3, "\2"}}),
         {"Joe Gambler", "Ann Seed", "Bob Decoy"},
         "",
         ""},
        // No other byte of a free place is ever written, and no gambler has the blank's face:
        // the place is a free place damaged, and nobody was there.
        {"a free place's bankroll changed",
         with({{free3 + 20, "\x41"}}),
         {"Joe Gambler", "Ann Seed", "Bob Decoy"},
         "",
         ""},
        // The game writes only letters, digits and blanks between words in a name.
        {"Bob's name's first letter a byte the game never writes",
         with({{bob + 1, "\xb0"}}),
         {"Joe Gambler", "Ann Seed"},
         "\nLeft out as damaged: \"\xb0ob Decoy\".",
         ": \"<0xB0>ob Decoy\"\n"},
        {"Ann's name all zeros",
         with({{ann + 1, none}}),
         {"Joe Gambler", "Bob Decoy"},
         "\nLeft out as damaged: 1 gambler whose name cannot be read.",
         ": 1 gambler whose name cannot be read\n"},
        {"Ann's and Bob's names each with a control byte",
         with({{ann + 2, "\t"}, {bob + 3, "\x1b"}}),
         {"Joe Gambler"},
         "\nLeft out as damaged: 2 gamblers whose names cannot be read.",
         ": 2 gamblers whose names cannot be read\n"},
        {"Ann's and Bob's sex 2",
         with({{ann + 14, "\2"}, {bob + 14, "\2"}}),
         {"Joe Gambler"},
         "\nLeft out as damaged: \"Ann Seed\", \"Bob Decoy\".",
         ": \"Ann Seed\", \"Bob Decoy\"\n"},
        {"a name with a comma, a quote and a byte that is no text, and one unreadable",
         with({{ann + 1, std::string("Jo\"e, G\xff\\") + std::string(5, '\0')},
               {ann + 14, "\2"},
               {bob + 1, "\x7f"}}),
         {"Joe Gambler"},
         // The box shows the name as it was read; only the error output escapes it.
         "\nLeft out as damaged: \"Jo\"e, G\xff\\\", 1 more gambler whose name cannot be read.",
         ": \"Jo\\\"e, G<0xFF>\\\\\", 1 more gambler whose name cannot be read\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        SeatNames("", "");
        std::filesystem::remove(Dir.Host("data/otcraps.bad"));
        Dir.WriteHostFile("data/otcraps.sav", c.Bytes);
        Frame.Boxes.clear();
        testing::internal::CaptureStderr();
        Make();
        const std::string logged = testing::internal::GetCapturedStderr();
        const std::string back = c.Back.size() == 1 ? "1 gambler was recovered from it."
                                                    : std::to_string(c.Back.size()) +
                                                          " gamblers were recovered from it.";
        ASSERT_FALSE(Frame.Boxes.empty());
        EXPECT_EQ(Frame.Boxes[0], KeptAside + "\n" + back + c.Box);
        EXPECT_EQ(File("otcraps.bad"), c.Bytes);
        const std::string told = "left out of the damaged save <c:\\data\\otcraps.sav>";
        // The box's news stays on the error output, whoever was left out.
        EXPECT_NE(logged.find("the damaged save <c:\\data\\otcraps.sav> is kept as otcraps.bad: " +
                              back.substr(0, back.size() - 1) + "\n"),
                  std::string::npos)
            << logged;
        if (c.Logged.empty())
            EXPECT_EQ(logged.find(told), std::string::npos) << logged;
        else
            EXPECT_NE(logged.find(told + c.Logged), std::string::npos) << logged;
        Texts used;
        for (i16 r = 0; r < 20; ++r) {
            if (!Mgr->IsUsed(r))
                continue;
            used.push_back(Mgr->GetPlayerName(r));
            // The three written come back byte for byte, their marks set.
            if (r < 3) {
                EXPECT_EQ(
                    RecordOnDisk(r),
                    three.substr(231 + CasinoRecordSize * static_cast<size_t>(r), CasinoRecordSize))
                    << used.back();
            }
        }
        EXPECT_EQ(used, c.Back);
        ExpectStartedAndSaving(c.What);
    }

    // The game's blank marked used is no gambler the game made: a free place damaged, kept
    // aside, and nobody told.
    SeatNames("", "");
    std::filesystem::remove(Dir.Host("data/otcraps.bad"));
    Dir.WriteHostFile("data/otcraps.sav", with({{free3, "\1"}}));
    Frame.Boxes.clear();
    Make();
    EXPECT_EQ(Frame.Boxes, Texts{KeptAside + "\n3 gamblers were recovered from it."});
    EXPECT_EQ(Mgr->CountUsed(), 3);
    EXPECT_EQ(Mgr->FindPlayer("John Dough"), -1);
}

// A gambler's record as the writer writes it, laid in place and a byte early: the seeds of the
// record check's fuzz target (the place, the change, then the record).
TEST(CasinoRecordCheckFuzzSeed, AreAWholeRecordInItsPlaceAndMovedByAByte) {
    const std::string bytes = AnnSeedRecord();
    CheckFuzzSeed("casinorecordcheck_fuzz", "in_place.rec", std::string("\1\0", 2) + bytes);
    CheckFuzzSeed("casinorecordcheck_fuzz", "a_byte_early.rec", std::string("\2\1", 2) + bytes);
}

// A gambler who has played three sessions, as the save file holds him.
TEST(CasinoRecordFuzzSeed, IsARecordWithSessionsAsTheWriterWritesIt) {
    // The sessions' times are stamped from the clock.
    TFakeClock clock(0, 1'000'000'000);
    TScopedClockSource clockScope(clock);
    TCasinoPlayerData record;
    record.SetName("Ann");
    record.SetBankroll(1250.5);
    record.SetChipCount(2, 7);
    for (int session = 0; session < 3; ++session) {
        record.BeginSession(3, TMoney(5.0 * (session + 1)));
        record.SetBankroll(record.GetBankroll() + 25.0);
        record.EndSession();
    }
    std::string bytes(TCasinoPlayerData::EncodedSize, '\0');
    ASSERT_TRUE(record.Encode(reinterpret_cast<u8*>(bytes.data()), bytes.size()));
    CheckFuzzSeed("casinorecord_fuzz", "three_sessions.rec", bytes);
}

} // namespace
