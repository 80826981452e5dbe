// The keys the game answers, as the help names them: the help's key markup is checked against
// this list, and every key on it must be named somewhere in the help.
#pragma once

#include <string>
#include <vector>

struct THelpKey {
    // As the help writes it: "{Enter}" shows "Enter".
    std::string Name;
    // What it does, for the list's readers.
    std::string Does;
};

// The table buttons' hot keys, the seat change's Tab, the frame's accelerators, the window's
// full-screen keys and the menu bar's keys, as the program defines them.
const std::vector<THelpKey>& GameKeys();
// Whether the game answers the key of that name.
bool IsGameKey(const std::string& name);
