// The keys the help names against the keys the table answers: every hot key of its buttons and
// regions, every accelerator of the frame and the window's full-screen keys are on the help's
// list, and nothing else; each chip key is the hot key of the chip button the help says it gives.
#include "RegionSupport.h"

#include "casino/CasButton.h"
#include "platform/framework/WinConstants.h"
#include "platform/sdl/SdlInput.h"
#include "tools/databuild/model/TableLayout.h"
#include "tools/databuild/writer/HelpFileKeys.h"

#include <set>

namespace {

class TableKeys : public RegionFixture {
protected:
    void SetUp() override {
        RegionFixture::SetUp();
        BuildWithout();
        LoadRegionLord();
    }
};

// A typed key as the help writes it.
std::string KeyName(char key) {
    if (key == '\r')
        return "Enter";
    if (key == '\t')
        return "Tab";
    return std::string(1, key);
}

// A chip button's label as dollars, as the help writes them ("10K": "$10,000").
std::string Dollars(const std::string& label) {
    std::string digits = label;
    if (!digits.empty() && digits.back() == 'K')
        digits = digits.substr(0, digits.size() - 1) + "000";
    // Grouped by thousands, built up front to back (an insert here trips a false overlap
    // warning in optimised builds).
    std::string grouped = "$";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

TEST_F(TableKeys, TheHelpsKeysAreTheOnesTheTableAndTheFrameAnswerEachChipItsButtons) {
    std::set<std::string> answered;
    for (void* item = Host.List.WalkStart(); item != nullptr; item = Host.List.WalkNext()) {
        const char key = static_cast<TResponder*>(item)->GetHotKey();
        if (key != 0 && key != JORP_ANY_KEY)
            answered.insert(KeyName(key));
    }
    // Eleven buttons and the seat change have a key of their own.
    EXPECT_EQ(answered.size(), 12U);
    const TAccelTable* frame = TResourceRegistry::Get().FindAccelerators(124);
    ASSERT_NE(frame, nullptr);
    for (const TAccelEntry& entry : frame->Entries) {
        ASSERT_TRUE(entry.Key == VK_ESCAPE || entry.Key == VK_F1) << entry.Key;
        answered.insert(entry.Key == VK_ESCAPE ? "Esc" : "F1");
    }
    // The window takes its own keys before the game sees them.
    if (IsFullScreenKey(SDLK_F11, KMOD_NONE))
        answered.insert("F11");
    if (IsFullScreenKey(SDLK_RETURN, KMOD_LALT))
        answered.insert("Alt+Enter");
    // The menu bar takes Alt and F10 before any window sees them (MenuUiKeyboardTest holds
    // what they do there).
    answered.insert("Alt");
    answered.insert("F10");
    std::set<std::string> listed;
    for (const THelpKey& key : GameKeys())
        listed.insert(key.Name);
    EXPECT_EQ(listed, answered);
    for (const std::string& name : answered)
        EXPECT_TRUE(IsGameKey(name)) << name;
    EXPECT_FALSE(IsGameKey("F2"));

    // Each chip key is the key of the button of the chip the help says it gives.
    int chips = 0;
    for (const TTableButton& button : TableButtons()) {
        const std::string label = button.Label;
        if (label.empty() || label.find_first_not_of("0123456789K") != std::string::npos)
            continue;
        ++chips;
        const char key = Table->Buttons[button.Number]->GetResponder()->GetHotKey();
        const auto row = std::find_if(GameKeys().begin(), GameKeys().end(),
                                      [&](const THelpKey& k) { return k.Name == KeyName(key); });
        ASSERT_NE(row, GameKeys().end()) << label;
        EXPECT_NE(row->Does.find(Dollars(label) + " chip"), std::string::npos)
            << label << ": " << row->Does;
    }
    EXPECT_EQ(chips, 6);
}

} // namespace
