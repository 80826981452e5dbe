// Fuzz target: arbitrary bytes as the settings file, read through the engine's settings object
// and the private-profile functions, then given a key that must read back as written.
#include "FuzzSupport.h"
#include "engine/foundation/JorpIniFile.h"
#include "platform/host/PrivateProfile.h"
#include "platform/host/VirtualPath.h"
#include "support/ScratchDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// One folder for the whole run, mapped as drive c:, removed when the run ends.
struct TMappedFolder {
    TScratchDir Dir{"settingsfuzz"};
    TMappedFolder() { TVirtualPaths::SetDriveRoot('c', Dir.Path.string()); }
};

// The host's disk without waiting for the writes to reach it: a run makes thousands of files
// that nobody needs after a crash.
class TUnflushedDisk : public TProfileDisk {
public:
    bool Flush(int) override { return true; }
    bool FlushFolder(const std::string&) override { return true; }
};

const std::filesystem::path& Folder() {
    static const TMappedFolder folder;
    return folder.Dir.Path;
}

} // namespace

// Keeps what was read from being optimised away.
volatile long SettingsFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    const std::filesystem::path& folder = Folder();
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove_all(entry.path());
    {
        std::ofstream out(folder / "otcraps.ini", std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // Forgets the file held from the input before.
    static TUnflushedDisk disk;
    SetPrivateProfileDisk(&disk);
    TJorpIniFile settings("c:", "\\", "otcraps", "otcraps.ini", true);
    settings.Read();
    // Each value may be as large as an int holds, so they are summed as wider numbers.
    long sum = static_cast<long>(settings.Buffering) + settings.Effects + settings.Music +
               static_cast<long>(settings.GetCDDrive().size() + settings.GetCDDir().size());
    sum += settings.GetWarningFlag(0) + settings.GetWarningFlag(1);
    for (int n = 0; n < 4; ++n)
        sum += static_cast<long>(settings.GetPlayerEntry(n).size());
    // What is written reads back, whatever else the file holds.
    if (!settings.WriteString("Fuzz", "Written", "value 1"))
        return 0;
    if (settings.GetString("fuzz", "WRITTEN", "") != "value 1" ||
        settings.GetInt("Fuzz", "Written", -1) != 0)
        std::abort();
    settings.Write();
    SetPrivateProfileDisk(&disk);
    if (settings.GetString("Fuzz", "Written", "") != "value 1")
        std::abort();
    SettingsFuzzSink = sum;
    return 0;
}
