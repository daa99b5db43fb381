// What a screen reader hears of the main window, read through Active Accessibility from another
// apartment after each step, against what the window shows.
#include <oleacc.h>

#include <array>
#include <string>

#include "harness.h"

namespace {

using pruhomat::testing::accessibleOf;
using pruhomat::testing::Driver;

const std::array<std::string, 10> digitColours{"černá", "hnědá", "červená", "oranžová", "žlutá",
                                               "zelená", "modrá", "fialová", "šedá",     "bílá"};

std::string colourOf(double value, int band, bool fourBands) {
    if (band == 4 && fourBands) {
        return "žádný";
    }
    if (band == 5) {
        return value == 1 ? "hnědá" : value == 2 ? "červená" : value == 5 ? "zlatá" : "stříbrná";
    }
    if (value == -1) {
        return "zlatá";
    }
    return value == -2 ? "stříbrná" : digitColours.at(static_cast<std::size_t>(value));
}

void expectWhatTheWindowShows(Driver& driver, const char* step) {
    const auto& state = driver.application().form1().state();
    const bool fourBands = SendMessageW(driver.handleOf("band4"), BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool tolerances = driver.caption("Paleta") == "Paleta - Přesnost";
    for (int row = 0; row < 10; ++row) {
        const HWND swatch = driver.handleOf("b" + std::to_string(row));
        if (!IsWindowVisible(swatch)) {
            continue;
        }
        const auto heard = accessibleOf(swatch);
        const std::string expected = driver.caption("Label" + std::to_string(row + 1)) + ", " +
                                     driver.caption("Label" + std::to_string(row + 11)) + (tolerances ? " %" : "");
        CHECK_EQ(heard.name + " (" + step + ")", expected + " (" + step + ")");
        CHECK(heard.role == ROLE_SYSTEM_LISTITEM);
    }
    const std::array<double, 5> values{double(state.num1), double(state.num2), state.num3, state.num4,
                                       double(state.num5)};
    const std::array<const char*, 5> columns{"p10", "p20", "p30", "p4p", "ppp"};
    for (int band = 1; band <= 5; ++band) {
        const HWND shown = WindowFromPoint(pruhomat::testing::user::centreOf(driver.handleOf(columns[band - 1])));
        const auto heard = accessibleOf(shown);
        const std::string expected = "Pásek " + std::to_string(band) + ": " +
                                     colourOf(values[band - 1], band, fourBands);
        CHECK_EQ(heard.name + " (" + step + ")", expected + " (" + step + ")");
        CHECK(((heard.state & STATE_SYSTEM_SELECTED) != 0) == (state.band == band));
    }
    if (driver.visible("vysl")) {
        const std::string unit = driver.visible("ohm") ? "Ω" : driver.visible("kohm") ? "kΩ" : "MΩ";
        CHECK_EQ(accessibleOf(driver.handleOf("vysl")).name,
                 driver.caption("vysl") + " " + unit + ", " + driver.caption("presn") + " %");
    }
}

}  // namespace

WINDOW_TEST(ScreenReadersHearWhatTheWindowShows) {
    expectWhatTheWindowShows(driver, "at start");
    driver.click("p19");
    driver.click("b4");
    expectWhatTheWindowShows(driver, "band 1 yellow");
    driver.click("pp10");
    expectWhatTheWindowShows(driver, "tolerance palette");
    driver.click("b2");
    driver.pressButton("band4");
    driver.pressButton("prog");
    expectWhatTheWindowShows(driver, "four bands, result");
    driver.click("p30");
    driver.click("b7");
    driver.pressButton("prog");
    expectWhatTheWindowShows(driver, "gold multiplier");
}

// A reader may keep an object after its dialog has closed; asked again, it must say the object
// is gone, and the program must go on.
WINDOW_TEST(AKeptObjectOfAClosedDialogAnswersThatItIsGone) {
    namespace user = pruhomat::testing::user;
    user::click(driver.handleOf("Label21"));
    CHECK(pruhomat::testing::waitUntil([&] { return GetForegroundWindow() == driver.mainWindow(); }));
    user::chord({VK_CONTROL, 'F'});
    const HWND dialog = Driver::waitForWindow(L"PruhomatForm", L"Zadat hodnotu");
    CHECK(dialog != nullptr);
    IAccessible* kept = nullptr;
    CHECK(SUCCEEDED(AccessibleObjectFromWindow(pruhomat::testing::valueDialogControl(dialog, "txtValue"),
                                               static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&kept))));
    if (kept == nullptr) {
        return;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    CHECK(SUCCEEDED(kept->get_accName(self, &name)) && name != nullptr);
    SysFreeString(name);
    user::key(VK_ESCAPE);
    CHECK(pruhomat::testing::waitUntil([&] { return !IsWindow(dialog); }));
    name = nullptr;
    CHECK_EQ(kept->get_accName(self, &name), CO_E_OBJNOTCONNECTED);
    VARIANT state{};
    CHECK_EQ(kept->get_accState(self, &state), CO_E_OBJNOTCONNECTED);
    kept->Release();
    driver.click("b4");
    CHECK_EQ(accessibleOf(driver.handleOf("b4")).name, std::string("Žlutá, 4"));
}
