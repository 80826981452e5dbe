// TResponder: one mouse and keyboard hot spot of a mode, with its owner, priority and cursor.
#pragma once

#include "engine/framework/CursorData.h"
#include "platform/framework/Geometry.h"
#include "platform/host/Types.h"

class TJorpBase;
class TResponderHost;
class TResponderList;

// The kind of the latest event a responder received.
enum JorpEventKind : u32 {
    JEK_NONE = 0,
    JEK_LBUTTONDOWN = 1,
    JEK_LBUTTONUP = 2,
    JEK_LBUTTONDBLCLK = 3,
    JEK_RBUTTONDOWN = 4,
    JEK_RBUTTONUP = 5,
    JEK_RBUTTONDBLCLK = 6,
    // Reachable through the mode state's entry point only; no message produces it.
    JEK_SEVENTH = 7,
    JEK_HOTKEY = 8,
    // Cursor movement: decides the cursor, never reaches an owner.
    JEK_CURSOR = 9,
    JEK_HOVER_ENTER = 10,
    JEK_HOVER_LEAVE = 11,
};

// A hot key that fires the responder on every key.
constexpr char JORP_ANY_KEY = '^';

// The engine's compact rectangle.
struct TJorpRect {
    i16 left = 0;
    i16 top = 0;
    i16 right = 0;
    i16 bottom = 0;
};

// Owned by whatever made it; it takes itself out of its list when it goes. The owner reads
// the latest event from the record it is handed in EvResponder.
class TResponder {
public:
    TResponder(TResponderHost* window, u16 priority, const TRect& rect, u16 code, TJorpBase* owner,
               bool registerNow, char hotKey, const TCursorData& cursor, bool tracksHover);
    TResponder(TResponderHost* window, u16 priority, const TRect& rect, u16 code, TJorpBase* owner,
               bool registerNow, char hotKey, TModule* cursorModule, u32 cursorId,
               bool tracksHover);
    explicit TResponder(TResponderHost* window);
    ~TResponder();
    TResponder(const TResponder&) = delete;
    TResponder& operator=(const TResponder&) = delete;

    TResponderList* GetResponderList() const;
    void Register();
    void Unregister();
    bool CaptureMouse();
    void ReleaseMouse();
    void SetCursorData(const TCursorData& cursor);
    // Owners switch hover tracking on and off as betting opens and the dice fly. Only
    // tracking responders hear enter and leave, so switching it off on the hovered
    // responder ends hover without a leave, as unregistering does; switched on, it takes
    // part from the next mouse move.
    void SetTracksHover(bool on);
    // Responders that stand for one thing share a hover group (0: none). A piece of a group
    // only makes another member larger, so the mouse going between a piece and any other
    // responder of its group does not leave one and enter the other: neither hears of it.
    // Between two members that are not pieces it does, as between any two responders.
    void SetHoverGroup(u16 group, bool piece);
    bool SharesHoverWith(const TResponder& other) const;
    // Where responders of one priority overlap, the list offers a click to the latest
    // registered first. An owner that hands every click of its own to another of them ranks
    // them (1 comes first, 0: unranked), and the hover follows the same ranks, so that it
    // goes to the one the click goes to: among the tracking responders of the first one's
    // priority at the mouse, the ranked one that comes first, unless the first is unranked.
    void SetClickRank(u16 rank) { ClickRank = rank; }
    u16 GetClickRank() const { return ClickRank; }
    // Both ranked, of one priority, and this one's rank comes first: where they overlap, a
    // click on either is this one's. The owner's click and the list's hover both ask this.
    bool ComesBefore(const TResponder& other) const {
        return Priority == other.Priority && ClickRank != 0 && other.ClickRank != 0 &&
               ClickRank < other.ClickRank;
    }

    // Records the event and hands it to the owner; true when the owner took it. A cursor
    // event instead shows the responder's cursor and answers whether it has one.
    bool Fire(JorpEventKind kind, u32 data, const TPoint& point);
    bool SendKind(JorpEventKind kind, u16 repeat, u32 data);

    // Right and bottom edges are outside.
    bool Contains(const TPoint& point) const { return Rect.Contains(point); }
    // The key matches the hot key, the second hot key, or the hot key takes every key.
    bool MatchesKey(char key) const;

    TResponderHost* GetWindow() const { return Window; }
    TJorpBase* GetOwner() const { return Owner; }
    u16 GetRepeat() const { return Repeat; }
    u16 GetPriority() const { return Priority; }
    const TRect& GetRect() const { return Rect; }
    u16 GetCode() const { return Code; }
    const TPoint& GetPoint() const { return Point; }
    u32 GetData() const { return Data; }
    JorpEventKind GetKind() const { return Kind; }
    const TCursorData& GetCursor() const { return Cursor; }
    bool TracksHover() const { return HoverTracking; }
    bool HoldsCapture() const { return CaptureHeld; }
    bool IsRegistered() const { return Registered; }
    char GetHotKey() const { return HotKey; }
    char GetSecondHotKey() const { return SecondHotKey; }

private:
    TResponderHost* Window;
    TJorpBase* Owner = nullptr;
    u16 Repeat = 0;
    u16 Priority = 0;
    TRect Rect;
    u16 Code = 0;
    TPoint Point;
    u32 Data = 0;
    JorpEventKind Kind = JEK_NONE;
    TCursorData Cursor;
    bool HoverTracking = false;
    u16 HoverGroup = 0;
    bool HoverPiece = false;
    u16 ClickRank = 0;
    bool CaptureHeld = false;
    bool Registered = false;
    char HotKey = 0;
    char SecondHotKey = JORP_ANY_KEY;
};
