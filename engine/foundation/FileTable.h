// TFileList and TFMFLData: the data-file manager's lists of images, by name bucket and private.
#pragma once

#include "engine/foundation/BaseFile.h"
#include "engine/foundation/Sliq.h"

#include <array>
#include <functional>
#include <string>

class TJorpFileMgr;

// A list of images that owns them: deleting the list deletes every image in it. Lookups and
// purges share one walk position, so a purge carries on after where the last one stopped.
class TFileList : public TSliq {
public:
    TFileList() : TSliq(false, true) {}
    ~TFileList() override;

    // Walks from the head; the walk position stays on the image found (or ends).
    TJorpBaseFile* FindByName(const std::string& name);

    // Visits every member once, starting after the walk position and wrapping at the end;
    // the walk position follows the visit. Stops early when the visitor returns true.
    bool VisitFromWalk(const std::function<bool(TJorpBaseFile&)>& visit);

    // Unlinks and deletes every image nobody uses.
    void DeleteUnused();
};

class TFMFLData {
public:
    static constexpr int BucketCount = 400;

    explicit TFMFLData(TJorpFileMgr* manager);
    ~TFMFLData();
    TFMFLData(const TFMFLData&) = delete;
    TFMFLData& operator=(const TFMFLData&) = delete;

    // The bucket of a name, exactly as registered (case and path included).
    static i16 NameHash(const std::string& name);

    TFileList& GetBucket(i16 bucket) { return *Buckets[static_cast<size_t>(bucket)]; }
    TFileList& GetPrivateList() { return *PrivateList; }

    // Frees memory of classes 0 to classes-1, lowest first, until freed reaches amount.
    bool Purge(int classes, u32 amount, u32& freed);
    bool PurgeList(TFileList& list, u8 ramClass, u32 amount, u32& freed);
    // Deletes buffer copies the same way, by disk level.
    bool PurgeBuffers(int classes, u32 amount, u32& freed);
    bool PurgeBufferList(TFileList& list, u8 diskClass, u32 amount, u32& freed);
    void DeleteUnusedImages();

    i16 MemoryCursor = 0;
    i16 BufferCursor = 0;

private:
    // Visits up to every bucket once from the cursor; the cursor stays where the visitor
    // reached the amount.
    bool WalkBuckets(i16& cursor, const std::function<bool(TFileList&)>& purge);

    TJorpFileMgr* Manager;
    std::array<TFileList*, BucketCount> Buckets{};
    TFileList* PrivateList = nullptr;
};
