// TScrollMsgDlg: its caption and its lines, in their order, whatever became of the caller's.
#include "EngineDialogFixture.h"

#include "engine/framework/ScrollMsgDlg.h"

#include "platform/framework/controls/ListBox.h"

namespace {

class ScrollMsgDlgTest : public EngineDialogFixture {};

TEST_F(ScrollMsgDlgTest, TheLinesKeepTheirOrderAndOutliveTheCallersList) {
    for (const std::vector<std::string>& given :
         {std::vector<std::string>{}, {"zebra", "apple", "Mango", "apple", ""}}) {
        auto lines = std::make_unique<std::vector<std::string>>(given);
        TScrollMsgDlg dialog(nullptr, "Bets of the round", *lines);
        lines.reset();
        std::vector<std::string> shown;
        During(50, [&] {
            for (int i = 0; i < dialog.GetListBox()->GetCount(); ++i)
                shown.push_back(dialog.GetListBox()->GetString(i));
            ClickIn(dialog.GetDlgItem(IDOK));
        });
        EXPECT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.GetCaption(), "Bets of the round");
        EXPECT_EQ(shown, given);
    }
}

} // namespace
