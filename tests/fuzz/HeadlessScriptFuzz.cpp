// Fuzz target: arbitrary bytes read as a headless input script. A script that reads gives steps
// in the order written, each from a line of the text and none before the run starts; one that
// does not names its line.
#include "platform/headless/HeadlessScript.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<THeadlessStep> steps;
    std::string error;
    if (!ParseHeadlessScript(text, steps, error)) {
        if (error.empty())
            std::abort();
        return 0;
    }
    std::size_t lines = 1;
    for (const char c : text)
        lines += c == '\n';
    u32 lastLine = 0;
    for (const THeadlessStep& step : steps) {
        if (step.Line <= lastLine || step.Line > lines)
            std::abort();
        lastLine = step.Line;
        if (step.Verb == THeadlessVerb::Shot && step.Path.empty())
            std::abort();
    }
    return 0;
}
