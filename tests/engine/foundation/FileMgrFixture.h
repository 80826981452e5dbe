// A data-file manager over a temporary program folder, with engine objects that use its files.
#pragma once

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/FileMode.h"
#include "engine/foundation/JorpBase.h"
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

// An engine object that keeps its file's own extension; registering, releasing and changing
// levels go through the engine's own paths.
class TFileUser : public TJorpBase {
public:
    TFileUser() : TJorpBase(nullptr) {}
    std::string GetExtension() const override { return FileMode.Name.GetExtension(); }
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
        // The users let their images go while the manager still holds them.
        Users.clear();
        Manager.reset();
        TEngineContext::FileMgr = nullptr;
    }

    // The name as the engine writes it, with backslashes.
    void WriteData(std::string name, u32 size, char fill = 'x') {
        std::replace(name.begin(), name.end(), '\\', '/');
        Dir.WriteHostFile("data/" + name, std::string(size, fill));
    }

    // A new user of the file, attached as engine objects attach: its image, or null when
    // the registration failed.
    TJorpBaseFile* Register(const TFileMode& mode) {
        Users.push_back(TJorpBase::CreateAttached<TFileUser>(mode, false, true));
        return Users.back()->GetImage();
    }

    // The latest user of the image lets it go.
    void Release(TJorpBaseFile* image) {
        if (TFileUser* user = UserOf(image))
            user->ReleaseImage();
    }

    // Moves the latest user of the image to other levels.
    bool Change(TJorpBaseFile* image, u8 disk, u8 ram) {
        TFileUser* user = UserOf(image);
        if (user == nullptr)
            return false;
        TFileMode mode = user->GetFileMode();
        mode.DiskLevel = disk;
        mode.RamLevel = ram;
        return user->ChangeFile(mode);
    }

    // Brings an image in at level 4 and then lets it sink to a purgeable class.
    TJorpBaseFile* LoadAtClass(TFileMode mode, u8 ramClass) {
        mode.RamLevel = FM_LEVEL_NOW;
        TJorpBaseFile* image = Register(mode);
        Change(image, mode.DiskLevel, ramClass);
        return image;
    }

    TTempDir Dir;
    TJorpIniFile Settings{"c:", "\\", "otcraps", "otcraps.ini", true};
    TFakeMedia Media;
    std::unique_ptr<TJorpFileMgr> Manager;

private:
    TFileUser* UserOf(TJorpBaseFile* image) {
        for (auto user = Users.rbegin(); user != Users.rend(); ++user)
            if (image != nullptr && (*user)->GetImage() == image)
                return user->get();
        ADD_FAILURE() << "no user holds the image";
        return nullptr;
    }

    std::vector<std::unique_ptr<TFileUser>> Users;
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
