// The texts mciGetErrorStringA gives for the device's result codes.
#include "Mci.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

struct TErrorText {
    u32 Code;
    const char* Text;
};

constexpr TErrorText kTexts[] = {
    {0, "The command completed successfully."},
    {MCIERR_INVALID_DEVICE_ID, "The device id does not name an open device."},
    {MCIERR_UNRECOGNIZED_COMMAND, "The device does not know this command."},
    {MCIERR_INVALID_DEVICE_NAME, "The device type is not installed; use \"sequencer\"."},
    {MCIERR_DEVICE_OPEN, "The device is already open; close it first."},
    {MCIERR_MISSING_PARAMETER, "The command needs a parameter that was not given."},
    {MCIERR_UNSUPPORTED_FUNCTION, "The device does not support this command or option."},
    {MCIERR_FILE_NOT_FOUND, "The file was not found."},
    {MCIERR_FLAGS_NOT_COMPATIBLE, "The options given cannot be used together."},
    {MCIERR_DEVICE_TYPE_REQUIRED, "The command needs a device type."},
    {MCIERR_INVALID_FILE, "The file is not a MIDI file this device can play."},
    {MCIERR_NULL_PARAMETER_BLOCK, "The command needs its parameter record."},
    {MCIERR_FILENAME_REQUIRED, "The command needs a file name."},
};

} // namespace

bool mciGetErrorStringA(u32 error, char* buffer, u32 length) {
    const auto* found = std::find_if(std::begin(kTexts), std::end(kTexts),
                                     [error](const TErrorText& t) { return t.Code == error; });
    const char* text = found != std::end(kTexts) ? found->Text : "";
    if (buffer != nullptr && length > 0) {
        const size_t count = std::min<size_t>(std::strlen(text), length - 1);
        std::memcpy(buffer, text, count);
        buffer[count] = '\0';
    }
    return found != std::end(kTexts);
}
