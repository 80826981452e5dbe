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
//   close              the window closed, as its close box closes it: the program may ask
//                      first (bets left on the table), and a box's answer is the run's to give
// Steps at one time run in the order written. After the last step the run ends as a quit
// signal ends the program: nothing more is asked, bets still standing are counted lost, the
// game is saved and the exit status is 0. So a scripted run always ends; a script that means
// to answer a question the program puts does so with its own steps before its last one.
inline constexpr const char* HeadlessScriptUsage =
    "--script=FILE: lines of \"<ms> click|move <x> <y>\", \"<ms> wheel <x> <y> <notches>\", \"<ms> "
    "key <vk> [<char>]\", "
    "\"<ms> type <c>\", \"<ms> shot <png path>\", \"<ms> close\"; after the last step the "
    "program ends as a quit signal ends it";

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

// Queues the steps on the backend, then the end of the run after the last of them.
void ScheduleHeadlessScript(THeadlessBackend& backend, const std::vector<THeadlessStep>& steps);

// Queues at the clock's time, behind the input already queued for it, the request that ends
// the run as a quit signal ends the program (the loop takes it once a window can close).
void QueueHeadlessQuit(THeadlessBackend& backend);

// Reads a script file and queues it; false with error (naming the file) when it cannot be
// read or a line is bad, and nothing is then queued.
bool LoadHeadlessScript(THeadlessBackend& backend, const std::string& hostPath, std::string& error);
