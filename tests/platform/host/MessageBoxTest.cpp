// Message boxes through the recorder, default answers, and the fatal-error service's exit.
#include "platform/host/MessageBox.h"

#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(MessageBox, RecorderKeepsBoxesAndAnswersFromItsScript) {
    TMessageBoxRecorder recorder;
    recorder.QueueAnswer(IDRETRY);
    EXPECT_EQ(MessageBoxExA(nullptr, "Couldn't find it", "CD Rom Error",
                            MB_ICONHAND | MB_SYSTEMMODAL | MB_RETRYCANCEL),
              IDRETRY);
    // With the script used up, the first button answers.
    EXPECT_EQ(MessageBoxExA(nullptr, "again", "CD Rom Error", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(MessageBoxExA(nullptr, "Quit?", "Quit Mode ?", MB_YESNO), IDYES);
    ASSERT_EQ(recorder.Boxes.size(), 3U);
    EXPECT_EQ(recorder.Boxes[0].Caption, "CD Rom Error");
    EXPECT_EQ(recorder.Boxes[0].Text, "Couldn't find it");
    EXPECT_EQ(recorder.Boxes[0].Flags, 0x1015U);
}

TEST(MessageBox, DefaultAnswerIsTheFirstButton) {
    // clang-format off
    const std::pair<u32, int> cases[] = {
        {MB_OK, IDOK}, {MB_OKCANCEL, IDOK}, {MB_ABORTRETRYIGNORE, IDABORT},
        {MB_YESNOCANCEL | MB_ICONQUESTION, IDYES}, {MB_RETRYCANCEL, IDRETRY}};
    // clang-format on
    for (const auto& [flags, answer] : cases)
        EXPECT_EQ(DefaultMessageBoxAnswer(flags), answer) << flags;
}

TEST(MessageBox, FatalErrorShowsTheBoxThenEndsWithCodeOne) {
    TMessageBoxRecorder recorder;
    TExitTrap trap;
    try {
        FatalError(nullptr, "time overflow", "Error", MB_SYSTEMMODAL);
        FAIL() << "the fatal-error service returned";
    } catch (const TProcessExit& e) {
        EXPECT_EQ(e.Code, 1);
    }
    ASSERT_EQ(recorder.Boxes.size(), 1U);
    EXPECT_EQ(recorder.Boxes[0].Caption, "Error");
    EXPECT_EQ(recorder.Boxes[0].Text, "time overflow");
}

// A box in a window is gone with the program; its words stay on the error output, once, whether
// a window or the console showed them.
TEST(MessageBox, FatalErrorLeavesItsBoxOnTheErrorOutputOnce) {
    for (const bool window : {true, false}) {
        SCOPED_TRACE(window ? "in a window" : "on the console");
        std::optional<TMessageBoxRecorder> recorder;
        if (window)
            recorder.emplace();
        TExitTrap trap;
        testing::internal::CaptureStderr();
        try {
            FatalError(nullptr, "Damaged data file: x\nAborting Program", "Fatal Error - Data File",
                       MB_TASKMODAL);
        } catch (const TProcessExit&) {
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "[Fatal Error - Data File] Damaged data file: x\nAborting Program\n");
    }
}

TEST(MessageBoxDeathTest, ExitHookThatReturnsStillEndsTheProcess) {
    EXPECT_EXIT(
        {
            SetExitHook([](int) {});
            FatalError(nullptr, "boom", "Fatal Error - Header ID", MB_TASKMODAL);
        },
        ::testing::ExitedWithCode(1), "Fatal Error - Header ID");
}

} // namespace
