// TCasButton: binding, the click region's events, the frame steps of a press and the looks.
#include "casino/CasButton.h"

#include "casino/CasPressQueue.h"
#include "engine/foundation/JorpOwner.h"
#include "engine/framework/ResponderHost.h"
#include "engine/media/Anm.h"
#include "engine/media/CursorMgr.h"
#include "engine/media/MediaServices.h"
#include "engine/media/Sound.h"

namespace {

// The next of the four three-frame looks of a twelve-frame face.
i16 NextLook(i16 frame) {
    return static_cast<i16>(((frame + 3) % 12 + 12) % 12);
}

} // namespace

TCasButton::TCasButton(TJorpOwner* owner, const TFileMode& mode, TCasButtonTarget target,
                       u16 priority, const TRect& rect, u16 id, u8 registerNow, char hotKey,
                       const TCursorData& cursor, const TCursorData& pressCursor)
    : TCasButton(owner, mode, TEmbeddedAddress{}, target, priority, rect, id, registerNow, hotKey,
                 cursor, pressCursor) {}

TCasButton::TCasButton(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address,
                       TCasButtonTarget target, u16 priority, const TRect& rect, u16 id,
                       u8 registerNow, char hotKey, const TCursorData& cursor,
                       const TCursorData& pressCursor)
    : TCasButton(owner, mode, address, target, true, 1) {
    Priority = priority;
    Rect = rect;
    RegionId = id;
    RegisterNow = registerNow;
    HotKey = hotKey;
    RegionCursor = cursor;
    PressCursor = pressCursor;
}

TCasButton::TCasButton(TJorpOwner* owner, const TFileMode& mode, u8 bind)
    : TCasButton(owner, mode, TEmbeddedAddress{}, TCasButtonTarget{}, false, bind) {}

TCasButton::TCasButton(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address, u8 bind)
    : TCasButton(owner, mode, address, TCasButtonTarget{}, false, bind) {}

TCasButton::TCasButton(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address,
                       TCasButtonTarget target, bool withRegion, u8 bind)
    : TSprite(owner, mode), Address(address), WithRegion(withRegion), Bind(bind), Target(target) {}

TCasButton::~TCasButton() {
    // The region unregisters itself and gives back a capture it still holds.
    Responder.reset();
}

void TCasButton::Build() {
    ReadDriven(Address);
    Address = {};
    Hide();
    if (Bind != 0)
        BindParts();
    if (WithRegion)
        // Only a mode window hosts regions; on another owner the region never registers.
        Responder = std::make_unique<TResponder>(dynamic_cast<TResponderHost*>(GetOwner()),
                                                 Priority, Rect, RegionId, this, RegisterNow != 0,
                                                 HotKey, RegionCursor, false);
}

void TCasButton::BindParts() {
    Face = GetAnm(0);
    if (Face == nullptr)
        FatalAnmSetup("button", "A ", 0);
    Face->Pin();
    if (TAnm* second = GetAnm(1))
        second->GetCurrentData().SetFlag(ANMD_RESET_RANGE, false);
    PressSound = GetWav(0);
    ReleaseSound = GetWav(1);
    SignalSound = GetWav(2);
    SignalSoundOn = SignalSound != nullptr ? 1 : 0;
}

i32 TCasButton::EvButton(u16, i32, u32) {
    return 1;
}

void TCasButton::Report(i16 id, i32 code) {
    if (Target.Lord != nullptr)
        Target.Lord->EvButton(static_cast<u16>(id), code, 0);
}

void TCasButton::EndHeldPress(JorpEventKind kind) {
    if (kind != JEK_LBUTTONUP && kind != JEK_RBUTTONUP)
        return;
    if (Responder != nullptr)
        Responder->ReleaseMouse();
    if (PressTick != 0 && ReleaseSeen == 0) {
        ReleaseSeen = 1;
        PendingId = IdReleasedOutside;
    }
}

namespace {

bool IsRelease(JorpEventKind kind) {
    return kind == JEK_LBUTTONUP || kind == JEK_RBUTTONUP;
}

bool IsMouseDown(JorpEventKind kind) {
    return kind == JEK_LBUTTONDOWN || kind == JEK_RBUTTONDOWN;
}

} // namespace

bool TCasButton::MustWait() const {
    return IsBusy() || (Target.Waiting != nullptr && !Target.Waiting->IsEmpty());
}

void TCasButton::Hold(TResponder& r, JorpEventKind kind) {
    TCasPressQueue& waiting = *Target.Waiting;
    const i32 code = kind == JEK_RBUTTONUP ? CodeRightRelease : CodeLeftRelease;
    if (kind == JEK_HOTKEY) {
        waiting.HoldButton(*this, CodeLeftRelease, true);
    } else if (IsMouseDown(kind)) {
        // The release must come back here wherever the mouse goes meanwhile.
        if (waiting.HoldButton(*this, CodeLeftRelease, false)) {
            r.CaptureMouse();
            HeldDown = 1;
        }
    } else if (IsRelease(kind) && PressTick != 0 && ReleaseSeen == 0) {
        // Its own press began before what now waits: it comes up now and acts in its turn.
        r.ReleaseMouse();
        ReleaseSeen = 1;
        if (r.Contains(r.GetPoint()))
            waiting.HoldButton(*this, code, true);
    }
}

i32 TCasButton::EvResponder(TResponder* r) {
    const JorpEventKind kind = r->GetKind();
    if (HeldDown != 0 && IsRelease(kind)) {
        r->ReleaseMouse();
        HeldDown = 0;
        Target.Waiting->Release(*this, kind == JEK_RBUTTONUP ? CodeRightRelease : CodeLeftRelease,
                                r->Contains(r->GetPoint()));
        return 1;
    }
    if (Locked != 0) {
        EndHeldPress(kind);
        return 1;
    }
    if (Enabled == 0) {
        EndHeldPress(kind);
        const bool disabledLook = (Face != nullptr && Face->GetCurrentData().CurrentFrame ==
                                                          static_cast<u16>(DisabledFrame)) ||
                                  DisabledFrame == TwoFrameMode || DisabledFrame == -1;
        if (!disabledLook || Target.Lord == nullptr)
            return 0;
        return Target.Lord->EvButton(r->GetCode(), CodeDisabled, 0);
    }
    if (MustWait()) {
        if (Target.Waiting != nullptr)
            Hold(*r, kind);
        else
            EndHeldPress(kind);
        return 1;
    }
    if (IsRelease(kind)) {
        r->ReleaseMouse();
        ReleaseSeen = 1;
        if (r->Contains(r->GetPoint())) {
            PendingId = static_cast<i16>(r->GetCode());
            SetBusy();
            if (kind == JEK_RBUTTONUP)
                PendingCode = 1;
        } else {
            PendingId = IdReleasedOutside;
        }
    }
    if (PressTick != 0) {
        // Pressed again while its last press still shows: the new one waits its turn.
        if (Target.Waiting != nullptr && (kind == JEK_HOTKEY || IsMouseDown(kind)))
            Hold(*r, kind);
        return 1;
    }
    if (IsMouseDown(kind)) {
        PressTick = GetNextTick();
        r->CaptureMouse();
        Report(static_cast<i16>(r->GetCode()), CodePress);
    } else if (kind == JEK_HOTKEY) {
        PressTick = GetNextTick();
        ReleaseSeen = 1;
        PendingId = static_cast<i16>(r->GetCode());
        Report(PendingId, CodePress);
        SetBusy();
    }
    return 1;
}

bool TCasButton::TakeHeldPress(i32 code) {
    if (Locked != 0 || Enabled == 0 || Responder == nullptr)
        return false;
    PressTick = GetNextTick();
    ReleaseSeen = 1;
    PendingId = static_cast<i16>(Responder->GetCode());
    PendingCode = static_cast<u16>(code == CodeRightRelease ? 1 : 0);
    Report(PendingId, CodePress);
    SetBusy();
    return true;
}

bool TCasButton::HoldsMouse() const {
    return Responder != nullptr && Responder->HoldsCapture();
}

void TCasButton::SetPressCursor(const TCursorData& cursor) {
    TMediaServices* services = TMediaServices::Current();
    if (TCursorMgr* cursors = services != nullptr ? services->GetCursorMgr() : nullptr)
        cursors->SetCursorData(CURSOR_SLOT_REGION, cursor, true);
}

void TCasButton::Tick(u32 tick) {
    if (FlashTick != 0 && tick >= FlashTick + FlashFrames) {
        FlashTick = 0;
        ShowUp();
    }
    if (PressTick != 0 && PressLookShown == 0) {
        ShowPressed();
        SetPressCursor(PressCursor);
        PressLookShown = 1;
    }
    if (tick > PressTick && ReleaseSeen != 0) {
        if (PendingId > -1)
            ShowReleased();
        else if (Enabled != 0)
            ShowUp();
        else
            // Disabled while it was held: the up look would enable it again.
            ShowDisabled();
        SetPressCursor(TCursorData());
        PressLookShown = 0;
        ReleaseSeen = 0;
        PressTick = 0;
    }
    if (PendingId > -1 && tick > PressTick + 1) {
        Report(PendingId, static_cast<i32>(PendingCode));
        PendingId = -1;
        PendingCode = 0;
    } else if (PendingId == IdReleasedOutside) {
        Report(IdReleasedOutside, static_cast<i32>(PendingCode));
        PendingId = -1;
    }
    TSprite::Tick(tick);
}

void TCasButton::ShowFace(i16 frame) {
    if (Face != nullptr) {
        if (frame < 0) {
            Face->Hide();
        } else {
            Face->GetCurrentData().CurrentFrame = static_cast<u16>(frame);
            Face->SelectFrame();
            Face->Show();
        }
    }
    ClearFlags(JOF_TIMED_ON);
}

void TCasButton::PlaySound(TWav* wav) {
    if (wav != nullptr)
        wav->Play(OwnerTick());
}

void TCasButton::SetUpFrame(i16 frame) {
    UpFrame = frame;
}

void TCasButton::SetDownFrame(i16 frame) {
    DownFrame = frame;
}

void TCasButton::SetDisabledFrame(i16 frame) {
    DisabledFrame = frame;
}

void TCasButton::ShowDisabled() {
    Enabled = 0;
    ShowFace(DisabledFrame);
}

void TCasButton::ShowReleased() {
    if (UpFrame == -1) {
        ShowFace(-1);
    } else if (UpFrame == TwoFrameMode) {
        ShowFace(0);
    } else {
        UpFrame = NextLook(UpFrame);
        DownFrame = NextLook(DownFrame);
        DisabledFrame = NextLook(DisabledFrame);
        ShowFace(UpFrame);
    }
    PlaySound(ReleaseSound);
    Enabled = 1;
}

void TCasButton::ShowSignal() {
    ShowFace(2);
    if (SignalSoundOn != 0)
        PlaySound(SignalSound);
}

void TCasButton::Flash() {
    ShowSignal();
    FlashTick = GetNextTick();
}

void TCasButton::HideFace() {
    if (Face != nullptr)
        Face->Hide();
}

void TCasButton::ShowUp() {
    Enabled = 1;
    ShowFace(UpFrame == TwoFrameMode ? i16{0} : UpFrame);
}

void TCasButton::ShowPressed() {
    ShowFace(UpFrame == TwoFrameMode ? i16{1} : DownFrame);
    PlaySound(PressSound);
}
