// The frames of the board, the cash displays and the name plates, made once for the data set.
#pragma once

#include "engine/media/AnmEncoder.h"

#include <vector>

// The board's message animation: one frame per board message, each as wide as the board.
std::vector<TAnmFrameSource> MessageFrames();
// The payout icon: the sixteen ratios in the order the board picks them.
std::vector<TAnmFrameSource> IconFrames();
// A digit place: "$" then "0" to "9", each one character place wide.
std::vector<TAnmFrameSource> DigitFrames();
// The name plate's letters: "A" to "Z" then "0" to "9".
std::vector<TAnmFrameSource> GlyphFrames();
