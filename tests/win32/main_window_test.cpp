#include <string>

#include "harness.h"

namespace {

using pruhomat::testing::Driver;

std::string visibleAmong(Driver& driver, std::initializer_list<const char*> names) {
    std::string visible;
    for (const char* name : names) {
        if (driver.visible(name)) {
            visible += visible.empty() ? name : std::string(" ") + name;
        }
    }
    return visible;
}

std::string arrows(Driver& driver) { return visibleAmong(driver, {"sipka1", "sipka2", "sipka3", "sipka4", "sipka5"}); }

std::string resultRow(Driver& driver) {
    if (!driver.visible("vysl")) {
        return "";
    }
    return driver.caption("vysl") + " " + visibleAmong(driver, {"ohm", "kohm", "mohm"}) + " " +
           driver.caption("presn") + " " + driver.caption("Label21");
}

}  // namespace

WINDOW_TEST(StartStateIsTheLoadedResistor) {
    CHECK_EQ(driver.caption(driver.mainWindow()), std::string("  Virtuální Pruhomat"));
    CHECK_EQ(resultRow(driver), std::string("9,99 ohm 10 %"));
    CHECK_EQ(arrows(driver), std::string(""));
    CHECK_EQ(visibleAmong(driver, {"p19", "p29", "p39", "p4p", "p4none", "pp10", "ppp"}),
             std::string("p19 p29 p39 p4p pp10 ppp"));
    CHECK_EQ(driver.caption("Paleta"), std::string("Paleta"));
    CHECK_EQ(driver.caption("Label4"), std::string("Oranžová"));
    CHECK(SendMessageW(driver.handleOf("band5"), BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(SendMessageW(driver.handleOf("automat"), BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    RECT client{};
    GetClientRect(driver.mainWindow(), &client);
    CHECK_EQ(client.right, 425L);
    CHECK_EQ(client.bottom, 221L);
    const LONG_PTR style = GetWindowLongPtrW(driver.mainWindow(), GWL_STYLE);
    CHECK((style & WS_MINIMIZEBOX) != 0);
    CHECK((style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0);
}

WINDOW_TEST(FiveBandEntryWithAutomaticAdvance) {
    driver.pressButton("automat");
    CHECK(SendMessageW(driver.handleOf("automat"), BM_GETCHECK, 0, 0) == BST_CHECKED);
    driver.click("b6");
    CHECK_EQ(arrows(driver), std::string("sipka1"));
    for (const char* swatch : {"b1", "b0", "b0", "b2"}) {
        driver.click(swatch);
    }
    CHECK_EQ(visibleAmong(driver, {"p11", "p20", "p30", "p42"}), std::string("p11 p20 p30 p42"));
    CHECK_EQ(driver.caption("Paleta"), std::string("Paleta - Přesnost"));
    CHECK_EQ(driver.caption("Label14"), std::string("10"));
    CHECK(!driver.visible("b4"));
    driver.click("b3");
    CHECK_EQ(resultRow(driver), std::string("10 kohm 10 %"));
    CHECK_EQ(arrows(driver), std::string("sipka1"));
    CHECK_EQ(visibleAmong(driver, {"pp1", "pp2", "pp5", "pp10"}), std::string("pp10"));
}

WINDOW_TEST(FourBandEntryWithAutomaticAdvance) {
    driver.pressButton("band4");
    CHECK(SendMessageW(driver.handleOf("band4"), BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(SendMessageW(driver.handleOf("band5"), BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    CHECK_EQ(visibleAmong(driver, {"p4p", "p4none", "p3silver", "p39"}), std::string("p4none p3silver"));
    driver.pressButton("automat");
    for (const char* swatch : {"b9", "b4", "b7", "b7"}) {
        driver.click(swatch);
    }
    CHECK_EQ(visibleAmong(driver, {"p14", "p27", "p3gold"}), std::string("p14 p27 p3gold"));
    CHECK_EQ(arrows(driver), std::string("sipka5"));
    driver.click("b2");
    CHECK_EQ(resultRow(driver), std::string("4,7 ohm 5 %"));
}

WINDOW_TEST(BandCountSwitchAndTheEmptyBandFour) {
    driver.click("p39");
    CHECK_EQ(arrows(driver), std::string("sipka3"));
    driver.pressButton("band4");
    CHECK_EQ(arrows(driver), std::string(""));
    CHECK_EQ(resultRow(driver), std::string(""));
    driver.click("p4none");
    CHECK_EQ(arrows(driver), std::string(""));
    driver.pressButton("prog");
    CHECK_EQ(resultRow(driver), std::string("0,99 ohm 10 %"));
    driver.pressButton("band5");
    CHECK_EQ(visibleAmong(driver, {"p4p", "p4none"}), std::string("p4p"));
    driver.click("p4p");
    CHECK_EQ(arrows(driver), std::string("sipka4"));
    CHECK_EQ(driver.caption("Paleta"), std::string("Paleta - Exponent"));
}

WINDOW_TEST(PicturesStackAsLaidOut) {
    driver.click("pp10");
    CHECK_EQ(arrows(driver), std::string("sipka5"));
    driver.click("b0");
    driver.click("p19");
    driver.click("b2");
    driver.click("ohm");
    driver.click("ResistorL");
    driver.click("Label3");
    CHECK_EQ(arrows(driver), std::string("sipka1"));
    CHECK_EQ(visibleAmong(driver, {"p12", "p19"}), std::string("p12"));
}
