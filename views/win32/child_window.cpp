#include "child_window.h"

#include "draw_context.h"
#include "view.h"
#include "view_list.h"
#include "window_placement.h"

namespace hoshikura {

namespace {

// The view the window was created for, listed or not, or null.
CView* CreatorOf(HWND window) {
    return reinterpret_cast<CView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The listed view of a window, or null.
CView* FindView(HWND window) {
    CView* view = CreatorOf(window);
    return view && view->owner ? view->owner->Find(window) : nullptr;
}

// The one drawing of a view window, for the screen and for any DC, through
// a drawing context of its own at the view's dpi.
void PaintContent(HWND window, HDC dc) {
    CView* view = FindView(window);
    if (!view) return;
    CDrawContext context(dc, DrawScale(view->dpi));
    view->Paint(context);
}

// A paint always validates its window, with or without a view to draw:
// otherwise WM_PAINT would be sent again and again.
void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc) PaintContent(window, dc);
    EndPaint(window, &paint);
}

// The window drawn into a DC its caller owns (a picture of the window).
void OnPrintClient(HWND window, HDC dc) {
    if (dc) PaintContent(window, dc);
}

void OnEscape(HWND window) {
    // A view window's parent is the MDI client.
    if (ConfirmClose(window))
        SendMessageA(GetParent(window), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
}

// Enter and Escape as dialog navigation sends them to the view: a command
// IDOK or IDCANCEL from no control. True when the command was one of them.
bool OnNavigationKey(HWND window, WPARAM wparam, LPARAM lparam) {
    if (HIWORD(wparam) != 0 || lparam != 0) return false;
    if (LOWORD(wparam) == IDCANCEL) {
        OnEscape(window);
        return true;
    }
    if (LOWORD(wparam) != IDOK) return false;
    HWND focus = GetFocus();
    CView* view = FindView(window);
    if (view && focus && IsChild(window, focus)) view->OnEnter(focus);
    return true;
}

// A moved view takes no pixels along: its old place may hold what other
// windows drew or a caption painted there, and an erase done there before
// the move is not done again. So it is drawn anew, frame and controls too.
void OnMoved(HWND window, const WINDOWPOS& position) {
    if (position.flags & SWP_NOMOVE) return;
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// Hands a message on to the procedure the control had before it was
// subclassed, and puts that procedure back as the control goes.
LRESULT CallSavedProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto saved = reinterpret_cast<WNDPROC>(GetPropW(window, kSavedProcProperty));
    if (!saved) return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
        RemovePropW(window, kSavedProcProperty);
    }
    return CallWindowProcW(saved, window, message, wparam, lparam);
}

void OnDestroy(HWND window) {
    CView* view = CreatorOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);  // the view is deleted below
    if (!view || !view->owner) return;
    CViewList* list = view->owner;
    // A window whose view never reached the list was not counted either.
    if (list->Remove(window)) --list->windowCount;
}

}  // namespace

bool ConfirmClose(HWND owner) {
    return MessageBoxOver(owner, "\n終了しますか？\n\n", "EXIT?", MB_ICONQUESTION | MB_OKCANCEL) !=
           IDCANCEL;
}

LRESULT CALLBACK ChildWndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE:
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_PRINTCLIENT:
        OnPrintClient(window, reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_COMMAND:
        if (OnNavigationKey(window, wparam, lparam)) return 0;
        if (CView* view = FindView(window)) view->OnCommand(message, wparam, lparam);
        return 0;
    case WM_NOTIFY:
        if (CView* view = FindView(window)) return view->OnNotify(wparam, lparam);
        return 0;
    case WM_KEYDOWN:
        if (wparam == VK_ESCAPE) {
            OnEscape(window);
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGED:
        OnMoved(window, *reinterpret_cast<const WINDOWPOS*>(lparam));
        break;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    default:
        break;
    }
    return DefMDIChildProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK EscapeToParentProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_KEYDOWN && wparam == VK_ESCAPE) {
        SendMessageW(GetParent(window), message, wparam, lparam);
        return 0;
    }
    return TabMovesFocusProc(window, message, wparam, lparam);
}

LRESULT CALLBACK TabMovesFocusProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const LRESULT result = CallSavedProc(window, message, wparam, lparam);
    if (message != WM_GETDLGCODE) return result;
    // Rich-edit fields ask for Tab (and a multi-line one for every key):
    // the Tab key is left to dialog navigation, so it never types a TAB.
    const MSG* key = reinterpret_cast<const MSG*>(lparam);
    const bool tab = key && key->message == WM_KEYDOWN && key->wParam == VK_TAB;
    return result & ~(tab ? DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE : DLGC_WANTTAB);
}

void SubclassControl(HWND control, WNDPROC procedure) {
    // The property first: the new procedure hands it every message it does
    // not handle itself, from the first one on. A second subclassing keeps
    // the control's own procedure.
    if (!GetPropW(control, kSavedProcProperty)) {
        auto own = reinterpret_cast<HANDLE>(GetWindowLongPtrW(control, GWLP_WNDPROC));
        SetPropW(control, kSavedProcProperty, own);
    }
    // The W forms keep the control a Unicode window: an A form would make
    // it one of the system's code page, which cannot hold Japanese text.
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

}  // namespace hoshikura
