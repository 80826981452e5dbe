// The game's backend list for PlatformMain.
#include "ProgramBackends.h"

#include "SdlBackend.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/PlatformMain.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessScript.h"

#include <cstdio>

void RegisterProgramBackends() {
    // The game's sound loads the wave mixer by name, whichever backend runs it.
    RegisterWaveMixLibrary();
    RegisterBackend({"sdl", []() -> std::unique_ptr<TBackend> {
                         std::string error;
                         std::unique_ptr<TSdlBackend> backend = TSdlBackend::Create({}, &error);
                         if (!backend)
                             std::fprintf(stderr,
                                          "otcraps: cannot open a window (%s); "
                                          "--headless runs without one\n",
                                          error.c_str());
                         return backend;
                     }});
    RegisterBackend(
        {"headless",
         []() -> std::unique_ptr<TBackend> { return std::make_unique<THeadlessBackend>(); },
         [](TBackend& backend, const std::string& path, std::string& error) {
             return LoadHeadlessScript(static_cast<THeadlessBackend&>(backend), path, error);
         },
         HeadlessScriptUsage});
}
