// TWaveMix: the wave-mixing library "jwmix32.dll", bound by name and shared by the process.
#pragma once

#include "engine/foundation/JorpDll.h"
#include "platform/audio/WaveMix.h"

// The mixer reaches the library only through these pointers. One instance exists while
// some user holds the library; a load that fails to bind leaves none behind.
class TWaveMix : public TJorpDll {
public:
    TWaveMix();
    ~TWaveMix() override;

    // In the library's order; the first name it lacks ends the binding, keeping the ones
    // bound before it.
    bool BindFunctions() override;
    bool UnbindFunctions() override;

    // Loads and binds on the first use and counts the others; false, with no instance
    // left, when the library has not every entry point.
    static bool LoadWaveMix();
    // One use less; the instance goes once the library is no longer loaded. Always true.
    static bool UnloadWaveMix(bool force);
    // The process's instance, or null.
    static TWaveMix* Get();

    TWaveMixGetInfoProc WaveMixGetInfo = nullptr;
    TWaveMixInitProc WaveMixInit = nullptr;
    TWaveMixConfigureInitProc WaveMixConfigureInit = nullptr;
    TWaveMixActivateProc WaveMixActivate = nullptr;
    TWaveMixOpenWaveProc WaveMixOpenWave = nullptr;
    TWaveMixOpenChannelProc WaveMixOpenChannel = nullptr;
    TWaveMixPlayProc WaveMixPlay = nullptr;
    TWaveMixFlushChannelProc WaveMixFlushChannel = nullptr;
    TWaveMixCloseChannelProc WaveMixCloseChannel = nullptr;
    TWaveMixFreeWaveProc WaveMixFreeWave = nullptr;
    TWaveMixCloseSessionProc WaveMixCloseSession = nullptr;
    TWaveMixPumpProc WaveMixPump = nullptr;
};
