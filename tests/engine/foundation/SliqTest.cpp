// Tests for TSliq: linking, the duplicate rule, the node pool, the walk under removal, sorting.
#include "engine/foundation/Sliq.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

// Opens the protected fields to the tests the way a derived list sees them.
class TProbeSliq : public TSliq {
public:
    explicit TProbeSliq(std::vector<void*> values = {}, bool allowDuplicates = true)
        : TSliq(allowDuplicates, false) {
        for (void* v : values)
            AddTail(v);
    }
    TSliqNode* HeadNode() const { return Head; }
    TSliqNode* TailNode() const { return Tail; }
    TSliqNode* PoolNode() const { return Pool; }
    TSliqNode* CursorNode() const { return Cursor; }
    bool Restart() const { return RestartMark != 0; }
};

struct TItem {
    int Key;
    int Seq;
};

i32 CompareKeys(const void* a, const void* b) {
    const int ka = static_cast<const TItem*>(a)->Key;
    const int kb = static_cast<const TItem*>(b)->Key;
    return ka < kb ? -1 : (ka > kb ? 1 : 0);
}

// Follows the links both ways so a broken prev pointer cannot hide behind GetAt.
void ExpectLinked(const TProbeSliq& list, const std::vector<void*>& expected) {
    std::vector<void*> forward, backward;
    for (TSliqNode* n = list.HeadNode(); n; n = n->Next)
        forward.push_back(n->Value);
    for (TSliqNode* n = list.TailNode(); n; n = n->Prev)
        backward.insert(backward.begin(), n->Value);
    EXPECT_EQ(forward, expected);
    EXPECT_EQ(backward, expected);
    EXPECT_EQ(list.GetCount(), static_cast<i16>(expected.size()));
}

class SliqTest : public ::testing::Test {
protected:
    TItem Items[5] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}};
    void *A = &Items[0], *B = &Items[1], *C = &Items[2], *D = &Items[3], *E = &Items[4];
};

TEST_F(SliqTest, LinksAtBothEndsAndInsideAndIgnoresIndexesOutOfRange) {
    TProbeSliq list;
    EXPECT_TRUE(list.AddTail(B));
    EXPECT_TRUE(list.AddHead(A));
    EXPECT_TRUE(list.AddTail(D));
    EXPECT_TRUE(list.InsertAt(2, C));
    EXPECT_TRUE(list.InsertAt(0, E));
    ExpectLinked(list, {E, A, B, C, D});
    for (i16 index : {i16(5), i16(-1), i16(-32768), i16(32767)}) {
        EXPECT_EQ(list.GetAt(index), nullptr) << index;
        EXPECT_EQ(list.RemoveAt(index), nullptr) << index;
    }
    // InsertAt never appends.
    EXPECT_FALSE(list.InsertAt(5, D));
    EXPECT_FALSE(list.InsertAt(-1, D));
    ExpectLinked(list, {E, A, B, C, D});

    EXPECT_EQ(list.RemoveAt(2), B);
    EXPECT_TRUE(list.Remove(E));
    EXPECT_TRUE(list.Remove(D));
    ExpectLinked(list, {A, C});
    EXPECT_FALSE(list.Remove(D));
    EXPECT_FALSE(list.Remove(nullptr));
    EXPECT_EQ(list.RemoveTail(), C);
    EXPECT_EQ(list.RemoveHead(), A);
    ExpectLinked(list, {});
    EXPECT_EQ(list.RemoveHead(), nullptr);
    EXPECT_EQ(list.RemoveTail(), nullptr);
    EXPECT_EQ(list.RemoveAt(0), nullptr);
    EXPECT_FALSE(list.InsertAt(1, A));
    EXPECT_TRUE(list.InsertAt(0, A));
    ExpectLinked(list, {A});
}

TEST_F(SliqTest, DuplicateRuleAppliesToEndsButNotInnerInsert) {
    TProbeSliq list({A, B}, false);
    EXPECT_FALSE(list.AddHead(A));
    EXPECT_FALSE(list.AddTail(B));
    EXPECT_FALSE(list.InsertAt(0, B));
    EXPECT_TRUE(list.InsertAt(1, A));
    ExpectLinked(list, {A, A, B});
    // Remove takes the first from the head.
    EXPECT_TRUE(list.Remove(A));
    ExpectLinked(list, {A, B});

    TProbeSliq dups({A});
    EXPECT_TRUE(dups.AddHead(A));
    ExpectLinked(dups, {A, A});
}

TEST_F(SliqTest, RemovedNodesAreReusedBeforeAnyNewOne) {
    TProbeSliq list({A, B, C});
    std::vector<TSliqNode*> nodes;
    for (TSliqNode* n = list.HeadNode(); n; n = n->Next)
        nodes.push_back(n);
    list.Remove(B);
    list.RemoveTail();
    list.RemoveHead();
    EXPECT_EQ(list.HeadNode(), nullptr);
    EXPECT_EQ(list.TailNode(), nullptr);
    for (void* v : {A, B, C})
        list.AddHead(v);
    for (TSliqNode* n = list.HeadNode(); n; n = n->Next)
        EXPECT_NE(std::find(nodes.begin(), nodes.end(), n), nodes.end());
    EXPECT_EQ(list.PoolNode(), nullptr);
}

// A walk visits each value once in order even when the value under the cursor is removed.
TEST_F(SliqTest, WalkSurvivesRemovalOfItsCursor) {
    enum THow { ByRemove, ByRemoveAt, ByRemoveHead, ByRemoveTail };
    const struct {
        bool Forward;
        int RemoveWhenOn; // index into {a, b, c, d}
        THow How;
        std::vector<int> Visited;
        std::vector<int> Left;
    } cases[] = {
        {true, 0, ByRemove, {0, 1, 2, 3}, {1, 2, 3}},
        {true, 1, ByRemove, {0, 1, 2, 3}, {0, 2, 3}},
        {true, 3, ByRemove, {0, 1, 2, 3}, {0, 1, 2}},
        {false, 3, ByRemove, {3, 2, 1, 0}, {0, 1, 2}},
        {false, 2, ByRemove, {3, 2, 1, 0}, {0, 1, 3}},
        {false, 0, ByRemove, {3, 2, 1, 0}, {1, 2, 3}},
        {true, 2, ByRemoveAt, {0, 1, 2, 3}, {0, 1, 3}},
        {false, 1, ByRemoveAt, {3, 2, 1, 0}, {0, 2, 3}},
        {true, 3, ByRemoveTail, {0, 1, 2, 3}, {0, 1, 2}},
        {false, 0, ByRemoveHead, {3, 2, 1, 0}, {1, 2, 3}},
        // RemoveHead and RemoveTail never set the restart mark: a walk that loses its
        // cursor to them at its start ends there.
        {true, 0, ByRemoveHead, {0}, {1, 2, 3}},
        {false, 3, ByRemoveTail, {3}, {0, 1, 2}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << tc.Forward << " " << tc.RemoveWhenOn << " " << tc.How);
        void* vals[4] = {A, B, C, D};
        TProbeSliq list({A, B, C, D});
        list.SetForward(tc.Forward);
        std::vector<int> visited;
        for (void* v = list.WalkStart(); v; v = list.WalkNext()) {
            const int index = static_cast<int>(std::find(vals, vals + 4, v) - vals);
            visited.push_back(index);
            ASSERT_LE(visited.size(), 8u);
            if (index != tc.RemoveWhenOn)
                continue;
            if (tc.How == ByRemove)
                EXPECT_TRUE(list.Remove(v));
            else if (tc.How == ByRemoveAt)
                EXPECT_EQ(list.RemoveAt(static_cast<i16>(index)), v);
            else
                EXPECT_EQ(tc.How == ByRemoveHead ? list.RemoveHead() : list.RemoveTail(), v);
        }
        EXPECT_EQ(visited, tc.Visited);
        std::vector<void*> left;
        for (int i : tc.Left)
            left.push_back(vals[i]);
        ExpectLinked(list, left);
        EXPECT_EQ(list.WalkNext(), nullptr);
    }
}

TEST_F(SliqTest, WalkSurvivesRemovingEverythingAndIgnoresOtherRemovals) {
    TProbeSliq list({A, B, C});
    std::vector<void*> seen;
    for (void* v = list.WalkStart(); v; v = list.WalkNext()) {
        seen.push_back(v);
        list.Remove(v);
    }
    EXPECT_EQ(seen, (std::vector<void*>{A, B, C}));
    ExpectLinked(list, {});
    EXPECT_EQ(list.WalkStart(), nullptr);

    TProbeSliq other({A, B, C, D});
    EXPECT_EQ(other.WalkStart(), A);
    EXPECT_EQ(other.WalkNext(), B);
    other.Remove(C);
    EXPECT_EQ(other.CursorNode()->Value, B);
    EXPECT_FALSE(other.Restart());
    EXPECT_EQ(other.WalkNext(), D);
    EXPECT_EQ(other.WalkNext(), nullptr);
}

// Sizes across the short-run and merge boundaries, random keys with many duplicates: the
// result must be ordered and stable, and the nodes stay put while only their values move.
TEST_F(SliqTest, SortIsOrderedAndStableAtAnySize) {
    TItem five{5, 0}, one{1, 1};
    TProbeSliq unsorted({&five, &one});
    EXPECT_TRUE(unsorted.Sort());
    ExpectLinked(unsorted, {&five, &one}); // no compare: the order stays

    std::mt19937 rng(12345);
    for (int size : {0, 2, 3, 19, 20, 21, 40, 41, 63, 1000, 4321}) {
        SCOPED_TRACE(size);
        std::vector<TItem> items(size);
        std::uniform_int_distribution<int> key(0, size / 4 + 1);
        for (int i = 0; i < size; ++i)
            items[i] = {key(rng), i};
        TProbeSliq list;
        list.SetCompare(CompareKeys);
        std::vector<TSliqNode*> nodes;
        for (TItem& item : items) {
            ASSERT_TRUE(list.AddTail(&item));
            nodes.push_back(list.TailNode());
        }
        ASSERT_TRUE(list.Sort());
        ASSERT_EQ(list.GetCount(), size);

        std::vector<TItem*> expected;
        for (TItem& item : items)
            expected.push_back(&item);
        std::stable_sort(expected.begin(), expected.end(),
                         [](const TItem* a, const TItem* b) { return a->Key < b->Key; });
        size_t i = 0;
        for (TSliqNode* n = list.HeadNode(); n; n = n->Next, ++i) {
            ASSERT_LT(i, expected.size());
            ASSERT_EQ(n->Value, expected[i]) << "at " << i;
            ASSERT_EQ(n, nodes[i]) << "at " << i;
        }
        EXPECT_EQ(i, expected.size());
    }
}

// The count is 16 bits: a full list refuses more values instead of wrapping its count.
TEST_F(SliqTest, FullListRefusesMoreValues) {
    TProbeSliq list;
    for (int i = 0; i < 32767; ++i)
        ASSERT_TRUE(list.AddTail(A));
    EXPECT_FALSE(list.AddTail(B));
    EXPECT_FALSE(list.AddHead(B));
    EXPECT_FALSE(list.InsertAt(1, B));
    EXPECT_EQ(list.GetCount(), 32767);
    EXPECT_EQ(list.RemoveAt(32766), A);
    EXPECT_TRUE(list.AddHead(B));
    EXPECT_EQ(list.GetAt(0), B);
}

} // namespace
