// Test support: a headless desktop with a log of the messages windows receive, written as
// "window MESSAGE args" lines to compare with expected tables.
#pragma once

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/framework/window/FrameWindow.h"
#include "platform/headless/HeadlessBackend.h"

#include <map>
#include <set>
#include <string>
#include <vector>

inline std::string MessageName(u32 msg) {
    static const std::map<u32, const char*> names = {
        {WM_CREATE, "CREATE"},
        {WM_DESTROY, "DESTROY"},
        {WM_MOVE, "MOVE"},
        {WM_SIZE, "SIZE"},
        {WM_ACTIVATE, "ACTIVATE"},
        {WM_SETFOCUS, "SETFOCUS"},
        {WM_KILLFOCUS, "KILLFOCUS"},
        {WM_ENABLE, "ENABLE"},
        {WM_PAINT, "PAINT"},
        {WM_CLOSE, "CLOSE"},
        {WM_ERASEBKGND, "ERASEBKGND"},
        {WM_SHOWWINDOW, "SHOWWINDOW"},
        {WM_ACTIVATEAPP, "ACTIVATEAPP"},
        {WM_SETCURSOR, "SETCURSOR"},
        {WM_GETMINMAXINFO, "GETMINMAXINFO"},
        {WM_KEYDOWN, "KEYDOWN"},
        {WM_KEYUP, "KEYUP"},
        {WM_CHAR, "CHAR"},
        {WM_COMMAND, "COMMAND"},
        {WM_TIMER, "TIMER"},
        {WM_INITMENUPOPUP, "INITMENUPOPUP"},
        {WM_MOUSEMOVE, "MOUSEMOVE"},
        {WM_LBUTTONDOWN, "LBUTTONDOWN"},
        {WM_LBUTTONUP, "LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "RBUTTONDOWN"},
        {WM_RBUTTONUP, "RBUTTONUP"},
        {WM_ENTERMENULOOP, "ENTERMENULOOP"},
        {WM_EXITMENULOOP, "EXITMENULOOP"},
        {WM_QUERYNEWPALETTE, "QUERYNEWPALETTE"},
        {WM_USER, "USER"},
    };
    const auto it = names.find(msg);
    return it != names.end() ? it->second : "MSG" + std::to_string(msg);
}

// A headless desktop with an application, a clean resource registry and a message log.
class TDesktopFixture {
public:
    TDesktopFixture() {
        TResourceRegistry::Get().Clear();
        TDesktop::Get().SetMessageHook(
            [this](HWND w, u32 msg, WPARAM wp, LPARAM lp) { Record(w, msg, wp, lp); });
    }
    ~TDesktopFixture() { TResourceRegistry::Get().Clear(); }

    // Names the windows whose messages are logged.
    void Name(HWND w, const std::string& name) { Names[w] = name; }
    void Name(TWindow& w, const std::string& name) { Names[&w] = name; }
    // Only these messages are logged from now on; empty logs them all.
    void Only(std::set<u32> messages) {
        Filter = std::move(messages);
        Log.clear();
    }
    std::vector<std::string> Take() {
        std::vector<std::string> out;
        out.swap(Log);
        return out;
    }

    THeadlessBackend& Backend() { return Session.Backend(); }
    TDesktop& Desktop() { return TDesktop::Get(); }

private:
    void Record(HWND w, u32 msg, WPARAM wp, LPARAM lp) {
        const auto name = Names.find(w);
        if (name == Names.end() || (!Filter.empty() && Filter.count(msg) == 0))
            return;
        std::string line = name->second + " " + MessageName(msg);
        switch (msg) {
        case WM_ACTIVATE:
        case WM_ACTIVATEAPP:
        case WM_SHOWWINDOW:
        case WM_TIMER:
        case WM_ENABLE:
        case WM_SIZE:
            line += ' ';
            line += std::to_string(LOWORD(wp));
            break;
        case WM_COMMAND:
            line += ' ';
            line += std::to_string(LOWORD(wp));
            break;
        case WM_CHAR:
        case WM_KEYDOWN:
            line += ' ';
            line += std::to_string(wp);
            line += " x";
            line += std::to_string(LOWORD(static_cast<std::uintptr_t>(lp)));
            break;
        case WM_SETCURSOR:
            line += ' ';
            line += std::to_string(static_cast<i16>(LOWORD(static_cast<std::uintptr_t>(lp))));
            line += ' ';
            line += MessageName(HIWORD(static_cast<std::uintptr_t>(lp)));
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MOUSEMOVE: {
            const TPoint p = LParamToPoint(lp);
            line += ' ';
            line += std::to_string(p.x);
            line += ',';
            line += std::to_string(p.y);
            break;
        }
        default:
            break;
        }
        Log.push_back(line);
    }

    THeadlessSession Session;
    std::map<HWND, std::string> Names;
    std::set<u32> Filter;
    std::vector<std::string> Log;
};
