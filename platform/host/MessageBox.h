// The message-box service, its test recorder, and the fatal-error service built on it.
#pragma once

#include "Types.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class TWindow;

// Button sets, icons and modality, with the old system's values.
constexpr u32 MB_OK = 0x0000;
constexpr u32 MB_OKCANCEL = 0x0001;
constexpr u32 MB_ABORTRETRYIGNORE = 0x0002;
constexpr u32 MB_YESNOCANCEL = 0x0003;
constexpr u32 MB_YESNO = 0x0004;
constexpr u32 MB_RETRYCANCEL = 0x0005;
constexpr u32 MB_TYPEMASK = 0x000F;
constexpr u32 MB_ICONHAND = 0x0010;
constexpr u32 MB_ICONSTOP = MB_ICONHAND;
constexpr u32 MB_ICONQUESTION = 0x0020;
constexpr u32 MB_ICONEXCLAMATION = 0x0030;
constexpr u32 MB_ICONINFORMATION = 0x0040;
// The second button is the default: the one Enter presses and the answer when nobody chooses.
constexpr u32 MB_DEFBUTTON2 = 0x0100;
constexpr u32 MB_SYSTEMMODAL = 0x1000;
constexpr u32 MB_TASKMODAL = 0x2000;
// Ours, beyond the old system's bits: the box stands through the host's close (the window's
// close box, which a double click sends twice); only a button or a quit signal ends it. For a
// question whose answer must be the player's own.
constexpr u32 MB_KEEPONCLOSE = 0x01000000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

struct TMessageBoxRequest {
    TWindow* Owner = nullptr;
    std::string Text;
    std::string Caption;
    u32 Flags = 0;
};

// Whatever shows boxes: the window layer's modal box, or a recorder in tests.
class TMessageBoxPresenter {
public:
    virtual ~TMessageBoxPresenter() = default;
    virtual int Show(const TMessageBoxRequest& request) = 0;
};

// The answer a box gives when nobody chooses: its default button, the first unless the flags
// name the second.
int DefaultMessageBoxAnswer(u32 flags);

// Installs the presenter for the process; null puts back the console presenter, which
// writes the box to standard error and answers with its first button.
void SetMessageBoxPresenter(TMessageBoxPresenter* presenter);

// Shows a box and returns the button chosen.
int MessageBoxExA(TWindow* owner, const std::string& text, const std::string& caption, u32 flags);

// Records every box and answers from a script (then with the first button). Installs
// itself for its lifetime.
class TMessageBoxRecorder : public TMessageBoxPresenter {
public:
    TMessageBoxRecorder();
    ~TMessageBoxRecorder() override;
    TMessageBoxRecorder(const TMessageBoxRecorder&) = delete;
    TMessageBoxRecorder& operator=(const TMessageBoxRecorder&) = delete;

    int Show(const TMessageBoxRequest& request) override;
    void QueueAnswer(int answer) { Answers.push_back(answer); }

    std::vector<TMessageBoxRequest> Boxes;

private:
    std::deque<int> Answers;
};

// Ends the process with a code. Tests replace the ending so that a fatal path can be
// observed; a replacement that returns still ends the process.
[[noreturn]] void ExitProcess(int code);
void SetExitHook(std::function<void(int)> hook);

// The fatal-error service: the box, then the end of the process with code 1.
[[noreturn]] void FatalError(TWindow* owner, const std::string& text, const std::string& caption,
                             u32 flags);
