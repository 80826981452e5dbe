// TCasinoIniFile: the settings file named after the program, made from the template when
// it is missing and written back when it goes.
#pragma once

#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/RunEnd.h"
#include "platform/host/PrivateProfile.h"

class TSaveFileHost;

// <base>.ini beside the program. When it is missing, the application's own settings file
// (its frame description's base name + ".ini") is copied to it as a whole, through a
// temporary file that is flushed and then renamed, so that a failed copy leaves no settings
// file at all rather than a part of one; the copy gets [System] PrevRun=0.
// While it lives, the first write of the file that fails is told in one box: the game plays
// on, but the player should know that what he sets is not kept; met as the game ends, the box
// says that this run's settings were not kept, and after the player chose to end without his
// gamblers only the error output says it. Where the file's own place refuses them while the
// save's folder takes files, the settings go to a file of the same name in that folder, told
// once, and the next start reads them from there (and puts them back in their place when it
// can: see SetPrivateProfileKeptPlace).
class TCasinoIniFile final : public TJorpIniFile, private TProfileWriteWatcher {
public:
    // A copy of a settings file larger than this is not a settings file.
    static constexpr i64 TemplateLimit = 1 << 20;

    // The host's calls make the copy; a test passes calls that fail.
    TCasinoIniFile(const std::string& drive, const std::string& directory,
                   const std::string& baseName);
    TCasinoIniFile(const std::string& drive, const std::string& directory,
                   const std::string& baseName, TSaveFileHost& host);
    // Writes the kept values back.
    ~TCasinoIniFile() override;

    // The template's base name: the running application's frame description's.
    static std::string GetTemplateBaseName();

    static constexpr const char* WriteFailedCaption = "Error - Settings File";
    // The folder, beside the file's own, that the settings are kept in while their place
    // cannot take them: the save's.
    static constexpr const char* KeptDirectory = "data\\";

    // Where the settings are kept while their own place cannot take them.
    std::string GetKeptPath() const;

private:
    // True when the template was copied and marked as a first run.
    bool CopyTemplate(TSaveFileHost& host);
    void WriteFailed(const std::string& hostPath, const std::string& why) override;
    void WriteKept(const std::string& hostPath, const std::string& why,
                   const std::string& keptHostPath) override;
    // The virtual path's place on the host, as the player knows it.
    static std::string HostName(const std::string& path);
    static TRunEnd::TStage RunStage();
    // The text in the one box the settings' failures are told in, unless the run is quitting.
    static void Show(const std::string& text);

    TProfileWriteWatcher* OuterWatcher = nullptr;
    bool WriteFailureTold = false;
    bool KeptTold = false;
};
