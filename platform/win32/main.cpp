#include <windows.h>

#include "application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The shell, which opens the About dialog's links, wants a single-threaded apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int exitCode = 0;
    {
        pruhomat::win32::Application application;
        exitCode = application.run();
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return exitCode;
}
