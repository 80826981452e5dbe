// Fuzz target: arbitrary bytes as the save file a player manager loads, then seats the stored
// players and saves again.
#include "FuzzSupport.h"
#include "engine/framework/PlayerMgr.h"
#include "engine/framework/PlayerMgrOwner.h"
#include "platform/host/VirtualPath.h"
#include "support/ScratchDir.h"

#include <filesystem>
#include <fstream>

namespace {

class TSilentFrame : public TPlayerMgrOwner {
public:
    void ShowPlayerMessage(const std::string&, const std::string&) override {}
    TModeWindowApi* GetCurrentModeWindow() const override { return nullptr; }
};

// One folder for the whole run, mapped as drive c:, emptied before every input and removed
// when the run ends.
struct TMappedFolder {
    TScratchDir Dir{"savefuzz"};
    TMappedFolder() { TVirtualPaths::SetDriveRoot('c', Dir.Path.string()); }
};

const std::filesystem::path& Folder() {
    static const TMappedFolder folder;
    return folder.Dir.Path;
}

} // namespace

// Keeps what was read from being optimised away.
volatile double SaveFileFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    const std::filesystem::path& folder = Folder();
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove_all(entry.path());
    {
        std::ofstream out(folder / "jorp.sav", std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    TSilentFrame frame;
    TPlayerMgr players(&frame, "c:\\", 3, 20);
    try {
        if (!players.LoadSaveFile())
            return 0;
        double sum = 0;
        for (i16 r = 0; r < players.GetTableSize(); ++r) {
            sum += players.GetBankroll(r) + players.GetPlayerName(r).size();
            if (players.IsUsed(r) && players.ActivatePlayer(r, 0))
                sum += players.GetRecord(r).GetStartBankroll();
        }
        players.CreatePlayer("Fuzz", 1, 1.0);
        players.SaveFile();
        players.DeletePlayer(players.FindPlayer("Fuzz"));
        SaveFileFuzzSink = sum;
    } catch (const TFuzzExit&) {
        return 0;
    }
    return 0;
}
