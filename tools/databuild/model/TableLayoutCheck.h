// The check that the table's drawn spots answer where they are drawn: the layout's boxes and
// joints held against the program's spot regions, and probed in the background bitmap itself.
#pragma once

#include "tools/databuild/art/Canvas.h"
#include "tools/databuild/model/TableDrawing.h"

#include <optional>
#include <string>
#include <vector>

// Every spot region without exactly one box; every box that leaves out a pixel of its region,
// holds a pixel inside its border that a click does not land on the spot by, reaches into
// another spot's region (beyond the pixels two regions share) or whose border line the picture
// does not show in `line`; and every joint lying on a region or on another spot's box, or
// joining fewer than two of its spot's boxes. Each fault names the region; empty when all 50
// spot regions are drawn as their boxes and every joint only joins. A box that holds its region
// and no pixel off its spot has its border on the pixels next to the region.
std::vector<std::string> DrawnBoxFaults(const std::vector<TDrawnBox>& boxes,
                                        const std::vector<TJoint>& joints, const TCanvas& picture,
                                        u8 line);

// The pixels of an 8-bit bitmap file as the data set writes it; nothing for bytes that are
// not such a file or that end before its rows do.
std::optional<TCanvas> BitmapPicture(const std::vector<u8>& bytes);
