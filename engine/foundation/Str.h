// TStr: a minimal heap string, one owned NUL-terminated buffer.
#pragma once

#include "platform/host/Types.h"

#include <cstddef>
#include <memory>
#include <string>

class TStr {
public:
    // The buffer's size is 16 bits, text and NUL together; longer text is cut to fit.
    static constexpr std::size_t MaxLength = 65534;

    TStr() = default;

    TStr& operator=(const std::string& text);
    std::string ToString() const;

private:
    std::unique_ptr<char[]> Text;
};
