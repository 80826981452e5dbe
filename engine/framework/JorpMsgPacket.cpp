// Engine message packets and their posting.
#include "JorpMsgPacket.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/FrameWindow.h"

TJorpMsgPacket::TJorpMsgPacket(u8 idCode, u8 sidCode, u32 lParam)
    : Message(WM_USER), WParam(static_cast<u32>(sidCode) * 256U + idCode), LParam(lParam) {}

TJorpMsgPacket::TJorpMsgPacket(u8 idCode, u8 sidCode, u16 lo, u16 hi)
    : TJorpMsgPacket(idCode, sidCode, static_cast<u32>(hi) * 65536U + lo) {}

void TJorpMsgPacket::PostTo(TWindow* window) const {
    if (window == nullptr)
        return;
    PostMessageA(window, Message, static_cast<WPARAM>(WParam), static_cast<LPARAM>(LParam));
}

void TJorpMsgPacket::PostToMainWindow() const {
    TApplication* app = TApplication::GetCurrent();
    PostTo(app != nullptr ? app->GetMainWindow() : nullptr);
}
