// Test support: a frame with a client window, both recording what reaches their handlers.
#pragma once

#include "platform/framework/menus/CommandEnabler.h"
#include "platform/framework/window/FrameWindow.h"

#include <string>
#include <vector>

class TTestClient : public TWindow {
public:
    TTestClient() : TWindow(nullptr, "Client") {
        Attr.X = 0;
        Attr.Y = 0;
        Attr.W = 640;
        Attr.H = 480;
    }

    std::vector<std::string> Seen;
    std::vector<u32> TimerIds;
    int Helps = 0;
    bool SpeedEnabled = true;
    bool EraseAnswer = true;
    bool PaintErase = false;
    TRect PaintRect;
    int Paints = 0;

    void EvTimer(u32 id) { TimerIds.push_back(id); }
    void EvChar(u32 key, u32 repeat, u32) {
        Seen.push_back("char " + std::to_string(key) + " x" + std::to_string(repeat));
    }
    void EvLButtonDown(u32 keys, const TPoint& p) {
        Seen.push_back("ldown " + std::to_string(p.x) + "," + std::to_string(p.y) + " k" +
                       std::to_string(keys));
    }
    void EvLButtonUp(u32, const TPoint& p) {
        Seen.push_back("lup " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    bool EvEraseBkgnd(TDC*) { return EraseAnswer; }
    void Paint(TDC&, bool erase, TRect& rect) override {
        ++Paints;
        PaintErase = erase;
        PaintRect = rect;
    }
    void CmHelp() { ++Helps; }
    void CmSpeed() { Seen.push_back("speed"); }
    void CeSpeed(TCommandEnabler& ce) { ce.Enable(SpeedEnabled); }

    DECLARE_RESPONSE_TABLE(TTestClient);
};

class TTestFrame : public TFrameWindow {
public:
    // A frame placed for a 640 x 480 client on the 800 x 600 desktop, with caption.
    explicit TTestFrame(const char* title = "Test Frame")
        : TFrameWindow(nullptr, title, nullptr, true) {
        Attr.Style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
        Attr.X = 77;
        Attr.Y = 19;
        Attr.W = 646;
        Attr.H = 524;
    }

    std::vector<std::string> Seen;
    bool SoundChecked = false;
    int Escapes = 0;

    void CmEscape() { ++Escapes; }
    void CmExit() { Seen.push_back("exit"); }
    void CmSpeed() { Seen.push_back("frame speed"); }
    void CmSound() { Seen.push_back("sound"); }
    // Sets the check mark only: whether the item is enabled is left to the framework.
    void CeSound(TCommandEnabler& ce) { ce.SetCheck(SoundChecked ? 1 : 0); }
    void CeExit(TCommandEnabler& ce) { ce.Enable(false); }

    DECLARE_RESPONSE_TABLE(TTestFrame);
};
