// The walk every message takes before it is dispatched, in the application's loop and in a
// modal loop alike: the window it is for and then its parents and owners may take it.
#pragma once

#include "platform/framework/WinTypes.h"

class TWindow;

// Lets the window a message is for and its parents (a child's window, a window's owner) see it
// before it is dispatched: accelerators and a dialog's keyboard live there; true when one took
// it. The walk ends at a disabled window, since a window a modal one holds still takes no key
// (see docs/architecture.md, "Where a key goes"), and at `last` when given.
bool PreProcessInWindow(MSG& msg, const TWindow* last = nullptr);
