// The core throws only where the program itself is wrong (a control's name the layout lacks).
// The page is built without exceptions: such a throw ends the program there, as an uncaught
// one does on the desktops.
#include <cstddef>
#include <cstdlib>

extern "C" void* __cxa_allocate_exception(std::size_t size) noexcept { return std::malloc(size); }

extern "C" [[noreturn]] void __cxa_throw(void*, void*, void (*)(void*)) { std::abort(); }
