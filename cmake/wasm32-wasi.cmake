# Compiles the core and the web front-end to WebAssembly with Debian's clang-19 for wasm32-wasi,
# its libc++ 19 and wasi-libc.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)

set(CMAKE_C_COMPILER clang-19)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)

# A library module the page instantiates and calls: no main, its start-up in _initialize.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -mexec-model=reactor -Wl,--gc-sections")
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
