# How the program is installed, and the package CPack makes of the install. RIVER_PACKAGE picks the
# layout:
#   (empty)  a plain install under CMAKE_INSTALL_PREFIX: bin/ and share/man/man6/
#   deb      a Debian package: /usr/games, a compressed manual page, copyright and changelog
#   archive  one folder to unpack and run from: the program, linked statically, the README, the
#            LICENSE, the notices of the other projects' code linked into it (licenses/) and, but
#            on Windows, the manual page
# The program is a game, so its manual page is in section 6, as in /usr/games.
include(GNUInstallDirs)

# The manual page carries the version and the date of the newest release, which CHANGELOG.md, the
# one place a release is dated, names first.
file(STRINGS CHANGELOG.md river_releases REGEX "^## ")
list(GET river_releases 0 river_newest)
if(NOT river_newest MATCHES "^## ([^ ]+) - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$"
   OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The newest release in CHANGELOG.md is '${river_newest}', not "
    "'## ${PROJECT_VERSION} - YYYY-MM-DD'")
endif()
set(RIVER_RELEASE_DATE "${CMAKE_MATCH_2}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS CHANGELOG.md)
configure_file(docs/river-crossing.6.in river-crossing.6 @ONLY)
set(river_manual "${PROJECT_BINARY_DIR}/river-crossing.6")

if(RIVER_PACKAGE STREQUAL "")
  install(TARGETS river-crossing)
  install(FILES "${river_manual}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
  return()
elseif(NOT RIVER_PACKAGE MATCHES "^(deb|archive)$")
  message(FATAL_ERROR "RIVER_PACKAGE is '${RIVER_PACKAGE}': deb, archive or empty")
endif()

# What ships is the program as the build made it, stripped, also of the compiler's notes
# (.comment), which Debian counts as unneeded.
set(strip_options --strip-all)
if(NOT WIN32)
  list(APPEND strip_options --remove-section=.comment)
endif()
add_custom_command(TARGET river-crossing POST_BUILD
  COMMAND "${CMAKE_STRIP}" ${strip_options} "$<TARGET_FILE:river-crossing>" VERBATIM)

# The folders a package makes are the same whatever the umask of the one who builds it.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_VENDOR "The river-crossing authors")
# No contact address has been set up yet: .invalid is the name that can never reach anybody.
set(CPACK_PACKAGE_CONTACT "The river-crossing authors <authors@river-crossing.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")

if(RIVER_PACKAGE STREQUAL "archive")
  string(TOLOWER "${CMAKE_SYSTEM_PROCESSOR}-${CMAKE_SYSTEM_NAME}" system)
  set(CPACK_PACKAGE_FILE_NAME "${PROJECT_NAME}-${PROJECT_VERSION}-${system}")
  set(CPACK_GENERATOR TGZ)
  # The linker's map names every file it linked in: the notices are taken from what it used.
  set(map "${PROJECT_BINARY_DIR}/river-crossing.map")
  target_link_options(river-crossing PRIVATE -static "LINKER:-Map=${map}")
  install(TARGETS river-crossing DESTINATION .)
  install(FILES README.md LICENSE DESTINATION .)
  install(CODE "execute_process(COMMAND sh \"${PROJECT_SOURCE_DIR}/packaging/notices\" \"${map}\"
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/licenses\" ${PROJECT_VERSION} ${system}
    COMMAND_ERROR_IS_FATAL ANY)")
  if(WIN32)
    set(CPACK_GENERATOR ZIP)
  else()
    install(FILES "${river_manual}" DESTINATION .)
  endif()
else()
  set(doc "${CMAKE_INSTALL_DATAROOTDIR}/doc/${PROJECT_NAME}")
  set(gzip gzip -9 --no-name)
  execute_process(COMMAND ${gzip} INPUT_FILE "${river_manual}"
    OUTPUT_FILE "${PROJECT_BINARY_DIR}/river-crossing.6.gz" COMMAND_ERROR_IS_FATAL ANY)
  execute_process(
    COMMAND sh "${PROJECT_SOURCE_DIR}/packaging/debian-changelog" CHANGELOG.md
            "${CPACK_PACKAGE_CONTACT}"
    COMMAND ${gzip} OUTPUT_FILE "${PROJECT_BINARY_DIR}/changelog.gz"
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/debian-changelog)

  # Debian keeps games in /usr/games.
  install(TARGETS river-crossing DESTINATION games)
  install(FILES "${PROJECT_BINARY_DIR}/river-crossing.6.gz"
    DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
  install(FILES packaging/copyright "${PROJECT_BINARY_DIR}/changelog.gz" DESTINATION "${doc}")
  install(FILES packaging/lintian-overrides
    DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides" RENAME "${PROJECT_NAME}")

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE "${RIVER_DEB_ARCH}")
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Eight characters stand on one bank of a river: Mother, Father, Daughter 1
and 2, Son 1 and 2, a Policeman and a Thief. Two cross at a time on a raft
that only Mother, Father and the Policeman can operate. A crossing is
refused when it breaks one of three rules, each named by the line the
program prints:
  Father is left with daughter without mother's presence.
  Mother is left with son without father's presence.
  Thief is left with a family member without policeman's presence.
So Father never crosses with a daughter, nor Mother with a son, and the
Thief crosses only with the Policeman. Of the two who try to cross, only
the first one's rule is consulted.

river-crossing plays five trial crossings, each from the full bank, and
prints who tries to cross, who stays behind and the verdict.]])
  set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/cmake/deb-depends.cmake")
  set(CPACK_RIVER_BINARY_DIR "${PROJECT_BINARY_DIR}")
  set(CPACK_RIVER_PROGRAM "${PROJECT_BINARY_DIR}/river-crossing")
  if(CMAKE_CROSSCOMPILING)
    set(CPACK_RIVER_LIBRARY_DIRS "${CMAKE_FIND_ROOT_PATH}/lib")
  endif()
endif()
# CPack counts a folder at the size its file system gives it, and so the Installed-Size of a
# package: repack.cmake counts again as dpkg does, and makes each archive independent of it too.
set(CPACK_POST_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/cmake/repack.cmake")
include(CPack)
