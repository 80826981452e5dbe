// Hand-made engine object files: the header and the little-endian fields bodies are made of.
#pragma once

#include "platform/host/Types.h"

#include <string>

inline std::string Le16(u16 v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

inline std::string Header(const char* id, u16 major, u16 minor) {
    return std::string(id, 4) + Le16(major) + Le16(minor) + std::string(4, '\0');
}

// A fixed 9-byte name field.
inline std::string Name9(const std::string& name) {
    std::string field = name.substr(0, 8);
    field.resize(9, '\0');
    return field;
}

// A length-prefixed string: the length counts the NUL.
inline std::string Str(const std::string& text) {
    return Le16(static_cast<u16>(text.size() + 1)) + text + std::string(1, '\0');
}
