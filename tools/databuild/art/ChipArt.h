// The pictures of chips, markers, the puck, the dice and the shooter's hands, as animation frames,
// and the dice printed on the layout.
#pragma once

#include "engine/media/AnmEncoder.h"
#include "platform/host/Types.h"

#include <vector>

// Each chip of a pile lies this many pixels above the one below (the table classes count on it).
constexpr i32 CHIP_PITCH = 2;
constexpr i32 CHIP_DENOMINATIONS = 6;
constexpr u16 CHIP_STACK_FRAMES = 10;

// A pile of one denomination ($1, $5, $25, $100, $1000, $10000 for 0-5): frame k holds k + 1
// chips, its hotspot the middle of the pile's foot.
std::vector<TAnmFrameSource> ChipStackFrames(int denomination);
// The gambler's stacks in the chip buttons: the same, of thinner chips this many pixels apart.
constexpr i32 RACK_CHIP_PITCH = 1;
std::vector<TAnmFrameSource> RackStackFrames(int denomination);
// The marker chit in the colour of each seat (frame = seat), its hotspot the point of a pile's
// top it lies on.
std::vector<TAnmFrameSource> SeatChitFrames();
// The "BUY" button of a buy bet, set up behind its pile's top so that the top chip's face shows;
// its hotspot the pile's top point, as the chit's.
TAnmFrameSource BuyMarkerFrame();

// The puck: OFF (frame 0) or ON (frame 1), hotspot at the centre of its foot.
TAnmFrameSource PuckFrame(bool on);
// The pair of dice lying in front of the shooter, hotspot at the middle of their foot.
TAnmFrameSource ShooterDiceFrame();
class TSoftPaint;
// A die seen from above showing `face`, its body size x size pixels from (left, top) plus a
// one-pixel shadow: the dice of every picture share this look.
void PaintDieFace(TSoftPaint& paint, double left, double top, double size, int face);
class TCanvas;
// A die printed on the layout, size x size whole pixels from (left, top), showing 1-6 pips: each
// pip a square a fifth of the die across with the face between it and the next, so that the pips
// stay apart at the table's own size.
void PaintLayoutDie(TCanvas& canvas, i32 left, i32 top, i32 size, int pips);
// A landed die seen from above, faces 1-6 (frame f = face f + 1), hotspot top left.
std::vector<TAnmFrameSource> BigDieFrames();
// The shooter's hand taking the dice from where the shooter dice lie: hotspot as theirs.
std::vector<TAnmFrameSource> PickFrames(bool female);
// The dealer's hand pushing a returned odds pile towards the gambler; hotspot where the pile
// ends.
std::vector<TAnmFrameSource> OddsReturnFrames();
