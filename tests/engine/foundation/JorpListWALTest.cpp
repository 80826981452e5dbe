// Lists with active elements: uses keyed by start tick, frame passes, and removals during walks.
#include "engine/foundation/JorpListWAL.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using TLog = std::vector<std::string>;

// A member that records its calls; hooks let it act on its list in the middle of a pass.
class TActor : public TJorpBase {
public:
    TActor(std::string name, TLog& log) : TJorpBase(nullptr), Name(std::move(name)), Log(log) {}
    ~TActor() override { Log.push_back(Name + " deleted"); }

    void Play(u32 tick) override {
        Log.push_back(Name + " play " + std::to_string(tick));
        TJorpBase::Play(tick);
        if (OnPlay)
            OnPlay();
    }
    void Tick(u32 tick) override {
        Log.push_back(Name + " tick " + std::to_string(tick));
        if (OnTick)
            OnTick();
    }
    void PostTick(u32 tick) override {
        Log.push_back(Name + " post " + std::to_string(tick));
        if (OnPostTick)
            OnPostTick();
    }
    void Stop() override {
        Log.push_back(Name + " stop");
        TJorpBase::Stop();
    }
    void Release() override {
        Log.push_back(Name + " release");
        TJorpBase::Release();
    }

    std::string Name;
    std::function<void()> OnPlay, OnTick, OnPostTick;

private:
    TLog& Log;
};

class JorpListWAL : public ::testing::Test {
protected:
    JorpListWAL() { List.AddActiveList("main"); }

    TActor* Add(const std::string& name) {
        auto* actor = new TActor(name, Log);
        List.Add(actor);
        return actor;
    }
    void Frame(u32 tick) {
        List.Tick(tick);
        List.PostTick(tick);
    }
    TJorpActiveList& Main() { return *List.GetActiveList(0); }
    std::vector<u32> Keys() {
        std::vector<u32> keys;
        Main().ForEachElement([&](TJorpActiveElement& e) { keys.push_back(e.Key); });
        return keys;
    }

    TLog Log;
    TJorpListWAL List{nullptr};
};

TEST_F(JorpListWAL, AMemberIsPlayedAtItsKeyTickedAfterAndDroppedWhenItStops) {
    TActor* a = Add("a");
    ASSERT_TRUE(List.Use(a, 10));
    EXPECT_EQ(a->GetUseCount(), 1);
    EXPECT_TRUE(List.IsInUse(a));

    Frame(9);
    EXPECT_TRUE(Log.empty());
    Frame(10);
    Frame(11);
    EXPECT_EQ(Log, (TLog{"a play 10", "a post 10", "a tick 11", "a post 11"}));

    // It asks to stop in its own second pass: gone in that frame, its use given back.
    Log.clear();
    a->OnPostTick = [a] { a->TJorpBase::Stop(); };
    Frame(12);
    EXPECT_EQ(Log, (TLog{"a tick 12", "a post 12", "a release"}));
    EXPECT_EQ(Main().GetCount(), 0);
    EXPECT_EQ(a->GetUseCount(), 0);
    EXPECT_FALSE(List.IsInUse(a));
}

TEST_F(JorpListWAL, AUseWhoseKeyHasPassedIsTickedButNeverPlayed) {
    TActor* late = Add("late");
    TActor* running = Add("running");
    running->Start();
    List.Use(late, 5);
    List.Use(running, 5);
    Frame(8);
    EXPECT_EQ(Log, (TLog{"running tick 8", "late tick 8", "running post 8", "late stop",
                         "late release"}));
    EXPECT_EQ(Main().GetCount(), 1);
    EXPECT_TRUE(Main().IsActive(running));
    EXPECT_TRUE(Main().AnyRunning());
    running->TJorpBase::Stop();
    EXPECT_FALSE(Main().AnyRunning());
}

TEST_F(JorpListWAL, AcquiringTheListUsesEveryMemberWithTheKey) {
    std::vector<TActor*> actors{Add("a"), Add("b"), Add("c")};
    List.Acquire(5);
    EXPECT_EQ(Keys(), (std::vector<u32>{5, 5, 5}));
    for (i16 i = 0; i < 3; ++i) {
        EXPECT_EQ(actors[i]->GetUseCount(), 1);
        EXPECT_TRUE(List.IsInUseAt(i));
    }
    EXPECT_FALSE(List.IsInUseAt(3));

    List.Release();
    EXPECT_EQ(Main().GetCount(), 0);
    for (TActor* actor : actors)
        EXPECT_EQ(actor->GetUseCount(), 0);
    EXPECT_EQ(List.GetUseCount(), 0);
}

TEST_F(JorpListWAL, UnuseStopsAndReleasesAtOnceTheNewestUse) {
    TActor* a = Add("a");
    List.Use(a, 3);
    List.Use(a, 8);
    EXPECT_EQ(a->GetUseCount(), 2);
    EXPECT_EQ(Keys(), (std::vector<u32>{8, 3}));
    Frame(3);
    Log.clear();

    List.Unuse(a);
    EXPECT_EQ(Log, (TLog{"a stop", "a release"}));
    EXPECT_EQ(Keys(), std::vector<u32>{3});
    EXPECT_EQ(a->GetUseCount(), 1);

    // A member without an element is left alone.
    TActor* idle = Add("idle");
    Log.clear();
    List.Unuse(idle);
    List.UnuseAt(5);
    EXPECT_TRUE(Log.empty());
}

TEST(JorpListWALRefusals, UsesGoNowhereWithoutAnActiveListOrPermission) {
    TLog log;
    TJorpListWAL bare(nullptr);
    auto* a = new TActor("a", log);
    bare.Add(a);
    EXPECT_FALSE(bare.Use(a, 1));
    bare.Tick(1);
    bare.PostTick(1);
    bare.Unuse(a);
    EXPECT_FALSE(bare.IsInUse(a));
    EXPECT_TRUE(log.empty());

    class TPicky : public TJorpListWAL {
    public:
        using TJorpListWAL::TJorpListWAL;
        bool CanActivate(TJorpBase* member, u32 key) override {
            return member != nullptr && key < 100;
        }
        i16 GetActiveListIndex(TJorpBase* member) override { return member->GetId(); }
    } picky(nullptr);
    picky.AddActiveList("zero");
    auto* b = new TActor("b", log);
    picky.Add(b);
    EXPECT_FALSE(picky.CanActivateAt(0, 100));
    EXPECT_FALSE(picky.Use(b, 100));
    EXPECT_TRUE(picky.Use(b, 99));
    b->SetId(1);
    EXPECT_FALSE(picky.Use(b, 1)) << "mapped to a missing active list";
    EXPECT_FALSE(picky.IsInUse(b));
}

TEST_F(JorpListWAL, SortingByKeyOrdersTheElements) {
    TActor* a = Add("a");
    for (u32 key : {5U, 3U, 7U})
        List.Use(a, key);
    EXPECT_EQ(Keys(), (std::vector<u32>{7, 3, 5}));
    Main().SortByKey();
    EXPECT_EQ(Keys(), (std::vector<u32>{3, 5, 7}));
}

TEST_F(JorpListWAL, ElementsTakeAndGiveBackUses) {
    TActor* a = Add("a");
    TJorpActiveElement borrowed(a, u8{1});
    EXPECT_EQ(a->GetUseCount(), 0);
    borrowed.Object = nullptr;
    {
        TJorpActiveElement used(a, u32{4});
        EXPECT_EQ(used.Key, 4U);
        EXPECT_EQ(a->GetUseCount(), 1);
        a->TJorpBase::Stop();
    }
    // Already stopping: released without a second stop.
    EXPECT_EQ(Log, TLog{"a release"});
    EXPECT_EQ(a->GetUseCount(), 0);

    TJorpActiveElement orphan(nullptr, u8{1});
    orphan.PostTick(0);
    EXPECT_EQ(orphan.Active, 0);
    EXPECT_FALSE(Main().RemoveElement(nullptr));
    EXPECT_FALSE(Main().RemoveElement(&orphan));
}

// The walks must survive what the members do to the list while they are called.
TEST_F(JorpListWAL, AMemberDroppedDuringTheTickPassIsNotTouchedAgain) {
    TActor* b = Add("b");
    TActor* a = Add("a");
    List.Use(b, 1);
    List.Use(a, 1);
    a->OnPlay = [&] { List.Unuse(b); };
    Frame(1);
    EXPECT_EQ(Log, (TLog{"a play 1", "b stop", "b release", "a post 1"}));
    EXPECT_EQ(Main().GetCount(), 1);
    EXPECT_EQ(b->GetUseCount(), 0);
}

TEST_F(JorpListWAL, AMemberRemovedFromTheListDuringAPassLosesItsElementsFirst) {
    TActor* a = Add("a");
    TActor* b = Add("b");
    TActor* c = Add("c");
    List.Use(c, 1);
    List.Use(b, 1);
    List.Use(b, 1);
    List.Use(a, 1);
    a->OnPostTick = [&] {
        for (i16 i = 0; i <= List.GetLastIndex(); ++i)
            if (List.GetAt(i) == b)
                List.RemoveAt(i);
    };
    Frame(1);
    EXPECT_EQ(Log, (TLog{"a play 1", "b play 1", "b play 1", "c play 1", "a post 1", "b stop",
                         "b release", "b release", "b deleted", "c post 1"}));
    EXPECT_EQ(Keys(), (std::vector<u32>{1, 1}));
    EXPECT_EQ(List.GetCount(), 2);

    // A member that ends its own use while it is ticked: the walk goes on to the next.
    Log.clear();
    a->OnPostTick = nullptr;
    a->OnTick = [&] { List.Unuse(a); };
    List.Use(c, 3);
    Frame(2);
    EXPECT_EQ(Log, (TLog{"a tick 2", "a stop", "a release", "c tick 2", "c post 2"}));
    EXPECT_EQ(Keys(), (std::vector<u32>{3, 1}));

    // And one that ends it in its own second pass, with the element under the walk.
    Log.clear();
    c->OnPostTick = [&] { List.Unuse(c); };
    Frame(3);
    // The older use sees the stop request and goes in the same pass.
    EXPECT_EQ(Log, (TLog{"c play 3", "c tick 3", "c post 3", "c stop", "c release", "c release"}));
    EXPECT_EQ(Main().GetCount(), 0);
    EXPECT_EQ(c->GetUseCount(), 0);
}

TEST_F(JorpListWAL, AMemberStoppedByAnotherLeavesInTheSameFrame) {
    TActor* b = Add("b");
    TActor* a = Add("a");
    List.Use(b, 1);
    List.Use(a, 1);
    Frame(1);
    Log.clear();
    a->OnTick = [&] { b->Stop(); };
    Frame(2);
    EXPECT_EQ(Log, (TLog{"a tick 2", "b stop", "b tick 2", "a post 2", "b release"}));
    EXPECT_EQ(Main().GetCount(), 1);
}

TEST(JorpListWALLifetime, ElementsInEveryActiveListGoBeforeTheirMembers) {
    TLog log;
    class TTwoLists : public TJorpListWAL {
    public:
        using TJorpListWAL::TJorpListWAL;
        i16 GetActiveListIndex(TJorpBase* member) override { return member->GetId(); }
    };
    {
        TTwoLists list(nullptr);
        list.AddActiveList("first");
        list.AddActiveList("second");
        EXPECT_EQ(list.GetActiveListCount(), 2);
        EXPECT_EQ(list.GetActiveList(1)->GetName(), "second");
        auto* a = new TActor("a", log);
        list.Add(a);
        list.Use(a, 1);
        a->SetId(1);
        list.Use(a, 2);
        auto* b = new TActor("b", log);
        list.Add(b);
        list.Use(b, 1);

        EXPECT_TRUE(list.RemoveAt(0));
        EXPECT_EQ(log, (TLog{"a stop", "a release", "a release", "a deleted"}));
        EXPECT_EQ(list.GetActiveList(0)->GetCount(), 1);
        EXPECT_EQ(list.GetActiveList(1)->GetCount(), 0);
        log.clear();
    }
    EXPECT_EQ(log, (TLog{"b stop", "b release", "b deleted"}));
}

} // namespace
