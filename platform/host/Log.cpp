// The program's error output, each line written whole so that lines from two sources never mix.
#include "Log.h"

#include <cstdio>
#include <string>

void LogLine(std::string_view line) {
    std::string whole(line);
    whole += '\n';
    // One write, whose failure (EPIPE once the reader is gone, SIGPIPE being ignored) only
    // loses the line: stdio stops at the first write that fails and is never retried here.
    std::fwrite(whole.data(), 1, whole.size(), stderr);
    std::fflush(stderr);
}

void LogError(std::string_view text) {
    std::string line(LogProgramName);
    line += ": ";
    line += text;
    LogLine(line);
}
