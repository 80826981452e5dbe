// Graphics: joining and leaving the owner's surface, change marks, and the z-ordered list.
#include "engine/media/Gr.h"

#include "engine/foundation/BaseFile.h"
#include "engine/media/RectList.h"
#include "engine/media/ScreenMgr.h"
#include "engine/media/VideoWinG.h"

TGrDrawData::TGrDrawData(const TRect16& rect, i16 z, u8* bits, bool writable, bool topDown)
    : Flags(static_cast<u16>(GRD_CHANGED | (writable ? GRD_WRITABLE : 0) |
                             (topDown ? GRD_TOP_DOWN : 0))),
      Bits(bits), Rect(rect), Z(z) {}

TGr::TGr(TJorpOwner* owner) : TJorpBase(owner) {}

TGr::~TGr() {
    RemoveFromVideo();
}

bool TGr::Draw(TJorpDC&, const TRect16&) {
    return false;
}

bool TGr::AddToVideo() {
    if (IsInVideo())
        return true;
    TJorpScreenMgr* screen = TJorpScreenMgr::ForOwner(Owner);
    TJorpVideo* video = screen != nullptr ? screen->GetVideo() : nullptr;
    if (video == nullptr)
        return false;
    // A picture read in place needs its image in memory for as long as it is shown.
    if (Image != nullptr && !Image->IsInMemory()) {
        TFileMode now = FileMode;
        now.RamLevel = FM_LEVEL_NOW;
        ChangeFile(now);
    }
    DrawData.PrevRect = {};
    DrawData.Flags |= GRD_CHANGED;
    DrawStateTouched();
    if (!video->GetGraphics().AddTail(this)) {
        ClearFlags(GRF_IN_LIST);
        return false;
    }
    SetFlags(GRF_IN_LIST);
    Video = video;
    return true;
}

bool TGr::RemoveFromVideo() {
    if (!IsInVideo())
        return true;
    if (Video != nullptr) {
        Video->AddPending(DrawData.PrevRect);
        Video->AddPending(DrawData.Rect);
        Video->GetGraphics().TSliq::Remove(this);
    }
    ClearFlags(GRF_IN_LIST);
    Video = nullptr;
    DrawStateTouched();
    return true;
}

void TGr::SetRect(const TRect16& rect) {
    if (!IsChanged())
        DrawData.PrevRect = DrawData.Rect;
    if (rect != DrawData.Rect) {
        DrawData.Rect = rect;
        DrawData.Flags |= GRD_CHANGED;
    }
    DrawStateTouched();
}

void TGr::MarkChanged() {
    if (!IsChanged())
        DrawData.PrevRect = DrawData.Rect;
    DrawData.Flags |= GRD_CHANGED;
    DrawStateTouched();
}

TGrList::TGrList() : TSliq(true, false) {
    Pooling = 0;
}

i32 TGrList::CompareZ(const void* a, const void* b) {
    if (a == nullptr || b == nullptr)
        return 0;
    const i16 za = static_cast<const TGr*>(a)->GetZ();
    const i16 zb = static_cast<const TGr*>(b)->GetZ();
    return za < zb ? -1 : (za > zb ? 1 : 0);
}

i32 TGrList::CompareZDescending(const void* a, const void* b) {
    return CompareZ(b, a);
}

bool TGrList::Sort(bool descending) {
    SetCompare(descending ? &CompareZDescending : &CompareZ);
    const bool sorted = TSliq::Sort();
    SetCompare(nullptr);
    return sorted;
}

bool TGrList::CollectDirty(TJorpRectList& list) {
    for (TSliqNode* node = Head; node != nullptr; node = node->Next) {
        const TGr* g = static_cast<const TGr*>(node->Value);
        if (g->IsChanged()) {
            list.Add(g->DrawData.PrevRect);
            list.Add(g->DrawData.Rect);
        }
    }
    return true;
}

void TGrList::ClearDirty() {
    for (TSliqNode* node = Head; node != nullptr; node = node->Next) {
        TGr* g = static_cast<TGr*>(node->Value);
        g->DrawData.Flags = static_cast<u16>(g->DrawData.Flags & ~GRD_CHANGED);
    }
}
