// Text on a DC: measuring and drawing in its font, and laying text out in a rectangle.
#include "Font.h"
#include "Gdi.h"
#include "GdiObjects.h"

#include <string_view>

namespace {

TFontInstance& FontOf(TDeviceContext& dc) {
    TGdiFont* font = dc.Font;
    if (font->Instance == nullptr)
        font->Instance = ResolveFont(font->Log);
    return *font->Instance;
}

i32 RunWidth(TFontInstance& font, std::string_view text) {
    i32 width = 0;
    for (const char c : text)
        width += font.Glyph(static_cast<u8>(c)).Advance;
    return width;
}

// One run of text with its top left corner at (x, y) in target pixels; `underline` is the
// index of a character to underline (-1 for none).
void RenderRun(TDeviceContext& dc, const TDrawTarget& target, i32 x, i32 y, std::string_view text,
               int underline) {
    TFontInstance& font = FontOf(dc);
    const TEXTMETRIC& tm = font.Metrics;
    const i32 width = RunWidth(font, text);
    if (dc.BkMode == OPAQUE)
        FillTargetRect(target, {x, y, x + width, y + tm.tmHeight}, MakeInk(dc, target, dc.BkColor));
    const TInk ink = MakeInk(dc, target, dc.TextColor);
    const i32 baseline = y + tm.tmAscent;
    i32 penX = x;
    for (size_t i = 0; i < text.size(); ++i) {
        const TGlyph& glyph = font.Glyph(static_cast<u8>(text[i]));
        for (i32 gy = 0; gy < glyph.Height; ++gy)
            for (i32 gx = 0; gx < glyph.Width; ++gx)
                if (glyph.Ink[static_cast<size_t>(gy) * glyph.Width + gx] != 0)
                    PutTargetPixel(target, penX + glyph.Left + gx, baseline + glyph.Top + gy, ink);
        if (static_cast<int>(i) == underline)
            FillTargetRect(target, {penX, baseline + 1, penX + glyph.Advance, baseline + 2}, ink);
        penX += glyph.Advance;
    }
    const LOGFONT& log = dc.Font->Log;
    if (log.lfUnderline != 0)
        FillTargetRect(target, {x, baseline + 1, x + width, baseline + 2}, ink);
    if (log.lfStrikeOut != 0) {
        const i32 strikeY = baseline - tm.tmAscent / 3;
        FillTargetRect(target, {x, strikeY, x + width, strikeY + 1}, ink);
    }
}

bool TextOk(const char* text, int length) {
    return length == 0 || (text != nullptr && length > 0);
}

} // namespace

bool TextOut(HDC dc, i32 x, i32 y, const char* text, int length) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || !TextOk(text, length))
        return false;
    const TDrawTarget target = GetDrawTarget(*d);
    RenderRun(*d, target, x + target.Origin.x, y + target.Origin.y,
              std::string_view(text, static_cast<size_t>(length)), -1);
    return true;
}

bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || metrics == nullptr)
        return false;
    *metrics = FontOf(*d).Metrics;
    return true;
}

bool GetTextExtentPoint32(HDC dc, const char* text, int length, TSize* size) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || size == nullptr || !TextOk(text, length))
        return false;
    TFontInstance& font = FontOf(*d);
    size->cx = RunWidth(font, std::string_view(text, static_cast<size_t>(length)));
    size->cy = font.Metrics.tmHeight;
    return true;
}

bool GetCharWidth(HDC dc, u32 first, u32 last, i32* widths) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || widths == nullptr || first > last || last > 0xFF)
        return false;
    TFontInstance& font = FontOf(*d);
    for (u32 c = first; c <= last; ++c)
        widths[c - first] = font.Glyph(static_cast<u8>(c)).Advance;
    return true;
}

namespace {

struct TLine {
    std::string Text;
    int Underline = -1;
    i32 Width = 0;
};

// Takes the '&' marks out of a piece of text: "&&" is one '&', "&x" underlines x.
TLine StripPrefix(std::string_view text, bool prefix) {
    TLine line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (prefix && text[i] == '&') {
            if (i + 1 >= text.size())
                break;
            ++i;
            if (text[i] != '&')
                line.Underline = static_cast<int>(line.Text.size());
        }
        line.Text += text[i];
    }
    return line;
}

std::string ExpandTabs(std::string_view text, TFontInstance& font) {
    // Tab stops every eight average characters, as the old system sets them.
    const i32 stop = std::max(1, 8 * font.Metrics.tmAveCharWidth);
    std::string out;
    i32 width = 0;
    for (const char c : text) {
        if (c != '\t') {
            out += c;
            width += font.Glyph(static_cast<u8>(c)).Advance;
            continue;
        }
        const i32 target = (width / stop + 1) * stop;
        const i32 space = std::max(1, font.Glyph(' ').Advance);
        while (width < target) {
            out += ' ';
            width += space;
        }
    }
    return out;
}

std::vector<TLine> LayOut(std::string_view text, u32 format, i32 maxWidth, TFontInstance& font) {
    const bool prefix = (format & DT_NOPREFIX) == 0;
    std::vector<std::string> paragraphs;
    if ((format & DT_SINGLELINE) != 0) {
        std::string one;
        for (const char c : text)
            if (c != '\r' && c != '\n')
                one += c;
        paragraphs.push_back(one);
    } else {
        std::string current;
        for (const char c : text) {
            if (c == '\r')
                continue;
            if (c == '\n') {
                paragraphs.push_back(current);
                current.clear();
            } else {
                current += c;
            }
        }
        paragraphs.push_back(current);
    }

    std::vector<TLine> lines;
    const bool wrap = (format & DT_WORDBREAK) != 0 && (format & DT_SINGLELINE) == 0;
    for (std::string& paragraph : paragraphs) {
        if ((format & DT_EXPANDTABS) != 0)
            paragraph = ExpandTabs(paragraph, font);
        if (!wrap) {
            lines.push_back(StripPrefix(paragraph, prefix));
            continue;
        }
        // Words go onto a line while it fits; a word wider than the rectangle gets a line
        // of its own.
        size_t start = 0;
        while (start <= paragraph.size()) {
            size_t end = start;
            size_t lastFit = std::string::npos;
            while (end <= paragraph.size()) {
                const size_t next = paragraph.find(' ', end);
                const size_t wordEnd = next == std::string::npos ? paragraph.size() : next;
                const TLine candidate =
                    StripPrefix(std::string_view(paragraph).substr(start, wordEnd - start), prefix);
                if (RunWidth(font, candidate.Text) > maxWidth && lastFit != std::string::npos)
                    break;
                lastFit = wordEnd;
                if (next == std::string::npos)
                    break;
                end = next + 1;
            }
            lines.push_back(
                StripPrefix(std::string_view(paragraph).substr(start, lastFit - start), prefix));
            start = lastFit;
            while (start < paragraph.size() && paragraph[start] == ' ')
                ++start;
            if (start >= paragraph.size())
                break;
        }
    }
    for (TLine& line : lines)
        line.Width = RunWidth(font, line.Text);
    return lines;
}

} // namespace

int DrawText(HDC dc, const char* text, int length, TRect* rect, u32 format) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || rect == nullptr)
        return 0;
    if (length < 0)
        length = text != nullptr ? static_cast<int>(std::char_traits<char>::length(text)) : 0;
    if (!TextOk(text, length))
        return 0;
    TFontInstance& font = FontOf(*d);
    const i32 lineHeight = font.Metrics.tmHeight;
    const std::vector<TLine> lines =
        LayOut(std::string_view(text, static_cast<size_t>(length)), format, rect->Width(), font);
    const i32 total = lineHeight * static_cast<i32>(lines.size());
    i32 widest = 0;
    for (const TLine& line : lines)
        widest = std::max(widest, line.Width);

    if ((format & DT_CALCRECT) != 0) {
        const bool wrap = (format & DT_WORDBREAK) != 0 && (format & DT_SINGLELINE) == 0;
        rect->right = rect->left + (wrap ? std::max(rect->Width(), widest) : widest);
        rect->bottom = rect->top + total;
        return total;
    }

    TDrawTarget target = GetDrawTarget(*d);
    const TRect box = rect->OffsetBy(target.Origin.x, target.Origin.y);
    if ((format & DT_NOCLIP) == 0) {
        std::vector<TRect> clipped;
        for (const TRect& c : target.Clip)
            if (const TRect r = c & box; !r.IsEmpty())
                clipped.push_back(r);
        target.Clip = std::move(clipped);
    }
    i32 y = box.top;
    if ((format & DT_SINGLELINE) != 0) {
        if ((format & DT_VCENTER) != 0)
            y = box.top + (box.Height() - lineHeight) / 2;
        else if ((format & DT_BOTTOM) != 0)
            y = box.bottom - lineHeight;
    }
    for (const TLine& line : lines) {
        i32 x = box.left;
        if ((format & DT_CENTER) != 0)
            x = box.left + (box.Width() - line.Width) / 2;
        else if ((format & DT_RIGHT) != 0)
            x = box.right - line.Width;
        RenderRun(*d, target, x, y, line.Text, line.Underline);
        y += lineHeight;
    }
    return total;
}
