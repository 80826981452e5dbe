// SDL events and keys as the window system's input: mouse points at scale 2, window events,
// keys, and the full-screen shortcuts that the program never sees.
#include "platform/sdl/SdlInput.h"
#include "platform/framework/WinConstants.h"

#include <gtest/gtest.h>

namespace {

constexpr TRect Desktop{0, 0, 800, 600};

SDL_Event MouseButton(u32 window, u8 button, bool down, i32 x, i32 y) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = window;
    e.button.button = button;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = x;
    e.button.y = y;
    return e;
}

SDL_Event WindowEvent(u32 window, u8 what) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = window;
    e.window.event = what;
    return e;
}

SDL_Event KeyEvent(u32 window, bool down, SDL_Keycode key, u16 mod) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = window;
    e.key.keysym.sym = key;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event WheelEvent(u32 window, i32 y, i32 mouseX, i32 mouseY, bool flipped = false) {
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.windowID = window;
    e.wheel.y = y;
    e.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
    e.wheel.mouseX = mouseX;
    e.wheel.mouseY = mouseY;
    return e;
}

TEST(SdlEventTest, WheelNotchesArriveAsDeltasAtTheMouseInDesktopPixels) {
    const TSdlViewport v = TSdlViewport::For(Desktop, {1600, 1200});
    constexpr u32 Window = 3;
    TInputEvent in;
    ASSERT_EQ(TranslateSdlEvent(WheelEvent(Window, -2, 401, 1199), v, Window, KMOD_LCTRL, in),
              TSdlEventUse::Input);
    EXPECT_EQ(in.Kind, TInputKind::MouseWheel);
    EXPECT_EQ(in.WheelDelta, -2 * WHEEL_DELTA);
    EXPECT_EQ(in.Pos, (TPoint{200, 599}));
    EXPECT_TRUE(in.Control);
    // A flipped wheel (natural scrolling) turns the same way for the program.
    ASSERT_EQ(TranslateSdlEvent(WheelEvent(Window, -1, 0, 0, true), v, Window, 0, in),
              TSdlEventUse::Input);
    EXPECT_EQ(in.WheelDelta, WHEEL_DELTA);
    // Sideways only, or another window's: nothing.
    EXPECT_EQ(TranslateSdlEvent(WheelEvent(Window, 0, 0, 0), v, Window, 0, in), TSdlEventUse::None);
    EXPECT_EQ(TranslateSdlEvent(WheelEvent(Window + 1, 1, 0, 0), v, Window, 0, in),
              TSdlEventUse::None);
}

TEST(SdlEventTest, MouseEventsAtScaleTwoArriveInDesktopPixelsWithTheirModifiers) {
    const TSdlViewport v = TSdlViewport::For(Desktop, {1600, 1200});
    constexpr u32 Window = 3;
    TInputEvent in;

    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    move.motion.windowID = Window;
    move.motion.x = 401;
    move.motion.y = 1199;
    ASSERT_EQ(TranslateSdlEvent(move, v, Window, KMOD_LSHIFT, in), TSdlEventUse::Input);
    EXPECT_EQ(in.Kind, TInputKind::MouseMove);
    EXPECT_EQ(in.Pos, (TPoint{200, 599}));
    EXPECT_TRUE(in.Shift);
    EXPECT_FALSE(in.Control);

    ASSERT_EQ(TranslateSdlEvent(MouseButton(Window, SDL_BUTTON_RIGHT, true, 20, 30), v, Window,
                                KMOD_RCTRL, in),
              TSdlEventUse::Input);
    EXPECT_EQ(in.Kind, TInputKind::MouseButton);
    EXPECT_EQ(in.Button, TMouseButton::Right);
    EXPECT_TRUE(in.Down);
    EXPECT_EQ(in.Pos, (TPoint{10, 15}));
    EXPECT_TRUE(in.Control);

    ASSERT_EQ(
        TranslateSdlEvent(MouseButton(Window, SDL_BUTTON_LEFT, false, 1599, 0), v, Window, 0, in),
        TSdlEventUse::Input);
    EXPECT_EQ(in.Button, TMouseButton::Left);
    EXPECT_FALSE(in.Down);
    EXPECT_EQ(in.Pos, (TPoint{799, 0}));

    // A shown part elsewhere on the desktop: host points land on its pixels.
    const TSdlViewport frame = TSdlViewport::For({80, 41, 720, 540}, {1280, 998});
    ASSERT_EQ(TranslateSdlEvent(MouseButton(Window, SDL_BUTTON_LEFT, true, 953, 849), frame, Window,
                                0, in),
              TSdlEventUse::Input);
    EXPECT_EQ(in.Pos, (TPoint{80 + 476, 41 + 424}));

    // The middle button means nothing to the program; other windows' events are not ours.
    EXPECT_EQ(
        TranslateSdlEvent(MouseButton(Window, SDL_BUTTON_MIDDLE, true, 5, 5), v, Window, 0, in),
        TSdlEventUse::None);
    EXPECT_EQ(
        TranslateSdlEvent(MouseButton(Window + 1, SDL_BUTTON_LEFT, true, 5, 5), v, Window, 0, in),
        TSdlEventUse::None);
}

TEST(SdlEventTest, WindowEventsBecomeActivationMinimiseRestoreAndClose) {
    const TSdlViewport v = TSdlViewport::For(Desktop, {800, 600});
    constexpr u32 Window = 9;
    struct TCase {
        u8 What;
        TSdlEventUse Use;
        TInputKind Kind;
        bool Down;
    };
    const TCase cases[] = {
        {SDL_WINDOWEVENT_FOCUS_GAINED, TSdlEventUse::Input, TInputKind::AppActive, true},
        {SDL_WINDOWEVENT_FOCUS_LOST, TSdlEventUse::Input, TInputKind::AppActive, false},
        {SDL_WINDOWEVENT_MINIMIZED, TSdlEventUse::Input, TInputKind::Minimize, true},
        {SDL_WINDOWEVENT_RESTORED, TSdlEventUse::Input, TInputKind::Restore, true},
        {SDL_WINDOWEVENT_CLOSE, TSdlEventUse::Input, TInputKind::Close, true},
        {SDL_WINDOWEVENT_EXPOSED, TSdlEventUse::Redraw, TInputKind::MouseMove, true},
        {SDL_WINDOWEVENT_SIZE_CHANGED, TSdlEventUse::Resized, TInputKind::MouseMove, true},
        {SDL_WINDOWEVENT_ENTER, TSdlEventUse::None, TInputKind::MouseMove, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.What));
        TInputEvent in;
        ASSERT_EQ(TranslateSdlEvent(WindowEvent(Window, c.What), v, Window, 0, in), c.Use);
        if (c.Use == TSdlEventUse::Input) {
            EXPECT_EQ(in.Kind, c.Kind);
            EXPECT_EQ(in.Down, c.Down);
        }
    }
    TInputEvent in;
    EXPECT_EQ(TranslateSdlEvent(WindowEvent(Window + 1, SDL_WINDOWEVENT_CLOSE), v, Window, 0, in),
              TSdlEventUse::None);
    // A quit request (a signal) closes the program as the window's close box would.
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    ASSERT_EQ(TranslateSdlEvent(quit, v, Window, 0, in), TSdlEventUse::Input);
    EXPECT_EQ(in.Kind, TInputKind::Close);
}

TEST(SdlKeyTest, KeysGiveTheirVirtualKeyAndCharacter) {
    struct TCase {
        const char* Name;
        SDL_Keycode Key;
        u16 Mod;
        u32 VirtualKey;
        u32 Char;
    };
    const TCase cases[] = {
        // Esc and F1 must reach the accelerators: keys that type nothing.
        {"escape", SDLK_ESCAPE, 0, VK_ESCAPE, 0},
        {"F1", SDLK_F1, 0, VK_F1, 0},
        {"tab", SDLK_TAB, 0, VK_TAB, 9},
        {"enter", SDLK_RETURN, 0, VK_RETURN, 13},
        {"keypad enter", SDLK_KP_ENTER, 0, VK_RETURN, 13},
        {"space", SDLK_SPACE, 0, VK_SPACE, ' '},
        {"a", SDLK_a, 0, 'A', 'a'},
        {"shift a", SDLK_a, KMOD_LSHIFT, 'A', 'A'},
        {"caps z", SDLK_z, KMOD_CAPS, 'Z', 'Z'},
        {"caps shift z", SDLK_z, KMOD_CAPS | KMOD_RSHIFT, 'Z', 'z'},
        {"control c", SDLK_c, KMOD_LCTRL, 'C', 3},
        {"left alt x", SDLK_x, KMOD_LALT, 'X', 'x'},
        {"shift 4", SDLK_4, KMOD_LSHIFT, '4', '$'},
        {"period", SDLK_PERIOD, 0, 0xBE, '.'},
        {"shift slash", SDLK_SLASH, KMOD_RSHIFT, 0xBF, '?'},
        {"shift quote", SDLK_QUOTE, KMOD_LSHIFT, 0xDE, '"'},
        {"left", SDLK_LEFT, 0, 0x25, 0},
        {"delete", SDLK_DELETE, 0, 0x2E, 0},
        {"left alt", SDLK_LALT, KMOD_LALT, VK_MENU, 0},
        {"right shift", SDLK_RSHIFT, 0, VK_SHIFT, 0},
        {"keypad 5 with num lock", SDLK_KP_5, KMOD_NUM, 0x65, '5'},
        {"keypad 8 without num lock", SDLK_KP_8, 0, 0x26, 0},
        {"unknown", SDLK_VOLUMEUP, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TSdlKey k = MapSdlKey(c.Key, c.Mod);
        EXPECT_EQ(k.VirtualKey, c.VirtualKey);
        EXPECT_EQ(k.Char, c.Char);
    }
}

TEST(SdlKeyTest, F11AndAltEnterSwitchFullScreenAndNeverReachTheProgram) {
    const TSdlViewport v = TSdlViewport::For(Desktop, {800, 600});
    struct TCase {
        SDL_Keycode Key;
        u16 Mod;
        bool Down;
        u8 Repeat;
        TSdlEventUse Use;
    };
    const TCase cases[] = {
        {SDLK_F11, 0, true, 0, TSdlEventUse::ToggleFullScreen},
        {SDLK_F11, KMOD_NUM, true, 0, TSdlEventUse::ToggleFullScreen},
        // A held key repeats; the window switches once.
        {SDLK_F11, 0, true, 1, TSdlEventUse::None},
        {SDLK_F11, 0, false, 0, TSdlEventUse::None},
        {SDLK_RETURN, KMOD_LALT, true, 0, TSdlEventUse::ToggleFullScreen},
        {SDLK_KP_ENTER, KMOD_RALT, true, 0, TSdlEventUse::ToggleFullScreen},
        {SDLK_RETURN, KMOD_LALT, false, 0, TSdlEventUse::None},
        // With other modifiers, or without Alt, they are the program's keys.
        {SDLK_F11, KMOD_LSHIFT, true, 0, TSdlEventUse::Input},
        {SDLK_RETURN, 0, true, 0, TSdlEventUse::Input},
        {SDLK_RETURN, KMOD_LALT | KMOD_LCTRL, true, 0, TSdlEventUse::Input},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Key) + " mod " + std::to_string(c.Mod));
        SDL_Event e = KeyEvent(1, c.Down, c.Key, c.Mod);
        e.key.repeat = c.Repeat;
        TInputEvent in;
        EXPECT_EQ(TranslateSdlEvent(e, v, 1, c.Mod, in), c.Use);
    }
}

TEST(SdlKeyTest, ReleasesCarryNoCharacterAndUnknownKeysAreDropped) {
    const TSdlViewport v = TSdlViewport::For(Desktop, {800, 600});
    TInputEvent in;
    ASSERT_EQ(TranslateSdlEvent(KeyEvent(1, true, SDLK_h, KMOD_LSHIFT), v, 1, 0, in),
              TSdlEventUse::Input);
    EXPECT_EQ(in.Kind, TInputKind::Key);
    EXPECT_TRUE(in.Down);
    EXPECT_EQ(in.VirtualKey, 'H');
    EXPECT_EQ(in.Char, 'H');
    EXPECT_TRUE(in.Shift);
    ASSERT_EQ(TranslateSdlEvent(KeyEvent(1, false, SDLK_h, KMOD_LSHIFT), v, 1, 0, in),
              TSdlEventUse::Input);
    EXPECT_FALSE(in.Down);
    EXPECT_EQ(in.Char, 0u);
    EXPECT_EQ(TranslateSdlEvent(KeyEvent(1, true, SDLK_MUTE, 0), v, 1, 0, in), TSdlEventUse::None);
}

} // namespace
