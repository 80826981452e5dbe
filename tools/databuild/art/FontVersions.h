// The line the data build logs about its fonts: text drawn into the data depends on the exact
// face files and the FreeType that renders them, so the log names both.
#pragma once

#include <filesystem>
#include <string>

// "fonts: <file> <version>, ...; FreeType <x.y.z>" for the face files the data's text styles
// use, read from folder. A file that is missing or no font says so in place of its version.
std::string FontVersionLine(const std::filesystem::path& folder);
