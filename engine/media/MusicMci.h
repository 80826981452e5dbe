// TMusicMCI, TChildMidi and TChildMidiChannel: one MIDI piece at a time on the "sequencer"
// device, and the hidden window that hears the device's notices.
#pragma once

#include "engine/framework/HideWin.h"
#include "platform/host/Types.h"

#include <memory>
#include <string>

class TMidi;
class TMusicMCI;

// Turns the notice's bits into one code (4 aborted, 1 ended, 2 superseded, 8 failed, else -1)
// for its hook. Like the audio channels' windows it has no parent in the window tree.
class TChildMidi : public TJorpHideWin {
public:
    explicit TChildMidi(TWindow* parent);

    LRESULT EvMciNotify(WPARAM wp, LPARAM lp);
    virtual LRESULT OnNotifyHook(i16 code);
    static i16 NotifyCode(WPARAM bits);

    void SetPlayer(TMusicMCI* player) { Player = player; }
    TWindow* GetParentWindow() const { return ParentWindow; }

protected:
    TWindow* ParentWindow;
    TMusicMCI* Player = nullptr;

    DECLARE_RESPONSE_TABLE(TChildMidi);
};

class TChildMidiChannel : public TChildMidi {
public:
    using TChildMidi::TChildMidi;
    LRESULT OnNotifyHook(i16 code) override;
};

class TMusicMCI {
public:
    explicit TMusicMCI(TWindow* window);
    ~TMusicMCI();
    TMusicMCI(const TMusicMCI&) = delete;
    TMusicMCI& operator=(const TMusicMCI&) = delete;

    bool Open(const std::string& fileName);
    bool OpenAndPlay(const std::string& fileName);
    // While a piece plays, the new one waits for the old one's abort notice.
    bool Play(TMidi* piece);
    // Replayed whenever it ends, once it has started; false when it does not start.
    bool PlayLooped(TMidi* piece);
    bool Close();
    bool OnNotify(i16 code);
    void SetLoopPiece(TMidi* piece) { LoopPiece = piece; }
    void SetLooping(bool looping) { Looping = looping; }
    void SetNotLooping(bool notLooping) { Looping = !notLooping; }
    bool IsPlaying() const { return Playing; }
    bool IsMidiMapperPort();
    bool ShowDeviceCaps();
    // The piece is going away: no notice may reach it afterwards.
    void Forget(const TMidi* piece);

    u32 GetDevice() const { return Device; }
    bool IsLooping() const { return Looping; }
    TMidi* GetCurrentPiece() const { return CurrentPiece; }
    TMidi* GetPendingPiece() const { return PendingPiece; }
    TChildMidiChannel* GetNotifyWindow() const { return NotifyWindow.get(); }

private:
    TWindow* Owner;
    std::unique_ptr<TChildMidiChannel> NotifyWindow;
    u32 Device = 0;
    bool Playing = false;
    TMidi* LoopPiece = nullptr;
    bool Looping = false;
    TMidi* CurrentPiece = nullptr;
    TMidi* PendingPiece = nullptr;
};
