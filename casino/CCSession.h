// TCCSession: one craps session of a gambler: the casino's session and the craps counters.
#pragma once

#include "casino/CasinoSession.h"

#include <array>

// 656 bytes in the save file, laid out by TLayoutOf<TCCSession> (casino/SessionLayouts.h): the
// casino session's 92, the shoot and side counters, the amounts bet and the net by statistics
// row, and the two house-edge counts.
class TCCSession : public TCasinoSession {
public:
    static constexpr size_t EncodedSize = 656;
    // The bet groups a session keeps amounts for, in the fixed order of the statistics rows.
    static constexpr size_t StatRows = 24;

    TCCSession() = default;

    // The casino session's fields and every craps field zero.
    void Clear();
    // A reused slot starts from zero in every field, the craps counters too.
    void Begin(TMoney bankroll, u16 gameCode, TMoney betUnit);
    void End(TMoney bankroll) { TCasinoSession::End(bankroll); }

    bool Decode(const u8* bytes, size_t size);
    bool Encode(u8* bytes, size_t size) const;

    u8 RightThisShoot = 0;
    u8 WrongThisShoot = 0;
    TMoney RightShootNet;
    TMoney WrongShootNet;
    u16 RightWinStreak = 0;
    u16 WrongWinStreak = 0;
    u16 ShootRolls = 0;
    u16 PassStreak = 0;
    u16 DontPassStreak = 0;
    u16 TotalShoots = 0;
    u16 PassWins = 0;
    u16 Naturals = 0;
    u16 PointsMade = 0;
    u16 DontPassWins = 0;
    u16 CrapOuts = 0;
    u16 SevenOuts = 0;
    u16 LongestShoot = 0;
    u16 LongestPassStreak = 0;
    u16 LongestDontPassStreak = 0;
    u16 RightShoots = 0;
    TMoney RightTotalBet;
    TMoney RightAverageBet;
    u16 RightShootsWon = 0;
    u16 RightShootsLost = 0;
    TMoney RightNet;
    TMoney RightAverageNet;
    u16 RightLongestWinStreak = 0;
    TMoney RightMostWon;
    TMoney RightMostLost;
    u16 WrongShoots = 0;
    TMoney WrongTotalBet;
    TMoney WrongAverageBet;
    u16 WrongShootsWon = 0;
    u16 WrongShootsLost = 0;
    TMoney WrongNet;
    TMoney WrongAverageNet;
    u16 WrongLongestWinStreak = 0;
    TMoney WrongMostWon;
    TMoney WrongMostLost;
    std::array<TMoney, StatRows> BetByRow{};
    TMoney TotalWon;
    TMoney TotalLost;
    std::array<TMoney, StatRows> NetByRow{};
    u16 HighPercentageBets = 0;
    u16 LowPercentageBets = 0;
};
