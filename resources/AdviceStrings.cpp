// The advisor's texts: general strategy (5600-5611), bad bets (5800-5853, three to a topic)
// and free odds (5854-5900). Each is one string of at most 255 characters; a piece that goes
// on from the one before carries its own leading blank.
#include "Resources.h"

#include "platform/framework/ResourceRegistry.h"

namespace {

constexpr TStringResource GeneralAdvice[] = {
    {5600, "Make only the bets that give the house the smallest edge."},
    {5601, " The pass line, don't pass, come and don't come bets cost you about 1.4% of what you"
           " bet,"},
    {5602, " and free odds behind them cost nothing at all."},
    {5603, " With double odds taken every time, a line bet and its odds together cost only about"
           " 0.6%."},
    {5604, " If you like more action, the place bets on the 6 and the 8 cost 1.52%."},
    {5605, " Leave every other bet alone: the rest of the layout costs you from 2.78% up to"},
    {5606, " 16.67% of each bet, and those are the bets the house loves."},
    {5607, "                                                  "},
    {5608, "Take the maximum free odds whenever you can: it is the only bet in the casino with no"
           " house edge."},
    {5609, " Keep no more than three points covered at once,"},
    {5610, " and never bet both sides of the table together,"},
    {5611, " since a win on one side is then paid for with a loss on the other."},
};

constexpr TStringResource BadBetAdvice[] = {
    // 1 the field
    {5800, "The field looks generous, but with the 12 paying 3 to 1 the house keeps 2.78% of"
           " every field bet"},
    {5801, " (5.56% where the 12 pays only 2 to 1)."},
    {5802, " Put your money only where the edge is 1.52% or less."},
    // 2 big 6 and big 8
    {5803, "The big 6 and big 8 pay even money and give the house 9.09%."},
    {5804, " A place bet on the 6 or the 8 is the very same bet paid 7 to 6,"},
    {5805, " and costs you only 1.52%. Place the number instead."},
    // 3 any craps
    {5806, "Any craps gives the house 11.11%."},
    {5807, " Stay with the pass, don't pass, come and don't come bets"},
    {5808, " and back them with full free odds."},
    // 4 two or twelve
    {5809, "The 2 and the 12 are among the worst bets on the table:"},
    {5810, " at 30 to 1 for a 1 in 36 chance the house keeps 13.89%."},
    {5811, " Leave them to the tourists."},
    // 5 three or eleven
    {5812, "The 3 and the 11 pay 15 to 1 for a 1 in 18 chance,"},
    {5813, " which gives the house 11.11% of every such bet."},
    {5814, " A line bet with odds costs a small fraction of that."},
    // 6 C and E
    {5815, "C and E is any craps and the 11 in one bet."},
    {5816, " Both halves give the house 11.11%,"},
    {5817, " so the pair costs you at least 11.1% every roll."},
    // 7 any seven
    {5818, "Any seven gives the house 16.67%, the highest edge on the table."},
    {5819, " That is more than 25 times the cost of a pass or don't pass bet"},
    {5820, " with double odds."},
    // 8 horn
    {5821, "The horn is four proposition bets at once: the 2, 3, 11 and 12."},
    {5822, " Its parts give the house from 11.11% to 13.89%,"},
    {5823, " 12.5% for the bet as a whole."},
    // 9 hard 6 or hard 8
    {5824, "The hard 6 and hard 8 pay 9 to 1 and give the house 9.09%."},
    {5825, " The place bet on the same number costs 1.52%"},
    {5826, " and wins however the number is rolled."},
    // 10 hard 4 or hard 10
    {5827, "The hard 4 and hard 10 pay 7 to 1 and give the house 11.11%."},
    {5828, " That is nearly eight times the cost of a pass line bet,"},
    {5829, " which also wins when the 4 or the 10 comes."},
    // 11 the 4 and 10 boxes
    {5830, "Placing the 4 or the 10 gives the house 6.67%."},
    {5831, " A come bet that travels to the number, backed with free odds,"},
    {5832, " covers it for a small fraction of that."},
    // 12 the 5 and 9 boxes
    {5833, "Placing the 5 or the 9 gives the house 4.00%."},
    {5834, " A come bet with free odds covers the same number"},
    {5835, " at well under half that cost."},
    // 13 pass and don't pass
    {5836, "You are betting against yourself: the pass line and don't pass are opposite sides."},
    {5837, " Whenever one of them wins the other loses,"},
    {5838, " and a 12 on the come-out takes the pass line while don't pass only pushes."},
    // 14 pass and don't come
    {5839, "You are betting against yourself: the pass line and don't come are opposite sides."},
    {5840, " A win on one is a loss on the other,"},
    {5841, " and the house keeps its edge on both."},
    // 15 don't pass and come
    {5842, "You are betting against yourself: don't pass and come are opposite sides."},
    {5843, " A win on one is a loss on the other,"},
    {5844, " and the house keeps its edge on both."},
    // 16 come and don't come
    {5845, "You are betting against yourself: come and don't come are opposite sides."},
    {5846, " A win on one is a loss on the other,"},
    {5847, " and the house keeps its edge on both."},
    // 17 a fourth point on the right side
    {5848, "You already have three points covered with the pass line and come bets."},
    {5849, " Keep it at three: a single seven takes every one of them at once,"},
    {5850, " and a fourth point only adds to what that seven wins for the house."},
    // 18 a fourth point on the wrong side
    {5851, "You already have three points covered with don't pass and don't come bets."},
    {5852, " Keep it at three: each new one starts out as a fresh risk on the come-out,"},
    {5853, " and more points only add to what a streak of numbers can take from you."},
};

constexpr TStringResource FreeOddsAdvice[] = {
    // 1 a come bet without odds
    {5854, "Your come bet has travelled to its number without free odds."},
    {5855, " Free odds are the best bet in the casino:"},
    {5856, " they are paid at the true odds of the number,"},
    {5857, " so the house has no edge on them at all."},
    {5858, " Always take the maximum you are allowed."},
    {5859, " To add odds, put chips in your hand"},
    {5860, " and click your come bet where it sits on its number."},
    {5861, " The odds go on top of the come bet"},
    {5862, " and win or lose along with it."},
    {5863, " This table allows double odds:"},
    {5864, " twice your come bet, or two and a half times on a 6 or 8 when the bet is even."},
    {5865, " The dealer will not take more than the limit."},
    // 2 a don't-come bet without odds
    {5866, "Your don't come bet has moved behind its number without free odds."},
    {5867, " Free odds are the best bet in the casino:"},
    {5868, " they are paid at the true odds of the number,"},
    {5869, " so the house has no edge on them at all."},
    {5870, " Always lay the maximum you are allowed."},
    {5871, " To add odds, put chips in your hand"},
    {5872, " and click the small box above the number where your don't come bet sits."},
    {5873, " The odds are laid against the number"},
    {5874, " and win or lose along with the bet."},
    {5875, " This table allows double odds:"},
    {5876, " twice your don't come bet, or two and a half times on a 6 or 8 when the bet is even."},
    {5877, " The dealer will not take more than the limit."},
    // 3 a pass line bet without odds
    {5878, "Your pass line bet has a point but no free odds."},
    {5879, " Free odds are paid at the true odds of the point,"},
    {5880, " so the house has no edge on them: always take the maximum."},
    {5881, " To add odds, put chips in your hand"},
    {5882, " and click your pass line bet itself."},
    {5883, " This table allows double odds:"},
    {5884, " twice your pass line bet, or two and a half times on a 6 or 8 when the bet is even."},
    {5885, " The dealer will not take more than the limit."},
    // 4 a don't pass bet without odds
    {5886, "Your don't pass bet has a point but no free odds."},
    {5887, " Free odds are paid at the true odds of the point,"},
    {5888, " so the house has no edge on them: always lay the maximum."},
    {5889, " To add odds, put chips in your hand"},
    {5890, " and click your don't pass bet itself."},
    {5891, " This table allows double odds:"},
    {5892, " twice your don't pass bet, or two and a half times on a 6 or 8 when the bet is even."},
    {5893, " The dealer will not take more than the limit."},
    // 5 odds below the maximum
    {5894, "You have taken free odds, but less than the table allows."},
    {5895, " The odds carry no house edge,"},
    {5896, " so every dollar of them lowers what the whole bet costs you."},
    {5897, " Take the maximum:"},
    {5898, " double odds on every line and come bet,"},
    {5899, " two and a half times on a 6 or 8 when the bet is an even amount."},
    {5900, " Click the bet again with chips in your hand to add the rest."},
};

} // namespace

void RegisterAdviceStrings() {
    TResourceRegistry& registry = TResourceRegistry::Get();
    registry.AddStrings(GeneralAdvice);
    registry.AddStrings(BadBetAdvice);
    registry.AddStrings(FreeOddsAdvice);
}
