// The open views in the order they were opened, and the flags that keep the
// ranking, version and features views to one window each.
#pragma once

#include <windows.h>

#include <cstdint>

namespace hoshikura {

class CView;

class CViewList {
public:
    CViewList() = default;
    ~CViewList();
    CViewList(const CViewList&) = delete;
    CViewList& operator=(const CViewList&) = delete;

    void Append(CView* view);
    CView* Find(HWND window) const;
    // Unlinks the view of the window and deletes it; false when none is listed.
    bool Remove(HWND window);
    // Deletes a view (listed or not) and clears what its kind held here.
    void Delete(CView* view);
    int Count() const;

    CView* head = nullptr;
    int32_t rankingOpen = 0;
    HWND rankingWindow = nullptr;
    int32_t versionOpen = 0;
    int32_t featuresOpen = 0;
};

}  // namespace hoshikura
