// The lock file between copies of the program: one holder, a request to come forward, and
// folders where no lock can be made.
#include "platform/host/InstanceLock.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(InstanceLockTest, OneHolderAtATimeAndTheOthersAskItToComeForward) {
    TTempDir dir;
    const std::string path = dir.Host("otcraps.lck").string();
    TInstanceLock::TakeComeForwardRequest();
    EXPECT_FALSE(TInstanceLock::SignalHolder(path));
    TInstanceLock first, second;
    ASSERT_EQ(first.Acquire(path), TInstanceLock::TResult::Acquired);
    EXPECT_EQ(dir.ReadHostFile("otcraps.lck"), std::to_string(getpid()) + "\n");
    // A second open of the file is another copy, even in this process.
    EXPECT_EQ(second.Acquire(path), TInstanceLock::TResult::HeldElsewhere);
    EXPECT_FALSE(TInstanceLock::TakeComeForwardRequest());
    EXPECT_TRUE(TInstanceLock::SignalHolder(path));
    EXPECT_TRUE(TInstanceLock::TakeComeForwardRequest());
    EXPECT_FALSE(TInstanceLock::TakeComeForwardRequest());
    // Released (as the system does when its holder ends), the file names nobody.
    first.Release();
    EXPECT_FALSE(TInstanceLock::SignalHolder(path));
    EXPECT_EQ(second.Acquire(path), TInstanceLock::TResult::Acquired);
    // No folder, no lock.
    EXPECT_EQ(first.Acquire(dir.Host("missing/otcraps.lck").string()),
              TInstanceLock::TResult::Unavailable);
}

} // namespace
