// Multimedia result codes, the wave-out done message and the memory-file descriptor.
#pragma once

#include "platform/host/Types.h"

// Every wave-mixing call reports one of these; the engine turns them into its error texts.
constexpr u32 MMSYSERR_NOERROR = 0;
constexpr u32 MMSYSERR_ERROR = 1;
constexpr u32 MMSYSERR_BADDEVICEID = 2;
constexpr u32 MMSYSERR_NOTENABLED = 3;
constexpr u32 MMSYSERR_ALLOCATED = 4;
constexpr u32 MMSYSERR_INVALHANDLE = 5;
constexpr u32 MMSYSERR_NODRIVER = 6;
constexpr u32 MMSYSERR_NOMEM = 7;
constexpr u32 MMSYSERR_NOTSUPPORTED = 8;
constexpr u32 MMSYSERR_BADERRNUM = 9;
constexpr u32 MMSYSERR_INVALFLAG = 10;
constexpr u32 MMSYSERR_INVALPARAM = 11;

// Posted to a play's notify window when the play has ended: wParam the channel, lParam the wave.
constexpr u32 MM_WOM_DONE = 0x3BD;

constexpr u32 mmioFOURCC(char a, char b, char c, char d) {
    return static_cast<u32>(static_cast<u8>(a)) | (static_cast<u32>(static_cast<u8>(b)) << 8) |
           (static_cast<u32>(static_cast<u8>(c)) << 16) |
           (static_cast<u32>(static_cast<u8>(d)) << 24);
}

// The I/O procedure that reads a file image held in memory.
constexpr u32 FOURCC_MEM = mmioFOURCC('M', 'E', 'M', ' ');

// Describes where a multimedia file is read from. Only memory images are read here, so only
// the fields that name one are kept; a caller zero-initialises the record and fills those.
struct MMIOINFO {
    u32 dwFlags = 0;
    u32 fccIOProc = 0;
    // Bytes available at pchBuffer; the file inside may be shorter (its RIFF header says).
    i32 cchBuffer = 0;
    const u8* pchBuffer = nullptr;
};
