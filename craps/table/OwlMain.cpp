// OwlMain: makes the application from the program's path, starts it, runs it and ends it.
#include "OwlMain.h"

#include "craps/table/CrapsApp.h"
#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileName.h"
#include "engine/media/CursorMgr.h"
#include "engine/media/EngineMediaMaker.h"
#include "engine/media/EngineSpriteMaker.h"
#include "engine/media/MediaServices.h"
#include "platform/host/MessageBox.h"
#include "platform/host/VirtualPath.h"
#include "platform/host/Xmsg.h"

#include <memory>

int OwlMain(int, char**) {
    // The engine sees the program under its virtual path, never the host's.
    std::string drive, directory, name, extension;
    TJorpFileName::Split(TVirtualPaths::ProgramPath(), drive, directory, name, extension);
    // The framework makes its palettes, bitmaps and surfaces through the media library.
    TEngineMediaMaker media;
    TMediaMaker::Install(&media);
    // Game objects make their sprite lists and sprites through it too.
    TEngineSpriteMaker sprites;
    TSpriteMaker::Install(&sprites);
    // The data-file manager asks the media for the sound state and its wait cursor.
    TMediaServices services;
    TEngineContext::Media = &services;
    struct TUninstall {
        ~TUninstall() {
            TEngineContext::Media = nullptr;
            TSpriteMaker::Install(nullptr);
            TMediaMaker::Install(nullptr);
        }
    } uninstall;
    try {
        auto app = std::make_unique<TCasOTCrapsApp>(drive, directory, name);
        // The application's cursor manager, made with it and gone before it.
        auto cursors = std::make_unique<TCursorMgr>(app.get());
        services.SetCursorMgr(cursors.get());
        app->SetCursorMgr(cursors.get());
        struct TForget {
            TMediaServices& Services;
            ~TForget() { Services.SetCursorMgr(nullptr); }
        } forget{services};
        int code = -1;
        if (app->StartUp())
            code = app->Run();
        services.SetCursorMgr(nullptr);
        cursors.reset();
        app.reset();
        return code;
    } catch (const xmsg& error) {
        MessageBoxExA(nullptr, error.why(), "Exception", MB_OK);
        return -1;
    }
}
