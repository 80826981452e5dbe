// Process entry point: takes the quit signals, registers resources and backends, runs the game.
#include "craps/table/OwlMain.h"
#include "platform/framework/PlatformMain.h"
#include "platform/host/QuitSignals.h"
#include "platform/sdl/ProgramBackends.h"
#include "resources/Resources.h"

#include <csignal>

int main(int argc, char** argv) {
    // Before any backend starts: SDL then leaves these signals to us, and both backends end
    // on them the same way.
    TQuitSignals::Install();
    // A file-size limit then refuses a write with EFBIG, which the save takes as a failed
    // write (told, its temporary removed); its default action would end the game mid-save.
    std::signal(SIGXFSZ, SIG_IGN);
    // A line the error output cannot take (its reader gone, as when the output is piped into
    // `head`) then fails with EPIPE and is lost; its default action would end the game and
    // with it the run since the last save.
    std::signal(SIGPIPE, SIG_IGN);
    RegisterResources();
    RegisterProgramBackends();
    return PlatformMain(argc, argv, OwlMain);
}
