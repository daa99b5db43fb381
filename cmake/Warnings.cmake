# Every target of the project links this to build with warnings as errors.
add_library(pruhomat_warnings INTERFACE)
if(MSVC)
  target_compile_options(pruhomat_warnings INTERFACE /W4 /WX /utf-8)
else()
  target_compile_options(pruhomat_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)
endif()
