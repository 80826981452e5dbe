// Test support for the gambler dialogs: a manager on a real save file with the casino's
// default gambler, a mode window that can refuse changes of gamblers, and a headless screen
// with the program's resources on which scripted input drives the dialogs.
#pragma once

#include "engine/framework/PlayerMgrFakes.h"

#include "resources/Resources.h"

#include "support/QuietModeWindow.h"

#include "casino/GamblerMsgDlg.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ListBox.h"
#include "platform/framework/controls/Static.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/headless/HeadlessBackend.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Scripted input on the gambler dialogs, for any test that has a headless screen.
inline void ClickCentre(THeadlessBackend& backend, HWND w) {
    const TRect r = TDesktop::Get().ScreenClientRect(w);
    backend.Click(r.TopLeft().Offset(r.Width() / 2, r.Height() / 2));
}
inline TListBox* GamblerListOf(TDialog* dialog) {
    return dynamic_cast<TListBox*>(dialog->GetDlgItem(100));
}
inline void ClickListRow(THeadlessBackend& backend, TDialog* dialog, int row, int clicks = 1) {
    TListBox* list = GamblerListOf(dialog);
    const TRect r = TDesktop::Get().ScreenClientRect(list);
    const i32 h = list->GetItemHeight();
    const TPoint p = r.TopLeft().Offset(r.Width() / 3, 2 + h * (row - list->GetTopIndex()) + h / 2);
    for (int i = 0; i < clicks; ++i)
        backend.Click(p);
}
// The message dialog on screen: its caption and text, "" when none is open; answered with its
// button when there is one.
inline std::string AnswerGamblerMessage() {
    for (HWND w : TDesktop::Get().GetTopLevelWindows())
        if (auto* message = dynamic_cast<TGamblerMsgDlg*>(w)) {
            auto* text = dynamic_cast<TStatic*>(message->GetDlgItem(100));
            const std::string shown =
                message->GetCaption() + ": " + (text != nullptr ? text->GetText() : "<none>");
            message->SendMessage(WM_COMMAND, IDOK, 0);
            return shown;
        }
    return "";
}

// Runs each step `gap` ms after the one before, from whatever loop is running by then (the
// next is due before a step opens a dialog of its own).
inline void StepFrom(THeadlessBackend& backend,
                     std::shared_ptr<std::vector<std::function<void()>>> steps, size_t i, u64 gap) {
    if (i < steps->size())
        backend.After(gap, [&backend, steps, i, gap] {
            StepFrom(backend, steps, i + 1, gap);
            (*steps)[i]();
        });
}
inline void RunSteps(THeadlessBackend& backend, std::vector<std::function<void()>> steps, u64 gap) {
    StepFrom(backend, std::make_shared<std::vector<std::function<void()>>>(std::move(steps)), 0,
             gap);
}

// The casino manager's default gambler, as the dialogs rely on it: "Joe Gambler", male, $500,
// made when absent and seated by SetupDefaultGambler.
class TGamblerTestMgr : public TPlayerMgr {
public:
    TGamblerTestMgr(TPlayerMgrOwner* owner) : TPlayerMgr(owner, "c:\\data\\", 3, 20) {
        DefaultName = "Joe Gambler";
    }
    void CreateDefaultGambler() override {
        if (FindPlayer(DefaultName) < 0)
            CreatePlayer(DefaultName, 1, 500.0);
    }
    void SetupDefaultGambler() override {
        CreateDefaultGambler();
        ActivatePlayer(FindPlayer(DefaultName), 0);
    }
    void ShowStatsDialog(i16 record, TWindow* parent) override {
        StatsShown.push_back(record);
        StatsParents.push_back(parent);
    }

    std::vector<i16> StatsShown;
    std::vector<TWindow*> StatsParents;
};

// A mode window whose game lord allows or refuses a change of gamblers (a round in play).
class TRoundWindow : public TQuietModeWindow {
public:
    bool CanChangePlayers() override { return Allow; }

    bool Allow = true;
};

class GamblerFixture : public SaveFolder {
protected:
    GamblerFixture() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        Frame.Window = &Round;
        Mgr.SetSaveFileHost(&Host);
        EXPECT_TRUE(Mgr.LoadSaveFile());
    }
    ~GamblerFixture() override { TResourceRegistry::Get().Clear(); }

    THeadlessBackend& Backend() { return Session.Backend(); }
    // Runs the action once the modal loop about to start has waited that long.
    void During(u64 delayMs, std::function<void()> action) {
        Backend().After(delayMs, std::move(action));
    }
    void ClickIn(HWND w) { ClickCentre(Backend(), w); }
    // The open dialog of that caption, or null.
    static TDialog* Open(const char* caption) {
        return dynamic_cast<TDialog*>(TDesktop::Get().FindWindow(nullptr, caption));
    }
    static std::string StaticText(TDialog* dialog, int id) {
        auto* s = dynamic_cast<TStatic*>(dialog->GetDlgItem(id));
        return s != nullptr ? s->GetText() : "<none>";
    }
    // Gamblers made in record order; the ones marked are seated.
    void Make(std::initializer_list<std::pair<const char*, bool>> gamblers) {
        for (const auto& [name, seated] : gamblers) {
            ASSERT_TRUE(Mgr.CreatePlayer(name, 1, 100.0)) << name;
            if (seated) {
                ASSERT_TRUE(Mgr.ActivatePlayer(Mgr.FindPlayer(name), 0)) << name;
            }
        }
    }

    static std::string AnswerMessage() { return AnswerGamblerMessage(); }
    void ClickRow(TDialog* dialog, int row, int clicks = 1) {
        ClickListRow(Backend(), dialog, row, clicks);
    }
    static TButton* ButtonOf(TDialog* dialog, int id) {
        return dynamic_cast<TButton*>(dialog->GetDlgItem(id));
    }
    static TListBox* ListOf(TDialog* dialog) { return GamblerListOf(dialog); }

    THeadlessSession Session{TSize{800, 600}};
    TApplication App{"otcraps"};
    TRoundWindow Round;
    TGamblerTestMgr Mgr{&Frame};
};
