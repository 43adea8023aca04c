// The program's texts as Windows holds them, read back as UTF-16 and
// written as UTF-8 to a file of the run's code page: the captions, the
// menus, every control of every view and input dialog (list rows, tabs and
// table headings included) and a message box. The test run under code page
// 1252 writes it beside the one of 932, and tests/wine/same_under_code_pages.sh
// requires the two (and the pictures of both runs) to be equal: a text that
// went through the system's code page anywhere differs.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <string>
#include <vector>

#include "app_state.h"
#include "child_window.h"
#include "gui_fixture.h"
#include "view_list.h"
#include "wide_text.h"

namespace hoshikura {
namespace {

class CodePageTest : public test::ViewTest {};

std::string Utf8(const std::wstring& wide) {
    const int units = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, &text[0], length, nullptr, nullptr);
    return text;
}

// The lines written, each under what it is the text of.
class CTexts {
public:
    void Add(const std::string& where, const std::wstring& text) { lines_ += where + "\t" + Utf8(text) + "\n"; }
    const std::string& Lines() const { return lines_; }

    void AddMenu(HMENU menu, const std::string& where) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[256] = L"";
            GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
            const std::string item = where + "/" + std::to_string(i);
            Add(item, text);
            if (HMENU submenu = GetSubMenu(menu, i)) AddMenu(submenu, item);
        }
    }

    // The window's text and every child's, with the rows, tabs and
    // headings of lists, tab controls and list views.
    void AddWindow(HWND window, const std::string& where) {
        Add(where, WindowText(window));
        std::vector<HWND> children;
        EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&children));
        for (std::size_t i = 0; i < children.size(); ++i) AddControl(children[i], where + "/" + std::to_string(i));
    }

private:
    static BOOL CALLBACK AddChild(HWND child, LPARAM children) {
        reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
        return TRUE;
    }

    void AddControl(HWND control, const std::string& where) {
        wchar_t name[32] = L"";
        GetClassNameW(control, name, 32);
        Add(where + " " + Utf8(name), WindowText(control));
        const std::wstring className = name;
        if (className == L"ListBox") {
            const int rows = static_cast<int>(SendMessageW(control, LB_GETCOUNT, 0, 0));
            for (int row = 0; row < rows; ++row) Add(where + " row", Wide(test::ListRow(control, row).c_str()));
        } else if (className == WC_TABCONTROLW) {
            AddItems<TCITEMW>(control, TCM_GETITEMCOUNT, TCM_GETITEMW, TCIF_TEXT, where + " tab");
        } else if (className == WC_HEADERW) {
            AddItems<HDITEMW>(control, HDM_GETITEMCOUNT, HDM_GETITEMW, HDI_TEXT, where + " heading");
        }
    }

    // The texts of a control's items (tabs, headings).
    template <typename Item>
    void AddItems(HWND control, UINT countMessage, UINT getMessage, UINT textMask, const std::string& where) {
        const int count = static_cast<int>(SendMessageW(control, countMessage, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[64] = L"";
            Item item = {};
            item.mask = textMask;
            item.pszText = text;
            item.cchTextMax = 64;
            SendMessageW(control, getMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            Add(where, text);
        }
    }

    std::string lines_;
};

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST_F(CodePageTest, EveryTextAsWindowsHoldsItIsWrittenForTheCodePage) {
    CTexts texts;
    texts.AddWindow(App().frame, "frame");
    for (const wchar_t* name : {L"DLGBOX1", L"DLGBOX2", L"DLGBOX3", L"DLGBOX4", L"DLGBOX5", L"DLGBOX6"}) {
        HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), name, App().frame, InertDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        texts.AddWindow(dialog, Utf8(name));
        DestroyWindow(dialog);
    }
    for (const test::ViewRequest& request : test::kEveryViewRequest) {
        ASSERT_TRUE(test::OpenRequested(request));
        texts.AddWindow(NewestView()->window, "view " + std::to_string(request.kind));
        test::CloseAllViews();
    }
    // The window menu lists the open views by their titles (a few: with
    // more it adds an entry of the system's own words).
    ASSERT_TRUE(test::OpenRequested(test::kEveryViewRequest[0]));
    ASSERT_TRUE(test::OpenRequested({kRankView}));
    SendMessageW(App().frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(App().frame), 2)), 2);
    texts.AddMenu(GetMenu(App().frame), "menu");
    std::wstring asked;
    test::AnswerNextMessageBox(IDCANCEL, nullptr, &asked);
    ConfirmClose(App().frame);
    texts.Add("message box", asked);

    // Under code page 932 the texts are the program's own.
    if (GetACP() == kProgramCodePage) {
        for (const char* own : {"姓名を入力してください。", "人格", "良名検索", "最近占った人", "Best10 && Worst10", "終了しますか"})
            EXPECT_NE(texts.Lines().find(Utf8(Wide(own))), std::string::npos) << own;
    }
    std::ofstream(test::ArtefactPath("texts.txt"), std::ios::binary) << texts.Lines();
}

}  // namespace
}  // namespace hoshikura
