# Links the program statically where the toolchain can. Almost all of the program's cost is
# process start-up, and most of that is dynamic linking of the C++ runtime.
include(CheckCXXSourceCompiles)

function(river_link_statically target)
  set(CMAKE_REQUIRED_LINK_OPTIONS -static)
  check_cxx_source_compiles("#include <iostream>\nint main() { std::cout << 1 << std::endl; }"
    RIVER_HAVE_STATIC_LINK)
  if(RIVER_HAVE_STATIC_LINK)
    target_link_options(${target} PRIVATE -static)
  else()
    message(STATUS "No static C library here: linking only the C++ runtime statically")
    target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc)
  endif()
endfunction()
