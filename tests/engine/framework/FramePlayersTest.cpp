// The frame's player manager: made on the data folder with three seats, its dialog run with the
// game paused, saved whenever a mode ends, and gone with the frame.
#include "AppFixture.h"

#include "engine/framework/ModeWindow.h"
#include "engine/framework/PlayerMgr.h"

namespace {

std::vector<std::string> Log;

class TNotingPlayerMgr : public TPlayerMgr {
public:
    using TPlayerMgr::TPlayerMgr;
    ~TNotingPlayerMgr() override { Log.push_back("manager gone"); }
    void Save() override { Log.push_back("save"); }
    void ShowPlayerDialog() override {
        auto* window = dynamic_cast<TJorpModeWindow*>(Owner->GetCurrentModeWindow());
        Log.push_back(window->IsPaused() ? "dialog (paused)" : "dialog");
        TPlayerMgr::ShowPlayerDialog();
    }
};

class TPlayersFrame : public TJorpGameFrameWindow {
public:
    explicit TPlayersFrame(TJorpApp* app) : TJorpGameFrameWindow(app, "Test Game", true, true) {}
    void CreatePlayerMgr() override {
        TJorpGameFrameWindow::CreatePlayerMgr();
        EXPECT_EQ(PlayerMgr->GetSaveDirectory() + std::to_string(PlayerMgr->GetSeatCount()) +
                      std::to_string(PlayerMgr->GetTableSize()),
                  "c:\\data\\320");
        PlayerMgr = std::make_unique<TNotingPlayerMgr>(this, GetDataDirectory(), 3, 20);
    }
};

class FramePlayers : public AppFixture {
protected:
    FramePlayers() {
        Log.clear();
        MakeFrame = [](TJorpApp* app) { return new TPlayersFrame(app); };
    }
};

TEST_F(FramePlayers, TheDialogPausesTheGameEveryModeEndSavesAndTheManagerGoesWithTheFrame) {
    StartGame();
    TJorpModeWindow* window = Frame().GetModeWindow();
    Frame().CmPlayerMgr();
    EXPECT_FALSE(window->IsPaused());
    // The engine's dialog is a box over the frame.
    ASSERT_FALSE(Boxes.Boxes.empty());
    EXPECT_EQ(Boxes.Boxes.back().Caption + ": " + Boxes.Boxes.back().Text,
              "Player Management Dialog: This is a default dialog.");
    window->Deactivate();
    App->GetMainWindow()->Destroy(0);
    EXPECT_EQ(Log, (std::vector<std::string>{"dialog (paused)", "save", "manager gone"}));
    // The engine's manager never reads or writes a save file by itself.
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/jorp.sav")));
}

} // namespace
