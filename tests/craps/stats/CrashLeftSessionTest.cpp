// A session that a killed run left open: the next start closes it as the file last had it, and
// the statistics count it as any other.
#include "StatCalcFixture.h"
#include "engine/framework/PlayerMgrFakes.h"

#include "casino/CasinoPlayerMgr.h"
#include "casino/GamblerRecord.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr size_t RecordSize = TCasinoPlayerData::EncodedSize;

class CrashLeftSession : public SaveFolder {
protected:
    // Joe sits down, plays an hour and a half until he is $18 up, the shoot's end saves him,
    // and the program is killed.
    void KilledRun() {
        const pid_t child = ::fork();
        if (child == 0) {
            auto* mgr = new TCasinoPlayerMgr(&Frame, "c:\\data\\", 3, 20, false);
            TGamblerRecord joe({mgr->GetDataBlock(mgr->GetActive(0)), RecordSize});
            joe.Edit([](TCasinoPlayerData& data) { data.BeginSession(1, TMoney(1.0)); });
            Clock.Advance(90 * 60 * 1000);
            joe.SetBankroll(518.0);
            joe.EditCurrentSession([](TCCSession& session) {
                session.TotalBet = TMoney(60.0);
                session.PeakBankroll = TMoney(530.0);
                return true;
            });
            mgr->SaveSeatedPlayers();
            ::kill(::getpid(), SIGKILL);
            ::_exit(2);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }
    std::string JoeOnDisk() const { return SaveBytes("otcraps.sav").substr(231, RecordSize); }
    ino_t SaveInode() const {
        struct stat st {};
        return ::stat(Dir.Host("data/otcraps.sav").c_str(), &st) == 0 ? st.st_ino : 0;
    }

    TUtcZone Zone;
};

TEST_F(CrashLeftSession, TheNextStartClosesItAsLastSavedAndTheStatisticsCountIt) {
    KilledRun();
    TCasinoPlayerData left;
    ASSERT_TRUE(left.Decode(reinterpret_cast<const u8*>(JoeOnDisk().data()), RecordSize));
    ASSERT_TRUE(left.GetHistory().GetCurrentSession()->IsOpen());
    const u32 started = left.GetHistory().GetCurrentSession()->StartTime;

    // The save reached the disk as the shoot ended; the game is started again days later.
    const i64 savedWall = 1'000'000'000 + 90 * 60;
    const timespec times[2] = {{savedWall, 0}, {savedWall, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, Dir.Host("data/otcraps.sav").c_str(), times, 0), 0);
    Clock.Advance(3ULL * 24 * 3600 * 1000);
    auto next = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, false);
    EXPECT_TRUE(Frame.Boxes.empty());

    TCasinoPlayerData joe;
    ASSERT_TRUE(joe.Decode(reinterpret_cast<const u8*>(JoeOnDisk().data()), RecordSize));
    const TCCSession& session = *joe.GetHistory().GetCurrentSession();
    EXPECT_FALSE(session.IsOpen());
    EXPECT_EQ(joe.GetSessionCode(), 0U);
    EXPECT_EQ(session.EndBankroll.GetValue(), 518.0);
    EXPECT_EQ(session.EndTime, started + 90U * 60U);
    // The seat has the record as the file has it.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(next->GetDataBlock(next->GetActive(0))),
                          RecordSize),
              JoeOnDisk());

    TFakeStatOwner owner;
    owner.Record = &joe;
    TStatCalcCraps calc(&owner);
    calc.FillDialog();
    const auto& cells = owner.Grid.Cells;
    // Hours, ending bankroll, won/lost, return and peak, for the session and in all.
    const struct {
        int Id;
        const char* Text;
    } rows[] = {{2, "01:30"}, {10, "$518"}, {11, "$18"}, {12, "130.00"}, {15, "$530"}};
    for (const auto& [id, text] : rows) {
        EXPECT_EQ(cells[static_cast<size_t>(id)][1], text) << id;
        EXPECT_EQ(owner.Grid.Cumulative[static_cast<size_t>(id)], text) << id;
    }

    // Closed once: the start after finds nothing left open and writes nothing.
    next.reset();
    const std::string closed = SaveBytes("otcraps.sav");
    const ino_t inode = SaveInode();
    next = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, false);
    EXPECT_EQ(SaveInode(), inode);
    EXPECT_TRUE(SaveBytes("otcraps.sav") == closed);
}

} // namespace
