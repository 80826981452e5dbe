// PNG files of desktop pixels, through libpng.
#pragma once

#include "platform/framework/draw/Surface.h"

#include <optional>
#include <string>

// Writes 8-bit RGB; false when the file cannot be written.
bool WritePng(const std::string& hostPath, const TScreenSurface& surface);
// Reads any PNG into opaque 0xAARRGGBB pixels; nothing when it is not a readable PNG.
std::optional<TScreenSurface> ReadPng(const std::string& hostPath);
