// The frame's player manager: made on the data folder with three seats, its dialog run with the
// game paused, saved whenever a mode ends, and gone before the frame.
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
        Log.push_back(window != nullptr && window->IsPaused() ? "dialog (paused)" : "dialog");
    }
};

class TPlayersFrame : public TJorpGameFrameWindow {
public:
    explicit TPlayersFrame(TJorpApp* app) : TJorpGameFrameWindow(app, "Test Game", true, true) {}
    void CreatePlayerMgr() override {
        if (Noting)
            PlayerMgr = std::make_unique<TNotingPlayerMgr>(this, GetDataDirectory(), 3, 20);
        else
            TJorpGameFrameWindow::CreatePlayerMgr();
    }
    void CleanupWindow() override {
        Log.push_back("cleanup");
        TJorpGameFrameWindow::CleanupWindow();
    }
    static inline bool Noting = true;
};

class FramePlayers : public AppFixture {
protected:
    FramePlayers() {
        Log.clear();
        TPlayersFrame::Noting = true;
        MakeFrame = [](TJorpApp* app) { return new TPlayersFrame(app); };
    }
};

TEST_F(FramePlayers, TheEngineFrameMakesAPlainManagerOnTheDataFolder) {
    TPlayersFrame::Noting = false;
    StartGame();
    TPlayerMgr* players = Frame().GetPlayerMgr();
    ASSERT_NE(players, nullptr);
    EXPECT_EQ(players->GetSaveDirectory(), "c:\\data\\");
    EXPECT_EQ(players->GetSeatCount(), 3);
    EXPECT_EQ(players->GetTableSize(), 20);
    // The engine's dialog is a box over the frame.
    Frame().CmPlayerMgr();
    ASSERT_FALSE(Boxes.Boxes.empty());
    EXPECT_EQ(Boxes.Boxes.back().Caption, "Player Management Dialog");
    EXPECT_EQ(Boxes.Boxes.back().Text, "This is a default dialog.");
    // The engine's manager never reads or writes a save file by itself.
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/jorp.sav")));
}

TEST_F(FramePlayers, TheDialogPausesTheGameAndEveryModeEndSaves) {
    StartGame();
    TJorpModeWindow* window = Frame().GetModeWindow();
    Frame().CmPlayerMgr();
    EXPECT_FALSE(window->IsPaused());
    window->Deactivate();
    EXPECT_EQ(Log, (std::vector<std::string>{"dialog (paused)", "save"}));
    // The mode window goes first, then the manager.
    Log.clear();
    App->GetMainWindow()->Destroy(0);
    ASSERT_GE(Log.size(), 2U);
    EXPECT_EQ(Log.front(), "cleanup");
    EXPECT_EQ(Log.back(), "manager gone");
}

} // namespace
