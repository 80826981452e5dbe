// TJorpDialog: modal runs on a modeless window, closing with a value, centring.
#include "JorpDialog.h"

#include "DialogPlacement.h"

#include "platform/framework/window/Application.h"
#include "platform/framework/window/ModalLoop.h"

TJorpDialog::TJorpDialog(TWindow* parent, u32 resId, bool center, TModule* module)
    : TDialog(parent, resId, module), Center(center) {}

TJorpDialog::~TJorpDialog() {
    if (DeletedFlag != nullptr)
        *DeletedFlag = true;
    // TDialog's destructor would only reach its own Destroy, which knows nothing of our run.
    if (IsWindow() || RunningModal)
        TJorpDialog::Destroy(IDCANCEL);
}

int TJorpDialog::ExecuteModal(u32 flags) {
    // One run at a time: a second would end the first one's loop level.
    if (RunningModal || !Create())
        return -1;
    ModalFlags = flags;
    RunningModal = true;
    if (!IsWindowVisible())
        ShowWindow(SW_SHOW);
    if ((flags & (JDM_SYSTEMMODAL | JDM_TASKMODAL)) == 0 && GetParent() == nullptr)
        flags |= JDM_TASKMODAL;

    bool deleted = false;
    DeletedFlag = &deleted;
    int result = -1;
    if (TApplication* app = GetApplication()) {
        AppLoop = true;
        result = app->BeginModal(this, static_cast<int>(flags));
    } else {
        AppLoop = false;
        result = TModalLoop::Run(this, flags, TModalLoop::TOthers::Run, -1);
    }
    // Deleted inside its own run: the run has ended with IDCANCEL and nothing is left to do.
    if (deleted)
        return result;
    DeletedFlag = nullptr;
    // The loop can also end without the dialog (the program quits).
    if (RunningModal) {
        RunningModal = false;
        ModalFlags = 0;
        TDialog::Destroy(result);
    }
    return result;
}

int TJorpDialog::Execute() {
    return ExecuteModal(JDM_TASKMODAL);
}

void TJorpDialog::CloseWindow(int retVal) {
    if (!RunningModal) {
        TDialog::CloseWindow(retVal);
        return;
    }
    if (!CanClose())
        return;
    TransferData(tdGetData);
    Destroy(retVal);
}

void TJorpDialog::Destroy(int retVal) {
    if (RunningModal) {
        RunningModal = false;
        ModalFlags = 0;
        if (!AppLoop)
            TModalLoop::End(this, retVal);
        else if (TApplication* app = GetApplication())
            app->EndModal(retVal, this);
    }
    TDialog::Destroy(retVal);
}

void TJorpDialog::SetupWindow() {
    TDialog::SetupWindow();
    if (Center)
        CentreOverParent(*this);
}
