// TCasinoCGameLord: the table layout's click regions and the pieces that make its drawn spots
// whole, their slots, hover groups and hover flags.
#include "craps/table/CrapsGameLord.h"

#include "craps/bets/TableClickPieces.h"
#include "craps/table/TableRegions.h"
#include "engine/foundation/JorpOwner.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/Responder.h"
#include "engine/framework/ResponderHost.h"

const i16 TCasinoCGameLord::RegionCount = static_cast<i16>(table_region::SlotCount);

namespace {

// The spot regions that open and close with betting: every spot's before the don't-come
// numbers, and C and E.
bool InHoverSet(u16 id) {
    const i16 spot = table_region::SpotOfId(id);
    return spot != table_region::NoSpot &&
           (spot < table_spot::FirstDontComeNumber || spot == table_spot::CrapsEleven);
}

} // namespace

void TCasinoCGameLord::BuildRegions() {
    // Only a mode window hosts regions; elsewhere they exist but never register.
    auto* host = dynamic_cast<TResponderHost*>(Owner);
    u16 rank = 0;
    for (const i16 slot : table_region::RegistrationOrder) {
        ++rank;
        auto& place = ClickRegions[static_cast<size_t>(slot)];
        if (place != nullptr)
            continue;
        const table_region::TRegion& region = table_region::Regions[static_cast<size_t>(slot)];
        const bool seatArea = region.Id == SeatAreaRegion;
        const u16 priority = region.Id == LayoutRegion ? u16{50} : u16{100};
        // The seat-change area answers Tab and shows its own pointing hand; the spots have no
        // hot key, so no typed character can put a bet down.
        const TCursorData cursor =
            seatArea ? TCursorData(TJorpApp::GetApp(), table_cursor::PointingHand) : TCursorData();
        place = new TResponder(host, priority, region.Rect, region.Id, this, true,
                               seatArea ? '\t' : 0, cursor, false);
        // The one place the order is kept: where regions overlap, the click (WinningRegion)
        // and the hover (the responder list) both go to the one whose rank comes first, so the
        // help never names a spot the click misses.
        place->SetClickRank(rank);
        // A spot's regions hover as one group, one per spot. The added pieces only fill out
        // the drawn spot, so the mouse crossing them never leaves the spot; the layout's own
        // regions of one spot still hand the hover over between them as any two regions do.
        if (region.Spot != table_region::NoSpot)
            place->SetHoverGroup(static_cast<u16>(region.Spot + 1),
                                 static_cast<size_t>(slot) >= table_region::FirstAddedSlot);
    }
}

void TCasinoCGameLord::DeleteRegions() {
    for (TResponder*& region : ClickRegions) {
        if (region == nullptr)
            continue;
        region->Unregister();
        delete region;
        region = nullptr;
    }
}

void TCasinoCGameLord::EnableRegions() {
    for (TResponder* region : ClickRegions)
        if (region != nullptr && InHoverSet(region->GetCode()))
            region->SetTracksHover(true);
}

void TCasinoCGameLord::DisableRegions() {
    for (TResponder* region : ClickRegions)
        if (region != nullptr && InHoverSet(region->GetCode()))
            region->SetTracksHover(false);
}

void TCasinoCGameLord::StartRegionHover() {
    for (TResponder* region : ClickRegions)
        if (region != nullptr)
            region->SetTracksHover(region->GetCode() != SeatAreaRegion);
}

TResponder* TCasinoCGameLord::GetClickRegion(i16 slot) const {
    return slot >= 0 && slot < RegionCount ? ClickRegions[static_cast<size_t>(slot)] : nullptr;
}

TResponder* TCasinoCGameLord::WinningRegion(TResponder& region) const {
    const TPoint point = region.GetPoint();
    TResponder* winner = &region;
    for (TResponder* r : ClickRegions)
        if (r != nullptr && r->IsRegistered() && r->Contains(point) && r->ComesBefore(*winner))
            winner = r;
    return winner;
}
