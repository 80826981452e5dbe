// The message board's texts: greetings, what each bet is and pays as this table pays it, and
// the payout lines.
#include "tools/databuild/content/BoardMessages.h"

namespace {

constexpr std::array<TBoardMessage, BOARD_MESSAGE_COUNT> Messages = {{
    // 0-2 standing messages
    {"WELCOME TO THE TABLE", "PICK A CHIP, THEN CLICK A BET"},
    {"PLACE YOUR BETS", "CLICK ROLL WHEN YOU ARE READY"},
    {"TAKING BETS DOWN", "CLICK A BET TO TAKE IT BACK"},
    // 3-6 line bets
    {"PASS LINE: 7 11 WIN, 2 3 12 LOSE", "THEN POINT BEFORE 7 PAYS 1:1"},
    {"DON'T PASS: 2 3 WIN, 7 11 LOSE", "12 PUSH; 7 BEFORE POINT PAYS 1:1"},
    {"COME: 7 11 WIN, 2 3 12 LOSE", "THEN NUMBER BEFORE 7 PAYS 1:1"},
    {"DON'T COME: 2 3 WIN, 7 11 LOSE", "12 PUSH; 7 BEFORE NUMBER PAYS 1:1"},
    // 7-9 odds behind the pass line
    {"PASS ODDS ON 4 OR 10 PAY 2:1", "UP TO 2X YOUR BET. NO EDGE"},
    {"PASS ODDS ON 5 OR 9 PAY 3:2", "UP TO 2X YOUR BET. NO EDGE"},
    {"PASS ODDS ON 6 OR 8 PAY 6:5", "2X YOUR BET, 2.5X IF EVEN"},
    // 10-12 odds laid behind don't pass
    {"LAY ODDS ON 4 OR 10 PAY 1:2", "UP TO 4X YOUR BET. NO EDGE"},
    {"LAY ODDS ON 5 OR 9 PAY 2:3", "UP TO 3X YOUR BET. NO EDGE"},
    {"LAY ODDS ON 6 OR 8 PAY 5:6", "TO WIN 2X YOUR BET. NO EDGE"},
    // 13-15 odds on a come bet
    {"COME ODDS ON 4 OR 10 PAY 2:1", "UP TO 2X YOUR BET. NO EDGE"},
    {"COME ODDS ON 5 OR 9 PAY 3:2", "UP TO 2X YOUR BET. NO EDGE"},
    {"COME ODDS ON 6 OR 8 PAY 6:5", "2X YOUR BET, 2.5X IF EVEN"},
    // 16-18 odds laid on a don't come bet
    {"DON'T COME ODDS 4/10 PAY 1:2", "UP TO 4X YOUR BET. NO EDGE"},
    {"DON'T COME ODDS 5/9 PAY 2:3", "UP TO 3X YOUR BET. NO EDGE"},
    {"DON'T COME ODDS 6/8 PAY 5:6", "TO WIN 2X YOUR BET. NO EDGE"},
    // 19-21
    {"BIG 6: 6 BEFORE 7 PAYS 1:1", "PLACE THE 6 INSTEAD: IT PAYS 7:6"},
    {"BIG 8: 8 BEFORE 7 PAYS 1:1", "PLACE THE 8 INSTEAD: IT PAYS 7:6"},
    {"FIELD: 3 4 9 10 11 PAY 1:1", "2 PAYS 2:1, 12 3:1, 5-8 LOSE"},
    // 22-27 buy bets
    {"BUY 4: 4 BEFORE 7 PAYS 2:1", "LESS 5% OF THE BET ON A WIN"},
    {"BUY 5: 5 BEFORE 7 PAYS 3:2", "LESS 5% OF THE BET ON A WIN"},
    {"BUY 6: 6 BEFORE 7 PAYS 6:5", "LESS 5% OF THE BET ON A WIN"},
    {"BUY 8: 8 BEFORE 7 PAYS 6:5", "LESS 5% OF THE BET ON A WIN"},
    {"BUY 9: 9 BEFORE 7 PAYS 3:2", "LESS 5% OF THE BET ON A WIN"},
    {"BUY 10: 10 BEFORE 7 PAYS 2:1", "LESS 5% OF THE BET ON A WIN"},
    // 28-33 place bets
    {"PLACE 4: 4 BEFORE 7 PAYS 9:5", "HOUSE EDGE 6.67%"},
    {"PLACE 5: 5 BEFORE 7 PAYS 7:5", "HOUSE EDGE 4.00%"},
    {"PLACE 6: 6 BEFORE 7 PAYS 7:6", "HOUSE EDGE 1.52%"},
    {"PLACE 8: 8 BEFORE 7 PAYS 7:6", "HOUSE EDGE 1.52%"},
    {"PLACE 9: 9 BEFORE 7 PAYS 7:5", "HOUSE EDGE 4.00%"},
    {"PLACE 10: 10 BEFORE 7 PAYS 9:5", "HOUSE EDGE 6.67%"},
    // 34-39 lay bets
    {"LAY 4: 7 BEFORE 4 PAYS 1:2", "LESS 5% OF THE BET ON A WIN"},
    {"LAY 5: 7 BEFORE 5 PAYS 2:3", "LESS 5% OF THE BET ON A WIN"},
    {"LAY 6: 7 BEFORE 6 PAYS 5:6", "LESS 5% OF THE BET ON A WIN"},
    {"LAY 8: 7 BEFORE 8 PAYS 5:6", "LESS 5% OF THE BET ON A WIN"},
    {"LAY 9: 7 BEFORE 9 PAYS 2:3", "LESS 5% OF THE BET ON A WIN"},
    {"LAY 10: 7 BEFORE 10 PAYS 1:2", "LESS 5% OF THE BET ON A WIN"},
    // 40-43 hardways
    {"HARD 4: 2-2 PAYS 7:1", "LOSES ON 7 OR AN EASY 4"},
    {"HARD 6: 3-3 PAYS 9:1", "LOSES ON 7 OR AN EASY 6"},
    {"HARD 8: 4-4 PAYS 9:1", "LOSES ON 7 OR AN EASY 8"},
    {"HARD 10: 5-5 PAYS 7:1", "LOSES ON 7 OR AN EASY 10"},
    // 44-51 one-roll bets
    {"ANY SEVEN PAYS 4:1, ONE ROLL", "HOUSE EDGE 16.67%"},
    {"ANY CRAPS (2, 3, 12) PAYS 7:1", "ONE ROLL. HOUSE EDGE 11.11%"},
    {"TWO PAYS 30:1, ONE ROLL", "HOUSE EDGE 13.89%"},
    {"THREE PAYS 15:1, ONE ROLL", "HOUSE EDGE 11.11%"},
    {"ELEVEN PAYS 15:1, ONE ROLL", "HOUSE EDGE 11.11%"},
    {"TWELVE PAYS 30:1, ONE ROLL", "HOUSE EDGE 13.89%"},
    {"HORN: 1/4 EACH ON 2, 3, 11, 12", "2,12 30:1; 3,11 15:1; REST LOSE"},
    {"C & E: HALF CRAPS, HALF 11", "7:1 OR 15:1 ON HALF, HALF LOST"},
    // 52-92 payouts, shown above the amount
    {"PASS LINE WINS", ""},
    {"DON'T PASS WINS", ""},
    {"COME WINS", ""},
    {"DON'T COME WINS", ""},
    {"WINNER", ""},
    {"WINNER!", ""},
    {"A WINNER", ""},
    {"WE HAVE A WINNER", ""},
    {"BIG 6 WINS", ""},
    {"BIG 8 WINS", ""},
    {"FIELD WINS", ""},
    {"BUY 4 WINS", ""},
    {"BUY 5 WINS", ""},
    {"BUY 6 WINS", ""},
    {"BUY 8 WINS", ""},
    {"BUY 9 WINS", ""},
    {"BUY 10 WINS", ""},
    {"PLACE 4 WINS", ""},
    {"PLACE 5 WINS", ""},
    {"PLACE 6 WINS", ""},
    {"PLACE 8 WINS", ""},
    {"PLACE 9 WINS", ""},
    {"PLACE 10 WINS", ""},
    {"LAY 4 WINS", ""},
    {"LAY 5 WINS", ""},
    {"LAY 6 WINS", ""},
    {"LAY 8 WINS", ""},
    {"LAY 9 WINS", ""},
    {"LAY 10 WINS", ""},
    {"HARD 4 WINS", ""},
    {"HARD 6 WINS", ""},
    {"HARD 8 WINS", ""},
    {"HARD 10 WINS", ""},
    {"ANY SEVEN WINS", ""},
    {"ANY CRAPS WINS", ""},
    {"TWO WINS", ""},
    {"THREE WINS", ""},
    {"ELEVEN WINS", ""},
    {"TWELVE WINS", ""},
    {"HORN WINS", ""},
    {"C & E WINS", ""},
    // 93
    {"ODDS ARE OFF ON THE COME-OUT", "THEY ARE RETURNED TO YOU"},
}};

} // namespace

const std::array<TBoardMessage, BOARD_MESSAGE_COUNT>& BoardMessages() {
    return Messages;
}

bool IsPayoutMessage(int frame) {
    return frame >= 52 && frame <= 92;
}
