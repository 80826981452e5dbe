// The shared name order: unsigned byte comparison.
#include "NameCompare.h"

#include <algorithm>
#include <cstring>

i32 JorpNameCompare(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    const int c = n == 0 ? 0 : std::memcmp(a.data(), b.data(), n);
    if (c != 0)
        return c < 0 ? -1 : 1;
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}
