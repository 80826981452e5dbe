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
    DrawData.Flags = static_cast<u16>((DrawData.Flags | GRD_CHANGED) & ~GRD_PART);
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
        DrawData.Flags = static_cast<u16>((DrawData.Flags | GRD_CHANGED) & ~GRD_PART);
    }
    DrawStateTouched();
}

void TGr::MarkChanged() {
    if (!IsChanged())
        DrawData.PrevRect = DrawData.Rect;
    DrawData.Flags = static_cast<u16>((DrawData.Flags | GRD_CHANGED) & ~GRD_PART);
    DrawStateTouched();
}

void TGr::MarkChangedWithin(const TRect16& area) {
    MarkChangedWithin(&area, 1);
}

void TGr::MarkChangedWithin(const TRect16* areas, size_t count) {
    if (!IsChanged()) {
        DrawData.PrevRect = DrawData.Rect;
        DrawData.Flags |= GRD_CHANGED | GRD_PART;
        DrawData.Changed = {};
        DrawData.ChangedCount = 0;
    } else if (!DrawData.Has(GRD_PART)) {
        DrawStateTouched();
        return;
    }
    for (size_t i = 0; i < count; ++i)
        if (!areas[i].IsEmpty())
            AddChangedPart(areas[i]);
    DrawStateTouched();
}

void TGr::AddChangedPart(const TRect16& area) {
    TGrDrawData& d = DrawData;
    d.Changed = d.Changed.IsEmpty() ? area : d.Changed.Union(area);
    if (d.ChangedCount < GR_CHANGED_PARTS) {
        d.ChangedParts[d.ChangedCount++] = area;
        return;
    }
    d.ChangedParts[0] = d.Changed;
    d.ChangedCount = 1;
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
    // Graphics seldom change their depth: a list in order already stays as it is.
    // Looked at every frame over every graphic, so the depths are compared here rather than
    // through the sort's comparison.
    bool ordered = true;
    for (TSliqNode* node = Head; ordered && node != nullptr && node->Next != nullptr;
         node = node->Next) {
        const auto* a = static_cast<const TGr*>(node->Value);
        const auto* b = static_cast<const TGr*>(node->Next->Value);
        ordered = a == nullptr || b == nullptr ||
                  (descending ? b->GetZ() <= a->GetZ() : a->GetZ() <= b->GetZ());
    }
    if (ordered)
        return true;
    const TSliqCompare compare = descending ? &CompareZDescending : &CompareZ;
    SetCompare(compare);
    const bool sorted = TSliq::Sort();
    SetCompare(nullptr);
    return sorted;
}

bool TGrList::CollectDirty(TJorpRectList& list) {
    for (TSliqNode* node = Head; node != nullptr; node = node->Next) {
        const TGr* g = static_cast<const TGr*>(node->Value);
        if (!g->IsChanged())
            continue;
        const TGrDrawData& d = g->DrawData;
        if (d.Has(GRD_PART) && d.PrevRect == d.Rect) {
            for (u8 i = 0; i < d.ChangedCount; ++i)
                list.Add(d.ChangedParts[i]);
            continue;
        }
        list.Add(d.PrevRect);
        list.Add(d.Rect);
    }
    return true;
}

bool TGrList::TakeDirty(TJorpRectList& first, TJorpRectList& second) {
    const auto add = [&](const TRect16& r) {
        first.Add(r);
        second.Add(r);
    };
    bool ordered = true;
    for (TSliqNode* node = Head; node != nullptr; node = node->Next) {
        TGr* g = static_cast<TGr*>(node->Value);
        const auto* next =
            node->Next != nullptr ? static_cast<const TGr*>(node->Next->Value) : nullptr;
        ordered = ordered && (g == nullptr || next == nullptr || g->GetZ() <= next->GetZ());
        if (g == nullptr)
            continue;
        TGrDrawData& d = g->DrawData;
        if (g->IsChanged()) {
            if (!d.Has(GRD_PART) || d.PrevRect != d.Rect) {
                add(d.PrevRect);
                add(d.Rect);
            } else {
                for (u8 i = 0; i < d.ChangedCount; ++i)
                    add(d.ChangedParts[i]);
            }
        }
        d.Flags = static_cast<u16>(d.Flags & ~(GRD_CHANGED | GRD_PART));
    }
    return ordered;
}

void TGrList::ClearDirty() {
    for (TSliqNode* node = Head; node != nullptr; node = node->Next) {
        TGr* g = static_cast<TGr*>(node->Value);
        g->DrawData.Flags = static_cast<u16>(g->DrawData.Flags & ~(GRD_CHANGED | GRD_PART));
    }
}
