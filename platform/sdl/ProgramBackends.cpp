// The game's backend list for PlatformMain.
#include "ProgramBackends.h"

#include "SdlBackend.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/PlatformMain.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessScript.h"

#include "platform/host/Log.h"
#include "platform/host/VirtualPath.h"

namespace {

// The settings file, named after the program (mapped to the player's folder like every file the
// program writes); the window's placement lives there too.
std::string ProgramSettingsFile() {
    std::string path = TVirtualPaths::ProgramPath();
    const size_t dot = path.rfind('.');
    return (dot == std::string::npos ? path : path.substr(0, dot)) + ".ini";
}

} // namespace

void RegisterProgramBackends() {
    // The game's sound loads the wave mixer by name, whichever backend runs it.
    RegisterWaveMixLibrary();
    RegisterBackend(
        {"sdl",
         []() -> std::unique_ptr<TBackend> {
             std::string error;
             TSdlOptions options;
             options.SettingsFile = ProgramSettingsFile();
             std::unique_ptr<TSdlBackend> backend = TSdlBackend::Create(options, &error);
             if (!backend)
                 LogError("cannot open a window (" + error + "); --headless runs without one");
             return backend;
         },
         {},
         {},
         [](TBackend& backend) { static_cast<TSdlBackend&>(backend).KeepPlacement(); }});
    RegisterBackend(
        {"headless", []() -> std::unique_ptr<TBackend> { return THeadlessBackend::ForProgram(); },
         [](TBackend& backend, const std::string& path, std::string& error) {
             return LoadHeadlessScript(static_cast<THeadlessBackend&>(backend), path, error);
         },
         HeadlessScriptUsage});
}
