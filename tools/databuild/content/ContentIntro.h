// The intro's timing and card size, which tests check the built intro against.
#pragma once

#include "platform/host/Types.h"

// The whole intro in frame ticks (about six a second) and the card it shows.
constexpr u16 INTRO_TICKS = 60;
constexpr i32 INTRO_CARD_WIDTH = 580;
constexpr i32 INTRO_CARD_HEIGHT = 360;
// The dice are thrown a moment after the card shows and tumble for this many frames.
constexpr u16 INTRO_THROW_START = 4;
constexpr u16 INTRO_THROW_FRAMES = 24;
// The intro's tune, in the intro's folder: it sounds alone, at a voice's level.
constexpr const char* INTRO_TUNE = "s4jingle.wav";
// The invitation to go on comes up once the dice have landed.
constexpr u16 INTRO_PROMPT_START = INTRO_THROW_START + INTRO_THROW_FRAMES + 2;
