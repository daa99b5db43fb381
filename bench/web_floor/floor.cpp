// The least a page of this toolchain loads: a module with one call, that does nothing.
extern "C" __attribute__((export_name("floor_start"))) int floor_start() { return 1; }
