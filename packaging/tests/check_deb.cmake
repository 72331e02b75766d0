# Builds the Debian package and checks its name, its dependencies and the files it installs.
# Reads CPACK, CPACK_CONFIG, DPKG_DEB, APPSTREAMCLI, WORK_DIR and what check_tree.cmake reads.
include(${CMAKE_CURRENT_LIST_DIR}/check_tree.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${CPACK}" -G DEB --config "${CPACK_CONFIG}" -B "${WORK_DIR}"
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
if(NOT _rc EQUAL 0)
    simplesso_fail("cpack failed:\n${_out}")
endif()

file(GLOB _debs "${WORK_DIR}/*.deb")
list(LENGTH _debs _count)
if(NOT _count EQUAL 1)
    simplesso_fail("expected one package in ${WORK_DIR}, found: ${_debs}")
endif()

function(deb_field deb field out)
    execute_process(COMMAND "${DPKG_DEB}" --field "${deb}" ${field}
        RESULT_VARIABLE _rc OUTPUT_VARIABLE _value ERROR_VARIABLE _err OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT _rc EQUAL 0)
        simplesso_fail("dpkg-deb --field ${field} failed: ${_err}")
    endif()
    set(${out} "${_value}" PARENT_SCOPE)
endfunction()

deb_field("${_debs}" Package _package)
deb_field("${_debs}" Version _version)
deb_field("${_debs}" Architecture _arch)
deb_field("${_debs}" Depends _depends)
get_filename_component(_file "${_debs}" NAME)
if(NOT _package STREQUAL "simplesso" OR NOT _version STREQUAL VERSION)
    simplesso_fail("package is '${_package}' version '${_version}'")
endif()
if(NOT _file STREQUAL "simplesso_${VERSION}_${_arch}.deb")
    simplesso_fail("package file is named ${_file}")
endif()

# dpkg-shlibdeps must have found the Qt libraries; the other three are named by the build.
string(REGEX REPLACE "\n *" " " _depends "${_depends}")
foreach(_dep libqt6widgets6 fonts-liberation fonts-urw-base35)
    if(NOT _depends MATCHES "(^|, )${_dep}( |,|$)")
        simplesso_fail("Depends lacks ${_dep}: ${_depends}")
    endif()
endforeach()

execute_process(COMMAND "${DPKG_DEB}" --contents "${_debs}"
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _contents ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
    simplesso_fail("dpkg-deb --contents failed: ${_err}")
endif()
if(NOT _contents MATCHES "\n-rwxr-xr-x root/root [^\n]* \\./usr/bin/simplesso\n")
    simplesso_fail("/usr/bin/simplesso is not an executable owned by root:\n${_contents}")
endif()

set(_root "${WORK_DIR}/root")
execute_process(COMMAND "${DPKG_DEB}" -x "${_debs}" "${_root}" RESULT_VARIABLE _rc ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
    simplesso_fail("dpkg-deb -x failed: ${_err}")
endif()
simplesso_check_tree("${_root}/usr")
