// The real executable on the build's data set damaged: one box naming the file at fault and what
// is wrong with it, and an exit code of 1, where a missing CD used to be asked for.
#include "ProgramRun.h"
#include "engine/foundation/Det.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every file a catalogue lists, written out of its pack under its own path.
void Unpack(const TDirEntry& node, const std::string& path, const std::string& pack,
            TTempDir& dir) {
    for (i16 i = 0; i < node.GetChildCount(); ++i) {
        const TDirEntry& child = *node.GetChild(i);
        std::string name = path + child.GetName();
        if (child.GetChildCount() > 0 || child.IsDirectory()) {
            Unpack(child, name, pack, dir);
            continue;
        }
        std::replace(name.begin(), name.end(), '\\', '/');
        dir.WriteHostFile("data/" + name, pack.substr(child.GetOffset(), child.GetSize()));
    }
}

class DamagedDataProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path built = fs::path(OTCRAPS_PROGRAM).parent_path() / "data";
        if (!fs::exists(built / "otcraps.det") || !fs::exists(built / "otcraps.dew"))
            GTEST_SKIP() << "the build wrote no data set into " << built;
        Catalogue = Bytes(built / "otcraps.det");
        Pack = Bytes(built / "otcraps.dew");
        Parsed.LoadAt(TEmbeddedAddress{reinterpret_cast<const u8*>(Catalogue.data()),
                                       static_cast<u32>(Catalogue.size())},
                      true);
        ASSERT_TRUE(Parsed.HasFlags(JOF_LOADED));
    }

    // The program in a folder of its own with the build's catalogue and pack, as given.
    static void Packed(TTempDir& dir, const std::string& catalogue, const std::string& pack) {
        fs::copy_file(OTCRAPS_PROGRAM, dir.Host("otcraps"));
        dir.WriteHostFile("data/otcraps.det", catalogue);
        dir.WriteHostFile("data/otcraps.dew", pack);
    }

    // The same data set as plain files, with a catalogue that lists none: the header, and the
    // root (its name only its NUL) with no entries.
    void Loose(TTempDir& dir) {
        fs::copy_file(OTCRAPS_PROGRAM, dir.Host("otcraps"));
        Unpack(*Parsed.GetRoot(), "", Pack, dir);
        ASSERT_EQ(Catalogue.substr(12, 3), std::string("\x01\x00\x00", 3));
        dir.WriteHostFile("data/otcraps.det", Catalogue.substr(0, 25) + std::string(2, '\0'));
    }

    // Runs it headless to the script's end; one that hangs is killed, failing the test.
    static TProgramRun Run(TTempDir& dir, const std::string& script = "8000 close\n") {
        dir.WriteHostFile("script.txt", script);
        return RunProgram(dir.Host("otcraps").string(),
                          {"--headless", "--script=" + dir.Host("script.txt").string()},
                          dir.Host("").string());
    }

    // Where a name's record starts in the catalogue: its length field.
    size_t RecordOf(const std::string& name) const {
        const size_t at = Catalogue.find(name + std::string(1, '\0'));
        EXPECT_NE(at, std::string::npos) << name;
        return at - 2;
    }

    std::string Catalogue;
    std::string Pack;
    TDet Parsed{0, TFileMode("built", 0, 0)};
};

// The one box of a run that ended with code 1: "[caption] text", or what the run did instead.
std::string OneBox(const TProgramRun& run) {
    const auto boxes = std::count(run.Errors.begin(), run.Errors.end(), '[');
    if (run.Code != 1 || boxes != 1 || run.Errors.rfind('[', 0) != 0)
        return "exit " + std::to_string(run.Code) + ": " + run.Errors;
    return run.Errors.substr(0, run.Errors.find_last_not_of('\n') + 1);
}

void PutNotAFile(const fs::path& at, bool fifo) {
    fs::remove_all(at);
    if (fifo)
        ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0);
    else
        fs::create_directories(at);
}

TEST_F(DamagedDataProcessTest, ACutPackOrCatalogueEndsTheRunWithOneBoxNamingIt) {
    const struct {
        const char* File;
        std::string Problem;
    } cases[] = {
        {"otcraps.dew", "It is truncated: it holds "},
        {"otcraps.det", "It is truncated: its "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        TTempDir dir;
        Packed(dir, Catalogue, Pack);
        const fs::path cut = dir.Host("data") / c.File;
        fs::resize_file(cut, fs::file_size(cut) / 2);
        const TProgramRun run = Run(dir);
        EXPECT_EQ(run.Code, 1);
        // Each box is written as its caption in brackets at the start of a line; the file is
        // named where the player finds it.
        const std::string box =
            "[Fatal Error - Data File] Damaged data file: " + cut.string() + "\n" + c.Problem;
        EXPECT_EQ(run.Errors.rfind(box, 0), 0U) << run.Errors;
        const auto boxes = std::count(run.Errors.begin(), run.Errors.end(), '[');
        EXPECT_EQ(boxes, 1) << run.Errors;
    }
}

TEST_F(DamagedDataProcessTest, AFolderOrFifoWhereAFileShouldBeIsSaidToBeOne) {
    for (const bool fifo : {false, true}) {
        SCOPED_TRACE(fifo ? "a FIFO" : "a folder");
        const std::string what = fifo ? "not a file (a FIFO, a device or a socket)" : "a folder";
        // Loose files of the first screen: a picture, which was asked for on a disk, and the
        // list of its objects, which was left unread without a word.
        for (const char* file : {"s4glrd00\\s4title.anm", "s4glrd00\\s4intro.gol"}) {
            SCOPED_TRACE(file);
            TTempDir dir;
            Loose(dir);
            std::string host = std::string("data/") + file;
            std::replace(host.begin(), host.end(), '\\', '/');
            PutNotAFile(dir.Host(host), fifo);
            EXPECT_EQ(OneBox(Run(dir)), "[Fatal Error - Data File] Damaged data file: " +
                                            dir.Host(host).string() + "\nIt is " + what +
                                            (fifo ? "." : ", not a file.") + "\nAborting Program");
        }
        // The catalogue or the pack: it is there, not missing, and it is the one fault named
        // (the game file the catalogue would list is not told as missing besides).
        for (const char* file : {"otcraps.det", "otcraps.dew"}) {
            SCOPED_TRACE(file);
            TTempDir dir;
            Packed(dir, Catalogue, Pack);
            PutNotAFile(dir.Host("data") / file, fifo);
            const std::string data = dir.Host("data").string() + "/";
            EXPECT_EQ(OneBox(Run(dir)),
                      "[Fatal Error] The game cannot start without its data files:\nIs " + what +
                          (fifo ? "" : ", not a file") + ": " + data + file);
        }
    }
}

TEST_F(DamagedDataProcessTest, DamageInsideThePackOrTheCatalogueIsNamedInPrintableText) {
    const TDirEntry* gameEntry = Parsed.Find("casino.g");
    ASSERT_NE(gameEntry, nullptr);
    const u32 game = gameEntry->GetOffset();
    const size_t palette = RecordOf("casino.pal");
    const struct {
        const char* What;
        bool InPack;
        size_t At;
        std::string Bytes;
        std::string Box;
    } cases[] = {
        // The game file's palette name has a length of 0: the pack reads, casino.g does not.
        {"casino.g damaged", true, game + 12, std::string(2, '\0'),
         "[Fatal Error] The game cannot start without its data files:\nCannot be read: casino.g "
         "in <data>otcraps.dew (damaged at byte 14)"},
        // Random bytes where the game file's tag should be.
        {"a random tag", true, game, std::string("8\x01\x9FR", 4),
         "[Fatal Error - Header ID] Header ID read: '8<0x01><0x9F>R'\nHeader ID needed: "
         "'GAME'\nObject being read: casino.g\nAborting Program"},
        // A name length in a whole catalogue that no name has.
        {"a bad length", false, palette + 1, std::string(1, '\x10'),
         "[Fatal Error - Data File] Damaged data file: <data>otcraps.det\nIts list of files is "
         "damaged at byte " +
             std::to_string(palette) + ": the length of the name there, " +
             std::to_string(0x1000 + 11) + " bytes, is more than any name has.\nAborting Program"},
        // The root's count at its most in a whole catalogue: its entries are all read, and the
        // count, not a cut, is named.
        {"a root count at its most", false, 25, std::string("\xFF\x7F", 2),
         "[Fatal Error - Data File] Damaged data file: <data>otcraps.det\nIts list of files ends "
         "at byte " +
             std::to_string(Catalogue.size()) + ", after " +
             std::to_string(Parsed.GetRoot()->GetChildCount()) +
             " entries of its top level, whose count at byte 25 says 32767: the count is damaged, "
             "or the file is cut short there.\nAborting Program"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TTempDir dir;
        std::string catalogue = Catalogue;
        std::string pack = Pack;
        (c.InPack ? pack : catalogue).replace(c.At, c.Bytes.size(), c.Bytes);
        Packed(dir, catalogue, pack);
        std::string box = c.Box;
        const std::string data = dir.Host("data").string() + "/";
        if (const size_t at = box.find("<data>"); at != std::string::npos)
            box.replace(at, 6, data);
        EXPECT_EQ(OneBox(Run(dir)), box);
    }
}

TEST_F(DamagedDataProcessTest, ANameAFlippedBitTookFromTheCatalogueIsToldOnceInPlay) {
    // The start-up check passes; the table's puck is asked for once play begins.
    std::string catalogue = Catalogue;
    const size_t puck = RecordOf("f1puck.anm") + 2 + 5;
    catalogue[puck] = static_cast<char>(catalogue[puck] ^ 0x01);
    TTempDir dir;
    Packed(dir, catalogue, Pack);
    EXPECT_EQ(
        OneBox(Run(dir, "2500 click 400 300\n8000 close\n")),
        "[Fatal Error - Data File] Damaged data file: " + dir.Host("data/otcraps.det").string() +
            "\nIt does not list \\f1glrd00\\f1puck.anm, which the game asks for; its entry "
            "f1glrd00\\f1pucj.anm differs from f1glrd00\\f1puck.anm by one bit.\nAborting "
            "Program");
}

} // namespace
