// TJorpSoundMgr: starting wave audio, activation, stopping everything, and music.
#include "engine/media/SoundMgr.h"

#include "engine/media/AudioWaveMix.h"
#include "engine/media/MusicMci.h"
#include "engine/media/Sound.h"
#include "engine/media/WaveMixDll.h"
#include "platform/host/MessageBox.h"

TJorpSoundMgr::TJorpSoundMgr(TWindow* window) : Owner(window) {
    Init();
    Player = std::make_unique<TMusicMCI>(window);
}

TJorpSoundMgr::~TJorpSoundMgr() {
    Player.reset();
    Mixer.reset();
}

bool TJorpSoundMgr::Init() {
    if (!Mixer)
        Mixer = std::make_unique<TAudioWaveMix>(Owner);
    if (Mixer->Init())
        return true;
    Mixer.reset();
    MessageBoxExA(Owner, "Error Initializing Audio", "Error - Audio", MB_OK);
    return false;
}

void TJorpSoundMgr::Activate() {
    Active = true;
    if (Mixer)
        Mixer->Activate();
}

void TJorpSoundMgr::Deactivate() {
    Active = false;
    if (Mixer)
        Mixer->Deactivate();
}

void TJorpSoundMgr::StopAll(bool notify) {
    if (Player)
        Player->Close();
    if (Mixer)
        Mixer->StopAll(notify);
}

bool TJorpSoundMgr::PlayMidi(TMidi* piece) {
    const bool started = Player != nullptr && Player->Play(piece);
    if (!started && piece != nullptr)
        piece->SetFlags(JOF_STOP_REQUESTED);
    return started;
}

bool TJorpSoundMgr::LoopMidi(TMidi* piece) {
    if (!Player)
        return false;
    if (piece == nullptr) {
        Player->SetLooping(false);
        return true;
    }
    const bool started = Player->PlayLooped(piece);
    if (!started)
        piece->SetFlags(JOF_STOP_REQUESTED);
    return started;
}

void TJorpSoundMgr::PumpMixer() {
    if (TWaveMix* library = Mixer ? Mixer->Library() : nullptr)
        library->WaveMixPump();
}

void TJorpSoundMgr::Report() {
    MessageBoxExA(Owner, "report not imp right now", "Report - SoundMgr", MB_OK);
}

void TJorpSoundMgr::ForgetMidi(const TMidi* piece) {
    if (Player)
        Player->Forget(piece);
}
