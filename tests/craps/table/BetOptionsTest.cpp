// The betting-options dialog driven by clicks on a headless screen: the record's bytes shown,
// the buy/place pairs kept exclusive, and what Accept, Cancel and Reset leave in the record.
#include "casino/CasinoPlayerData.h"
#include "craps/table/BetOptionsDlg.h"
#include "craps/table/BetOptionsRun.h"
#include "craps/table/CrapsGameLord.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/host/MessageBox.h"
#include "resources/Resources.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

namespace {

using TBytes = std::array<u8, 7>;
// The controls in option-byte order: the Buy button of each pair, then the four boxes.
constexpr int OptionIds[7] = {105, 108, 111, 114, 115, 116, 117};
constexpr int PlaceIds[3] = {106, 109, 112};

class BetOptionsTest : public ::testing::Test {
protected:
    BetOptionsTest() : Record(TCasinoPlayerData::EncodedSize, 0xA5) {
        TResourceRegistry::Get().Clear();
        RegisterResources();
    }
    ~BetOptionsTest() override { TResourceRegistry::Get().Clear(); }

    void SetOptions(const TBytes& bytes) {
        std::copy(bytes.begin(), bytes.end(), Record.begin() + TCasinoPlayerData::OptionsAt);
    }
    TBytes Options() const {
        TBytes bytes{};
        std::copy_n(Record.begin() + TCasinoPlayerData::OptionsAt, 7, bytes.begin());
        return bytes;
    }
    static bool Checked(TDialog& dialog, int id) {
        auto* box = dynamic_cast<TCheckBox*>(dialog.GetDlgItem(id));
        return box != nullptr && box->GetCheck() == BF_CHECKED;
    }
    // What the dialog shows, in option-byte order, then the three Place buttons.
    static std::vector<bool> Shown(TDialog& dialog) {
        std::vector<bool> shown;
        for (int id : OptionIds)
            shown.push_back(Checked(dialog, id));
        for (int id : PlaceIds)
            shown.push_back(Checked(dialog, id));
        return shown;
    }
    void Click(TDialog& dialog, int id) {
        const TRect r = TDesktop::Get().ScreenClientRect(dialog.GetDlgItem(id));
        Session.Backend().Click(r.TopLeft().Offset(r.Width() / 2, r.Height() / 2));
    }
    // Runs the dialog over the record: the clicks, one at a time, then `seen` with the dialog,
    // then the closing click. Returns how it ended.
    int Run(const std::vector<int>& clicks, int closing,
            const std::function<void(TDialog&)>& seen = {}) {
        TCasinoCrapsBetOptionsDlg dialog(nullptr, TGamblerRecord(Record));
        Session.Backend().After(30, [&, this] {
            for (int id : clicks)
                Click(dialog, id);
            Session.Backend().After(30, [&, this] {
                if (seen)
                    seen(dialog);
                Click(dialog, closing);
            });
        });
        return dialog.Execute();
    }

    THeadlessSession Session{TSize{800, 600}};
    TApplication App{"otcraps"};
    std::vector<u8> Record;
};

TEST_F(BetOptionsTest, TheRecordsBytesAreShownAndCancelLeavesThemAlone) {
    const struct {
        TBytes Bytes;
        std::vector<bool> Shown; // Buy x3, boxes x4, Place x3
    } cases[] = {
        {{0, 1, 1, 1, 0, 1, 0}, {0, 1, 1, 1, 0, 1, 0, 1, 0, 0}},
        {{1, 0, 0, 0, 1, 0, 1}, {1, 0, 0, 0, 1, 0, 1, 0, 1, 1}},
        // A damaged or hand-written record: anything above 1 is on.
        {{2, 0, 255, 0, 9, 128, 0}, {1, 0, 1, 0, 1, 1, 0, 0, 1, 0}},
    };
    for (const auto& c : cases) {
        SetOptions(c.Bytes);
        std::vector<bool> shown;
        EXPECT_EQ(Run({}, 102, [&](TDialog& d) { shown = Shown(d); }), IDCANCEL);
        EXPECT_EQ(shown, c.Shown);
        EXPECT_EQ(Options(), c.Bytes);
    }
    // Nothing outside the option bytes was touched.
    for (size_t i = 0; i < TCasinoPlayerData::OptionsAt; ++i)
        ASSERT_EQ(Record[i], 0xA5) << i;
}

TEST_F(BetOptionsTest, ClicksKeepEachPairExclusiveAndAcceptStoresZeroOrOne) {
    const struct {
        const char* Name;
        TBytes Before;
        std::vector<int> Clicks;
        int Closing;
        TBytes After;
    } cases[] = {
        {"place 4 and 10 unchecks its buy only",
         {1, 1, 1, 0, 0, 0, 0},
         {106},
         103,
         {0, 1, 1, 0, 0, 0, 0}},
        {"buy on every pair", {0, 0, 0, 0, 0, 0, 0}, {105, 108, 111}, 103, {1, 1, 1, 0, 0, 0, 0}},
        {"a pair clicked both ways ends on the last",
         {0, 0, 0, 0, 0, 0, 0},
         {108, 109, 111},
         103,
         {0, 0, 1, 0, 0, 0, 0}},
        {"a checked button clicked again stays checked",
         {1, 0, 0, 0, 0, 0, 0},
         {105},
         103,
         {1, 0, 0, 0, 0, 0, 0}},
        {"the boxes toggle by themselves",
         {0, 0, 0, 1, 0, 1, 0},
         {114, 115, 117},
         103,
         {0, 0, 0, 0, 1, 1, 1}},
        {"bytes above 1 are stored as 1", {7, 2, 0, 200, 0, 3, 0}, {}, 103, {1, 1, 0, 1, 0, 1, 0}},
        {"reset then cancel changes nothing",
         {0, 1, 1, 1, 0, 1, 0},
         {101},
         102,
         {0, 1, 1, 1, 0, 1, 0}},
        {"reset then accept stores the defaults",
         {0, 1, 1, 1, 0, 1, 0},
         {101},
         103,
         {1, 0, 0, 0, 1, 0, 1}},
        {"changes cancelled are lost",
         {0, 0, 0, 0, 0, 0, 0},
         {105, 114},
         102,
         {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SetOptions(c.Before);
        std::vector<bool> pairs;
        Run(c.Clicks, c.Closing, [&](TDialog& d) {
            for (int i = 0; i < 3; ++i)
                pairs.push_back(Checked(d, OptionIds[i]) != Checked(d, PlaceIds[i]));
        });
        EXPECT_EQ(pairs, std::vector<bool>(3, true)) << c.Name;
        EXPECT_EQ(Options(), c.After) << c.Name;
    }
}

TEST_F(BetOptionsTest, APairWithNeitherButtonCheckedIsStoredAsPlace) {
    SetOptions({1, 1, 1, 1, 1, 1, 1});
    Run({}, 103,
        [](TDialog& d) { dynamic_cast<TCheckBox*>(d.GetDlgItem(108))->SetCheck(BF_UNCHECKED); });
    EXPECT_EQ(Options(), (TBytes{1, 0, 1, 1, 1, 1, 1}));
}

TEST_F(BetOptionsTest, NobodyInTheCurrentSeatIsToldAndNoDialogOpens) {
    TMessageBoxRecorder boxes;
    TC1GameLord lord(nullptr);
    RunBetOptionsDialog(lord, nullptr);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Error - Bet Options");
    EXPECT_EQ(boxes.Boxes[0].Text, "Active player not found.");
}

TEST_F(BetOptionsTest, OpensCentredOverTheGameRatherThanAtItsCorner) {
    TWindow game;
    game.Attr = {WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 60, 30, 640, 480};
    ASSERT_TRUE(game.Create());
    TCasinoCrapsBetOptionsDlg dialog(&game, TGamblerRecord(Record));
    ASSERT_TRUE(dialog.Create());
    const TRect g = game.GetWindowRect();
    const TRect d = dialog.GetWindowRect();
    EXPECT_EQ(d.left, g.left + g.Width() / 2 - d.Width() / 2);
    EXPECT_EQ(d.top, g.top + g.Height() / 2 - d.Height() / 2);
}

TEST_F(BetOptionsTest, Golden) {
    SetOptions({1, 0, 0, 0, 1, 0, 1});
    Run({109}, 102, [](TDialog& d) {
        EXPECT_TRUE(
            MatchesGolden(TDesktop::Get().GetScreen(), "craps_bet_options", d.GetWindowRect()));
    });
}

} // namespace
