# Read by CPack before it makes the Debian package: fills Depends with the packages of Debian's own
# archive that hold the libraries the program loads, each at the least version the program needs,
# as dpkg-shlibdeps finds them.
#
# A cross build links against the cross toolchain's copies of those libraries, whose packages are
# named NAME-ARCH-cross. Built from the archive's own sources, they name the archive's packages in
# their shlibs files (libc6:arm64), or carry symbols files under their own name; either way the
# names are taken back to the archive's. Where a shlibs file gives no version, the program needs
# at least the upstream version it was linked against.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()

set(arch "${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}")
set(work "${CPACK_RIVER_BINARY_DIR}/deb-depends")
file(MAKE_DIRECTORY "${work}/debian")
file(TOUCH "${work}/debian/control") # dpkg-shlibdeps reads the package's control file
set(search)
foreach(dir IN LISTS CPACK_RIVER_LIBRARY_DIRS)
  list(APPEND search "-l${dir}")
endforeach()
execute_process(COMMAND dpkg-shlibdeps -O ${search} "${CPACK_RIVER_PROGRAM}"
  WORKING_DIRECTORY "${work}" RESULT_VARIABLE failed
  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_VARIABLE errors)
if(failed OR NOT found MATCHES "^shlibs:Depends=(.+)$")
  message(FATAL_ERROR "dpkg-shlibdeps found no dependencies of ${CPACK_RIVER_PROGRAM}:\n${errors}")
endif()

string(REPLACE ", " ";" found "${CMAKE_MATCH_1}")
set(depends)
foreach(dependency IN LISTS found)
  if(NOT dependency MATCHES "^([^ :]+)(:[^ ]+)?( \\(.+\\))?$")
    message(FATAL_ERROR "dpkg-shlibdeps gave a dependency not understood: ${dependency}")
  endif()
  set(name "${CMAKE_MATCH_1}")
  set(version "${CMAKE_MATCH_3}")
  string(REGEX REPLACE "-${arch}-cross$" "" name "${name}")
  if(NOT version)
    set(linked "${name}:${arch}")
    if(CPACK_RIVER_LIBRARY_DIRS)
      set(linked "${name}-${arch}-cross")
    endif()
    execute_process(COMMAND dpkg-query --showformat=\${Version} --show "${linked}"
      OUTPUT_VARIABLE linked_version COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE "^([0-9]+:)?([^-]+).*$" "\\2" linked_version "${linked_version}")
    set(version " (>= ${linked_version})")
  endif()
  list(APPEND depends "${name}${version}")
endforeach()
list(JOIN depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
message(STATUS "Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
