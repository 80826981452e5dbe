// The host window's placement in the settings file's Window section.
#include "SdlPlacement.h"

#include "platform/host/PrivateProfile.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* Section = "Window";
// No display is a hundred thousand pixels across; longer numbers are not sizes.
constexpr size_t SizeDigits = 5;

// The value when it is a plain number and nothing else ("1280px", "+1280" and "12 80" are no
// sizes); -1 otherwise.
int ReadSize(const std::string& file, const char* key) {
    const std::string v = GetPrivateProfileStringA(Section, key, "", file);
    if (v.empty() || v.size() > SizeDigits || !std::all_of(v.begin(), v.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return -1;
    return std::stoi(v);
}

bool ReadFlag(const std::string& file, const char* key) {
    return GetPrivateProfileStringA(Section, key, "", file) == "1";
}

} // namespace

TSdlPlacement ReadSdlPlacement(const std::string& file, TSize min, TSize max) {
    TSdlPlacement placement;
    const int w = ReadSize(file, "Width");
    const int h = ReadSize(file, "Height");
    if (w >= min.cx && w <= max.cx && h >= min.cy && h <= max.cy)
        placement.Size = {w, h};
    placement.Maximized = ReadFlag(file, "Maximized");
    placement.FullScreen = ReadFlag(file, "FullScreen");
    return placement;
}

bool WriteSdlPlacement(const std::string& file, const TSdlPlacement& placement) {
    // One rewrite of the file for the four keys.
    TPrivateProfileBatch batch;
    bool ok = WritePrivateProfileStringA(Section, "Width", std::to_string(placement.Size.cx), file);
    ok = WritePrivateProfileStringA(Section, "Height", std::to_string(placement.Size.cy), file) &&
         ok;
    ok = WritePrivateProfileStringA(Section, "Maximized", placement.Maximized ? "1" : "0", file) &&
         ok;
    ok =
        WritePrivateProfileStringA(Section, "FullScreen", placement.FullScreen ? "1" : "0", file) &&
        ok;
    return batch.Close() && ok;
}
