// Process entry point: registers the resources and backends, then runs the game.
#include "craps/table/OwlMain.h"
#include "platform/framework/PlatformMain.h"
#include "platform/sdl/ProgramBackends.h"
#include "resources/Resources.h"

int main(int argc, char** argv) {
    RegisterResources();
    RegisterProgramBackends();
    return PlatformMain(argc, argv, OwlMain);
}
