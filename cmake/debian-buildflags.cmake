# A Debian package is built with the flags Debian builds its own packages with, every hardening
# feature on (PIE, relro, bind-now, fortify, stack protector), for the architecture the compiler
# targets. The program must not depend on where the clone is: dpkg-buildflags would map the source
# folder away, but not one whose path holds a space, "@" or ",", so that is done here, for every
# path. Sets RIVER_DEB_ARCH, the Debian name of the architecture.
execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -dumpmachine
  OUTPUT_VARIABLE river_target OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg-architecture "--host-type=${river_target}" -qDEB_HOST_ARCH
  OUTPUT_VARIABLE RIVER_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath"
            "DEB_HOST_ARCH=${RIVER_DEB_ARCH}" dpkg-buildflags --get ${kind}
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(river_${kind} UNIX_COMMAND "${flags}")
endforeach()
add_compile_options(${river_CPPFLAGS} ${river_CXXFLAGS} "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.")
add_link_options(${river_LDFLAGS})
