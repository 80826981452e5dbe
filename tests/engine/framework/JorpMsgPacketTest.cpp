// Engine message packets: code packing, and posting to the main window through the queue.
#include "engine/framework/JorpMsgPacket.h"

#include "platform/framework/WinConstants.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/FrameWindow.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The named makers take plain integers, where the constructors need casts to choose.
TEST(JorpMsgPacket, PacksCodesAndHalves) {
    const struct {
        TJorpMsgPacket Packet;
        u32 Message, WParam, LParam;
        u8 Id, Sid;
    } cases[] = {
        {TJorpMsgPacket::EngineMessage(2, 3, 10003), WM_USER, 0x0302, 10003, 2, 3},
        {TJorpMsgPacket::EngineMessage(2, 0x82, 4, 5), WM_USER, 0x8202, 5 * 65536 + 4, 2, 0x82},
        {TJorpMsgPacket(JMP_SWITCH_MODE, 0x82, u16{4}, u16{5}), WM_USER, 0x8202, 5 * 65536 + 4, 2,
         0x82},
        {TJorpMsgPacket::General(4660, 0, 273), WM_COMMAND, 4660, 0, 52, 18},
        // A mode number travels sign-extended.
        {TJorpMsgPacket::EngineMessage(2, 2, static_cast<u32>(i16{-1})), WM_USER, 0x0202,
         0xFFFFFFFF, 2, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Packet.GetMessage(), c.Message);
        EXPECT_EQ(c.Packet.GetWParam(), c.WParam);
        EXPECT_EQ(c.Packet.GetLParam(), c.LParam);
        EXPECT_EQ(c.Packet.GetIDCode(), c.Id);
        EXPECT_EQ(c.Packet.GetSIDCode(), c.Sid);
    }
}

// A frame that keeps the engine messages and commands it is sent.
class TRecordingFrame : public TFrameWindow {
public:
    TRecordingFrame() : TFrameWindow(nullptr, "Recorder", nullptr, false) {}
    LRESULT EvUser(WPARAM w, LPARAM l) {
        Seen.push_back({WM_USER, static_cast<u32>(w), static_cast<u32>(l)});
        return 1;
    }
    void CmStatistics() { Seen.push_back({WM_COMMAND, 1022, 0}); }
    struct TSeen {
        u32 Message, W, L;
        bool operator==(const TSeen&) const = default;
    };
    std::vector<TSeen> Seen;
    DECLARE_RESPONSE_TABLE(TRecordingFrame);
};

DEFINE_RESPONSE_TABLE1(TRecordingFrame, TFrameWindow)
EV_MESSAGE(WM_USER, EvUser), EV_COMMAND(1022, CmStatistics), END_RESPONSE_TABLE;

TEST(JorpMsgPacket, PostsToTheMainWindowInOrderAndNowhereWithoutOne) {
    THeadlessSession session;
    TApplication app{"test"};
    // No main window yet: nothing is posted and nothing fails.
    TJorpMsgPacket(JMP_SWITCH_MODE, JMP_SUB_SWITCH, 1U).PostToMainWindow();

    auto* frame = new TRecordingFrame;
    app.SetMainWindow(frame);
    ASSERT_TRUE(frame->Create());
    app.PumpWaitingMessages();
    frame->Seen.clear();

    TJorpMsgPacket::EngineMessage(JMP_SWITCH_MODE, JMP_SUB_SWITCH, 0xFFFFFFFFU).PostToMainWindow();
    TJorpMsgPacket::General(1022, 0, WM_COMMAND).PostToMainWindow();
    // Posted, not sent: nothing arrives until the loop delivers it.
    EXPECT_TRUE(frame->Seen.empty());
    app.PumpWaitingMessages();
    ASSERT_EQ(frame->Seen.size(), 2U);
    EXPECT_EQ(frame->Seen[0], (TRecordingFrame::TSeen{WM_USER, 0x0202U, 0xFFFFFFFFU}));
    EXPECT_EQ(frame->Seen[1], (TRecordingFrame::TSeen{WM_COMMAND, 1022U, 0}));
}

} // namespace
