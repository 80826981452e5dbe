// THelpWindow: the help file's topics in a top-level window of their own: the title and the
// Close button above, the text wrapped and scrolled below it, links that lead to other topics.
#pragma once

#include "HelpFileReader.h"
#include "platform/framework/draw/Surface.h"
#include "platform/framework/window/Window.h"

#include <string>
#include <vector>

class TButton;

// A piece of laid-out text in document pixels (y from the top of the scrolled area).
struct THelpRun {
    TRect Box;
    std::string Text;
    // The topic the run leads to, or -1.
    i32 Link = -1;
    bool Bold = false;
};

class THelpWindow : public TWindow {
public:
    // The header band's colour, above the text: pale enough to tell the help from the game.
    static constexpr u32 HeaderArgb = MakeArgb(0xFF, 0xFF, 0xE8);

    // Owned by the owner's top-level window, which takes it along when it goes.
    THelpWindow(TWindow* owner, THelpBook book);
    ~THelpWindow() override;

    // The window the help requests go to; its destructor forgets it, whoever deletes it.
    static THelpWindow* GetShown() { return Shown; }
    static void SetShown(THelpWindow* window) { Shown = window; }

    // The book a newer request read; shows its topic 0 until told otherwise.
    void SetBook(THelpBook book);
    // Replaces the topic on show, from its top; false (nothing changes) for no such topic.
    bool ShowTopic(int index);
    int GetTopic() const { return Topic; }
    const THelpBook& GetBook() const { return Book; }

    // Scrolling in pixels of the text area.
    i32 GetScroll() const { return Scroll; }
    i32 GetMaxScroll() const;
    void ScrollTo(i32 y);
    // The text area and the scroll bar, in client pixels.
    TRect TextArea() const;
    TRect ScrollBarArea() const;
    // The laid-out runs of the topic on show.
    const std::vector<THelpRun>& GetRuns() const { return Runs; }
    // The link under a client point, or -1.
    i32 LinkAt(TPoint client) const;
    // The Close button in the header band, in client pixels.
    TRect CloseButtonArea() const;

    void SetupWindow() override;
    void Paint(TDC& dc, bool erase, TRect& rect) override;
    // Keys go to the help and not to the accelerators of the windows behind it.
    bool PreProcessMsg(MSG& msg) override;

    void EvKeyDown(u32 key, u32 repeatCount, u32 flags);
    void EvLButtonDown(u32 modKeys, const TPoint& point);
    void EvLButtonUp(u32 modKeys, const TPoint& point);
    void EvMouseMove(u32 modKeys, const TPoint& point);
    bool EvEraseBkgnd(TDC* dc);
    // Three lines a notch, up for a turn away from the user.
    LRESULT EvMouseWheel(WPARAM wp, LPARAM lp);
    void CmClose();

private:
    void Layout();
    void PaintScrollBar(TDC& dc);
    TRect ThumbRect() const;
    i32 LineStep() const;

    static inline THelpWindow* Shown = nullptr;

    // A child of the window, which deletes it.
    TButton* CloseButton = nullptr;

    THelpBook Book;
    int Topic = 0;
    std::vector<THelpRun> Runs;
    i32 DocumentHeight = 0;
    i32 Scroll = 0;
    // The thumb held by the mouse: where it was grabbed, in client y, and the scroll then.
    bool Dragging = false;
    i32 DragStartY = 0;
    i32 DragStartScroll = 0;

    DECLARE_RESPONSE_TABLE(THelpWindow);
};
