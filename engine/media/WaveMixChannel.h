// TWaveMixControlData and TChannelWindow: one of the mixer's eight channels and the hidden
// window that hears the end of its plays.
#pragma once

#include "engine/framework/HideWin.h"
#include "platform/audio/WaveMixTypes.h"
#include "platform/host/Types.h"

#include <memory>

class TAudioWaveMix;
class TWaveMixControlData;
class TWav;

// Passes the library's done notice (0x3BD) to its channel, but only while the channel has a
// play out. It has no parent in the window tree, so that nothing but its channel deletes it;
// the owner window is kept for reference.
class TChannelWindow : public TJorpHideWin {
public:
    TChannelWindow(TWindow* parent, TWaveMixControlData* channel);

    LRESULT EvWaveDone(WPARAM wp, LPARAM lp);

    bool IsArmed() const { return Armed; }
    void SetArmed(bool armed) { Armed = armed; }
    TWindow* GetParentWindow() const { return ParentWindow; }

private:
    bool Armed = false;
    TWindow* ParentWindow;
    TWaveMixControlData* Channel;

    DECLARE_RESPONSE_TABLE(TChannelWindow);
};

class TWaveMixControlData {
public:
    TWaveMixControlData(TAudioWaveMix* mixer, i16 number);
    ~TWaveMixControlData();
    TWaveMixControlData(const TWaveMixControlData&) = delete;
    TWaveMixControlData& operator=(const TWaveMixControlData&) = delete;

    // Takes the play: the sound's open wave (null when its entry is closed) and loops.
    void Setup(TWav* sound, u16 loops);
    // True when the library accepted the play. A play without a wave, or one the library
    // refuses, frees the channel and tells the sound.
    bool Play(u32 flags);
    // Frees the channel, telling the sound when the play still belonged to it.
    void StopChannel();
    // A held play that will never be released: the library forgets it and the channel is
    // freed as a refused play would be.
    void Abandon();
    void OnPlayDone(u16 wParam, LPARAM lParam);

    i16 GetNumber() const { return Number; }
    bool IsInUse() const { return InUse; }
    bool IsPlaying() const { return Playing; }
    bool IsOwned() const { return Owned; }
    void SetOwned(bool owned) { Owned = owned; }
    TWav* GetSound() const { return Sound; }
    u16 GetLoops() const { return Loops; }
    TMixWave* GetWave() const { return Params.lpMixWave; }
    const MIXPLAYPARAMS& GetParams() const { return Params; }
    TChannelWindow* GetNotifyWindow() const { return NotifyWindow.get(); }

private:
    void Release();

    TAudioWaveMix* Mixer;
    i16 Number;
    bool InUse = false;
    TWav* Sound = nullptr;
    u16 Loops = 0;
    bool Owned = false;
    MIXPLAYPARAMS Params;
    bool Playing = false;
    std::unique_ptr<TChannelWindow> NotifyWindow;
};
