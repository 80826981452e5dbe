// Alt and an underlined letter from the real window's keyboard to the dialog: the SDL key keeps its
// letter, the dialog presses that control, and no window takes the letter as typed text.
#include "platform/framework/MessageLog.h"
#include "platform/sdl/SdlInput.h"

#include "platform/framework/controls/Edit.h"
#include "platform/framework/dialogs/Dialog.h"

#include <gtest/gtest.h>

namespace {

constexpr u32 AltTestWindowId = 3;

TDialogItemTemplate AltTestItem(const char* cls, int id, const char* text, u32 style, i16 x,
                                i16 y) {
    return {cls, id, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, 46, 14};
}

// A name to type, with Do&ne and &Cancel beside it: the focus starts in the name, where a plain
// letter is text.
TDialogTemplate NameTemplate() {
    TDialogTemplate t;
    t.Caption = "Name";
    t.Style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME;
    t.X = 10;
    t.Y = 10;
    t.W = 160;
    t.H = 60;
    t.Items = {AltTestItem("edit", 200, "", WS_BORDER | ES_LEFT, 8, 8),
               AltTestItem("BorBtn", IDOK, "Do&ne", BS_DEFPUSHBUTTON, 60, 36),
               AltTestItem("BorBtn", IDCANCEL, "&Cancel", 0, 110, 36)};
    return t;
}

class SdlAltLetterTest : public ::testing::Test {
protected:
    // The SDL key as the backend takes it from the host, with Alt held around it as a player
    // holds it: Alt goes down first and comes up last.
    void AltWith(SDL_Keycode key) {
        const TSdlViewport view = TSdlViewport::For({0, 0, 800, 600}, {1600, 1200});
        const std::pair<SDL_Keycode, bool> strokes[] = {
            {SDLK_LALT, true}, {key, true}, {key, false}, {SDLK_LALT, false}};
        for (const auto& [sym, down] : strokes) {
            SDL_Event e{};
            e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
            e.key.windowID = AltTestWindowId;
            e.key.keysym.sym = sym;
            e.key.keysym.mod = sym == SDLK_LALT && !down ? KMOD_NONE : KMOD_LALT;
            TInputEvent in;
            ASSERT_EQ(TranslateSdlEvent(e, view, AltTestWindowId, e.key.keysym.mod, in),
                      TSdlEventUse::Input);
            Fx.Backend().After(0, in);
        }
        Fx.Backend().Advance(1);
        App.PumpWaitingMessages();
    }

    TDesktopFixture Fx;
    TApplication App{"test"};
};

TEST_F(SdlAltLetterTest, AltAndAnUnderlinedLetterPressTheButtonAndTypeNothing) {
    TResourceRegistry::Get().AddDialog(90, NameTemplate());
    TDialog dialog(nullptr, 90);
    ASSERT_TRUE(dialog.Create());
    App.PumpWaitingMessages();
    auto* name = dynamic_cast<TEdit*>(dialog.GetDlgItem(200));
    ASSERT_NE(name, nullptr);
    ASSERT_EQ(TDesktop::Get().GetFocus(), name);
    // A letter no control has: nothing is pressed, and the name does not take it as text.
    AltWith(SDLK_x);
    EXPECT_TRUE(dialog.IsWindow());
    EXPECT_EQ(name->GetText(), "");
    // Done's letter, with the focus in the name: Done is pressed and the dialog closes.
    AltWith(SDLK_n);
    EXPECT_FALSE(dialog.IsWindow());
}

} // namespace
