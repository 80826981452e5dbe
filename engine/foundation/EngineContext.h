// TEngineContext: the process-wide places where the engine finds its settings, file manager and
// media.
#pragma once

#include "engine/foundation/EngineMedia.h"

class TJorpIniFile;
class TJorpFileMgr;
class TModule;

// The engine reaches these through its application object. Whoever creates one of them
// stores it here and clears it again before deleting it; the foundation only reads them.
struct TEngineContext {
    static inline TJorpIniFile* Settings = nullptr;
    static inline TJorpFileMgr* FileMgr = nullptr;
    static inline TEngineMedia* Media = nullptr;
    // The application's module, which holds the string resources; null until it exists.
    static inline const TModule* Module = nullptr;

    // The media services, or a null stand-in while there are none.
    static TEngineMedia& GetMedia() {
        static TNullEngineMedia none;
        return Media != nullptr ? *Media : none;
    }
};
