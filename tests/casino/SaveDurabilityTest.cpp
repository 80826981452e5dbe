// The gambler file under a killed program: a child saves in a loop and is killed at seeded points
// inside the replacement; the file is always the old one or the new one, whole, and what the kill
// left behind never stands in the next start's way.
#include "RecordsFixture.h"

#include "casino/GamblerRecord.h"
#include "platform/host/PrivateProfile.h"
#include "platform/host/RuntimeRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The host's calls without waiting for the disk: a killed process loses nothing the kernel holds,
// so the syncs, which guard against a lost machine, only make each save slow here. The steps and
// their order are the real ones, and what was asked of them is counted: a save that stopped
// asking for its flush or its folder's sync would pass every kill and lose the file to a power
// cut.
class TUnsyncedHost : public TSaveFileHost {
public:
    bool Flush(THostFile*) override {
        ++Flushes;
        return true;
    }
    bool Move(const std::string& from, const std::string& to, u32 flags) override {
        if ((flags & MOVEFILE_WRITE_THROUGH) != 0)
            ++FolderSyncs;
        return TSaveFileHost::Move(from, to, flags & ~u32{MOVEFILE_WRITE_THROUGH});
    }

    int Flushes = 0;
    int FolderSyncs = 0;
};

// The settings file, for the same reason.
class TUnsyncedProfileDisk : public TProfileDisk {
public:
    bool Flush(int) override { return true; }
    bool FlushFolder(const std::string&) override { return true; }
};

// The host's calls, stopping after every step of a replacement (the temporary file made, half of
// it written, all of it written, flushed, closed, renamed over the file) to tell the parent and
// wait for its word to go on. The parent kills instead of answering, so the kill lands there.
class TSteppingHost : public TUnsyncedHost {
public:
    TSteppingHost(int progress, int go) : Progress(progress), Go(go) {}

    static constexpr int StepsPerSave = 6;
    // The step after which the file's name holds the new file.
    static constexpr int RenamedStep = 6;

    THostFile* Open(const std::string& path, u32 access, u32 share, u32 disposition) override {
        THostFile* file = TUnsyncedHost::Open(path, access, share, disposition);
        if (disposition == CREATE_ALWAYS) {
            Temp = file;
            Step();
        }
        return file;
    }
    bool Write(THostFile* file, const void* data, u32 count, u32* done) override {
        u32 first = 0, second = 0;
        bool ok = TUnsyncedHost::Write(file, data, count / 2, &first);
        Step();
        ok = ok && TUnsyncedHost::Write(file, static_cast<const u8*>(data) + first, count - first,
                                        &second);
        if (done != nullptr)
            *done = first + second;
        Step();
        return ok;
    }
    bool Flush(THostFile* file) override {
        const bool ok = TUnsyncedHost::Flush(file);
        Step();
        return ok;
    }
    bool Close(THostFile* file) override {
        const bool temp = file == Temp;
        const bool ok = TUnsyncedHost::Close(file);
        if (temp) {
            Temp = nullptr;
            Step();
        }
        return ok;
    }
    bool Move(const std::string& from, const std::string& to, u32 flags) override {
        const bool ok = TUnsyncedHost::Move(from, to, flags);
        Step();
        return ok;
    }
    bool Link(const std::string& existing, const std::string& link) override {
        const bool ok = TUnsyncedHost::Link(existing, link);
        Step();
        return ok;
    }

private:
    void Step() {
        const char mark = 's';
        char answer = 0;
        if (::write(Progress, &mark, 1) != 1 || ::read(Go, &answer, 1) != 1)
            ::_exit(3);
    }

    int Progress;
    int Go;
    THostFile* Temp = nullptr;
};

class SaveDurability : public CasinoRecords {
protected:
    void SetUp() override {
        CasinoRecords::SetUp();
        SetPrivateProfileDisk(&Disk);
    }
    void TearDown() override {
        CasinoRecords::TearDown();
        SetPrivateProfileDisk(nullptr);
    }
    // A start of the game, as the frame makes the manager.
    void Start() {
        Mgr.reset();
        Mgr = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, false, &Quick);
    }

    TUnsyncedHost Quick;
    TUnsyncedProfileDisk Disk;

    // The save file's bytes, read in one piece: the fixture's reader goes byte by byte.
    std::string SaveOnDisk() const {
        std::ifstream in(Dir.Host("data/otcraps.sav"), std::ios::binary | std::ios::ate);
        std::string bytes(static_cast<size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return bytes;
    }

    // The child: the gambler manager over the stepping host, saving Joe with a new bankroll
    // each time until it is killed. Nothing here may assert; a fault ends it with a code the
    // parent sees as an early end.
    // The seated Joe's record where it lies in the manager's block.
    static TGamblerRecord Record(TCasinoPlayerMgr& mgr) {
        return TGamblerRecord(
            {mgr.GetDataBlock(mgr.GetActive(0)), static_cast<size_t>(mgr.GetPlayerDataSize())});
    }

    [[noreturn]] void SaveForever(int progress, int go, double first) {
        TSteppingHost host(progress, go);
        auto* mgr = new TCasinoPlayerMgr(&Frame, "c:\\data\\", 3, 20, false, &host);
        TGamblerRecord joe = Record(*mgr);
        if (!joe || !Frame.Boxes.empty())
            ::_exit(2);
        for (double bankroll = first;; bankroll += 1.0) {
            joe.SetBankroll(bankroll);
            mgr->Save();
        }
    }

    // A start over a damaged file, then saves until it is killed.
    [[noreturn]] void StartForever(int progress, int go) {
        TSteppingHost host(progress, go);
        auto* mgr = new TCasinoPlayerMgr(&Frame, "c:\\data\\", 3, 20, false, &host);
        for (;;)
            mgr->Save();
    }

    bool KillAfterStep(int step, double first) {
        return KillAfterStep(
            step, [this, first](int progress, int go) { SaveForever(progress, go, first); });
    }

    // Forks the child and kills it right after the given step; false when it ended before.
    bool KillAfterStep(int step, const std::function<void(int, int)>& body) {
        int progress[2], go[2];
        if (::pipe2(progress, O_CLOEXEC) != 0 || ::pipe2(go, O_CLOEXEC) != 0)
            return false;
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(progress[0]);
            ::close(go[1]);
            body(progress[1], go[0]);
            ::_exit(4);
        }
        ::close(progress[1]);
        ::close(go[0]);
        bool reached = child > 0;
        for (int seen = 0; reached && seen < step; ++seen) {
            char mark = 0;
            reached = ::read(progress[0], &mark, 1) == 1;
            if (reached && seen + 1 < step)
                reached = ::write(go[1], &mark, 1) == 1;
        }
        if (child > 0) {
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            reached = reached && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
        }
        ::close(progress[0]);
        ::close(go[1]);
        return reached;
    }
};

TEST_F(SaveDurability, AKillAtAnyStepOfASaveLeavesTheOldFileOrTheNewOneAndTheNextStartWorks) {
    Start();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
    Mgr.reset();
    Frame.Boxes.clear();
    const std::string temp = Dir.Host("data/otcraps.tmp");

    TLcgRandom random;
    random.Seed(20261207);
    int oldFiles = 0, newFiles = 0, staleTemps = 0;
    std::vector<int> stepsHit(TSteppingHost::StepsPerSave, 0);
    for (int trial = 0; trial < 100; ++trial) {
        const std::string beforeBytes = SaveOnDisk();
        const double before = Decoded(beforeBytes.substr(231, CasinoRecordSize)).GetBankroll();
        const double first = 1000.0 * (trial + 1);
        // Into the first three saves of the child, at any of their steps.
        const int step = 1 + random.Next() % (3 * TSteppingHost::StepsPerSave);
        ASSERT_TRUE(KillAfterStep(step, first)) << trial;
        ++stepsHit[static_cast<size_t>((step - 1) % TSteppingHost::StepsPerSave)];

        // Whole: the save the kill cut short once it was renamed over the file, else the one
        // before it.
        const int save = (step - 1) / TSteppingHost::StepsPerSave;
        const bool renamed =
            (step - 1) % TSteppingHost::StepsPerSave + 1 == TSteppingHost::RenamedStep;
        const double previous = save == 0 ? before : first + save - 1;
        const std::string saved = SaveOnDisk();
        ASSERT_EQ(saved.size(), 264131U) << trial;
        const double found = Decoded(saved.substr(231, CasinoRecordSize)).GetBankroll();
        ASSERT_EQ(found, renamed ? first + save : previous) << trial << " step " << step;
        if (save == 0 && !renamed) {
            ASSERT_TRUE(saved == beforeBytes) << trial << " step " << step;
        }
        ++(renamed ? newFiles : oldFiles);
        staleTemps += std::filesystem::exists(temp);

        // The next start reads it without a word, clears the temporary file and saves.
        Start();
        ASSERT_EQ(Frame.Boxes, std::vector<std::string>()) << trial;
        ASSERT_FALSE(std::filesystem::exists(temp)) << trial;
        ASSERT_EQ(Mgr->GetBankroll(Mgr->GetActive(0)), found) << trial;
        ASSERT_EQ(Mgr->GetPlayerName(1), "Ann") << trial;
        Record(*Mgr).SetBankroll(found + 0.5);
        const int flushes = Quick.Flushes, folderSyncs = Quick.FolderSyncs;
        Mgr->Save();
        // The save asked for its file to reach the disk before the rename, and for the rename
        // itself to be made durable.
        ASSERT_EQ(Quick.Flushes, flushes + 1) << trial;
        ASSERT_EQ(Quick.FolderSyncs, folderSyncs + 1) << trial;
        ASSERT_EQ(Frame.Boxes, std::vector<std::string>()) << trial;
        ASSERT_EQ(Decoded(SaveOnDisk().substr(231, CasinoRecordSize)).GetBankroll(), found + 0.5)
            << trial;
        Mgr.reset();
    }
    // The seeded steps reached every step of a save, and kills left temporary files behind.
    for (int hits : stepsHit)
        EXPECT_GT(hits, 0);
    EXPECT_GT(staleTemps, 0);
    RecordProperty("OldFiles", oldFiles);
    RecordProperty("NewFiles", newFiles);
}

// A start that finds the file cut short writes the gamblers' new file beside it, gives the damaged
// file its kept name as well, and renames the new one over it: killed after any of those steps,
// the file's name holds the damaged file or the whole new one, and the next start has them all.
TEST_F(SaveDurability, AKillWhileADamagedFileIsReplacedLeavesItOrItsWholeReplacement) {
    Start();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0) && Mgr->CreatePlayer("Bob", 1, 200.0));
    for (int key = 0; key < 3; ++key)
        Settings.WriteStringN("Players", key, "");
    Mgr.reset();
    const std::string good = SaveOnDisk();
    const std::string cut = good.substr(0, good.size() - 100);
    // Made, half written, written, flushed, closed, linked, renamed.
    constexpr int Steps = 7;
    for (int step = 1; step <= Steps; ++step) {
        SCOPED_TRACE(step);
        for (const auto& entry : std::filesystem::directory_iterator(Dir.Host("data")))
            std::filesystem::remove_all(entry.path());
        Dir.WriteHostFile("data/otcraps.sav", cut);
        ASSERT_TRUE(
            KillAfterStep(step, [this](int progress, int go) { StartForever(progress, go); }));
        const std::string saved = SaveOnDisk();
        if (step < Steps) {
            EXPECT_TRUE(saved == cut);
        } else {
            ASSERT_EQ(saved.size(), good.size());
            EXPECT_TRUE(saved.substr(231, 3 * CasinoRecordSize) ==
                        good.substr(231, 3 * CasinoRecordSize));
        }
        // The kept name, once given, holds the damaged file.
        if (std::filesystem::exists(Dir.Host("data/otcraps.bad"))) {
            EXPECT_TRUE(File("otcraps.bad") == cut);
        }
        EXPECT_EQ(std::filesystem::exists(Dir.Host("data/otcraps.bad")), step >= 6);

        Frame.Boxes.clear();
        Start();
        EXPECT_EQ(Mgr->CountUsed(), 3);
        EXPECT_EQ(Mgr->GetPlayerName(2), "Bob");
        if (step < Steps) {
            ASSERT_EQ(Frame.Boxes.size(), 1U);
            EXPECT_EQ(
                Frame.Boxes[0].rfind("Save File Corrupted\nThe old file is kept as otcraps.", 0),
                0U);
        } else {
            EXPECT_EQ(Frame.Boxes, std::vector<std::string>());
        }
        Mgr.reset();
    }
}

} // namespace
