// The mixer's side towards a backend: pulling the mixed output and delivering done notices.
#pragma once

#include "MixFormat.h"
#include "platform/host/Types.h"

#include <cstdint>
#include <functional>

class TWindow;

// Called on the window thread with (notify window, MM_WOM_DONE, channel, wave).
using TWaveMixPoster = std::function<void(TWindow*, u32, std::uintptr_t, std::intptr_t)>;

// Until a poster is set, done notices are dropped when delivered.
void SetWaveMixPoster(TWaveMixPoster poster);

// Window thread: posts the done notices of every session, each session's in the order its
// plays ended. Called by the message loop and by WaveMixPump.
void DeliverWaveMixNotices();

// The format of the active session, or the default format while none is active.
TMixFormat GetWaveMixOutputFormat();

// Any thread (the audio device's callback): fills frames x format.Channels samples with the
// active session's mix. Silence while no session is active, or when the format asked for is
// not the active session's (the device must follow GetWaveMixOutputFormat).
void PullWaveMixOutput(i16* out, u32 frames, const TMixFormat& format);
