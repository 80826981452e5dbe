// How the player left the host window, kept in the settings file between runs.
#pragma once

#include "platform/framework/Geometry.h"

#include <string>

struct TSdlPlacement {
    // The window's size while neither maximised nor full-screen; 0 x 0 when none is known.
    TSize Size;
    bool Maximized = false;
    bool FullScreen = false;
    friend bool operator==(const TSdlPlacement&, const TSdlPlacement&) = default;
};

// The placement from the settings file (a virtual path). A size that is not a plain number of
// pixels, or lies outside min to max in either direction, reads as none; a flag other than 0
// or 1 reads as 0.
TSdlPlacement ReadSdlPlacement(const std::string& file, TSize min, TSize max);
// False when the file could not be written.
bool WriteSdlPlacement(const std::string& file, const TSdlPlacement& placement);
