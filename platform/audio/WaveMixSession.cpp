// The session's channel bookkeeping and the mix the audio device pulls.
#include "WaveMixSession.h"

#include "WaveConvert.h"
#include "WaveFile.h"

#include <algorithm>
#include <limits>
#include <new>

namespace {

constexpr u32 PlayFlags = WMIX_CLEARQUEUE | WMIX_HIPRIORITY | WMIX_WAIT;

bool InRange(i32 channel) {
    return channel >= 0 && channel < WAVEMIX_MAXCHANNELS;
}

i16 Clip(i32 v) {
    return static_cast<i16>(
        std::clamp<i32>(v, std::numeric_limits<i16>::min(), std::numeric_limits<i16>::max()));
}

} // namespace

void TWaveMixSession::SetActive(bool active) {
    std::lock_guard lock(Mutex);
    Active = active;
}

bool TWaveMixSession::IsActive() const {
    std::lock_guard lock(Mutex);
    return Active;
}

u32 TWaveMixSession::OpenChannels(i32 count, u32 flags) {
    if (flags != WMIX_OPENALL)
        return MMSYSERR_INVALFLAG;
    if (count < 1 || count > WAVEMIX_MAXCHANNELS)
        return MMSYSERR_BADDEVICEID;
    std::lock_guard lock(Mutex);
    for (i32 c = 0; c < count; ++c)
        Channels[c].Open = true;
    return MMSYSERR_NOERROR;
}

u32 TWaveMixSession::CloseChannels(i32 channel, u32 flags) {
    if (flags != 0 && flags != WMIX_ALL)
        return MMSYSERR_INVALFLAG;
    if (flags == 0 && !InRange(channel))
        return MMSYSERR_BADDEVICEID;
    std::lock_guard lock(Mutex);
    for (i32 c = 0; c < WAVEMIX_MAXCHANNELS; ++c) {
        if (flags == WMIX_ALL || c == channel) {
            StopChannel(c);
            Channels[c].Open = false;
        }
    }
    return MMSYSERR_NOERROR;
}

u32 TWaveMixSession::Flush(i32 channel, u32 flags) {
    if (flags != 0 && flags != WMIX_ALL)
        return MMSYSERR_INVALFLAG;
    std::lock_guard lock(Mutex);
    if (flags == WMIX_ALL) {
        for (i32 c = 0; c < WAVEMIX_MAXCHANNELS; ++c)
            StopChannel(c);
        return MMSYSERR_NOERROR;
    }
    if (!InRange(channel) || !Channels[channel].Open)
        return MMSYSERR_BADDEVICEID;
    StopChannel(channel);
    return MMSYSERR_NOERROR;
}

void TWaveMixSession::StopChannel(i32 channel) {
    Channels[channel].Plays.clear();
    std::erase_if(Held, [&](const THeldPlay& h) { return h.Channel == channel; });
    std::erase_if(Notices, [&](const TWaveMixNotice& n) {
        return n.WParam == static_cast<std::uintptr_t>(channel);
    });
}

u32 TWaveMixSession::OpenWave(const MMIOINFO* source, u32 flags, TMixWave** wave) {
    *wave = nullptr;
    if (flags != WMIX_MEMORY)
        return MMSYSERR_INVALFLAG;
    if (source == nullptr)
        return MMSYSERR_INVALPARAM;
    if (source->fccIOProc != FOURCC_MEM)
        return MMSYSERR_NOTSUPPORTED;
    if (source->pchBuffer == nullptr || source->cchBuffer <= 0)
        return MMSYSERR_INVALPARAM;
    TWaveFile file;
    const u32 parsed =
        ParseWaveFile(source->pchBuffer, static_cast<std::size_t>(source->cchBuffer), file);
    if (parsed != MMSYSERR_NOERROR)
        return parsed;
    try {
        auto samples = std::make_shared<const std::vector<i16>>(ConvertWave(file, Format));
        auto opened = std::make_unique<TMixWave>(this, std::move(samples), Format.Channels);
        std::lock_guard lock(Mutex);
        Waves.push_back(std::move(opened));
        *wave = Waves.back().get();
    } catch (const std::bad_alloc&) {
        return MMSYSERR_NOMEM;
    }
    return MMSYSERR_NOERROR;
}

bool TWaveMixSession::OwnsWave(const TMixWave* wave) const {
    std::lock_guard lock(Mutex);
    return HasWave(wave);
}

bool TWaveMixSession::HasWave(const TMixWave* wave) const {
    return std::any_of(Waves.begin(), Waves.end(),
                       [&](const std::unique_ptr<TMixWave>& w) { return w.get() == wave; });
}

u32 TWaveMixSession::FreeWave(TMixWave* wave) {
    std::lock_guard lock(Mutex);
    const auto it =
        std::find_if(Waves.begin(), Waves.end(),
                     [&](const std::unique_ptr<TMixWave>& w) { return w.get() == wave; });
    if (it == Waves.end())
        return MMSYSERR_INVALHANDLE;
    // A later wave may be given the same address, so nothing may still name this one.
    for (TChannel& channel : Channels)
        std::erase_if(channel.Plays, [&](const TPlay& p) { return p.Wave == wave; });
    std::erase_if(Held, [&](const THeldPlay& h) { return h.Play.Wave == wave; });
    std::erase_if(Notices, [&](const TWaveMixNotice& n) {
        return n.LParam == reinterpret_cast<std::intptr_t>(wave);
    });
    Waves.erase(it);
    return MMSYSERR_NOERROR;
}

u32 TWaveMixSession::Play(const MIXPLAYPARAMS& params) {
    if (params.wSize != sizeof(MIXPLAYPARAMS))
        return MMSYSERR_INVALPARAM;
    if (params.hMixSession != this)
        return MMSYSERR_INVALHANDLE;
    if ((params.dwFlags & ~PlayFlags) != 0)
        return MMSYSERR_INVALFLAG;
    std::lock_guard lock(Mutex);
    if (!HasWave(params.lpMixWave))
        return MMSYSERR_INVALHANDLE;
    if (!InRange(params.iChannel) || !Channels[params.iChannel].Open)
        return MMSYSERR_BADDEVICEID;

    TPlay play;
    play.Samples = params.lpMixWave->GetSamples();
    play.Wave = params.lpMixWave;
    play.Notify = params.hWndNotify;
    play.LoopsLeft = params.wLoops;
    const bool clear = (params.dwFlags & WMIX_CLEARQUEUE) != 0;
    if ((params.dwFlags & WMIX_WAIT) != 0) {
        Held.push_back({params.iChannel, clear, std::move(play)});
        return MMSYSERR_NOERROR;
    }
    // Released under the same lock the mix takes, so every held play starts on one frame.
    for (THeldPlay& held : Held)
        StartPlay(held.Channel, held.Clear, std::move(held.Play));
    Held.clear();
    StartPlay(params.iChannel, clear, std::move(play));
    return MMSYSERR_NOERROR;
}

void TWaveMixSession::StartPlay(i32 channel, bool clear, TPlay play) {
    // Replaced plays end without a notice, as a flush would end them.
    if (clear)
        Channels[channel].Plays.clear();
    Channels[channel].Plays.push_back(std::move(play));
}

std::vector<TWaveMixNotice> TWaveMixSession::TakeNotices() {
    std::lock_guard lock(Mutex);
    std::vector<TWaveMixNotice> taken;
    taken.swap(Notices);
    return taken;
}

void TWaveMixSession::Pull(i16* out, u32 frames) {
    std::lock_guard lock(Mutex);
    const std::size_t samples = static_cast<std::size_t>(frames) * Format.Channels;
    if (!Active) {
        std::fill_n(out, samples, i16{0});
        return;
    }
    Accumulator.assign(samples, 0);
    Ended.clear();
    for (i32 c = 0; c < WAVEMIX_MAXCHANNELS; ++c)
        MixChannel(c, frames);
    std::stable_sort(Ended.begin(), Ended.end(),
                     [](const TEnded& a, const TEnded& b) { return a.Frame < b.Frame; });
    for (const TEnded& e : Ended)
        Notices.push_back(e.Notice);
    for (std::size_t i = 0; i < samples; ++i)
        out[i] = Clip(Accumulator[i]);
}

void TWaveMixSession::MixChannel(i32 channel, u32 frames) {
    const u16 width = Format.Channels;
    std::deque<TPlay>& plays = Channels[channel].Plays;
    u32 at = 0;
    while (!plays.empty()) {
        TPlay& play = plays.front();
        const std::vector<i16>& source = *play.Samples;
        const u32 total = static_cast<u32>(source.size() / width);
        const u32 take = std::min(total - play.Position, frames - at);
        const i16* from = source.data() + static_cast<std::size_t>(play.Position) * width;
        i32* into = Accumulator.data() + static_cast<std::size_t>(at) * width;
        for (std::size_t i = 0; i < static_cast<std::size_t>(take) * width; ++i)
            into[i] += from[i];
        play.Position += take;
        at += take;
        if (play.Position < total)
            break;
        if (play.LoopsLeft > 0 && total > 0) {
            --play.LoopsLeft;
            play.Position = 0;
            if (at == frames)
                break;
            continue;
        }
        if (play.Notify != nullptr)
            Ended.push_back({at,
                             {play.Notify, MM_WOM_DONE, static_cast<std::uintptr_t>(channel),
                              reinterpret_cast<std::intptr_t>(play.Wave)}});
        plays.pop_front();
    }
}
