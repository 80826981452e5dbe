// Test support: table 1's lord loaded from the data set the build writes, changed or cut short
// where a test says, with its table-object references open.
#pragma once

#include "../../tools/databuild/BuiltData.h"

#include "craps/table/CrapsGameLord.h"
#include "engine/foundation/EngineContext.h"
#include "engine/framework/SpriteMaker.h"
#include "engine/media/EngineSpriteMaker.h"
#include "platform/framework/Module.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/host/MessageBox.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"

#include <functional>
#include <memory>
#include <string>

class TBoundLord : public TC1GameLord {
public:
    using TC1GameLord::TC1GameLord;
    using TCasinoCGameLord::BankCashDisplay;
    using TCasinoCGameLord::BetAmountDisplay;
    using TCasinoCGameLord::BetSpots;
    using TCasinoCGameLord::BigDiceSprites;
    using TCasinoCGameLord::Buttons;
    using TCasinoCGameLord::ChipStacks;
    using TCasinoCGameLord::DiceLandVariant;
    using TCasinoCGameLord::DiceSprites;
    using TCasinoCGameLord::Die1;
    using TCasinoCGameLord::Die2;
    using TCasinoCGameLord::LayOutPayout;
    using TCasinoCGameLord::MessageDisplay;
    using TCasinoCGameLord::NamePlates;
    using TCasinoCGameLord::PayOffSprite;
    using TCasinoCGameLord::PuckSprite;
    using TCasinoCGameLord::SoundSprite;
};

// The lord's game-object file, as the craps mode window names it.
inline TFileMode LordFile() {
    return TFileMode(TJorpFileName("\\f1glrd00\\f1glrd00.go"), 0, FM_LEVEL_NOW);
}

class TableBindingFixture : public BuiltDataFixture {
protected:
    void SetUp() override {
        BuiltDataFixture::SetUp();
        TResourceRegistry::Get().Clear();
        RegisterResources();
        TEngineContext::Module = &Program;
        TSpriteMaker::Install(&Maker);
    }
    void TearDown() override {
        Lord.reset();
        TSpriteMaker::Install(nullptr);
        TEngineContext::Module = nullptr;
        TResourceRegistry::Get().Clear();
        BuiltDataFixture::TearDown();
    }

    // The data set, changed first when asked, into the program's data folder.
    void BuildData(const std::function<void(TDataSet&)>& alter = {}, bool loose = false) {
        std::string error;
        ASSERT_TRUE(BuildDataSet({Dir.Host("data"), loose}, error, alter)) << error;
        ASSERT_TRUE(Manager->OpenDet("otcraps"));
    }
    // The lord's file read, then its table loaded and bound; a fatal end is left to the caller.
    void LoadLord() {
        Lord = TJorpBase::CreateAttached<TBoundLord>(LordFile(), true, false, &Window);
        Lord->LoadTable();
    }
    // The single report the load ends the program with.
    TMessageBoxRequest FatalLoad() {
        TMessageBoxRecorder boxes;
        TExitTrap trap;
        int code = 0;
        try {
            LoadLord();
        } catch (const TProcessExit& e) {
            code = e.Code;
        }
        EXPECT_EQ(code, 1);
        EXPECT_EQ(boxes.Boxes.size(), 1U);
        return boxes.Boxes.empty() ? TMessageBoxRequest{} : boxes.Boxes[0];
    }

    TModule Program{"otcraps"};
    TEngineSpriteMaker Maker;
    TReadingWindow Window;
    std::unique_ptr<TBoundLord> Lord;
};

// Takes the sprite of that name out of whichever list holds it.
inline void RemoveSprite(TDataSet& set, const std::string& name) {
    for (TSpriteListModel& list : set.SpriteLists)
        std::erase_if(list.GetSprites(),
                      [&](const TSpriteModel& sprite) { return sprite.GetName() == name; });
}

inline void RemoveSkitList(TDataSet& set, const std::string& name) {
    for (TSkitCatModel& catalogue : set.SkitCats)
        std::erase_if(catalogue.Lists,
                      [&](const TSkitListModel& list) { return list.Name == name; });
}
