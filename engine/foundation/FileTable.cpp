// The image lists: lookup by name, the resumable purge walks, and deletion of unused images.
#include "FileTable.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/FileMode.h"
#include "engine/foundation/MemMgr.h"

TFileList::~TFileList() {
    while (void* value = RemoveHead())
        delete static_cast<TJorpBaseFile*>(value);
}

TJorpBaseFile* TFileList::FindByName(const std::string& name) {
    for (void* value = WalkStart(); value != nullptr; value = WalkNext()) {
        auto* image = static_cast<TJorpBaseFile*>(value);
        if (image->Name == name)
            return image;
    }
    return nullptr;
}

bool TFileList::VisitFromWalk(const std::function<bool(TJorpBaseFile&)>& visit) {
    if (Head == nullptr)
        return false;
    TSliqNode* node = Cursor != nullptr ? Cursor->Next : Head;
    RestartMark = 0;
    for (i16 n = 0; n < Count; ++n) {
        if (node == nullptr)
            node = Head;
        Cursor = node;
        // The visitor only changes the image's memory and copy; the list stays as it is.
        if (visit(*static_cast<TJorpBaseFile*>(node->Value)))
            return true;
        node = node->Next;
    }
    return false;
}

void TFileList::DeleteUnused() {
    for (void* value = WalkStart(); value != nullptr; value = WalkNext()) {
        auto* image = static_cast<TJorpBaseFile*>(value);
        if (image->UseCount == 0) {
            Remove(image);
            delete image;
        }
    }
}

TFMFLData::TFMFLData(TJorpFileMgr* manager) : Manager(manager) {
    for (TFileList*& bucket : Buckets)
        bucket = new TFileList;
    PrivateList = new TFileList;
}

TFMFLData::~TFMFLData() {
    delete PrivateList;
    for (TFileList* bucket : Buckets)
        delete bucket;
}

i16 TFMFLData::NameHash(const std::string& name) {
    u32 h = 0;
    for (char c : name)
        h = 2 * h + static_cast<u32>(static_cast<i32>(static_cast<i8>(c)));
    return static_cast<i16>(h % BucketCount);
}

bool TFMFLData::WalkBuckets(i16& cursor, const std::function<bool(TFileList&)>& purge) {
    for (int visit = 0; visit <= BucketCount; ++visit) {
        if (cursor < 0 || cursor >= BucketCount)
            cursor = 0;
        if (purge(*Buckets[static_cast<size_t>(cursor)]))
            return true;
        ++cursor;
    }
    return false;
}

bool TFMFLData::PurgeList(TFileList& list, u8 ramClass, u32 amount, u32& freed) {
    return list.VisitFromWalk([&](TJorpBaseFile& image) {
        if (image.GetRamLevel() != ramClass || !image.IsInMemory())
            return false;
        Manager->RequestChange(&image, -1, 0);
        if (image.IsInMemory())
            return false;
        JorpCountAdd(freed, image.Size);
        return freed >= amount;
    });
}

bool TFMFLData::Purge(int classes, u32 amount, u32& freed) {
    for (int c = 0; c < classes; ++c) {
        // Images needed now are never freed.
        if (c >= FM_LEVEL_NOW)
            return false;
        const u8 ramClass = static_cast<u8>(c);
        if (PurgeList(*PrivateList, ramClass, amount, freed))
            return true;
        if (WalkBuckets(MemoryCursor,
                        [&](TFileList& list) { return PurgeList(list, ramClass, amount, freed); }))
            return true;
        if (TEngineContext::GetMedia().PurgeWaves(ramClass, amount, freed))
            return true;
    }
    return false;
}

bool TFMFLData::PurgeBufferList(TFileList& list, u8 diskClass, u32 amount, u32& freed) {
    return list.VisitFromWalk([&](TJorpBaseFile& image) {
        if (image.GetDiskLevel() != diskClass || !image.HasBufferCopy())
            return false;
        Manager->RequestChange(&image, 0, -1);
        if (image.HasBufferCopy())
            return false;
        JorpCountAdd(freed, image.Size);
        return freed >= amount;
    });
}

bool TFMFLData::PurgeBuffers(int classes, u32 amount, u32& freed) {
    for (int c = 0; c < classes; ++c) {
        const u8 diskClass = static_cast<u8>(c);
        if (PurgeBufferList(*PrivateList, diskClass, amount, freed))
            return true;
        if (WalkBuckets(BufferCursor, [&](TFileList& list) {
                return PurgeBufferList(list, diskClass, amount, freed);
            }))
            return true;
    }
    return false;
}

void TFMFLData::DeleteUnusedImages() {
    PrivateList->DeleteUnused();
    for (TFileList* bucket : Buckets)
        bucket->DeleteUnused();
}
