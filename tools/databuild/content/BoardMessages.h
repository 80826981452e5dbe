// The message board's texts, one per frame of its message animation.
#pragma once

#include <array>

// A message reads as one or two lines. A payout message keeps to its first line: the board lays
// the amount and the payout icon in the second.
struct TBoardMessage {
    const char* First;
    const char* Second;
};

constexpr int BOARD_MESSAGE_COUNT = 94;

const std::array<TBoardMessage, BOARD_MESSAGE_COUNT>& BoardMessages();
// The frames shown with an amount under them: the payouts 52-92.
bool IsPayoutMessage(int frame);
