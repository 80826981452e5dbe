// SDL events and keys as the window system's input.
#include "SdlInput.h"

#include "platform/framework/WinConstants.h"

#include <SDL2/SDL_mouse.h>
#include <SDL2/SDL_version.h>

#include <algorithm>

namespace {

// The virtual-key codes the framework has no names for yet.
constexpr u32 VkPrior = 0x21;
constexpr u32 VkNext = 0x22;
constexpr u32 VkEnd = 0x23;
constexpr u32 VkHome = 0x24;
constexpr u32 VkLeft = 0x25;
constexpr u32 VkUp = 0x26;
constexpr u32 VkRight = 0x27;
constexpr u32 VkDown = 0x28;
constexpr u32 VkInsert = 0x2D;
constexpr u32 VkDelete = 0x2E;
constexpr u32 VkPause = 0x13;
constexpr u32 VkCapital = 0x14;
constexpr u32 VkNumpad0 = 0x60;
constexpr u32 VkMultiply = 0x6A;
constexpr u32 VkAdd = 0x6B;
constexpr u32 VkSubtract = 0x6D;
constexpr u32 VkDecimal = 0x6E;
constexpr u32 VkDivide = 0x6F;

struct TSymbolKey {
    SDL_Keycode Key;
    u32 VirtualKey;
    char Plain;
    char Shifted;
};

// The punctuation keys of the US layout, with the codes the old system gave them.
constexpr TSymbolKey SymbolKeys[] = {
    {SDLK_SEMICOLON, 0xBA, ';', ':'},  {SDLK_EQUALS, 0xBB, '=', '+'},
    {SDLK_COMMA, 0xBC, ',', '<'},      {SDLK_MINUS, 0xBD, '-', '_'},
    {SDLK_PERIOD, 0xBE, '.', '>'},     {SDLK_SLASH, 0xBF, '/', '?'},
    {SDLK_BACKQUOTE, 0xC0, '`', '~'},  {SDLK_LEFTBRACKET, 0xDB, '[', '{'},
    {SDLK_BACKSLASH, 0xDC, '\\', '|'}, {SDLK_RIGHTBRACKET, 0xDD, ']', '}'},
    {SDLK_QUOTE, 0xDE, '\'', '"'},
};

constexpr char ShiftedDigits[] = ")!@#$%^&*(";

void Modifiers(u16 mod, TInputEvent& event) {
    event.Shift = (mod & KMOD_SHIFT) != 0;
    event.Control = (mod & KMOD_CTRL) != 0;
    event.Alt = (mod & KMOD_ALT) != 0;
}

} // namespace

namespace {

TSdlKey MapKeyAndChar(SDL_Keycode key, u16 modifiers) {
    const bool shift = (modifiers & KMOD_SHIFT) != 0;
    const bool control = (modifiers & KMOD_CTRL) != 0;
    const bool caps = (modifiers & KMOD_CAPS) != 0;
    const bool numLock = (modifiers & KMOD_NUM) != 0;

    if (key >= SDLK_a && key <= SDLK_z) {
        const u32 vk = static_cast<u32>('A' + (key - SDLK_a));
        // Control with a letter types the control code, as the old system did.
        if (control)
            return {vk, vk - 'A' + 1};
        const bool upper = shift != caps;
        return {vk, upper ? vk : static_cast<u32>(key)};
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        const u32 vk = static_cast<u32>(key);
        if (control)
            return {vk, 0};
        return {vk, shift ? static_cast<u32>(ShiftedDigits[key - SDLK_0]) : vk};
    }
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return {VK_F1 + static_cast<u32>(key - SDLK_F1), 0};
    for (const TSymbolKey& s : SymbolKeys)
        if (s.Key == key)
            return {s.VirtualKey, control ? 0U : static_cast<u32>(shift ? s.Shifted : s.Plain)};

    // The keypad types digits only with Num Lock on; otherwise its keys move the caret.
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) {
        const u32 digit = static_cast<u32>(key - SDLK_KP_1 + 1);
        if (numLock)
            return {VkNumpad0 + digit, '0' + digit};
        constexpr u32 moves[] = {VkEnd, VkDown, VkNext, VkLeft, 0, VkRight, VkHome, VkUp, VkPrior};
        return {moves[digit - 1], 0};
    }

    switch (key) {
    case SDLK_ESCAPE:
        return {VK_ESCAPE, 0};
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return {VK_RETURN, 13};
    case SDLK_TAB:
        return {VK_TAB, 9};
    case SDLK_BACKSPACE:
        return {VK_BACK, 8};
    case SDLK_SPACE:
        return {VK_SPACE, ' '};
    case SDLK_LEFT:
        return {VkLeft, 0};
    case SDLK_RIGHT:
        return {VkRight, 0};
    case SDLK_UP:
        return {VkUp, 0};
    case SDLK_DOWN:
        return {VkDown, 0};
    case SDLK_PAGEUP:
        return {VkPrior, 0};
    case SDLK_PAGEDOWN:
        return {VkNext, 0};
    case SDLK_HOME:
        return {VkHome, 0};
    case SDLK_END:
        return {VkEnd, 0};
    case SDLK_INSERT:
        return {VkInsert, 0};
    case SDLK_DELETE:
        return {VkDelete, 0};
    case SDLK_PAUSE:
        return {VkPause, 0};
    case SDLK_CAPSLOCK:
        return {VkCapital, 0};
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return {VK_SHIFT, 0};
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return {VK_CONTROL, 0};
    case SDLK_LALT:
    case SDLK_RALT:
        return {VK_MENU, 0};
    case SDLK_KP_0:
        return numLock ? TSdlKey{VkNumpad0, '0'} : TSdlKey{VkInsert, 0};
    case SDLK_KP_PERIOD:
        return numLock ? TSdlKey{VkDecimal, '.'} : TSdlKey{VkDelete, 0};
    case SDLK_KP_MULTIPLY:
        return {VkMultiply, '*'};
    case SDLK_KP_PLUS:
        return {VkAdd, '+'};
    case SDLK_KP_MINUS:
        return {VkSubtract, '-'};
    case SDLK_KP_DIVIDE:
        return {VkDivide, '/'};
    default:
        return {0, 0};
    }
}

} // namespace

TSdlKey MapSdlKey(SDL_Keycode key, u16 modifiers) {
    // With Alt the key keeps its letter: Alt and an underlined letter press a dialog's control,
    // and the window system, not the key table, keeps such a letter from being typed.
    return MapKeyAndChar(key, modifiers);
}

bool IsFullScreenKey(SDL_Keycode key, u16 modifiers) {
    if (key == SDLK_F11)
        return (modifiers & (KMOD_CTRL | KMOD_ALT | KMOD_SHIFT | KMOD_GUI)) == 0;
    return (key == SDLK_RETURN || key == SDLK_KP_ENTER) && (modifiers & KMOD_ALT) != 0 &&
           (modifiers & (KMOD_CTRL | KMOD_SHIFT | KMOD_GUI)) == 0;
}

TSdlEventUse TranslateSdlEvent(const SDL_Event& e, const TSdlViewport& view, u32 windowId,
                               u16 modState, TInputEvent& event) {
    event = TInputEvent{};
    switch (e.type) {
    case SDL_MOUSEMOTION:
        if (e.motion.windowID != windowId)
            return TSdlEventUse::None;
        event.Kind = TInputKind::MouseMove;
        event.Pos = view.ToDesktop(e.motion.x, e.motion.y);
        Modifiers(modState, event);
        return TSdlEventUse::Input;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (e.button.windowID != windowId ||
            (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT))
            return TSdlEventUse::None;
        event.Kind = TInputKind::MouseButton;
        event.Button =
            e.button.button == SDL_BUTTON_LEFT ? TMouseButton::Left : TMouseButton::Right;
        event.Down = e.type == SDL_MOUSEBUTTONDOWN;
        event.Pos = view.ToDesktop(e.button.x, e.button.y);
        Modifiers(modState, event);
        return TSdlEventUse::Input;
    case SDL_MOUSEWHEEL: {
        if (e.wheel.windowID != windowId || e.wheel.which == SDL_TOUCH_MOUSEID || e.wheel.y == 0)
            return TSdlEventUse::None;
        const i32 notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        event.Kind = TInputKind::MouseWheel;
        event.WheelDelta = std::clamp(notches, -100, 100) * WHEEL_DELTA;
#if SDL_VERSION_ATLEAST(2, 26, 0)
        event.Pos = view.ToDesktop(e.wheel.mouseX, e.wheel.mouseY);
#else
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        event.Pos = view.ToDesktop(x, y);
#endif
        Modifiers(modState, event);
        return TSdlEventUse::Input;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        if (IsFullScreenKey(e.key.keysym.sym, e.key.keysym.mod))
            return e.type == SDL_KEYDOWN && e.key.repeat == 0 ? TSdlEventUse::ToggleFullScreen
                                                              : TSdlEventUse::None;
        const TSdlKey key = MapSdlKey(e.key.keysym.sym, e.key.keysym.mod);
        if (key.VirtualKey == 0)
            return TSdlEventUse::None;
        event.Kind = TInputKind::Key;
        event.Down = e.type == SDL_KEYDOWN;
        event.VirtualKey = key.VirtualKey;
        event.Char = event.Down ? key.Char : 0;
        Modifiers(e.key.keysym.mod, event);
        return TSdlEventUse::Input;
    }
    case SDL_WINDOWEVENT:
        if (e.window.windowID != windowId)
            return TSdlEventUse::None;
        switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
            event.Kind = TInputKind::AppActive;
            event.Down = e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
            return TSdlEventUse::Input;
        case SDL_WINDOWEVENT_MINIMIZED:
            event.Kind = TInputKind::Minimize;
            return TSdlEventUse::Input;
        case SDL_WINDOWEVENT_RESTORED:
            event.Kind = TInputKind::Restore;
            return TSdlEventUse::Input;
        case SDL_WINDOWEVENT_CLOSE:
            event.Kind = TInputKind::Close;
            return TSdlEventUse::Input;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            return TSdlEventUse::Resized;
        case SDL_WINDOWEVENT_EXPOSED:
            return TSdlEventUse::Redraw;
        default:
            return TSdlEventUse::None;
        }
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        return TSdlEventUse::Restore;
    case SDL_QUIT:
        // Only a signal gets here (the window's own close comes as a window event): the
        // program is asked to close as if its window had been closed.
        event.Kind = TInputKind::Close;
        return TSdlEventUse::Input;
    default:
        return TSdlEventUse::None;
    }
}
