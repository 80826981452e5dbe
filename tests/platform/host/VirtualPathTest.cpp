// Translation of virtual DOS paths to host paths, including refusal of paths leaving a root and
// the player's folder for the names the program writes.
#include "platform/host/VirtualPath.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

class VirtualPath : public ::testing::Test {
protected:
    void SetUp() override {
        TVirtualPaths::ClearDriveRoots();
        TVirtualPaths::SetDriveRoot('c', "/games/craps/");
        TVirtualPaths::SetDriveRoot('D', "/media/cd");
    }
    void TearDown() override { TVirtualPaths::ClearDriveRoots(); }
};

TEST_F(VirtualPath, MapsDrivesAndSeparators) {
    struct Case {
        const char* Virtual;
        const char* Host;
    };
    const Case cases[] = {
        {"c:\\data\\otcraps.det", "/games/craps/data/otcraps.det"},
        {"C:\\data\\x.bmp", "/games/craps/data/x.bmp"},
        {"d:\\otcraps\\data\\x.wav", "/media/cd/otcraps/data/x.wav"},
        {"data\\x.g", "/games/craps/data/x.g"},
        {"c:otcraps.ini", "/games/craps/otcraps.ini"},
        {"c:\\buffer\\", "/games/craps/buffer/"},
        {"c:\\data\\.\\sub\\..\\x.g", "/games/craps/data/x.g"},
        {"c:/data//x.g", "/games/craps/data/x.g"},
        // Names are left as written: the disk holds them in lower case.
        {"c:\\Data\\X.BMP", "/games/craps/Data/X.BMP"},
    };
    for (const auto& c : cases) {
        const auto host = TVirtualPaths::ToHost(c.Virtual);
        ASSERT_TRUE(host.has_value()) << c.Virtual;
        EXPECT_EQ(*host, c.Host) << c.Virtual;
    }
}

TEST_F(VirtualPath, RefusesUnmappedDrivesAndEscapes) {
    const char* refused[] = {
        "e:\\x.g", "c:\\..\\etc\\passwd", "c:\\data\\..\\..\\x", "..\\x", "1:\\x",
    };
    for (const char* path : refused)
        EXPECT_FALSE(TVirtualPaths::ToHost(path).has_value()) << path;
    EXPECT_FALSE(TVirtualPaths::ToHost(std::string("c:\\a\0b", 6)).has_value());
}

TEST_F(VirtualPath, RootsCanBeRemovedAndProgramPathIsVirtual) {
    TVirtualPaths::SetDriveRoot('d', "");
    EXPECT_FALSE(TVirtualPaths::ToHost("d:\\x").has_value());
    EXPECT_EQ(TVirtualPaths::ProgramPath(), "c:\\otcraps.exe");
    TVirtualPaths::MapProgramDirectory(nullptr);
    const auto root = TVirtualPaths::GetDriveRoot('c');
    ASSERT_TRUE(root.has_value());
    EXPECT_FALSE(root->empty());
}

// Every name the program writes goes to the player's folder, under the same relative name;
// everything else stays where the game's data is.
TEST_F(VirtualPath, TheNamesTheProgramWritesLiveInThePlayersFolder) {
    TVirtualPaths::SetPlayerRoot("/home/p/.local/share/otcraps/");
    struct Case {
        const char* Virtual;
        const char* Host;
    };
    const Case cases[] = {
        {"c:\\otcraps.ini", "/home/p/.local/share/otcraps/otcraps.ini"},
        {"C:\\OTCRAPS.INI", "/home/p/.local/share/otcraps/OTCRAPS.INI"},
        {"otcraps.ini", "/home/p/.local/share/otcraps/otcraps.ini"},
        {"c:\\data\\..\\otcraps.ini", "/home/p/.local/share/otcraps/otcraps.ini"},
        {"c:\\otcraps.ini.tmp4242", "/home/p/.local/share/otcraps/otcraps.ini.tmp4242"},
        {"c:\\otcraps.tmp", "/home/p/.local/share/otcraps/otcraps.tmp"},
        {"c:\\otcraps.lck", "/home/p/.local/share/otcraps/otcraps.lck"},
        {"c:\\data\\otcraps.sav", "/home/p/.local/share/otcraps/data/otcraps.sav"},
        {"c:\\data\\otcraps.tmp", "/home/p/.local/share/otcraps/data/otcraps.tmp"},
        {"c:\\data\\otcraps.bad", "/home/p/.local/share/otcraps/data/otcraps.bad"},
        {"c:\\data\\otcraps.b01", "/home/p/.local/share/otcraps/data/otcraps.b01"},
        {"c:\\data\\otcraps.b99", "/home/p/.local/share/otcraps/data/otcraps.b99"},
        // A folder moved out of the temporary name's way.
        {"c:\\data\\otcraps.old", "/home/p/.local/share/otcraps/data/otcraps.old"},
        {"c:\\data\\otcraps.o01", "/home/p/.local/share/otcraps/data/otcraps.o01"},
        {"c:\\data\\otcraps.o99", "/home/p/.local/share/otcraps/data/otcraps.o99"},
        // The settings kept beside the save.
        {"c:\\data\\otcraps.ini", "/home/p/.local/share/otcraps/data/otcraps.ini"},
        {"c:\\buffer\\", "/home/p/.local/share/otcraps/buffer/"},
        {"c:\\buffer", "/home/p/.local/share/otcraps/buffer"},
        {"c:\\buffer\\fm000000.tmp", "/home/p/.local/share/otcraps/buffer/fm000000.tmp"},
        // Read only: the catalogue, the pack, the help, the program, the skit lists.
        {"c:\\data\\otcraps.det", "/games/craps/data/otcraps.det"},
        {"c:\\data\\otcraps.dew", "/games/craps/data/otcraps.dew"},
        {"c:\\otcraps.hlp", "/games/craps/otcraps.hlp"},
        {"c:\\otcraps.exe", "/games/craps/otcraps.exe"},
        {"c:\\data\\dealer.skl", "/games/craps/data/dealer.skl"},
        {"c:\\data\\", "/games/craps/data/"},
        // Near misses stay with the data.
        {"c:\\data\\otcraps.b1", "/games/craps/data/otcraps.b1"},
        {"c:\\data\\otcraps.b100", "/games/craps/data/otcraps.b100"},
        {"c:\\data\\otcraps.bxy", "/games/craps/data/otcraps.bxy"},
        {"c:\\data\\otcraps.o1", "/games/craps/data/otcraps.o1"},
        {"c:\\data\\otcraps.old2", "/games/craps/data/otcraps.old2"},
        {"c:\\otcraps.sav", "/games/craps/otcraps.sav"},
        {"c:\\data\\otcraps.in", "/games/craps/data/otcraps.in"},
        {"c:\\otcraps.ini2", "/games/craps/otcraps.ini2"},
        {"c:\\buffers\\x", "/games/craps/buffers/x"},
        {"c:\\data\\buffer\\x", "/games/craps/data/buffer/x"},
        // The CD location is another drive: its files are never the player's.
        {"d:\\otcraps.ini", "/media/cd/otcraps.ini"},
    };
    for (const auto& c : cases) {
        const auto host = TVirtualPaths::ToHost(c.Virtual);
        ASSERT_TRUE(host.has_value()) << c.Virtual;
        EXPECT_EQ(*host, c.Host) << c.Virtual;
        const bool inPlayersFolder = std::string(c.Host).rfind("/home/", 0) == 0;
        EXPECT_EQ(TVirtualPaths::IsWritableName(c.Virtual), inPlayersFolder) << c.Virtual;
    }
    // Escapes stay refused.
    EXPECT_FALSE(TVirtualPaths::ToHost("c:\\..\\otcraps.ini").has_value());
    EXPECT_FALSE(TVirtualPaths::IsWritableName("c:\\..\\otcraps.ini"));
}

TEST_F(VirtualPath, WithoutAPlayerRootEveryNameStaysOnItsDrive) {
    EXPECT_EQ(TVirtualPaths::ToHost("c:\\otcraps.ini").value_or(""), "/games/craps/otcraps.ini");
    EXPECT_EQ(TVirtualPaths::GetWritableRoot('c').value_or(""), "/games/craps");
    TVirtualPaths::SetPlayerRoot("/home/p/otcraps");
    EXPECT_EQ(TVirtualPaths::GetWritableRoot('C').value_or(""), "/home/p/otcraps");
    EXPECT_EQ(TVirtualPaths::GetWritableRoot('d').value_or(""), "/media/cd");
    // Clearing the roots clears the player's too.
    TVirtualPaths::ClearDriveRoots();
    TVirtualPaths::SetDriveRoot('c', "/games/craps");
    EXPECT_FALSE(TVirtualPaths::GetPlayerRoot().has_value());
    EXPECT_EQ(TVirtualPaths::ToHost("c:\\otcraps.ini").value_or(""), "/games/craps/otcraps.ini");
}

TEST_F(VirtualPath, ThePlayersFolderIsPreparedOnceAtTheFirstUseOfOneOfItsNames) {
    int uses = 0;
    std::optional<std::string> seenDuringUse;
    TVirtualPaths::SetPlayerRoot("/home/p/otcraps", [&] {
        ++uses;
        // The preparation itself maps the player's names without coming back here.
        seenDuringUse = TVirtualPaths::ToHost("c:\\data\\otcraps.sav");
    });
    // Reading the game's data makes nothing.
    EXPECT_TRUE(TVirtualPaths::ToHost("c:\\data\\otcraps.det").has_value());
    EXPECT_TRUE(TVirtualPaths::IsWritableName("c:\\otcraps.ini"));
    EXPECT_EQ(uses, 0);
    EXPECT_EQ(TVirtualPaths::ToHost("c:\\otcraps.ini").value_or(""), "/home/p/otcraps/otcraps.ini");
    EXPECT_EQ(TVirtualPaths::ToHost("c:\\otcraps.lck").value_or(""), "/home/p/otcraps/otcraps.lck");
    EXPECT_EQ(uses, 1);
    EXPECT_EQ(seenDuringUse.value_or(""), "/home/p/otcraps/data/otcraps.sav");
    // A new root brings a new first use; an empty one none.
    TVirtualPaths::SetPlayerRoot("/home/q/otcraps", [&] { uses += 10; });
    TVirtualPaths::SetPlayerRoot("", [&] { uses += 100; });
    EXPECT_EQ(TVirtualPaths::ToHost("c:\\otcraps.ini").value_or(""), "/games/craps/otcraps.ini");
    EXPECT_EQ(uses, 1);
}

} // namespace
