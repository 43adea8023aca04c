// The help viewer's library is found and loaded at run time, so the program
// starts and runs without it; every help call then does nothing.
#pragma once

#include <windows.h>

#include <htmlhelp.h>

namespace hoshikura {

// HtmlHelpW with these arguments, or 0 when the library or its entry point
// is unavailable (then silently, for the rest of the run).
HWND CallHtmlHelp(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data);

// Where the registry says the help control is installed, expanded and
// terminated; false when the key or a string value is missing.
bool HelpControlPath(wchar_t* path, DWORD capacity);

}  // namespace hoshikura
