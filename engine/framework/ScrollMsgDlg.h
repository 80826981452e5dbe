// TScrollMsgDlg: a caption and a list of text lines in a list box.
#pragma once

#include "platform/framework/dialogs/Dialog.h"

#include <string>
#include <vector>

class TListBox;

class TScrollMsgDlg : public TDialog {
public:
    // The lines are kept by the dialog, so the caller's may go away while it shows.
    TScrollMsgDlg(TWindow* parent, const std::string& caption, std::vector<std::string> lines);

    void SetupWindow() override;

    TListBox* GetListBox() const { return ListBox; }

private:
    TListBox* ListBox = nullptr;
    std::vector<std::string> Lines;
    std::string Caption;
};
