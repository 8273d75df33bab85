# cmake -DCPACK=... -DBUILD_DIR=... -DOUT=... -DVERSION=... -DAPPSTREAM_ID=... -DICON_SIZES=... -P deb_package_check.cmake
# Builds the Debian package with CPack, then reads its control fields and contents the way dpkg would.
include(${CMAKE_CURRENT_LIST_DIR}/desktop_files.cmake)
find_program(dpkg_deb dpkg-deb REQUIRED)
find_program(dpkg dpkg REQUIRED)

file(REMOVE_RECURSE ${OUT})
zelta_run(${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT})
file(GLOB packages ${OUT}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} packages in ${OUT}: ${packages}")
endif()

function(control_field name variable)
    execute_process(COMMAND ${dpkg_deb} -f ${packages} ${name} OUTPUT_VARIABLE value
                    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE code)
    if(NOT code EQUAL 0 OR value STREQUAL "")
        message(FATAL_ERROR "the package has no ${name} field")
    endif()
    message(STATUS "${name}: ${value}")
    set(${variable} "${value}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${dpkg} --print-architecture OUTPUT_VARIABLE architecture
                OUTPUT_STRIP_TRAILING_WHITESPACE)
foreach(field Package Version Architecture Section Maintainer Depends)
    control_field(${field} ${field})
endforeach()
if(NOT Package STREQUAL "zelta7-power" OR NOT Version STREQUAL VERSION OR NOT Architecture STREQUAL architecture)
    message(FATAL_ERROR "expected zelta7-power ${VERSION} for ${architecture}")
endif()
# Read off the executable by dpkg-shlibdeps: every library it links, each with the version it needs at least;
# nothing the tests link (Qt Test, GoogleTest) may leak in.
foreach(library libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6)
    if(NOT Depends MATCHES "(^|, )${library} \\(>= [^)]+\\)")
        message(FATAL_ERROR "Depends lacks a versioned ${library}: ${Depends}")
    endif()
endforeach()
if(Depends MATCHES "libqt6test|libgtest|libgmock|libbenchmark")
    message(FATAL_ERROR "Depends names a test library: ${Depends}")
endif()

# The contents, listed and then unpacked into a scratch root as dpkg would place them.
zelta_run(${dpkg_deb} -c ${packages})
set(root ${OUT}/root)
zelta_run(${dpkg_deb} -x ${packages} ${root})
list(TRANSFORM ZELTA_DESKTOP_FILES PREPEND "usr/" OUTPUT_VARIABLE expected)
zelta_expect_files(${root} "${expected}")
zelta_expect_icon_sizes(${root}/usr)
zelta_expect_program(${root}/usr/bin/zelta7-power ", stripped")
