// TWaveMix: binding the twelve entry points and the process-wide, use-counted instance.
#include "engine/media/WaveMixDll.h"

#include <memory>

namespace {

std::unique_ptr<TWaveMix>& Instance() {
    static std::unique_ptr<TWaveMix> instance;
    return instance;
}

template <class TProc> bool Bind(THostModule* module, const char* name, TProc& into) {
    const TProcAddress address = GetProcAddress(module, name);
    if (address == nullptr)
        return false;
    // The library registered each entry point from a function of exactly this type.
    into = reinterpret_cast<TProc>(address);
    return true;
}

} // namespace

TWaveMix::TWaveMix() : TJorpDll("jwmix32.dll", true) {
    UnbindFunctions();
}

TWaveMix::~TWaveMix() {
    // The base's destructor no longer reaches this class's unbinding.
    Unload();
}

bool TWaveMix::BindFunctions() {
    THostModule* module = GetModule();
    if (module == nullptr)
        return false;
    return Bind(module, "WaveMixGetInfo", WaveMixGetInfo) &&
           Bind(module, "WaveMixInit", WaveMixInit) &&
           Bind(module, "WaveMixConfigureInit", WaveMixConfigureInit) &&
           Bind(module, "WaveMixActivate", WaveMixActivate) &&
           Bind(module, "WaveMixOpenWave", WaveMixOpenWave) &&
           Bind(module, "WaveMixOpenChannel", WaveMixOpenChannel) &&
           Bind(module, "WaveMixPlay", WaveMixPlay) &&
           Bind(module, "WaveMixFlushChannel", WaveMixFlushChannel) &&
           Bind(module, "WaveMixCloseChannel", WaveMixCloseChannel) &&
           Bind(module, "WaveMixFreeWave", WaveMixFreeWave) &&
           Bind(module, "WaveMixCloseSession", WaveMixCloseSession) &&
           Bind(module, "WaveMixPump", WaveMixPump);
}

bool TWaveMix::UnbindFunctions() {
    WaveMixGetInfo = nullptr;
    WaveMixInit = nullptr;
    WaveMixConfigureInit = nullptr;
    WaveMixActivate = nullptr;
    WaveMixOpenWave = nullptr;
    WaveMixOpenChannel = nullptr;
    WaveMixPlay = nullptr;
    WaveMixFlushChannel = nullptr;
    WaveMixCloseChannel = nullptr;
    WaveMixFreeWave = nullptr;
    WaveMixCloseSession = nullptr;
    WaveMixPump = nullptr;
    return true;
}

bool TWaveMix::LoadWaveMix() {
    std::unique_ptr<TWaveMix>& instance = Instance();
    if (!instance)
        instance = std::make_unique<TWaveMix>();
    if (instance->Attach())
        return true;
    instance.reset();
    return false;
}

bool TWaveMix::UnloadWaveMix(bool force) {
    std::unique_ptr<TWaveMix>& instance = Instance();
    if (!instance)
        return true;
    instance->Detach();
    if (instance->IsLoaded() && force)
        instance->Unload();
    if (!instance->IsLoaded())
        instance.reset();
    return true;
}

TWaveMix* TWaveMix::Get() {
    return Instance().get();
}
