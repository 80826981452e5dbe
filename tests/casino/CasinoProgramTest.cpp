// A whole casino program run headless over a table of its own (a casino lord and three seats):
// gamblers made, seated, unseated and deleted through the menus and dialogs, and the save file
// left at exit read back by a manager of its own.
#include "FrameFixture.h"
#include "GamblerFixture.h"

#include "casino/CasinoGameLord.h"
#include "casino/CasinoModeWin.h"
#include "casino/CasinoPlayer.h"
#include "casino/CasinoPlayerMgr.h"
#include "casino/GamblerDeleteDialog.h"
#include "casino/GamblerDialog.h"
#include "engine/framework/GObjList.h"
#include "platform/framework/chrome/Chrome.h"
#include "platform/framework/menus/MenuUi.h"

#include <memory>

namespace {

// A lord whose round can be in play, which keeps gamblers from sitting down or leaving.
class TRoundLord : public TCasinoGameLord {
public:
    using TCasinoGameLord::TCasinoGameLord;
    bool CanChangePlayers() override { return !RoundInPlay; }
    bool RoundInPlay = false;
};

// The table's objects are made by file name, as a table game makes them.
class TTableMode : public TCasinoModeWin {
public:
    using TCasinoModeWin::TCasinoModeWin;
    i32 GetMenuId() override { return IDM_CASINO; }
    TGameObject* CreateGameObject(const TFileMode& file, i16, u32) override {
        const std::string name = file.Name.GetName();
        if (name == "lord") {
            auto lord = TJorpBase::CreateAttached<TRoundLord>(file, true, false, this, 1, 6);
            SetMainGameObject(lord.get());
            return lord.release();
        }
        const auto seat = static_cast<i16>(name.back() - '0');
        return ObjectTable[static_cast<size_t>(seat)] =
                   TJorpBase::CreateAttached<TCasinoPlayer>(file, true, false, this, seat)
                       .release();
    }
};

class TTableFrame : public TCasinoGameFrameWindow {
public:
    using TCasinoGameFrameWindow::TCasinoGameFrameWindow;
    TJorpModeWindow* CreateModeWindow(i16 mode) override {
        if (IsValidMode(mode))
            ModeWindow = new TTableMode(App, this, GetModeName(mode), App->GetPalette(), "Table");
        return ModeWindow;
    }
};

// The engine's settings for a while; what was there before comes back however the scope ends.
class TSettingsScope {
public:
    explicit TSettingsScope(TJorpIniFile* settings) : Saved(TEngineContext::Settings) {
        TEngineContext::Settings = settings;
    }
    ~TSettingsScope() { TEngineContext::Settings = Saved; }

private:
    TJorpIniFile* Saved;
};

class CasinoProgramTest : public CasinoFrameFixture {
protected:
    // The program's first mode becomes the table; its object list is written where the
    // engine writes objects, the data folder.
    void WriteTable() {
        TJorpIniFile writing("c:", "\\", "otcraps", "fixture.ini", true);
        writing.SetCDDrive("c:");
        writing.SetCDDir("\\data");
        TSettingsScope scope(&writing);
        TGObjList list(nullptr, nullptr, TFileMode(TJorpFileName("table.gol"), 0, 0));
        for (const char* member : {"lord", "seat0", "seat1", "seat2"}) {
            auto object = std::make_unique<TGameObject>(nullptr);
            object->SetObjectFileName(TJorpFileName(member));
            ASSERT_TRUE(list.AddMember(object.release()));
        }
        ASSERT_TRUE(list.Save(nullptr));
        for (const char* where : {"", "data/"})
            Dir.WriteHostFile(std::string(where) + "f1craps.m",
                              Header("MODE", 2, 1) + Le16(3) + Str("") + Str("table.gol"));
    }
    TRoundLord& Lord() {
        return *dynamic_cast<TRoundLord*>(Frame().GetModeWindow()->GetMainGameObject());
    }
    TPlayerMgr& Players() { return *Frame().GetPlayerMgr(); }
    // Opens the bar's pop-up, then (a step later) clicks its item.
    std::vector<std::function<void()>> Choose(int popup, int item) {
        return {[this, popup] {
                    Backend().Click(Centre(ChromeLayout::MenuBarItemRects(&Frame()).at(popup)));
                },
                [this, item] {
                    TPopupMenuWindow* open = TMenuUi::Get().GetPopup();
                    ASSERT_NE(open, nullptr);
                    Backend().Click(Centre(open->ItemRects().at(static_cast<size_t>(item))));
                }};
    }
    static TPoint Centre(const TRect& r) {
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    template <class T> static T* Showing() {
        for (HWND w : TDesktop::Get().GetTopLevelWindows())
            if (auto* found = dynamic_cast<T*>(w))
                return found;
        return nullptr;
    }
    void Click(int id) {
        auto* dialog = dynamic_cast<TDialog*>(TDesktop::Get().GetActiveWindow());
        ASSERT_NE(dialog, nullptr);
        ClickCentre(Backend(), dialog->GetDlgItem(id));
    }
    void Row(int row) { ClickListRow(Backend(), Showing<TGamblerDialog>(), row); }
    // Types the name in the create dialog, picks the choices, presses Create.
    std::vector<std::function<void()>> CreateGambler(const std::string& name,
                                                     std::vector<int> choices) {
        return {[this] { Click(203); },
                [this, name, choices] {
                    for (char c : name)
                        Backend().Type(c);
                    for (int id : choices)
                        Click(id);
                    Click(208);
                },
                [this] { Said.push_back(AnswerGamblerMessage()); }};
    }

    std::vector<std::string> Said;
};

TEST_F(CasinoProgramTest, GamblersMadeThroughTheMenusAreThereWhenTheSaveFileIsReadAgain) {
    WriteDataSet();
    WriteTable();
    App = std::make_unique<TFrameTestApp>();
    App->MakeFrame = [](TJorpApp* app) {
        TJorpAppInfo info;
        app->InitFrameSpec(info);
        return new TTableFrame(app, info.Title, true, false);
    };
    ASSERT_TRUE(App->StartUp());
    App->InitInstance();
    App->PumpWaitingMessages();
    // The bar is the table's: it comes with the mode.
    ASSERT_EQ(Frame().GetMenu(), nullptr);
    ASSERT_TRUE(Frame().SwitchMode(0));
    App->RunFor(500);
    ASSERT_NE(Frame().GetMenu(), nullptr);
    std::vector<std::string> bar;
    for (const TMenuItem& item : Frame().GetMenu()->Items)
        bar.push_back(item.Text);
    EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&Options", "&Ask the Expert", "&Help"}));
    // A first run: Joe Gambler is made and sits in the first seat.
    EXPECT_EQ(Lord().CountOccupiedSeats(), 1);
    EXPECT_EQ(Players().GetPlayerName(Players().GetActive(0)), "Joe Gambler");
    EXPECT_EQ(Lord().GetBankroll(0), TMoney(500.0));

    std::vector<std::function<void()>> script = Choose(0, 0);
    const auto add = [&](std::vector<std::function<void()>> steps) {
        script.insert(script.end(), steps.begin(), steps.end());
    };
    add(CreateGambler("Ann", {}));
    add({[this] { Lord().RoundInPlay = true; }});
    add(CreateGambler("Bob", {203, 205}));
    std::vector<std::string> rows;
    add({[this] { Lord().RoundInPlay = false; }, [this] { Row(2); }, [this] { Click(200); },
         [this] { Row(1); }, [this] { Click(200); }, [this] { Click(204); },
         [this] {
             auto* asked = Showing<TGamblerDeleteDialog>()->GetDlgItem(203);
             Said.push_back(dynamic_cast<TStatic*>(asked)->GetText());
             Click(200);
         },
         [this, &rows] {
             TListBox* list = GamblerListOf(Showing<TGamblerDialog>());
             for (int row = 0; row < list->GetCount(); ++row)
                 rows.push_back(list->GetString(row));
             // The table sees the seats as they are now: Ann's emptied, Bob's taken.
             rows.push_back(std::to_string(Lord().CountOccupiedSeats()) + " seated, seat 2 has " +
                            std::to_string(Lord().GetBankroll(2).WholeDollars()));
             Click(201);
         }});
    add(Choose(0, 1));
    RunSteps(Backend(), std::move(script), 60);
    EXPECT_EQ(App->RunFor(60'000), TApplication::TLoopEnd::Quit);

    EXPECT_EQ(Said, (std::vector<std::string>{
                        "Info - Create Gambler: Gambler Ann was also activated for your "
                        "convenience.\n\nYou should see an asterisk next to the name.",
                        "Info - Create Gambler: Due to unknown reason gambler Bob couldn't be "
                        "activated at this time.",
                        "About to delete Ann"}));
    EXPECT_EQ(rows, (std::vector<std::string>{"  *     Joe Gambler   M       $500",
                                              "  *     Bob           F       $200",
                                              "2 seated, seat 2 has 200"}));
    App.reset();
    ASSERT_EQ(Dir.ReadHostFile("data/otcraps.sav").size(), 264'131U);

    // Read again as the next run reads it, with the settings the program left.
    TJorpIniFile settings("c:", "\\", "otcraps", "otcraps.ini", true);
    TSettingsScope scope(&settings);
    TFakeFrame owner;
    {
        TCasinoPlayerMgr again(&owner, "c:\\data\\", 3, 20, false);
        EXPECT_EQ(again.CountUsed(), 2);
        const struct {
            const char* Name;
            u8 Sex;
            double Bankroll;
            i16 Seat;
        } expected[] = {{"Joe Gambler", 1, 500.0, 0}, {"Bob", 0, 200.0, 1}};
        for (const auto& e : expected) {
            const i16 record = again.FindPlayer(e.Name);
            ASSERT_GE(record, 0) << e.Name;
            EXPECT_EQ(again.GetSex(record), e.Sex) << e.Name;
            EXPECT_EQ(again.GetBankroll(record), e.Bankroll) << e.Name;
            EXPECT_EQ(again.GetActive(e.Seat), record) << e.Name;
        }
        // Seated again in the order they sat, each in the first free seat.
        EXPECT_EQ(again.GetActive(2), -1);
        EXPECT_EQ(again.FindPlayer("Ann"), -1);
        EXPECT_TRUE(owner.Boxes.empty());
    }
}

} // namespace
