# Installs the build into a scratch DESTDIR under the default prefix and checks the tree.
# Reads BUILD_DIR, WORK_DIR, APPSTREAMCLI and what check_tree.cmake reads.
include(${CMAKE_CURRENT_LIST_DIR}/check_tree.cmake)

set(_prefix /usr/local)
file(REMOVE_RECURSE "${WORK_DIR}")
set(ENV{DESTDIR} "${WORK_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${_prefix}"
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
if(NOT _rc EQUAL 0)
    simplesso_fail("cmake --install failed:\n${_out}")
endif()

simplesso_check_tree("${WORK_DIR}${_prefix}")
file(REMOVE_RECURSE "${WORK_DIR}")
