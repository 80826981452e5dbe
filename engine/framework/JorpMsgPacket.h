// TJorpMsgPacket: one window message held as a value, to be posted to a window later.
#pragma once

#include "platform/framework/WinTypes.h"
#include "platform/host/Types.h"

class TWindow;

// Engine request codes carried in the low byte of an engine message's wParam.
constexpr u8 JMP_SWITCH_MODE = 2;
// Sub-code bits of a mode switch.
constexpr u8 JMP_SUB_SWITCH = 0x02;
constexpr u8 JMP_SUB_BY_STRING = 0x01;
constexpr u8 JMP_SUB_CUSTOM = 0x80;

class TJorpMsgPacket {
public:
    TJorpMsgPacket(const TJorpMsgPacket&) = default;
    TJorpMsgPacket& operator=(const TJorpMsgPacket&) = default;
    // A general message.
    TJorpMsgPacket(u32 wParam, u32 lParam, u32 message)
        : Message(message), WParam(wParam), LParam(lParam) {}
    // An engine message (WM_USER) with its request and sub-code.
    TJorpMsgPacket(u8 idCode, u8 sidCode, u32 lParam);
    TJorpMsgPacket(u8 idCode, u8 sidCode, u16 lo, u16 hi);

    // Named makers for the two uses: with plain integers the general and the engine-message
    // constructors are equally good matches, so only these take them without casts.
    static TJorpMsgPacket General(u32 wParam, u32 lParam, u32 message) {
        return TJorpMsgPacket(wParam, lParam, message);
    }
    static TJorpMsgPacket EngineMessage(u8 idCode, u8 sidCode, u32 lParam) {
        return TJorpMsgPacket(idCode, sidCode, lParam);
    }
    static TJorpMsgPacket EngineMessage(u8 idCode, u8 sidCode, u16 lo, u16 hi) {
        return TJorpMsgPacket(idCode, sidCode, lo, hi);
    }

    u32 GetMessage() const { return Message; }
    u32 GetWParam() const { return WParam; }
    u8 GetIDCode() const { return static_cast<u8>(WParam & 0xFF); }
    u8 GetSIDCode() const { return static_cast<u8>((WParam >> 8) & 0xFF); }
    u32 GetLParam() const { return LParam; }
    u16 GetLParamLo() const { return static_cast<u16>(LParam & 0xFFFF); }
    u16 GetLParamHi() const { return static_cast<u16>(LParam >> 16); }

    // Posting copies the three words into the window's queue; without a window nothing
    // is posted.
    void PostTo(TWindow* window) const;
    void PostToMainWindow() const;

private:
    u32 Message;
    u32 WParam;
    u32 LParam;
};
