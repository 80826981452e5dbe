// A new gambler made through the create dialog with typed and pasted names: refusals that
// keep the dialog open, the choices read back, and the message that tells where he sits.
#include "GamblerFixture.h"

#include "casino/GamblerCreateDialog.h"

#include "platform/framework/controls/Edit.h"

#include <memory>

namespace {

class GamblerCreateTest : public GamblerFixture {
protected:
    struct TResult {
        int Ended;
        // The messages shown, caption and text.
        std::vector<std::string> Messages;
    };
    // Enters the name (typed key by key, or put in whole as a paste does), runs the extra
    // clicks on the buttons given, presses Create, answers the message, and cancels when
    // the dialog is still open.
    TResult Create(const std::string& name, bool paste, std::vector<int> clicks = {}) {
        TResult result{0, {}};
        TGamblerCreateDialog dialog(nullptr, Mgr, 1000);
        // The last step may come due after the dialog has gone.
        auto running = std::make_shared<bool>(true);
        During(50, [&, this, running] {
            auto* edit = dynamic_cast<TEdit*>(dialog.GetDlgItem(200));
            if (paste)
                edit->SetText(name.c_str());
            else
                for (char c : name)
                    Backend().Type(c);
            for (int id : clicks)
                ClickIn(dialog.GetDlgItem(id));
            ClickIn(dialog.GetDlgItem(208));
            During(50, [&] { result.Messages.push_back(AnswerMessage()); });
            During(100, [&, running] {
                if (*running && dialog.IsWindow())
                    ClickIn(dialog.GetDlgItem(209));
            });
        });
        result.Ended = dialog.Execute();
        *running = false;
        return result;
    }
    using Lines = std::vector<std::string>;
};

TEST_F(GamblerCreateTest, BadNamesAreRefusedAndTheDialogStaysOpen) {
    Make({{"Joe Gambler", true}});
    const std::string ooops = "Ooops!: ";
    const std::string empty = ooops + "You must enter a name for your new gambler";
    const std::string taken = ooops + "You have entered a name that is already being used by "
                                      "another gambler. Please enter a new and unique name.";
    const std::string tooLong = ooops + "A gambler's name can be at most 12 characters long.";
    const std::string badChar = ooops + "A gambler's name can hold only letters and digits, with "
                                        "blanks only between words.";
    const struct {
        const char* Name;
        bool Paste;
        std::string Message;
    } cases[] = {
        {"", false, empty},
        {" Joe Gambler  ", true, taken},
        {"ABCDEFGHIJKLMN", true, tooLong},
        {"Jo-Jo", true, badChar},
    };
    for (const auto& c : cases) {
        const TResult r = Create(c.Name, c.Paste);
        EXPECT_EQ(r.Ended, IDCANCEL) << c.Name;
        EXPECT_EQ(r.Messages, Lines{c.Message}) << c.Name;
    }
    EXPECT_EQ(Mgr.CountUsed(), 1);
}

TEST_F(GamblerCreateTest, NamesAreMadeAsTrimmedWithTheChosenSexAndBankroll) {
    Make({{"Joe Gambler", false}});
    const struct {
        const char* Name;
        bool Paste;
        std::vector<int> Clicks;
        const char* Stored;
        u8 Sex;
        double Bankroll;
    } cases[] = {
        // Only letters and digits get through the keyboard.
        {"Jo-Jo 7!", false, {}, "JoJo7", 1, 500.0},
        {"  Big Al  ", true, {203, 207}, "Big Al", 0, 2500.0},
        // Case makes another gambler.
        {"joe gambler", true, {205, 202}, "joe gambler", 1, 200.0},
    };
    for (const auto& c : cases) {
        const TResult r = Create(c.Name, c.Paste, c.Clicks);
        EXPECT_EQ(r.Ended, IDOK) << c.Name;
        const i16 record = Mgr.FindPlayer(c.Stored);
        ASSERT_GE(record, 0) << c.Stored;
        EXPECT_EQ(Mgr.GetSex(record), c.Sex) << c.Stored;
        EXPECT_EQ(Mgr.GetBankroll(record), c.Bankroll) << c.Stored;
        EXPECT_EQ(Mgr.GetRecord(record).GetStartBankroll(), c.Bankroll) << c.Stored;
        EXPECT_TRUE(Mgr.IsActive(record)) << c.Stored;
        EXPECT_EQ(r.Messages,
                  Lines{"Info - Create Gambler: Gambler " + std::string(c.Stored) +
                        " was also activated for your convenience.\n\nYou should see an "
                        "asterisk next to the name."});
    }
    // Thirteen keys, twelve characters.
    ASSERT_TRUE(Mgr.DeactivatePlayer(Mgr.FindPlayer("JoJo7")));
    EXPECT_EQ(Create("ABCDEFGHIJKLM", false).Ended, IDOK);
    EXPECT_GE(Mgr.FindPlayer("ABCDEFGHIJKL"), 0);
}

TEST_F(GamblerCreateTest, AGamblerMadeWhenHeCannotSitIsToldWhy) {
    Make({{"A", true}, {"B", true}, {"C", true}});
    TResult r = Create("Newbie", false);
    EXPECT_EQ(r.Ended, IDOK);
    EXPECT_EQ(r.Messages,
              Lines{"Info - Create Gambler: Due to the 3 active gambler limit gambler Newbie "
                    "couldn't be activated at this time.\nYou must DeActivate a gambler with an "
                    "asterisk next to the name and then Activate Newbie."});
    EXPECT_FALSE(Mgr.IsActive(Mgr.FindPlayer("Newbie")));
    // A round in play keeps anyone from sitting down.
    ASSERT_TRUE(Mgr.DeactivatePlayer(0));
    Round.Allow = false;
    r = Create("Late", false);
    EXPECT_EQ(r.Messages, Lines{"Info - Create Gambler: Due to unknown reason gambler Late "
                                "couldn't be activated at this time."});
    EXPECT_GE(Mgr.FindPlayer("Late"), 0);
    EXPECT_EQ(Mgr.CountActive(), 2);
}

TEST_F(GamblerCreateTest, AFailedCreationIsReportedAndTheDialogStaysOpen) {
    Make({{"A", false}});
    // The save file gone read-only underneath: the record cannot be written.
    Host.Armed = TFaultyHost::FailCreateTemp;
    const TResult r = Create("Writer", false);
    EXPECT_EQ(r.Ended, IDCANCEL);
    EXPECT_EQ(r.Messages, Lines{"Ooops!: Unknown error creating player"});
    EXPECT_EQ(Mgr.FindPlayer("Writer"), -1);
}

} // namespace
