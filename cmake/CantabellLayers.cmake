# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cantabell_include_root(target folder): lets the target and everything that links it write
# #include "folder/x.h", and nothing else. The root holds one link, to that folder only, so a
# target cannot reach the headers of a layer it does not link.
function(cantabell_include_root target folder)
    set(root ${CMAKE_BINARY_DIR}/include-roots/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()

# cantabell_add_layer(target folder sources...): one folder as a static library.
function(cantabell_add_layer target folder)
    add_library(${target} STATIC ${ARGN})
    cantabell_include_root(${target} ${folder})
endfunction()

# cantabell_add_resources(target name PREFIX prefix BASE folder FILES files... [KEEP_NAMES]
#                         [OPTIONS ...]):
# files of res/<folder> compiled into target under ":<prefix>/<alias>", each file's alias its
# name without the extension (E.wav -> E), or with it (KEEP_NAMES). The target form of qt_add_resources links its
# object library into every consumer of the target, so no Q_INIT_RESOURCE is needed.
function(cantabell_add_resources target name)
    cmake_parse_arguments(ARG "KEEP_NAMES" "PREFIX;BASE" "FILES;OPTIONS" ${ARGN})
    set(base ${PROJECT_SOURCE_DIR}/res/${ARG_BASE})
    set(files "")
    foreach(file IN LISTS ARG_FILES)
        get_filename_component(alias ${file} NAME_WLE)
        if(NOT ARG_KEEP_NAMES)
            set_source_files_properties(${base}/${file} PROPERTIES QT_RESOURCE_ALIAS ${alias})
        endif()
        list(APPEND files ${base}/${file})
    endforeach()
    if(ARG_OPTIONS)
        qt_add_resources(${target} ${name} PREFIX ${ARG_PREFIX} BASE ${base} FILES ${files}
            OPTIONS ${ARG_OPTIONS})
    else()
        qt_add_resources(${target} ${name} PREFIX ${ARG_PREFIX} BASE ${base} FILES ${files})
    endif()
endfunction()
