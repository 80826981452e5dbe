// Test support: a headless desktop with an application, test dialog templates, and a dialog
// that records the commands, notifications and CanClose questions it gets.
#pragma once

#include "MessageLog.h"

#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/Gauge.h"
#include "platform/framework/controls/ListBox.h"
#include "platform/framework/controls/Static.h"
#include "platform/framework/dialogs/Dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

constexpr u32 TestKeyDown = 0x28;
constexpr u32 TestKeyUp = 0x26;
constexpr u32 TestKeyF4 = 0x73;

inline TDialogItemTemplate Item(const char* cls, int id, const char* text, u32 style, i16 x, i16 y,
                                i16 w, i16 h) {
    return {cls, id, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h};
}

// A small form: an edit, a push button, a check box, a label, OK (default) and Cancel.
inline TDialogTemplate FormTemplate() {
    TDialogTemplate t;
    t.Caption = "Form";
    t.ClassName = "bordlg";
    t.Style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
    t.FontFace = "MS Sans Serif";
    t.PointSize = 8;
    t.X = 20;
    t.Y = 20;
    t.W = 180;
    t.H = 90;
    t.Items = {
        Item("static", -1, "&Name:", SS_LEFT, 8, 10, 30, 10),
        Item("edit", 200, "", WS_TABSTOP | WS_BORDER | ES_LEFT, 40, 8, 80, 12),
        Item("BorBtn", 101, "&Reset", WS_TABSTOP, 126, 8, 46, 14),
        Item("button", 102, "&Hardway", WS_TABSTOP | BS_AUTOCHECKBOX, 8, 30, 80, 12),
        Item("BorBtn", IDOK, "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 70, 68, 46, 14),
        Item("BorBtn", IDCANCEL, "Cancel", WS_TABSTOP, 126, 68, 46, 14),
    };
    return t;
}

class TRecordingDialog : public TDialog {
public:
    using TDialog::TDialog;

    std::vector<std::string> Seen;
    int CanCloseCalls = 0;
    bool AllowClose = true;

    bool CanClose() override {
        ++CanCloseCalls;
        Seen.push_back("canclose");
        return AllowClose && TDialog::CanClose();
    }
    void CmReset() { Seen.push_back("reset"); }
    void CmHardway() { Seen.push_back("hardway"); }
    void EvListSel() { Seen.push_back("list selchange"); }
    void EvListDbl() { Seen.push_back("list dblclk"); }
    void EvComboSel() { Seen.push_back("combo selchange"); }
    void EvEditChange() { Seen.push_back("edit change"); }

    DECLARE_RESPONSE_TABLE(TRecordingDialog);
};

// Its response table is in DialogTest.cpp.

class DialogFixture : public ::testing::Test {
protected:
    THeadlessBackend& Backend() { return Fx.Backend(); }
    // Runs what is waiting (the keys typed so far).
    void Pump() { App.PumpWaitingMessages(); }
    void Key(u32 vk, u32 ch = 0) {
        Backend().Key(vk, ch);
        Pump();
    }
    void Type(char c) {
        Backend().Type(c);
        Pump();
    }
    // A point of a control's client area on the desktop.
    TPoint At(HWND w, i32 x, i32 y) { return TDesktop::Get().ClientToScreen(w, {x, y}); }
    TPoint Centre(HWND w) {
        const TRect r = w->GetClientRect();
        return At(w, r.Width() / 2, r.Height() / 2);
    }
    void Click(TPoint p) {
        Backend().Click(p);
        Pump();
    }
    HWND Focus() const { return TDesktop::Get().GetFocus(); }

    TDesktopFixture Fx;
    TApplication App{"test"};
};
