// Misc data: the table written by its own writer and read back, hand-made and truncated files.
#include "engine/foundation/MiscData.h"

#include "FileMgrFixture.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Le16(i16 v) {
    const auto u = static_cast<u16>(v);
    return std::string{static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
}

std::string Header(const char* id = "MDAT") {
    return std::string(id, 4) + std::string("\x01\x00\x00\x00\x00\x00\x00\x00", 8);
}

std::string Body(const std::vector<i16>& words) {
    std::string bytes;
    for (i16 w : words)
        bytes += Le16(w);
    return bytes;
}

class MiscData : public ObjectFileFixture {
protected:
    std::vector<std::vector<i16>> ListsOf(const TMiscData& table) {
        std::vector<std::vector<i16>> lists;
        for (i16 i = 0; i < table.GetListCount(); ++i) {
            const i16* values = table.GetList(i);
            lists.emplace_back(values, values + table.GetLength(i));
        }
        return lists;
    }
};

TEST_F(MiscData, WrittenTablesReadBackListByList) {
    const std::vector<std::vector<std::vector<i16>>> tables = {
        {},
        {{1, -2, 32767}, {}, {-32768, 4}},
        {{}, {}},
        {{7}},
    };
    for (size_t t = 0; t < tables.size(); ++t) {
        const std::string name = "table" + std::to_string(t);
        TMiscData table(0, nullptr, TFileMode(name, 0, 0));
        EXPECT_EQ(table.GetFileMode().Name.GetText(), name + ".md");
        ASSERT_TRUE(table.SetLists(tables[t]));
        ASSERT_TRUE(table.Save(nullptr));

        TMiscData back(nullptr, TFileMode(name, 0, 4), true, false);
        EXPECT_TRUE(back.HasFlags(JOF_LOADED)) << t;
        EXPECT_EQ(ListsOf(back), tables[t]) << t;
        EXPECT_EQ(back.GetImage(), nullptr);
    }
    // The sizes the format gives: header and count alone, and lists of 3, 0 and 2 values.
    EXPECT_EQ(Cd.ReadHostFile("table0.md"), Header() + Le16(0));
    EXPECT_EQ(Cd.ReadHostFile("table1.md"), Header() + Body({3, 3, 1, -2, 32767, 0, 2, -32768, 4}));
}

TEST_F(MiscData, EmptyListsHaveNoValuesAndLookupsOutsideAreHarmless) {
    TMiscData table(nullptr);
    ASSERT_TRUE(table.SetLists({{5}, {}}));
    EXPECT_NE(table.GetList(0), nullptr);
    EXPECT_EQ(table.GetList(1), nullptr);
    EXPECT_EQ(table.GetLength(1), 0);
    EXPECT_EQ(table.GetList(2), nullptr);
    EXPECT_EQ(table.GetList(-1), nullptr);
    EXPECT_EQ(table.GetLength(-1), 0);
    // More than a 16-bit count can say is refused and leaves the table as it was.
    EXPECT_FALSE(table.SetLists(std::vector<std::vector<i16>>(0x8000)));
    EXPECT_FALSE(table.SetLists({std::vector<i16>(0x8000)}));
    EXPECT_EQ(table.GetListCount(), 2);
}

TEST_F(MiscData, NegativeCountsAndLengthsReadAsEmpty) {
    struct Case {
        const char* what;
        std::vector<i16> body;
        std::vector<std::vector<i16>> lists;
    };
    const Case cases[] = {
        {"negative list count", {-3, 2, 9, 9}, {}},
        {"negative length, then a list", {2, -5, 1, 42}, {{}, {42}}},
        {"most negative length", {1, -32768}, {{}}},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "neg" + std::to_string(n++);
        Cd.WriteHostFile(name + ".md", Header() + Body(c.body));
        TMiscData table(nullptr, TFileMode(name, 0, 4), true, false);
        EXPECT_TRUE(table.HasFlags(JOF_LOADED)) << c.what;
        EXPECT_EQ(ListsOf(table), c.lists) << c.what;
        // Nothing stays negative, so a table saved again is a sound file.
        for (i16 i = 0; i < table.GetListCount(); ++i)
            EXPECT_GE(table.GetLength(i), 0) << c.what;
    }
}

TEST_F(MiscData, EveryTruncationFailsKeepingOnlyWholeLists) {
    TMiscData table(0, nullptr, TFileMode("cut", 0, 0));
    ASSERT_TRUE(table.SetLists({{1, 2, 3}, {}, {4, 5}}));
    ASSERT_TRUE(table.Save(nullptr));
    const std::string bytes = Cd.ReadHostFile("cut.md");
    ASSERT_EQ(bytes.size(), 12U + 18U);

    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        const std::string name = "cut" + std::to_string(cut);
        Cd.WriteHostFile(name + ".md", bytes.substr(0, cut));
        TMiscData back(nullptr, TFileMode(name, 0, 4), true, true);
        EXPECT_EQ(back.GetBytesRead(), -1) << cut;
        EXPECT_FALSE(back.HasFlags(JOF_LOADED)) << cut;
        EXPECT_LE(back.GetReadCursor(), cut) << cut;
        // Whole lists before the cut survive; the one it broke does not.
        const size_t whole = cut >= 12 + 2 + 8 + 2 ? 2 : (cut >= 12 + 2 + 8 ? 1 : 0);
        EXPECT_EQ(static_cast<size_t>(back.GetListCount()), whole) << cut;
    }
}

TEST_F(MiscData, AWrongTagIsFatal) {
    Cd.WriteHostFile("tag.md", Header("MDAX") + Le16(0));
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    EXPECT_THROW(TMiscData(nullptr, TFileMode("tag", 0, 4), true, false), TProcessExit);
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Fatal Error - Header ID");
    EXPECT_EQ(boxes.Boxes[0].Text, "Header ID read: 'MDAX'\nHeader ID needed: 'MDAT'\n"
                                   "Object being read: tag.md\nAborting Program");
}

} // namespace
