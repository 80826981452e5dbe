// Button looks: a bevelled face with its label; the chip buttons show a chip of their value.
#include "tools/databuild/ButtonArt.h"

#include "tools/databuild/Colours.h"

#include <algorithm>

namespace {

// The largest bold size up to 11 at which the label fits the face.
TTextStyle FittingStyle(const std::string& label, i32 width, i32 height) {
    for (i32 size = std::min(11, height - 3); size > 7; --size)
        if (TCanvas::TextWidth(label, TTextStyle{size, true, false}) <= width - 4)
            return TTextStyle{size, true, false};
    return TTextStyle{7, true, false};
}

} // namespace

TCanvas ButtonFace(const TTableButton& button, TButtonLook look, const std::string& label) {
    const i32 w = button.Box.Width();
    const i32 h = button.Box.Height();
    TCanvas face(w, h);
    u8 fill = CL_BUTTON;
    u8 ink = CL_BUTTON_TEXT;
    if (look == TButtonLook::Pressed)
        fill = CL_PRESSED;
    else if (look == TButtonLook::Disabled) {
        fill = CL_DISABLED;
        ink = CL_DISABLED_TEXT;
    } else if (look == TButtonLook::Signal)
        fill = CL_SIGNAL;
    face.Bevel(0, 0, w, h, fill, CL_BUTTON_LIGHT, CL_BUTTON_SHADOW, look == TButtonLook::Pressed);
    const i32 shift = look == TButtonLook::Pressed ? 1 : 0;
    if (button.Number >= 6 && button.Number <= 11) {
        constexpr u8 chips[6] = {CL_CHIP_10000, CL_CHIP_1000, CL_CHIP_100,
                                 CL_CHIP_25,    CL_CHIP_5,    CL_CHIP_1};
        face.FillEllipse(2 + shift, h - 8 + shift, w - 2 + shift, h - 2 + shift,
                         chips[button.Number - 6]);
        face.TextIn(shift, 1 + shift, w + shift, 10 + shift, label, TTextStyle{7, true, false},
                    ink);
        return face;
    }
    face.TextIn(shift, shift, w + shift, h + shift, label, FittingStyle(label, w, h), ink);
    return face;
}
