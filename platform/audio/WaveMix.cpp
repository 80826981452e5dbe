// The entry points: handle checks over the process-wide set of sessions, and the pulled output.
#include "WaveMix.h"

#include "WaveMixOutput.h"
#include "WaveMixSession.h"
#include "platform/host/Library.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

namespace {

// Taken before any session's own mutex, so the audio thread never mixes a session that the
// window thread is closing.
struct TWaveMixState {
    std::mutex Mutex;
    std::vector<std::unique_ptr<TWaveMixSession>> Sessions;
    TWaveMixSession* Active = nullptr;
    TWaveMixPoster Poster;
};

TWaveMixState& State() {
    static TWaveMixState state;
    return state;
}

// Handles are checked against the live sessions, never dereferenced on trust.
bool IsLive(const TWaveMixState& state, const TWaveMixSession* session) {
    return session != nullptr && std::any_of(state.Sessions.begin(), state.Sessions.end(),
                                             [&](const std::unique_ptr<TWaveMixSession>& s) {
                                                 return s.get() == session;
                                             });
}

TWaveMixSession* NewSession(const TMixFormat& format) {
    TWaveMixState& state = State();
    try {
        auto session = std::make_unique<TWaveMixSession>(format);
        std::lock_guard lock(state.Mutex);
        state.Sessions.push_back(std::move(session));
        return state.Sessions.back().get();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// WAVE_FORMAT_1M08 .. WAVE_FORMAT_4S16: every rate, channel count and width the reader takes.
constexpr u32 AllWaveFormats = 0xFFF;

} // namespace

u32 WaveMixGetInfo(WAVEMIXINFO* info) {
    if (info == nullptr || info->wSize != sizeof(WAVEMIXINFO))
        return MMSYSERR_INVALPARAM;
    info->bVersionMajor = 1;
    info->bVersionMinor = 0;
    info->dwFormats = AllWaveFormats;
    return MMSYSERR_NOERROR;
}

TWaveMixSession* WaveMixInit() {
    return NewSession(TMixFormat{});
}

TWaveMixSession* WaveMixConfigureInit(const MIXCONFIG* config) {
    if (config == nullptr || config->wSize != sizeof(MIXCONFIG))
        return nullptr;
    const u32 flags = config->dwFlags;
    if ((flags & ~(WMIX_CONFIG_CHANNELS | WMIX_CONFIG_SAMPLINGRATE)) != 0)
        return nullptr;
    TMixFormat format;
    if ((flags & WMIX_CONFIG_CHANNELS) != 0) {
        const u16 channels = config->wChannels;
        if (channels != 1 && channels != 2)
            return nullptr;
        format.Channels = channels;
    }
    if ((flags & WMIX_CONFIG_SAMPLINGRATE) != 0) {
        switch (config->wSamplingRate) {
        case 11:
            format.Rate = 11025;
            break;
        case 22:
            format.Rate = 22050;
            break;
        case 44:
            format.Rate = 44100;
            break;
        default:
            return nullptr;
        }
    }
    return NewSession(format);
}

u32 WaveMixActivate(TWaveMixSession* session, bool activate) {
    TWaveMixState& state = State();
    std::lock_guard lock(state.Mutex);
    if (!IsLive(state, session))
        return MMSYSERR_INVALHANDLE;
    if (activate) {
        if (state.Active != nullptr && state.Active != session)
            return MMSYSERR_ALLOCATED;
        state.Active = session;
    } else if (state.Active == session) {
        state.Active = nullptr;
    }
    session->SetActive(activate);
    return MMSYSERR_NOERROR;
}

TMixWave* WaveMixOpenWave(TWaveMixSession* session, const MMIOINFO* source, THostModule*,
                          u32 flags) {
    TWaveMixState& state = State();
    std::lock_guard lock(state.Mutex);
    if (!IsLive(state, session))
        return nullptr;
    TMixWave* wave = nullptr;
    session->OpenWave(source, flags, &wave);
    return wave;
}

u32 WaveMixOpenChannel(TWaveMixSession* session, i32 count, u32 flags) {
    TWaveMixState& state = State();
    std::lock_guard lock(state.Mutex);
    if (!IsLive(state, session))
        return MMSYSERR_INVALHANDLE;
    return session->OpenChannels(count, flags);
}

u32 WaveMixPlay(const MIXPLAYPARAMS* params) {
    if (params == nullptr)
        return MMSYSERR_INVALPARAM;
    TWaveMixState& state = State();
    std::lock_guard lock(state.Mutex);
    if (params->wSize != sizeof(MIXPLAYPARAMS))
        return MMSYSERR_INVALPARAM;
    if (!IsLive(state, params->hMixSession))
        return MMSYSERR_INVALHANDLE;
    return params->hMixSession->Play(*params);
}

u32 WaveMixFlushChannel(TWaveMixSession* session, i32 channel, u32 flags) {
    TWaveMixState& state = State();
    std::lock_guard lock(state.Mutex);
    if (!IsLive(state, session))
        return MMSYSERR_INVALHANDLE;
    return session->Flush(channel, flags);
}

u32 WaveMixCloseChannel(TWaveMixSession* session, i32 channel, u32 flags) {
    TWaveMixState& state = State();
    std::lock_guard lock(state.Mutex);
    if (!IsLive(state, session))
        return MMSYSERR_INVALHANDLE;
    return session->CloseChannels(channel, flags);
}

u32 WaveMixFreeWave(TWaveMixSession* session, TMixWave* wave) {
    TWaveMixState& state = State();
    std::lock_guard lock(state.Mutex);
    if (!IsLive(state, session))
        return MMSYSERR_INVALHANDLE;
    return session->FreeWave(wave);
}

u32 WaveMixCloseSession(TWaveMixSession* session) {
    TWaveMixState& state = State();
    std::unique_ptr<TWaveMixSession> closed;
    {
        std::lock_guard lock(state.Mutex);
        const auto it = std::find_if(
            state.Sessions.begin(), state.Sessions.end(),
            [&](const std::unique_ptr<TWaveMixSession>& s) { return s.get() == session; });
        if (session == nullptr || it == state.Sessions.end())
            return MMSYSERR_INVALHANDLE;
        if (state.Active == session)
            state.Active = nullptr;
        closed = std::move(*it);
        state.Sessions.erase(it);
    }
    // Destroyed outside the lock: the audio thread can no longer reach it.
    closed.reset();
    return MMSYSERR_NOERROR;
}

void WaveMixPump() {
    DeliverWaveMixNotices();
}

void RegisterWaveMixLibrary() {
    RegisterBuiltinLibrary(
        "jwmix32.dll",
        {
            {"WaveMixGetInfo", reinterpret_cast<TProcAddress>(&WaveMixGetInfo)},
            {"WaveMixInit", reinterpret_cast<TProcAddress>(&WaveMixInit)},
            {"WaveMixConfigureInit", reinterpret_cast<TProcAddress>(&WaveMixConfigureInit)},
            {"WaveMixActivate", reinterpret_cast<TProcAddress>(&WaveMixActivate)},
            {"WaveMixOpenWave", reinterpret_cast<TProcAddress>(&WaveMixOpenWave)},
            {"WaveMixOpenChannel", reinterpret_cast<TProcAddress>(&WaveMixOpenChannel)},
            {"WaveMixPlay", reinterpret_cast<TProcAddress>(&WaveMixPlay)},
            {"WaveMixFlushChannel", reinterpret_cast<TProcAddress>(&WaveMixFlushChannel)},
            {"WaveMixCloseChannel", reinterpret_cast<TProcAddress>(&WaveMixCloseChannel)},
            {"WaveMixFreeWave", reinterpret_cast<TProcAddress>(&WaveMixFreeWave)},
            {"WaveMixCloseSession", reinterpret_cast<TProcAddress>(&WaveMixCloseSession)},
            {"WaveMixPump", reinterpret_cast<TProcAddress>(&WaveMixPump)},
        });
}

void SetWaveMixPoster(TWaveMixPoster poster) {
    TWaveMixState& state = State();
    std::lock_guard lock(state.Mutex);
    state.Poster = std::move(poster);
}

void DeliverWaveMixNotices() {
    TWaveMixState& state = State();
    std::vector<TWaveMixNotice> notices;
    TWaveMixPoster poster;
    {
        std::lock_guard lock(state.Mutex);
        for (const auto& session : state.Sessions) {
            std::vector<TWaveMixNotice> taken = session->TakeNotices();
            notices.insert(notices.end(), taken.begin(), taken.end());
        }
        poster = state.Poster;
    }
    // Posted outside the lock: the poster may call back into the mixer.
    if (!poster)
        return;
    for (const TWaveMixNotice& n : notices)
        poster(n.Window, n.Message, n.WParam, n.LParam);
}

TMixFormat GetWaveMixOutputFormat() {
    TWaveMixState& state = State();
    std::lock_guard lock(state.Mutex);
    return state.Active != nullptr ? state.Active->GetFormat() : TMixFormat{};
}

void PullWaveMixOutput(i16* out, u32 frames, const TMixFormat& format) {
    TWaveMixState& state = State();
    std::lock_guard lock(state.Mutex);
    if (state.Active != nullptr && state.Active->GetFormat() == format) {
        state.Active->Pull(out, frames);
        return;
    }
    std::fill_n(out, static_cast<std::size_t>(frames) * format.Channels, i16{0});
}
