// A whole build read back through the engine: every file by its own reader, the catalogue against
// the pack and the loose files, two builds alike, a rebuild beside a save file, and bad content
// refused with the previous data left as it was, and a staged file that cannot be read refused.
#include "BuiltData.h"

#include "engine/foundation/MiscData.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameFile.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/JorpMode.h"
#include "engine/media/Bmp.h"
#include "platform/audio/WaveFile.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/art/FontVersions.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/DataNames.h"
#include "tools/databuild/model/SkitLists.h"
#include "tools/databuild/writer/DataWriter.h"

#include <cstdlib>
#include <map>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Every file under a folder, by its path relative to it.
std::map<std::string, std::string> FolderFiles(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] = HostFileBytes(entry.path());
    return files;
}

using BuiltData = BuiltDataFixture;

TEST_F(BuiltData, EveryFileReadsBackThroughItsEngineReader) {
    Build();
    const TDataSet& set = MadeSet();

    TJorpGame game("casino.g");
    ASSERT_TRUE(game.HasFlags(JOF_LOADED));
    EXPECT_EQ(game.GetPaletteName(), "casino.pal");
    ASSERT_EQ(game.GetModeCount(), 2);
    EXPECT_EQ(game.GetModeName(0), "f1craps.m");
    EXPECT_EQ(game.GetModeName(1), "s4intro.m");

    TPal palette(nullptr, TFileMode("casino.pal", 0, FM_LEVEL_NOW), true, false);
    ASSERT_NE(palette.GetColourTable(), nullptr);
    ASSERT_EQ(palette.GetColourTable()->GetCount(), 256);
    const TColourTable colours = GamePalette();
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(palette.GetColourTable()->GetEntry(static_cast<i16>(i)),
                  colours[static_cast<size_t>(i)].rgbBlue |
                      (colours[static_cast<size_t>(i)].rgbGreen << 8) |
                      (colours[static_cast<size_t>(i)].rgbRed << 16))
            << i;

    for (const TModeModel& model : set.Modes) {
        // Without a mode window the list makes no members: the mode's own fields are compared
        // here, the lists with a window below.
        TJorpMode mode(nullptr, model.Name, false, 0);
        EXPECT_EQ(mode.GetGameType(), model.GameType) << model.Name;
        EXPECT_EQ(mode.GetBackgroundName(), model.Background) << model.Name;
        EXPECT_EQ(mode.GetGObjListName(), model.ObjectList) << model.Name;
    }
    for (const TGameObjectListModel& model : set.GameObjectLists) {
        TReadingWindow window;
        TJorpMode mode(0, TFileMode("any.m", 0, 0));
        const TGObjList* list = TGObjList::CreateFromFile(
            &window, &mode, TFileMode(TJorpFileName(model.Name), 0, FM_LEVEL_NOW));
        ASSERT_TRUE(list->HasFlags(JOF_LOADED)) << model.Name;
        ASSERT_EQ(list->GetCount(), static_cast<i16>(model.Objects.size()));
        for (i16 i = 0; i < list->GetCount(); ++i) {
            const TGameObjectModel& expected = model.Objects[static_cast<size_t>(i)];
            const TGameObject* object = list->GetMember(i);
            EXPECT_EQ(object->GetFileMode().Name.GetText(), expected.Name);
            EXPECT_EQ(object->GetSpriteListName(), expected.SpriteList);
            EXPECT_EQ(object->GetSkitCatName(), expected.SkitCat);
            EXPECT_EQ(object->GetMiscDataName(), expected.MiscData);
            EXPECT_EQ(object->GetObjectValue(), expected.Value);
        }
    }
    for (const TMiscDataModel& model : set.MiscData) {
        TMiscData data(nullptr, TFileMode(TJorpFileName(model.Name), 0, FM_LEVEL_NOW), true, false);
        EXPECT_TRUE(data.HasFlags(JOF_LOADED)) << model.Name;
        EXPECT_EQ(data.GetListCount(), 0);
    }

    TBmp background(nullptr, TFileMode("\\f1glrd00\\f1craps.bmp", 0, FM_LEVEL_NOW), true, true);
    ASSERT_NE(background.GetBits(), nullptr);
    EXPECT_EQ(background.PixelWidth(), 640);
    EXPECT_EQ(background.PixelHeight(), 480);
    EXPECT_FALSE(background.IsTopDown());

    for (const TRawFile& file : set.GetRawFiles()) {
        if (EndsWith(file.Name, ".anm")) {
            auto anm = TAnm::Create(nullptr, TFileMode(TJorpFileName(file.Name), 0, FM_LEVEL_NOW),
                                    TAnmData(), true, true);
            ASSERT_EQ(anm->GetFrameCount(), file.Frames) << file.Name;
            for (u16 k = 0; k < file.Frames; ++k)
                EXPECT_TRUE(anm->GetImageFrames().GetFrame(k)->Drawable) << file.Name << " " << k;
        } else if (EndsWith(file.Name, ".wav")) {
            const std::string bytes = EngineBytes(file.Name);
            TWaveFile wave;
            ASSERT_EQ(ParseWaveFile(reinterpret_cast<const u8*>(bytes.data()), bytes.size(), wave),
                      0U)
                << file.Name;
            EXPECT_EQ(wave.Rate, 22050U);
            EXPECT_EQ(wave.Channels, 1);
            EXPECT_EQ(wave.Bits, 16);
            EXPECT_GT(wave.Frames(), 0U) << file.Name;
        }
    }

    for (const TSpriteListModel& model : set.SpriteLists) {
        TSpriteListModel sorted = model;
        sorted.Sort();
        auto list = LoadSpriteList(model.GetName());
        ASSERT_TRUE(list->HasFlags(JOF_LOADED)) << model.GetName();
        ASSERT_EQ(list->GetCount(), static_cast<i16>(sorted.GetSprites().size()));
        EXPECT_EQ(list->GetActiveListCount(), static_cast<i16>(1 + model.Sets.size()));
        for (i16 i = 0; i < list->GetCount(); ++i) {
            const TSpriteModel& expected = sorted.GetSprites()[static_cast<size_t>(i)];
            const TSprite* sprite = list->GetSprite(i);
            EXPECT_EQ(list->GetSpriteFileName(i), expected.GetName());
            EXPECT_EQ(sprite->GetObjectType(), expected.GetType()) << expected.GetName();
            EXPECT_EQ(sprite->GetId(), expected.GetSet()) << expected.GetName();
            EXPECT_TRUE(sprite->HasFlags(SPF_KEEP_DURATION));
            // The stored duration is what the engine works out from the members it built.
            EXPECT_EQ(sprite->Duration, sprite->CalcDuration()) << expected.GetName();
            EXPECT_EQ(sprite->Duration, expected.Duration()) << expected.GetName();
            EXPECT_EQ(sprite->GetAnmList()->GetCount(), expected.AnmCount()) << expected.GetName();
            EXPECT_EQ(sprite->GetWavList()->GetCount(), expected.WaveCount()) << expected.GetName();
        }
    }
}

TEST_F(BuiltData, TheCatalogueListsExactlyTheFilesWrittenEachInsideThePackAsTheLooseFilesAre) {
    Build();
    std::vector<std::string> expected;
    for (const std::string& name : MadeSet().FileNames())
        expected.push_back(CatalogueName(name));
    SortNames(expected);
    const std::vector<TCatalogued> files = Catalogued();
    std::vector<std::string> names;
    for (const TCatalogued& f : files)
        names.push_back(f.Name);
    EXPECT_EQ(names, expected);
    // Packed in name order, back to back, nothing before, between or after.
    const u64 packSize = fs::file_size(Dir.Host("data/otcraps.dew"));
    u64 at = 0;
    for (const TCatalogued& f : files) {
        EXPECT_EQ(f.Offset, at) << f.Name;
        EXPECT_GT(f.Size, 0U) << f.Name;
        at += f.Size;
    }
    EXPECT_EQ(at, packSize);
    EXPECT_EQ(FolderFiles(Dir.Host("data")).size(), 3U) << "det, dew and the builder's list";

    // The bytes read through the catalogue equal a loose build's files.
    TTempDir loose('e');
    std::string error;
    ASSERT_TRUE(BuildDataSet({loose.Host("data"), true}, error, MadeSet())) << error;
    // A loose set's catalogue is its root alone.
    EXPECT_EQ(fs::file_size(loose.Host("data/otcraps.det")), 27U);
    EXPECT_FALSE(fs::exists(loose.Host("data/otcraps.dew")));
    for (const TCatalogued& f : files) {
        const std::string plain = HostFileBytes(loose.Host("data/" + HostRelativeName(f.Name)));
        ASSERT_FALSE(plain.empty()) << f.Name;
        EXPECT_EQ(EngineBytes("\\" + f.Name), plain) << f.Name;
    }
    EXPECT_EQ(FolderFiles(loose.Host("data")).size(), files.size() + 2);
}

// Each pair is two sets made apart: the build's own (made by the tool) against one made here, and
// the set this test program made once against a whole build here.
TEST(DataBuild, TwoBuildsAreByteIdentical) {
    for (bool loose : {false, true}) {
        TTempDir first('e');
        TTempDir second('f');
        std::string error;
        ASSERT_TRUE(loose ? BuildDataSet({first.Host("data"), true}, error)
                          : PutDataSet(first.Host("data"), error))
            << error;
        ASSERT_TRUE(BuildDataSet({second.Host("data"), loose}, error, MadeSet())) << error;
        const auto a = FolderFiles(first.Host("data"));
        const auto b = FolderFiles(second.Host("data"));
        ASSERT_GT(a.size(), 2U);
        EXPECT_TRUE(a == b) << (loose ? "loose" : "packed");
    }
}

TEST(DataBuild, ARebuildReplacesItsOwnFilesAndLeavesEveryOtherAlone) {
    TTempDir dir('e');
    const fs::path data = dir.Host("data");
    dir.WriteHostFile("data/otcraps.sav", "the gamblers");
    dir.WriteHostFile("data/notes/mine.txt", "kept");
    std::string error;
    ASSERT_TRUE(BuildDataSet({data, true}, error, MadeSet())) << error;
    ASSERT_TRUE(fs::exists(data / "f1glrd00/f1glrd00.spl"));
    ASSERT_TRUE(BuildDataSet({data, false}, error, MadeSet())) << error;
    // The loose files of the last build are gone with their folders; the pack replaces them.
    EXPECT_FALSE(fs::exists(data / "f1glrd00"));
    EXPECT_FALSE(fs::exists(data / "casino.g"));
    EXPECT_TRUE(fs::exists(data / PACK_NAME));
    EXPECT_EQ(dir.ReadHostFile("data/otcraps.sav"), "the gamblers");
    EXPECT_EQ(dir.ReadHostFile("data/notes/mine.txt"), "kept");
    EXPECT_EQ(dir.ReadHostFile("data/databuild.lst"), "otcraps.det\notcraps.dew\n");
    // No staging folder is left behind; the help file lies beside the data folder.
    for (const auto& entry : fs::directory_iterator(dir.Path))
        EXPECT_TRUE(entry.path().filename() == "data" || entry.path().filename() == "otcraps.hlp")
            << entry.path();
}

// A copy of the table's list with one sprite changed.
TSpriteModel& Sprite(TDataSet& set, const std::string& name) {
    TSpriteModel* sprite = TableSprites(set).Find(name);
    if (sprite == nullptr)
        throw std::logic_error("no sprite " + name);
    return *sprite;
}

// The first skit of the table lord's first list: placing the puck.
TSkitModel& FirstSkit(TDataSet& set) {
    return set.SkitCats.at(0).Lists.at(0).Skits.at(0);
}

TEST(DataBuild, BadContentFailsNamingTheItemAndLeavesThePreviousDataIntact) {
    const std::string set0List3 = TableFile("f100" + SkitLists()[3].Suffix + ".skl");
    const std::string FirstSkitItem = TableFile("kcpm_00.sk");
    const std::string board = "\\f1glrd00\\f100mess.sp";
    const std::string button = "\\f1glrd00\\f100b600.sp";
    const struct Case {
        const char* Fault;
        std::function<void(TDataSet&)> Alter;
        std::string Named;
    } cases[] = {
        {"a name outside the set",
         [](TDataSet& set) { TableSprites(set).Add(TSpriteModel("\\f1glrd00\\Odd.sp", 0)); },
         "\\f1glrd00\\Odd.sp"},
        {"a duplicate in a list",
         [&](TDataSet& set) {
             TSpriteModel copy = Sprite(set, button);
             TableSprites(set).Add(copy);
         },
         button},
        {"over 8 cells in a row",
         [&](TDataSet& set) {
             TSpriteModel& sprite = Sprite(set, board);
             for (int i = 0; i < 9; ++i)
                 sprite.AddAnmAt(7, TableFile("f1digit.anm"), 0, 0, 0, 0, PLAY_HOLD);
         },
         board},
        {"fewer members than the class binds",
         [&](TDataSet& set) { Sprite(set, board).GetCells().pop_back(); }, board},
        {"fewer frames than the class shows",
         [&](TDataSet& set) { Sprite(set, button).GetCells()[0].File = TableFile("f1buy.anm"); },
         button + " animation 0"},
        {"a wave cell of 32,768 ticks",
         [](TDataSet& set) {
             Sprite(set, "\\f1glrd00\\f100sond.sp").GetCells()[3].Duration = 32768;
         },
         "\\f1glrd00\\f100sond.sp"},
        {"a member file the set does not hold",
         [&](TDataSet& set) { Sprite(set, board).GetCells()[0].File = TableFile("nothing.anm"); },
         board},
        {"a game object naming a part the set does not hold",
         [](TDataSet& set) { set.GameObjectLists[0].Objects[2].MiscData = "\\f1humn02\\x.md"; },
         "\\f1humn02\\f1humn02.go"},
        {"a mode that names no list", [](TDataSet& set) { set.Modes[1].ObjectList.clear(); },
         "s4intro.m"},
        {"a duplicate list in a catalogue",
         [](TDataSet& set) { set.SkitCats.at(0).Lists.push_back(set.SkitCats[0].Lists.at(3)); },
         set0List3},
        {"a skit cell naming a sprite the list does not hold",
         [](TDataSet& set) { FirstSkit(set).Cells[0].Sprite = TableFile("f1none.sp"); },
         FirstSkitItem},
        {"over 8 cells in a skit's row", [](TDataSet& set) { FirstSkit(set).Cells[0].Place = 8; },
         FirstSkitItem},
        {"a file twice", [](TDataSet& set) { set.AddWave(TableFile("f1snd00.wav"), Silence(10)); },
         "\\f1glrd00\\f1snd00.wav"},
        // The layout's outline under the pass line painted over in the bitmap as written: the
        // picture no longer shows the lines the shapes draw.
        {"a line of the layout painted over",
         [](TDataSet& set) {
             for (TRawFile& raw : set.GetRawFiles())
                 if (raw.Name == TableFile(TABLE_BACKGROUND)) {
                     const size_t offset = raw.Bytes[10] | raw.Bytes[11] << 8;
                     raw.Bytes.at(offset +
                                  static_cast<size_t>(TABLE_HEIGHT - 1 - 419) * TABLE_WIDTH + 300) =
                         0;
                 }
         },
         "\\f1glrd00\\f1craps.bmp"},
    };
    TTempDir dir('e');
    const fs::path data = dir.Host("data");
    std::string error;
    ASSERT_TRUE(PutDataSet(data, error)) << error;
    const auto before = FolderFiles(data);
    // The set is made once and each case builds its own changed copy: making it is the slow part.
    for (const Case& c : cases) {
        error.clear();
        EXPECT_FALSE(BuildChangedDataSet({data, true}, error, c.Alter)) << c.Fault;
        EXPECT_NE(error.find(c.Named + ":"), std::string::npos) << c.Fault << ": " << error;
        EXPECT_TRUE(FolderFiles(data) == before) << c.Fault;
    }
}

// The pack is made from the staged files read back: one that cannot be read must stop the build
// with its name, not go into the pack empty.
TEST(DataBuild, AFileThatCannotBeReadWholeStopsTheBuildNamingIt) {
    TTempDir dir('e');
    dir.WriteHostFile("staged.bin", std::string("ab\0c", 4));
    dir.WriteHostFile("empty.bin", "");
    fs::create_directories(dir.Host("folder"));
    EXPECT_EQ(ReadWholeFile(dir.Host("staged.bin")), (std::vector<u8>{'a', 'b', 0, 'c'}));
    EXPECT_TRUE(ReadWholeFile(dir.Host("empty.bin")).empty());
    for (const char* name : {"missing.bin", "folder"}) {
        const fs::path path = dir.Host(name);
        try {
            ReadWholeFile(path);
            ADD_FAILURE() << name << " was read";
        } catch (const TBuildError& e) {
            EXPECT_EQ(e.Item, path.string());
            EXPECT_EQ(std::string(e.what()), path.string() + ": cannot be read");
        }
    }
}

TEST(DataBuild, TheFontLineSaysWhichFacesAreMissingOrNoFont) {
    TTempDir dir('f');
    dir.WriteHostFile("DejaVuSans.ttf", "not a font");
    const std::string line = FontVersionLine(dir.Path);
    for (const char* part : {"fonts: DejaVuSans.ttf unreadable, ", "DejaVuSans-Bold.ttf missing, ",
                             "DejaVuSansMono.ttf missing, ", "DejaVuSansMono-Bold.ttf missing; "})
        EXPECT_NE(line.find(part), std::string::npos) << part << " in " << line;
}

TEST(DataBuild, TheToolWritesTheFolderItIsGivenAndRefusesAnythingElse) {
    TTempDir dir('e');
    const std::string tool = OTCRAPS_DATABUILD;
    auto run = [&](const std::string& args) {
        const int status = std::system((tool + " " + args + " 2>/dev/null").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run(""), 2);
    EXPECT_EQ(run("--packed " + dir.Host("x").string()), 2);
    EXPECT_EQ(run(dir.Host("a").string() + " " + dir.Host("b").string()), 2);
    EXPECT_FALSE(fs::exists(dir.Host("a")));
    EXPECT_EQ(run("--loose " + dir.Host("data").string() + " >" + dir.Host("log").string()), 0);
    EXPECT_TRUE(fs::exists(dir.Host("data/f1craps.m")));
    // The log names the faces the text was drawn with, with their versions, and FreeType's.
    const std::string log = dir.ReadHostFile("log");
    EXPECT_NE(log.find("databuild: fonts: DejaVuSans.ttf Version "), std::string::npos) << log;
    EXPECT_NE(log.find(", DejaVuSansMono-Bold.ttf Version "), std::string::npos) << log;
    EXPECT_NE(log.find("; FreeType 2."), std::string::npos) << log;
    EXPECT_EQ(run(dir.Host("data").string()), 0);
    EXPECT_TRUE(fs::exists(dir.Host("data/otcraps.dew")));
    EXPECT_FALSE(fs::exists(dir.Host("data/f1craps.m")));
}

} // namespace
