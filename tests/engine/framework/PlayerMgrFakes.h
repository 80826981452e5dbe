// Stand-ins around the player manager: the frame that shows its boxes, host calls that fail on
// demand, a save folder with its settings, and a manager with the casino layer's sizes.
#pragma once

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/foundation/MemMgr.h"
#include "engine/framework/PlayerMgr.h"
#include "engine/framework/PlayerMgrOwner.h"
#include "engine/framework/SaveFileHost.h"
#include "platform/host/Clock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// The box of a write that failed, naming the file as TFaultyHost names it.
inline std::string WriteFailedBox(const std::string& heading, const std::string& file = "jorp.sav",
                                  const std::string& reason = "Input/output error") {
    return heading + "\n<c:\\data\\" + file + ">\ncannot be written (" + reason + ").";
}

class TFakeFrame : public TPlayerMgrOwner {
public:
    void ShowPlayerMessage(const std::string& text, const std::string& caption) override {
        Boxes.push_back(caption == "Error - Save File" ? text : caption + ": " + text);
    }
    TModeWindowApi* GetCurrentModeWindow() const override { return Window; }
    // Questions are recorded apart from the boxes and answered from Answers, Yes when none is
    // queued.
    bool AskPlayer(const std::string& text, const std::string&) override {
        Questions.push_back(text);
        if (Answers.empty())
            return true;
        const bool yes = Answers.front();
        Answers.erase(Answers.begin());
        return yes;
    }

    std::vector<std::string> Boxes;
    std::vector<std::string> Questions;
    std::vector<bool> Answers;
    TModeWindowApi* Window = nullptr;
};

// The host's calls, one of which fails when asked: the next call of that kind (reads, the
// temporary file's creation, writes, flushes, its close, renames, second names, which fail as
// on a file system without them) after Armed is set. Besides,
// a file that the disk keeps refusing: every open of BadPath, or every read from it, fails
// with the reason given, for as long as it is set.
class TFaultyHost : public TSaveFileHost {
public:
    enum TStep {
        None,
        FailRead,
        FailCreateTemp,
        FailWrite,
        FailFlush,
        FailClose,
        FailMove,
        FailLink
    };

    THostFile* Open(const std::string& path, u32 access, u32 share, u32 disposition) override {
        if (path == BadPath && OpenError != 0) {
            LastError = OpenError;
            return nullptr;
        }
        THostFile* file = nullptr;
        if (disposition != CREATE_ALWAYS) {
            file = TSaveFileHost::Open(path, access, share, disposition);
        } else if (Take(FailCreateTemp)) {
            LastError = EIO;
            return nullptr;
        } else {
            file = Temp = TSaveFileHost::Open(path, access, share, disposition);
        }
        if (file != nullptr)
            Paths[file] = path;
        return file;
    }
    bool Read(THostFile* file, void* buffer, u32 count, u32* done) override {
        const auto open = Paths.find(file);
        if ((open != Paths.end() && open->second == BadPath && ReadError != 0) || Take(FailRead)) {
            LastError = ReadError != 0 ? ReadError : EIO;
            if (done != nullptr)
                *done = 0;
            return false;
        }
        return TSaveFileHost::Read(file, buffer, count, done);
    }
    bool Write(THostFile* file, const void* data, u32 count, u32* done) override {
        // A failing disk takes half and gives up.
        if (Take(FailWrite)) {
            TSaveFileHost::Write(file, data, count / 2, done);
            return false;
        }
        return TSaveFileHost::Write(file, data, count, done);
    }
    bool Flush(THostFile* file) override { return !Take(FailFlush) && TSaveFileHost::Flush(file); }
    bool Close(THostFile* file) override {
        // Forgotten before the handle goes: a later handle may be given the same address.
        Paths.erase(file);
        const bool temp = file != nullptr && file == Temp;
        if (temp)
            Temp = nullptr;
        // The handle goes either way; only the answer is a failure.
        const bool closed = TSaveFileHost::Close(file);
        return !(temp && Take(FailClose)) && closed;
    }
    bool Move(const std::string& from, const std::string& to, u32 flags) override {
        return !Take(FailMove) && TSaveFileHost::Move(from, to, flags);
    }
    bool Link(const std::string& existing, const std::string& link) override {
        if (Take(FailLink)) {
            LastError = EPERM;
            return false;
        }
        return TSaveFileHost::Link(existing, link);
    }
    std::string DisplayName(const std::string& path) override { return "<" + path + ">"; }

    TStep Armed = None;
    std::string BadPath;
    int OpenError = 0;
    int ReadError = 0;

private:
    // Only the temporary file's close is made to fail: others only read. Held only while it
    // is open.
    THostFile* Temp = nullptr;
    // The path of every handle open now.
    std::map<THostFile*, std::string> Paths;
    bool Take(TStep step) {
        if (Armed != step)
            return false;
        Armed = None;
        return true;
    }
};

// A record whose part beyond the engine's is marked, so that a fresh file shows whose records
// it holds.
class TMarkedPlayerData : public TPlayerData {
public:
    bool Encode(u8* bytes, size_t size) const override {
        if (!TPlayerData::Encode(bytes, size) || size < EncodedSize + 2)
            return false;
        bytes[EncodedSize] = 0xCA;
        bytes[size - 1] = 0x5E;
        return true;
    }
};

// The casino layer's sizes and file name.
class TCasinoSizedMgr : public TPlayerMgr {
public:
    using TPlayerMgr::TPlayerMgr;
    i32 GetGameDataSize() override { return 223; }
    i32 GetPlayerDataSize() override { return 13195; }
    std::unique_ptr<TPlayerData> NewPlayerData() override {
        return std::make_unique<TMarkedPlayerData>();
    }
    std::string GetSaveFileName() override { return "otcraps.sav"; }
};

// A program folder with its data folder and settings, a clock that stands still, and the
// engine's memory total from 0.
class SaveFolder : public ::testing::Test {
protected:
    SaveFolder() : Clock(0, 1'000'000'000), ClockScope(Clock) {
        std::filesystem::create_directories(Dir.Host("data"));
        TEngineContext::Settings = &Settings;
        JorpRamInUse = 0;
    }
    ~SaveFolder() override {
        TEngineContext::Settings = nullptr;
        JorpRamInUse = 0;
    }

    std::string SaveBytes(const std::string& name = "jorp.sav") const {
        return Dir.ReadHostFile("data/" + name);
    }
    bool InData(const std::string& name) const {
        return std::filesystem::exists(Dir.Host("data/" + name));
    }
    void SetPrevRun(int value) { Settings.WriteInt("System", "PrevRun", value); }

    TTempDir Dir;
    TJorpIniFile Settings{"c:", "\\", "otcraps", "otcraps.ini", true};
    TFakeClock Clock;
    TScopedClockSource ClockScope;
    TFakeFrame Frame;
    TFaultyHost Host;
};
