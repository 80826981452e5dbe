// The one classic look of the desktop: colours and sizes shared by window frames, menus and
// dialog controls.
#pragma once

#include "platform/framework/draw/Surface.h"

namespace Theme {

// Colours, 0xAARRGGBB.
constexpr u32 Desktop = MakeArgb(0x00, 0x80, 0x80);
constexpr u32 Face = MakeArgb(0xC0, 0xC0, 0xC0);
constexpr u32 Highlight3d = MakeArgb(0xFF, 0xFF, 0xFF);
constexpr u32 Shadow3d = MakeArgb(0x80, 0x80, 0x80);
constexpr u32 DarkShadow3d = MakeArgb(0x00, 0x00, 0x00);
constexpr u32 WindowBack = MakeArgb(0xFF, 0xFF, 0xFF);
constexpr u32 WindowText = MakeArgb(0x00, 0x00, 0x00);
constexpr u32 GrayText = MakeArgb(0x80, 0x80, 0x80);
constexpr u32 WindowFrame = MakeArgb(0x00, 0x00, 0x00);
constexpr u32 ActiveCaption = MakeArgb(0x00, 0x00, 0x80);
constexpr u32 InactiveCaption = MakeArgb(0x80, 0x80, 0x80);
constexpr u32 CaptionText = MakeArgb(0xFF, 0xFF, 0xFF);
constexpr u32 InactiveCaptionText = MakeArgb(0xC0, 0xC0, 0xC0);
constexpr u32 MenuBack = Face;
constexpr u32 MenuText = WindowText;
constexpr u32 SelectedBack = MakeArgb(0x00, 0x00, 0x80);
constexpr u32 SelectedText = MakeArgb(0xFF, 0xFF, 0xFF);

// The system font: its face name and its height in points.
constexpr const char* SystemFontFace = "MS Sans Serif";
constexpr int SystemFontPoints = 8;

// Sizes in pixels, matching what GetSystemMetrics reports.
constexpr i32 BorderWidth = 1;
constexpr i32 DialogFrameWidth = 3;
constexpr i32 ThickFrameWidth = 4;
constexpr i32 CaptionHeight = 19;
constexpr i32 MenuBarHeight = 19;
// A caption box (system menu, minimise) is square less the line under the caption.
constexpr i32 CaptionBoxSize = CaptionHeight - 1;
// Gaps around menu-bar and pop-up item texts.
constexpr i32 MenuBarItemPad = 6;
constexpr i32 PopupItemHeight = 18;
constexpr i32 PopupSeparatorHeight = 8;
constexpr i32 PopupCheckColumn = 18;
constexpr i32 PopupRightPad = 20;
constexpr i32 PopupFrame = 3;

} // namespace Theme
