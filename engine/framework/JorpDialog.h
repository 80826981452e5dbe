// TJorpDialog: a dialog the engine runs modally through the application's modal loop, and
// that can centre itself.
#pragma once

#include "platform/framework/dialogs/Dialog.h"

// Modal flags of ExecuteModal, as the message boxes use them.
constexpr u32 JDM_SYSTEMMODAL = 0x1000;
constexpr u32 JDM_TASKMODAL = 0x2000;

class TJorpDialog : public TDialog {
public:
    TJorpDialog(TWindow* parent, u32 resId, bool center = false, TModule* module = nullptr);
    // A dialog still running modally ends that run with IDCANCEL.
    ~TJorpDialog() override;

    // Creates the window modelessly and runs the modal loop on it; returns the value that
    // ended it, -1 when the window cannot be made. Without a parent and without a modal
    // flag the run is task-modal.
    virtual int ExecuteModal(u32 flags);
    // Task-modal.
    int Execute() override;
    // While running modally: closes when CanClose agrees, after taking the controls' data.
    void CloseWindow(int retVal = IDCANCEL) override;
    // Ends a modal run with the value, then the window.
    void Destroy(int retVal = IDCANCEL) override;
    void SetupWindow() override;

    // The flags as given to ExecuteModal; 0 when not running modally.
    u32 GetModalFlags() const { return ModalFlags; }
    bool IsRunningModal() const { return RunningModal; }

private:
    bool Center = false;
    u32 ModalFlags = 0;
    bool RunningModal = false;
    // Whether the run goes through the application's loop (else a loop of its own, for
    // dialogs shown before the application exists).
    bool AppLoop = false;
    // Set by the destructor so that a run whose dialog was deleted returns without it.
    bool* DeletedFlag = nullptr;
};
