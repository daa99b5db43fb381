# Every target of the project links this to build with warnings as errors.
add_library(pruhomat_warnings INTERFACE)
if(MSVC)
  target_compile_options(pruhomat_warnings INTERFACE /W4 /WX /utf-8)
else()
  target_compile_options(pruhomat_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)
  # GCC 12 reports std::string's own copies as overlapping at -O3 (a false positive fixed in GCC 13).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(pruhomat_warnings INTERFACE -Wno-restrict)
  endif()
endif()
