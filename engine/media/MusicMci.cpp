// TMusicMCI and its notice window: opening, playing, replacing and looping MIDI pieces.
#include "engine/media/MusicMci.h"

#include "engine/foundation/BaseFile.h"
#include "engine/media/Sound.h"
#include "platform/framework/WinConstants.h"
#include "platform/host/MessageBox.h"
#include "platform/midi/Mci.h"
#include "platform/midi/MidiOut.h"

#include <cstring>

DEFINE_RESPONSE_TABLE1(TChildMidi, TJorpHideWin)
EV_MESSAGE(MM_MCINOTIFY, EvMciNotify), END_RESPONSE_TABLE;

TChildMidi::TChildMidi(TWindow* parent)
    : TJorpHideWin(nullptr, "Hidden Midi Window"), ParentWindow(parent) {
    Attr.Style = WS_POPUP;
}

i16 TChildMidi::NotifyCode(WPARAM bits) {
    if ((bits & MCI_NOTIFY_ABORTED) != 0)
        return 4;
    if ((bits & MCI_NOTIFY_SUCCESSFUL) != 0)
        return 1;
    if ((bits & MCI_NOTIFY_SUPERSEDED) != 0)
        return 2;
    if ((bits & MCI_NOTIFY_FAILURE) != 0)
        return 8;
    return -1;
}

LRESULT TChildMidi::EvMciNotify(WPARAM wp, LPARAM) {
    OnNotifyHook(NotifyCode(wp));
    return 0;
}

LRESULT TChildMidi::OnNotifyHook(i16) {
    return 0;
}

LRESULT TChildMidiChannel::OnNotifyHook(i16 code) {
    if (Player != nullptr)
        Player->OnNotify(code);
    return 0;
}

namespace {

// The file the device can open: the image's hard-disk copy when there is one, else the plain
// file it was read from. A piece inside a pack with no copy has no file of its own.
std::string PlayableFile(const TMidi& piece) {
    const TJorpBaseFile* image = piece.GetImage();
    if (image == nullptr)
        return std::string();
    if (image->HasBufferCopy() || !image->WholeFile)
        return piece.GetImageFileName();
    return image->SourcePath;
}

} // namespace

TMusicMCI::TMusicMCI(TWindow* window)
    : Owner(window), NotifyWindow(std::make_unique<TChildMidiChannel>(window)) {
    NotifyWindow->SetPlayer(this);
    NotifyWindow->Create();
}

TMusicMCI::~TMusicMCI() {
    if (Playing)
        Close();
    NotifyWindow.reset();
}

bool TMusicMCI::Open(const std::string& fileName) {
    if (midiOutGetNumDevs() == 0)
        return false;
    MCI_OPEN_PARMSA open;
    open.lpstrDeviceType = "sequencer";
    open.lpstrElementName = fileName;
    if (mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &open) != 0)
        return false;
    Device = open.wDeviceID;
    return true;
}

bool TMusicMCI::OpenAndPlay(const std::string& fileName) {
    if (!Open(fileName))
        return false;
    Playing = true;
    MCI_PLAY_PARMS play;
    play.dwCallback = NotifyWindow.get();
    if (mciSendCommandA(Device, MCI_PLAY, MCI_NOTIFY, &play) != 0) {
        mciSendCommandA(Device, MCI_CLOSE, MCI_WAIT, nullptr);
        Device = 0;
        Playing = false;
        return false;
    }
    return true;
}

bool TMusicMCI::Play(TMidi* piece) {
    if (piece == nullptr)
        return false;
    if (Playing) {
        Close();
        PendingPiece = piece;
        return true;
    }
    TFileMode mode = piece->GetFileMode();
    mode.RamLevel = FM_LEVEL_NOW;
    if (!piece->ChangeFile(mode))
        return false;
    if (!OpenAndPlay(PlayableFile(*piece)))
        return false;
    piece->SetFlags(JOF_ON);
    piece->ClearFlags(JOF_STOP_REQUESTED);
    CurrentPiece = piece;
    return true;
}

bool TMusicMCI::PlayLooped(TMidi* piece) {
    if (!Play(piece))
        return false;
    LoopPiece = piece;
    Looping = true;
    return true;
}

bool TMusicMCI::Close() {
    if (Device == 0)
        return false;
    if (mciSendCommandA(Device, MCI_CLOSE, MCI_WAIT, nullptr) != 0)
        return false;
    Device = 0;
    return true;
}

bool TMusicMCI::OnNotify(i16 code) {
    if (CurrentPiece != nullptr)
        CurrentPiece->SetFlags(JOF_STOP_REQUESTED);
    Playing = false;
    if (code == 1) {
        Close();
        if (Looping && LoopPiece != nullptr)
            Play(LoopPiece);
    } else if (code == 4 && PendingPiece != nullptr) {
        TMidi* next = PendingPiece;
        PendingPiece = nullptr;
        Play(next);
    }
    return true;
}

bool TMusicMCI::IsMidiMapperPort() {
    MCI_STATUS_PARMS status;
    status.dwItem = MCI_SEQ_STATUS_PORT;
    if (mciSendCommandA(Device, MCI_STATUS, MCI_STATUS_ITEM, &status) != 0)
        return false;
    return (status.dwReturn & 0xFFFF) == MCI_SEQ_MAPPER;
}

bool TMusicMCI::ShowDeviceCaps() {
    MIDIOUTCAPSA caps;
    if (midiOutGetDevCapsA(Device, &caps, sizeof(caps)) != 0)
        return false;
    if ((caps.dwSupport & MIDICAPS_VOLUME) != 0)
        MessageBoxExA(nullptr, "Supports midi volume", "", MB_OK);
    if ((caps.dwSupport & MIDICAPS_LRVOLUME) != 0)
        MessageBoxExA(nullptr, "Supports L & R volume midi", "", MB_OK);
    // The record holds the name in a fixed field that need not end in a NUL.
    MessageBoxExA(nullptr, std::string(caps.szPname, strnlen(caps.szPname, sizeof(caps.szPname))),
                  "", MB_OK);
    return true;
}

void TMusicMCI::Forget(const TMidi* piece) {
    if (piece == nullptr)
        return;
    if (CurrentPiece == piece)
        CurrentPiece = nullptr;
    if (PendingPiece == piece)
        PendingPiece = nullptr;
    if (LoopPiece == piece) {
        LoopPiece = nullptr;
        Looping = false;
    }
}
