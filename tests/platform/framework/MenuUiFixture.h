// Test support: a frame with a four-item menu bar on a headless desktop, and helpers that
// click bar and pop-up items and type keys.
#pragma once

#include "FrameFixture.h"
#include "MessageLog.h"
#include "TestWindows.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/chrome/Chrome.h"
#include "platform/framework/menus/Menu.h"
#include "platform/framework/menus/MenuUi.h"

#include <gtest/gtest.h>

constexpr u32 KeyLeft = 0x25;
constexpr u32 KeyUp = 0x26;
constexpr u32 KeyRight = 0x27;
constexpr u32 KeyDown = 0x28;
constexpr u32 KeyF10 = 0x79;

// File: Exit (greyed by the frame's enabler). Options: Sound (checked by the frame's
// enabler), a separator, Speed Control (the client's), an item nobody handles (greyed).
// Help: Contents (the client's help command). Go: a bar item that is a command itself.
inline TMenuTemplate TestMenuBar() {
    TMenuTemplate menu;
    menu.Items.push_back({"&File", 0, MF_POPUP, {{"E&xit Game", 201, 0, {}}}});
    menu.Items.push_back({"&Options",
                          0,
                          MF_POPUP,
                          {{"&Sound", 1010, 0, {}},
                           {"", 0, MF_SEPARATOR, {}},
                           {"Speed &Control", 126, 0, {}},
                           {"Nobody's Item\tF9", 999, 0, {}}}});
    menu.Items.push_back({"&Help", 0, MF_POPUP, {{"&Contents", 125, 0, {}}}});
    menu.Items.push_back({"&Go", 123, 0, {}});
    return menu;
}

class MenuUiFixture : public FrameFixture {
public:
    // Input helpers, public so that tables of key sequences can call them.
    void SetUp() override {
        TResourceRegistry::Get().AddMenu(5, TestMenuBar());
        MakeFrame({.Menu = 5});
    }
    void TearDown() override { TMenuUi::Get().Cancel(); }

public:
    TPoint BarItem(int index) {
        const std::vector<TRect> rects = ChromeLayout::MenuBarItemRects(Frame);
        const TRect r = rects.at(static_cast<size_t>(index));
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    TPoint PopupItem(int index) {
        TPopupMenuWindow* popup = TMenuUi::Get().GetPopup();
        EXPECT_NE(popup, nullptr);
        if (popup == nullptr)
            return {};
        const TRect r = popup->ItemRects().at(static_cast<size_t>(index));
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Click(TPoint p) {
        Fx.Backend().Click(p);
        App.PumpWaitingMessages();
    }
    void Press(u32 vk, u32 ch = 0) {
        Fx.Backend().Key(vk, ch);
        App.PumpWaitingMessages();
    }
    void AltKey(u32 vk) {
        Fx.Backend().SetModifiers(false, false, true);
        Fx.Backend().Key(vk);
        Fx.Backend().SetModifiers(false, false, false);
        App.PumpWaitingMessages();
    }
    // Alt pressed and released on its own.
    void AltTap() {
        Fx.Backend().SetModifiers(false, false, true);
        Fx.Backend().Key(VK_MENU);
        Fx.Backend().SetModifiers(false, false, false);
        App.PumpWaitingMessages();
    }
    int OpenPopupBarIndex() {
        TPopupMenuWindow* popup = TMenuUi::Get().GetPopup();
        if (popup == nullptr)
            return -1;
        HMENU bar = Frame->GetMenu();
        for (int i = 0; i < GetMenuItemCount(bar); ++i)
            if (GetSubMenu(bar, i) == popup->GetMenu())
                return i;
        return -1;
    }
};
