#pragma once

#include <windows.h>

namespace pruhomat::win32 {

// The one system function the program declares itself: ShellExecuteA of shell32.dll, with
// byte strings in the ANSI code page. Reached through this pointer, whose default is the import,
// so that tests can record the calls.
using ShellExecuteAFunction = HINSTANCE(WINAPI*)(HWND window, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                                                 LPCSTR directory, INT showCommand);

extern ShellExecuteAFunction shellExecuteA;

}  // namespace pruhomat::win32
