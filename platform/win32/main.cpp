#include <windows.h>

#include "application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    pruhomat::win32::Application application;
    return application.run();
}
