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

#include <functional>
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
              "Damaged data file: c:\\data\\game.dew\nIt is truncated: it holds " +
                  std::to_string(PackLead + size - 5) +
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
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        const std::string name = "cut" + std::to_string(cut);
        Cd.WriteHostFile(name + ".det", bytes.substr(0, cut));
        const TEnding end = RunToEnd([&] { Manager->OpenDet(name); });
        EXPECT_EQ(end.Code, 1);
        ASSERT_EQ(end.Boxes.size(), 1U);
        EXPECT_EQ(end.Boxes[0].Caption, "Fatal Error - Data File");
        const std::string where = cut < JORP_HEADER_SIZE ? "its header" : "its list of files";
        EXPECT_EQ(end.Boxes[0].Text, "Damaged data file: d:\\" + name +
                                         ".det\nIt is truncated: its " + std::to_string(cut) +
                                         " bytes end inside " + where + ".\nAborting Program");
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
    EXPECT_EQ(end.Boxes[0].Text, "Damaged data file: d:\\zero.det\nIts list of files is damaged "
                                 "at byte 14.\nAborting Program");
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

} // namespace
