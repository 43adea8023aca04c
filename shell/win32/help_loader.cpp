#include "help_loader.h"

#include "sjis_text.h"

namespace hoshikura {

namespace {

constexpr char kHelpControlKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kHelpLibraryName[] = "hhctrl.ocx";
constexpr WORD kHtmlHelpOrdinal = 14;  // the export HtmlHelpA
constexpr DWORD kPathSize = MAX_PATH;

using HtmlHelpEntry = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

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
    char path[kPathSize];
    HMODULE library = nullptr;
    if (HelpControlPath(path, sizeof path)) library = LoadLibraryA(path);
    if (!library) library = LoadLibraryA(kHelpLibraryName);
    return library;
}

}  // namespace

bool HelpControlPath(char* path, DWORD capacity) {
    if (!path || capacity < 2) return false;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kHelpControlKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char raw[kPathSize];
    DWORD type = 0;
    DWORD size = sizeof raw - 1;  // room for a terminator the value may lack
    LONG result = RegQueryValueExA(key, nullptr, nullptr, &type,
                                   reinterpret_cast<BYTE*>(raw), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    raw[size < sizeof raw ? size : sizeof raw - 1] = '\0';
    if (raw[0] == '\0') return false;
    if (type == REG_SZ) {
        CopyText(path, capacity, raw);
        return true;
    }
    DWORD needed = ExpandEnvironmentStringsA(raw, path, capacity);
    return needed != 0 && needed <= capacity;
}

HWND CallHtmlHelp(HWND caller, const char* file, UINT command, DWORD_PTR data) {
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
