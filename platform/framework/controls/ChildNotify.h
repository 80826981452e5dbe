// Response-table entries for child notifications: a control's WM_COMMAND with a notification
// code, handled by the parent for that control id and code.
//
//   EV_LBN_SELCHANGE(100, EvListSelChange),
//   EV_CHILD_NOTIFY(115, CBN_SELCHANGE, EvGamblerChange),
#pragma once

#include "ControlConstants.h"
#include "platform/framework/ResponseTable.h"

// The framework's own message under which notification entries are filed; the entry's id
// holds the control id in its low word and the code in its high word.
constexpr u32 WM_CHILD_NOTIFY = 0x7F01;

constexpr u32 ChildNotifyKey(u32 id, u32 code) {
    return (id & 0xFFFF) | ((code & 0xFFFF) << 16);
}

#define EV_CHILD_NOTIFY(id, code, method)                                                          \
    TResponseEntry {                                                                               \
        WM_CHILD_NOTIFY, ChildNotifyKey(id, code),                                                 \
            [](TWindow& w_, WPARAM, LPARAM) -> LRESULT {                                           \
                static_cast<TThisClass&>(w_).method();                                             \
                return 0;                                                                          \
            },                                                                                     \
            nullptr                                                                                \
    }

#define EV_BN_CLICKED(id, method) EV_CHILD_NOTIFY(id, BN_CLICKED, method)
#define EV_LBN_SELCHANGE(id, method) EV_CHILD_NOTIFY(id, LBN_SELCHANGE, method)
#define EV_LBN_DBLCLK(id, method) EV_CHILD_NOTIFY(id, LBN_DBLCLK, method)
#define EV_LBN_SETFOCUS(id, method) EV_CHILD_NOTIFY(id, LBN_SETFOCUS, method)
#define EV_LBN_KILLFOCUS(id, method) EV_CHILD_NOTIFY(id, LBN_KILLFOCUS, method)
#define EV_CBN_SELCHANGE(id, method) EV_CHILD_NOTIFY(id, CBN_SELCHANGE, method)
#define EV_EN_CHANGE(id, method) EV_CHILD_NOTIFY(id, EN_CHANGE, method)
