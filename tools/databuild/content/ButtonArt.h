// The looks of a table button, shared by the background (its up look) and its face sprite.
#pragma once

#include "tools/databuild/art/Canvas.h"
#include "tools/databuild/model/TableLayout.h"

#include <string>
#include <vector>

enum class TButtonLook { Up, Pressed, Disabled, Signal };

// The button's look on a canvas of its rectangle's size.
TCanvas ButtonFace(const TTableButton& button, TButtonLook look, const std::string& label);
// The face sprite's frames: pressed, disabled and signal (the window-size button's second
// "not available" look after them), or the talk button's twelve looks.
std::vector<TAnmFrameSource> ButtonFrames(const TTableButton& button);
