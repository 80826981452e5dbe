// The wave-mixing library's twelve entry points, bound by name from "jwmix32.dll".
#pragma once

#include "MmSystem.h"
#include "WaveMixTypes.h"

class THostModule;

// Every call runs on the window thread; results are MMSYSERR_ codes unless said otherwise.
u32 WaveMixGetInfo(WAVEMIXINFO* info);
// A new session mixing 22050 Hz stereo; null on failure.
TWaveMixSession* WaveMixInit();
// A new session in the configured format; null for a record that is not valid.
TWaveMixSession* WaveMixConfigureInit(const MIXCONFIG* config);
// One session at a time may hold the output; another's activation gets MMSYSERR_ALLOCATED.
u32 WaveMixActivate(TWaveMixSession* session, bool activate);
// Only memory images are read (flags WMIX_MEMORY, source an MMIOINFO of FOURCC_MEM); the
// module is not used. Null for an image that is not a playable wave.
TMixWave* WaveMixOpenWave(TWaveMixSession* session, const MMIOINFO* source, THostModule* module,
                          u32 flags);
u32 WaveMixOpenChannel(TWaveMixSession* session, i32 count, u32 flags);
u32 WaveMixPlay(const MIXPLAYPARAMS* params);
u32 WaveMixFlushChannel(TWaveMixSession* session, i32 channel, u32 flags);
u32 WaveMixCloseChannel(TWaveMixSession* session, i32 channel, u32 flags);
u32 WaveMixFreeWave(TWaveMixSession* session, TMixWave* wave);
u32 WaveMixCloseSession(TWaveMixSession* session);
// Posts the done notices of plays that have ended since the last delivery.
void WaveMixPump();

// The entry points' types, for a caller that binds them by name and casts them back.
using TWaveMixGetInfoProc = decltype(&WaveMixGetInfo);
using TWaveMixInitProc = decltype(&WaveMixInit);
using TWaveMixConfigureInitProc = decltype(&WaveMixConfigureInit);
using TWaveMixActivateProc = decltype(&WaveMixActivate);
using TWaveMixOpenWaveProc = decltype(&WaveMixOpenWave);
using TWaveMixOpenChannelProc = decltype(&WaveMixOpenChannel);
using TWaveMixPlayProc = decltype(&WaveMixPlay);
using TWaveMixFlushChannelProc = decltype(&WaveMixFlushChannel);
using TWaveMixCloseChannelProc = decltype(&WaveMixCloseChannel);
using TWaveMixFreeWaveProc = decltype(&WaveMixFreeWave);
using TWaveMixCloseSessionProc = decltype(&WaveMixCloseSession);
using TWaveMixPumpProc = decltype(&WaveMixPump);

// Makes the twelve entry points loadable under "jwmix32.dll".
void RegisterWaveMixLibrary();
