#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>

#include "gdi_objects.h"
#include "harness.h"

namespace {

using pruhomat::testing::Driver;

// GetGuiResources, or nothing where the system does not implement it (Wine answers 0 with
// ERROR_CALL_NOT_IMPLEMENTED).
std::optional<DWORD> gdiObjects() {
    SetLastError(ERROR_SUCCESS);
    const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
        return std::nullopt;
    }
    return count;
}

// GetGuiResources where implemented; else the windows of the program's thread, children included.
DWORD userObjects(Driver& driver) {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) {
        return count;
    }
    DWORD count = 0;
    EnumThreadWindows(
        driver.windowThread(),
        [](HWND window, LPARAM total) {
            auto& windows = *reinterpret_cast<DWORD*>(total);
            ++windows;
            EnumChildWindows(
                window,
                [](HWND, LPARAM children) {
                    ++*reinterpret_cast<DWORD*>(children);
                    return TRUE;
                },
                total);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Painting holds device contexts for a moment; the fewest objects over a short while is the
// program's own lasting set: as the system counts them where it does, and as the program's own
// count of what it made and deleted everywhere.
std::optional<DWORD> lastingGdiObjects(Driver& driver) {
    std::optional<DWORD> fewest = gdiObjects();
    for (int sample = 0; fewest && sample < 10; ++sample) {
        driver.settle();
        Sleep(30);
        fewest = std::min(*fewest, gdiObjects().value_or(*fewest));
    }
    return fewest;
}

long lastingObjectsMade(Driver& driver) {
    driver.settle();
    return pruhomat::win32::gdi::alive();
}

void openAndCloseAbout(Driver& driver) {
    driver.pressButton("Info_pr");
    HWND dialog = Driver::waitForWindow(L"PruhomatForm", L" O programu...");
    CHECK(dialog != nullptr);
    driver.pressKey(pruhomat::testing::aboutControl(dialog, "cmdOK"), VK_ESCAPE);
    CHECK(!IsWindow(dialog));
}

void closeZeroRuleBox(Driver& driver) {
    if (HWND box = FindWindowW(L"#32770", L"O Programu...")) {
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        driver.settle();
    }
}

// Paints what is waiting to be painted, at once: painting waits for an empty queue otherwise.
void paintNow(Driver& driver) { RedrawWindow(driver.mainWindow(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// Every palette painted once, so that each swatch colour has its brush before counting.
void showEveryPalette(Driver& driver) {
    for (const char* band : {"p19", "p39", "p4p", "pp10"}) {
        driver.click(band);
        paintNow(driver);
    }
    driver.pressButton("band4");
    driver.click("p3silver");
    paintNow(driver);
    driver.pressButton("band5");
    driver.pressButton("prog");
    paintNow(driver);
}

}  // namespace

WINDOW_TEST(AboutAndRandomClicksLeaveGuiObjectsAsTheyWere) {
    showEveryPalette(driver);
    openAndCloseAbout(driver);
    const std::optional<DWORD> gdiBefore = lastingGdiObjects(driver);
    const long madeBefore = lastingObjectsMade(driver);
    const DWORD userBefore = userObjects(driver);
    if (!gdiBefore) {
        std::fprintf(stderr, "GetGuiResources is not implemented here: the program's own count of GDI objects serves\n");
    }
    CHECK(userBefore > 0);
    CHECK(madeBefore > 0);

    for (int opening = 0; opening < 200; ++opening) {
        openAndCloseAbout(driver);
    }
    std::mt19937 random(2026);
    const HWND exitButton = driver.handleOf("Exit_pr");
    const HWND infoButton = driver.handleOf("Info_pr");
    for (int click = 0; click < 1000; ++click) {
        POINT point{static_cast<LONG>(random() % 425), static_cast<LONG>(random() % 221)};
        POINT onScreen = point;
        ClientToScreen(driver.mainWindow(), &onScreen);
        const HWND target = WindowFromPoint(onScreen);
        if (target == exitButton || target == infoButton) {
            continue;
        }
        driver.clickAt(driver.mainWindow(), point);
        closeZeroRuleBox(driver);
    }
    driver.settle();
    if (gdiBefore) {
        CHECK_EQ(lastingGdiObjects(driver).value_or(0), *gdiBefore);
    }
    CHECK_EQ(lastingObjectsMade(driver), madeBefore);
    CHECK_EQ(userObjects(driver), userBefore);
}
