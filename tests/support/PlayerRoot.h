// Test support: the player's folder set apart from the program's for as long as it lives, as an
// installed game has it.
#pragma once

#include "platform/host/VirtualPath.h"

#include <string>

class TPlayerRoot {
public:
    explicit TPlayerRoot(const std::string& root) { TVirtualPaths::SetPlayerRoot(root); }
    ~TPlayerRoot() { TVirtualPaths::SetPlayerRoot(""); }
    TPlayerRoot(const TPlayerRoot&) = delete;
    TPlayerRoot& operator=(const TPlayerRoot&) = delete;
};
