// Game objects with real sprite lists: a ".go" naming a written sprite list makes its members
// through the object's factory, inline and in the object's data directory, and its sets.
#include "SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/framework/GameObject.h"
#include "engine/media/EngineSpriteMaker.h"

#include <gtest/gtest.h>

namespace {

TEST_F(ObjectFileFixture, AGameObjectReadsItsSpriteListAndBuildsItsSprites) {
    TEngineSpriteMaker maker;
    TSpriteMaker::Install(&maker);
    TTickOwner owner;
    TSpriteList written(&owner, TFileMode("lord.spl", 0, 0), nullptr);
    written.Add(MakeTableSprite(&owner, "pick", {}).release());
    written.Add(MakeTableSprite(&owner, "dealer", {}).release());
    written.GetSprite(1)->SetId(1);
    written.AddActiveList("dealer");
    written.AddStateToSet(1);
    ASSERT_TRUE(written.Save(nullptr));
    TGameObject named(nullptr);
    named.SetObjectFileName(TJorpFileName("lord"));
    named.SetSpriteListName("lord.spl");
    ASSERT_TRUE(named.Save(nullptr));

    auto lord = TGameObject::CreateLoaded(&owner, TFileMode("lord.go", 0, 4, 0, 3), true, false);
    EXPECT_EQ(lord->LastSpriteIndex(), 1);
    EXPECT_EQ(lord->GetObjectsPrepared(), 1);
    // Read in place from the list's image, in the object's data location.
    auto* dealer = dynamic_cast<TSprite*>(lord->GetSprite("dealer.sp"));
    ASSERT_NE(dealer, nullptr);
    EXPECT_EQ(dealer->GetFileMode().RamLevel + dealer->GetFileMode().DataLocation, 3);
    EXPECT_TRUE(lord->SetSpriteSetState(1, 0));
    EXPECT_FALSE(lord->SetSpriteSetState(7, 0));
    // A name added is an unread sprite of that name.
    const i16 added = lord->AddSpriteName("extra");
    EXPECT_EQ(lord->GetSpriteAt(added)->GetFileMode().Name.GetText(), "extra.sp");
    EXPECT_TRUE(lord->UseSpriteNow(0) && lord->IsSpriteInUse(0));
    TSpriteMaker::Install(nullptr);
}

} // namespace
