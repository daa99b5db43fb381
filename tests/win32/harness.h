#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "application.h"
#include "user_keys.h"

namespace pruhomat::testing {

// What a screen reader learns of a window through Active Accessibility.
struct Accessible {
    std::string name;
    long role = 0;
    long state = 0;
};
Accessible accessibleOf(HWND window);

// Drives the real main window from a second thread, only with window messages, while the
// window's own thread runs the program's message loop.
class Driver {
public:
    Driver(win32::Application& application, HWND syncWindow, DWORD windowThread);
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;
    ~Driver() { CloseHandle(settled_); }

    win32::Application& application() { return application_; }
    HWND mainWindow() { return application_.mainWindow().handle(); }
    HWND handleOf(std::string_view name) { return application_.mainWindow().handleOf(name); }

    // A left click posted to whatever window lies at the centre of a control of the form shown
    // in the window, then a wait until it has been handled.
    void click(HWND window, forms::Form& form, std::string_view name);
    // The same at a point of the window's client area.
    void clickAt(HWND window, POINT point);
    void click(std::string_view name) { click(mainWindow(), application_.form1().form(), name); }
    // BM_CLICK posted to a button of the main window.
    void pressButton(std::string_view name);
    void pressKey(HWND focused, WPARAM key);

    // Waits until the window's thread has handled everything posted so far.
    void settle();
    // The top-level window of this class and title once it is shown and painted, and so has its
    // controls; null after a few seconds.
    static HWND waitForWindow(const wchar_t* windowClass, const wchar_t* title);

    std::string caption(HWND window);
    std::string caption(std::string_view name) { return caption(handleOf(name)); }
    bool visible(std::string_view name) { return IsWindowVisible(handleOf(name)) != FALSE; }
    DWORD windowThread() const { return windowThread_; }
    // The window with the keyboard focus on the window's thread.
    HWND focused() const;
    // The window's thread is in a menu's loop, which takes the keys from now on.
    bool inMenu() const;

private:
    win32::Application& application_;
    HWND syncWindow_;
    DWORD windowThread_;
    HANDLE settled_;
};

// The About dialog's controls as laid out, to find them in the dialog on the screen.
forms::Form& aboutLayout();
HWND aboutControl(HWND dialog, std::string_view name);
// The same for the value dialog.
HWND valueDialogControl(HWND dialog, std::string_view name);

// Input as the user gives it: SendInput at points of the screen, handled by the window's own loop;
// the keys in user_keys.h.
namespace user {
POINT centreOf(HWND control);
void moveTo(POINT screen);
void press(POINT screen);
void release(POINT screen);
void click(POINT screen);
void click(HWND control);
void rightClick(POINT screen);
}  // namespace user

// What another program pastes: the clipboard's CF_UNICODETEXT as UTF-8; empty when there is none.
std::string clipboardText();
void emptyClipboard();


// What the screen shows in a rectangle of screen pixels, as 0xRRGGBB values row by row.
struct Screenshot {
    RECT area{};
    std::vector<std::uint32_t> pixels;

    int width() const { return static_cast<int>(area.right - area.left); }
    int height() const { return static_cast<int>(area.bottom - area.top); }
    // At a screen point inside the area.
    std::uint32_t at(LONG x, LONG y) const {
        return pixels[static_cast<std::size_t>((y - area.top) * width() + (x - area.left))];
    }
};
Screenshot screenshot(RECT area);
Screenshot screenshot(HWND window);  // the window's whole rectangle

// The density the test expects the windows to have, given on the command line; 0 for any.
int expectedDpi();

using TestBody = void (*)(Driver&);
bool registerTest(const char* name, TestBody body);
void recordFailure(const char* file, int line, const std::string& message);

template <typename Left, typename Right>
void checkEqual(const Left& left, const Right& right, const char* expression, const char* file, int line) {
    if (!(left == right)) {
        std::ostringstream message;
        message << expression << ": got \"" << left << "\", expected \"" << right << "\"";
        recordFailure(file, line, message.str());
    }
}

}  // namespace pruhomat::testing

#define WINDOW_TEST(name)                                                               \
    static void name(pruhomat::testing::Driver& driver);                                \
    static const bool name##Registered = pruhomat::testing::registerTest(#name, name); \
    static void name(pruhomat::testing::Driver& driver)

#define CHECK(condition) \
    ((condition) ? static_cast<void>(0) : pruhomat::testing::recordFailure(__FILE__, __LINE__, #condition))

#define CHECK_EQ(actual, expected) \
    pruhomat::testing::checkEqual((actual), (expected), #actual, __FILE__, __LINE__)
