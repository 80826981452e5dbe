// The player's folder: where the environment puts it, where the data is read from, its making
// at the first use, an earlier build's files taken in, and the one box when it cannot be used.
#include "platform/host/PlayerFolder.h"

#include "platform/host/MessageBox.h"
#include "platform/host/PrivateProfile.h"
#include "platform/host/VirtualPath.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// Every file and folder below a folder, with each file's bytes.
std::map<std::string, std::string> Listing(const fs::path& folder) {
    std::map<std::string, std::string> listing;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).string();
        if (entry.is_directory()) {
            listing[name] = "<folder>";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            listing[name] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return listing;
}

mode_t ModeOf(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

TEnvironment Environment(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const char* name) -> const char* {
        const auto it = values.find(name);
        return it == values.end() ? nullptr : it->second.c_str();
    };
}

TEST(PlayerFolder, TheEnvironmentNamesTheFolder) {
    struct Case {
        const char* Name;
        std::map<std::string, std::string> Values;
        std::string Folder;
    };
    const std::string here = fs::current_path().string();
    const Case cases[] = {
        {"own folder first",
         {{"OTCRAPS_HOME", "/srv/p"}, {"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}},
         "/srv/p"},
        {"own folder without its slash", {{"OTCRAPS_HOME", "/srv/p//"}}, "/srv/p"},
        {"own folder from here", {{"OTCRAPS_HOME", "rel/p"}}, here + "/rel/p"},
        {"empty own folder is none",
         {{"OTCRAPS_HOME", ""}, {"HOME", "/h"}},
         "/h/.local/share/otcraps"},
        {"data home", {{"XDG_DATA_HOME", "/x/data"}, {"HOME", "/h"}}, "/x/data/otcraps"},
        {"relative data home ignored",
         {{"XDG_DATA_HOME", "x/data"}, {"HOME", "/h"}},
         "/h/.local/share/otcraps"},
        {"home", {{"HOME", "/h/"}}, "/h/.local/share/otcraps"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LocatePlayerFolder(Environment(c.Values)), c.Folder) << c.Name;
    // Without HOME the user's entry names the home folder.
    const std::string fallback = LocatePlayerFolder(Environment({}));
    EXPECT_TRUE(fallback.ends_with("/.local/share/otcraps")) << fallback;
}

TEST(PlayerFolder, DataIsReadBesideTheProgramOrElseFromTheInstalledFolder) {
    TTempDir prefix;
    const std::string bin = prefix.Host("bin").string();
    fs::create_directories(bin);
    // Neither: beside the program, where a missing data set is then reported.
    EXPECT_EQ(LocateDataFolder(bin), bin);
    prefix.WriteHostFile("share/otcraps/data/otcraps.det", "x");
    EXPECT_EQ(LocateDataFolder(bin), prefix.Host("share/otcraps").string());
    // A data folder beside the program wins: a build run from where it was built.
    fs::create_directories(prefix.Host("bin/data"));
    EXPECT_EQ(LocateDataFolder(bin), bin);
}

class PlayerFolderStart : public ::testing::Test {
protected:
    PlayerFolderStart() {
        Program.WriteHostFile("data/otcraps.det", "catalogue");
        Program.WriteHostFile("otcraps.hlp", "help");
        TVirtualPaths::SetPlayerFolderUsable(true);
    }
    ~PlayerFolderStart() override { TVirtualPaths::SetPlayerFolderUsable(true); }

    TTempDir Program;
    TTempDir Home{'p'};
    TMessageBoxRecorder Boxes;
};

TEST_F(PlayerFolderStart, TheFirstStartMakesAPrivateFolderAndWritesNothingBesideTheProgram) {
    const auto before = Listing(Program.Path);
    const fs::path folder = Home.Host("a/b/otcraps");
    EXPECT_TRUE(PreparePlayerFolder(folder.string(), Program.Path.string()));
    EXPECT_EQ(ModeOf(folder), 0700U);
    EXPECT_EQ(ModeOf(folder / "data"), 0700U);
    EXPECT_EQ(ModeOf(Home.Host("a")), 0700U);
    // Only the save's folder: the proof of writing leaves nothing.
    EXPECT_EQ(Listing(folder), (std::map<std::string, std::string>{{"data", "<folder>"}}));
    EXPECT_EQ(Listing(Program.Path), before);
    EXPECT_TRUE(Boxes.Boxes.empty());
    EXPECT_TRUE(TVirtualPaths::PlayerFolderUsable());
    // A folder that exists already is used as it is.
    fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read);
    EXPECT_TRUE(PreparePlayerFolder(folder.string(), Program.Path.string()));
    EXPECT_EQ(ModeOf(folder), 0740U);
}

TEST_F(PlayerFolderStart, AnEarlierBuildsSaveAndSettingsAreTakenInWholeAndStayWhereTheyWere) {
    std::string save(300000, '\0');
    for (size_t i = 0; i < save.size(); ++i)
        save[i] = static_cast<char>(i * 7 + i / 256);
    Program.WriteHostFile("data/otcraps.sav", save);
    Program.WriteHostFile("otcraps.ini", "[System]\r\nPrevRun=1\r\n");
    const auto before = Listing(Program.Path);
    const fs::path folder = Home.Host("otcraps");
    ASSERT_TRUE(PreparePlayerFolder(folder.string(), Program.Path.string()));
    EXPECT_EQ(Listing(folder), (std::map<std::string, std::string>{
                                   {"data", "<folder>"},
                                   {"data/otcraps.sav", save},
                                   {"otcraps.ini", "[System]\r\nPrevRun=1\r\n"},
                               }));
    EXPECT_EQ(Listing(Program.Path), before);
    // Once the player's folder has its own, the earlier ones are never taken again.
    Home.WriteHostFile("otcraps/data/otcraps.sav", "mine");
    fs::remove(folder / "otcraps.ini");
    ASSERT_TRUE(PreparePlayerFolder(folder.string(), Program.Path.string()));
    EXPECT_EQ(Home.ReadHostFile("otcraps/data/otcraps.sav"), "mine");
    EXPECT_EQ(Home.ReadHostFile("otcraps/otcraps.ini"), "[System]\r\nPrevRun=1\r\n");
    // Something in the save's place that is no file is left alone.
    fs::remove(folder / "data/otcraps.sav");
    fs::remove(Program.Host("data/otcraps.sav"));
    Program.WriteHostFile("data/otcraps.sav/inside", "x");
    ASSERT_TRUE(PreparePlayerFolder(folder.string(), Program.Path.string()));
    EXPECT_FALSE(fs::exists(folder / "data/otcraps.sav"));
}

TEST_F(PlayerFolderStart, AFolderThatCannotBeMadeIsNamedInOneBoxAndNothingIsWritten) {
    // Below a plain file nothing can be made, not even by root.
    Home.WriteHostFile("file", "x");
    Program.WriteHostFile("otcraps.ini", "[System]\r\nPrevRun=1\r\n");
    const auto before = Listing(Program.Path);
    const std::string folder = Home.Host("file/otcraps").string();
    EXPECT_FALSE(PreparePlayerFolder(folder, Program.Path.string()));
    EXPECT_FALSE(TVirtualPaths::PlayerFolderUsable());
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Warning");
    EXPECT_NE(Boxes.Boxes[0].Text.find(folder), std::string::npos) << Boxes.Boxes[0].Text;
    EXPECT_NE(Boxes.Boxes[0].Text.find(std::strerror(ENOTDIR)), std::string::npos)
        << Boxes.Boxes[0].Text;
    EXPECT_EQ(Listing(Program.Path), before);
    EXPECT_EQ(Listing(Home.Path), (std::map<std::string, std::string>{{"file", "x"}}));
}

// A data folder that cannot be made (a file, a link to nothing or a loop of links in its place)
// leaves the player's folder to take the run: no box, the folder usable, an earlier build's
// settings taken in, and what stands in the data folder's place left as it is.
TEST_F(PlayerFolderStart, ADataFolderThatCannotBeMadeLeavesThePlayersFolderToTakeTheRun) {
    Program.WriteHostFile("otcraps.ini", "[System]\r\nPrevRun=1\r\n");
    const fs::path folder = Home.Host("otcraps");
    const fs::path data = folder / "data";
    const struct {
        const char* What;
        std::function<void()> Take;
        fs::file_type Left;
    } cases[] = {
        {"a file", [&] { Home.WriteHostFile("otcraps/data", "the player's"); },
         fs::file_type::regular},
        {"a link to nothing", [&] { fs::create_symlink(folder / "elsewhere", data); },
         fs::file_type::symlink},
        {"a loop of links", [&] { fs::create_symlink(data, data); }, fs::file_type::symlink},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        fs::remove_all(folder);
        fs::create_directories(folder);
        c.Take();
        Boxes.Boxes.clear();
        EXPECT_TRUE(PreparePlayerFolder(folder.string(), Program.Path.string()));
        EXPECT_TRUE(TVirtualPaths::PlayerFolderUsable());
        EXPECT_TRUE(Boxes.Boxes.empty());
        EXPECT_EQ(Home.ReadHostFile("otcraps/otcraps.ini"), "[System]\r\nPrevRun=1\r\n");
        EXPECT_EQ(fs::symlink_status(data).type(), c.Left);
    }
}

// A run's mapping: the data read where it lies, the player's names in the player's folder,
// the folder made only when one of them is first used, and one box for a run however many
// files it then tries.
TEST_F(PlayerFolderStart, ARunMapsItsFilesAndMakesThePlayersFolderAtTheirFirstUse) {
    const fs::path folder = Home.Host("otcraps");
    {
        const TPlayerFolderMapping mapping(nullptr, Environment({{"OTCRAPS_HOME", folder}}));
        EXPECT_EQ(TVirtualPaths::GetDriveRoot('c'),
                  LocateDataFolder(TVirtualPaths::ProgramDirectory(nullptr)));
        EXPECT_FALSE(TVirtualPaths::ToHost("c:\\data\\otcraps.det").value_or("").empty());
        EXPECT_FALSE(fs::exists(folder));
        ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "1", "c:\\otcraps.ini"));
        EXPECT_EQ(ModeOf(folder), 0700U);
        EXPECT_EQ(Home.ReadHostFile("otcraps/otcraps.ini"), "[System]\r\nPrevRun=1\r\n");
    }
    EXPECT_FALSE(TVirtualPaths::GetPlayerRoot().has_value());

    Home.WriteHostFile("file", "x");
    const fs::path unusable = Home.Host("file/otcraps");
    {
        const TPlayerFolderMapping mapping(nullptr, Environment({{"OTCRAPS_HOME", unusable}}));
        EXPECT_TRUE(TVirtualPaths::PlayerFolderUsable());
        // The settings of the run are kept for it, and written nowhere.
        EXPECT_FALSE(WritePrivateProfileStringA("Intro", "Show", "0", "c:\\otcraps.ini"));
        EXPECT_EQ(GetPrivateProfileIntA("Intro", "Show", 1, "c:\\otcraps.ini"), 0);
        EXPECT_FALSE(WritePrivateProfileStringA("Intro", "Show", "2", "c:\\otcraps.ini"));
        EXPECT_EQ(GetPrivateProfileIntA("Intro", "Show", 1, "c:\\otcraps.ini"), 2);
        EXPECT_FALSE(TVirtualPaths::ToHost("c:\\data\\otcraps.sav").value_or("").empty());
        EXPECT_FALSE(TVirtualPaths::PlayerFolderUsable());
    }
    EXPECT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Listing(Home.Path), (std::map<std::string, std::string>{
                                      {"file", "x"},
                                      {"otcraps", "<folder>"},
                                      {"otcraps/data", "<folder>"},
                                      {"otcraps/otcraps.ini", "[System]\r\nPrevRun=1\r\n"},
                                  }));
    // The next run starts with a usable folder again.
    const TPlayerFolderMapping next(nullptr, Environment({{"OTCRAPS_HOME", folder}}));
    EXPECT_TRUE(TVirtualPaths::PlayerFolderUsable());
    SetPrivateProfileDisk(nullptr);
}

} // namespace
