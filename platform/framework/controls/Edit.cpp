// Edits: typing under a limit and a validator, the caret and selection, wrapping and
// scrolling of multi-line text, and their drawing.
#include "Edit.h"

#include "platform/framework/chrome/Theme.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/window/Desktop.h"

#include <algorithm>

DEFINE_RESPONSE_TABLE1(TEdit, TStatic)
EV_WM_CHAR, EV_WM_KEYDOWN, EV_WM_LBUTTONDOWN, EV_WM_LBUTTONDBLCLK, EV_WM_MOUSEMOVE, EV_WM_LBUTTONUP,
    EV_MESSAGE(EM_SETSEL, EvSetSel), EV_MESSAGE(EM_LIMITTEXT, EvLimitText), END_RESPONSE_TABLE;

TEdit::TEdit(TWindow* parent, int id, const char* text, i32 x, i32 y, i32 w, i32 h, u32 textLimit,
             bool multiline, TModule* module)
    : TStatic(parent, id, text, x, y, w, h, textLimit, module) {
    Attr.Style |= WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL;
    if (multiline)
        Attr.Style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
}

TEdit::TEdit(TWindow* parent, int resourceId, u32 textLimit, TModule* module)
    : TStatic(parent, resourceId, textLimit, module) {}

void TEdit::ApplyTemplate(const TDialogItemTemplate& item, const TRect& pixels) {
    TStatic::ApplyTemplate(item, pixels);
    LinesValid = false;
}

void TEdit::GetWindowClass(WNDCLASS& wndClass) {
    TStatic::GetWindowClass(wndClass);
    wndClass.hCursor = nullptr;
}

u32 TEdit::BackgroundColor() const {
    return Theme::WindowBack;
}

u32 TEdit::GetDlgCode() const {
    u32 code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (IsMultiLine() && (Attr.Style & ES_WANTRETURN) != 0)
        code |= DLGC_WANTALLKEYS;
    return code;
}

void TEdit::SetText(const char* text) {
    TStatic::SetText(text);
    const int n = GetTextLen();
    SelStart = SelEnd = 0;
    FirstChar = 0;
    SelStart = std::min(SelStart, n);
    LinesValid = false;
    Scroll.Pos = 0;
}

void TEdit::LimitText(u32 textLimit) {
    TextLimit = textLimit;
}

LRESULT TEdit::EvLimitText(WPARAM limit, LPARAM) {
    // The message counts characters, the framework's limit the terminator too.
    LimitText(limit == 0 ? 0 : static_cast<u32>(limit) + 1);
    return 0;
}

void TEdit::SetValidator(TValidator* validator) {
    Validator.reset(validator);
}

bool TEdit::IsValid(bool reportError) {
    if (!Validator)
        return true;
    const std::string text = GetText();
    return reportError ? Validator->Valid(text.c_str(), GetParent())
                       : Validator->IsValid(text.c_str());
}

bool TEdit::CanClose() {
    return TStatic::CanClose() && IsValid(true);
}

void TEdit::SetSelection(int start, int end) {
    const int n = GetTextLen();
    if (start < 0)
        start = 0;
    if (end < 0 || end > n)
        end = n;
    SelStart = std::min(start, n);
    SelEnd = end;
    if (IsWindow())
        Invalidate(true);
}

void TEdit::GetSelection(int& start, int& end) const {
    start = std::min(SelStart, SelEnd);
    end = std::max(SelStart, SelEnd);
}

LRESULT TEdit::EvSetSel(WPARAM start, LPARAM end) {
    SetSelection(static_cast<int>(static_cast<std::intptr_t>(start)), static_cast<int>(end));
    return 0;
}

i32 TEdit::TextWidth(const std::string& s) const {
    TScreenDC dc;
    dc.SelectObject(GetFont());
    return dc.GetTextExtent(s).cx;
}

TRect TEdit::TextArea() const {
    TRect r = GetClientRect();
    if (HasBorder())
        r = {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    if (IsMultiLine() && (Attr.Style & WS_VSCROLL) != 0)
        r.right -= ControlPaint::ScrollBarWidth;
    return r;
}

const std::vector<std::string>& TEdit::GetLines() {
    if (!LinesValid)
        Relayout();
    return Lines;
}

void TEdit::Relayout() {
    Lines.clear();
    const std::string text = GetText();
    const i32 width = std::max(1, TextArea().Width());
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string paragraph = text.substr(start, end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
            paragraph.pop_back();
        // Words go onto a line while they fit; a word wider than the line is cut.
        std::string line;
        size_t i = 0;
        if (paragraph.empty())
            Lines.push_back({});
        while (i < paragraph.size()) {
            size_t wordEnd = paragraph.find(' ', i);
            wordEnd = wordEnd == std::string::npos ? paragraph.size() : wordEnd + 1;
            const std::string word = paragraph.substr(i, wordEnd - i);
            std::string trial = line + word;
            std::string trimmed = trial;
            while (!trimmed.empty() && trimmed.back() == ' ')
                trimmed.pop_back();
            if (line.empty() || TextWidth(trimmed) <= width) {
                if (line.empty() && TextWidth(trimmed) > width) {
                    // Cut the long word where it stops fitting.
                    size_t fit = 1;
                    while (fit < word.size() && TextWidth(word.substr(0, fit + 1)) <= width)
                        ++fit;
                    Lines.push_back(word.substr(0, fit));
                    i += fit;
                    continue;
                }
                line = trial;
                i = wordEnd;
            } else {
                while (!line.empty() && line.back() == ' ')
                    line.pop_back();
                Lines.push_back(line);
                line.clear();
            }
        }
        if (!line.empty()) {
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            Lines.push_back(line);
        }
        if (end == text.size())
            break;
        start = end + 1;
    }
    LinesValid = true;
    TEXTMETRIC tm;
    TScreenDC dc;
    dc.SelectObject(GetFont());
    dc.GetTextMetrics(tm);
    const i32 lineHeight = std::max(1, tm.tmHeight);
    const TRect client = GetClientRect();
    const TRect area = TextArea();
    Scroll.Area = (Attr.Style & WS_VSCROLL) != 0
                      ? TRect{area.right, client.top + (HasBorder() ? 2 : 0),
                              area.right + ControlPaint::ScrollBarWidth,
                              client.bottom - (HasBorder() ? 2 : 0)}
                      : TRect{};
    Scroll.Total = static_cast<i32>(Lines.size());
    Scroll.Page = std::max(1, area.Height() / lineHeight);
    Scroll.Pos = std::clamp(Scroll.Pos, 0, Scroll.MaxPos());
}

void TEdit::ScrollTo(int pos) {
    GetLines();
    const int clamped = std::clamp(pos, 0, Scroll.MaxPos());
    if (clamped != Scroll.Pos) {
        Scroll.Pos = clamped;
        Invalidate(true);
    }
}

void TEdit::Changed() {
    LinesValid = false;
    Invalidate(true);
    NotifyParent(EN_CHANGE);
}

bool TEdit::Insert(const std::string& typed) {
    if (IsReadOnly())
        return false;
    std::string text = GetText();
    int a = 0;
    int b = 0;
    GetSelection(a, b);
    std::string next =
        text.substr(0, static_cast<size_t>(a)) + typed + text.substr(static_cast<size_t>(b));
    if (TextLimit > 0 && next.size() > TextLimit - 1) {
        NotifyParent(EN_MAXTEXT);
        return false;
    }
    if (Validator && !Validator->IsValidInput(next, false))
        return false;
    TStatic::SetText(next.c_str());
    SelStart = SelEnd = a + static_cast<int>(typed.size());
    Changed();
    return true;
}

void TEdit::EvChar(u32 key, u32 repeatCount, u32) {
    // Control characters (Backspace, Tab, Enter, Esc) are keys, not text.
    if (key < 0x20 || key == 0x7F || key > 0xFF)
        return;
    if (IsMultiLine() && IsReadOnly())
        return;
    for (u32 i = 0; i < std::max(1U, repeatCount); ++i)
        if (!Insert(std::string(1, static_cast<char>(key))))
            break;
}

void TEdit::EvKeyDown(u32 key, u32, u32) {
    if (IsMultiLine()) {
        GetLines();
        switch (key) {
        case DLG_VK_UP:
            ScrollTo(Scroll.Pos - 1);
            return;
        case DLG_VK_DOWN:
            ScrollTo(Scroll.Pos + 1);
            return;
        case DLG_VK_PRIOR:
            ScrollTo(Scroll.Pos - Scroll.Page);
            return;
        case DLG_VK_NEXT:
            ScrollTo(Scroll.Pos + Scroll.Page);
            return;
        case DLG_VK_HOME:
            ScrollTo(0);
            return;
        case DLG_VK_END:
            ScrollTo(Scroll.MaxPos());
            return;
        default:
            break;
        }
        if (IsReadOnly())
            return;
    }
    const int n = GetTextLen();
    const bool shift = TDesktop::Get().IsKeyDown(VK_SHIFT);
    auto moveTo = [&](int caret) {
        SelEnd = std::clamp(caret, 0, n);
        if (!shift)
            SelStart = SelEnd;
        Invalidate(true);
    };
    int a = 0;
    int b = 0;
    GetSelection(a, b);
    switch (key) {
    case DLG_VK_LEFT:
        moveTo(!shift && a != b ? a : SelEnd - 1);
        return;
    case DLG_VK_RIGHT:
        moveTo(!shift && a != b ? b : SelEnd + 1);
        return;
    case DLG_VK_HOME:
        moveTo(0);
        return;
    case DLG_VK_END:
        moveTo(n);
        return;
    case VK_BACK:
    case DLG_VK_DELETE: {
        if (IsReadOnly())
            return;
        std::string text = GetText();
        if (a == b) {
            if (key == VK_BACK && a > 0)
                --a;
            else if (key == DLG_VK_DELETE && b < n)
                ++b;
            else
                return;
        }
        text.erase(static_cast<size_t>(a), static_cast<size_t>(b - a));
        // Taking characters away can still break a validator's pattern.
        if (Validator && !Validator->IsValidInput(text, true))
            return;
        TStatic::SetText(text.c_str());
        SelStart = SelEnd = a;
        Changed();
        return;
    }
    default:
        return;
    }
}

int TEdit::CaretFromX(i32 x) const {
    const std::string text = GetText();
    const TRect area = TextArea();
    const std::string shown =
        text.substr(static_cast<size_t>(std::min<int>(FirstChar, static_cast<int>(text.size()))));
    i32 origin = area.left;
    if ((Attr.Style & ES_CENTER) != 0)
        origin = area.left + std::max(0, (area.Width() - TextWidth(shown)) / 2);
    int best = FirstChar;
    for (int i = 0; i <= static_cast<int>(shown.size()); ++i) {
        const i32 w = TextWidth(shown.substr(0, static_cast<size_t>(i)));
        if (origin + w <= x + 2)
            best = FirstChar + i;
    }
    return best;
}

void TEdit::EvLButtonDown(u32, const TPoint& point) {
    if (!TakeFocusFromClick())
        return;
    if (IsMultiLine()) {
        GetLines();
        using THit = ControlPaint::TVScroll::THit;
        const THit hit = Scroll.HitTest(point);
        if (hit == THit::Thumb) {
            DraggingThumb = true;
            DragOffset = point.y - Scroll.Thumb().top;
            SetCapture();
        } else if (hit != THit::None) {
            ScrollTo(Scroll.PosForClick(hit));
        }
        return;
    }
    SelStart = SelEnd = CaretFromX(point.x);
    SetCapture();
    Invalidate(true);
}

void TEdit::EvMouseMove(u32 modKeys, const TPoint& point) {
    if ((modKeys & MK_LBUTTON) == 0 || TDesktop::Get().GetCapture() != this)
        return;
    if (DraggingThumb) {
        ScrollTo(Scroll.PosForThumbTop(point.y - DragOffset));
        return;
    }
    if (!IsMultiLine()) {
        const int caret = CaretFromX(point.x);
        if (caret != SelEnd) {
            SelEnd = caret;
            Invalidate(true);
        }
    }
}

void TEdit::EvLButtonUp(u32, const TPoint&) {
    DraggingThumb = false;
    if (TDesktop::Get().GetCapture() == this)
        ReleaseCapture();
}

void TEdit::PaintControl(TDC& dc) {
    const TRect client = GetClientRect();
    const bool enabled = IsWindowEnabled();
    const u32 back = enabled ? Theme::WindowBack : Theme::Face;
    dc.FillSolidRect(client, back);
    const TRect area = TextArea();
    dc.SelectObject(GetFont());
    dc.SetBkMode(TRANSPARENT);
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    const u32 textColor = enabled ? Theme::WindowText : Theme::GrayText;
    if (IsMultiLine()) {
        GetLines();
        dc.SetTextColor(ArgbToColorRef(textColor));
        i32 y = area.top;
        for (size_t i = static_cast<size_t>(Scroll.Pos); i < Lines.size() && y < area.bottom;
             ++i, y += tm.tmHeight) {
            i32 x = area.left;
            if ((Attr.Style & ES_CENTER) != 0)
                x = area.left + (area.Width() - TextWidth(Lines[i])) / 2;
            else if ((Attr.Style & ES_RIGHT) != 0)
                x = area.right - TextWidth(Lines[i]);
            // Lines are cut at the text area, not at the scroll bar or border.
            if (y + tm.tmHeight <= area.bottom)
                dc.TextOut(x, y, Lines[i]);
        }
        dc.RestoreFont();
        if ((Attr.Style & WS_VSCROLL) != 0)
            Scroll.Paint(dc, enabled);
        if (HasBorder())
            ControlPaint::Sunken(dc, client);
        return;
    }
    const std::string text = GetText();
    // Keep the caret in view by moving the first character shown.
    FirstChar = std::clamp(FirstChar, 0, static_cast<int>(text.size()));
    if (SelEnd < FirstChar)
        FirstChar = SelEnd;
    while (FirstChar < SelEnd &&
           TextWidth(text.substr(static_cast<size_t>(FirstChar),
                                 static_cast<size_t>(SelEnd - FirstChar))) > area.Width() - 1)
        ++FirstChar;
    const std::string shown = text.substr(static_cast<size_t>(FirstChar));
    i32 x = area.left;
    if ((Attr.Style & ES_CENTER) != 0)
        x = area.left + std::max(0, (area.Width() - TextWidth(shown)) / 2);
    else if ((Attr.Style & ES_RIGHT) != 0)
        x = std::max(area.left, area.right - TextWidth(shown));
    const i32 y = area.top;
    dc.SetTextColor(ArgbToColorRef(textColor));
    dc.TextOut(x, y, shown);
    int a = 0;
    int b = 0;
    GetSelection(a, b);
    const bool focused = HasFocus();
    if (focused && a != b) {
        const int s0 = std::max(a, FirstChar) - FirstChar;
        const int s1 = std::max(b, FirstChar) - FirstChar;
        const i32 x0 = x + TextWidth(shown.substr(0, static_cast<size_t>(s0)));
        const i32 x1 = x + TextWidth(shown.substr(0, static_cast<size_t>(s1)));
        dc.FillSolidRect({x0, y, std::min(x1, area.right), y + tm.tmHeight}, Theme::SelectedBack);
        dc.SetTextColor(ArgbToColorRef(Theme::SelectedText));
        dc.TextOut(x0, y, shown.substr(static_cast<size_t>(s0), static_cast<size_t>(s1 - s0)));
    }
    if (focused && !IsReadOnly()) {
        const i32 cx = x + TextWidth(shown.substr(0, static_cast<size_t>(SelEnd - FirstChar)));
        dc.FillSolidRect({cx, y, cx + 1, y + tm.tmHeight}, Theme::WindowText);
    }
    dc.RestoreFont();
    // Last, so that text running past the area does not cover it.
    if (HasBorder())
        ControlPaint::Sunken(dc, client);
}
