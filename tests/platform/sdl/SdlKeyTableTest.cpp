// Every key the SDL backend knows, against the old system's virtual-key codes and characters as
// that system documents them, written out here rather than taken from the backend's own table.
#include "platform/sdl/SdlInput.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TKeyCase {
    SDL_Keycode Key;
    u16 Mod;
    u32 VirtualKey;
    u32 Char;
};

void ExpectKeys(const char* what, std::initializer_list<TKeyCase> cases) {
    for (const TKeyCase& c : cases) {
        SCOPED_TRACE(std::string(what) + ": " + SDL_GetKeyName(c.Key) + " mod " +
                     std::to_string(c.Mod));
        const TSdlKey k = MapSdlKey(c.Key, c.Mod);
        EXPECT_EQ(k.VirtualKey, c.VirtualKey);
        EXPECT_EQ(k.Char, c.Char);
    }
}

TEST(SdlKeyTableTest, EveryNamedKeyGivesItsCode) {
    ExpectKeys(
        "named",
        {
            {SDLK_ESCAPE, 0, 0x1B, 0}, {SDLK_RETURN, 0, 0x0D, 13},   {SDLK_KP_ENTER, 0, 0x0D, 13},
            {SDLK_TAB, 0, 0x09, 9},    {SDLK_BACKSPACE, 0, 0x08, 8}, {SDLK_SPACE, 0, 0x20, ' '},
            {SDLK_LEFT, 0, 0x25, 0},   {SDLK_UP, 0, 0x26, 0},        {SDLK_RIGHT, 0, 0x27, 0},
            {SDLK_DOWN, 0, 0x28, 0},   {SDLK_PAGEUP, 0, 0x21, 0},    {SDLK_PAGEDOWN, 0, 0x22, 0},
            {SDLK_HOME, 0, 0x24, 0},   {SDLK_END, 0, 0x23, 0},       {SDLK_INSERT, 0, 0x2D, 0},
            {SDLK_DELETE, 0, 0x2E, 0}, {SDLK_PAUSE, 0, 0x13, 0},     {SDLK_CAPSLOCK, 0, 0x14, 0},
            {SDLK_LSHIFT, 0, 0x10, 0}, {SDLK_RSHIFT, 0, 0x10, 0},    {SDLK_LCTRL, 0, 0x11, 0},
            {SDLK_RCTRL, 0, 0x11, 0},  {SDLK_LALT, 0, 0x12, 0},      {SDLK_RALT, 0, 0x12, 0},
        });
}

TEST(SdlKeyTableTest, FunctionKeysRunF1ToF12) {
    const SDL_Keycode keys[] = {SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4,  SDLK_F5,  SDLK_F6,
                                SDLK_F7, SDLK_F8, SDLK_F9, SDLK_F10, SDLK_F11, SDLK_F12};
    for (u32 i = 0; i < 12; ++i) {
        SCOPED_TRACE(i + 1);
        const TSdlKey k = MapSdlKey(keys[i], 0);
        EXPECT_EQ(k.VirtualKey, 0x70 + i);
        EXPECT_EQ(k.Char, 0U);
    }
}

TEST(SdlKeyTableTest, LettersAndDigitsWithShiftControlAndCaps) {
    const char* shifted = ")!@#$%^&*(";
    for (char d = '0'; d <= '9'; ++d) {
        SCOPED_TRACE(d);
        const auto key = static_cast<SDL_Keycode>(d);
        ExpectKeys("digit",
                   {{key, 0, static_cast<u32>(d), static_cast<u32>(d)},
                    {key, KMOD_RSHIFT, static_cast<u32>(d), static_cast<u32>(shifted[d - '0'])},
                    {key, KMOD_LCTRL, static_cast<u32>(d), 0}});
    }
    for (char l = 'a'; l <= 'z'; ++l) {
        SCOPED_TRACE(l);
        const auto key = static_cast<SDL_Keycode>(l);
        const u32 upper = static_cast<u32>(l - 'a' + 'A');
        ExpectKeys("letter", {{key, 0, upper, static_cast<u32>(l)},
                              {key, KMOD_LSHIFT, upper, upper},
                              {key, KMOD_CAPS, upper, upper},
                              {key, KMOD_CAPS | KMOD_LSHIFT, upper, static_cast<u32>(l)},
                              {key, KMOD_RCTRL, upper, static_cast<u32>(l - 'a' + 1)},
                              {key, KMOD_LALT, upper, static_cast<u32>(l)}});
    }
}

TEST(SdlKeyTableTest, PunctuationOfTheUsLayout) {
    ExpectKeys("punctuation",
               {
                   {SDLK_SEMICOLON, 0, 0xBA, ';'},    {SDLK_SEMICOLON, KMOD_LSHIFT, 0xBA, ':'},
                   {SDLK_EQUALS, 0, 0xBB, '='},       {SDLK_EQUALS, KMOD_LSHIFT, 0xBB, '+'},
                   {SDLK_COMMA, 0, 0xBC, ','},        {SDLK_COMMA, KMOD_LSHIFT, 0xBC, '<'},
                   {SDLK_MINUS, 0, 0xBD, '-'},        {SDLK_MINUS, KMOD_LSHIFT, 0xBD, '_'},
                   {SDLK_PERIOD, 0, 0xBE, '.'},       {SDLK_PERIOD, KMOD_LSHIFT, 0xBE, '>'},
                   {SDLK_SLASH, 0, 0xBF, '/'},        {SDLK_SLASH, KMOD_LSHIFT, 0xBF, '?'},
                   {SDLK_BACKQUOTE, 0, 0xC0, '`'},    {SDLK_BACKQUOTE, KMOD_LSHIFT, 0xC0, '~'},
                   {SDLK_LEFTBRACKET, 0, 0xDB, '['},  {SDLK_LEFTBRACKET, KMOD_LSHIFT, 0xDB, '{'},
                   {SDLK_BACKSLASH, 0, 0xDC, '\\'},   {SDLK_BACKSLASH, KMOD_LSHIFT, 0xDC, '|'},
                   {SDLK_RIGHTBRACKET, 0, 0xDD, ']'}, {SDLK_RIGHTBRACKET, KMOD_LSHIFT, 0xDD, '}'},
                   {SDLK_QUOTE, 0, 0xDE, '\''},       {SDLK_QUOTE, KMOD_LSHIFT, 0xDE, '"'},
                   {SDLK_QUOTE, KMOD_LCTRL, 0xDE, 0},
               });
}

TEST(SdlKeyTableTest, TheKeypadTypesWithNumLockAndMovesWithout) {
    const SDL_Keycode digits[] = {SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4, SDLK_KP_5,
                                  SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
    // End, Down, Page Down, Left, nothing, Right, Home, Up, Page Up: the keys printed beside
    // the digits.
    const u32 moves[] = {0x23, 0x28, 0x22, 0x25, 0, 0x27, 0x24, 0x26, 0x21};
    for (u32 i = 0; i < 9; ++i) {
        SCOPED_TRACE(i + 1);
        ExpectKeys("keypad digit",
                   {{digits[i], KMOD_NUM, 0x61 + i, '1' + i}, {digits[i], 0, moves[i], 0}});
    }
    ExpectKeys("keypad", {
                             {SDLK_KP_0, KMOD_NUM, 0x60, '0'},
                             {SDLK_KP_0, 0, 0x2D, 0},
                             {SDLK_KP_PERIOD, KMOD_NUM, 0x6E, '.'},
                             {SDLK_KP_PERIOD, 0, 0x2E, 0},
                             {SDLK_KP_MULTIPLY, 0, 0x6A, '*'},
                             {SDLK_KP_PLUS, 0, 0x6B, '+'},
                             {SDLK_KP_MINUS, 0, 0x6D, '-'},
                             {SDLK_KP_DIVIDE, 0, 0x6F, '/'},
                         });
}

} // namespace
