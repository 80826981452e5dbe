// Test support for the statistics dialog: a casino gambler manager on a save folder, gamblers
// given sessions through their records' own operations on a fixed UTC clock, and the dialog
// run on a headless screen.
#pragma once

#include "engine/framework/PlayerMgrFakes.h"

#include "casino/CasinoPlayerData.h"
#include "casino/CasinoPlayerMgr.h"
#include "craps/stats/CasinoGraphDlg.h"
#include "craps/stats/CasinoStatDlg.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/host/MessageBox.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>

class StatDlgFixture : public SaveFolder {
protected:
    StatDlgFixture() {
        setenv("TZ", "UTC", 1);
        tzset();
        TResourceRegistry::Get().Clear();
        RegisterResources();
        Session.Backend().GetClock() = TFakeClock(Session.Backend().Now(), Maker.WallSeconds());
        Mgr = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, false);
        Mgr->SetSaveFileHost(&Host);
    }
    ~StatDlgFixture() override {
        Mgr.reset();
        TResourceRegistry::Get().Clear();
    }

    // A new gambler with sessions of 90 minutes, each betting $40 more than the one before and
    // ending $15 up or down in turn; the last one left in play when asked.
    i16 Gambler(const char* name, int sessions, bool lastInPlay = false, double bankroll = 500) {
        EXPECT_TRUE(Mgr->CreatePlayer(name, 1, bankroll)) << name;
        const i16 r = Mgr->FindPlayer(name);
        AddSessions(r, sessions, lastInPlay);
        return r;
    }
    void AddSessions(i16 r, int sessions, bool lastInPlay) {
        if (Mgr->GetDataBlock(r) == nullptr) {
            EXPECT_TRUE(Mgr->LoadDataBlock(r));
        }
        u8* block = Mgr->GetDataBlock(r);
        ASSERT_NE(block, nullptr);
        TCasinoPlayerData data;
        ASSERT_TRUE(data.Decode(block, TCasinoPlayerData::EncodedSize));
        // The hours pass on a clock of their own: the screen's clock jumping hours ahead would
        // have its timers catch up on every missed beat.
        SetClockSource(&Maker);
        for (int i = 0; i < sessions; ++i) {
            data.BeginSession(4, TMoney(5.0));
            TCCSession* s = data.GetHistory().GetCurrentSession();
            ASSERT_NE(s, nullptr);
            s->TotalBet = TMoney(40.0 * (i + 1));
            s->BetsWon = static_cast<u16>(2 + i % 3);
            s->BetsLost = static_cast<u16>(1 + i % 2);
            s->PassWins = static_cast<u16>(i % 4);
            s->LongestShoot = static_cast<u16>(3 + i % 5);
            Maker.Advance(90 * 60 * 1000);
            data.SetBankroll(data.GetBankroll() + (i % 2 == 0 ? 15.0 : -15.0));
            if (!(lastInPlay && i == sessions - 1))
                data.EndSession();
            Maker.Advance(30 * 60 * 1000);
        }
        SetClockSource(&Session.Backend().GetClock());
        Session.Backend().GetClock() = TFakeClock(Session.Backend().Now(), Maker.WallSeconds());
        ASSERT_TRUE(data.Encode(block, TCasinoPlayerData::EncodedSize));
        if (!Mgr->IsActive(r)) {
            EXPECT_TRUE(Mgr->WriteDataBlock(r));
            Mgr->FreeDataBlock(r);
        }
    }

    // Runs the dialog on the record: `first` acts once it is up, `seen` looks once that has
    // been painted, then "&Close Stats" closes it.
    int Run(i16 record, const std::function<void(TCasinoStatDlg&)>& seen,
            const std::function<void(TCasinoStatDlg&)>& first = {}) {
        TCasinoStatDlg dialog(nullptr, *Mgr, record);
        Session.Backend().After(30, [&, this] {
            if (first)
                first(dialog);
            Session.Backend().After(30, [&, this] {
                seen(dialog);
                const TRect r = TDesktop::Get().ScreenClientRect(dialog.GetDlgItem(IDOK));
                Session.Backend().Click(r.TopLeft().Offset(r.Width() / 2, r.Height() / 2));
            });
        });
        const int result = dialog.Execute();
        // As the manager does after the dialog: the records it read are let go.
        Mgr->FlushInactiveBlocks();
        return result;
    }
    // A button of the dialog pressed as a click would.
    static void Press(TCasinoStatDlg& dialog, int id) {
        dialog.GetDlgItem(id)->SendMessage(BM_CLICK);
    }
    static void Choose(TCasinoStatDlg& dialog, int index) {
        dynamic_cast<TComboBox*>(dialog.GetDlgItem(115))->ListChose(index);
    }
    static std::vector<std::string> Header(TCasinoStatDlg& dialog) {
        std::vector<std::string> h;
        for (int c = 0; c < 6; ++c)
            h.push_back(dialog.GetCellText(0, c));
        return h;
    }

    // 9 September 2001, 01:46:40 UTC when the first session starts.
    TFakeClock Maker{0, 1'000'000'000};
    THeadlessSession Session{TSize{800, 600}};
    TApplication App{"otcraps"};
    TMessageBoxRecorder Boxes;
    std::unique_ptr<TCasinoPlayerMgr> Mgr;
};
