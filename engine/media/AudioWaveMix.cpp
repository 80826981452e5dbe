// TAudioWaveMix: the session's start and end, activation, the sound switch and error boxes.
#include "engine/media/AudioWaveMix.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/media/WaveCache.h"
#include "engine/media/WaveMixChannel.h"
#include "engine/media/WaveMixDll.h"
#include "platform/audio/WaveOut.h"
#include "platform/host/MessageBox.h"

#include <algorithm>
#include <limits>

namespace {

// [WaveMix] "SampleRate": the library's rates in kHz; anything else leaves its default.
bool IsMixRate(int kHz) {
    return kHz == 11 || kHz == 22 || kHz == 44;
}

} // namespace

TAudioWaveMix::TAudioWaveMix(TWindow* owner) : Owner(owner) {}

TAudioWaveMix::~TAudioWaveMix() {
    Shutdown();
}

TWaveMix* TAudioWaveMix::Library() const {
    return HoldsLibrary ? TWaveMix::Get() : nullptr;
}

TWaveMixSession* TAudioWaveMix::OpenSession() {
    TWaveMix* library = Library();
    if (library == nullptr || !library->IsLoaded())
        return nullptr;
    int channels = 0;
    int rate = 0;
    if (const TJorpIniFile* settings = TEngineContext::Settings) {
        channels = settings->GetInt("WaveMix", "NumChannels", 0);
        rate = settings->GetInt("WaveMix", "SampleRate", 0);
    }
    if (channels < 0 || channels > 2)
        channels = 0;
    if (!IsMixRate(rate))
        rate = 0;
    if (channels == 0 && rate == 0)
        return library->WaveMixInit();
    MIXCONFIG config;
    config.dwFlags =
        (channels != 0 ? WMIX_CONFIG_CHANNELS : 0) | (rate != 0 ? WMIX_CONFIG_SAMPLINGRATE : 0);
    config.wChannels = static_cast<u16>(channels);
    config.wSamplingRate = static_cast<u16>(rate);
    return library->WaveMixConfigureInit(&config);
}

void TAudioWaveMix::CloseSession() {
    if (Session != nullptr)
        if (TWaveMix* library = Library())
            library->WaveMixCloseSession(Session);
    Session = nullptr;
    Active = false;
}

bool TAudioWaveMix::Init() {
    if (Initialised)
        return true;
    ErrorCount = 0;
    LastPumpTime = 0;
    if (waveOutGetNumDevs() == 0)
        ShowError("System reports there is no wave out devices");
    if (!TWaveMix::LoadWaveMix())
        return false;
    HoldsLibrary = true;
    // Whatever fails from here gives the session and the library back, so that a mixer the
    // sound manager discards leaves nothing open behind it.
    auto fail = [this] {
        CloseSession();
        TWaveMix::UnloadWaveMix(false);
        HoldsLibrary = false;
        return false;
    };
    Session = OpenSession();
    if (Session == nullptr) {
        ShowError("Couldn't initialize WaveMix");
        return fail();
    }
    Activate();
    if (!Active) {
        CloseSession();
        ShowError("Attempting to reload WaveMix");
        if (TWaveMix* library = Library())
            library->Reload();
        Session = OpenSession();
        if (Session == nullptr) {
            ShowError("Couldn't initialize WaveMix");
            return fail();
        }
        Activate();
        if (!Active)
            return fail();
    }
    const u32 opened = Library()->WaveMixOpenChannel(Session, WAVEMIX_CHANNELS, WMIX_OPENALL);
    if (opened != MMSYSERR_NOERROR) {
        ShowError(ErrorText(opened));
        return fail();
    }
    for (i16 i = 0; i < WAVEMIX_CHANNELS; ++i)
        Channels[static_cast<size_t>(i)] = std::make_unique<TWaveMixControlData>(this, i);
    Cache = std::make_unique<TAudioDSArray>(this);
    ReadMuteSetting();
    Initialised = true;
    return true;
}

bool TAudioWaveMix::Shutdown() {
    if (!Initialised)
        return true;
    WriteMuteSetting();
    StopAll(false);
    for (auto& channel : Channels)
        channel.reset();
    TWaveMix* library = Library();
    if (library != nullptr)
        library->WaveMixCloseChannel(Session, WAVEMIX_CHANNELS, WMIX_ALL);
    // The cache frees its waves while the session still holds them.
    Cache.reset();
    CloseSession();
    TWaveMix::UnloadWaveMix(false);
    HoldsLibrary = false;
    Initialised = false;
    return true;
}

void TAudioWaveMix::Activate() {
    TWaveMix* library = Library();
    if (Session == nullptr || Active || library == nullptr)
        return;
    const u32 result = library->WaveMixActivate(Session, true);
    if (result != MMSYSERR_NOERROR) {
        ShowError(ErrorText(result));
        return;
    }
    Active = true;
}

void TAudioWaveMix::Deactivate() {
    if (Session == nullptr || !Active)
        return;
    if (TWaveMix* library = Library())
        library->WaveMixActivate(Session, false);
    Active = false;
}

void TAudioWaveMix::ReadMuteSetting() {
    const TJorpIniFile* settings = TEngineContext::Settings;
    Muted = settings != nullptr && settings->Effects == 0;
}

void TAudioWaveMix::WriteMuteSetting() {
    if (TJorpIniFile* settings = TEngineContext::Settings)
        settings->Effects = Muted ? 0 : 1;
}

void TAudioWaveMix::SetMuted(bool muted) {
    if (muted == Muted)
        return;
    if (muted)
        StopAll(true);
    Muted = muted;
    WriteMuteSetting();
}

bool TAudioWaveMix::IsPlaying() const {
    if (Session == nullptr)
        return false;
    return std::any_of(Channels.begin(), Channels.end(), [](const auto& c) {
        return c != nullptr && c->IsInUse() && c->IsPlaying();
    });
}

i16 TAudioWaveMix::FreeChannelCount() const {
    if (Session == nullptr)
        return 0;
    return static_cast<i16>(std::count_if(Channels.begin(), Channels.end(), [](const auto& c) {
        return c != nullptr && !c->IsInUse();
    }));
}

i16 TAudioWaveMix::FirstFreeChannel() const {
    if (Session == nullptr)
        return -1;
    for (i16 i = 0; i < WAVEMIX_CHANNELS; ++i) {
        const auto& c = Channels[static_cast<size_t>(i)];
        if (c != nullptr && !c->IsInUse())
            return i;
    }
    return -1;
}

TWaveMixControlData* TAudioWaveMix::GetChannel(i16 number) const {
    if (number < 0 || number >= WAVEMIX_CHANNELS)
        return nullptr;
    return Channels[static_cast<size_t>(number)].get();
}

void TAudioWaveMix::AddOpenWaveBytes(u32 bytes) {
    OpenWaveBytes = bytes > std::numeric_limits<u32>::max() - OpenWaveBytes
                        ? std::numeric_limits<u32>::max()
                        : OpenWaveBytes + bytes;
}

void TAudioWaveMix::RemoveOpenWaveBytes(u32 bytes) {
    OpenWaveBytes = bytes > OpenWaveBytes ? 0 : OpenWaveBytes - bytes;
}

std::string TAudioWaveMix::ErrorText(u32 code) {
    static const char* const texts[] = {
        "No error",
        "Unspecified error",
        "Device ID out of range",
        "Driver failed enable",
        "Device already allocated",
        "Device Handle is invalid",
        "No Device Driver present",
        "Memory allocation error",
        "Function isn't supported",
        "Error value out of range",
        "Invalid flag passed",
        "Invalid parameter passed",
    };
    return code < std::size(texts) ? texts[code] : "Unknown error";
}

void TAudioWaveMix::ShowError(const std::string& text) {
    if (ErrorCount < std::numeric_limits<u16>::max())
        ++ErrorCount;
    if (ErrorCount <= WAVEMIX_MAX_ERROR_BOXES)
        MessageBoxExA(Owner, text, "Error - Audio", MB_OK);
}
