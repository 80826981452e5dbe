// Test support: three gamblers played through the table's own round states by the input its
// chip and table buttons, click regions and seat strip hand them, every money event written
// as a line of text, and the table's whole money counted in cents.
#pragma once

#include "MoneyLog.h"
#include "RoundDriver.h"

#include "casino/CasButton.h"
#include "casino/CasinoPlayerData.h"
#include "casino/GamblerRecord.h"
#include "craps/table/RoundStates.h"
#include "engine/foundation/EngineContext.h"
#include "engine/framework/Responder.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/window/Module.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

// The table of a session: the round states run frame by frame on the window's frame clock
// with every skit ending at once (as at the fastest speed, only more so), and input handed
// to them as the program's buttons and regions hand it. PlayedTable.h plays through the
// program's windows instead; this one skips the drawing and the waits, so that the soak's
// many thousand rolls and tables of $50,000 bankrolls (no dialog makes one) stay cheap.
class SessionTable : public CrapsTable {
protected:
    void OpenSession(double joe, double ann, double bob) {
        // The advice texts are the program's own strings.
        TResourceRegistry::Get().Clear();
        RegisterResources();
        TEngineContext::Module = &Program;
        MakeCrapsTable(joe, ann, bob);
        Log = std::make_unique<TMoneyLog>(Lord());
        Lord().SetMoneyLedger(Log.get());
        Start = TotalCents();
        ASSERT_TRUE(RunUntil([&] { return Running<TCAct1State>() != nullptr; }));
    }
    void TearDown() override {
        if (CrapsWindow != nullptr && CrapsWindow->GetMainGameObject() != nullptr)
            Lord().SetMoneyLedger(nullptr);
        TEngineContext::Module = nullptr;
        TResourceRegistry::Get().Clear();
        CrapsTable::TearDown();
    }

    // A table button pressed and released (a right release for a chip takes it back), then
    // the frames until its state has taken it.
    bool Press(i16 button, bool right = false) {
        Lord().LastButtonCode = right ? TCasButton::CodeRightRelease : TCasButton::CodeLeftRelease;
        Lord().ButtonFlags[static_cast<size_t>(button)] = 1;
        const bool taken =
            RunUntil([&] { return Lord().ButtonFlags[static_cast<size_t>(button)] == 0; }, 50);
        Step();
        return taken;
    }
    // The chip buttons are 11 down to 6 for $1 to $10,000.
    bool Chip(int index, bool right = false) { return Press(static_cast<i16>(11 - index), right); }
    // A click released on a spot's region, handled on the next frame.
    void Click(i16 spot) {
        Region.Fire(JEK_LBUTTONUP, 0, TPoint{});
        Lord().GetRoundState()->DispatchSpot(Region, static_cast<u16>(spot), false);
        Step();
    }
    // The seat strip's hot key: the next seated gambler takes the table.
    void NextSeat() {
        Region.Fire(JEK_HOTKEY, 0, TPoint{});
        Lord().GetRoundState()->DispatchSeatArea(Region);
        Step();
    }
    // The take-down button (shown only while the seat has a bet), a click on each spot, and
    // the button again if the state is still taking bets down. The state starts and ends a
    // frame or two after its cause.
    void TakeDown(const std::vector<i16>& spots) {
        if (!Lord().SeatHasAnyBet(Lord().CurrentSeat))
            return;
        Press(TCasinoCGameLord::TakeDownButton);
        if (!RunUntil([&] { return Running<TCRemoveState>() != nullptr; }, 10))
            return;
        for (i16 spot : spots)
            if (Running<TCRemoveState>() != nullptr)
                Click(spot);
        // A seat left empty ends the state by itself: a press while it ends would reach the
        // betting state and start another.
        if (RunUntil([&] { return Running<TCAct1State>() != nullptr; }, 3))
            return;
        if (Running<TCRemoveState>() != nullptr)
            Press(TCasinoCGameLord::TakeDownButton);
        RunUntil([&] { return Running<TCAct1State>() != nullptr; }, 10);
    }
    // Roll pressed; true once the roll is settled and the next betting state has begun. The
    // log gets the roll's line before the events it caused.
    bool Roll() {
        const bool comeOut = Lord().ComeOutFlag == 1;
        const i16 point = Lord().Point;
        const std::string before = Log->Text;
        Log->Text.clear();
        Lord().ButtonFlags[TCasinoCGameLord::RollButton] = 1;
        const bool done = RunUntil([&] { return Running<TCAct2State>() != nullptr; }) &&
                          RunUntil([&] { return Running<TCAct1State>() != nullptr; });
        const std::string settled = Log->Text;
        Log->Text = before;
        Log->Note("roll " + std::to_string(Lord().RollCount) + ' ' +
                  std::to_string(Lord().Die1 + 1) + '+' + std::to_string(Lord().Die2 + 1) + ' ' +
                  (comeOut ? std::string("come_out") : "point " + std::to_string(point + 2)));
        if (Log->Keep)
            Log->Text += settled;
        return done;
    }

    // The gamblers' records 0-2 (Joe, Ann, Bob): seated ones in their seats, the others in
    // the manager.
    TMoney Bankroll(i16 record) const {
        return TMoney(Mgr->IsActive(record)
                          ? TGamblerRecordView({Mgr->GetDataBlock(record),
                                                static_cast<size_t>(Mgr->GetPlayerDataSize())})
                                .GetBankroll()
                          : Mgr->GetBankroll(record));
    }
    // Every bankroll, every stake and odds on the table and the house's result, in cents.
    i64 TotalCents() const {
        long double total = Log != nullptr ? Log->House : 0.0L;
        for (i16 record = 0; record < 3; ++record)
            total += Bankroll(record).GetValue();
        for (const auto& spot : Spots)
            for (i16 seat = 0; seat < 3; ++seat)
                total += static_cast<long double>(spot->GetAmount(seat).GetValue()) +
                         spot->GetOddsAmount(seat).GetValue();
        return std::llround(total * 100.0L);
    }
    i16 SeatOf(i16 record) {
        for (i16 seat = 0; seat < 3; ++seat)
            if (Mgr->IsActive(record) &&
                Lord().GetSeatPlayerData(seat) == Mgr->GetDataBlock(record))
                return seat;
        return -1;
    }

    std::unique_ptr<TMoneyLog> Log;
    i64 Start = 0;
    TModule Program{"otcraps"};
    TResponder Region{nullptr};
};
