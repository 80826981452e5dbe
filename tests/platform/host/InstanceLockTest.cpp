// The lock file between copies of the program: one holder, a request to come forward, and
// folders where no lock can be made.
#include "platform/host/InstanceLock.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(InstanceLockTest, OneHolderAtATimeAndTheOthersAskItToComeForward) {
    TTempDir dir;
    const std::string path = dir.Host("otcraps.lck").string();
    TInstanceLock::TakeComeForwardRequest();
    // Nobody holds it yet: nobody to ask.
    EXPECT_FALSE(TInstanceLock::SignalHolder(path));

    TInstanceLock first;
    ASSERT_EQ(first.Acquire(path), TInstanceLock::TResult::Acquired);
    EXPECT_EQ(dir.ReadHostFile("otcraps.lck"), std::to_string(getpid()) + "\n");
    // A second open of the file is another copy, even in this process.
    TInstanceLock second;
    EXPECT_EQ(second.Acquire(path), TInstanceLock::TResult::HeldElsewhere);
    EXPECT_FALSE(second.IsHeld());
    EXPECT_FALSE(TInstanceLock::TakeComeForwardRequest());
    EXPECT_TRUE(TInstanceLock::SignalHolder(path));
    EXPECT_TRUE(TInstanceLock::TakeComeForwardRequest());
    EXPECT_FALSE(TInstanceLock::TakeComeForwardRequest());

    // Released (as the system does when the holder ends), the file names nobody.
    first.Release();
    EXPECT_FALSE(TInstanceLock::SignalHolder(path));
    EXPECT_EQ(second.Acquire(path), TInstanceLock::TResult::Acquired);
}

TEST(InstanceLockTest, AFolderWhereNoFileCanBeMadeGivesNoLock) {
    TTempDir dir;
    std::filesystem::create_directories(dir.Host("ro"));
    chmod(dir.Host("ro").c_str(), 0555);
    TInstanceLock lock;
    const auto result = lock.Acquire(dir.Host("ro/otcraps.lck").string());
    // Root may write anywhere; everyone else cannot make the file.
    if (geteuid() != 0) {
        EXPECT_EQ(result, TInstanceLock::TResult::Unavailable);
        EXPECT_FALSE(lock.IsHeld());
    }
    EXPECT_EQ(lock.Acquire(dir.Host("missing/otcraps.lck").string()),
              TInstanceLock::TResult::Unavailable);
    chmod(dir.Host("ro").c_str(), 0755);
}

} // namespace
