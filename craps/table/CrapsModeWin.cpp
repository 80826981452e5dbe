// TCrapsModeWin and TC1ModeWin: a craps table's window and the objects table 1 is made of.
#include "CrapsModeWin.h"

#include "craps/table/BetOptionsRun.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/CrapsPlayer.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ModePause.h"
#include "engine/framework/PlayerMgr.h"
#include "platform/framework/menus/CommandEnabler.h"
#include "platform/host/MessageBox.h"
#include "resources/Resources.h"

DEFINE_RESPONSE_TABLE1(TCrapsModeWin, TCasinoModeWin)
EV_COMMAND(CM_BETOPTIONS, CmBetOptions),
    EV_COMMAND_ENABLE(CM_BETOPTIONS, CeBetOptions), END_RESPONSE_TABLE;

namespace {

constexpr u32 HelpContext = 1;
constexpr u32 CrapsHelpTopic = 3000;
// The game-object file names of table 1: the lord's, then the three seats'.
constexpr u32 IDS_TABLE_LORD = 13002;
constexpr u32 IDS_TABLE_SEAT0 = 13003;

} // namespace

TCrapsModeWin::TCrapsModeWin(TJorpApp* app, TJorpGameFrameWindow* frame, std::string modeName,
                             TPalFace* appPalette, std::string title)
    : TCasinoModeWin(app, frame, std::move(modeName), appPalette, std::move(title)) {
    SettingsSection = "Craps";
    HelpCommand = HelpContext;
    HelpData = CrapsHelpTopic;
}

TCrapsModeWin::~TCrapsModeWin() = default;

std::string TCrapsModeWin::GetDetFileName() {
    return "otcraps.det";
}

i32 TCrapsModeWin::GetMenuId() {
    return static_cast<i32>(IDM_CASINO);
}

void TCrapsModeWin::CmBetOptions() {
    TModePause paused(this);
    if (TJorpSoundMgrFace* sound = GetSoundMgr())
        sound->StopAll(true);
    auto* lord = dynamic_cast<TCasinoCGameLord*>(GetCasinoLord());
    if (lord == nullptr) {
        MessageBoxExA(this, "Craps not setup properly", "Error - Bet Options", MB_OK);
        return;
    }
    const TPlayerMgr* players = GetPlayerMgr();
    const i16 record = players != nullptr ? players->GetActive(lord->GetCurrentSeat()) : i16{-1};
    if (record < 0 || record >= players->GetTableSize() ||
        players->GetDataBlock(record) == nullptr) {
        MessageBoxExA(this, "Active player not found.", "Error - Bet Options", MB_OK);
        return;
    }
    RunBetOptionsDialog(*lord, this);
    // The options chosen survive a crash.
    GetPlayerMgr()->SaveSeatedPlayers();
}

void TCrapsModeWin::CeBetOptions(TCommandEnabler& enabler) {
    enabler.Enable(GetMainGameObject() != nullptr);
}

TC1ModeWin::~TC1ModeWin() = default;

TGameObject* TC1ModeWin::CreateGameObject(const TFileMode& file, i16 index, u32 data) {
    const std::string name = file.Name.GetText();
    const TModule* program = GetApp();
    auto text = [program](u32 id) {
        return program != nullptr ? program->LoadString(id) : std::string();
    };
    if (name == text(IDS_TABLE_LORD)) {
        TC1GameLord* lord = TC1GameLord::Create(this, file).release();
        SetMainGameObject(lord);
        return lord;
    }
    for (i16 seat = 0; seat < SeatCount; ++seat)
        if (name == text(IDS_TABLE_SEAT0 + static_cast<u32>(seat)))
            return ObjectTable[static_cast<size_t>(seat)] =
                       TJorpBase::CreateAttached<TCasinoCPlayer>(file, true, false, this, seat)
                           .release();
    return TCrapsModeWin::CreateGameObject(file, index, data);
}
