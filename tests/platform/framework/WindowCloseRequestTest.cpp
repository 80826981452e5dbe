// A request to end the program (the host's close, a quit signal, a close posted to the frame)
// that comes while dialogs and boxes run: each run ends with its cancel answer, the code that
// opened it still finds the frame alive, and the frame closes only once they have unwound; a
// box up before there is a main window is ended, and the program then makes none; a box kept on
// close outlasts the host's close.
#include "DialogTestFixture.h"
#include "FrameFixture.h"

#include "platform/framework/dialogs/MessageBoxUi.h"
#include "platform/host/QuitSignals.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A dialog that, once up, runs what it is given from inside its own run, as the game's dialogs
// open others from their buttons.
class TOpeningDialog : public TDialog {
public:
    TOpeningDialog(TWindow* parent, std::function<void(TWindow*)> inside)
        : TDialog(parent, FormTemplate()), Inside(std::move(inside)) {}
    void SetupWindow() override {
        TDialog::SetupWindow();
        PostMessage(WM_USER, 0, 0);
    }
    LRESULT EvUser(WPARAM, LPARAM) {
        Inside(this);
        return 0;
    }

private:
    std::function<void(TWindow*)> Inside;
    DECLARE_RESPONSE_TABLE(TOpeningDialog);
};

DEFINE_RESPONSE_TABLE1(TOpeningDialog, TDialog)
EV_MESSAGE(WM_USER, EvUser), END_RESPONSE_TABLE;

enum class TRequest { HostClose, QuitSignal, PostedClose };

std::string RequestName(const ::testing::TestParamInfo<TRequest>& info) {
    const char* names[] = {"HostClose", "QuitSignal", "PostedClose"};
    return names[static_cast<int>(info.param)];
}

// The request, at a time on the headless clock after everything has opened.
void RequestAt(THeadlessBackend& backend, TRequest request, u64 ms, HWND frame = nullptr) {
    TInputEvent close;
    close.Kind = TInputKind::Close;
    switch (request) {
    case TRequest::HostClose:
        backend.At(backend.Now() + ms, close);
        break;
    case TRequest::QuitSignal:
        backend.At(backend.Now() + ms, [] { std::raise(SIGTERM); });
        break;
    case TRequest::PostedClose:
        backend.At(backend.Now() + ms,
                   [frame] { TDesktop::Get().PostMessage(frame, WM_CLOSE, 0, 0); });
        break;
    }
}

class CloseRequestUnderDialogs : public FrameFixture,
                                 public ::testing::WithParamInterface<TRequest> {
protected:
    void SetUp() override {
        TQuitSignals::Install();
        MakeFrame();
        Fx.Only({WM_CLOSE, WM_DESTROY});
    }
    void TearDown() override { TQuitSignals::Uninstall(); }

    // What a run gave back, and whether the frame its opener works on was still there.
    void Note(const std::string& what, int answer) {
        Seen.push_back(what + " " + std::to_string(answer) +
                       (TDesktop::Get().IsWindow(Frame) ? "" : " after the frame"));
    }

    TMessageBoxUi Boxes;
    Lines Seen;
};

TEST_P(CloseRequestUnderDialogs, EndsEveryRunAsCancelledAndThenClosesTheFrameOnce) {
    // A dialog, a dialog inside it and a Yes/No box inside that; once the box has answered,
    // its opener tries one more dialog.
    TOpeningDialog outer(nullptr, [this](TWindow* outerWindow) {
        TOpeningDialog inner(outerWindow, [this](TWindow* innerWindow) {
            Note("box", MessageBoxExA(innerWindow, "Quit this mode?", "Quit Mode ?", MB_YESNO));
            Note("later dialog", TDialog(innerWindow, FormTemplate()).Execute());
        });
        Note("inner", inner.Execute());
    });
    RequestAt(Fx.Backend(), GetParam(), 200, Frame);
    Note("outer", outer.Execute());
    EXPECT_EQ(Seen, (Lines{"box 7", "later dialog 2", "inner 2", "outer 2"}));
    EXPECT_EQ(Fx.Take(), Lines{}) << "the frame was closed under the dialogs";

    // Back in the program's own loop, the frame is closed as its close box would close it.
    EXPECT_EQ(App.RunFor(100), TApplication::TLoopEnd::Quit);
    EXPECT_EQ(Fx.Take(), (Lines{"frame CLOSE", "frame DESTROY", "client DESTROY"}));
    EXPECT_FALSE(TQuitSignals::Pending());
}

// A box kept on close: the host's close, however often it comes, goes by it and is not kept for
// later, so that only its answer ends it; a quit signal ends it as it ends any run.
TEST_P(CloseRequestUnderDialogs, ABoxKeptOnCloseStandsThroughTheHostsCloseButNotASignal) {
    const bool signal = GetParam() == TRequest::QuitSignal;
    RequestAt(Fx.Backend(), GetParam(), 200, Frame);
    RequestAt(Fx.Backend(), GetParam(), 210, Frame);
    bool upAfterwards = false;
    Fx.Backend().At(Fx.Backend().Now() + 1000, [&] {
        HWND box = TDesktop::Get().FindWindow(nullptr, "Bets Left on the Table");
        upAfterwards = box != nullptr;
        for (TWindow* button : upAfterwards ? box->GetChildren() : std::vector<TWindow*>{})
            if (button->Attr.Id == static_cast<u32>(IDYES))
                Fx.Backend().Click(TDesktop::Get().ClientToScreen(button, {5, 5}));
    });
    Note("box", MessageBoxExA(Frame, "Leave the bets?", "Bets Left on the Table",
                              MB_YESNO | MB_DEFBUTTON2 | MB_KEEPONCLOSE));
    EXPECT_EQ(Seen, Lines{signal ? "box 7" : "box 6"});
    EXPECT_EQ(upAfterwards, !signal);
    if (signal) {
        EXPECT_EQ(App.RunFor(100), TApplication::TLoopEnd::Quit);
        EXPECT_EQ(Fx.Take(), (Lines{"frame CLOSE", "frame DESTROY", "client DESTROY"}));
    } else {
        EXPECT_EQ(App.RunFor(100), TApplication::TLoopEnd::Deadline);
        EXPECT_EQ(Fx.Take(), Lines{});
    }
}

INSTANTIATE_TEST_SUITE_P(Requests, CloseRequestUnderDialogs,
                         ::testing::Values(TRequest::HostClose, TRequest::QuitSignal,
                                           TRequest::PostedClose),
                         RequestName);

// The program's start: boxes come up before the main window is made.
class TCountingApp : public TApplication {
public:
    TCountingApp() : TApplication("test") {}
    void InitMainWindow() override {
        ++MainWindowsMade;
        TApplication::InitMainWindow();
    }
    int MainWindowsMade = 0;
};

class CloseRequestBeforeTheFrame : public ::testing::TestWithParam<TRequest> {
protected:
    void SetUp() override { TQuitSignals::Install(); }
    void TearDown() override { TQuitSignals::Uninstall(); }

    TDesktopFixture Fx;
    TCountingApp App;
    TMessageBoxUi Boxes;
};

TEST_P(CloseRequestBeforeTheFrame, EndsTheBoxAndTheProgramEndsWithoutMakingAMainWindow) {
    RequestAt(Fx.Backend(), GetParam(), 300);
    // Left alone, a Yes/No box that nothing can answer any more says Yes.
    EXPECT_EQ(MessageBoxExA(nullptr, "System reports there is no wave out devices", "Error - Audio",
                            MB_YESNO),
              IDNO);
    EXPECT_FALSE(TQuitSignals::Pending());
    // A box opened while the request stands is not left waiting for an answer.
    EXPECT_EQ(MessageBoxExA(nullptr, "Couldn't initialize WaveMix", "Error - Audio", MB_OKCANCEL),
              IDCANCEL);
    EXPECT_EQ(App.Run(), 0);
    EXPECT_EQ(App.MainWindowsMade, 0);
}

INSTANTIATE_TEST_SUITE_P(Requests, CloseRequestBeforeTheFrame,
                         ::testing::Values(TRequest::HostClose, TRequest::QuitSignal), RequestName);

TEST_F(CloseRequestBeforeTheFrame, ASignalWithNothingUpWaitsForTheProgramToRun) {
    std::raise(SIGTERM);
    App.RunFor(50);
    EXPECT_TRUE(TQuitSignals::Pending());
    EXPECT_EQ(App.Run(), 0);
    EXPECT_EQ(App.MainWindowsMade, 0);
    EXPECT_FALSE(TQuitSignals::Pending());
}

} // namespace
