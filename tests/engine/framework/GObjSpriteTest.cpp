// The sprite and skit operations of game objects: what an object without parts answers, the
// search for a free start frame, names added twice, and the sprites of the mode's other objects.
#include "GameObjectFakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class GObjSprites : public ::testing::Test {
protected:
    GObjSprites() { ObjectLog().clear(); }

    // An object with an empty fake sprite list, named name.go.
    std::unique_ptr<TGameObject> WithSprites(const std::string& name) {
        auto object = TGameObject::CreateEmpty(&Window);
        object->SetObjectFileName(TJorpFileName(name));
        return object;
    }
    static TFakeSpriteList& List(const TGameObject& object) {
        return *dynamic_cast<TFakeSpriteList*>(object.GetSpriteList());
    }

    TFakeSpriteMaker Sprites;
    TFakeModeWindow Window;
};

TEST_F(GObjSprites, AnObjectWithoutPartsAnswersNothingAndMakesNothing) {
    // One object without an owner, one run by a window but made with no parts (a seat
    // player's form).
    TGameObject alone(nullptr);
    TGameObject seated(&Window);
    for (TGameObject* object : {&alone, &seated}) {
        const bool owned = object == &seated;
        TGameObject& o = *object;
        u32 key = 40;
        u32 duration = 7;
        i16 skit = 3;
        u32 frame = 11;
        const std::vector<std::pair<std::string, std::function<long()>>> answers = {
            {"AddSprite", [&] { return long{o.AddSprite(nullptr)}; }},
            {"AddSpriteName", [&] { return long{o.AddSpriteName("x")}; }},
            {"SetSpriteSetState", [&] { return long{o.SetSpriteSetState(1, 0)}; }},
            {"FindSpriteIndex", [&] { return long{o.FindSpriteIndex("x.sp")}; }},
            {"IndexOfSprite", [&] { return long{o.IndexOfSprite(&alone)}; }},
            {"GetSpriteAt", [&] { return long{o.GetSpriteAt(0) != nullptr}; }},
            {"GetSprite", [&] { return long{o.GetSprite("x.sp") != nullptr}; }},
            {"LastSpriteIndex", [&] { return long{o.LastSpriteIndex()}; }},
            {"GetSpriteDuration", [&] { return long(o.GetSpriteDuration(0)); }},
            {"CanActivateSpriteAt", [&] { return long{o.CanActivateSpriteAt(0, 1)}; }},
            {"UseSpriteAt", [&] { return long{o.UseSpriteAt(0, 1)}; }},
            {"UseSprite", [&] { return long{o.UseSprite(&alone, 1)}; }},
            {"UseSpriteNow", [&] { return long{o.UseSpriteNow(0)}; }},
            {"UseSpriteWithFreeKey",
             [&] { return long{o.UseSpriteWithFreeKey(0, key, duration)}; }},
            {"IsSpriteInUse", [&] { return long{o.IsSpriteInUse(0)}; }},
            {"FindModeSpriteIndex", [&] { return long{o.FindModeSpriteIndex(0, "x.sp")}; }},
            {"GetModeSpriteDuration", [&] { return long(o.GetModeSpriteDuration(0, 0)); }},
            {"CanActivateModeSprite", [&] { return long{o.CanActivateModeSprite(0, 0, 1)}; }},
            {"UseModeSprite", [&] { return long{o.UseModeSprite(0, 0, 1)}; }},
            {"AddSkitList", [&] { return long{o.AddSkitList(nullptr)}; }},
            {"AddSkitToList", [&] { return long{o.AddSkitToList(nullptr, 0)}; }},
            {"GetSkitList", [&] { return long{o.GetSkitList(0) != nullptr}; }},
            {"FindSkitList", [&] { return long{o.FindSkitList("a.skl") != nullptr}; }},
            {"IndexOfSkitList", [&] { return long{o.IndexOfSkitList("a.skl")}; }},
            {"IndexOfSkit", [&] { return long{o.IndexOfSkit(0, "a.skt")}; }},
            {"LastSkitListIndex", [&] { return long{o.LastSkitListIndex()}; }},
            {"AddSkitListName", [&] { return long{o.AddSkitListName("a")}; }},
            {"AddSkitName", [&] { return long{o.AddSkitName("a", 0)}; }},
            {"ChooseSkit", [&] { return long{o.ChooseSkit(0, frame, duration, skit)}; }},
            {"UseSkit", [&] { return long{o.UseSkit(0, 0, 1)}; }},
            {"GetSkitDuration", [&] { return long(o.GetSkitDuration(0, 0)); }},
            {"FindGameObject", [&] { return long{o.FindGameObject("lord.go")}; }},
        };
        for (const auto& [name, answer] : answers) {
            const long expected = name.find("Index") != std::string::npos ||
                                          name.find("Name") != std::string::npos ||
                                          name == "FindGameObject"
                                      ? -1
                                      : 0;
            EXPECT_EQ(answer(), expected) << name << (owned ? " (window)" : " (alone)");
        }
        // Nothing written back but the length of a sprite that is not there; nothing made.
        EXPECT_EQ(key, 40U);
        EXPECT_EQ(duration, 0U);
        EXPECT_EQ(skit, 3);
        EXPECT_EQ(frame, 11U);
        EXPECT_TRUE(ObjectLog().empty());
        // The fake window says -1 for every condition but 7; no window knows none.
        EXPECT_EQ(o.TestSkitCondition(7), owned ? 1 : 0);
        EXPECT_EQ(o.TestSkitCondition(2), owned ? -1 : 0);
        // The passes only count the object's own uses.
        o.Tick(3);
        o.PostTick(3);
        o.Resolve();
        o.FreeSetupData();
        o.Acquire(2);
        o.Acquire(2);
        o.Release();
        EXPECT_EQ(o.GetUseCount(), 1);
        o.Release();
        o.Release();
        EXPECT_EQ(o.GetUseCount(), 0);
        o.RunState();
        o.StateFrameBegin(1);
        o.StateUpdate(1);
        EXPECT_EQ(o.GetUpdated(), 0);
        o.Update();
        EXPECT_EQ(o.GetUpdated(), 1);
    }
}

TEST_F(GObjSprites, AFreeStartIsLookedForInTheTwentyFramesFromTheKey) {
    const u32 k0 = 1000;
    const struct {
        const char* What;
        u32 FreeFrom;
        std::vector<u32> Refused;
        bool Started;
        u32 Key;
        std::vector<u32> Tried;
    } cases[] = {
        {"free at once", k0, {}, true, k0, {k0}},
        {"free from the twentieth frame", k0 + 19, {}, true, k0 + 19, {k0 + 19}},
        // No frame could start it: the key is left as it was.
        {"free only after the window", k0 + 20, {}, false, k0, {}},
        // A frame whose start fails is kept and the search goes on.
        {"starts refused twice", k0 + 3, {k0 + 3, k0 + 4}, true, k0 + 5, {k0 + 3, k0 + 4, k0 + 5}},
        {"every start refused", k0 + 18, {k0 + 18, k0 + 19}, false, k0 + 19, {k0 + 18, k0 + 19}},
    };
    for (const auto& c : cases) {
        auto object = WithSprites("lord");
        List(*object).AddFake("pick.sp", 12, c.FreeFrom);
        List(*object).RefusedKeys.insert(c.Refused.begin(), c.Refused.end());
        u32 key = k0;
        u32 duration = 0;
        EXPECT_EQ(object->UseSpriteWithFreeKey(0, key, duration), c.Started) << c.What;
        EXPECT_EQ(key, c.Key) << c.What;
        EXPECT_EQ(duration, 12U) << c.What;
        EXPECT_EQ(List(*object).Uses, c.Tried) << c.What;
        EXPECT_EQ(object->IsSpriteInUse(0), c.Started) << c.What;
    }
    // No sprite -1: nothing is written back.
    auto object = WithSprites("lord");
    u32 key = 5;
    u32 duration = 9;
    EXPECT_FALSE(object->UseSpriteWithFreeKey(-1, key, duration));
    EXPECT_EQ(key, 5U);
    EXPECT_EQ(duration, 9U);
}

TEST_F(GObjSprites, SpritesAreFoundByNameIndexAndObject) {
    auto object = WithSprites("lord");
    TFakeSpriteList& list = List(*object);
    TFakeSprite* dice = list.AddFake("dice.sp", 8);
    list.AddFake("puck.sp", 4);
    // A name added twice is two sprites; the answer is the first of that name.
    ObjectLog().clear();
    EXPECT_EQ(object->AddSpriteName("dice"), 0);
    EXPECT_EQ(ObjectLog(), (std::vector<std::string>{"unloaded sprite dice ram0 at255"}));
    EXPECT_EQ(object->LastSpriteIndex(), 2);
    EXPECT_EQ(object->AddSpriteName("chip"), 3);
    // Nothing made, nothing added.
    Sprites.MakeNothing = true;
    EXPECT_EQ(object->AddSpriteName("gone"), -1);
    EXPECT_EQ(object->LastSpriteIndex(), 3);

    EXPECT_EQ(object->FindSpriteIndex("puck.sp"), 1);
    EXPECT_EQ(object->IndexOfSprite(dice), 0);
    EXPECT_EQ(object->IndexOfSprite(nullptr), -1);
    EXPECT_EQ(object->GetSprite("puck.sp"), list.GetAt(1));
    EXPECT_EQ(object->GetSpriteAt(-1), nullptr);
    EXPECT_EQ(object->GetSpriteAt(4), nullptr);
    EXPECT_EQ(object->GetSpriteDuration(1), 4U);
    EXPECT_EQ(object->GetSpriteDuration(9), 0U);
    EXPECT_TRUE(object->SetSpriteSetState(1, 2));
    EXPECT_EQ(list.Set, 1);
    EXPECT_EQ(list.State, 2);

    // "Now" is the next frame, or this one while the frame is being begun.
    Window.Frame = 30;
    EXPECT_TRUE(object->UseSpriteNow(1));
    Window.Hold = true;
    EXPECT_TRUE(object->UseSprite(dice, 0));
    EXPECT_TRUE(object->UseSpriteNow(2));
    EXPECT_EQ(list.Uses, (std::vector<u32>{31, 0, 30}));
    EXPECT_TRUE(object->IsSpriteInUse(1));
    EXPECT_FALSE(object->IsSpriteInUse(3));
}

TEST_F(GObjSprites, TheModesOtherObjectsAreReachedThroughTheWindow) {
    TGObjList objects(&Window, nullptr);
    Window.List = &objects;
    auto lord = WithSprites("lord");
    auto seat = WithSprites("seat");
    List(*seat).AddFake("wave.sp", 6, 50);
    TGameObject* asker = lord.get();
    ASSERT_TRUE(objects.AddMember(lord.release()));
    ASSERT_TRUE(objects.AddMember(seat.release()));

    EXPECT_EQ(asker->FindGameObject("seat.go"), 1);
    EXPECT_EQ(asker->FindGameObject("nobody.go"), -1);
    EXPECT_EQ(asker->FindModeSpriteIndex(1, "wave.sp"), 0);
    EXPECT_EQ(asker->FindModeSpriteIndex(2, "wave.sp"), -1);
    EXPECT_EQ(asker->GetModeSpriteDuration(1, 0), 6U);
    EXPECT_FALSE(asker->CanActivateModeSprite(1, 0, 49));
    EXPECT_TRUE(asker->CanActivateModeSprite(1, 0, 50));
    EXPECT_TRUE(asker->UseModeSprite(1, 0, 50));
    EXPECT_TRUE(objects.IsSpriteInUseAt(1, 0));
    EXPECT_FALSE(asker->UseModeSprite(5, 0, 50));
    Window.List = nullptr;
}

TEST_F(GObjSprites, AcquireAndReleaseReachTheSprites) {
    auto object = WithSprites("lord");
    ObjectLog().clear();
    object->Acquire(4);
    object->Release();
    object->Resolve();
    object->FreeSetupData();
    EXPECT_EQ(ObjectLog(), (std::vector<std::string>{"list acquire 4", "list release",
                                                     "list resolve", "list free"}));
    EXPECT_EQ(object->GetUseCount(), 0);
}

} // namespace
