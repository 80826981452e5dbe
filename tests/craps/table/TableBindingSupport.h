// Test support: table 1's lord loaded from the data set the build writes, changed first where a
// test says, with its table-object references open.
#pragma once

#include "../../tools/databuild/BuiltData.h"

#include "craps/table/CrapsGameLord.h"
#include "engine/foundation/EngineContext.h"
#include "engine/media/EngineSpriteMaker.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/window/Module.h"
#include "platform/host/MessageBox.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"

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

    // The data set, without the sprites and skit lists named, into a fresh data folder.
    void BuildWithout(const std::vector<std::string>& removed = {}, bool loose = false) {
        Lord.reset();
        DeleteManager();
        MakeManager();
        std::string error;
        const auto alter = [&](TDataSet& set) {
            auto named = [&](const std::string& name) { return std::ranges::count(removed, name); };
            for (TSpriteListModel& list : set.SpriteLists)
                std::erase_if(list.GetSprites(), [&](auto& s) { return named(s.GetName()); });
            for (TSkitCatModel& catalogue : set.SkitCats)
                std::erase_if(catalogue.Lists, [&](auto& l) { return named(l.Name); });
        };
        ASSERT_TRUE(removed.empty() && !loose
                        ? PutDataSet(Dir.Host("data"), error)
                        : BuildChangedDataSet({Dir.Host("data"), loose}, error, alter))
            << error;
        ASSERT_TRUE(Manager->OpenDet("otcraps"));
    }
    // The lord's file (as the mode window names it) read, then its table loaded and bound.
    void LoadLord() {
        const TFileMode file(TJorpFileName("\\f1glrd00\\f1glrd00.go"), 0, FM_LEVEL_NOW);
        Lord = TJorpBase::CreateAttached<TBoundLord>(file, true, false, &Window);
        Lord->LoadTable();
    }
    // The exit code of a load that ends the program, 0 for one that does not.
    int TrappedLoad() {
        TExitTrap trap;
        try {
            LoadLord();
        } catch (const TProcessExit& e) {
            return e.Code;
        }
        return 0;
    }

    TModule Program{"otcraps"};
    TEngineSpriteMaker Maker;
    TReadingWindow Window;
    std::unique_ptr<TBoundLord> Lord;
};
