// The built skit files read back through the engine: each skit's cells point at the lord and a
// dealer sprite by the indices the engine looks them up with, the portfolios survive indexing,
// and every game object's catalogue loads with the lists the program binds.
#include "BuiltData.h"

#include "engine/framework/GObjList.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/Skit.h"
#include "engine/framework/SkitCat.h"
#include "engine/framework/SkitCriteria.h"
#include "engine/framework/SkitData.h"
#include "engine/framework/SkitList.h"
#include "engine/framework/SkitPortfolio.h"
#include "engine/framework/SkitPortfolioList.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/SkitLists.h"
#include "tools/databuild/model/TableObjects.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

class BuiltSkits : public BuiltDataFixture {
protected:
    void SetUp() override {
        BuiltDataFixture::SetUp();
        Build();
        Sprites = LoadSpriteList("\\f1glrd00\\f1glrd00.spl");
        ASSERT_TRUE(Sprites->HasFlags(JOF_LOADED));
        Objects = TGObjList::CreateFromFile(&Window, &Mode,
                                            TFileMode("\\f1glrd00\\f1craps.gol", 0, FM_LEVEL_NOW));
        ASSERT_TRUE(Objects->HasFlags(JOF_LOADED));
    }
    void TearDown() override {
        Sprites.reset();
        BuiltDataFixture::TearDown();
    }
    // An object of the window with the catalogue read from its file, as a mode loads it.
    std::unique_ptr<TGameObject> WithCatalogue(const std::string& name) {
        auto object = std::make_unique<TGameObject>(&Window);
        object->LoadSkitCat(TFileMode(TJorpFileName(name), 0, FM_LEVEL_NOW));
        return object;
    }

    TReadingWindow Window;
    TJorpMode Mode{0, TFileMode("any.m", 0, 0)};
    const TGObjList* Objects = nullptr;
    std::unique_ptr<TSpriteList> Sprites;
};

TEST_F(BuiltSkits, EachCellsIndicesNameTheLordAndADealerSpriteTheSkitWaitsFor) {
    std::map<std::string, const TSkitListEntry*> played;
    for (const TSkitListEntry* entry : PlayedSkitFiles())
        played[ProgramString(entry->StringId)] = entry;
    auto lord = WithCatalogue("\\f1glrd00\\f1glrd00.skc");
    const TSkitCat* catalogue = lord->GetSkitCat();
    ASSERT_NE(catalogue, nullptr);
    int lists = 0;
    for (i16 n = 0; n < catalogue->GetCount(); ++n) {
        const TSkitList* list = catalogue->GetSkitList(n);
        const std::string name = list->GetFileMode().Name.GetText();
        const auto entry = played.find(name);
        if (entry == played.end()) {
            EXPECT_EQ(list->GetCount(), 0) << name;
            continue;
        }
        ++lists;
        ASSERT_GT(list->GetCount(), 0) << name;
        for (i16 k = 0; k < list->GetCount(); ++k) {
            const TSkit* skit = list->GetSkit(k);
            ASSERT_GT(skit->GetDataList()->GetCount(), 0) << name << " skit " << k;
            u32 longest = 0;
            for (const TSkitData& start : *skit->GetDataList()) {
                const TGameObject* object = Objects->GetMember(static_cast<i16>(start.ObjectIndex));
                ASSERT_NE(object, nullptr) << name;
                EXPECT_EQ(object->GetFileMode().Name.GetText(), ProgramString(13002)) << name;
                const TSprite* sprite = Sprites->GetSprite(static_cast<i16>(start.SpriteIndex));
                ASSERT_NE(sprite, nullptr) << name;
                EXPECT_EQ(sprite->GetFileMode().Name.GetText().rfind("\\f1glrd00\\f1dl", 0), 0U)
                    << name;
                longest = std::max<u32>(longest, static_cast<u32>(start.Offset) + sprite->Duration);
            }
            // The round waits until the last sprite has played.
            EXPECT_EQ(list->GetSkitDuration(k), longest) << name << " skit " << k;
        }
    }
    EXPECT_EQ(lists, static_cast<int>(played.size()));
}

TEST_F(BuiltSkits, IndexingChangesNoPortfolioEntry) {
    auto lord = WithCatalogue("\\f1glrd00\\f1glrd00.skc");
    TSkitCat* catalogue = lord->GetSkitCat();
    ASSERT_NE(catalogue, nullptr);
    // Each list's level entries as stored, then as the catalogue's indexing looks them up.
    auto entries = [&] {
        std::vector<std::string> out;
        for (i16 n = 0; n < catalogue->GetCount(); ++n)
            for (i16 level = 0; level < TSkitPortfolio::LEVELS; ++level) {
                const TSkitPortfolioList* entriesAt =
                    catalogue->GetSkitList(n)->GetPortfolio()->GetLevel(level);
                for (i16 i = 0; i < entriesAt->GetCount(); ++i)
                    out.push_back(std::to_string(n) + "/" + std::to_string(level) + " " +
                                  entriesAt->GetElement(i)->Name + " " +
                                  std::to_string(entriesAt->GetElement(i)->SkitIndex));
            }
        return out;
    };
    const std::vector<std::string> stored = entries();
    ASSERT_GE(stored.size(), 180U);
    catalogue->Index();
    EXPECT_EQ(entries(), stored);
}

TEST_F(BuiltSkits, EveryCatalogueLoadsTheLordsWithTheSixtyFourNamesTheOthersEmpty) {
    std::set<std::string> bound;
    for (const TSkitListEntry& entry : SkitLists())
        bound.insert(ProgramString(entry.StringId));
    ASSERT_EQ(bound.size(), 64U);
    auto lord = WithCatalogue("\\f1glrd00\\f1glrd00.skc");
    std::set<std::string> held;
    for (i16 n = 0; n < lord->GetSkitCat()->GetCount(); ++n)
        held.insert(lord->GetSkitCat()->GetSkitList(n)->GetFileMode().Name.GetText());
    EXPECT_EQ(held, bound);
    EXPECT_EQ(lord->GetSkitCat()->GetCount(), 64);
    // Every program binding finds its list by name.
    for (const TSkitListEntry& entry : SkitLists())
        EXPECT_GE(lord->IndexOfSkitList(ProgramString(entry.StringId)), 0) << entry.Label;

    for (const char* other : {"\\f1humn01\\f1humn01.skc", "\\f1humn02\\f1humn02.skc",
                              "\\f1humn03\\f1humn03.skc", "\\s4glrd00\\s4glrd00.skc"}) {
        EXPECT_FALSE(EngineBytes(other).empty()) << other;
        auto object = WithCatalogue(other);
        ASSERT_NE(object->GetSkitCat(), nullptr) << other;
        EXPECT_TRUE(object->GetSkitCat()->HasFlags(JOF_LOADED)) << other;
        EXPECT_EQ(object->GetSkitCat()->GetCount(), 0) << other;
    }
}

} // namespace
