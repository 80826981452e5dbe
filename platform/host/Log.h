// The program's error output on stderr: its complaints, each a line under the program's name,
// and the message boxes shown where no window can show them.
#pragma once

#include <string_view>

// The name the program's lines start with.
constexpr std::string_view LogProgramName = "otcraps";

// "otcraps: " and the text, as one line.
void LogError(std::string_view text);
// Text as it is, ended with a newline: for a line that starts with a mark of its own (a message
// box's caption), or lines that follow an error (the usage after a bad option).
void LogLine(std::string_view line);
