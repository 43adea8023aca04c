#include "help_loader.h"

#include <cwchar>

namespace hoshikura {

namespace {

constexpr wchar_t kHelpControlKey[] =
    L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr wchar_t kHelpLibraryName[] = L"hhctrl.ocx";
constexpr WORD kHtmlHelpOrdinal = 15;  // the export HtmlHelpW
constexpr DWORD kPathSize = MAX_PATH;

using HtmlHelpEntry = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

struct CHelpLoader {
    HMODULE library = nullptr;
    bool failed = false;
    HtmlHelpEntry entry = nullptr;
};

CHelpLoader& Loader() {
    static CHelpLoader loader;
    return loader;
}

HMODULE LoadHelpLibrary() {
    wchar_t path[kPathSize];
    HMODULE library = nullptr;
    if (HelpControlPath(path, kPathSize)) library = LoadLibraryW(path);
    if (!library) library = LoadLibraryW(kHelpLibraryName);
    return library;
}

}  // namespace

bool HelpControlPath(wchar_t* path, DWORD capacity) {
    if (!path || capacity < 2) return false;
    HKEY key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kHelpControlKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    wchar_t raw[kPathSize];
    DWORD type = 0;
    DWORD size = sizeof raw - sizeof raw[0];  // room for a terminator the value may lack
    LONG result = RegQueryValueExW(key, nullptr, nullptr, &type,
                                   reinterpret_cast<BYTE*>(raw), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    raw[size / sizeof raw[0]] = L'\0';
    if (raw[0] == L'\0') return false;
    if (type == REG_SZ) {
        if (std::wcslen(raw) >= capacity) return false;
        std::wcscpy(path, raw);
        return true;
    }
    DWORD needed = ExpandEnvironmentStringsW(raw, path, capacity);
    return needed != 0 && needed <= capacity;
}

HWND CallHtmlHelp(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data) {
    CHelpLoader& loader = Loader();
    if (loader.failed) return nullptr;
    if (!loader.library) loader.library = LoadHelpLibrary();
    if (!loader.library) {
        loader.failed = true;
        return nullptr;
    }
    if (!loader.entry) {
        FARPROC address = GetProcAddress(loader.library, MAKEINTRESOURCEA(kHtmlHelpOrdinal));
        loader.entry = reinterpret_cast<HtmlHelpEntry>(reinterpret_cast<void*>(address));
    }
    if (!loader.entry) {
        loader.failed = true;
        return nullptr;
    }
    return loader.entry(caller, file, command, data);
}

}  // namespace hoshikura
