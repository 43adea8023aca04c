// The program's frame for tests: created hidden once per test process, with
// a recording message sink so no message box waits for a click; a fixture
// that starts each view test with no view open; the tools the tests look
// with (GDI counter, canvas, screen pictures).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "program_process.h"
#include "view.h"

namespace hoshikura {
namespace test {

// Creates the hidden frame (classes, objects, client, splash) if needed.
HWND EnsureFrame();
// Destroys the frame and with it every view and application object.
void DestroyFrame();
// A visible window of this program of the dialog class (a dialog or a
// message box) other than `other`, or null.
HWND FindDialog(HWND other = nullptr);
// A key as keyboard input, with a modifier (Shift, Ctrl) held when given:
// it goes to the window with the focus, not to a chosen one.
void TypeKey(BYTE key, BYTE modifier = 0);
// The controls Tab stops at in `window` (a dialog or a view), in the order
// the window holds them.
std::vector<HWND> TabStops(HWND window);
// Pumps for about `milliseconds` as the program's loop does, so timers fire.
void PumpFor(DWORD milliseconds);
// Handles messages until `done` holds, at most `milliseconds`; whether it held.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds);
// Closes every open view window.
void CloseAllViews();
// Number of open view windows (MDI children), and of listed views of one
// kind (-1: of any kind).
int ViewCount();
int ViewCountOfKind(int kind);

// Removes the stored lists from the user's registry, as before a first run.
void ForgetStoredLists();
// Shows ShowMessage's texts in real message boxes, as the program does,
// until RecordMessages binds the recorder again.
void ShowMessageBoxes();
void RecordMessages();
// The texts ShowMessage was asked to show since the last call.
std::vector<std::string> TakeMessages();

// Texts as the program wrote them: read from Windows as UTF-16 and turned
// into CP932, so they compare with the program's own text whatever the
// system's code page. A window's or control's text, a list box row, a menu
// item (MF_BYPOSITION or MF_BYCOMMAND).
std::string TextOf(HWND window);
std::string ListRow(HWND list, int row);
std::string MenuText(HMENU menu, UINT item, UINT flags);

// Text of a message box (its static control 0xFFFF), as CP932 and whole.
std::string MessageBoxText(HWND box);
std::wstring MessageBoxWideText(HWND box);
// Answers the next message box of this thread with `button` (IDOK,
// IDCANCEL) as soon as it appears; returns its text through `text` (and
// `wide`, whole as UTF-16).
void AnswerNextMessageBox(int button, std::string* text = nullptr, std::wstring* wide = nullptr);

// Chooses a sex item of the menu "名前検索" as a click on it does.
void ChooseSex(int command);
// The command of the sex item that bears the radio mark, or 0 unless
// exactly one of the three does, drawn as a radio mark.
int MarkedSexItem();

// The folder of the test program, and the one above it where the build
// leaves the program.
std::string TestFolder();
std::string ProgramFolder();
// Where screenshots and other artefacts go (created on demand): under a
// code page other than 932, in a folder of its own, "cp1252" say.
std::string ArtefactPath(const char* fileName);

// Each test starts and ends with no view open, empty best and worst lists,
// the cascade counter at zero and no message waiting.
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    // The view opened last (the tail of the list), or null.
    static CView* NewestView();
    // Opens a view as its menu, dialog or button asks; the new view, or
    // null when none of that kind opened.
    static CView* Open(const struct ViewRequest& request);
};

// A view as a test asks for it: persons by surname and given name,
// searches by surname and query (reading, kanji or given name; good
// results), single views by kind alone.
struct ViewRequest {
    int kind;
    const char* surname = "";
    const char* query = "";
};
extern const ViewRequest kEveryViewRequest[15];

// Opens the request through the typed request of its family; true when a
// window opened.
bool OpenRequested(const ViewRequest& request);

// Shows the frame for screenshots while it lives; hidden again after.
class CShownFrame {
public:
    CShownFrame();
    ~CShownFrame();
    CShownFrame(const CShownFrame&) = delete;
    CShownFrame& operator=(const CShownFrame&) = delete;
    // Brings the frame forward, lets the messages settle and saves `window`
    // as the screen shows it, as an artefact.
    bool Snap(HWND window, const std::string& fileName) const;

private:
    HWND frame_;
};

// Counts the pens, brushes and fonts this program creates and deletes, by
// redirecting its own imports of those GDI calls while a counter lives.
class CGdiCounter {
public:
    CGdiCounter();   // starts counting from zero
    ~CGdiCounter();  // restores the imports
    CGdiCounter(const CGdiCounter&) = delete;
    CGdiCounter& operator=(const CGdiCounter&) = delete;

    bool Installed() const { return installed_; }
    int Created() const;
    // Objects created while counting and not yet deleted.
    int Alive() const;

private:
    bool installed_;
};

// Records every text this program draws with ExtTextOutW (as CP932), by
// redirecting its own import of it while it lives.
class CDrawnText {
public:
    CDrawnText();
    ~CDrawnText();
    CDrawnText(const CDrawnText&) = delete;
    CDrawnText& operator=(const CDrawnText&) = delete;
    bool Installed() const { return installed_; }
    // Every drawn call's text, one a line.
    std::string Lines() const;
    // Each drawn call's text, and where its extent in the font it was drawn
    // with ends on the right and below.
    const std::vector<std::string>& Texts() const { return texts_; }
    const std::vector<int>& RightEdges() const { return rightEdges_; }
    const std::vector<int>& BottomEdges() const { return bottomEdges_; }

private:
    std::vector<std::string> texts_;
    std::vector<int> rightEdges_;
    std::vector<int> bottomEdges_;
    bool installed_;
};

// Pictures: an off-screen 24-bit canvas with a memory DC, white on
// creation, for what a test draws.
class CCanvas {
public:
    CCanvas(int width, int height);
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;
    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF Pixel(int x, int y) const;
    std::vector<COLORREF> Pixels() const;  // row by row
    bool SavePng(const std::string& path) const;

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint8_t* bits_ = nullptr;  // top-down BGR rows, 4-byte aligned
};

// Pixels of one colour over an area of a canvas.
int CountColour(const CCanvas& canvas, const RECT& area, COLORREF colour);

// The window's screen area (frame, menu, children) as the screen holds it,
// and the same saved as a PNG file.
std::vector<COLORREF> ScreenPixels(HWND window);
bool SaveWindowPng(HWND window, const std::string& path);

}  // namespace test
}  // namespace hoshikura
