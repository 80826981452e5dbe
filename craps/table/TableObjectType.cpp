// The places of the table's object names: their codes and their string resources.
#include "craps/table/TableObjectType.h"

namespace table_object {

TableObjectType CodeOfNamePlace(i16 place) {
    // Codes 2 and 28 have no name: the places skip them.
    if (place < 0 || place >= NameCount)
        return Plain;
    if (place == 0)
        return Sound;
    return static_cast<TableObjectType>(place < 26 ? place + 2 : place + 3);
}

u32 NameStringId(i16 place) {
    // The runs of consecutive string resources, in the order of the places.
    struct TRun {
        i16 Places;
        u32 FirstId;
    };
    static constexpr TRun Runs[] = {
        {1, 13090},  // the sound sprite
        {3, 13085},  // the name plates
        {1, 13084},  // the message board
        {1, 13088},  // the bankroll
        {1, 13089},  // the bet in hand
        {6, 13006},  // buttons 0 to 5
        {8, 13076},  // buttons 6 to 13
        {1, 13074},  // the payout chips
        {1, 13073},  // the puck
        {3, 13069},  // the dice
        {6, 13063},  // the big dice
        {1, 13012},  // the chip stacks
        {43, 13015}, // the bet spots
    };
    if (place < 0)
        return 0;
    for (const TRun& run : Runs) {
        if (place < run.Places)
            return run.FirstId + static_cast<u32>(place);
        place = static_cast<i16>(place - run.Places);
    }
    return 0;
}

} // namespace table_object
