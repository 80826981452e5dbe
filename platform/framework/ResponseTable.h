// Response tables: each window class lists the messages, commands and command enablers it
// handles; a class's table is searched first, then its base's.
//
//   DECLARE_RESPONSE_TABLE(TMyWindow);              // in the class
//   DEFINE_RESPONSE_TABLE1(TMyWindow, TWindow)      // in the .cpp
//     EV_WM_TIMER,
//     EV_COMMAND(125, CmHelp),
//     EV_COMMAND_ENABLE(200, CePlayerMgr),
//   END_RESPONSE_TABLE;
#pragma once

#include "WinTypes.h"

class TCommandEnabler;
class TDC;

using TDispatchFn = LRESULT (*)(TWindow&, WPARAM, LPARAM);
using TEnableFn = void (*)(TWindow&, TCommandEnabler&);

struct TResponseEntry {
    u32 Msg;
    // The command id for WM_COMMAND and WM_COMMAND_ENABLE entries; 0 otherwise.
    u32 Id;
    TDispatchFn Dispatch;
    TEnableFn Enable;
};

// Searches one class's entries, which end with an entry whose Msg is 0.
inline const TResponseEntry* SearchResponseEntries(const TResponseEntry* entries, u32 msg, u32 id) {
    for (const TResponseEntry* e = entries; e->Msg != 0; ++e)
        if (e->Msg == msg && e->Id == id)
            return e;
    return nullptr;
}

#define DECLARE_RESPONSE_TABLE(cls)                                                                \
public:                                                                                            \
    const TResponseEntry* Find(u32 msg, u32 id) const override;                                    \
                                                                                                   \
private:                                                                                           \
    using TThisClass = cls;                                                                        \
    static const TResponseEntry ResponseEntries[]

#define DEFINE_RESPONSE_TABLE1(cls, base)                                                          \
    const TResponseEntry* cls::Find(u32 msg, u32 id) const {                                       \
        if (const TResponseEntry* e = SearchResponseEntries(ResponseEntries, msg, id))             \
            return e;                                                                              \
        return base::Find(msg, id);                                                                \
    }                                                                                              \
    const TResponseEntry cls::ResponseEntries[] = {

#define END_RESPONSE_TABLE                                                                         \
    TResponseEntry {                                                                               \
        0, 0, nullptr, nullptr                                                                     \
    }                                                                                              \
    }

// The crackers: each entry unpacks the parameters into the handler's own types.
#define OTC_EV_ENTRY(msg, body)                                                                    \
    TResponseEntry {                                                                               \
        msg, 0,                                                                                    \
            [](TWindow& w_, [[maybe_unused]] WPARAM wp_, [[maybe_unused]] LPARAM lp_) -> LRESULT { \
                [[maybe_unused]] TThisClass& self_ = static_cast<TThisClass&>(w_);                 \
                body                                                                               \
            },                                                                                     \
            nullptr                                                                                \
    }

#define OTC_EV_MOUSE(msg, method)                                                                  \
    OTC_EV_ENTRY(msg, self_.method(static_cast<u32>(wp_), LParamToPoint(lp_)); return 0;)

#define EV_MESSAGE(msg, method) OTC_EV_ENTRY(msg, return self_.method(wp_, lp_);)
#define EV_COMMAND(id, method)                                                                     \
    TResponseEntry {                                                                               \
        WM_COMMAND, id,                                                                            \
            [](TWindow& w_, WPARAM, LPARAM) -> LRESULT {                                           \
                static_cast<TThisClass&>(w_).method();                                             \
                return 0;                                                                          \
            },                                                                                     \
            nullptr                                                                                \
    }
#define EV_COMMAND_ENABLE(id, method)                                                              \
    TResponseEntry {                                                                               \
        WM_COMMAND_ENABLE, id, nullptr,                                                            \
            [](TWindow& w_, TCommandEnabler& ce_) { static_cast<TThisClass&>(w_).method(ce_); }    \
    }

#define EV_WM_TIMER OTC_EV_ENTRY(WM_TIMER, self_.EvTimer(static_cast<u32>(wp_)); return 0;)
#define EV_WM_LBUTTONDOWN OTC_EV_MOUSE(WM_LBUTTONDOWN, EvLButtonDown)
#define EV_WM_LBUTTONUP OTC_EV_MOUSE(WM_LBUTTONUP, EvLButtonUp)
#define EV_WM_LBUTTONDBLCLK OTC_EV_MOUSE(WM_LBUTTONDBLCLK, EvLButtonDblClk)
#define EV_WM_RBUTTONDOWN OTC_EV_MOUSE(WM_RBUTTONDOWN, EvRButtonDown)
#define EV_WM_RBUTTONUP OTC_EV_MOUSE(WM_RBUTTONUP, EvRButtonUp)
#define EV_WM_RBUTTONDBLCLK OTC_EV_MOUSE(WM_RBUTTONDBLCLK, EvRButtonDblClk)
#define EV_WM_MOUSEMOVE OTC_EV_MOUSE(WM_MOUSEMOVE, EvMouseMove)
#define EV_WM_CHAR                                                                                 \
    OTC_EV_ENTRY(WM_CHAR,                                                                          \
                 self_.EvChar(static_cast<u32>(wp_), LOWORD(static_cast<std::uintptr_t>(lp_)),     \
                              HIWORD(static_cast<std::uintptr_t>(lp_)));                           \
                 return 0;)
#define EV_WM_KEYDOWN                                                                              \
    OTC_EV_ENTRY(WM_KEYDOWN,                                                                       \
                 self_.EvKeyDown(static_cast<u32>(wp_), LOWORD(static_cast<std::uintptr_t>(lp_)),  \
                                 HIWORD(static_cast<std::uintptr_t>(lp_)));                        \
                 return 0;)
#define EV_WM_SETCURSOR                                                                            \
    OTC_EV_ENTRY(                                                                                  \
        WM_SETCURSOR,                                                                              \
        return self_.EvSetCursor(ParamToHwnd(wp_),                                                 \
                                 static_cast<i16>(LOWORD(static_cast<std::uintptr_t>(lp_))),       \
                                 HIWORD(static_cast<std::uintptr_t>(lp_)))                         \
                   ? 1                                                                             \
                   : 0;)
#define EV_WM_ERASEBKGND                                                                           \
    OTC_EV_ENTRY(WM_ERASEBKGND, return self_.EvEraseBkgnd(reinterpret_cast<TDC*>(wp_)) ? 1 : 0;)
#define EV_WM_PAINT OTC_EV_ENTRY(WM_PAINT, self_.EvPaint(); return 0;)
#define EV_WM_CLOSE OTC_EV_ENTRY(WM_CLOSE, self_.EvClose(); return 0;)
#define EV_WM_SETFOCUS OTC_EV_ENTRY(WM_SETFOCUS, self_.EvSetFocus(ParamToHwnd(wp_)); return 0;)
#define EV_WM_KILLFOCUS OTC_EV_ENTRY(WM_KILLFOCUS, self_.EvKillFocus(ParamToHwnd(wp_)); return 0;)
#define EV_WM_ACTIVATE                                                                             \
    OTC_EV_ENTRY(WM_ACTIVATE, self_.EvActivate(LOWORD(wp_), HIWORD(wp_) != 0,                      \
                                               ParamToHwnd(static_cast<std::uintptr_t>(lp_)));     \
                 return 0;)
#define EV_WM_ACTIVATEAPP                                                                          \
    OTC_EV_ENTRY(WM_ACTIVATEAPP, self_.EvActivateApp(wp_ != 0, static_cast<u32>(lp_)); return 0;)
#define EV_WM_SIZE                                                                                 \
    OTC_EV_ENTRY(WM_SIZE, self_.EvSize(static_cast<u32>(wp_),                                      \
                                       TSize(LOWORD(static_cast<std::uintptr_t>(lp_)),             \
                                             HIWORD(static_cast<std::uintptr_t>(lp_))));           \
                 return 0;)
#define EV_WM_GETMINMAXINFO                                                                        \
    OTC_EV_ENTRY(WM_GETMINMAXINFO, self_.EvGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lp_));     \
                 return 0;)
#define EV_WM_ENTERMENULOOP                                                                        \
    OTC_EV_ENTRY(WM_ENTERMENULOOP, self_.EvEnterMenuLoop(wp_ != 0); return 0;)
#define EV_WM_EXITMENULOOP OTC_EV_ENTRY(WM_EXITMENULOOP, self_.EvExitMenuLoop(wp_ != 0); return 0;)
#define EV_WM_INITMENUPOPUP                                                                        \
    OTC_EV_ENTRY(WM_INITMENUPOPUP,                                                                 \
                 self_.EvInitMenuPopup(reinterpret_cast<HMENU>(wp_),                               \
                                       LOWORD(static_cast<std::uintptr_t>(lp_)),                   \
                                       HIWORD(static_cast<std::uintptr_t>(lp_)) != 0);             \
                 return 0;)
#define EV_WM_QUERYNEWPALETTE                                                                      \
    OTC_EV_ENTRY(WM_QUERYNEWPALETTE, return self_.EvQueryNewPalette() ? 1 : 0;)
#define EV_WM_PALETTECHANGED                                                                       \
    OTC_EV_ENTRY(WM_PALETTECHANGED, self_.EvPaletteChanged(ParamToHwnd(wp_)); return 0;)
#define EV_WM_COMPACTING                                                                           \
    OTC_EV_ENTRY(WM_COMPACTING, self_.EvCompacting(static_cast<u32>(wp_)); return 0;)
#define EV_WM_TIMECHANGE OTC_EV_ENTRY(WM_TIMECHANGE, self_.EvTimeChange(); return 0;)
#define EV_WM_SHOWWINDOW                                                                           \
    OTC_EV_ENTRY(WM_SHOWWINDOW, self_.EvShowWindow(wp_ != 0, static_cast<u32>(lp_)); return 0;)
