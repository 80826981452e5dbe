// The table's sound effects, synthesised: dice, chips, signals, buttons and the intro's tune.
// Effects peak at most at EFFECT_PEAK, the tune at VOICE_PEAK (Wave.h says why).
#pragma once

#include "tools/databuild/sound/Wave.h"

// Chips set down one on another: count clacks (1 and up; more than 12 sound like 12). The seed
// varies the timing and pitch so two piles do not sound the same.
TSamples ChipClicks(int count, u32 seed = 1);
// A winning bet paid: chips slid across the felt, then counted out onto it.
TSamples PayoutClink();
// The whole bankroll in the hand: a rising bell arpeggio.
TSamples AllInChime();
// A chip refused: a low, short double blip.
TSamples RefusalBlip();
// A soft tick for the sound sprite's places that are bound but never played (index 6..10).
TSamples SpareTick(int index);

// Two dice shaken in the hand, one to three times.
TSamples DiceRattle(u32 seed = 1, int shakes = 3);
// The throw: the dice leave the hand with a whoosh of that many milliseconds (100 to 380).
TSamples DiceThrow(u32 seed = 1, double ms = 380);
// The dice land on the felt.
TSamples DiceBounce(u32 seed = 1);
// The dice strike the back wall.
TSamples DiceWallHit(u32 seed = 1);
// The dice tumble to rest.
TSamples DiceSettle(u32 seed = 1);
// A quick landing, for the fastest game: off the wall and to rest within a third of a second.
TSamples DiceQuickLanding(u32 seed = 1);

// The dealer's work on the felt: chips swept in or pushed back, the stick drawing the dice
// home, the puck set down on a number or turned over.
TSamples ChipSweep(u32 seed = 1);
TSamples StickSweep(u32 seed = 1);
TSamples PuckPlace();

// A table button pressed and let go.
TSamples ButtonPress();
TSamples ButtonRelease();
// The Expert button calling for attention.
TSamples SignalChime();

// The intro's tune: a few bright bars over a walking bass, ending on a chord.
TSamples IntroJingle();
