// Process entry point: maps the program's directory and starts the game, once there is one.
#include "platform/host/VirtualPath.h"

#include <cstdio>

int main(int argc, char** argv) {
    TVirtualPaths::MapProgramDirectory(argc > 0 ? argv[0] : nullptr);
    std::fprintf(stderr, "otcraps: the game is not built yet; so far there are the engine's "
                         "foundation and control core and the window, drawing and sound layers "
                         "beneath them (run scripts/check to test them).\n");
    return 0;
}
