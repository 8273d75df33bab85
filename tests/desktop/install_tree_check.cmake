# cmake -DBUILD_DIR=... -DPREFIX=... -DAPPSTREAM_ID=... -DICON_SIZES=... -P install_tree_check.cmake
# Installs the build into a scratch prefix, as a user or a distribution would, and checks what arrived.
include(${CMAKE_CURRENT_LIST_DIR}/desktop_files.cmake)

file(REMOVE_RECURSE ${PREFIX})
zelta_run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})
zelta_expect_files(${PREFIX} "${ZELTA_DESKTOP_FILES}")
zelta_expect_icon_sizes(${PREFIX})
zelta_expect_program(${PREFIX}/bin/zelta7-power "")
