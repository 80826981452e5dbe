// The install: `cmake --install` into a fresh prefix puts the program, its data, its help and the
// desktop's entry and icons where the program and the desktop look for them.
#include "platform/headless/PngWriter.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A path as one word of a shell command line. Built by appending: GCC 12's optimizer misreads
// a chain of string concatenations.
std::string Quoted(const fs::path& path) {
    std::string word(1, '"');
    word += path.string();
    word += '"';
    return word;
}

// Runs a command line with its output in a file; the exit status and the output.
std::pair<int, std::string> RunCommand(std::string command, const fs::path& output) {
    command += " >";
    command += Quoted(output);
    command += " 2>&1";
    const int status = std::system(command.c_str());
    const int code = status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return {code, ReadFile(output)};
}

u32 BigEndian(const std::string& bytes, size_t at) {
    return static_cast<u32>(static_cast<u8>(bytes[at])) << 24 |
           static_cast<u32>(static_cast<u8>(bytes[at + 1])) << 16 |
           static_cast<u32>(static_cast<u8>(bytes[at + 2])) << 8 |
           static_cast<u32>(static_cast<u8>(bytes[at + 3]));
}

// An RGBA PNG of the size that decodes whole.
::testing::AssertionResult IsIcon(const fs::path& path, u32 size) {
    const std::string bytes = ReadFile(path);
    if (bytes.size() < 33 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return ::testing::AssertionFailure() << path << " is no PNG";
    if (BigEndian(bytes, 16) != size || BigEndian(bytes, 20) != size)
        return ::testing::AssertionFailure() << path << " is " << BigEndian(bytes, 16) << "x"
                                             << BigEndian(bytes, 20) << ", not " << size;
    // 8 bits a sample, colour with alpha: the icon's corners stay see-through.
    if (bytes[24] != 8 || bytes[25] != 6)
        return ::testing::AssertionFailure() << path << " is not 8-bit RGBA";
    const auto decoded = ReadPng(path.string());
    if (!decoded || decoded->GetWidth() != static_cast<i32>(size))
        return ::testing::AssertionFailure() << path << " does not decode";
    return ::testing::AssertionSuccess();
}

std::map<std::string, std::string> DesktopEntry(const fs::path& path) {
    std::map<std::string, std::string> keys;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (!keys.contains("[group]"))
            keys["[group]"] = line;
        const size_t eq = line.find('=');
        if (eq != std::string::npos)
            keys[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return keys;
}

// `cmake --install` of the build into the prefix; the log on failure.
::testing::AssertionResult Install(const fs::path& prefix, const fs::path& work) {
    std::string install = Quoted(OTCRAPS_CMAKE);
    install += " --install ";
    install += Quoted(OTCRAPS_BINARY_DIR);
    install += " --prefix ";
    install += Quoted(prefix);
    const auto [code, log] = RunCommand(install, work / "install.log");
    if (code != 0)
        return ::testing::AssertionFailure() << log;
    return ::testing::AssertionSuccess();
}

// Every file below the folder with its size and modification time.
std::map<std::string, std::string> Listing(const fs::path& folder) {
    std::map<std::string, std::string> listing;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string stamp = std::to_string(entry.is_directory() ? 0 : entry.file_size());
        stamp += ' ';
        stamp += std::to_string(entry.last_write_time().time_since_epoch().count());
        listing[fs::relative(entry.path(), folder).string()] = stamp;
    }
    return listing;
}

TEST(InstallLayoutTest, AnInstallIntoAPrefixHoldsTheProgramItsDataItsHelpAndTheDesktopFiles) {
    const TScratchDir work("install");
    const fs::path prefix = work.Path / "prefix";
    ASSERT_TRUE(Install(prefix, work.Path));

    // Exactly these: nothing played in the build tree (a save file, settings) comes along.
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(prefix))
        if (!entry.is_directory())
            files.insert(fs::relative(entry.path(), prefix).string());
    EXPECT_EQ(files, (std::set<std::string>{
                         "games/otcraps",
                         "share/otcraps/data/otcraps.det",
                         "share/otcraps/data/otcraps.dew",
                         "share/otcraps/otcraps.hlp",
                         "share/applications/otcraps.desktop",
                         "share/icons/hicolor/48x48/apps/otcraps.png",
                         "share/icons/hicolor/256x256/apps/otcraps.png",
                         "share/man/man6/otcraps.6.gz",
                         "share/doc/otcraps/copyright",
                         "share/doc/otcraps/changelog.gz",
                     }));

    // The installed program runs from where it lies.
    EXPECT_NE(fs::status(prefix / "games/otcraps").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    std::string askVersion = Quoted(prefix / "games/otcraps");
    askVersion += " --version";
    const auto [versionCode, version] = RunCommand(askVersion, work.Path / "version.txt");
    EXPECT_EQ(versionCode, 0);
    EXPECT_EQ(version, "otcraps " OTCRAPS_VERSION "\n");

    // The data and help are the build's own, whole.
    for (const char* name : {"data/otcraps.det", "data/otcraps.dew", "otcraps.hlp"})
        EXPECT_TRUE(ReadFile(prefix / "share/otcraps" / name) ==
                    ReadFile(fs::path(OTCRAPS_BINARY_DIR) / name))
            << name;

    const auto entry = DesktopEntry(prefix / "share/applications/otcraps.desktop");
    EXPECT_EQ(entry.at("[group]"), "[Desktop Entry]");
    EXPECT_EQ(entry.at("Type"), "Application");
    EXPECT_EQ(entry.at("Exec"), "otcraps");
    EXPECT_EQ(entry.at("Icon"), "otcraps");
    EXPECT_EQ(entry.at("Terminal"), "false");
    EXPECT_FALSE(entry.at("Name").empty());
    EXPECT_FALSE(entry.at("Comment").empty());
    EXPECT_EQ(entry.at("Categories").rfind("Game;", 0), 0U);

    EXPECT_TRUE(IsIcon(prefix / "share/icons/hicolor/48x48/apps/otcraps.png", 48));
    EXPECT_TRUE(IsIcon(prefix / "share/icons/hicolor/256x256/apps/otcraps.png", 256));

    // The manual page and the changelog name the version the program reports, and the
    // copyright file carries the title card's line.
    std::string readManual = "gzip -dc ";
    readManual += Quoted(prefix / "share/man/man6/otcraps.6.gz");
    const auto [manualCode, manual] = RunCommand(readManual, work.Path / "manual.txt");
    EXPECT_EQ(manualCode, 0) << manual;
    EXPECT_NE(manual.find(".TH OTCRAPS 6 "), std::string::npos) << manual;
    EXPECT_NE(manual.find("\"otcraps " OTCRAPS_VERSION "\""), std::string::npos) << manual;
    for (const char* word : {"\\-\\-headless", "\\-h", "\\-\\-version", "F11", "Alt+Enter"})
        EXPECT_NE(manual.find(word), std::string::npos) << word;
    std::string readChangelog = "gzip -dc ";
    readChangelog += Quoted(prefix / "share/doc/otcraps/changelog.gz");
    const auto [changelogCode, changelog] = RunCommand(readChangelog, work.Path / "changes.txt");
    EXPECT_EQ(changelogCode, 0) << changelog;
    EXPECT_EQ(changelog.rfind("otcraps (" OTCRAPS_VERSION ") ", 0), 0U) << changelog;
    EXPECT_NE(
        ReadFile(prefix / "share/doc/otcraps/copyright").find("Copyright: 2001 Olbin Tevrani's"),
        std::string::npos);
}

// A player who cannot write to the install plays from another folder: the game finds its data
// through the prefix, saves in the player's folder and leaves the install as it was.
TEST(InstallLayoutTest, TheInstalledGamePlaysFromElsewhereAndSavesOnlyInThePlayersFolder) {
    const TScratchDir work("install-play");
    const fs::path prefix = work.Path / "prefix";
    ASSERT_TRUE(Install(prefix, work.Path));
    const fs::path elsewhere = work.Path / "elsewhere";
    const fs::path home = work.Path / "home";
    fs::create_directories(elsewhere);
    std::ofstream(work.Path / "run.txt") << "2500 click 400 300\n4000 close\n";
    const auto before = Listing(prefix);

    std::string play = "cd ";
    play += Quoted(elsewhere);
    play += " && OTCRAPS_HOME=";
    play += Quoted(home);
    play += ' ';
    play += Quoted(prefix / "games/otcraps");
    play += " --headless --script=";
    play += Quoted(work.Path / "run.txt");
    const auto [code, output] = RunCommand(play, work.Path / "play.log");
    EXPECT_EQ(code, 0) << output;
    EXPECT_EQ(output, "");
    EXPECT_GT(fs::file_size(home / "data/otcraps.sav"), 0U);
    EXPECT_TRUE(fs::is_regular_file(home / "otcraps.ini"));
    EXPECT_EQ(Listing(prefix), before);
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

} // namespace
