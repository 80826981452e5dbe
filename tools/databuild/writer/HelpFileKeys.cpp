// The game's keys by the names the help gives them.
#include "tools/databuild/writer/HelpFileKeys.h"

#include <algorithm>

const std::vector<THelpKey>& GameKeys() {
    static const std::vector<THelpKey> keys = {
        {"4", "a $10,000 chip into the hand"},
        {"5", "a $1,000 chip into the hand"},
        {"6", "a $100 chip into the hand"},
        {"7", "a $25 chip into the hand"},
        {"8", "a $5 chip into the hand"},
        {"9", "a $1 chip into the hand"},
        {"c", "CLEAR: empties the hand"},
        {"r", "DOWN: takes bets down"},
        {"x", "EXPERT: asks the Expert"},
        {"p", "TALK: the dealer's talk setting"},
        {"Enter", "ROLL"},
        {"Tab", "the next seated gambler's turn"},
        {"F1", "help"},
        {"Esc", "SIZE: the menu bar, on a screen too small for the window"},
        {"F11", "full screen, and back to the window"},
        {"Alt+Enter", "full screen, and back to the window"},
        {"Alt", "the menu bar; with an underlined letter, that menu or a dialog's control"},
        {"F10", "the menu bar"},
    };
    return keys;
}

bool IsGameKey(const std::string& name) {
    const std::vector<THelpKey>& keys = GameKeys();
    return std::any_of(keys.begin(), keys.end(),
                       [&name](const THelpKey& key) { return key.Name == name; });
}
