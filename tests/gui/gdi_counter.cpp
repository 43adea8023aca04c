// Counts the pens, brushes and fonts this program creates and deletes, by
// redirecting its own imports of those GDI calls while a counter lives.
#include "gui_fixture.h"

#include <windows.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "wide_text.h"

namespace hoshikura {
namespace test {

namespace {

std::set<HGDIOBJ> g_alive;
int g_created = 0;

HGDIOBJ Track(HGDIOBJ object) {
    if (object && g_alive.insert(object).second) ++g_created;
    return object;
}

decltype(&CreatePen) g_createPen = nullptr;
decltype(&CreateSolidBrush) g_createSolidBrush = nullptr;
decltype(&CreateFontIndirectW) g_createFontIndirect = nullptr;
decltype(&DeleteObject) g_deleteObject = nullptr;

HPEN WINAPI CountedCreatePen(int style, int width, COLORREF colour) {
    return static_cast<HPEN>(Track(g_createPen(style, width, colour)));
}
HBRUSH WINAPI CountedCreateSolidBrush(COLORREF colour) {
    return static_cast<HBRUSH>(Track(g_createSolidBrush(colour)));
}
HFONT WINAPI CountedCreateFontIndirect(const LOGFONTW* font) {
    return static_cast<HFONT>(Track(g_createFontIndirect(font)));
}
BOOL WINAPI CountedDeleteObject(HGDIOBJ object) {
    g_alive.erase(object);
    return g_deleteObject(object);
}

// Replaces the import address of `name` from gdi32 in this module.
template <typename Function>
bool Patch(const char* name, Function replacement, Function* original) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
    for (; import->Name; ++import) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + import->Name), "gdi32.dll") != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
        auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++addresses) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), name) != 0) continue;
            DWORD old;
            VirtualProtect(&addresses->u1.Function, sizeof addresses->u1.Function, PAGE_READWRITE,
                           &old);
            if (original) *original = reinterpret_cast<Function>(addresses->u1.Function);
            addresses->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&addresses->u1.Function, sizeof addresses->u1.Function, old, &old);
            return true;
        }
    }
    return false;
}

}  // namespace

CGdiCounter::CGdiCounter() {
    g_alive.clear();
    g_created = 0;
    installed_ = Patch("CreatePen", &CountedCreatePen, &g_createPen) &&
                 Patch("CreateSolidBrush", &CountedCreateSolidBrush, &g_createSolidBrush) &&
                 Patch("CreateFontIndirectW", &CountedCreateFontIndirect, &g_createFontIndirect) &&
                 Patch("DeleteObject", &CountedDeleteObject, &g_deleteObject);
}

// Puts the saved addresses back; nothing is saved again.
CGdiCounter::~CGdiCounter() {
    if (g_createPen) Patch("CreatePen", g_createPen, {});
    if (g_createSolidBrush) Patch("CreateSolidBrush", g_createSolidBrush, {});
    if (g_createFontIndirect) Patch("CreateFontIndirectW", g_createFontIndirect, {});
    if (g_deleteObject) Patch("DeleteObject", g_deleteObject, {});
}

int CGdiCounter::Created() const { return g_created; }
int CGdiCounter::Alive() const { return static_cast<int>(g_alive.size()); }

namespace {

std::vector<std::string>* g_drawn = nullptr;
std::vector<int>* g_rightEdges = nullptr;
std::vector<int>* g_bottomEdges = nullptr;
decltype(&ExtTextOutW) g_extTextOut = nullptr;

// The text as CP932 and where its extent ends on the right and below, drawn
// left-aligned from x with its top at y.
void Record(HDC dc, int x, int y, LPCWSTR text, int length) {
    if (!g_drawn || !text || length <= 0) return;
    g_drawn->push_back(Narrow(std::wstring(text, static_cast<size_t>(length))));
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text, length, &extent);
    g_rightEdges->push_back(x + extent.cx);
    g_bottomEdges->push_back(y + extent.cy);
}

BOOL WINAPI RecordedExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text,
                               UINT length, const INT* dx) {
    Record(dc, x, y, text, static_cast<int>(length));
    return g_extTextOut(dc, x, y, options, rect, text, length, dx);
}

}  // namespace

CDrawnText::CDrawnText() : installed_(false) {
    // One at a time: a second would take the first's redirection for the
    // original call and call itself.
    if (g_drawn) return;
    g_drawn = &texts_;
    g_rightEdges = &rightEdges_;
    g_bottomEdges = &bottomEdges_;
    installed_ = Patch("ExtTextOutW", &RecordedExtTextOut, &g_extTextOut);
}

CDrawnText::~CDrawnText() {
    if (g_drawn != &texts_) return;
    if (g_extTextOut) Patch("ExtTextOutW", g_extTextOut, {});
    g_drawn = nullptr;
    g_rightEdges = nullptr;
}

std::string CDrawnText::Lines() const {
    std::string lines;
    for (const std::string& drawn : texts_) lines += drawn + "\n";
    return lines;
}

}  // namespace test
}  // namespace hoshikura
