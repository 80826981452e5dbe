// JorpLoadString: string resources of the application's module.
#include "JorpBase.h"

#include "engine/foundation/EngineContext.h"
#include "platform/framework/window/Module.h"

std::string& JorpLoadString(std::string& result, const TJorpBase*, u32 id) {
    result =
        TEngineContext::Module != nullptr ? TEngineContext::Module->LoadString(id) : std::string();
    return result;
}
