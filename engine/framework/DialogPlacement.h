// Where the engine's dialogs go: centred over their parent or on the screen, moved whole.
#pragma once

#include "platform/framework/window/Window.h"

// Every move of an engine dialog keeps its place in the stacking order, leaves the
// painting to the window system and does not activate it.
constexpr u32 SWP_DIALOGMOVE = SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

// Moves the window's top-left corner to that screen point and gives it that size.
void PlaceDialog(TWindow& dialog, TPoint topLeft, TSize size);
// Moves the window's top-left corner to that screen point, keeping its size.
void MoveDialogTo(TWindow& dialog, TPoint topLeft);
// At ((screen - size) / 2), each half rounding toward zero.
void CentreOnScreen(TWindow& dialog);
// Over the parent's window rectangle: L + (R - L)/2 - w/2, each half rounding toward zero.
// On the screen when the parent has no window.
void CentreOverParent(TWindow& dialog);
