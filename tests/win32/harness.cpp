#include "harness.h"

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "text.h"

namespace pruhomat::testing {
namespace {

constexpr UINT settleMessage = WM_APP + 1;
constexpr DWORD settleTimeout = 10000;

struct RegisteredTest {
    const char* name;
    TestBody body;
};

std::vector<RegisteredTest>& tests() {
    static std::vector<RegisteredTest> registered;
    return registered;
}

int failuresOfCurrentTest = 0;

// The centre of a control in its form's client area, in pixels at 96 dots per inch.
POINT centreOf(forms::Form& form, std::string_view name) {
    const forms::Rect rect = form.rectOnForm(form.indexOf(name));
    return {MulDiv(rect.left + rect.width / 2, 96, 1440), MulDiv(rect.top + rect.height / 2, 96, 1440)};
}

LRESULT CALLBACK syncProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == settleMessage) {
        SetEvent(reinterpret_cast<HANDLE>(lParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

struct DriverStart {
    Driver* driver;
    TestBody body;
};

DWORD WINAPI runDriver(LPVOID parameter) {
    const auto* start = static_cast<DriverStart*>(parameter);
    start->body(*start->driver);
    PostThreadMessageW(start->driver->windowThread(), WM_QUIT, 0, 0);
    return 0;
}

}  // namespace

Driver::Driver(win32::Application& application, HWND syncWindow, DWORD windowThread)
    : application_(application),
      syncWindow_(syncWindow),
      windowThread_(windowThread),
      settled_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

void Driver::settle() {
    PostMessageW(syncWindow_, settleMessage, 0, reinterpret_cast<LPARAM>(settled_));
    if (WaitForSingleObject(settled_, settleTimeout) != WAIT_OBJECT_0) {
        recordFailure(__FILE__, __LINE__, "the window stopped handling messages");
    }
}

HWND Driver::waitForWindow(const wchar_t* windowClass, const wchar_t* title) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (HWND found = FindWindowW(windowClass, title)) {
            return found;
        }
        Sleep(30);
    }
    return nullptr;
}

void Driver::click(HWND window, forms::Form& form, std::string_view name) { clickAt(window, centreOf(form, name)); }

void Driver::clickAt(HWND window, POINT point) {
    ClientToScreen(window, &point);
    HWND target = WindowFromPoint(point);
    ScreenToClient(target, &point);
    const LPARAM position = MAKELPARAM(point.x, point.y);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, position);
    PostMessageW(target, WM_LBUTTONUP, 0, position);
    settle();
}

void Driver::pressButton(std::string_view name) {
    PostMessageW(handleOf(name), BM_CLICK, 0, 0);
    settle();
}

void Driver::pressKey(HWND focused, WPARAM key) {
    PostMessageW(focused, WM_KEYDOWN, key, 0);
    PostMessageW(focused, WM_KEYUP, key, 0);
    settle();
}

std::string Driver::caption(HWND window) {
    wchar_t text[512]{};
    GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return win32::utf8(text);
}

bool registerTest(const char* name, TestBody body) {
    tests().push_back({name, body});
    return true;
}

void recordFailure(const char* file, int line, const std::string& message) {
    ++failuresOfCurrentTest;
    std::printf("%s:%d: failure: %s\n", file, line, message.c_str());
    std::fflush(stdout);
}

}  // namespace pruhomat::testing

// Each test gets a fresh program: its window runs on this thread, the test on a second one.
// An argument picks the tests whose names contain it.
int main(int argc, char** argv) {
    const std::string_view filter = argc > 1 ? argv[1] : "";
    using namespace pruhomat::testing;
    WNDCLASSW syncClass{};
    syncClass.lpfnWndProc = syncProcedure;
    syncClass.hInstance = GetModuleHandleW(nullptr);
    syncClass.lpszClassName = L"PruhomatTestSync";
    RegisterClassW(&syncClass);

    int passed = 0;
    int failed = 0;
    for (const auto& test : tests()) {
        if (std::string_view(test.name).find(filter) == std::string_view::npos) {
            continue;
        }
        failuresOfCurrentTest = 0;
        std::printf("[ RUN      ] %s\n", test.name);
        std::fflush(stdout);
        {
            pruhomat::win32::Application application;
            HWND syncWindow = CreateWindowW(L"PruhomatTestSync", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            GetModuleHandleW(nullptr), nullptr);
            Driver driver(application, syncWindow, GetCurrentThreadId());
            DriverStart start{&driver, test.body};
            HANDLE thread = CreateThread(nullptr, 0, runDriver, &start, 0, nullptr);
            application.run();
            WaitForSingleObject(thread, INFINITE);
            CloseHandle(thread);
            DestroyWindow(syncWindow);
        }
        (failuresOfCurrentTest == 0 ? passed : failed) += 1;
        std::printf("[ %s ] %s\n", failuresOfCurrentTest == 0 ? "      OK" : " FAILED ", test.name);
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
