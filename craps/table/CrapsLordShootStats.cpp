// TCasinoCGameLord: the round start's shoot bookkeeping in each seated gambler's session: a
// roll counted while a point is on, a shoot folded into the counts and streaks when it ends
// and the seated gamblers saved.
#include "craps/table/CrapsGameLord.h"

#include "casino/CCSession.h"
#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/PlayerMgr.h"

namespace {

void Count(u16& counter) {
    if (counter != 0xFFFF)
        ++counter;
}

void KeepLarger(u16& longest, u16 value) {
    if (value > longest)
        longest = value;
}

// One side's money over the shoot just ended: a shoot netting exactly 0 is neither won nor
// lost and leaves the streak as it was.
void FoldSide(TMoney& shootNet, u16& won, u16& lost, u16& streak, u16& longest, TMoney& mostWon,
              TMoney& mostLost) {
    if (shootNet > TMoney()) {
        Count(won);
        Count(streak);
    } else if (shootNet < TMoney()) {
        Count(lost);
        streak = 0;
    }
    KeepLarger(longest, streak);
    if (shootNet > mostWon)
        mostWon = shootNet;
    if (shootNet < mostLost)
        mostLost = shootNet;
    shootNet = TMoney();
}

// The roll just made is a total of 2 to 12; `comeOut` tells whether it was a come-out roll.
void FoldShoot(TCCSession& s, bool rolled, int total, bool comeOut, bool pointOff) {
    if (rolled)
        Count(s.TotalShoots);
    if (s.RightThisShoot != 0) {
        Count(s.RightShoots);
        s.RightThisShoot = 0;
    }
    if (s.WrongThisShoot != 0) {
        Count(s.WrongShoots);
        s.WrongThisShoot = 0;
    }
    FoldSide(s.WrongShootNet, s.WrongShootsWon, s.WrongShootsLost, s.WrongWinStreak,
             s.WrongLongestWinStreak, s.WrongMostWon, s.WrongMostLost);
    FoldSide(s.RightShootNet, s.RightShootsWon, s.RightShootsLost, s.RightWinStreak,
             s.RightLongestWinStreak, s.RightMostWon, s.RightMostLost);
    KeepLarger(s.LongestShoot, s.ShootRolls);
    s.ShootRolls = 0;
    if (!rolled)
        return;

    const bool seven = total == 7;
    const bool craps = total == 2 || total == 3 || total == 12;
    const bool passWon = comeOut ? seven || total == 11 : !seven && !craps && pointOff;
    if (passWon) {
        Count(s.PassWins);
        Count(comeOut ? s.Naturals : s.PointsMade);
        Count(s.PassStreak);
        s.DontPassStreak = 0;
    } else if (comeOut && craps) {
        // A come-out 12 is a push for the don't-pass bettor.
        s.PassStreak = 0;
        if (total != 12) {
            Count(s.DontPassStreak);
            Count(s.DontPassWins);
            Count(s.CrapOuts);
        }
    } else if (seven && !comeOut) {
        s.PassStreak = 0;
        Count(s.DontPassStreak);
        Count(s.DontPassWins);
        Count(s.SevenOuts);
    }
    KeepLarger(s.LongestPassStreak, s.PassStreak);
    KeepLarger(s.LongestDontPassStreak, s.DontPassStreak);
}

} // namespace

// Before the table's first roll the dice hold -1: that round start ends no shoot.
void TCasinoCGameLord::RecordShootEnd() {
    const bool rolled = !(Die1 == -1 && Die2 == -1);
    const int total = Die1 + Die2 + 2;
    ChangeSeatSessions([&](i16, TCCSession& session) {
        FoldShoot(session, rolled, total, PrevComeOutFlag != 0, Point == -1);
    });
    // The shoot is paid and counted: on disk now, a crash can lose only the next one.
    TModeWindowApi* window = GetModeWindow();
    TPlayerMgr* players = window != nullptr ? window->GetPlayerMgr() : nullptr;
    if (rolled && players != nullptr && CountOccupiedSeats() > 0)
        players->SaveSeatedPlayers();
}

void TCasinoCGameLord::RecordShootRoll() {
    ChangeSeatSessions([](i16, TCCSession& session) { Count(session.ShootRolls); });
}
