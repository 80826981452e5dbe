// Ledgers of the big 6 and 8 and of the hardways: one number against the seven.
#include "craps/bets/NumberBets.h"

bool TBetBigLedger::IsWin(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && die1 + die2 == Number;
}

bool TBetBigLedger::IsLose(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && die1 + die2 == SevenIndex;
}

bool TBetHardLedger::IsWin(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && die1 == die2 && die1 + die2 == Number;
}

bool TBetHardLedger::TestWin(i16 die1, i16 die2, i16 point, u8 comeOut,
                             const TCrapsBetOptions& options) {
    if (comeOut != 0 && options[OptionHardwaysOnComeOut] == 0) {
        return false;
    }
    return IsWin(die1, die2, point, comeOut);
}

bool TBetHardLedger::IsLose(i16 die1, i16 die2, i16, u8) {
    if (!AreDice(die1, die2)) {
        return false;
    }
    const int sum = die1 + die2;
    return sum == SevenIndex || (sum == Number && die1 != die2);
}

bool TBetHardLedger::TestLose(i16 die1, i16 die2, i16 point, u8 comeOut,
                              const TCrapsBetOptions& options) {
    if (comeOut != 0 && options[OptionHardwaysOnComeOut] == 0) {
        return false;
    }
    return IsLose(die1, die2, point, comeOut);
}

i32 TBetHardLedger::GetPayoutMultiplier() const {
    if (Number == 2 || Number == 8) {
        return 7;
    }
    return Number == 4 || Number == 6 ? 9 : 1;
}
