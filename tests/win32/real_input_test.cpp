#include <string>
#include <string_view>

#include "harness.h"

// The program driven by SendInput and its own message loop, as a user's mouse drives it.

namespace {

using pruhomat::testing::Driver;
namespace user = pruhomat::testing::user;
using pruhomat::testing::waitUntil;

bool checked(Driver& driver, const char* name) {
    return SendMessageW(driver.handleOf(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The text of the program's tooltip window while it shows; empty while none does.
std::string shownTooltip(Driver& driver) {
    struct Search {
        Driver* driver;
        std::string text;
    } search{&driver, {}};
    EnumThreadWindows(
        driver.windowThread(),
        [](HWND window, LPARAM data) {
            auto& found = *reinterpret_cast<Search*>(data);
            wchar_t className[64]{};
            GetClassNameW(window, className, 64);
            if (std::wstring_view(className) == L"tooltips_class32" && IsWindowVisible(window)) {
                found.text = found.driver->caption(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.text;
}

}  // namespace

// Red entered on band 3, the pointer held over the band brings up its tooltip naming the colour.
WINDOW_TEST(TheBandUnderThePointerNamesItsColour) {
    user::click(driver.handleOf("p39"));
    CHECK(waitUntil([&] { return driver.visible("sipka3"); }));
    user::click(driver.handleOf("b2"));
    CHECK(waitUntil([&] { return driver.visible("p32"); }));
    user::moveTo(user::centreOf(driver.handleOf("p32")));
    CHECK(waitUntil([&] { return shownTooltip(driver) == "Pásek 3: červená"; }));
}

WINDOW_TEST(QuickRepeatedClicksEachEnterAColour) {
    user::click(driver.handleOf("automat"));
    CHECK(waitUntil([&] { return checked(driver, "automat"); }));
    user::click(driver.handleOf("b1"));
    CHECK(waitUntil([&] { return driver.visible("sipka1"); }));
    user::click(driver.handleOf("b1"));
    CHECK(waitUntil([&] { return driver.visible("sipka2"); }));
    // Black twice, the second click well inside the double-click time.
    user::click(driver.handleOf("b0"));
    user::click(driver.handleOf("b0"));
    CHECK(waitUntil([&] { return driver.visible("sipka4"); }));
    CHECK(driver.visible("p11") && driver.visible("p20") && driver.visible("p30"));

    // A press on red dragged away and released elsewhere enters nothing: the orange that
    // follows still goes into band 4.
    user::press(user::centreOf(driver.handleOf("b2")));
    user::moveTo(user::centreOf(driver.handleOf("Label21")));
    user::release(user::centreOf(driver.handleOf("Label21")));
    user::click(driver.handleOf("b3"));
    CHECK(waitUntil([&] { return driver.visible("sipka5"); }));
    CHECK(driver.visible("p43"));
    CHECK(!driver.visible("p42"));
}

WINDOW_TEST(AboutDialogGivesActivationAndFocusBack) {
    HWND info = driver.handleOf("Info_pr");
    user::click(info);
    HWND dialog = Driver::waitForWindow(L"PruhomatForm", L" O programu...");
    CHECK(dialog != nullptr);
    if (dialog == nullptr) {
        return;
    }
    HWND ok = pruhomat::testing::aboutControl(dialog, "cmdOK");
    // The window exists before it is centred and shown; the click must find it where the user sees it.
    CHECK(waitUntil([&] { return IsWindowVisible(dialog) && driver.focused() == ok; }));
    user::click(ok);
    CHECK(waitUntil([&] { return !IsWindow(dialog); }));
    CHECK(waitUntil([&] { return GetForegroundWindow() == driver.mainWindow(); }));
    CHECK(driver.focused() == info);
    user::click(driver.handleOf("p19"));
    CHECK(waitUntil([&] { return driver.visible("sipka1"); }));
}
