// The gambler file at the end of a run: the manager's leaving writes it only when something
// changed since the last save was tried, and a write the disk refuses is told once in its box
// with the system's reason on the error output beside it.
#include "FrameFixture.h"
#include "RecordsFixture.h"

#include "casino/GamblerRecord.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/PrivateProfile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// The host's calls, counting the replacements of the file; with Full set, every write is
// refused as a full disk refuses it (or for the reason given).
class TCountingHost : public TSaveFileHost {
public:
    bool Write(THostFile* file, const void* data, u32 count, u32* done) override {
        if (!Full)
            return TSaveFileHost::Write(file, data, count, done);
        LastError = Refusal;
        if (done != nullptr)
            *done = 0;
        return false;
    }
    bool Move(const std::string& from, const std::string& to, u32 flags) override {
        Replacements += (flags & MOVEFILE_REPLACE_EXISTING) != 0 ? 1 : 0;
        return TSaveFileHost::Move(from, to, flags);
    }

    int Replacements = 0;
    bool Full = false;
    int Refusal = ENOSPC;
};

class ExitSave : public CasinoRecords {
protected:
    TCasinoPlayerMgr& Start() {
        Mgr.reset();
        Mgr = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, false, &Counting);
        return *Mgr;
    }
    TGamblerRecord Seated(i16 seat) {
        return TGamblerRecord(std::span(Mgr->GetDataBlock(Mgr->GetActive(seat)), CasinoRecordSize));
    }

    TCountingHost Counting;
};

TEST_F(ExitSave, LeavingWritesOnlyWhatChangedSinceTheLastSaveWasTried) {
    Start();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
    const struct {
        const char* What;
        const char* SecondAtStart;
        std::function<void()> AfterSave;
        int Writes;
        const char* FirstSeat;
        const char* SecondSeat;
    } cases[] = {
        {"nothing", "", [] {}, 0, "Joe Gambler", ""},
        {"a bankroll", "", [this] { Seated(0).SetBankroll(612.5); }, 1, "Joe Gambler", ""},
        {"a betting option", "", [this] { Seated(0).SetBetOption(2, true); }, 1, "Joe Gambler", ""},
        // The seats are kept in the settings: Ann sitting down is a change to them too.
        {"a seat", "", [this] { ASSERT_TRUE(Mgr->ActivatePlayer(1, 0)); }, 1, "Joe Gambler", "Ann"},
        // The same two records stay loaded with the same bytes: only the order tells.
        {"the seating order", "Ann",
         [this] {
             ASSERT_TRUE(Mgr->DeactivatePlayer(0) && Mgr->DeactivatePlayer(1));
             ASSERT_TRUE(Mgr->ActivatePlayer(1, 0) && Mgr->ActivatePlayer(0, 0));
         },
         1, "Ann", "Joe Gambler"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        SeatNames("Joe Gambler", c.SecondAtStart);
        Start();
        // The mode window's leaving saves first.
        Mgr->Save();
        c.AfterSave();
        const std::string memory(reinterpret_cast<const char*>(Mgr->GetDataBlock(0)),
                                 CasinoRecordSize);
        Counting.Replacements = 0;
        Mgr.reset();
        EXPECT_EQ(Counting.Replacements, c.Writes);
        EXPECT_TRUE(RecordOnDisk(0) == memory);
        EXPECT_EQ(Settings.GetStringN("Players", 0, "?"), c.FirstSeat);
        EXPECT_EQ(Settings.GetStringN("Players", 1, "?"), c.SecondSeat);
    }
    // Without a save tried this run, the leaving writes as it always did.
    Start();
    Counting.Replacements = 0;
    Mgr.reset();
    EXPECT_EQ(Counting.Replacements, 1);
    EXPECT_TRUE(Frame.Boxes.empty());
}

TEST_F(ExitSave, AFullDiskIsBoxedAndSaidOnceACauseWithItsReasonBeside) {
    const std::string told = "Write Save File Failed\n" + Dir.Host("data/otcraps.sav").string() +
                             "\ncannot be written (No space left on device).";
    const std::string reason =
        "otcraps: the save could not be written: " + Dir.Host("data/otcraps.sav").string() +
        " cannot be written (No space left on device)\n";
    // Saves in play ('s', as a shoot's end saves), the mode window's leaving ('S'), the disk
    // filling ('-') or given room again ('+', the next save in play then gets through), and
    // the manager going ('L').
    const struct {
        const char* Steps;
        size_t Boxes;
        size_t Reasons;
    } cases[] = {
        // Once in play: the player has seen it, and the saves after it, the end's among them,
        // meet the same failure.
        {"-ssSL", 1, 1},
        // Found only at the end: one box and one line, though the manager's leaving tries
        // again.
        {"-SL", 1, 1},
        // A save that got through ends the silence.
        {"-s+s-sSL", 2, 2},
        {"s-s+SL", 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Steps);
        SeatNames("Joe Gambler", "");
        Start();
        Counting.Full = false;
        Frame.Boxes.clear();
        std::string before = File();
        double bankroll = 530.0;
        testing::internal::CaptureStderr();
        for (const char* step = c.Steps; *step != '\0'; ++step) {
            switch (*step) {
            case '-':
                Counting.Full = true;
                break;
            case '+':
                Counting.Full = false;
                break;
            case 's':
                Seated(0).SetBankroll(bankroll += 1.0);
                EXPECT_EQ(Mgr->SaveSeatedPlayers(), !Counting.Full);
                break;
            case 'S':
                Mgr->Save();
                break;
            case 'L':
                Mgr.reset();
                break;
            }
            if (!Counting.Full)
                before = File();
        }
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(Frame.Boxes, Texts(c.Boxes, told));
        std::string reasons;
        for (size_t n = 0; n < c.Reasons; ++n)
            reasons += reason;
        EXPECT_EQ(said, reasons);
        // Nothing of a refused save reached the file, and nothing was left beside it.
        EXPECT_TRUE(File() == before);
        EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.tmp")));
    }
}

TEST_F(ExitSave, TheReasonToldIsTheOneTheSystemGave) {
    Start();
    const std::string before = File();
    // The system's own refusal: a file may grow no larger than this.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    testing::internal::CaptureStderr();
    Mgr->Save();
    const std::string said = testing::internal::GetCapturedStderr();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    const std::string save = Dir.Host("data/otcraps.sav").string();
    EXPECT_EQ(said, "otcraps: the save could not be written: " + save +
                        " cannot be written (File too large)\n");
    EXPECT_EQ(Frame.Boxes,
              Texts{"Write Save File Failed\n" + save + "\ncannot be written (File too large)."});
    EXPECT_TRUE(File() == before);
    // The temporary file the limit cut short is gone too.
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.tmp")));
}

TEST_F(ExitSave, EachFailureIsBoxedOnceUntilASaveGetsThroughWhateverCameBetween) {
    const std::string save = Dir.Host("data/otcraps.sav").string();
    const auto box = [&save](const char* reason) {
        return "Write Save File Failed\n" + save + "\ncannot be written (" + reason + ").";
    };
    SeatNames("Joe Gambler", "");
    Start();
    double bankroll = 530.0;
    testing::internal::CaptureStderr();
    // A full disk, a quota, the full disk again: the third is no news. A save that gets
    // through ends it, and the full disk is news again.
    for (const int refusal : {ENOSPC, EDQUOT, ENOSPC, 0, ENOSPC, EDQUOT}) {
        Counting.Full = refusal != 0;
        Counting.Refusal = refusal;
        Seated(0).SetBankroll(bankroll += 1.0);
        EXPECT_EQ(Mgr->SaveSeatedPlayers(), refusal == 0);
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Frame.Boxes, (Texts{box("No space left on device"), box("Disk quota exceeded"),
                                  box("No space left on device"), box("Disk quota exceeded")}));
    // Every failure is on the error output all the same.
    size_t reasons = 0;
    for (size_t at = said.find("could not be written"); at != std::string::npos;
         at = said.find("could not be written", at + 1))
        ++reasons;
    EXPECT_EQ(reasons, 5U);
    Counting.Full = false;
}

// The save before the end fails: the player is asked each time he would end, No goes back to
// the table with nothing lost, room made lets the game end saved, and Yes ends it without the
// run, boxing nothing more.
TEST_F(ExitSave, AFailedSaveBeforeTheEndLetsThePlayerGoBackAndEndAgain) {
    const std::string save = Dir.Host("data/otcraps.sav").string();
    const std::string question =
        "Write Save File Failed\n" + save +
        "\ncannot be written (No space left on device).\n\nEnd the game without saving? Choose "
        "No to go back to the table, set this right and end the game again.";
    const std::string reason = "otcraps: the save could not be written: " + save +
                               " cannot be written (No space left on device)\n";
    for (const bool room : {true, false}) {
        SCOPED_TRACE(room ? "room made" : "ended unsaved");
        SeatNames("Joe Gambler", "");
        Start();
        const std::string before = File();
        Frame.Boxes.clear();
        Frame.Questions.clear();
        Frame.Answers = {false, false, !room};
        Counting.Full = true;
        Seated(0).SetBankroll(612.0);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(Mgr->SaveBeforeEnding());
        EXPECT_FALSE(Mgr->SaveBeforeEnding());
        EXPECT_TRUE(File() == before);
        Counting.Full = !room;
        EXPECT_EQ(Mgr->SaveBeforeEnding(), true);
        // The mode window's leaving, then the manager's.
        Mgr->Save();
        Mgr.reset();
        // Ended unsaved, the error output says what became of the run too.
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  room ? reason
                       : reason + "otcraps: the game ends without saving, as the player chose, "
                                  "and this run was not saved\n");
        EXPECT_EQ(Frame.Questions, Texts(room ? 2 : 3, question));
        EXPECT_EQ(Frame.Boxes, Texts{});
        if (room)
            EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 612.0);
        else
            EXPECT_TRUE(File() == before);
    }
    Counting.Full = false;
}

// A quit signal ends the run (a session's end among them): a box would hold that end until the
// session gave up on the program, so a save that fails then is told on the error output only.
TEST_F(ExitSave, AfterAQuitSignalAFailedSaveWaitsForNobody) {
    struct TQuitNoted {
        TQuitNoted() { TDesktop::Get().NoteQuitSignal(); }
        ~TQuitNoted() { TDesktop::Get().Reset(); }
    };
    const std::string reason =
        "otcraps: the save could not be written: " + Dir.Host("data/otcraps.sav").string() +
        " cannot be written (No space left on device); the game ends on a quit signal, and this "
        "run was not saved\n";
    SeatNames("Joe Gambler", "");
    Start();
    const std::string before = File();
    Counting.Full = true;
    testing::internal::CaptureStderr();
    {
        const TQuitNoted quit;
        Seated(0).SetBankroll(612.0);
        Mgr->Save();
        Mgr.reset();
    }
    // The leaving's second try, failing as the end's save did, says nothing new.
    EXPECT_EQ(testing::internal::GetCapturedStderr(), reason);
    EXPECT_EQ(Frame.Boxes, Texts{});
    EXPECT_TRUE(File() == before);
    Counting.Full = false;
}

// The whole program's end: the mode window's leaving saves, and the frame's manager leaves the
// file as that save wrote it.
class ProgramExitSave : public CasinoFrameFixture {
protected:
    // The save can be written nowhere: a folder stands in its place, and every kept name beside
    // it and in the folder above is taken.
    void TakeEverySaveName() {
        std::filesystem::remove(Dir.Host("data/otcraps.sav"));
        std::filesystem::create_directory(Dir.Host("data/otcraps.sav"));
        for (const std::string folder : {"data/", ""}) {
            Dir.WriteHostFile(folder + "otcraps.bad", "");
            for (int n = 1; n <= 99; ++n)
                Dir.WriteHostFile(
                    folder + "otcraps.b" + std::string(n < 10 ? "0" : "") + std::to_string(n), "");
        }
    }
};

// Each write is a new file renamed over the old; the renames away from the temporary name are
// watched too, so that two alike in a row are not merged into one.
class TSaveRenames {
public:
    explicit TSaveRenames(const std::filesystem::path& folder)
        : Watch(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        EXPECT_GE(Watch, 0);
        EXPECT_GE(::inotify_add_watch(Watch, folder.c_str(), IN_MOVED_FROM | IN_MOVED_TO), 0);
    }
    ~TSaveRenames() { ::close(Watch); }
    TSaveRenames(const TSaveRenames&) = delete;
    TSaveRenames& operator=(const TSaveRenames&) = delete;
    // The renames onto the save since the watch began.
    int Count() const {
        int replaced = 0;
        alignas(inotify_event) char events[4096];
        for (ssize_t n; (n = ::read(Watch, events, sizeof events)) > 0;)
            for (char* at = events; at < events + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                replaced += (event->mask & IN_MOVED_TO) != 0 && event->len > 0 &&
                                    std::string(event->name) == "otcraps.sav"
                                ? 1
                                : 0;
                at += sizeof(inotify_event) + event->len;
            }
        return replaced;
    }

private:
    int Watch;
};

// The application taken down without its frame's end (CanClose never asked): only the table's
// leaving writes, and the manager going after it finds nothing new to write.
TEST_F(ProgramExitSave, TakenDownWithoutItsEndTheTablesLeavingWritesTheFileOnce) {
    StartGame();
    StartMode();
    const TSaveRenames renames(Dir.Host("data"));
    App.reset();
    EXPECT_EQ(renames.Count(), 1);
    EXPECT_EQ(Dir.ReadHostFile("data/otcraps.sav").size(), 264131U);
}

// The real end, through the frame's close: the save before the end (while the player can still
// go back) and the table's leaving each write the file; the manager going after them writes
// nothing more.
TEST_F(ProgramExitSave, TheRealEndOfARunWritesTheFileTwice) {
    StartGame();
    StartMode();
    const TSaveRenames renames(Dir.Host("data"));
    Frame().CloseWindow(0);
    App->RunFor(500);
    App.reset();
    EXPECT_EQ(renames.Count(), 2);
    EXPECT_EQ(Dir.ReadHostFile("data/otcraps.sav").size(), 264131U);
}

// The program's end over a save that can be written nowhere (a folder in its place, every kept
// name beside it and in the folder above taken): the player is asked before anything is taken down;
// No keeps the window and the table, a name made free lets the end through with the run saved under
// it, and after a quit signal nobody is asked.
TEST_F(ProgramExitSave, AnEndWhoseSaveFailsAsksFirstAndNoKeepsTheTable) {
    StartGame();
    TJorpModeWindow& table = StartMode();
    TakeEverySaveName();
    Boxes.QueueAnswer(IDNO);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Frame().CanClose());
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    const TMessageBoxRequest& asked = Boxes.Boxes[0];
    EXPECT_EQ(asked.Caption, "Error - Save File");
    EXPECT_EQ(asked.Flags & (MB_YESNO | MB_DEFBUTTON2), u32{MB_YESNO | MB_DEFBUTTON2});
    const std::string end = "elsewhere so that the game can save them.\n\nEnd the game without "
                            "saving? Choose No to go back to the table, set this right and end "
                            "the game again.";
    ASSERT_GE(asked.Text.size(), end.size());
    EXPECT_EQ(asked.Text.substr(asked.Text.size() - end.size()), end);
    EXPECT_TRUE(table.IsActive());

    Boxes.Boxes.clear();
    std::filesystem::remove(Dir.Host("data/otcraps.b42"));
    testing::internal::CaptureStderr();
    EXPECT_TRUE(Frame().CanClose());
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Text.rfind("Save File Saved Under Another Name\n", 0), 0U);
    EXPECT_EQ(Dir.ReadHostFile("data/otcraps.b42").size(), 264131U);

    Boxes.Boxes.clear();
    std::filesystem::remove(Dir.Host("data/otcraps.b42"));
    std::filesystem::create_directory(Dir.Host("data/otcraps.b42"));
    TDesktop::Get().NoteQuitSignal();
    EXPECT_TRUE(Frame().CanClose());
    EXPECT_TRUE(Boxes.Boxes.empty());
    testing::internal::CaptureStderr();
    App.reset();
    testing::internal::GetCapturedStderr();
    TDesktop::Get().Reset();
}

// The settings' disk, full while it is in: each replacement's write is refused.
class TFullSettingsDisk : public TProfileDisk {
public:
    TFullSettingsDisk() { SetPrivateProfileDisk(this); }
    ~TFullSettingsDisk() override { SetPrivateProfileDisk(nullptr); }
    bool Write(int, const char*, size_t) override {
        errno = ENOSPC;
        return false;
    }
};

// The settings met unwritable as the game ends, the run saved or not: the box says that this
// run's settings were not kept, never that the game goes on; once the player chose to end
// without his gamblers, the error output alone says it.
TEST_F(ProgramExitSave, SettingsUnwritableAsTheGameEndsAreToldNotKept) {
    const std::string ini = Dir.Host("otcraps.ini").string();
    const std::string full = "cannot be written (No space left on device)";
    const struct {
        const char* What;
        bool Folder;
        bool Unsaved;
        std::string Why;
    } cases[] = {
        // Met by the table's leaving, once the end's save got through.
        {"a full disk", false, false, full},
        // Met by the seats stored before the end's save.
        {"a folder in the settings' place", true, false, "is a folder"},
        {"a full disk, the game ended unsaved", false, true, full},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        App.reset();
        std::filesystem::remove_all(ini);
        StartGame();
        StartMode();
        // A save point stores the seats, as in any run; the end writes this back.
        ASSERT_TRUE(Frame().GetPlayerMgr()->SaveFile());
        ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "0", "c:\\otcraps.ini"));
        TFullSettingsDisk disk;
        if (c.Folder) {
            std::filesystem::remove(ini);
            std::filesystem::create_directory(ini);
        }
        if (c.Unsaved) {
            TakeEverySaveName();
            Boxes.QueueAnswer(IDYES);
        }
        testing::internal::CaptureStderr();
        EXPECT_TRUE(Frame().CanClose());
        App.reset();
        const std::string said = testing::internal::GetCapturedStderr();
        Texts captions;
        Texts told;
        for (const TMessageBoxRequest& box : Boxes.Boxes) {
            captions.push_back(box.Caption);
            if (box.Caption == "Error - Settings File")
                told.push_back(box.Text);
        }
        Boxes.Boxes.clear();
        EXPECT_EQ(captions, Texts{c.Unsaved ? "Error - Save File" : "Error - Settings File"});
        EXPECT_EQ(told, c.Unsaved ? Texts{}
                                  : Texts{"The settings cannot be saved: the file\n" + ini + "\n" +
                                          c.Why + ".\n\nThe settings of this run were not kept."});
        EXPECT_NE(said.find("otcraps: the settings cannot be saved: " + ini + " " + c.Why + "\n"),
                  std::string::npos)
            << said;
        // The end chosen without the run says so, as a quit signal's end does.
        EXPECT_EQ(said.find("this run was not saved") != std::string::npos, c.Unsaved) << said;
    }
}

// No to the end's question takes the player back to a game that goes on: a settings file that
// fails later in play is told so, not with the end's words.
TEST_F(ProgramExitSave, AfterNoToTheEndsQuestionSettingsFailingInPlayAreToldAsTheGameGoesOn) {
    const std::string ini = Dir.Host("otcraps.ini").string();
    StartGame();
    StartMode();
    TakeEverySaveName();
    Boxes.QueueAnswer(IDNO);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Frame().CanClose());
    Boxes.Boxes.clear();
    {
        TFullSettingsDisk disk;
        EXPECT_FALSE(WritePrivateProfileStringA("System", "PrevRun", "0", "c:\\otcraps.ini"));
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.find("this run was not saved"), std::string::npos) << said;
    ASSERT_EQ(Boxes.Boxes.size(), 1U) << said;
    EXPECT_EQ(Boxes.Boxes[0].Text,
              "The settings cannot be saved: the file\n" + ini +
                  "\ncannot be written (No space left on device).\n\nThe game goes on, but its "
                  "settings will not be kept.");
    Boxes.Boxes.clear();
    testing::internal::CaptureStderr();
    App.reset();
    testing::internal::GetCapturedStderr();
}

} // namespace
