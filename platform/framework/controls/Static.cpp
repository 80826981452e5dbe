// Static texts, group boxes and shaded rules: their texts and their drawing.
#include "Static.h"

#include "ControlPaint.h"
#include "platform/framework/chrome/Theme.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/window/Module.h"

#include <cstdlib>

TStatic::TStatic(TWindow* parent, int id, const char* title, i32 x, i32 y, i32 w, i32 h,
                 u32 textLimit, TModule* module)
    : TControl(parent, id, nullptr, x, y, w, h, module), TextLimit(textLimit) {
    SetText(title);
}

TStatic::TStatic(TWindow* parent, int resourceId, u32 textLimit, TModule* module)
    : TControl(parent, resourceId, module), TextLimit(textLimit) {}

void TStatic::ApplyTemplate(const TDialogItemTemplate& item, const TRect& pixels) {
    const bool hadText = !GetText().empty();
    TControl::ApplyTemplate(item, pixels);
    if (!hadText)
        SetText(item.Text.c_str());
}

void TStatic::SetText(const char* text) {
    // The limit sizes the framework's transfer of the text; the program's own texts are
    // shown whole, as the old system shows them.
    TControl::SetText(text != nullptr ? text : "");
}

std::string TStatic::GetMnemonicText() const {
    const u32 type = Attr.Style & SS_TYPEMASK;
    if ((Attr.Style & SS_NOPREFIX) != 0 ||
        (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP &&
         type != SS_SIMPLE))
        return {};
    return GetText();
}

u32 TStatic::BitmapId() const {
    std::string text = GetText();
    if (!text.empty() && text[0] == '#')
        text.erase(0, 1);
    return static_cast<u32>(std::strtoul(text.c_str(), nullptr, 10));
}

void TStatic::PaintControl(TDC& dc) {
    TRect r = GetClientRect();
    const u32 type = Attr.Style & SS_TYPEMASK;
    switch (type) {
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
        dc.FillSolidRect(r, type == SS_BLACKRECT  ? Theme::WindowFrame
                            : type == SS_GRAYRECT ? Theme::Shadow3d
                                                  : Theme::Highlight3d);
        return;
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME: {
        const u32 c = type == SS_BLACKFRAME  ? Theme::WindowFrame
                      : type == SS_GRAYFRAME ? Theme::Shadow3d
                                             : Theme::Highlight3d;
        ControlPaint::Edge(dc, r, c, c);
        return;
    }
    case SS_BITMAP: {
        const TModule fallback;
        const TModule* module = GetModule();
        const TBitmap bitmap(module != nullptr ? *module : fallback, BitmapId());
        if (bitmap.IsValid()) {
            TMemoryDC memory(dc);
            memory.SelectObject(bitmap);
            dc.BitBlt(0, 0, bitmap.Width(), bitmap.Height(), memory, 0, 0, SRCCOPY);
        }
        return;
    }
    default:
        break;
    }
    if ((Attr.Style & SS_SUNKEN) != 0) {
        ControlPaint::Edge(dc, r, Theme::Shadow3d, Theme::Highlight3d);
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    if (HasBorder()) {
        ControlPaint::Edge(dc, r, Theme::WindowFrame, Theme::WindowFrame);
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    u32 format = DT_WORDBREAK;
    if (type == SS_CENTER)
        format |= DT_CENTER;
    else if (type == SS_RIGHT)
        format |= DT_RIGHT;
    else if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE)
        format = DT_SINGLELINE;
    if ((Attr.Style & SS_NOPREFIX) != 0)
        format |= DT_NOPREFIX;
    format |= DT_EXPANDTABS;
    ControlPaint::Label(dc, GetFont(), GetText(), r, format, Theme::WindowText, IsWindowEnabled());
}

TGroupBox::TGroupBox(TWindow* parent, int id, const char* text, i32 x, i32 y, i32 w, i32 h,
                     TModule* module)
    : TControl(parent, id, text, x, y, w, h, module) {
    Attr.Style |= BS_GROUPBOX;
}

TGroupBox::TGroupBox(TWindow* parent, int resourceId, TModule* module)
    : TControl(parent, resourceId, module) {}

void TGroupBox::PaintControl(TDC& dc) {
    const TRect r = GetClientRect();
    const std::string text = GetText();
    TEXTMETRIC tm;
    dc.SelectObject(GetFont());
    dc.GetTextMetrics(tm);
    dc.RestoreFont();
    // The frame runs through the middle of the title line.
    const i32 lineY = r.top + tm.tmHeight / 2;
    const TRect frame{r.left, lineY, r.right, r.bottom};
    ControlPaint::Edge(dc, frame, Theme::Shadow3d, Theme::Highlight3d);
    ControlPaint::Edge(dc, {frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1},
                       Theme::Highlight3d, Theme::Shadow3d);
    if (text.empty())
        return;
    const TSize size = ControlPaint::Measure(dc, GetFont(), text, DT_SINGLELINE, r.Width());
    const TRect title{r.left + 8, r.top, std::min(r.right - 1, r.left + 8 + size.cx + 4),
                      r.top + tm.tmHeight};
    dc.FillSolidRect(title, Theme::Face);
    ControlPaint::Label(dc, GetFont(), text, {title.left + 2, title.top, title.right, title.bottom},
                        DT_LEFT | DT_SINGLELINE, Theme::WindowText, IsWindowEnabled());
}

TShadeRule::TShadeRule(TWindow* parent, int id, i32 x, i32 y, i32 w, i32 h, TModule* module)
    : TControl(parent, id, nullptr, x, y, w, h, module) {}

TShadeRule::TShadeRule(TWindow* parent, int resourceId, TModule* module)
    : TControl(parent, resourceId, module) {}

void TShadeRule::PaintControl(TDC& dc) {
    const TRect r = GetClientRect();
    if (r.Height() <= 3) {
        dc.FillSolidRect({r.left, r.top, r.right, r.top + 1}, Theme::Shadow3d);
        dc.FillSolidRect({r.left, r.top + 1, r.right, r.top + 2}, Theme::Highlight3d);
        return;
    }
    ControlPaint::Edge(dc, r, Theme::Shadow3d, Theme::Highlight3d);
}
