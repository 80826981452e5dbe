// TApplication: the program's module, its main window and the message loop with its idle
// time, modal loops and deferred deletion of windows.
#pragma once

#include "Module.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/WinTypes.h"
#include "platform/host/MessageBox.h"

#include <functional>
#include <vector>

class TFrameWindow;
class TWindow;

class TApplication : public TModule {
public:
    // How a run of the loop ended.
    enum class TLoopEnd { Quit, Done, Deadline, Starved };

    explicit TApplication(const char* name = nullptr);
    ~TApplication() override;

    // The application of the process; null when none exists.
    static TApplication* GetCurrent();

    // Makes and shows the main window, then runs the loop until the main window closes;
    // the result is the quit code (-1 when there is no main window or nothing can happen).
    // Asked to end before (a quit signal, a request that ended a box at the start), it makes
    // no main window and answers 0.
    virtual int Run();
    virtual void InitMainWindow();
    virtual void InitInstance();
    virtual bool CanClose();
    // Deletes condemned windows, then lets the main window and its children use the time.
    virtual bool IdleAction(long idleCount);
    virtual bool ProcessAppMsg(MSG& msg);

    TFrameWindow* GetMainWindow() const { return MainWindow; }
    TFrameWindow* SetMainWindow(TFrameWindow* window);

    // Runs a nested loop until EndModal and returns its value, or IDCANCEL when the program
    // is asked to end meanwhile (see TModalLoop). Task- and system-modal flags disable every
    // other top-level window, no flags only the window's parent. The run also ends, with
    // IDCANCEL, when its window is destroyed without ending it.
    int BeginModal(TWindow* window, int flags = MB_TASKMODAL);
    // Ends the innermost run of the window. Always named: a dialog closed while another it
    // opened still runs must end its own run, not the one in front, which would wait for ever.
    void EndModal(int result, const TWindow* window);
    bool IsModal() const { return !Modal.empty(); }

    // The window object is deleted at the next idle time, after the handler that condemned
    // it has returned.
    void Condemn(TWindow* window);
    bool IsCondemned(const TWindow* window) const;
    // A window object being deleted is forgotten by the application.
    void ForgetWindow(TWindow* window);

    int MessageBox(HWND owner, const char* text, const char* caption = nullptr, u32 type = MB_OK);
    void EnableBWCC(bool enable = true) { BWCCEnabled = enable; }
    bool IsBWCCEnabled() const { return BWCCEnabled; }

    // Handles every message that is waiting, then gives idle time once; never waits.
    bool PumpWaitingMessages();
    // Runs the loop for this long on the clock, waiting when there is nothing to do.
    TLoopEnd RunFor(u64 ms);
    int MessageLoop();
    int GetQuitCode() const { return QuitCode; }

    // The show command given to the program.
    int nCmdShow = SW_SHOWNORMAL;

protected:
    TFrameWindow* MainWindow = nullptr;

private:
    TLoopEnd RunLoop(const std::function<bool()>& done, u64 deadline);
    void DeleteCondemned();

    struct TModalLevel {
        const TWindow* Window = nullptr;
        bool Ended = false;
        int Result = 0;
    };

    std::vector<TModalLevel> Modal;
    std::vector<TWindow*> Condemned;
    bool BWCCEnabled = false;
    int QuitCode = 0;
};
