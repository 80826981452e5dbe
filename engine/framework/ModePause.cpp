// TModePause: pausing and resuming a mode window around a modal dialog.
#include "ModePause.h"

#include "engine/framework/ModeWindow.h"

TModePause::TModePause(TJorpModeWindow* window) : Window(window) {
    if (Window == nullptr)
        return;
    WasPaused = Window->IsPaused();
    Window->SetPaused(true);
}

TModePause::~TModePause() {
    if (Window == nullptr || WasPaused || !TJorpModeWindow::IsLive(Window))
        return;
    Window->SetPaused(false);
    Window->OnResume();
}
