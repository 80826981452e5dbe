// TScrollMsgDlg: filling the list.
#include "ScrollMsgDlg.h"

#include "resources/Resources.h"

#include "platform/framework/controls/ListBox.h"

TScrollMsgDlg::TScrollMsgDlg(TWindow* parent, const std::string& caption,
                             std::vector<std::string> lines)
    : TDialog(parent, IDD_SCROLLMSG), ListBox(new TListBox(this, 201)), Lines(std::move(lines)),
      Caption(caption) {}

void TScrollMsgDlg::SetupWindow() {
    TDialog::SetupWindow();
    SetCaption(Caption.c_str());
    for (const std::string& line : Lines)
        ListBox->AddString(line.c_str());
}
