// TLayoutOf the casino session (92 bytes) and the craps session (656 bytes) of the save file.
#pragma once

#include "casino/CCSession.h"
#include "engine/framework/RecordLayout.h"

// Times are u32 seconds since 1901 on the local clock, which wrap in 2037 as stored files
// expect. The spare counters and amounts are carried through untouched.
template <> struct TLayoutOf<TCasinoSession> {
    using R = TCasinoSession;
    static constexpr size_t Size = R::EncodedSize;
    static constexpr TRecordField<R> Fields[] = {
        Field<R, &R::Used>("Used", 0),
        Field<R, &R::Open>("Open", 1),
        Field<R, &R::StartTime>("StartTime", 2),
        Field<R, &R::EndTime>("EndTime", 6),
        Field<R, &R::GameCode>("GameCode", 10),
        Field<R, &R::BetUnit>("BetUnit", 12),
        Field<R, &R::StartBankroll>("StartBankroll", 20),
        Field<R, &R::EndBankroll>("EndBankroll", 28),
        Field<R, &R::TotalBet>("TotalBet", 36),
        Field<R, &R::BetsWon>("BetsWon", 44),
        Field<R, &R::BetsLost>("BetsLost", 46),
        Field<R, &R::BetsDecided>("BetsDecided", 48),
        Field<R, &R::ExtraCount1>("ExtraCount1", 50),
        Field<R, &R::ExtraCount2>("ExtraCount2", 52),
        Field<R, &R::ExtraCount3>("ExtraCount3", 54),
        Field<R, &R::ExtraCount4>("ExtraCount4", 56),
        Field<R, &R::ExtraCount5>("ExtraCount5", 58),
        Field<R, &R::ExtraMoney1>("ExtraMoney1", 60),
        Field<R, &R::ExtraMoney2>("ExtraMoney2", 68),
        Field<R, &R::PeakBankroll>("PeakBankroll", 76),
        Field<R, &R::LowBankroll>("LowBankroll", 84),
    };
    static_assert(FieldsTile(Fields, Size));
};

// The casino session's 92 bytes, then the craps counters. The average fields are spare:
// cleared, never computed, carried through untouched.
template <> struct TLayoutOf<TCCSession> {
    using R = TCCSession;
    static constexpr size_t Size = R::EncodedSize;
    static constexpr TRecordField<R> Fields[] = {
        BaseField<R, TCasinoSession>("Session"),
        Field<R, &R::RightThisShoot>("RightThisShoot", 92),
        Field<R, &R::WrongThisShoot>("WrongThisShoot", 93),
        Field<R, &R::RightShootNet>("RightShootNet", 94),
        Field<R, &R::WrongShootNet>("WrongShootNet", 102),
        Field<R, &R::RightWinStreak>("RightWinStreak", 110),
        Field<R, &R::WrongWinStreak>("WrongWinStreak", 112),
        Field<R, &R::ShootRolls>("ShootRolls", 114),
        Field<R, &R::PassStreak>("PassStreak", 116),
        Field<R, &R::DontPassStreak>("DontPassStreak", 118),
        Field<R, &R::TotalShoots>("TotalShoots", 120),
        Field<R, &R::PassWins>("PassWins", 122),
        Field<R, &R::Naturals>("Naturals", 124),
        Field<R, &R::PointsMade>("PointsMade", 126),
        Field<R, &R::DontPassWins>("DontPassWins", 128),
        Field<R, &R::CrapOuts>("CrapOuts", 130),
        Field<R, &R::SevenOuts>("SevenOuts", 132),
        Field<R, &R::LongestShoot>("LongestShoot", 134),
        Field<R, &R::LongestPassStreak>("LongestPassStreak", 136),
        Field<R, &R::LongestDontPassStreak>("LongestDontPassStreak", 138),
        Field<R, &R::RightShoots>("RightShoots", 140),
        Field<R, &R::RightTotalBet>("RightTotalBet", 142),
        Field<R, &R::RightAverageBet>("RightAverageBet", 150),
        Field<R, &R::RightShootsWon>("RightShootsWon", 158),
        Field<R, &R::RightShootsLost>("RightShootsLost", 160),
        Field<R, &R::RightNet>("RightNet", 162),
        Field<R, &R::RightAverageNet>("RightAverageNet", 170),
        Field<R, &R::RightLongestWinStreak>("RightLongestWinStreak", 178),
        Field<R, &R::RightMostWon>("RightMostWon", 180),
        Field<R, &R::RightMostLost>("RightMostLost", 188),
        Field<R, &R::WrongShoots>("WrongShoots", 196),
        Field<R, &R::WrongTotalBet>("WrongTotalBet", 198),
        Field<R, &R::WrongAverageBet>("WrongAverageBet", 206),
        Field<R, &R::WrongShootsWon>("WrongShootsWon", 214),
        Field<R, &R::WrongShootsLost>("WrongShootsLost", 216),
        Field<R, &R::WrongNet>("WrongNet", 218),
        Field<R, &R::WrongAverageNet>("WrongAverageNet", 226),
        Field<R, &R::WrongLongestWinStreak>("WrongLongestWinStreak", 234),
        Field<R, &R::WrongMostWon>("WrongMostWon", 236),
        Field<R, &R::WrongMostLost>("WrongMostLost", 244),
        Field<R, &R::BetByRow>("BetByRow", 252),
        Field<R, &R::TotalWon>("TotalWon", 444),
        Field<R, &R::TotalLost>("TotalLost", 452),
        Field<R, &R::NetByRow>("NetByRow", 460),
        Field<R, &R::HighPercentageBets>("HighPercentageBets", 652),
        Field<R, &R::LowPercentageBets>("LowPercentageBets", 654),
    };
    static_assert(FieldsTile(Fields, Size));
};
