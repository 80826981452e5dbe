// The media control interface for the MIDI sequencer device: commands, notices, error texts.
#pragma once

#include "MciTypes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

// How notices reach a window's queue: (callback window, MM_MCINOTIFY, code, device id).
// Until a poster is set, notices are dropped.
using TMciPoster = std::function<void(TWindow*, u32, std::uintptr_t, std::intptr_t)>;
void SetMciPoster(TMciPoster poster);

// One sequencer may be open at a time. Every call runs on the window thread and returns 0 or
// an MCIERR_ code. Open needs MCI_OPEN_TYPE "sequencer" and MCI_OPEN_ELEMENT; play
// starts where the device stands (an open device at the start) and, with MCI_NOTIFY, posts
// MCI_NOTIFY_SUCCESSFUL when the song ends; closing or playing again before then posts
// MCI_NOTIFY_ABORTED or MCI_NOTIFY_SUPERSEDED instead. MCI_WAIT is refused for play: the
// song advances only while the message loop pumps it.
u32 mciSendCommandA(u32 deviceId, u32 message, u32 flags, MCI_OPEN_PARMSA* params);
u32 mciSendCommandA(u32 deviceId, u32 message, u32 flags, MCI_PLAY_PARMS* params);
u32 mciSendCommandA(u32 deviceId, u32 message, u32 flags, MCI_STATUS_PARMS* params);
u32 mciSendCommandA(u32 deviceId, u32 message, u32 flags, MCI_GENERIC_PARMS* params);
u32 mciSendCommandA(u32 deviceId, u32 message, u32 flags, std::nullptr_t);

// Copies the text for an error code, cut to fit length bytes with its terminator; false for
// a code without a text (the buffer then holds an empty string).
bool mciGetErrorStringA(u32 error, char* buffer, u32 length);

// Window thread: sends the messages that have fallen due and posts the end notice.
void PumpMciDevices();
// The clock tick at which PumpMciDevices next has work; nothing while no song plays.
std::optional<u64> GetMciNextDueMs();
