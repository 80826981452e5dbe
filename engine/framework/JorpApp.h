// TJorpApp: the engine's application: settings, data-file manager, game and palette, the
// start-up checks, the main frame, help, and shutdown; TJorpAppInfo, its frame description.
#pragma once

#include "engine/framework/RunEnd.h"
#include "platform/framework/window/Application.h"
#include "platform/host/InstanceLock.h"
#include "platform/host/Types.h"

#include <memory>
#include <string>
#include <vector>

class TCursorMgrFace;
class TJorpFileMgr;
class TJorpGame;
class TJorpGameFrameWindow;
class TJorpIniFile;
class TPalFace;

// The game area, for code that has no application at hand.
inline i32 JorpGameAreaWidth = 640;
inline i32 JorpGameAreaHeight = 480;

// Frame flags of the engine's description.
constexpr u16 JAF_DEFAULT_FLAGS = 0x0004 | 0x0010;

struct TJorpAppInfo {
    i32 Width = 640;
    i32 Height = 480;
    // Recommended number of colours, as the messages name it.
    i32 Colours = 256;
    // The main window's title, which is also what a second copy of the program looks for.
    std::string Title = "Jorp App";
    // The help file's fallback base name.
    std::string BaseName = "jorp";
    i16 BitsPerPixel = 8;
    u16 IconId = 0;
    u16 Extra = 0;
    u16 Flags = JAF_DEFAULT_FLAGS;
};

class TJorpApp : public TApplication {
public:
    TJorpApp(const std::string& drive, const std::string& directory, const std::string& baseName);
    ~TJorpApp() override;

    // The application of the process, null when there is none.
    static TJorpApp* GetApp();

    void InitMainWindow() override;
    // Also brings the window forward when another copy of the program asked for it.
    bool IdleAction(long idleCount) override;

    // Virtual operations of the engine application, in slot order.
    virtual void InitFrameSpec(TJorpAppInfo& info);
    virtual u16 GetFrameIconId();
    virtual u16 Slot16();
    virtual std::string GetHelpFileName();
    virtual void CreateIniFile();
    virtual void DeleteIniFile();
    virtual void CreateGame();
    virtual void DeleteGame();
    virtual void CreateFileMgr();
    virtual void DeleteFileMgr();
    virtual void CreatePalette();
    virtual void DeletePalette();
    virtual TJorpGameFrameWindow* CreateFrameWindow();
    // False, with no message, when another copy runs (it is brought forward), before the
    // settings are made, so that nothing of that copy's is read or written; false after the
    // "Fatal Error" box on a screen below the game area. A data set whose catalogue,
    // game file or palette is missing, or whose game file cannot be read or names no mode,
    // ends the process with one fatal message naming every such file.
    virtual bool StartUp();
    virtual bool ShutDown();
    virtual std::string GetDetFileName();
    virtual bool CheckExtra();

    // The file the engine's CreateGame reads; empty makes an empty game.
    virtual std::string GetGameFileName();

    bool WinHelp(u32 command, u32 data);
    std::string GetProgramDirectory() const;
    std::string GetHelpFilePath();
    void ChangePalette(const std::string& name);
    bool OpenCatalogueIfPresent(const std::string& name);

    // The cursor manager the program made with the application; null when there is none.
    TCursorMgrFace* GetCursorMgr() const { return CursorMgr; }
    void SetCursorMgr(TCursorMgrFace* cursors) { CursorMgr = cursors; }
    TJorpIniFile* GetSettings() const { return Settings; }
    TJorpFileMgr* GetFileMgr() const { return FileMgr; }
    TJorpGame* GetGame() const { return Game; }
    TPalFace* GetPalette() const { return Palette.get(); }
    TJorpGameFrameWindow* GetFrame() const;
    const std::string& GetDrive() const { return Drive; }
    const std::string& GetDirectory() const { return Directory; }
    const std::string& GetBaseName() const { return BaseName; }
    bool IsStarted() const { return Started; }
    // How near the run is to its end, for what is told of a failure met then; the one record
    // of it, which the frame hands its player manager.
    TRunEnd& GetRunEnd() { return RunEnd; }
    const TRunEnd& GetRunEnd() const { return RunEnd; }
    // The run is ending, unless it was already known to.
    void NoteEnding() { RunEnd.NoteEnding(); }
    bool GetAnimatePreviousInstance() const { return AnimatePreviousInstance; }
    void SetAnimatePreviousInstance(bool animate) { AnimatePreviousInstance = animate; }

protected:
    // True when no other copy of the program runs; otherwise it is brought forward.
    bool CheckSingleInstance();
    // True when the screen holds the game area; warns about a colour depth other than the
    // recommended one.
    bool CheckDisplay();
    // The catalogue, the game file and its palette, each made only when it is there.
    void OpenDataSet();
    // Another copy asked for the main window: restored when minimised, then raised.
    void ComeForward();

    TJorpIniFile* Settings = nullptr;
    std::string Drive;
    std::string Directory;
    std::string BaseName;
    TJorpFileMgr* FileMgr = nullptr;
    TJorpGame* Game = nullptr;
    std::string GameFileName;
    std::string PaletteName;
    std::unique_ptr<TPalFace> Palette;
    bool Started = false;
    TRunEnd RunEnd;
    bool AnimatePreviousInstance = true;
    TCursorMgrFace* CursorMgr = nullptr;

private:
    TInstanceLock InstanceLock;
};
