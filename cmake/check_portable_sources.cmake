# cmake -DROOT=<source tree> -P check_portable_sources.cmake
# Fails when a portable source includes a Windows header. Windows code sits in
# a win32/ folder of its subsystem or, in the command-line tool, in a file
# named *_win32.*; everything else is portable.
set(windows_header
    "#[ \t]*include[ \t]*<(windows|win[a-z0-9]+|commctrl|commdlg|richedit|htmlhelp|shellapi|shlobj|shlwapi|objbase)\\.h>")
file(GLOB_RECURSE sources RELATIVE "${ROOT}"
     "${ROOT}/engine/*" "${ROOT}/search/*" "${ROOT}/shell/*" "${ROOT}/views/*" "${ROOT}/cli/*")
set(offenders "")
foreach(source IN LISTS sources)
  if(source MATCHES "/win32/" OR source MATCHES "_win32\\.[a-z]+$" OR NOT source MATCHES "\\.(h|cpp)$")
    continue()
  endif()
  file(STRINGS "${ROOT}/${source}" includes REGEX "${windows_header}")
  if(includes)
    list(APPEND offenders "${source}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " shown)
  message(FATAL_ERROR "Portable sources that include a Windows header:\n  ${shown}")
endif()
