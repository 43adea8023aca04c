# cmake -DROOT=<source tree> -P check_include_direction.cmake
# Fails when a file includes a header of a subsystem above its own, or when a
# portable file includes a header from a win32/ folder. From the bottom up:
# engine, views, search (its result windows are views), shell.
set(layers engine views search shell)
file(GLOB_RECURSE headers RELATIVE "${ROOT}" "${ROOT}/engine/*.h" "${ROOT}/views/*.h"
     "${ROOT}/search/*.h" "${ROOT}/shell/*.h")
foreach(header IN LISTS headers)
  get_filename_component(name "${header}" NAME)
  set("home_${name}" "${header}")
endforeach()
file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/engine/*" "${ROOT}/views/*"
     "${ROOT}/search/*" "${ROOT}/shell/*")
set(offenders "")
foreach(source IN LISTS sources)
  if(NOT source MATCHES "\\.(h|cpp)$")
    continue()
  endif()
  string(REGEX MATCH "^[a-z]+" from "${source}")
  list(FIND layers "${from}" from_rank)
  file(STRINGS "${ROOT}/${source}" includes REGEX "^#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE ".*\"(.*)\".*" "\\1" name "${line}")
    set(target "${home_${name}}")
    if(NOT target)
      continue()  # generated or resource headers
    endif()
    string(REGEX MATCH "^[a-z]+" to "${target}")
    list(FIND layers "${to}" to_rank)
    if(to_rank GREATER from_rank OR (target MATCHES "/win32/" AND NOT source MATCHES "/win32/"))
      list(APPEND offenders "${source} -> ${target}")
    endif()
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " shown)
  message(FATAL_ERROR "Includes against the direction engine <- views <- search <- shell:\n  ${shown}")
endif()
