// The real executable keeps its settings, save file and lock in the player's folder it is given,
// takes in the settings an earlier build left beside it, and writes nothing beside itself.
#include "../../tools/databuild/TestDataSet.h"
#include "ProgramRun.h"
#include "support/TempDir.h"
#include "tools/databuild/writer/Build.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// Every entry below a folder with its size and time of change: the program itself is too
// large to compare by its bytes.
std::map<std::string, std::string> Listing(const fs::path& folder) {
    std::map<std::string, std::string> listing;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat st {};
        ::lstat(entry.path().c_str(), &st);
        listing[fs::relative(entry.path(), folder).string()] =
            std::to_string(st.st_mode) + " " + std::to_string(st.st_size) + " " +
            std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
    }
    return listing;
}

class PlayerFolderProcess : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(PutDataSet(Program.Host("data"), error)) << error;
        fs::copy_file(OTCRAPS_PROGRAM, Program.Host("otcraps"));
        // Past the intro, a moment at the table, and the end.
        Program.WriteHostFile("run.txt", "2500 click 400 300\n4000 close\n");
    }
    TProgramRun Run(const fs::path& home) {
        return RunProgram(Program.Host("otcraps").string(),
                          {"--headless", "--script=" + Program.Host("run.txt").string()},
                          home.string());
    }

    TTempDir Program;
    TTempDir Home{'p'};
};

TEST_F(PlayerFolderProcess, ARunKeepsItsFilesInThePlayersFolderAndWritesNothingBesideItself) {
    const std::string earlier = "[Intro]\r\nShow=1\r\n[Kept]\r\nMark=1\r\n";
    Program.WriteHostFile("otcraps.ini", earlier);
    const auto before = Listing(Program.Path);
    const fs::path folder = Home.Host("share/otcraps");
    const TProgramRun run = Run(folder);
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Errors, "");
    EXPECT_EQ(Listing(Program.Path), before);
    EXPECT_EQ(Program.ReadHostFile("otcraps.ini"), earlier);

    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700U);
    EXPECT_TRUE(fs::is_regular_file(folder / "otcraps.lck"));
    EXPECT_GT(fs::file_size(folder / "data/otcraps.sav"), 0U);
    // The earlier settings were taken in and the run's own added to them.
    const std::string settings = Home.ReadHostFile("share/otcraps/otcraps.ini");
    EXPECT_NE(settings.find("[Kept]\r\nMark=1\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("PrevRun=1"), std::string::npos) << settings;
    // No temporary file is left.
    for (const auto& [name, entry] : Listing(folder))
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
}

TEST_F(PlayerFolderProcess, AFolderThatCannotBeMadeIsNamedOnceAndTheGamePlaysOnWritingNothing) {
    // Below a plain file nothing can be made, not even by root.
    Home.WriteHostFile("file", "x");
    const auto before = Listing(Program.Path);
    const fs::path folder = Home.Host("file/otcraps");
    const TProgramRun run = Run(folder);
    EXPECT_EQ(run.Code, 0);
    const size_t box = run.Errors.find("[Warning] ");
    ASSERT_NE(box, std::string::npos) << run.Errors;
    EXPECT_EQ(run.Errors.find("[Warning] ", box + 1), std::string::npos) << run.Errors;
    EXPECT_NE(run.Errors.find(folder.string() + "\nNot a directory.", box), std::string::npos)
        << run.Errors;
    EXPECT_EQ(Listing(Program.Path), before);
    EXPECT_EQ(Listing(Home.Path).size(), 1U);
}

// The data folder in the player's folder a file, a link to nothing or a loop of links: the run
// and its settings are kept in the player's folder all the same, told with where, and the next
// start says where the last run's gamblers are before saving its own under the next name.
TEST_F(PlayerFolderProcess, ARunWhoseDataFolderIsNoFolderIsKeptInThePlayersFolder) {
    const fs::path folder = Home.Host("share/otcraps");
    const fs::path data = folder / "data";
    const struct {
        const char* What;
        std::function<void()> Take;
    } cases[] = {
        {"a file", [&] { Home.WriteHostFile("share/otcraps/data", "the player's"); }},
        {"a link to nothing", [&] { fs::create_symlink(folder / "elsewhere", data); }},
        {"a loop of links", [&] { fs::create_symlink(data, data); }},
    };
    const std::string saved = "the gamblers of this run are saved beside it as ";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        fs::remove_all(folder);
        fs::create_directories(folder);
        c.Take();
        const TProgramRun run = Run(folder);
        EXPECT_EQ(run.Code, 0);
        EXPECT_EQ(run.Errors.find("cannot be used"), std::string::npos) << run.Errors;
        EXPECT_NE(run.Errors.find(saved + (folder / "otcraps.bad").string()), std::string::npos)
            << run.Errors;
        EXPECT_EQ(Home.ReadHostFile("share/otcraps/otcraps.bad").size(), 264131U);
        const std::string settings = Home.ReadHostFile("share/otcraps/otcraps.ini");
        EXPECT_NE(settings.find("PrevRun=1"), std::string::npos) << settings;
        EXPECT_NE(settings.find("RunSavedAs=c:\\otcraps.bad"), std::string::npos) << settings;

        const TProgramRun next = Run(folder);
        EXPECT_EQ(next.Code, 0);
        EXPECT_NE(next.Errors.find("the gamblers of the last run are not in the save file " +
                                   (data / "otcraps.sav").string() + " but in " +
                                   (folder / "otcraps.bad").string()),
                  std::string::npos)
            << next.Errors;
        EXPECT_NE(next.Errors.find(saved + (folder / "otcraps.b01").string()), std::string::npos)
            << next.Errors;
    }
}

} // namespace
