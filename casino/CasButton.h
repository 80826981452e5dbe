// TCasButton: a push button drawn on the table, with its click region, looks, click sounds and
// the reports it sends to the table's lord.
#pragma once

#include "engine/framework/CursorData.h"
#include "engine/framework/Responder.h"
#include "engine/media/Sprite.h"
#include "platform/framework/Geometry.h"

#include <memory>
#include <utility>

class TAnm;
class TCasPressQueue;
class TWav;

// Whom a button reports to: the lord's EvButton, and the lord's busy byte, which every button
// of the table shares. While it is set one button's release waits to be handled; the lord clears
// it when it has handled the event. Presses made meanwhile wait in the lord's queue, in the
// order made, for the lord to hand them back; without a queue they are ignored.
struct TCasButtonTarget {
    TJorpBase* Lord = nullptr;
    u8* Busy = nullptr;
    TCasPressQueue* Waiting = nullptr;
};

// Made in two steps, since the sprite's file builds its members: construct, then Build (Make
// does both). The face is the first animation: hidden while up unless an up frame is set.
class TCasButton : public TSprite {
public:
    // EvButton codes the target hears.
    static constexpr i32 CodePress = -1;
    static constexpr i32 CodeLeftRelease = 0;
    static constexpr i32 CodeRightRelease = 1;
    static constexpr i32 CodeDisabled = -5;
    // The id a release outside the button is reported with (as u16, 0xFFFE).
    static constexpr i16 IdReleasedOutside = -2;
    // An up frame of 50 uses the face's frames 0 (up) and 1 (pressed) whatever else is set.
    static constexpr i16 TwoFrameMode = 50;
    // A flash lasts this many frames.
    static constexpr u32 FlashFrames = 30;

    // A button with a click region, read from its own ".sp" file...
    TCasButton(TJorpOwner* owner, const TFileMode& mode, TCasButtonTarget target, u16 priority,
               const TRect& rect, u16 id, u8 registerNow, char hotKey, const TCursorData& cursor,
               const TCursorData& pressCursor);
    // ...or from the address inside its parent's image, which must outlive Build.
    TCasButton(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address,
               TCasButtonTarget target, u16 priority, const TRect& rect, u16 id, u8 registerNow,
               char hotKey, const TCursorData& cursor, const TCursorData& pressCursor);
    // Without a region or target; the face and waves are bound only when bind is nonzero.
    TCasButton(TJorpOwner* owner, const TFileMode& mode, u8 bind);
    TCasButton(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address, u8 bind);
    ~TCasButton() override;

    template <class T = TCasButton, class... Args> static std::unique_ptr<T> Make(Args&&... args) {
        auto button = std::make_unique<T>(std::forward<Args>(args)...);
        button->Build();
        return button;
    }
    // Reads the sprite, silences its timeline, hides it, binds the face and waves and makes the
    // region. A sprite without a face ends the program.
    void Build();

    i32 EvResponder(TResponder* responder) override;
    i32 EvButton(u16 responderId, i32 code, u32 value) override;
    void Tick(u32 tick) override;

    // Virtual operations of table buttons, after those of sprites.
    virtual void SetUpFrame(i16 frame);
    virtual void SetDownFrame(i16 frame);
    virtual void SetDisabledFrame(i16 frame);
    virtual void ShowDisabled();
    // Besides the up look, a face of twelve frames steps on to its next look of three.
    virtual void ShowReleased();
    virtual void ShowSignal();
    virtual void Flash();
    virtual void HideFace();
    virtual void ShowUp();
    virtual void ShowPressed();

    // The table enables and disables a button by writing this byte, then picks the look.
    u8 GetEnabled() const { return Enabled; }
    void SetEnabled(u8 enabled) { Enabled = enabled; }
    // While locked every region event is taken and ignored.
    u8 GetLocked() const { return Locked; }
    void SetLocked(u8 locked) { Locked = locked; }

    TAnm* GetFace() const { return Face; }
    TResponder* GetResponder() const { return Responder.get(); }
    i16 GetUpFrame() const { return UpFrame; }
    i16 GetDownFrame() const { return DownFrame; }
    i16 GetDisabledFrame() const { return DisabledFrame; }
    u32 GetPressTick() const { return PressTick; }
    u32 GetFlashTick() const { return FlashTick; }
    // The table's advisor takes the signal as answered.
    void StopFlash() { FlashTick = 0; }
    i16 GetPendingId() const { return PendingId; }

    // A press that waited in the queue, taken now as its hot key would be, with the release
    // code it was made with; false when the button no longer takes presses.
    bool TakeHeldPress(i32 code);
    // Its region holds the mouse: a press on it is held down.
    bool HoldsMouse() const;

private:
    TCasButton(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address,
               TCasButtonTarget target, bool withRegion, u8 bind);

    void BindParts();
    // The face on that frame and shown; the animations update on the next frame.
    void ShowFace(i16 frame);
    void PlaySound(TWav* wav);
    void Report(i16 id, i32 code);
    bool IsBusy() const { return Target.Busy != nullptr && *Target.Busy != 0; }
    // Another press was made before this event and has not been taken yet.
    bool MustWait() const;
    // Puts a press made while another waits in the queue: a hot key at once, a mouse press
    // held down until its release; the release of its own press begun before is counted there.
    void Hold(TResponder& r, JorpEventKind kind);
    void SetBusy() {
        if (Target.Busy != nullptr)
            *Target.Busy = 1;
    }
    void SetPressCursor(const TCursorData& cursor);
    // A mouse press still held when the button stops taking events would keep the capture and
    // the pressed look for ever: it ends as a release outside.
    void EndHeldPress(JorpEventKind kind);

    // Null for a button that reads its own file; cleared by Build.
    TEmbeddedAddress Address;
    bool WithRegion = false;
    u8 Bind = 1;
    // The region as given, made by Build.
    u16 Priority = 0;
    TRect Rect;
    u16 RegionId = 0;
    u8 RegisterNow = 0;
    char HotKey = 0;
    TCursorData RegionCursor;

    TCursorData PressCursor;
    TAnm* Face = nullptr;
    TWav* PressSound = nullptr;
    TWav* ReleaseSound = nullptr;
    TWav* SignalSound = nullptr;
    std::unique_ptr<TResponder> Responder;
    TCasButtonTarget Target;
    u32 PressTick = 0;
    u32 FlashTick = 0;
    i16 PendingId = -1;
    u16 PendingCode = 0;
    i16 DownFrame = 0;
    i16 UpFrame = -1;
    i16 DisabledFrame = 1;
    u8 PressLookShown = 0;
    u8 ReleaseSeen = 0;
    u8 Enabled = 1;
    u8 SignalSoundOn = 0;
    u8 Locked = 0;
    // A mouse press of this button waits in the queue for its release.
    u8 HeldDown = 0;
};
