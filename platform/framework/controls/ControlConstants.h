// Dialog and control numbers of the old system: styles, messages, notifications and the
// keys that dialogs and controls handle.
#pragma once

#include "platform/host/Types.h"

// Window styles that only controls use (they share bits with the frame-box styles).
constexpr u32 WS_VSCROLL = 0x00200000;
constexpr u32 WS_HSCROLL = 0x00100000;
constexpr u32 WS_GROUP = 0x00020000;
constexpr u32 WS_TABSTOP = 0x00010000;

// Dialog styles.
constexpr u32 DS_SYSMODAL = 0x0002;
constexpr u32 DS_SETFONT = 0x0040;
constexpr u32 DS_MODALFRAME = 0x0080;
constexpr u32 DS_NOIDLEMSG = 0x0100;
constexpr u32 DS_CENTER = 0x0800;

// Button styles.
constexpr u32 BS_PUSHBUTTON = 0x0;
constexpr u32 BS_DEFPUSHBUTTON = 0x1;
constexpr u32 BS_CHECKBOX = 0x2;
constexpr u32 BS_AUTOCHECKBOX = 0x3;
constexpr u32 BS_RADIOBUTTON = 0x4;
constexpr u32 BS_3STATE = 0x5;
constexpr u32 BS_AUTO3STATE = 0x6;
constexpr u32 BS_GROUPBOX = 0x7;
constexpr u32 BS_AUTORADIOBUTTON = 0x9;
constexpr u32 BS_TYPEMASK = 0xF;
constexpr u32 BS_LEFTTEXT = 0x20;
constexpr u32 BS_BITMAP = 0x80;

// Static styles.
constexpr u32 SS_LEFT = 0x0;
constexpr u32 SS_CENTER = 0x1;
constexpr u32 SS_RIGHT = 0x2;
constexpr u32 SS_ICON = 0x3;
constexpr u32 SS_BLACKRECT = 0x4;
constexpr u32 SS_GRAYRECT = 0x5;
constexpr u32 SS_WHITERECT = 0x6;
constexpr u32 SS_BLACKFRAME = 0x7;
constexpr u32 SS_GRAYFRAME = 0x8;
constexpr u32 SS_WHITEFRAME = 0x9;
constexpr u32 SS_SIMPLE = 0xB;
constexpr u32 SS_LEFTNOWORDWRAP = 0xC;
constexpr u32 SS_BITMAP = 0xE;
constexpr u32 SS_TYPEMASK = 0x1F;
constexpr u32 SS_NOPREFIX = 0x80;
constexpr u32 SS_SUNKEN = 0x1000;

// Edit styles.
constexpr u32 ES_LEFT = 0x0;
constexpr u32 ES_CENTER = 0x1;
constexpr u32 ES_RIGHT = 0x2;
constexpr u32 ES_MULTILINE = 0x4;
constexpr u32 ES_UPPERCASE = 0x8;
constexpr u32 ES_LOWERCASE = 0x10;
constexpr u32 ES_AUTOVSCROLL = 0x40;
constexpr u32 ES_AUTOHSCROLL = 0x80;
constexpr u32 ES_READONLY = 0x800;
constexpr u32 ES_WANTRETURN = 0x1000;

// List-box styles.
constexpr u32 LBS_NOTIFY = 0x1;
constexpr u32 LBS_SORT = 0x2;
constexpr u32 LBS_USETABSTOPS = 0x80;
constexpr u32 LBS_NOINTEGRALHEIGHT = 0x100;
constexpr u32 LBS_STANDARD = 0x00A00003;

// Combo-box styles.
constexpr u32 CBS_SIMPLE = 0x1;
constexpr u32 CBS_DROPDOWN = 0x2;
constexpr u32 CBS_DROPDOWNLIST = 0x3;
constexpr u32 CBS_TYPEMASK = 0x3;
constexpr u32 CBS_SORT = 0x100;

// Messages of dialogs and controls.
constexpr u32 WM_GETTEXT = 0x000D;
constexpr u32 WM_GETTEXTLENGTH = 0x000E;
constexpr u32 WM_GETDLGCODE = 0x0087;
constexpr u32 WM_INITDIALOG = 0x0110;
constexpr u32 DM_GETDEFID = 0x0400;
constexpr u32 DM_SETDEFID = 0x0401;
constexpr u32 EM_SETSEL = 0x00B1;
constexpr u32 EM_LIMITTEXT = 0x00C5;
constexpr u32 BM_GETCHECK = 0x00F0;
constexpr u32 BM_SETCHECK = 0x00F1;
constexpr u32 BM_GETSTATE = 0x00F2;
constexpr u32 BM_SETSTATE = 0x00F3;
constexpr u32 BM_SETSTYLE = 0x00F4;
constexpr u32 BM_CLICK = 0x00F5;
constexpr u32 LB_ADDSTRING = 0x0180;
constexpr u32 LB_INSERTSTRING = 0x0181;
constexpr u32 LB_DELETESTRING = 0x0182;
constexpr u32 LB_RESETCONTENT = 0x0184;
constexpr u32 LB_SETCURSEL = 0x0186;
constexpr u32 LB_GETCURSEL = 0x0188;
constexpr u32 LB_GETTEXT = 0x0189;
constexpr u32 LB_GETTEXTLEN = 0x018A;
constexpr u32 LB_GETCOUNT = 0x018B;
constexpr u32 LB_GETTOPINDEX = 0x018E;
constexpr u32 LB_SETTOPINDEX = 0x0197;
constexpr u32 CB_ADDSTRING = 0x0143;
constexpr u32 CB_DELETESTRING = 0x0144;
constexpr u32 CB_GETCOUNT = 0x0146;
constexpr u32 CB_GETCURSEL = 0x0147;
constexpr u32 CB_GETLBTEXT = 0x0148;
constexpr u32 CB_GETLBTEXTLEN = 0x0149;
constexpr u32 CB_INSERTSTRING = 0x014A;
constexpr u32 CB_RESETCONTENT = 0x014B;
constexpr u32 CB_SETCURSEL = 0x014E;
constexpr u32 CB_SHOWDROPDOWN = 0x014F;
constexpr u32 CB_GETDROPPEDSTATE = 0x0157;

// What a control wants of the keyboard (WM_GETDLGCODE answers).
constexpr u32 DLGC_WANTARROWS = 0x0001;
constexpr u32 DLGC_WANTTAB = 0x0002;
constexpr u32 DLGC_WANTALLKEYS = 0x0004;
constexpr u32 DLGC_HASSETSEL = 0x0008;
constexpr u32 DLGC_DEFPUSHBUTTON = 0x0010;
constexpr u32 DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr u32 DLGC_RADIOBUTTON = 0x0040;
constexpr u32 DLGC_WANTCHARS = 0x0080;
constexpr u32 DLGC_STATIC = 0x0100;
constexpr u32 DLGC_BUTTON = 0x2000;

// Check states.
constexpr u32 BST_UNCHECKED = 0;
constexpr u32 BST_CHECKED = 1;
constexpr u32 BST_INDETERMINATE = 2;
constexpr u32 BF_UNCHECKED = BST_UNCHECKED;
constexpr u32 BF_CHECKED = BST_CHECKED;
constexpr u32 BF_GRAYED = BST_INDETERMINATE;

// Notification codes, in the high word of WM_COMMAND's first parameter.
constexpr u32 BN_CLICKED = 0;
constexpr u32 EN_SETFOCUS = 0x0100;
constexpr u32 EN_KILLFOCUS = 0x0200;
constexpr u32 EN_CHANGE = 0x0300;
constexpr u32 EN_MAXTEXT = 0x0501;
constexpr u32 LBN_SELCHANGE = 1;
constexpr u32 LBN_DBLCLK = 2;
constexpr u32 LBN_SETFOCUS = 4;
constexpr u32 LBN_KILLFOCUS = 5;
constexpr u32 CBN_SELCHANGE = 1;
constexpr u32 CBN_DBLCLK = 2;
constexpr u32 CBN_SETFOCUS = 3;
constexpr u32 CBN_KILLFOCUS = 4;
constexpr u32 CBN_DROPDOWN = 7;
constexpr u32 CBN_CLOSEUP = 8;

constexpr int LB_ERR = -1;
constexpr int CB_ERR = -1;

// Keys that dialogs and controls move with.
constexpr u32 DLG_VK_PRIOR = 0x21;
constexpr u32 DLG_VK_NEXT = 0x22;
constexpr u32 DLG_VK_END = 0x23;
constexpr u32 DLG_VK_HOME = 0x24;
constexpr u32 DLG_VK_LEFT = 0x25;
constexpr u32 DLG_VK_UP = 0x26;
constexpr u32 DLG_VK_RIGHT = 0x27;
constexpr u32 DLG_VK_DOWN = 0x28;
constexpr u32 DLG_VK_DELETE = 0x2E;
constexpr u32 DLG_VK_F4 = 0x73;
