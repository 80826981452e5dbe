// TMediaServices: sound and cursor answers for the data-file manager.
#include "engine/media/MediaServices.h"

#include "engine/foundation/EngineContext.h"
#include "engine/media/AudioWaveMix.h"
#include "engine/media/CursorMgr.h"
#include "engine/media/SoundMgr.h"
#include "platform/framework/WinConstants.h"

TMediaServices* TMediaServices::Current() {
    return dynamic_cast<TMediaServices*>(TEngineContext::Media);
}

bool TMediaServices::IsSoundPlaying() const {
    const TAudioWaveMix* mixer = SoundMgr != nullptr ? SoundMgr->GetWaveMix() : nullptr;
    return mixer != nullptr && mixer->IsPlaying();
}

bool TMediaServices::PurgeWaves(u8 priority, u32 bytesNeeded, u32& bytesFreed) {
    TAudioWaveMix* mixer = SoundMgr != nullptr ? SoundMgr->GetWaveMix() : nullptr;
    return mixer != nullptr &&
           mixer->PurgeUntil(static_cast<i8>(priority), bytesNeeded, &bytesFreed);
}

void TMediaServices::SetFileWaitCursor(bool on) {
    if (CursorMgr != nullptr)
        CursorMgr->SetCursorSlot(CURSOR_SLOT_FILE_WAIT, nullptr, on ? IDC_WAIT : 0, true);
}
