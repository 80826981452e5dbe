// TWindow: creation, destruction, message reception, default handlers and window operations.
#include "Window.h"

#include "Application.h"
#include "Desktop.h"
#include "FrameWindow.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/menus/CommandEnabler.h"
#include "platform/framework/menus/Menu.h"
#include "platform/host/MessageBox.h"

#include <algorithm>

const TResponseEntry TWindow::ResponseEntries[] = {EV_WM_PAINT, EV_WM_CLOSE, EV_WM_SETCURSOR,
                                                   END_RESPONSE_TABLE;

TWindow::TWindow(TWindow* parent, const char* title, TModule* module)
    : Module(module), Title(title != nullptr ? title : "") {
    if (parent != nullptr)
        SetParent(parent);
}

TWindow::~TWindow() {
    if (Sys.Created)
        TDesktop::Get().DestroyWindow(this);
    // Children go with their parent, as the framework's ownership rules have it.
    while (!ChildList.empty()) {
        TWindow* child = ChildList.back();
        RemoveChild(child);
        child->Parent = nullptr;
        delete child;
    }
    if (Parent != nullptr)
        Parent->RemoveChild(this);
    if (TApplication* app = TApplication::GetCurrent())
        app->ForgetWindow(this);
}

void TWindow::AddChild(TWindow* child) {
    if (std::find(ChildList.begin(), ChildList.end(), child) == ChildList.end())
        ChildList.push_back(child);
}

void TWindow::RemoveChild(TWindow* child) {
    ChildList.erase(std::remove(ChildList.begin(), ChildList.end(), child), ChildList.end());
}

void TWindow::SetParent(TWindow* newParent) {
    if (newParent == Parent)
        return;
    TDesktop::Get().Reparent(this, newParent);
    if (Parent != nullptr)
        Parent->RemoveChild(this);
    Parent = newParent;
    if (Parent != nullptr)
        Parent->AddChild(this);
}

TApplication* TWindow::GetApplication() const {
    return TApplication::GetCurrent();
}

TModule* TWindow::GetModule() const {
    if (Module != nullptr)
        return Module;
    if (Parent != nullptr)
        return Parent->GetModule();
    return GetApplication();
}

bool TWindow::IsMainWindow() const {
    const TApplication* app = GetApplication();
    return app != nullptr && app->GetMainWindow() == this;
}

bool TWindow::Create() {
    if (Sys.Created)
        return true;
    WNDCLASS wndClass;
    wndClass.style = CS_DBLCLKS;
    wndClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    GetWindowClass(wndClass);
    Sys.Class = wndClass;
    TModule* module = GetModule();
    if (Attr.AccelTable != 0 && module != nullptr)
        Accelerators = module->LoadAccelerators(Attr.AccelTable);
    if ((Attr.Style & WS_CHILD) == 0 && Attr.Menu != 0 && module != nullptr)
        Sys.Menu = module->LoadMenu(Attr.Menu);
    return TDesktop::Get().CreateWindowFor(this);
}

void TWindow::Destroy(int retVal) {
    if (!Sys.Created)
        return;
    const bool wasMain = IsMainWindow();
    TDesktop::Get().DestroyWindow(this);
    if (wasMain)
        TDesktop::Get().PostQuitMessage(retVal);
}

bool TWindow::CanClose() {
    for (TWindow* child : std::vector<TWindow*>(ChildList))
        if (child->IsWindow() && !child->CanClose())
            return false;
    return true;
}

void TWindow::CloseWindow(int retVal) {
    TApplication* app = GetApplication();
    const bool mayClose = IsMainWindow() && app != nullptr ? app->CanClose() : CanClose();
    if (mayClose)
        Destroy(retVal);
}

void TWindow::SetupWindow() {
    for (TWindow* child : std::vector<TWindow*>(ChildList))
        if (child->AutoCreate && !child->IsWindow() &&
            std::find(ChildList.begin(), ChildList.end(), child) != ChildList.end())
            child->Create();
}

void TWindow::CleanupWindow() {}

bool TWindow::IdleAction(long idleCount) {
    bool more = false;
    for (TWindow* child : std::vector<TWindow*>(ChildList))
        if (std::find(ChildList.begin(), ChildList.end(), child) != ChildList.end() &&
            child->IsWindow())
            more = child->IdleAction(idleCount) || more;
    return more;
}

bool TWindow::PreProcessMsg(MSG& msg) {
    return Accelerators != nullptr && TranslateAccelerator(GetHandle(), Accelerators, msg);
}

void TWindow::Paint(TDC&, bool, TRect&) {}

void TWindow::GetWindowClass(WNDCLASS&) {}

const TResponseEntry* TWindow::Find(u32 msg, u32 id) const {
    return SearchResponseEntries(ResponseEntries, msg, id);
}

LRESULT TWindow::EvCommand(u32 id, HWND, u32) {
    return DispatchCommand(id);
}

void TWindow::EvCommandEnable(TCommandEnabler& commandEnabler) {
    DispatchCommandEnable(commandEnabler);
}

LRESULT TWindow::DispatchCommand(u32 id) {
    if (const TResponseEntry* e = Find(WM_COMMAND, id); e != nullptr && e->Dispatch != nullptr)
        return e->Dispatch(*this, Current.WParam, Current.LParam);
    return DefaultProcessing();
}

bool TWindow::DispatchCommandEnable(TCommandEnabler& commandEnabler) {
    const TResponseEntry* e = Find(WM_COMMAND_ENABLE, commandEnabler.GetId());
    if (e == nullptr || e->Enable == nullptr)
        return false;
    e->Enable(*this, commandEnabler);
    return true;
}

LRESULT TWindow::ReceiveMessage(u32 msg, WPARAM wp, LPARAM lp) {
    const TCurrentEvent saved = Current;
    Current = {msg, wp, lp};
    LRESULT result = 0;
    if (msg == WM_CREATE) {
        SetupWindow();
    } else {
        if (msg == WM_DESTROY)
            CleanupWindow();
        if (msg == WM_COMMAND) {
            result =
                EvCommand(LOWORD(wp), ParamToHwnd(static_cast<std::uintptr_t>(lp)), HIWORD(wp));
        } else if (const TResponseEntry* e = Find(msg, 0); e != nullptr && e->Dispatch != nullptr) {
            result = e->Dispatch(*this, wp, lp);
        } else {
            result = DefWindowProc(msg, wp, lp);
        }
    }
    Current = saved;
    return result;
}

LRESULT TWindow::DefaultProcessing() {
    return DefWindowProc(Current.Msg, Current.WParam, Current.LParam);
}

LRESULT TWindow::DefWindowProc(u32 msg, WPARAM wp, LPARAM lp) {
    return TDesktop::Get().DefWindowProc(this, msg, wp, lp);
}

LRESULT TWindow::SendMessage(u32 msg, WPARAM wp, LPARAM lp) {
    return TDesktop::Get().SendMessage(this, msg, wp, lp);
}

bool TWindow::PostMessage(u32 msg, WPARAM wp, LPARAM lp) {
    return TDesktop::Get().PostMessage(this, msg, wp, lp);
}

bool TWindow::ShowWindow(int cmd) {
    return TDesktop::Get().ShowWindow(this, cmd);
}
bool TWindow::IsWindowVisible() const {
    return TDesktop::Get().IsWindowVisible(GetHandle());
}
bool TWindow::EnableWindow(bool enable) {
    return TDesktop::Get().EnableWindow(this, enable);
}
bool TWindow::IsWindowEnabled() const {
    return TDesktop::Get().IsWindowEnabled(GetHandle());
}
bool TWindow::IsIconic() const {
    return TDesktop::Get().IsIconic(GetHandle());
}
void TWindow::Invalidate(bool erase) {
    TDesktop::Get().InvalidateRect(this, nullptr, erase);
}
void TWindow::InvalidateRect(const TRect& rect, bool erase) {
    TDesktop::Get().InvalidateRect(this, &rect, erase);
}
void TWindow::Validate() {
    TDesktop::Get().ValidateRect(this);
}
void TWindow::UpdateWindow() {
    TDesktop::Get().UpdateWindow(this);
}

bool TWindow::SetWindowPos(HWND, i32 x, i32 y, i32 cx, i32 cy, u32 flags) {
    if (!Sys.Created) {
        if ((flags & SWP_NOMOVE) == 0) {
            Attr.X = x;
            Attr.Y = y;
        }
        if ((flags & SWP_NOSIZE) == 0) {
            Attr.W = cx;
            Attr.H = cy;
        }
        return true;
    }
    return TDesktop::Get().SetWindowPos(this, x, y, cx, cy, flags);
}

bool TWindow::MoveWindow(i32 x, i32 y, i32 cx, i32 cy, bool repaint) {
    return SetWindowPos(nullptr, x, y, cx, cy,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

TRect TWindow::GetWindowRect() const {
    return TDesktop::Get().GetWindowRect(GetHandle());
}
TRect TWindow::GetClientRect() const {
    return TDesktop::Get().GetClientRect(GetHandle());
}
void TWindow::ClientToScreen(TPoint& p) const {
    p = TDesktop::Get().ClientToScreen(GetHandle(), p);
}
void TWindow::ScreenToClient(TPoint& p) const {
    p = TDesktop::Get().ScreenToClient(GetHandle(), p);
}
u32 TWindow::SetTimer(u32 id, u32 elapseMs) {
    return TDesktop::Get().SetTimer(GetHandle(), id, elapseMs);
}
bool TWindow::KillTimer(u32 id) {
    return TDesktop::Get().KillTimer(GetHandle(), id);
}
HWND TWindow::SetCapture() {
    return TDesktop::Get().SetCapture(GetHandle());
}
void TWindow::ReleaseCapture() {
    TDesktop::Get().ReleaseCapture();
}
HWND TWindow::SetFocus() {
    return TDesktop::Get().SetFocus(GetHandle());
}

void TWindow::SetCaption(const char* title) {
    Title = title != nullptr ? title : "";
    if (Sys.Created)
        TDesktop::Get().SetWindowText(this, Title);
}

int TWindow::MessageBox(const char* text, const char* caption, u32 type) {
    const TApplication* app = GetApplication();
    const std::string title =
        caption != nullptr ? caption : (app != nullptr ? app->GetName() : std::string());
    return MessageBoxExA(this, text != nullptr ? text : "", title, type);
}

bool TWindow::SetCursor(TModule* module, u32 resId) {
    if (module == CursorModule && resId == CursorResId)
        return false;
    CursorModule = module;
    CursorResId = resId;
    if (resId == 0)
        CursorHandle = nullptr;
    else
        CursorHandle = module != nullptr ? module->LoadCursor(resId) : LoadCursorA(nullptr, resId);
    if (Sys.Created) {
        TDesktop& desktop = TDesktop::Get();
        const TPoint p = desktop.ScreenToClient(this, desktop.GetCursorPos());
        if (GetClientRect().Contains(p) && desktop.WindowFromPoint(desktop.GetCursorPos()) == this)
            desktop.SetCursor(CursorHandle);
    }
    return true;
}

void TWindow::EvPaint() {
    TPaintDC dc(this);
    Paint(dc, dc.Ps.fErase, dc.Ps.rcPaint);
}

void TWindow::EvClose() {
    CloseWindow();
}

bool TWindow::EvSetCursor(HWND hWndCursor, u32 hitTest, u32) {
    if (hWndCursor == GetHandle() && hitTest == static_cast<u32>(HTCLIENT) &&
        CursorHandle != nullptr) {
        TDesktop::Get().SetCursor(CursorHandle);
        return true;
    }
    return DefaultProcessing() != 0;
}

bool TWindow::EvEraseBkgnd(TDC*) {
    return DefaultProcessing() != 0;
}
void TWindow::EvSetFocus(HWND) {
    DefaultProcessing();
}
void TWindow::EvKillFocus(HWND) {
    DefaultProcessing();
}
void TWindow::EvActivate(u32, bool, HWND) {
    DefaultProcessing();
}
void TWindow::EvActivateApp(bool, u32) {
    DefaultProcessing();
}
void TWindow::EvSize(u32, const TSize&) {
    DefaultProcessing();
}
void TWindow::EvTimer(u32) {
    DefaultProcessing();
}
void TWindow::EvGetMinMaxInfo(MINMAXINFO&) {
    DefaultProcessing();
}
void TWindow::EvEnterMenuLoop(bool) {
    DefaultProcessing();
}
void TWindow::EvExitMenuLoop(bool) {
    DefaultProcessing();
}
void TWindow::EvInitMenuPopup(HMENU, u32, bool) {
    DefaultProcessing();
}
bool TWindow::EvQueryNewPalette() {
    return DefaultProcessing() != 0;
}
void TWindow::EvPaletteChanged(HWND) {
    DefaultProcessing();
}
void TWindow::EvShowWindow(bool, u32) {
    DefaultProcessing();
}
void TWindow::EvChar(u32, u32, u32) {
    DefaultProcessing();
}
void TWindow::EvKeyDown(u32, u32, u32) {
    DefaultProcessing();
}
void TWindow::EvMouseMove(u32, const TPoint&) {
    DefaultProcessing();
}
void TWindow::EvLButtonDown(u32, const TPoint&) {
    DefaultProcessing();
}
void TWindow::EvLButtonUp(u32, const TPoint&) {
    DefaultProcessing();
}
void TWindow::EvLButtonDblClk(u32, const TPoint&) {
    DefaultProcessing();
}
void TWindow::EvRButtonDown(u32, const TPoint&) {
    DefaultProcessing();
}
void TWindow::EvRButtonUp(u32, const TPoint&) {
    DefaultProcessing();
}
void TWindow::EvRButtonDblClk(u32, const TPoint&) {
    DefaultProcessing();
}
