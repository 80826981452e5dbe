// The dealer's lines.
#include "tools/databuild/content/DealerLines.h"

#include "tools/databuild/model/BuildError.h"

#include <array>

namespace {

const std::array<const char*, 13> Words = {"",     "",       "two",   "three", "four",
                                           "five", "six",    "seven", "eight", "nine",
                                           "ten",  "eleven", "twelve"};

std::string Capital(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

// The totals whose numbers are points.
bool IsPoint(int total) {
    return total >= 4 && total <= 10 && total != 7;
}

} // namespace

std::string TotalWord(int total) {
    if (total < 2 || total > 12)
        throw TBuildError("dealer lines", "no dice total " + std::to_string(total));
    return Words[static_cast<size_t>(total)];
}

TResult ResultOf(int result) {
    static const TResult Results[28] = {
        {2, TRollKind::ComeOut},  {2, TRollKind::PointOn},    {3, TRollKind::ComeOut},
        {3, TRollKind::PointOn},  {4, TRollKind::ComeOut},    {4, TRollKind::PointMade},
        {4, TRollKind::PointOn},  {5, TRollKind::ComeOut},    {5, TRollKind::PointMade},
        {5, TRollKind::PointOn},  {6, TRollKind::ComeOut},    {6, TRollKind::PointMade},
        {6, TRollKind::PointOn},  {7, TRollKind::ComeOut},    {7, TRollKind::PointOn},
        {8, TRollKind::ComeOut},  {8, TRollKind::PointMade},  {8, TRollKind::PointOn},
        {9, TRollKind::ComeOut},  {9, TRollKind::PointMade},  {9, TRollKind::PointOn},
        {10, TRollKind::ComeOut}, {10, TRollKind::PointMade}, {10, TRollKind::PointOn},
        {11, TRollKind::ComeOut}, {11, TRollKind::PointOn},   {12, TRollKind::ComeOut},
        {12, TRollKind::PointOn},
    };
    if (result < 1 || result > 28)
        throw TBuildError("dealer lines", "no result " + std::to_string(result));
    return Results[result - 1];
}

std::string ResultCall(int result) {
    const TResult r = ResultOf(result);
    const std::string word = Capital(TotalWord(r.Total));
    switch (r.Total) {
    case 2:
        return r.Kind == TRollKind::ComeOut ? "Two, craps! Line away." : "Two, aces.";
    case 3:
        return r.Kind == TRollKind::ComeOut ? "Three, craps! Line away." : "Three, ace-deuce.";
    case 7:
        return r.Kind == TRollKind::ComeOut ? "Seven! Winner on the pass line!"
                                            : "Seven out! Line away.";
    case 11:
        return r.Kind == TRollKind::ComeOut ? "Yo-leven! Winner!" : "Eleven, yo!";
    case 12:
        return r.Kind == TRollKind::ComeOut ? "Twelve, craps!" : "Twelve, boxcars.";
    default:
        break;
    }
    if (r.Kind == TRollKind::ComeOut)
        return word + " is the point.";
    if (r.Kind == TRollKind::PointMade)
        return word + "! Winner!";
    return r.Total == 5 ? "Five, no field five." : word + ".";
}

std::string ResultCallAgain(int result) {
    const TResult r = ResultOf(result);
    const std::string word = TotalWord(r.Total);
    switch (r.Total) {
    case 2:
        return r.Kind == TRollKind::ComeOut ? "Snake eyes! Craps, line away."
                                            : "Aces, two. Field pays double.";
    case 3:
        return r.Kind == TRollKind::ComeOut ? "Craps three, ace-deuce!" : "Three, in the field.";
    case 7:
        return r.Kind == TRollKind::ComeOut ? "Seven, front line winner!"
                                            : "Seven, line away. Pay the don'ts.";
    case 11:
        return r.Kind == TRollKind::ComeOut ? "Eleven, front line winner!"
                                            : "Yo, eleven! Field winner.";
    case 12:
        return r.Kind == TRollKind::ComeOut ? "Boxcars, twelve craps!"
                                            : "Midnight, twelve. Field pays triple.";
    default:
        break;
    }
    if (r.Kind == TRollKind::ComeOut)
        return "The point is " + word + ". Mark it!";
    if (r.Kind == TRollKind::PointMade)
        return "Winner " + word + "! Pay the line.";
    return "Easy " + word + ". No action on the line.";
}

std::string TerseCall(int result) {
    const TResult r = ResultOf(result);
    const std::string word = Capital(TotalWord(r.Total));
    if (r.Kind == TRollKind::ComeOut) {
        if (r.Total == 7 || r.Total == 11)
            return (r.Total == 7 ? word : std::string("Yo")) + ", winner!";
        if (!IsPoint(r.Total))
            return "Craps!";
        return word + "!";
    }
    if (r.Kind == TRollKind::PointMade)
        return word + ", winner!";
    if (r.Total == 7)
        return "Seven out!";
    return r.Total == 11 ? "Yo!" : word + ".";
}

std::string HardCall(int result) {
    const TResult r = ResultOf(result);
    if (r.Total != 4 && r.Total != 6 && r.Total != 8 && r.Total != 10)
        return {};
    const std::string word = TotalWord(r.Total);
    if (r.Kind == TRollKind::PointMade)
        return Capital(word) + " the hard way! Winner!";
    if (r.Kind == TRollKind::ComeOut)
        return "Hard " + word + " is the point.";
    return Capital(word) + ", the hard way!";
}

int BoxPoint(int box) {
    static const int Points[6] = {4, 5, 6, 8, 9, 10};
    if (box < 0 || box > 5)
        throw TBuildError("dealer lines", "no number box " + std::to_string(box));
    return Points[box];
}

std::string PointCall(int box) {
    return "The point is " + TotalWord(BoxPoint(box)) + ".";
}

std::string PointCallAgain(int box) {
    return Capital(TotalWord(BoxPoint(box))) + " is the point, shooter.";
}

std::string PointChatter(int box) {
    const int p = BoxPoint(box);
    if (!IsPoint(p))
        return {};
    return "Looking for a " + TotalWord(p) + ". Odds are working!";
}

std::string MarkLine(int box) {
    return "Mark it! The point is " + TotalWord(BoxPoint(box)) + ".";
}

const std::vector<std::string>& Chatter(TChatter kind) {
    static const std::vector<std::vector<std::string>> Lines = {
        // ComeOut
        {"Coming out!", "Here we go, coming out!", "Coming out, get your bets down!"},
        // NewShooterComeOut
        {"New shooter coming out!", "Fresh dice, new shooter coming out!"},
        // Greeting
        {"Welcome to the table!", "Good evening, and welcome!",
         "Happy holidays, and welcome to the table!", "Welcome, ladies! Good luck tonight.",
         "Welcome, gentlemen! Good luck tonight.", "Welcome, shooter. The table is all yours.",
         "Welcome, both of you. Good luck!", "A full table! Welcome, everybody."},
        // PlaceBets
        {"Place your bets.", "Bets down, please.", "New shooter. Place your bets.",
         "Get your bets down, the point is on.", "Last call for bets."},
        // Advice
        {"Take your odds!", "Hardways working?", "How about the field?", "Come bets are open.",
         "Anybody on the yo?"},
        // Stall: by how often the shooter has kept us waiting.
        {"Shooter, whenever you're ready.", "Let's go, shooter.", "The dice are waiting, shooter.",
         "We're all waiting on you, shooter.", "Any time now! Roll the dice!"},
        // Winners
        {"Winners!", "One winner!", "Winners all around!", "Big winner! Congratulations!"},
        // Payout
        {"There you go.", "Field pays!", "Here's your money.", "Hardway pays big!",
         "Big payout, congratulations!"},
        // Losers
        {"Take the losers.", "Just one loser.", "Lots of losers. Tough roll."},
        // GiveDice
        {"Dice are out!", "New shooter! Pick your dice.", "Here are your dice, shooter."},
        // NoBet
        {"You need a bet down to roll.", "Put a bet down first, shooter."},
        // SevenOut
        {"Seven out. Thank the shooter!", "Seven out. New shooter coming up."},
    };
    return Lines[static_cast<size_t>(kind)];
}
