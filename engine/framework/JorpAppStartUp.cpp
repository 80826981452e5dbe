// TJorpApp::StartUp: the single-instance test, the display check and the data set.
#include "JorpApp.h"

#include "engine/foundation/FileMgr.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/DataFiles.h"
#include "engine/framework/FigureEight.h"
#include "engine/framework/GameFile.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/WarnMsgDlg.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/draw/GdiTypes.h"
#include "platform/host/PathKind.h"
#include "platform/host/VirtualPath.h"

#include <cstdio>
#include <optional>
#include <vector>

namespace {

// A copy started from a terminal would otherwise end without a word.
void SayAnotherCopyCameForward() {
    std::fputs("otcraps is already running; its window was brought to the front.\n", stderr);
}

// The lock's holder could not be brought forward: the player has nothing on screen to show
// him why the game did not start.
void SayAnotherCopyRuns(const TInstanceLock::THolderReply& holder, const std::string& lock) {
    const std::string where =
        holder.Answer == TInstanceLock::TAnswer::OnOtherHost ? " on " + holder.Host : "";
    MessageBoxExA(nullptr,
                  "Another copy of the game is already running" + where +
                      ": it holds the lock file\n" + lock +
                      "\n\nOnly one copy at a time can play from the same folder.",
                  "Warning", MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

bool TJorpApp::StartUp() {
    if (Started)
        return true;
    // The settings object reads the file and writes it back when it goes: made before the
    // test, it would rewrite the settings of the copy that runs.
    if (!CheckSingleInstance())
        return false;
    CreateIniFile();
    if (!CheckDisplay()) {
        InstanceLock.Release();
        return false;
    }
    // No cursor manager exists yet; the data-file manager works without one.
    CreateFileMgr();
    CheckExtra();
    OpenDataSet();
    Started = true;
    RunEnd.Restart();
    return true;
}

bool TJorpApp::CheckSingleInstance() {
    TJorpAppInfo info;
    InitFrameSpec(info);
    if (HWND other = FindWindowA(nullptr, info.Title.c_str())) {
        HWND popup = GetLastActivePopup(other);
        BringWindowToTop(popup);
        if (IsIconic(popup)) {
            OpenIcon(popup);
            TRect rect;
            GetWindowRect(popup, &rect);
            if (AnimatePreviousInstance)
                JorpFigureEight(rect, [popup, &rect](TPoint p) {
                    MoveWindow(popup, p.x, p.y, rect.Width(), rect.Height(), true);
                    UpdateWindow(popup);
                });
            MoveWindow(popup, rect.left, rect.top, rect.Width(), rect.Height(), true);
        }
        SayAnotherCopyCameForward();
        return false;
    }
    // Other copies in other processes are not windows of this one: they hold the lock file
    // in the program's folder. A folder where it cannot be made skips the test.
    const TJorpFileName lock = TJorpFileName(Drive + Directory).Append(BaseName + ".lck");
    // Looked for before the player's folder is made ready (which writes in it), so that a
    // second copy leaves the running copy's folder as it found it.
    std::optional<std::string> host = TVirtualPaths::PeekHost(lock.GetText());
    TInstanceLock::TResult result =
        host ? InstanceLock.Acquire(*host) : TInstanceLock::TResult::Unavailable;
    if (result == TInstanceLock::TResult::Unavailable) {
        // No folder yet, so no other copy: it is made, and the lock with it.
        host = TVirtualPaths::ToHost(lock.GetText());
        if (host)
            result = InstanceLock.Acquire(*host);
    }
    if (result == TInstanceLock::TResult::HeldElsewhere) {
        const TInstanceLock::THolderReply holder = TInstanceLock::SignalHolder(*host);
        if (holder.Answer == TInstanceLock::TAnswer::AskedForward)
            SayAnotherCopyCameForward();
        else
            SayAnotherCopyRuns(holder, *host);
        return false;
    }
    if (result == TInstanceLock::TResult::NotAFile)
        MessageBoxExA(nullptr,
                      "Whether another copy of the game runs cannot be checked: the lock file\n" +
                          *host + "\nis " + DescribeHostPathAt(*host) +
                          ".\n\nThe game goes on; start only one copy at a time.",
                      "Warning", MB_OK | MB_ICONEXCLAMATION);
    return true;
}

bool TJorpApp::CheckDisplay() {
    TJorpAppInfo info;
    InitFrameSpec(info);
    const std::unique_ptr<TJorpScreenDCFace> screen = TMediaMaker::Get().MakeScreenDC();
    const int width = screen ? screen->GetDeviceCaps(HORZRES) : 0;
    const int height = screen ? screen->GetDeviceCaps(VERTRES) : 0;
    const int bits = screen ? screen->GetDeviceCaps(BITSPIXEL) : 0;
    const std::string colours = std::to_string(info.Colours);
    if (width < info.Width || height < info.Height) {
        MessageBoxExA(nullptr,
                      "Display resolution must be at least " + std::to_string(info.Width) + " by " +
                          std::to_string(info.Height) +
                          ", and the number of colors recommended is " + colours + ".\n" +
                          "Please install an appropriate SVGA video driver.",
                      "Fatal Error", MB_OK);
        return false;
    }
    if (bits < info.BitsPerPixel) {
        if (Settings != nullptr && Settings->GetWarningFlag(0))
            ShowWarnMsg("The number of colors detected for the current video driver is less "
                        "than " +
                            colours +
                            ".\nThis will result in extremely poor color quality and poor "
                            "performance.",
                        "Warning", 0, true);
    } else if (bits > info.BitsPerPixel) {
        if (Settings != nullptr && Settings->GetWarningFlag(1))
            ShowWarnMsg("The number of colors detected for the current video driver is greater "
                        "than " +
                            colours +
                            ". Depending on your system this could result in slightly slower "
                            "performance.",
                        "Warning", 1, true);
    }
    return true;
}

void TJorpApp::OpenDataSet() {
    // Every file the game cannot start without is looked for before any is read, so that
    // a missing or broken data set ends in one message naming all of it, not in prompts
    // for a CD that does not exist.
    std::vector<std::string> problems;
    const std::string catalogue = GetDetFileName();
    bool catalogueNotAFile = false;
    if (!catalogue.empty()) {
        if (JorpDataFileExists(catalogue) && FileMgr != nullptr) {
            FileMgr->OpenDet(catalogue);
        } else {
            problems.push_back(JorpDataFileMissing(catalogue));
            catalogueNotAFile = JorpDataFileIsNotAFile(catalogue);
        }
    }
    const std::string gameFile = GetGameFileName();
    if (!gameFile.empty() && !JorpDataFileExists(gameFile)) {
        // A catalogue that is there but is no file is the one fault: the game file it would
        // list is lacking only because of it. A catalogue that is missing is told with it, as
        // the game file may be missing too.
        if (!catalogueNotAFile)
            problems.push_back(JorpDataFileMissing(gameFile));
    } else {
        CreateGame();
        const bool named = !gameFile.empty();
        if (named && (Game == nullptr || !Game->HasFlags(JOF_LOADED)))
            problems.push_back(JorpDataFileUnreadable(gameFile, Game));
        else if (named && Game->GetModeCount() == 0)
            problems.push_back("Names no mode: " + JorpDataFileShown(gameFile));
        else if (Game != nullptr && !Game->GetPaletteName().empty()) {
            const std::string& palette = Game->GetPaletteName();
            if (!JorpDataFileExists(palette)) {
                // The name comes from the game file: when it is damaged, so may the name be.
                problems.push_back(JorpDataFileMissing(
                    palette, "the palette " + JorpDataFileShown(gameFile) + " names"));
            } else {
                CreatePalette();
                if (Palette && !Palette->GetBase().HasFlags(JOF_LOADED))
                    problems.push_back(JorpDataFileUnreadable(palette, &Palette->GetBase()));
            }
        }
    }
    if (problems.empty())
        return;
    std::string text = "The game cannot start without its data files:";
    for (const std::string& line : problems)
        text += "\n" + line;
    FatalError(nullptr, text, "Fatal Error", MB_OK);
}
