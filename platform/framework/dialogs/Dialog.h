// TDialog: a window built from a dialog template, run modally (Execute) or modelessly
// (Create), with the dialog keyboard (Tab, arrows, Enter, Esc, F1, mnemonics) and child
// notifications.
#pragma once

#include "DialogTemplate.h"
#include "DialogUnits.h"
#include "platform/framework/controls/ChildNotify.h"
#include "platform/framework/window/Window.h"

#include <memory>
#include <vector>

class TControl;
class TFont;

enum TTransferDirection { tdGetData, tdSetData, tdSizeData };

class TDialog : public TWindow {
public:
    // The template is looked up in the resources when the window is created.
    TDialog(TWindow* parent, u32 resId, TModule* module = nullptr);
    // A template made at run time (message boxes, tests); copied.
    TDialog(TWindow* parent, const TDialogTemplate& dialogTemplate, TModule* module = nullptr);
    ~TDialog() override;

    // Makes the window and its controls; false when the template does not exist.
    bool Create() override;
    // Runs the dialog task-modally and returns the value that ended it; -1 when the
    // window cannot be made or the program quits meanwhile.
    virtual int Execute();
    // Closes when CanClose agrees, after taking the data from the controls.
    void CloseWindow(int retVal = IDCANCEL) override;
    // Ends the dialog with the value (and the modal run with it) at once.
    void Destroy(int retVal = IDCANCEL) override;
    void SetupWindow() override;
    bool PreProcessMsg(MSG& msg) override;
    void GetWindowClass(WNDCLASS& wndClass) override;
    LRESULT EvCommand(u32 id, HWND hWndCtl, u32 notifyCode) override;
    // Copies between the controls and a transfer buffer. Without a buffer (the program
    // keeps its values in the controls themselves) nothing is copied.
    virtual void TransferData(TTransferDirection direction);

    void CmOk();
    void CmCancel();
    void EvClose();
    void EvSetFocus(HWND hWndLostFocus);

    u32 GetResId() const { return ResId; }
    // The template in use; null before Create when it comes from a missing resource.
    const TDialogTemplate* GetTemplate() const;
    bool IsModal() const { return ModalRun != TModalRun::None; }
    HWND GetDlgItem(int id) const;
    LRESULT SendDlgItemMessage(int id, u32 msg, WPARAM wp = 0, LPARAM lp = 0);
    // The id of the default push button (IDOK when there is none).
    u32 GetDefaultId() const;
    void SetDefaultId(u32 id);
    // Measures of the template's font, and a rectangle in dialog units as pixels.
    TDialogBaseUnits GetBaseUnits() const { return BaseUnits; }
    TRect MapDialogRect(const TRect& dialogUnits) const;
    // The font the controls draw with.
    const TFont* GetDialogFont() const { return Font.get(); }
    // Moves the focus to a control as the keyboard does (an edit's text is selected).
    void FocusControl(TWindow* control);
    // The control that had the focus last, given it back when the dialog gets the focus.
    TWindow* GetLastFocus() const { return LastFocus; }
    // Also repaints the default button, whose ring shows where the focus is not.
    void NoteFocus(TWindow* control);
    // A control object going away is dropped from the dialog's lists.
    void ForgetControl(TWindow* control);
    // The controls in template order (the keyboard's order), then those added later.
    std::vector<TWindow*> GetControlsInOrder() const;

protected:
    // Whether F1 in a dialog without a Help button of its own asks the main window for the
    // game's help. A message box, which holds every other window still, cannot show it.
    bool GameHelpOnF1 = true;

private:
    enum class TModalRun { None, Application, Local };

    void CreateControls();
    TWindow* MakeControl(const TDialogItemTemplate& item);
    // The keyboard's walk (DialogGroups.cpp). Tab passes over the rest of a radio group and
    // enters one at its checked button; the arrows go round the buttons of one group.
    TWindow* NextTabStop(TWindow* from, bool backwards) const;
    void MoveInRadioGroup(TWindow* focus, bool backwards);
    TWindow* FocusedControl() const;
    bool HandleKey(u32 key, u32 character);
    bool PressMnemonic(char letter);
    TWindow* FindHelpButton() const;
    void ShowHelpForF1();
    void PressDefault();

    const TDialogTemplate* Template = nullptr;
    std::unique_ptr<TDialogTemplate> OwnTemplate;
    u32 ResId = 0;
    std::unique_ptr<TFont> Font;
    TDialogBaseUnits BaseUnits;
    std::vector<TWindow*> TemplateOrder;
    TWindow* LastFocus = nullptr;
    u32 DefaultId = 0;
    TModalRun ModalRun = TModalRun::None;

    DECLARE_RESPONSE_TABLE(TDialog);
};
