// The check that the table's drawn boxes answer where they are drawn: the layout's list of boxes
// held against the program's spot regions, and probed in the background bitmap itself.
#pragma once

#include "tools/databuild/art/Canvas.h"
#include "tools/databuild/model/TableLayout.h"

#include <optional>
#include <string>
#include <vector>

// Every spot region without exactly one box, every box more than FRAME_SLACK pixels off its
// region on a side, every box reaching into another spot's region (beyond the pixels two
// regions share), and every box whose border line the picture does not show in `line`, each
// naming its region; empty when all 50 spot regions are drawn as their boxes.
std::vector<std::string> DrawnBoxFaults(const std::vector<TDrawnBox>& boxes, const TCanvas& picture,
                                        u8 line);

// The pixels of an 8-bit bitmap file as the data set writes it; nothing for bytes that are
// not such a file or that end before its rows do.
std::optional<TCanvas> BitmapPicture(const std::vector<u8>& bytes);
