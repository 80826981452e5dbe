// The program's error output: its lines under the program's name, a box's line as it is, and
// nothing on stdout.
#include "platform/host/Log.h"
#include "platform/host/MessageBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TCaptured {
    std::string Err;
    std::string Out;
};

template <typename Action> TCaptured Capture(Action action) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    action();
    TCaptured captured;
    captured.Err = testing::internal::GetCapturedStderr();
    captured.Out = testing::internal::GetCapturedStdout();
    return captured;
}

TEST(Log, ErrorsAreLinesUnderTheProgramsNameOnStderr) {
    const TCaptured run = Capture([] {
        LogError("no sound (no audio device)");
        LogError("");
        LogLine("Usage: otcraps [OPTION]...\nA casino craps table and trainer.");
    });
    EXPECT_EQ(run.Err, "otcraps: no sound (no audio device)\n"
                       "otcraps: \n"
                       "Usage: otcraps [OPTION]...\nA casino craps table and trainer.\n");
    EXPECT_EQ(run.Out, "");
}

// Runs of the program are read back by a box's caption at the start of a line.
TEST(Log, ABoxWithoutAPresenterIsOneLineStartingWithItsCaption) {
    SetMessageBoxPresenter(nullptr);
    int answer = 0;
    const TCaptured run = Capture(
        [&] { answer = MessageBoxExA(nullptr, "Cannot open the data.", "Fatal Error", MB_OK); });
    EXPECT_EQ(run.Err, "[Fatal Error] Cannot open the data.\n");
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(answer, IDOK);
}

} // namespace
