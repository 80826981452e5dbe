// TCCSession: clearing and opening a craps session, and its 656 bytes field by field.
#include "CCSession.h"

#include "engine/framework/PlayerData.h"

namespace {

// Where each craps field sits in the record. One table serves both directions, so reading and
// writing cannot disagree about an offset.
template <class T> struct TField {
    size_t At;
    T TCCSession::*Member;
};

constexpr TField<u16> Counts[] = {
    {110, &TCCSession::RightWinStreak},
    {112, &TCCSession::WrongWinStreak},
    {114, &TCCSession::ShootRolls},
    {116, &TCCSession::PassStreak},
    {118, &TCCSession::DontPassStreak},
    {120, &TCCSession::TotalShoots},
    {122, &TCCSession::PassWins},
    {124, &TCCSession::Naturals},
    {126, &TCCSession::PointsMade},
    {128, &TCCSession::DontPassWins},
    {130, &TCCSession::CrapOuts},
    {132, &TCCSession::SevenOuts},
    {134, &TCCSession::LongestShoot},
    {136, &TCCSession::LongestPassStreak},
    {138, &TCCSession::LongestDontPassStreak},
    {140, &TCCSession::RightShoots},
    {158, &TCCSession::RightShootsWon},
    {160, &TCCSession::RightShootsLost},
    {178, &TCCSession::RightLongestWinStreak},
    {196, &TCCSession::WrongShoots},
    {214, &TCCSession::WrongShootsWon},
    {216, &TCCSession::WrongShootsLost},
    {234, &TCCSession::WrongLongestWinStreak},
    {652, &TCCSession::HighPercentageBets},
    {654, &TCCSession::LowPercentageBets},
};

constexpr TField<TMoney> Amounts[] = {
    {94, &TCCSession::RightShootNet},  {102, &TCCSession::WrongShootNet},
    {142, &TCCSession::RightTotalBet}, {150, &TCCSession::RightAverageBet},
    {162, &TCCSession::RightNet},      {170, &TCCSession::RightAverageNet},
    {180, &TCCSession::RightMostWon},  {188, &TCCSession::RightMostLost},
    {198, &TCCSession::WrongTotalBet}, {206, &TCCSession::WrongAverageBet},
    {218, &TCCSession::WrongNet},      {226, &TCCSession::WrongAverageNet},
    {236, &TCCSession::WrongMostWon},  {244, &TCCSession::WrongMostLost},
    {444, &TCCSession::TotalWon},      {452, &TCCSession::TotalLost},
};

constexpr size_t RightThisShootAt = 92;
constexpr size_t WrongThisShootAt = 93;
constexpr size_t BetByRowAt = 252;
constexpr size_t NetByRowAt = 460;

} // namespace

void TCCSession::Clear() {
    TCasinoSession::Clear();
    ClearCraps();
}

void TCCSession::ClearCraps() {
    RightThisShoot = WrongThisShoot = 0;
    for (const TField<u16>& field : Counts)
        this->*field.Member = 0;
    for (const TField<TMoney>& field : Amounts)
        this->*field.Member = TMoney();
    BetByRow.fill(TMoney());
    NetByRow.fill(TMoney());
}

void TCCSession::Begin(TMoney bankroll, u16 gameCode, TMoney betUnit) {
    Clear();
    TCasinoSession::Begin(bankroll, gameCode, betUnit);
}

bool TCCSession::Decode(const u8* bytes, size_t size) {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    TCasinoSession::Decode(bytes, size);
    RightThisShoot = bytes[RightThisShootAt];
    WrongThisShoot = bytes[WrongThisShootAt];
    for (const TField<u16>& field : Counts)
        this->*field.Member = JorpGetU16(bytes + field.At);
    for (const TField<TMoney>& field : Amounts)
        this->*field.Member = TMoney(JorpGetF64(bytes + field.At));
    for (size_t i = 0; i < StatRows; ++i) {
        BetByRow[i] = TMoney(JorpGetF64(bytes + BetByRowAt + 8 * i));
        NetByRow[i] = TMoney(JorpGetF64(bytes + NetByRowAt + 8 * i));
    }
    return true;
}

bool TCCSession::Encode(u8* bytes, size_t size) const {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    TCasinoSession::Encode(bytes, size);
    bytes[RightThisShootAt] = RightThisShoot;
    bytes[WrongThisShootAt] = WrongThisShoot;
    for (const TField<u16>& field : Counts)
        JorpPutU16(bytes + field.At, this->*field.Member);
    for (const TField<TMoney>& field : Amounts)
        JorpPutF64(bytes + field.At, (this->*field.Member).GetValue());
    for (size_t i = 0; i < StatRows; ++i) {
        JorpPutF64(bytes + BetByRowAt + 8 * i, BetByRow[i].GetValue());
        JorpPutF64(bytes + NetByRowAt + 8 * i, NetByRow[i].GetValue());
    }
    return true;
}
