// TMediaServices: the media layer's answers to the data-file manager, and where the sound objects
// find the sound manager.
#pragma once

#include "engine/foundation/EngineMedia.h"

class TCursorMgr;
class TJorpSoundMgr;

// Installed in the engine context when the program starts. It owns nothing: the application
// makes the cursor manager and the main frame window the sound manager, and each hands its
// own here as it makes it and takes it back (null) before deleting it.
class TMediaServices : public TEngineMedia {
public:
    // The installed services, or null while none are.
    static TMediaServices* Current();

    bool IsSoundPlaying() const override;
    bool PurgeWaves(u8 priority, u32 bytesNeeded, u32& bytesFreed) override;
    // Slot 1 of the cursor manager: the system wait cursor while on, empty when off.
    void SetFileWaitCursor(bool on) override;

    void SetCursorMgr(TCursorMgr* manager) { CursorMgr = manager; }
    TCursorMgr* GetCursorMgr() const { return CursorMgr; }
    void SetSoundMgr(TJorpSoundMgr* manager) { SoundMgr = manager; }
    TJorpSoundMgr* GetSoundMgr() const { return SoundMgr; }

private:
    TCursorMgr* CursorMgr = nullptr;
    TJorpSoundMgr* SoundMgr = nullptr;
};
