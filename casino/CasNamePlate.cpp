// TCasNamePlate: binding the plate and glyphs, and spelling a name on them.
#include "casino/CasNamePlate.h"

#include "engine/media/Anm.h"

#include <algorithm>

namespace {

void ShowFrame(TAnm& anm, u16 frame) {
    anm.GetCurrentData().CurrentFrame = frame;
    anm.SelectFrame();
    anm.Show();
}

u32 ClampGlyphs(u32 count) {
    return std::min(count, TCasNamePlate::MaxGlyphs);
}

} // namespace

TCasNamePlate::TCasNamePlate(TJorpOwner* owner, const TFileMode& mode, u32 glyphCount)
    : TCasNamePlate(owner, mode, TEmbeddedAddress{}, glyphCount) {}

TCasNamePlate::TCasNamePlate(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address,
                             u32 glyphCount)
    : TSprite(owner, mode), Address(address), GlyphCount(ClampGlyphs(glyphCount)) {}

void TCasNamePlate::Build() {
    ReadDriven(Address);
    Address = {};
    Hide();
    BindParts();
    DueTick = 0;
}

void TCasNamePlate::BindParts() {
    Background = GetAnm(0);
    if (Background == nullptr)
        FatalAnmSetup("Name Plate", "Background", 0);
    Background->Pin();
    for (u32 i = 1; i <= GlyphCount; ++i) {
        TAnm* glyph = GetAnm(static_cast<i16>(i));
        if (glyph == nullptr)
            FatalAnmSetup("Name Plate", "Alpha", static_cast<i16>(i));
        glyph->Pin();
        Glyphs[i - 1] = glyph;
    }
}

i16 TCasNamePlate::GlyphFrame(char c) {
    // Bytes above 127 are negative chars: compare ranges only, never hand them to the C
    // library's character classes.
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return static_cast<i16>(c - 'A');
    if (c >= '0' && c <= '9')
        return static_cast<i16>(FirstDigitFrame + (c - '0'));
    if (c == '[')
        return static_cast<i16>(FirstDigitFrame);
    return -1;
}

void TCasNamePlate::SetName(const std::string& name, int) {
    HideName();
    if (Background != nullptr)
        ShowFrame(*Background, 0);
    const size_t count = GlyphCount;
    const size_t shown = std::min(name.size(), count);
    const size_t first = (count - shown) / 2;
    for (size_t j = 0; j < shown; ++j) {
        const i16 frame = GlyphFrame(name[j]);
        if (frame >= 0 && Glyphs[first + j] != nullptr)
            ShowFrame(*Glyphs[first + j], static_cast<u16>(frame));
    }
    ClearFlags(JOF_TIMED_ON);
}

void TCasNamePlate::HideName() {
    for (u32 i = 0; i < GlyphCount; ++i)
        if (Glyphs[i] != nullptr)
            Glyphs[i]->Hide();
    if (Background != nullptr)
        Background->Hide();
}

void TCasNamePlate::SetTimer(u32 delay) {
    DueTick = OwnerTick() + delay;
}

void TCasNamePlate::SetGlyphCount(u32 count) {
    GlyphCount = ClampGlyphs(count);
}

void TCasNamePlate::Tick(u32 tick) {
    if (tick >= DueTick)
        DueTick = 0;
    TSprite::Tick(tick);
}
