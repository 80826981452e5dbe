// The question before leaving bets to the house: one box for every gambler who would.
#include "casino/LeaveTableAsk.h"

#include "casino/CasinoGameLord.h"
#include "casino/GamblerMsgDlg.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/MessageBox.h"

std::string LeftBetsText(const TCasinoGameLord& lord, const std::vector<i16>& seats) {
    std::string gamblers;
    for (const i16 seat : seats) {
        const std::vector<TLeftBet> bets = lord.BetsLeftBehind(seat);
        if (bets.empty())
            continue;
        gamblers += lord.GetSeatRecord(seat).GetName() + ": ";
        for (size_t i = 0; i < bets.size(); ++i)
            gamblers += (i == 0 ? "" : ", ") + bets[i].Stake.Format(true, false, true) +
                        " on the " + bets[i].Spot;
        gamblers += '\n';
    }
    if (gamblers.empty())
        return gamblers;
    return GamblerString(212) + "\n\n" + gamblers + '\n' + GamblerString(213);
}

bool AgreesToLeaveBets(TWindow* owner, const TCasinoGameLord& lord, const std::vector<i16>& seats) {
    const std::string text = LeftBetsText(lord, seats);
    if (text.empty())
        return true;
    // The stakes go only on the player's Yes: a close of the window while the box is up
    // leaves it up. A quit signal ends it unanswered, and the program with it: the table is
    // left then as the signal leaves it, and asking again would only hold that up.
    const int answer = MessageBoxExA(owner, text, GamblerString(211),
                                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_KEEPONCLOSE);
    return answer == IDYES || TDesktop::Get().IsQuitSignalled();
}
