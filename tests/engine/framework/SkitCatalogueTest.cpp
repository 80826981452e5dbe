// Skit catalogues on a game object: lists loaded in file order and held by name, gauges, indexing,
// cursors kept through the settings file across a restart, damaged and missing lists, and a
// seeded game of choices with exact starts and durations.
#include "SkitFakes.h"

#include "../foundation/FileMgrFixture.h"
#include "engine/framework/SkitCat.h"
#include "engine/framework/SkitList.h"
#include "engine/framework/SkitPortfolio.h"
#include "engine/framework/SkitPortfolioList.h"
#include "platform/host/MessageBox.h"
#include "platform/host/PrivateProfile.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

namespace {

struct TEntry {
    i16 Level;
    const char* Skit;
    u16 Index;
};

class SkitCatalogue : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        std::filesystem::create_directories(Cd.Host("tbl"));
    }
    // A list of skits s<k> (each a start of sprite k of object 1 at row 0 and of sprite 10 + k
    // at row k, for k + 2 frames) and the portfolio entries, written by the engine's writers.
    void WriteList(const std::string& name, const std::vector<u16>& skits,
                   const std::vector<TEntry>& entries) {
        TSkitList list(nullptr, nullptr, TFileMode(TJorpFileName(name), 0, 0));
        for (u16 k : skits)
            list.Add(MakeSkit(nullptr, nullptr, "s" + std::to_string(k),
                              {{0, 0, 1, k, 1},
                               {static_cast<i16>(k), 1, 1, static_cast<u16>(10 + k), 2}})
                         .release());
        for (const TEntry& e : entries)
            list.GetPortfolio()->AddElement(e.Level, e.Skit, e.Index);
        ASSERT_TRUE(list.Save(nullptr));
    }
    void WriteCatalogue(const std::string& name, const std::vector<std::string>& lists) {
        TSkitCat catalogue(nullptr, nullptr, TFileMode(TJorpFileName(name), 0, 0));
        for (const std::string& list : lists)
            catalogue.Add(new TSkitList(nullptr, nullptr, TFileMode(TJorpFileName(list), 0, 0)));
        ASSERT_TRUE(catalogue.Save(nullptr));
    }
    // A game object on the window whose catalogue is read from the file.
    std::unique_ptr<TGameObject> Load(const std::string& catalogue) {
        auto object = std::make_unique<TGameObject>(&Window);
        object->LoadSkitCat(TFileMode(TJorpFileName(catalogue), 0, 4));
        return object;
    }
    // Skits s0 to s<n - 1> may start from frame 0 on.
    void FreeSkits(u16 n) {
        for (u16 k = 0; k < n; ++k)
            Window.FreeFrom[{1, static_cast<i16>(k)}] =
                Window.FreeFrom[{1, static_cast<i16>(10 + k)}] = 0;
    }
    std::string ListNames(const TGObjSk& object) {
        std::string names;
        for (i16 i = 0; i <= object.LastSkitListIndex(); ++i)
            names += object.GetSkitCat()->GetSkitList(i)->GetFileMode().Name.GetText() + " ";
        return names;
    }
    // n choices from list 0 starting at frame 50: "skit@frame+duration" each.
    std::string Choose(TGObjSk& object, int n, i16 list = 0) {
        std::string chosen;
        for (int i = 0; i < n; ++i) {
            u32 frame = 50, duration = 0;
            i16 skit = -9;
            const bool started = object.ChooseSkit(list, frame, duration, skit);
            chosen += (started ? "" : "none ") + std::to_string(skit) + "@" +
                      std::to_string(frame) + "+" + std::to_string(duration) + " ";
        }
        return chosen;
    }

    TSkitWindow Window;
    TRecordingProgress Progress;
    TMessageBoxRecorder Boxes;
};

TEST_F(SkitCatalogue, ListsLoadInFileOrderUnderOneGaugeAndAreHeldByName) {
    WriteList("tbl\\b.skl", {0}, {});
    WriteList("tbl\\a.skl", {0, 1}, {});
    const std::vector<std::string> loadedBThenA = {"gauge 2", "range 0..2", "tbl\\b.skl",
                                                   "step",    "tbl\\a.skl", "step"};
    struct Case {
        std::string Bytes, Lists;
        std::vector<std::string> Gauge;
    };
    const Case catalogues[] = {
        {Header("CAT ", 1, 3) + Le16(2) + Name9("b") + Name9("a"),
         "\\tbl\\a.skl \\tbl\\b.skl ",
         {"gauge 2", "range 0..2", "\\tbl\\b.skl", "step", "\\tbl\\a.skl", "step"}},
        {Header("CAT ", 2, 0) + Le16(2) + Str("tbl\\b.skl") + Str("tbl\\a.skl"),
         "\\tbl\\a.skl \\tbl\\b.skl ", loadedBThenA},
        {Header("CAT ", 2, 0) + Le16(0), "", {}},
        {Header("CAT ", 3, 0) + Le16(0), "failed", {}},
        {Header("CAT ", 2, 0) + Le16(5000) + Str("tbl\\b.skl"), "failed", {}},
        {Header("CAT ", 2, 0) + Le16(2) + Str("tbl\\b.skl"), "failed", {}},
    };
    Window.Progress = &Progress;
    int n = 0;
    for (const Case& c : catalogues) {
        Progress.Log.clear();
        const std::string name = "c" + std::to_string(n++) + ".skc";
        Cd.WriteHostFile("tbl/" + name, c.Bytes);
        auto object = Load("tbl\\" + name);
        const bool read = object->GetSkitCat()->HasFlags(JOF_LOADED);
        EXPECT_EQ(read ? ListNames(*object) : "failed", c.Lists) << name;
        // A short body loads no list at all; no list, no gauge.
        if (!read) {
            EXPECT_EQ(object->LastSkitListIndex(), -1) << name;
        }
        EXPECT_EQ(Progress.Log, c.Gauge) << name;
    }
    // The sorted catalogue finds its lists by name.
    EXPECT_EQ(Load("tbl\\c1.skc")->IndexOfSkitList("\\tbl\\b.skl"), 1);
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(SkitCatalogue, IndexingNamesAbsentSkitsMinusOneAndTheChooserSkipsThem) {
    WriteList("tbl\\a.skl", {0, 1, 2}, {{3, "gone.sk", 0}, {3, "s2.sk", 0}});
    WriteCatalogue("tbl\\a.skc", {"tbl\\a.skl", "tbl\\a.skl"});
    auto object = Load("tbl\\a.skc");
    Window.FreeFrom = {{{1, 2}, 0}, {{1, 12}, 0}};
    // As stored, the entries name skit 0, which cannot start.
    TScriptedRandom random;
    TScopedRandomSource use(random);
    random.Values = {3, 3};
    EXPECT_EQ(Choose(*object, 1), "none -9@50+0 ");
    Window.Progress = &Progress;
    object->GetSkitCat()->Resolve();
    EXPECT_EQ(Progress.Log, (std::vector<std::string>{"gauge 2", "range 0..1", "\\tbl\\a.skl",
                                                      "step", "\\tbl\\a.skl", "step"}));
    const TSkitPortfolioList& level = *object->GetSkitList(0)->GetPortfolio()->GetLevel(3);
    EXPECT_EQ(level.GetElement(0)->SkitIndex, 0xFFFF);
    EXPECT_EQ(level.GetElement(1)->SkitIndex, 2);
    EXPECT_EQ(Choose(*object, 1), "2@50+4 ");
    EXPECT_EQ(Window.Starts, (std::vector<std::string>{"1.2@50", "1.12@52"}));
}

TEST_F(SkitCatalogue, CursorsComeFromTheSettingsFileAndSurviveARestart) {
    WriteList("tbl\\a.skl", {0, 1, 2}, {{3, "s0.sk", 0}, {3, "s1.sk", 1}, {3, "s2.sk", 2}});
    WriteCatalogue("tbl\\a.skc", {"tbl\\a.skl"});
    FreeSkits(3);
    TScriptedRandom random;
    TScopedRandomSource use(random);
    // The section is the list's file name as the catalogue holds it, the key the level.
    const std::string section = "\\tbl\\a.skl";
    // 7 on three entries, and values no pass would come back to, start with the first entry;
    // a value that is no number is cursor 0, after which comes the second.
    const std::pair<const char*, const char*> stored[] = {
        {"7", "0@50+2 "}, {"-5", "0@50+2 "}, {"40000", "0@50+2 "}, {"abc", "1@50+3 "}};
    for (const auto& [value, chosen] : stored) {
        ASSERT_TRUE(WritePrivateProfileStringA(section, "3", value, "c:\\otcraps.ini"));
        random.Values = {3};
        EXPECT_EQ(Choose(*Load("tbl\\a.skc"), 1), chosen) << value;
    }
    ASSERT_TRUE(WritePrivateProfileStringA(section, "3", "1", "c:\\otcraps.ini"));
    random.Values = {0};
    EXPECT_EQ(Choose(*Load("tbl\\a.skc"), 1), "2@50+4 ");
    // Written as the object went, every level, and read back by the next one.
    EXPECT_EQ(GetPrivateProfileIntA(section, "3", 9, "c:\\otcraps.ini"), 2);
    EXPECT_EQ(GetPrivateProfileIntA(section, "9", 9, "c:\\otcraps.ini"), 0);
    random.Values = {2};
    EXPECT_EQ(Choose(*Load("tbl\\a.skc"), 1), "0@50+2 ");
}

TEST_F(SkitCatalogue, ADamagedListIsHeldEmptyAndAMissingOneEndsTheProgram) {
    WriteList("tbl\\a.skl", {0}, {{0, "s0.sk", 0}});
    Cd.WriteHostFile("tbl/bad.skl", Header("KLST", 1, 2) + Le16(0));
    WriteCatalogue("tbl\\a.skc", {"tbl\\a.skl", "tbl\\bad.skl"});
    auto object = Load("tbl\\a.skc");
    Window.FreeFrom = {{{1, 0}, 0}, {{1, 10}, 0}};
    EXPECT_EQ(ListNames(*object), "\\tbl\\a.skl \\tbl\\bad.skl ");
    EXPECT_EQ(object->GetSkitList(1)->GetCount(), 0);
    EXPECT_EQ(Choose(*object, 1, 1), "none -9@50+0 ");
    EXPECT_FALSE(object->UseSkit(1, 0, 5));
    EXPECT_TRUE(object->UseSkit(0, 0, 5));
    EXPECT_EQ(Choose(*object, 1, 7), "none -9@50+0 ");

    WriteCatalogue("tbl\\gone.skc", {"tbl\\a.skl", "tbl\\nowhere.skl"});
    TExitTrap exits;
    EXPECT_THROW(Load("tbl\\gone.skc"), TProcessExit);
    ASSERT_FALSE(Boxes.Boxes.empty());
    EXPECT_EQ(Boxes.Boxes.front().Caption, "CD Rom Error");
    EXPECT_EQ(Boxes.Boxes.back().Caption, "Error - File Mgr");
}

// What an editor does with a game object's skits: names new lists and skits, finds, replaces and
// removes them.
TEST_F(SkitCatalogue, ListsAndSkitsAreAddedFoundReplacedAndRemovedByName) {
    EXPECT_EQ(TGameObject(&Window).AddSkitListName("greet"), -1);
    auto object = TGameObject::CreateEmpty(&Window);
    EXPECT_EQ(object->AddSkitListName("tbl\\greet"), 0);
    EXPECT_EQ(object->AddSkitName("wave", 0), 0);
    EXPECT_EQ(object->AddSkitName("arm", 0), 1);
    EXPECT_EQ(object->AddSkitName("arm", 1), -1);
    TSkitList* list = object->FindSkitList("\\tbl\\greet.skl");
    ASSERT_EQ(list, object->GetSkitList(0));
    std::unique_ptr<TSkit> wave(list->ReplaceAt(0, new TSkit(&Window, object.get())));
    EXPECT_EQ(wave->GetFileMode().Name.GetText(), "wave.sk");
    EXPECT_EQ(list->ReplaceAt(0, nullptr), nullptr);
    // SetAt lets the skit it covers go with it (the sanitizer would see it leak).
    EXPECT_TRUE(list->SetAt(1, wave.release()));
    EXPECT_FALSE(list->SetAt(2, nullptr));
    EXPECT_TRUE(list->RemoveByName("wave.sk"));
    EXPECT_FALSE(list->RemoveByName("wave.sk"));
    EXPECT_TRUE(object->GetSkitCat()->RemoveByName("\\tbl\\greet.skl"));
    EXPECT_EQ(object->LastSkitListIndex(), -1);
}

// Lists written by the engine's writers, read into a game object from its ".go" file, chosen
// by the runtime generator seeded as the program seeds it, and played.
TEST_F(SkitCatalogue, ASeededGameOfChoicesStartsExactSpritesAtExactFrames) {
    WriteList("tbl\\greet.skl", {0, 1, 2}, {{4, "s0.sk", 0}, {4, "s1.sk", 1}, {9, "s2.sk", 2}});
    WriteList("tbl\\call.skl", {3}, {});
    WriteCatalogue("tbl\\dealer.skc", {"tbl\\greet.skl", "tbl\\call.skl"});
    Cd.WriteHostFile("tbl/dealer.go",
                     Header("GOBJ", 2, 1) + Str("") + Str("tbl\\dealer.skc") + Str("") + Le16(0));
    auto dealer = TGameObject::CreateLoaded(
        &Window, TFileMode(TJorpFileName("tbl\\dealer.go"), 0, 4), true, false);
    dealer->FreeSetupData();
    FreeSkits(4);
    // Sprite 13 of the call is busy until frame 55: its skit starts five frames late.
    Window.FreeFrom[{1, 13}] = 55 + 3;
    TLcgRandom random;
    random.Seed(1995);
    TScopedRandomSource use(random);
    // The catalogue holds call before greet. Digits 0, 5, 6, 7, 2, 2: levels 4, 9, 9, 9, 4,
    // 4, taking turns on level 4; then 0 for the call, whose empty portfolio tries its
    // first skit, at the frame and then in the window.
    EXPECT_EQ(Choose(*dealer, 6, 1), "1@50+3 2@50+4 2@50+4 2@50+4 0@50+2 1@50+3 ");
    EXPECT_EQ(Choose(*dealer, 1, 0), "0@55+5 ");
    EXPECT_EQ(Window.Starts,
              (std::vector<std::string>{"1.1@50", "1.11@51", "1.2@50", "1.12@52", "1.2@50",
                                        "1.12@52", "1.2@50", "1.12@52", "1.0@50", "1.10@50",
                                        "1.1@50", "1.11@51", "1.3@55", "1.13@58"}));
}

} // namespace
