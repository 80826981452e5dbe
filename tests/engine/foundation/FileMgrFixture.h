// A data-file manager over a temporary program folder, with registration as engine objects do it.
#pragma once

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/FileMode.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/foundation/MemMgr.h"
#include "platform/host/SystemInfo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What an image holds in memory.
inline std::string ImageBytes(const TJorpBaseFile& image) {
    return std::string(reinterpret_cast<const char*>(image.GetData()), image.Size);
}

// Media that a test can make noisy, and that records the manager's calls.
class TFakeMedia : public TEngineMedia {
public:
    bool IsSoundPlaying() const override { return Playing; }
    bool PurgeWaves(u8 priority, u32 bytesNeeded, u32& bytesFreed) override {
        WavePurges.push_back(priority);
        if (priority >= WavePriority && WaveBytes > 0) {
            bytesFreed += WaveBytes;
            WaveBytes = 0;
        }
        return bytesFreed >= bytesNeeded;
    }
    void SetFileWaitCursor(bool on) override {
        CursorCalls.push_back(on);
        CursorShown = on;
    }

    bool Playing = false;
    // Bytes of waves of priority WavePriority that a purge of that class can free.
    u32 WaveBytes = 0;
    u8 WavePriority = 0;
    std::vector<u8> WavePurges;
    std::vector<bool> CursorCalls;
    bool CursorShown = false;
};

// Catalogues with fixed entries.
class TFakeCatalogues : public TDetLookup {
public:
    bool Find(const std::string& name, TDetEntry& entry) const override {
        for (const auto& [n, e] : Entries)
            if (n == name) {
                entry = e;
                return true;
            }
        return false;
    }
    void RemoveUnused() override { ++RemoveCalls; }

    std::vector<std::pair<std::string, TDetEntry>> Entries;
    int RemoveCalls = 0;
};

class FileMgrFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SavedBudget = JorpRamBudget;
        JorpRamInUse = 0;
        JorpWaveBytes = 0;
        SetDiskFreeOverride(1ULL << 30);
        TEngineContext::Media = &Media;
    }

    void TearDown() override {
        DeleteManager();
        TEngineContext::Media = nullptr;
        SetDiskFreeOverride(std::nullopt);
        TJorpMemMgr::OverrideBudget(SavedBudget);
        JorpRamInUse = 0;
        JorpWaveBytes = 0;
        JorpPurgePending = false;
    }

    // Folders exist before the manager looks for them.
    void MakeFolders(bool buffer = true) {
        std::filesystem::create_directories(Dir.Host("data"));
        if (buffer)
            std::filesystem::create_directories(Dir.Host("buffer"));
    }

    TJorpFileMgr& MakeManager() {
        Manager = std::make_unique<TJorpFileMgr>(Settings);
        TEngineContext::FileMgr = Manager.get();
        return *Manager;
    }

    void DeleteManager() {
        Manager.reset();
        TEngineContext::FileMgr = nullptr;
    }

    // The name as the engine writes it, with backslashes.
    void WriteData(std::string name, u32 size, char fill = 'x') {
        std::replace(name.begin(), name.end(), '\\', '/');
        Dir.WriteHostFile("data/" + name, std::string(size, fill));
    }

    // What an engine object does when it attaches a file.
    TJorpBaseFile* Register(const TFileMode& mode) {
        TFMFLData& table = Manager->GetFileTable();
        const std::string& name = mode.Name.GetText();
        const i16 bucket = TFMFLData::NameHash(name);
        if (!mode.IsPrivate())
            if (TJorpBaseFile* shared = table.GetBucket(bucket).FindByName(name)) {
                ++shared->UseCount;
                shared->AddLevelUse(mode.DiskLevel, mode.RamLevel);
                Manager->UpdateImage(shared);
                return shared;
            }
        auto* image = new TJorpBaseFile;
        Manager->Locate(image, name);
        if (mode.IsPrivate()) {
            image->Flags &= static_cast<u16>(~BF_HASHED);
            table.GetPrivateList().AddHead(image);
        } else {
            image->Flags |= BF_HASHED;
            image->Bucket = bucket;
            table.GetBucket(bucket).AddHead(image);
        }
        image->Flags |= BF_LISTED;
        ++image->UseCount;
        image->AddLevelUse(mode.DiskLevel, mode.RamLevel);
        LastUpdate = Manager->UpdateImage(image);
        return image;
    }

    void Release(TJorpBaseFile* image, const TFileMode& mode) {
        if (image->UseCount > 0)
            --image->UseCount;
        image->DropLevelUse(mode.DiskLevel, mode.RamLevel);
        Manager->UpdateImage(image);
    }

    // Moves one user of the image from one pair of levels to another.
    bool Change(TJorpBaseFile* image, TFileMode& mode, u8 disk, u8 ram) {
        image->DropLevelUse(mode.DiskLevel, mode.RamLevel);
        image->AddLevelUse(disk, ram);
        mode.DiskLevel = disk;
        mode.RamLevel = ram;
        return Manager->UpdateImage(image);
    }

    // Brings an image in at level 4 and then lets it sink to a purgeable class.
    TJorpBaseFile* LoadAtClass(TFileMode& mode, u8 ramClass) {
        mode.RamLevel = FM_LEVEL_NOW;
        TJorpBaseFile* image = Register(mode);
        Change(image, mode, mode.DiskLevel, ramClass);
        return image;
    }

    TTempDir Dir;
    TJorpIniFile Settings{"c:", "\\", "otcraps", "otcraps.ini", true};
    TFakeMedia Media;
    std::unique_ptr<TJorpFileMgr> Manager;
    bool LastUpdate = false;

private:
    u32 SavedBudget = 0;
};

// Engine objects saved to the CD location (drive d:) and read back through a ready manager.
class ObjectFileFixture : public FileMgrFixture {
protected:
    void SetUp() override {
        FileMgrFixture::SetUp();
        Settings.SetCDDrive("d:");
        Settings.SetCDDir("\\");
        TEngineContext::Settings = &Settings;
        MakeFolders();
        MakeManager();
    }
    void TearDown() override {
        TEngineContext::Settings = nullptr;
        FileMgrFixture::TearDown();
    }

    TTempDir Cd{'d'};
};
