// TStr: a minimal heap string, one owned NUL-terminated buffer.
#include "engine/foundation/Str.h"

#include <cstring>
#include <new>

TStr& TStr::operator=(const std::string& text) {
    const std::size_t length = text.size() < MaxLength ? text.size() : MaxLength;
    Text.reset(new (std::nothrow) char[length + 1]);
    if (Text) {
        std::memcpy(Text.get(), text.data(), length);
        Text[length] = '\0';
    }
    return *this;
}

std::string TStr::ToString() const {
    return Text ? std::string(Text.get()) : std::string();
}
