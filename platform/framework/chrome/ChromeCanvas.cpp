// Clipped fills, edges and system-font text for window frames and menus.
#include "ChromeCanvas.h"

#include "Theme.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/Gdi.h"
#include "platform/framework/draw/GdiObjects.h"

#include <cctype>

void TChromeCanvas::Fill(const TRect& r, u32 argb) {
    if (r.IsEmpty())
        return;
    for (const TRect& piece : Clip.GetRects())
        Surface.Fill(piece & r, argb);
}

void TChromeCanvas::Edge(const TRect& r, u32 topLeft, u32 bottomRight) {
    if (r.IsEmpty())
        return;
    HLine(r.left, r.right - 1, r.top, topLeft);
    VLine(r.left, r.top, r.bottom - 1, topLeft);
    HLine(r.left, r.right, r.bottom - 1, bottomRight);
    VLine(r.right - 1, r.top, r.bottom, bottomRight);
}

void TChromeCanvas::RaisedFrame(const TRect& r, u32 outerLight) {
    Edge(r, outerLight, Theme::DarkShadow3d);
    Edge({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, Theme::Highlight3d, Theme::Shadow3d);
}

namespace {

// The system font, made for one drawing and freed after it so that no drawing object outlives
// the frame being painted.
class TSystemFont {
public:
    explicit TSystemFont(bool bold) {
        LOGFONT lf;
        lf.lfHeight = -MulDiv(Theme::SystemFontPoints, 96, 72);
        lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        const std::string face = Theme::SystemFontFace;
        face.copy(lf.lfFaceName, LF_FACESIZE - 1);
        Font = CreateFontIndirect(&lf);
    }
    ~TSystemFont() {
        if (Font != nullptr)
            DeleteObject(Font);
    }
    TSystemFont(const TSystemFont&) = delete;
    TSystemFont& operator=(const TSystemFont&) = delete;
    HFONT Get() const { return Font; }

private:
    HFONT Font = nullptr;
};

// A memory DC with the system font selected, for measuring.
class TMeasureDc {
public:
    explicit TMeasureDc(bool bold) : Font(bold), Dc(CreateCompatibleDC(nullptr)) {
        if (Dc != nullptr && Font.Get() != nullptr)
            Old = SelectObject(Dc, Font.Get());
    }
    ~TMeasureDc() {
        if (Dc != nullptr) {
            if (Old != nullptr)
                SelectObject(Dc, Old);
            DeleteDC(Dc);
        }
    }
    TMeasureDc(const TMeasureDc&) = delete;
    TMeasureDc& operator=(const TMeasureDc&) = delete;
    HDC Get() const { return Dc; }

private:
    TSystemFont Font;
    HDC Dc;
    HFONT Old = nullptr;
};

TEXTMETRIC Metrics() {
    TMeasureDc dc(false);
    TEXTMETRIC tm;
    if (dc.Get() == nullptr || !GetTextMetrics(dc.Get(), &tm)) {
        tm.tmHeight = 13;
        tm.tmAscent = 11;
    }
    return tm;
}

} // namespace

namespace ChromeText {

TLabel ParseLabel(const std::string& text) {
    TLabel label;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && label.Underline < 0) {
                label.Underline = static_cast<int>(label.Shown.size());
                label.Mnemonic =
                    static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
            }
        }
        label.Shown += text[i];
    }
    return label;
}

i32 Width(const std::string& shown, bool bold) {
    if (shown.empty())
        return 0;
    TMeasureDc dc(bold);
    TSize size;
    if (dc.Get() == nullptr ||
        !GetTextExtentPoint32(dc.Get(), shown.data(), static_cast<int>(shown.size()), &size))
        return 0;
    return size.cx;
}

i32 CellHeight() {
    return Metrics().tmHeight;
}

i32 Ascent() {
    return Metrics().tmAscent;
}

} // namespace ChromeText

void TChromeCanvas::Text(i32 x, i32 y, const std::string& text, u32 argb, const TRect& limit,
                         bool prefixes, bool bold) {
    ChromeText::TLabel label;
    if (prefixes)
        label = ChromeText::ParseLabel(text);
    else
        label.Shown = text;
    TRegion clip = Clip;
    clip.Intersect(limit);
    if (label.Shown.empty() || clip.IsEmpty())
        return;
    TSystemFont font(bold);
    if (font.Get() == nullptr)
        return;
    TDC dc(Surface, {0, 0}, clip);
    HFONT old = SelectObject(dc.GetHDC(), font.Get());
    SetBkMode(dc.GetHDC(), TRANSPARENT);
    SetTextColor(dc.GetHDC(), ArgbToColorRef(argb));
    TextOut(dc.GetHDC(), x, y, label.Shown.data(), static_cast<int>(label.Shown.size()));
    TEXTMETRIC tm;
    GetTextMetrics(dc.GetHDC(), &tm);
    if (label.Underline >= 0) {
        const size_t at = static_cast<size_t>(label.Underline);
        TSize before;
        TSize upTo;
        GetTextExtentPoint32(dc.GetHDC(), label.Shown.data(), static_cast<int>(at), &before);
        GetTextExtentPoint32(dc.GetHDC(), label.Shown.data(), static_cast<int>(at + 1), &upTo);
        const TRect line{x + before.cx, y + tm.tmAscent + 1, x + upTo.cx, y + tm.tmAscent + 2};
        for (const TRect& piece : clip.GetRects())
            Surface.Fill(piece & line, argb);
    }
    SelectObject(dc.GetHDC(), old);
}
