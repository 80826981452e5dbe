// TCanvas: text drawn with the platform's fonts, anti-aliased from the faces' grey coverage, or
// with one-bit glyphs for crisp small lettering.
#include "tools/databuild/art/Canvas.h"

#include "platform/framework/draw/Font.h"

#include <cstring>
#include <map>
#include <memory>
#include <tuple>

namespace {

LOGFONT LogFontOf(const TTextStyle& style) {
    LOGFONT log;
    log.lfHeight = -style.PixelSize;
    log.lfWeight = style.Bold ? FW_BOLD : FW_NORMAL;
    const char* face = style.Fixed ? "Courier" : "MS Sans Serif";
    std::strncpy(log.lfFaceName, face, sizeof(log.lfFaceName) - 1);
    return log;
}

std::shared_ptr<TFontInstance> FontFor(const TTextStyle& style) {
    return ResolveFont(LogFontOf(style));
}

// A glyph's grey coverage, 0..255 a pixel, placed as TGlyph places its ink.
const TGlyph& SmoothGlyph(TFontInstance& font, u8 character) {
    static std::map<std::tuple<std::string, i32, u8>, TGlyph> cache;
    const auto key = std::make_tuple(font.File, font.PixelSize, character);
    const auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    return cache[key] = font.Render(character, true);
}

const TGlyph& GlyphFor(TFontInstance& font, const TTextStyle& style, u8 character) {
    return style.Crisp ? font.Glyph(character) : SmoothGlyph(font, character);
}

} // namespace

i32 TCanvas::TextAA(i32 x, i32 y, const std::string& text, const TTextStyle& style, u8 colour) {
    const std::shared_ptr<TFontInstance> font = FontFor(style);
    const i32 baseline = y + font->Metrics.tmAscent;
    i32 pen = x;
    for (char c : text) {
        const TGlyph& glyph = SmoothGlyph(*font, static_cast<u8>(c));
        for (i32 gy = 0; gy < glyph.Height; ++gy)
            for (i32 gx = 0; gx < glyph.Width; ++gx)
                Blend(pen + glyph.Left + gx, baseline + glyph.Top + gy, colour,
                      glyph.Ink[static_cast<size_t>(gy) * glyph.Width + gx]);
        pen += glyph.Advance;
    }
    return pen - x;
}

i32 TCanvas::Text(i32 x, i32 y, const std::string& text, const TTextStyle& style, u8 colour) {
    if (!style.Crisp)
        return TextAA(x, y, text, style, colour);
    const std::shared_ptr<TFontInstance> font = FontFor(style);
    const i32 baseline = y + font->Metrics.tmAscent;
    i32 pen = x;
    for (char c : text) {
        const TGlyph& glyph = font->Glyph(static_cast<u8>(c));
        for (i32 gy = 0; gy < glyph.Height; ++gy)
            for (i32 gx = 0; gx < glyph.Width; ++gx)
                if (glyph.Ink[static_cast<size_t>(gy) * glyph.Width + gx] != 0)
                    Plot(pen + glyph.Left + gx, baseline + glyph.Top + gy, colour);
        pen += glyph.Advance;
    }
    return pen - x;
}

i32 TCanvas::TextWidth(const std::string& text, const TTextStyle& style) {
    const std::shared_ptr<TFontInstance> font = FontFor(style);
    i32 width = 0;
    for (char c : text)
        width += GlyphFor(*font, style, static_cast<u8>(c)).Advance;
    return width;
}

i32 TCanvas::TextHeight(const TTextStyle& style) {
    const std::shared_ptr<TFontInstance> font = FontFor(style);
    return font->Metrics.tmAscent + font->Metrics.tmDescent;
}

i32 TCanvas::TextAscent(const TTextStyle& style) {
    return FontFor(style)->Metrics.tmAscent;
}

void TCanvas::TextIn(i32 left, i32 top, i32 right, i32 bottom, const std::string& text,
                     const TTextStyle& style, u8 colour, TAlign align) {
    const i32 width = TextWidth(text, style);
    i32 x = left;
    if (align == TAlign::Centre)
        x = left + (right - left - width) / 2;
    else if (align == TAlign::Right)
        x = right - width;
    const i32 y = top + (bottom - top - TextHeight(style)) / 2;
    Text(x, y, text, style, colour);
}

std::string FontFileOf(const TTextStyle& style) {
    return FontFileFor(LogFontOf(style));
}
