// Test support: table 1's bound lord on a window whose click regions and buttons register in a
// real responder list, with its round-state root replaced by a recorder of the clicks.
#pragma once

#include "TableBindingSupport.h"

#include "casino/CasMessageDisplay.h"
#include "craps/table/RoundInput.h"
#include "engine/framework/ResponderList.h"
#include "engine/media/Anm.h"

#include <utility>
#include <vector>

// A click as the round states hear it: region id, event kind and spot (-1 for the seat area).
struct TClick {
    u16 Region;
    JorpEventKind Kind;
    int Spot;
    friend bool operator==(const TClick&, const TClick&) = default;
};

class TRecordedRounds : public TCRoundInput {
public:
    bool DispatchSpot(TResponder& region, u16 spot, bool) override {
        Clicks.push_back({region.GetCode(), region.GetKind(), spot});
        return true;
    }
    bool DispatchSeatArea(TResponder& region) override {
        Clicks.push_back({region.GetCode(), region.GetKind(), -1});
        return true;
    }
    bool ClicksWait() const override { return Waiting; }
    std::vector<TClick> Clicks;
    // As the rounds are before their first betting state.
    bool Waiting = false;
};

class TRegionLord : public TC1GameLord {
public:
    using TC1GameLord::TC1GameLord;
    using TCasinoCGameLord::BetInHand;
    using TCasinoCGameLord::BetOptions;
    using TCasinoCGameLord::BettingOpen;
    using TCasinoCGameLord::ButtonBusy;
    using TCasinoCGameLord::Buttons;
    using TCasinoCGameLord::ComeOutFlag;
    using TCasinoCGameLord::CurrentSeat;
    using TCasinoCGameLord::MessageDisplay;
    using TCasinoCGameLord::PlacingBets;
    using TCasinoCGameLord::Point;
    using TCasinoCGameLord::StandingMessage;

    // Notes every enter and leave a region hears, then answers it as the table does.
    i32 EvResponder(TResponder* region) override {
        if (region != nullptr &&
            (region->GetKind() == JEK_HOVER_ENTER || region->GetKind() == JEK_HOVER_LEAVE))
            Hovers.push_back({region->GetCode(), region->GetKind() == JEK_HOVER_ENTER});
        return TC1GameLord::EvResponder(region);
    }
    struct THover {
        u16 Region;
        bool Enter;
    };
    std::vector<THover> Hovers;
};

class TRegionWindow : public TReadingWindow {
public:
    TResponderList* GetResponderList() const override { return &List; }
    mutable TResponderList List{this};
};

class RegionFixture : public TableBindingFixture {
protected:
    void TearDown() override {
        Table.reset();
        TableBindingFixture::TearDown();
    }
    void LoadRegionLord() {
        const TFileMode file(TJorpFileName("\\f1glrd00\\f1glrd00.go"), 0, FM_LEVEL_NOW);
        Table = TJorpBase::CreateAttached<TRegionLord>(file, true, false, &Host);
        Table->LoadTable();
        Table->SetRoundInput(&Rounds);
    }
    void Mouse(JorpEventKind kind, int x, int y) { Host.List.DispatchMouse(kind, 0, TPoint{x, y}); }
    // The board's message picture, which is the message's number.
    int Board() const { return Table->MessageDisplay->GetMessage()->GetCurrentData().CurrentFrame; }

    TRegionWindow Host;
    TRecordedRounds Rounds;
    std::unique_ptr<TRegionLord> Table;
};
