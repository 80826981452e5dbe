// TBetBook: the table's 43 bet spots by spot number (0-42), and one roll settled over them all.
#include "craps/bets/BetBook.h"

#include "craps/bets/BoxNumberBets.h"
#include "craps/bets/ComeBets.h"
#include "craps/bets/LineBets.h"
#include "craps/bets/NumberBets.h"
#include "craps/bets/OneRollBets.h"

#include <utility>

namespace {

// The box numbers 4, 5, 6, 8, 9, 10 as sum indices, in the layout's order.
constexpr i16 BoxNumbers[6] = {2, 3, 4, 6, 7, 8};

// Where a box number (as a sum index) sits among the six number spots; -1 off the box.
int BoxSpotOffset(i16 sumIndex) {
    for (int k = 0; k < 6; ++k) {
        if (BoxNumbers[k] == sumIndex) {
            return k;
        }
    }
    return -1;
}

} // namespace

TBetBook::TBetBook() {
    using namespace table_spot;
    Owned[PassLine] = std::make_unique<TBetPassLedger>(52);
    Owned[DontPass] = std::make_unique<TBetDoNotPassLedger>(53);
    Owned[Come] = std::make_unique<TBetComeLedger>(54);
    Owned[DontCome] = std::make_unique<TBetDoNotComeLedger>(55);
    Owned[Field] = std::make_unique<TBetFieldLedger>(62);
    Owned[Big6] = std::make_unique<TBetBigLedger>(4, 60);
    Owned[Big8] = std::make_unique<TBetBigLedger>(6, 61);
    Owned[AnyCraps] = std::make_unique<TBetAnyCrapsLedger>(86);
    Owned[AnySeven] = std::make_unique<TBet1RollLedger>(5, 85);
    Owned[FirstOneRoll] = std::make_unique<TBet1RollLedger>(0, 87);
    Owned[Three] = std::make_unique<TBet1RollLedger>(1, 88);
    Owned[FirstOneRoll + 2] = std::make_unique<TBet1RollLedger>(9, 89);
    Owned[FirstOneRoll + 3] = std::make_unique<TBet1RollLedger>(10, 90);
    for (i16 k = 0; k < 4; ++k) {
        Owned[FirstHard + k] =
            std::make_unique<TBetHardLedger>(static_cast<i16>(2 + 2 * k), 81 + k);
    }
    for (i16 k = 0; k < 6; ++k) {
        Owned[FirstBuy + k] = std::make_unique<TBetBuyLedger>(BoxNumbers[k], 63 + k);
        Owned[FirstLay + k] = std::make_unique<TBetLayLedger>(BoxNumbers[k], 75 + k);
        Owned[FirstComeNumber + k] = std::make_unique<TBetComeNumLedger>(BoxNumbers[k], 54);
        Owned[FirstDontComeNumber + k] =
            std::make_unique<TBetDoNotComeNumLedger>(BoxNumbers[k], 55);
    }
    Owned[CrapsEleven] = std::make_unique<TBetCraps11Ledger>(92, 0);
    Owned[Horn] = std::make_unique<TBetCraps11Ledger>(91, 1);
    for (i16 index = 0; index < SpotCount; ++index) {
        Spots[index] = Owned[index].get();
    }
}

TCBetLedger* TBetBook::GetSpot(i16 index) const {
    return index >= 0 && index < SpotCount ? Spots[index] : nullptr;
}

TMoney TBetBook::PlaceBet(i16 index, i16 seat, TMoney amount, u8 comeOut, i16 point,
                          const TCrapsBetOptions& options) {
    TCBetLedger* spot = GetSpot(index);
    if (spot == nullptr) {
        return amount;
    }
    if (index >= table_spot::FirstBuy && index < table_spot::FirstBuy + 6) {
        // 4 and 10 share option 0, 5 and 9 option 1, 6 and 8 option 2.
        const int position = index - table_spot::FirstBuy;
        const u8 buyFlag = options[position < 3 ? position : 5 - position];
        return spot->AddToAmount(seat, amount, comeOut, point, buyFlag);
    }
    return spot->AddChips(seat, amount, comeOut, point);
}

void TBetBook::ReturnComeOutOdds(i16 die1, i16 die2, const std::array<TCrapsBetOptions, 3>& options,
                                 const std::array<bool, 3>& seated, size_t& count) {
    // Seat by seat, every come number before any don't come number: the order in which the
    // table hands the chips back one at a time.
    const std::pair<int, i16> groups[2] = {
        {OptionComeOddsOnComeOut, table_spot::FirstComeNumber},
        {OptionDontComeOddsOnComeOut, table_spot::FirstDontComeNumber}};
    for (i16 seat = TCBetLedger::SeatCount - 1; seat >= 0; --seat) {
        if (!seated[seat]) {
            continue;
        }
        for (const auto& [option, first] : groups) {
            if (options[seat][option] != 0) {
                continue;
            }
            for (i16 index = first; index < first + 6; ++index) {
                const TMoney odds = Spots[index]->ReturnOffOdds(seat, die1, die2);
                if (odds != TMoney()) {
                    Events[count++] = {index, seat, EBetEvent::OddsReturned, odds, TMoney()};
                }
            }
        }
    }
}

// Every seat's stake moves, seated or not: the roll that moved the others is gone, and a stake
// left behind would later be judged on the come spot as a bet it no longer is.
void TBetBook::Travel(i16 sumIndex, size_t& count) {
    const int offset = BoxSpotOffset(sumIndex);
    if (offset < 0) {
        return;
    }
    const std::pair<i16, i16> routes[2] = {
        {table_spot::Come, static_cast<i16>(table_spot::FirstComeNumber + offset)},
        {table_spot::DontCome, static_cast<i16>(table_spot::FirstDontComeNumber + offset)}};
    for (i16 seat = 0; seat < TCBetLedger::SeatCount; ++seat) {
        for (const auto& [from, to] : routes) {
            if (!Spots[from]->HasAmount(seat)) {
                continue;
            }
            const TMoney stake = Spots[from]->TakeDown(seat, 0);
            Spots[to]->SetAmount(seat, Spots[to]->GetAmount(seat) + stake);
            Events[count++] = {to, seat, EBetEvent::Travelled, stake, TMoney()};
        }
    }
}

std::span<const TBetEvent> TBetBook::ResolveRoll(i16 die1, i16 die2, i16 point, u8 comeOut,
                                                 const std::array<TCrapsBetOptions, 3>& options,
                                                 const std::array<bool, 3>& seated) {
    size_t count = 0;
    if (!TCBetLedger::AreDice(die1, die2)) {
        return {};
    }
    if (comeOut != 0) {
        ReturnComeOutOdds(die1, die2, options, seated, count);
    }
    for (i16 index = 0; index < SpotCount; ++index) {
        TCBetLedger* spot = Spots[index];
        for (i16 seat = 0; seat < TCBetLedger::SeatCount; ++seat) {
            if (!seated[seat] || !spot->HasAmount(seat) ||
                !spot->TestLose(die1, die2, point, comeOut, options[seat])) {
                continue;
            }
            const TMoney taken = spot->GetAmount(seat) + spot->GetOddsAmount(seat);
            Events[count++] = {index, seat, EBetEvent::Lost, taken, TMoney()};
            spot->ForfeitSeat(seat);
        }
    }
    const auto sum = static_cast<i16>(die1 + die2);
    for (i16 seat = TCBetLedger::SeatCount - 1; seat >= 0; --seat) {
        for (i16 index = 0; seated[seat] && index < SpotCount; ++index) {
            TCBetLedger* spot = Spots[index];
            if (!spot->HasAmount(seat) ||
                !spot->TestWin(die1, die2, point, comeOut, options[seat])) {
                continue;
            }
            const TMoney win = spot->GetWinAmount(seat, sum);
            Events[count++] = {index, seat, EBetEvent::Won, spot->CollectWin(seat, sum), win};
        }
    }
    Travel(sum, count);
    return {Events.data(), count};
}
