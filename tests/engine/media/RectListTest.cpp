// Rectangle lists: the three policies side by side, bounds, removal and recycling, and the
// promise of the merge and no-overlap lists on many rectangles.
#include "engine/media/RectList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using TRects = std::vector<TRect16>;

TRects Contents(TJorpRectList& list) {
    TRects out;
    for (const TRect16* r = list.First(); r != nullptr; r = list.Next())
        out.push_back(*r);
    return out;
}

TRects AddEach(TJorpRectList& list, const TRects& rects) {
    for (const TRect16& r : rects)
        EXPECT_TRUE(list.Add(r));
    return Contents(list);
}

TEST(RectList, EachPolicyOnTheSameAdditions) {
    struct TCase {
        const char* What;
        TRects Adds;
        TRects Plain, Merge, NoOverlap;
    };
    const TCase cases[] = {
        {"empty rectangle", {{5, 5, 5, 9}}, {{5, 5, 5, 9}}, {}, {}},
        {"equal twice",
         {{0, 0, 10, 10}, {0, 0, 10, 10}},
         {{0, 0, 10, 10}, {0, 0, 10, 10}},
         {{0, 0, 10, 10}},
         {{0, 0, 10, 10}}},
        {"edge neighbours stay apart",
         {{0, 0, 10, 10}, {10, 0, 20, 10}},
         {{0, 0, 10, 10}, {10, 0, 20, 10}},
         {{0, 0, 10, 10}, {10, 0, 20, 10}},
         {{0, 0, 10, 10}, {10, 0, 20, 10}}},
        {"a third across both",
         {{0, 0, 10, 10}, {10, 0, 20, 10}, {5, 5, 15, 15}},
         {{0, 0, 10, 10}, {10, 0, 20, 10}, {5, 5, 15, 15}},
         {{0, 0, 20, 15}},
         {{0, 0, 10, 10}, {10, 0, 20, 10}, {5, 10, 15, 15}}},
        {"new corner over an old one",
         {{5, 5, 15, 15}, {0, 0, 10, 10}},
         {{5, 5, 15, 15}, {0, 0, 10, 10}},
         {{0, 0, 15, 15}},
         {{5, 5, 15, 15}, {0, 0, 10, 5}, {0, 5, 5, 10}}},
        {"wholly inside",
         {{0, 0, 20, 20}, {5, 5, 10, 10}},
         {{0, 0, 20, 20}, {5, 5, 10, 10}},
         {{0, 0, 20, 20}},
         {{0, 0, 20, 20}}},
        {"hole punched in the middle",
         {{4, 4, 6, 6}, {0, 0, 10, 10}},
         {{4, 4, 6, 6}, {0, 0, 10, 10}},
         {{0, 0, 10, 10}},
         {{4, 4, 6, 6}, {0, 0, 10, 4}, {0, 4, 4, 6}, {6, 4, 10, 6}, {0, 6, 10, 10}}},
    };
    for (const TCase& c : cases) {
        TJorpRectList plain;
        TRectMergeList merge;
        TRectNoOverlapList noOverlap;
        EXPECT_EQ(AddEach(plain, c.Adds), c.Plain) << c.What;
        EXPECT_EQ(AddEach(merge, c.Adds), c.Merge) << c.What;
        EXPECT_EQ(AddEach(noOverlap, c.Adds), c.NoOverlap) << c.What;
    }
}

TEST(RectList, PolicyNumbersChooseTheClass) {
    const TRects adds = {{0, 0, 10, 10}, {5, 5, 15, 15}};
    EXPECT_EQ(AddEach(*NewRectList(0), adds), (TRects{{0, 0, 15, 15}}));
    EXPECT_EQ(AddEach(*NewRectList(1), adds).size(), 3U);
    for (i32 other : {2, -1, 99})
        EXPECT_EQ(AddEach(*NewRectList(other), adds), adds) << other;
}

TEST(RectList, BoundsClipWhatMergesAndSplitsButNotThePlainList) {
    const TRect16 screen{0, 0, 640, 480};
    const TRects adds = {{-10, -10, 20, 20}, {700, 0, 710, 10}, {630, 470, 650, 490}};
    TJorpRectList plain(screen);
    TRectMergeList merge(screen);
    TRectNoOverlapList noOverlap(screen);
    EXPECT_EQ(AddEach(plain, adds), adds);
    const TRects clipped = {{0, 0, 20, 20}, {630, 470, 640, 480}};
    EXPECT_EQ(AddEach(merge, adds), clipped);
    EXPECT_EQ(AddEach(noOverlap, adds), clipped);
}

TEST(RectList, RemovedRectanglesAreRecycledThroughTheSpareList) {
    // AddAll goes through the receiving list's own Add.
    TJorpRectList plain;
    AddEach(plain, {{3, 7, 5, 9}, {-4, 8, 0, 20}, {3, 7, 5, 9}});
    TRectMergeList merged;
    merged.AddAll(plain);
    EXPECT_EQ(Contents(merged), (TRects{{3, 7, 5, 9}, {-4, 8, 0, 20}}));
    EXPECT_EQ(plain.GetBounds(), (TRect16{-4, 7, 5, 20}));

    TSliq spare(true, false);
    {
        TRectMergeList list;
        list.SetSpareList(&spare);
        EXPECT_EQ(list.GetBounds(), TRect16{});
        list.Add({0, 0, 10, 10});
        const void* first = list.GetAt(0);
        // The member a union swallows is parked and taken straight back for the union.
        list.Add({5, 5, 20, 20});
        EXPECT_EQ(list.GetAt(0), first);
        EXPECT_EQ(spare.GetCount(), 0);
        // Only a rectangle equal in all four values is removed.
        EXPECT_FALSE(list.Remove({0, 0, 20, 21}));
        EXPECT_TRUE(list.Remove({0, 0, 20, 20}));
        EXPECT_EQ(spare.GetCount(), 1);
        EXPECT_EQ(spare.GetAt(0), first);
        list.Add({100, 100, 110, 110});
        EXPECT_EQ(spare.GetCount(), 0);
        EXPECT_EQ(list.GetAt(0), first);
        list.Remove({100, 100, 110, 110});
    }
    // The list frees what it parked when it goes (ASan would see a leak).
    EXPECT_EQ(spare.GetCount(), 0);

    // Cleared, a list parks its rectangles too, and lists sharing the spare list take them
    // back; the last to go frees what is left.
    {
        TRectMergeList first;
        TJorpRectList second;
        first.SetSpareList(&spare);
        second.SetSpareList(&spare);
        AddEach(first, {{0, 0, 1, 1}, {5, 5, 6, 6}, {9, 9, 10, 10}});
        first.Clear();
        EXPECT_EQ(spare.GetCount(), 3);
        AddEach(second, {{1, 1, 2, 2}, {3, 3, 4, 4}});
        EXPECT_EQ(spare.GetCount(), 1);
        EXPECT_EQ(Contents(second), (TRects{{1, 1, 2, 2}, {3, 3, 4, 4}}));
    }
    EXPECT_EQ(spare.GetCount(), 0);
}

// Covered cells of a 64 x 64 grid.
std::vector<bool> Coverage(const TRects& rects) {
    std::vector<bool> grid(64 * 64, false);
    for (const TRect16& r : rects)
        for (i32 y = r.top; y < r.bottom; ++y)
            for (i32 x = r.left; x < r.right; ++x)
                grid[static_cast<size_t>(y * 64 + x)] = true;
    return grid;
}

TEST(RectList, MergedAndSplitListsNeverOverlapAndCoverWhatWasAdded) {
    u32 seed = 12345;
    const auto next = [&seed](u32 range) {
        seed = seed * 1103515245U + 12345U;
        return static_cast<i32>((seed >> 16) % range);
    };
    for (int round = 0; round < 40; ++round) {
        TRects adds;
        for (int i = 0; i < 12; ++i) {
            const i32 x = next(44);
            const i32 y = next(44);
            adds.push_back({x, y, x + next(20), y + next(20)});
        }
        TRectMergeList merge;
        TRectNoOverlapList noOverlap;
        const TRects merged = AddEach(merge, adds);
        const TRects split = AddEach(noOverlap, adds);
        for (const TRects* result : {&merged, &split})
            for (size_t a = 0; a < result->size(); ++a)
                for (size_t b = a + 1; b < result->size(); ++b)
                    ASSERT_FALSE((*result)[a].Overlaps((*result)[b])) << round;
        // The split list covers exactly the added area; the merged one at least that.
        const std::vector<bool> wanted = Coverage(adds);
        const std::vector<bool> covered = Coverage(merged);
        EXPECT_EQ(Coverage(split), wanted) << round;
        for (size_t i = 0; i < wanted.size(); ++i)
            ASSERT_TRUE(!wanted[i] || covered[i]) << round;
    }
}

} // namespace
