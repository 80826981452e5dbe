// TGamblerMsgDlg: the caption and the message set up on the template's window.
#include "GamblerMsgDlg.h"

#include "resources/Resources.h"

#include "platform/framework/Module.h"
#include "platform/framework/Static.h"

TGamblerMsgDlg::TGamblerMsgDlg(TWindow* parent, const std::string& caption,
                               const std::string& message)
    : TJorpDialog(parent, IDD_GAMBLERMSG, true), Caption(caption), Message(message),
      MessageStatic(new TStatic(this, 100)) {}

void TGamblerMsgDlg::SetupWindow() {
    TJorpDialog::SetupWindow();
    SetCaption(Caption.c_str());
    MessageStatic->SetText(Message.c_str());
}

void ShowGamblerMsg(TWindow* parent, const std::string& caption, const std::string& message) {
    TGamblerMsgDlg(parent, caption, message).Execute();
}

std::string GamblerString(u32 id) {
    return TModule().LoadString(id);
}
