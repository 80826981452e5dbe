// Scripts of input for the headless backend, read from a text file: one timed step a line.
#pragma once

#include "HeadlessBackend.h"

#include <string>
#include <string_view>
#include <vector>

// A script is plain text, one step a line, "<ms> <verb> <args>", where <ms> is a time on the
// headless clock (a run starts at 1000 ms); '#' starts a comment, blank lines are skipped.
//   click <x> <y>      left button down and up at a desktop point
//   move <x> <y>       the mouse to a desktop point
//   wheel <x> <y> <n>  the wheel turned n notches at a desktop point, up (away) for n > 0
//   key <vk> [<char>]  a key pressed and released (decimal or 0x numbers), typing <char>
//   type <c>           the printable character c typed with its key
//   shot <png path>    the desktop written to a host PNG file
//   close              the window closed, which the program answers by ending
// Steps at one time run in the order written. After the last step the window is closed, so
// a scripted run always ends.
inline constexpr const char* HeadlessScriptUsage =
    "--script=FILE: lines of \"<ms> click|move <x> <y>\", \"<ms> wheel <x> <y> <notches>\", \"<ms> "
    "key <vk> [<char>]\", "
    "\"<ms> type <c>\", \"<ms> shot <png path>\", \"<ms> close\"; the window closes after the "
    "last step";

enum class THeadlessVerb { Click, Move, Wheel, Key, Type, Shot, Close };

struct THeadlessStep {
    u32 Line = 0;
    u64 Time = 0;
    THeadlessVerb Verb = THeadlessVerb::Close;
    TPoint Pos;
    // Notches of a wheel step.
    i32 Notches = 0;
    u32 VirtualKey = 0;
    u32 Char = 0;
    std::string Path;
};

// The steps of a script's text; false with error naming the first bad line.
bool ParseHeadlessScript(std::string_view text, std::vector<THeadlessStep>& steps,
                         std::string& error);

// Queues the steps on the backend, then the closing of the window after the last of them.
void ScheduleHeadlessScript(THeadlessBackend& backend, const std::vector<THeadlessStep>& steps);

// Reads a script file and queues it; false with error (naming the file) when it cannot be
// read or a line is bad, and nothing is then queued.
bool LoadHeadlessScript(THeadlessBackend& backend, const std::string& hostPath, std::string& error);
