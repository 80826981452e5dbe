// The lock file between copies of the program: one holder, a request to come forward sent only
// to a copy of this program on this host, and what stands where no lock can be made.
#include "platform/host/InstanceLock.h"
#include "platform/host/HostFile.h"
#include "platform/host/PathKind.h"
#include "platform/host/VirtualPath.h"

#include "support/PlayerRoot.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace {

using TAnswer = TInstanceLock::TAnswer;

TEST(InstanceLockTest, OneHolderAtATimeAndTheOthersAskItToComeForward) {
    TTempDir dir;
    const std::string path = dir.Host("otcraps.lck").string();
    TInstanceLock::TakeComeForwardRequest();
    EXPECT_EQ(TInstanceLock::SignalHolder(path).Answer, TAnswer::Free);
    TInstanceLock first, second;
    ASSERT_EQ(first.Acquire(path), TInstanceLock::TResult::Acquired);
    EXPECT_EQ(dir.ReadHostFile("otcraps.lck"), FormatLockHolder(getpid(), ThisHostName()));
    EXPECT_NE(dir.ReadHostFile("otcraps.lck").find("\n" + ThisHostName() + "\n"),
              std::string::npos);
    // A second open of the file is another copy, even in this process.
    EXPECT_EQ(second.Acquire(path), TInstanceLock::TResult::HeldElsewhere);
    EXPECT_FALSE(TInstanceLock::TakeComeForwardRequest());
    // The holder is this very program of this very user.
    EXPECT_EQ(TInstanceLock::SignalHolder(path).Answer, TAnswer::AskedForward);
    EXPECT_TRUE(TInstanceLock::TakeComeForwardRequest());
    EXPECT_FALSE(TInstanceLock::TakeComeForwardRequest());
    // Released (as the system does when its holder ends), the file names nobody.
    first.Release();
    EXPECT_EQ(TInstanceLock::SignalHolder(path).Answer, TAnswer::Free);
    EXPECT_EQ(second.Acquire(path), TInstanceLock::TResult::Acquired);
    // No folder, no lock.
    EXPECT_EQ(first.Acquire(dir.Host("missing/otcraps.lck").string()),
              TInstanceLock::TResult::Unavailable);
}

struct TParseCase {
    const char* Name;
    std::string Text;
    long Pid;
    std::string Host;
};

void PrintTo(const TParseCase& c, std::ostream* out) {
    *out << c.Name;
}

class LockHolderText : public ::testing::TestWithParam<TParseCase> {};

TEST_P(LockHolderText, IsReadAsHostile) {
    const TLockHolder holder = ParseLockHolder(GetParam().Text);
    EXPECT_EQ(holder.Pid, GetParam().Pid);
    EXPECT_EQ(holder.Host, GetParam().Host);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LockHolderText,
    ::testing::Values(
        TParseCase{"Written", FormatLockHolder(4321, "den-pc"), 4321, "den-pc"},
        // As copies wrote it before they named their host.
        TParseCase{"IdAlone", "4321\n", 4321, ""}, TParseCase{"IdWithoutLineEnd", "4321", 4321, ""},
        TParseCase{"HostWithoutLineEnd", "4321\nden-pc", 4321, "den-pc"},
        TParseCase{"Empty", "", 0, ""}, TParseCase{"Negative", "-4321\nden-pc\n", 0, "den-pc"},
        TParseCase{"Zero", "0\n", 0, ""}, TParseCase{"BeyondAnyId", "99999999999\n", 0, ""},
        TParseCase{"IdWithSpace", "43 21\n", 0, ""}, TParseCase{"IdWithTail", "4321x\n", 0, ""},
        TParseCase{"HostWithSpace", "4321\nden pc\n", 4321, ""},
        TParseCase{"HostWithControl", "4321\nden\x1b[2Jpc\n", 4321, ""},
        TParseCase{"HostTooLong", "4321\n" + std::string(256, 'h') + "\n", 4321, ""},
        TParseCase{"Binary", std::string("\x00\xff\x01\n\x80", 5), 0, ""}),
    [](const auto& test) { return std::string(test.param.Name); });

struct TJudgeCase {
    const char* Name;
    TLockHolder Holder;
    // What the probe says of the process.
    bool ThisProgram;
    TAnswer Answer;
    // Whether the probe may be asked at all.
    bool Probed;
};

void PrintTo(const TJudgeCase& c, std::ostream* out) {
    *out << c.Name;
}

class LockHolderJudged : public ::testing::TestWithParam<TJudgeCase> {};

TEST_P(LockHolderJudged, OnlyThisProgramOnThisHostIsAsked) {
    std::vector<long> asked;
    const TAnswer answer = JudgeLockHolder(GetParam().Holder, "here", [&](long pid) {
        asked.push_back(pid);
        return GetParam().ThisProgram;
    });
    EXPECT_EQ(answer, GetParam().Answer);
    EXPECT_EQ(asked,
              GetParam().Probed ? std::vector<long>{GetParam().Holder.Pid} : std::vector<long>{});
}

INSTANTIATE_TEST_SUITE_P(
    Holders, LockHolderJudged,
    ::testing::Values(
        TJudgeCase{"ThisProgramHere", {77, "here"}, true, TAnswer::AskedForward, true},
        TJudgeCase{"StrangerHere", {77, "here"}, false, TAnswer::NotAsked, true},
        TJudgeCase{"Elsewhere", {77, "there"}, true, TAnswer::OnOtherHost, false},
        TJudgeCase{"OldFile", {77, ""}, true, TAnswer::AskedForward, true},
        TJudgeCase{"OldFileStranger", {77, ""}, false, TAnswer::NotAsked, true},
        TJudgeCase{"NoId", {0, "here"}, true, TAnswer::NotAsked, false}),
    [](const auto& test) { return std::string(test.param.Name); });

// The lock file is fe:00 (254, 0), inode 555, as /proc/locks writes them.
constexpr TLockFileId LockFile{254, 0, 555};

struct TLocksCase {
    const char* Name;
    std::string Locks;
    long Pid;
    bool Holds;
};

void PrintTo(const TLocksCase& c, std::ostream* out) {
    *out << c.Name;
}

class LocksListed : public ::testing::TestWithParam<TLocksCase> {};

TEST_P(LocksListed, NameTheHolderOfTheLockFilesFlock) {
    EXPECT_EQ(HoldsFlockOn(GetParam().Locks, GetParam().Pid, LockFile), GetParam().Holds);
}

const std::string Listed = "1: POSIX  ADVISORY  WRITE 77 fe:00:555 0 EOF\n"
                           "2: FLOCK  ADVISORY  WRITE 88 fe:00:555 0 EOF\n"
                           "2: -> FLOCK  ADVISORY  WRITE 99 fe:00:555 0 EOF\n"
                           "3: FLOCK  ADVISORY  WRITE 77 fe:00:5550 0 EOF\n"
                           "4: FLOCK  ADVISORY  WRITE 66 08:01:555 0 EOF\n"
                           "5: FLOCK  ADVISORY  READ  7 fe:00:5555 0 EOF";

INSTANTIATE_TEST_SUITE_P(
    Lists, LocksListed,
    ::testing::Values(
        TLocksCase{"Holder", Listed, 88, true},
        // A record lock, a waiter, another inode, another id: none holds this file.
        TLocksCase{"RecordLock", Listed, 77, false}, TLocksCase{"Waiter", Listed, 99, false},
        TLocksCase{"OtherId", Listed, 8, false},
        // The same inode number on another device is another file.
        TLocksCase{"SameInodeOtherDevice", Listed, 66, false},
        // The last line, with no end of line after it, counts as well.
        TLocksCase{"LastLine", "1: FLOCK  ADVISORY  WRITE 7 fe:00:555 0 EOF", 7, true},
        // The device's numbers are hexadecimal: 254 is not fe.
        TLocksCase{"DeviceInHex",
                   "1: FLOCK  ADVISORY  WRITE 8 254:0:555 0 EOF\n"
                   "2: FLOCK  ADVISORY  WRITE 7 fe:0:555 0 EOF",
                   8, false},
        // The file's device listed under another number, as btrfs subvolumes and overlays do:
        // the only lock on this inode is the file's own.
        TLocksCase{"DeviceListedOtherwise", "1: FLOCK  ADVISORY  WRITE 7 00:2d:555 0 EOF", 7, true},
        // Two locks on this inode number, neither on the file's device: no telling which.
        TLocksCase{"DeviceListedOtherwiseTwice",
                   "1: FLOCK  ADVISORY  WRITE 7 00:2d:555 0 EOF\n"
                   "2: FLOCK  ADVISORY  WRITE 8 00:2e:555 0 EOF",
                   7, false},
        TLocksCase{"StrangerOnAnotherDevice", "1: FLOCK  ADVISORY  WRITE 8 00:2e:555 0 EOF", 7,
                   false},
        TLocksCase{"BadDevice", "1: FLOCK  ADVISORY  WRITE 7 zz:00:555 0 EOF", 7, false},
        TLocksCase{"NoInode", "1: FLOCK  ADVISORY  WRITE 7 fe:00 0 EOF", 7, false},
        TLocksCase{"Empty", "", 88, false}, TLocksCase{"Cut", "2: FLOCK", 88, false}),
    [](const auto& test) { return std::string(test.param.Name); });

TEST(InstanceLockTest, TheSystemNamesThisProcessTheHolderOfTheFileItLocked) {
    TTempDir dir;
    const std::string path = dir.Host("otcraps.lck").string();
    TInstanceLock lock;
    ASSERT_EQ(lock.Acquire(path), TInstanceLock::TResult::Acquired);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    const TLockFileId file{major(st.st_dev), minor(st.st_dev), static_cast<u64>(st.st_ino)};
    EXPECT_TRUE(IsLockHolderOfThisUser(getpid(), file));
    EXPECT_FALSE(IsLockHolderOfThisUser(getppid(), file));
}

TEST(InstanceLockTest, ALinkToNothingIsNoFileAndALinkToAFileIsFollowed) {
    TTempDir dir;
    const std::filesystem::path link = dir.Host("otcraps.lck");
    std::filesystem::create_symlink(dir.Host("gone/otcraps.lck"), link);
    TInstanceLock lock;
    EXPECT_EQ(lock.Acquire(link.string()), TInstanceLock::TResult::NotAFile);
    EXPECT_EQ(DescribeHostPathAt(link.string()), "a link to nothing");
    // Not made where it points, either.
    std::filesystem::create_directory(dir.Host("gone"));
    EXPECT_EQ(lock.Acquire(link.string()), TInstanceLock::TResult::NotAFile);
    EXPECT_FALSE(std::filesystem::exists(dir.Host("gone/otcraps.lck")));
    dir.WriteHostFile("gone/otcraps.lck", "");
    EXPECT_EQ(lock.Acquire(link.string()), TInstanceLock::TResult::Acquired);
    EXPECT_EQ(DescribeHostPathAt(link.string()), "a file");
}

// The player's folder removed while the game runs goes with the lock file: the save makes the
// folder again, and a copy started then must still find the lock held.
TEST(InstanceLockTest, ThePlayersFolderMadeAgainHoldsTheLockAgain) {
    TTempDir dir;
    const std::filesystem::path player = dir.Host("player");
    const TPlayerRoot root(player.string());
    std::filesystem::create_directories(player / "data");
    const std::string path = (player / "otcraps.lck").string();
    TInstanceLock first, second;
    ASSERT_EQ(first.Acquire(path), TInstanceLock::TResult::Acquired);
    std::filesystem::remove_all(player);
    bool made = false;
    ASSERT_TRUE(MakeFolderOf("c:\\data\\otcraps.sav", &made));
    ASSERT_TRUE(made);
    EXPECT_EQ(second.Acquire(path), TInstanceLock::TResult::HeldElsewhere);
    TInstanceLock::TakeComeForwardRequest();
    EXPECT_EQ(TInstanceLock::SignalHolder(path).Answer, TAnswer::AskedForward);
    EXPECT_TRUE(TInstanceLock::TakeComeForwardRequest());
    first.Release();
    EXPECT_EQ(second.Acquire(path), TInstanceLock::TResult::Acquired);
}

} // namespace
