// The host window's placement in the settings file's Window section.
#include "SdlPlacement.h"

#include "platform/host/PrivateProfile.h"

namespace {

constexpr const char* Section = "Window";

bool ReadFlag(const std::string& file, const char* key) {
    return GetPrivateProfileIntA(Section, key, 0, file) == 1;
}

} // namespace

TSdlPlacement ReadSdlPlacement(const std::string& file, TSize min, TSize max) {
    TSdlPlacement placement;
    const int w = GetPrivateProfileIntA(Section, "Width", 0, file);
    const int h = GetPrivateProfileIntA(Section, "Height", 0, file);
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
