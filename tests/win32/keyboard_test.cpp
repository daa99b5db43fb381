// The main window from the keyboard alone, with keys from SendInput, its mark on the screen and
// the result read back from the clipboard.
#include "harness.h"

namespace {

using pruhomat::testing::Driver;
using pruhomat::testing::waitUntil;
namespace user = pruhomat::testing::user;

bool checked(Driver& driver, const char* name) {
    return SendMessageW(driver.handleOf(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The pixels on the top and bottom edges of a palette row that differ between two screenshots.
int rowOutlineChanges(Driver& driver, const pruhomat::testing::Screenshot& before,
                      const pruhomat::testing::Screenshot& after, int row) {
    RECT value{};
    RECT name{};
    GetWindowRect(driver.handleOf("Label" + std::to_string(row + 11)), &value);
    GetWindowRect(driver.handleOf("Label" + std::to_string(row + 1)), &name);
    int changed = 0;
    for (LONG x = value.left; x < name.right; ++x) {
        changed += before.at(x, value.top) != after.at(x, value.top) ? 1 : 0;
        changed += before.at(x, value.bottom - 1) != after.at(x, value.bottom - 1) ? 1 : 0;
    }
    return changed;
}

// Tab round the window until the palette and drawing hold the keyboard.
bool tabToThePalette(Driver& driver) {
    const HWND palette = driver.handleOf("Paleta");
    for (int stop = 0; stop < 8 && driver.focused() != palette; ++stop) {
        const HWND before = driver.focused();
        user::key(VK_TAB);
        waitUntil([&] { return driver.focused() != before; });
    }
    return driver.focused() == palette;
}

}  // namespace

// Right after start, before any other key or click: the palette has the keyboard.
WINDOW_TEST(FromTheStartTheKeysAloneEnterAResistor) {
    CHECK(waitUntil([&] { return GetForegroundWindow() == driver.mainWindow(); }));
    for (const WORD key : {WORD{VK_RIGHT}, WORD{'1'}, WORD{VK_RIGHT}, WORD{'0'}, WORD{VK_RIGHT}, WORD{'0'},
                           WORD{VK_RIGHT}, WORD{'2'}, WORD{VK_RIGHT}, WORD{'S'}}) {
        user::key(key);
    }
    user::chord({VK_CONTROL, VK_RETURN});
    CHECK(waitUntil([&] { return driver.caption("vysl") == "10" && driver.visible("kohm"); }));
    CHECK_EQ(driver.caption("presn"), std::string("10"));
}

WINDOW_TEST(KeysAloneEnterAResistorAndCopyIt) {
    // The window is brought to the front by a click on a label that does nothing.
    user::click(driver.handleOf("Label21"));
    CHECK(waitUntil([&] { return GetForegroundWindow() == driver.mainWindow(); }));
    CHECK(driver.focused() == driver.handleOf("Paleta"));
    const auto atStart = pruhomat::testing::screenshot(driver.mainWindow());
    user::key(VK_DOWN);
    auto onSecondRow = atStart;
    CHECK(waitUntil([&] {
        onSecondRow = pruhomat::testing::screenshot(driver.mainWindow());
        return rowOutlineChanges(driver, atStart, onSecondRow, 1) > 20;
    }));
    user::key(VK_UP);
    auto onFirstRow = atStart;
    // The rows share an edge, so the mark is seen to come by the first row's other edge.
    CHECK(waitUntil([&] {
        onFirstRow = pruhomat::testing::screenshot(driver.mainWindow());
        return rowOutlineChanges(driver, onSecondRow, onFirstRow, 0) > 20;
    }));
    CHECK(rowOutlineChanges(driver, atStart, onFirstRow, 0) > 20);

    user::key(VK_TAB);
    CHECK(waitUntil([&] { return driver.focused() == driver.handleOf("automat"); }));
    user::key(VK_SPACE);
    CHECK(waitUntil([&] { return checked(driver, "automat"); }));
    user::chord({VK_SHIFT, VK_TAB});
    CHECK(waitUntil([&] { return driver.focused() == driver.handleOf("Paleta"); }));
    // Yellow, violet from the keypad, black, brown multiplier, gold.
    for (const WORD key : {WORD{VK_RIGHT}, WORD{'4'}, WORD{VK_NUMPAD7}, WORD{'0'}, WORD{'1'}, WORD{'G'}}) {
        user::key(key);
    }
    CHECK(waitUntil([&] { return driver.caption("vysl") == "4,7" && driver.visible("kohm"); }));

    pruhomat::testing::emptyClipboard();
    user::chord({VK_CONTROL, 'C'});
    CHECK(waitUntil([] { return pruhomat::testing::clipboardText() == "4,7 kΩ ±5 %"; }));

    // The context menu copies the same, from a right click anywhere, even while another program
    // holds the clipboard open: the copy is done once it lets go.
    pruhomat::testing::emptyClipboard();
    CHECK(OpenClipboard(nullptr));
    user::rightClick(user::centreOf(driver.handleOf("p30")));
    CHECK(waitUntil([&] { return driver.inMenu(); }));
    user::key(VK_DOWN);
    user::key(VK_RETURN);
    CHECK(waitUntil([&] { return !driver.inMenu(); }));
    driver.settle();
    CloseClipboard();
    CHECK(waitUntil([] { return pruhomat::testing::clipboardText() == "4,7 kΩ ±5 %"; }));
    CHECK(driver.caption("vysl") == "4,7");
}

WINDOW_TEST(FourBandsAndTheResultFromTheKeys) {
    user::click(driver.handleOf("Label21"));
    CHECK(waitUntil([&] { return GetForegroundWindow() == driver.mainWindow(); }));
    CHECK(tabToThePalette(driver));
    user::key(VK_TAB);
    user::key(VK_TAB);
    CHECK(waitUntil([&] { return driver.focused() == driver.handleOf("band5"); }));
    user::key(VK_DOWN);
    CHECK(waitUntil([&] { return checked(driver, "band4") && driver.focused() == driver.handleOf("band4"); }));
    user::chord({VK_SHIFT, VK_TAB});
    user::chord({VK_SHIFT, VK_TAB});
    CHECK(waitUntil([&] { return driver.focused() == driver.handleOf("Paleta"); }));
    // Brown, black, red multiplier (band 4 is skipped), red tolerance; 3 is no tolerance.
    for (const WORD key : {WORD{VK_HOME}, WORD{'1'}, WORD{VK_RIGHT}, WORD{'0'}, WORD{VK_RIGHT}, WORD{'2'},
                           WORD{VK_END}, WORD{'3'}, WORD{'2'}}) {
        user::key(key);
    }
    user::chord({VK_CONTROL, VK_RETURN});
    CHECK(waitUntil([&] { return driver.caption("vysl") == "1" && driver.visible("kohm"); }));
    CHECK(driver.caption("presn") == "2");
}

// A colour typed while its band stays current: the mark stands on it.
WINDOW_TEST(TheMarkStandsOnTheColourTyped) {
    user::click(driver.handleOf("Label21"));
    CHECK(waitUntil([&] { return GetForegroundWindow() == driver.mainWindow(); }));
    CHECK(tabToThePalette(driver));
    for (int band = 0; band < 3; ++band) {
        user::key(VK_RIGHT);
    }
    CHECK(waitUntil([&] { return driver.visible("sipka3"); }));
    const auto onWhite = pruhomat::testing::screenshot(driver.mainWindow());
    user::key('2');
    CHECK(waitUntil([&] { return rowOutlineChanges(driver, onWhite, pruhomat::testing::screenshot(driver.mainWindow()), 2) > 20; }));
}
