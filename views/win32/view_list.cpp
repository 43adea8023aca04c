#include "view_list.h"

#include "app_state.h"
#include "view.h"

namespace hoshikura {

CViewList::~CViewList() {
    // Views normally leave with their windows; any left are freed here.
    while (head) {
        CView* view = head;
        head = view->next;
        Delete(view);
    }
}

void CViewList::Append(CView* view) {
    if (!view) return;
    view->next = nullptr;
    CView** link = &head;
    while (*link) link = &(*link)->next;
    *link = view;
}

CView* CViewList::Find(HWND window) const {
    for (CView* view = head; view; view = view->next) {
        if (view->window == window) return view;
    }
    return nullptr;
}

bool CViewList::Remove(HWND window) {
    for (CView** link = &head; *link; link = &(*link)->next) {
        CView* view = *link;
        if (view->window != window) continue;
        *link = view->next;
        Delete(view);
        return true;
    }
    return false;
}

void CViewList::Delete(CView* view) {
    if (!view) return;
    switch (view->kind) {
    case kRankView:
        rankingOpen = 0;
        rankingWindow = nullptr;
        break;
    case kVersionView:
        versionOpen = 0;
        // The splash timer must not later destroy a window that is gone
        // (or a new window that happens to reuse the handle).
        if (App().splashWindow == view->window) App().splashWindow = nullptr;
        break;
    case kFeaturesView:
        featuresOpen = 0;
        break;
    default:
        break;
    }
    delete view;
}

int CViewList::Count() const {
    int count = 0;
    for (CView* view = head; view; view = view->next) ++count;
    return count;
}

}  // namespace hoshikura
