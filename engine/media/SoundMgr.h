// TJorpSoundMgr: the single way into sound, holding the wave mixer and the MIDI player.
#pragma once

#include "platform/host/Types.h"

#include <memory>

class TAudioWaveMix;
class TMidi;
class TMusicMCI;
class TWindow;

// Made by the main frame window on itself. Without wave audio (the mixer failed to start)
// every wave operation does nothing; the MIDI player always exists.
class TJorpSoundMgr {
public:
    explicit TJorpSoundMgr(TWindow* window);
    // The player first, then the mixer.
    virtual ~TJorpSoundMgr();
    TJorpSoundMgr(const TJorpSoundMgr&) = delete;
    TJorpSoundMgr& operator=(const TJorpSoundMgr&) = delete;

    // Starts wave audio; a failure is reported once, and the manager goes on without it.
    virtual bool Init();

    void Activate();
    void Deactivate();
    void StopAll(bool notify);
    // False, with the piece marked stopped, when it does not start.
    bool PlayMidi(TMidi* piece);
    // A null piece ends the looping; the piece sounding plays to its end.
    bool LoopMidi(TMidi* piece);
    void PumpMixer();
    void Report();
    // A piece going away: the player forgets it.
    void ForgetMidi(const TMidi* piece);

    TAudioWaveMix* GetWaveMix() const { return Mixer.get(); }
    TMusicMCI* GetMidiPlayer() const { return Player.get(); }
    bool IsActive() const { return Active; }

private:
    bool Active = false;
    TWindow* Owner;
    std::unique_ptr<TMusicMCI> Player;
    std::unique_ptr<TAudioWaveMix> Mixer;
};
