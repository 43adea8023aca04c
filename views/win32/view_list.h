// The open views in the order they were opened, the flags that keep the
// ranking, version, features and comparison views to one window each, and what the
// program that opens the views lends every one of them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "view.h"

namespace hoshikura {

class CDrawContext;

// Given by the program to every listed view: the module and the MDI client
// its window belongs to, and the requests that open other views (the views
// never call the program by name).
struct CViewHost {
    HINSTANCE instance = nullptr;
    HWND client = nullptr;
    // Opens the explanation or a method view (kinds 1 to 5) of a person.
    bool (*openPersonView)(ViewKind kind, const char* surname, const char* givenName) = nullptr;
    // Judges a typed full name as the full-name dialog does; true when opened.
    bool (*judgeFullName)(const char* line) = nullptr;
    // Puts a person on the candidate list, or says why not.
    void (*addCandidate)(const char* surname, const char* givenName) = nullptr;
    // Takes the candidates at these positions (highest first) off the list.
    void (*removeCandidates)(const std::vector<int>& entries) = nullptr;
};

// How a control of a view looks: as it would in the fonts of a Japanese
// Windows, the system font (push buttons, list boxes, tabs) or the dialog
// font (list views).
enum class ControlLook { kSystemFont, kDialogFont };

class CViewList {
public:
    CViewList();
    ~CViewList();
    CViewList(const CViewList&) = delete;
    CViewList& operator=(const CViewList&) = delete;

    void Append(CView* view);
    CView* Find(HWND window) const;
    // The font of the views' controls of a look, made with the list and
    // deleted with it. Japanese faces named outright: the system's own fonts
    // have no Japanese on a Windows not set to Japanese.
    HFONT ControlFont(ControlLook look) const { return controlFonts_[static_cast<int>(look)]; }
    // Unlinks the view of the window and deletes it; false when none is listed.
    bool Remove(HWND window);
    // Deletes a view (listed or not) and clears what its kind held here.
    void Delete(CView* view);
    // Clears the ranking and version windows when they are this one.
    void ForgetWindow(HWND window);

    CViewHost host;
    int32_t windowCount = 0;  // open view windows: the cascade position of the next
    CView* head = nullptr;
    int32_t rankingOpen = 0;
    HWND rankingWindow = nullptr;
    int32_t versionOpen = 0;
    // The newest version view's window: the start-up splash closes it.
    HWND versionWindow = nullptr;
    int32_t featuresOpen = 0;
    int32_t comparisonOpen = 0;

private:
    HFONT controlFonts_[2] = {};
};

}  // namespace hoshikura
