// Message boxes through the installed presenter, and the process ending behind fatal errors.
#include "MessageBox.h"

#include "Log.h"

#include <cstdlib>
#include <utility>

namespace {

class TConsolePresenter : public TMessageBoxPresenter {
public:
    int Show(const TMessageBoxRequest& request) override {
        // The caption in brackets starts the line, as a box's title stands above its text.
        LogLine("[" + request.Caption + "] " + request.Text);
        return DefaultMessageBoxAnswer(request.Flags);
    }
};

TMessageBoxPresenter* Current = nullptr;

std::function<void(int)>& ExitHook() {
    static std::function<void(int)> hook;
    return hook;
}

} // namespace

int DefaultMessageBoxAnswer(u32 flags) {
    const bool second = (flags & MB_DEFBUTTON2) != 0;
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return second ? IDCANCEL : IDOK;
    case MB_ABORTRETRYIGNORE:
        return second ? IDRETRY : IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO:
        return second ? IDNO : IDYES;
    case MB_RETRYCANCEL:
        return second ? IDCANCEL : IDRETRY;
    default:
        return IDOK;
    }
}

void SetMessageBoxPresenter(TMessageBoxPresenter* presenter) {
    Current = presenter;
}

int MessageBoxExA(TWindow* owner, const std::string& text, const std::string& caption, u32 flags) {
    static TConsolePresenter console;
    TMessageBoxPresenter& presenter = Current != nullptr ? *Current : console;
    return presenter.Show(TMessageBoxRequest{owner, text, caption, flags});
}

TMessageBoxRecorder::TMessageBoxRecorder() {
    SetMessageBoxPresenter(this);
}

TMessageBoxRecorder::~TMessageBoxRecorder() {
    if (Current == this)
        SetMessageBoxPresenter(nullptr);
}

int TMessageBoxRecorder::Show(const TMessageBoxRequest& request) {
    Boxes.push_back(request);
    if (Answers.empty())
        return DefaultMessageBoxAnswer(request.Flags);
    const int answer = Answers.front();
    Answers.pop_front();
    return answer;
}

void SetExitHook(std::function<void(int)> hook) {
    ExitHook() = std::move(hook);
}

void ExitProcess(int code) {
    if (ExitHook())
        ExitHook()(code);
    std::exit(code);
}

void FatalError(TWindow* owner, const std::string& text, const std::string& caption, u32 flags) {
    // The box is gone with the program: a player who started it from a terminal keeps what it
    // said there. The console presenter writes it itself.
    if (Current != nullptr)
        LogLine("[" + caption + "] " + text);
    MessageBoxExA(owner, text, caption, flags);
    ExitProcess(1);
}
