# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBUILD_DIR=... -DPREFIX=... -DVERSION=... -DDESKTOP_FILE_VALIDATE=...
#       -DAPPSTREAMCLI=... -P CheckInstall.cmake
# Runs "cmake --install" into an empty PREFIX and checks what a Linux desktop
# expects there: the programs and the lower-case link, the desktop entry and
# metainfo (both passing their validators), the licence in the metainfo and
# the copyright file, the icon as SVG and PNG sizes, the manual pages, and
# nothing else. Every fault is listed before failing.
cmake_minimum_required(VERSION 3.25)

set(app_id org.tolvane.Varnock)
set(icon_sizes 16 22 24 32 48 64 128 256 512)
set(faults "")

function(fault message)
  set(faults "${faults}\n  ${message}" PARENT_SCOPE)
endfunction()

function(run_tool output_var)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  set(${output_var} "${result}" "${out}" PARENT_SCOPE)
endfunction()

function(expect_link link target)
  if(NOT IS_SYMLINK "${PREFIX}/${link}")
    fault("${link} is not a symbolic link")
    return()
  endif()
  file(READ_SYMLINK "${PREFIX}/${link}" points_to)
  if(NOT points_to STREQUAL target)
    fault("${link} points to ${points_to}, not ${target}")
  endif()
endfunction()

# Width and height of a PNG file, from its header.
function(png_size file width_var height_var)
  file(READ "${file}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    set(width_hex 0)
    set(height_hex 0)
  endif()
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  set(${width_var} ${width} PARENT_SCOPE)
  set(${height_var} ${height} PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

# Exactly these files and links, nothing stray.
set(expected
  bin/Varnock
  bin/varnock
  bin/varnock-console
  share/applications/${app_id}.desktop
  share/doc/varnock/console-protocol.md
  share/doc/varnock/copyright
  share/icons/hicolor/scalable/apps/${app_id}.svg
  share/man/man1/Varnock.1.gz
  share/man/man1/varnock-console.1.gz
  share/man/man1/varnock.1.gz
  share/metainfo/${app_id}.metainfo.xml
)
foreach(size ${icon_sizes})
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${app_id}.png)
endforeach()
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n    " shown "${installed}")
  fault("the installed files differ from the expected ones:\n    ${shown}")
endif()

# The programs, and "varnock" for typing.
foreach(program Varnock varnock-console)
  execute_process(COMMAND test -x "${PREFIX}/bin/${program}" RESULT_VARIABLE not_executable)
  if(not_executable)
    fault("bin/${program} is not executable")
  endif()
endforeach()
expect_link(bin/varnock Varnock)

# The installed console program calculates.
file(WRITE "${PREFIX}/../console-input.txt" "click 1088\nclick 1091\nclick 1091\nclick 1000\ndump\n")
execute_process(COMMAND "${PREFIX}/bin/varnock-console"
                INPUT_FILE "${PREFIX}/../console-input.txt"
                RESULT_VARIABLE result OUTPUT_VARIABLE console_output)
if(NOT result EQUAL 0 OR NOT console_output MATCHES "box 1007 \"20\"")
  fault("the installed varnock-console did not work out 100 mW in dBm: ${result}\n${console_output}")
endif()

# The installed window program starts and keeps running until it is stopped.
execute_process(COMMAND "${PREFIX}/bin/varnock" TIMEOUT 3
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result MATCHES "timeout")
  fault("the installed Varnock ended at once: ${result}\n${out}")
endif()

# The desktop entry: valid, starting the installed program with the icon.
set(desktop_file "${PREFIX}/share/applications/${app_id}.desktop")
run_tool(validation ${DESKTOP_FILE_VALIDATE} "${desktop_file}")
list(GET validation 0 result)
if(NOT result EQUAL 0 OR validation MATCHES "error|warning")
  fault("desktop-file-validate: ${validation}")
endif()
file(STRINGS "${desktop_file}" exec_line REGEX "^Exec=")
file(STRINGS "${desktop_file}" icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec_program "${exec_line}")
if(NOT EXISTS "${PREFIX}/bin/${exec_program}")
  fault("the desktop entry starts '${exec_program}', which is not installed")
endif()
if(NOT icon_line STREQUAL "Icon=${app_id}")
  fault("the desktop entry names the icon '${icon_line}'")
endif()

# The AppStream metainfo: valid on its own and with the tree around it.
set(metainfo "${PREFIX}/share/metainfo/${app_id}.metainfo.xml")
run_tool(validation ${APPSTREAMCLI} validate --no-net "${metainfo}")
list(GET validation 0 result)
if(NOT result EQUAL 0)
  fault("appstreamcli validate: ${validation}")
endif()
run_tool(validation ${APPSTREAMCLI} validate-tree --no-net "${PREFIX}")
list(GET validation 0 result)
if(NOT result EQUAL 0)
  fault("appstreamcli validate-tree: ${validation}")
endif()
file(READ "${metainfo}" metainfo_text)
if(NOT metainfo_text MATCHES "<release version=\"${VERSION}\"")
  fault("the metainfo has no release ${VERSION}")
endif()
if(NOT metainfo_text MATCHES "<project_license>GPL-3.0-or-later</project_license>")
  fault("the metainfo does not give the licence as GPL-3.0-or-later")
endif()
# The project has no web site or mail address yet: none may be made up.
if(metainfo_text MATCHES "://|@")
  fault("the metainfo names a web or mail address")
endif()

# The copyright file: the licence for every file, and no mail address.
file(READ "${PREFIX}/share/doc/varnock/copyright" copyright_text)
if(NOT copyright_text MATCHES "\nFiles: [*]\nCopyright: [^\n]+\nLicense: GPL-3[+]\n")
  fault("the copyright file does not put every file under GPL-3+")
endif()
if(copyright_text MATCHES "@")
  fault("the copyright file names a mail address")
endif()

# The icon: the SVG drawing and every PNG size at its size.
file(READ "${PREFIX}/share/icons/hicolor/scalable/apps/${app_id}.svg" svg LIMIT 400)
if(NOT svg MATCHES "<svg ")
  fault("the scalable icon is not an SVG drawing")
endif()
foreach(size ${icon_sizes})
  set(png "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${app_id}.png")
  if(EXISTS "${png}")
    png_size("${png}" width height)
    if(NOT width EQUAL size OR NOT height EQUAL size)
      fault("the ${size}x${size} icon is ${width}x${height}")
    endif()
  endif()
endforeach()

# The manual pages, compressed, with "varnock" leading to "Varnock".
foreach(page Varnock.1.gz varnock-console.1.gz)
  file(READ "${PREFIX}/share/man/man1/${page}" magic LIMIT 2 HEX)
  if(NOT magic STREQUAL "1f8b")
    fault("${page} is not compressed with gzip")
  endif()
endforeach()
expect_link(share/man/man1/varnock.1.gz Varnock.1.gz)

if(faults)
  message(FATAL_ERROR "The installed tree in ${PREFIX} is not right:${faults}")
endif()
message(STATUS "The installed tree in ${PREFIX} is complete")
