// Data files that are there but damaged: one fatal box naming the file and what is wrong with
// it, never a prompt for a disk that would not help.
#include "FileMgrFixture.h"
#include "engine/foundation/Det.h"
#include "engine/foundation/DetList.h"
#include "engine/foundation/JorpCell.h"
#include "engine/foundation/JorpTable.h"
#include "engine/foundation/MiscData.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// What a step ended in: the exit code (0 when it returned) and the boxes it showed.
struct TEnding {
    int Code = 0;
    std::vector<TMessageBoxRequest> Boxes;
};

TEnding RunToEnd(const std::function<void()>& step) {
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    TEnding end;
    try {
        step();
    } catch (const TProcessExit& exit) {
        end.Code = exit.Code;
    }
    end.Boxes = boxes.Boxes;
    return end;
}

// The one box a step ended the program with: its text, or a failure naming what it did instead.
std::string OneFatalBox(const TEnding& end,
                        const std::string& caption = "Fatal Error - Data File") {
    if (end.Code != 1 || end.Boxes.size() != 1 || end.Boxes[0].Caption != caption) {
        std::string seen = "exit " + std::to_string(end.Code);
        for (const auto& box : end.Boxes)
            seen += " [" + box.Caption + "] " + box.Text;
        return seen;
    }
    return end.Boxes[0].Text;
}

// A cell with no body of its own, as plain tables hold.
class TPlainCell : public TJorpCell {
public:
    TPlainCell() : TJorpCell(nullptr) {}
    bool WriteBody() override { return true; }
};

// Bytes in front of a packed file, so that its offset is not 0.
constexpr u32 PackLead = 37;

class DamagedData : public ObjectFileFixture {
protected:
    // Written as the engine writes it to the CD location, read back and removed again.
    std::string Written(TJorpBase& object, const std::string& file) {
        EXPECT_TRUE(object.Save(nullptr));
        const std::string bytes = Cd.ReadHostFile(file);
        std::filesystem::remove(Cd.Host(file));
        return bytes;
    }
    std::string SeatsFile() {
        TMiscData seats(0, nullptr, TFileMode("seats", 0, 0));
        EXPECT_TRUE(seats.SetLists({{1, 2}, {3}}));
        return Written(seats, "seats.md");
    }
    // A table of one row with one cell: a row and a cell embedded in the table's file.
    std::string TableFile() {
        TJorpTable table(nullptr, 0, TFileMode("dealer.bas", 0, 1));
        table.AddNewRow();
        table.GetRow(0)->PutCell(0, new TPlainCell());
        return Written(table, "dealer.bas");
    }
    // The pack game.dew in the data folder holds the bytes behind a lead; its catalogue
    // says the file has `size` bytes there, and is open with the manager.
    void Pack(const std::string& file, const std::string& bytes, u32 size) {
        Dir.WriteHostFile("data/game.dew", std::string(PackLead, 'x') + bytes);
        TDet det(0, TFileMode("game", 0, 0));
        ASSERT_NE(det.AddFile(file, size, PackLead), nullptr);
        ASSERT_TRUE(det.Save(nullptr));
        ASSERT_TRUE(Manager->OpenDet("game"));
    }
    // The pack game.dew of three small files after a lead, f1a.md, f1d.md and f1h.md in that
    // order, and its catalogue changed by alter before it is opened. Their offsets and the
    // catalogue's bytes as written are kept.
    void ThreeFilePack(const std::function<void(std::string&)>& alter) {
        Dir.WriteHostFile("data/game.dew", std::string(PackLead, 'x') + std::string(60, 'y'));
        {
            TDet det(0, TFileMode("game", 0, 0));
            for (u32 i = 0; i < 3; ++i)
                ASSERT_NE(det.AddFile(PackedNames[i], 20, PackLead + 20 * i), nullptr);
            ASSERT_TRUE(det.Save(nullptr));
        }
        Catalogue = Cd.ReadHostFile("game.det");
        std::string bytes = Catalogue;
        alter(bytes);
        Cd.WriteHostFile("game.det", bytes);
        ASSERT_TRUE(Manager->OpenDet("game"));
    }
    // Where a name's record starts in the catalogue: its length field.
    size_t RecordOf(const std::string& name) const {
        return Catalogue.find(name + std::string(1, '\0')) - 2;
    }
    TEnding Use(const std::string& name) {
        return RunToEnd([&] { Register(TFileMode(name, 0, 4)); });
    }

    static constexpr const char* PackedNames[3] = {"f1a.md", "f1d.md", "f1h.md"};
    std::string Catalogue;
};

TEST_F(DamagedData, APackCutShortEndsTheProgramWithOneBoxNamingIt) {
    const std::string bytes = SeatsFile();
    const u32 size = static_cast<u32>(bytes.size());
    Pack("seats.md", bytes.substr(0, bytes.size() - 5), size);
    const TEnding end =
        RunToEnd([] { TMiscData seats(nullptr, TFileMode("seats", 0, 4), true, false); });
    EXPECT_EQ(end.Code, 1);
    ASSERT_EQ(end.Boxes.size(), 1U);
    EXPECT_EQ(end.Boxes[0].Caption, "Fatal Error - Data File");
    EXPECT_EQ(end.Boxes[0].Text,
              "Damaged data file: " + Dir.Host("data/game.dew").string() +
                  "\nIt is truncated: it holds " + std::to_string(PackLead + size - 5) +
                  " bytes, but its catalogue puts seats.md (" + std::to_string(size) +
                  " bytes) at byte " + std::to_string(PackLead) + ".\nAborting Program");
    EXPECT_EQ(JorpRamInUse, 0U);
}

TEST_F(DamagedData, ACatalogueCutAnywhereEndsTheProgramWithOneBoxNamingIt) {
    {
        TDet det(0, TFileMode("whole", 0, 0));
        ASSERT_NE(det.AddFile("otcraps.g", 50, 0), nullptr);
        ASSERT_NE(det.AddFile("f1glrd00\\f1glrd00.go", 30, 50), nullptr);
        ASSERT_TRUE(det.Save(nullptr));
    }
    const std::string bytes = Cd.ReadHostFile("whole.det");
    // A cut where a record would start leaves no record cut: the count that promised it is
    // named, since a whole file with a count too large ends the same way. The root's entries
    // are the folder, holding the other file, then otcraps.g.
    const auto recordOf = [&](const std::string& name) {
        return bytes.find(name + std::string(1, '\0')) - 2;
    };
    const size_t folder = recordOf("f1glrd00\\");
    const std::string rootCount = "its top level, whose count at byte 25 says 2";
    const std::map<size_t, std::string> betweenRecords = {
        {folder, "0 entries of " + rootCount},
        {recordOf("f1glrd00.go"), "0 entries of the folder f1glrd00\\, whose count at byte " +
                                      std::to_string(folder + 2 + 10 + 10) + " says 1"},
        {recordOf("otcraps.g"), "1 entry of " + rootCount},
    };
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        const std::string name = "cut" + std::to_string(cut);
        Cd.WriteHostFile(name + ".det", bytes.substr(0, cut));
        const TEnding end = RunToEnd([&] { Manager->OpenDet(name); });
        EXPECT_EQ(end.Code, 1);
        ASSERT_EQ(end.Boxes.size(), 1U);
        EXPECT_EQ(end.Boxes[0].Caption, "Fatal Error - Data File");
        const std::string where = cut < JORP_HEADER_SIZE ? "its header" : "its list of files";
        std::string problem =
            "It is truncated: its " + std::to_string(cut) + " bytes end inside " + where + ".";
        if (const auto between = betweenRecords.find(cut); between != betweenRecords.end())
            problem = "Its list of files ends at byte " + std::to_string(cut) + ", after " +
                      between->second + ": the count is damaged, or the file is cut short there.";
        EXPECT_EQ(end.Boxes[0].Text, "Damaged data file: " + Cd.Host(name + ".det").string() +
                                         "\n" + problem + "\nAborting Program");
        // Nothing of it stays open to answer lookups.
        EXPECT_EQ(Manager->GetDetList()->GetCount(), 0);
    }
    // The whole catalogue opens quietly.
    const TEnding whole = RunToEnd([&] { EXPECT_TRUE(Manager->OpenDet("whole")); });
    EXPECT_EQ(whole.Code, 0);
    EXPECT_TRUE(whole.Boxes.empty());
}

TEST_F(DamagedData, ACatalogueRecordThatCannotBeIsNamedWhereItLies) {
    // The root's name has length 0: the file goes on, but not as a catalogue.
    const std::string header("DET \x01\x00\x00\x00\x00\x00\x00\x00", 12);
    Cd.WriteHostFile("zero.det", header + std::string(14, '\0'));
    const TEnding end = RunToEnd([&] { Manager->OpenDet("zero"); });
    EXPECT_EQ(end.Code, 1);
    ASSERT_EQ(end.Boxes.size(), 1U);
    EXPECT_EQ(end.Boxes[0].Text,
              "Damaged data file: " + Cd.Host("zero.det").string() +
                  "\nIts list of files is damaged at byte 14.\nAborting Program");
}

TEST_F(DamagedData, AFlippedHeaderInsideThePackNamesTheFileItLiesIn) {
    const std::string bytes = TableFile();
    const size_t row = bytes.find("ROW ");
    const size_t cell = bytes.find("Cell");
    ASSERT_NE(row, std::string::npos);
    ASSERT_NE(cell, std::string::npos);
    const struct {
        const char* What;
        size_t At;
        const char* Read;
        const char* Needed;
    } cases[] = {
        {"the table's own header", 0, "TBL!", "TBL "},
        {"an embedded row's", row, "ROW!", "ROW "},
        {"a cell embedded in that row", cell, "Celm", "Cell"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        std::string damaged = bytes;
        damaged[c.At + 3] = static_cast<char>(damaged[c.At + 3] ^ 0x01);
        DeleteManager();
        MakeManager();
        Pack("dealer.bas", damaged, static_cast<u32>(damaged.size()));
        const TEnding end = RunToEnd([] {
            TJorpTable table(nullptr);
            table.AttachFile(TFileMode("dealer.bas", 0, 4), true, false);
        });
        EXPECT_EQ(end.Code, 1);
        ASSERT_EQ(end.Boxes.size(), 1U);
        EXPECT_EQ(end.Boxes[0].Caption, "Fatal Error - Header ID");
        EXPECT_EQ(end.Boxes[0].Text, std::string("Header ID read: '") + c.Read +
                                         "'\nHeader ID needed: '" + c.Needed +
                                         "'\nObject being read: dealer.bas\nAborting Program");
    }
}

TEST_F(DamagedData, AFolderInTheDataFolderHidesNoFileOnTheCd) {
    const std::string bytes = SeatsFile();
    std::filesystem::create_directories(Dir.Host("data/seats.md"));
    Cd.WriteHostFile("seats.md", bytes);
    const TEnding read = RunToEnd([] {
        TMiscData seats(nullptr, TFileMode("seats", 0, 4), true, false);
        EXPECT_TRUE(seats.HasFlags(JOF_LOADED));
    });
    EXPECT_EQ(read.Code, 0);
    EXPECT_TRUE(read.Boxes.empty());
}

TEST_F(DamagedData, AWholeCatalogueWithABadLengthOrCountIsNotCalledTruncated) {
    {
        TDet det(0, TFileMode("whole", 0, 0));
        ASSERT_NE(det.AddFile("otcraps.g", 50, 0), nullptr);
        ASSERT_NE(det.AddFile("f1glrd00\\f1glrd00.go", 30, 50), nullptr);
        ASSERT_TRUE(det.Save(nullptr));
    }
    const std::string bytes = Cd.ReadHostFile("whole.det");
    const auto recordOf = [&](const std::string& name) {
        return static_cast<u32>(bytes.find(name + std::string(1, '\0')) - 2);
    };
    // Every bit of the name length of the root (an empty name) and of three others, and every
    // bit that makes a file's count of entries below it more than none.
    struct TField {
        u32 At;
        std::string File; // empty for a name length
    };
    std::vector<TField> fields = {{12, ""}};
    for (const std::string name : {"otcraps.g", "f1glrd00\\", "f1glrd00.go"})
        fields.push_back({recordOf(name), ""});
    for (const std::string file : {"otcraps.g", "f1glrd00.go"})
        fields.push_back({recordOf(file) + 2 + static_cast<u32>(file.size()) + 1 + 10, file});
    int flips = 0;
    int openedAnyway = 0;
    for (const TField& field : fields) {
        for (int bit = 0; bit < (field.File.empty() ? 16 : 15); ++bit) {
            std::string damaged = bytes;
            damaged[field.At + bit / 8] ^= static_cast<char>(1 << (bit % 8));
            const u32 value = static_cast<u8>(damaged[field.At]) |
                              static_cast<u32>(static_cast<u8>(damaged[field.At + 1]) << 8);
            const std::string name = "flip" + std::to_string(flips++);
            SCOPED_TRACE(name + ": field at " + std::to_string(field.At));
            Cd.WriteHostFile(name + ".det", damaged);
            const TEnding end = RunToEnd([&] { Manager->OpenDet(name); });
            const std::string at = "Its list of files is damaged at byte ";
            std::string problem;
            if (!field.File.empty())
                problem = at + std::to_string(field.At) + ": the count there gives the file " +
                          field.File + " " + std::to_string(value) +
                          (value == 1 ? " entry" : " entries") + ", but only folders hold entries.";
            else if (value == 0) // refused where it is read
                problem = at + std::to_string(field.At + 2) + ".";
            else
                problem = at + std::to_string(field.At) + ": the length of the name there, " +
                          std::to_string(value) + " bytes, " +
                          (value > 261 ? "is more than any name has." : "does not fit the name.");
            if (end.Code == 0 && field.File.empty()) {
                // Read out of step to an end that happens to fit: the catalogue opens, and
                // keeps the field to blame should a lookup find a name missing.
                ++openedAnyway;
                const TDet* det = Manager->GetDetList()->FindDet(name);
                ASSERT_NE(det, nullptr);
                EXPECT_EQ(det->GetBadRecord().At, field.At);
                continue;
            }
            EXPECT_EQ(OneFatalBox(end), "Damaged data file: " + Cd.Host(name + ".det").string() +
                                            "\n" + problem + "\nAborting Program");
        }
    }
    // Most flips stop the reading; a few (three) read to an end by chance.
    EXPECT_LE(openedAnyway, 4);
}

TEST_F(DamagedData, AWholeCatalogueWhoseCountPromisesMoreEntriesNamesTheCountNotACut) {
    {
        TDet det(0, TFileMode("whole", 0, 0));
        ASSERT_NE(det.AddFile("otcraps.g", 50, 0), nullptr);
        ASSERT_NE(det.AddFile("f1glrd00\\f1glrd00.go", 30, 50), nullptr);
        ASSERT_TRUE(det.Save(nullptr));
    }
    const std::string bytes = Cd.ReadHostFile("whole.det");
    const u32 size = static_cast<u32>(bytes.size());
    // The root's count, and the folder's: the folder (first in order) then takes otcraps.g,
    // the root's next entry, for its own, and the file ends one entry short of it.
    const u32 folderCount = static_cast<u32>(bytes.find("f1glrd00\\" + std::string(1, '\0'))) + 20;
    const struct {
        const char* What;
        u32 At;
        u16 Count;
        std::string Problem;
    } cases[] = {
        {"the root's at the most", 25, 0x7FFF,
         "2 entries of its top level, whose count at byte 25 says 32767"},
        {"the root's one more", 25, 3, "2 entries of its top level, whose count at byte 25 says 3"},
        {"the folder's at the most", folderCount, 0x7FFF,
         "2 entries of the folder f1glrd00\\, whose count at byte " + std::to_string(folderCount) +
             " says 32767"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        std::string damaged = bytes;
        damaged[c.At] = static_cast<char>(c.Count & 0xFF);
        damaged[c.At + 1] = static_cast<char>(c.Count >> 8);
        ASSERT_EQ(damaged.size(), bytes.size());
        Cd.WriteHostFile("count.det", damaged);
        const TEnding end = RunToEnd([&] { Manager->OpenDet("count"); });
        EXPECT_EQ(OneFatalBox(end), "Damaged data file: " + Cd.Host("count.det").string() +
                                        "\nIts list of files ends at byte " + std::to_string(size) +
                                        ", after " + c.Problem +
                                        ": the count is damaged, or the file is cut short "
                                        "there.\nAborting Program");
        EXPECT_EQ(Manager->GetDetList()->GetCount(), 0);
    }
}

TEST_F(DamagedData, ANameADamagedCatalogueLostIsBlamedOnItNotAskedForOnADisk) {
    // The catalogue as written, whole, for the places of its records.
    ThreeFilePack([](std::string&) {});
    const auto flip = [](std::string& bytes, size_t at, int bit) {
        bytes[at] = static_cast<char>(bytes[at] ^ (1 << bit));
    };
    const struct {
        const char* What;
        std::function<void(std::string&)> Alter;
        const char* Wanted;
        std::string Problem;
    } cases[] = {
        // f1d.md becomes f1t.md: the folder is out of order, and halving misses f1h.md.
        {"out of order", [&](std::string& b) { flip(b, RecordOf("f1d.md") + 4, 4); }, "f1h.md",
         "Its list of files is out of order at its top: f1t.md comes before f1h.md, so f1h.md "
         "cannot be found in it."},
        // f1d.md becomes f1e.md, which keeps the order.
        {"one bit away", [&](std::string& b) { flip(b, RecordOf("f1d.md") + 4, 0); }, "f1d.md",
         "It does not list f1d.md, which the game asks for; its entry f1e.md differs from f1d.md "
         "by one bit."},
        // The NUL that ends f1h.md is not one, and the name is read with a byte more.
        {"a name without its end", [&](std::string& b) { flip(b, RecordOf("f1h.md") + 8, 2); },
         "f1h.md",
         "It does not list f1h.md, which the game asks for. Its list of files is damaged at byte " +
             std::to_string(RecordOf("f1h.md")) +
             ": the length of the name there, 7 bytes, does not fit the name."},
        // The root's count says two files: the third is left unread at the end.
        {"a count too small", [&](std::string& b) { flip(b, 12 + 2 + 1 + 10, 0); }, "f1h.md",
         "It does not list f1h.md, which the game asks for, and its 21 last bytes lie past the "
         "end of its list of files: a count in the list is damaged."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        DeleteManager();
        MakeManager();
        ThreeFilePack(c.Alter);
        EXPECT_EQ(OneFatalBox(Use(c.Wanted)), "Damaged data file: " + Cd.Host("game.det").string() +
                                                  "\n" + c.Problem + "\nAborting Program");
    }
    // A name that a whole catalogue does not hold is missing: the disk is asked for.
    DeleteManager();
    MakeManager();
    ThreeFilePack([](std::string&) {});
    const TEnding missing = Use("f1z.md");
    EXPECT_EQ(missing.Code, 1);
    ASSERT_EQ(missing.Boxes.size(), 4U);
    EXPECT_EQ(missing.Boxes[0].Caption, "CD Rom Error");
    EXPECT_EQ(missing.Boxes[3].Text, "Couldn't find file: d:\\f1z.md");
}

TEST_F(DamagedData, AnEntryPastTheEndOfAWholePackIsBlamedOnTheCatalogue) {
    // f1a.md's offset moved far past the pack, which ends where f1h.md does.
    ThreeFilePack([&](std::string& b) {
        const size_t offset = RecordOf("f1a.md") + 2 + 7 + 4;
        b[offset + 2] = static_cast<char>(b[offset + 2] ^ 0x10);
    });
    EXPECT_EQ(OneFatalBox(Use("f1a.md")), "Damaged data file: " + Cd.Host("game.det").string() +
                                              "\nIts entry for f1a.md puts 20 bytes at byte " +
                                              std::to_string(PackLead + 0x100000) +
                                              ", but game.dew is whole and ends at byte " +
                                              std::to_string(PackLead + 60) +
                                              ".\nAborting Program");
    // A pack cut inside a file, or just where one starts, is what is short.
    for (const u32 cut : {PackLead + 30, PackLead + 40}) {
        SCOPED_TRACE(cut);
        DeleteManager();
        MakeManager();
        ThreeFilePack([](std::string&) {});
        std::filesystem::resize_file(Dir.Host("data/game.dew"), cut);
        EXPECT_EQ(OneFatalBox(Use("f1h.md")),
                  "Damaged data file: " + Dir.Host("data/game.dew").string() +
                      "\nIt is truncated: it holds " + std::to_string(cut) +
                      " bytes, but its catalogue puts f1h.md (20 bytes) at byte " +
                      std::to_string(PackLead + 40) + ".\nAborting Program");
    }
}

} // namespace
