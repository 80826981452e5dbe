// JudgeOnePointShift on small made-up records: where only one point, or only one byte put back,
// leaves a record sound, the record comes back whole; where two do, it is in doubt.
#include "engine/framework/OnePointShift.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Four bytes of header, then three records of eight: a mark, a letter, a 0, and five bytes
// nothing judges. A used record is whole with the letter 'A' alone.
constexpr size_t RecordSize = 8;

std::vector<u8> ThreeRecords() {
    std::vector<u8> file = {9, 9, 9, 9};
    for (const u8 tail : {u8{10}, u8{20}, u8{30}})
        file.insert(file.end(), {1, 'A', 0, tail, u8(tail + 1), u8(tail + 2), 7, 1});
    return file;
}

// What a free place holds.
const std::vector<u8> Blank = {0, 'Z', 0, 0, 0, 0, 0, 0};

// The layout of those records, told as a save's manager tells it.
TSaveLayout Layout() {
    TSaveLayout layout;
    layout.FileSize = 28;
    layout.GameDataOffset = 4;
    layout.Blank = Blank;
    layout.Places = {4, 12, 20};
    layout.Size = RecordSize;
    layout.Judged = 3;
    layout.CouldBeWhole = [](const u8* record, TLostBytes lost) {
        const auto holds = [&](size_t i, u8 value) { return lost.Holds(i) || record[i] == value; };
        return holds(0, 1) && holds(1, 'A') && holds(2, 0);
    };
    layout.CouldBeWritten = layout.CouldBeWhole;
    return layout;
}

std::vector<u8> RecordOf(const std::vector<u8>& file, size_t r) {
    const auto at = file.begin() + static_cast<std::ptrdiff_t>(4 + r * RecordSize);
    return {at, at + RecordSize};
}

TEST(OnePointShift, ARecordThatOnlyOneByteMakesSoundComesBackWithThatByte) {
    const std::vector<u8> written = ThreeRecords();
    // The middle record's letter taken out: only an 'A' put back where it stood makes him
    // whole, and no other point explains the file.
    std::vector<u8> damaged = written;
    damaged.erase(damaged.begin() + 13);
    const std::vector<TShiftVerdict> verdicts = JudgeOnePointShift(Layout(), damaged, -1);
    ASSERT_EQ(verdicts.size(), 3U);
    for (size_t r = 0; r < 3; ++r) {
        ASSERT_TRUE(verdicts[r].Whole.has_value()) << r;
        EXPECT_EQ(*verdicts[r].Whole, RecordOf(written, r)) << r;
    }
}

TEST(OnePointShift, ARecordWhoseUnjudgedBytesCouldHoldThePointIsInDoubtAndTheOthersWhole) {
    const std::vector<u8> written = ThreeRecords();
    // A byte put among the middle record's unjudged bytes: any of them could have held it.
    std::vector<u8> damaged = written;
    damaged.insert(damaged.begin() + 16, u8{99});
    const std::vector<TShiftVerdict> verdicts = JudgeOnePointShift(Layout(), damaged, 1);
    ASSERT_EQ(verdicts.size(), 3U);
    EXPECT_TRUE(verdicts[1].InDoubt);
    EXPECT_FALSE(verdicts[1].Whole.has_value());
    for (const size_t r : {size_t{0}, size_t{2}}) {
        ASSERT_TRUE(verdicts[r].Whole.has_value()) << r;
        EXPECT_EQ(*verdicts[r].Whole, RecordOf(written, r)) << r;
    }
    // A file no single point explains gets no verdict.
    damaged[4] = 5;
    damaged[12] = 5;
    EXPECT_TRUE(JudgeOnePointShift(Layout(), damaged, 1).empty());
}

} // namespace
