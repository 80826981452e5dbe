// Message, style, show, placement, metric, hit-test, key and menu numbers of the old system.
#pragma once

#include "platform/host/Types.h"

// Messages.
constexpr u32 WM_NULL = 0x0000;
constexpr u32 WM_CREATE = 0x0001;
constexpr u32 WM_DESTROY = 0x0002;
constexpr u32 WM_MOVE = 0x0003;
constexpr u32 WM_SIZE = 0x0005;
constexpr u32 WM_ACTIVATE = 0x0006;
constexpr u32 WM_SETFOCUS = 0x0007;
constexpr u32 WM_KILLFOCUS = 0x0008;
constexpr u32 WM_ENABLE = 0x000A;
constexpr u32 WM_SETTEXT = 0x000C;
constexpr u32 WM_PAINT = 0x000F;
constexpr u32 WM_CLOSE = 0x0010;
constexpr u32 WM_QUIT = 0x0012;
constexpr u32 WM_ERASEBKGND = 0x0014;
constexpr u32 WM_SHOWWINDOW = 0x0018;
constexpr u32 WM_ACTIVATEAPP = 0x001C;
constexpr u32 WM_TIMECHANGE = 0x001E;
constexpr u32 WM_SETCURSOR = 0x0020;
constexpr u32 WM_GETMINMAXINFO = 0x0024;
constexpr u32 WM_COMPACTING = 0x0041;
constexpr u32 WM_NCPAINT = 0x0085;
constexpr u32 WM_KEYDOWN = 0x0100;
constexpr u32 WM_KEYUP = 0x0101;
constexpr u32 WM_CHAR = 0x0102;
// The character of a key pressed with Alt: a menu's or a control's letter, never text.
constexpr u32 WM_SYSCHAR = 0x0106;
// A key message's lParam bit that says Alt was held.
constexpr u32 KF_ALTDOWN_LPARAM = 0x20000000U;
constexpr u32 WM_COMMAND = 0x0111;
constexpr u32 WM_TIMER = 0x0113;
constexpr u32 WM_INITMENUPOPUP = 0x0117;
constexpr u32 WM_MOUSEMOVE = 0x0200;
constexpr u32 WM_LBUTTONDOWN = 0x0201;
constexpr u32 WM_LBUTTONUP = 0x0202;
constexpr u32 WM_LBUTTONDBLCLK = 0x0203;
constexpr u32 WM_RBUTTONDOWN = 0x0204;
constexpr u32 WM_RBUTTONUP = 0x0205;
constexpr u32 WM_RBUTTONDBLCLK = 0x0206;
constexpr u32 WM_MOUSEWHEEL = 0x020A;
// One notch of the wheel, in WM_MOUSEWHEEL's delta.
constexpr i32 WHEEL_DELTA = 120;
// The lines a list or text scrolls for a notch.
constexpr i32 WheelLines = 3;
constexpr u32 WM_ENTERMENULOOP = 0x0211;
constexpr u32 WM_EXITMENULOOP = 0x0212;
constexpr u32 WM_QUERYNEWPALETTE = 0x030F;
constexpr u32 WM_PALETTECHANGED = 0x0311;
constexpr u32 WM_USER = 0x0400;
// The framework's own message that asks a window's enablers about one command.
constexpr u32 WM_COMMAND_ENABLE = 0x7F00;

// Window styles.
constexpr u32 WS_OVERLAPPED = 0x00000000;
constexpr u32 WS_POPUP = 0x80000000;
constexpr u32 WS_CHILD = 0x40000000;
constexpr u32 WS_MINIMIZE = 0x20000000;
constexpr u32 WS_VISIBLE = 0x10000000;
constexpr u32 WS_DISABLED = 0x08000000;
constexpr u32 WS_CLIPSIBLINGS = 0x04000000;
constexpr u32 WS_CLIPCHILDREN = 0x02000000;
constexpr u32 WS_MAXIMIZE = 0x01000000;
constexpr u32 WS_CAPTION = 0x00C00000;
constexpr u32 WS_BORDER = 0x00800000;
constexpr u32 WS_DLGFRAME = 0x00400000;
constexpr u32 WS_SYSMENU = 0x00080000;
constexpr u32 WS_THICKFRAME = 0x00040000;
constexpr u32 WS_MINIMIZEBOX = 0x00020000;
constexpr u32 WS_MAXIMIZEBOX = 0x00010000;
constexpr u32 WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// Class styles.
constexpr u32 CS_VREDRAW = 0x0001;
constexpr u32 CS_HREDRAW = 0x0002;
constexpr u32 CS_DBLCLKS = 0x0008;
// What the top-level window uncovers when it goes is painted at once, before the code that
// closed it goes on: menus and dialogs, which the program follows with work of its own (a
// command, the next box) that may leave the window under them unable to paint by the time the
// loop would.
constexpr u32 CS_SAVEBITS = 0x0800;

// Show commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;

// SetWindowPos flags.
constexpr u32 SWP_NOSIZE = 0x0001;
constexpr u32 SWP_NOMOVE = 0x0002;
constexpr u32 SWP_NOZORDER = 0x0004;
constexpr u32 SWP_NOREDRAW = 0x0008;
constexpr u32 SWP_NOACTIVATE = 0x0010;
constexpr u32 SWP_FRAMECHANGED = 0x0020;
constexpr u32 SWP_SHOWWINDOW = 0x0040;
constexpr u32 SWP_HIDEWINDOW = 0x0080;
constexpr u32 SWP_NOOWNERZORDER = 0x0200;

// RedrawWindow flags.
constexpr u32 RDW_INVALIDATE = 0x0001;
constexpr u32 RDW_ERASE = 0x0004;
constexpr u32 RDW_ALLCHILDREN = 0x0080;
constexpr u32 RDW_UPDATENOW = 0x0100;

// System metrics.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;

// Hit-test codes.
constexpr int HTERROR = -2;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTMENU = 5;
constexpr int HTBORDER = 18;

// Mouse-message key states.
constexpr u32 MK_LBUTTON = 0x0001;
constexpr u32 MK_RBUTTON = 0x0002;
constexpr u32 MK_SHIFT = 0x0004;
constexpr u32 MK_CONTROL = 0x0008;

// Activation states and size types.
constexpr u16 WA_INACTIVE = 0;
constexpr u16 WA_ACTIVE = 1;
constexpr u16 WA_CLICKACTIVE = 2;
constexpr u32 SIZE_RESTORED = 0;
constexpr u32 SIZE_MINIMIZED = 1;

// Virtual keys.
constexpr u32 VK_BACK = 0x08;
constexpr u32 VK_TAB = 0x09;
constexpr u32 VK_RETURN = 0x0D;
constexpr u32 VK_SHIFT = 0x10;
constexpr u32 VK_CONTROL = 0x11;
constexpr u32 VK_MENU = 0x12;
constexpr u32 VK_ESCAPE = 0x1B;
constexpr u32 VK_SPACE = 0x20;
constexpr u32 VK_F1 = 0x70;

// Accelerator entry flags.
constexpr u8 FVIRTKEY = 0x01;
constexpr u8 FSHIFT = 0x04;
constexpr u8 FCONTROL = 0x08;
constexpr u8 FALT = 0x10;

// Menu item flags.
constexpr u32 MF_BYCOMMAND = 0x0000;
constexpr u32 MF_ENABLED = 0x0000;
constexpr u32 MF_UNCHECKED = 0x0000;
constexpr u32 MF_GRAYED = 0x0001;
constexpr u32 MF_DISABLED = 0x0002;
constexpr u32 MF_CHECKED = 0x0008;
constexpr u32 MF_POPUP = 0x0010;
constexpr u32 MF_BYPOSITION = 0x0400;
constexpr u32 MF_SEPARATOR = 0x0800;

// System cursors.
constexpr u32 IDC_ARROW = 32512;
constexpr u32 IDC_WAIT = 32514;

// The smallest timer period; shorter requests are raised to it.
constexpr u32 USER_TIMER_MINIMUM = 10;
