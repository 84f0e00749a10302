# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package of a build folder with cpack, as `make package` does but into a
# folder of its own, and leaves it as <OUT>/cantabell.deb for the checks that follow.
# Run as: cmake -DBUILD_DIR=... -DOUT=... -P build_deb.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${OUT}
        --config ${BUILD_DIR}/CPackConfig.cmake
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB debs ${OUT}/*.deb)
list(LENGTH debs count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack failed (${result}), packages: ${debs}\n${output}")
endif()
file(RENAME ${debs} ${OUT}/cantabell.deb)
file(REMOVE_RECURSE ${OUT}/_CPack_Packages)
message(STATUS "built ${debs}")
