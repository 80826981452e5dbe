// Process entry point: takes the quit signals, registers resources and backends, runs the game.
#include "craps/table/OwlMain.h"
#include "platform/framework/PlatformMain.h"
#include "platform/host/QuitSignals.h"
#include "platform/sdl/ProgramBackends.h"
#include "resources/Resources.h"

int main(int argc, char** argv) {
    // Before any backend starts: SDL then leaves these signals to us, and both backends end
    // on them the same way.
    TQuitSignals::Install();
    RegisterResources();
    RegisterProgramBackends();
    return PlatformMain(argc, argv, OwlMain);
}
