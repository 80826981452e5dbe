// The wave-mixing library's records and flag values, as its callers fill them in.
#pragma once

#include "platform/host/Types.h"

class TWindow;
class TWaveMixSession;
class TMixWave;

// Configuration for WaveMixConfigureInit: exactly ten bytes, packed, as callers build it.
#pragma pack(push, 2)
struct MIXCONFIG {
    u16 wSize = sizeof(MIXCONFIG);
    u32 dwFlags = 0;
    // 1 mono, 2 stereo; read only with WMIX_CONFIG_CHANNELS.
    u16 wChannels = 0;
    // 11, 22 or 44 (kHz); read only with WMIX_CONFIG_SAMPLINGRATE.
    u16 wSamplingRate = 0;
};
#pragma pack(pop)
static_assert(sizeof(MIXCONFIG) == 10);

constexpr u32 WMIX_CONFIG_CHANNELS = 0x1;
constexpr u32 WMIX_CONFIG_SAMPLINGRATE = 0x2;

// Parameters of one play. The fields keep their order, but the handles are real pointers, so
// the record is laid out naturally and wSize must be sizeof(MIXPLAYPARAMS).
struct MIXPLAYPARAMS {
    u16 wSize = sizeof(MIXPLAYPARAMS);
    TWaveMixSession* hMixSession = nullptr;
    i32 iChannel = 0;
    TMixWave* lpMixWave = nullptr;
    // Receives MM_WOM_DONE when the play ends; none is posted for a null window.
    TWindow* hWndNotify = nullptr;
    u32 dwFlags = 0;
    // Extra repeats after the first time through.
    u16 wLoops = 0;
};

// Play flags. Without WMIX_CLEARQUEUE a play waits behind the channel's current and queued
// plays. Held plays (WMIX_WAIT) are released together by the next play without the flag, so
// they start sounding on the same output frame.
constexpr u32 WMIX_QUEUEWAVE = 0x0;
constexpr u32 WMIX_CLEARQUEUE = 0x1;
constexpr u32 WMIX_HIPRIORITY = 0x4;
constexpr u32 WMIX_WAIT = 0x8;

// WaveMixOpenWave: the "file name" argument is an MMIOINFO describing a memory image.
constexpr u32 WMIX_MEMORY = 0x4;

// WaveMixOpenChannel: open channels 0 .. count-1.
constexpr u32 WMIX_OPENALL = 0x1;
// WaveMixFlushChannel and WaveMixCloseChannel: every channel, whatever channel is given.
constexpr u32 WMIX_ALL = 0x1;

constexpr i32 WAVEMIX_MAXCHANNELS = 8;

// What WaveMixGetInfo reports.
struct WAVEMIXINFO {
    u16 wSize = sizeof(WAVEMIXINFO);
    u8 bVersionMajor = 0;
    u8 bVersionMinor = 0;
    // The classic WAVE_FORMAT_ bits of the formats the mixer reads: 11, 22 and 44 kHz,
    // mono and stereo, 8 and 16 bits.
    u32 dwFormats = 0;
};
