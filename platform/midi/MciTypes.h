// The media control interface's command numbers, flags, notice codes, errors and records.
#pragma once

#include "platform/host/Types.h"

#include <string>

class TWindow;

constexpr u32 MCI_OPEN = 0x803;
constexpr u32 MCI_CLOSE = 0x804;
constexpr u32 MCI_PLAY = 0x806;
constexpr u32 MCI_STATUS = 0x814;

// Flags shared by every command.
constexpr u32 MCI_NOTIFY = 0x1;
constexpr u32 MCI_WAIT = 0x2;

constexpr u32 MCI_OPEN_ELEMENT = 0x200;
constexpr u32 MCI_OPEN_TYPE = 0x2000;

constexpr u32 MCI_STATUS_ITEM = 0x100;
// The sequencer's output port; MCI_SEQ_MAPPER when it plays through the MIDI mapper.
constexpr u32 MCI_SEQ_STATUS_PORT = 0x4003;
constexpr u32 MCI_SEQ_MAPPER = 0xFFFF;

// Posted to a command's callback window: wParam one of the codes below, lParam the device id.
constexpr u32 MM_MCINOTIFY = 0x3B9;
constexpr u32 MCI_NOTIFY_SUCCESSFUL = 0x1;
constexpr u32 MCI_NOTIFY_SUPERSEDED = 0x2;
constexpr u32 MCI_NOTIFY_ABORTED = 0x4;
constexpr u32 MCI_NOTIFY_FAILURE = 0x8;

constexpr u32 MCIERR_BASE = 256;
constexpr u32 MCIERR_INVALID_DEVICE_ID = MCIERR_BASE + 1;
constexpr u32 MCIERR_UNRECOGNIZED_COMMAND = MCIERR_BASE + 5;
constexpr u32 MCIERR_INVALID_DEVICE_NAME = MCIERR_BASE + 7;
constexpr u32 MCIERR_DEVICE_OPEN = MCIERR_BASE + 9;
constexpr u32 MCIERR_MISSING_PARAMETER = MCIERR_BASE + 17;
constexpr u32 MCIERR_UNSUPPORTED_FUNCTION = MCIERR_BASE + 18;
constexpr u32 MCIERR_FILE_NOT_FOUND = MCIERR_BASE + 19;
constexpr u32 MCIERR_FLAGS_NOT_COMPATIBLE = MCIERR_BASE + 28;
constexpr u32 MCIERR_DEVICE_TYPE_REQUIRED = MCIERR_BASE + 31;
constexpr u32 MCIERR_INVALID_FILE = MCIERR_BASE + 40;
constexpr u32 MCIERR_NULL_PARAMETER_BLOCK = MCIERR_BASE + 41;
constexpr u32 MCIERR_FILENAME_REQUIRED = MCIERR_BASE + 48;

// The records carry only the fields this system's callers fill or read. A command that
// needs no record of its own takes MCI_GENERIC_PARMS (or none).
struct MCI_GENERIC_PARMS {
    // Receives the command's notice when MCI_NOTIFY is given.
    TWindow* dwCallback = nullptr;
};

struct MCI_OPEN_PARMSA {
    TWindow* dwCallback = nullptr;
    // Out: the id of the opened device.
    u32 wDeviceID = 0;
    // With MCI_OPEN_TYPE: "sequencer".
    std::string lpstrDeviceType;
    // With MCI_OPEN_ELEMENT: the MIDI file, as a virtual path.
    std::string lpstrElementName;
};

struct MCI_PLAY_PARMS {
    TWindow* dwCallback = nullptr;
};

struct MCI_STATUS_PARMS {
    TWindow* dwCallback = nullptr;
    // Out.
    u32 dwReturn = 0;
    // With MCI_STATUS_ITEM: what to report.
    u32 dwItem = 0;
};
