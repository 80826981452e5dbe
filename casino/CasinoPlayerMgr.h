// TCasinoPlayerMgr: the casino's gamblers: twenty records of the casino's size in the save
// file, the default gambler, and the gambler and statistics dialogs.
#pragma once

#include "engine/foundation/Money.h"
#include "engine/framework/PlayerMgr.h"

#include <string>

// Reads the save file (making it afresh when it is missing or damaged) and seats gamblers as
// it is made, so nothing can derive from it and change the sizes it reads with. The file is
// written again when it goes.
class TCasinoPlayerMgr final : public TPlayerMgr {
public:
    static constexpr const char* DefaultGambler = "Joe Gambler";
    static constexpr double DefaultBankroll = 500.0;
    // The help topic of the gambler list.
    static constexpr u32 GamblerHelpContext = 1000;

    // With forceDefault the default gambler is made anew (unless he is seated) and seated;
    // otherwise the gamblers seated last time sit again, and the default gambler only when
    // nobody does.
    // The file's calls go through the host (the system's own when null), from the load on.
    TCasinoPlayerMgr(TPlayerMgrOwner* owner, std::string directory, i16 activeLimit, i16 tableSize,
                     bool forceDefault, TSaveFileHost* host = nullptr);
    ~TCasinoPlayerMgr() override;

    void Save() override;
    void ShowPlayerDialog() override;
    // Over the parent, or the owner window without one. Loaded records the dialog read and
    // no seat holds are written back and let go after it.
    void ShowStatsDialog(i16 record, TWindow* parent = nullptr) override;
    void SetupDefaultGambler() override;
    void CreateDefaultGambler() override;
    i32 GetGameDataSize() override;
    std::unique_ptr<TGameData> NewGameData() override;
    i32 GetPlayerDataSize() override;
    std::unique_ptr<TPlayerData> NewPlayerData() override;
    // The engine's judgement, and the session ring's current slot inside the ring.
    bool CouldBeWholeRecord(const u8* record, u32 size, TLostBytes lost) override;
    size_t GetJudgedSize() override;
    // Whole, the spare amount empty and the options 0 or 1.
    bool CouldBeWrittenRecord(const u8* record, u32 size, TLostBytes lost) override;
    size_t GetJudgedTail() override;
    // The whole record cleared; its block is loaded first when it is not.
    void ResetPlayerData(i16 record) override;
    // The program's base name and ".sav".
    std::string GetSaveFileName() override;

    // CreatePlayer with the amount in money.
    bool CreateGambler(const std::string& name, u8 sex, TMoney bankroll);

private:
    // Nobody plays while the manager is made: a session still open in the file was left so by
    // a run that did not live to close it. Each is closed as the file last had it, and all of
    // them are written in one save.
    void CloseLeftSessions();
};
