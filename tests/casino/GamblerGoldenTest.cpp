// Golden images of the gambler dialogs as the player sees them.
#include "GamblerFixture.h"

#include "casino/GamblerCreateDialog.h"
#include "casino/GamblerDeleteDialog.h"
#include "casino/GamblerDialog.h"
#include "casino/GamblerMsgDlg.h"

#include "platform/framework/controls/Edit.h"
#include "support/Golden.h"

namespace {

class GamblerGoldenTest : public GamblerFixture {
protected:
    // Shows the dialog, compares it once it is on screen, then closes it with Esc.
    void Expect(TJorpDialog& dialog, const std::string& name, std::function<void()> before = {}) {
        During(50, [&, name, before] {
            if (before)
                before();
            During(30, [&, name] {
                EXPECT_TRUE(
                    MatchesGolden(TDesktop::Get().GetScreen(), name, dialog.GetWindowRect()));
                dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
            });
        });
        dialog.Execute();
    }
};

TEST_F(GamblerGoldenTest, ListWithThreeGamblersOneSeated) {
    Make({{"Joe Gambler", false}, {"Amy", true}, {"Bob", false}});
    TGamblerDialog dialog(nullptr, IDD_GAMBLER, Mgr, 1000);
    Expect(dialog, "casino_gambler_list", [&] { ClickRow(&dialog, 1); });
}

TEST_F(GamblerGoldenTest, DeleteConfirmation) {
    Make({{"Joe Gambler", false}});
    TGamblerDeleteDialog dialog(nullptr, Mgr, 0, 1000);
    Expect(dialog, "casino_gambler_delete");
}

TEST_F(GamblerGoldenTest, CreateWithANameTyped) {
    TGamblerCreateDialog dialog(nullptr, Mgr, 1000);
    Expect(dialog, "casino_gambler_create", [&] {
        for (char c : std::string("Lucky7"))
            Backend().Type(c);
    });
}

TEST_F(GamblerGoldenTest, LimitMessage) {
    TGamblerMsgDlg dialog(nullptr, "Info - Create Gambler",
                          "Due to the 3 active gambler limit gambler Newbie couldn't be activated "
                          "at this time.\nYou must DeActivate a gambler with an asterisk next to "
                          "the name and then Activate Newbie.");
    Expect(dialog, "casino_gambler_message");
}

} // namespace
