// The lock file between copies of the program: one holder, a request to come forward sent only
// to a copy of this program on this host, and what stands where no lock can be made.
#include "platform/host/InstanceLock.h"
#include "platform/host/PathKind.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <sys/stat.h>
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

TEST(InstanceLockTest, OnlyTheProcessHoldingTheLockFilesFlockIsItsHolder) {
    const std::string locks = "1: POSIX  ADVISORY  WRITE 77 fe:00:555 0 EOF\n"
                              "2: FLOCK  ADVISORY  WRITE 88 fe:00:555 0 EOF\n"
                              "2: -> FLOCK  ADVISORY  WRITE 99 fe:00:555 0 EOF\n"
                              "3: FLOCK  ADVISORY  WRITE 77 fe:00:5550 0 EOF\n"
                              "4: FLOCK  ADVISORY  READ  7 08:01:555 0 EOF";
    EXPECT_TRUE(HoldsFlockOn(locks, 88, 555));
    // The last line, with no end of line after it, counts as well.
    EXPECT_TRUE(HoldsFlockOn(locks, 7, 555));
    // A record lock, a waiter, another file, another id: none holds this one.
    EXPECT_FALSE(HoldsFlockOn(locks, 77, 555));
    EXPECT_FALSE(HoldsFlockOn(locks, 99, 555));
    EXPECT_FALSE(HoldsFlockOn(locks, 8, 555));
    EXPECT_FALSE(HoldsFlockOn("", 88, 555));
    EXPECT_FALSE(HoldsFlockOn("2: FLOCK", 88, 555));

    // And as the system tells it: this process holds the file it locked; its parent does not.
    TTempDir dir;
    const std::string path = dir.Host("otcraps.lck").string();
    TInstanceLock lock;
    ASSERT_EQ(lock.Acquire(path), TInstanceLock::TResult::Acquired);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    const u64 inode = static_cast<u64>(st.st_ino);
    EXPECT_TRUE(IsLockHolderOfThisUser(getpid(), inode));
    EXPECT_FALSE(IsLockHolderOfThisUser(getppid(), inode));
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

} // namespace
