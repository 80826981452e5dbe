// Misc data: the table written by its own writer and read back, hand-made and truncated files.
#include "engine/foundation/MiscData.h"

#include "FileMgrFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TLists = std::vector<std::vector<i16>>;

// The header, then each word little-endian.
std::string File(const std::vector<i16>& words) {
    std::string bytes("MDAT\x01\x00\x00\x00\x00\x00\x00\x00", 12);
    for (i16 w : words)
        bytes += {static_cast<char>(w & 0xFF), static_cast<char>(static_cast<u16>(w) >> 8)};
    return bytes;
}

TLists ListsOf(const TMiscData& table) {
    TLists lists;
    for (i16 i = 0; i < table.GetListCount(); ++i) {
        const i16* values = table.GetList(i);
        // Nothing stays negative, so a table saved again is a sound file.
        EXPECT_GE(table.GetLength(i), 0);
        lists.emplace_back(values, values + table.GetLength(i));
    }
    return lists;
}

using MiscData = ObjectFileFixture;

TEST_F(MiscData, WrittenTablesReadBackListByList) {
    const std::vector<TLists> tables = {{}, {{1, -2, 32767}, {}, {-32768, 4}}, {{}, {}}};
    for (size_t t = 0; t < tables.size(); ++t) {
        const std::string name = "table" + std::to_string(t);
        TMiscData table(0, nullptr, TFileMode(name, 0, 0));
        EXPECT_EQ(table.GetFileMode().Name.GetText(), name + ".md");
        ASSERT_TRUE(table.SetLists(tables[t]));
        ASSERT_TRUE(table.Save(nullptr));

        TMiscData back(nullptr, TFileMode(name, 0, 4), true, false);
        EXPECT_TRUE(back.HasFlags(JOF_LOADED)) << t;
        EXPECT_EQ(ListsOf(back), tables[t]) << t;
    }
    // The sizes the format gives: header and count alone, and lists of 3, 0 and 2 values.
    EXPECT_EQ(Cd.ReadHostFile("table0.md"), File({0}));
    EXPECT_EQ(Cd.ReadHostFile("table1.md"), File({3, 3, 1, -2, 32767, 0, 2, -32768, 4}));

    // More than a 16-bit count can say is refused and leaves the table as it was.
    TMiscData table(nullptr);
    ASSERT_TRUE(table.SetLists({{5}, {}}));
    EXPECT_FALSE(table.SetLists(TLists(0x8000)));
    EXPECT_FALSE(table.SetLists({std::vector<i16>(0x8000)}));
    EXPECT_EQ(table.GetListCount(), 2);
    EXPECT_EQ(table.GetList(1), nullptr);
    EXPECT_EQ(table.GetList(2), nullptr);
    EXPECT_EQ(table.GetList(-1), nullptr);
    EXPECT_EQ(table.GetLength(-1), 0);
}

TEST_F(MiscData, NegativeCountsAndLengthsReadAsEmpty) {
    const std::pair<std::vector<i16>, TLists> cases[] = {
        {{-3, 2, 9, 9}, {}},
        {{2, -5, 1, 42}, {{}, {42}}},
        {{1, -32768}, {{}}},
    };
    int n = 0;
    for (const auto& [body, lists] : cases) {
        const std::string name = "neg" + std::to_string(n++);
        Cd.WriteHostFile(name + ".md", File(body));
        TMiscData table(nullptr, TFileMode(name, 0, 4), true, false);
        EXPECT_TRUE(table.HasFlags(JOF_LOADED)) << name;
        EXPECT_EQ(ListsOf(table), lists) << name;
    }
}

TEST_F(MiscData, EveryTruncationFailsKeepingOnlyWholeLists) {
    const std::string bytes = File({3, 3, 1, 2, 3, 0, 2, 4, 5});
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

} // namespace
