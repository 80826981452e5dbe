// TJorpFileMgr: where each data file is read from, and when its image is in memory or buffered.
#pragma once

#include "engine/foundation/BaseFile.h"
#include "engine/foundation/DetLookup.h"
#include "engine/foundation/FileMgrParts.h"
#include "engine/foundation/FileMode.h"
#include "engine/foundation/FileTable.h"

#include <string>

class TJorpIniFile;
class TDetList;

// A low-memory notice that could not be served at once; the next idle step serves it.
extern bool JorpPurgePending;

// Below this much room on the buffer drive no copies are written and old ones are purged.
constexpr u64 FM_MIN_BUFFER_ROOM = 5120000;

class TJorpFileMgr {
public:
    // The settings give the locations and the buffering switch, and take back the CD
    // location when the manager goes. The media are reached through the engine context.
    explicit TJorpFileMgr(TJorpIniFile& settings);
    ~TJorpFileMgr();
    TJorpFileMgr(const TJorpFileMgr&) = delete;
    TJorpFileMgr& operator=(const TJorpFileMgr&) = delete;

    bool Setup();

    // Fills the image's name, source, offset, size and buffer path; false only for no image.
    bool Locate(TJorpBaseFile* image, const std::string& name);

    // Opens a data catalogue by name (read at once; a second open only counts a user) and
    // closes it again; a closed catalogue answers lookups until the next mode start.
    bool OpenDet(const std::string& name);
    bool CloseDet(const std::string& name);
    TDetList* GetDetList() const { return DetList; }

    // The catalogues asked when locating files: the manager's own list, unless another
    // lookup is put in its place (tests do); null asks none.
    void SetCatalogues(TDetLookup* catalogues) { Catalogues = catalogues; }

    void SetHDBuffering(bool on);
    void ToggleHDBuffering() { SetHDBuffering(!IsBuffering()); }
    bool IsBuffering() const { return Buffering != 0; }

    // Brings the image's memory and buffer copy in line with its levels.
    bool UpdateImage(TJorpBaseFile* image);
    // The purge-side variant: each request -1, 0 or +1.
    bool RequestChange(TJorpBaseFile* image, int memoryRequest, int bufferRequest);

    bool IdleAction();
    void IdleStep(u32 frame);
    void Compact(u32 ratio, bool now);
    void PurgeLowClasses();
    void PurgeAllClasses();

    TFMFLData& GetFileTable() { return *FileTable; }
    TFMData& GetData() { return *Data; }
    TFMDiskData& GetDiskData() { return *DiskData; }
    const TFMHDBufferNames& GetBufferNames() const { return *BufferNames; }
    const TFMCDDataNames& GetCDNames() const { return *CDNames; }
    const TFMHDDataNames& GetDataNames() const { return *DataNames; }
    // Whether the buffer folder was there at the last look; without it nothing is buffered.
    bool HasBufferFolder() const { return BufferFolder; }

private:
    bool IsQuiet() const;
    bool IsOverBudget() const;
    u32 BudgetExcess() const;
    bool RoomFor(const TJorpBaseFile& image) const;
    void LookForBufferFolder();

    bool ChangeImageRam(TJorpBaseFile* image, int memoryStep, int bufferStep);
    bool LoadToRam(TJorpBaseFile* image, u8 minClass = FM_LEVEL_NOW);
    bool LoadImage(TJorpBaseFile* image);
    bool MakeBufferCopy(TJorpBaseFile* image, u8 minClass = FM_LEVEL_NOW);
    bool RetryBufferCopy(TJorpBaseFile* image, u8 level);
    bool PromptForCD(const std::string& path);
    [[noreturn]] void FatalError(const std::string& text);

    TJorpIniFile& Settings;
    TFMDiskData* DiskData = nullptr;
    TFMFLData* FileTable = nullptr;
    u8 Buffering = 1;
    u8 Built = 0;
    TFMData* Data = nullptr;
    TFMHDBufferNames* BufferNames = nullptr;
    TFMCDDataNames* CDNames = nullptr;
    TFMHDDataNames* DataNames = nullptr;
    TDetList* DetList = nullptr;
    TDetLookup* Catalogues = nullptr;
    bool BufferFolder = false;
};
