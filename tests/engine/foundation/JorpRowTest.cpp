// Rows, cells and tables: places and masks, uses along the timeline, files with cells inline.
#include "engine/foundation/JorpRow.h"

#include "FileMgrFixture.h"
#include "engine/foundation/Det.h"
#include "engine/foundation/JorpTable.h"
#include "engine/foundation/MiscData.h"
#include "support/ExitTrap.h"

#include "support/FuzzSeed.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// A cell with a body of its own, as the media and skit cells have: its name.
class TNamedCell : public TJorpCell {
public:
    explicit TNamedCell(TJorpOwner* owner) : TJorpCell(owner) {}
    explicit TNamedCell(std::string name) : TJorpCell(nullptr) { Name = std::move(name); }
    bool ReadBody() override { return ReadString(Name); }
    bool WriteBody() override { return WriteString(Name); }
    void LoadObject(u16 value) override { Loaded.push_back(value); }
    void Resolve() override { ++Resolved; }
    void Acquire(u32 key) override {
        Keys.push_back(key);
        TJorpCell::Acquire(key);
    }
    bool Visit(void* argument) override {
        auto* seen = static_cast<std::vector<std::string>*>(argument);
        seen->push_back(Name);
        return Name != "stop";
    }
    std::vector<u16> Loaded;
    std::vector<u32> Keys;
    int Resolved = 0;
};

class TNamedRow : public TJorpRow {
public:
    using TJorpRow::TJorpRow;
    TJorpCell* NewCellFromFile(TEmbeddedAddress address) override {
        return CreateLoadedAt<TNamedCell>(address, true, Owner).release();
    }
    TNamedCell* Named(u8 place) const { return static_cast<TNamedCell*>(GetCell(place)); }
};

class TNamedTable : public TJorpTable {
public:
    using TJorpTable::TJorpTable;
    TJorpRow* NewRow() override { return new TNamedRow(Owner); }
    TJorpRow* NewRowFromFile(TEmbeddedAddress address) override {
        return CreateLoadedAt<TNamedRow>(address, true, Owner).release();
    }
    TNamedRow* Row(i16 i) const { return static_cast<TNamedRow*>(GetRow(i)); }
};

// No constructor loads: a base under construction would read with its own tag and body
// reader, not the subclass's. Loading goes through AttachFile, LoadAt or the makers.
static_assert(!std::is_constructible_v<TJorpBase, TJorpOwner*, const TFileMode&, bool, bool>);
static_assert(!std::is_constructible_v<TJorpBase, TJorpOwner*, TEmbeddedAddress, bool>);
static_assert(!std::is_constructible_v<TJorpCell, TJorpOwner*, TEmbeddedAddress, bool>);
static_assert(!std::is_constructible_v<TJorpRow, TJorpOwner*, TEmbeddedAddress, bool>);
static_assert(!std::is_constructible_v<TJorpTable, TJorpOwner*, TEmbeddedAddress, bool>);
// The classes that load in their own constructors allow no subclass to fall into it.
static_assert(std::is_final_v<TMiscData> && std::is_final_v<TDet>);

// A cell whose writer writes no body, so that the plain file form can be made.
class TBareCell : public TJorpCell {
public:
    TBareCell() : TJorpCell(nullptr) {}
    bool WriteBody() override { return true; }
};

TEST(JorpRow, PutTakeAndRemoveKeepMaskAndPlacesTogether) {
    EXPECT_EQ(TJorpRow::CellBit(7), 0x80);
    EXPECT_EQ(TJorpRow::CellBit(8), 0);
    TJorpRow row(nullptr);
    TJorpCell outside;
    EXPECT_FALSE(row.PutCell(8, &outside));
    EXPECT_FALSE(row.SetCellAt(255, &outside));
    EXPECT_EQ(row.TakeCell(8), nullptr);

    auto* a = new TJorpCell();
    EXPECT_TRUE(row.PutCell(3, a));
    EXPECT_FALSE(row.PutCell(3, &outside)) << "occupied";
    EXPECT_FALSE(row.PutCell(4, nullptr));
    EXPECT_EQ(row.TakeCell(3), a);
    EXPECT_EQ(row.GetCellMask(), 0);
    EXPECT_EQ(row.GetAt(3), nullptr);
    EXPECT_EQ(row.TakeCell(3), nullptr);
    EXPECT_TRUE(row.PutCell(3, a));
    // A pointer without its bit is no present cell, and blocks the place.
    EXPECT_TRUE(row.SetCellAt(5, new TJorpCell()));
    EXPECT_EQ(row.GetCell(5), nullptr);
    EXPECT_FALSE(row.PutCell(5, &outside));
    EXPECT_EQ(row.TakeCell(5), nullptr);
    // Removing empties the place; the others stay where they are.
    EXPECT_TRUE(row.PutCell(7, new TJorpCell()));
    EXPECT_TRUE(row.RemoveAt(3));
    EXPECT_EQ(row.GetCellMask(), 0x80);
    EXPECT_EQ(row.GetLastIndex(), 7);
    EXPECT_TRUE(row.PutCell(3, new TJorpCell()));
    EXPECT_EQ(row.GetCellMask(), 0x88);
}

TEST(JorpRow, UsesPlaysAndVisitsReachOnlyPresentCells) {
    TJorpRow row(nullptr);
    auto* first = new TNamedCell("first");
    auto* last = new TNamedCell("last");
    row.PutCell(1, first);
    row.PutCell(4, new TNamedCell("stop"));
    row.PutCell(6, last);
    row.SetCellAt(2, new TNamedCell("unmarked"));

    row.Acquire(5);
    EXPECT_EQ(row.GetUseCount(), 0);
    EXPECT_EQ(first->GetUseCount(), 1);
    EXPECT_EQ(last->GetUseCount(), 1);
    EXPECT_EQ(row.GetAt(2)->GetUseCount(), 0);
    EXPECT_FALSE(row.UseAt(2, 0));
    // Releasing a row leaves its cells in use.
    row.Release();
    EXPECT_EQ(first->GetUseCount(), 1);
    row.Play(3);
    EXPECT_TRUE(row.HasFlags(JOF_ON));
    EXPECT_TRUE(last->HasFlags(JOF_ON));
    EXPECT_FALSE(row.GetAt(2)->HasFlags(JOF_ON));

    std::vector<std::string> seen;
    EXPECT_FALSE(row.VisitCells(&seen));
    EXPECT_EQ(seen, (std::vector<std::string>{"first", "stop"}));
    delete row.TakeCell(4);
    seen.clear();
    EXPECT_TRUE(row.VisitCells(&seen));
    EXPECT_EQ(seen, (std::vector<std::string>{"first", "last"}));
    // Plain cells refuse to be visited.
    TJorpRow plain(nullptr);
    plain.PutCell(0, new TJorpCell());
    EXPECT_FALSE(plain.VisitCells(nullptr));
}

TEST(JorpTable, RowsAreUsedAndLoadedAlongTheTimeline) {
    TNamedTable table(nullptr);
    for (i16 i = 0; i < 3; ++i) {
        ASSERT_TRUE(table.AddNewRow());
        table.Row(i)->PutCell(0, new TNamedCell(i == 1 ? "" : "r"));
        table.Row(i)->PutCell(5, new TNamedCell("s"));
    }
    table.LoadCells();
    EXPECT_EQ(table.Row(0)->Named(0)->Loaded, std::vector<u16>{0});
    EXPECT_TRUE(table.Row(1)->Named(0)->Loaded.empty()) << "an unnamed cell loads nothing";
    EXPECT_EQ(table.Row(1)->Named(5)->Loaded, std::vector<u16>{1});
    EXPECT_EQ(table.Row(2)->Named(0)->Loaded, std::vector<u16>{2});
    // Uses are keyed by row: the key reaches each cell shifted by its row.
    table.Acquire(100);
    EXPECT_EQ(table.Row(0)->Named(5)->Keys, std::vector<u32>{100});
    EXPECT_EQ(table.Row(2)->Named(0)->Keys, std::vector<u32>{102});
    EXPECT_EQ(table.GetUseCount(), 0);
    table.Release();
    EXPECT_EQ(table.Row(1)->Named(5)->GetUseCount(), 1);
    table.Resolve();
    EXPECT_EQ(table.Row(2)->Named(5)->Resolved, 1);
}

class JorpTableFiles : public ObjectFileFixture {
protected:
    // Two rows of names (empty for no cell) in their places.
    std::string SaveNamed(const std::string& file,
                          const std::vector<std::vector<std::string>>& rows) {
        TNamedTable table(nullptr, 0, TFileMode(file, 0, 1));
        for (size_t i = 0; i < rows.size(); ++i) {
            table.AddNewRow();
            for (u8 n = 0; n < rows[i].size(); ++n)
                if (!rows[i][n].empty())
                    table.GetRow(static_cast<i16>(i))->PutCell(n, new TNamedCell(rows[i][n]));
        }
        EXPECT_TRUE(table.Save(nullptr));
        return Cd.ReadHostFile(file);
    }
};

TEST_F(JorpTableFiles, TablesReadBackWithEveryCellInItsPlace) {
    const std::string bytes =
        SaveNamed("named.bas", {{"a", "", "c"}, {}, {"", "", "", "", "", "", "", "h"}});
    EXPECT_EQ(bytes.substr(0, 12), std::string("TBL \x01\x00\x00\x00\x00\x00\x00\x00", 12));
    EXPECT_EQ(bytes.substr(12, 2), std::string("\x03\x00", 2));
    EXPECT_EQ(bytes.substr(14, 13), std::string("ROW \x01\x00\x00\x00\x00\x00\x00\x00\x05", 13));
    EXPECT_EQ(bytes.substr(27, 12), std::string("Cell\x01\x00\x00\x00\x00\x00\x00\x00", 12));

    // Made whole before it reads, the table's rows and cells are its own kinds, whose
    // readers take the names.
    const auto made =
        TJorpBase::CreateAttached<TNamedTable>(TFileMode("named.bas", 0, 4), true, false, nullptr);
    const TNamedTable& table = *made;
    EXPECT_TRUE(table.HasFlags(JOF_LOADED));
    EXPECT_EQ(table.GetBytesRead(), static_cast<i32>(bytes.size()));
    ASSERT_EQ(table.GetCount(), 3);
    EXPECT_EQ(table.Row(0)->GetCellMask(), 0x05);
    EXPECT_EQ(table.Row(0)->Named(0)->GetName(), "a");
    EXPECT_EQ(table.Row(0)->Named(2)->GetName(), "c");
    EXPECT_EQ(table.Row(0)->GetAt(1), nullptr);
    EXPECT_EQ(table.Row(1)->GetCellMask(), 0);
    EXPECT_EQ(table.Row(1)->GetBytesRead(), 13) << "a row without cells is header and mask";
    EXPECT_EQ(table.Row(2)->GetCellMask(), 0x80);
    EXPECT_EQ(table.Row(2)->Named(7)->GetName(), "h");
    EXPECT_EQ(table.Row(2)->Named(7)->GetHeaderMajor(), 1);
    EXPECT_EQ(table.Row(2)->GetHeaderMinor(), 0);
}

TEST_F(JorpTableFiles, PlainCellsAreHeadersOnlyAndCannotBeWritten) {
    {
        TJorpTable table(nullptr, 0, TFileMode("plain.bas", 0, 1));
        for (i16 i = 0; i < 2; ++i) {
            table.AddNewRow();
            table.GetRow(i)->PutCell(static_cast<u8>(i), new TBareCell());
        }
        ASSERT_TRUE(table.Save(nullptr));
    }
    const std::string bytes = Cd.ReadHostFile("plain.bas");
    ASSERT_EQ(bytes.size(), 64U);

    TJorpTable table(nullptr);
    table.AttachFile(TFileMode("plain.bas", 0, 4), true, false);
    EXPECT_EQ(table.GetBytesRead(), 64);
    ASSERT_EQ(table.GetCount(), 2);
    EXPECT_NE(table.GetRow(1)->GetCell(1), nullptr);
    EXPECT_EQ(table.GetRow(1)->GetCell(1)->GetBytesRead(), 12);

    // A plain cell has no body writer.
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    EXPECT_THROW(table.Save(nullptr), TProcessExit);
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Text, "Base Class\nError Type:\nCouldn't write local data\nAborting");
}

// The table fuzzer starts from tables of plain cells, as the writers write them. Set
// OTCRAPS_UPDATE_GOLDEN=1 to write them again.
TEST_F(JorpTableFiles, TheFuzzSeedsAreTablesTheWritersWrite) {
    const struct {
        const char* File;
        std::vector<u8> Masks; // one per row
    } seeds[] = {
        {"empty.tbl", {}},
        {"onecell.tbl", {0x01}},
        {"spread.tbl", {0x05, 0x00, 0x80}},
        {"full.tbl", {0xFF, 0x7E}},
    };
    for (const auto& seed : seeds) {
        {
            TJorpTable table(nullptr, 0, TFileMode(seed.File, 0, 1));
            for (size_t i = 0; i < seed.Masks.size(); ++i) {
                table.AddNewRow();
                for (u8 n = 0; n < TJorpRow::PLACES; ++n)
                    if ((seed.Masks[i] & TJorpRow::CellBit(n)) != 0)
                        table.GetRow(static_cast<i16>(i))->PutCell(n, new TBareCell());
            }
            ASSERT_TRUE(table.Save(nullptr));
        }
        CheckFuzzSeed("table_fuzz", seed.File, Cd.ReadHostFile(seed.File));
    }
}

TEST_F(JorpTableFiles, EveryTruncationFailsTheLoadCleanly) {
    const std::string bytes = SaveNamed("whole.bas", {{"ab", "", "cd"}, {"", "ef"}});
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        const std::string name = "cut" + std::to_string(cut) + ".bas";
        Cd.WriteHostFile(name, bytes.substr(0, cut));
        TNamedTable table(nullptr);
        table.AttachFile(TFileMode(name, 0, 4), true, true);
        EXPECT_EQ(table.GetBytesRead(), -1) << cut;
        EXPECT_FALSE(table.HasFlags(JOF_LOADED)) << cut;
        EXPECT_LE(table.GetReadCursor(), cut) << cut;
        // Only whole rows are kept.
        for (i16 i = 0; i <= table.GetLastIndex(); ++i)
            EXPECT_TRUE(table.GetRow(i)->HasFlags(JOF_LOADED)) << cut;
    }
}

TEST_F(JorpTableFiles, ARowCutShortKeepsMarkedOnlyTheCellsItRead) {
    {
        TNamedRow row(nullptr, TFileMode("row.bas", 0, 1));
        row.PutCell(0, new TNamedCell("first"));
        row.PutCell(2, new TNamedCell("second"));
        ASSERT_TRUE(row.Save(nullptr));
    }
    const std::string bytes = Cd.ReadHostFile("row.bas");
    ASSERT_EQ(bytes.size(), 13U + (12 + 2 + 6) + (12 + 2 + 7));
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        const std::string name = "row" + std::to_string(cut) + ".bas";
        Cd.WriteHostFile(name, bytes.substr(0, cut));
        TNamedRow row(nullptr, TFileMode(name, 0, 4));
        row.AttachFile(row.GetFileMode(), true, false);
        EXPECT_EQ(row.GetBytesRead(), -1) << cut;
        const u8 expected = cut >= 13 + 20 ? 0x01 : 0x00;
        EXPECT_EQ(row.GetCellMask(), expected) << cut;
        EXPECT_EQ(row.GetCell(2), nullptr) << cut;
        EXPECT_EQ(row.GetAt(2), nullptr) << cut;
    }
    TNamedRow whole(nullptr, TFileMode("row.bas", 0, 4));
    whole.AttachFile(whole.GetFileMode(), true, false);
    EXPECT_EQ(whole.GetBytesRead(), static_cast<i32>(bytes.size()));
    EXPECT_EQ(whole.Named(2)->GetName(), "second");
}

TEST_F(JorpTableFiles, CountsAndMasksThatTheFileCannotBackFail) {
    const std::string bytes = SaveNamed("counts.bas", {{"a"}});
    struct Case {
        size_t at;
        std::string patch;
        i32 read;
        i16 rows;
    };
    const Case cases[] = {
        {12, std::string("\xFE\xFF", 2), 14, 0}, // a negative row count reads no rows
        {12, std::string("\xFF\x7F", 2), -1, 1}, // far more rows than the file holds
        {26, std::string("\x03", 1), -1, 0},     // a second cell that is not there
    };
    for (const Case& c : cases) {
        std::string patched = bytes;
        patched.replace(c.at, c.patch.size(), c.patch);
        const std::string name = "patched" + std::to_string(&c - cases) + ".bas";
        Cd.WriteHostFile(name, patched);
        TNamedTable table(nullptr);
        table.AttachFile(TFileMode(name, 0, 4), true, false);
        EXPECT_EQ(table.GetBytesRead(), c.read) << c.at;
        EXPECT_EQ(table.GetCount(), c.rows) << c.at;
    }
}

TEST_F(JorpTableFiles, OnlyPresentCellsAreMarkedInTheWrittenMask) {
    {
        TNamedTable table(nullptr, 0, TFileMode("marks.bas", 0, 1));
        table.AddNewRow();
        TJorpRow* row = table.GetRow(0);
        row->PutCell(1, new TNamedCell("kept"));
        row->PutCell(6, new TNamedCell("dropped"));
        // The bit stays, the cell goes: the file must not promise it.
        TJorpCell* dropped = row->GetCell(6);
        row->SetCellAt(6, nullptr);
        delete dropped;
        row->SetCellAt(3, new TNamedCell("unmarked"));
        ASSERT_TRUE(table.Save(nullptr));
    }
    TNamedTable table(nullptr);
    table.AttachFile(TFileMode("marks.bas", 0, 4), true, false);
    EXPECT_TRUE(table.HasFlags(JOF_LOADED));
    ASSERT_EQ(table.GetCount(), 1);
    EXPECT_EQ(table.Row(0)->GetCellMask(), 0x02);
    EXPECT_EQ(table.Row(0)->Named(1)->GetName(), "kept");
}

} // namespace
