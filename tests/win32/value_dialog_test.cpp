// The value dialog as a user meets it: opened by Ctrl+F and from the system menu, typed into
// with SendInput, and its resistor looked for on the screen.
#include "colour_code.h"
#include "frm_value.h"
#include "harness.h"

namespace {

using pruhomat::testing::Driver;
using pruhomat::testing::valueDialogControl;
using pruhomat::testing::waitUntil;
namespace user = pruhomat::testing::user;

bool checked(Driver& driver, const char* name) {
    return SendMessageW(driver.handleOf(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void typeKeys(std::initializer_list<WORD> keys) {
    for (const WORD key : keys) {
        user::key(key);
    }
}

// The preview's shown lines, one window each.
std::string previewOf(Driver& driver, HWND dialog) {
    std::string lines;
    for (std::size_t line = 1; line <= pruhomat::FrmValue::previewLines; ++line) {
        const HWND shown = valueDialogControl(dialog, "lblPreview" + std::to_string(line));
        lines += IsWindowVisible(shown) ? (lines.empty() ? "" : "\r\n") + driver.caption(shown) : "";
    }
    return lines;
}

HWND openedDialog(Driver& driver) {
    const HWND dialog = Driver::waitForWindow(L"PruhomatForm", L"Zadat hodnotu");
    CHECK(dialog != nullptr);
    CHECK(waitUntil([&] { return driver.focused() == valueDialogControl(dialog, "txtValue"); }));
    return dialog;
}

// The pixels of a control's rectangle on the screen that show the colour.
int pixelsOfColour(HWND control, pruhomat::Rgb colour) {
    const auto shot = pruhomat::testing::screenshot(control);
    const std::uint32_t wanted = static_cast<std::uint32_t>(colour.red) << 16 |
                                 static_cast<std::uint32_t>(colour.green) << 8 | colour.blue;
    int count = 0;
    for (const std::uint32_t pixel : shot.pixels) {
        count += pixel == wanted ? 1 : 0;
    }
    return count;
}

}  // namespace

WINDOW_TEST(TheValueDialogDrawsWhatIsTypedAndRefusesWhatCannotBeDrawn) {
    user::click(driver.handleOf("Label21"));
    CHECK(waitUntil([&] { return GetForegroundWindow() == driver.mainWindow(); }));
    user::chord({VK_CONTROL, 'F'});
    HWND dialog = openedDialog(driver);
    typeKeys({'4', 'K', '7', VK_TAB, VK_UP});
    CHECK(waitUntil([&] {
        return previewOf(driver, dialog) == "4,7 kΩ ±5 %\r\nžlutá, fialová, červená, zlatá\r\nkód RKM: 4K7J\r\nkódy SMD: 472, "
                                           "4701\r\nřady E3, E6, E12, E24, E192";
    }));
    CHECK(IsWindowEnabled(valueDialogControl(dialog, "cmdOK")));
    user::key(VK_RETURN);
    CHECK(waitUntil([&] { return driver.caption("vysl") == "4,7" && driver.visible("kohm"); }));
    CHECK_EQ(driver.caption("presn"), std::string("5"));
    CHECK(checked(driver, "band4"));
    CHECK(waitUntil([&] {
        // Yellow, violet and red as the colour code draws them.
        return pixelsOfColour(driver.handleOf("p14"), {0xFF, 0xFF, 0x00}) > 20 &&
               pixelsOfColour(driver.handleOf("p27"), {0xBF, 0x00, 0xBF}) > 20 &&
               pixelsOfColour(driver.handleOf("p32"), {0xFF, 0x00, 0x00}) > 20;
    }));

    // From the system menu, its last item; the text of the last OK comes back selected. The keys
    // go to the main window once it is active again.
    CHECK(waitUntil([&] { return GetForegroundWindow() == driver.mainWindow(); }));
    user::chord({VK_MENU, VK_SPACE});
    CHECK(waitUntil([&] { return driver.inMenu(); }));
    typeKeys({VK_UP, VK_RETURN});
    dialog = openedDialog(driver);
    const HWND edit = valueDialogControl(dialog, "txtValue");
    CHECK_EQ(driver.caption(edit), std::string("4k7"));
    DWORD selectionEnd = 0;
    SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&selectionEnd));
    CHECK_EQ(selectionEnd, DWORD{3});
    typeKeys({'4', VK_OEM_COMMA, '7', '5', 'K', VK_TAB, VK_UP, VK_UP, VK_RETURN});
    CHECK(waitUntil([&] { return driver.caption("vysl") == "4,75" && driver.visible("kohm"); }));
    CHECK(checked(driver, "band5"));
    CHECK_EQ(driver.caption("presn"), std::string("1"));

    // Nothing to draw: a reason, OK greyed, Enter does nothing, Esc leaves the window as it was.
    user::chord({VK_CONTROL, 'F'});
    dialog = openedDialog(driver);
    typeKeys({'1', '0', '0'});
    user::chord({VK_SHIFT, 'M'});
    CHECK(waitUntil([&] {
        return previewOf(driver, dialog) == "Největší hodnota je 99 MΩ.";
    }));
    CHECK(!IsWindowEnabled(valueDialogControl(dialog, "cmdOK")));
    // A key typed after Enter reaches the field only once Enter has been handled: the dialog
    // is still open then.
    user::key(VK_RETURN);
    user::key('0');
    CHECK(waitUntil([&] { return driver.caption(valueDialogControl(dialog, "txtValue")) == "100M0"; }));
    CHECK(IsWindowVisible(dialog));
    user::key(VK_ESCAPE);
    CHECK(waitUntil([&] { return !IsWindow(dialog); }));
    CHECK_EQ(driver.caption("vysl"), std::string("4,75"));
}

// Keys alone: "1k0j" gives four bands, then six, and brown, black, black, red, brown, red from
// the lists. The field says what they read as, the drawing shows them, OK draws the first five.
WINDOW_TEST(TheValueDialogTakesAPartByItsColoursFromTheKeys) {
    user::click(driver.handleOf("Label21"));
    CHECK(waitUntil([&] { return GetForegroundWindow() == driver.mainWindow(); }));
    user::chord({VK_CONTROL, 'F'});
    const HWND dialog = openedDialog(driver);
    typeKeys({'1', 'K', '0', 'J', VK_TAB, VK_TAB, VK_DOWN, VK_DOWN, VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_DOWN, VK_TAB});
    typeKeys({VK_UP, VK_UP, VK_UP, VK_UP, VK_UP, VK_UP, VK_UP, VK_UP, VK_TAB, VK_DOWN});
    CHECK(waitUntil([&] { return driver.caption(valueDialogControl(dialog, "txtValue")) == "10 kΩ ±1 % 50 ppm/K"; }));
    CHECK(waitUntil([&] {
        return pixelsOfColour(valueDialogControl(dialog, "picSlot4"), {0xFF, 0x00, 0x00}) > 20 &&
               pixelsOfColour(valueDialogControl(dialog, "picSlot6"), {0x7F, 0x3F, 0x00}) > 20 &&
               pixelsOfColour(valueDialogControl(dialog, "picSlot7"), {0xFF, 0x00, 0x00}) > 20;
    }));
    user::key(VK_RETURN);
    CHECK(waitUntil([&] { return driver.caption("vysl") == "10" && driver.visible("kohm") && driver.visible("p42"); }));
    CHECK_EQ(driver.caption("presn"), std::string("1"));
}
