// TSound, TWav and TMidi: the sound manager's part, the wave's timeline on the mixer, and music.
#include "engine/media/Sound.h"

#include "engine/media/AudioWaveMix.h"
#include "engine/media/MediaServices.h"
#include "engine/media/SoundMgr.h"
#include "engine/media/WavList.h"

namespace {

TJorpSoundMgr* CurrentSoundMgr() {
    const TMediaServices* services = TMediaServices::Current();
    return services != nullptr ? services->GetSoundMgr() : nullptr;
}

} // namespace

TSound::TSound(TJorpOwner* owner) : TJorpBase(owner), SoundMgr(CurrentSoundMgr()) {}

TSound::TSound(TJorpOwner* owner, const TFileMode& mode)
    : TJorpBase(owner, 0, mode), SoundMgr(CurrentSoundMgr()) {}

TSound::~TSound() = default;

TAudioWaveMix* TSound::WaveMix() const {
    return SoundMgr != nullptr ? SoundMgr->GetWaveMix() : nullptr;
}

TWav::TWav(TJorpOwner* owner) : TSound(owner) {
    Duration = 0;
}

TWav::TWav(TJorpOwner* owner, const TFileMode& mode, i16 duration, bool load, bool keep)
    : TSound(owner, mode) {
    Duration = static_cast<u32>(static_cast<i32>(duration));
    AttachFile(FileMode, load, keep);
    if (TAudioWaveMix* mixer = WaveMix())
        mixer->RegisterWave(this);
}

TWav::~TWav() {
    StopOnMixer();
    if (TAudioWaveMix* mixer = WaveMix())
        mixer->UnregisterWave(this);
}

void TWav::CountIn() {
    if (List == nullptr || HasFlags(WAVF_COUNTED))
        return;
    SetFlags(WAVF_COUNTED);
    List->CountIn();
}

void TWav::CountOut() {
    if (List == nullptr || !HasFlags(WAVF_COUNTED))
        return;
    // Cleared first: the notice to the sprite may reach this wave again.
    ClearFlags(WAVF_COUNTED);
    List->CountOut();
}

void TWav::Play(u32 tick) {
    PlayStartTick = tick + static_cast<u32>(static_cast<i32>(StartDelay));
    if ((Flags & (JOF_ON | JOF_STOP_REQUESTED)) == JOF_ON)
        Stop();
    ClearFlags(JOF_ON | JOF_STOP_REQUESTED);
    CountIn();
    // A start tick already reached starts now; waiting for the counter to equal it would
    // keep the wave counted and its sprite unfinished for ever.
    if (PlayStartTick <= OwnerTick())
        Start();
}

void TWav::Tick(u32 tick) {
    // Started already when it was played at this very tick.
    if (tick == PlayStartTick && !HasFlags(JOF_ON))
        Start();
}

void TWav::Start() {
    const bool ok = PlayOnMixer();
    SetFlags(JOF_ON);
    if (ok) {
        ClearFlags(JOF_STOP_REQUESTED);
    } else {
        SetFlags(JOF_STOP_REQUESTED);
        CountOut();
    }
}

bool TWav::PlayOnMixer() {
    if (HasFlags(WAVF_ON_MIXER))
        StopOnMixer();
    TAudioWaveMix* mixer = WaveMix();
    if (mixer == nullptr || mixer->IsMuted()) {
        CountOut();
        return false;
    }
    mixer->SetWaveClass(this, 4);
    const bool accepted = mixer->QueuePlay(this, Loops);
    if (accepted) {
        SetFlags(WAVF_ON_MIXER);
    } else {
        ClearFlags(WAVF_ON_MIXER);
        UpdateFileLevels();
        CountOut();
    }
    return accepted;
}

void TWav::Stop() {
    StopOnMixer();
    SetFlags(JOF_STOP_REQUESTED);
    CountOut();
}

bool TWav::StopOnMixer() {
    if (!HasFlags(WAVF_ON_MIXER)) {
        CountOut();
        return true;
    }
    ClearFlags(WAVF_ON_MIXER);
    if (TAudioWaveMix* mixer = WaveMix()) {
        mixer->StopSound(this);
        mixer->SetWaveClass(this, FileLevel());
    }
    CountOut();
    return true;
}

void TWav::PostTick(u32 tick) {
    if (Duration == 0 || (Flags & (JOF_ON | JOF_STOP_REQUESTED)) != JOF_ON)
        return;
    u32 end = PlayStartTick + Duration - 1;
    if (end < PlayStartTick)
        end = PlayStartTick;
    if (tick < end)
        return;
    if (HasFlags(WAVF_CUT)) {
        Stop();
        return;
    }
    // The play sounds on to its natural end but no longer belongs to the wave.
    SetFlags(JOF_STOP_REQUESTED);
    TAudioWaveMix* mixer = WaveMix();
    if (mixer != nullptr)
        mixer->DetachSound(this);
    ClearFlags(WAVF_ON_MIXER);
    if (mixer != nullptr)
        mixer->SetWaveClass(this, FileLevel());
    CountOut();
}

void TWav::OnChannelReleased() {
    if (HasFlags(WAVF_ON_MIXER)) {
        ClearFlags(WAVF_ON_MIXER);
        if (TAudioWaveMix* mixer = WaveMix())
            mixer->SetWaveClass(this, FileLevel());
    }
    SetFlags(JOF_STOP_REQUESTED);
    CountOut();
}

void TWav::Acquire(u32 tick) {
    TJorpBase::Acquire(tick);
    UpdateFileLevels();
    // A play that is near: the wave is opened ahead of it.
    if (static_cast<u64>(tick) <= static_cast<u64>(OwnerTick()) + 60)
        if (TAudioWaveMix* mixer = WaveMix())
            mixer->SetWaveClass(this, 4);
}

void TWav::Release() {
    TJorpBase::Release();
    UpdateFileLevels();
}

TMidi::~TMidi() {
    if (SoundMgr != nullptr)
        SoundMgr->ForgetMidi(this);
}

void TMidi::Play(u32) {
    Start();
}

void TMidi::Start() {
    if ((Flags & (JOF_ON | JOF_STOP_REQUESTED)) == JOF_ON)
        Stop();
    TJorpBase::Start();
    TFileMode now = FileMode;
    now.RamLevel = FM_LEVEL_NOW;
    ChangeFile(now);
    if (SoundMgr != nullptr)
        SoundMgr->PlayMidi(this);
    else
        SetFlags(JOF_STOP_REQUESTED);
}

void TMidi::Stop() {
    SetFlags(JOF_STOP_REQUESTED);
}

bool TMidi::Loop() {
    return SoundMgr != nullptr && SoundMgr->LoopMidi(this);
}
