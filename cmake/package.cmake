# How the program is installed. RIVER_PACKAGE picks the layout: empty, a plain install (bin/, or
# CMAKE_INSTALL_BINDIR, and share/man/man6/: a game's page is in section 6); archive, one folder to
# run from: the program, linked statically, README, LICENSE, the notices of the code linked into it
# (licenses/) and, but on Windows, the manual page.
include(GNUInstallDirs)

# The manual page carries the version and date of the newest release, the first of CHANGELOG.md.
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
elseif(NOT RIVER_PACKAGE STREQUAL "archive")
  message(FATAL_ERROR "RIVER_PACKAGE is '${RIVER_PACKAGE}': archive or empty")
endif()

# What ships is the program stripped, also of the compiler's notes (.comment).
set(strip_options --strip-all)
if(NOT WIN32)
  list(APPEND strip_options --remove-section=.comment)
endif()
add_custom_command(TARGET river-crossing POST_BUILD
  COMMAND "${CMAKE_STRIP}" ${strip_options} "$<TARGET_FILE:river-crossing>" VERBATIM)

string(TOLOWER "${CMAKE_SYSTEM_PROCESSOR}-${CMAKE_SYSTEM_NAME}" system)
# The linker's map names every file it linked in: the notices are taken from what it used.
set(map "${PROJECT_BINARY_DIR}/river-crossing.map")
target_link_options(river-crossing PRIVATE -static "LINKER:-Map=${map}")
install(TARGETS river-crossing DESTINATION .)
install(FILES README.md LICENSE DESTINATION .)
install(CODE "execute_process(COMMAND sh \"${PROJECT_SOURCE_DIR}/packaging/notices\" \"${map}\"
  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/licenses\" ${PROJECT_VERSION} ${system}
  COMMAND_ERROR_IS_FATAL ANY)")
if(NOT WIN32)
  install(FILES "${river_manual}" DESTINATION .)
endif()
