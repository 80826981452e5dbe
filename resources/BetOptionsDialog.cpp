// The craps betting-options dialog's template: buy or place for each pair of box numbers and
// the bets that work on come-out rolls.
#include "Resources.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/controls/ControlConstants.h"
#include "platform/host/MessageBox.h"

namespace {

constexpr u32 Child = WS_CHILD | WS_VISIBLE;

TDialogItemTemplate Control(const char* cls, int id, const char* text, u32 style, i16 x, i16 y,
                            i16 w, i16 h) {
    return {cls, id, text, Child | style, x, y, w, h};
}

TDialogTemplate BetOptionsTemplate() {
    TDialogTemplate t;
    t.Caption = "Craps Betting Options";
    t.ClassName = "bordlg";
    t.Style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.FontFace = "MS Sans Serif";
    t.PointSize = 8;
    t.W = 257;
    t.H = 186;
    // Plain radio buttons: the dialog keeps each pair exclusive itself. The group boxes come
    // after their buttons so that the buttons lie above them and take the clicks.
    t.Items = {
        Control("button", 105, "Buy", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 18, 26, 28, 12),
        Control("button", 106, "Place", BS_RADIOBUTTON, 52, 26, 33, 12),
        Control("button", 108, "Buy", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 17, 71, 28, 12),
        Control("button", 109, "Place", BS_RADIOBUTTON, 51, 71, 33, 12),
        Control("button", 111, "Buy", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 17, 116, 28, 12),
        Control("button", 112, "Place", BS_RADIOBUTTON, 51, 116, 33, 12),
        Control("button", 114, "Come Bet Free Odds", WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 116,
                33, 103, 15),
        Control("button", 115, "Don't Come Bet Free Odds", WS_TABSTOP | BS_AUTOCHECKBOX, 116, 61,
                103, 15),
        Control("button", 116, "Buy and Place Bets", WS_TABSTOP | BS_AUTOCHECKBOX, 116, 87, 103,
                15),
        Control("button", 117, "Hardway Bets", WS_TABSTOP | BS_AUTOCHECKBOX, 116, 114, 103, 15),
        Control("button", 104, "Bets on 4 and 10", BS_GROUPBOX, 9, 11, 85, 32),
        Control("button", 107, "Bets on 5 and 9", BS_GROUPBOX, 9, 56, 85, 32),
        Control("button", 110, "Bets on 6 and 8", BS_GROUPBOX, 9, 101, 85, 32),
        Control("button", 113, "Bets Working on Come Out Rolls", BS_GROUPBOX, 105, 9, 130, 127),
        Control("BorShade", -1, "", 0, 3, 145, 253, 2),
        Control("button", 101, "&Reset to Defaults", WS_TABSTOP | BS_PUSHBUTTON, 8, 154, 70, 20),
        Control("button", 102, "&Cancel Changes", WS_TABSTOP | BS_PUSHBUTTON, 94, 154, 70, 20),
        Control("button", 103, "&Accept Changes", WS_TABSTOP | BS_DEFPUSHBUTTON, 180, 154, 70, 20),
    };
    return t;
}

} // namespace

void RegisterBetOptionsResources() {
    TResourceRegistry::Get().AddDialog(IDD_BETOPTIONS, BetOptionsTemplate());
}
