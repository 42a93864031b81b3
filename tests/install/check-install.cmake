# Installs the built program into a scratch DESTDIR and checks the tree a
# desktop expects: the binary, the desktop entry, the hicolor icon and the
# AppStream metainfo. With VALIDATE set it runs desktop-file-validate and
# appstreamcli on the installed files instead, and reports a skip when
# neither validator is installed.
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
foreach(path "${DEST}/usr/bin/dorvane" "${desktop}" "${metainfo}"
             "${DEST}/usr/share/icons/hicolor/256x256/apps/${app_id}.png")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "missing from the install tree: ${path}")
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
          " (apt-get install desktop-file-utils appstream)")
  return()
endif()
if(desktop_validate)
  execute_process(COMMAND ${desktop_validate} "${desktop}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate refuses ${desktop}")
  endif()
endif()
if(appstream)
  execute_process(COMMAND ${appstream} validate --no-net "${metainfo}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli refuses ${metainfo}")
  endif()
endif()
message("installed desktop entry and metainfo are valid")
