# Installs the built program into a scratch DESTDIR and checks the tree a
# desktop expects: the binary, the desktop entry, the icon its Icon= names in
# the hicolor theme (48 x 48, 256 x 256 and scalable), the AppStream metainfo,
# and what Debian asks for: the copyright, the changelog and the manual page.
# With VALIDATE set it runs desktop-file-validate and appstreamcli on the
# installed files instead, and reports a skip when neither is installed.
#
#   cmake -DBUILD=<build tree> -DDEST=<scratch dir> [-DVALIDATE=ON] -P check-install.cmake

file(REMOVE_RECURSE "${DEST}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DEST}
                        ${CMAKE_COMMAND} --install "${BUILD}" --prefix /usr
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install into ${DEST} failed (${status})")
endif()

set(app_id org.dorvane.Dorvane)
set(desktop "${DEST}/usr/share/applications/${app_id}.desktop")
set(metainfo "${DEST}/usr/share/metainfo/${app_id}.metainfo.xml")
set(doc "${DEST}/usr/share/doc/dorvane")
foreach(path "${DEST}/usr/bin/dorvane" "${desktop}" "${metainfo}" "${doc}/copyright"
             "${doc}/changelog.gz" "${DEST}/usr/share/man/man1/dorvane.1.gz")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "missing from the install tree: ${path}")
  endif()
endforeach()

# A menu shows the icon the entry names: Icon= is a name looked up in the
# theme (not a path, no extension), and the theme holds it at every size a
# menu asks for.
file(STRINGS "${desktop}" icon_lines REGEX "^Icon=")
list(LENGTH icon_lines icon_count)
if(NOT icon_count EQUAL 1)
  message(FATAL_ERROR "${desktop} has ${icon_count} Icon= lines")
endif()
string(REGEX REPLACE "^Icon=" "" icon "${icon_lines}")
if(icon STREQUAL "" OR icon MATCHES "/|\\.(png|svg|xpm)$")
  message(FATAL_ERROR "Icon=${icon} is not a theme icon name")
endif()
set(hicolor "${DEST}/usr/share/icons/hicolor")
foreach(path "48x48/apps/${icon}.png" "256x256/apps/${icon}.png" "scalable/apps/${icon}.svg")
  if(NOT EXISTS "${hicolor}/${path}")
    message(FATAL_ERROR "Icon=${icon}, but the theme has no ${hicolor}/${path}")
  endif()
endforeach()
file(GLOB_RECURSE strays RELATIVE "${hicolor}" "${hicolor}/*")
foreach(stray ${strays})
  if(NOT stray MATCHES "/${icon}\\.(png|svg)$")
    message(FATAL_ERROR "an icon no entry names: ${hicolor}/${stray}")
  endif()
endforeach()

if(NOT VALIDATE)
  message("install tree complete")
  return()
endif()

find_program(desktop_validate desktop-file-validate)
find_program(appstream appstreamcli)
if(NOT desktop_validate AND NOT appstream)
  message("SKIPPED: neither desktop-file-validate nor appstreamcli is installed"
          " (scripts/install-deps --check installs them)")
  return()
endif()
if(desktop_validate)
  # Hints count too: a second main category lists the program twice.
  execute_process(COMMAND ${desktop_validate} "${desktop}" RESULT_VARIABLE status
                  OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(NOT status EQUAL 0 OR NOT said STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate on ${desktop}:\n${said}")
  endif()
endif()
if(appstream)
  execute_process(COMMAND ${appstream} validate --no-net "${metainfo}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli refuses ${metainfo}")
  endif()
endif()
message("installed desktop entry and metainfo are valid")
