// The sequencer device behind the MCI commands: open from a MIDI file, play, status, close.
#include "Mci.h"

#include "MidiFile.h"
#include "MidiOut.h"
#include "MidiSequencer.h"
#include "platform/host/VirtualPath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Far beyond any song; a larger file is refused instead of being read into memory.
constexpr std::uintmax_t kMaxMidiFileBytes = 16U << 20;
// Device ids stay in 16 bits and never take 0 (no device) or 0xFFFF (every device).
constexpr u32 kLastDeviceId = 0xFFFE;

struct TMciDevice {
    u32 Id = 0;
    std::unique_ptr<TMidiSequencer> Sequencer;
    // Where the outstanding play's notice goes.
    TWindow* NotifyWindow = nullptr;
    bool NotifyPending = false;
};

struct TMciState {
    std::unique_ptr<TMciDevice> Device;
    u32 NextId = 1;
    TMciPoster Poster;
};

TMciState& State() {
    static TMciState state;
    return state;
}

// One command, whichever record it came with: every record starts with the callback window.
struct TCommand {
    u32 DeviceId = 0;
    u32 Message = 0;
    u32 Flags = 0;
    TWindow* Callback = nullptr;
    bool HasRecord = false;
    MCI_OPEN_PARMSA* Open = nullptr;
    MCI_STATUS_PARMS* Status = nullptr;
};

void Post(TWindow* window, u32 code, u32 deviceId) {
    if (window == nullptr || !State().Poster)
        return;
    State().Poster(window, MM_MCINOTIFY, code, static_cast<std::intptr_t>(deviceId));
}

u32 CheckFlags(const TCommand& command, u32 allowed) {
    if ((command.Flags & ~allowed) != 0)
        return MCIERR_UNSUPPORTED_FUNCTION;
    if ((command.Flags & MCI_NOTIFY) && (command.Flags & MCI_WAIT))
        return MCIERR_FLAGS_NOT_COMPATIBLE;
    if ((command.Flags & MCI_NOTIFY) && !command.HasRecord)
        return MCIERR_NULL_PARAMETER_BLOCK;
    return 0;
}

TMciDevice* Find(u32 id) {
    TMciDevice* device = State().Device.get();
    return device != nullptr && device->Id == id ? device : nullptr;
}

bool IsSequencerType(const std::string& type) {
    static const std::string kSequencer = "sequencer";
    return std::equal(
        type.begin(), type.end(), kSequencer.begin(), kSequencer.end(),
        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

u32 ReadSong(const std::string& virtualPath, TMidiSong& song) {
    const std::optional<std::string> host = TVirtualPaths::ToHost(virtualPath);
    std::error_code ec;
    if (!host || !std::filesystem::is_regular_file(*host, ec))
        return MCIERR_FILE_NOT_FOUND;
    const std::uintmax_t size = std::filesystem::file_size(*host, ec);
    if (ec)
        return MCIERR_FILE_NOT_FOUND;
    if (size > kMaxMidiFileBytes)
        return MCIERR_INVALID_FILE;
    std::vector<u8> image(static_cast<size_t>(size));
    std::ifstream in(*host, std::ios::binary);
    if (!in || !in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(size)))
        return MCIERR_FILE_NOT_FOUND;
    TMidiFileResult parsed = ParseMidiFile(image);
    if (parsed.Error != TMidiFileError::None)
        return MCIERR_INVALID_FILE;
    song = std::move(parsed.Song);
    return 0;
}

u32 Open(const TCommand& command) {
    if (command.Open == nullptr)
        return MCIERR_NULL_PARAMETER_BLOCK;
    if (const u32 e = CheckFlags(command, MCI_NOTIFY | MCI_WAIT | MCI_OPEN_TYPE | MCI_OPEN_ELEMENT))
        return e;
    MCI_OPEN_PARMSA& params = *command.Open;
    if (!(command.Flags & MCI_OPEN_TYPE))
        return MCIERR_DEVICE_TYPE_REQUIRED;
    if (!IsSequencerType(params.lpstrDeviceType))
        return MCIERR_INVALID_DEVICE_NAME;
    if (!(command.Flags & MCI_OPEN_ELEMENT) || params.lpstrElementName.empty())
        return MCIERR_FILENAME_REQUIRED;
    TMciState& state = State();
    if (state.Device)
        return MCIERR_DEVICE_OPEN;
    TMidiSong song;
    if (const u32 e = ReadSong(params.lpstrElementName, song))
        return e;
    PrepareMidiOutput();

    auto device = std::make_unique<TMciDevice>();
    device->Id = state.NextId;
    device->Sequencer = std::make_unique<TMidiSequencer>(std::move(song), GetMidiOutput());
    state.NextId = state.NextId >= kLastDeviceId ? 1 : state.NextId + 1;
    state.Device = std::move(device);
    params.wDeviceID = state.Device->Id;
    if (command.Flags & MCI_NOTIFY)
        Post(params.dwCallback, MCI_NOTIFY_SUCCESSFUL, params.wDeviceID);
    return 0;
}

u32 Play(const TCommand& command) {
    TMciDevice* device = Find(command.DeviceId);
    if (device == nullptr)
        return MCIERR_INVALID_DEVICE_ID;
    if (const u32 e = CheckFlags(command, MCI_NOTIFY | MCI_WAIT))
        return e;
    if (command.Flags & MCI_WAIT)
        return MCIERR_UNSUPPORTED_FUNCTION;
    // The new play takes over from the outstanding one, whose notice says so.
    if (device->NotifyPending) {
        device->NotifyPending = false;
        Post(device->NotifyWindow, MCI_NOTIFY_SUPERSEDED, device->Id);
    }
    if (command.Flags & MCI_NOTIFY) {
        device->NotifyWindow = command.Callback;
        device->NotifyPending = true;
    }
    device->Sequencer->Play();
    return 0;
}

u32 Close(const TCommand& command) {
    TMciDevice* device = Find(command.DeviceId);
    if (device == nullptr)
        return MCIERR_INVALID_DEVICE_ID;
    if (const u32 e = CheckFlags(command, MCI_NOTIFY | MCI_WAIT))
        return e;
    const u32 id = device->Id;
    TWindow* const aborted = device->NotifyPending ? device->NotifyWindow : nullptr;
    device->Sequencer->Stop();
    State().Device.reset();
    // Posted once the device is gone, so that a poster delivering at once may open anew.
    if (aborted != nullptr)
        Post(aborted, MCI_NOTIFY_ABORTED, id);
    if (command.Flags & MCI_NOTIFY)
        Post(command.Callback, MCI_NOTIFY_SUCCESSFUL, id);
    return 0;
}

u32 Status(const TCommand& command) {
    TMciDevice* device = Find(command.DeviceId);
    if (device == nullptr)
        return MCIERR_INVALID_DEVICE_ID;
    if (command.Status == nullptr)
        return MCIERR_NULL_PARAMETER_BLOCK;
    if (const u32 e = CheckFlags(command, MCI_NOTIFY | MCI_WAIT | MCI_STATUS_ITEM))
        return e;
    if (!(command.Flags & MCI_STATUS_ITEM))
        return MCIERR_MISSING_PARAMETER;
    if (command.Status->dwItem != MCI_SEQ_STATUS_PORT)
        return MCIERR_UNSUPPORTED_FUNCTION;
    // The one synthesizer stands where the MIDI mapper would.
    command.Status->dwReturn = MCI_SEQ_MAPPER;
    if (command.Flags & MCI_NOTIFY)
        Post(command.Callback, MCI_NOTIFY_SUCCESSFUL, device->Id);
    return 0;
}

u32 Dispatch(const TCommand& command) {
    switch (command.Message) {
    case MCI_OPEN:
        return Open(command);
    case MCI_PLAY:
        return Play(command);
    case MCI_CLOSE:
        return Close(command);
    case MCI_STATUS:
        return Status(command);
    default:
        return MCIERR_UNRECOGNIZED_COMMAND;
    }
}

template <class TRecord> TCommand Command(u32 deviceId, u32 message, u32 flags, TRecord* record) {
    TCommand command{deviceId, message, flags};
    command.HasRecord = record != nullptr;
    command.Callback = record != nullptr ? record->dwCallback : nullptr;
    return command;
}

} // namespace

void SetMciPoster(TMciPoster poster) {
    State().Poster = std::move(poster);
}

u32 mciSendCommandA(u32 deviceId, u32 message, u32 flags, MCI_OPEN_PARMSA* params) {
    TCommand command = Command(deviceId, message, flags, params);
    command.Open = params;
    return Dispatch(command);
}

u32 mciSendCommandA(u32 deviceId, u32 message, u32 flags, MCI_PLAY_PARMS* params) {
    return Dispatch(Command(deviceId, message, flags, params));
}

u32 mciSendCommandA(u32 deviceId, u32 message, u32 flags, MCI_STATUS_PARMS* params) {
    TCommand command = Command(deviceId, message, flags, params);
    command.Status = params;
    return Dispatch(command);
}

u32 mciSendCommandA(u32 deviceId, u32 message, u32 flags, MCI_GENERIC_PARMS* params) {
    return Dispatch(Command(deviceId, message, flags, params));
}

u32 mciSendCommandA(u32 deviceId, u32 message, u32 flags, std::nullptr_t) {
    return Dispatch(Command(deviceId, message, flags, static_cast<MCI_GENERIC_PARMS*>(nullptr)));
}

void PumpMciDevices() {
    TMciDevice* device = State().Device.get();
    if (device == nullptr || !device->Sequencer->Pump() || !device->NotifyPending)
        return;
    device->NotifyPending = false;
    Post(device->NotifyWindow, MCI_NOTIFY_SUCCESSFUL, device->Id);
}

std::optional<u64> GetMciNextDueMs() {
    const TMciDevice* device = State().Device.get();
    return device != nullptr ? device->Sequencer->NextDueMs() : std::nullopt;
}
