// The gambler dialogs' templates (list, delete, create, message) and their string table.
#include "Resources.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/controls/ControlConstants.h"
#include "platform/host/MessageBox.h"

namespace {

constexpr u32 Child = WS_CHILD | WS_VISIBLE;

constexpr TStringResource GamblerStrings[] = {
    {200, "&Activate"},
    {201, "De&Activate"},
    {202, "Can't Activate Gambler at this time"},
    {203, "Can't DeActivate Gambler at this time"},
    {204, "Error - Activate Gambler"},
    {205, "The Current round in play must be completed before any gambler can be DeActivated."},
    {206, "About to delete "},
    {207, "Ooops!"},
    {208, "You must enter a name for your new gambler"},
    {209, "You have entered a name that is already being used by another gambler. Please enter a "
          "new and unique name."},
    {210, "Unknown error creating player"},
    {211, "Bets Left on the Table"},
    {212, "These bets may not be taken down until the dice decide them. Leave now and the house "
          "keeps them:"},
    {213, "Leave the table anyway?"},
};

TDialogItemTemplate Control(const char* cls, int id, const char* text, u32 style, i16 x, i16 y,
                            i16 w, i16 h) {
    return {cls, id, text, Child | style, x, y, w, h};
}

TDialogItemTemplate Button(int id, const char* text, bool isDefault, i16 x, i16 y, i16 w) {
    return Control("button", id, text, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                   x, y, w, 14);
}

// The custom-control library's gray dialogs, all in Courier at 10 points: the list's columns
// line up only in a fixed-pitch font.
TDialogTemplate Dialog(const char* caption, i16 w, i16 h) {
    TDialogTemplate t;
    t.Caption = caption;
    t.ClassName = "bordlg";
    t.Style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.FontFace = "Courier";
    t.PointSize = 10;
    t.W = w;
    t.H = h;
    return t;
}

TDialogTemplate ListTemplate() {
    TDialogTemplate t = Dialog("Create/Delete Gambler", 236, 146);
    // The headings sit over the list's columns: four dialog units to a character.
    t.Items = {
        Control("static", -1, "Active:", SS_LEFT, 9, 6, 30, 9),
        Control("static", -1, "Name:", SS_LEFT, 41, 6, 24, 9),
        Control("static", -1, "Sex:", SS_LEFT, 89, 6, 18, 9),
        Control("static", -1, "Bankroll:", SS_LEFT, 109, 6, 40, 9),
        Control("listbox", 100, "",
                LBS_NOTIFY | LBS_USETABSTOPS | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, 8,
                17, 150, 121),
        Button(200, "De&Activate", false, 166, 17, 62),
        Button(203, "&Create", false, 166, 37, 62),
        Button(204, "&Delete", false, 166, 57, 62),
        Button(205, "&Statistics", false, 166, 77, 62),
        Button(202, "&Help", false, 166, 97, 62),
        Button(201, "Do&ne", true, 166, 124, 62),
    };
    return t;
}

TDialogTemplate DeleteTemplate() {
    TDialogTemplate t = Dialog("Delete Gambler", 200, 80);
    t.Items = {
        Control("static", 203, "", SS_CENTER, 8, 8, 184, 20),
        Control("static", -1, "Are you sure?", SS_CENTER, 8, 32, 184, 10),
        Button(200, "&Delete", true, 14, 56, 50),
        Button(201, "&Cancel", false, 75, 56, 50),
        Button(202, "&Help", false, 136, 56, 50),
    };
    return t;
}

TDialogTemplate CreateTemplate() {
    TDialogTemplate t = Dialog("Create New Gambler", 200, 128);
    // Plain radio buttons: the dialog checks and unchecks them itself. The group boxes come
    // after their buttons so that the buttons lie above them and take the clicks.
    t.Items = {
        Control("static", -1, "Name of Gambler:", SS_LEFT, 8, 8, 72, 9),
        Control("edit", 200, "", WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, 84, 6, 108,
                13),
        Control("button", 202, "Male", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 16, 40, 48, 12),
        Control("button", 203, "Female", BS_RADIOBUTTON, 16, 58, 48, 12),
        Control("button", 205, "$200", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 96, 40, 60, 12),
        Control("button", 206, "$500", BS_RADIOBUTTON, 96, 58, 60, 12),
        Control("button", 207, "$2500", BS_RADIOBUTTON, 96, 76, 60, 12),
        Control("button", 201, "Sex", BS_GROUPBOX, 8, 26, 64, 52),
        Control("button", 204, "Starting Bankroll", BS_GROUPBOX, 80, 26, 112, 72),
        Button(208, "&Create", true, 14, 106, 50),
        Button(209, "Ca&ncel", false, 75, 106, 50),
        Button(210, "&Help", false, 136, 106, 50),
    };
    return t;
}

TDialogTemplate MessageTemplate() {
    TDialogTemplate t = Dialog("Info - Create Gambler", 220, 112);
    t.Items = {
        Control("static", 100, "", SS_CENTER, 8, 8, 204, 68),
        Control("BorShade", -1, "", 0, 0, 82, 220, 2),
        Control("BorBtn", IDOK, "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 90, 90, 40, 16),
    };
    return t;
}

} // namespace

void RegisterGamblerResources() {
    TResourceRegistry& registry = TResourceRegistry::Get();
    registry.AddStrings(GamblerStrings);
    registry.AddDialog(IDD_GAMBLER, ListTemplate());
    registry.AddDialog(IDD_GAMBLERDELETE, DeleteTemplate());
    registry.AddDialog(IDD_GAMBLERCREATE, CreateTemplate());
    registry.AddDialog(IDD_GAMBLERMSG, MessageTemplate());
}
