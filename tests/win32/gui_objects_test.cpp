#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include <winternl.h>

#include "harness.h"

namespace {

using pruhomat::testing::Driver;

// One entry of the process's GDI handle table, which the PEB points to on x64 Windows and Wine.
struct GdiHandleEntry {
    std::uint64_t kernelObject;
    std::uint16_t processId;
    std::uint16_t count;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t gdiHandleTableOffset = 0xF8;
constexpr std::size_t gdiHandleCount = 0x10000;

constexpr std::uint8_t regionType = 0x04;

// GetGuiResources where the system implements it. Wine answers 0 with ERROR_CALL_NOT_IMPLEMENTED;
// there the live entries of the handle table give the figure, less the regions: Wine keeps an
// update region for each window waiting to be painted, hidden ones included, and the program
// itself makes none.
DWORD gdiObjects() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) {
        return count;
    }
    PROCESS_BASIC_INFORMATION process{};
    NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr);
    const auto* processBlock = reinterpret_cast<const char*>(process.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(processBlock + gdiHandleTableOffset);
    DWORD count = 0;
    for (std::size_t index = 0; table != nullptr && index < gdiHandleCount; ++index) {
        count += table[index].type != 0 && table[index].type != regionType ? 1 : 0;
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
// program's own lasting set.
DWORD lastingGdiObjects(Driver& driver) {
    DWORD fewest = gdiObjects();
    for (int sample = 0; sample < 10; ++sample) {
        driver.settle();
        Sleep(30);
        fewest = std::min(fewest, gdiObjects());
    }
    return fewest;
}

void openAndCloseAbout(Driver& driver) {
    driver.pressButton("Info_pr");
    HWND dialog = Driver::waitForWindow(L"PruhomatForm", L" O programu...");
    CHECK(dialog != nullptr);
    pruhomat::forms::Form& about = driver.application().form1().about()->form();
    driver.pressKey(GetDlgItem(dialog, pruhomat::win32::firstControlId + static_cast<int>(about.indexOf("cmdOK"))),
                    VK_ESCAPE);
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
    const DWORD gdiBefore = lastingGdiObjects(driver);
    const DWORD userBefore = userObjects(driver);
    CHECK(gdiBefore > 0);
    CHECK(userBefore > 0);

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
    CHECK_EQ(lastingGdiObjects(driver), gdiBefore);
    CHECK_EQ(userObjects(driver), userBefore);
}
