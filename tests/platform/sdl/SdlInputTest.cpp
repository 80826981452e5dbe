// Host window to desktop: scales, mouse points at scale 2, SDL events and keys as the window
// system's input.
#include "platform/sdl/SdlInput.h"
#include "platform/framework/WinConstants.h"

#include <gtest/gtest.h>

namespace {

constexpr TSize Desktop{800, 600};

TEST(SdlViewportTest, TheScaleIsTheLargestWholeFactorThatFits) {
    struct TCase {
        TSize Area;
        i32 Scale;
    };
    const TCase cases[] = {
        {{1280, 1024}, 1}, {{1600, 1200}, 2}, {{1920, 1080}, 1}, {{2560, 1440}, 2},
        {{3840, 2160}, 3}, {{1599, 1200}, 1}, {{640, 480}, 1},   {{0, 0}, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Area.cx) + "x" + std::to_string(c.Area.cy));
        EXPECT_EQ(TSdlViewport::FitScale(Desktop, c.Area), c.Scale);
    }
}

TEST(SdlViewportTest, AtScaleTwoHostPointsFoldOntoDesktopPixels) {
    // A window a little larger than twice the desktop: the picture sits centred in it.
    const TSdlViewport v = TSdlViewport::For(Desktop, {1610, 1206});
    ASSERT_EQ(v.Scale, 2);
    EXPECT_EQ(v.HostRect(), (TRect{5, 3, 1605, 1203}));
    struct TCase {
        i32 HostX, HostY;
        TPoint Desktop;
    };
    const TCase cases[] = {
        {5, 3, {0, 0}},
        {7, 5, {1, 1}},
        {1604, 1202, {799, 599}},
        {805, 603, {400, 300}},
        {806, 604, {400, 300}},
        // Outside the picture: the nearest edge.
        {0, 0, {0, 0}},
        {1609, 1205, {799, 599}},
        {-40, 700, {0, 348}},
        {3000, -1, {799, 0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.HostX) + "," + std::to_string(c.HostY));
        EXPECT_EQ(v.ToDesktop(c.HostX, c.HostY), c.Desktop);
    }
    // A monitor smaller than the desktop still shows it whole and unscaled, never off-centre.
    const TSdlViewport small = TSdlViewport::For(Desktop, {640, 480});
    EXPECT_EQ(small.Scale, 1);
    EXPECT_EQ(small.HostRect(), (TRect{0, 0, 800, 600}));
    EXPECT_EQ(small.ToDesktop(639, 479), (TPoint{639, 479}));
}

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
        {"left alt x", SDLK_x, KMOD_LALT, 'X', 0},
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
