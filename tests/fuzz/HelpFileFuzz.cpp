// Fuzz target: arbitrary bytes read as the help file, and a book that reads written again.
#include "platform/framework/help/HelpFileReader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto book = ReadHelpFile(data, size);
    if (!book)
        return 0;
    // What the reader accepts the encoder writes back byte for byte.
    const std::vector<u8> again = EncodeHelpFile(*book);
    if (again.size() != size || !std::equal(again.begin(), again.end(), data))
        std::abort();
    return 0;
}
