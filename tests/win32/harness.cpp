#include "harness.h"

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "text.h"

namespace pruhomat::testing {
namespace {

// Lays the About dialog out, does nothing it is asked and holds every answer: no user answers.
class LayoutOnlyPort final : public forms::PlatformPort {
public:
    void messageBox(std::string_view, std::string_view, forms::MessageKind, std::function<void()>) override {}
    void openLink(forms::WindowHandle, std::string_view) override {}
    void showModal(forms::Form&, std::function<void()>) override {}
    void unload(forms::Form&) override {}
    forms::WindowHandle windowHandle(const forms::Control&) override { return 0; }
    void copyText(std::string_view) override {}
    void popupMenu(std::span<const forms::MenuItem>, const forms::MenuPlace&, std::function<void(int)>) override {}
};

constexpr UINT settleMessage = WM_APP + 1;

struct RegisteredTest {
    const char* name;
    TestBody body;
};

std::vector<RegisteredTest>& tests() {
    static std::vector<RegisteredTest> registered;
    return registered;
}

int failuresOfCurrentTest = 0;
int dpiExpected = 0;

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

bool hasNothingToPaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) == FALSE; }

BOOL CALLBACK childHasNothingToPaint(HWND child, LPARAM allPainted) {
    *reinterpret_cast<bool*>(allPainted) &= hasNothingToPaint(child);
    return TRUE;
}

bool shownAndPainted(HWND window) {
    if (!IsWindowVisible(window) || !hasNothingToPaint(window)) {
        return false;
    }
    bool allPainted = true;
    EnumChildWindows(window, childHasNothingToPaint, reinterpret_cast<LPARAM>(&allPainted));
    return allPainted;
}

struct DriverStart {
    Driver* driver;
    TestBody body;
};

DWORD WINAPI runDriver(LPVOID parameter) {
    const auto* start = static_cast<DriverStart*>(parameter);
    // The test reads Active Accessibility from another apartment, as a screen reader would.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    // A user meets the window once it is shown, painted and active, not while it is being built.
    Driver& driver = *start->driver;
    if (!waitUntil([&] { return shownAndPainted(driver.mainWindow()) && GetForegroundWindow() == driver.mainWindow(); })) {
        recordFailure(__FILE__, __LINE__, "the main window was never shown, painted and active");
    }
    start->body(driver);
    CoUninitialize();
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

// As long as any other condition may take on a loaded machine. A window is found as soon as it
// is created, before its controls are; the user meets it shown and painted.
HWND Driver::waitForWindow(const wchar_t* windowClass, const wchar_t* title) {
    HWND found = nullptr;
    return waitUntil([&] { return shownAndPainted(found = FindWindowW(windowClass, title)); }) ? found : nullptr;
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

HWND Driver::focused() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(windowThread_, &info);
    return info.hwndFocus;
}

bool Driver::inMenu() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(windowThread_, &info);
    return (info.flags & GUI_INMENUMODE) != 0 && IsWindowVisible(FindWindowW(L"#32768", nullptr));
}

std::string Driver::caption(HWND window) {
    wchar_t text[512]{};
    GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return win32::utf8(text);
}

forms::Form& aboutLayout() {
    static LayoutOnlyPort port;
    static FrmAbout about(port);
    static const bool loaded = (about.load(), true);
    static_cast<void>(loaded);
    return about.form();
}

HWND aboutControl(HWND dialog, std::string_view name) {
    return GetDlgItem(dialog, win32::firstControlId + static_cast<int>(aboutLayout().indexOf(name)));
}

HWND valueDialogControl(HWND dialog, std::string_view name) {
    static LayoutOnlyPort port;
    static FrmValue valueDialog(port, ",");
    static const bool loaded = (valueDialog.load("", Tolerance::percent(10), false), true);
    static_cast<void>(loaded);
    return GetDlgItem(dialog, win32::firstControlId + static_cast<int>(valueDialog.form().indexOf(name)));
}

namespace user {

POINT centreOf(HWND control) {
    RECT bounds{};
    GetWindowRect(control, &bounds);
    return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

namespace {

void sendMouse(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute positions run from 0 to 65535 across the primary screen.
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    SendInput(1, &input, sizeof input);
}

// Under Wine the X server tells the desktop and each window's thread where its pointer went when
// a window opens or closes under it, and they turn that into a move of Wine's pointer. Taken in
// late, such a move would pull the pointer off a button held down. Before a button goes down the
// pointer is put in place, and both threads have gone round their loops twice, taking in what
// the X server had sent them by then.
void pointAt(POINT screen) {
    moveTo(screen);
    for (HWND owner : {GetDesktopWindow(), WindowFromPoint(screen)}) {
        for (int round = 0; round < 2; ++round) {
            SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_NORMAL, settleTimeout, nullptr);
        }
    }
}

}  // namespace

void moveTo(POINT screen) { sendMouse(screen, 0); }

void press(POINT screen) {
    pointAt(screen);
    sendMouse(screen, MOUSEEVENTF_LEFTDOWN);
}

void release(POINT screen) { sendMouse(screen, MOUSEEVENTF_LEFTUP); }

void click(POINT screen) {
    press(screen);
    release(screen);
}

void click(HWND control) { click(centreOf(control)); }

void rightClick(POINT screen) {
    pointAt(screen);
    sendMouse(screen, MOUSEEVENTF_RIGHTDOWN);
    sendMouse(screen, MOUSEEVENTF_RIGHTUP);
}

}  // namespace user

Accessible accessibleOf(HWND window) {
    Accessible found;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return found;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (SUCCEEDED(object->get_accName(self, &name)) && name != nullptr) {
        found.name = win32::utf8(name);
        SysFreeString(name);
    }
    VARIANT value{};
    if (SUCCEEDED(object->get_accRole(self, &value)) && value.vt == VT_I4) {
        found.role = value.lVal;
    }
    if (SUCCEEDED(object->get_accState(self, &value)) && value.vt == VT_I4) {
        found.state = value.lVal;
    }
    object->Release();
    return found;
}

std::string clipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = win32::utf8(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void emptyClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

Screenshot screenshot(RECT area) {
    Screenshot shot{area, {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = shot.width();
    info.bmiHeader.biHeight = -shot.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width(), shot.height(), screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    shot.pixels.reserve(static_cast<std::size_t>(shot.width() * shot.height()));
    for (int index = 0; index < shot.width() * shot.height(); ++index) {
        shot.pixels.push_back(pixels[index] & 0xFFFFFFu);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

Screenshot screenshot(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return screenshot(bounds);
}

int expectedDpi() { return dpiExpected; }

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
// An argument picks the tests whose names contain it; a second gives the density they expect.
int main(int argc, char** argv) {
    const std::string_view filter = argc > 1 ? argv[1] : "";
    using namespace pruhomat::testing;
    dpiExpected = argc > 2 ? std::atoi(argv[2]) : 0;
    // As the program's own main does, for the shell and for screen readers.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
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
    // A name that selects no test is a mistake of the run, never a pass.
    if (passed + failed == 0) {
        std::printf("failure: no test selected by \"%.*s\"\n", static_cast<int>(filter.size()), filter.data());
    }
    return failed == 0 && passed > 0 ? 0 : 1;
}
