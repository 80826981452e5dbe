// Object lists: places and growth, removal, lookups by name, forwarding, extents and gauges.
#include "engine/foundation/JorpList.h"

#include "FileMgrFixture.h"
#include "engine/foundation/BaseFile.h"
#include "engine/foundation/JorpOwner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A member that records what reaches it and what its list looked like at that moment.
class TProbe : public TJorpBase {
public:
    TProbe(std::string name, std::vector<std::string>* log = nullptr,
           const TJorpList* list = nullptr)
        : TJorpBase(nullptr, 0, TFileMode(name, 0, 1)), Name(std::move(name)), Log(log),
          List(list) {}
    ~TProbe() override { Note("deleted"); }

    void Tick(u32 tick) override { Note("tick " + std::to_string(tick)); }
    void PostTick(u32 tick) override { Note("post " + std::to_string(tick)); }
    void Play(u32 tick) override { Note("play " + std::to_string(tick)); }
    void Stop() override {
        Note(List != nullptr && List->HasFlags(JOF_STOP_REQUESTED) ? "stop after list" : "stop");
        TJorpBase::Stop();
    }
    void Show() override {
        Note(List != nullptr && List->IsShown() ? "show after list" : "show");
        TJorpBase::Show();
    }
    void Hide() override {
        Note(List != nullptr && !List->IsShown() ? "hide after list" : "hide");
        TJorpBase::Hide();
    }

    std::string Name;

private:
    void Note(const std::string& what) {
        if (Log != nullptr)
            Log->push_back(Name + " " + what);
    }
    std::vector<std::string>* Log;
    const TJorpList* List;
};

std::vector<std::string> Names(const TJorpList& list) {
    std::vector<std::string> names;
    for (i16 i = 0; i <= list.GetLastIndex(); ++i) {
        const TJorpBase* member = list.GetAt(i);
        names.push_back(member != nullptr ? member->GetFileMode().Name.GetText() : "-");
    }
    return names;
}

void Fill(TJorpList& list, const std::vector<std::string>& names,
          std::vector<std::string>* log = nullptr) {
    for (const auto& name : names)
        ASSERT_TRUE(list.Add(new TProbe(name, log, &list)));
}

TEST(JorpList, RemoveAtFollowsTheKeepsPlacesAndOwnsFlags) {
    struct Case {
        u16 flags;
        i16 index;
        std::vector<std::string> after;
        bool deleted;
    };
    const Case cases[] = {
        // The last member fills the gap.
        {JOF_OWNS_MEMBERS, 0, {"c", "b"}, true},
        {JOF_OWNS_MEMBERS, 2, {"a", "b"}, true},
        {0, 1, {"a", "c"}, false},
        // The place stays and is emptied.
        {JOF_OWNS_MEMBERS | JOF_KEEPS_PLACES, 1, {"a", "-", "c"}, true},
        {JOF_KEEPS_PLACES, 2, {"a", "b", "-"}, false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> log;
        TJorpList list;
        list.ClearFlags(JOF_OWNS_MEMBERS);
        list.SetFlags(c.flags);
        Fill(list, {"a", "b", "c"}, &log);
        TJorpBase* removed = list.GetAt(c.index);
        list.SortByName();
        ASSERT_TRUE(list.RemoveAt(c.index));
        EXPECT_EQ(Names(list), c.after) << c.index;
        EXPECT_FALSE(list.IsSorted());
        const bool deleted = !log.empty() && log.back().ends_with("deleted");
        EXPECT_EQ(deleted, c.deleted) << c.index;
        if (!c.deleted)
            delete removed;
    }

    // Loops skip the emptied place; the destructor deletes the rest whatever the flags.
    std::vector<std::string> log;
    {
        TJorpList list;
        list.ClearFlags(JOF_OWNS_MEMBERS);
        list.SetFlags(JOF_KEEPS_PLACES);
        Fill(list, {"a", "b", "c"}, &log);
        EXPECT_FALSE(list.RemoveAt(-1));
        EXPECT_FALSE(list.RemoveAt(3));
        TJorpBase* b = list.GetAt(1);
        list.RemoveAt(1);
        delete b;
        log.clear();
        list.Play(7);
        EXPECT_EQ(log, (std::vector<std::string>{"a play 7", "c play 7"}));
        log.clear();
    }
    EXPECT_EQ(log, (std::vector<std::string>{"a deleted", "c deleted"}));
}

TEST(JorpList, GrowsByItsStepUpToTheLimitOfPlaces) {
    // Big steps reach the limit in a few growths; the last one stops at the limit.
    class TBigSteps : public TJorpList {
    public:
        i16 GetGrowStep() const override { return 1000; }
    } big;
    for (int i = 0; i < TJorpList::MAX_PLACES; ++i)
        ASSERT_TRUE(big.Add(nullptr)) << i;
    EXPECT_EQ(big.GetCapacity(), TJorpList::MAX_PLACES);
    TProbe refused("refused");
    EXPECT_FALSE(big.Add(&refused));
    EXPECT_EQ(big.AddGetIndex(&refused), -1);
    EXPECT_EQ(big.GetLastIndex(), TJorpList::MAX_PLACES - 1);
    // Emptied, the list has no array left and grows again from nothing.
    big.DeleteAll();
    EXPECT_EQ(big.GetCapacity(), 0);
    EXPECT_EQ(big.AddGetIndex(new TProbe("c")), 0);
    EXPECT_EQ(big.GetCapacity(), 1000);
}

TEST(JorpList, FindsMembersByNameSortedOrNot) {
    TJorpList list;
    list.SetFlags(JOF_KEEPS_PLACES);
    Fill(list, {"m.bas", "b.bas", "gone", "z.bas", "a.bas", "q.bas"});
    list.RemoveAt(2);
    for (bool sorted : {false, true}) {
        for (const char* name : {"a.bas", "b.bas", "m.bas", "q.bas", "z.bas"}) {
            const i16 index = list.IndexOf(name);
            ASSERT_GE(index, 0) << name;
            EXPECT_EQ(list.GetAt(index)->GetFileMode().Name.GetText(), name);
            EXPECT_EQ(list.FindByName(name), list.GetAt(index));
            EXPECT_EQ(list.IndexOfName(name), index);
        }
        for (const char* absent : {"a", "", "c.bas", "zz.bas", "gone"})
            EXPECT_EQ(list.IndexOf(absent), -1) << absent;
        EXPECT_EQ(list.IsSorted(), sorted);
        // Empty places go last, where the binary search takes them for the greatest names.
        list.SortByName();
    }
    EXPECT_EQ(Names(list),
              (std::vector<std::string>{"a.bas", "b.bas", "m.bas", "q.bas", "z.bas", "-"}));
    list.Add(new TProbe("c.bas"));
    EXPECT_FALSE(list.IsSorted());

    TJorpList empty;
    empty.SortByName();
    EXPECT_TRUE(empty.IsSorted());
    EXPECT_EQ(empty.IndexOf("a"), -1);
}

TEST(JorpList, TheBinarySearchIsUsedWhenSortedAndTheLinearSearchCatchesItsMisses) {
    // Equal names show which search answered: the binary search meets the middle first.
    TJorpList same;
    Fill(same, {"x", "x", "x"});
    same.SortByName();
    EXPECT_EQ(same.IndexOf("x"), 1);
    EXPECT_EQ(same.IndexOfName("x"), 0);

    // A list flagged sorted whose order the binary search cannot follow.
    TJorpList wrong;
    Fill(wrong, {"d", "c", "b", "a", "e"});
    wrong.SetFlags(JOF_SORTED);
    for (const char* name : {"a", "b", "c", "d", "e"})
        EXPECT_EQ(wrong.GetAt(wrong.IndexOf(name))->GetFileMode().Name.GetText(), name);
}

TEST(JorpList, LastExtentIsTheLatestEndAndNeverNegative) {
    struct Case {
        std::vector<std::pair<u32, i16>> members; // duration, start delay
        u32 extent;
    };
    const Case cases[] = {
        {{}, 0},
        {{{10, 0}, {5, 8}}, 12},
        {{{0, 0}}, 0},
        {{{3, -10}, {1, 0}}, 0},
        {{{0xFFFFFFFFU, 0}}, 0xFFFFFFFEU},
    };
    for (const Case& c : cases) {
        TJorpList list;
        list.SetFlags(JOF_KEEPS_PLACES);
        list.Add(new TProbe("gone"));
        list.Add(nullptr);
        for (const auto& [duration, delay] : c.members) {
            auto* member = new TProbe("m");
            member->Duration = duration;
            member->StartDelay = delay;
            list.Add(member);
        }
        list.GetAt(0)->Duration = 1000;
        list.RemoveAt(0);
        EXPECT_EQ(list.GetLastExtent(), c.extent);
    }
}

TEST(JorpList, ForwardsToMembersInItsOrderAndTicksOnlyWhileRunning) {
    std::vector<std::string> log;
    TJorpList list;
    Fill(list, {"a", "b"}, &log);
    list.Tick(1);
    list.PostTick(1);
    EXPECT_TRUE(log.empty());

    list.Start();
    EXPECT_TRUE(list.HasFlags(JOF_ON));
    EXPECT_TRUE(log.empty()) << "starting a list starts no member";
    list.Tick(2);
    list.PostTick(2);
    EXPECT_EQ(log, (std::vector<std::string>{"a tick 2", "b tick 2", "a post 2", "b post 2"}));

    log.clear();
    list.Stop();
    EXPECT_EQ(log, (std::vector<std::string>{"a stop", "b stop"}));
    EXPECT_TRUE(list.HasFlags(JOF_STOP_REQUESTED));
    log.clear();
    list.Tick(3);
    list.PostTick(3);
    EXPECT_TRUE(log.empty());

    list.Play(4);
    EXPECT_EQ(log, (std::vector<std::string>{"a play 4", "b play 4"}));
    EXPECT_TRUE(list.HasFlags(JOF_STOP_REQUESTED)) << "playing a list does not start it";

    log.clear();
    list.Hide();
    list.Show();
    EXPECT_EQ(log, (std::vector<std::string>{"a hide after list", "b hide after list",
                                             "a show after list", "b show after list"}));
}

// Stops its whole list from inside the list's tick pass.
class TListStopper : public TProbe {
public:
    TListStopper(std::vector<std::string>* log, TJorpList* list)
        : TProbe("stopper", log, list), Target(list) {}
    void Tick(u32 tick) override {
        TProbe::Tick(tick);
        Target->Stop();
    }

private:
    TJorpList* Target;
};

TEST(JorpList, AMemberStoppingTheListLetsTheRestOfThePassRun) {
    std::vector<std::string> log;
    TJorpList list;
    ASSERT_TRUE(list.Add(new TListStopper(&log, &list)));
    Fill(list, {"b"}, &log);
    list.Start();
    list.Tick(5);
    EXPECT_EQ(log,
              (std::vector<std::string>{"stopper tick 5", "stopper stop", "b stop", "b tick 5"}));
    log.clear();
    list.PostTick(5);
    list.Tick(6);
    EXPECT_TRUE(log.empty()) << "the next passes see the stop";
}

TEST(JorpList, AcquireAndReleaseCountTheListAndEachMemberOnce) {
    TJorpList list;
    list.SetFlags(JOF_KEEPS_PLACES);
    Fill(list, {"a", "b", "c"});
    list.RemoveAt(1);
    list.Acquire(9);
    EXPECT_EQ(list.GetUseCount(), 1);
    EXPECT_EQ(list.GetAt(0)->GetUseCount(), 1);
    EXPECT_EQ(list.GetAt(2)->GetUseCount(), 1);
    list.Release();
    list.Release();
    EXPECT_EQ(list.GetUseCount(), 0);
    EXPECT_EQ(list.GetAt(0)->GetUseCount(), 0);
    EXPECT_EQ(list.GetAt(2)->GetUseCount(), 0);
    EXPECT_FALSE(list.UseAt(1, 1));
}

class TOwner : public TJorpOwner {
public:
    const u32* GetFrameCounter() const override { return nullptr; }
    bool IsHoldSet() const override { return false; }
    TJorpProgress* GetProgress() const override { return Progress; }
    TJorpProgress* Progress = nullptr;
};

class TCountedGauge : public TJorpProgress {
public:
    explicit TCountedGauge(std::string caption) : Caption(std::move(caption)) { ++Alive; }
    ~TCountedGauge() override { --Alive; }
    std::string Caption;
    static inline int Alive = 0;
};

TEST(JorpList, GaugesComeFromTheOwnerOrAreMadeAndEndedByTheList) {
    TOwner owner;
    TJorpProgress ownerGauge;
    owner.Progress = &ownerGauge;
    TJorpList list(&owner);
    EXPECT_EQ(list.StartGauge("Loading"), &ownerGauge);
    list.EndGauge(&ownerGauge);

    // Without a factory the list still has something to report to.
    owner.Progress = nullptr;
    TJorpProgress* silent = list.StartGauge("Loading");
    ASSERT_NE(silent, nullptr);
    list.EndGauge(silent);

    TJorpList::SetGaugeFactory([](TJorpList&, TJorpOwner*, const std::string& caption) {
        return static_cast<TJorpProgress*>(new TCountedGauge(caption));
    });
    TJorpProgress* made = list.StartGauge("Sprites");
    ASSERT_EQ(TCountedGauge::Alive, 1);
    EXPECT_EQ(static_cast<TCountedGauge*>(made)->Caption, "Sprites");
    TJorpList other;
    other.EndGauge(made);
    EXPECT_EQ(TCountedGauge::Alive, 1) << "another list's gauge is left alone";
    list.EndGauge(made);
    EXPECT_EQ(TCountedGauge::Alive, 0);
    {
        TJorpList forgetful;
        forgetful.CreateGauge("never ended");
        EXPECT_EQ(TCountedGauge::Alive, 1);
    }
    EXPECT_EQ(TCountedGauge::Alive, 0);
    TJorpList::SetGaugeFactory(nullptr);
}

class JorpListFiles : public FileMgrFixture {
protected:
    void SetUp() override {
        FileMgrFixture::SetUp();
        MakeFolders();
        MakeManager();
    }
};

TEST_F(JorpListFiles, MemberFileModesMoveEveryImageToTheGivenLevels) {
    WriteData("one.bas", 100);
    WriteData("two.bas", 100);
    TJorpList list;
    list.Add(TJorpBase::CreateAttached<TJorpBase>(TFileMode("one.bas", 1, 1), false, true, nullptr)
                 .release());
    list.Add(nullptr);
    list.Add(TJorpBase::CreateAttached<TJorpBase>(TFileMode("two.bas", 1, 1), false, true, nullptr)
                 .release());
    ASSERT_NE(list.GetAt(0)->GetImage(), nullptr);

    list.SetMemberFileModes(4, 2);
    for (i16 i : {0, 2}) {
        const TJorpBase* member = list.GetAt(i);
        EXPECT_EQ(member->GetFileMode().RamLevel, 2);
        EXPECT_EQ(member->GetImage()->GetRamCount(2), 1);
        EXPECT_EQ(member->GetImage()->GetRamCount(4), 0);
        EXPECT_EQ(member->GetImage()->UseCount, 1);
        // Brought in by the pass through level 4.
        EXPECT_NE(member->GetImage()->GetData(), nullptr);
    }
}

} // namespace
