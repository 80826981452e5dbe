// TAnm: the ".anm" reader, the frame timeline and drawing the runs of a frame.
#include "engine/media/Anm.h"

#include "engine/foundation/BaseFile.h"
#include "engine/framework/DataFiles.h"
#include "engine/media/AnmList.h"
#include "engine/media/Bmp.h"
#include "engine/media/JorpDC.h"
#include "platform/host/MessageBox.h"

#include <algorithm>
#include <cstring>
#include <string>

TAnm::TAnm(TJorpOwner* owner, const TFileMode& mode, const TAnmData& frameData)
    : TGr(owner), Template(frameData), Current(frameData) {
    FileMode = mode;
}

TAnm::~TAnm() = default;

std::unique_ptr<TAnm> TAnm::Create(TJorpOwner* owner, const TFileMode& mode,
                                   const TAnmData& frameData, bool load, bool keep) {
    return CreateAttached<TAnm>(mode, load, keep, owner, mode, frameData);
}

TEmbeddedAddress TAnm::ImageBytes() const {
    if (!EmbeddedBase.IsNull())
        return EmbeddedBase;
    if (Image != nullptr && Image->GetData() != nullptr)
        return {Image->GetData(), Image->Size};
    return {};
}

u16 TAnm::GetFrameCount() const {
    return ImageBytes().IsNull() ? 0 : Frames.GetFrameCount();
}

void TAnm::Touch() {
    Selected = false;
    if (List != nullptr)
        List->MemberTouched();
}

TAnmData& TAnm::GetCurrentData() {
    Touch();
    return Current;
}

void TAnm::SetOffset(const TGrPoint& offset) {
    Current.SetOffset(offset);
    Touch();
}

void TAnm::SetList(TAnmList* list) {
    List = list;
    Touch();
}

bool TAnm::IsQuiet(u32 tick) const {
    if (PlayStartTick > tick)
        return false;
    if (!IsRunning())
        return true;
    // Stepping, leaving when its time is up, or joining the surface at the next pass.
    if (Current.Direction == ANM_FORWARD || Current.Direction == ANM_BACKWARD ||
        Current.Has(ANMD_LEAVE_WHEN_STOPPED) || !Selected || (IsShown() && !IsInVideo()))
        return false;
    // On a surface the next pass would still take the shown rectangle as the previous one;
    // off it, the previous rectangle and the change mark count for nothing until it joins.
    return !IsInVideo() || (!IsChanged() && DrawData.PrevRect == DrawData.Rect);
}

void TAnm::LoadNow() {
    TFileMode now = FileMode;
    now.RamLevel = FM_LEVEL_NOW;
    ChangeFile(now);
}

bool TAnm::ReadHeader() {
    char tag[4];
    if (ReadBytes(tag, 4) != 4)
        return false;
    std::memcpy(HeaderIdChars, tag, 4);
    u32 reserved = 0;
    if (!ReadU16(HeaderMajor) || !ReadU16(HeaderMinor) || !ReadU32(reserved))
        return false;
    if (!HeaderIdMatches()) {
        HeaderMajor = 1;
        HeaderMinor = 0;
    }
    if (HeaderMajor == 1)
        SetFlags(ANMF_VERSION1);
    else
        ClearFlags(ANMF_VERSION1);
    return true;
}

bool TAnm::ReadBody() {
    Touch();
    if (HeaderMajor == 1)
        JorpFatalError(this,
                       "Invalid file version read\nBAD THINGS, MAN.\n" + FileMode.Name.GetText(),
                       "Error - TAnm");
    if (HeaderMajor != 2) {
        // An animation inside another object has no file of its own: the one it lies in is named.
        std::string object = FileMode.Name.GetText();
        if (!EmbeddedBase.IsNull() && EmbeddedBase.File != nullptr)
            object = *EmbeddedBase.File;
        MessageBoxExA(nullptr,
                      "Unknown anm file version " + std::to_string(HeaderMajor) + ": " +
                          JorpDataFileShown(object),
                      "Error - TAnm", MB_OK);
        return false;
    }
    const TEmbeddedAddress bytes = ImageBytes();
    if (!Frames.Check(bytes.Data, bytes.Size))
        return false;
    ReadCursor = ANM_HEADER_SIZE + 4U * Frames.GetFrameCount();

    const bool anchored = Current.Has(ANMD_ANCHOR_FROM_FILE);
    for (TAnmData* data : {&Template, &Current}) {
        if (anchored) {
            data->Base.x = static_cast<i16>(Frames.GetRefX() - 1);
            data->Base.y = static_cast<i16>(Frames.GetRefY() - 1);
        } else {
            data->Base.x = static_cast<i16>(data->Base.x + 1);
            data->Base.y = static_cast<i16>(data->Base.y + 1);
        }
        data->UpdatePosition();
    }
    return true;
}

bool TAnm::ChangeFile(const TFileMode& mode) {
    Touch();
    TFileMode wanted = mode;
    // On screen its frames are read from the image at every frame.
    if (IsInVideo())
        wanted.RamLevel = FM_LEVEL_NOW;
    if (!TGr::ChangeFile(wanted))
        return false;
    if (Image != nullptr && Image->IsInMemory() && !HasFlags(JOF_LOADED) && !ReadTried) {
        ReadTried = true;
        BytesRead = Load(true, TEmbeddedAddress{});
    }
    return true;
}

void TAnm::SelectFrameRect() {
    const u16 k = Current.CurrentFrame;
    const TAnmFrameInfo* frame = ImageBytes().IsNull() ? nullptr : Frames.GetFrame(k);
    if (frame == nullptr)
        return;
    const i32 left = Current.Position.x - frame->HotX;
    const i32 top = Current.Position.y - frame->HotY;
    const TRect16 rect(left, top, left + frame->Width, top + frame->Height);
    const bool stays = rect == DrawData.Rect;
    SetRect(rect);
    DrawData.Z = Current.Position.z;
    // Standing still on a surface, a new frame is repainted only where it differs from the one
    // shown; a picture that moved is repainted whole, in both places.
    TRect16 area;
    TAnmChangedParts parts;
    if (k != DrawData.Frame && stays && IsInVideo() && !DrewOther &&
        ImageBytes().Size == Frames.GetCheckedSize() &&
        Frames.ChangedArea(ImageBytes().Data, DrawData.Frame, k, area, &parts)) {
        std::array<TRect16, ANM_CHANGED_PARTS> onScreen;
        for (u8 i = 0; i < parts.Count; ++i) {
            const TRect16& p = parts.Rects[i];
            onScreen[i] = TRect16(rect.left + p.left, rect.top + p.top, rect.left + p.right,
                                  rect.top + p.bottom);
        }
        // Alike frames still count as a change, of nothing.
        if (parts.Count == 0)
            MarkChangedWithin(TRect16{});
        else
            MarkChangedWithin(onScreen.data(), parts.Count);
    } else if (k != DrawData.Frame || !stays) {
        if (k != DrawData.Frame)
            MarkChanged();
        DrewOther = false;
    }
    DrawData.Frame = k;
    Selected = true;
}

void TAnm::ResetFrames() {
    Touch();
    const i64 count = GetFrameCount();
    const i64 d = Duration;
    const i64 start = Current.StartFrame;
    if (Current.Direction == ANM_FORWARD) {
        Current.LastFrame =
            static_cast<u16>(d == 0 ? count - 1 : std::min(start + d - 1, count - 1));
    } else if (Current.Direction == ANM_BACKWARD) {
        // From the start frame back over d frames: d + 1 frames are shown.
        if (start == 0 || d == 0) {
            Current.StartFrame = static_cast<u16>(count - 1);
            Current.LastFrame = 0;
        } else {
            Current.LastFrame = static_cast<u16>(std::max<i64>(start - d, 0));
        }
    }
    Current.CurrentFrame = Current.StartFrame;
}

void TAnm::Play(u32 tick) {
    Touch();
    PlayStartTick = tick + static_cast<u32>(static_cast<i32>(StartDelay));
    EndTick = PlayStartTick + Duration - 1;
    if (EndTick < PlayStartTick)
        EndTick = PlayStartTick;
    ClearFlags(JOF_ON | JOF_STOP_REQUESTED);
    // A start tick already reached starts now: waiting for the counter to equal it would
    // leave the animation counted as playing and never started.
    if (PlayStartTick <= OwnerTick())
        Start();
    if (List != nullptr && !HasFlags(ANMF_COUNTED)) {
        SetFlags(ANMF_COUNTED);
        List->CountIn();
    }
}

void TAnm::Start() {
    Touch();
    LoadNow();
    if (IsShown() && !IsInVideo())
        AddToVideo();
    TJorpBase::Start();
    if (Current.Has(ANMD_RESET_RANGE))
        ResetFrames();
    else
        OnStartNoReset();
    SelectFrameRect();
}

void TAnm::Tick(u32 tick) {
    if (tick == PlayStartTick) {
        // Started already when it was played at this very tick.
        if (!HasFlags(JOF_ON))
            Start();
        return;
    }
    if (!IsRunning())
        return;
    if (IsShown() && !IsInVideo())
        AddToVideo();
    if (!Current.Has(ANMD_FRAME_PER_TICK)) {
        SelectFrame();
        return;
    }
    const i32 current = Current.CurrentFrame;
    // A step is a new frame: the last selection no longer stands.
    if (Current.Direction == ANM_FORWARD && current + 1 <= Current.LastFrame) {
        ++Current.CurrentFrame;
        Selected = false;
    } else if (Current.Direction == ANM_BACKWARD && current - 1 >= Current.LastFrame) {
        --Current.CurrentFrame;
        Selected = false;
    }
    SelectFrameRect();
}

void TAnm::PostTick(u32 tick) {
    if (!IsRunning())
        return;
    const i32 count = GetFrameCount();
    const i32 current = Current.CurrentFrame;
    const bool inTime = Duration == 0 || tick < EndTick;
    if (Current.Direction == ANM_FORWARD || Current.Direction == ANM_BACKWARD) {
        const i32 next = current + Current.Direction;
        if (current == Current.LastFrame || !inTime || next < 0 || next >= count)
            Stop();
    } else if (Duration != 0 && tick >= EndTick && Current.Has(ANMD_LEAVE_WHEN_STOPPED)) {
        Stop();
    }
}

void TAnm::Stop() {
    Touch();
    if (Current.Has(ANMD_LEAVE_WHEN_STOPPED)) {
        RemoveFromVideo();
        SetFlags(JOF_STOP_REQUESTED);
        UpdateFileLevels();
    } else {
        OnStopStay();
    }
    if (HasFlags(ANMF_COUNTED)) {
        ClearFlags(ANMF_COUNTED);
        if (List != nullptr)
            List->CountOut();
    }
}

void TAnm::Show() {
    Touch();
    SetFlags(JOF_SHOWN);
    if (IsRunning())
        AddToVideo();
}

void TAnm::Hide() {
    Touch();
    RemoveFromVideo();
    ClearFlags(JOF_SHOWN);
}

void TAnm::Acquire(u32 tick) {
    Touch();
    TJorpBase::Acquire(tick);
    // Needed soon: read the image now; later: only say how much it is wanted.
    if (static_cast<u64>(tick) > static_cast<u64>(OwnerTick()) + 60)
        UpdateFileLevels();
    else
        LoadNow();
}

void TAnm::Release() {
    Touch();
    TJorpBase::Release();
    UpdateFileLevels();
}

bool TAnm::Draw(TJorpDC& dc, const TRect16& rect) {
    TBmp* target = dc.GetSelectedBitmap();
    if (target == nullptr || !target->IsDrawable())
        return false;
    return DrawFrame(*target, rect);
}

namespace {

// Most runs are a few pixels long, and a frame draws hundreds of them: short ones are copied
// in one or two word moves (which may overlap each other) rather than through a call.
void CopyRun(u8* to, const u8* from, size_t n) {
    if (n >= 16) {
        std::memcpy(to, from, n);
    } else if (n >= 8) {
        u64 head, tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(to, &head, 8);
        std::memcpy(to + n - 8, &tail, 8);
    } else if (n >= 4) {
        u32 head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + n - 4, &tail, 4);
    } else {
        for (size_t i = 0; i < n; ++i)
            to[i] = from[i];
    }
}

} // namespace

bool TAnm::DrawFrame(TBmp& target, const TRect16& clip) {
    const TRect16 rect = GetRect();
    TRect16 c = rect.Intersect(clip);
    if (c.IsEmpty())
        return true;
    const TEmbeddedAddress bytes = ImageBytes();
    if (bytes.IsNull() || !Frames.IsChecked() || bytes.Size != Frames.GetCheckedSize())
        return false;
    const TAnmFrameInfo* frame = Frames.GetFrame(Current.CurrentFrame);
    if (Current.CurrentFrame != DrawData.Frame)
        DrewOther = true;
    u8* bits = target.GetTargetBits();
    if (frame == nullptr || !frame->Drawable || bits == nullptr)
        return false;
    // The clip may reach past the target: only its own pixels are written.
    const i32 width = target.PixelWidth();
    const i32 height = target.PixelHeight();
    const TRect16 to = target.GetRect();
    const TRect16 area = to.Intersect({to.left, to.top, to.left + width, to.top + height});
    c = c.Intersect(area);
    if (c.IsEmpty())
        return true;
    const i32 pitch = target.GetPitch();
    const bool topDown = target.IsTopDown();
    for (i32 y = c.top; y < c.bottom; ++y) {
        const i32 row = y - rect.top;
        if (row >= frame->Height)
            return false;
        const i32 t = y - area.top;
        u8* line = bits + static_cast<size_t>(topDown ? t : height - 1 - t) * pitch;
        TAnmImage::ForEachRun(bytes.Data, *frame, row, [&](i16 x, u16 length, const u8* pixels) {
            const i32 start = rect.left + x;
            const i32 end = start + length;
            if (end < c.left)
                return;
            const i32 from = std::max<i32>(start, c.left);
            const i32 until = std::min<i32>(end, c.right);
            if (until > from)
                CopyRun(line + (from - area.left), pixels + (from - start),
                        static_cast<size_t>(until - from));
        });
    }
    return true;
}

void TAnm::Pin() {
    Touch();
    Current.Direction = ANM_HOLD;
    Current.SetFlag(ANMD_RESET_RANGE, false);
    Current.SetFlag(ANMD_LEAVE_WHEN_STOPPED, false);
}

void TAnm::StandAt(i16 y, i16 z, u16 frame) {
    Touch();
    Current.Base.y = y;
    Current.Base.z = z;
    Current.CurrentFrame = frame;
    Current.UpdatePosition();
    SelectFrame();
    Show();
}
