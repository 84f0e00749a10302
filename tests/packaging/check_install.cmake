# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a staging DESTDIR and checks the result: every file in place, the
# icons at their nominal sizes, and one application id shared by the program, the desktop
# entry, the AppStream metadata and the icon names.
# Run as: cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DSTAGE=... -DAPP_ID=... -DVERSION=...
#     -P check_install.cmake

# Installs under DESTDIR=${STAGE} with the given prefix and returns the staged prefix folder.
function(stage_install prefix out_root)
    file(REMOVE_RECURSE ${STAGE})
    set(ENV{DESTDIR} ${STAGE})
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
        RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "cmake --install --prefix ${prefix} failed: ${result}")
    endif()
    set(${out_root} ${STAGE}${prefix} PARENT_SCOPE)
endfunction()

# Under /usr the program is on the search path and the entry names it plainly.
stage_install(/usr root)
file(GLOB desktop_files ${root}/share/applications/*.desktop)
list(LENGTH desktop_files count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one desktop entry under /usr, found: ${desktop_files}")
endif()
file(STRINGS ${desktop_files} exec_lines REGEX "^Exec=")
# The entry's own, then its action's (Sing the Answers).
if(NOT exec_lines STREQUAL "Exec=cantabell;Exec=cantabell --sing")
    message(FATAL_ERROR "under /usr: ${exec_lines}")
endif()

stage_install(/opt/cantabell-test root)

# The id the program announces to the window system, from the build.
set(id ${APP_ID})

foreach(path games/cantabell share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml
        share/man/man6/cantabell.6.gz share/doc/cantabell/copyright
        share/doc/cantabell/changelog.Debian.gz share/lintian/overrides/cantabell
        share/doc/cantabell/fonts/ComicNeue-LICENSE.txt
        share/doc/cantabell/fonts/LiberationSans-LICENSE.txt)
    if(NOT EXISTS ${root}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(READ ${root}/share/applications/${id}.desktop desktop)
foreach(line "Icon=${id}\n" "Exec=/opt/cantabell-test/games/cantabell\n" "Name=Cantabell\n"
        "Categories=Education;Music;Game;\n")
    string(FIND "${desktop}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()

file(READ ${root}/share/metainfo/${id}.metainfo.xml metainfo)
foreach(tag "<id>${id}</id>" "<launchable type=\"desktop-id\">${id}.desktop</launchable>"
        "<release version=\"${VERSION}\"" "<content_rating type=\"oars-")
    string(FIND "${metainfo}" "${tag}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "metainfo lacks ${tag}")
    endif()
endforeach()

# PNG: width and height are the big-endian words at bytes 16 and 20.
foreach(size 16 32 48 64 128 256)
    set(icon ${root}/share/icons/hicolor/${size}x${size}/apps/${id}.png)
    if(NOT EXISTS ${icon})
        message(FATAL_ERROR "icon missing: ${icon}")
    endif()
    file(READ ${icon} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${size} px icon is ${width} x ${height}")
    endif()
endforeach()
file(REMOVE_RECURSE ${STAGE})
