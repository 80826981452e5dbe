// The casino's settings file: named after the program, made from the program's template with
// PrevRun 0, never left half-copied, written back when it goes, and a file it cannot write told.
#include "FrameFixture.h"

#include "casino/CasinoIniFile.h"
#include "engine/framework/PlayerMgrFakes.h"
#include "platform/framework/window/Desktop.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

const std::string Template = "; the table's settings\r\n[sound]\r\neffects=0\r\n"
                             "[Players]\r\n0=Joe Gambler\r\n";

class CasinoIniFileTest : public ::testing::Test {
protected:
    bool Has(const std::string& name) const { return std::filesystem::exists(Dir.Host(name)); }
    int Int(const std::string& file, const std::string& section, const std::string& key) const {
        return TJorpIniFile("c:", "\\", "x", file, true).GetInt(section, key, -1);
    }

    THeadlessSession Session;
    TTempDir Dir;
    // The running program, whose frame description names the template "otcraps".
    TFrameTestApp App{"lucky"};
};

TEST_F(CasinoIniFileTest, AMissingFileIsACopyOfTheTemplateMarkedAsAFirstRun) {
    Dir.WriteHostFile("otcraps.ini", Template);
    {
        TCasinoIniFile settings("c:", "\\", "lucky");
        EXPECT_EQ(settings.GetPath(), "c:\\lucky.ini");
        // The copy's values are read at once.
        EXPECT_EQ(settings.Effects, 0);
        EXPECT_EQ(settings.GetPlayerEntry(0), "Joe Gambler");
        EXPECT_EQ(Int("lucky.ini", "System", "PrevRun"), 0);
        EXPECT_EQ(Dir.ReadHostFile("otcraps.ini"), Template);
        EXPECT_FALSE(Has("lucky.tmp"));
        // A later run finds the file and copies nothing again.
        TJorpIniFile("c:", "\\", "x", "lucky.ini", true).WriteInt("System", "PrevRun", 1);
        TCasinoIniFile again("c:", "\\", "lucky");
        EXPECT_EQ(Int("lucky.ini", "System", "PrevRun"), 1);
    }
    // Written back at the end, over what the copy held.
    EXPECT_EQ(Int("lucky.ini", "sound", "effects"), 0);
    EXPECT_EQ(Int("lucky.ini", "System", "HDBuffering"), 1);
    EXPECT_EQ(TJorpIniFile("c:", "\\", "x", "lucky.ini", true).GetPlayerEntry(0), "Joe Gambler");
}

TEST_F(CasinoIniFileTest, WithNoFileAtAllTheDefaultsRunAndAreWrittenAtTheEnd) {
    {
        TCasinoIniFile settings("c:", "\\", "lucky");
        EXPECT_FALSE(Has("lucky.ini"));
        EXPECT_EQ(settings.Effects, 1);
        EXPECT_EQ(settings.GetCDDir(), "\\");
        settings.Music = 0;
    }
    EXPECT_EQ(Int("lucky.ini", "sound", "music"), 0);
    EXPECT_EQ(Int("lucky.ini", "sound", "effects"), 1);
    // Nothing said this was a first run.
    EXPECT_EQ(Int("lucky.ini", "System", "PrevRun"), -1);
    EXPECT_FALSE(Has("otcraps.ini"));
}

TEST_F(CasinoIniFileTest, AFailedCopyLeavesNoSettingsFileAndTheTemplateAsItWas) {
    Dir.WriteHostFile("otcraps.ini", Template);
    for (auto step : {TFaultyHost::FailRead, TFaultyHost::FailCreateTemp, TFaultyHost::FailWrite,
                      TFaultyHost::FailFlush, TFaultyHost::FailClose, TFaultyHost::FailMove}) {
        SCOPED_TRACE(step);
        TFaultyHost host;
        host.Armed = step;
        {
            TCasinoIniFile settings("c:", "\\", "lucky", host);
            EXPECT_EQ(host.Armed, TFaultyHost::None); // the step was reached
            EXPECT_FALSE(Has("lucky.ini"));
            EXPECT_FALSE(Has("lucky.tmp"));
            // Defaults, not the template's values.
            EXPECT_EQ(settings.Effects, 1);
        }
        std::filesystem::remove(Dir.Host("lucky.ini"));
        EXPECT_EQ(Dir.ReadHostFile("otcraps.ini"), Template);
    }
}

TEST_F(CasinoIniFileTest, TheFirstWriteThatFailsIsToldInOneBoxNamingTheFile) {
    TMessageBoxRecorder boxes;
    const std::string path = Dir.Host("lucky.ini").string();
    const std::string notAFile = "is not a file (a FIFO, a device or a socket)";
    const struct {
        const char* What;
        std::function<void()> Make;
        std::string Why;
    } cases[] = {
        {"a folder", [&] { std::filesystem::create_directory(path); }, "is a folder"},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }, notAFile},
        {"a link to /dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", path); },
         notAFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        c.Make();
        boxes.Boxes.clear();
        {
            TCasinoIniFile settings("c:", "\\", "lucky");
            // Reading one says nothing: the defaults are a game's good start.
            EXPECT_TRUE(boxes.Boxes.empty());
            EXPECT_FALSE(settings.WriteInt("Intro", "Show", 0));
            EXPECT_FALSE(settings.SetWarningFlag(0, false));
            // Another file's failure is not the settings'.
            EXPECT_FALSE(WritePrivateProfileStringA("a", "b", "c", "c:\\nowhere\\x.ini"));
        } // and the write at the end fails too
        ASSERT_EQ(boxes.Boxes.size(), 1U);
        EXPECT_EQ(boxes.Boxes[0].Caption, "Error - Settings File");
        EXPECT_EQ(boxes.Boxes[0].Text, "The settings cannot be saved: the file\n" + path + "\n" +
                                           c.Why +
                                           ".\n\nThe game goes on, but its settings will not "
                                           "be kept.");
        // What stands there stays as it was.
        EXPECT_FALSE(std::filesystem::is_regular_file(path));
        std::filesystem::remove(path);
    }
    // With the file back, writes say nothing.
    boxes.Boxes.clear();
    {
        TCasinoIniFile settings("c:", "\\", "lucky");
        EXPECT_TRUE(settings.WriteInt("Intro", "Show", 0));
    }
    EXPECT_TRUE(boxes.Boxes.empty());
    EXPECT_EQ(GetPrivateProfileWatcher(), nullptr);
}

// A quit signal ends the run (a session's end among them): a box would hold that end until the
// session gave up on the program, so the failure is told on the error output only.
TEST_F(CasinoIniFileTest, AfterAQuitSignalAFailedWriteWaitsForNobody) {
    struct TQuitNoted {
        TQuitNoted() { TDesktop::Get().NoteQuitSignal(); }
        ~TQuitNoted() { TDesktop::Get().Reset(); }
    };
    TMessageBoxRecorder boxes;
    const std::string path = Dir.Host("lucky.ini").string();
    std::filesystem::create_directory(path);
    testing::internal::CaptureStderr();
    {
        const TQuitNoted quit;
        TCasinoIniFile settings("c:", "\\", "lucky");
        EXPECT_FALSE(settings.WriteInt("Intro", "Show", 0));
    } // the write at the end fails the same way, and is not told again
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "otcraps: the settings cannot be saved: " + path + " is a folder\n");
    EXPECT_TRUE(boxes.Boxes.empty());
}

} // namespace
