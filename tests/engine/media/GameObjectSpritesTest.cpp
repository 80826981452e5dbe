// Game objects with real sprite lists: a ".go" naming a written sprite list makes its members
// through the object's factory, inline and in the object's data directory, and its sets.
#include "SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/framework/GameObject.h"
#include "engine/media/EngineSpriteMaker.h"

#include <gtest/gtest.h>

namespace {

class GameObjectSprites : public ObjectFileFixture {
protected:
    GameObjectSprites() { TSpriteMaker::Install(&Maker); }
    ~GameObjectSprites() override { TSpriteMaker::Install(nullptr); }

    TEngineSpriteMaker Maker;
    TTickOwner Owner;
};

TEST_F(GameObjectSprites, AnObjectReadsItsSpriteListAndBuildsItsSprites) {
    {
        TSpriteList written(&Owner, TFileMode("lord.spl", 0, 0), nullptr);
        written.Add(MakeTableSprite(&Owner, "pick", {}).release());
        written.Add(MakeTableSprite(&Owner, "dealer", {}).release());
        written.GetSprite(1)->SetId(1);
        written.AddActiveList("dealer");
        written.AddStateToSet(1);
        written.AddMemberToSetState(1, 0, "dealer.sp");
        ASSERT_TRUE(written.Save(nullptr));
        TGameObject named(nullptr);
        named.SetObjectFileName(TJorpFileName("lord"));
        named.SetSpriteListName("lord.spl");
        ASSERT_TRUE(named.Save(nullptr));
    }
    auto lord = TGameObject::CreateLoaded(&Owner, TFileMode("lord.go", 0, 4, 0, 3), true, false);
    ASSERT_NE(lord->GetSpriteList(), nullptr);
    EXPECT_TRUE(lord->GetSpriteList()->HasFlags(JOF_LOADED));
    EXPECT_EQ(lord->LastSpriteIndex(), 1);
    EXPECT_EQ(lord->GetObjectsPrepared(), 1);
    // Read in place from the list's image, in the object's data location.
    auto* dealer = dynamic_cast<TSprite*>(lord->GetSprite("dealer.sp"));
    ASSERT_NE(dealer, nullptr);
    EXPECT_EQ(dealer->GetFileMode().RamLevel, 0);
    EXPECT_EQ(dealer->GetFileMode().DataLocation, 3);
    EXPECT_TRUE(lord->SetSpriteSetState(1, 0));
    EXPECT_FALSE(lord->SetSpriteSetState(7, 0));
    // A name added is an unread sprite of that name.
    const i16 added = lord->AddSpriteName("extra");
    ASSERT_GE(added, 0);
    EXPECT_EQ(lord->GetSpriteAt(added)->GetFileMode().Name.GetText(), "extra.sp");
    EXPECT_FALSE(lord->GetSpriteAt(added)->HasFlags(JOF_LOADED));
    Owner.Tick = 9;
    EXPECT_TRUE(lord->UseSpriteNow(lord->FindSpriteIndex("pick.sp")));
    EXPECT_TRUE(lord->IsSpriteInUse(lord->FindSpriteIndex("pick.sp")));
}

} // namespace
