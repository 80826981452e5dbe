// TWaveMixControlData and TChannelWindow: setting up, playing and freeing one channel, and the
// end-of-play notice.
#include "engine/media/WaveMixChannel.h"

#include "engine/media/AudioWaveMix.h"
#include "engine/media/Sound.h"
#include "engine/media/WaveCache.h"
#include "engine/media/WaveMixDll.h"
#include "platform/audio/MmSystem.h"
#include "platform/framework/WinConstants.h"

DEFINE_RESPONSE_TABLE1(TChannelWindow, TJorpHideWin)
EV_MESSAGE(MM_WOM_DONE, EvWaveDone), END_RESPONSE_TABLE;

TChannelWindow::TChannelWindow(TWindow* parent, TWaveMixControlData* channel)
    : TJorpHideWin(nullptr, "Hidden Audio Window"), ParentWindow(parent), Channel(channel) {
    Attr.Style = WS_POPUP;
}

LRESULT TChannelWindow::EvWaveDone(WPARAM wp, LPARAM lp) {
    if (Armed && Channel != nullptr)
        Channel->OnPlayDone(static_cast<u16>(wp), lp);
    return 1;
}

TWaveMixControlData::TWaveMixControlData(TAudioWaveMix* mixer, i16 number)
    : Mixer(mixer), Number(number),
      NotifyWindow(std::make_unique<TChannelWindow>(mixer->GetOwner(), this)) {
    Params.hMixSession = mixer->GetSession();
    Params.iChannel = number;
    Params.hWndNotify = NotifyWindow.get();
    NotifyWindow->Create();
}

TWaveMixControlData::~TWaveMixControlData() = default;

void TWaveMixControlData::Setup(TWav* sound, u16 loops) {
    Sound = sound;
    Loops = loops;
    Params.wLoops = loops;
    Playing = false;
    Owned = true;
    const TAudioObj* ref = sound != nullptr ? sound->GetCacheRef() : nullptr;
    Params.lpMixWave = ref != nullptr && ref->Entry != nullptr ? ref->Entry->Wave : nullptr;
    InUse = true;
}

bool TWaveMixControlData::Play(u32 flags) {
    Params.dwFlags = flags;
    if (Params.lpMixWave == nullptr) {
        Release();
        return false;
    }
    TWaveMix* library = Mixer->Library();
    const u32 result =
        library != nullptr ? library->WaveMixPlay(&Params) : static_cast<u32>(MMSYSERR_ERROR);
    if (result != MMSYSERR_NOERROR) {
        Mixer->ShowError(TAudioWaveMix::ErrorText(result));
        Release();
        return false;
    }
    NotifyWindow->SetArmed(true);
    Playing = true;
    return true;
}

void TWaveMixControlData::StopChannel() {
    if (!InUse)
        return;
    NotifyWindow->SetArmed(false);
    if (Playing)
        if (TWaveMix* library = Mixer->Library())
            library->WaveMixFlushChannel(Mixer->GetSession(), Number, 0);
    Release();
}

void TWaveMixControlData::Abandon() {
    if (!InUse)
        return;
    if (TWaveMix* library = Mixer->Library())
        library->WaveMixFlushChannel(Mixer->GetSession(), Number, 0);
    Playing = false;
    Release();
}

void TWaveMixControlData::Release() {
    TWav* sound = Sound;
    const bool tell = Owned && sound != nullptr;
    NotifyWindow->SetArmed(false);
    Params.lpMixWave = nullptr;
    Sound = nullptr;
    Playing = false;
    InUse = false;
    // Told last: the sound may queue a new play at once, which finds the channel free.
    if (tell)
        sound->OnChannelReleased();
}

void TWaveMixControlData::OnPlayDone(u16, LPARAM lParam) {
    if (Params.lpMixWave == nullptr || lParam != reinterpret_cast<LPARAM>(Params.lpMixWave))
        return;
    // Ended by itself: there is nothing left for a flush to stop.
    Playing = false;
    StopChannel();
}
