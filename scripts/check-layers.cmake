# Reads every #include "..." of the tree under ROOT and fails, naming the file
# and the line, when an include points upwards. The rooms, bottom to top:
#   resources/  the ground: includes only itself; anyone may include it
#   core/       only core/ (and the ground)
#   ui/         core/, ui/
#   windows/W/  core/, ui/ and windows/W/ itself, never another window
#   shell/      anything but tests/ and bench/ (main.cpp likewise)
# tests/ and bench/ may include anything.
#
#   cmake -DROOT=<tree> -P check-layers.cmake

if(NOT ROOT)
  message(FATAL_ERROR "check-layers: pass -DROOT=<tree>")
endif()

file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/*.h" "${ROOT}/*.cpp")

# The room of a path: its first folder, or windows/W for a window.
function(room_of path out)
  string(REGEX MATCH "^windows/[^/]+" window "${path}")
  if(window)
    set(${out} "${window}" PARENT_SCOPE)
    return()
  endif()
  string(REGEX MATCH "^[^/]+/" first "${path}")
  if(first)
    string(REGEX REPLACE "/$" "" first "${first}")
    set(${out} "${first}" PARENT_SCOPE)
  else()
    set(${out} "root" PARENT_SCOPE)
  endif()
endfunction()

# Whether room `from` may include a file in room `to`.
function(allowed from to out)
  set(ok FALSE)
  if(from STREQUAL "tests" OR from STREQUAL "bench")
    set(ok TRUE)
  elseif(to STREQUAL "resources" OR to STREQUAL from)
    set(ok TRUE)
  elseif(from STREQUAL "resources" OR from STREQUAL "core")
    set(ok FALSE)
  elseif(from STREQUAL "ui")
    if(to STREQUAL "core")
      set(ok TRUE)
    endif()
  elseif(from MATCHES "^windows/")
    if(to STREQUAL "core" OR to STREQUAL "ui")
      set(ok TRUE)
    endif()
  elseif(from STREQUAL "shell" OR from STREQUAL "root")
    if(NOT to STREQUAL "tests" AND NOT to STREQUAL "bench")
      set(ok TRUE)
    endif()
  endif()
  set(${out} ${ok} PARENT_SCOPE)
endfunction()

set(faults 0)
foreach(source IN LISTS sources)
  if(source MATCHES "^build")
    continue()
  endif()
  room_of("${source}" from)
  if(from STREQUAL "tests" OR from STREQUAL "bench")
    continue()
  endif()
  # One list element per line: characters that a CMake list would read
  # specially are taken out first.
  file(READ "${ROOT}/${source}" text)
  string(REGEX REPLACE "[][;\\]" "_" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
      continue()
    endif()
    set(target "${CMAKE_MATCH_1}")
    room_of("${target}" to)
    allowed("${from}" "${to}" ok)
    if(NOT ok)
      message("${source}:${number}: includes ${target} (${from}/ may not include ${to}/)")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()

if(faults GREATER 0)
  message(FATAL_ERROR "check-layers: ${faults} include(s) point upwards")
endif()
message("check-layers: every include points downwards")
