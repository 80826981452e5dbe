// Translation of virtual DOS paths to host paths, including refusal of paths leaving a root.
#include "platform/host/VirtualPath.h"

#include <gtest/gtest.h>

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

} // namespace
