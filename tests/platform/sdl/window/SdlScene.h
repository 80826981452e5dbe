// Test support: the scene shown both on the headless desktop and in a real SDL window, a
// frame with a menu bar and a drawn client, and a modeless dialog over it.
#pragma once

#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/FrameWindow.h"

struct TSdlScene {
    TFrameWindow* Frame = nullptr;
    TDialog* Dialog = nullptr;
};

// Registers the scene's menu, makes the frame the application's main window (which then
// owns it and the dialog) and shows both. Null members when a window could not be made.
TSdlScene BuildSdlScene(TApplication& app);

// The desktop point in the middle of a menu bar item.
TPoint SceneBarItemCentre(TFrameWindow* frame, int index);
