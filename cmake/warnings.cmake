# The project's one warning set, linked by every target. The presets turn warnings into errors.
set(river_common_warnings
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
  -Woverloaded-virtual -Wsuggest-override -Wold-style-cast -Wcast-align -Wcast-qual
  -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough -Wextra-semi -Wundef)
set(river_gcc_warnings -Wduplicated-cond -Wduplicated-branches -Wlogical-op -Wuseless-cast)
# g++ 12 reports false null dereferences inside the standard library, so only clang++ gets this.
set(river_clang_warnings -Wnull-dereference)

add_library(river_warnings INTERFACE)
target_compile_options(river_warnings INTERFACE
  ${river_common_warnings}
  "$<$<CXX_COMPILER_ID:GNU>:${river_gcc_warnings}>"
  "$<$<CXX_COMPILER_ID:Clang>:${river_clang_warnings}>")
