// TCasinoIniFile: naming, the template copy and the write-back.
#include "CasinoIniFile.h"

#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/SaveFileHost.h"
#include "platform/framework/WinApi.h"
#include "platform/host/Log.h"
#include "platform/host/VirtualPath.h"

#include <utility>

TCasinoIniFile::TCasinoIniFile(const std::string& drive, const std::string& directory,
                               const std::string& baseName)
    : TCasinoIniFile(drive, directory, baseName, TSaveFileHost::Default()) {}

TCasinoIniFile::TCasinoIniFile(const std::string& drive, const std::string& directory,
                               const std::string& baseName, TSaveFileHost& host)
    : TJorpIniFile(drive, directory, baseName, baseName + ".ini", false) {
    OuterWatcher = SetPrivateProfileWatcher(this);
    if (SetPrivateProfileKeptPlace(GetPath(), GetKeptPath()))
        LogError("the settings are read from " + HostName(GetKeptPath()) +
                 ", where the last run kept them" +
                 (TSaveFile(host, GetKeptPath()).Exists()
                      ? std::string()
                      : ", and are back in " + HostName(GetPath())));
    else if (!TSaveFile(host, GetPath()).Exists())
        CopyTemplate(host);
    TJorpIniFile::SetupKeys();
    TJorpIniFile::Read();
}

TCasinoIniFile::~TCasinoIniFile() {
    {
        // One rewrite for every key, closed while a failure is still told here.
        TPrivateProfileBatch keys;
        TJorpIniFile::Write();
    }
    SetPrivateProfileKeptPlace(GetPath(), std::string());
    if (GetPrivateProfileWatcher() == this)
        SetPrivateProfileWatcher(OuterWatcher);
}

std::string TCasinoIniFile::GetKeptPath() const {
    return GetDrive() + GetDirectory() + KeptDirectory + GetFileName();
}

std::string TCasinoIniFile::HostName(const std::string& path) {
    return TVirtualPaths::ToHost(path).value_or(path);
}

void TCasinoIniFile::WriteFailed(const std::string& hostPath, const std::string& why) {
    if (HostName(GetPath()) != hostPath) {
        if (OuterWatcher != nullptr)
            OuterWatcher->WriteFailed(hostPath, why);
        return;
    }
    // Every later write fails the same way; one box says it for the run.
    if (std::exchange(WriteFailureTold, true))
        return;
    LogError("the settings cannot be saved: " + hostPath + " " + why);
    const TRunEnd::TStage end = RunStage();
    // The player who chose to end without his gamblers has been told the disk failed them;
    // the error output says the rest.
    if (end == TRunEnd::TStage::EndingUnsaved)
        return;
    Show("The settings cannot be saved: the file\n" + hostPath + "\n" + why +
         (end == TRunEnd::TStage::Playing
              ? ".\n\nThe game goes on, but its settings will not be kept."
              : ".\n\nThe settings of this run were not kept."));
}

void TCasinoIniFile::WriteKept(const std::string& hostPath, const std::string& why,
                               const std::string& keptHostPath) {
    if (HostName(GetPath()) != hostPath) {
        if (OuterWatcher != nullptr)
            OuterWatcher->WriteKept(hostPath, why, keptHostPath);
        return;
    }
    if (std::exchange(KeptTold, true))
        return;
    LogError("the settings cannot be saved: " + hostPath + " " + why + "; they are saved as " +
             keptHostPath + " instead");
    if (RunStage() == TRunEnd::TStage::EndingUnsaved)
        return;
    Show("The settings cannot be saved in their place: the file\n" + hostPath + "\n" + why +
         ".\n\nThey are saved instead as\n" + keptHostPath +
         "\nwhere the next start of the game finds them.");
}

TRunEnd::TStage TCasinoIniFile::RunStage() {
    const TJorpApp* app = TJorpApp::GetApp();
    return app != nullptr ? app->GetRunEnd().GetStage() : TRunEnd::TStage::Playing;
}

void TCasinoIniFile::Show(const std::string& text) {
    // A session's end holds its stop while a box waits; the error output has said it all.
    if (TRunEnd::Quitting())
        return;
    TJorpApp* app = TJorpApp::GetApp();
    TJorpGameFrameWindow* frame = app != nullptr ? app->GetFrame() : nullptr;
    if (frame != nullptr && frame->IsWindow())
        frame->ShowPlayerMessage(text, WriteFailedCaption);
    else
        MessageBoxExA(nullptr, text, WriteFailedCaption, MB_OK);
}

std::string TCasinoIniFile::GetTemplateBaseName() {
    TJorpApp* app = TJorpApp::GetApp();
    if (app == nullptr)
        return std::string();
    TJorpAppInfo info;
    app->InitFrameSpec(info);
    return info.BaseName;
}

bool TCasinoIniFile::CopyTemplate(TSaveFileHost& host) {
    const std::string base = GetTemplateBaseName();
    if (base.empty())
        return false;
    const TSaveFile source(host, GetDrive() + GetDirectory() + base + ".ini");
    const TSaveFile target(host, GetPath());
    const i64 size = source.GetSize();
    if (size < 0 || size > TemplateLimit)
        return false;
    std::vector<u8> bytes;
    if (!source.ReadWhole(bytes, static_cast<u32>(size)) || !target.Replace(bytes))
        return false;
    // The save file of this name has never been written: the player manager must not take
    // its absence for a lost file.
    return WriteInt("System", "PrevRun", 0);
}
