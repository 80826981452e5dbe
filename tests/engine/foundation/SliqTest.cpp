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
    using TSliq::TSliq;
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
    std::vector<void*> forward;
    for (TSliqNode* n = list.HeadNode(); n; n = n->Next) {
        forward.push_back(n->Value);
    }
    std::vector<void*> backward;
    for (TSliqNode* n = list.TailNode(); n; n = n->Prev) {
        backward.push_back(n->Value);
    }
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(forward, expected);
    EXPECT_EQ(backward, expected);
    EXPECT_EQ(list.GetCount(), static_cast<i16>(expected.size()));
}

class SliqTest : public ::testing::Test {
protected:
    TItem Items[6] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};
    void* A = &Items[0];
    void* B = &Items[1];
    void* C = &Items[2];
    void* D = &Items[3];
    void* E = &Items[4];
};

TEST_F(SliqTest, LinksAtBothEndsAndInside) {
    TProbeSliq list(true, false);
    EXPECT_TRUE(list.AddTail(B));
    EXPECT_TRUE(list.AddHead(A));
    EXPECT_TRUE(list.AddTail(D));
    EXPECT_TRUE(list.InsertAt(2, C));
    ExpectLinked(list, {A, B, C, D});
    EXPECT_TRUE(list.InsertAt(0, E));
    ExpectLinked(list, {E, A, B, C, D});

    EXPECT_TRUE(list.Remove(B));
    ExpectLinked(list, {E, A, C, D});
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
    EXPECT_FALSE(list.Remove(A));
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(SliqTest, DuplicateRuleAppliesToEndsButNotInnerInsert) {
    TProbeSliq list(false, false);
    EXPECT_TRUE(list.AddTail(A));
    EXPECT_TRUE(list.AddTail(B));
    EXPECT_FALSE(list.AddHead(A));
    EXPECT_FALSE(list.AddTail(B));
    EXPECT_FALSE(list.InsertAt(0, B));
    EXPECT_TRUE(list.InsertAt(1, A));
    ExpectLinked(list, {A, A, B});
    // Remove takes the first from the head.
    EXPECT_TRUE(list.Remove(A));
    ExpectLinked(list, {A, B});

    TProbeSliq dups(true, false);
    EXPECT_TRUE(dups.AddTail(A));
    EXPECT_TRUE(dups.AddHead(A));
    ExpectLinked(dups, {A, A});
}

TEST_F(SliqTest, OutOfRangeIndexesChangeNothing) {
    TProbeSliq list(true, false);
    list.AddTail(A);
    list.AddTail(B);
    list.AddTail(C);
    for (i16 index : {i16(3), i16(4), i16(-1), i16(-32768), i16(32767)}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(list.GetAt(index), nullptr);
        EXPECT_EQ(list.RemoveAt(index), nullptr);
        ExpectLinked(list, {A, B, C});
    }
    // InsertAt never appends.
    EXPECT_FALSE(list.InsertAt(3, D));
    EXPECT_FALSE(list.InsertAt(-1, D));
    ExpectLinked(list, {A, B, C});

    TProbeSliq empty(true, false);
    EXPECT_EQ(empty.GetAt(0), nullptr);
    EXPECT_EQ(empty.RemoveAt(0), nullptr);
    EXPECT_FALSE(empty.InsertAt(1, A));
    EXPECT_TRUE(empty.InsertAt(0, A));
    ExpectLinked(empty, {A});
}

TEST_F(SliqTest, RemoveAtTakesEndsAndInnerValues) {
    TProbeSliq list(true, false);
    for (void* v : {A, B, C, D, E}) {
        list.AddTail(v);
    }
    EXPECT_EQ(list.RemoveAt(2), C);
    ExpectLinked(list, {A, B, D, E});
    EXPECT_EQ(list.RemoveAt(0), A);
    EXPECT_EQ(list.RemoveAt(2), E);
    ExpectLinked(list, {B, D});
}

TEST_F(SliqTest, RemovedNodesAreReused) {
    TProbeSliq list(true, false);
    list.AddTail(A);
    TSliqNode* node = list.HeadNode();
    EXPECT_EQ(list.RemoveHead(), A);
    EXPECT_EQ(list.HeadNode(), nullptr);
    EXPECT_EQ(list.TailNode(), nullptr);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.PoolNode(), node);
    EXPECT_TRUE(list.AddTail(B));
    EXPECT_EQ(list.HeadNode(), node);
    EXPECT_EQ(list.PoolNode(), nullptr);

    // Several spare nodes come back before any new one is made.
    list.AddTail(C);
    list.AddTail(D);
    std::vector<TSliqNode*> nodes;
    for (TSliqNode* n = list.HeadNode(); n; n = n->Next) {
        nodes.push_back(n);
    }
    list.Remove(C);
    list.RemoveTail();
    list.RemoveHead();
    list.AddHead(A);
    list.AddHead(B);
    list.AddHead(C);
    for (TSliqNode* n = list.HeadNode(); n; n = n->Next) {
        EXPECT_NE(std::find(nodes.begin(), nodes.end(), n), nodes.end());
    }
    EXPECT_EQ(list.PoolNode(), nullptr);
}

// A walk visits each value once in order even when the value under the cursor is removed.
struct TWalkCase {
    const char* Name;
    bool Forward;
    int RemoveWhenOn; // index into {a, b, c, d}
    enum { ByRemove, ByRemoveAt, ByRemoveHead, ByRemoveTail } How;
    std::vector<int> Visited;
    std::vector<int> Left;
};

TEST_F(SliqTest, WalkSurvivesRemovalOfItsCursor) {
    const std::vector<TWalkCase> cases = {
        {"forward head", true, 0, TWalkCase::ByRemove, {0, 1, 2, 3}, {1, 2, 3}},
        {"forward middle", true, 1, TWalkCase::ByRemove, {0, 1, 2, 3}, {0, 2, 3}},
        {"forward tail", true, 3, TWalkCase::ByRemove, {0, 1, 2, 3}, {0, 1, 2}},
        {"backward tail", false, 3, TWalkCase::ByRemove, {3, 2, 1, 0}, {0, 1, 2}},
        {"backward middle", false, 2, TWalkCase::ByRemove, {3, 2, 1, 0}, {0, 1, 3}},
        {"backward head", false, 0, TWalkCase::ByRemove, {3, 2, 1, 0}, {1, 2, 3}},
        {"forward inner RemoveAt", true, 2, TWalkCase::ByRemoveAt, {0, 1, 2, 3}, {0, 1, 3}},
        {"backward inner RemoveAt", false, 1, TWalkCase::ByRemoveAt, {3, 2, 1, 0}, {0, 2, 3}},
        {"forward RemoveTail on tail", true, 3, TWalkCase::ByRemoveTail, {0, 1, 2, 3}, {0, 1, 2}},
        {"backward RemoveHead on head", false, 0, TWalkCase::ByRemoveHead, {3, 2, 1, 0}, {1, 2, 3}},
        // RemoveHead and RemoveTail never set the restart mark: a walk that loses its
        // cursor to them at its start ends there.
        {"forward RemoveHead on head", true, 0, TWalkCase::ByRemoveHead, {0}, {1, 2, 3}},
        {"backward RemoveTail on tail", false, 3, TWalkCase::ByRemoveTail, {3}, {0, 1, 2}},
    };
    for (const TWalkCase& tc : cases) {
        SCOPED_TRACE(tc.Name);
        void* vals[4] = {A, B, C, D};
        TProbeSliq list(true, false);
        for (void* v : vals) {
            list.AddTail(v);
        }
        list.SetForward(tc.Forward);
        std::vector<int> visited;
        for (void* v = list.WalkStart(); v; v = list.WalkNext()) {
            const int index = static_cast<int>(std::find(vals, vals + 4, v) - vals);
            visited.push_back(index);
            ASSERT_LE(visited.size(), 8u);
            if (index != tc.RemoveWhenOn) {
                continue;
            }
            switch (tc.How) {
            case TWalkCase::ByRemove:
                EXPECT_TRUE(list.Remove(v));
                break;
            case TWalkCase::ByRemoveAt: {
                i16 at = 0;
                while (list.GetAt(at) != v) {
                    ++at;
                }
                EXPECT_EQ(list.RemoveAt(at), v);
                break;
            }
            case TWalkCase::ByRemoveHead:
                EXPECT_EQ(list.RemoveHead(), v);
                break;
            case TWalkCase::ByRemoveTail:
                EXPECT_EQ(list.RemoveTail(), v);
                break;
            }
        }
        EXPECT_EQ(visited, tc.Visited);
        std::vector<void*> left;
        for (int i : tc.Left) {
            left.push_back(vals[i]);
        }
        ExpectLinked(list, left);
        EXPECT_EQ(list.WalkNext(), nullptr);
    }
}

TEST_F(SliqTest, WalkSurvivesRemovingEverything) {
    TProbeSliq list(true, false);
    for (void* v : {A, B, C}) {
        list.AddTail(v);
    }
    std::vector<void*> seen;
    for (void* v = list.WalkStart(); v; v = list.WalkNext()) {
        seen.push_back(v);
        list.Remove(v);
    }
    EXPECT_EQ(seen, (std::vector<void*>{A, B, C}));
    ExpectLinked(list, {});
    EXPECT_EQ(list.WalkStart(), nullptr);
}

TEST_F(SliqTest, RemovingAnotherNodeLeavesTheCursorAlone) {
    TProbeSliq list(true, false);
    for (void* v : {A, B, C, D}) {
        list.AddTail(v);
    }
    EXPECT_EQ(list.WalkStart(), A);
    EXPECT_EQ(list.WalkNext(), B);
    list.Remove(C);
    EXPECT_EQ(list.CursorNode()->Value, B);
    EXPECT_FALSE(list.Restart());
    EXPECT_EQ(list.WalkNext(), D);
    EXPECT_EQ(list.WalkNext(), nullptr);
}

TEST_F(SliqTest, SortsShortListsAndKeepsOrderWithDefaultCompare) {
    TItem five{5, 0}, one{1, 1}, four{4, 2};
    TProbeSliq list(true, false);
    list.AddTail(&five);
    list.AddTail(&one);
    list.AddTail(&four);
    TSliqNode* nodes[3] = {list.HeadNode(), list.HeadNode()->Next, list.TailNode()};

    EXPECT_TRUE(list.Sort());
    ExpectLinked(list, {&five, &one, &four});

    list.SetCompare(CompareKeys);
    EXPECT_TRUE(list.Sort());
    ExpectLinked(list, {&one, &four, &five});
    // The nodes stay put; only their values move.
    EXPECT_EQ(list.HeadNode(), nodes[0]);
    EXPECT_EQ(list.HeadNode()->Next, nodes[1]);
    EXPECT_EQ(list.TailNode(), nodes[2]);

    TProbeSliq empty(true, false);
    empty.SetCompare(CompareKeys);
    EXPECT_TRUE(empty.Sort());
}

// Sorts lists of many sizes (across the short-run and merge boundaries) of random keys with
// many duplicates; the result must be ordered and stable.
TEST_F(SliqTest, SortIsOrderedAndStableAtAnySize) {
    std::mt19937 rng(12345);
    for (int size : {2, 19, 20, 21, 40, 41, 63, 1000, 4321}) {
        SCOPED_TRACE(size);
        std::vector<TItem> items(size);
        std::uniform_int_distribution<int> key(0, size / 4 + 1);
        for (int i = 0; i < size; ++i) {
            items[i] = {key(rng), i};
        }
        TProbeSliq list(true, false);
        list.SetCompare(CompareKeys);
        for (TItem& item : items) {
            ASSERT_TRUE(list.AddTail(&item));
        }
        ASSERT_TRUE(list.Sort());
        ASSERT_EQ(list.GetCount(), size);

        std::vector<TItem*> expected;
        for (TItem& item : items) {
            expected.push_back(&item);
        }
        std::stable_sort(expected.begin(), expected.end(),
                         [](const TItem* a, const TItem* b) { return a->Key < b->Key; });
        size_t i = 0;
        for (TSliqNode* n = list.HeadNode(); n; n = n->Next, ++i) {
            ASSERT_LT(i, expected.size());
            ASSERT_EQ(n->Value, expected[i]) << "at " << i;
        }
        EXPECT_EQ(i, expected.size());
    }
}

// The count is 16 bits: a full list refuses more values instead of wrapping its count.
TEST_F(SliqTest, FullListRefusesMoreValues) {
    TProbeSliq list(true, false);
    for (int i = 0; i < 32767; ++i) {
        ASSERT_TRUE(list.AddTail(A));
    }
    EXPECT_FALSE(list.AddTail(B));
    EXPECT_FALSE(list.AddHead(B));
    EXPECT_FALSE(list.InsertAt(1, B));
    EXPECT_EQ(list.GetCount(), 32767);
    EXPECT_EQ(list.GetAt(32766), A);
    EXPECT_EQ(list.RemoveAt(32766), A);
    EXPECT_TRUE(list.AddHead(B));
    EXPECT_EQ(list.GetAt(0), B);
}

} // namespace
