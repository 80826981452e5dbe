// The sprite and skit operations of game objects: what an object without parts answers, the
// search for a free start frame, and sprites added and found by name.
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
    std::unique_ptr<TGameObject> WithSprites() {
        auto object = TGameObject::CreateEmpty(&Window);
        object->SetObjectFileName(TJorpFileName("lord"));
        return object;
    }
    static TFakeSpriteList& List(const TGameObject& object) {
        return *dynamic_cast<TFakeSpriteList*>(object.GetSpriteList());
    }

    TFakeSpriteMaker Sprites;
    TFakeModeWindow Window;
};

TEST_F(GObjSprites, AnObjectWithoutPartsAnswersNothingAndMakesNothing) {
    // Without an owner, and run by a window but without parts (a seat player's form).
    TGameObject alone(nullptr);
    TGameObject seated(&Window);
    for (TGameObject* o : {&alone, &seated}) {
        u32 key = 40, duration = 7, frame = 11;
        i16 skit = 3;
        // -1 for every index or name, 0 for the rest.
        const std::vector<std::pair<long, std::function<long()>>> answers = {
            {0, [&] { return long{o->AddSprite(&alone)}; }},
            {-1, [&] { return long{o->AddSpriteName("x")}; }},
            {0, [&] { return long{o->SetSpriteSetState(1, 0)}; }},
            {-1, [&] { return long{o->FindSpriteIndex("x.sp")}; }},
            {-1, [&] { return long{o->IndexOfSprite(&alone)}; }},
            {0, [&] { return long{o->GetSpriteAt(0) != nullptr}; }},
            {0, [&] { return long{o->GetSprite("x.sp") != nullptr}; }},
            {-1, [&] { return long{o->LastSpriteIndex()}; }},
            {0, [&] { return long(o->GetSpriteDuration(0)); }},
            {0, [&] { return long{o->CanActivateSpriteAt(0, 1)}; }},
            {0, [&] { return long{o->UseSpriteAt(0, 1)}; }},
            {0, [&] { return long{o->UseSprite(&alone, 1)}; }},
            {0, [&] { return long{o->UseSpriteNow(0)}; }},
            {0, [&] { return long{o->UseSpriteWithFreeKey(0, key, duration)}; }},
            {0, [&] { return long{o->IsSpriteInUse(0)}; }},
            {-1, [&] { return long{o->FindModeSpriteIndex(0, "x.sp")}; }},
            {0, [&] { return long(o->GetModeSpriteDuration(0, 0)); }},
            {0, [&] { return long{o->CanActivateModeSprite(0, 0, 1)}; }},
            {0, [&] { return long{o->UseModeSprite(0, 0, 1)}; }},
            {0, [&] { return long{o->AddSkitList(nullptr)}; }},
            {0, [&] { return long{o->AddSkitToList(nullptr, 0)}; }},
            {0, [&] { return long{o->GetSkitList(0) != nullptr}; }},
            {0, [&] { return long{o->FindSkitList("a.skl") != nullptr}; }},
            {-1, [&] { return long{o->IndexOfSkitList("a.skl")}; }},
            {-1, [&] { return long{o->IndexOfSkit(0, "a.skt")}; }},
            {-1, [&] { return long{o->LastSkitListIndex()}; }},
            {-1, [&] { return long{o->AddSkitListName("a")}; }},
            {-1, [&] { return long{o->AddSkitName("a", 0)}; }},
            {0, [&] { return long{o->ChooseSkit(0, frame, duration, skit)}; }},
            {0, [&] { return long{o->UseSkit(0, 0, 1)}; }},
            {0, [&] { return long(o->GetSkitDuration(0, 0)); }},
            {-1, [&] { return long{o->FindGameObject("lord.go")}; }},
        };
        for (size_t i = 0; i < answers.size(); ++i)
            EXPECT_EQ(answers[i].second(), answers[i].first) << "operation " << i;
        // Only the length of sprite 0 (none) is written back; nothing is made.
        EXPECT_EQ(key + frame + static_cast<u32>(skit), 54U);
        EXPECT_EQ(duration, 0U);
        EXPECT_TRUE(ObjectLog().empty());
        // The window answers +1 for condition 7 and -1 otherwise; no window knows nothing.
        EXPECT_EQ(o->TestSkitCondition(7) * 10 + o->TestSkitCondition(2), o == &seated ? 9 : 0);
        // The passes count the object's own uses only, never below 0.
        o->Acquire(2);
        o->Acquire(2);
        o->Release();
        EXPECT_EQ(o->GetUseCount(), 1);
        o->Release();
        o->Release();
        EXPECT_EQ(o->GetUseCount(), 0);
        o->Update();
        EXPECT_EQ(o->GetUpdated(), 1);
    }
}

TEST_F(GObjSprites, AFreeStartIsLookedForInTheTwentyFramesFromTheKey) {
    const u32 k0 = 1000;
    const struct {
        u32 FreeFrom;
        std::vector<u32> Refused;
        bool Started;
        u32 Key;
        std::vector<u32> Tried;
    } cases[] = {
        {k0, {}, true, k0, {k0}},
        {k0 + 19, {}, true, k0 + 19, {k0 + 19}},
        // No frame could start it: the key is left as it was.
        {k0 + 20, {}, false, k0, {}},
        // A frame whose start fails is kept and the search goes on.
        {k0 + 3, {k0 + 3, k0 + 4}, true, k0 + 5, {k0 + 3, k0 + 4, k0 + 5}},
        {k0 + 18, {k0 + 18, k0 + 19}, false, k0 + 19, {k0 + 18, k0 + 19}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.FreeFrom - k0);
        auto object = WithSprites();
        List(*object).AddFake("pick.sp", 12, c.FreeFrom);
        List(*object).RefusedKeys.insert(c.Refused.begin(), c.Refused.end());
        u32 key = k0;
        u32 duration = 0;
        EXPECT_EQ(object->UseSpriteWithFreeKey(0, key, duration), c.Started);
        EXPECT_EQ(key, c.Key);
        EXPECT_EQ(duration, 12U);
        EXPECT_EQ(List(*object).Uses, c.Tried);
        EXPECT_EQ(object->IsSpriteInUse(0), c.Started);
    }
    // No sprite -1: nothing is written back.
    u32 key = 5, duration = 9;
    EXPECT_FALSE(WithSprites()->UseSpriteWithFreeKey(-1, key, duration));
    EXPECT_EQ(key * 10 + duration, 59U);
}

TEST_F(GObjSprites, SpritesAreAddedAndFoundByNameIndexAndObject) {
    auto object = WithSprites();
    TFakeSpriteList& list = List(*object);
    TFakeSprite* dice = list.AddFake("dice.sp", 8);
    list.AddFake("puck.sp", 4);
    // A name added twice is two sprites; the answer is the first of that name.
    EXPECT_EQ(object->AddSpriteName("dice"), 0);
    EXPECT_EQ(ObjectLog(), (std::vector<std::string>{"unloaded sprite dice ram0 at255"}));
    EXPECT_EQ(object->LastSpriteIndex(), 2);
    // Nothing made, nothing added.
    Sprites.MakeNothing = true;
    EXPECT_EQ(object->AddSpriteName("gone"), -1);
    EXPECT_EQ(object->LastSpriteIndex(), 2);

    EXPECT_EQ(object->IndexOfSprite(dice), 0);
    EXPECT_EQ(object->GetSprite("puck.sp"), list.GetAt(1));
    EXPECT_EQ(object->GetSpriteAt(-1), nullptr);
    EXPECT_EQ(object->GetSpriteAt(3), nullptr);
    EXPECT_EQ(object->GetSpriteDuration(1), 4U);
    // "Now" is the next frame, or this one while the frame is being begun.
    Window.Frame = 30;
    EXPECT_TRUE(object->UseSpriteNow(1));
    Window.Hold = true;
    EXPECT_TRUE(object->UseSprite(dice, 0));
    EXPECT_TRUE(object->UseSpriteNow(2));
    EXPECT_EQ(list.Uses, (std::vector<u32>{31, 0, 30}));
}

} // namespace
