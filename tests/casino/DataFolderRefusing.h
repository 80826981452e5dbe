// Test support: host calls whose data folder refuses every new file (full, or mounted read-only)
// while the folder above it takes them, and a quit signal noted for as long as it lives.
#pragma once

#include "../engine/framework/PlayerMgrFakes.h"

#include "platform/framework/window/Desktop.h"

#include <string>

// The data folder's own file system refusing every new file there with Error, while the
// player's folder above it takes them; every other call as the faulty host makes it.
class TDataFolderRefusing : public TFaultyHost {
public:
    THostFile* Open(const std::string& path, u32 access, u32 share, u32 disposition) override {
        if (Error != 0 && (disposition == CREATE_ALWAYS || disposition == CREATE_NEW) &&
            path.rfind("c:\\data\\", 0) == 0) {
            LastError = Error;
            return nullptr;
        }
        return TFaultyHost::Open(path, access, share, disposition);
    }
    // Named where the player has it.
    std::string DisplayName(const std::string& path) override {
        return TSaveFileHost::DisplayName(path);
    }
    int Error = 0;
};

// A quit signal noted for as long as it lives.
struct TQuitSignalled {
    TQuitSignalled() { TDesktop::Get().NoteQuitSignal(); }
    ~TQuitSignalled() { TDesktop::Get().Reset(); }
    TQuitSignalled(const TQuitSignalled&) = delete;
    TQuitSignalled& operator=(const TQuitSignalled&) = delete;
};
