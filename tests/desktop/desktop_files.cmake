# The files a desktop installation of the calculator consists of, relative to the installation prefix.
# Shared by the install and the Debian package checks; needs APPSTREAM_ID and ICON_SIZES (comma-separated).
string(REPLACE "," ";" ICON_SIZES "${ICON_SIZES}")
set(ZELTA_DESKTOP_FILES
    bin/zelta7-power
    share/applications/zelta7-power.desktop
    share/metainfo/${APPSTREAM_ID}.metainfo.xml)
foreach(size IN LISTS ICON_SIZES)
    list(APPEND ZELTA_DESKTOP_FILES share/icons/hicolor/${size}x${size}/apps/zelta7-power.png)
endforeach()
list(SORT ZELTA_DESKTOP_FILES)

# Fails unless the regular files under root are exactly the expected ones.
function(zelta_expect_files root expected)
    file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
    list(SORT found)
    list(JOIN found "\n  " shown)
    message(STATUS "Files under ${root}:\n  ${shown}")
    if(NOT found STREQUAL expected)
        list(JOIN expected "\n  " wanted)
        message(FATAL_ERROR "Expected exactly:\n  ${wanted}")
    endif()
endfunction()

# Fails unless each icon is a PNG of its theme size: a wrong rendering would be scaled blurry by the desktop.
function(zelta_expect_icon_sizes root)
    find_program(file_command file REQUIRED)
    foreach(size IN LISTS ICON_SIZES)
        set(icon ${root}/share/icons/hicolor/${size}x${size}/apps/zelta7-power.png)
        execute_process(COMMAND ${file_command} -b ${icon} OUTPUT_VARIABLE kind OUTPUT_STRIP_TRAILING_WHITESPACE)
        message(STATUS "${size}x${size}: ${kind}")
        if(NOT kind MATCHES "^PNG image data, ${size} x ${size},")
            message(FATAL_ERROR "${icon} is not a ${size} x ${size} PNG: ${kind}")
        endif()
    endforeach()
endfunction()

# Fails unless path is an executable ELF program whose description by file(1) also matches extra.
function(zelta_expect_program path extra)
    find_program(file_command file REQUIRED)
    execute_process(COMMAND ${file_command} -b ${path} OUTPUT_VARIABLE kind OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND test -x ${path} RESULT_VARIABLE not_executable)
    message(STATUS "${path}: ${kind}")
    if(not_executable OR NOT kind MATCHES "^ELF .*executable" OR NOT kind MATCHES "${extra}")
        message(FATAL_ERROR "${path} is not an executable program ${extra}")
    endif()
endfunction()

function(zelta_run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT code EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "${command} failed (${code}):\n${out}")
    endif()
endfunction()
