// The test scene in a real window for a person to look at and click through; it runs until
// its frame is closed.
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/window/Desktop.h"
#include "platform/sdl/SdlBackend.h"
#include "tests/platform/sdl/window/SdlScene.h"

#include <cstdio>

int main() {
    std::string error;
    std::unique_ptr<TSdlBackend> sdl = TSdlBackend::Create({}, &error);
    if (!sdl) {
        std::fprintf(stderr, "platform_sdl_scene: cannot open a window (%s)\n", error.c_str());
        return 1;
    }
    TDesktop::Get().AttachBackend(sdl.get());
    int code = 0;
    {
        TApplication app{"scene"};
        const TSdlScene scene = BuildSdlScene(app);
        if (scene.Dialog == nullptr) {
            std::fprintf(stderr, "platform_sdl_scene: the scene could not be made\n");
            code = 1;
        } else {
            code = app.MessageLoop();
        }
    }
    TDesktop::Get().AttachBackend(nullptr);
    return code;
}
