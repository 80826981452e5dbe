// Fuzz support for the save's record checks: one casino manager for a whole run, over a sound
// file it made in a folder mapped as c:, and that file's bytes.
#pragma once

#include "casino/CasinoPlayerMgr.h"
#include "engine/framework/PlayerMgrOwner.h"
#include "platform/host/VirtualPath.h"
#include "support/ScratchDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

class TSilentJudgeFrame : public TPlayerMgrOwner {
public:
    void ShowPlayerMessage(const std::string&, const std::string&) override {}
    TModeWindowApi* GetCurrentModeWindow() const override { return nullptr; }
};

struct TCasinoJudge {
    explicit TCasinoJudge(const std::string& folder) : Dir(folder) {
        TVirtualPaths::SetDriveRoot('c', Dir.Path.string());
        Mgr = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\", 3, 20, false);
        if (Mgr->IsSavingDisabled())
            std::abort();
        std::ifstream in(Dir.Path / Mgr->GetSaveFileName(), std::ios::binary);
        Sound.assign(std::istreambuf_iterator<char>(in), {});
        if (Sound.size() != static_cast<size_t>(Mgr->GetSaveFileSize()))
            std::abort();
    }

    TScratchDir Dir;
    TSilentJudgeFrame Frame;
    std::unique_ptr<TCasinoPlayerMgr> Mgr;
    std::vector<u8> Sound;
};
